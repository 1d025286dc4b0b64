// The IPv6 rule dialog of the access control list driven as a user would, against the
// simulated switch: its reads and writes run through the event pump, each write waiting for
// its own answer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Ipv6ruleinfoformunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

const std::string kRules = "1.3.6.1.4.1.32473.12.9.3.4.1";
const std::vector<std::string> kSeeded = {"1/1", "5/2"};

class Ipv6RuleDialog : public acltest::AclDialogTest<TIpv6RuleForm> {
 public:
  // The keys, permit and row status ticked (createAndGo), nothing else.
  void NewRule(const std::string& profile, const std::string& access) {
    Type(form->edtRuleID, profile);
    Type(form->edtRuleAccessID, access);
    Tick(form->cbxPermit);
    Tick(form->cbxRow);
  }
  void Tick(TCheckBox* box) {
    GuiTesting::UserClick(box);
    ASSERT_TRUE(box->Checked);
  }
};

TEST_F(Ipv6RuleDialog, lists_the_rules_and_shows_the_chosen_one_with_its_ports_and_usable_fields) {
  Open();
  EXPECT_EQ(Rows(), kSeeded);
  EXPECT_EQ(form->StaticText1->Caption(), "2");
  EXPECT_EQ(form->PortPicker->UnitPageControl->PageCount, 11);
  Select("1/1");
  EXPECT_EQ(form->edtRuleID->Text(), "1");
  EXPECT_EQ(form->edtRuleAccessID->Text(), "1");
  EXPECT_EQ(form->edtRuleSrcIpv6addr->Text(), "20010DB8000A00010000000000000000");
  EXPECT_EQ(Ticked(form->PortPicker), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(form->PriorityComboBox->Text(), "enabled");
  EXPECT_TRUE(form->PriorityEdit->Enabled);
  EXPECT_EQ(form->RuleProtoCombox->Text(), "tcp");
  EXPECT_EQ(form->DesPortEdit->Text(), "443");
  EXPECT_TRUE(form->DesPortEdit->Enabled);
  EXPECT_EQ(form->EnableReplaceDSCPComboBox->Text(), "disabled");
  EXPECT_FALSE(form->DSCPEdit->Enabled);
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->edtRuleID->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Ipv6RuleDialog, add_writes_exactly_the_ticked_fields_and_the_ports) {
  struct Case {
    const char* what;
    const char* access;
    std::function<void(Ipv6RuleDialog*)> enter;
    Varbinds carried;
  };
  const Case cases[] = {
      {"permit and row status alone", "7", [](auto*) {},
       {{10, "2:2"}, {11, "4x:0000000000000000"}, {12, "2:4"}}},
      {"match fields, masks, an enabled priority and ports", "8",
       [](auto* t) {
         auto* f = t->form;
         t->Tick(f->cbxRuleClass);
         t->Type(f->edtRuleClass, "46");
         t->Tick(f->cbxRuleFlowlabel);
         t->Type(f->edtRuleFlowlabel, "000abcde");
         t->Tick(f->cbxRuleSrcIpv6addr);
         t->Type(f->edtRuleSrcIpv6addr, "20010DB8000C00000000000000000001");
         t->Tick(f->chk_MaskSrcIp);
         t->Type(f->edt_MaskSrcIp, "FFFFFFFFFFFFFFFF0000000000000000");
         t->Tick(f->cbxEnablePriority);
         t->Choose(f->PriorityComboBox, "enabled");
         t->Tick(f->cbxPriority);
         t->Type(f->PriorityEdit, "5");
         t->Choose(f->PermitComboBox, "mirror");
         t->Tick(f->RuleProtoChx);
         t->Choose(f->RuleProtoCombox, "udp");
         t->Tick(f->SrcPortChx);
         t->Type(f->SrcPortEdit, "53");
         t->Tick(f->chk_MaskSrcPort);
         t->Type(f->edt_MaskSrcPort, "FFFF");
         for (int port : {1, 28}) GuiTesting::UserClick(t->Port(f->PortPicker, port));
       },
       {{3, "2:46"},
        {4, "4x:000ABCDE"},
        {5, "4x:20010DB8000C00000000000000000001"},
        {7, "2:1"},
        {8, "2:5"},
        {10, "2:3"},
        {11, "4x:8000001000000000"},
        {12, "2:4"},
        {20, "2:3"},
        {21, "2:53"},
        {23, "4x:FFFFFFFFFFFFFFFF0000000000000000"},
        {25, "4x:FFFF"}}},
      // A priority goes only with its enable box ticked and on "enabled".
      {"a ticked priority without its enable box", "9",
       [](auto* t) {
         t->Choose(t->form->PriorityComboBox, "enabled");
         t->Tick(t->form->cbxPriority);
         t->Type(t->form->PriorityEdit, "3");
         t->Tick(t->form->cbxReplacePriority);
         t->Choose(t->form->ReplaceComboBox, "enabled");
       },
       {{10, "2:2"}, {11, "4x:0000000000000000"}, {12, "2:4"}}},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim->clearSetLog();
    NewRule("5", c.access);
    c.enter(this);
    Press(form->AddButton);
    EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kRules, std::string("5.") + c.access, c.carried)});
    // Read again once the switch had answered: the new rule is listed.
    EXPECT_NE(Row(std::string("5/") + c.access), nullptr);
    ExpectWordsRestored();
    EXPECT_EQ(form->edtRuleID->Text(), "");
    EXPECT_FALSE(form->cbxPermit->Checked);
    EXPECT_TRUE(Ticked(form->PortPicker).empty());
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Ipv6RuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    std::function<void(Ipv6RuleDialog*)> enter;
    const char* message;
  };
  auto ticked = [](TCheckBox* TIpv6RuleForm::*box, TEdit* TIpv6RuleForm::*edit, const char* text) {
    return [=](Ipv6RuleDialog* t) {
      t->NewRule("1", "4");
      t->Tick(t->form->*box);
      (t->form->*edit)->Text = text;  // as the field holds it when Add is pressed
    };
  };
  using F = TIpv6RuleForm;
  const Case cases[] = {
      {"no rule ID", [](auto* t) { t->NewRule("", "4"); }, "Rule ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("1", ""); }, "Rule Access ID must be set."},
      {"a ticked empty class", ticked(&F::cbxRuleClass, &F::edtRuleClass, ""), "Some checked field is empty"},
      {"a flow label of 7 digits", ticked(&F::cbxRuleFlowlabel, &F::edtRuleFlowlabel, "000ABCD"), "Invalid data!"},
      {"a flow label of 9 digits", ticked(&F::cbxRuleFlowlabel, &F::edtRuleFlowlabel, "000ABCDEF"), "Invalid data!"},
      {"a flow label with a G", ticked(&F::cbxRuleFlowlabel, &F::edtRuleFlowlabel, "000ABCDG"), "Invalid data!"},
      {"an address of 31 digits",
       ticked(&F::cbxRuleSrcIpv6addr, &F::edtRuleSrcIpv6addr, "20010DB8000C0000000000000000000"),
       "Invalid Ipv6 Address value"},
      // Sent as typed, these would reach the switch as other octets than the ones meant.
      {"an address mask that is not hexadecimal",
       ticked(&F::chk_MaskSrcIp, &F::edt_MaskSrcIp, "FFFFFFFFFFFFFFFFXXXXXXXXXXXXXXXX"), "Invalid Ipv6 Address value"},
      {"a port mask that is not hexadecimal", ticked(&F::chk_MaskDstPort, &F::edt_MaskDstPort, "FFG0"),
       "Invalid data!"},
      {"a listed pair", [](auto* t) { t->NewRule("5", "2"); },
       "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."},
      {"permit not ticked",
       [](auto* t) {
         t->NewRule("1", "4");
         GuiTesting::UserClick(t->form->cbxPermit);
       },
       "Permit option must be checked."},
      {"row status not ticked",
       [](auto* t) {
         t->NewRule("1", "4");
         GuiTesting::UserClick(t->form->cbxRow);
       },
       "Row State must be checked and set to createAndGo."},
  };
  Open();
  ExpectRefusals(this, cases, form->AddButton);
}

