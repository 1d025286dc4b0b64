// What every feature dialog promises its user, held for each registered dialog at once: opened
// through its menu item against the simulated switch, each scenario drives it as a person would.
// The dialogs come from the command runner's registry; DialogConformanceTable.cpp holds what
// the scenarios need to know of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "CommandRunner.h"
#include "DialogConformance.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "NvSNMPRequest2Controls.h"
#include "NvSNMPSession.h"
#include "Startup.h"
#include "StdCtrls.h"
#include "Windows.h"

namespace {

using conformance::DialogFacts;
using conformance::Scenario;

// How long a read, a write or a close may take: generous, for the sanitizers on a busy machine.
constexpr int kWait = 30000;
// Session time-outs (hundredths of a second): a slow reply is waited for; a silent switch is
// given up on soon.
constexpr int kPatientTimeOut = 300;
constexpr int kShortTimeOut = 50;
// Every object the dialogs ask for is below one of these, so the errors cover whatever the
// dialog asks.
constexpr const char* kEverything[] = {"1.3.6.1", "1.0.8802"};
constexpr int kGenErr = 5;

SwitchSim& Sim() {
  static SwitchSim* sim = new SwitchSim();  // one per shard, ended with the process
  return *sim;
}

const NvMenuCommand* CommandOf(const DialogFacts& row) {
  const NvMenuCommand* found = nullptr;
  for (const NvMenuCommand* command : NvMenuCommands()) {
    if (command->Kind != NvCommandKind::Dialog || !command->DialogClass || command->DialogClass != std::string(row.Class))
      continue;
    if (row.Item ? std::string(command->Item) == row.Item : !found || found->Hidden) found = command;
  }
  return found;
}

bool Idle(TFeatureDialog& form) {
  if (form.DataComplete != 1) return false;
  for (NvSNMPRequest2Controls* request : form.Requests())
    if (request->Busy || request->Request.PendingReplies != 0) return false;
  return true;
}

void WaitIdle(TFeatureDialog& form) {
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait)) << "the dialog's requests never ended";
}

void FindAll(TComponent* owner, const std::function<void(TComponent*)>& visit) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    TComponent* child = owner->Components[i];
    visit(child);
    FindAll(child, visit);
  }
}

// Panel 0 of the dialog's status bar (its first, where it declares none to the base).
std::string Panel0(TFeatureDialog& form) {
  TStatusBar* bar = form.StatusBar1;
  if (!bar)
    FindAll(&form, [&](TComponent* c) {
      if (!bar) bar = dynamic_cast<TStatusBar*>(c);
    });
  if (!bar) return "";
  return bar->Panels->Count > 0 ? bar->Panels->Items[0]->Text() : bar->SimpleText();
}

TButton* ButtonCaptioned(TFeatureDialog& form, const std::string& caption) {
  TButton* found = nullptr;
  FindAll(&form, [&](TComponent* c) {
    auto* button = dynamic_cast<TButton*>(c);
    if (!found && button && button->Visible() && button->Caption() == caption) found = button;
  });
  return found;
}

// Every detail control's state: edits, combos, check boxes, radio buttons and groups, pickers'
// boxes, each with whether it is enabled. The list and the status bar are left out.
std::map<std::string, std::string> DetailState(TFeatureDialog& form) {
  std::map<std::string, std::string> state;
  int unnamed = 0;
  FindAll(&form, [&](TComponent* c) {
    auto* control = dynamic_cast<TWinControl*>(c);
    if (!control) return;
    std::string value;
    if (auto* edit = dynamic_cast<TCustomEdit*>(c)) value = "text " + edit->Text();
    else if (auto* combo = dynamic_cast<TComboBox*>(c))
      value = "item " + std::to_string(combo->ItemIndex()) + " text " + combo->Text();
    else if (auto* check = dynamic_cast<TCheckBox*>(c)) value = check->Checked() ? "checked" : "unchecked";
    else if (auto* radio = dynamic_cast<TRadioButton*>(c)) value = radio->Checked() ? "on" : "off";
    else if (auto* group = dynamic_cast<TRadioGroup*>(c)) value = "item " + std::to_string(group->ItemIndex());
    else return;
    std::string name = c->Name();
    if (name.empty()) name = "#" + std::to_string(unnamed++);
    if (c->Owner() && c->Owner() != &form) name = c->Owner()->Name() + "." + name;
    state[name] = value + (control->Enabled() ? "" : " (disabled)");
  });
  return state;
}

