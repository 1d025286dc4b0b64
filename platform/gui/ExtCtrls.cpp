#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

#include "ExtCtrls.h"
#include "GuiInternal.h"

using gui_internal::ToQt;

namespace {

// A panel draws its caption in the middle, as the platform's panels do.
class PanelWidget : public QFrame {
 public:
  QString caption;
  Qt::Alignment alignment = Qt::AlignCenter;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (caption.isEmpty()) return;
    QPainter painter(this);
    painter.drawText(contentsRect().adjusted(2, 0, -2, 0), static_cast<int>(alignment), caption);
  }
};

class ImageWidget : public QWidget {
 public:
  const TImage* image = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    const QImage& picture = image->Picture->Image();
    if (picture.isNull()) return;
    QPainter painter(this);
    if (image->GetStretch()) {
      painter.drawImage(rect(), picture);
    } else if (image->GetCenter()) {
      painter.drawImage(QPoint((width() - picture.width()) / 2, (height() - picture.height()) / 2), picture);
    } else {
      painter.drawImage(QPoint(0, 0), picture);
    }
  }
};

class ShapeWidget : public QWidget {
 public:
  TShape* shape = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    int penWidth = shape->Pen->GetWidth();
    if (penWidth > 0) painter.setPen(QPen(gui_internal::ToQColor(shape->Pen->GetColor()), penWidth));
    else painter.setPen(Qt::NoPen);
    if (shape->Brush->GetStyle() == bsClear) painter.setBrush(Qt::NoBrush);
    else painter.setBrush(gui_internal::ToQColor(shape->Brush->GetColor()));
    int half = penWidth / 2;
    QRect r = rect().adjusted(half, half, -half - (penWidth > 0 ? 1 : 0), -half - (penWidth > 0 ? 1 : 0));
    TShapeType kind = shape->GetShape();
    if (kind == stSquare || kind == stRoundSquare || kind == stCircle) {
      int side = std::min(r.width(), r.height());
      r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
    }
    switch (kind) {
      case stRectangle: case stSquare: painter.drawRect(r); break;
      case stRoundRect: case stRoundSquare: {
        int radius = std::min(r.width(), r.height()) / 4;
        painter.drawRoundedRect(r, radius, radius);
        break;
      }
      case stEllipse: case stCircle: painter.drawEllipse(r); break;
    }
  }
};

class SplitterWidget : public QWidget {
 public:
  TSplitter* splitter = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* e) override { last_ = e->globalPosition().toPoint(); }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (!(e->buttons() & Qt::LeftButton)) return;
    QPoint now = e->globalPosition().toPoint();
    bool horizontal = splitter->GetAlign() == alTop || splitter->GetAlign() == alBottom;
    int delta = horizontal ? now.y() - last_.y() : now.x() - last_.x();
    last_ = now;
    GuardedCall([&] { splitter->MoveBy(delta); });
  }

 private:
  QPoint last_;
};

template <class W>
W* Make() {
  gui_internal::EnsureQtApplication();
  return new W();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TPanel

static PanelWidget* PanelOf(const TControl* c) { return static_cast<PanelWidget*>(c->Widget()); }

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner, Make<PanelWidget>()) {
  bridge_->forwardMouseClicks = true;
  SetBounds(0, 0, 185, 41);
  BevelChanged();
}

void TPanel::CaptionChanged() {
  PanelOf(this)->caption = ToQt(GetCaption());
  PanelOf(this)->update();
}

void TPanel::BevelChanged() {
  PanelWidget* w = PanelOf(this);
  if (bevelOuter_ == bvNone && bevelInner_ == bvNone) {
    w->setFrameStyle(QFrame::NoFrame);
  } else {
    TBevelCut cut = bevelOuter_ != bvNone ? bevelOuter_ : bevelInner_;
    w->setFrameStyle(QFrame::Panel | (cut == bvLowered ? QFrame::Sunken : QFrame::Raised));
    w->setLineWidth(bevelWidth_ * ((bevelOuter_ != bvNone) + (bevelInner_ != bvNone)));
  }
  Realign();
}

void TPanel::SetBevelOuter(TBevelCut cut) { bevelOuter_ = cut; BevelChanged(); }
void TPanel::SetBevelInner(TBevelCut cut) { bevelInner_ = cut; BevelChanged(); }
void TPanel::SetBevelWidth(int width) { bevelWidth_ = width; BevelChanged(); }
void TPanel::SetBorderWidth(int width) { borderWidth_ = width; Realign(); }

void TPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Qt::Alignment a = alignment == taLeftJustify ? Qt::AlignLeft : alignment == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
  PanelOf(this)->alignment = a | Qt::AlignVCenter;
  PanelOf(this)->update();
}

void TPanel::AlignArea(int& left, int& top, int& width, int& height) const {
  int inset = borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
  left = inset;
  top = inset;
  width = std::max(GetClientWidth() - 2 * inset, 0);
  height = std::max(GetClientHeight() - 2 * inset, 0);
}

