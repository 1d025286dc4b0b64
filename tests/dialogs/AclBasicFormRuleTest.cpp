// The two rule dialogs whose fields the base form registers, the packet-content rule of the
// access control list and the IPv6 rule of the CPU interface filter, driven as a user would
// against the simulated switch; and the window sizes of the IPv6 and packet-content members.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpufilteripv6ruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Packetcontentruleunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

template <class F>
class RuleDialog : public acltest::AclDialogTest<F> {
 public:
  void Tick(TCheckBox* box) {
    GuiTesting::UserClick(box);
    ASSERT_TRUE(box->Checked);
  }
  void TickPorts(std::initializer_list<int> ports) {
    for (int port : ports) GuiTesting::UserClick(this->Port(this->form->PortPicker, port));
  }
};

// ---------------------------------------------------------------------------------------
// The CPU interface filter's IPv6 rule

const std::string kCpuRules = "1.3.6.1.4.1.32473.12.9.5.4.1";

class CpuIpv6RuleDialog : public RuleDialog<TCPUFilterIPV6RuleForm> {
 public:
  void NewRule(const std::string& profile, const std::string& access) {
    Type(form->ProfileIDEdit, profile);
    Type(form->AccessEdit, access);
    Tick(form->cbxPermit);
    Tick(form->cbxRow);
  }
  struct Case {
    const char* what;
    std::function<void(CpuIpv6RuleDialog*)> enter;
    const char* message;
  };
};

TEST_F(CpuIpv6RuleDialog, lists_the_rules_and_shows_the_chosen_one_with_its_keys_and_ports) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1/1", "12/3"}));
  EXPECT_EQ(form->StaticText1->Caption(), "2");
  EXPECT_EQ(form->PortPicker->UnitPageControl->PageCount, 12);
  Select("12/3");
  EXPECT_EQ(form->ProfileIDEdit->Text(), "12");
  EXPECT_EQ(form->AccessEdit->Text(), "3");
  EXPECT_EQ(form->FlowLabelEdit->Text(), "00012345");
  EXPECT_EQ(form->DestIPV6Edit->Text(), "20010DB8000A00010000000000000001");
  EXPECT_EQ(form->PermitComboBox->Text(), "permit");
  EXPECT_EQ(Ticked(form->PortPicker), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->ProfileIDEdit->Enabled);
}

