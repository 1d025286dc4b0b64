// The list dialogs with entry pop-ups of the system area against the simulated switch: the
// DHCP relay servers (their pop-up, the four-server limit, deletes of the chosen row, a refused
// write kept open), opened from the menu and from the main window's unbound command.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Arpaddedit.h"
#include "Arpconfig.h"
#include "Bootctrltableformunit.h"
#include "CommandRunner.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "SystemDialogFixture.h"
#include "Ipv6staticrouteeditunit.h"
#include "Ipv6staticrouteunit.h"
#include "Mainunit.h"
#include "Msinfortable.h"
#include "Msunit.h"
#include "ProgramEntry.h"
#include "Newbootpctrlformunit.h"
#include "Sshuserctrllistunit.h"
#include "Sshuserctrlunit.h"
#include "Startup.h"
#include "Systemlogserverunit.h"
#include "Timerangeformunit.h"

namespace {

using namespace dialogtest;

// ---------------------------------------------------------------------------------------
// DHCP relay servers

const std::string kRelayStatus = "1.3.6.1.4.1.32473.12.42.3.1.1.3";
const std::string kSystem = "6.83.121.115.116.101.109";
const std::string kV20 = "3.118.50.48";
const std::string kV30 = "3.118.51.48";

class RelayDialog : public DialogOnSwitch<TBOOTCtrlTableForm> {
 protected:
  // Add with the interface (when given) and address typed; what the pop-up showed on opening.
  struct Shown {
    std::string iface, server;
    bool open = false;
    std::string ifaceAfter, serverAfter;
  };
  Shown Add(const std::string& iface, const std::string& server, bool closeAfter = false) {
    Shown shown;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TNewBootpCtrlForm* popup = form->Popup;
      shown.iface = popup->Edit1->Text();
      shown.server = popup->Edit2->Text();
      if (!iface.empty()) Retype(popup->Edit1, iface);
      Retype(popup->Edit2, server);
      GuiTesting::UserClick(popup->DeleteBtn);
      shown.open = popup->ModalResult == mrNone;
      shown.ifaceAfter = popup->Edit1->Text();
      shown.serverAfter = popup->Edit2->Text();
      if (shown.open || closeAfter) GuiTesting::UserClick(popup->BitBtn1);
    });
    GuiTesting::UserClick(form->AddBtn);
    EXPECT_EQ(driver.Runs(), 1);
    WaitIdle();
    return shown;
  }
};

TEST_F(RelayDialog, lists_the_servers_by_interface_and_address) {
  ASSERT_EQ(form->ListView1->Items->Count, 8);
  EXPECT_EQ(form->ListView1->Columns->Items[0]->Caption, "Interface Name");
  EXPECT_EQ(form->ListView1->Items->Item[0]->Caption, "v20");
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(0), "192.168.20.1");
  EXPECT_EQ(form->ListView1->Items->Item[7]->Caption, "System");
  EXPECT_EQ(form->ListView1->Items->Item[7]->SubItems->Get(0), "10.90.90.12");
  EXPECT_EQ(form->ListView1->Items->Item[7]->SubItems->Get(1), "active");
}

TEST_F(RelayDialog, add_creates_the_row_with_its_two_keys_and_reads_it_back) {
  const Shown shown = Add("", "10.90.90.13");
  EXPECT_EQ(shown.iface, "System");
  EXPECT_EQ(shown.server, "");
  EXPECT_FALSE(shown.open);
  EXPECT_EQ(shown.ifaceAfter, "");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRelayStatus + "." + kSystem + ".10.90.90.13=2:4"}));
  EXPECT_EQ(form->ListView1->Items->Count, 9);
  EXPECT_EQ(form->Popup->Caption(), "New DHCP Control: " + TitleSuffix);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RelayDialog, a_fifth_server_of_an_interface_is_refused_and_nothing_is_sent) {
  ChooseRow(form->ListView1, "v30");  // the binding makes the interface edit usable
  const Shown fifth = Add("v20", "192.168.20.5");
  EXPECT_TRUE(fifth.open);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"One interface can support four bootp servers at most."}));
  EXPECT_EQ(boxes.Calls()[0].kind, GuiTesting::BoxKind::MessageDlg);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(RelayDialog, bad_input_gives_its_messages_and_sends_nothing) {
  const Shown badAddress = Add("", "10.90.90");
  EXPECT_TRUE(badAddress.open);
  EXPECT_EQ(BoxTexts(boxes),
            (std::vector<std::string>{"Please input a valid ip", "Please input a valid IP address."}));
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(RelayDialog, a_refused_write_keeps_the_popup_open_with_what_was_typed) {
  sim->setSubtreeError(kRelayStatus, 17);  // notWritable
  const Shown refused = Add("", "10.90.90.20");
  EXPECT_TRUE(refused.open);
  EXPECT_EQ(refused.ifaceAfter, "System");
  EXPECT_EQ(refused.serverAfter, "10.90.90.20");
  ASSERT_EQ(boxes.Calls().size(), 1u);  // the switch's reason
  EXPECT_NE(boxes.Calls()[0].text, "");
  sim->clearFaults();
}

TEST_F(RelayDialog, delete_destroys_the_chosen_row_only) {
  // Without a chosen row nothing is addressed, not even the one the pop-up was left holding.
  Add("", "10.90.90.30", true);
  sim->clearSetLog();
  GuiTesting::UserClick(form->DeleteBtn);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());

  ChooseRow(form->ListView1, "v30");
  GuiTesting::UserClick(form->RefreshBtn);  // the selection goes with the re-read
  WaitIdle();
  GuiTesting::UserClick(form->DeleteBtn);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());

  ChooseRow(form->ListView1, "v30");
  PressAndWait(form, form->DeleteBtn);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRelayStatus + "." + kV30 + ".172.16.30.254=2:6"}));
  EXPECT_EQ(FindRow(form->ListView1, "v30"), nullptr);
  EXPECT_EQ(form->ListView1->Items->Count, 8);  // with the 10.90.90.30 added above
}

TEST_F(RelayDialog, closing_during_a_walk_leaves_no_reply_behind) {
  sim->setDelay(150);
  GuiTesting::UserClick(form->RefreshBtn);
  ASSERT_TRUE(form->Table->Busy);
  GuiTesting::UserClick(form->CloseBtn);
  EXPECT_EQ(form->Table, nullptr);
  EXPECT_EQ(form->Popup, nullptr);
  sim->setDelay(0);
}

