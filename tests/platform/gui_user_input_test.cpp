// The harness delivers what a person's input delivers: a click moves the focus, the keys move
// a list's selection, and a message box takes the activation from its owner while it is up.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "Dialogs.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "StdCtrls.h"
#include "Windows.h"
#include "shown_window.h"

namespace {

struct UserInput : ShownWindow {
  std::vector<std::string> events;

  void Watch(TWinControl* control, const std::string& name) {
    control->OnEnter = [this, name](TObject*) { events.push_back("enter " + name); };
    control->OnExit = [this, name](TObject*) { events.push_back("exit " + name); };
  }
};

}  // namespace

TEST_F(UserInput, ClickMovesTheFocusAndTheControlLeftGetsItsExitFirst) {
  auto* edit = Add<TEdit>();
  auto* other = Add<TEdit>();
  other->Top = 30;
  auto* button = Add<TButton>();
  button->Top = 60;
  auto* check = Add<TCheckBox>();
  check->Top = 90;
  auto* label = Add<TLabel>();
  label->Top = 120;
  Watch(edit, "edit");
  Watch(other, "other");
  Watch(button, "button");
  Watch(check, "check");
  button->OnClick = [&](TObject*) { events.push_back("click button"); };
  check->OnClick = [&](TObject*) { events.push_back("click check"); };

  const struct {
    TControl* clicked;
    std::vector<std::string> events;
  } cases[] = {
      {edit, {"enter edit"}},
      {other, {"exit edit", "enter other"}},
      {other, {}},  // a click on the control with the focus leaves it there
      {button, {"exit other", "enter button", "click button"}},
      {check, {"exit button", "enter check", "click check"}},
      {label, {}},  // a label takes no focus: the check box keeps it
  };
  for (const auto& c : cases) {
    events.clear();
    GuiTesting::UserClick(c.clicked);
    EXPECT_EQ(events, c.events) << c.clicked->Name();
  }
  EXPECT_TRUE(check->Focused());
}

TEST_F(UserInput, ClickOnAListRowMovesTheFocusIntoTheList) {
  auto* edit = Add<TEdit>();
  auto* list = Add<TListView>();
  list->Top = 30;
  list->Columns->Add()->Caption = "Name";
  list->ViewStyle = vsReport;
  list->Items->Add()->Caption = "a";
  Watch(edit, "edit");
  Watch(list, "list");
  GuiTesting::UserClick(edit);
  events.clear();
  GuiTesting::UserClickItem(list, list->Items->Item[0]);
  EXPECT_EQ(events, (std::vector<std::string>{"exit edit", "enter list"}));
  EXPECT_EQ(list->Selected(), list->Items->Item[0]);
}

TEST_F(UserInput, KeysMoveTheListSelectionAndReportIt) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->SetBounds(0, 0, 200, 120);  // fewer rows shown than listed: Page Down moves by a page
  list->Columns->Add()->Caption = "Name";
  constexpr int kRows = 30;
  for (int i = 0; i < kRows; ++i) list->Items->Add()->Caption = "row " + std::to_string(i);
  std::vector<std::string> selections;
  list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
    selections.push_back((selected ? "+" : "-") + item->Caption());
  };
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  auto row = [&](int i) { return list->Items->Item[i]; };

  GuiTesting::UserChooseItemByKeys(list, row(3));
  EXPECT_TRUE(list->Focused());
  EXPECT_EQ(list->Selected(), row(3));
  EXPECT_EQ(selections.back(), "+row 3");
  GuiTesting::UserChooseItemByKeys(list, row(1));
  EXPECT_EQ(list->Selected(), row(1));

  const struct {
    unsigned short key;
    std::function<bool(int)> lands;
    const char* what;
  } steps[] = {
      {VK_DOWN, [](int i) { return i == 2; }, "Down"},
      {VK_UP, [](int i) { return i == 1; }, "Up"},
      {VK_END, [](int i) { return i == kRows - 1; }, "End"},
      {VK_HOME, [](int i) { return i == 0; }, "Home"},
      {VK_NEXT, [](int i) { return i > 1 && i < kRows - 1; }, "Page Down"},
      {VK_PRIOR, [](int i) { return i == 0; }, "Page Up"},
  };
  for (const auto& step : steps) {
    TListItem* before = list->Selected();
    selections.clear();
    GuiTesting::UserKey(list, step.key);
    TListItem* now = list->Selected();
    ASSERT_NE(now, nullptr) << step.what;
    EXPECT_TRUE(step.lands(now->GetIndex())) << step.what << " chose " << now->Caption();
    EXPECT_EQ(selections, (std::vector<std::string>{"-" + before->Caption(), "+" + now->Caption()})) << step.what;
  }
  EXPECT_EQ(clicks, 0);  // keys are no clicks
}

TEST_F(UserInput, MessageBoxTakesTheActivationFromItsOwnerUntilItCloses) {
  form->OnActivate = [&](TObject*) { events.push_back("activate"); };
  form->OnDeactivate = [&](TObject*) { events.push_back("deactivate"); };
  GuiTesting::Answerer before = GuiTesting::SetAnswerer([&](const GuiTesting::MessageBoxCall& call) {
    events.push_back("box " + call.text);
    return call.buttons.front();
  });
  const struct {
    const char* text;
    std::function<void(const char*)> show;
  } boxes[] = {
      {"shown", [](const char* text) { ShowMessage(text); }},
      {"dialog", [](const char* text) { MessageDlg(text, mtWarning, mbOK, 0); }},
      {"owned", [this](const char* text) { MessageBoxA(form->Handle, text, "Error", MB_OK); }},
      {"exception", [](const char* text) { Application->ShowException(std::runtime_error(text)); }},
  };
  for (const auto& box : boxes) {
    events.clear();
    box.show(box.text);
    EXPECT_EQ(events, (std::vector<std::string>{"deactivate", std::string("box ") + box.text, "activate"}));
  }
  GuiTesting::SetAnswerer(before);

  events.clear();
  {
    GuiTesting::ScriptedAnswerer answers;
    ShowMessage("scripted");
  }
  EXPECT_EQ(events, (std::vector<std::string>{"deactivate", "activate"}));
}

TEST_F(UserInput, FocusLeftForAMessageBoxComesBackWithoutExitOrEnter) {
  auto* edit = Add<TEdit>();
  auto* other = Add<TEdit>();
  other->Top = 30;
  Watch(edit, "edit");
  Watch(other, "other");
  GuiTesting::UserClick(edit);
  events.clear();
  GuiTesting::ScriptedAnswerer answers;
  ShowMessage("Metric should between 1-65535");
  EXPECT_TRUE(events.empty()) << events.front();
  EXPECT_TRUE(edit->Focused());
}

TEST_F(UserInput, ModalWindowTakesTheActivationFromTheWindowBelowAndGivesItBack) {
  form->OnActivate = [&](TObject*) { events.push_back("activate below"); };
  form->OnDeactivate = [&](TObject*) { events.push_back("deactivate below"); };
  TForm popup(nullptr);
  popup.OnActivate = [&](TObject*) { events.push_back("activate popup"); };
  popup.OnShow = [&](TObject*) { events.push_back("show popup"); };
  popup.OnHide = [&](TObject*) { events.push_back("hide popup"); };
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    events.push_back("shown");
    shown.ModalResult = mrOk;
  });
  popup.ShowModal();
  EXPECT_EQ(events, (std::vector<std::string>{"show popup", "deactivate below", "activate popup", "shown",
                                               "hide popup", "activate below"}));
}