std::string Differences(const std::map<std::string, std::string>& keyboard,
                        const std::map<std::string, std::string>& click) {
  std::ostringstream out;
  for (const auto& [name, value] : click) {
    auto other = keyboard.find(name);
    const std::string byKeys = other == keyboard.end() ? "(none)" : other->second;
    if (byKeys != value) out << "\n  " << name << ": by keyboard \"" << byKeys << "\", by click \"" << value << "\"";
  }
  return out.str();
}

std::vector<std::vector<std::string>> Rows(TListView* list) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < list->Items->Count; ++i) {
    TListItem* item = list->Items->Item[i];
    std::vector<std::string> cells{item->Caption};
    for (int j = 0; j < item->SubItems->Count; ++j) cells.push_back(item->SubItems->Get(j));
    rows.push_back(cells);
  }
  return rows;
}

std::string BoxTexts(const GuiTesting::ScriptedAnswerer& boxes) {
  std::string texts;
  for (const auto& call : boxes.Calls()) texts += "[" + call.text + "]";
  return texts;
}

bool SaysOk(const std::string& text) { return text.find("Ok") != std::string::npos; }

// Calls the function on each message handling until it returns true (a timer of the window
// layer, so that it runs inside whatever loop the dialog is waiting in).
class Soon {
 public:
  Soon(int ms, std::function<bool()> action) : timer_(nullptr) {
    timer_.Interval = ms;
    timer_.OnTimer = [this, action](TObject*) {
      if (action()) timer_.Enabled = false;
    };
    timer_.Enabled = true;
  }

 private:
  TTimer timer_;
};

class DialogConformance : public ::testing::TestWithParam<const DialogFacts*> {
 protected:
  void SetUp() override {
    DeviceAddress = "127.0.0.1";
    NvRegisterFeatureDialogs();
    Sim().clearFaults();
    Sim().clearSetLog();
    ::PointSessionAt(Sim(), 1, kPatientTimeOut);
  }
  void TearDown() override { Sim().clearFaults(); }

  const DialogFacts& Row() const { return *GetParam(); }

  // Runs the row's menu command; body runs on the shown dialog inside its modal loop. The
  // dialog is closed afterwards as a user would, once its requests have ended: from its own
  // modal loop, where a refused close is seen, and again after a refusal ("Get data not
  // complete" while a read runs).
  void Run(const std::function<void(TFeatureDialog&)>& body) {
    const NvMenuCommand* command = CommandOf(Row());
    ASSERT_NE(command, nullptr) << "no menu item opens " << Row().Class;
    TForm mainWindow(nullptr);
    std::string title;
    NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
    bool shown = false;
    TFeatureDialog* closing = nullptr;  // once body has run
    std::shared_ptr<const bool> alive;
    std::chrono::steady_clock::time_point since;
    int closes = 0;
    GuiTesting::ModalDriver driver([&](TCustomForm& form) {
      if (shown) return AnswerPopup(form);
      shown = true;
      auto* dialog = dynamic_cast<TFeatureDialog*>(&form);
      if (!dialog) {
        ADD_FAILURE() << Row().Class << " is not a feature dialog";
        form.ModalResult = mrCancel;
        return;
      }
      body(*dialog);
      alive = dialog->Lifetime();
      since = std::chrono::steady_clock::now();
      closing = dialog;
    });
    Soon closer(20, [&] {
      if (!closing) return false;
      if (!*alive) return true;
      if (closing->ModalResult() != mrNone) return false;  // a close under way, or done
      const bool late = std::chrono::steady_clock::now() - since > std::chrono::milliseconds(kWait);
      if (!Idle(*closing) && !late) return false;
      if (closes < 3 && !late) {
        ++closes;
        GuiTesting::UserCloseWindow(closing);
        return false;
      }
      ADD_FAILURE() << "the dialog never agreed to close; boxes: " << BoxTexts(boxes) << " DataComplete "
                    << int(closing->DataComplete);
      closing->OnCloseQuery = nullptr;  // given up on, so that the suite goes on
      closing->OnClose = nullptr;
      closing->ModalResult = mrCancel;
      return true;
    });
    NvRunMenuCommand(*command, host);
    EXPECT_TRUE(shown);
  }