TEST_F(SystemDialog, relay_control_opens_from_its_menu_item_and_from_the_unbound_command) {
  const auto close = [](TBOOTCtrlTableForm* form) { GuiTesting::UserClick(form->CloseBtn); };
  TForm mainWindow(nullptr);
  const Opened fromMenu = RunAndClose<TBOOTCtrlTableForm>(MenuCommand("Control1", mainWindow),
                                                          &TBOOTCtrlTableForm::ListView1, &BOOTCtrlTableForm, close);
  EXPECT_EQ(fromMenu.runs, 1);
  EXPECT_EQ(fromMenu.caption, "DHCP Relay Control: 127.0.0.1");
  EXPECT_TRUE(fromMenu.global);
  EXPECT_EQ(fromMenu.owner, &mainWindow);
  EXPECT_EQ(fromMenu.rows, 8);

  ProgramParameters = {"/I127.0.0.1", "/Rquorra", "/Wventhal"};
  auto main = std::make_unique<TMainForm>(nullptr);
  PointSessionAt(*sim);  // the window's start took the session to its parameters
  const Opened unbound = RunAndClose<TBOOTCtrlTableForm>([&] { main->RelayDHCPControlTable1Click(nullptr); },
                                                         &TBOOTCtrlTableForm::ListView1, &BOOTCtrlTableForm, close);
  EXPECT_EQ(unbound.runs, 1);
  EXPECT_EQ(unbound.caption, "Relay DHCP Control Table: 127.0.0.1");
  EXPECT_TRUE(unbound.global);
  EXPECT_EQ(unbound.owner, Application);
  EXPECT_EQ(unbound.rows, 8);
  EXPECT_EQ(BOOTCtrlTableForm, nullptr);
  EXPECT_EQ(NvFindMenuCommand("RelayDHCPControlTable1"), nullptr);  // no menu item of its own
}

// ---------------------------------------------------------------------------------------
// IPv6 static routes

const std::string kRouteStatus = "1.3.6.1.4.1.32473.12.26.3.1.1.8";
const std::string kZeros = "00000000000000000000000000000000";
const std::string kZeroOctets = "0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0";
const std::string kLinkLocal1 = "fe800000000000000000000000000001";
const std::string kLinkLocal1Octets = "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";

class RouteDialog : public DialogOnSwitch<TIpv6StaticRouteForm> {
 protected:
  // Deletes every route through the list, first row first.
  void EmptyTheTable() {
    while (form->ListView1->Items->Count > 0) {
      GuiTesting::UserClickItem(form->ListView1, form->ListView1->Items->Item[0]);
      GuiTesting::UserClick(form->btnDelete);
    }
    sim->clearSetLog();
  }
  struct Typed {
    std::string iface, nextHop, metric;
  };
  // Add Default with these typed; whether the pop-up stayed open.
  bool AddDefault(const Typed& typed) {
    bool open = false;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TIpv6StaticRouteEditForm* popup = form->Popup;
      Retype(popup->edtInterface, typed.iface);
      Retype(popup->edtNextHop, typed.nextHop);
      Retype(popup->edtMetric, typed.metric);
      GuiTesting::UserClick(popup->btnSet);
      open = popup->ModalResult == mrNone;
      if (open) GuiTesting::UserClick(popup->btnClose);
    });
    GuiTesting::UserClick(form->btnAddDefault);
    EXPECT_EQ(driver.Runs(), 1);
    return open;
  }
};

TEST_F(RouteDialog, lists_the_routes_and_offers_the_default_route_only_on_an_empty_table) {
  ASSERT_EQ(form->ListView1->Items->Count, 3);
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_EQ(std::string(form->ListView1->Items->Item[0]->Caption), "20010DB8001000000000000000000000");
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(0), "48");
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(1), "System");
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(2), "FE800000000000000000000000000002");
  EXPECT_FALSE(form->btnAdd->Visible);
  EXPECT_FALSE(form->btnAddDefault->Enabled);
  EXPECT_FALSE(form->btnDelete->Enabled);
  EmptyTheTable();
  EXPECT_EQ(form->StaticText1->Caption(), "0");
  EXPECT_TRUE(form->btnAddDefault->Enabled);
  EXPECT_FALSE(form->btnDelete->Enabled);
}

TEST_F(RouteDialog, delete_destroys_the_chosen_route_without_its_metric) {
  ChooseRow(form->ListView1, "20010DB8002000000000000000000000");
  EXPECT_TRUE(form->btnDelete->Enabled);
  GuiTesting::UserClick(form->btnDelete);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{
                               kRouteStatus + ".32.1.13.184.0.32.0.0.0.0.0.0.0.0.0.0.64.3.118.50.48." +
                               "254.128.0.0.0.0.0.0.2.0.0.0.0.0.0.32=2:6"}));
  EXPECT_EQ(FindRow(form->ListView1, "20010DB8002000000000000000000000"), nullptr);
  EXPECT_EQ(form->StaticText1->Caption(), "2");
  EXPECT_FALSE(form->btnDelete->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RouteDialog, the_default_route_is_sent_with_its_next_hop_and_without_an_empty_metric) {
  EmptyTheTable();
  EXPECT_FALSE(AddDefault({"System", kLinkLocal1, ""}));
  EXPECT_EQ(form->Popup->Caption(), "IPv6 Static Route(Add default): " + TitleSuffix);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRouteStatus + "." + kZeroOctets + ".0." + kSystem + "." +
                                                     kLinkLocal1Octets + "=2:4"}));
  ASSERT_EQ(form->ListView1->Items->Count, 1);
  EXPECT_EQ(std::string(form->ListView1->Items->Item[0]->Caption), kZeros);
  EXPECT_FALSE(form->btnAddDefault->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RouteDialog, bad_routes_are_refused_with_their_message_and_nothing_is_sent) {
  EmptyTheTable();
  const struct {
    Typed typed;
    const char* message;
  } cases[] = {
      {{"System", "", ""}, "Please Set Next Hop Address"},
      {{"System", kZeros, ""}, "Duplicate IP address, Please input a valid Next Hop"},
      {{"System", kLinkLocal1.substr(1), ""}, "Please input a valid IPv6 address"},
      {{"System", "fe80:000000000000000000000000001", ""}, "Please input a valid IPv6 address"},
      // The metric edit's own format refuses 0 as the person leaves it for Set.
      {{"System", kLinkLocal1, "0"}, " Please enter a number between 1 and 65535!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer caseBoxes;
    EXPECT_TRUE(AddDefault(c.typed));
    EXPECT_EQ(BoxTexts(caseBoxes), (std::vector<std::string>{c.message}));
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_FALSE(AddDefault({"System", kLinkLocal1, "65535"}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{
                               "1.3.6.1.4.1.32473.12.26.3.1.1.5." + kZeroOctets + ".0." + kSystem + "." +
                               kLinkLocal1Octets + "=2:65535 ; " + kRouteStatus + "." + kZeroOctets + ".0." +
                               kSystem + "." + kLinkLocal1Octets + "=2:4"}));
}

// The box activates the pop-up again when it closes: what was typed is still there to mend.
TEST_F(RouteDialog, what_was_typed_outlasts_the_popups_own_box_and_is_sent_once_mended) {
  EmptyTheTable();
  std::vector<std::string> afterBox;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TIpv6StaticRouteEditForm* popup = form->Popup;
    Retype(popup->edtInterface, "System");
    Retype(popup->edtNextHop, kLinkLocal1.substr(1));
    Retype(popup->edtMetric, "9");
    GuiTesting::UserClick(popup->btnSet);
    afterBox = {popup->edtInterface->Text(), popup->edtNextHop->Text(), popup->edtMetric->Text()};
    Retype(popup->edtNextHop, kLinkLocal1);
    GuiTesting::UserClick(popup->btnSet);
    if (popup->ModalResult == mrNone) GuiTesting::UserClick(popup->btnClose);
  });
  GuiTesting::UserClick(form->btnAddDefault);
  ASSERT_EQ(driver.Runs(), 1);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please input a valid IPv6 address"}));
  EXPECT_EQ(afterBox, (std::vector<std::string>{"System", kLinkLocal1.substr(1), "9"}));
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{
                               "1.3.6.1.4.1.32473.12.26.3.1.1.5." + kZeroOctets + ".0." + kSystem + "." +
                               kLinkLocal1Octets + "=2:9 ; " + kRouteStatus + "." + kZeroOctets + ".0." +
                               kSystem + "." + kLinkLocal1Octets + "=2:4"}));
}

