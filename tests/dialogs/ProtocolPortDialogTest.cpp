// The 802.1v protocol VLAN port dialog and its entry pop-up against the simulated switch: the
// rows, the two SETs of an Add and the one of an Edit, Delete, one re-read after the last reply,
// and the pop-up freed with the dialog.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Dot1vprotocolporteditunit.h"
#include "Dot1vprotocolportunit.h"

namespace {

using namespace dialogtest;

const std::string kVid = "1.3.6.1.2.1.17.7.1.5.2.1.2.";
const std::string kStatus = "1.3.6.1.2.1.17.7.1.5.2.1.3.";
const std::string kPriority = "1.3.6.1.4.1.32473.12.16.1.2.1.1.";

class ProtocolPortDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    PointSessionAt(*sim);
    form = new Tdot1vProtocolPortForm(nullptr);
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  void WaitForReread() {
    ASSERT_TRUE(GuiTesting::ProcessUntil(
        [&] { return form->DataComplete == 1 && !form->Table->Busy && form->Table->Request.PendingReplies == 0; },
        15000));
  }

  std::unique_ptr<SwitchSim> sim;
  Tdot1vProtocolPortForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(ProtocolPortDialog, lists_the_entries_and_a_chosen_one_fills_the_popup) {
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"25", "26", "27"}));
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_EQ(Cell(form->ListView1, "26", 3), "0");  // the priority column
  EXPECT_EQ(Cell(form->ListView1, "25", 3), "-");
  ChooseRow(form->ListView1, "26");
  EXPECT_EQ(form->Popup->edt_baseport->Text(), "26");
  EXPECT_EQ(form->Popup->edt_groupid->Text(), "2");
  EXPECT_EQ(form->Popup->edt_groupvid->Text(), "20");
  EXPECT_TRUE(form->Btu_Edit->Enabled);
  EXPECT_FALSE(form->Btn_Add->Enabled);
}

TEST_F(ProtocolPortDialog, add_sends_the_creation_then_vlan_and_priority_and_reads_once) {
  bool keysUsable = false;
  std::string caption;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Tdot1vProtocolPortEdit* popup = form->Popup;
    caption = popup->Caption;
    keysUsable = popup->edt_baseport->Enabled && popup->edt_groupvid->Enabled;
    EXPECT_EQ(popup->edt_grouppri->Text(), "-");
    Retype(popup->edt_baseport, "5");
    Retype(popup->edt_groupid, "4");
    Retype(popup->edt_groupvid, "30");
    GuiTesting::UserClick(popup->btn_Set);
  });
  GuiTesting::UserClick(form->Btn_Add);
  WaitForReread();
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(caption, "Protocol VLAN Port Add Table");
  EXPECT_TRUE(keysUsable);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPriority + "5.4=2:-1 ; " + kStatus + "5.4=2:4",
                                                     kVid + "5.4=2:30 ; " + kPriority + "5.4=2:-1"}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"5", "25", "26", "27"}));
  EXPECT_EQ(Cell(form->ListView1, "5", 2), "30");
  EXPECT_EQ(form->StaticText1->Caption(), "4");
  EXPECT_TRUE(boxes.Calls().empty());
}

