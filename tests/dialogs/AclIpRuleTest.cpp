// The two IP rule dialogs (ACL and CPU interface filter) driven as a user would, against the
// simulated switch: one set of cases for both (the protocol's left-out columns over every
// protocol, the refusals, the guard of a running read), the ACL member adding its actions,
// masks, Stop and the priority switch, the CPU member its user mask, Edit and asked Delete.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpuipruleformunit.h"
#include "Ipruleunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

// The match fields every case ticks and fills, by the switch's column: type, code, source
// and destination port, flag bits, protocol ID.
const Varbinds kProtocolFields = {{8, "2:3"}, {9, "2:1"}, {10, "2:1024"}, {11, "2:443"}, {12, "2:18"}, {13, "2:89"}};

struct AclRule {
  using Form = TIPRuleForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.3.2.1";
  static std::vector<std::string> SeededRows() { return {"1/1", "2/1", "4/3"}; }
  static constexpr int Permit = 20, Port = 21, RowStatus = 22;
  static constexpr const char* BadAddressText = "Please input a valid ip";
  // Free keys for new rules.
  static std::vector<std::pair<std::string, std::string>> NewKeys() {
    return {{"1", "10"}, {"1", "11"}, {"1", "12"}, {"1", "13"}, {"1", "14"}, {"1", "15"}, {"1", "16"}};
  }
  static void TickOwn(Form*) {}
  // Which of kProtocolFields each protocol keeps.
  static std::map<std::string, std::vector<int>> Kept() {
    return {{"none", {}},
            {"icmp", {8, 9}},
            {"igmp", {8, 9}},
            {"tcp", {8, 9, 10, 11, 12}},
            {"udp", {8, 9, 10, 11}},
            {"protocolId", {8, 9, 13}}};
  }
};

struct CpuRule {
  using Form = TCPUIPRuleForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.5.2.1";
  static std::vector<std::string> SeededRows() { return {"1/1", "1/2", "2/1"}; }
  static constexpr int Permit = 15, Port = 17, RowStatus = 16;
  static constexpr const char* BadAddressText = "Please input a valid IP.";
  static std::vector<std::pair<std::string, std::string>> NewKeys() {
    return {{"3", "1"}, {"3", "2"}, {"3", "3"}, {"3", "4"}, {"3", "5"}, {"2", "2"}, {"2", "3"}};
  }
  // The user mask goes with the protocol-number rules only.
  static void TickOwn(Form* form) {
    GuiTesting::UserClick(form->cbxUserMask);
    form->UserMaskEdit->Text = "FF00FF00";
  }
  static std::map<std::string, std::vector<int>> Kept() {
    return {{"none", {}},       {"icmp", {8, 9}},   {"igmp", {}},
            {"tcp", {10, 11, 12}}, {"udp", {10, 11}}, {"protocolId", {13}}};
  }
};

template <class T>
class IpRuleDialog : public acltest::AclDialogTest<typename T::Form> {
 public:
  using Base = acltest::AclDialogTest<typename T::Form>;

