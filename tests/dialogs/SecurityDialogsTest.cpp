// The security dialogs against the simulated switch: the tables that tie an address and a MAC
// address to ports (ARP spoofing prevention, IP-MAC binding, DHCP offer permits), opened from
// their menu items, listing, adding, writing and deleting rows through their controls; and the
// MAC-based access control settings with their guest VLAN.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Arpspoofingpreventmgmtformunit.h"
#include "CommandRunner.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Filterdhcppermitformunit.h"
#include "Ipmacbindingformunit.h"
#include "Mbacontrolunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Startup.h"

namespace {

using namespace dialogtest;

const std::string kArpPorts = "1.3.6.1.4.1.32473.12.62.3.1.1.3";
const std::string kArpStatus = "1.3.6.1.4.1.32473.12.62.3.1.1.4";
const std::string kBindMac = "1.3.6.1.4.1.32473.12.23.4.1.1.2";
const std::string kBindStatus = "1.3.6.1.4.1.32473.12.23.4.1.1.3";
const std::string kBindPorts = "1.3.6.1.4.1.32473.12.23.4.1.1.4";
const std::string kPermitPorts = "1.3.6.1.4.1.32473.12.37.1.1.1.3";
const std::string kPermitStatus = "1.3.6.1.4.1.32473.12.37.1.1.1.4";

// The caption and sub-items of the row so captioned; empty when there is none.
std::vector<std::string> RowCells(TListView* list, const std::string& caption) {
  TListItem* row = FindRow(list, caption);
  if (!row) return {};
  std::vector<std::string> cells{row->Caption};
  for (int i = 0; i < row->SubItems->Count; ++i) cells.push_back(row->SubItems->Get(i));
  return cells;
}

std::vector<std::string> BoxTexts(const GuiTesting::ScriptedAnswerer& boxes) {
  std::vector<std::string> texts;
  for (const auto& call : boxes.Calls()) texts.push_back(call.text);
  return texts;
}

// The dialog F shown on a fresh switch (the tests add and destroy rows), its first read done.
template <class F>
class OnSwitch : public ::testing::Test {
 public:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    PointSessionAt(*sim);
    DeviceAddress = "127.0.0.1";
    form = new F(nullptr);
    form->Show();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  // The keys typed and the ports ticked, then the button pressed; every request blocks.
  void Enter(const std::string& ip, const std::string& mac, std::initializer_list<int> ports) {
    Retype(form->edtIpAddr, ip);
    Retype(form->edtMacAddr, mac);
    TogglePorts(form->Picker, ports);
  }
  void Press(TButton* button) { GuiTesting::UserClick(button); }
  // The idle state every read ends in: no row, the row buttons off, the detail controls empty.
  void ExpectIdle() {
    EXPECT_EQ(form->ListView1->Selected(), nullptr);
    EXPECT_FALSE(form->btnEdit->Enabled());
    EXPECT_FALSE(form->btnDelete->Enabled());
    EXPECT_TRUE(form->btnAdd->Enabled());
    EXPECT_TRUE(form->edtIpAddr->Enabled());
    EXPECT_EQ(form->edtIpAddr->Text(), "");
    EXPECT_EQ(form->edtMacAddr->Text(), "");
    EXPECT_EQ(form->Picker->CountChecked(), 0);
  }
  std::unique_ptr<SwitchSim> sim;
  GuiTesting::ScriptedAnswerer boxes;
  F* form = nullptr;
};

// ---------------------------------------------------------------------------------------
// Menu items

struct MenuCase {
  const char* item;
  const char* caption;
  int rows;
  bool global;
};

TEST(SecurityMenus, each_dialog_opens_from_its_menu_item_with_the_switchs_rows) {
  SwitchSim sim;
  PointSessionAt(sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const MenuCase cases[] = {
      {"ARPSpoofingPrevent1", "ARP Spoofing Prevent Managment Table: 127.0.0.1", 3, true},
      {"BindingTable1", "IP-MAC Binding: 127.0.0.1", 4, true},
      {"PermitTable1", "DHCP Offer Permit Entry Settings: 127.0.0.1", 3, false},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.item);
    const NvMenuCommand* command = NvFindMenuCommand(c.item);
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(NvMenuCommandBuilt(*command));
    std::string caption;
    int rows = -1;
    bool global = false;
    GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
      auto* form = dynamic_cast<TAddressMacPortsDialog*>(&shown);
      ASSERT_NE(form, nullptr);
      caption = form->Caption;
      rows = form->ListView1->Items->Count;
      global = form == ARPSpoofingPreventMgmtForm || form == IPMACBindingForm;
      GuiTesting::UserClick(form->btnClose);
    });
    TForm mainWindow(nullptr);
    std::string title;
    NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
    NvRunMenuCommand(*command, host);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(global, c.global);
  }
  EXPECT_EQ(ARPSpoofingPreventMgmtForm, nullptr);
  EXPECT_EQ(IPMACBindingForm, nullptr);
}

