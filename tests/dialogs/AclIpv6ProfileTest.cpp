// The IPv6 profile dialog of the access control list driven as a user would, against the
// simulated switch.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Ipv6maskinfoformunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

const std::string kProfiles = "1.3.6.1.4.1.32473.12.9.2.4.1";

class Ipv6ProfileDialog : public acltest::AclDialogTest<TIPv6MaskInfoForm> {};

TEST_F(Ipv6ProfileDialog, lists_the_profiles_and_shows_the_chosen_one_with_its_usable_fields) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "5"}));
  EXPECT_EQ(form->Static->Caption(), "3");
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->TCPOptionCombo->Enabled);  // protocol "none" to start with
  EXPECT_FALSE(form->edtSrcMask->Enabled);

  Select("1");
  EXPECT_EQ(form->edtMaskID->Text(), "1");
  EXPECT_EQ(form->cbxMaskClass->Text(), "enable");
  EXPECT_EQ(form->cbxMaskState->Text(), "src-ipv6-addr");
  EXPECT_EQ(form->edtSrcMask->Text(), "FFFFFFFFFFFFFFFF0000000000000000");
  EXPECT_EQ(form->ProtoTypeCombo->Text(), "tcp");
  EXPECT_EQ(form->TCPOptionCombo->Text(), "dst-src-addr");
  EXPECT_TRUE(form->edtSrcMask->Enabled);
  EXPECT_TRUE(form->TCPOptionCombo->Enabled);
  EXPECT_FALSE(form->UDPOptionCombo->Enabled);
  EXPECT_TRUE(form->SourcePortEdit->Enabled);
  EXPECT_TRUE(form->DstPortEdit->Enabled);
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  EXPECT_FALSE(form->edtMaskID->Enabled);

  Select("5");
  EXPECT_EQ(form->ProtoTypeCombo->Text(), "udp");
  EXPECT_EQ(form->UDPOptionCombo->Text(), "dst-addr");
  EXPECT_FALSE(form->SourcePortEdit->Enabled);
  EXPECT_TRUE(form->DstPortEdit->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Ipv6ProfileDialog, switching_the_protocol_puts_the_other_option_back_on_other) {
  Open();
  Choose(form->ProtoTypeCombo, "udp");
  Choose(form->UDPOptionCombo, "src-addr");
  EXPECT_TRUE(form->SourcePortEdit->Enabled);
  EXPECT_FALSE(form->DstPortEdit->Enabled);
  Choose(form->ProtoTypeCombo, "tcp");
  EXPECT_EQ(form->UDPOptionCombo->Text(), "other");
  EXPECT_FALSE(form->UDPOptionCombo->Enabled);
  EXPECT_TRUE(form->TCPOptionCombo->Enabled);
  EXPECT_FALSE(form->SourcePortEdit->Enabled);
  Choose(form->cbxMaskState, "src-ipv6-addr");
  EXPECT_TRUE(form->edtSrcMask->Enabled);
}

TEST_F(Ipv6ProfileDialog, add_writes_the_columns_the_choices_use) {
  struct Case {
    const char* what;
    const char* id;
    std::function<void(Ipv6ProfileDialog*)> enter;
    Varbinds carried;
  };
  const Case cases[] = {
      {"tcp on its destination port", "10",
       [](auto* t) {
         t->Choose(t->form->ProtoTypeCombo, "tcp");
         t->Choose(t->form->TCPOptionCombo, "dst-addr");
         t->Type(t->form->DstPortEdit, "FF00");
       },
       {{2, "2:2"}, {3, "2:2"}, {7, "2:4"}, {11, "2:2"}, {12, "2:2"}, {15, "4x:FF00"}}},
      {"udp on both ports", "11",
       [](auto* t) {
         t->Choose(t->form->cbxMaskClass, "enable");
         t->Choose(t->form->ProtoTypeCombo, "udp");
         t->Choose(t->form->UDPOptionCombo, "dst-src-addr");
         t->Type(t->form->SourcePortEdit, "FFFF");
         t->Type(t->form->DstPortEdit, "00ff");
       },
       {{2, "2:1"}, {3, "2:2"}, {7, "2:4"}, {11, "2:3"}, {13, "2:4"}, {14, "4x:FFFF"}, {15, "4x:00FF"}}},
      {"no protocol: class, flow label and the status", "12",
       [](auto* t) { t->Choose(t->form->cbxMaskFlowlabel, "enable"); },
       {{2, "2:2"}, {3, "2:1"}, {7, "2:4"}}},
      {"the source address under its mask", "13",
       [](auto* t) {
         t->Choose(t->form->cbxMaskState, "src-ipv6-addr");
         t->Type(t->form->edtSrcMask, "FFFFFFFFFFFFFFFFFFFFFFFF00000000");
       },
       {{2, "2:2"}, {3, "2:2"}, {4, "2:3"}, {5, "4x:FFFFFFFFFFFFFFFFFFFFFFFF00000000"}, {7, "2:4"}}},
      {"a mask the option leaves unused is neither checked nor sent", "14",
       [](auto* t) {
         t->Choose(t->form->ProtoTypeCombo, "tcp");
         t->Choose(t->form->TCPOptionCombo, "src-addr");
         t->Type(t->form->SourcePortEdit, "0FF0");
         t->form->DstPortEdit->Text = "xyz";
       },
       {{2, "2:2"}, {3, "2:2"}, {7, "2:4"}, {11, "2:2"}, {12, "2:3"}, {14, "4x:0FF0"}}},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim->clearSetLog();
    Type(form->edtMaskID, c.id);
    c.enter(this);
    Press(form->AddButton);
    EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kProfiles, c.id, c.carried)});
    EXPECT_NE(Row(c.id), nullptr);
    ExpectWordsRestored();
    // Cleared for the next entry.
    EXPECT_EQ(form->edtMaskID->Text(), "");
    EXPECT_EQ(form->ProtoTypeCombo->Text(), "none");
    EXPECT_FALSE(form->SourcePortEdit->Enabled);
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

