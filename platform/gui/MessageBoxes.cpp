// The one message box service, and the dialog functions on it.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <utility>

#include "Controls.h"
#include "Dialogs.h"
#include "Forms.h"
#include "GuiInternal.h"
#include "GuiTesting.h"
#include "Windows.h"

using GuiTesting::BoxKind;
using GuiTesting::MessageBoxCall;

namespace {

enum class Icon { None, Information, Warning, Error, Question };

const char* ButtonText(int id) {
  switch (id) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
  }
  return "?";
}

QMessageBox::ButtonRole RoleOf(int id) {
  switch (id) {
    case IDOK: case IDYES: case IDRETRY: return QMessageBox::AcceptRole;
    case IDCANCEL: case IDABORT: return QMessageBox::RejectRole;
    case IDNO: return QMessageBox::NoRole;
  }
  return QMessageBox::ActionRole;
}

int AskOnScreen(const MessageBoxCall& call, Icon icon, QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(gui_internal::ToQt(call.title));
  box.setText(gui_internal::ToQt(call.text));
  switch (icon) {
    case Icon::None: break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
  std::vector<std::pair<QPushButton*, int>> buttons;
  for (int id : call.buttons) buttons.emplace_back(box.addButton(ButtonText(id), RoleOf(id)), id);
  if (!buttons.empty()) box.setDefaultButton(buttons.front().first);
  // Escape answers Cancel, or No, or the only button.
  for (auto [button, id] : buttons)
    if (id == IDCANCEL || (id == IDNO && !box.escapeButton())) box.setEscapeButton(button);
  if (buttons.size() == 1) box.setEscapeButton(buttons.front().first);
  box.exec();
  for (auto [button, id] : buttons)
    if (box.clickedButton() == button) return id;
  return call.buttons.empty() ? IDOK : call.buttons.back();
}

GuiTesting::Answerer& CurrentAnswerer() {
  static GuiTesting::Answerer answerer;
  return answerer;
}

unsigned long boxesShown = 0;

std::vector<MessageBoxCall>& History() {
  static std::vector<MessageBoxCall> history;
  return history;
}

// Records the box and gets the pressed button from the answerer. The box is modal: while it
// is up no window of the program is active, and when it closes its owner (else the window
// active before it) is active again, whoever answers it.
int Ask(MessageBoxCall call, Icon icon) {
  constexpr size_t kHistoryLimit = 1000;
  if (History().size() >= kHistoryLimit) History().erase(History().begin());
  History().push_back(call);
  ++boxesShown;
  gui_internal::EnsureQtApplication();
  QPointer<QWidget> activeBefore = gui_internal::ActiveWindow();
  QPointer<QWidget> owner = call.owner && gui_internal::IsLiveControl(call.owner)
                                ? call.owner->Widget()->window()
                                : activeBefore.data();
  if (activeBefore) gui_internal::ActivateWindow(nullptr);
  int answer;
  if (GuiTesting::Answerer answerer = CurrentAnswerer()) answer = answerer(call);
  else answer = AskOnScreen(call, icon, owner);
  if (owner && owner->isVisible()) gui_internal::ActivateWindow(owner);
  return answer;
}

std::vector<int> ButtonIds(TMsgDlgButtons buttons) {
  std::vector<int> ids;
  const std::pair<TMsgDlgBtn, int> order[] = {{mbYes, IDYES},     {mbNo, IDNO},         {mbOK, IDOK},
                                              {mbCancel, IDCANCEL}, {mbAbort, IDABORT}, {mbRetry, IDRETRY},
                                              {mbIgnore, IDIGNORE}};
  for (auto [flag, id] : order)
    if (buttons & flag) ids.push_back(id);
  return ids;
}

}  // namespace

// ---------------------------------------------------------------------------------------

void ShowMessage(const std::string& text) {
  Ask({BoxKind::ShowMessage, Application->Title, text, {IDOK}}, Icon::None);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  static const char* const captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const Icon icons[] = {Icon::Warning, Icon::Error, Icon::Information, Icon::Question, Icon::None};
  std::string title = type == mtCustom ? Application->Title() : captions[type];
  std::vector<int> ids = ButtonIds(buttons);
  if (ids.empty()) ids.push_back(IDOK);
  // The modal results of the dialog buttons carry the same numbers as the IDs.
  return Ask({BoxKind::MessageDlg, title, text, ids}, icons[type]);
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  std::vector<int> ids;
  switch (type & 0xF) {
    case MB_OKCANCEL: ids = {IDOK, IDCANCEL}; break;
    case MB_ABORTRETRYIGNORE: ids = {IDABORT, IDRETRY, IDIGNORE}; break;
    case MB_YESNOCANCEL: ids = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: ids = {IDYES, IDNO}; break;
    case MB_RETRYCANCEL: ids = {IDRETRY, IDCANCEL}; break;
    default: ids = {IDOK}; break;
  }
  if ((type & MB_DEFBUTTON2) && ids.size() > 1) std::swap(ids[0], ids[1]);
  Icon icon = Icon::None;
  switch (type & 0xF0) {
    case MB_ICONHAND: icon = Icon::Error; break;
    case MB_ICONQUESTION: icon = Icon::Question; break;
    case MB_ICONEXCLAMATION: icon = Icon::Warning; break;
    case MB_ICONASTERISK: icon = Icon::Information; break;
  }
  return Ask({BoxKind::MessageBox, caption ? caption : "Error", text ? text : "", ids, owner}, icon);
}

void TApplication::ShowException(const std::exception& e) {
  std::string text = e.what();
  Ask({BoxKind::Exception, Title(), text, {IDOK}}, Icon::Error);
}

// ---------------------------------------------------------------------------------------

unsigned long gui_internal::MessageBoxesShown() { return boxesShown; }

namespace GuiTesting {

Answerer SetAnswerer(Answerer answerer) { return std::exchange(CurrentAnswerer(), std::move(answerer)); }
const std::vector<MessageBoxCall>& MessageBoxes() { return History(); }
void ClearMessageBoxes() { History().clear(); }

ScriptedAnswerer::ScriptedAnswerer() {
  previous_ = SetAnswerer([this](const MessageBoxCall& call) {
    calls_.push_back(call);
    if (answers_.empty()) return call.buttons.front();
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
}

ScriptedAnswerer::~ScriptedAnswerer() { SetAnswerer(std::move(previous_)); }

}  // namespace GuiTesting
