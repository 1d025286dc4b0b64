#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <set>

#include "Controls.h"
#include "Forms.h"
#include "GuiInternal.h"

namespace gui_internal {

QColor ToQColor(TColor color) {
  if (color & 0x80000000) {
    switch (color & 0xFF) {
      case 0x00: return QColor(200, 200, 200);  // scroll bar
      case 0x01: return QColor(0, 0, 0);        // desktop
      case 0x05: return QColor(255, 255, 255);  // window
      case 0x08: return QColor(0, 0, 0);        // window text
      case 0x0F: return QColor(240, 240, 240);  // button face
      case 0x10: return QColor(160, 160, 160);  // button shadow
      case 0x11: return QColor(109, 109, 109);  // grey text
      case 0x12: return QColor(0, 0, 0);        // button text
      case 0x18: return QColor(255, 255, 225);  // tool tip background
    }
    return QColor(240, 240, 240);
  }
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QEvent::Type PostedMessageEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

static const char* const kControlProperty = "nvControl";

static std::set<const TControl*>& LiveControls() {
  static auto* controls = new std::set<const TControl*>;  // outlives every control at exit
  return *controls;
}

bool IsLiveControl(const TControl* control) { return LiveControls().count(control) > 0; }

ControlBridge::ControlBridge(TControl* control, QWidget* widget) : control(control), widget(widget) {
  widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(control)));
  widget->installEventFilter(this);
}

ControlBridge::~ControlBridge() = default;

TControl* ControlOf(const QWidget* widget) {
  if (!widget) return nullptr;
  QVariant v = widget->property(kControlProperty);
  return v.isValid() ? static_cast<TControl*>(v.value<void*>()) : nullptr;
}

static WORD VirtualKey(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
  }
  if ((e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9) || (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z))
    return static_cast<WORD>(e->key());
  return static_cast<WORD>(e->nativeVirtualKey());
}

static TShiftState ShiftOf(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? ssShift : 0) | (m & Qt::AltModifier ? ssAlt : 0) |
         (m & Qt::ControlModifier ? ssCtrl : 0);
}

TShiftState MouseShift(const QMouseEvent* e) {
  const Qt::MouseButtons b = e->buttons();
  return ShiftOf(e->modifiers()) | (b & Qt::LeftButton ? ssLeft : 0) | (b & Qt::RightButton ? ssRight : 0) |
         (b & Qt::MiddleButton ? ssMiddle : 0);
}

// The character a key press types: the text, or the control characters of a few keys.
static char CharOf(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
  }
  QString text = e->text();
  if (text.size() != 1 || text[0].unicode() > 0xFF) return 0;
  return static_cast<char>(text[0].unicode());
}

static bool HandleKeyPress(TWinControl* control, QWidget* widget, QKeyEvent* e) {
  static bool resending = false;
  if (resending) return false;
  WORD key = VirtualKey(e);
  if (control->OnKeyDown && key) {
    FireEvent(control->OnKeyDown, control, key, ShiftOf(e->modifiers()));
    if (key == 0) return true;
  }
  char ch = CharOf(e);
  if (!control->OnKeyPress || ch == 0) return false;
  char original = ch;
  FireEvent(control->OnKeyPress, control, ch);
  if (ch == 0) return true;
  if (ch == original) return false;
  // The handler typed another character: deliver that one instead.
  QKeyEvent replaced(QEvent::KeyPress, 0, e->modifiers(), QString(QChar(static_cast<unsigned char>(ch))));
  resending = true;
  QApplication::sendEvent(widget, &replaced);
  resending = false;
  return true;
}

bool ControlBridge::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget || muted) return false;
  auto* win = dynamic_cast<TWinControl*>(control);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (win) return HandleKeyPress(win, widget, static_cast<QKeyEvent*>(event));
      break;
    case QEvent::KeyRelease:
      if (win && win->OnKeyUp) {
        auto* e = static_cast<QKeyEvent*>(event);
        WORD key = VirtualKey(e);
        FireEvent(win->OnKeyUp, control, key, ShiftOf(e->modifiers()));
        return key == 0;
      }
      break;
    case QEvent::FocusIn:
      if (win && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
          static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        FireEvent(win->OnEnter, control);
      break;
    case QEvent::FocusOut:
      if (win && static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
          static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        FireEvent(win->OnExit, control);
      break;
    case QEvent::MouseButtonRelease:
      if (forwardMouseClicks && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
          widget->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        FireEvent(control->OnClick, control);
      break;
    case QEvent::MouseButtonDblClick:
      if (forwardMouseClicks) FireEvent(control->OnDblClick, control);
      break;
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint at = e->position().toPoint();
      FireEvent(control->OnMouseMove, control, MouseShift(e), at.x(), at.y());
      break;
    }
    case QEvent::Resize:
    case QEvent::Move:
      if (widget->isWindow()) control->WindowGeometryChanged();
      break;
    default:
      break;
  }
  return false;
}