  // A window the dialog shows over itself (an entry pop-up, a progress box): its write button
  // pressed, then closed if it is still open.
  static void AnswerPopup(TCustomForm& popup) {
    for (const char* caption : {"Set Checked", "Set", "Apply", "OK"}) {
      TButton* button = nullptr;
      FindAll(&popup, [&](TComponent* c) {
        auto* b = dynamic_cast<TButton*>(c);
        if (!button && b && b->Visible() && b->Enabled() && b->Caption() == caption) button = b;
      });
      if (button) {
        GuiTesting::UserClick(button);
        break;
      }
    }
    if (popup.ModalResult() == mrNone && popup.Visible()) GuiTesting::UserCloseWindow(&popup);
  }

  // The row chosen and the boxes checked that the write needs.
  void PrepareWrite(TFeatureDialog& form) {
    if (Row().WriteRow >= 0 && form.List && form.List->Items->Count > Row().WriteRow) {
      GuiTesting::UserClickItem(form.List, form.List->Items->Item[Row().WriteRow]);
      WaitIdle(form);
    }
    if (Row().Input) {
      std::istringstream fields(Row().Input);
      for (std::string field; std::getline(fields, field, ';');) {
        const std::string name = field.substr(0, field.find('='));
        const std::string text = field.substr(name.size() + 1);
        TComponent* control = nullptr;
        FindAll(&form, [&](TComponent* c) {
          if (!control && c->Name() == name) control = c;
        });
        if (auto* combo = dynamic_cast<TComboBox*>(control)) {
          const int index = combo->Items->IndexOf(text);
          ASSERT_GE(index, 0) << name << " has no item " << text;
          GuiTesting::UserChoose(combo, index);
        } else if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
          GuiTesting::UserType(edit, text);
        } else {
          FAIL() << "no edit or combo box " << name;
        }
      }
      WaitIdle(form);
    }
    if (Row().Prepare) {
      TButton* prepare = ButtonCaptioned(form, Row().Prepare);
      ASSERT_NE(prepare, nullptr) << Row().Prepare;
      GuiTesting::UserClick(prepare);
      WaitIdle(form);
    }
    ASSERT_NE(ButtonCaptioned(form, Row().Write), nullptr) << Row().Write;
  }
  // The write pressed once faults are set; waits until the dialog is idle again.
  void PressWrite(TFeatureDialog& form, const std::function<void()>& faults) {
    PrepareWrite(form);
    if (HasFailure()) return;
    Sim().clearSetLog();
    faults();
    GuiTesting::UserClick(ButtonCaptioned(form, Row().Write));
    WaitIdle(form);
  }

  GuiTesting::ScriptedAnswerer boxes;
};

// The registry and the table name the same classes.
TEST(DialogConformanceTable, has_one_row_for_each_registered_dialog) {
  NvRegisterFeatureDialogs();
  std::set<std::string> rows;
  for (const DialogFacts& row : conformance::Table()) {
    EXPECT_TRUE(rows.insert(row.Class).second) << row.Class << " has two rows";
    EXPECT_TRUE(NvDialogRegistered(row.Class)) << row.Class << " has a row but is not registered";
    if (!row.NoRead) EXPECT_NE(CommandOf(row), nullptr) << "no menu item opens " << row.Class;
    if (!row.NoRead && !row.NoWrite) EXPECT_NE(row.Write, nullptr) << row.Class << ": a write button or a reason";
  }
  for (const std::string& name : NvRegisteredDialogClasses())
    EXPECT_TRUE(rows.count(name)) << name << " is registered but has no row in the conformance table";
}

