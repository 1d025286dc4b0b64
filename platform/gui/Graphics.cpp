#include <QByteArray>
#include <QFile>
#include <QImage>

#include "Graphics.h"
#include "GuiInternal.h"
#include "Paths.h"

TPicture::TPicture(std::function<void()> changed) : changed_(std::move(changed)), image_(std::make_unique<QImage>()) {}

TPicture::~TPicture() = default;

static bool IsJpegName(const std::string& name) {
  auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return ext == "jpg" || ext == "jpeg";
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string path = PlatformPath(fileName);
  if (IsJpegName(path)) {
    TRgbPixels pixels;
    if (!DecodeJpegFile(path, pixels)) throw Exception("Cannot load picture " + fileName);
    Assign(pixels);
    return;
  }
  QImage image;
  if (!image.load(QFile::decodeName(QByteArray::fromStdString(path)))) throw Exception("Cannot load picture " + fileName);
  *image_ = image;
  Changed();
}

void TPicture::Assign(const TRgbPixels& pixels) {
  if (pixels.Width <= 0 || pixels.Height <= 0 ||
      pixels.Bytes.size() < static_cast<size_t>(pixels.Width) * pixels.Height * 3) {
    Clear();
    return;
  }
  QImage image(pixels.Bytes.data(), pixels.Width, pixels.Height, pixels.Width * 3, QImage::Format_RGB888);
  *image_ = image.copy();
  Changed();
}

void TPicture::Assign(const TPicture& other) {
  *image_ = *other.image_;
  Changed();
}

void TPicture::Clear() {
  *image_ = QImage();
  Changed();
}

int TPicture::GetWidth() const { return image_->width(); }
int TPicture::GetHeight() const { return image_->height(); }
bool TPicture::GetEmpty() const { return image_->isNull(); }
