// Controls: geometry, parent chain, alignment, colours, fonts and the common events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Classes.h"
#include "Windows.h"

class QWidget;
class TWinControl;
namespace gui_internal {
class ControlBridge;
}

// Colours are Windows colour values 0x00BBGGRR; system colours have the top bit set.
using TColor = int;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = static_cast<TColor>(0x80000000);
constexpr TColor clBackground = static_cast<TColor>(0x80000001);
constexpr TColor clWindow = static_cast<TColor>(0x80000005);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010);
constexpr TColor clGrayText = static_cast<TColor>(0x80000011);
constexpr TColor clBtnText = static_cast<TColor>(0x80000012);
constexpr TColor clInfoBk = static_cast<TColor>(0x80000018);
constexpr TColor clDefault = 0x20000000;
constexpr TColor clNone = 0x1FFFFFFF;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Modal results; the same numbers as the message box answers.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

// Keys: modifier set, virtual key codes and the events that may change the key.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;
using WORD = unsigned short;
constexpr WORD VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
               VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
               VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_DELETE = 0x2E;
// Key = 0 drops the key.
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// X, Y: client coordinates of the mouse.
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TFont : public TPersistent {
 public:
  explicit TFont(std::function<void()> changed = nullptr) : changed_(std::move(changed)) {}

  Property<std::string, TFont> Name{this, &TFont::GetName, &TFont::SetName};
  // Negative: character height in pixels; positive: cell height.
  Property<int, TFont> Height{this, &TFont::GetHeight, &TFont::SetHeight};
  // Points (at 96 pixels per inch).
  Property<int, TFont> Size{this, &TFont::GetSize, &TFont::SetSize};
  Property<TColor, TFont> Color{this, &TFont::GetColor, &TFont::SetColor};
  Property<bool, TFont> Bold{this, &TFont::GetBold, &TFont::SetBold};

  void Assign(const TFont& other);

  std::string GetName() const { return name_; }
  void SetName(const std::string& name) { name_ = name; Changed(); }
  int GetHeight() const { return height_; }
  void SetHeight(int height) { height_ = height; Changed(); }
  int GetSize() const { return -height_ * 72 / 96; }
  void SetSize(int size) { SetHeight(-size * 96 / 72); }
  TColor GetColor() const { return color_; }
  void SetColor(TColor color) { color_ = color; Changed(); }
  bool GetBold() const { return bold_; }
  void SetBold(bool bold) { bold_ = bold; Changed(); }

 private:
  void Changed() { if (changed_) changed_(); }
  std::function<void()> changed_;
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  bool bold_ = false;
};

// Anything shown in a window. Left/Top are relative to the parent's client area.
class TControl : public TComponent {
 public:
  ~TControl() override;

  Property<TWinControl*, TControl> Parent{this, &TControl::GetParent, &TControl::SetParent};
  Property<int, TControl> Left{this, &TControl::GetLeft, &TControl::SetLeft};
  Property<int, TControl> Top{this, &TControl::GetTop, &TControl::SetTop};
  Property<int, TControl> Width{this, &TControl::GetWidth, &TControl::SetWidth};
  Property<int, TControl> Height{this, &TControl::GetHeight, &TControl::SetHeight};
  Property<int, TControl> ClientWidth{this, &TControl::GetClientWidth, &TControl::SetClientWidth};
  Property<int, TControl> ClientHeight{this, &TControl::GetClientHeight, &TControl::SetClientHeight};
  Property<TAlign, TControl> Align{this, &TControl::GetAlign, &TControl::SetAlign};
  Property<bool, TControl> Visible{this, &TControl::GetVisible, &TControl::SetVisible};
  Property<bool, TControl> Enabled{this, &TControl::GetEnabled, &TControl::SetEnabled};
  Property<TColor, TControl> Color{this, &TControl::GetColor, &TControl::SetColor};
  Property<std::string, TControl> Caption{this, &TControl::GetCaption, &TControl::SetCaption};
  Property<std::string, TControl> Hint{this, &TControl::GetHint, &TControl::SetHint};
  Property<bool, TControl> ShowHint{this, &TControl::GetShowHint, &TControl::SetShowHint};
  TFont* const Font;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  // Raised while a button is held over the control, and on every move over a control that
  // follows the mouse (list views).
  TMouseMoveEvent OnMouseMove;

  void SetBounds(int left, int top, int width, int height);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void BringToFront();
  void SendToBack();
  void Refresh();
  void Repaint() { Refresh(); }
  void Invalidate() { Refresh(); }
  void Update() { Refresh(); }

