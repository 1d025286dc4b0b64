// The current VLAN and port VLAN dialogs against the simulated switch: what they show, the one
// SET of a port's settings and the port chosen again after the re-read.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"

namespace {

using namespace dialogtest;

template <class F>
class QBridgeDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    PointSessionAt(*sim);
    form = new F(nullptr);
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  std::unique_ptr<SwitchSim> sim;
  F* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

using VlanCurrentDialog = QBridgeDialog<TVLanCurrentTableForm>;
using PortVlanDialog = QBridgeDialog<TVLanPortInfomationForm>;

TEST_F(VlanCurrentDialog, lists_current_vlans_and_shows_the_chosen_ones_ports_unchangeable) {
  TListView* list = form->LV_dot1qVlanCurrentEntry;
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->VlanNumDeletes->Caption() == "3"; }));
  EXPECT_EQ(list->Items->Count, 4);
  EXPECT_EQ(form->ST_Count2->Caption(), "4");
  EXPECT_EQ(form->PageControl1->PageCount, 2);
  // The index columns: time mark 0, then the VLAN.
  ASSERT_NE(list->Items->Count, 0);
  GuiTesting::UserClickItem(list, list->Items->Item[1]);
  EXPECT_EQ(form->StaticText1->Caption(), "10");
  EXPECT_EQ(CheckedPorts(form->EgressPicker), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(CheckedPorts(form->UntaggedPicker), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_FALSE(PortBox(form->EgressPicker, 1)->Enabled);
  GuiTesting::UserClick(PortBox(form->EgressPicker, 1));
  EXPECT_TRUE(PortBox(form->EgressPicker, 1)->Checked);

  GuiTesting::UserClickItem(list, list->Items->Item[3]);  // learned through GVRP
  EXPECT_EQ(form->StaticText1->Caption(), "30");
  EXPECT_EQ(CheckedPorts(form->EgressPicker), (std::vector<int>{25, 26}));
  list->ClearSelection();
  EXPECT_EQ(form->StaticText1->Caption(), "");
  EXPECT_TRUE(CheckedPorts(form->EgressPicker).empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(VlanCurrentDialog, refresh_reads_both_again_and_clears_the_choice) {
  TListView* list = form->LV_dot1qVlanCurrentEntry;
  GuiTesting::UserClickItem(list, list->Items->Item[0]);
  GuiTesting::UserClick(form->RefreshBtn);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && !form->ScalarRequest->Busy; }));
  EXPECT_EQ(list->Items->Count, 4);
  EXPECT_EQ(form->StaticText1->Caption(), "");
  EXPECT_EQ(form->VlanNumDeletes->Caption(), "3");
  EXPECT_TRUE(sim->setLog().empty());
}

const std::string kPortVlan = "1.3.6.1.2.1.17.7.1.4.5.1";

TEST_F(PortVlanDialog, set_writes_the_four_settings_of_the_chosen_port_and_chooses_it_again) {
  ChooseRow(form->LV_dot1qPortVlanEntry, "5");
  EXPECT_EQ(form->PortVLanID->Text(), "10");
  EXPECT_EQ(form->AcceptableFrameTypes->Text(), "admitAll");
  Retype(form->PortVLanID, "20");
  GuiTesting::UserChoose(form->AcceptableFrameTypes, 1);
  GuiTesting::UserChoose(form->GvrpStatus, 0);
  PressAndWait(form, form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPortVlan + ".1.5=66:20 ; " + kPortVlan + ".2.5=2:2 ; " +
                                                     kPortVlan + ".3.5=2:2 ; " + kPortVlan + ".4.5=2:1"}));
  EXPECT_EQ(SwitchValue(kPortVlan + ".1", "5", NvSyntax::guage), "20");
  // Read again after the reply, with port 5 chosen again and its new settings shown.
  ASSERT_NE(form->LV_dot1qPortVlanEntry->Selected(), nullptr);
  EXPECT_EQ(form->LV_dot1qPortVlanEntry->Selected()->Caption(), "5");
  EXPECT_EQ(form->PortVLanID->Text(), "20");
  EXPECT_EQ(Cell(form->LV_dot1qPortVlanEntry, "5", 2), "admitOnlyVlanTagged");
  EXPECT_EQ(form->LV_dot1qPortVlanEntry->Items->Count, 28);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortVlanDialog, second_refresh_while_reading_says_refresh_not_complete) {
  sim->setDelay(200);
  GuiTesting::UserClick(form->RefreshBtn);
  GuiTesting::UserClick(form->RefreshBtn);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Refresh Not Complete");
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 30000));
  EXPECT_EQ(form->LV_dot1qPortVlanEntry->Items->Count, 28);
}

}  // namespace