// ---------------------------------------------------------------------------------------
// ARP spoofing prevention

const std::string kGateway = "10.90.90.254.0.1.2.42.80.254";

using ArpSpoofing = OnSwitch<TARPSpoofingPreventMgmtForm>;

TEST_F(ArpSpoofing, lists_each_gateway_with_its_mac_and_ports) {
  ASSERT_EQ(Captions(form->ListView1), (std::vector<std::string>{"10.90.90.254", "192.168.20.1", "192.168.30.1"}));
  EXPECT_EQ(Cell(form->ListView1, "10.90.90.254", 1), "0001022A50FE");
  EXPECT_EQ(Cell(form->ListView1, "192.168.30.1", 2), "25-28[000000F000000000]");
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_EQ(form->PageControl1->Pages[0]()->Caption(), "Ports");
  ExpectIdle();
}

TEST_F(ArpSpoofing, add_sends_the_ticked_ports_with_createAndGo_and_without_a_tick_the_status_alone) {
  Enter("10.90.90.1", "0001022A5001", {1, 3});
  Press(form->btnAdd);
  Enter("10.90.90.2", "0001022A5002", {});
  Press(form->btnAdd);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{
                               kArpPorts + ".10.90.90.1.0.1.2.42.80.1=4x:A000000000000000 ; " + kArpStatus +
                                   ".10.90.90.1.0.1.2.42.80.1=2:4",
                               kArpStatus + ".10.90.90.2.0.1.2.42.80.2=2:4"}));
  EXPECT_EQ(form->StaticText1->Caption(), "5");
  EXPECT_EQ(Cell(form->ListView1, "10.90.90.2", 2), "0[0000000000000000]");
  ExpectIdle();
}

TEST_F(ArpSpoofing, set_writes_the_chosen_rows_ports_and_its_own_status) {
  ChooseRow(form->ListView1, "192.168.20.1");
  EXPECT_EQ(form->edtMacAddr->Text(), "0050BA200001");  // twelve digits: the MAC check takes it
  EXPECT_FALSE(form->edtIpAddr->Enabled());
  EXPECT_FALSE(form->btnAdd->Enabled());
  TogglePorts(form->Picker, {17});
  Press(form->btnEdit);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kArpPorts + ".192.168.20.1.0.80.186.32.0.1=4x:00FF800000000000 ; " +
                                                     kArpStatus + ".192.168.20.1.0.80.186.32.0.1=2:1"}));
  EXPECT_TRUE(boxes.Calls().empty());
  ExpectIdle();
}

// Every read ends with no row chosen: a Delete never reaches the last row read.
TEST_F(ArpSpoofing, delete_destroys_the_row_chosen_after_the_last_read_only) {
  ChooseRow(form->ListView1, "10.90.90.254");
  Press(form->btnEdit);
  ExpectIdle();
  sim->clearSetLog();
  form->btnDeleteClick(nullptr);
  Press(form->btnGet);
  form->btnDeleteClick(nullptr);
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(boxes.Calls().empty());

  sim->clearSetLog();
  ChooseRow(form->ListView1, "10.90.90.254");
  Press(form->btnDelete);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Are you sure to delete it?"}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kArpStatus + "." + kGateway + "=2:6"}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"192.168.20.1", "192.168.30.1"}));
  EXPECT_EQ(form->StaticText1->Caption(), "2");
  ExpectIdle();
}

// ---------------------------------------------------------------------------------------
// Bad addresses: both dialogs of the stock checks refuse them alike, sending nothing.

