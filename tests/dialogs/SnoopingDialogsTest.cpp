// The IGMP and MLD snooping dialogs against the simulated switch: each opened by its menu
// command, the switch's rows, the writes each sends (SET log) and their refusals.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "FeatureDialog.h"
#include "NvSNMPRequest2Edits.h"
#include "Igmpmulticastvlangroupaddunit.h"
#include "Igmpmulticastvlangroupunit.h"
#include "Igmpsnoopingcleardnyipmultunit.h"
#include "MenuDialogDriver.h"
#include "Ismvlanformunit.h"
#include "Snoopinggroupviewunits.h"
#include "Snoopingrouterportsunits.h"
#include "SwitchValues.h"
#include "TableDialogDriver.h"

namespace {

using namespace dialogtest;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

std::string Status(TFeatureDialog& form) { return form.StatusBar1->Panels->Items[0]->Text; }

template <class Form>
std::unique_ptr<Form> Open(const SwitchSim& sim) {
  PointSessionAt(sim);
  auto form = std::make_unique<Form>(nullptr);
  form->Show();
  EXPECT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, kLongWait));
  return form;
}

// Clicks the button, then waits for the writes and the read that follows them.
void PressAndWait(TFeatureDialog& form, TButton* button) {
  UserClick(button);
  ASSERT_TRUE(ProcessUntil(
      [&] { return form.DataComplete == 1 && (!form.Table || (!form.Table->Busy && form.Table->Request.PendingReplies == 0)); },
      kLongWait));
}

// ---------------------------------------------------------------------------------------
// Menu items

struct MenuCase {
  const char* item;
  const char* caption;
  int rows;
  std::function<bool(TForm*)> isGlobal;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.item; }

class SnoopingMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(SnoopingMenu, command_shows_its_dialog_with_the_switchs_rows) {
  const MenuCase& c = GetParam();
  SwitchSim sim;
  PointSessionAt(sim);
  const MenuOpened opened = OpenByMenu(c.item, c.isGlobal);
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, std::string(c.caption) + ": 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.rows, c.rows);
  EXPECT_TRUE(c.isGlobal(nullptr));  // cleared once the dialog has gone
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SnoopingMenu,
    ::testing::Values(
        MenuCase{"IGMPRouterPort1", "IGMP Router Ports", 4, [](TForm* f) { return IGMPRouterPortsForm == f; }},
        // Hidden in the menu, yet its command is built.
        MenuCase{"MLDSnoopingRouterPorts1", "MLD Snooping Router Ports", 3,
                 [](TForm* f) { return MLD_SnoopingRouterPortsForm == f; }},
        MenuCase{"IGMPMulticastVLANTable1", "IGMP Multicast VLAN Table", 2,
                 [](TForm* f) { return ISMVLANForm == f; }},
        MenuCase{"IGMPMulticastVLANGroup1", "IGMP Multicast VLAN Group", 3,
                 [](TForm* f) { return IGMPMulticastVlanForm == f; }},
        MenuCase{"IGMPSnoopingGroupTable1", "IGMP Snooping Group Table", 3,
                 [](TForm* f) { return IGMP_SnoopingGroupTableForm == f; }},
        MenuCase{"MLDSnoopingGroupInformation1", "MLD Snooping Group Information", 2,
                 [](TForm* f) { return MLD_SnoopingGroupForm == f; }},
        MenuCase{"DataDrivenLearningGroup1", "IGMP Snooping Data Driven Learning Group Table", 3,
                 [](TForm* f) { return IGMPSnoopingDataDrivenLearingGroupForm == f; }},
        MenuCase{"IGMPSnoopingClearDynamicIPMulticastTable1", "IGMP Snooping Clear Dynamic IP Multicast", -1,
                 [](TForm* f) { return IGMPSnoopingClearDnyIpMultForm == f; }}),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.item); });

// ---------------------------------------------------------------------------------------
// Router ports: the two twins through one table of cases

