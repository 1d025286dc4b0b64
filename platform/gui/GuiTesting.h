// What tests use to drive the window layer without a person at the screen.
//
// Every message box of the program goes through one service: it records the box and asks
// the answerer, which shows a real box unless a test has installed a scripted one.
// Every ShowModal calls the modal hook once the form is shown, inside its modal loop.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

class TComboBox;
class TControl;
class TCustomForm;
class TListItem;
class TListView;
class TMenuItem;
class TPageControl;
class TWinControl;

namespace GuiTesting {

enum class BoxKind { ShowMessage, MessageDlg, MessageBox, Exception };

struct MessageBoxCall {
  BoxKind kind;
  std::string title;
  std::string text;
  std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, IDNO, ... in display order
  TWinControl* owner = nullptr;
};

// Returns the ID of the pressed button.
using Answerer = std::function<int(const MessageBoxCall&)>;

// Installs the answerer and returns the one it replaces; nullptr gives back the real
// message boxes.
Answerer SetAnswerer(Answerer answerer);
// The boxes shown since the last ClearMessageBoxes.
const std::vector<MessageBoxCall>& MessageBoxes();
void ClearMessageBoxes();

// Answers message boxes from a script for its lifetime and remembers them. A box without
// a scripted answer gets its first button. The answerer before comes back afterwards.
class ScriptedAnswerer {
 public:
  ScriptedAnswerer();
  ~ScriptedAnswerer();
  ScriptedAnswerer(const ScriptedAnswerer&) = delete;
  ScriptedAnswerer& operator=(const ScriptedAnswerer&) = delete;

  void Answer(int buttonId) { answers_.push_back(buttonId); }
  const std::vector<MessageBoxCall>& Calls() const { return calls_; }

 private:
  std::deque<int> answers_;
  std::vector<MessageBoxCall> calls_;
  Answerer previous_;
};

// Called with each form that ShowModal has shown, inside its modal loop.
using ModalHook = std::function<void(TCustomForm& form)>;
// Installs the hook and returns the one it replaces.
ModalHook SetModalHook(ModalHook hook);

// Installs a modal hook for its lifetime (the one before comes back afterwards); counts
// the modal runs it saw.
class ModalDriver {
 public:
  explicit ModalDriver(ModalHook onShown);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  int Runs() const { return runs_; }

 private:
  int runs_ = 0;
  ModalHook previous_;
};

// Handles window messages until the condition holds or the time is up; true when it held.
// The default bound is meant to be reached only by a hang, also in a sanitized build on a
// loaded machine.
bool ProcessUntil(const std::function<bool()>& condition, int timeoutMs = 30000);

// What a person does, as the window system delivers it. The window must be shown.
// A press of the mouse makes its window the active one and gives the focus to the control
// when it takes the focus on a click, before the control sees the press. When that focus
// change puts up a message box (a left edit refusing its text), the box takes the mouse and
// the click (or the typing) goes no further.
// A left click in the middle of the control (buttons, check boxes, radio buttons, ...).
void UserClick(TControl* control);
void UserDoubleClick(TControl* control);
// A click on the row of the item.
void UserClickItem(TListView* view, TListItem* item);
// A double click on the row of the item.
void UserDoubleClickItem(TListView* view, TListItem* item);
// Picking the item from the drop-down list.
void UserChoose(TComboBox* combo, int index);
// Typing the text, key by key, into the control, clicked first when it has not the focus
// (the typing goes where the text's cursor stands, after the text the program put there).
void UserType(TWinControl* control, const std::string& text);
// A press of one key (VK_RETURN, VK_BACK, VK_DOWN, VK_HOME, VK_NEXT, ...) on the control.
void UserKey(TWinControl* control, unsigned short virtualKey);
// Choosing the item as a keyboard user does: the focus goes into the list (as with Tab)
// unless it is there, then Up or Down, a row at a time, until the item is chosen.
void UserChooseItemByKeys(TListView* view, TListItem* item);
// Moving the focus to the control as the Tab key would.
void UserFocus(TWinControl* control);
// The close button of the window's frame.
void UserCloseWindow(TCustomForm* form);
// A click on the tab of the page with the given index among the shown tabs.
void UserSelectTab(TPageControl* pages, int tab);
// Moving the mouse, no button held, to the point of the control (for a list view, a point
// of its rows' area, as OnMouseMove and GetItemAt count).
void UserMouseMove(TControl* control, int x, int y);
// Moving the mouse over the middle of the item's row.
void UserMouseMoveOverItem(TListView* view, TListItem* item);
// Opening the item's menu when it has items, else choosing it; a disabled or hidden item
// does nothing.
void UserChooseMenuItem(TMenuItem* item);

// What the window system shows of the control after SetWindowRgn: one text line per pixel
// row of the control, '#' for a pixel inside the region and '.' outside. Empty when the
// control has no region.
std::vector<std::string> WindowRegion(TControl* control);

// Whether the control paints its changes (false while its updates are held).
bool Paints(TControl* control);

}  // namespace GuiTesting