bool ControlBridge::event(QEvent* event) {
  if (event->type() == PostedMessageEvent::EventType()) {
    auto* win = dynamic_cast<TWinControl*>(control);
    TMessage message = static_cast<PostedMessageEvent*>(event)->message;
    if (win) GuardedCall([&] { win->Dispatch(message); });
    return true;
  }
  return QObject::event(event);
}

}  // namespace gui_internal

using gui_internal::ControlBridge;

// ---------------------------------------------------------------------------------------
// TFont

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  bold_ = other.bold_;
  Changed();
}

// ---------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* AOwner, QWidget* widget)
    : TComponent(AOwner), Font(new TFont([this] { FontChanged(); })) {
  bridge_ = std::make_unique<ControlBridge>(this, widget);
  gui_internal::LiveControls().insert(this);
}

TControl::~TControl() {
  gui_internal::LiveControls().erase(this);
  bridge_->muted = true;
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (align_ != alNone && visible_) parent_->Realign();
    parent_ = nullptr;
  }
  delete bridge_->widget.data();
  delete Font;
}

QWidget* TControl::Widget() const { return bridge_->widget; }

void* TControl::bridge() const { return static_cast<QObject*>(bridge_.get()); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw Exception("A control cannot be its own parent");
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (align_ != alNone) parent_->Realign();
  }
  parent_ = parent;
  QWidget* w = Widget();
  if (parent_) {
    parent_->controls_.push_back(this);
    w->setParent(parent_->ChildArea(), w->windowFlags() & ~Qt::WindowType_Mask);
  } else {
    w->setParent(nullptr);
  }
  ApplyGeometry();
  ApplyVisibility();
  if (parent_ && align_ != alNone) parent_->Realign();
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) { Place(left, top, width, height, true); }

void TControl::SetAlignedBounds(int left, int top, int width, int height) {
  Place(left, top, width, height, false);
}

void TControl::Place(int left, int top, int width, int height, bool realignParent) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool sized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyGeometry();
  if (realignParent && parent_ && align_ != alNone && visible_) parent_->Realign();
  if (parent_) parent_->ChildBoundsChanged();
  if (sized) {
    Resized();
    FireEvent(OnResize, this);
  }
}

void TControl::ApplyGeometry() { Widget()->setGeometry(left_, top_, width_, height_); }

void TControl::ApplyVisibility() { Widget()->setVisible(visible_ && parent_); }

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ApplyVisibility();
  if (parent_ && align_ != alNone) parent_->Realign();
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Widget()->setEnabled(enabled);
}

void TControl::SetColor(TColor color) {
  color_ = color;
  ColorChanged();
}

void TControl::ColorChanged() {
  QWidget* w = Widget();
  QPalette palette = w->palette();
  QColor c = gui_internal::ToQColor(color_);
  palette.setColor(QPalette::Window, c);
  palette.setColor(QPalette::Base, c);
  w->setPalette(palette);
  w->setAutoFillBackground(!(color_ & 0x80000000) || color_ == clWindow);
}

void TControl::FontChanged() {
  QWidget* w = Widget();
  QFont font = w->font();
  font.setFamily(gui_internal::ToQt(Font->Name()));
  int h = Font->Height;
  if (h < 0) font.setPixelSize(-h);
  else if (h > 0) font.setPixelSize(std::max(1, h * 3 / 4 + 1));
  font.setBold(Font->Bold);
  w->setFont(font);
  QPalette palette = w->palette();
  // Enabled states only: a disabled control keeps the style's greyed text.
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, gui_internal::ToQColor(Font->Color));
    palette.setColor(group, QPalette::Text, gui_internal::ToQColor(Font->Color));
    palette.setColor(group, QPalette::ButtonText, gui_internal::ToQColor(Font->Color));
  }
  w->setPalette(palette);
}

void TControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  CaptionChanged();
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  Widget()->setToolTip(showHint_ ? gui_internal::ToQt(hint) : QString());
}

void TControl::BringToFront() {
  Widget()->raise();
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.push_back(this);
  }
}

void TControl::SendToBack() {
  Widget()->lower();
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.insert(siblings.begin(), this);
  }
}

void TControl::Refresh() { Widget()->update(); }

