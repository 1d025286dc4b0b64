// The three LLDP 802.1 TLV configuration dialogs, one table of cases, driven as a user would
// against the simulated switch: what they list, the one column their Set writes (switchsim's
// SET log), and how they report a refused write and a walk that fails.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "NvSNMPRequest2Edits.h"
#include "TableDialogDriver.h"

namespace {

using dialogtest::ChooseRow;
using dialogtest::RowCells;
using GuiTesting::BoxKind;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

struct Member {
  const char* Name;
  std::function<TLLDPDot1ConfigDialog*()> Make;
  std::string TxColumn;
  int Rows;
  std::vector<std::string> Row;  // port and second index of a row whose TX is "false"
  const char* IndexLabel;
  const char* TxLabel;
};

const Member Members[] = {
    {"protocol",
     [] { return new TLLDPConfigProtocolForm(nullptr); },
     "1.0.8802.1.1.2.1.5.32962.1.1.4.1.1",
     5,
     {"2", "1"},
     "Index",
     "Protocol TX"},
    {"protocol_vlan",
     [] { return new TLLDPConfigProtocolVLANForm(nullptr); },
     "1.0.8802.1.1.2.1.5.32962.1.1.3.1.1",
     5,
     {"2", "100"},
     "VLAN ID",
     "Protocol VLAN TX"},
    {"vlan_name",
     [] { return new TLLDPConfigVLANNameForm(nullptr); },
     "1.0.8802.1.1.2.1.5.32962.1.1.2.1.1",
     44,
     {"3", "10"},
     "VLAN ID",
     "VLAN Name TX"},
};

class LldpDot1Config : public ::testing::TestWithParam<Member> {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
  }
  void Open() {
    form = GetParam().Make();
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible() && form->DataComplete == 1; }, dialogtest::kLongWait));
  }
  void TearDown() override { delete form; }

  std::string Suffix() const { return GetParam().Row[0] + "." + GetParam().Row[1]; }
  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  }
  std::string Status() const { return form->StatusBar1->Panels->Items[0]->Text; }

  std::unique_ptr<SwitchSim> sim;
  TLLDPDot1ConfigDialog* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(LldpDot1Config, lists_every_row_and_shows_the_chosen_one) {
  Open();
  EXPECT_EQ(form->ListView1->Items->Count, GetParam().Rows);
  EXPECT_EQ(form->StaticText1->Caption(), std::to_string(GetParam().Rows));
  EXPECT_EQ(form->Label2->Caption(), GetParam().IndexLabel);
  EXPECT_EQ(form->Label3->Caption(), GetParam().TxLabel);
  EXPECT_FALSE(form->SetButton->Enabled);

  ChooseRow(form->ListView1, GetParam().Row);
  EXPECT_EQ(form->PortNumberText->Caption(), GetParam().Row[0]);
  EXPECT_EQ(form->IndexText->Caption(), GetParam().Row[1]);
  EXPECT_EQ(form->TXComboBox->Text(), "false");
  EXPECT_TRUE(form->SetButton->Enabled);
  EXPECT_FALSE(form->Label1->Enabled);
  EXPECT_FALSE(form->Label2->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(LldpDot1Config, set_writes_only_the_tx_column_of_the_chosen_row) {
  Open();
  sim->clearSetLog();
  ChooseRow(form->ListView1, GetParam().Row);
  GuiTesting::UserChoose(form->TXComboBox, 0);  // "true"
  Press(form->SetButton);

  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{GetParam().TxColumn + "." + Suffix() + "=2:1"}));
  EXPECT_EQ(dialogtest::SwitchValue(GetParam().TxColumn, Suffix(), NvSyntax::integer), "1");
  std::vector<std::string> expected = GetParam().Row;
  expected.push_back("true");
  EXPECT_EQ(RowCells(form->ListView1, GetParam().Row), expected);
  EXPECT_EQ(form->ListView1->Items->Count, GetParam().Rows);
  EXPECT_EQ(form->PortNumberText->Caption(), " ");
  EXPECT_FALSE(form->SetButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(LldpDot1Config, refused_set_is_reported_and_changes_nothing) {
  Open();
  sim->setSubtreeError(GetParam().TxColumn, 17);  // notWritable
  ChooseRow(form->ListView1, GetParam().Row);
  GuiTesting::UserChoose(form->TXComboBox, 0);
  Press(form->SetButton);

  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::MessageBox);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_NE(boxes.Calls()[0].text.find("Not Writable"), std::string::npos) << boxes.Calls()[0].text;
  sim->clearFaults();  // the walk after the write met the fault too
  Press(form->RefreshButton);
  EXPECT_EQ(dialogtest::SwitchValue(GetParam().TxColumn, Suffix(), NvSyntax::integer), "2");
  std::vector<std::string> unchanged = GetParam().Row;
  unchanged.push_back("false");
  EXPECT_EQ(RowCells(form->ListView1, GetParam().Row), unchanged);
}

TEST_P(LldpDot1Config, set_that_cannot_be_sent_says_why_and_leaves_the_dialog_usable) {
  Open();
  sim->clearSetLog();
  form->Table->Request.Address = "no such address";  // refused before anything is sent
  ChooseRow(form->ListView1, GetParam().Row);
  UserClick(form->SetButton);
  EXPECT_FALSE(Status().empty());
  EXPECT_EQ(Status().find("Receive at"), std::string::npos) << Status();  // the message itself
  EXPECT_EQ(form->DataComplete, 1);
  EXPECT_EQ(form->PortNumberText->Caption(), " ");
  EXPECT_TRUE(sim->setLog().empty());
  form->Table->Request.Address = "127.0.0.1";
  Press(form->RefreshButton);
  EXPECT_EQ(form->ListView1->Items->Count, GetParam().Rows);
}

TEST_P(LldpDot1Config, refresh_and_set_wait_for_a_running_walk) {
  Open();
  sim->clearSetLog();
  sim->setDelay(200);
  UserClick(form->RefreshButton);
  ASSERT_EQ(form->DataComplete, 0);
  ASSERT_TRUE(ProcessUntil([&] { return form->ListView1->Items->Count > 0; }, dialogtest::kLongWait));
  UserClick(form->RefreshButton);
  GuiTesting::UserClickItem(form->ListView1, form->ListView1->Items->Item[0]);
  UserClick(form->SetButton);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete.");
  EXPECT_EQ(boxes.Calls()[1].text, "Get data not complete");

  UserClick(form->StopButton);
  ASSERT_TRUE(ProcessUntil([&] { return !form->Table->Busy; }, dialogtest::kLongWait));
  EXPECT_LT(form->ListView1->Items->Count, GetParam().Rows);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_P(LldpDot1Config, walk_that_fails_shows_its_error_in_the_status_bar) {
  sim->setSubtreeError(GetParam().TxColumn, 5);  // genErr
  Open();
  EXPECT_EQ(form->ListView1->Items->Count, 0);
  EXPECT_NE(Status().find("eneral"), std::string::npos) << Status();
  EXPECT_EQ(form->StaticText1->Caption(), "");  // no count of a table that was not read
  EXPECT_TRUE(boxes.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(Members, LldpDot1Config, ::testing::ValuesIn(Members),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
