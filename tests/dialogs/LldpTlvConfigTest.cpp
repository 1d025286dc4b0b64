// The two LLDP port TLV dialogs (basic TLVs with admin state and notification, and the 802.3
// TLVs), one table of cases, driven as a user would against the simulated switch: the names
// text, the pop-up of ticks, what Edit writes (switchsim's SET log), a refused write and a
// switch that does not answer.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpportconfigtable.h"
#include "NvSNMPRequest2Edits.h"
#include "TableDialogDriver.h"

namespace {

using dialogtest::ChooseRow;
using dialogtest::RowCells;
using GuiTesting::BoxKind;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kPortConfig = "1.0.8802.1.1.2.1.1.6.1.";

struct Member {
  const char* Name;
  std::function<TLLDPTlvConfigDialog*()> Make;
  std::string TlvColumn;
  std::string AllNames;         // the text of the octet F0
  std::string FullPort;         // a port sending every TLV
  std::string EmptyPort;        // a port sending none
  std::string EmptyPortOthers;  // what Edit writes beside the TLVs for EmptyPort
  std::string PopupCaption;
  std::string TypedName;  // the name of bit 0x40
};

const Member Members[] = {
    {"basic", [] { return new TLLDPPortConfigForm(nullptr); }, kPortConfig + "4",
     " Port Description,System Name,System Description,System Capabilities", "1", "5",
     kPortConfig + "2.5=2:4 ; " + kPortConfig + "3.5=2:2 ; ", "Port Configuration Table Setting: ", "System Name"},
    {"dot3", [] { return new TLLDPDot3PortConfigForm(nullptr); }, "1.0.8802.1.1.2.1.5.4623.1.1.1.1.1",
     " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize", "1", "7", "",
     "LLDP Dot3 Port Configuration Table Setting: ", "powerViaMDI"},
};

class LldpTlvConfig : public ::testing::TestWithParam<Member> {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = GetParam().Make();
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible() && form->DataComplete == 1; }, dialogtest::kLongWait));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  }
  // Clicks the TLV text; the pop-up shown runs popupSteps, then closes through its own button.
  std::string OpenPopup(const std::function<void(TLLDPTlvPopup&)>& popupSteps) {
    std::string caption;
    GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
      auto* popup = dynamic_cast<TLLDPTlvPopup*>(&shown);
      ASSERT_NE(popup, nullptr);
      caption = popup->Caption;
      popupSteps(*popup);
    });
    UserClick(form->TLVsEdit);
    EXPECT_EQ(driver.Runs(), 1);
    return caption;
  }
  std::string Tlvs(const std::string& port) const {
    const auto cells = RowCells(form->ListView1, {port});
    return cells.empty() ? "(no row)" : cells.back();
  }

  std::unique_ptr<SwitchSim> sim;
  TLLDPTlvConfigDialog* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(LldpTlvConfig, lists_every_port_with_its_tlvs_as_names) {
  EXPECT_EQ(form->ListView1->Items->Count, 28);
  EXPECT_EQ(form->StaticText1->Caption(), "28");
  EXPECT_EQ(Tlvs(GetParam().FullPort), GetParam().AllNames);
  EXPECT_EQ(Tlvs(GetParam().EmptyPort), " ");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_FALSE(form->PortEditLabel->Enabled);

  ChooseRow(form->ListView1, {GetParam().FullPort});
  EXPECT_EQ(form->PortText->Caption(), GetParam().FullPort);
  EXPECT_EQ(form->TLVsEdit->Text(), GetParam().AllNames);
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(LldpTlvConfig, ticks_of_the_popup_become_the_text_and_edit_sends_their_bits) {
  ChooseRow(form->ListView1, {GetParam().EmptyPort});
  const std::string caption = OpenPopup([](TLLDPTlvPopup& popup) {
    for (TCheckBox* box : popup.Boxes) EXPECT_FALSE(box->Checked);
    GuiTesting::UserClick(popup.Boxes[3]);  // bit 0x10
    GuiTesting::UserClick(popup.SetButton);
  });
  EXPECT_EQ(caption, GetParam().PopupCaption);
  const std::string name = form->Popup->Tlvs()[3].Name;
  EXPECT_EQ(form->TLVsEdit->Text(), " " + name);
  Press(form->EditButton);

  const std::string port = GetParam().EmptyPort;
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{GetParam().EmptyPortOthers + GetParam().TlvColumn + "." + port + "=4x:10"}));
  EXPECT_EQ(dialogtest::SwitchValue(GetParam().TlvColumn, port, NvSyntax::octetstr), "10");
  EXPECT_EQ(Tlvs(port), " " + name);
  EXPECT_EQ(form->PortText->Caption(), " ");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(LldpTlvConfig, full_text_through_the_popup_keeps_every_bit_even_a_hidden_box) {
  ChooseRow(form->ListView1, {GetParam().FullPort});
  OpenPopup([](TLLDPTlvPopup& popup) {
    for (TCheckBox* box : popup.Boxes) EXPECT_TRUE(box->Checked) << box->Name();
    GuiTesting::UserClick(popup.SetButton);
    for (TCheckBox* box : popup.Boxes) EXPECT_FALSE(box->Checked) << box->Name();
  });
  EXPECT_EQ(form->TLVsEdit->Text(), GetParam().AllNames);
  Press(form->EditButton);
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_NE(sim->setLog()[0].find(GetParam().TlvColumn + "." + GetParam().FullPort + "=4x:F0"), std::string::npos)
      << sim->setLog()[0];
}