TEST_F(CpuIpv6RuleDialog, add_writes_the_ticked_fields_and_the_ports) {
  Open();
  NewRule("2", "1");
  Tick(form->cbxSource);
  Type(form->SourceIPV6Edit, "20010DB8000A000100000000000000FF");
  Type(form->DestIPV6Edit, "20010DB8000A00010000000000000001");  // not ticked: not sent
  Tick(form->cbxFlowLabel);
  Type(form->FlowLabelEdit, "000FFFFF");
  Choose(form->PermitComboBox, "deny");
  TickPorts({1, 28});
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kCpuRules, "2.1",
                                                            {{4, "4x:000FFFFF"},
                                                             {5, "4x:20010DB8000A000100000000000000FF"},
                                                             {7, "2:1"},
                                                             {8, "2:4"},
                                                             {9, "4x:8000001000000000"}})});
  EXPECT_NE(Row("2/1"), nullptr);
  ExpectWordsRestored();
  EXPECT_EQ(form->ProfileIDEdit->Text(), "");
  EXPECT_FALSE(form->cbxSource->Checked);
  EXPECT_EQ(form->PermitComboBox->Text(), "deny");  // the combos keep their choices
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CpuIpv6RuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  auto ticked = [](TCheckBox* TCPUFilterIPV6RuleForm::*box, TEdit* TCPUFilterIPV6RuleForm::*edit, const char* text) {
    return [=](CpuIpv6RuleDialog* t) {
      t->NewRule("2", "4");
      t->TickPorts({3});
      t->Tick(t->form->*box);
      (t->form->*edit)->Text = text;  // as the field holds it when Add is pressed
    };
  };
  using F = TCPUFilterIPV6RuleForm;
  const Case cases[] = {
      {"no profile ID", [](auto* t) { t->NewRule("", "4"); }, "Profile ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("2", ""); }, "Access ID must be set."},
      {"a ticked empty class", ticked(&F::cbxClass, &F::ClassEdit, ""), "Some check field is empty"},
      {"a ticked empty destination", ticked(&F::cbxDestination, &F::DestIPV6Edit, ""), "Some check field is empty"},
      {"a source address of 31 digits",
       ticked(&F::cbxSource, &F::SourceIPV6Edit, "20010DB8000A000100000000000000F"), "Invalid Ipv6 Address value"},
      {"a flow label of 7 digits", ticked(&F::cbxFlowLabel, &F::FlowLabelEdit, "0001234"), "Invalid data!"},
      {"no port", [](auto* t) { t->NewRule("2", "4"); }, "You must choose at least 1 port!"},
      {"a listed pair",
       [](auto* t) {
         t->NewRule("12", "3");
         t->TickPorts({3});
       },
       "Has already a record with the same Profile ID and Access ID. Please change eithor of them."},
      {"permit not ticked",
       [](auto* t) {
         t->NewRule("2", "4");
         t->TickPorts({3});
         GuiTesting::UserClick(t->form->cbxPermit);
       },
       "Permit option must be checked."},
      {"row status not createAndGo",
       [](auto* t) {
         t->NewRule("2", "4");
         t->TickPorts({3});
         t->Choose(t->form->RowComboBox, "createAndWait");
       },
       "Row State must be checked and set to createAndGo."},
  };
  Open();
  ExpectRefusals(this, cases, form->AddButton);
}

TEST_F(CpuIpv6RuleDialog, edit_writes_the_ticked_fields_and_the_ports_of_the_selected_rule) {
  Open();
  Select("1/1");
  Tick(form->cbxPermit);
  Choose(form->PermitComboBox, "permit");
  TickPorts({5});
  Press(form->EditButton);
  EXPECT_EQ(sim->setLog(),
            std::vector<std::string>{SetLine(kCpuRules, "1.1", {{7, "2:2"}, {9, "4x:F800000000000000"}})});
  EXPECT_EQ(SwitchValue(kCpuRules, 7, NvSyntax::integer, "1.1"), "2");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CpuIpv6RuleDialog, delete_destroys_the_selected_rule_alone_without_asking) {
  Open();
  Select("12/3");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kCpuRules, "12.3", {{8, "2:6"}})});
  EXPECT_EQ(Rows(), std::vector<std::string>{"1/1"});
  EXPECT_TRUE(boxes.Calls().empty());
}

// ---------------------------------------------------------------------------------------
// The packet-content rule of the access control list

const std::string kPacketRules = "1.3.6.1.4.1.32473.12.9.3.10.1.1";

class PacketContentRuleDialog : public RuleDialog<TPacketContentRuleForm> {
 public:
  void NewRule(const std::string& profile, const std::string& access) {
    Type(form->edtProfileID, profile);
    Type(form->edtAccessID, access);
    Tick(form->chkPermit);
    Tick(form->chkRow);
    Choose(form->cbbRowComboBox, "createAndGo");
  }
  struct Case {
    const char* what;
    std::function<void(PacketContentRuleDialog*)> enter;
    const char* message;
  };
};