// A key or VLAN that is not a whole value of its range is refused before anything is sent: a
// base port of -1 would address row 4294967295.
TEST_F(ProtocolPortDialog, add_refuses_a_base_port_group_or_vlan_out_of_range_and_sends_nothing) {
  const struct {
    const char* port;
    const char* group;
    const char* vid;
    const char* message;  // the last box; null: the edit's own format refuses it
  } cases[] = {
      {"-1", "4", "30", "Base Port should be a port between 1-28"},
      {"0", "4", "30", "Base Port should be a port between 1-28"},
      {"29", "4", "30", "Base Port should be a port between 1-28"},
      {"4294967295", "4", "30", "Base Port should be a port between 1-28"},
      {"", "4", "30", "Base Port should be a port between 1-28"},
      {"5", "", "30", "Group ID should between 1-2147483647"},
      {"5", "4", "", "Group VID should between 1-4094"},
      {"5", "0", "30", nullptr},
      {"5", "4", "4095", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.port) + "/" + c.group + "/" + c.vid);
    GuiTesting::ScriptedAnswerer caseBoxes;
    bool open = false;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      Tdot1vProtocolPortEdit* popup = form->Popup;
      Retype(popup->edt_baseport, c.port);
      Retype(popup->edt_groupid, c.group);
      Retype(popup->edt_groupvid, c.vid);
      GuiTesting::UserClick(popup->btn_Set);
      open = popup->ModalResult == mrNone;
      if (open) GuiTesting::UserClick(popup->btn_Close);
    });
    GuiTesting::UserClick(form->Btn_Add);
    WaitForReread();
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_TRUE(open);
    // A number past the edit's format is refused by it first, and the emptied field then.
    ASSERT_FALSE(caseBoxes.Calls().empty());
    if (c.message) {
      EXPECT_EQ(caseBoxes.Calls().back().text, c.message);
    }
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"25", "26", "27"}));
}

TEST_F(ProtocolPortDialog, edit_changes_only_the_priority_and_writes_the_vlan_as_read) {
  ChooseRow(form->ListView1, "25");
  bool keysLocked = false;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Tdot1vProtocolPortEdit* popup = form->Popup;
    keysLocked = !popup->edt_baseport->Enabled && !popup->edt_groupid->Enabled && !popup->edt_groupvid->Enabled;
    GuiTesting::UserChoose(popup->edt_grouppri, 6);  // "5"
    GuiTesting::UserClick(popup->btn_Set);
  });
  GuiTesting::UserClick(form->Btu_Edit);
  WaitForReread();
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_TRUE(keysLocked);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kVid + "25.1=2:10 ; " + kPriority + "25.1=2:5"}));
  EXPECT_EQ(Cell(form->ListView1, "25", 3), "5");
}

TEST_F(ProtocolPortDialog, double_click_on_a_row_opens_it_for_edit) {
  std::string port, vid;
  bool keysLocked = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    Tdot1vProtocolPortEdit* popup = form->Popup;
    port = popup->edt_baseport->Text();
    vid = popup->edt_groupvid->Text();
    keysLocked = !popup->edt_baseport->Enabled && !popup->edt_groupvid->Enabled;
    shown.ModalResult = mrCancel;
  });
  GuiTesting::UserDoubleClickItem(form->ListView1, FindRow(form->ListView1, "26"));
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(port, "26");
  EXPECT_EQ(vid, "20");
  EXPECT_TRUE(keysLocked);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ProtocolPortDialog, add_after_edit_starts_with_empty_usable_keys) {
  ChooseRow(form->ListView1, "27");
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    if (driver.Runs() == 1) {
      shown.ModalResult = mrCancel;
      return;
    }
    EXPECT_EQ(form->Popup->edt_baseport->Text(), "");
    EXPECT_EQ(form->Popup->edt_groupvid->Text(), "");
    EXPECT_TRUE(form->Popup->edt_groupid->Enabled);
    GuiTesting::UserClick(form->Popup->btn_Close);
  });
  GuiTesting::UserClick(form->Btu_Edit);
  form->ListView1->ClearSelection();
  GuiTesting::UserClick(form->Btn_Add);
  EXPECT_EQ(driver.Runs(), 2);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ProtocolPortDialog, delete_destroys_the_chosen_entry_without_asking) {
  ChooseRow(form->ListView1, "27");
  GuiTesting::UserClick(form->Btn_Delete);
  WaitForReread();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kStatus + "27.3=2:6"}));
  EXPECT_EQ(SwitchValue(kStatus.substr(0, kStatus.size() - 1), "27.3", NvSyntax::integer), "");
  // Read again after the reply: the port is gone with its priority.
  EXPECT_EQ(FindRow(form->ListView1, "27"), nullptr);
  EXPECT_EQ(Cell(form->ListView1, "26", 4), "active");
  EXPECT_TRUE(boxes.Calls().empty());
}