  // The keys, row status createAndGo with its box ticked, nothing else.
  void NewRule(const std::string& profile, const std::string& access) {
    auto* form = this->form;
    Base::Type(form->IPRuleEdit, profile);
    Base::Type(form->AccessIDEdit, access);
    Base::Choose(form->RowComboBox, "createAndGo");
    if (!form->cbxRow->Checked) GuiTesting::UserClick(form->cbxRow);
    ASSERT_TRUE(form->cbxRow->Checked);
  }
  void Tick(TCheckBox* box) {
    if (!box->Checked) GuiTesting::UserClick(box);
    ASSERT_TRUE(box->Checked);
  }
  // Every protocol field ticked and filled, the protocol chosen with its box ticked.
  void FillProtocolFields(const std::string& protocol) {
    auto* form = this->form;
    Tick(form->cbxProtocol);
    Base::Choose(form->ProtocolComboBox, protocol);
    const std::pair<TCheckBox*, TEdit*> fields[] = {{form->cbxType, form->TypeEdit},
                                                    {form->cbxCode, form->CodeEdit},
                                                    {form->cbxSourcePort, form->SourcePortEdit},
                                                    {form->cbxDestPort, form->DestPortEdit},
                                                    {form->cbxFBs, form->FlagEdit},
                                                    {form->cbxProtocolID, form->ProtocolIDEdit}};
    for (size_t k = 0; k < std::size(fields); ++k) {
      Tick(fields[k].first);
      fields[k].second->Text = kProtocolFields[k].second.substr(2);
    }
    T::TickOwn(form);
  }
  static Varbinds Sorted(Varbinds varbinds) {
    std::sort(varbinds.begin(), varbinds.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return varbinds;
  }
};

using Members = ::testing::Types<AclRule, CpuRule>;
TYPED_TEST_SUITE(IpRuleDialog, Members);

TYPED_TEST(IpRuleDialog, lists_the_rules_and_shows_the_chosen_one_with_its_keys_and_ports) {
  this->Open();
  auto* form = this->form;
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_TRUE(form->AddButton->Enabled);
  EXPECT_FALSE(form->DeleteButton->Enabled);
  this->Select("1/1");
  EXPECT_EQ(form->IPRuleEdit->Text(), "1");
  EXPECT_EQ(form->AccessIDEdit->Text(), "1");
  EXPECT_EQ(form->SourceIPEdit->Text(), this->Cell("1/1", 3));
  EXPECT_EQ(form->ProtocolComboBox->Text(), "tcp");
  EXPECT_FALSE(this->Ticked(form->Picker).empty());
  EXPECT_EQ(form->RowComboBox->Text(), "active");
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->IPRuleEdit->Enabled);
  EXPECT_FALSE(form->AccessIDEdit->Enabled);
  EXPECT_TRUE(this->boxes.Calls().empty());
}

// Which match fields an Add carries, over every protocol: the ticked ones the protocol uses,
// never the read-only protocol column itself; with the protocol box unticked, all ticked ones.
TYPED_TEST(IpRuleDialog, add_writes_the_ticked_fields_the_protocol_uses_and_the_ports) {
  this->Open();
  auto* form = this->form;
  std::vector<std::pair<std::string, std::vector<int>>> cases;
  for (const auto& [protocol, kept] : TypeParam::Kept()) cases.push_back({protocol, kept});
  cases.push_back({"", {8, 9, 10, 11, 12, 13}});  // protocol box unticked
  const auto keys = TypeParam::NewKeys();
  for (size_t i = 0; i < cases.size(); ++i) {
    const auto& [protocol, kept] = cases[i];
    SCOPED_TRACE(protocol.empty() ? "protocol box unticked" : protocol);
    this->sim->clearSetLog();
    this->NewRule(keys[i].first, keys[i].second);
    this->FillProtocolFields(protocol.empty() ? "tcp" : protocol);
    if (protocol.empty()) GuiTesting::UserClick(form->cbxProtocol);
    this->Press(form->AddButton);

    Varbinds expected = {{TypeParam::Port, "4x:0000000000000000"}, {TypeParam::RowStatus, "2:4"}};
    for (const auto& field : kProtocolFields)
      if (std::find(kept.begin(), kept.end(), field.first) != kept.end()) expected.push_back(field);
    if (std::is_same_v<TypeParam, CpuRule> && (protocol == "protocolId" || protocol.empty()))
      expected.push_back({14, "4x:FF00FF00"});
    const std::string suffix = keys[i].first + "." + keys[i].second;
    EXPECT_EQ(this->sim->setLog(),
              std::vector<std::string>{SetLine(TypeParam::Entry, suffix, this->Sorted(expected))});
    EXPECT_NE(this->Row(keys[i].first + "/" + keys[i].second), nullptr);
    EXPECT_TRUE(this->boxes.Calls().empty());
    this->ExpectWordsRestored();
    EXPECT_FALSE(form->cbxType->Checked);  // cleared for the next rule
  }
}

