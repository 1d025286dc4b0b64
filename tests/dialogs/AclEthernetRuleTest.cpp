// The two Ethernet rule dialogs (ACL and CPU interface filter) driven as a user would, against
// the simulated switch: one set of cases for both, the ACL member adding its actions, masks and
// range checks, the CPU member its Edit.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpuethernetinformaitonrule.h"
#include "Ethernetinformationruleunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

struct AclRule {
  using Form = TEthernetInformationRuleForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.3.1.1";
  static std::vector<std::string> SeededRows() { return {"1/1", "1/2", "3/1"}; }
  static constexpr const char* NewAccess = "9";
  static constexpr int Permit = 13, Port = 14, RowStatus = 15;
  static std::string SeededVlan() { return "sales"; }
  static std::vector<int> SeededPorts() { return {27, 28}; }
};

struct CpuRule {
  using Form = TCPUEthernetInformationRuleForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.5.1.1";
  static std::vector<std::string> SeededRows() { return {"1/1", "1/2", "2/1"}; }
  static constexpr const char* NewAccess = "3";
  static constexpr int Permit = 8, Port = 10, RowStatus = 9;
  static std::string SeededVlan() { return "mgmt"; }
  static std::vector<int> SeededPorts() { return {25}; }
};

template <class T>
class EthernetRuleDialog : public acltest::AclDialogTest<typename T::Form> {
 public:
  using Base = acltest::AclDialogTest<typename T::Form>;

  // The keys, row status createAndGo with its box ticked, nothing else.
  void NewRule(const std::string& profile, const std::string& access) {
    auto* form = this->form;
    Base::Type(form->MaskIDEdit, profile);
    Base::Type(form->AccessEdit, access);
    Base::Choose(form->RowComboBox, "createAndGo");
    GuiTesting::UserClick(form->cbxRow);
    ASSERT_TRUE(form->cbxRow->Checked);
  }
  void Tick(TCheckBox* box) {
    GuiTesting::UserClick(box);
    ASSERT_TRUE(box->Checked);
  }
};

using Members = ::testing::Types<AclRule, CpuRule>;
TYPED_TEST_SUITE(EthernetRuleDialog, Members);

TYPED_TEST(EthernetRuleDialog, lists_the_rules_and_shows_the_chosen_one_with_its_keys_and_ports) {
  this->Open();
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
  EXPECT_EQ(this->form->StaticText1->Caption(), "3");
  this->Select("1/2");
  auto* form = this->form;
  EXPECT_EQ(form->MaskIDEdit->Text(), "1");
  EXPECT_EQ(form->AccessEdit->Text(), "2");
  EXPECT_EQ(form->VlanRuleEdit->Text(), TypeParam::SeededVlan());
  EXPECT_EQ(this->Ticked(form->Picker), TypeParam::SeededPorts());
  EXPECT_EQ(form->RowComboBox->Text(), "active");
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->MaskIDEdit->Enabled);
  EXPECT_FALSE(form->AccessEdit->Enabled);
  EXPECT_TRUE(this->boxes.Calls().empty());
}

TYPED_TEST(EthernetRuleDialog, add_with_only_the_row_status_ticked_writes_the_ports_and_the_status) {
  this->Open();
  this->NewRule("1", TypeParam::NewAccess);
  this->Press(this->form->AddButton);
  const std::string row = std::string("1.") + TypeParam::NewAccess;
  Varbinds expected = {{TypeParam::Port, "4x:0000000000000000"}, {TypeParam::RowStatus, "2:4"}};
  std::sort(expected.begin(), expected.end());  // the list's order
  EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(TypeParam::Entry, row, expected)});
  EXPECT_NE(this->Row(std::string("1/") + TypeParam::NewAccess), nullptr);
  EXPECT_TRUE(this->boxes.Calls().empty());
  this->ExpectWordsRestored();
}