struct BadInput {
  const char* ip;
  const char* mac;
  std::vector<std::string> messages;
  bool focusOnMac;
};

const BadInput kStockRefusals[] = {
    {"10.90.90", "0001022A5001", {"Please input a valid IP."}, false},
    {"10.90.90.300", "0001022A5001", {"Please input a valid IP."}, false},
    {"10.90.90.9", "0001022A50", {"Please enter a valid MAC address!"}, true},
    {"10.90.90.9", "0001022A50GG", {"Please enter a valid MAC address!"}, true},
};

// Add with each bad pair typed: its message, the focus on the edit at fault, nothing sent.
template <class F>
void ExpectStockRefusals(OnSwitch<F>& test) {
  for (const BadInput& c : kStockRefusals) {
    SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
    GuiTesting::ScriptedAnswerer answers;
    test.Enter(c.ip, c.mac, {});
    test.Press(test.form->btnAdd);
    EXPECT_EQ(BoxTexts(answers), c.messages);
    EXPECT_EQ(test.form->ActiveControl(),
              c.focusOnMac ? static_cast<TWinControl*>(test.form->edtMacAddr) : test.form->edtIpAddr);
  }
  EXPECT_TRUE(test.sim->setLog().empty());
}

TEST_F(ArpSpoofing, bad_addresses_are_refused_before_anything_is_sent) { ExpectStockRefusals(*this); }

// ---------------------------------------------------------------------------------------
// IP-MAC binding

using IpMacBinding = OnSwitch<TIPMACBindingForm>;

TEST_F(IpMacBinding, lists_the_bindings_with_the_switchs_acl_status_and_mode) {
  std::vector<std::string> headers;
  for (int i = 0; i < form->ListView1->Columns->Count; ++i) headers.push_back(form->ListView1->Columns->Items[i]->Caption);
  EXPECT_EQ(headers, (std::vector<std::string>{"IP Index", "MAC", "ACL Status", "Ports", "Mode", "Row Status"}));
  ASSERT_EQ(form->ListView1->Items->Count, 4);
  EXPECT_EQ(RowCells(form->ListView1, "10.90.90.21"),
            (std::vector<std::string>{"10.90.90.21", "001A2B3C4D21", "active", "F000000000000000", "static", "active"}));
  EXPECT_EQ(form->StaticText1, nullptr);
  EXPECT_EQ(form->btnEdit->Caption(), "Edit");
  ExpectIdle();
}

TEST_F(IpMacBinding, add_sends_the_mac_the_ports_and_createAndGo) {
  Enter("10.90.90.30", "001A2B3C4D30", {1, 2});
  Press(form->btnAdd);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kBindMac + ".10.90.90.30=4x:001A2B3C4D30 ; " + kBindPorts +
                                                     ".10.90.90.30=4x:C000000000000000 ; " + kBindStatus +
                                                     ".10.90.90.30=2:4"}));
  EXPECT_EQ(RowCells(form->ListView1, "10.90.90.30"),
            (std::vector<std::string>{"10.90.90.30", "001A2B3C4D30", "active", "C000000000000000", "static", "active"}));
  ExpectIdle();
}

TEST_F(IpMacBinding, edit_keeps_the_address_and_sends_the_mac_the_ports_and_active) {
  ChooseRow(form->ListView1, "10.90.90.22");
  EXPECT_FALSE(form->edtIpAddr->Enabled());
  EXPECT_TRUE(form->edtMacAddr->Enabled());
  Retype(form->edtMacAddr, "001A2B3C4D99");
  TogglePorts(form->Picker, {6});
  Press(form->btnEdit);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kBindMac + ".10.90.90.22=4x:001A2B3C4D99 ; " + kBindPorts +
                                                     ".10.90.90.22=4x:0C00000000000000 ; " + kBindStatus +
                                                     ".10.90.90.22=2:1"}));
  EXPECT_EQ(Cell(form->ListView1, "10.90.90.22", 1), "001A2B3C4D99");
  ExpectIdle();
}

// A binding the switch learnt keeps its MAC: the refused write is reported and the list read
// again shows every value under its own heading.
TEST_F(IpMacBinding, a_refused_edit_is_reported_and_the_list_reads_right_afterwards) {
  ChooseRow(form->ListView1, "10.90.90.40");
  Press(form->btnEdit);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(RowCells(form->ListView1, "10.90.90.40"),
            (std::vector<std::string>{"10.90.90.40", "0050BA5D7712", "active", "0004000000000000", "dhcp-snooping",
                                      "active"}));
  ExpectIdle();
}

