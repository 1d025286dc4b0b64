// The packet-content profile and rule dialogs of the CPU interface filter driven as a user
// would, against the simulated switch.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"

namespace {

using acltest::SetLine;

const std::string kProfiles = "1.3.6.1.4.1.32473.12.9.4.3.1";
const std::string kRules = "1.3.6.1.4.1.32473.12.9.5.3.1";

using PacketContentProfileDialog = acltest::AclDialogTest<TCPUUserMaskInfoForm>;

TEST_F(PacketContentProfileDialog, lists_the_profiles_and_shows_the_chosen_one) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "3"}));
  EXPECT_EQ(form->Static->Caption(), "2");
  Select("3");
  EXPECT_EQ(form->Edit1->Text(), "3");
  EXPECT_EQ(form->Edit3->Text(), "00000000000000000000FF0000000000");
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->ComboBox1->Visible);
}

TEST_F(PacketContentProfileDialog, add_writes_the_typed_masks_and_the_row_status) {
  struct Case {
    const char* what;
    std::vector<std::string> masks;  // windows 0-15 ... 64-79
    std::vector<std::pair<int, std::string>> carried;
  };
  const Case cases[] = {
      {"no mask: the row status alone", {"", "", "", "", ""}, {{7, "2:4"}}},
      {"shorter masks are sent as typed", {"FFFFFFFFFFFF", "", "", "", "ff"}, {{2, "4x:FFFFFFFFFFFF"}, {6, "4x:FF"}, {7, "2:4"}}},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim->clearSetLog();
    Type(form->Edit1, "2");
    TEdit* const masks[] = {form->Edit5, form->Edit3, form->Edit4, form->Edit6, form->Edit7};
    for (int w = 0; w < 5; ++w) Type(masks[w], c.masks[w]);
    Press(form->AddButton);
    EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kProfiles, "2", c.carried)});
    ASSERT_NE(Row("2"), nullptr);
    Select("2");
    Press(form->DeleteButton);
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PacketContentProfileDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    const char* id;
    int window;  // -1: none
    const char* mask;
    const char* message;
  };
  const Case cases[] = {
      {"no ID", "", -1, "", "Payload Entry ID must be set."},
      {"a listed ID", "1", -1, "", "Payload Entry ID must be different."},
      {"a bad last character", "2", 2, "0000000000000000000000000000000G",
       "Filtered Port(s) [32 to 47] can not contain invalid character(s)."},
      {"a blank", "2", 4, "FF FF", "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
      // An odd count would be sent half an octet off: FFF as 0F FF.
      {"three digits", "2", 0, "FFF", "Filtered Port(s) [0 to 15] can not contain invalid character(s)."},
      {"one digit", "2", 1, "8", "Filtered Port(s) [16 to 31] can not contain invalid character(s)."},
      {"31 digits", "2", 3, "0FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
       "Filtered Port(s) [48 to 63] can not contain invalid character(s)."},
      {"a sign", "2", 4, "+FF", "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
      {"a non-ASCII letter", "2", 4, "FF\xC3\xA9", "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = boxes.Calls().size();
    form->ClearDetailControls();
    Type(form->Edit1, c.id);
    TEdit* const masks[] = {form->Edit5, form->Edit3, form->Edit4, form->Edit6, form->Edit7};
    if (c.window >= 0) Type(masks[c.window], c.mask);
    GuiTesting::UserClick(form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
  }
}

TEST_F(PacketContentProfileDialog, delete_destroys_the_selected_profile_without_asking) {
  Open();
  Select("3");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kProfiles, "3", {{7, "2:6"}})});
  EXPECT_EQ(Rows(), std::vector<std::string>{"1"});
  EXPECT_EQ(SwitchValue(kProfiles, 7, NvSyntax::integer, "3"), "");
  EXPECT_TRUE(boxes.Calls().empty());
}

// The row status is hidden: a selected row or a Delete must not leave it where Add can only
// refuse.
TEST_F(PacketContentProfileDialog, add_still_creates_after_a_row_was_selected_or_deleted) {
  Open();
  Select("1");
  form->ListView1->Selected = nullptr;  // no row chosen: none of row 1's masks stays
  for (TEdit* mask : {form->Edit5, form->Edit3, form->Edit4, form->Edit6, form->Edit7}) EXPECT_EQ(mask->Text(), "");
  Type(form->Edit1, "2");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kProfiles, "2", {{7, "2:4"}})});

  sim->clearSetLog();
  Select("3");
  Press(form->DeleteButton);
  Type(form->Edit1, "3");
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{SetLine(kProfiles, "3", {{7, "2:6"}}),
                                                     SetLine(kProfiles, "3", {{7, "2:4"}})}));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

// ---------------------------------------------------------------------------------------

class PacketContentRuleDialog : public acltest::AclDialogTest<TCPUUserMaskRuleForm> {
 public:
  // The keys, row status createAndGo with its box ticked.
  void NewRule(const std::string& profile, const std::string& access) {
    Type(form->ProfileID_Edit, profile);
    Type(form->AccessID_Edit, access);
    Choose(form->StatusComboBox, "createAndGo");
    Tick(form->StatusCBox);
  }
  void Tick(TCheckBox* box) {
    if (!box->Checked) GuiTesting::UserClick(box);
    ASSERT_TRUE(box->Checked);
  }
};