TYPED_TEST(EthernetRuleDialog, add_writes_exactly_the_ticked_fields_and_the_ports) {
  this->Open();
  auto* form = this->form;
  this->NewRule("1", TypeParam::NewAccess);
  this->Tick(form->cbxVlan);
  this->Type(form->VlanRuleEdit, "voice");
  this->Tick(form->cbxSource);
  this->Type(form->SourceMACEdit, "001b21a4c399");
  this->Type(form->DestMACEdit, "FFFFFFFFFFFF");  // not ticked: not sent
  this->Tick(form->cbxEtherType);
  this->Type(form->EthTypeEdit, "88CC");
  this->Tick(form->cbxPermit);
  this->Choose(form->PermitComboBox, "deny");
  for (int port : {1, 2, 28}) GuiTesting::UserClick(this->Port(form->Picker, port));
  this->Press(form->AddButton);

  const std::string row = std::string("1.") + TypeParam::NewAccess;
  const Varbinds expected = {{3, "4:voice"},
                             {4, "4x:001B21A4C399"},
                             {7, "4x:88CC"},
                             {TypeParam::Permit, "2:1"},
                             {TypeParam::Port, "4x:C000001000000000"},
                             {TypeParam::RowStatus, "2:4"}};
  Varbinds ordered = expected;  // the list's order: the ACL table has its port before its row status
  std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(TypeParam::Entry, row, ordered)});
  const std::string key = std::string("1/") + TypeParam::NewAccess;
  EXPECT_EQ(this->Cell(key, 2), "voice");
  EXPECT_EQ(this->SwitchValue(TypeParam::Entry, 4, NvSyntax::macaddress, row), "001B21A4C399");
  // Cleared for the next entry: boxes unticked, no port.
  EXPECT_FALSE(form->cbxVlan->Checked);
  EXPECT_TRUE(this->Ticked(form->Picker).empty());
  EXPECT_EQ(form->MaskIDEdit->Text(), "");
  EXPECT_TRUE(this->boxes.Calls().empty());
}

TYPED_TEST(EthernetRuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    std::function<void(TestFixture*)> enter;
    const char* message;
  };
  const Case cases[] = {
      {"no profile ID", [](auto* t) { t->NewRule("", "4"); }, "Mask ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("1", ""); }, "Access ID must be set."},
      {"a ticked empty field",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxDestination);
       },
       "Some check field is empty"},
      {"a ticked MAC of 11 digits",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxSource);
         t->Type(t->form->SourceMACEdit, "001B21A4C39");
       },
       "Invalid MAC Address"},
      {"a ticked MAC of 12 characters not all hexadecimal",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxDestination);
         t->Type(t->form->DestMACEdit, "001B21A4C39Z");
       },
       "Invalid MAC Address"},
      {"a ticked Ethernet type of three digits",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxEtherType);
         t->Type(t->form->EthTypeEdit, "800");
       },
       "Invalid Ethernet Type"},
      {"a listed pair", [](auto* t) { t->NewRule("1", "2"); },
       "Has already a record with the same Mask ID and Access ID. Please change eithor of them."},
      {"row status not ticked",
       [](auto* t) {
         t->NewRule("1", "4");
         GuiTesting::UserClick(t->form->cbxRow);
       },
       "Row State must be checked and set to createAndGo."},
  };
  this->Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = this->boxes.Calls().size();
    c.enter(this);
    GuiTesting::UserClick(this->form->AddButton);
    ASSERT_EQ(this->boxes.Calls().size(), before + 1);
    EXPECT_EQ(this->boxes.Calls().back().text, c.message);
    EXPECT_TRUE(this->sim->setLog().empty());
    this->ExpectWordsRestored();
    this->form->ClearDetailControls();
  }
}

TYPED_TEST(EthernetRuleDialog, delete_destroys_the_selected_rule_alone_without_asking) {
  this->Open();
  this->Select("1/2");
  this->Press(this->form->DeleteButton);
  EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(TypeParam::Entry, "1.2", {{TypeParam::RowStatus, "2:6"}})});
  EXPECT_TRUE(this->boxes.Calls().empty());
  EXPECT_EQ(this->Row("1/2"), nullptr);
  EXPECT_NE(this->Row("1/1"), nullptr);
  EXPECT_EQ(this->form->StaticText1->Caption(), "2");
  EXPECT_FALSE(this->form->DeleteButton->Enabled);
}

// ---- The ACL member's own checks ----

using AclEthernetRuleDialog = EthernetRuleDialog<AclRule>;