TEST_F(RouteDialog, a_refused_route_keeps_the_popup_open_with_what_was_typed) {
  EmptyTheTable();
  sim->setSubtreeError(kRouteStatus, 12);  // inconsistentValue
  std::string nextHop;
  bool open = false;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TIpv6StaticRouteEditForm* popup = form->Popup;
    Retype(popup->edtInterface, "System");
    Retype(popup->edtNextHop, kLinkLocal1);
    GuiTesting::UserClick(popup->btnSet);
    open = popup->ModalResult == mrNone;
    nextHop = popup->edtNextHop->Text();
    GuiTesting::UserClick(popup->btnClose);
  });
  GuiTesting::UserClick(form->btnAddDefault);
  EXPECT_TRUE(open);
  EXPECT_EQ(nextHop, kLinkLocal1);
  EXPECT_EQ(boxes.Calls().size(), 1u);
  sim->clearFaults();
}

// The last route deleted had metric 100; the pop-up showed an empty metric, and a refused
// metric goes back to that, so a second Set sends the route without one.
TEST_F(RouteDialog, a_refused_metric_goes_back_to_what_the_popup_showed_never_a_deleted_routes) {
  EmptyTheTable();
  std::string afterRefusal;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TIpv6StaticRouteEditForm* popup = form->Popup;
    EXPECT_EQ(popup->edtMetric->Text(), "");
    Retype(popup->edtInterface, "System");
    Retype(popup->edtNextHop, kLinkLocal1);
    Retype(popup->edtMetric, "0");
    GuiTesting::UserClick(popup->btnSet);
    afterRefusal = popup->edtMetric->Text();
    GuiTesting::UserClick(popup->btnSet);
    if (popup->ModalResult == mrNone) GuiTesting::UserClick(popup->btnClose);
  });
  GuiTesting::UserClick(form->btnAddDefault);
  ASSERT_EQ(driver.Runs(), 1);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{" Please enter a number between 1 and 65535!"}));
  EXPECT_EQ(afterRefusal, "");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRouteStatus + "." + kZeroOctets + ".0." + kSystem + "." +
                                                     kLinkLocal1Octets + "=2:4"}));
}

TEST_F(RouteDialog, a_metric_is_a_whole_number_of_its_range) {
  EmptyTheTable();
  // Set straight after the text is put in: the edit's own check on leaving never runs.
  for (const char* metric : {"-1", "0", "65536", "99999999999"}) {
    SCOPED_TRACE(metric);
    GuiTesting::ScriptedAnswerer caseBoxes;
    bool open = false;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TIpv6StaticRouteEditForm* popup = form->Popup;
      Retype(popup->edtInterface, "System");
      Retype(popup->edtNextHop, kLinkLocal1);
      popup->edtMetric->Text = metric;  // past the key filter, as pasted
      GuiTesting::UserClick(popup->btnSet);
      open = popup->ModalResult == mrNone;
      // Closed from the title bar: Close would take the focus from the refused metric.
      if (open) popup->ModalResult = mrCancel;
    });
    GuiTesting::UserClick(form->btnAddDefault);
    ASSERT_EQ(driver.Runs(), 1);
    EXPECT_TRUE(open);
    EXPECT_EQ(BoxTexts(caseBoxes), (std::vector<std::string>{"Metric should between 1-65535"}));
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(SystemDialog, ipv6_static_routes_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  bool popupGlobal = false;
  const Opened opened = RunAndClose<TIpv6StaticRouteForm>(
      MenuCommand("IPv6StaticRoute1", mainWindow), &TIpv6StaticRouteForm::ListView1, &Ipv6StaticRouteForm,
      [&](TIpv6StaticRouteForm* form) {
        popupGlobal = Ipv6StaticRouteEditForm == form->Popup;
        GuiTesting::UserClick(form->btnClose);
      });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "IPv6 Static Route Table: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_TRUE(popupGlobal);
  EXPECT_EQ(opened.rows, 3);
  EXPECT_EQ(Ipv6StaticRouteForm, nullptr);
  EXPECT_EQ(Ipv6StaticRouteEditForm, nullptr);
}

// ---------------------------------------------------------------------------------------
// Single IP member switches

const std::string kMember = "1.3.6.1.4.1.32473.12.8.1.3.1.";

class MemberDialog : public DialogOnSwitch<TMSInformationForm> {
 protected:
  struct Typed {
    std::string id, candidate, password;
    int status = TMSEditForm::kCreateAndGo;
  };
  // Add with these typed (a status below 0 left unchosen); whether the pop-up stayed open, and
  // what its ID edit held then.
  std::pair<bool, std::string> Add(const Typed& typed) {
    bool open = false;
    std::string id;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TMSEditForm* popup = form->Popup;
      EXPECT_EQ(popup->Row_Status->Text(), "");  // an add starts with no row status
      Retype(popup->MSIDEdit, typed.id);
      Retype(popup->KeyIDEdit, typed.candidate);
      Retype(popup->MS_Password, typed.password);
      if (typed.status >= 0) GuiTesting::UserChoose(popup->Row_Status, typed.status);
      GuiTesting::UserClick(popup->SetButton);
      open = popup->ModalResult == mrNone;
      id = popup->MSIDEdit->Text();
      if (open) GuiTesting::UserClick(popup->CloseButton);
    });
    GuiTesting::UserClick(form->AddButton);
    EXPECT_EQ(driver.Runs(), 1);
    WaitIdle();
    return {open, id};
  }
};

TEST_F(MemberDialog, lists_the_members_and_deletes_only_with_a_chosen_one) {
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"1", "2", "5"}));
  EXPECT_EQ(Cell(form->ListView1, "2", 1), "branch-sw2");
  EXPECT_EQ(Cell(form->ListView1, "2", 7), "3");
  EXPECT_FALSE(form->DeleteButton->Enabled);
  ChooseRow(form->ListView1, "5");
  GuiTesting::UserClick(form->ListView1);
  EXPECT_TRUE(form->DeleteButton->Enabled);
}