// ---------------------------------------------------------------------------------------
// TWinControl

TWinControl::TWinControl(TComponent* AOwner, QWidget* widget) : TControl(AOwner, widget) {}

void MuteTree(TControl* control) {
  control->bridge_->muted = true;
  if (auto* win = dynamic_cast<TWinControl*>(control))
    for (int i = 0; i < win->ControlCount; ++i) MuteTree(win->Controls[i]);
}

TWinControl::~TWinControl() {
  // A window being taken apart raises no more events.
  MuteTree(this);
  DestroyComponents();
  // Children that others own go with their parent, as windows do.
  while (!controls_.empty()) delete controls_.back();
}

TControl* TWinControl::GetControl(int index) const {
  if (index < 0 || index >= GetControlCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return controls_[index];
}

QWidget* TWinControl::ChildArea() const { return Widget(); }

void TWinControl::ApplyVisibility() { TControl::ApplyVisibility(); }

void TWinControl::Resized() { Realign(); }

void TWinControl::AlignArea(int& left, int& top, int& width, int& height) const {
  left = 0;
  top = 0;
  width = GetClientWidth();
  height = GetClientHeight();
}

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  int left, top, width, height;
  AlignArea(left, top, width, height);
  int right = left + width, bottom = top + height;
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> group;
    for (TControl* c : controls_)
      if (c->align_ == kind && c->visible_) group.push_back(c);
    // Within a side, the control nearest to that side comes first.
    std::stable_sort(group.begin(), group.end(), [kind](TControl* a, TControl* b) {
      switch (kind) {
        case alTop: return a->top_ < b->top_;
        case alBottom: return a->top_ + a->height_ > b->top_ + b->height_;
        case alLeft: return a->left_ < b->left_;
        case alRight: return a->left_ + a->width_ > b->left_ + b->width_;
        default: return false;
      }
    });
    for (TControl* c : group) {
      int w = std::max(right - left, 0), h = std::max(bottom - top, 0);
      switch (kind) {
        case alTop:
          c->SetAlignedBounds(left, top, w, c->height_);
          top += c->height_;
          break;
        case alBottom:
          c->SetAlignedBounds(left, bottom - c->height_, w, c->height_);
          bottom -= c->height_;
          break;
        case alLeft:
          c->SetAlignedBounds(left, top, c->width_, h);
          left += c->width_;
          break;
        case alRight:
          c->SetAlignedBounds(right - c->width_, top, c->width_, h);
          right -= c->width_;
          break;
        default:
          c->SetAlignedBounds(left, top, w, h);
          break;
      }
    }
  }
  aligning_ = false;
}

void TWinControl::SetFocus() {
  QWidget* w = Widget();
  if (!w->isEnabled()) throw Exception("Cannot focus a disabled or invisible window");
  // The window comes first: a control of a window that is not active gets no focus events.
  if (w->window()->isVisible() && QApplication::activeWindow() != w->window())
    gui_internal::ActivateWindow(w->window());
  w->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

bool TWinControl::Focused() const { return Widget()->hasFocus(); }

int TWinControl::GetTabOrder() const {
  if (!GetParent()) return -1;
  const auto& siblings = GetParent()->controls_;
  int order = 0;
  for (TControl* c : siblings) {
    if (c == this) return order;
    if (dynamic_cast<TWinControl*>(c)) ++order;
  }
  return -1;
}

void TWinControl::SetTabOrder(int order) {
  // Qt's focus chain follows creation order; the order of siblings is kept for reading.
  (void)order;
}

void TWinControl::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_NEXTDLGCTL) return;
  if (Message.LParam) {
    if (auto* target = reinterpret_cast<TWinControl*>(Message.WParam)) target->SetFocus();
    return;
  }
  QWidget* current = QApplication::focusWidget();
  QWidget* window = Widget()->window();
  if (!current || current->window() != window) current = window;
  QWidget* next = current;
  do {
    next = Message.WParam ? next->previousInFocusChain() : next->nextInFocusChain();
    if (next->window() == window && next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
      next->setFocus(Message.WParam ? Qt::BacktabFocusReason : Qt::TabFocusReason);
      return;
    }
  } while (next != current);
}

// ---------------------------------------------------------------------------------------
// TList

void TList::Delete(int index) {
  Get(index);
  items_.erase(items_.begin() + index);
}

int TList::IndexOf(const void* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TList::Remove(void* item) {
  int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Get(int index) const {
  if (index < 0 || index >= GetCount()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return items_[index];
}

void TList::Put(int index, void* item) {
  Get(index);
  items_[index] = item;
}
