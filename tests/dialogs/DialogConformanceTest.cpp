// What every feature dialog promises its user, held for each registered dialog at once: opened
// through its menu item against the simulated switch, each scenario drives it as a person would.
// The dialogs come from the command runner's registry; DialogConformanceTable.cpp holds what
// the scenarios need to know of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ComCtrls.h"
#include "CommandRunner.h"
#include "DialogConformance.h"
#include "DialogConformanceDriving.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest2Controls.h"
#include "NvSNMPSession.h"
#include "ScopeExit.h"
#include "Startup.h"
#include "StdCtrls.h"
#include "Windows.h"

namespace {

using conformance::ButtonCaptioned;
using conformance::CommandOf;
using conformance::DialogFacts;
using conformance::FindAll;
using conformance::Idle;
using conformance::kWait;
using conformance::Scenario;
using conformance::Sim;

// Session time-outs (hundredths of a second): a slow reply is waited for; a silent switch is
// given up on soon.
constexpr int kPatientTimeOut = 300;
constexpr int kShortTimeOut = 50;
// Every object the dialogs ask for is below one of these, so the errors cover whatever the
// dialog asks.
constexpr const char* kEverything[] = {"1.3.6.1", "1.0.8802"};
constexpr int kGenErr = 5;
// How long a close may take once the user asked for it: the walk or write under way is
// stopped and its one outstanding reply waited for, not read to its end.
constexpr auto kCloseBound = std::chrono::milliseconds(5000);
// The slow switch of the Stop and close scenarios: each reply held this long.
constexpr int kSlowReplyMs = 40;

bool ReadInOneGo(const DialogFacts& row) {
  return row.NoStop && std::string_view(row.NoStop) == conformance::kReadInOneGo;
}

std::string GenErrText() { return NvErrorText(-100 - kGenErr); }
std::string TimeOutText() { return NvErrorText(NvErr::Timeout); }

void WaitIdle(TFeatureDialog& form) {
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait)) << "the dialog's requests never ended";
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

