// The static VLAN dialog driven as a user would, against the simulated switch: what it lists,
// the SETs its buttons send (switchsim's SET log) and what the switch holds afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest.h"
#include "NvSNMPRequest2Edits.h"
#include "StackingPortUitForm.h"
#include "Vlanstaticformunit.h"

namespace {

using dialogtest::PointSessionAt;
using GuiTesting::BoxKind;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

// Column c of VLAN v as the SET log names it.
std::string Col(int c, int vlan) { return kEntry + "." + std::to_string(c) + "." + std::to_string(vlan); }

class VlanStaticDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    form = new TVlanStaticForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible() && form->DataComplete == 1; }));
  }
  void TearDown() override { delete form; }

  std::vector<std::string> Vlans() const {
    std::vector<std::string> ids;
    for (int i = 0; i < form->LV_dot1qVlanStaticEntry->Items->Count; ++i)
      ids.push_back(form->LV_dot1qVlanStaticEntry->Items->Item[i]->Caption);
    return ids;
  }
  TListItem* Row(const std::string& vlan) const {
    for (int i = 0; i < form->LV_dot1qVlanStaticEntry->Items->Count; ++i)
      if (form->LV_dot1qVlanStaticEntry->Items->Item[i]->Caption == vlan)
        return form->LV_dot1qVlanStaticEntry->Items->Item[i];
    return nullptr;
  }
  std::string Cell(const std::string& vlan, int column) const {
    TListItem* row = Row(vlan);
    return row ? row->SubItems->Get(column - 1) : std::string("(no row)");
  }
  void Select(const std::string& vlan) {
    TListItem* row = Row(vlan);
    ASSERT_NE(row, nullptr) << vlan;
    GuiTesting::UserClickItem(form->LV_dot1qVlanStaticEntry, row);
    ASSERT_EQ(form->LV_dot1qVlanStaticEntry->Selected(), row);
  }
  static TCheckBox* Port(TStackingPortUitForm* picker, int port) {
    return static_cast<TCheckBox*>(picker->CheckBoxes->Get(port - 1));
  }
  std::vector<int> Checked(TStackingPortUitForm* picker) const {
    std::vector<int> ports;
    for (int p = 1; p <= 64; ++p)
      if (Port(picker, p)->Checked) ports.push_back(p);
    return ports;
  }
  // Clicks the ports' boxes on the picker's page (tab 0 egress, 1 forbidden, 2 untagged).
  void Toggle(int tab, TStackingPortUitForm* picker, std::initializer_list<int> ports) {
    GuiTesting::UserSelectTab(form->PageControl1, tab);
    for (int p : ports) UserClick(Port(picker, p));
  }
  void Type(TEdit* edit, const std::string& text) {
    edit->Text = "";
    GuiTesting::UserType(edit, text);
  }
  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
  }
  // A column of a VLAN as the switch holds it: its value text, "" when the row is not there.
  std::string SwitchValue(int column, int syntax, int vlan) {
    NvSNMPRequest request;
    request.Vars.AddVar((kEntry + "." + std::to_string(column)).c_str(), "v", syntax, NvAccess::readwrite, nullptr);
    request.Vars.Kind = MVT_SV;
    request.Vars.InstanceSuffix = std::to_string(vlan);
    bool ok = false;
    request.Get(ok, true);
    const std::string value = *request.Vars.GetVar(0)->Value;
    return ok && value != "(NULL)" ? value : std::string();
  }
  std::vector<std::string> ButtonStates() const {
    return {form->SetBtn->Enabled ? "Set on" : "Set off", form->DeleteBtn->Enabled ? "Delete on" : "Delete off",
            form->AddBtn->Enabled ? "Add on" : "Add off"};
  }
  // The five SETs of Set on an active VLAN, in their order.
  static std::vector<std::string> SetSequence(int vlan, const std::string& egress, const std::string& forbidden,
                                              const std::string& untagged, const std::string& name) {
    return {Col(2, vlan) + "=4x:" + egress, Col(3, vlan) + "=4x:" + forbidden, Col(4, vlan) + "=4x:" + untagged,
            Col(5, vlan) + "=2:1", Col(1, vlan) + "=4:" + name};
  }
  const std::vector<std::string> kIdle{"Set off", "Delete off", "Add on"};
  const std::vector<std::string> kRowChosen{"Set on", "Delete on", "Add off"};

  std::unique_ptr<SwitchSim> sim;
  TVlanStaticForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(VlanStaticDialog, empty_table_shows_no_samples_and_offers_only_add) {
  SwitchSim::Options options;
  options.defaultSeed = false;
  options.extraSeeds = {dialogtest::SimSeed("dlg-qbridge.tables"), dialogtest::TestSeed("vlan-next-free.snmprec")};
  Open(options);
  EXPECT_TRUE(Vlans().empty());
  EXPECT_EQ(form->ST_Count2->Caption(), "0");
  EXPECT_EQ(ButtonStates(), kIdle);
  EXPECT_EQ(form->NextFreeLocalVlanIndex->Caption(), "4096");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(VlanStaticDialog, lists_the_vlans_and_fills_the_details_of_the_chosen_one) {
  Open();
  EXPECT_EQ(Vlans(), (std::vector<std::string>{"1", "10", "20"}));
  EXPECT_EQ(form->ST_Count2->Caption(), "3");
  EXPECT_EQ(Cell("10", 1), "sales");
  EXPECT_EQ(Cell("10", 2), "1-8[FF00000000000000]");  // egress: a port list
  EXPECT_EQ(Cell("10", 3), "0000001000000000");       // forbidden and untagged: octets
  EXPECT_EQ(Cell("10", 4), "F000000000000000");
  EXPECT_EQ(Cell("10", 5), "active");
  EXPECT_EQ(form->Caption(), "VLAN Static");
  EXPECT_EQ(form->PageControl1->PageCount, 3);

  Select("10");
  EXPECT_EQ(form->ED_VLANID->Text(), "10");
  EXPECT_EQ(form->ED_VLANName->Text(), "sales");
  EXPECT_EQ(Checked(form->EgressPicker), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Checked(form->ForbiddenPicker), (std::vector<int>{28}));
  EXPECT_EQ(Checked(form->UntaggedPicker), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(form->Status->Text(), "active");
  EXPECT_EQ(ButtonStates(), kRowChosen);
  EXPECT_TRUE(form->ED_VLANID->Enabled);
}

TEST_F(VlanStaticDialog, add_creates_the_vlan_with_two_sets_and_lists_it) {
  Open();
  sim->clearSetLog();
  Type(form->ED_VLANID, "30");
  Type(form->ED_VLANName, "voice");
  Toggle(0, form->EgressPicker, {1, 2, 3, 5});
  Toggle(1, form->ForbiddenPicker, {20});
  Toggle(2, form->UntaggedPicker, {1});
  Press(form->AddBtn);

  const std::vector<std::string> expected = {
      Col(1, 30) + "=4:voice ; " + Col(2, 30) + "=4x:E800000000000000 ; " + Col(4, 30) +
          "=4x:8000000000000000 ; " + Col(5, 30) + "=2:4",
      Col(3, 30) + "=4x:0000100000000000",
  };
  EXPECT_EQ(sim->setLog(), expected);
  EXPECT_EQ(Vlans(), (std::vector<std::string>{"1", "10", "20", "30"}));
  EXPECT_EQ(form->ST_Count2->Caption(), "4");
  EXPECT_EQ(Cell("30", 1), "voice");
  EXPECT_EQ(Cell("30", 2), "1-3,5[E800000000000000]");
  EXPECT_EQ(SwitchValue(1, NvSyntax::displaystr, 30), "voice");
  EXPECT_EQ(SwitchValue(3, NvSyntax::octetstr, 30), "0000100000000000");
  EXPECT_EQ(SwitchValue(5, NvSyntax::integer, 30), "1");
  // The detail controls are emptied for the next entry; every column is back in the list.
  EXPECT_EQ(form->ED_VLANID->Text(), "");
  EXPECT_TRUE(Checked(form->EgressPicker).empty());
  for (int i = 1; i < form->Table->Request.Vars.GetCount(); ++i)
    EXPECT_EQ(form->Table->Request.Vars.GetVar(i)->Access, NvAccess::readwrite) << i;
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(VlanStaticDialog, add_without_a_name_leaves_the_name_to_the_switch) {
  Open();
  sim->clearSetLog();
  Type(form->ED_VLANID, "31");
  Toggle(0, form->EgressPicker, {2});
  Press(form->AddBtn);
  const std::vector<std::string> expected = {
      Col(2, 31) + "=4x:4000000000000000 ; " + Col(4, 31) + "=4x:0000000000000000 ; " + Col(5, 31) + "=2:4",
      Col(3, 31) + "=4x:0000000000000000",
  };
  EXPECT_EQ(sim->setLog(), expected);
  ASSERT_NE(Row("31"), nullptr);
  EXPECT_EQ(Cell("31", 1), "");
}

TEST_F(VlanStaticDialog, add_without_vlan_id_asks_for_it_and_sends_nothing) {
  Open();
  sim->clearSetLog();
  Type(form->ED_VLANName, "nameless");
  UserClick(form->AddBtn);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Please input VLAN ID.");
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(form->DataComplete, 1);
}

TEST_F(VlanStaticDialog, set_writes_each_column_of_the_chosen_vlan_in_its_own_set) {
  Open();
  sim->clearSetLog();
  Select("20");
  Toggle(0, form->EgressPicker, {1, 9});  // port 1 in, port 9 out
  Toggle(1, form->ForbiddenPicker, {27});
  Toggle(2, form->UntaggedPicker, {10});
  Press(form->SetBtn);

  EXPECT_EQ(sim->setLog(), SetSequence(20, "807F000000000000", "0000002000000000", "0040000000000000", "lab"));
  EXPECT_EQ(Cell("20", 2), "1,10-16[807F000000000000]");
  EXPECT_EQ(Cell("20", 3), "0000002000000000");
  EXPECT_EQ(Cell("20", 4), "0040000000000000");
  EXPECT_EQ(ButtonStates(), kIdle);
  EXPECT_TRUE(boxes.Calls().empty());
}

// The columns of an existing VLAN stand on their own: a refused one stops none of the others,
// and the user is told which change the switch does not hold.
TEST_F(VlanStaticDialog, set_goes_on_past_a_refused_column_and_tells_which_changes_were_not_made) {
  Open();
  sim->clearSetLog();
  Select("20");
  Type(form->ED_VLANName, "lab2");
  Toggle(0, form->EgressPicker, {1});
  Toggle(1, form->ForbiddenPicker, {27});
  sim->setSubtreeError(Col(2, 20), 10);
  Press(form->SetBtn);

  EXPECT_EQ(sim->setLog(), SetSequence(20, "80FF000000000000", "0000002000000000", "0000000000000000", "lab2"));
  EXPECT_EQ(SwitchValue(1, NvSyntax::displaystr, 20), "lab2");
  EXPECT_EQ(SwitchValue(3, NvSyntax::octetstr, 20), "0000002000000000");
  sim->setSubtreeError(Col(2, 20), 0);
  EXPECT_EQ(SwitchValue(2, NvSyntax::octetstr, 20), "00FF000000000000");
  // One box: the switch's refusal, what the VLAN now holds and what it does not.
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::MessageBox);
  const std::string told = boxes.Calls()[0].text;
  EXPECT_NE(told.find("\nThese changes were made: Forbidden Egress Ports, Untagged Ports, Row Status, Name."), std::string::npos) << told;
  EXPECT_NE(told.find("\nThese changes were not made: Egress Ports."), std::string::npos) << told;
  EXPECT_EQ(form->DataComplete, 1);
}

// A switch that takes the SETs and never answers: the first goes (with its retry), none after
// it, and the user is told once that the switch may hold it, never that it was not made.
TEST_F(VlanStaticDialog, set_on_a_switch_that_never_answers_is_told_once_as_not_known) {
  Open();
  Select("20");
  Toggle(0, form->EgressPicker, {1});
  for (NvSNMPRequest2Controls* request : form->Requests()) {
    request->Request.TimeOut = 30;
    request->Request.Retries = 0;
  }
  sim->clearSetLog();
  sim->setDropReplies(true);
  Press(form->SetBtn);
  sim->setDropReplies(false);
  const std::string egress = "80FF000000000000";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(2, 20) + "=4x:" + egress}));
  EXPECT_EQ(SwitchValue(2, NvSyntax::octetstr, 20), egress);  // the switch holds it
  ASSERT_EQ(boxes.Calls().size(), 1u);
  const std::string told = boxes.Calls()[0].text;
  EXPECT_NE(told.find("\nThese changes were not made: Forbidden Egress Ports, Untagged Ports, Row Status, Name.\n"
                      "It is not known whether these changes were made: Egress Ports."),
            std::string::npos)
      << told;
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
}