TYPED_TEST(IpRuleDialog, add_writes_the_addresses_vlan_dscp_permit_and_ports) {
  this->Open();
  auto* form = this->form;
  const auto key = TypeParam::NewKeys().front();
  this->NewRule(key.first, key.second);
  this->Tick(form->cbxVlan);
  this->Type(form->VlanEdit, "voice");
  this->Tick(form->cbxSourceIP);
  this->Type(form->SourceIPEdit, "10.20.30.0");
  this->Tick(form->cbxDestIP);
  this->Type(form->DestIPEdit, "192.168.1.254");
  this->Tick(form->cbxDscp);
  this->Type(form->DSCPEdit, "46");
  this->Tick(form->cbxPermit);
  this->Choose(form->PermitComboBox, "deny");
  for (int port : {1, 2, 28}) GuiTesting::UserClick(this->Port(form->Picker, port));
  this->Press(form->AddButton);
  const std::string suffix = key.first + "." + key.second;
  EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(TypeParam::Entry, suffix,
                                                                   this->Sorted({{3, "4:voice"},
                                                                                 {4, "64:10.20.30.0"},
                                                                                 {5, "64:192.168.1.254"},
                                                                                 {6, "2:46"},
                                                                                 {TypeParam::Permit, "2:1"},
                                                                                 {TypeParam::Port, "4x:C000001000000000"},
                                                                                 {TypeParam::RowStatus, "2:4"}}))});
  EXPECT_EQ(this->SwitchValue(TypeParam::Entry, 4, NvSyntax::ipaddress, suffix), "10.20.30.0");
  EXPECT_TRUE(this->boxes.Calls().empty());
}

TYPED_TEST(IpRuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    std::function<void(TestFixture*)> enter;
    const char* message;
  };
  const Case cases[] = {
      {"no profile ID", [](auto* t) { t->NewRule("", "4"); }, "IP Rule ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("1", ""); }, "IP Rule Access ID must be set."},
      {"a ticked empty field",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxDestPort);
       },
       "Some checked field is empty"},
      {"a ticked empty type",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxType);
       },
       "Some checked field is empty"},
      {"a ticked source address that is no address",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Tick(t->form->cbxSourceIP);
         t->form->SourceIPEdit->Text = "10.20.300.1";
       },
       TypeParam::BadAddressText},
      {"a listed pair", [](auto* t) { t->NewRule("1", "1"); },
       "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
      {"row status not ticked",
       [](auto* t) {
         t->NewRule("1", "4");
         GuiTesting::UserClick(t->form->cbxRow);
       },
       "Row State must be checked and set to createAndGo."},
      {"row status active",
       [](auto* t) {
         t->NewRule("1", "4");
         t->Choose(t->form->RowComboBox, "active");
       },
       "Row State must be checked and set to createAndGo."},
  };
  this->Open();
  this->ExpectRefusals(this, cases, this->form->AddButton);
}

// A read runs: a write would let rows that arrive meanwhile take the chosen row's place and
// start a second walk over the same list; it is refused, and a second Refresh adds nothing.
TYPED_TEST(IpRuleDialog, writes_while_the_rules_are_read_are_refused_and_the_read_is_not_doubled) {
  this->Open();
  auto* form = this->form;
  this->sim->setDelay(250);
  GuiTesting::UserClick(form->GetButton);
  ASSERT_EQ(form->DataComplete, 0);
  GuiTesting::UserClick(form->GetButton);
  this->NewRule(TypeParam::NewKeys().front().first, TypeParam::NewKeys().front().second);
  GuiTesting::UserClick(form->AddButton);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return this->Row("1/1") != nullptr; }));
  ASSERT_EQ(form->DataComplete, 0);
  this->Select("1/1");
  GuiTesting::UserClick(form->DeleteButton);
  EXPECT_EQ(this->Messages(), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
  EXPECT_TRUE(this->sim->setLog().empty());
}

// ---- The ACL member ----

using AclIpRuleDialog = IpRuleDialog<AclRule>;

TEST_F(AclIpRuleDialog, delete_destroys_the_selected_rule_alone_without_asking) {
  Open();
  Select("2/1");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(AclRule::Entry, "2.1", {{22, "2:6"}})});
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(Row("2/1"), nullptr);
  EXPECT_EQ(form->StaticText1->Caption(), "2");
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->EditButton->Visible);
}