// Whether the control can be seen: it and every parent up to the dialog are visible.
bool Shown(TControl* control, TFeatureDialog& form) {
  for (TControl* c = control; c && c != &form; c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

// Every shown control's state but the list's and the status bar's: edits, combos, check
// boxes, radio buttons and groups, pickers' boxes, labels and static texts (the bound ones
// too), buttons, each with whether it is enabled.
std::map<std::string, std::string> ShownState(TFeatureDialog& form) {
  std::map<std::string, std::string> state;
  int unnamed = 0;
  FindAll(&form, [&](TComponent* c) {
    auto* control = dynamic_cast<TControl*>(c);
    if (!control || control == form.List || dynamic_cast<TStatusBar*>(c) || !Shown(control, form)) return;
    std::string value;
    if (auto* edit = dynamic_cast<TCustomEdit*>(c)) value = "text " + edit->Text();
    else if (auto* combo = dynamic_cast<TComboBox*>(c))
      value = "item " + std::to_string(combo->ItemIndex()) + " text " + combo->Text();
    else if (auto* check = dynamic_cast<TCheckBox*>(c)) value = check->Checked() ? "checked" : "unchecked";
    else if (auto* radio = dynamic_cast<TRadioButton*>(c)) value = radio->Checked() ? "on" : "off";
    else if (auto* group = dynamic_cast<TRadioGroup*>(c)) value = "item " + std::to_string(group->ItemIndex());
    else if (dynamic_cast<TLabel*>(c) || dynamic_cast<TStaticText*>(c) || dynamic_cast<TButton*>(c))
      value = "caption " + control->Caption();
    else return;
    std::string name = c->Name();
    if (name.empty()) name = "#" + std::to_string(unnamed++);
    if (c->Owner() && c->Owner() != &form) name = c->Owner()->Name() + "." + name;
    state[name] = value + (control->Enabled() ? "" : " (disabled)");
  });
  return state;
}

std::string Differences(const std::map<std::string, std::string>& one, const char* oneName,
                        const std::map<std::string, std::string>& other, const char* otherName) {
  std::ostringstream out;
  std::set<std::string> names;
  for (const auto& entry : one) names.insert(entry.first);
  for (const auto& entry : other) names.insert(entry.first);
  for (const std::string& name : names) {
    auto a = one.find(name), b = other.find(name);
    const std::string byOne = a == one.end() ? "(not shown)" : a->second;
    const std::string byOther = b == other.end() ? "(not shown)" : b->second;
    if (byOne != byOther)
      out << "\n  " << name << ": " << oneName << " \"" << byOne << "\", " << otherName << " \"" << byOther << "\"";
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

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += "[" + text + "]";
  return joined;
}

size_t Carrying(const std::vector<std::string>& texts, const std::string& part) {
  return std::count_if(texts.begin(), texts.end(),
                       [&](const std::string& text) { return text.find(part) != std::string::npos; });
}

std::string BoxTexts(const GuiTesting::ScriptedAnswerer& boxes) {
  std::vector<std::string> texts;
  for (const auto& call : boxes.Calls()) texts.push_back(call.text);
  return Joined(texts);
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
    dialogtest::PointDialogsAt(Sim(), kPatientTimeOut);
  }
  void TearDown() override { Sim().clearFaults(); }

  const DialogFacts& Row() const { return *GetParam(); }

  // Runs the row's menu command; body runs on the shown dialog inside its modal loop. The
  // dialog is closed afterwards as a user would, once its requests have ended: from its own
  // modal loop, where a refused close is seen, and again after a refusal ("Get data not
  // complete" while a read runs). The last close asked for must end the dialog within
  // kCloseBound.
  void Run(const std::function<void(TFeatureDialog&)>& body) {
    TFeatureDialog* closing = nullptr;  // once body has run
    std::shared_ptr<const bool> alive;
    std::chrono::steady_clock::time_point since;
    int closes = 0;
    lastClose_.reset();
    Soon closer(20, [&] {
      if (!closing) return false;
      if (!*alive) return true;
      if (closing->ModalResult() != mrNone) return false;  // a close under way, or done
      const bool late = std::chrono::steady_clock::now() - since > std::chrono::milliseconds(kWait);
      if (!Idle(*closing) && !late) return false;
      if (closes < 3 && !late) {
        ++closes;
        Close(*closing);
        return false;
      }
      ADD_FAILURE() << "the dialog never agreed to close; boxes: " << BoxTexts(boxes) << " DataComplete "
                    << int(closing->DataComplete);
      closing->OnCloseQuery = nullptr;  // given up on, so that the suite goes on
      closing->OnClose = nullptr;
      closing->ModalResult = mrCancel;
      return true;
    });
    conformance::RunMenuCommand(
        Row(),
        [&](TFeatureDialog& dialog) {
          body(dialog);
          alive = dialog.Lifetime();
          since = std::chrono::steady_clock::now();
          closing = &dialog;
        },
        [&](TCustomForm& popup) { AnswerPopup(popup); });
    if (lastClose_) {
      const auto took = std::chrono::steady_clock::now() - *lastClose_;
      EXPECT_LT(took, kCloseBound) << "the close took "
                                   << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
    }
  }

  // The frame's close button, its time kept for the bound on the close.
  void Close(TFeatureDialog& form) {
    lastClose_ = std::chrono::steady_clock::now();
    GuiTesting::UserCloseWindow(&form);
  }

  void AnswerPopup(TCustomForm& popup) { conformance::AnswerPopup(popup, Row()); }

  // The row chosen and the boxes checked that the write needs.
  void PrepareWrite(TFeatureDialog& form) {
    conformance::PrepareWrite(form, Row());
    ASSERT_NE(ButtonCaptioned(form, Row().Write), nullptr) << Row().Write;
  }

  // The boxes shown since the given count, and of them those that carry text.
  std::vector<std::string> BoxesSince(size_t from) const {
    std::vector<std::string> texts;
    for (size_t i = from; i < boxes.Calls().size(); ++i) texts.push_back(boxes.Calls()[i].text);
    return texts;
  }

  GuiTesting::ScriptedAnswerer boxes;

 private:
  std::optional<std::chrono::steady_clock::time_point> lastClose_;
};

// The registry and the table name the same classes.
TEST(DialogConformanceTable, has_one_row_for_each_registered_dialog) {
  NvRegisterFeatureDialogs();
  std::set<std::string> rows;
  for (const DialogFacts& row : conformance::Table()) {
    EXPECT_TRUE(rows.insert(row.Class).second) << row.Class << " has two rows";
    EXPECT_TRUE(NvDialogRegistered(row.Class)) << row.Class << " has a row but is not registered";
    EXPECT_TRUE(row.NoRead || CommandOf(row)) << "no menu item opens " << row.Class;
    EXPECT_TRUE(row.NoRead || row.NoWrite || row.Write) << row.Class << ": a write button or a reason";
  }
  for (const std::string& name : NvRegisteredDialogClasses())
    EXPECT_TRUE(rows.count(name)) << name << " is registered but has no row in the conformance table";
}

// 1. The first read ends, and its success is told; a list said to be read in one go is.
using Open = DialogConformance;
TEST_P(Open, the_read_ends_and_is_told) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    EXPECT_EQ(form.List == nullptr, Row().NoList != nullptr) << "the table's NoList is wrong";
    const std::string status = Panel0(form);
    const std::string told = Row().Told ? Row().Told : "Ok";
    EXPECT_NE(status.find(told), std::string::npos) << "panel 0: \"" << status << "\"";
    EXPECT_EQ(BoxTexts(boxes), "");
    EXPECT_TRUE(!ReadInOneGo(Row()) || (form.Table && !form.Table->Asynchronous))
        << "the table says the list is read in one go, but it is walked while the window runs";
    EXPECT_TRUE(!Row().NoStop || !ButtonCaptioned(form, "Stop")) << "the table's NoStop is wrong: it has a Stop";
  });
}