TEST_F(Ipv6RuleDialog, delete_destroys_the_selected_rule_alone_without_asking) {
  Open();
  Select("1/1");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kRules, "1.1", {{12, "2:6"}})});
  EXPECT_EQ(Rows(), std::vector<std::string>{"5/2"});
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

// After Stop the stopped walk still has a reply under way: a write then would run beside it
// (and make it go on), so it is refused; Refresh waits for that reply and reads everything.
TEST_F(Ipv6RuleDialog, after_stop_a_write_waits_for_the_stopped_walk_and_refresh_reads_all) {
  Open();
  sim->setDelay(150);
  GuiTesting::UserClick(form->GetButton);
  ASSERT_EQ(form->DataComplete, 0);
  GuiTesting::UserClick(form->StopButton);
  EXPECT_EQ(form->DataComplete, 1);
  NewRule("1", "4");
  GuiTesting::UserClick(form->AddButton);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Get data not complete!"});
  sim->clearFaults();
  Press(form->GetButton);
  EXPECT_EQ(Rows(), kSeeded);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(Ipv6RuleDialog, refresh_during_a_walk_says_the_data_is_not_complete) {
  Open();
  sim->setDelay(150);
  GuiTesting::UserClick(form->GetButton);
  GuiTesting::UserClick(form->GetButton);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Get data not complete!"});
  sim->clearFaults();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
  EXPECT_EQ(Rows(), kSeeded);
}

// A SET whose answer never comes ends its wait after the request's time-out and retries;
// the dialog is free again and reads the switch.
TEST_F(Ipv6RuleDialog, a_write_without_an_answer_ends_its_wait_and_leaves_the_dialog_usable) {
  Open();
  form->Table->Request.TimeOut = 20;
  sim->setDropReplies(true);
  NewRule("1", "4");
  GuiTesting::UserClick(form->AddButton);  // returns once the wait has given up
  sim->clearFaults();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }));
  Press(form->GetButton);
  EXPECT_NE(Row("1/1"), nullptr);
}

}  // namespace
