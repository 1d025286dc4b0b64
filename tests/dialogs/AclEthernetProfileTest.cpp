// The two Ethernet profile dialogs (ACL and CPU interface filter) driven as a user would,
// against the simulated switch: one set of cases for both, the ACL member adding its VLAN mask
// and its Stop button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpuethernetinformationformunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "ExtCtrls.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

struct AclProfile {
  using Form = TEthernetMaskInformationForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.2.1.1";
  static constexpr bool HasVlanMask = true;
  static std::vector<std::string> SeededRows() { return {"1", "2", "3", "5"}; }
  static std::string NewId() { return "7"; }
  static TStaticText* Count(Form* form) { return form->ST_Count; }
  static TButton* CloseButton(Form* form) { return form->btnClose; }
};

struct CpuProfile {
  using Form = TCPUEthernetInformationForm;
  static constexpr const char* Entry = "1.3.6.1.4.1.32473.12.9.4.1.1";
  static constexpr bool HasVlanMask = false;
  static std::vector<std::string> SeededRows() { return {"1", "2"}; }
  static std::string NewId() { return "3"; }
  static TStaticText* Count(Form* form) { return form->StaticText1; }
  static TButton* CloseButton(Form* form) { return form->CloseButton; }
};

template <class T>
class EthernetProfileDialog : public acltest::AclDialogTest<typename T::Form> {
 protected:
  using Base = acltest::AclDialogTest<typename T::Form>;
  using Base::form;
  using Base::sim;

  // The choices and texts of an Add; Use VLAN is "enabled" unless named, the other usages
  // keep their first choice.
  struct Entry {
    std::string id, state, source, destination, vlanMask, useVlan;
  };
  // The masks are typed while both are written; then the state, which may leave one out.
  void Fill(const Entry& entry) {
    Base::Type(form->IDEdit, entry.id);
    const std::string state = entry.state.empty() ? form->MacMaskStateComBo->Text() : entry.state;
    Base::Choose(form->MacMaskStateComBo, "dst-src-mac-addr");
    Base::Type(form->MacAddMaskSourceEdit, entry.source);
    Base::Type(form->MacMaskDstEdit, entry.destination);
    Base::Choose(form->MacMaskStateComBo, state);
    Base::Choose(form->UseVLanComBo, entry.useVlan.empty() ? "enabled" : entry.useVlan);
    if constexpr (T::HasVlanMask) Base::Type(form->edt_vlanmask, entry.vlanMask);
    Base::Choose(form->RowStatusComBo, "createAndGo");
  }
  // The expected SET without the VLAN mask column where the table has none.
  static std::string Expected(const std::string& id, Varbinds varbinds) {
    if (!T::HasVlanMask) std::erase_if(varbinds, [](const auto& v) { return v.first == 12; });
    return SetLine(T::Entry, id, varbinds);
  }
};

using Members = ::testing::Types<AclProfile, CpuProfile>;
TYPED_TEST_SUITE(EthernetProfileDialog, Members);

TYPED_TEST(EthernetProfileDialog, lists_the_profiles_and_shows_the_chosen_one) {
  this->Open();
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
  EXPECT_EQ(TypeParam::Count(this->form)->Caption(), std::to_string(TypeParam::SeededRows().size()));
  EXPECT_EQ(this->Cell("2", 0), "2");
  EXPECT_TRUE(this->form->AddBtn->Enabled);
  EXPECT_FALSE(this->form->BT_Delete->Enabled);

  this->Select("1");
  const auto* form = this->form;
  EXPECT_EQ(form->IDEdit->Text(), "1");
  EXPECT_EQ(form->MacMaskStateComBo->Text(), TypeParam::HasVlanMask ? "dst-src-mac-addr" : "src-mac-addr");
  EXPECT_EQ(form->MacAddMaskSourceEdit->Text(), "FFFFFFFFFFFF");
  EXPECT_EQ(form->RowStatusComBo->Text(), "active");
  EXPECT_TRUE(form->BT_Delete->Enabled);
  EXPECT_FALSE(form->AddBtn->Enabled);
  EXPECT_FALSE(form->IDEdit->Enabled);
  EXPECT_TRUE(this->boxes.Calls().empty());
}