// 2. A row chosen with the Down key shows what a click on it shows; taking the choice away
// and a Refresh that empties the list under a chosen row both end in the no-row state.
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
    const auto byKeyboard = ShownState(form);
    if (first) GuiTesting::UserClickItem(form.List, first);
    else form.List->Selected = nullptr;
    WaitIdle(form);
    GuiTesting::UserClickItem(form.List, second);
    WaitIdle(form);
    ASSERT_EQ(form.List->Selected(), second);
    const auto byClick = ShownState(form);
    EXPECT_EQ(Differences(byKeyboard, "by keyboard", byClick, "by click"), "");

    // The choice taken away: the row buttons go off.
    form.List->Selected = nullptr;
    WaitIdle(form);
    const auto noRow = ShownState(form);
    for (TControl* button : form.RowButtons)
      EXPECT_FALSE(Shown(button, form) && button->Enabled()) << button->Name() << " usable with no row chosen";

    // A Refresh under a chosen row: the walk empties the list, so the no-row state follows.
    TButton* refresh = ButtonCaptioned(form, "Refresh");
    if (!refresh) return;
    GuiTesting::UserClickItem(form.List, second);
    WaitIdle(form);
    GuiTesting::UserClick(refresh);
    WaitIdle(form);
    EXPECT_EQ(form.List->Selected(), nullptr);
    EXPECT_EQ(Differences(noRow, "choice taken away", ShownState(form), "after Refresh"), "");
  });
}

// 3. A read the switch refuses, or never answers, is told with its own text.
void ExpectFailureTold(TFeatureDialog& form, const GuiTesting::ScriptedAnswerer& boxes, const std::string& text) {
  const std::string status = Panel0(form);
  EXPECT_FALSE(SaysOk(status)) << "panel 0: " << status;
  EXPECT_FALSE(SaysOk(BoxTexts(boxes))) << BoxTexts(boxes);
  EXPECT_TRUE(status.find(text) != std::string::npos || BoxTexts(boxes).find(text) != std::string::npos)
      << "\"" << text << "\" is told nowhere; panel 0: \"" << status << "\", boxes: " << BoxTexts(boxes);
}

using GenErr = DialogConformance;
TEST_P(GenErr, a_refused_read_is_told) {
  for (const char* root : kEverything) Sim().setSubtreeError(root, kGenErr);
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ExpectFailureTold(form, boxes, GenErrText());
  });
}

using Silence = DialogConformance;
TEST_P(Silence, an_unanswered_read_is_told) {
  ::PointSessionAt(Sim(), 1, kShortTimeOut);
  Sim().setDropReplies(true);
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ExpectFailureTold(form, boxes, TimeOutText());
  });
}