// 1. The first read ends, and its success is told.
using Open = DialogConformance;
TEST_P(Open, the_read_ends_and_is_told) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    EXPECT_EQ(form.List == nullptr, Row().NoList != nullptr) << "the table's NoList is wrong";
    const std::string status = Panel0(form);
    if (Row().Told) EXPECT_NE(status.find(Row().Told), std::string::npos) << "panel 0: " << status;
    else EXPECT_TRUE(SaysOk(status)) << "panel 0: \"" << status << "\"";
    EXPECT_EQ(BoxTexts(boxes), "");
  });
}

// 2. A row chosen with the Down key shows what a click on it shows.
using Keyboard = DialogConformance;
TEST_P(Keyboard, a_row_chosen_by_keyboard_shows_what_a_click_shows) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ASSERT_NE(form.List, nullptr);
    ASSERT_GE(form.List->Items->Count, 1) << "the seed should give a row";
    // From the first row to the second; with one row, from no row to it.
    const bool two = form.List->Items->Count >= 2;
    TListItem* first = two ? static_cast<TListItem*>(form.List->Items->Item[0]) : nullptr;
    TListItem* second = form.List->Items->Item[two ? 1 : 0];
    if (first) GuiTesting::UserClickItem(form.List, first);
    WaitIdle(form);
    GuiTesting::UserChooseItemByKeys(form.List, second);
    WaitIdle(form);
    ASSERT_EQ(form.List->Selected(), second);
    const auto byKeyboard = DetailState(form);
    if (first) GuiTesting::UserClickItem(form.List, first);
    else form.List->Selected = nullptr;
    WaitIdle(form);
    GuiTesting::UserClickItem(form.List, second);
    WaitIdle(form);
    ASSERT_EQ(form.List->Selected(), second);
    const auto byClick = DetailState(form);
    EXPECT_EQ(Differences(byKeyboard, byClick), "");
  });
}

// 3. A read the switch refuses, or never answers, is told as a failure.
void ExpectFailureTold(TFeatureDialog& form, const GuiTesting::ScriptedAnswerer& boxes) {
  const std::string status = Panel0(form);
  EXPECT_FALSE(SaysOk(status)) << "panel 0: " << status;
  EXPECT_TRUE(!status.empty() || !boxes.Calls().empty()) << "the failure is told nowhere";
  EXPECT_FALSE(SaysOk(BoxTexts(boxes))) << BoxTexts(boxes);
}

using GenErr = DialogConformance;
TEST_P(GenErr, a_refused_read_is_told) {
  for (const char* root : kEverything) Sim().setSubtreeError(root, kGenErr);
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ExpectFailureTold(form, boxes);
  });
}

using Silence = DialogConformance;
TEST_P(Silence, an_unanswered_read_is_told) {
  ::PointSessionAt(Sim(), 1, kShortTimeOut);
  Sim().setDropReplies(true);
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ExpectFailureTold(form, boxes);
  });
}

// 4. Stop during a slow walk, then Refresh: every row is back.
using StopRefresh = DialogConformance;
TEST_P(StopRefresh, refresh_after_stop_reads_every_row) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ASSERT_NE(form.List, nullptr);
    const auto full = Rows(form.List);
    TButton* stop = ButtonCaptioned(form, "Stop");
    TButton* refresh = ButtonCaptioned(form, "Refresh");
    ASSERT_NE(stop, nullptr);
    ASSERT_NE(refresh, nullptr);
    Sim().setDelay(40);
    GuiTesting::UserClick(refresh);
    GuiTesting::ProcessUntil([&] { return form.List->Items->Count >= 1 || Idle(form); }, kWait);
    GuiTesting::UserClick(stop);
    WaitIdle(form);
    Sim().setDelay(0);
    GuiTesting::UserClick(refresh);
    WaitIdle(form);
    EXPECT_EQ(Rows(form.List), full);
    EXPECT_TRUE(SaysOk(Panel0(form))) << Panel0(form);
  });
}