TEST_F(MemberDialog, add_writes_the_member_under_its_id_and_reads_the_list_again) {
  const auto [open, id] = Add({"3", "4", "pw3"});
  EXPECT_FALSE(open);
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kMember + "8.3=2:4 ; " + kMember + "9.3=4:pw3 ; " + kMember + "10.3=2:4"}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"1", "2", "3", "5"}));
  EXPECT_EQ(Cell(form->ListView1, "3", 9), "active");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MemberDialog, bad_members_are_refused_with_their_message_and_nothing_is_sent) {
  const struct {
    Typed typed;
    const char* message;
  } cases[] = {
      {{"2", "4", "x"}, "There is already a record with the same Member Switch ID. Please modified it."},
      {{"", "4", "x"}, "Member Siwitch ID is needed."},
      {{"3", "", "x"}, "Member Candidate ID is needed."},
      {{"3", "4", "x", 0}, "Member Row State must be createAndGo."},
      {{"3", "4", "x", -1}, "Member Row State must be createAndGo."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer caseBoxes;
    EXPECT_TRUE(Add(c.typed).first);
    EXPECT_EQ(BoxTexts(caseBoxes), (std::vector<std::string>{c.message}));
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(MemberDialog, a_refused_add_keeps_the_popup_open_with_what_was_typed) {
  sim->setSubtreeError(kMember + "10", 12);  // inconsistentValue
  const auto [open, id] = Add({"7", "8", "pw"});
  EXPECT_TRUE(open);
  EXPECT_EQ(id, "7");
  EXPECT_EQ(boxes.Calls().size(), 1u);
  sim->clearFaults();
}

TEST_F(MemberDialog, delete_destroys_the_chosen_member_with_its_status_alone) {
  ChooseRow(form->ListView1, "5");
  GuiTesting::UserClick(form->ListView1);
  GuiTesting::UserClick(form->DeleteButton);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kMember + "10.5=2:6"}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"1", "2"}));
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SystemDialog, member_switches_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  const Opened opened = RunAndClose<TMSInformationForm>(
      MenuCommand("MemberSwitch1", mainWindow), &TMSInformationForm::ListView1, &MSInformationForm,
      [](TMSInformationForm* form) {
        GuiTesting::UserClick(form->GetButton);  // a walk under way when the window closes
        form->Close();
      });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "Member Switch Information: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.owner, &mainWindow);
  EXPECT_EQ(opened.rows, 3);
  EXPECT_EQ(MSInformationForm, nullptr);
}

// ---------------------------------------------------------------------------------------
// Time ranges

const std::string kRange = "1.3.6.1.4.1.32473.12.50.3.1.1.";
const std::string kLab = "3.108.97.98";
const std::string kWeekend = "7.119.101.101.107.101.110.100";
const std::string kBackup = "6.98.97.99.107.117.112";

class TimeRangeDialog : public DialogOnSwitch<TTimeRangeForm> {
 protected:
  std::vector<int> TickedDays() const {
    std::vector<int> days;
    for (int d = 0; d < 7; ++d)
      if (form->DayBoxes[size_t(d)]->Checked) days.push_back(d + 1);
    return days;
  }
  void Tick(std::initializer_list<int> days) {
    for (int d : days) GuiTesting::UserClick(form->DayBoxes[size_t(d - 1)]);
  }
  static std::string Row(const std::string& key, const std::string& days, const std::string& start,
                         const std::string& end, int status) {
    return kRange + "2." + key + "=4:" + days + " ; " + kRange + "3." + key + "=4:" + start + " ; " + kRange + "4." +
           key + "=4:" + end + " ; " + kRange + "5." + key + "=2:" + std::to_string(status);
  }
};

TEST_F(TimeRangeDialog, lists_the_ranges_and_a_chosen_one_ticks_its_days) {
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"backup", "weekend", "office-hours"}));
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  EXPECT_FALSE(form->btnSet->Enabled);
  ChooseRow(form->ListView1, "backup");
  GuiTesting::UserClick(form->ListView1);
  EXPECT_EQ(TickedDays(), (std::vector<int>{1, 7}));  // "Sun,Mon"
  EXPECT_EQ(form->edtStart->Text(), "02:00:00");
  EXPECT_FALSE(form->edtName->Enabled);
  EXPECT_TRUE(form->btnSet->Enabled);
  EXPECT_TRUE(form->btnDelete->Enabled);
}

TEST_F(TimeRangeDialog, add_packs_the_days_with_their_own_commas_and_reads_again) {
  Retype(form->edtName, "lab");
  Tick({2, 4});
  Retype(form->edtStart, "09:00:00");
  Retype(form->edtEnd, "17:30:00");
  GuiTesting::UserClick(form->btnAdd);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Row(kLab, ",Tue,Thu", "09:00:00", "17:30:00", 4)}));
  EXPECT_EQ(Cell(form->ListView1, "lab", 1), ",Tue,Thu");
  EXPECT_EQ(form->StaticText1->Caption(), "4");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TimeRangeDialog, an_add_without_a_name_days_or_whole_times_is_refused_and_nothing_is_sent) {
  const std::string notStart = "Please input hh:mm:ss, from 00:00:00 to 23:59:59, as the daily start time";
  const std::string notEnd = "Please input hh:mm:ss, from 00:00:00 to 23:59:59, as the daily end time";
  const struct {
    const char* name;
    bool days;
    std::string start;
    std::string end;
    std::string message;
  } cases[] = {
      {"", true, "09:00:00", "10:00:00", "Please input the time range name"},
      {"lab", false, "09:00:00", "10:00:00", "Please input the weekdays"},
      {"lab", true, "", "10:00:00", "Please select the daily start time"},
      {"lab", true, "09:00:00", "", "Please select the daily end time"},
      // A time is a whole time of day, two digits each, or nothing is sent.
      {"lab", true, "24:00:00", "10:00:00", notStart},
      {"lab", true, "23:60:00", "10:00:00", notStart},
      {"lab", true, "23:59:60", "10:00:00", notStart},
      {"lab", true, "9:00:00", "10:00:00", notStart},
      {"lab", true, "09:00", "10:00:00", notStart},
      {"lab", true, " 09:00:00", "10:00:00", notStart},
      {"lab", true, "09-00-00", "10:00:00", notStart},
      {"lab", true, "now", "10:00:00", notStart},
      {"lab", true, "\xEF\xBC\x90" "9:00:00", "10:00:00", notStart},
      {"lab", true, "09:00:00", "10:00:00 ", notEnd},
      {"lab", true, "09:00:00", "-1:00:00", notEnd},
      {"lab", true, "09:00:00", std::string(10000, '1'), notEnd},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message + " for " + c.start + " / " + c.end.substr(0, 20));
    GuiTesting::ScriptedAnswerer caseBoxes;
    form->ClearDetailControls();
    Retype(form->edtName, c.name);
    if (c.days) Tick({3});
    Retype(form->edtStart, c.start);
    Retype(form->edtEnd, c.end);
    GuiTesting::UserClick(form->btnAdd);
    EXPECT_EQ(BoxTexts(caseBoxes), (std::vector<std::string>{c.message}));
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"backup", "weekend", "office-hours"}));
}