const std::string kIgmpRouter = "1.3.6.1.4.1.32473.12.73.3.1.4.1.";
const std::string kMldRouter = "1.3.6.1.4.1.32473.12.34.3.4.1.";

struct RouterCase {
  const char* name;
  std::function<TSnoopingRouterPortsForm*()> make;
  std::string staticColumn, forbiddenColumn;
  // A VLAN and its three sets as shown.
  std::string vid;
  std::vector<int> staticPorts, dynamicPorts, forbiddenPorts;
  // Ports ticked on the static and forbidden tabs of that VLAN before Set; what it writes.
  int addStatic, addForbidden;
  std::string staticAfter, forbiddenAfter;
};

void PrintTo(const RouterCase& c, std::ostream* os) { *os << c.name; }

class RouterPorts : public ::testing::TestWithParam<RouterCase> {
 protected:
  void OpenForm() {
    PointSessionAt(sim);
    form.reset(GetParam().make());
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, kLongWait));
  }
  SwitchSim sim;
  std::unique_ptr<TSnoopingRouterPortsForm> form;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(RouterPorts, chosen_vlan_shows_its_three_port_sets) {
  const RouterCase& c = GetParam();
  OpenForm();
  EXPECT_FALSE(form->btnSet->Enabled);  // nothing to write before a VLAN is chosen
  ChooseRow(form->ListView1, {c.vid});
  EXPECT_EQ(form->stVlanID->Caption(), c.vid);
  EXPECT_EQ(CheckedPorts(form->StaticPicker), c.staticPorts);
  EXPECT_EQ(CheckedPorts(form->DynamicPicker), c.dynamicPorts);
  EXPECT_EQ(CheckedPorts(form->ForbiddenPicker), c.forbiddenPorts);
  EXPECT_TRUE(PortBox(form->StaticPicker, 3)->Enabled);
  EXPECT_TRUE(PortBox(form->ForbiddenPicker, 3)->Enabled);
  EXPECT_FALSE(PortBox(form->DynamicPicker, 3)->Enabled);  // learned by the switch, shown only
  EXPECT_TRUE(form->btnSet->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(RouterPorts, set_writes_the_static_and_forbidden_sets_of_the_chosen_vlan_in_one_set) {
  const RouterCase& c = GetParam();
  OpenForm();
  sim.clearSetLog();
  ChooseRow(form->ListView1, {c.vid});
  UserClick(PortBox(form->StaticPicker, c.addStatic));
  GuiTesting::UserSelectTab(form->PageControl1, 2);
  UserClick(PortBox(form->ForbiddenPicker, c.addForbidden));
  PressAndWait(*form, form->btnSet);
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{c.staticColumn + "." + c.vid + "=4x:" + c.staticAfter + " ; " +
                                                    c.forbiddenColumn + "." + c.vid + "=4x:" + c.forbiddenAfter}));
  EXPECT_EQ(SwitchValue(c.staticColumn, c.vid, NvSyntax::octetstr), c.staticAfter);
  // Read again once the switch has answered; nothing is chosen afterwards.
  EXPECT_EQ(RowCells(form->ListView1, {c.vid}).at(1), c.staticAfter);
  EXPECT_EQ(RowCells(form->ListView1, {c.vid}).at(3), c.forbiddenAfter);
  EXPECT_EQ(form->stVlanID->Caption(), "");
  EXPECT_TRUE(CheckedPorts(form->StaticPicker).empty());
  EXPECT_FALSE(form->btnSet->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

// The read after a Set is tracked like any other: Refresh meanwhile starts no second walk.
TEST_P(RouterPorts, read_after_set_is_never_mixed_with_a_refresh) {
  const RouterCase& c = GetParam();
  OpenForm();
  const int rows = form->ListView1->Items->Count;
  ChooseRow(form->ListView1, {c.vid});
  sim.setDelay(150);
  UserClick(form->btnSet);
  EXPECT_EQ(form->DataComplete, 0);
  UserClick(form->btnGet);
  UserClick(form->btnGet);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
  EXPECT_EQ(form->ListView1->Items->Count, rows);
  EXPECT_EQ(sim.setLog().size(), 1u);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(RouterPorts, walk_that_fails_shows_its_error) {
  const RouterCase& c = GetParam();
  sim.setSubtreeError(c.forbiddenColumn, 5);
  OpenForm();
  EXPECT_NE(Status(*form).find("General Error"), std::string::npos) << Status(*form);
  EXPECT_TRUE(boxes.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Twins, RouterPorts,
    ::testing::Values(
        RouterCase{"Igmp", [] { return new TIGMPRouterPortsForm(nullptr); }, kIgmpRouter + "5", kIgmpRouter + "15",
                   "20", {25, 26}, {}, {1, 2}, 5, 9, "080000C000000000", "C080000000000000"},
        RouterCase{"Mld", [] { return new TMLD_SnoopingRouterPortsForm(nullptr); }, kMldRouter + "2", kMldRouter + "4",
                   "30", {29}, {}, {17}, 28, 1, "0000001800000000", "8000800000000000"}),
    [](const ::testing::TestParamInfo<RouterCase>& info) { return std::string(info.param.name); });

TEST(MldRouterPorts, stop_lets_the_window_close_that_a_running_walk_kept_open) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TMLD_SnoopingRouterPortsForm>(sim);
  sim.setDelay(200);
  UserClick(form->btnGet);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->btnClose);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  EXPECT_TRUE(form->Visible);
  UserClick(form->btnStop);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, kLongWait));
  UserClick(form->btnClose);
  EXPECT_FALSE(form->Visible);
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

// ---------------------------------------------------------------------------------------
// Multicast VLAN table

const std::string kIsm = "1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.";

class IsmVlan : public ::testing::Test {
 protected:
  void SetUp() override {
    form = Open<TISMVLANForm>(sim);
    sim.clearSetLog();
  }
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  std::unique_ptr<TISMVLANForm> form;
};

TEST_F(IsmVlan, chosen_vlan_fills_its_fields_and_locks_its_number) {
  EXPECT_EQ(form->ST_Count2->Caption(), "2");
  EXPECT_FALSE(form->SetBtn->Enabled);
  EXPECT_TRUE(form->AddBtn->Enabled);
  EXPECT_FALSE(form->edtSourceIP->Enabled);
  ChooseRow(form->lvISMVLAN, {"100"});
  EXPECT_EQ(form->ED_VLANID->Text(), "100");
  EXPECT_FALSE(form->ED_VLANID->Enabled);  // the chosen VLAN is the one written
  EXPECT_EQ(form->ED_VLANName->Text(), "iptv-mcast");
  EXPECT_EQ(form->cbxVLANState->Text(), "enabled");
  EXPECT_EQ(form->edtSourceIP->Text(), "10.20.0.1");
  EXPECT_TRUE(form->edtSourceIP->Enabled);
  EXPECT_EQ(form->Edit_RemapPriority->Text(), "4");
  EXPECT_EQ(form->ComboBox_ReplacePriority->Text(), "enabled");
  EXPECT_EQ(CheckedPorts(form->SourcePicker), (std::vector<int>{28}));
  EXPECT_EQ(CheckedPorts(form->MemberPicker), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_TRUE(form->SetBtn->Enabled);
  EXPECT_TRUE(form->DeleteBtn->Enabled);
  EXPECT_FALSE(form->AddBtn->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(IsmVlan, add_creates_the_vlan_from_its_name_and_single_values_without_ports) {
  Retype(form->ED_VLANID, "300");
  Retype(form->ED_VLANName, "radio-mcast");
  Retype(form->Edit_RemapPriority, "3");
  PressAndWait(*form, form->AddBtn);
  // No replace priority chosen: "disabled" is written.
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kIsm + "2.300=4:radio-mcast ; " + kIsm + "8.300=2:4 ; " + kIsm +
                                                    "10.300=2:3 ; " + kIsm + "11.300=2:2"}));
  EXPECT_EQ(RowCells(form->lvISMVLAN, {"300"}).at(1), "radio-mcast");
  EXPECT_EQ(form->ST_Count2->Caption(), "3");
  EXPECT_EQ(form->ED_VLANID->Text(), "");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(IsmVlan, add_without_its_keys_is_refused_read_again_and_emptied) {
  const struct {
    const char* vid;
    const char* name;
    const char* message;
  } cases[] = {{"", "radio-mcast", "Please specify VLAN ID"}, {"300", "", "Please specify VLAN Name"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Retype(form->ED_VLANID, c.vid);
    Retype(form->ED_VLANName, c.name);
    const size_t before = boxes.Calls().size();
    PressAndWait(*form, form->AddBtn);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_EQ(form->ED_VLANName->Text(), "");
    EXPECT_EQ(form->ST_Count2->Caption(), "2");
  }
  EXPECT_TRUE(sim.setLog().empty());
}

TEST_F(IsmVlan, set_writes_the_chosen_vlan_leaving_out_the_empty_values) {
  ChooseRow(form->lvISMVLAN, {"200"});
  GuiTesting::UserSelectTab(form->PageControl1, 1);
  UserClick(PortBox(form->MemberPicker, 3));
  Retype(form->ED_VLANName, "cam-stream-2");
  Retype(form->edtSourceIP, "10.20.0.9");
  Retype(form->Edit_RemapPriority, "");
  PressAndWait(*form, form->SetBtn);
  EXPECT_EQ(sim.setLog(),
            (std::vector<std::string>{kIsm + "2.200=4:cam-stream-2 ; " + kIsm + "3.200=4x:0000002000000000 ; " + kIsm +
                                      "4.200=4x:20F0000000000000 ; " + kIsm + "5.200=4x:000F000000000000 ; " + kIsm +
                                      "6.200=2:2 ; " + kIsm + "7.200=64:10.20.0.9 ; " + kIsm + "8.200=2:1 ; " + kIsm +
                                      "9.200=4x:0000002000000000 ; " + kIsm + "11.200=2:2"}));
  EXPECT_EQ(RowCells(form->lvISMVLAN, {"200"}).at(3), "20F0000000000000");
  // The priority left out this time is read again as the switch holds it.
  EXPECT_EQ(RowCells(form->lvISMVLAN, {"200"}).at(9), "-1");
  EXPECT_FALSE(form->SetBtn->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(IsmVlan, set_with_an_invalid_source_address_sends_nothing) {
  ChooseRow(form->lvISMVLAN, {"100"});
  Retype(form->edtSourceIP, "10.20.0");
  PressAndWait(*form, form->SetBtn);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Please input a valid ip");
  EXPECT_TRUE(sim.setLog().empty());
  EXPECT_EQ(SwitchValue(kIsm + "7", "100", NvSyntax::ipaddress), "10.20.0.1");
}

TEST_F(IsmVlan, delete_destroys_the_chosen_vlan_without_asking) {
  ChooseRow(form->lvISMVLAN, {"200"});
  PressAndWait(*form, form->DeleteBtn);
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kIsm + "8.200=2:6"}));
  EXPECT_EQ(form->ST_Count2->Caption(), "1");
  EXPECT_TRUE(RowCells(form->lvISMVLAN, {"200"}).empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(IsmVlan, closing_during_a_walk_waits_for_stop) {
  sim.setDelay(200);
  UserClick(form->RefreshBtn);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->btnClose);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  UserClick(form->btnStop);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, kLongWait));
  UserClick(form->btnClose);
  EXPECT_FALSE(form->Visible);
}

// ---------------------------------------------------------------------------------------
// Multicast VLAN groups and their add pop-up

const std::string kGroupStatus = "1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1.4";

class MulticastVlanGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    form = Open<TIGMPMulticastVlanForm>(sim);
    sim.clearSetLog();
  }
  // What the pop-up showed and whether it stayed open after its Add (or Close when add is false).
  struct Typed {
    std::string vid, from, to;
    bool add = true;
  };
  bool RunPopup(const Typed& typed) {
    bool open = false;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TIGMPMulticastVLANGroupAddForm* popup = form->Popup;
      shownState = popup->cbxState->Text();
      stateUsable = popup->cbxState->Enabled;
      Retype(popup->edtVID, typed.vid);
      Retype(popup->edtFormIP, typed.from);
      Retype(popup->edtToIP, typed.to);
      UserClick(typed.add ? popup->btnAdd : popup->btnClose);
      open = popup->ModalResult == mrNone;
      if (open) UserClick(popup->btnClose);
    });
    UserClick(form->btnAdd);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
    return open;
  }
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  std::unique_ptr<TIGMPMulticastVlanForm> form;
  std::string shownState;
  bool stateUsable = true;
};

