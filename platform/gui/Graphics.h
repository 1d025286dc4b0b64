// Pictures, brushes and pens.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Classes.h"
#include "Controls.h"
#include "Jpeg.h"

class QImage;

// A picture: loaded from a file (bitmap, PNG, JPEG) or given as decoded RGB pixels.
class TPicture : public TPersistent {
 public:
  explicit TPicture(std::function<void()> changed = nullptr);
  ~TPicture() override;

  ReadOnlyProperty<int, TPicture> Width{this, &TPicture::GetWidth};
  ReadOnlyProperty<int, TPicture> Height{this, &TPicture::GetHeight};
  ReadOnlyProperty<bool, TPicture> Empty{this, &TPicture::GetEmpty};

  // Throws Exception when the file cannot be read as a picture.
  void LoadFromFile(const std::string& fileName);
  void Assign(const TRgbPixels& pixels);
  void Assign(const TPicture& other);
  void Clear();

  int GetWidth() const;
  int GetHeight() const;
  bool GetEmpty() const;

  const QImage& Image() const { return *image_; }

 private:
  void Changed() { if (changed_) changed_(); }
  std::function<void()> changed_;
  std::unique_ptr<QImage> image_;
};
using TBitmap = TPicture;

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
 public:
  explicit TBrush(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
  Property<TColor, TBrush> Color{this, &TBrush::GetColor, &TBrush::SetColor};
  Property<TBrushStyle, TBrush> Style{this, &TBrush::GetStyle, &TBrush::SetStyle};

  TColor GetColor() const { return color_; }
  void SetColor(TColor color) { if (color != color_) { color_ = color; if (changed_) changed_(); } }
  TBrushStyle GetStyle() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; if (changed_) changed_(); }

 private:
  std::function<void()> changed_;
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

class TPen : public TPersistent {
 public:
  explicit TPen(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}
  Property<TColor, TPen> Color{this, &TPen::GetColor, &TPen::SetColor};
  Property<int, TPen> Width{this, &TPen::GetWidth, &TPen::SetWidth};

  TColor GetColor() const { return color_; }
  void SetColor(TColor color) { color_ = color; if (changed_) changed_(); }
  int GetWidth() const { return width_; }
  void SetWidth(int width) { width_ = width; if (changed_) changed_(); }

 private:
  std::function<void()> changed_;
  TColor color_ = clBlack;
  int width_ = 1;
};