TEST_F(IpMacBinding, delete_asks_and_destroys_the_chosen_binding) {
  ChooseRow(form->ListView1, "192.168.20.15");
  Press(form->btnDelete);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Are you sure to delete it?"}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kBindStatus + ".192.168.20.15=2:6"}));
  EXPECT_EQ(FindRow(form->ListView1, "192.168.20.15"), nullptr);
  ExpectIdle();
}

// A cancelled delete empties the details; choosing the row again fills them, so a Set then
// writes the row's own MAC and ports.
TEST_F(IpMacBinding, a_cancelled_delete_leaves_no_row_chosen_with_empty_details) {
  ChooseRow(form->ListView1, "192.168.20.15");
  const std::string mac = form->edtMacAddr->Text();
  ASSERT_FALSE(mac.empty());
  boxes.Answer(IDCANCEL);
  Press(form->btnDelete);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Are you sure to delete it?"}));
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(form->ListView1->Selected(), nullptr);

  ChooseRow(form->ListView1, "192.168.20.15");
  EXPECT_EQ(form->edtMacAddr->Text(), mac);
}

TEST_F(IpMacBinding, bad_addresses_are_refused_before_anything_is_sent) { ExpectStockRefusals(*this); }

// ---------------------------------------------------------------------------------------
// DHCP offer permits

const std::string kPermit = "10.90.90.5.0.30.88.161.2.3";

using DhcpPermit = OnSwitch<TFilterDHCPPermitForm>;

TEST_F(DhcpPermit, lists_the_entries_with_a_picker_of_56_ports) {
  ASSERT_EQ(Captions(form->ListView1), (std::vector<std::string>{"10.90.90.5", "192.168.20.2", "192.168.30.2"}));
  EXPECT_EQ(Cell(form->ListView1, "192.168.30.2", 1), "000C294F8E35");
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_EQ(form->Picker->CheckBoxes->Count, 56);
  EXPECT_TRUE(PortBox(form->Picker, 28)->Visible());
  EXPECT_FALSE(PortBox(form->Picker, 29)->Visible());
  ExpectIdle();
}

TEST_F(DhcpPermit, add_refuses_a_missing_port_then_a_bad_address_then_a_bad_mac) {
  struct Case {
    std::vector<int> ports;
    const char* ip;
    const char* mac;
    const char* message;
  };
  const Case cases[] = {
      {{}, "", "", "Please select a certain portlist to configure!"},
      {{1}, "10.90.90.6", "", "Invalid MAC address"},
      {{1}, "10.90.90.6", "001E58A1020", "Invalid MAC address"},
      {{1}, "10.90.90.6", "001E58A1020G", "Invalid MAC address"},
      {{1}, "10.90.90", "001E58A10206", "Please input a valid IP"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer answers;
    form->Picker->UncheckAll();
    Retype(form->edtIpAddr, c.ip);
    Retype(form->edtMacAddr, c.mac);
    for (int p : c.ports) GuiTesting::UserClick(PortBox(form->Picker, p));
    Press(form->btnAdd);
    EXPECT_EQ(BoxTexts(answers), (std::vector<std::string>{c.message}));
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(DhcpPermit, add_and_set_send_the_ports_with_createAndGo_and_active) {
  Enter("10.90.90.6", "001E58A10206", {2, 28});
  Press(form->btnAdd);
  ChooseRow(form->ListView1, "192.168.20.2");
  EXPECT_FALSE(form->edtIpAddr->Enabled());
  EXPECT_FALSE(form->edtMacAddr->Enabled());
  TogglePorts(form->Picker, {9});
  Press(form->btnEdit);
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{
                kPermitPorts + ".10.90.90.6.0.30.88.161.2.6=4x:40000010000000 ; " + kPermitStatus +
                    ".10.90.90.6.0.30.88.161.2.6=2:4",
                kPermitPorts + ".192.168.20.2.0.30.88.161.2.32=4x:007F000000000000 ; " + kPermitStatus +
                    ".192.168.20.2.0.30.88.161.2.32=2:1"}));
  EXPECT_EQ(form->StaticText1->Caption(), "4");
  ExpectIdle();
}

TEST_F(DhcpPermit, delete_destroys_the_chosen_entry_without_a_question_down_to_an_empty_table) {
  ChooseRow(form->ListView1, "10.90.90.5");
  Press(form->btnDelete);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPermitStatus + "." + kPermit + "=2:6"}));
  while (form->ListView1->Items->Count > 0) {
    GuiTesting::UserClickItem(form->ListView1, form->ListView1->Items->Item[0]);
    Press(form->btnDelete);
  }
  EXPECT_EQ(sim->setLog().size(), 3u);
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(form->StaticText1->Caption(), "0");
  ExpectIdle();
}