TEST_F(MulticastVlanGroup, lists_the_ranges_by_vlan_and_addresses) {
  EXPECT_EQ(form->ListView1->Items->Count, 3);
  EXPECT_EQ(RowCells(form->ListView1, {"100", "239.20.1.1"}),
            (std::vector<std::string>{"100", "239.20.1.1", "239.20.1.9", "active"}));
  EXPECT_FALSE(form->btnDelete->Enabled);
  ChooseRow(form->ListView1, {"200"});
  EXPECT_TRUE(form->btnDelete->Enabled);
}

TEST_F(MulticastVlanGroup, add_creates_the_typed_range_with_create_and_go) {
  EXPECT_FALSE(RunPopup({"300", "239.30.0.1", "239.30.0.99"}));
  EXPECT_EQ(shownState, "createAndGo");
  EXPECT_FALSE(stateUsable);
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kGroupStatus + ".300.239.30.0.1.239.30.0.99=2:4"}));
  EXPECT_EQ(RowCells(form->ListView1, {"300"}), (std::vector<std::string>{"300", "239.30.0.1", "239.30.0.99", "active"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

// A walk still running when Add is pressed must not swallow the write.
TEST_F(MulticastVlanGroup, add_during_a_walk_is_still_sent) {
  sim.setDelay(150);
  UserClick(form->btnGet);
  ASSERT_TRUE(form->Table->Busy);
  EXPECT_FALSE(RunPopup({"300", "239.30.0.1", "239.30.0.99"}));
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kGroupStatus + ".300.239.30.0.1.239.30.0.99=2:4"}));
  EXPECT_EQ(form->ListView1->Items->Count, 4);
}

