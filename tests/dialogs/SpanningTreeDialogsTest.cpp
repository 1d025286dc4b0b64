// The spanning tree state and parameter dialogs against the simulated switch: what they read,
// the SETs they send (switchsim's SET log), their checks, progress windows and the version
// they remember.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "Progress.h"
#include "ShellTexts.h"
#include "Spanningtreealgorithmunit.h"
#include "Stpinfo.h"
#include "SwitchValues.h"

namespace {

using dialogtest::Retype;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kStp = "1.3.6.1.4.1.32473.12.15.1.";
std::string Obj(int n) { return kStp + std::to_string(n) + ".0"; }

// Progress windows shown modally: their caption and prompt; each is closed at once.
struct ProgressWatch {
  std::vector<std::string> shown;
  GuiTesting::ModalDriver driver{[this](TCustomForm& form) {
    auto* progress = dynamic_cast<TProgressForm*>(&form);
    if (!progress) return;
    shown.push_back(progress->Caption() + " / " + progress->LB_Prompt->Caption());
    progress->Close();
  }};
};

class SpanningTreeStateDialog : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  void Open(const SwitchSim::Options& options = {}) {
    delete form;
    form = nullptr;
    sim = std::make_unique<SwitchSim>(options);
    dialogtest::PointSessionAt(*sim);
    form = new TSpanningTreeAlgorithmForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return Idle() && !form->lbSTPState->Caption().empty(); }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  bool Idle() const { return !form->StateRequest->Busy && !form->ReferenceRequest->Busy; }
  void Choose(const std::string& state) {
    GuiTesting::UserChoose(form->ComboBox1, form->ComboBox1->Items->IndexOf(state));
    UserClick(form->SetButton);
    ASSERT_TRUE(ProcessUntil([&] { return Idle(); }));
  }

  std::unique_ptr<SwitchSim> sim;
  TSpanningTreeAlgorithmForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
  ProgressWatch progress;
};

TEST_F(SpanningTreeStateDialog, shows_the_state_the_switch_holds) {
  EXPECT_EQ(form->ComboBox1->Text(), "enabled");
  EXPECT_EQ(form->lbSTPState->Caption(), "enabled");
  EXPECT_EQ(form->ClientWidth, 361);
  EXPECT_EQ(form->ClientHeight, 115);
}

TEST_F(SpanningTreeStateDialog, disabled_is_always_sent_without_a_question) {
  Choose("disabled");
  Choose("disabled");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Obj(1) + "=2:2", Obj(1) + "=2:2"}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_TRUE(progress.shown.empty());
  EXPECT_EQ(form->ComboBox1->Text(), "disabled");
}

TEST_F(SpanningTreeStateDialog, a_refused_disabled_is_read_again_and_shows_the_state_the_switch_runs) {
  SwitchSim::Options options;
  options.extraSeeds = {dialogtest::TestSeed("stp-state-fixed.snmprec")};
  Open(options);
  Choose("disabled");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Obj(1) + "=2:2"}));
  EXPECT_EQ(dialogtest::SwitchValue(Obj(1), NvSyntax::integer), "3");
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the switch's refusal
  EXPECT_EQ(form->ComboBox1->Text(), "enabled");
  EXPECT_EQ(form->lbSTPState->Caption(), "enabled");
}

TEST_F(SpanningTreeStateDialog, enabled_while_enabled_sends_nothing) {
  Choose("enabled");
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SpanningTreeStateDialog, enabling_again_after_disabling_asks_and_shows_the_progress) {
  Choose("disabled");
  boxes.Answer(mrOk);
  Choose("enabled");
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "To enable STP may take a long time. Do you want to go on?");
  EXPECT_EQ(progress.shown, (std::vector<std::string>{"Enable STP Progress / Enable STP is processing..."}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Obj(1) + "=2:2", Obj(1) + "=2:3"}));
  EXPECT_EQ(dialogtest::SwitchValue(Obj(1), NvSyntax::integer), "3");
  EXPECT_EQ(form->lbSTPState->Caption(), "enabled");
}

TEST_F(SpanningTreeStateDialog, cancelling_the_question_sends_nothing) {
  Choose("disabled");
  sim->clearSetLog();
  boxes.Answer(mrCancel);
  Choose("enabled");
  EXPECT_EQ(boxes.Calls().size(), 1u);
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(progress.shown.empty());
  EXPECT_EQ(form->ComboBox1->Text(), "disabled");  // read again: still off
}

TEST_F(SpanningTreeStateDialog, closing_frees_both_requests) {
  form->Close();
  EXPECT_EQ(form->StateRequest, nullptr);
  EXPECT_EQ(form->ReferenceRequest, nullptr);
}

class StpControlDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetStpVersionText("ST_Version");  // a fresh program run
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = new TSTP_Info(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return !form->ListRequest->Busy && form->ListView1->Items->Count == 1; }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  std::string Status() const { return form->StatusBar1->Panels->Items[0]->Text; }
  void Fill(const std::string& maxAge, const std::string& hello, const std::string& forwardDelay,
            const std::string& maxHops) {
    form->ET_AgingTime->Text = maxAge;
    form->ET_HelloTime->Text = hello;
    form->ET_ForwardDelay->Text = forwardDelay;
    form->ET_Priority->Text = maxHops;
  }
  void ChooseVersion(const std::string& version) {
    GuiTesting::UserChoose(form->Combo_STPVersion, form->Combo_STPVersion->Items->IndexOf(version));
  }

  std::unique_ptr<SwitchSim> sim;
  TSTP_Info* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
  ProgressWatch progress;
};

TEST_F(StpControlDialog, shows_the_version_and_timers_of_the_switch) {
  EXPECT_EQ(form->Combo_STPVersion->Text(), "rstp");
  EXPECT_EQ(form->ET_AgingTime->Text(), "2000");
  EXPECT_EQ(form->ET_HelloTime->Text(), "200");
  EXPECT_EQ(form->ET_ForwardDelay->Text(), "1500");
  EXPECT_EQ(form->ET_Priority->Text(), "20");
  EXPECT_EQ(form->ED_TxHoldCount->Text(), "3");
  EXPECT_EQ(form->Combo_BPDU->Text(), "disabled");
  EXPECT_EQ(form->lbMSTPState->Caption(), "enabled");
  EXPECT_EQ(form->Caption(), "Spanning Tree Control : ");
  EXPECT_TRUE(form->ET_HelloTime->Enabled);
}

TEST_F(StpControlDialog, timer_relations_and_empty_fields_are_refused_in_the_status_bar) {
  struct Case {
    const char *maxAge, *hello, *forwardDelay, *maxHops, *status;
  };
  const Case cases[] = {
      {"2000", "200", "1000", "20", "Data Error !"},  // 2*1000-200 < 2000
      {"600", "201", "1000", "20", "Data Error !"},   // 600 < 2*201+200
      {"2000", "200", "1500", "", "Don't Leave Empty Fileds !"},
      {"2000", "", "1500", "20", "Don't Leave Empty Fileds !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    Fill(c.maxAge, c.hello, c.forwardDelay, c.maxHops);
    UserClick(form->BT_Set);
    EXPECT_EQ(Status(), c.status);
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StpControlDialog, relations_at_their_limits_pass_and_all_seven_go_in_one_set) {
  Fill("1800", "200", "1000", "20");  // 2*1000-200 = 1800
  UserClick(form->BT_Set);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Obj(2) + "=2:1 ; " + Obj(3) + "=2:1800 ; " + Obj(4) + "=2:200 ; " +
                                                     Obj(5) + "=2:1000 ; " + Obj(6) + "=2:20 ; " + Obj(7) + "=2:3 ; " +
                                                     Obj(8) + "=2:2"}));
  // The first version written in a run counts as a change while STP runs.
  EXPECT_EQ(progress.shown, (std::vector<std::string>{"Set STP Progress / Change STP Version is processing..."}));
  EXPECT_EQ(StpVersionText(), "rstp");

  sim->clearSetLog();
  UserClick(form->BT_Set);  // the same version again: no progress
  EXPECT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(progress.shown.size(), 1u);
}

TEST_F(StpControlDialog, mstp_leaves_the_hello_time_out) {
  ChooseVersion("mstp");
  EXPECT_FALSE(form->ET_HelloTime->Enabled);
  EXPECT_EQ(form->ET_HelloTime->Text(), "");
  UserClick(form->BT_Set);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Obj(2) + "=2:2 ; " + Obj(3) + "=2:2000 ; " + Obj(5) +
                                                     "=2:1500 ; " + Obj(6) + "=2:20 ; " + Obj(7) + "=2:3 ; " +
                                                     Obj(8) + "=2:2"}));
  EXPECT_EQ(StpVersionText(), "mstp");
  EXPECT_EQ(dialogtest::SwitchValue(Obj(2), NvSyntax::integer), "2");

  ChooseVersion("stp");
  EXPECT_TRUE(form->ET_HelloTime->Enabled);
  EXPECT_EQ(form->ET_HelloTime->Text(), "200");
}

TEST_F(StpControlDialog, a_refused_set_keeps_the_remembered_version_and_shows_no_progress) {
  sim->setSubtreeError(kStp + "2", 10);
  ChooseVersion("stp");
  UserClick(form->BT_Set);
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the request's message box
  EXPECT_EQ(StpVersionText(), "ST_Version");
  EXPECT_TRUE(progress.shown.empty());
}

TEST_F(StpControlDialog, closing_frees_every_request) {
  form->Close();
  EXPECT_EQ(form->ListRequest, nullptr);
  EXPECT_EQ(form->StateRequest, nullptr);
  EXPECT_EQ(form->ParamsRequest, nullptr);
}

}  // namespace
