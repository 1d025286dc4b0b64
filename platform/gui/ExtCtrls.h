// Timers, panels, pictures, shapes, radio groups and splitters.
#pragma once

#include <memory>

#include "Classes.h"
#include "Controls.h"
#include "Graphics.h"

class QTimer;

// Calls OnTimer every Interval milliseconds while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  Property<bool, TTimer> Enabled{this, &TTimer::GetEnabled, &TTimer::SetEnabled};
  Property<int, TTimer> Interval{this, &TTimer::GetInterval, &TTimer::SetInterval};
  TNotifyEvent OnTimer;

  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int GetInterval() const { return interval_; }
  void SetInterval(int interval);

 private:
  void Update();
  bool enabled_ = true;
  int interval_ = 1000;
  std::unique_ptr<QTimer> timer_;
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A container with a bevelled edge and a centred caption. Aligned children keep inside
// the bevels and the border width.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* AOwner);

  Property<TBevelCut, TPanel> BevelOuter{this, &TPanel::GetBevelOuter, &TPanel::SetBevelOuter};
  Property<TBevelCut, TPanel> BevelInner{this, &TPanel::GetBevelInner, &TPanel::SetBevelInner};
  Property<int, TPanel> BevelWidth{this, &TPanel::GetBevelWidth, &TPanel::SetBevelWidth};
  Property<int, TPanel> BorderWidth{this, &TPanel::GetBorderWidth, &TPanel::SetBorderWidth};
  Property<TAlignment, TPanel> Alignment{this, &TPanel::GetAlignment, &TPanel::SetAlignment};

  TBevelCut GetBevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  TBevelCut GetBevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);
  int GetBevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  int GetBorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CaptionChanged() override;
  void AlignArea(int& left, int& top, int& width, int& height) const override;

 private:
  void BevelChanged();
  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TAlignment alignment_ = taCenter;
};

// Shows a picture.
class TImage : public TControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* const Picture;
  Property<bool, TImage> Stretch{this, &TImage::GetStretch, &TImage::SetStretch};
  Property<bool, TImage> Center{this, &TImage::GetCenter, &TImage::SetCenter};
  Property<bool, TImage> AutoSize{this, &TImage::GetAutoSize, &TImage::SetAutoSize};
  Property<bool, TImage> Transparent{this, &TImage::GetTransparent, &TImage::SetTransparent};

  bool GetStretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool GetCenter() const { return center_; }
  void SetCenter(bool center);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

 private:
  void PictureChanged();
  bool stretch_ = false;
  bool center_ = false;
  bool autoSize_ = false;
  bool transparent_ = false;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A filled figure: the brush fills it, the pen draws its edge.
class TShape : public TControl {
 public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TBrush* const Brush;
  TPen* const Pen;
  Property<TShapeType, TShape> Shape{this, &TShape::GetShape, &TShape::SetShape};

  TShapeType GetShape() const { return shape_; }
  void SetShape(TShapeType shape);

 private:
  TShapeType shape_ = stRectangle;
};

// A framed group of radio buttons, one per item. OnClick follows every change of
// ItemIndex, clicked or assigned.
class TRadioGroup : public TWinControl {
 public:
  explicit TRadioGroup(TComponent* AOwner);
  ~TRadioGroup() override;

  TStrings* const Items;
  Property<int, TRadioGroup> ItemIndex{this, &TRadioGroup::GetItemIndex, &TRadioGroup::SetItemIndex};
  Property<int, TRadioGroup> Columns{this, &TRadioGroup::GetColumns, &TRadioGroup::SetColumns};

  int GetItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int GetColumns() const { return columns_; }
  void SetColumns(int columns);

 protected:
  void CaptionChanged() override;
  void Resized() override;

 private:
  friend class RadioGroupItems;
  void RebuildButtons();
  void ArrangeButtons();
  void ButtonToggled(int index, bool on);
  std::vector<class QRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

// A bar between aligned controls that the user drags to resize the control before it.
class TSplitter : public TControl {
 public:
  explicit TSplitter(TComponent* AOwner);

  Property<int, TSplitter> MinSize{this, &TSplitter::GetMinSize, &TSplitter::SetMinSize};

  int GetMinSize() const { return minSize_; }
  void SetMinSize(int size) { minSize_ = size; }

  // Moves the splitter by delta pixels, as a drag does.
  void MoveBy(int delta);

 private:
  TControl* Neighbour() const;
  int minSize_ = 30;
};