// ---------------------------------------------------------------------------------------
// MAC-based access control settings

const std::string kMba = "1.3.6.1.4.1.32473.12.35.1.";
const std::string kMbaGlobal = kMba + "1.0=2:2 ; " + kMba + "2.0=2:1 ; " + kMba + "3.0=4:mbaKey2024";

class MbaSettings : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    DeviceAddress = "127.0.0.1";
    form = new TMBAControlForm(nullptr);
    form->Show();
    sim->clearSetLog();
  }
  void OpenWithoutGuestVlan() {
    SwitchSim::Options options;
    options.extraSeeds = {TestSeed("mba-guest-vlan-unset.snmprec")};
    Open(options);
  }
  void TearDown() override { delete form; }
  void Press(TButton* button) { GuiTesting::UserClick(button); }

  std::unique_ptr<SwitchSim> sim;
  GuiTesting::ScriptedAnswerer boxes;
  TMBAControlForm* form = nullptr;
};

TEST_F(MbaSettings, opens_from_its_menu_item_with_the_switchs_settings_and_guest_vlan) {
  sim = std::make_unique<SwitchSim>();
  PointSessionAt(*sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand("PortGlobalSettings1");
  ASSERT_NE(command, nullptr);
  EXPECT_TRUE(NvMenuCommandBuilt(*command));
  struct Seen {
    std::string caption;
    bool global = false;
    TPosition position = poDefault;
    std::vector<std::string> values;
    std::vector<int> ports;
    std::string groupCaption;
  } seen;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* f = dynamic_cast<TMBAControlForm*>(&shown);
    ASSERT_NE(f, nullptr);
    seen.caption = f->Caption;
    seen.global = f == MBAControlForm;
    seen.position = f->Position;
    seen.values = {f->Cbox_State->Text(), f->Cbox_Method->Text(),  f->edtPassWord->Text(),
                   f->Cbox_ClearAllAction->Text(), f->edtName->Text(), f->Edit1->Text(), f->cbxDel->Text()};
    seen.ports = CheckedPorts(f->Picker);
    seen.groupCaption = f->gbStackingPort->Caption;
    EXPECT_EQ(f->Picker->Parent(), f->gbStackingPort);
    EXPECT_TRUE(PortBox(f->Picker, 28)->Visible());
    EXPECT_FALSE(PortBox(f->Picker, 29)->Visible());
    GuiTesting::UserClick(f->BT_Close);
  });
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  NvRunMenuCommand(*command, host);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(seen.caption, "MBA Port Global Settings: 127.0.0.1");
  EXPECT_TRUE(seen.global);
  EXPECT_EQ(seen.position, poDesigned);
  EXPECT_EQ(seen.values,
            (std::vector<std::string>{"enabled", "local", "mbaKey2024", "other", "guest", "guest", "none"}));
  EXPECT_EQ(seen.ports, (std::vector<int>{20, 21, 22, 23, 24}));
  EXPECT_EQ(seen.groupCaption, "Guest VLAN Member Ports");
  EXPECT_EQ(MBAControlForm, nullptr);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(MbaSettings, set_writes_the_settings_then_only_the_member_ports_of_the_held_guest_vlan) {
  Open();
  GuiTesting::UserChoose(form->Cbox_Method, 1);  // radius
  TogglePorts(form->Picker, {1, 24});
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kMba + "1.0=2:2 ; " + kMba + "2.0=2:2 ; " + kMba + "3.0=4:mbaKey2024",
                                      kMba + "5.0=4x:80001E0000000000"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

// The clear-all action travels with the Set it was chosen for and with no later one, not even
// after the switch reports "start" back.
TEST_F(MbaSettings, clear_all_is_started_only_by_the_set_it_was_chosen_for) {
  Open();
  const std::string ports = kMba + "5.0=4x:00001F0000000000";
  GuiTesting::UserChoose(form->Cbox_ClearAllAction, 1);  // start
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kMbaGlobal + " ; " + kMba + "8.0=2:2", ports}));
  EXPECT_EQ(form->Cbox_ClearAllAction->Text(), "other");

  sim->clearSetLog();
  GuiTesting::UserChoose(form->Cbox_Method, 1);  // radius
  Press(form->SetBtn);
  const std::string radius = kMba + "1.0=2:2 ; " + kMba + "2.0=2:2 ; " + kMba + "3.0=4:mbaKey2024";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{radius, ports}));

  sim->clearSetLog();
  Press(form->BT_Get);
  EXPECT_EQ(form->Cbox_ClearAllAction->Text(), "start");  // as the switch reports it
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{radius, ports}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MbaSettings, refusals_give_their_message_and_send_what_they_say) {
  struct Case {
    const char* password;
    const char* name;
    const char* message;
    std::vector<std::string> sent;
  };
  const Case cases[] = {
      {"", "guest", "The Pssword can't be NULL!", {}},
      // Everything typed is checked before anything is sent: a refused name keeps the
      // settings from going too, so one press never leaves half of what the user asked for.
      {"mbaKey2024", "visitors", "Can't change the VLAN name,delete previous name first!", {}},
      {"mbaKey2024", "", "Can't change the VLAN name,delete previous name first!", {}},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer answers;
    sim->clearSetLog();
    Retype(form->edtPassWord, c.password);
    Retype(form->edtName, c.name);
    Press(form->SetBtn);
    EXPECT_EQ(BoxTexts(answers), (std::vector<std::string>{c.message}));
    EXPECT_EQ(sim->setLog(), c.sent);
  }
  EXPECT_EQ(SwitchValue(kMba + "4", "0", 76), "guest");
}