// A choice that leaves a mask's column out disables the mask's edit: nothing typed there is
// dropped unseen. (Choosing the other protocol also puts the option back on "other", so going
// back to the protocol does not bring the mask back: those choices are not among these.)
TEST_F(Ipv6ProfileDialog, an_edit_is_usable_exactly_while_the_choices_write_its_column) {
  const std::vector<acltest::LeftOutEdit> cases = {
      {"edtSrcMask", 5, "FFFFFFFFFFFFFFFFFFFFFFFF00000000", "4x:FFFFFFFFFFFFFFFFFFFFFFFF00000000",
       "cbxMaskState=src-ipv6-addr", {"cbxMaskState=other"}},
      {"SourcePortEdit", 14, "0FF0", "4x:0FF0", "ProtoTypeCombo=tcp;TCPOptionCombo=src-addr",
       {"TCPOptionCombo=other", "TCPOptionCombo=dst-addr", "ProtoTypeCombo=none"}},
      {"DstPortEdit", 15, "FF00", "4x:FF00", "ProtoTypeCombo=udp;UDPOptionCombo=dst-addr",
       {"UDPOptionCombo=other", "UDPOptionCombo=src-addr", "ProtoTypeCombo=none"}},
  };
  Open();
  ExpectEditsFollowChoices(kProfiles, "20", form->AddButton, cases, [&](const std::string& id) {
    Select(id);
    Press(form->DeleteButton);
  });
}

TEST_F(Ipv6ProfileDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* what;
    std::function<void(Ipv6ProfileDialog*)> enter;
    const char* message;
  };
  const Case cases[] = {
      {"no profile ID", [](auto*) {}, "IPv6 Mask ID must be set."},
      {"a listed profile", [](auto* t) { t->Type(t->form->edtMaskID, "5"); },
       "There is already a record with the same IPv6 Mask ID. Please modify it."},
      {"row status not createAndGo",
       [](auto* t) {
         t->Type(t->form->edtMaskID, "9");
         t->form->cbxStatus->ItemIndex = 0;
       },
       "Row Status must be createAndGo."},
      // Sent as typed, 31 digits would be a short octet string and "G" a zero octet.
      {"a source mask of 31 digits",
       [](auto* t) {
         t->Type(t->form->edtMaskID, "9");
         t->Choose(t->form->cbxMaskState, "src-ipv6-addr");
         t->Type(t->form->edtSrcMask, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
       },
       "Invalid Mask!"},
      {"a port mask that is not hexadecimal",
       [](auto* t) {
         t->Type(t->form->edtMaskID, "9");
         t->Choose(t->form->ProtoTypeCombo, "udp");
         t->Choose(t->form->UDPOptionCombo, "src-addr");
         t->form->SourcePortEdit->Text = "FFG0";  // as the field holds it when Add is pressed
       },
       "Invalid Mask!"},
  };
  Open();
  ExpectRefusals(this, cases, form->AddButton);
}

TEST_F(Ipv6ProfileDialog, delete_destroys_the_selected_profile_alone_without_asking) {
  Open();
  Select("2");
  Press(form->DeleteButton);
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{SetLine(kProfiles, "2", {{7, "2:6"}})});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "5"}));
  EXPECT_EQ(form->Static->Caption(), "2");
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(Ipv6ProfileDialog, refresh_after_stop_reads_the_profiles_again) {
  Open();
  GuiTesting::UserClick(form->Button1);
  Press(form->GetButton);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "5"}));
}

}  // namespace