// Each SET leaves the other columns out; the selected row's cells must still reach their own
// variables, and ports past the 64 boxes go back as they were read.
TEST_F(VlanStaticDialog, set_without_change_writes_back_long_port_lists_as_read) {
  SwitchSim::Options options;
  options.defaultSeed = false;
  options.extraSeeds = {dialogtest::SimSeed("dlg-qbridge.tables"), dialogtest::TestSeed("vlan-long-ports.snmprec")};
  Open(options);
  ASSERT_EQ(Vlans(), (std::vector<std::string>{"10", "20"}));
  Select("20");
  Select("10");
  sim->clearSetLog();
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(), SetSequence(10, "FF0000000000000000FF000000000000", "00000010000000000000000000000001",
                                       "F0000000000000008000000000000000", "sales"));
  EXPECT_EQ(SwitchValue(1, NvSyntax::displaystr, 20), "lab");
  EXPECT_TRUE(boxes.Calls().empty());

  // A change on the boxes changes its port only.
  Select("10");
  sim->clearSetLog();
  Toggle(0, form->EgressPicker, {9});
  Press(form->SetBtn);
  ASSERT_FALSE(sim->setLog().empty());
  EXPECT_EQ(sim->setLog()[0], Col(2, 10) + "=4x:FF8000000000000000FF000000000000");
}

