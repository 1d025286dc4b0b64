// What every dialog with a write tells of it, held against what the switch holds afterwards:
// a write the switch refuses at each of its SETs in turn, and a write the switch takes but
// never answers. The dialogs come from the command runner's registry and the conformance table.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "CommandRunner.h"
#include "DialogConformance.h"
#include "DialogConformanceDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "Mbacontrolunit.h"
#include "NvSNMPRequest2Controls.h"
#include "NvSNMPSession.h"
#include "StdCtrls.h"

namespace {

using conformance::ButtonCaptioned;
using conformance::DialogFacts;
using conformance::Idle;
using conformance::kWait;
using conformance::Sim;
using Clock = std::chrono::steady_clock;

constexpr int kPatientTimeOut = 300;  // hundredths of a second
constexpr int kShortTimeOut = 60;     // two exchanges outlast one and the second of slack
constexpr int kGenErr = 5;
constexpr int kMostSteps = 4;         // SETs of one press refused in turn

// A box that tells (one button), not one that asks.
std::vector<std::string> Tells(const GuiTesting::ScriptedAnswerer& boxes, size_t from) {
  std::vector<std::string> tells;
  for (size_t i = from; i < boxes.Calls().size(); ++i)
    if (boxes.Calls()[i].buttons.size() <= 1) tells.push_back(boxes.Calls()[i].text);
  return tells;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string all;
  for (const std::string& text : texts) all += "[" + text + "]";
  return all;
}

// The names a box lists after head, up to the end of that sentence.
std::vector<std::string> Listed(const std::string& text, const std::string& head) {
  std::vector<std::string> names;
  const size_t at = text.find(head);
  if (at == std::string::npos) return names;
  const size_t from = at + head.size();
  const size_t end = text.find(".\n", from);
  std::istringstream list(text.substr(from, (end == std::string::npos ? text.size() - 1 : end) - from));
  for (std::string name; std::getline(list, name, ',');) names.push_back(name.substr(name.find_first_not_of(' ')));
  return names;
}

// The labels of the dialog's variables that one SET of the switch's log carried.
std::set<std::string> LabelsSent(TFeatureDialog& form, const std::string& logLine) {
  std::set<std::string> labels;
  std::istringstream bindings(logLine);
  for (std::string binding; std::getline(bindings, binding, ';');) {
    const std::string oid = binding.substr(binding.find_first_not_of(' '), binding.find('=') - binding.find_first_not_of(' '));
    for (NvSNMPRequest2Controls* request : form.Requests()) {
      const NvSNMPVarList& vars = request->Request.Vars;
      for (int i = 0; i < vars.GetCount(); ++i) {
        const std::string column = vars.GetVar(i)->Oid ? vars.GetVar(i)->Oid : "";
        if (column.size() > 1 && oid.rfind(column + ".", 0) == 0 && vars.GetVar(i)->Label) labels.insert(vars.GetVar(i)->Label);
      }
    }
  }
  return labels;
}

// The longest the message loop went without handling a message: a repeating timer's widest
// gap between ticks.
class LoopWatch {
 public:
  LoopWatch() : timer_(nullptr), last_(Clock::now()) {
    timer_.Interval = 10;
    timer_.OnTimer = [this](TObject*) { Tick(); };
    timer_.Enabled = true;
  }
  std::chrono::milliseconds Longest() {
    Tick();
    return std::chrono::duration_cast<std::chrono::milliseconds>(longest_);
  }

 private:
  void Tick() {
    const auto now = Clock::now();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  TTimer timer_;
  Clock::time_point last_;
  Clock::duration longest_{};
};

// One exchange of the dialog's slowest request (every try), and a second.
std::chrono::milliseconds HoldBound(TFeatureDialog& form) {
  int longest = 0;
  for (NvSNMPRequest2Controls* request : form.Requests())
    longest = std::max(longest, request->Request.TimeOut * 10 * (request->Request.Retries + 1));
  return std::chrono::milliseconds(longest + 1000);
}

// Requests made from now on talk SNMPv3 as the switch's MD5 user, or SNMPv2c again.
void UseVersion3(bool v3) {
  NvSNMPSecurity::Version = v3 ? 3 : 1;
  NvSNMPSecurity::SecurityModel = v3 ? 3 : 2;
  NvSNMPSecurity::SecurityLevel = v3 ? 2 : 1;
  NvSNMPSecurity::SecurityName = v3 ? "md5user" : "";
  NvSNMPSecurity::AuthPassword = v3 ? "md5authpass" : "";
  NvSNMPSecurity::AuthProtocol = v3 ? 2 : 1;
}

class DialogWriteOutcome : public ::testing::TestWithParam<const DialogFacts*> {
 protected:
  void SetUp() override {
    dialogtest::PointDialogsAt(Sim(), kPatientTimeOut);
    UseVersion3(Version3());
  }
  void TearDown() override {
    Sim().clearFaults();
    UseVersion3(false);
  }
  virtual bool Version3() const { return false; }

