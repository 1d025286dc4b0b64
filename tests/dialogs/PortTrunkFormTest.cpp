// The port trunk dialog against the simulated switch: the groups it lists, the SETs of Add,
// Set and Delete (switchsim's SET log) and the input it refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "Porttrunk.h"
#include "StackingPortUitForm.h"
#include "SwitchValues.h"

namespace {

using dialogtest::Retype;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kEntry = "1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.";
std::string Col(int c, int group) { return kEntry + std::to_string(c) + "." + std::to_string(group); }

class PortTrunkDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = new TPortTrunkForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible(); }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  std::vector<std::string> Groups() const {
    std::vector<std::string> ids;
    for (int i = 0; i < form->LV_PortTrunk->Items->Count; ++i) ids.push_back(form->LV_PortTrunk->Items->Item[i]->Caption);
    return ids;
  }
  TListItem* Row(const std::string& group) const {
    for (int i = 0; i < form->LV_PortTrunk->Items->Count; ++i)
      if (form->LV_PortTrunk->Items->Item[i]->Caption == group) return form->LV_PortTrunk->Items->Item[i];
    return nullptr;
  }
  void Select(const std::string& group) {
    TListItem* row = Row(group);
    ASSERT_NE(row, nullptr) << group;
    GuiTesting::UserClickItem(form->LV_PortTrunk, row);
  }
  void Tick(std::initializer_list<int> ports) {
    for (int p : ports) UserClick(dialogtest::PortBox(form->MemberPicker, p));
  }
  std::vector<std::string> ButtonStates() const {
    return {form->SetBtn->Enabled ? "Set on" : "Set off", form->BT_Delete->Enabled ? "Delete on" : "Delete off",
            form->BT_Set->Enabled ? "Add on" : "Add off", form->ED_Index->Enabled ? "Index on" : "Index off"};
  }

  std::unique_ptr<SwitchSim> sim;
  TPortTrunkForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(PortTrunkDialog, lists_the_groups_and_shows_the_chosen_one) {
  EXPECT_EQ(Groups(), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Row("2")->SubItems->Get(2), "lacp");
  EXPECT_EQ(Row("2")->SubItems->Get(4), "disabled");
  EXPECT_EQ(form->PageControl1->PageCount, 2);
  EXPECT_EQ(ButtonStates(), (std::vector<std::string>{"Set off", "Delete off", "Add on", "Index on"}));
  EXPECT_FALSE(form->ComboBox1->Enabled);

  Select("1");
  EXPECT_EQ(form->ED_Index->Text(), "1");
  EXPECT_EQ(form->UnitEdit->Text(), "1");
  EXPECT_EQ(form->PortEdit->Text(), "1");
  EXPECT_EQ(form->Combo_Type->Text(), "static");
  EXPECT_EQ(form->ComboBox1->Text(), "enabled");
  EXPECT_EQ(dialogtest::CheckedPorts(form->MemberPicker), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(dialogtest::CheckedPorts(form->ActivePicker), (std::vector<int>{1, 2}));
  EXPECT_EQ(ButtonStates(), (std::vector<std::string>{"Set on", "Delete on", "Add off", "Index off"}));
  EXPECT_TRUE(form->ComboBox1->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortTrunkDialog, add_creates_the_group_in_one_set_and_lists_it) {
  Retype(form->ED_Index, "3");
  Retype(form->PortEdit, "17");
  GuiTesting::UserChoose(form->Combo_Type, 1);  // lacp
  Tick({17, 18, 19});
  UserClick(form->BT_Set);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(2, 3) + "=2:17 ; " + Col(3, 3) + "=4x:0000E00000000000 ; " +
                                                     Col(4, 3) + "=2:2 ; " + Col(6, 3) + "=2:4"}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Groups(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Row("3")->SubItems->Get(4), "enabled");
  EXPECT_EQ(form->ED_Index->Text(), "");
  EXPECT_TRUE(dialogtest::CheckedPorts(form->MemberPicker).empty());
}

TEST_F(PortTrunkDialog, set_writes_the_chosen_groups_columns_and_its_state) {
  Select("2");
  GuiTesting::UserChoose(form->ComboBox1, 1);  // enabled
  Tick({11});
  UserClick(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(2, 2) + "=2:9 ; " + Col(3, 2) + "=4x:00E0000000000000 ; " +
                                                     Col(4, 2) + "=2:2 ; " + Col(6, 2) + "=2:1"}));
  EXPECT_EQ(Row("2")->SubItems->Get(4), "enabled");
  EXPECT_EQ(dialogtest::SwitchValue(Col(3, 2), NvSyntax::bitstr), "00E0000000000000");
  EXPECT_EQ(ButtonStates(), (std::vector<std::string>{"Set off", "Delete off", "Add on", "Index on"}));
}

TEST_F(PortTrunkDialog, delete_destroys_the_chosen_group_with_its_state_alone) {
  Select("1");
  UserClick(form->BT_Delete);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(6, 1) + "=2:6"}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Groups(), (std::vector<std::string>{"2"}));
  for (int i = 1; i < form->Table->Request.Vars.GetCount(); ++i)
    EXPECT_NE(form->Table->Request.Vars.GetVar(i)->Access, 32) << i;
}

TEST_F(PortTrunkDialog, add_refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* index;
    const char* port;
    int type;  // item of Combo_Type, -1 none
    std::vector<int> members;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"", "5", 0, {5, 6}, "The index should not be empty."},
      {"2", "5", 0, {5, 6}, "The Index must be different."},
      {"5", "", 0, {5, 6}, "The Port should not be empty."},
      {"5", "0", 0, {5, 6}, "set valid master port"},
      {"5", "65", 0, {5, 6}, "set valid master port"},  // past the picker's boxes
      {"5", "29", 0, {5, 6}, "set valid master port"},  // past the model's 28 ports
      {"5", "5", -1, {5, 6}, "Please choose trunk type."},
      {"5", "9", 0, {9, 12}, "The master port must be different."},  // master of group 2
      {"5", "5", 0, {6, 7}, "Master port must be checked."},
      {"5", "5", 0, {5}, "You must choose at least two members."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer caseBoxes;
    form->MemberPicker->UncheckAll();
    form->ED_Index->Text = c.index;
    form->PortEdit->Text = c.port;
    form->Combo_Type->ItemIndex = c.type;
    for (int p : c.members) dialogtest::PortBox(form->MemberPicker, p)->Checked = true;
    UserClick(form->BT_Set);
    ASSERT_EQ(caseBoxes.Calls().size(), 1u);
    EXPECT_EQ(caseBoxes.Calls()[0].text, c.message);
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(Groups(), (std::vector<std::string>{"1", "2"}));
}

TEST_F(PortTrunkDialog, a_ninth_member_is_unticked_and_refused) {
  Retype(form->ED_Index, "4");
  Retype(form->PortEdit, "11");
  GuiTesting::UserChoose(form->Combo_Type, 0);
  Tick({11, 12, 13, 14, 15, 16, 17, 18, 19});
  UserClick(form->BT_Set);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "The trunk member can't over eight.");
  EXPECT_EQ(dialogtest::CheckedPorts(form->MemberPicker), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18}));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(PortTrunkDialog, letters_typed_into_the_master_port_are_dropped) {
  Retype(form->PortEdit, "1a2");
  EXPECT_EQ(form->PortEdit->Text(), "12");
}

}  // namespace