// 5. A write the switch refuses is told, and nothing is shown as done.
using WriteRefused = DialogConformance;
TEST_P(WriteRefused, a_refused_write_is_told) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    const std::string before = Panel0(form);
    PressWrite(form, [&] {
      for (const char* root : kEverything) Sim().setSubtreeError(root, kGenErr);
    });
    if (HasFailure()) return;
    ASSERT_FALSE(Sim().setLog().empty()) << "no SET was sent; boxes: " << BoxTexts(boxes) << " panel 0: " << Panel0(form);
    const std::string after = Panel0(form);
    // What panel 0 said of the read before may stay; nothing new may say Ok.
    EXPECT_FALSE(after != before && SaysOk(after)) << "panel 0: " << after;
    EXPECT_TRUE(!boxes.Calls().empty() || (after != before && !after.empty())) << "the refusal is told nowhere";
    EXPECT_FALSE(SaysOk(BoxTexts(boxes))) << BoxTexts(boxes);
  });
}

// 6. Closing while a read or a write waits for the switch: the window closes, nothing crashes.
using CloseDuringRead = DialogConformance;
TEST_P(CloseDuringRead, closing_while_reading_is_safe) {
  Sim().setDelay(300);
  Run([&](TFeatureDialog& form) { GuiTesting::UserCloseWindow(&form); });
  Sim().setDelay(0);
  // The late replies arrive for a dialog that is gone.
  const std::string oneRead = dialogtest::SwitchValue("1.3.6.1.2.1.1.5", "0", NvSyntax::octetstr);
  int rounds = 0;
  GuiTesting::ProcessUntil([&] { return ++rounds > 20; }, kWait);
  EXPECT_FALSE(oneRead.empty());
}

using CloseDuringWrite = DialogConformance;
TEST_P(CloseDuringWrite, closing_while_a_write_waits_is_safe) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    PrepareWrite(form);
    if (HasFailure()) return;
    TButton* write = ButtonCaptioned(form, Row().Write);
    Sim().clearSetLog();
    Sim().setDelay(400);
    // Closed from the loop the write waits in, once its SET has reached the switch.
    Soon close(20, [&] {
      if (Sim().setLog().empty()) return false;
      GuiTesting::UserCloseWindow(&form);
      return true;
    });
    GuiTesting::UserClick(write);
    GuiTesting::ProcessUntil(
        [&] { return form.ModalResult() != mrNone || (!Sim().setLog().empty() && Idle(form)); }, kWait);
    EXPECT_FALSE(Sim().setLog().empty()) << "no SET was sent; boxes: " << BoxTexts(boxes);
  });
  const std::string oneRead = dialogtest::SwitchValue("1.3.6.1.2.1.1.5", "0", NvSyntax::octetstr);
  int rounds = 0;
  GuiTesting::ProcessUntil([&] { return ++rounds > 20; }, kWait);
  EXPECT_FALSE(oneRead.empty());
}

// The rows for which a scenario means something.
std::vector<const DialogFacts*> RowsFor(Scenario what) {
  std::vector<const DialogFacts*> rows;
  for (const DialogFacts& row : conformance::Table()) {
    if (row.NoRead) continue;
    if ((what == Scenario::Keyboard || what == Scenario::StopRefresh) && row.NoList) continue;
    if (what == Scenario::StopRefresh && row.NoStop) continue;
    if ((what == Scenario::WriteRefused || what == Scenario::CloseDuringWrite) && row.NoWrite) continue;
    rows.push_back(&row);
  }
  return rows;
}

std::string NameOf(const ::testing::TestParamInfo<const DialogFacts*>& info) { return info.param->Class; }

INSTANTIATE_TEST_SUITE_P(Dialogs, Open, ::testing::ValuesIn(RowsFor(Scenario::Open)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, Keyboard, ::testing::ValuesIn(RowsFor(Scenario::Keyboard)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, GenErr, ::testing::ValuesIn(RowsFor(Scenario::GenErr)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, Silence, ::testing::ValuesIn(RowsFor(Scenario::Silence)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, StopRefresh, ::testing::ValuesIn(RowsFor(Scenario::StopRefresh)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, WriteRefused, ::testing::ValuesIn(RowsFor(Scenario::WriteRefused)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, CloseDuringRead, ::testing::ValuesIn(RowsFor(Scenario::CloseDuringRead)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, CloseDuringWrite, ::testing::ValuesIn(RowsFor(Scenario::CloseDuringWrite)),
                         NameOf);

}  // namespace