TEST_F(TimeRangeDialog, edit_writes_the_row_with_the_status_it_was_read_with) {
  ChooseRow(form->ListView1, "weekend");
  GuiTesting::UserClick(form->ListView1);
  Tick({5});
  Retype(form->edtEnd, "23:59:59");
  GuiTesting::UserClick(form->btnSet);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Row(kWeekend, ",Fri,Sat,Sun", "00:00:00", "23:59:59", 1)}));
  EXPECT_EQ(Cell(form->ListView1, "weekend", 1), ",Fri,Sat,Sun");
  EXPECT_FALSE(form->btnSet->Enabled);
  EXPECT_TRUE(form->edtName->Enabled);
}

TEST_F(TimeRangeDialog, delete_destroys_the_chosen_row_with_its_values_as_read) {
  ChooseRow(form->ListView1, "backup");
  GuiTesting::UserClick(form->ListView1);
  Retype(form->edtStart, "05:00:00");  // not saved: the row is destroyed as it stands
  GuiTesting::UserClick(form->btnDelete);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Row(kBackup, "Sun,Mon", "02:00:00", "04:00:00", 6)}));
  EXPECT_EQ(Captions(form->ListView1), (std::vector<std::string>{"weekend", "office-hours"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(TimeRangeDialog, closing_during_a_walk_is_refused_until_stop) {
  sim->setDelay(200);
  GuiTesting::UserClick(form->btnGet);
  ASSERT_EQ(form->DataComplete, 0);
  GuiTesting::UserClick(form->btnClose);
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
  EXPECT_TRUE(form->Visible);
  GuiTesting::UserClick(form->btnStop);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
  sim->setDelay(0);
  GuiTesting::UserClick(form->btnClose);
  EXPECT_EQ(form->Table, nullptr);  // the request went with the close
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(SystemDialog, time_ranges_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  const Opened opened =
      RunAndClose<TTimeRangeForm>(MenuCommand("TimeRangeManagement1", mainWindow), &TTimeRangeForm::ListView1,
                                  &TimeRangeForm, [](TTimeRangeForm* form) { GuiTesting::UserClick(form->btnClose); });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "Time Range: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.rows, 3);
  EXPECT_EQ(TimeRangeForm, nullptr);
}

// ---------------------------------------------------------------------------------------
// System log hosts

const std::string kHost = "1.3.6.1.4.1.32473.12.12.2.1.";

class SyslogDialog : public DialogOnSwitch<TSystemLogServerForm> {
 protected:
  void Choose(const std::string& index) {
    ChooseRow(form->LV_SystemLogServerEntry, index);
    GuiTesting::UserClick(form->LV_SystemLogServerEntry);
  }
};

TEST_F(SyslogDialog, lists_the_hosts_and_a_chosen_one_locks_its_index) {
  EXPECT_EQ(Captions(form->LV_SystemLogServerEntry), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(form->ST_Count->Caption(), "3");
  EXPECT_EQ(Cell(form->LV_SystemLogServerEntry, "2", 2), "local4");
  EXPECT_EQ(Cell(form->LV_SystemLogServerEntry, "2", 4), "6514");
  EXPECT_FALSE(form->Btn_Edit->Enabled);
  Choose("2");
  EXPECT_FALSE(form->Ed_Index->Enabled);
  EXPECT_EQ(form->Ed_IP->Text(), "192.168.10.20");
  EXPECT_TRUE(form->Btn_Edit->Enabled);
  EXPECT_TRUE(form->Btn_Del->Enabled);
}

TEST_F(SyslogDialog, the_index_is_white_while_it_can_be_typed_and_greyed_while_locked) {
  Choose("2");
  EXPECT_EQ(form->Ed_Index->Color(), clBtnFace);
  GuiTesting::UserClick(form->Btn_Refresh);
  WaitIdle();
  EXPECT_TRUE(form->Ed_Index->Enabled);
  EXPECT_EQ(form->Ed_Index->Color(), clWhite);
  Choose("3");
  EXPECT_EQ(form->Ed_Index->Color(), clBtnFace);
}

TEST_F(SyslogDialog, add_with_only_an_address_sends_it_with_the_creation_and_lists_the_table_once) {
  Retype(form->Ed_Index, "4");
  Retype(form->Ed_IP, "10.1.1.4");
  GuiTesting::UserClick(form->Btn_Add);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "2.4=64:10.1.1.4 ; " + kHost + "7.4=2:4"}));
  EXPECT_EQ(Captions(form->LV_SystemLogServerEntry), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(form->ST_Count->Caption(), "4");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SyslogDialog, bad_hosts_are_refused_with_their_message_and_nothing_is_sent) {
  const struct {
    const char* index;
    const char* ip;
    const char* port;
    const char* message;
  } cases[] = {
      {"", "10.1.1.4", "", "Server Index must be set"},
      {"2", "10.1.1.4", "", "This Index has already existed. Please Change Server Index."},
      {"4", "", "", "Server IP Address must be set"},
      {"4", "10.1.1", "", "Please input a valid ip"},
      {"4", "10.1.1.4", "513", "The range of Server UDP Port for syslog is 514 or 6000-65535."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    GuiTesting::ScriptedAnswerer caseBoxes;
    Retype(form->Ed_Index, c.index);
    Retype(form->Ed_IP, c.ip);
    Retype(form->Ed_Port, c.port);
    GuiTesting::UserClick(form->Btn_Add);
    EXPECT_EQ(BoxTexts(caseBoxes), (std::vector<std::string>{c.message}));
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(SyslogDialog, set_takes_only_the_syslog_ports_and_lists_the_table_once) {
  const struct {
    const char* port;
    bool taken;
  } cases[] = {{"514", true}, {"6000", true}, {"65535", true}, {"513", false}, {"5999", false}, {"65536", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.port);
    sim->clearSetLog();
    GuiTesting::ScriptedAnswerer caseBoxes;
    Choose("2");
    Retype(form->Ed_Port, c.port);
    GuiTesting::UserClick(form->Btn_Edit);
    WaitIdle();
    if (c.taken) {
      EXPECT_EQ(sim->setLog(),
                (std::vector<std::string>{kHost + "2.2=64:192.168.10.20 ; " + kHost + "3.2=2:4 ; " + kHost +
                                          "4.2=2:2 ; " + kHost + "5.2=2:" + c.port + " ; " + kHost + "6.2=2:3 ; " +
                                          kHost + "7.2=2:1"}));
      EXPECT_EQ(Cell(form->LV_SystemLogServerEntry, "2", 4), c.port);
      EXPECT_TRUE(caseBoxes.Calls().empty());
    } else {
      EXPECT_TRUE(sim->setLog().empty());
      EXPECT_EQ(BoxTexts(caseBoxes),
                (std::vector<std::string>{"The range of Server UDP Port for syslog is 514 or 6000-65535."}));
    }
    EXPECT_EQ(form->LV_SystemLogServerEntry->Items->Count, 3);
  }
}

TEST_F(SyslogDialog, delete_sends_the_chosen_row_status_alone) {
  Choose("3");
  GuiTesting::UserClick(form->Btn_Del);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kHost + "7.3=2:6"}));
  EXPECT_EQ(Captions(form->LV_SystemLogServerEntry), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SyslogDialog, closing_during_a_walk_leaves_no_reply_behind) {
  sim->setDelay(150);
  GuiTesting::UserClick(form->Btn_Refresh);
  ASSERT_TRUE(form->Table->Busy);
  GuiTesting::UserClick(form->Button1);
  EXPECT_EQ(form->Table, nullptr);
  sim->setDelay(0);
}

TEST_F(SystemDialog, syslog_hosts_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  const Opened opened = RunAndClose<TSystemLogServerForm>(
      MenuCommand("SystemLogServerTable1", mainWindow), &TSystemLogServerForm::LV_SystemLogServerEntry, nullptr,
      [](TSystemLogServerForm* form) { GuiTesting::UserClick(form->Button1); });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "System Log Host Table: 127.0.0.1");
  EXPECT_EQ(opened.rows, 3);
}

// ---------------------------------------------------------------------------------------
// SSH users

const std::string kSshUser = "1.3.6.1.4.1.32473.12.6.4.1.1.";
const std::string kAdmin = "5.97.100.109.105.110";
const std::string kOps = "3.111.112.115";

class SshUserDialog : public DialogOnSwitch<TSSHUserCtrlList> {
 protected:
  void Choose(const std::string& user) {
    ChooseRow(form->lvData, user);
    GuiTesting::UserClick(form->lvData);
  }
};

TEST_F(SshUserDialog, a_password_user_is_written_with_its_mode_alone) {
  EXPECT_EQ(Captions(form->lvData), (std::vector<std::string>{"ops", "admin", "backup"}));
  EXPECT_EQ(form->StaticText->Caption(), "3");
  EXPECT_FALSE(form->btnEdit->Enabled);
  Choose("admin");
  EXPECT_TRUE(form->btnEdit->Enabled);
  bool hostFieldsOff = false, open = true;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TSSHUserCtrlEdit* popup = form->Popup;
    hostFieldsOff = !popup->edtHostName->Enabled && !popup->edtHostIPAddr->Enabled;
    GuiTesting::UserClick(popup->btnSet);
    open = popup->ModalResult == mrNone;
  });
  GuiTesting::UserClick(form->btnEdit);
  WaitIdle();
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_TRUE(hostFieldsOff);
  EXPECT_FALSE(open);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kSshUser + "2." + kAdmin + "=2:2"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SshUserDialog, a_user_made_hostbased_is_written_with_its_host) {
  Choose("ops");
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TSSHUserCtrlEdit* popup = form->Popup;
    GuiTesting::UserChoose(popup->cbbAuthMode, 0);
    EXPECT_TRUE(popup->edtHostName->Enabled);
    Retype(popup->edtHostName, "ops-host");
    Retype(popup->edtHostIPAddr, "10.90.90.7");
    GuiTesting::UserClick(popup->btnSet);
  });
  GuiTesting::UserClick(form->btnEdit);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kSshUser + "2." + kOps + "=2:1 ; " + kSshUser + "3." + kOps +
                                                     "=4:ops-host ; " + kSshUser + "4." + kOps + "=64:10.90.90.7"}));
  EXPECT_EQ(Cell(form->lvData, "ops", 1), "hostbased");
  EXPECT_EQ(Cell(form->lvData, "ops", 3), "10.90.90.7");
}

