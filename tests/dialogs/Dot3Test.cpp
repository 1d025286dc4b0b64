// The dot3 pause and control dialogs against the simulated switch: the port list, one port's
// counters read on a click and by the timer, the pause admin mode written by Set (switchsim's
// SET log), and a failed counter read that stops the timer before it says so.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "NvSNMPRequest2Edits.h"
#include "TableDialogDriver.h"

namespace {

using dialogtest::ChooseRow;
using dialogtest::RowCells;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kPauseAdmin = "1.3.6.1.2.1.10.7.10.1.1";

template <class Form>
class Dot3Dialog : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = new Form(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, dialogtest::kLongWait));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  std::vector<std::string> Counters() const {
    std::vector<std::string> values;
    for (int i = 0; i < form->ListView2->Items->Count; ++i)
      values.push_back(form->ListView2->Items->Item[i]->SubItems->Get(0));
    return values;
  }

  std::unique_ptr<SwitchSim> sim;
  Form* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

using Dot3Pause = Dot3Dialog<Tdot3PauseForm>;
using Dot3Control = Dot3Dialog<Tdot3ControlForm>;

TEST_F(Dot3Pause, lists_the_ports_and_reads_the_chosen_ports_counters) {
  EXPECT_EQ(form->ListView1->Items->Count, 28);
  EXPECT_EQ(RowCells(form->ListView1, {"3"}), (std::vector<std::string>{"3", "disabled", "disabled"}));
  EXPECT_EQ(RowCells(form->ListView1, {"11"}), (std::vector<std::string>{"11", "enabledXmitAndRcv", "disabled"}));
  EXPECT_TRUE(form->cbxAdminMode->Enabled);
  EXPECT_FALSE(form->btnSet->Enabled);
  EXPECT_EQ(form->ListView2->Items->Item[0]->Caption(), "In Pause Frame");
  EXPECT_EQ(Counters(), (std::vector<std::string>{"", ""}));

  ChooseRow(form->ListView1, {"5"});
  EXPECT_EQ(Counters(), (std::vector<std::string>{"1185", "255"}));
  EXPECT_EQ(form->cbxAdminMode->Text(), "enabledXmitAndRcv");
  EXPECT_TRUE(form->btnSet->Enabled);
  ChooseRow(form->ListView1, {"3"});
  EXPECT_EQ(Counters(), (std::vector<std::string>{"0", "0"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Dot3Pause, set_writes_only_the_admin_mode_of_the_chosen_port) {
  ChooseRow(form->ListView1, {"4"});
  GuiTesting::UserChoose(form->cbxAdminMode, 3);  // enabledXmitAndRcv
  UserClick(form->btnSet);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPauseAdmin + ".4=2:4"}));
  EXPECT_EQ(dialogtest::SwitchValue(kPauseAdmin, "4", NvSyntax::integer), "4");
  EXPECT_EQ(RowCells(form->ListView1, {"4"}), (std::vector<std::string>{"4", "enabledXmitAndRcv", "enabledXmit"}));
  EXPECT_FALSE(form->btnSet->Enabled);
  EXPECT_EQ(Counters(), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Dot3Pause, set_and_refresh_during_a_walk_send_nothing) {
  ChooseRow(form->ListView1, {"4"});
  sim->setDelay(100);
  UserClick(form->btnGet);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->btnGet);  // nothing, not even a message
  EXPECT_TRUE(boxes.Calls().empty());
  ASSERT_TRUE(ProcessUntil([&] { return form->ListView1->Items->Count > 0; }, dialogtest::kLongWait));
  ChooseRow(form->ListView1, {"1"});
  UserClick(form->btnSet);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  UserClick(form->btnStop);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(Dot3Pause, interval_rereads_the_chosen_port_by_the_timer) {
  ChooseRow(form->ListView1, {"5"});
  GuiTesting::UserChoose(form->cbxInterval, 1);  // 2s
  EXPECT_TRUE(form->Timer1->Enabled);
  EXPECT_EQ(form->Timer1->Interval, 2000);
  form->ListView2->Items->Item[0]->SubItems->Put(0, "stale");
  ASSERT_TRUE(ProcessUntil([&] { return Counters()[0] == "1185"; }, dialogtest::kLongWait));
  EXPECT_TRUE(form->Timer1->Enabled);
  GuiTesting::UserChoose(form->cbxInterval, 0);  // none
  EXPECT_FALSE(form->Timer1->Enabled);
}

TEST_F(Dot3Pause, failed_counter_read_stops_the_timer_before_its_one_message) {
  std::vector<bool> timerRunningAtBox;
  GuiTesting::Answerer previous = GuiTesting::SetAnswerer([&](const GuiTesting::MessageBoxCall& call) {
    EXPECT_EQ(call.text, "Get data not completed.");
    timerRunningAtBox.push_back(form->Timer1->Enabled());
    return call.buttons.empty() ? 1 : call.buttons[0];
  });
  GuiTesting::UserChoose(form->cbxInterval, 1);  // 2s, before any port is chosen
  ASSERT_TRUE(ProcessUntil([&] { return !timerRunningAtBox.empty(); }, dialogtest::kLongWait));
  GuiTesting::SetAnswerer(previous);
  EXPECT_EQ(timerRunningAtBox, (std::vector<bool>{false}));
  EXPECT_FALSE(form->Timer1->Enabled);
  EXPECT_EQ(form->cbxInterval->Text(), "none");
}

TEST_F(Dot3Control, lists_the_ports_and_shows_the_pause_function_and_unknown_opcodes) {
  EXPECT_EQ(form->ListView1->Items->Count, 28);
  EXPECT_EQ(form->ListView2->Items->Item[0]->Caption(), "Recived Unknown Opcodes");
  EXPECT_TRUE(form->Functions[0]->Visible);
  EXPECT_FALSE(form->Functions[1]->Visible);

  ChooseRow(form->ListView1, {"10"});
  EXPECT_TRUE(form->Functions[0]->Checked);
  EXPECT_EQ(Counters(), (std::vector<std::string>{"30"}));
  ChooseRow(form->ListView1, {"25"});
  EXPECT_FALSE(form->Functions[0]->Checked);
  EXPECT_EQ(Counters(), (std::vector<std::string>{"75"}));
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