TEST_F(PacketContentRuleDialog, lists_the_rules_and_shows_the_chosen_one_with_its_ports) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1/1", "2/4"}));
  EXPECT_EQ(form->txt1->Caption(), "2");
  EXPECT_EQ(form->PortPicker->UnitPageControl->PageCount, 12);
  Select("1/1");
  EXPECT_EQ(form->edtSrcMac->Text(), "001B21A4C340");
  EXPECT_EQ(form->edtCTag->Text(), "0064");
  EXPECT_EQ(form->edt_MaskCTag->Text(), "0FFF");
  EXPECT_EQ(Ticked(form->PortPicker), (std::vector<int>{1, 2}));
  EXPECT_EQ(form->cbbEnableReplaceDSCPComboBox->Text(), "disabled");
  EXPECT_FALSE(form->edtDSCPEdit->Enabled);
  EXPECT_TRUE(form->btnDeleteButton->Enabled);
  EXPECT_FALSE(form->btnAddButton->Enabled);
  EXPECT_EQ(form->stat1->SimpleText().rfind("Get: Ok!", 0), 0u) << form->stat1->SimpleText();  // the whole bar
}

TEST_F(PacketContentRuleDialog, add_writes_the_ticked_usable_fields_and_the_ports) {
  struct AddCase {
    const char* what;
    const char* access;
    std::function<void(PacketContentRuleDialog*)> enter;
    Varbinds carried;
  };
  const AddCase cases[] = {
      {"permit, row status and ports", "5", [](auto* t) { t->TickPorts({3}); },
       {{12, "2:1"}, {13, "4x:2000000000000000"}, {21, "2:4"}}},
      {"addresses, tags and masks", "6",
       [](auto* t) {
         auto* f = t->form;
         t->Tick(f->chkSourceMac);
         t->Type(f->edtSrcMac, "00-1B-21-A4-C3-99");
         t->Tick(f->chkCTag);
         t->Type(f->edtCTag, "00c8");
         t->Tick(f->chk_maskSrMAC);
         t->Type(f->edt_maskSrcMask, "FFFFFF000000");
         t->Tick(f->chk_MaskCTag);
         t->Type(f->edt_MaskCTag, "0FFF");
         t->Choose(f->cbbPermitComboBox, "mirror");
         t->TickPorts({1, 2, 3, 4});
       },
       {{3, "4x:001B21A4C399"},
        {5, "4x:00C8"},
        {12, "2:3"},
        {13, "4x:F000000000000000"},
        {21, "2:4"},
        {22, "4x:FFFFFF000000"},
        {24, "4x:0FFF"}}},
      // A ticked field made unusable by its enable choice stays out.
      {"a priority under a disabled enable choice", "7",
       [](auto* t) {
         auto* f = t->form;
         t->Tick(f->chkPriority);
         t->Type(f->edtPriorityEdit, "6");
         t->Tick(f->chk_EnablePrio);
         t->Choose(f->cbb_EnablePrio, "disabled");
         t->TickPorts({28});
       },
       {{7, "2:2"}, {12, "2:1"}, {13, "4x:0000001000000000"}, {21, "2:4"}}},
  };
  Open();
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.what);
    sim->clearSetLog();
    NewRule("3", c.access);
    c.enter(this);
    Press(form->btnAddButton);
    EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kPacketRules, std::string("3.") + c.access, c.carried)});
    EXPECT_NE(Row(std::string("3/") + c.access), nullptr);
    ExpectWordsRestored();
    EXPECT_FALSE(form->chkPermit->Checked);
    EXPECT_EQ(form->cbbPermitComboBox->Text(), "deny");
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PacketContentRuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  auto ticked = [](TCheckBox* TPacketContentRuleForm::*box, TEdit* TPacketContentRuleForm::*edit, const char* text) {
    return [=](PacketContentRuleDialog* t) {
      t->NewRule("3", "9");
      t->TickPorts({3});
      t->Tick(t->form->*box);
      (t->form->*edit)->Text = text;  // as the field holds it when Add is pressed
    };
  };
  using F = TPacketContentRuleForm;
  const Case cases[] = {
      {"no profile ID", [](auto* t) { t->NewRule("", "9"); }, "Profile ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("3", ""); }, "Access ID must be set."},
      {"permit not ticked",
       [](auto* t) {
         t->NewRule("3", "9");
         t->TickPorts({3});
         GuiTesting::UserClick(t->form->chkPermit);
       },
       "Permit option must be checked."},
      {"no port", [](auto* t) { t->NewRule("3", "9"); }, "You must choose at least 1 port!"},
      // Sent as typed, these would reach the switch as other octets than the ones meant.
      {"a MAC of 11 digits", ticked(&F::chkDstMac, &F::edtDstMac, "001B21A4C39"), "Invalid MAC Address"},
      {"a MAC mask with a G", ticked(&F::chk_MaskDstMac, &F::edt_maskDstMAC, "FFFFFFFFFFFG"), "Invalid MAC Address"},
      {"a tag that is not hexadecimal", ticked(&F::chkSTag, &F::edtSTag, "12G4"), "Invalid data!"},
      {"a tag mask of three digits", ticked(&F::chk_MaskSTag, &F::edt_MaskSTag, "FFF"), "Invalid Mask!"},
      {"a listed pair",
       [](auto* t) {
         t->NewRule("2", "4");
         t->TickPorts({3});
       },
       "Has already a record with the same Profile ID and Access ID. Please change eithor of them."},
      {"row status not ticked",
       [](auto* t) {
         t->NewRule("3", "9");
         t->TickPorts({3});
         GuiTesting::UserClick(t->form->chkRow);
       },
       "Row State must be checked and set to createAndGo."},
  };
  Open();
  ExpectRefusals(this, cases, form->btnAddButton);
}