TEST_F(SshUserDialog, a_refused_write_keeps_the_popup_open_and_the_host_columns_come_back) {
  sim->setSubtreeError(kSshUser + "2", 17);  // notWritable
  Choose("admin");
  bool open = false;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    GuiTesting::UserClick(form->Popup->btnSet);
    open = form->Popup->ModalResult == mrNone;
    GuiTesting::UserClick(form->Popup->btnClose);
  });
  GuiTesting::UserClick(form->btnEdit);
  EXPECT_TRUE(open);
  EXPECT_EQ(boxes.Calls().size(), 1u);
  sim->clearFaults();
  // The left-out host columns are read again.
  GuiTesting::UserClick(form->btnRefresh);
  WaitIdle();
  EXPECT_EQ(Cell(form->lvData, "backup", 2), "nms-host");
}

TEST_F(SystemDialog, ssh_users_open_from_their_menu_item_and_their_popup_goes_with_them) {
  TForm mainWindow(nullptr);
  const int before = Application->ComponentCount;
  const Opened opened =
      RunAndClose<TSSHUserCtrlList>(MenuCommand("UserControlTable1", mainWindow), &TSSHUserCtrlList::lvData, nullptr,
                                    [](TSSHUserCtrlList* form) { GuiTesting::UserClick(form->btnClose); });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "SSH User Control Table: 127.0.0.1");
  EXPECT_EQ(opened.rows, 3);
  EXPECT_EQ(SSHUserCtrlEdit, nullptr);
  EXPECT_EQ(Application->ComponentCount, before);
}

// ---------------------------------------------------------------------------------------
// ARP entries

const std::string kArp = "1.3.6.1.2.1.4.35.1.";

class ArpDialog : public DialogOnSwitch<TARPConfigForm> {
 protected:
  // The rows' addresses as listed.
  std::vector<std::string> Addresses() const {
    std::vector<std::string> ips;
    for (int i = 0; i < form->ListView1->Items->Count; ++i) ips.push_back(form->ListView1->Items->Item[i]->SubItems->Get(1));
    return ips;
  }
  void ChooseAddress(const std::string& ip) {
    for (int i = 0; i < form->ListView1->Items->Count; ++i)
      if (form->ListView1->Items->Item[i]->SubItems->Get(1) == ip) {
        GuiTesting::UserClickItem(form->ListView1, form->ListView1->Items->Item[i]);
        GuiTesting::UserClick(form->ListView1);
        return;
      }
    FAIL() << ip;
  }
};

TEST_F(ArpDialog, lists_the_entries_with_addresses_in_hex) {
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"0A5A5A01", "0A5A5A5A", "0A5A5AFE", "C0A80014"}));
  EXPECT_EQ(form->StaticText->Caption(), "4");
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(2), "0001022A5001");
  EXPECT_FALSE(form->EditBtn->Enabled);
}