// 4. After a failed read, with the switch answering again, the write is refused with the
// read's failure, once, and nothing reaches the switch: through the dialog's write button
// (the binding's Set or a sequence of steps) and through its entry pop-up.
using ReadGate = DialogConformance;
TEST_P(ReadGate, a_write_after_a_failed_read_is_refused) {
  for (const char* root : kEverything) Sim().setSubtreeError(root, kGenErr);
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    // Where there is a Refresh, the values on show are first the switch's, then a Refresh
    // fails; without one, the opening read is the one that failed. Then the switch answers.
    if (TButton* refresh = ButtonCaptioned(form, "Refresh")) {
      Sim().clearFaults();
      GuiTesting::UserClick(refresh);
      WaitIdle(form);
      for (const char* root : kEverything) Sim().setSubtreeError(root, kGenErr);
      GuiTesting::UserClick(refresh);
      WaitIdle(form);
    }
    Sim().clearFaults();
    // A list's write needs a chosen row, and the failed read left none: its pop-up writes.
    for (const char* caption : {form.List ? nullptr : Row().Write, Row().Popup}) {
      if (!caption) continue;
      SCOPED_TRACE(caption);
      if (caption == Row().Write) {
        PrepareWrite(form);
        if (HasFailure()) return;
      }
      TButton* button = ButtonCaptioned(form, caption);
      ASSERT_NE(button, nullptr) << caption;
      Sim().clearSetLog();
      const size_t before = boxes.Calls().size();
      GuiTesting::UserClick(button);
      WaitIdle(form);
      const auto told = BoxesSince(before);
      EXPECT_EQ(Sim().setLog(), std::vector<std::string>{}) << "a write after a failed read reached the switch";
      EXPECT_EQ(Carrying(told, GenErrText()), 1u) << "boxes: " << Joined(told);
    }
  });
}

// 5. Stop during a slow walk ends it short of the table; Refresh pressed before the stopped
// walk's last reply, or during a walk, lists every row.
using StopRefresh = DialogConformance;
TEST_P(StopRefresh, refresh_after_stop_reads_every_row) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    ASSERT_NE(form.List, nullptr);
    const auto full = Rows(form.List);
    TButton* refresh = ButtonCaptioned(form, "Refresh");
    ASSERT_NE(refresh, nullptr);
    TButton* stop = Row().NoStop ? nullptr : ButtonCaptioned(form, "Stop");
    ASSERT_TRUE(Row().NoStop || stop) << "no Stop button";
    ASSERT_GE(full.size(), stop ? 2u : 1u) << "the seed should give rows enough to stop between";
    Sim().setDelay(kSlowReplyMs);
    if (stop) {
      // Stop pressed as soon as the walk runs: from the loop it runs in, blocking or not.
      bool stopped = false;
      Soon stopper(5, [&] {
        if (Idle(form)) return false;
        GuiTesting::UserClick(stop);
        stopped = true;
        return true;
      });
      GuiTesting::UserClick(refresh);
      ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return stopped && Idle(form); }, kWait));
      EXPECT_LT(form.List->Items->Count, int(full.size())) << "Stop stopped nothing";
      // Stopped again, and Refresh pressed before that walk's last reply has come.
      GuiTesting::UserClick(refresh);
      GuiTesting::UserClick(stop);
    } else {
      GuiTesting::UserClick(refresh);
    }
    GuiTesting::UserClick(refresh);  // during the walk, or right after a Stop
    WaitIdle(form);
    Sim().setDelay(0);
    EXPECT_EQ(Rows(form.List), full);
    EXPECT_TRUE(SaysOk(Panel0(form))) << Panel0(form);
  });
}

// 6. A write the switch refuses is told with that SET's error in a box; the steps after it
// are not sent (beyond what the dialog's write is allowed) and the switch keeps its rows.
using WriteRefused = DialogConformance;
TEST_P(WriteRefused, a_refused_write_is_told) {
  Run([&](TFeatureDialog& form) {
    WaitIdle(form);
    const auto rowsBefore = form.List ? Rows(form.List) : std::vector<std::vector<std::string>>{};
    PrepareWrite(form);
    if (HasFailure()) return;
    Sim().clearSetLog();
    Sim().refuseNextSet(kGenErr);  // that one SET; the reads and SETs after it are answered
    const size_t before = boxes.Calls().size();
    GuiTesting::UserClick(ButtonCaptioned(form, Row().Write));
    WaitIdle(form);
    const auto log = Sim().setLog();
    const auto told = BoxesSince(before);
    ASSERT_FALSE(log.empty()) << "no SET was sent; boxes: " << Joined(told) << " panel 0: " << Panel0(form);
    EXPECT_EQ(Carrying(told, GenErrText()), 1u) << "the refusal is not told once in a box; boxes: " << Joined(told)
                                                 << "\nSETs: " << ::testing::PrintToString(log);
    EXPECT_LE(int(log.size()) - 1, Row().SetsAfterRefusal) << "SETs after the refused one:\n" << ::testing::PrintToString(log);
    if (form.List && Row().SetsAfterRefusal == 0) {
      TButton* refresh = ButtonCaptioned(form, "Refresh");
      if (refresh) {
        GuiTesting::UserClick(refresh);
        WaitIdle(form);
      }
      EXPECT_EQ(Rows(form.List), rowsBefore) << "the switch's rows changed";
    }
  });
}