TEST_F(VlanStaticDialog, delete_destroys_the_typed_vlan_without_asking) {
  Open();
  sim->clearSetLog();
  Select("10");
  Press(form->DeleteBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(5, 10) + "=2:6"}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Vlans(), (std::vector<std::string>{"1", "20"}));
  EXPECT_EQ(SwitchValue(5, NvSyntax::integer, 10), "");
  EXPECT_EQ(ButtonStates(), kIdle);
}

TEST_F(VlanStaticDialog, delete_with_a_vlan_id_that_is_no_number_sends_nothing) {
  Open();
  Select("10");
  sim->clearSetLog();
  Type(form->ED_VLANID, "1x");  // once read as VLAN 1
  Press(form->DeleteBtn);
  EXPECT_TRUE(sim->setLog().empty());
  const std::string status = form->StatusBar1->Panels->Items[0]->Text;
  EXPECT_NE(status.find("\"1x\""), std::string::npos) << status;
  EXPECT_EQ(SwitchValue(5, NvSyntax::integer, 1), "1");  // VLAN 1 still active
  EXPECT_EQ(SwitchValue(5, NvSyntax::integer, 10), "1");
  EXPECT_EQ(Vlans(), (std::vector<std::string>{"1", "10", "20"}));
}

TEST_F(VlanStaticDialog, close_during_a_slow_walk_is_refused_until_stopped) {
  Open();
  sim->setDelay(300);
  UserClick(form->RefreshBtn);
  ASSERT_EQ(form->DataComplete, 0);
  sim->clearSetLog();

  UserClick(form->btnClose);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::ShowMessage);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  EXPECT_TRUE(form->Visible);
  // Writes are refused the same way and send nothing.
  Type(form->ED_VLANID, "40");
  UserClick(form->AddBtn);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[1].text, "Get data not complete");

  UserClick(form->btnStop);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }));
  UserClick(form->btnClose);
  EXPECT_FALSE(form->Visible);
  EXPECT_EQ(form->Table, nullptr);  // requests stopped and freed by the close
  EXPECT_EQ(boxes.Calls().size(), 2u);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(VlanStaticDialog, switch_refusing_an_add_ends_it_and_leaves_the_existing_vlan_as_it_was) {
  Open();
  sim->clearSetLog();
  ASSERT_EQ(SwitchValue(3, NvSyntax::octetstr, 10), "0000001000000000");
  Type(form->ED_VLANID, "10");  // exists: createAndGo is refused
  Type(form->ED_VLANName, "again");
  Press(form->AddBtn);
  ASSERT_TRUE(ProcessUntil([&] { return !boxes.Calls().empty(); }));
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::MessageBox);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_NE(boxes.Calls()[0].text.find("nconsistent"), std::string::npos) << boxes.Calls()[0].text;
  EXPECT_EQ(sim->setLog().size(), 1u);  // the forbidden ports' SET never went
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the refusal and what it kept from the switch, told once
  EXPECT_NE(boxes.Calls()[0].text.find(
                "\nThese changes were not made: Name, Egress Ports, Untagged Ports, Row Status, Forbidden Egress Ports."),
            std::string::npos)
      << boxes.Calls()[0].text;
  EXPECT_EQ(SwitchValue(3, NvSyntax::octetstr, 10), "0000001000000000");
  EXPECT_EQ(SwitchValue(1, NvSyntax::displaystr, 10), "sales");
  EXPECT_EQ(Cell("10", 1), "sales");
  EXPECT_EQ(Cell("10", 3), "0000001000000000");
  EXPECT_EQ(form->DataComplete, 1);
}