// ---------------------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* AOwner)
    : TControl(AOwner, Make<ImageWidget>()), Picture(new TPicture([this] { PictureChanged(); })) {
  static_cast<ImageWidget*>(Widget())->image = this;
  bridge_->forwardMouseClicks = true;
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { delete Picture; }

void TImage::PictureChanged() {
  if (autoSize_ && !Picture->GetEmpty()) SetBounds(GetLeft(), GetTop(), Picture->GetWidth(), Picture->GetHeight());
  Widget()->update();
}

void TImage::SetStretch(bool stretch) { stretch_ = stretch; Widget()->update(); }
void TImage::SetCenter(bool center) { center_ = center; Widget()->update(); }
void TImage::SetAutoSize(bool autoSize) { autoSize_ = autoSize; PictureChanged(); }

// ---------------------------------------------------------------------------------------
// TShape

TShape::TShape(TComponent* AOwner)
    : TControl(AOwner, Make<ShapeWidget>()),
      Brush(new TBrush([this] { Widget()->update(); })),
      Pen(new TPen([this] { Widget()->update(); })) {
  static_cast<ShapeWidget*>(Widget())->shape = this;
  bridge_->forwardMouseClicks = true;
  SetBounds(0, 0, 65, 65);
}

TShape::~TShape() {
  // The widget paints with the brush and pen until it goes.
  delete Widget();
  delete Brush;
  delete Pen;
}

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  Widget()->update();
}

// ---------------------------------------------------------------------------------------
// TRadioGroup

class RadioGroupItems : public TStringList {
 public:
  explicit RadioGroupItems(TRadioGroup* group) : group_(group) {}

 protected:
  void Changed() override { group_->RebuildButtons(); }

 private:
  TRadioGroup* group_;
};

static QGroupBox* GroupOf(const TControl* c) { return static_cast<QGroupBox*>(c->Widget()); }

TRadioGroup::TRadioGroup(TComponent* AOwner) : TWinControl(AOwner, Make<QGroupBox>()), Items(new RadioGroupItems(this)) {
  SetBounds(0, 0, 185, 105);
}

TRadioGroup::~TRadioGroup() {
  for (QRadioButton* b : buttons_) b->disconnect();
  delete Items;
}

void TRadioGroup::CaptionChanged() { GroupOf(this)->setTitle(ToQt(GetCaption())); }

void TRadioGroup::RebuildButtons() {
  updating_ = true;
  for (QRadioButton* b : buttons_) delete b;
  buttons_.clear();
  for (int i = 0; i < Items->GetCount(); ++i) {
    auto* b = new QRadioButton(ToQt(Items->Get(i)), GroupOf(this));
    QObject::connect(b, &QRadioButton::toggled, [this, i](bool on) { ButtonToggled(i, on); });
    b->show();
    buttons_.push_back(b);
  }
  if (itemIndex_ >= static_cast<int>(buttons_.size())) itemIndex_ = -1;
  if (itemIndex_ >= 0) buttons_[itemIndex_]->setChecked(true);
  updating_ = false;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  int columns = std::max(columns_, 1);
  int rows = (static_cast<int>(buttons_.size()) + columns - 1) / columns;
  int top = GroupOf(this)->fontMetrics().height() + 2;
  int columnWidth = (GetWidth() - 10) / columns;
  int rowHeight = std::max((GetHeight() - top - 4) / rows, 1);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    int column = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
    buttons_[i]->setGeometry(8 + column * columnWidth, top + row * rowHeight, columnWidth - 2, std::min(rowHeight, 20));
  }
}

void TRadioGroup::Resized() {
  TWinControl::Resized();
  ArrangeButtons();
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::clamp(columns, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::ButtonToggled(int index, bool on) {
  if (!on || updating_) return;
  itemIndex_ = index;
  FireEvent(OnClick, this);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
  if (index == itemIndex_) return;
  if (index >= 0) {
    buttons_[index]->setChecked(true);  // raises OnClick through ButtonToggled
    return;
  }
  updating_ = true;
  for (QRadioButton* b : buttons_) {
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
  }
  itemIndex_ = -1;
  updating_ = false;
}

// ---------------------------------------------------------------------------------------
// TSplitter

TSplitter::TSplitter(TComponent* AOwner) : TControl(AOwner, Make<SplitterWidget>()) {
  static_cast<SplitterWidget*>(Widget())->splitter = this;
  SetBounds(0, 0, 3, 100);
  SetAlign(alLeft);
  Widget()->setCursor(Qt::SplitHCursor);
}

// The aligned control on the splitter's side that touches it.
TControl* TSplitter::Neighbour() const {
  TWinControl* parent = GetParent();
  if (!parent) return nullptr;
  for (int i = 0; i < parent->ControlCount; ++i) {
    TControl* c = parent->Controls[i];
    if (c == this || !c->GetVisible() || c->GetAlign() != GetAlign()) continue;
    switch (GetAlign()) {
      case alLeft: if (c->GetLeft() + c->GetWidth() == GetLeft()) return c; break;
      case alRight: if (c->GetLeft() == GetLeft() + GetWidth()) return c; break;
      case alTop: if (c->GetTop() + c->GetHeight() == GetTop()) return c; break;
      case alBottom: if (c->GetTop() == GetTop() + GetHeight()) return c; break;
      default: break;
    }
  }
  return nullptr;
}

void TSplitter::MoveBy(int delta) {
  TControl* c = Neighbour();
  if (!c || delta == 0) return;
  switch (GetAlign()) {
    case alLeft: c->SetWidth(std::max(c->GetWidth() + delta, minSize_)); break;
    case alRight: c->SetWidth(std::max(c->GetWidth() - delta, minSize_)); break;
    case alTop: c->SetHeight(std::max(c->GetHeight() + delta, minSize_)); break;
    case alBottom: c->SetHeight(std::max(c->GetHeight() - delta, minSize_)); break;
    default: break;
  }
}