// 7. Closing while a read or a write waits for the switch: the window closes within the
// bound and nothing is touched after; a write is closed while it still waits for its reply.
// The dialog is modal here, as the menu shows it: its close only ends the modal loop once the
// write's handler has returned, so the code after the wait still finds it open. Scenario 8 is
// where a close lands beneath the wait.
using CloseDuringRead = DialogConformance;
TEST_P(CloseDuringRead, closing_while_reading_is_safe) {
  Sim().setDelay(300);
  Run([&](TFeatureDialog& form) {
    EXPECT_FALSE(form.Table && form.Table->Asynchronous && Idle(form)) << "the walk ended before the close";
    Close(form);
  });
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
    bool inClick = false;
    bool closedWaiting = false;
    bool closed = false;
    // Closed from the loop the write waits in, once its SET has reached the switch.
    Soon close(20, [&] {
      if (Sim().setLog().empty()) return false;
      closedWaiting = inClick || !Idle(form);
      closed = true;
      Close(form);
      return true;
    });
    inClick = true;
    GuiTesting::UserClick(write);
    inClick = false;
    GuiTesting::ProcessUntil([&] { return closed || (!Sim().setLog().empty() && Idle(form)); }, kWait);
    EXPECT_FALSE(Sim().setLog().empty()) << "no SET was sent; boxes: " << BoxTexts(boxes);
    EXPECT_TRUE(closedWaiting || Row().WriteBlocks) << "the close came after the write had ended";
  });
  Sim().setDelay(0);
  const std::string oneRead = dialogtest::SwitchValue("1.3.6.1.2.1.1.5", "0", NvSyntax::octetstr);
  int rounds = 0;
  GuiTesting::ProcessUntil([&] { return ++rounds > 20; }, kWait);
  EXPECT_FALSE(oneRead.empty());
}