TEST_F(AclIpRuleDialog, add_writes_the_actions_masks_and_the_highest_rx_rate) {
  Open();
  NewRule("4", "0");  // 0: the switch numbers the rule
  Tick(form->cbxEnabledPriority);
  Choose(form->EnablePriorityComboBox, "enabled");
  Tick(form->cbxPriority);
  Type(form->PriorityEdit, "6");
  Tick(form->cbxReplacePriority);
  Choose(form->ReplaceComboBox, "enabled");
  Tick(form->chkRepDscp);
  Type(form->edtReplaceDscp, "34");
  Tick(form->cbxRxRate);
  Type(form->RxRateEdit, "156249");
  Tick(form->chk_maskvlan);
  Type(form->edt_maskvlan, "0fff");
  Tick(form->chk_maskSrcIP);
  Type(form->edt_maskSrcIP, "255.255.255.0");
  Tick(form->chk_maskDstPort);
  Type(form->edt_maskDstPort, "FF00");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(AclRule::Entry, "4.0",
                                                            {{15, "2:1"},
                                                             {16, "2:6"},
                                                             {17, "2:1"},
                                                             {19, "2:34"},
                                                             {21, "4x:0000000000000000"},
                                                             {22, "2:4"},
                                                             {24, "2:156249"},
                                                             {30, "4x:0FFF"},
                                                             {31, "64:255.255.255.0"},
                                                             {34, "4x:FF00"}})});
  EXPECT_TRUE(boxes.Calls().empty());
}

// Masks are their octets' digits exactly: anything else would be sent as other octets.
TEST_F(AclIpRuleDialog, refuses_out_of_range_rates_and_masks_that_are_not_four_hex_digits) {
  struct Case {
    const char* what;
    TCheckBox* TIPRuleForm::*box;
    TEdit* TIPRuleForm::*edit;
    const char* text;
    const char* message;
  };
  using F = TIPRuleForm;
  const Case cases[] = {
      {"RX rate 156250", &F::cbxRxRate, &F::RxRateEdit, "156250", "RX Rate should between 0-156249"},
      {"RX rate -1", &F::cbxRxRate, &F::RxRateEdit, "-1", "RX Rate should between 0-156249"},
      {"a VLAN mask of three digits", &F::chk_maskvlan, &F::edt_maskvlan, "FFF", "Invalid Mask!"},
      {"a VLAN mask that is not hexadecimal", &F::chk_maskvlan, &F::edt_maskvlan, "0FFG", "Invalid Mask!"},
      {"a source port mask that is not hexadecimal", &F::chk_maskSrcPort, &F::edt_maskSrcPort, "FF-F",
       "Invalid Mask!"},
      {"a destination port mask of two digits", &F::chk_maskDstPort, &F::edt_maskDstPort, "FF", "Invalid Mask!"},
      {"a mask address that is no address", &F::chk_maskDstIP, &F::edt_maskDstIP, "255.255.0",
       "Please input a valid IP."},
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
    ExpectWordsRestored();
    form->ClearDetailControls();
  }
}

// A priority box that the enable-priority choice has disabled is not written, however it was
// ticked before, and is neither refused as empty nor ticked by Check All.
TEST_F(AclIpRuleDialog, disabled_priority_boxes_are_not_written_whatever_their_tick) {
  Open();
  NewRule("1", "20");
  Tick(form->cbxEnabledPriority);
  Choose(form->EnablePriorityComboBox, "enabled");
  Tick(form->cbxPriority);  // left empty
  Tick(form->cbxReplacePriority);
  Choose(form->ReplaceComboBox, "enabled");
  Choose(form->EnablePriorityComboBox, "disabled");
  EXPECT_FALSE(form->cbxPriority->Enabled);
  EXPECT_FALSE(form->PriorityEdit->Enabled);
  EXPECT_FALSE(form->cbxReplacePriority->Enabled);
  EXPECT_FALSE(form->ReplaceComboBox->Enabled);
  Press(form->AddButton);
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(AclRule::Entry, "1.20",
                                                            {{15, "2:2"}, {21, "4x:0000000000000000"}, {22, "2:4"}})});

  // No tick is carried into the next rule; Check All leaves the disabled boxes alone.
  EXPECT_FALSE(form->cbxPriority->Checked);
  EXPECT_FALSE(form->cbxReplacePriority->Checked);
  Choose(form->EnablePriorityComboBox, "disabled");
  GuiTesting::UserClick(form->CheckButton);
  EXPECT_TRUE(form->cbxVlan->Checked);
  EXPECT_FALSE(form->cbxPriority->Checked);
  EXPECT_FALSE(form->cbxReplacePriority->Checked);
}