TEST_P(LldpTlvConfig, typed_name_sets_its_bit_alone) {
  ChooseRow(form->ListView1, {GetParam().FullPort});
  form->TLVsEdit->Text = "";
  GuiTesting::UserType(form->TLVsEdit, GetParam().TypedName);
  Press(form->EditButton);
  ASSERT_EQ(sim->setLog().size(), 1u);
  // 0x40 is the printable "@"
  EXPECT_NE(sim->setLog()[0].find(GetParam().TlvColumn + "." + GetParam().FullPort + "=4:@"), std::string::npos)
      << sim->setLog()[0];
  EXPECT_EQ(Tlvs(GetParam().FullPort), " " + GetParam().TypedName);
}

// Names in any case are the same names; the octet is exactly their bits.
TEST_P(LldpTlvConfig, names_typed_in_another_case_set_their_bits) {
  const std::vector<NvLldpTlvBox>& tlvs = form->Popup->Tlvs();
  auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  auto upper = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  };
  const struct {
    std::string text;
    const char* octet;  // as switchsim logs it
  } cases[] = {
      {lower(tlvs[1].Name) + ", " + lower(tlvs[0].Name), "4x:C0"},
      {" " + upper(tlvs[3].Name) + " ", "4x:10"},
      {" ", "4x:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    sim->clearSetLog();
    ChooseRow(form->ListView1, {GetParam().FullPort});
    form->TLVsEdit->Text = "";
    GuiTesting::UserType(form->TLVsEdit, c.text);
    Press(form->EditButton);
    ASSERT_EQ(sim->setLog().size(), 1u);
    EXPECT_NE(sim->setLog()[0].find(GetParam().TlvColumn + "." + GetParam().FullPort + "=" + c.octet), std::string::npos)
        << sim->setLog()[0];
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

// A word that names no TLV is refused with a message and nothing is sent: never read as "no
// TLV", which would turn every optional TLV of the port off.
TEST_P(LldpTlvConfig, a_word_that_names_no_tlv_is_refused_and_nothing_is_sent) {
  const std::string name = form->Popup->Tlvs()[1].Name;
  const std::string cases[] = {
      name.substr(0, name.size() - 1),                  // misspelt
      name + ";" + form->Popup->Tlvs()[0].Name,         // another separator
      "x" + name,
      name + ", none",
      name.substr(0, 2) + "\xC3\xA9" + name.substr(3),  // a non-ASCII letter
      "-",
      name + ",,",                                      // a comma with no name after it
      ",",
      std::string(10000, 'a'),
  };
  ChooseRow(form->ListView1, {GetParam().EmptyPort});
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 40));
    GuiTesting::ScriptedAnswerer caseBoxes;
    form->TLVsEdit->Text = text;
    GuiTesting::UserClick(form->EditButton);
    ASSERT_EQ(caseBoxes.Calls().size(), 1u);
    EXPECT_NE(caseBoxes.Calls()[0].text.find(std::string("is not one of: ") + form->Popup->Tlvs()[0].Name), std::string::npos)
        << caseBoxes.Calls()[0].text;
    EXPECT_LT(caseBoxes.Calls()[0].text.size(), 300u);
    EXPECT_EQ(form->DataComplete, 1);
    EXPECT_EQ(form->TLVsEdit->Text(), text);  // kept to mend
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(dialogtest::SwitchValue(GetParam().TlvColumn, GetParam().EmptyPort, NvSyntax::octetstr), "00");
}

