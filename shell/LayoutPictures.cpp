#include "LayoutPictures.h"

#include <filesystem>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Jpeg.h"

std::string PanelResourcePath(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path exeDir = fs::path(Application->ExeName()).parent_path();
  for (const fs::path& dir : {exeDir / ".." / "resources", exeDir / "resources"}) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return (dir / name).string();
  }
  return (exeDir / ".." / "resources" / name).string();
}

void LoadLayoutPicture(TImage* image, const std::string& name) {
  TRgbPixels pixels;
  if (DecodeJpegFile(PanelResourcePath(name), pixels)) image->Picture->Assign(pixels);
}