TEST_F(PacketContentRuleDialog, lists_the_rules_and_shows_the_chosen_one) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1/1", "1/2", "3/4"}));
  Select("3/4");
  EXPECT_EQ(form->ProfileID_Edit->Text(), "3");
  EXPECT_EQ(form->AccessID_Edit->Text(), "4");
  EXPECT_EQ(form->Edit2->Text(), "00000000000000000000110000000000");
  EXPECT_EQ(Ticked(form->Picker), (std::vector<int>{25, 26, 27, 28}));
  EXPECT_EQ(form->PermitComboBox->Text(), "deny");
  EXPECT_TRUE(form->OperButton->Enabled);
  EXPECT_FALSE(form->ProfileID_Edit->Enabled);
}

TEST_F(PacketContentRuleDialog, add_writes_the_ticked_fields_and_the_ports_only_when_one_is_ticked) {
  Open();
  NewRule("2", "1");
  Tick(form->CheckBox1);
  Type(form->Edit1, "0A0001FE");
  Tick(form->PermitCBox);
  Choose(form->PermitComboBox, "deny");
  Type(form->Edit3, "FFFF");  // not ticked: not sent
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kRules, "2.1", {{3, "4x:0A0001FE"}, {8, "2:1"}, {9, "2:4"}})});

  sim->clearSetLog();
  NewRule("2", "2");
  Tick(form->CheckBox2);
  Type(form->Edit2, "00ff");  // fewer than 32 digits: sent as typed
  GuiTesting::UserClick(Port(form->Picker, 5));
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(),
            std::vector<std::string>{SetLine(kRules, "2.2", {{4, "4x:00FF"}, {9, "2:4"}, {10, "4x:0800000000000000"}})});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1/1", "1/2", "2/1", "2/2", "3/4"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PacketContentRuleDialog, a_ticked_empty_payload_is_written_as_an_empty_string) {
  Open();
  NewRule("2", "3");
  Tick(form->CheckBox5);
  Press(form->AddButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kRules, "2.3", {{7, "4:"}, {9, "2:4"}})});
  EXPECT_EQ(Cell("2/3", 6), "");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PacketContentRuleDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    std::function<void(PacketContentRuleDialog*)> enter;
    const char* message;
  };
  const Case cases[] = {
      {"no profile ID", [](auto* t) { t->NewRule("", "1"); }, "Profile ID must be set."},
      {"no access ID", [](auto* t) { t->NewRule("2", ""); }, "Access ID must be set."},
      {"a listed pair", [](auto* t) { t->NewRule("1", "2"); },
       "Has already a record with the same Profile Rule ID and Access ID. Please change eithor of them."},
      {"row status not ticked",
       [](auto* t) {
         t->NewRule("2", "1");
         GuiTesting::UserClick(t->form->StatusCBox);
       },
       "Row State must be checked and set to createAndGo."},
      {"a ticked payload with a bad character",
       [](auto* t) {
         t->NewRule("2", "1");
         t->Tick(t->form->CheckBox4);
         t->Type(t->form->Edit4, "00Z0");
       },
       "Packet(s) Offset [48 to 63] can not contain invalid character(s)."},
      // An odd count would be sent half an octet off: 800 as 08 00.
      {"a ticked payload of three digits",
       [](auto* t) {
         t->NewRule("2", "1");
         t->Tick(t->form->CheckBox1);
         t->Type(t->form->Edit1, "800");
       },
       "Packet(s) Offset [0 to 15] can not contain invalid character(s)."},
      {"a ticked payload of 31 digits",
       [](auto* t) {
         t->NewRule("2", "1");
         t->Tick(t->form->CheckBox5);
         t->Type(t->form->Edit5, "0FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
       },
       "Packet(s) Offset [64 to 79] can not contain invalid character(s)."},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = boxes.Calls().size();
    form->ClearDetailControls();
    c.enter(this);
    GuiTesting::UserClick(form->AddButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
    ExpectWordsRestored();
  }
}

TEST_F(PacketContentRuleDialog, edit_writes_the_ticked_fields_of_the_selected_rule) {
  Open();
  Select("1/2");
  Tick(form->PermitCBox);
  Choose(form->PermitComboBox, "deny");
  Press(form->OperButton);
  // No port ticked: the ports stay as they are.
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kRules, "1.2", {{8, "2:1"}})});
  EXPECT_EQ(SwitchValue(kRules, 8, NvSyntax::integer, "1.2"), "1");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PacketContentRuleDialog, edit_with_destroy_and_delete_destroy_the_selected_rule_alone) {
  Open();
  Select("3/4");
  Tick(form->StatusCBox);
  Choose(form->StatusComboBox, "destroy");
  Press(form->OperButton);
  Select("1/1");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{SetLine(kRules, "3.4", {{9, "2:6"}}),
                                                     SetLine(kRules, "1.1", {{9, "2:6"}})}));
  EXPECT_EQ(Rows(), std::vector<std::string>{"1/2"});
  EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