// Which columns an Add carries, by mask state and typed masks.
TYPED_TEST(EthernetProfileDialog, add_writes_the_columns_the_choices_keep) {
  using E = typename TestFixture::Entry;
  struct Case {
    const char* what;
    E entry;
    Varbinds carried;
  };
  const std::string id = TypeParam::NewId();
  const Case cases[] = {
      {"other: neither the state nor a mask",
       {id, "other", "FFFFFFFFFFFF", "FFFFFF000000", "0FFF", ""},
       {{2, "2:1"}, {6, "2:1"}, {7, "2:1"}, {12, "4x:0FFF"}, {8, "2:4"}}},
      {"dst only: the destination mask; a malformed unused source mask is neither tested nor sent",
       {id, "dst-mac-addr", "not a mac", "ffffff000000", "", "disabled"},
       {{2, "2:2"}, {3, "2:2"}, {5, "4x:FFFFFF000000"}, {6, "2:1"}, {7, "2:1"}, {8, "2:4"}}},
      {"src only: the source mask",
       {id, "src-mac-addr", "001B21FFFFFF", "FFFFFFFFFFFF", "", ""},
       {{2, "2:1"}, {3, "2:3"}, {4, "4x:001B21FFFFFF"}, {6, "2:1"}, {7, "2:1"}, {8, "2:4"}}},
      {"dst-src with both masks empty: the state alone",
       {id, "dst-src-mac-addr", "", "", "", ""},
       {{2, "2:1"}, {3, "2:4"}, {6, "2:1"}, {7, "2:1"}, {8, "2:4"}}},
      {"dst-src: both masks",
       {id, "dst-src-mac-addr", "FFFFFFFFFFFF", "FFFFFF000000", "0FFF", ""},
       {{2, "2:1"}, {3, "2:4"}, {4, "4x:FFFFFFFFFFFF"}, {5, "4x:FFFFFF000000"}, {6, "2:1"}, {7, "2:1"}, {12, "4x:0FFF"},
        {8, "2:4"}}},
  };
  this->Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    this->sim->clearSetLog();
    this->Fill(c.entry);
    this->Press(this->form->AddBtn);
    EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{this->Expected(id, c.carried)});
    EXPECT_NE(this->Row(id), nullptr);
    EXPECT_EQ(this->form->IDEdit->Text(), "");  // cleared for the next entry
    EXPECT_TRUE(this->form->AddBtn->Enabled);
    this->ExpectWordsRestored();
    // Gone again for the next case.
    this->Select(id);
    this->Press(this->form->BT_Delete);
    ASSERT_EQ(this->Row(id), nullptr);
  }
  EXPECT_TRUE(this->boxes.Calls().empty());
}

// A state that leaves a MAC mask's column out disables the mask's edit: nothing typed there is
// dropped unseen.
TYPED_TEST(EthernetProfileDialog, an_edit_is_usable_exactly_while_the_choices_write_its_column) {
  const std::vector<acltest::LeftOutEdit> cases = {
      {"MacAddMaskSourceEdit", 4, "001B21FFFFFF", "4x:001B21FFFFFF", "MacMaskStateComBo=dst-src-mac-addr",
       {"MacMaskStateComBo=other", "MacMaskStateComBo=dst-mac-addr"}},
      {"MacMaskDstEdit", 5, "FFFFFF000000", "4x:FFFFFF000000", "MacMaskStateComBo=dst-src-mac-addr",
       {"MacMaskStateComBo=other", "MacMaskStateComBo=src-mac-addr"}},
  };
  this->Open();
  this->ExpectEditsFollowChoices(TypeParam::Entry, TypeParam::NewId(), this->form->AddBtn, cases,
                                 [this](const std::string& id) {
                                   this->Select(id);
                                   this->Press(this->form->BT_Delete);
                                 });
}