// The walk stopped for the pop-up is read again when the pop-up closes without adding,
// whether nothing was tried or the switch refused the add.
TEST_F(MulticastVlanGroup, a_walk_cut_for_the_popup_is_read_again_when_nothing_was_added) {
  for (const bool refused : {false, true}) {
    SCOPED_TRACE(refused ? "add refused" : "closed without adding");
    sim.setDelay(150);
    UserClick(form->btnGet);
    ASSERT_TRUE(ProcessUntil([&] { return form->ListView1->Items->Count >= 1; }, kLongWait));
    ASSERT_TRUE(form->Table->Reading());
    // A listed range again: the switch refuses to create it.
    const bool stayedOpen = RunPopup({"100", "239.20.1.1", "239.20.1.9", refused});
    sim.setDelay(0);
    EXPECT_EQ(stayedOpen, refused);
    EXPECT_EQ(form->ListView1->Items->Count, 3);
    const std::string status = form->StatusBar1->Panels->Items[0]->Text;
    EXPECT_NE(status.find("Ok!"), std::string::npos) << status;
  }
}

TEST_F(MulticastVlanGroup, popup_refuses_missing_or_invalid_addresses_and_stays_open) {
  const struct {
    Typed typed;
    const char* message;
  } cases[] = {
      {{"", "239.30.0.1", "239.30.0.99"}, "VLAN ID can't be empty."},
      {{"300", "", "239.30.0.99"}, "Form IP can't be empty."},
      {{"300", "239.30.0", "239.30.0.99"}, "Please input a valid ip"},
      {{"300", "239.30.0.1", ""}, "To IP can't be empty."},
      {{"300", "239.30.0.1", "239.30.0.256"}, "Please input a valid ip"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const size_t before = boxes.Calls().size();
    EXPECT_TRUE(RunPopup(c.typed));
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
  }
  EXPECT_TRUE(sim.setLog().empty());
  EXPECT_EQ(form->ListView1->Items->Count, 3);
}

// The pop-up's fields are bound to the same variables; what was typed there never chooses the
// range that Delete destroys.
TEST_F(MulticastVlanGroup, delete_destroys_the_chosen_range_not_the_one_typed_in_the_popup) {
  ChooseRow(form->ListView1, {"200"});
  EXPECT_FALSE(RunPopup({"100", "239.10.0.1", "239.10.0.50", false}));
  ChooseRow(form->ListView1, {"200"});
  PressAndWait(*form, form->btnDelete);
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kGroupStatus + ".200.225.5.5.1.225.5.5.254=2:6"}));
  EXPECT_EQ(form->ListView1->Items->Count, 2);
  EXPECT_TRUE(RowCells(form->ListView1, {"200"}).empty());
  EXPECT_FALSE(RowCells(form->ListView1, {"100", "239.10.0.1"}).empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

// ---------------------------------------------------------------------------------------
// Group views

// The ticked ports among all of the picker's boxes.
std::vector<int> Ticked(TStackingPortUitForm* picker) {
  std::vector<int> ports;
  for (int k = 0; k < picker->CheckBoxes->Count; ++k)
    if (static_cast<TCheckBox*>(picker->CheckBoxes->Get(k))->Checked) ports.push_back(k + 1);
  return ports;
}

bool AnyBoxEnabled(TStackingPortUitForm* picker) {
  for (int k = 0; k < picker->CheckBoxes->Count; ++k)
    if (static_cast<TCheckBox*>(picker->CheckBoxes->Get(k))->Enabled) return true;
  return false;
}

TEST(IgmpGroupTable, shows_the_first_32_ports_of_each_group_and_its_counters) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TIGMP_SnoopingGroupTableForm>(sim);
  EXPECT_EQ(form->CountText->Caption(), "3");
  ASSERT_EQ(form->PortPickers[0]->CheckBoxes->Count, 32);
  ChooseRow(form->ListView1, {"10", "10.20.5.17", "232.5.5.5"});
  EXPECT_EQ(form->stVlanID->Caption(), "10");
  EXPECT_EQ(form->stSourceAddress->Caption(), "10.20.5.17");
  EXPECT_EQ(form->stGroupAddress->Caption(), "232.5.5.5");
  EXPECT_EQ(form->InputUpTime->Caption(), "182");
  EXPECT_EQ(form->InputExpiryTime->Caption(), "198");
  EXPECT_EQ(form->txtReportCount->Caption(), "7");
  // Port 33 of the include set lies beyond the view.
  EXPECT_EQ(Ticked(form->PortPickers[0]), (std::vector<int>{32}));
  EXPECT_EQ(Ticked(form->PortPickers[1]), (std::vector<int>{12}));
  EXPECT_EQ(Ticked(form->PortPickers[2]), (std::vector<int>{28}));
  for (TStackingPortUitForm* picker : form->PortPickers) EXPECT_FALSE(AnyBoxEnabled(picker));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(MldGroupInformation, shows_the_ipv6_keys_as_hex_and_the_port_maps) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TMLD_SnoopingGroupForm>(sim);
  EXPECT_EQ(form->CountText->Caption(), "2");
  ChooseRow(form->ListView1, {"30"});
  EXPECT_EQ(form->VIDEdit->Text(), "30");
  EXPECT_EQ(form->edtIPAddress->Text(), "FF0E0000000000000000000000010003");
  EXPECT_EQ(form->edtMAC->Text(), "20010DB8000000000000000000000010");
  EXPECT_EQ(Ticked(form->PortPickers[0]), (std::vector<int>{6}));       // exclude
  EXPECT_EQ(Ticked(form->PortPickers[1]), (std::vector<int>{29, 30}));  // include
  for (TStackingPortUitForm* picker : {form->PortPickers[0], form->PortPickers[1]}) EXPECT_FALSE(AnyBoxEnabled(picker));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(GroupViews, refresh_during_a_walk_says_the_data_is_not_complete) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TMLD_SnoopingGroupForm>(sim);
  sim.setDelay(150);
  UserClick(form->btnGet);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->btnGet);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete!");
  UserClick(form->btnStop);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
  sim.setDelay(0);
  UserClick(form->btnGet);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
  EXPECT_EQ(form->ListView1->Items->Count, 2);
}

