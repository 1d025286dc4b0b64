// The MSTP instance and ERPS ring dialogs (one family) against the simulated switch: VLAN
// maps shown as ranges, the SETs of Add, Edit and Delete with only the ticked fields
// (switchsim's SET log), and the VLAN texts and states they refuse.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "Erpsvlanformunit.h"
#include "Mstpportinstanceunit.h"
#include "SwitchValues.h"

namespace {

using dialogtest::Retype;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kMstp = "1.3.6.1.4.1.32473.12.15.2.3.1.";
const std::string kErps = "1.3.6.1.4.1.32473.12.78.3.1.1.";
std::string Col(const std::string& entry, int c, int row) { return entry + std::to_string(c) + "." + std::to_string(row); }
// A map column's 64 octets from their first digits.
std::string Map(const std::string& head) { return (head + std::string(128, '0')).substr(0, 128); }

template <class F>
class VlanMapDialog : public ::testing::Test {
 protected:
  void Open() {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = new F(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible() && form->DataComplete == 1; }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  TListItem* Row(const std::string& key) const {
    for (int i = 0; i < form->ListView1->Items->Count; ++i)
      if (form->ListView1->Items->Item[i]->Caption == key) return form->ListView1->Items->Item[i];
    return nullptr;
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (int i = 0; i < form->ListView1->Items->Count; ++i) keys.push_back(form->ListView1->Items->Item[i]->Caption);
    return keys;
  }
  void Select(const std::string& key) {
    TListItem* row = Row(key);
    ASSERT_NE(row, nullptr) << key;
    GuiTesting::UserClickItem(form->ListView1, row);
  }
  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
  }
  void TypeMap(int column, const std::string& text) {
    if (!form->cbxVlanRange[size_t(column)]->Checked) UserClick(form->cbxVlanRange[size_t(column)]);
    Retype(form->VLANRangeEdit[size_t(column)], text);
  }

  std::unique_ptr<SwitchSim> sim;
  F* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

using MstpDialog = VlanMapDialog<TMSTPVLANUnitForm>;
using ErpsDialog = VlanMapDialog<TERPSVLANUnitForm>;

TEST_F(MstpDialog, lists_the_instances_with_their_vlan_maps_as_ranges) {
  Open();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_EQ(Row("1")->SubItems->Get(0), "1-10,20");
  EXPECT_EQ(Row("0")->SubItems->Get(0), "0");
  EXPECT_EQ(Row("2")->SubItems->Get(0), "64");
  EXPECT_EQ(Row("2")->SubItems->Get(1), "513");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_TRUE(form->AddButton->Enabled);
  EXPECT_TRUE(form->VIDEdit->Enabled);
  EXPECT_FALSE(form->VLANRangeEdit[0]->Enabled);  // locked until a row is chosen

  Select("1");
  EXPECT_EQ(form->VIDEdit->Text(), "1");
  EXPECT_EQ(form->VLANRangeEdit[0]->Text(), "1-10,20");
  EXPECT_EQ(form->PriorityEdit->Text(), "4096");
  EXPECT_EQ(form->TypeComboBox->Text(), "msti");
  EXPECT_EQ(form->RowComboBox->Text(), "active");
  EXPECT_FALSE(form->VIDEdit->Enabled);
  EXPECT_TRUE(form->VLANRangeEdit[0]->Enabled);
  EXPECT_TRUE(form->cbxVlanRange[0]->Enabled);
  EXPECT_FALSE(form->Edit[0]->Enabled);
  EXPECT_FALSE(form->CheckBox[0]->Enabled);
  EXPECT_FALSE(form->cbxType->Enabled);
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
}

TEST_F(MstpDialog, add_creates_the_instance_with_its_row_status_alone) {
  Open();
  Retype(form->VIDEdit, "5");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kMstp, 24, 5) + "=2:4"}));
  EXPECT_EQ(Keys(), (std::vector<std::string>{"0", "1", "2", "5"}));
  EXPECT_EQ(Row("5")->SubItems->Get(0), "0");
  EXPECT_EQ(form->VIDEdit->Text(), "");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MstpDialog, edit_writes_the_ticked_map_columns_the_priority_and_the_row_status) {
  Open();
  Select("1");
  TypeMap(1, "513-515");
  UserClick(form->CheckBoxPriority);
  Retype(form->PriorityEdit, "5000");
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kMstp, 3, 1) + "=4x:" + Map("E0") + " ; " +
                                                     Col(kMstp, 12, 1) + "=2:4096 ; " + Col(kMstp, 24, 1) + "=2:1"}));
  EXPECT_EQ(Row("1")->SubItems->Get(1), "513-515");
  EXPECT_EQ(Row("1")->SubItems->Get(0), "1-10,20");  // not ticked: untouched
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_FALSE(form->cbxVlanRange[1]->Checked);
  for (int i = 1; i < form->Table->Request.Vars.GetCount(); ++i)
    EXPECT_EQ(form->Table->Request.Vars.GetVar(i)->Access & 32, 0) << i;
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MstpDialog, edit_puts_the_priority_on_a_step_of_4096) {
  Open();
  const std::pair<const char*, const char*> cases[] = {{"100", "32768"}, {"5000", "4096"}, {"61440", "61440"}, {"0", "0"}};
  for (const auto& [typed, sent] : cases) {
    SCOPED_TRACE(typed);
    sim->clearSetLog();
    Select("2");
    UserClick(form->CheckBoxPriority);
    Retype(form->PriorityEdit, typed);
    Press(form->EditButton);
    EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kMstp, 12, 2) + "=2:" + sent + " ; " + Col(kMstp, 24, 2) + "=2:1"}));
  }
}