// Nothing held and nothing typed: the guest VLAN SET carries no variable, and the switch takes it.
TEST_F(MbaSettings, without_a_guest_vlan_or_a_name_the_guest_vlan_set_carries_nothing) {
  OpenWithoutGuestVlan();
  EXPECT_EQ(form->Edit1->Text(), "");
  TogglePorts(form->Picker, {3});
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kMbaGlobal, ""}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_FALSE(form->GuestVlanRequest->Busy);
}

// After the first name is written the dialog knows the switch holds it: a second, different
// name is refused instead of overwriting the first.
TEST_F(MbaSettings, a_first_name_is_written_with_the_ports_and_then_held_against_another) {
  OpenWithoutGuestVlan();
  Retype(form->edtName, "visitors");
  TogglePorts(form->Picker, {1, 2});
  Press(form->SetBtn);
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kMbaGlobal, kMba + "4.0=4:visitors ; " + kMba + "5.0=4x:C000000000000000"}));
  EXPECT_EQ(form->Edit1->Text(), "visitors");
  EXPECT_TRUE(boxes.Calls().empty());

  sim->clearSetLog();
  Retype(form->edtName, "lobby");
  Press(form->SetBtn);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Can't change the VLAN name,delete previous name first!"}));
  EXPECT_TRUE(sim->setLog().empty());  // checked before the settings went
  EXPECT_EQ(SwitchValue(kMba + "4", "0", 76), "visitors");
}

TEST_F(MbaSettings, delete_starts_the_name_delete_action_without_asking_and_reads_every_group_again) {
  Open();
  Retype(form->edtPassWord, "typed");
  Retype(form->edtName, "typed");
  TogglePorts(form->Picker, {20});
  Press(form->DelBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kMba + "7.0=2:2"}));
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(form->cbxDel->Text(), "start");
  EXPECT_EQ(form->edtPassWord->Text(), "mbaKey2024");
  EXPECT_EQ(form->edtName->Text(), "guest");
  EXPECT_EQ(form->Edit1->Text(), "guest");
  EXPECT_EQ(CheckedPorts(form->Picker), (std::vector<int>{20, 21, 22, 23, 24}));
}

}  // namespace