const std::string kClearGroup = "1.3.6.1.4.1.32473.12.73.3.1.3.1.100";

TEST(DataDrivenGroups, set_sends_the_clear_action_of_the_chosen_group_only) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TIGMPSnoopingDataDrivenLearingGroupForm>(sim);
  EXPECT_FALSE(form->btnSet->Enabled);
  sim.clearSetLog();
  ChooseRow(form->ListView1, {"10"});
  EXPECT_EQ(form->stVID->Caption(), "10");
  EXPECT_EQ(form->edtIPAddress->Text(), "232.5.5.5");
  EXPECT_EQ(form->edtUptime->Text(), "86");
  EXPECT_TRUE(form->edtUptime->ReadOnly);
  EXPECT_EQ(Ticked(form->PortPickers[0]), (std::vector<int>{27, 28}));
  EXPECT_FALSE(AnyBoxEnabled(form->PortPickers[0]));
  ASSERT_TRUE(form->btnSet->Enabled);
  GuiTesting::UserChoose(form->CBoxClear, 1);
  PressAndWait(*form, form->btnSet);
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kClearGroup + ".10.232.5.5.5=2:2"}));
  EXPECT_EQ(SwitchValue(kClearGroup, "10.232.5.5.5", NvSyntax::integer), "2");
  EXPECT_EQ(form->ListView1->Items->Count, 3);
  EXPECT_EQ(form->stVID->Caption(), "");
  EXPECT_FALSE(form->btnSet->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(GroupViews, walk_that_fails_shows_its_error) {
  SwitchSim sim;
  sim.setSubtreeError("1.3.6.1.4.1.32473.12.73.2.1.2.1.6", 5);
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TIGMP_SnoopingGroupTableForm>(sim);
  EXPECT_NE(Status(*form).find("General Error"), std::string::npos) << Status(*form);
  EXPECT_TRUE(boxes.Calls().empty());
}

// ---------------------------------------------------------------------------------------
// Clear dynamic IP multicast

const std::string kClearScalars = "1.3.6.1.4.1.32473.11.113.1.3.2.7.12.2.";

class ClearDynamicMulticast : public ::testing::Test {
 protected:
  void SetUp() override {
    form = Open<TIGMPSnoopingClearDnyIpMultForm>(sim);
    sim.clearSetLog();
  }
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  std::unique_ptr<TIGMPSnoopingClearDnyIpMultForm> form;
};

TEST_F(ClearDynamicMulticast, set_writes_vlan_address_and_action_in_one_set) {
  EXPECT_EQ(form->edtVID->Text(), "1");
  EXPECT_EQ(form->cbMultAction->Text(), "other");
  const struct {
    const char* vid;
    int action;
    const char* sent;
  } cases[] = {{"20", 2, "2:20"}, {"0", 0, "2:0"}};  // VLAN 0 passes; "all" still sends what was typed
  for (const auto& c : cases) {
    SCOPED_TRACE(c.vid);
    sim.clearSetLog();
    Retype(form->edtVID, c.vid);
    Retype(form->edtIPAddr, "239.1.1.10");
    GuiTesting::UserChoose(form->cbMultAction, c.action);
    UserClick(form->Button1);
    EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kClearScalars + "1.0=" + c.sent + " ; " + kClearScalars +
                                                      "2.0=64:239.1.1.10 ; " + kClearScalars + "3.0=2:" +
                                                      std::to_string(c.action + 1)}));
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ClearDynamicMulticast, missing_or_invalid_values_are_refused_in_order) {
  const struct {
    const char* vid;
    const char* ip;
    const char* message;
  } cases[] = {{"", "", "VLAN ID can't be empty."},
               {"20", "", "Multicast IP Address can't be empty."},
               {"20", "239.1.1", "Please input a valid ip"},
               {"20", ".239.1.1.1", "Please input a valid IP"},
               {"20", "1234.", "Please input a valid IP"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Retype(form->edtVID, c.vid);
    Retype(form->edtIPAddr, c.ip);
    const size_t before = boxes.Calls().size();
    UserClick(form->Button1);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
  }
  EXPECT_TRUE(sim.setLog().empty());
}

// ---------------------------------------------------------------------------------------
// A VLAN ID typed and written at once, never left: one check of the value formats serves
// every IGMP dialog that takes a typed VLAN

struct TypedVlanCase {
  const char* name;
  // Opens the dialog, types the VLAN ID last (after what else the write needs), presses the
  // write button and returns the VLAN edit's text afterwards.
  std::function<std::string(const SwitchSim&, const std::string& vid)> write;
  const char* rangeMessage;
};

void PrintTo(const TypedVlanCase& c, std::ostream* os) { *os << c.name; }

class TypedVlan : public ::testing::TestWithParam<TypedVlanCase> {
 protected:
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(TypedVlan, negative_vlan_is_refused_with_the_fields_range_and_nothing_is_sent) {
  const TypedVlanCase& c = GetParam();
  sim.clearSetLog();
  const std::string left = c.write(sim, "-5");
  ASSERT_FALSE(boxes.Calls().empty());
  EXPECT_EQ(boxes.Calls()[0].text, c.rangeMessage);
  EXPECT_NE(left, "-5");
  EXPECT_TRUE(sim.setLog().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TypedVlan,
    ::testing::Values(
        TypedVlanCase{"MulticastVlanAdd",
                      [](const SwitchSim& sim, const std::string& vid) {
                        auto form = Open<TISMVLANForm>(sim);
                        Retype(form->ED_VLANName, "mv");
                        Retype(form->ED_VLANID, vid);
                        PressAndWait(*form, form->AddBtn);
                        return form->ED_VLANID->Text();
                      },
                      " Please enter a number between 1 and 4094!"},
        TypedVlanCase{"MulticastVlanGroupAdd",
                      [](const SwitchSim& sim, const std::string& vid) {
                        auto form = Open<TIGMPMulticastVlanForm>(sim);
                        std::string left;
                        GuiTesting::ModalDriver driver([&](TCustomForm&) {
                          TIGMPMulticastVLANGroupAddForm* popup = form->Popup;
                          Retype(popup->edtFormIP, "239.30.0.1");
                          Retype(popup->edtToIP, "239.30.0.99");
                          Retype(popup->edtVID, vid);
                          UserClick(popup->btnAdd);
                          left = popup->ModalResult == mrNone ? popup->edtVID->Text() : "(closed)";
                          UserClick(popup->btnClose);
                        });
                        UserClick(form->btnAdd);
                        EXPECT_EQ(driver.Runs(), 1);
                        return left;
                      },
                      " Please enter a number between 2 and 4094!"},
        TypedVlanCase{"ClearDynamicMulticastSet",
                      [](const SwitchSim& sim, const std::string& vid) {
                        auto form = Open<TIGMPSnoopingClearDnyIpMultForm>(sim);
                        Retype(form->edtIPAddr, "239.1.1.10");
                        Retype(form->edtVID, vid);
                        UserClick(form->Button1);
                        return form->edtVID->Text();
                      },
                      " Please enter a number between 0 and 4094!"}),
    [](const ::testing::TestParamInfo<TypedVlanCase>& info) { return std::string(info.param.name); });

}  // namespace