TEST_F(VlanStaticDialog, delete_without_a_chosen_row_sends_nothing) {
  Open();
  sim->clearSetLog();
  Type(form->ED_VLANID, "20");
  form->DeleteBtnClick(form->DeleteBtn);  // as a stale enabled button would
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(Vlans(), (std::vector<std::string>{"1", "10", "20"}));
}

TEST_F(VlanStaticDialog, failure_before_sending_is_shown_in_the_status_bar) {
  Open();
  sim->clearSetLog();
  form->Table->Request.Address = "no such address";  // refused before anything is sent
  Type(form->ED_VLANID, "41");
  UserClick(form->AddBtn);
  const std::string status = form->StatusBar1->Panels->Items[0]->Text;
  EXPECT_FALSE(status.empty());
  EXPECT_EQ(status.find("Receive at"), std::string::npos) << status;  // the message itself, no template
  EXPECT_EQ(form->DataComplete, 1);
  EXPECT_TRUE(sim->setLog().empty());
  for (int i = 1; i < form->Table->Request.Vars.GetCount(); ++i)
    EXPECT_EQ(form->Table->Request.Vars.GetVar(i)->Access, NvAccess::readwrite) << i;
  // Also in a box, which no read after the write overwrites.
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls().front().text, status);
  // Still usable once the address is good.
  form->Table->Request.Address = "127.0.0.1";
  Type(form->ED_VLANID, "41");
  Press(form->AddBtn);
  EXPECT_EQ(sim->setLog().size(), 2u);
  EXPECT_NE(Row("41"), nullptr);
}

}  // namespace