TYPED_TEST(EthernetProfileDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  using E = typename TestFixture::Entry;
  struct Case {
    const char* what;
    E entry;
    const char* rowStatus;
    const char* message;
  };
  const std::string id = TypeParam::NewId();
  std::vector<Case> cases = {
      {"a listed ID, before any other check", {"1", "dst-mac-addr", "", "bad", "", ""}, "active",
       "There is already a record with the same Ethernet Mask ID. Please modified it."},
      {"row status not createAndGo", {id, "other", "", "", "", ""}, "active", "Row Status must be createAndGo."},
      {"no ID", {"", "other", "", "", "", ""}, "createAndGo", "Mask ID must be set"},
      {"11 digits of a mask in use", {id, "dst-mac-addr", "", "FFFFFFFFFFF", "", ""}, "createAndGo",
       "Invalid MAC Address"},
      {"a mask with separators", {id, "dst-src-mac-addr", "00-1B-21-A4-C3-10", "FFFFFFFFFFFF", "", ""}, "createAndGo",
       "Invalid MAC Address"},
  };
  if (TypeParam::HasVlanMask)
    cases.push_back({"a VLAN mask that is not hexadecimal", {id, "other", "", "", "0FFG", ""}, "createAndGo", "Invalid Mask!"});
  this->Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const size_t before = this->boxes.Calls().size();
    this->Fill(c.entry);
    this->Choose(this->form->RowStatusComBo, c.rowStatus);
    GuiTesting::UserClick(this->form->AddBtn);
    ASSERT_EQ(this->boxes.Calls().size(), before + 1);
    EXPECT_EQ(this->boxes.Calls().back().text, c.message);
    EXPECT_TRUE(this->sim->setLog().empty());
    this->ExpectWordsRestored();
  }
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
}

TYPED_TEST(EthernetProfileDialog, delete_destroys_the_selected_profile_without_asking) {
  this->Open();
  this->Select("2");
  this->Press(this->form->BT_Delete);
  EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(TypeParam::Entry, "2", {{8, "2:6"}})});
  EXPECT_TRUE(this->boxes.Calls().empty());
  EXPECT_EQ(this->Row("2"), nullptr);
  EXPECT_EQ(this->SwitchValue(TypeParam::Entry, 8, NvSyntax::integer, "2"), "");
  EXPECT_EQ(TypeParam::Count(this->form)->Caption(), std::to_string(TypeParam::SeededRows().size() - 1));
  EXPECT_FALSE(this->form->BT_Delete->Enabled);
  EXPECT_EQ(this->form->RowStatusComBo->Text(), "destroy");  // as the dialog leaves it
}

TYPED_TEST(EthernetProfileDialog, a_write_that_fails_before_sending_says_why_in_the_status_bar) {
  this->Open();
  this->form->Table->Request.Address = "no such address";
  this->Fill({TypeParam::NewId(), "other", "", "", "", ""});
  GuiTesting::UserClick(this->form->AddBtn);
  const std::string status = this->form->StatusBar1->Panels->Items[0]->Text;
  EXPECT_FALSE(status.empty());
  EXPECT_EQ(status.find("Receive at"), std::string::npos) << status;  // the message itself, not a read's line
  EXPECT_TRUE(this->sim->setLog().empty());
  // Also in a box, which no read after the write overwrites.
  ASSERT_EQ(this->boxes.Calls().size(), 1u);
  EXPECT_EQ(this->boxes.Calls().front().text, status);
  this->ExpectWordsRestored();
  EXPECT_EQ(this->form->DataComplete, 1);
}

TYPED_TEST(EthernetProfileDialog, close_frees_the_request) {
  this->Open();
  GuiTesting::UserClick(TypeParam::CloseButton(this->form));
  EXPECT_FALSE(this->form->Visible);
  EXPECT_EQ(this->form->Table, nullptr);
}

// A read delivers its rows one by one and lets the window work in between: an Add pressed
// then is refused and sends nothing.
TYPED_TEST(EthernetProfileDialog, add_while_the_table_is_read_is_refused) {
  this->Open();
  this->Fill({TypeParam::NewId(), "other", "", "", "", ""});
  this->sim->setDelay(150);
  TTimer press(nullptr);
  press.Interval = 100;
  press.OnTimer = [&](TObject*) {
    press.Enabled = false;
    GuiTesting::UserClick(this->form->AddBtn);
  };
  press.Enabled = true;
  GuiTesting::UserClick(this->form->BT_Get);  // returns once the whole table is read
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"Get data not complet"});
  EXPECT_TRUE(this->sim->setLog().empty());
  EXPECT_EQ(this->Rows(), TypeParam::SeededRows());
}

using AclEthernetProfileDialog = acltest::AclDialogTest<TEthernetMaskInformationForm>;

TEST_F(AclEthernetProfileDialog, refresh_after_stop_reads_the_table_again) {
  Open();
  GuiTesting::UserClick(form->Button1);
  Press(form->BT_Get);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "3", "5"}));
  EXPECT_EQ(form->ST_Count->Caption(), "4");
}

}  // namespace