  const DialogFacts& Row() const { return *GetParam(); }

  // The row's menu command; body runs on the shown dialog once its first read has ended, then
  // the dialog is closed as a user would once its requests have ended. A pop-up the dialog
  // shows gets its write pressed, then is closed.
  void Run(const std::function<void(TFeatureDialog&)>& body) {
    conformance::RunMenuCommand(
        Row(),
        [&](TFeatureDialog& dialog) {
          ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(dialog); }, kWait));
          body(dialog);
          Sim().clearFaults();
          const std::shared_ptr<const bool> alive = dialog.Lifetime();
          GuiTesting::ProcessUntil(
              [&] {
                if (!*alive || dialog.ModalResult() != mrNone) return true;
                if (Idle(dialog)) GuiTesting::UserCloseWindow(&dialog);
                return false;
              },
              kWait);
          if (*alive && dialog.ModalResult() == mrNone) {
            ADD_FAILURE() << "the dialog never agreed to close";
            dialog.ModalResult = mrCancel;
          }
        },
        [&](TCustomForm& popup) { conformance::AnswerPopup(popup, Row()); });
  }

  void PrepareWrite(TFeatureDialog& form) { conformance::PrepareWrite(form, Row()); }

  // The write pressed (prepared first unless it already is); waits until the dialog is idle again.
  void PressWrite(TFeatureDialog& form, bool prepare = true) {
    if (prepare) PrepareWrite(form);
    TButton* write = ButtonCaptioned(form, Row().Write);
    ASSERT_NE(write, nullptr) << Row().Write;
    GuiTesting::UserClick(write);
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait)) << "the write never ended";
  }

  // The write taken and never answered: one box, the window held no longer than the bound,
  // nothing that went to the switch called not made.
  void ExpectSilenceToldOnceSoon() {
    Run([&](TFeatureDialog& form) {
      for (NvSNMPRequest2Controls* request : form.Requests()) request->Request.TimeOut = kShortTimeOut;
      const std::chrono::milliseconds bound = HoldBound(form);
      PrepareWrite(form);  // its reads answered
      Sim().clearSetLog();
      const size_t before = boxes.Calls().size();
      Sim().setDropReplies(true);
      LoopWatch watch;
      PressWrite(form, false);
      const std::chrono::milliseconds held = watch.Longest();
      Sim().setDropReplies(false);
      if (HasFatalFailure()) return;
      const std::vector<std::string> log = Sim().setLog();
      // In SNMPv3 the silent switch may not even be found: then no SET reaches it at all.
      if (!Version3()) {
        ASSERT_FALSE(log.empty()) << "no SET was sent";
      }
      const std::vector<std::string> tells = Tells(boxes, before);
      EXPECT_EQ(tells.size(), 1u) << Joined(tells);
      EXPECT_LE(held.count(), bound.count()) << "the window was held " << held.count() << " ms";
      std::set<std::string> sent;
      for (const std::string& line : log)
        for (const std::string& label : LabelsSent(form, line)) sent.insert(label);
      for (const std::string& told : tells)
        for (const std::string& name : Listed(told, "These changes were not made: "))
          EXPECT_FALSE(sent.count(name)) << name << " went to the switch, which may hold it: " << told;
    });
  }

  GuiTesting::ScriptedAnswerer boxes;
};

// Refused at its first SET, then at its second, and so on: one box tells the refusal, and what
// it says was made is what the switch took; nothing it took is called not made.
using RefusedAtEachStep = DialogWriteOutcome;
TEST_P(RefusedAtEachStep, the_switch_holds_what_the_dialog_says_it_made) {
  Run([&](TFeatureDialog& form) {
    for (int step = 1; step <= kMostSteps; ++step) {
      SCOPED_TRACE("SET " + std::to_string(step) + " refused");
      Sim().clearSetLog();
      Sim().refuseSet(step, kGenErr);
      const size_t before = boxes.Calls().size();
      PressWrite(form);
      Sim().refuseSet(0, kGenErr);
      if (HasFatalFailure()) return;
      const std::vector<std::string> log = Sim().setLog();
      if (static_cast<int>(log.size()) < step) {
        EXPECT_GT(step, 1) << "no SET was sent; boxes: " << Joined(Tells(boxes, before));
        return;  // the write has fewer SETs
      }
      // A SET that carries nothing cannot be refused by the switch's objects.
      if (log[static_cast<size_t>(step - 1)].empty()) return;
      const std::vector<std::string> tells = Tells(boxes, before);
      ASSERT_EQ(tells.size(), 1u) << "the refusal is told once: " << Joined(tells);
      const std::string& told = tells.front();
      // What the switch took: every SET of the press but the refused one.
      std::set<std::string> refusedLabels = LabelsSent(form, log[static_cast<size_t>(step - 1)]);
      std::set<std::string> takenLabels;
      for (size_t k = 0; k < log.size(); ++k)
        if (static_cast<int>(k) != step - 1)
          for (const std::string& label : LabelsSent(form, log[k])) takenLabels.insert(label);
      const bool someTaken = log.size() > 1;
      EXPECT_EQ(told.find("These changes were made: ") != std::string::npos, someTaken)
          << "the switch took " << log.size() - 1 << " of the SETs; the box: " << told;
      for (const std::string& name : Listed(told, "These changes were not made: "))
        EXPECT_TRUE(!takenLabels.count(name) || refusedLabels.count(name))
            << name << " is called not made, but the switch took it: " << told;
    }
  });
}