TEST_P(LldpTlvConfig, refused_edit_is_reported_and_changes_nothing) {
  sim->setSubtreeError(GetParam().TlvColumn, 17);  // notWritable
  ChooseRow(form->ListView1, {GetParam().FullPort});
  form->TLVsEdit->Text = " ";
  Press(form->EditButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::MessageBox);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_NE(boxes.Calls()[0].text.find("Not Writable"), std::string::npos) << boxes.Calls()[0].text;
  sim->clearFaults();  // the walk after the write met the fault too
  Press(form->GetButton);
  EXPECT_EQ(Tlvs(GetParam().FullPort), GetParam().AllNames);
  EXPECT_EQ(dialogtest::SwitchValue(GetParam().TlvColumn, GetParam().FullPort, NvSyntax::octetstr), "F0");
}

TEST_P(LldpTlvConfig, edit_to_a_silent_switch_gives_up_and_leaves_the_dialog_usable) {
  form->Table->Request.TimeOut = 20;
  form->Table->Request.Retries = 0;
  ChooseRow(form->ListView1, {GetParam().FullPort});
  sim->setDropReplies(true);
  UserClick(form->EditButton);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  sim->setDropReplies(false);
  Press(form->GetButton);
  EXPECT_EQ(form->ListView1->Items->Count, 28);
}

TEST_P(LldpTlvConfig, refresh_during_a_walk_is_refused_and_the_walk_goes_on) {
  sim->setDelay(100);
  UserClick(form->GetButton);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->GetButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete");
  sim->setDelay(0);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, dialogtest::kLongWait));
  EXPECT_EQ(form->ListView1->Items->Count, 28);
  EXPECT_TRUE(sim->setLog().empty());
}

INSTANTIATE_TEST_SUITE_P(Members, LldpTlvConfig, ::testing::ValuesIn(Members),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(LldpPortConfig, edit_writes_the_chosen_admin_state_and_notification) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  GuiTesting::ScriptedAnswerer boxes;
  std::unique_ptr<TLLDPPortConfigForm> form(new TLLDPPortConfigForm(nullptr));
  form->Show();
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, dialogtest::kLongWait));
  ChooseRow(form->ListView1, {"24"});
  EXPECT_EQ(form->AdminStateComboBox->Text(), "txOnly");
  EXPECT_EQ(form->NotificationComboBox->Text(), "false");
  sim.clearSetLog();
  GuiTesting::UserChoose(form->AdminStateComboBox, 2);    // txAndrx
  GuiTesting::UserChoose(form->NotificationComboBox, 0);  // true
  UserClick(form->EditButton);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{kPortConfig + "2.24=2:3 ; " + kPortConfig + "3.24=2:1 ; " +
                                                    kPortConfig + "4.24=4x:F0"}));
  EXPECT_EQ(RowCells(form->ListView1, {"24"}),
            (std::vector<std::string>{"24", "txAndrx", "true",
                                      " Port Description,System Name,System Description,System Capabilities"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