// 8. The same close on the dialog shown as a window beside the others (Show, as a caller of the
// stock may show it): the frame's close then runs the close at once, from the loop the write
// waits in, so the dialog's requests go beneath the wait, and the dialog too where its close
// frees it. Whatever the write does after its wait must touch none of it: no SET after those
// already sent, no box, nothing shown changes, and the requests go with their last reply.
using CloseShownDuringWrite = DialogConformance;
TEST_P(CloseShownDuringWrite, nothing_is_touched_after_the_wait) {
  const NvMenuCommand* command = CommandOf(Row());
  ASSERT_NE(command, nullptr);
  Sim().restart();  // the rows as seeded: an earlier write of the shard may have deleted the one written here
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  // While a pop-up is up the dialog beneath it takes no close, as the window system has it.
  int popupsUp = 0;
  bool popupWrote = false;
  GuiTesting::ModalDriver popups([&](TCustomForm& popup) {
    ++popupsUp;
    popupWrote = true;
    AnswerPopup(popup);
    --popupsUp;
  });
  auto* form = dynamic_cast<TFeatureDialog*>(NvMakeCommandDialog(*command, host));
  ASSERT_NE(form, nullptr) << Row().Class << " is not a feature dialog";
  const std::shared_ptr<const bool> alive = form->Lifetime();
  ScopeExit freeForm([&] {
    if (*alive) delete form;  // before its owner goes; a close that frees it has done so
  });
  form->Show();
  WaitIdle(*form);
  PrepareWrite(*form);
  if (HasFailure()) return;
  TButton* write = ButtonCaptioned(*form, Row().Write);

  // What the dialog had sent when the close came, and showed once it had closed.
  struct {
    bool asked = false;
    bool closed = false;
    size_t sets = 0;
    size_t boxes = 0;
    std::string panel;
    std::map<std::string, std::string> shown;
    std::vector<std::shared_ptr<const bool>> requests;
    std::chrono::steady_clock::duration took{};
  } atClose;
  Sim().clearSetLog();
  Sim().setDelay(400);
  bool inClick = false;
  bool closedWaiting = false;
  // Closed from the loop the write waits in, once its SET has reached the switch.
  Soon close(20, [&] {
    if (Sim().setLog().empty() || popupsUp > 0) return false;
    closedWaiting = inClick || !Idle(*form);
    atClose.asked = true;
    atClose.sets = Sim().setLog().size();
    for (NvSNMPRequest2Controls* request : form->Requests()) atClose.requests.push_back(request->Lifetime());
    const auto start = std::chrono::steady_clock::now();
    GuiTesting::UserCloseWindow(form);
    atClose.took = std::chrono::steady_clock::now() - start;
    atClose.closed = !*alive || form->Closed() || !form->Visible();
    // What the close itself left (its pickers gone, say), from which nothing may change.
    atClose.boxes = boxes.Calls().size();
    if (*alive) {
      atClose.panel = Panel0(*form);
      atClose.shown = ShownState(*form);
    }
    return true;
  });
  inClick = true;
  GuiTesting::UserClick(write);
  inClick = false;
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return atClose.asked; }, kWait))
      << "no SET was sent; boxes: " << BoxTexts(boxes);
  EXPECT_TRUE(closedWaiting || Row().WriteBlocks || popupWrote) << "the close came after the write had ended";
  if (!atClose.closed) {
    // Its close guard refused while the write ran: closed again once it has ended.
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(*form); }, kWait));
    GuiTesting::UserCloseWindow(form);
    EXPECT_TRUE(!*alive || form->Closed()) << "closed again after the write, the dialog stays open";
    Sim().setDelay(0);
    return;
  }
  EXPECT_LT(atClose.took, kCloseBound) << "the close took "
                                       << std::chrono::duration_cast<std::chrono::milliseconds>(atClose.took).count()
                                       << " ms";
  // The requests go with their last reply, and a dialog that its close frees goes too.
  const auto requestsGone = [&] {
    return std::none_of(atClose.requests.begin(), atClose.requests.end(),
                        [](const std::shared_ptr<const bool>& request) { return *request; });
  };
  const bool gone = GuiTesting::ProcessUntil([&] { return requestsGone() && (!*alive || !form->Visible()); }, kWait);
  Sim().setDelay(0);
  EXPECT_TRUE(gone) << (requestsGone() ? "the closed dialog is still on show" : "a request of the closed dialog is never let go");
  EXPECT_EQ(Sim().setLog().size(), atClose.sets) << "SETs after the close:\n" << ::testing::PrintToString(Sim().setLog());
  EXPECT_EQ(Joined(BoxesSince(atClose.boxes)), "") << "boxes after the close";
  if (*alive) {
    EXPECT_EQ(Panel0(*form), atClose.panel) << "panel 0 written after the close";
    EXPECT_EQ(Differences(atClose.shown, "at the close", ShownState(*form), "afterwards"), "");
  }
}

// The rows for which a scenario means something.
std::vector<const DialogFacts*> RowsFor(Scenario what) {
  std::vector<const DialogFacts*> rows;
  for (const DialogFacts& row : conformance::Table()) {
    if (row.NoRead) continue;
    if ((what == Scenario::Keyboard || what == Scenario::StopRefresh) && row.NoList) continue;
    if (what == Scenario::StopRefresh && ReadInOneGo(row)) continue;
    if ((what == Scenario::WriteRefused || what == Scenario::CloseDuringWrite ||
         what == Scenario::CloseShownDuringWrite) &&
        row.NoWrite)
      continue;
    if (what == Scenario::ReadGate && !(row.NoList && !row.NoWrite) && !row.Popup) continue;
    rows.push_back(&row);
  }
  return rows;
}

std::string NameOf(const ::testing::TestParamInfo<const DialogFacts*>& info) { return info.param->Class; }

INSTANTIATE_TEST_SUITE_P(Dialogs, Open, ::testing::ValuesIn(RowsFor(Scenario::Open)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, Keyboard, ::testing::ValuesIn(RowsFor(Scenario::Keyboard)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, GenErr, ::testing::ValuesIn(RowsFor(Scenario::GenErr)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, Silence, ::testing::ValuesIn(RowsFor(Scenario::Silence)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, ReadGate, ::testing::ValuesIn(RowsFor(Scenario::ReadGate)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, StopRefresh, ::testing::ValuesIn(RowsFor(Scenario::StopRefresh)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, WriteRefused, ::testing::ValuesIn(RowsFor(Scenario::WriteRefused)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, CloseDuringRead, ::testing::ValuesIn(RowsFor(Scenario::CloseDuringRead)), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, CloseDuringWrite, ::testing::ValuesIn(RowsFor(Scenario::CloseDuringWrite)),
                         NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, CloseShownDuringWrite,
                         ::testing::ValuesIn(RowsFor(Scenario::CloseShownDuringWrite)), NameOf);

}  // namespace
