// The traffic segmentation dialog against the simulated switch: the rows, the chosen port's
// forwarding set in the picker, the one SET that Set sends and the re-read after its reply.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Trafficforwardunit1.h"

namespace {

using namespace dialogtest;

const std::string kForward = "1.3.6.1.4.1.32473.11.113.1.3.2.12.1.1.2";

class TrafficSegmentationDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    form = new TTrafficSegmentationForm(nullptr);
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
  }
  void TearDown() override { delete form; }

  std::unique_ptr<SwitchSim> sim;
  TTrafficSegmentationForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(TrafficSegmentationDialog, lists_each_port_and_shows_the_chosen_ones_set) {
  Open();
  TListView* list = form->LV_TrafficForward;
  EXPECT_EQ(list->Items->Count, 28);
  EXPECT_EQ(form->StaticText1->Caption(), "28");
  EXPECT_FALSE(form->BT_Set->Enabled);
  ChooseRow(list, "5");
  EXPECT_EQ(form->Combo_Port->Text(), "5");
  EXPECT_EQ(form->Combo_Unit->Text(), "1");
  EXPECT_EQ(CheckedPorts(form->Picker), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 25, 26, 27, 28}));
  EXPECT_TRUE(form->BT_Set->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TrafficSegmentationDialog, set_writes_the_forwarding_set_of_the_chosen_port_in_one_set) {
  Open();
  sim->clearSetLog();
  ChooseRow(form->LV_TrafficForward, "5");
  TogglePorts(form->Picker, {9, 5});  // port 9 in; the port's own box out, as any other
  PressAndWait(form, form->BT_Set);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kForward + ".5=4x:F78000F000000000"}));
  EXPECT_EQ(SwitchValue(kForward, "5", NvSyntax::octetstr), "F78000F000000000");
  // Read again after the reply: the list shows the new set, the detail is cleared.
  EXPECT_EQ(Cell(form->LV_TrafficForward, "5", 1), "F78000F000000000");
  EXPECT_EQ(form->LV_TrafficForward->Items->Count, 28);
  EXPECT_EQ(form->Combo_Port->Text(), "");
  EXPECT_TRUE(CheckedPorts(form->Picker).empty());
  EXPECT_FALSE(form->BT_Set->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TrafficSegmentationDialog, refresh_waits_for_a_running_read) {
  Open();
  ChooseRow(form->LV_TrafficForward, "3");
  sim->setDelay(300);
  sim->clearSetLog();
  GuiTesting::UserClick(form->BT_Get);
  ASSERT_EQ(form->DataComplete, 0);
  EXPECT_FALSE(form->BT_Set->Enabled);
  GuiTesting::UserClick(form->BT_Get);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Refresh not complete");
  GuiTesting::UserClick(form->StopBtn);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(TrafficSegmentationDialog, stack_port_numbers_show_as_port_and_unit) {
  SwitchSim::Options options;
  options.defaultSeed = false;
  options.extraSeeds = {TestSeed("segmentation-stack-ports.snmprec")};
  Open(options);
  const struct {
    const char* row;
    const char* port;
    const char* unit;
  } cases[] = {{"28", "28", "1"}, {"64", "64", "1"}, {"65", "1", "2"}, {"0", "0", "0"}};
  for (const auto& c : cases) {
    ChooseRow(form->LV_TrafficForward, c.row);
    EXPECT_EQ(form->Combo_Port->Text(), c.port) << c.row;
    EXPECT_EQ(form->Combo_Unit->Text(), c.unit) << c.row;
  }
}

TEST_F(TrafficSegmentationDialog, set_refused_by_the_switch_is_reported_and_read_again) {
  Open();
  sim->clearSetLog();
  ChooseRow(form->LV_TrafficForward, "7");
  TogglePorts(form->Picker, {1});
  // The row refuses writes until the refusal has been shown.
  sim->setSubtreeError(kForward + ".7", 17);  // notWritable
  std::vector<GuiTesting::MessageBoxCall> shown;
  GuiTesting::Answerer before = GuiTesting::SetAnswerer([&](const GuiTesting::MessageBoxCall& call) {
    shown.push_back(call);
    sim->setSubtreeError(kForward + ".7", 0);
    return call.buttons.empty() ? 0 : call.buttons.front();
  });
  PressAndWait(form, form->BT_Set);
  GuiTesting::SetAnswerer(before);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, GuiTesting::BoxKind::MessageBox);
  EXPECT_EQ(shown[0].title, "NVS-7000-D");
  EXPECT_EQ(Cell(form->LV_TrafficForward, "7", 1), "FF0000F000000000");  // as it was
  EXPECT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(form->LV_TrafficForward->Items->Count, 28);
  EXPECT_EQ(form->DataComplete, 1);
}

}  // namespace