TEST_F(AclIpRuleDialog, selecting_a_rule_fixes_its_protocol_and_shows_its_priority_state) {
  Open();
  Tick(form->cbxProtocol);
  Select("1/1");  // priority enabled
  EXPECT_FALSE(form->ProtocolComboBox->Enabled);
  EXPECT_FALSE(form->cbxProtocol->Enabled);
  EXPECT_FALSE(form->cbxProtocol->Checked);
  EXPECT_EQ(form->EnablePriorityComboBox->Text(), "enabled");
  EXPECT_TRUE(form->PriorityEdit->Enabled);
  Select("2/1");  // priority disabled
  EXPECT_FALSE(form->PriorityEdit->Enabled);
  Press(form->GetButton);
  EXPECT_TRUE(form->ProtocolComboBox->Enabled);
  EXPECT_TRUE(form->cbxProtocol->Enabled);
  EXPECT_TRUE(form->AddButton->Enabled);
}

TEST_F(AclIpRuleDialog, refresh_after_stop_reads_the_rules_again) {
  Open();
  sim->setDelay(100);
  GuiTesting::UserClick(form->GetButton);
  GuiTesting::UserClick(form->Button1);
  Press(form->GetButton);
  EXPECT_EQ(Rows(), AclRule::SeededRows());
  EXPECT_EQ(form->StaticText1->Caption(), "3");
}

// ---- The CPU member ----

using CpuIpRuleDialog = IpRuleDialog<CpuRule>;

TEST_F(CpuIpRuleDialog, cleared_details_show_every_choice_on_its_first_item) {
  Open();
  EXPECT_EQ(form->ProtocolComboBox->Text(), "none");
  EXPECT_EQ(form->PermitComboBox->Text(), "deny");
  EXPECT_EQ(form->RowStatusComboBox->Text(), "active");
  EXPECT_TRUE(form->EditButton->Visible);
  EXPECT_FALSE(form->EditButton->Enabled);
}

TEST_F(CpuIpRuleDialog, refuses_a_user_mask_that_is_not_eight_hex_digits) {
  struct Case {
    const char* what;
    std::function<void(CpuIpRuleDialog*)> enter;
    const char* message;
  };
  const Case cases[] = {
      {"seven digits", [](auto* t) { t->form->UserMaskEdit->Text = "FF00FF0"; }, "Invalid User Mask"},
      {"nine digits", [](auto* t) { t->form->UserMaskEdit->Text = "FF00FF000"; }, "Invalid User Mask"},
      {"not hexadecimal", [](auto* t) { t->form->UserMaskEdit->Text = "FF00FFZZ"; }, "Invalid User Mask"},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    NewRule("3", "1");
    Tick(form->cbxUserMask);
    c.enter(this);
    const size_t before = boxes.Calls().size();
    GuiTesting::UserClick(form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
    form->ClearDetailControls();
  }
}

TEST_F(CpuIpRuleDialog, delete_asks_and_destroys_the_selected_rule_alone) {
  Open();
  Select("1/2");
  boxes.Answer(mrCancel);
  Press(form->DeleteButton);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Are you sure to delete it?"});
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_NE(Row("1/2"), nullptr);

  Select("1/2");
  boxes.Answer(mrOk);
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(CpuRule::Entry, "1.2", {{16, "2:6"}})});
  EXPECT_EQ(Row("1/2"), nullptr);
  EXPECT_NE(Row("1/1"), nullptr);
  EXPECT_EQ(form->StaticText1->Caption(), "2");
}

TEST_F(CpuIpRuleDialog, edit_writes_the_ticked_fields_and_the_ports_of_the_selected_rule) {
  Open();
  Select("1/2");
  Tick(form->cbxDscp);
  Type(form->DSCPEdit, "10");
  Tick(form->cbxProtocolID);  // tcp: left out whatever its box says
  Tick(form->cbxProtocol);
  GuiTesting::UserClick(Port(form->Picker, 1));  // port 1 off
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(),
            std::vector<std::string>{SetLine(CpuRule::Entry, "1.2", {{6, "2:10"}, {17, "4x:7FFFFFF000000000"}})});
  EXPECT_EQ(SwitchValue(CpuRule::Entry, 6, NvSyntax::integer, "1.2"), "10");
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_FALSE(form->EditButton->Enabled);
}

TEST_F(CpuIpRuleDialog, edit_with_destroy_ticked_deletes_the_selected_rule_without_asking) {
  Open();
  Select("2/1");
  Tick(form->cbxRow);
  Choose(form->RowStatusComboBox, "destroy");
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(CpuRule::Entry, "2.1", {{16, "2:6"}})});
  EXPECT_EQ(Row("2/1"), nullptr);
  EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