  TWinControl* GetParent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  int GetLeft() const { return left_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  int GetTop() const { return top_; }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  int GetWidth() const { return width_; }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  int GetHeight() const { return height_; }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual int GetClientWidth() const { return width_; }
  virtual void SetClientWidth(int v) { SetWidth(v + width_ - GetClientWidth()); }
  virtual int GetClientHeight() const { return height_; }
  virtual void SetClientHeight(int v) { SetHeight(v + height_ - GetClientHeight()); }
  TAlign GetAlign() const { return align_; }
  void SetAlign(TAlign align);
  bool GetVisible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool GetEnabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  TColor GetColor() const { return color_; }
  virtual void SetColor(TColor color);
  std::string GetCaption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);
  std::string GetHint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool GetShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; SetHint(hint_); }

  // The Qt widget behind the control, and the object that receives its posted messages;
  // for the layer's own sources.
  QWidget* Widget() const;
  void* bridge() const;

 protected:
  TControl(TComponent* AOwner, QWidget* widget);
  // Shows the caption in the widget.
  virtual void CaptionChanged() {}
  // Called after the size has changed.
  virtual void Resized() {}
  virtual void FontChanged();
  virtual void ColorChanged();
  // Places the widget where Left/Top/Width/Height say.
  virtual void ApplyGeometry();
  // Shows or hides the widget as Visible and the parent say.
  virtual void ApplyVisibility();
  // A top-level window was moved or resized from outside.
  virtual void WindowGeometryChanged() {}
  // The bounds as the parent's alignment sets them, without realigning the parent.
  void SetAlignedBounds(int left, int top, int width, int height);

  std::unique_ptr<gui_internal::ControlBridge> bridge_;
  TColor color_ = clBtnFace;

 private:
  // New bounds; realignParent: the parent's alignment follows a control that it aligns.
  void Place(int left, int top, int width, int height, bool realignParent);
  friend class TWinControl;
  friend class gui_internal::ControlBridge;
  friend void MuteTree(TControl*);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool showHint_ = false;
  std::string caption_;
  std::string hint_;
};

// A control that can hold other controls, take the focus and receive messages.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  ReadOnlyProperty<int, TWinControl> ControlCount{this, &TWinControl::GetControlCount};
  IndexedProperty<TControl*, TWinControl> Controls{this, &TWinControl::GetControl};
  ReadOnlyProperty<HWND, TWinControl> Handle{this, &TWinControl::GetHandle};
  Property<int, TWinControl> TabOrder{this, &TWinControl::GetTabOrder, &TWinControl::SetTabOrder};
  Property<bool, TWinControl> TabStop{this, &TWinControl::GetTabStop, &TWinControl::SetTabStop};

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;

  void SetFocus();
  bool CanFocus() const;
  bool Focused() const;
  // Lays out the aligned children again.
  void Realign();
  // Receives posted messages; the default handles WM_NEXTDLGCTL.
  virtual void Dispatch(TMessage& Message);

  int GetControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* GetControl(int index) const;
  HWND GetHandle() const { return const_cast<TWinControl*>(this); }
  int GetTabOrder() const;
  void SetTabOrder(int order);
  bool GetTabStop() const { return tabStop_; }
  void SetTabStop(bool stop) { tabStop_ = stop; }

  // Where child widgets go (a scroll area's contents, a page, a form's client area).
  virtual QWidget* ChildArea() const;
  // A child moved, changed size, came or went.
  virtual void ChildBoundsChanged() {}

 protected:
  TWinControl(TComponent* AOwner, QWidget* widget);
  void Resized() override;
  void ApplyVisibility() override;
  // The area the aligned children share.
  virtual void AlignArea(int& left, int& top, int& width, int& height) const;

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
  bool aligning_ = false;
  bool tabStop_ = true;
};

// A list of pointers.
class TList : public TObject {
 public:
  ReadOnlyProperty<int, TList> Count{this, &TList::GetCount};
  IndexedProperty<void*, TList> Items{this, &TList::Get, &TList::Put};

  int Add(void* item) { items_.push_back(item); return GetCount() - 1; }
  void Clear() { items_.clear(); }
  void Delete(int index);
  int IndexOf(const void* item) const;
  int Remove(void* item);

  int GetCount() const { return static_cast<int>(items_.size()); }
  void* Get(int index) const;
  void Put(int index, void* item);

 private:
  std::vector<void*> items_;
};