TEST_F(PacketContentRuleDialog, delete_destroys_the_selected_rule_alone_without_asking) {
  Open();
  Select("2/4");
  Press(form->btnDeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kPacketRules, "2.4", {{21, "2:6"}})});
  EXPECT_EQ(Rows(), std::vector<std::string>{"1/1"});
  EXPECT_TRUE(boxes.Calls().empty());
}

// A write beside a running walk would double or lose rows: it waits for the walk.
TEST_F(PacketContentRuleDialog, add_during_a_walk_is_refused_and_refresh_after_stop_reads_again) {
  Open();
  sim->setDelay(150);
  GuiTesting::UserClick(form->btnGetButton);
  NewRule("3", "9");
  TickPorts({3});
  GuiTesting::UserClick(form->btnAddButton);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Get data not complete"});
  GuiTesting::UserClick(form->btnStopButton);
  sim->clearFaults();
  Press(form->btnGetButton);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1/1", "2/4"}));
  EXPECT_TRUE(sim->setLog().empty());
}

// ---------------------------------------------------------------------------------------
// Window sizes

struct PixelsPerInch {
  explicit PixelsPerInch(int ppi) { ::setenv("NV_PIXELS_PER_INCH", std::to_string(ppi).c_str(), 1); }
  ~PixelsPerInch() { ::unsetenv("NV_PIXELS_PER_INCH"); }
};

TEST(AclIpv6Sizes, the_dialogs_grow_off_96_pixels_per_inch_the_packet_content_rule_twice) {
  struct Case {
    const char* what;
    std::function<TForm*()> make;
    int width, height;  // at 120 pixels per inch
    TPosition position;
  };
  const Case cases[] = {
      {"IPv6 profile", [] { return new TIPv6MaskInfoForm(nullptr); }, 780, 498, poDesktopCenter},
      {"IPv6 rule", [] { return new TIpv6RuleForm(nullptr); }, 833, 768, poDesktopCenter},
      {"CPU IPv6 rule", [] { return new TCPUFilterIPV6RuleForm(nullptr); }, 876, 652, poMainFormCenter},
      {"packet-content rule", [] { return new TPacketContentRuleForm(nullptr); }, 1053, 821, poMainFormCenter},
  };
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  PixelsPerInch screen(120);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TForm* form = c.make();
    EXPECT_EQ(form->Width(), c.width);
    EXPECT_EQ(form->Height(), c.height);
    EXPECT_EQ(form->Position(), c.position);
    delete form;
  }
}

}  // namespace