// Taken and never answered: one box, the window back within one exchange of the slowest
// request and a second, and nothing the switch may hold called not made.
using NeverAnswered = DialogWriteOutcome;
TEST_P(NeverAnswered, is_told_once_soon_and_never_as_not_made) { ExpectSilenceToldOnceSoon(); }

// A switch that answers only after a request's first try has timed out: opening a dialog
// whose blocking reads are chained holds the window for one of them, not for each.
class SlowSwitch : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    DeviceAddress = "127.0.0.1";
    Sim().clearFaults();
    ::PointSessionAt(Sim(), 1, kPatientTimeOut);
    UseVersion3(GetParam());
  }
  void TearDown() override {
    Sim().clearFaults();
    UseVersion3(false);
  }
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(SlowSwitch, opening_chained_blocking_reads_holds_the_window_once) {
  constexpr int kLateBy = 300;  // ms past the dialog's own time-out
  std::unique_ptr<TMBAControlForm> form;
  std::chrono::milliseconds held{}, bound{};
  {
    Sim().setDelay(3000 + kLateBy);
    LoopWatch watch;
    form = std::make_unique<TMBAControlForm>(nullptr);
    held = watch.Longest();
    bound = HoldBound(*form);
    Sim().setDelay(0);
  }
  ASSERT_EQ(bound.count(), 3000 * 2 + 1000) << "the dialog's own time-out changed: change kLateBy's base";
  EXPECT_LE(held.count(), bound.count()) << "opening held the window " << held.count() << " ms";
  GuiTesting::ProcessUntil([&] { return Idle(*form); }, kWait);
}

INSTANTIATE_TEST_SUITE_P(Versions, SlowSwitch, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "v3" : "v2c"; });

// The same in SNMPv3, for the dialogs whose writes are several SETs or blocking exchanges.
class NeverAnsweredInVersion3 : public DialogWriteOutcome {
 protected:
  bool Version3() const override { return true; }
};
TEST_P(NeverAnsweredInVersion3, is_told_once_soon_and_never_as_not_made) { ExpectSilenceToldOnceSoon(); }

std::vector<const DialogFacts*> RowsWithWrite() {
  std::vector<const DialogFacts*> rows;
  for (const DialogFacts& row : conformance::Table())
    if (!row.NoRead && !row.NoWrite && row.Write) rows.push_back(&row);
  return rows;
}

// Dialogs whose one press is several SETs, or blocking exchanges.
constexpr const char* kSeveralSetsOrBlocking[] = {"TMBAControlForm",  "TGuestVlanForm",   "TPortTrunkForm",
                                                  "TSafeguardCtrlForm", "TPortMirrorForm", "TSpanningTreeAlgorithmForm",
                                                  "TfrmSummerTime",   "TVlanStaticForm"};

std::vector<const DialogFacts*> RowsOf(std::span<const char* const> classes) {
  std::vector<const DialogFacts*> rows;
  for (const DialogFacts* row : RowsWithWrite())
    if (std::find_if(classes.begin(), classes.end(), [&](const char* c) { return std::string(c) == row->Class; }) !=
        classes.end())
      rows.push_back(row);
  return rows;
}

std::string NameOf(const ::testing::TestParamInfo<const DialogFacts*>& info) { return info.param->Class; }

INSTANTIATE_TEST_SUITE_P(Dialogs, RefusedAtEachStep, ::testing::ValuesIn(RowsWithWrite()), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, NeverAnswered, ::testing::ValuesIn(RowsWithWrite()), NameOf);
INSTANTIATE_TEST_SUITE_P(Dialogs, NeverAnsweredInVersion3, ::testing::ValuesIn(RowsOf(kSeveralSetsOrBlocking)), NameOf);

}  // namespace