// The buttons follow the chosen row, and Delete addresses that row: nothing a pop-up left in
// its fields picks the row destroyed.
TEST_F(ProtocolPortDialog, delete_destroys_the_chosen_row_whatever_the_popup_fields_hold) {
  ChooseRow(form->ListView1, "25");
  GuiTesting::ModalDriver driver([&](TCustomForm&) { GuiTesting::UserClick(form->Popup->btn_Close); });
  GuiTesting::UserClick(form->Btu_Edit);
  ASSERT_EQ(driver.Runs(), 1);
  EXPECT_EQ(form->ListView1->Selected(), FindRow(form->ListView1, "25"));
  EXPECT_FALSE(form->Btn_Add->Enabled);
  EXPECT_TRUE(form->Btn_Delete->Enabled);
  GuiTesting::UserClick(form->Btn_Add);
  EXPECT_EQ(driver.Runs(), 1);
  // The keys of another row in the fields, as an Add typed them once.
  form->Popup->edt_baseport->Text = "26";
  form->Popup->edt_groupid->Text = "2";
  GuiTesting::UserClick(form->Btn_Delete);
  WaitForReread();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kStatus + "25.1=2:6"}));
  const std::string status = kStatus.substr(0, kStatus.size() - 1);
  EXPECT_EQ(SwitchValue(status, "25.1", NvSyntax::integer), "");
  EXPECT_EQ(SwitchValue(status, "26.2", NvSyntax::integer), "1");
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"26", "27"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

// The creation was taken, the VLAN refused: the retry writes the VLAN of the row that now
// exists instead of creating it a second time.
TEST_F(ProtocolPortDialog, add_retried_after_a_refused_vlan_writes_the_vlan_of_the_row_it_created) {
  sim->setSubtreeError(kVid + "5.4", 5);
  bool stayedOpen = false, closedAfterRetry = false;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Tdot1vProtocolPortEdit* popup = form->Popup;
    Retype(popup->edt_baseport, "5");
    Retype(popup->edt_groupid, "4");
    Retype(popup->edt_groupvid, "30");
    GuiTesting::UserClick(popup->btn_Set);
    WaitForReread();
    stayedOpen = popup->ModalResult == mrNone;
    sim->setSubtreeError(kVid + "5.4", 0);
    // The fault failed the walk after the write too; nothing is written on a failed read.
    form->StartWalk(form->Table);
    WaitForReread();
    GuiTesting::UserClick(popup->btn_Set);
    closedAfterRetry = popup->ModalResult == mrOk;
    if (!closedAfterRetry) GuiTesting::UserClick(popup->btn_Close);
  });
  GuiTesting::UserClick(form->Btn_Add);
  WaitForReread();
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(closedAfterRetry);
  const std::string vlanAndPriority = kVid + "5.4=2:30 ; " + kPriority + "5.4=2:-1";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPriority + "5.4=2:-1 ; " + kStatus + "5.4=2:4", vlanAndPriority,
                                                     vlanAndPriority}));
  EXPECT_EQ(SwitchValue(kVid.substr(0, kVid.size() - 1), "5.4", NvSyntax::integer), "30");
  EXPECT_EQ(Cell(form->ListView1, "5", 2), "30");
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the switch's refusal of the first VLAN write
  // It says the entry now exists without its VLAN, and how to finish it.
  const std::string told = boxes.Calls()[0].text;
  EXPECT_NE(told.find("\nThese changes were made: the entry, without its VLAN (press Set again to give it its VLAN).\n"
                      "These changes were not made: Group VID."),
            std::string::npos)
      << told;
}

TEST_F(ProtocolPortDialog, the_popup_goes_when_the_dialog_closes) {
  ASSERT_NE(dot1vProtocolPortEdit, nullptr);
  const int before = Application->ComponentCount;
  GuiTesting::UserClick(form->Btn_Close);
  EXPECT_EQ(form->Popup, nullptr);
  EXPECT_EQ(dot1vProtocolPortEdit, nullptr);
  EXPECT_EQ(Application->ComponentCount, before - 1);
}

}  // namespace