TEST_F(ArpDialog, add_creates_a_static_entry_from_the_typed_hex_address) {
  std::string caption, button, type;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TARPAddEdit* popup = form->Popup;
    caption = popup->Caption;
    button = popup->AddBtn->Caption;
    type = popup->TypeComb->Text();
    Retype(popup->IndexEdit, "1");
    Retype(popup->IPEdit, "C0A80001");
    Retype(popup->MACEdit, "0001022A9901");
    GuiTesting::UserClick(popup->AddBtn);
    if (popup->ModalResult == mrNone) popup->ModalResult = mrCancel;  // refused: fail, never hang
  });
  GuiTesting::UserClick(form->AddBtn);
  WaitIdle();
  EXPECT_EQ(caption, "ARP Add:" + TitleSuffix);
  EXPECT_EQ(button, "Add");
  EXPECT_EQ(type, "static");
  const std::string row = ".1.1.4.192.168.0.1";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kArp + "4" + row + "=4x:0001022A9901 ; " + kArp + "6" + row +
                                                     "=2:4 ; " + kArp + "8" + row + "=2:4"}));
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"0A5A5A01", "0A5A5A5A", "0A5A5AFE", "C0A80001", "C0A80014"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

// Each key as typed is a whole value or refused before anything is sent: a hex address of
// other than four octets would create the entry of another address (C0A8001 as 12.10.128.1).
TEST_F(ArpDialog, an_address_of_other_than_four_octets_or_a_bad_index_is_refused_and_nothing_is_sent) {
  const struct {
    const char* index;
    std::string ip;
    const char* mac;
  } cases[] = {
      {"1", "C0A8001", "0001022A9901"},     // a digit missing
      {"1", "C0A800", "0001022A9901"},      // three octets
      {"1", "C0A8000101", "0001022A9901"},  // five octets
      {"1", "", "0001022A9901"},
      {"1", "C0A8 001", "0001022A9901"},
      {"1", "+C0A8001", "0001022A9901"},
      {"1", "C0A8000G", "0001022A9901"},
      {"1", "C0A800\xC3\xA9", "0001022A9901"},
      {"1", std::string(10000, 'A'), "0001022A9901"},
      {"", "C0A80001", "0001022A9901"},
      {"0", "C0A80001", "0001022A9901"},
      {"1", "C0A80001", ""},
      {"1", "C0A80001", "0001022A99"},      // a MAC of five octets
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.index) + " / " + c.ip.substr(0, 20) + " / " + c.mac);
    GuiTesting::ScriptedAnswerer caseBoxes;
    bool open = false;
    GuiTesting::ModalDriver driver([&](TCustomForm&) {
      TARPAddEdit* popup = form->Popup;
      Retype(popup->IndexEdit, c.index);
      // As pasted, the focus never leaving the field: the write checks what it would send.
      popup->IPEdit->Text = c.ip;
      popup->MACEdit->Text = c.mac;
      GuiTesting::UserClick(popup->AddBtn);
      open = popup->ModalResult == mrNone;
      if (open) popup->ModalResult = mrCancel;
    });
    GuiTesting::UserClick(form->AddBtn);
    WaitIdle();
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_TRUE(open);
    // An index past the edit's format is refused by it first, and the emptied field then.
    EXPECT_FALSE(caseBoxes.Calls().empty());
  }
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"0A5A5A01", "0A5A5A5A", "0A5A5AFE", "C0A80014"}));
  // Lower-case digits are the same four octets.
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Retype(form->Popup->IndexEdit, "1");
    Retype(form->Popup->IPEdit, "c0a80001");
    Retype(form->Popup->MACEdit, "0001022A9901");
    GuiTesting::UserClick(form->Popup->AddBtn);
    if (form->Popup->ModalResult == mrNone) form->Popup->ModalResult = mrCancel;  // refused: fail, never hang
  });
  GuiTesting::UserClick(form->AddBtn);
  WaitIdle();
  const std::string row = ".1.1.4.192.168.0.1";
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kArp + "4" + row + "=4x:0001022A9901 ; " + kArp + "6" + row +
                                                     "=2:4 ; " + kArp + "8" + row + "=2:4"}));
}

TEST_F(ArpDialog, a_refused_address_names_its_field) {
  std::vector<std::string> texts;
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Retype(form->Popup->IndexEdit, "1");
    Retype(form->Popup->IPEdit, "C0A8001");
    Retype(form->Popup->MACEdit, "0001022A9901");
    GuiTesting::UserClick(form->Popup->AddBtn);
    texts = {form->Popup->IPEdit->Text()};
    if (form->Popup->ModalResult == mrNone) form->Popup->ModalResult = mrCancel;
  });
  GuiTesting::UserClick(form->AddBtn);
  WaitIdle();
  EXPECT_EQ(BoxTexts(boxes), (std::vector<std::string>{"Please input a valid IP"}));
  EXPECT_EQ(texts, (std::vector<std::string>{"C0A8001"}));  // kept to mend
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(ArpDialog, edit_after_an_add_shows_the_chosen_entry_again_and_sends_no_row_status) {
  ChooseAddress("0A5A5A01");
  EXPECT_TRUE(form->EditBtn->Enabled);
  std::string ipShown, button;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    TARPAddEdit* popup = form->Popup;
    if (driver.Runs() == 1) {  // the Add, closed without writing
      GuiTesting::UserClick(popup->CloseBtn);
      return;
    }
    ipShown = popup->IPEdit->Text();
    button = popup->AddBtn->Caption;
    EXPECT_FALSE(popup->IndexEdit->Enabled);
    GuiTesting::UserChoose(popup->TypeComb, 3);  // static
    GuiTesting::UserClick(popup->AddBtn);
    EXPECT_EQ(shown.ModalResult, mrOk);
  });
  GuiTesting::UserClick(form->AddBtn);
  GuiTesting::UserClick(form->EditBtn);
  WaitIdle();
  EXPECT_EQ(driver.Runs(), 2);
  EXPECT_EQ(ipShown, "0A5A5A01");
  EXPECT_EQ(button, "Set");
  const std::string row = ".1.1.4.10.90.90.1";
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kArp + "4" + row + "=4x:0001022A5001 ; " + kArp + "6" + row + "=2:4"}));
  EXPECT_EQ(form->ListView1->Items->Item[0]->SubItems->Get(3), "static");
}

class ArpDialogWithIpv6 : public ArpDialog {
 protected:
  std::vector<std::string> ExtraSeeds() const override { return {TestSeed("arp-ipv6.snmprec")}; }
};

// The entry Edit comes back to after an Add keeps its address type, so an IPv6 neighbour is
// addressed as IPv6.
TEST_F(ArpDialogWithIpv6, edit_after_an_add_addresses_an_ipv6_neighbour_as_ipv6) {
  const std::string ipv6 = "FE800000000000000000000000000001";
  ChooseAddress(ipv6);
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    TARPAddEdit* popup = form->Popup;
    if (driver.Runs() == 1) {  // the Add, closed without writing
      GuiTesting::UserClick(popup->CloseBtn);
      return;
    }
    GuiTesting::UserChoose(popup->TypeComb, 3);  // static
    GuiTesting::UserClick(popup->AddBtn);
  });
  GuiTesting::UserClick(form->AddBtn);
  GuiTesting::UserClick(form->EditBtn);
  WaitIdle();
  EXPECT_EQ(driver.Runs(), 2);
  const std::string row = ".1.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kArp + "4" + row + "=4x:0001022A6601 ; " + kArp + "6" + row + "=2:4"}));
  EXPECT_TRUE(boxes.Calls().empty());
  std::string type;
  for (int i = 0; i < form->ListView1->Items->Count; ++i)
    if (form->ListView1->Items->Item[i]->SubItems->Get(1) == ipv6) type = form->ListView1->Items->Item[i]->SubItems->Get(3);
  EXPECT_EQ(type, "static");  // as the switch holds it, read again
  EXPECT_EQ(form->ListView1->Items->Count, 5);
}