TEST_F(MstpDialog, vlan_texts_that_would_land_elsewhere_are_refused_and_nothing_is_sent) {
  struct Case {
    int column;
    const char* text;
    const char* message;  // part of it
  };
  const Case cases[] = {
      {0, "10-5", "The VLAN range 10-5 ends below its start!"},
      {1, "1-3", "outside"},          // VLANs of the first column typed into the second
      {0, "1-10,600", "outside"},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    GuiTesting::ScriptedAnswerer caseBoxes;
    Select("1");
    UserClick(form->UncheckButton);
    TypeMap(c.column, c.text);
    UserClick(form->EditButton);
    ASSERT_EQ(caseBoxes.Calls().size(), 1u);
    EXPECT_NE(caseBoxes.Calls()[0].text.find(c.message), std::string::npos) << caseBoxes.Calls()[0].text;
    EXPECT_EQ(form->VLANRangeEdit[size_t(c.column)]->Text(), c.text);  // kept for correction
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(MstpDialog, a_text_that_is_no_list_is_reported_in_the_status_bar) {
  Open();
  Select("1");
  TypeMap(0, "abc");
  UserClick(form->EditButton);
  EXPECT_NE(form->StatusBar1->Panels->Items[0]->Text().find("abc"), std::string::npos)
      << form->StatusBar1->Panels->Items[0]->Text();
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(form->DataComplete, 1);
}

TEST_F(MstpDialog, delete_asks_then_destroys_the_chosen_instance) {
  Open();
  Select("2");
  boxes.Answer(mrCancel);
  Press(form->DeleteButton);
  EXPECT_TRUE(sim->setLog().empty());

  Select("2");
  boxes.Answer(mrOk);
  Press(form->DeleteButton);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[1].text, "Are you sure to delete it?");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kMstp, 24, 2) + "=2:6"}));
  EXPECT_EQ(Keys(), (std::vector<std::string>{"0", "1"}));
  EXPECT_FALSE(form->DeleteButton->Enabled);
}

TEST_F(MstpDialog, writes_wait_for_a_running_walk) {
  Open();
  sim->setDelay(200);
  UserClick(form->GetButton);
  ASSERT_TRUE(ProcessUntil([&] { return form->ListView1->Items->Count >= 1; }));
  ASSERT_EQ(form->DataComplete, 0);
  GuiTesting::UserClickItem(form->ListView1, form->ListView1->Items->Item[0]);
  UserClick(form->DeleteButton);
  UserClick(form->GetButton);  // no second walk
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, 20000));
  EXPECT_EQ(Keys(), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ErpsDialog, shows_the_ring_and_refuses_a_second_one) {
  Open();
  EXPECT_EQ(Keys(), (std::vector<std::string>{"100"}));
  EXPECT_EQ(Row("100")->SubItems->Get(12), "1-10");
  EXPECT_EQ(Row("100")->SubItems->Get(13), "600");
  EXPECT_EQ(Row("100")->SubItems->Get(14), "0");
  Retype(form->VIDEdit, "200");
  UserClick(form->AddButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "The R-APS VLAN already exists.");
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ErpsDialog, check_all_leaves_the_read_only_boxes_cleared) {
  Open();
  Select("100");
  EXPECT_EQ(form->WestPortEdit->Text(), "25");
  EXPECT_EQ(form->WestPortPComboBox->Text(), "fowarding");
  UserClick(form->CheckButton);
  EXPECT_TRUE(form->cbxWestPort->Checked);
  EXPECT_TRUE(form->cbxVlanRange[7]->Checked);
  EXPECT_TRUE(form->CheckBoxWTRTime->Checked);
  for (TCheckBox* box : {form->WestportCheckBox, form->estportCheckBox, form->CheckBoxRingState, form->cbxRPLOwneroperstate})
    EXPECT_FALSE(box->Checked) << box->Name();
  UserClick(form->UncheckButton);
  EXPECT_FALSE(form->cbxWestPort->Checked);
}

TEST_F(ErpsDialog, edit_writes_the_ticked_fields_and_the_row_status) {
  Open();
  Select("100");
  UserClick(form->cbxWestPort);
  Retype(form->WestPortEdit, "27");
  TypeMap(0, "1-5");
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kErps, 2, 100) + "=2:27 ; " + Col(kErps, 16, 100) + "=4x:" +
                                                     Map("F8") + " ; " + Col(kErps, 100, 100) + "=2:1"}));
  EXPECT_EQ(Row("100")->SubItems->Get(0), "27");
  EXPECT_EQ(Row("100")->SubItems->Get(12), "1-5");
}

TEST_F(ErpsDialog, after_the_ring_is_deleted_add_creates_a_new_one) {
  Open();
  Select("100");
  boxes.Answer(mrOk);
  Press(form->DeleteButton);
  EXPECT_TRUE(Keys().empty());
  EXPECT_EQ(form->StaticText1->Caption(), "0");
  sim->clearSetLog();
  Retype(form->VIDEdit, "200");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Col(kErps, 100, 200) + "=2:4"}));
  EXPECT_EQ(Keys(), (std::vector<std::string>{"200"}));
  EXPECT_EQ(form->VIDEdit->Text(), "200");  // kept after Add
}

}  // namespace