TEST_F(AclEthernetRuleDialog, refuses_out_of_range_actions_and_a_bad_vlan_mask) {
  struct Case {
    const char* what;
    TCheckBox* TEthernetInformationRuleForm::*box;
    TEdit* TEthernetInformationRuleForm::*edit;
    const char* text;
    const char* message;
  };
  using F = TEthernetInformationRuleForm;
  const Case cases[] = {
      {"priority 8", &F::cbxPriority, &F::PriorityEdit, "8", "Priority value should between 0-7"},
      {"RX rate 156250", &F::cbxRxRate, &F::RxRateEdit, "156250", "Rx Rate should between 0-156249"},
      {"RX rate abc", &F::cbxRxRate, &F::RxRateEdit, "abc", "Rx Rate should between 0-156249"},
      {"a VLAN mask that is not hexadecimal", &F::chk_MaskVlan, &F::edt_MaskVlan, "0FFG", "Invalid Mask!"},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = boxes.Calls().size();
    NewRule("1", "4");
    Tick(form->*c.box);
    (form->*c.edit)->Text = c.text;  // as the field holds it when Add is pressed
    GuiTesting::UserClick(form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
    form->ClearDetailControls();
  }
}

TEST_F(AclEthernetRuleDialog, add_writes_the_actions_masks_and_the_highest_rx_rate) {
  Open();
  NewRule("3", "0");  // 0: the switch numbers the rule
  Tick(form->cbxEablePriority);
  Choose(form->EnablePriorityComboBox, "enabled");
  Tick(form->cbxPriority);
  Type(form->PriorityEdit, "6");
  Tick(form->cbxRxRate);
  Type(form->RxRateEdit, "156249");
  Tick(form->chk_MaskVlan);
  Type(form->edt_MaskVlan, "0FFF");
  Tick(form->chk_MaskSrcMac);
  Type(form->edt_MaskSrcMac, "FFFFFF000000");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(AclRule::Entry, "3.0",
                                                            {{8, "2:1"},
                                                             {9, "2:6"},
                                                             {14, "4x:0000000000000000"},
                                                             {15, "2:4"},
                                                             {17, "2:156249"},
                                                             {22, "4x:0FFF"},
                                                             {23, "4x:FFFFFF000000"}})});
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(AclEthernetRuleDialog, a_ticked_replace_dscp_state_without_a_choice_is_an_empty_field) {
  Open();
  NewRule("1", "4");
  Tick(form->cbxEnableReplaceDscp);
  GuiTesting::UserClick(form->AddButton);
  ASSERT_EQ(Messages(), std::vector<std::string>{"Some check field is empty"});
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(AclEthernetRuleDialog, refresh_after_stop_reads_the_rules_again) {
  Open();
  GuiTesting::UserClick(form->Button1);
  Press(form->GetButton);
  EXPECT_EQ(Rows(), AclRule::SeededRows());
}

// ---- The CPU member's Edit ----

using CpuEthernetRuleDialog = EthernetRuleDialog<CpuRule>;

TEST_F(CpuEthernetRuleDialog, edit_writes_the_ticked_fields_and_the_ports_of_the_selected_rule) {
  Open();
  Select("1/1");
  Tick(form->cbxIEEE802dot1P);
  Type(form->IEEE8021pEdit, "3");
  GuiTesting::UserSelectTab(form->PortPages, 0);
  GuiTesting::UserClick(Port(form->Picker, 1));  // port 1 off
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(),
            std::vector<std::string>{SetLine(CpuRule::Entry, "1.1", {{6, "2:3"}, {10, "4x:7FFFFFF000000000"}})});
  EXPECT_EQ(SwitchValue(CpuRule::Entry, 6, NvSyntax::integer, "1.1"), "3");
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_FALSE(form->EditButton->Enabled);
}

TEST_F(CpuEthernetRuleDialog, edit_with_destroy_ticked_deletes_the_selected_rule_without_asking) {
  Open();
  Select("2/1");
  Tick(form->cbxRow);
  Choose(form->RowComboBox, "destroy");
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(CpuRule::Entry, "2.1", {{9, "2:6"}})});
  EXPECT_EQ(Row("2/1"), nullptr);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CpuEthernetRuleDialog, ports_are_on_a_tab_of_their_own) {
  Open();
  ASSERT_EQ(form->PortPages->PageCount, 1);
  EXPECT_EQ(form->PortPages->Pages[0]->Caption(), "Ports");
}

}  // namespace