TEST_F(ArpDialog, delete_destroys_the_chosen_entry_only) {
  // An Add's typed key is never deleted: without a chosen row nothing is sent.
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Retype(form->Popup->IndexEdit, "1");
    Retype(form->Popup->IPEdit, "0A5A5A5A");
    GuiTesting::UserClick(form->Popup->CloseBtn);
  });
  GuiTesting::UserClick(form->AddBtn);
  GuiTesting::UserClick(form->DelBtn);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());

  ChooseAddress("C0A80014");
  GuiTesting::UserClick(form->DelBtn);
  WaitIdle();
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kArp + "8.1.1.4.192.168.0.20=2:6"}));
  EXPECT_EQ(Addresses(), (std::vector<std::string>{"0A5A5A01", "0A5A5A5A", "0A5A5AFE"}));
}

TEST_F(ArpDialog, a_write_during_a_walk_is_sent_after_the_walk_has_stopped) {
  sim->setDelay(100);
  GuiTesting::UserClick(form->RefreshBtn);
  // The walk empties the list: the row to edit is chosen again once the walk has listed it.
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->ListView1->Items->Count > 0; }, 60000));
  ChooseAddress("0A5A5A01");
  ASSERT_TRUE(form->Table->Busy);
  bool closed = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    GuiTesting::UserClick(form->Popup->AddBtn);  // "Set", the walk still running
    closed = shown.ModalResult == mrOk;
  });
  GuiTesting::UserClick(form->EditBtn);
  sim->setDelay(0);
  WaitIdle();
  EXPECT_TRUE(closed);
  const std::string row = ".1.1.4.10.90.90.1";
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{kArp + "4" + row + "=4x:0001022A5001 ; " + kArp + "6" + row + "=2:3"}));
  EXPECT_EQ(form->ListView1->Items->Count, 4);
}

TEST_F(SystemDialog, arp_entries_open_from_their_menu_item) {
  TForm mainWindow(nullptr);
  bool popupGlobal = false;
  const Opened opened = RunAndClose<TARPConfigForm>(MenuCommand("ARPTable1", mainWindow), &TARPConfigForm::ListView1,
                                                    &ARPConfigForm, [&](TARPConfigForm* form) {
                                                      popupGlobal = ARPAddEdit == form->Popup;
                                                      GuiTesting::UserClick(form->CloseBtn);
                                                    });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "ARP: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_TRUE(popupGlobal);
  EXPECT_EQ(opened.rows, 4);
  EXPECT_EQ(ARPConfigForm, nullptr);
  EXPECT_EQ(ARPAddEdit, nullptr);
}


// Another manager's change made while the list is read: a Refresh pressed during that read is
// not dropped, so the change shows once the reads have ended.
void SetBehindTheDialog(const std::string& instanceOid, int syntax, const std::string& value) {
  NvSNMPRequest request;
  request.Vars.Kind = MVT_SV;
  request.Vars.AddVar(instanceOid.c_str(), "", syntax, NvAccess::readwrite, nullptr);
  *request.Vars.GetVar(0)->Value = value;
  bool ok = false;
  NvSNMPError error;
  request.Set(ok, error, false, "", nullptr);
  ASSERT_TRUE(ok) << error.Message;
}

struct RefreshDuringRead {
  const char* name;
  std::function<TFeatureDialog*()> make;
  std::function<TButton*(TFeatureDialog*)> refresh;
  std::function<void()> change;
  std::function<void(TListView*)> expectShown;
};
void PrintTo(const RefreshDuringRead& c, std::ostream* os) { *os << c.name; }

class RefreshPressedDuringARead : public SystemDialog, public ::testing::WithParamInterface<RefreshDuringRead> {};

TEST_P(RefreshPressedDuringARead, reads_again_after_it_and_shows_what_changed_behind_it) {
  const RefreshDuringRead& c = GetParam();
  std::unique_ptr<TFeatureDialog> form(c.make());
  form->Show();
  const auto idle = [&] {
    return form->DataComplete == 1 && !form->Table->Busy && form->Table->Request.PendingReplies == 0;
  };
  ASSERT_TRUE(GuiTesting::ProcessUntil(idle, 15000));
  // Each reply late: after the first row the walk has at least two replies to go, however
  // slowly the change below is made.
  sim->setDelay(150);
  GuiTesting::UserClick(c.refresh(form.get()));
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->List->Items->Count >= 1; }, 15000));
  c.change();  // behind the row already read
  ASSERT_TRUE(form->Table->Reading());
  GuiTesting::UserClick(c.refresh(form.get()));
  ASSERT_TRUE(GuiTesting::ProcessUntil(idle, 15000));
  sim->setDelay(0);
  c.expectShown(form->List);
  EXPECT_TRUE(boxes.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, RefreshPressedDuringARead,
    ::testing::Values(
        RefreshDuringRead{
            "SystemLogHosts", [] { return new TSystemLogServerForm(nullptr); },
            [](TFeatureDialog* f) { return static_cast<TSystemLogServerForm*>(f)->Btn_Refresh; },
            [] { SetBehindTheDialog("1.3.6.1.4.1.32473.12.12.2.1.2.1", NvSyntax::ipaddress, "10.1.2.3"); },
            [](TListView* list) {
              EXPECT_EQ(Captions(list), (std::vector<std::string>{"1", "2", "3"}));
              EXPECT_EQ(Cell(list, "1", 1), "10.1.2.3");
            }},
        RefreshDuringRead{
            "DhcpRelayServers", [] { return new TBOOTCtrlTableForm(nullptr); },
            [](TFeatureDialog* f) { return static_cast<TBOOTCtrlTableForm*>(f)->RefreshBtn; },
            // "v1" sorts before every listed interface.
            [] { SetBehindTheDialog("1.3.6.1.4.1.32473.12.42.3.1.1.3.2.118.49.10.0.0.1", NvSyntax::integer, "4"); },
            [](TListView* list) {
              ASSERT_EQ(list->Items->Count, 9);
              EXPECT_EQ(list->Items->Item[0]->Caption, "v1");
              EXPECT_EQ(list->Items->Item[0]->SubItems->Get(0), "10.0.0.1");
            }}),
    [](const ::testing::TestParamInfo<RefreshDuringRead>& info) { return std::string(info.param.name); });

}  // namespace
