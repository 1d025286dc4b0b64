// The IP profile and rule dialogs of the ACL and of the CPU interface filter, driven as a
// user would against the simulated switch: per dialog one table of writes over every
// protocol, its refusals, its Delete, and the faults of the design built soundly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AclDialogTestSupport.h"
#include "Cpuipmaskinformationformunit.h"
#include "ExtCtrls.h"
#include "Ipmaskinformationformunit.h"

namespace {

using acltest::SetLine;
using Varbinds = std::vector<std::pair<int, std::string>>;

// ---------------------------------------------------------------------------------------
// Profiles

// Every field of a new IP profile; the combo texts are chosen, "" leaves a combo as it is.
struct IpProfileEntry {
  std::string id = "9";
  std::string state = "dst-src-ip-addr", source = "255.255.255.0", destination = "255.255.0.0";
  std::string protocol = "none", icmp = "type-code", igmp = "enable";
  std::string tcp = "dst-port", udp = "src-port", sourcePort = "FFFF", destinationPort = "00ff";
  std::string flag = "enable", flagMask = "63", protocolIdOption = "enable", protocolIdMask = "255";
  std::string ownMask;
  std::string rowStatus = "createAndGo";
};

template <class F>
class IpProfileDialog : public acltest::AclDialogTest<F> {
 protected:
  using Base = acltest::AclDialogTest<F>;
  using Base::form;

  // Each mask is typed while choices that write it are shown; then the entry's choices, which
  // may leave some of the typed masks out.
  void Fill(const IpProfileEntry& e) {
    Base::Type(form->IPIDEdit, e.id);
    Base::Choose(form->IpAddMaskStateComboBox, "dst-src-ip-addr");
    Base::Type(form->IpAddMaskSrcEdit, e.source);
    Base::Type(form->IpAddMaskDstEdit, e.destination);
    Base::Choose(form->UseProTypeComBo, "tcp");
    Base::Choose(form->TCPOptionComBo, "dst-src-port");
    Base::Choose(form->TCPFlagBitOptionComBo, "enable");
    Base::Type(form->TCPUDPSrcMaskEdit, e.sourcePort);
    Base::Type(form->TCPUDPDstPortMaskEdit, e.destinationPort);
    Base::Type(form->TCPFlagBitMaskEdit, e.flagMask);
    Base::Choose(form->UseProTypeComBo, "protocolId");
    Base::Choose(form->ProOptionComBo, "enable");
    Base::Type(form->ProtocolIdMaskEdit, e.protocolIdMask);
    Base::Choose(form->UseVlanCombo, "enabled");
    Base::Choose(form->IpAddMaskStateComboBox, e.state);
    Base::Choose(form->UseDSCPComBo, "enabled");
    Base::Choose(form->UseProTypeComBo, e.protocol);
    Base::Choose(form->IcmpCombo, e.icmp);
    Base::Choose(form->IgmpCombo, e.igmp);
    Base::Choose(form->TCPOptionComBo, e.tcp);
    Base::Choose(form->UDPOptionComBo, e.udp);
    Base::Choose(form->TCPFlagBitOptionComBo, e.flag);
    Base::Choose(form->ProOptionComBo, e.protocolIdOption);
    Base::Type(form->OwnMaskEdit, e.ownMask);
    Base::Choose(form->RowStatusComBo, e.rowStatus);
  }
  struct WriteCase {
    const char* what;
    IpProfileEntry entry;
    Varbinds carried;
  };
  // Each Add carries exactly its columns; the row is there afterwards and is deleted again.
  void ExpectWrites(const char* entryOid, const std::vector<WriteCase>& cases) {
    for (const WriteCase& c : cases) {
      SCOPED_TRACE(c.what);
      this->sim->clearSetLog();
      Fill(c.entry);
      this->Press(form->BT_Add);
      EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(entryOid, c.entry.id, c.carried)});
      EXPECT_NE(this->Row(c.entry.id), nullptr);
      EXPECT_EQ(form->IPIDEdit->Text(), "");
      this->ExpectWordsRestored();
      this->Select(c.entry.id);
      this->Press(form->BT_Delete);
      ASSERT_EQ(this->Row(c.entry.id), nullptr);
    }
  }
  struct RefusalCase {
    const char* what;
    IpProfileEntry entry;
    const char* message;
    // The box of the edit's own format as the person leaves the edit, before Add's own.
    const char* onLeaving = nullptr;
  };
  void ExpectRefusals(const std::vector<RefusalCase>& cases) {
    const std::vector<std::string> rows = this->Rows();
    for (const RefusalCase& c : cases) {
      SCOPED_TRACE(c.what);
      const size_t before = this->boxes.Calls().size();
      Fill(c.entry);
      GuiTesting::UserClick(form->BT_Add);
      ASSERT_EQ(this->boxes.Calls().size(), before + (c.onLeaving ? 2 : 1));
      if (c.onLeaving) EXPECT_EQ(this->boxes.Calls()[before].text, c.onLeaving);
      EXPECT_EQ(this->boxes.Calls().back().text, c.message);
      EXPECT_TRUE(this->sim->setLog().empty());
      this->ExpectWordsRestored();
    }
    EXPECT_EQ(this->Rows(), rows);
  }
  // The edits both members have, each with the choices that leave its column out.
  static std::vector<acltest::LeftOutEdit> SharedLeftOutEdits() {
    return {
        {"IpAddMaskSrcEdit", 4, "255.255.255.0", "64:255.255.255.0", "IpAddMaskStateComboBox=dst-src-ip-addr",
         {"IpAddMaskStateComboBox=other", "IpAddMaskStateComboBox=dst-ip-addr"}},
        {"IpAddMaskDstEdit", 5, "255.255.0.0", "64:255.255.0.0", "IpAddMaskStateComboBox=dst-src-ip-addr",
         {"IpAddMaskStateComboBox=other", "IpAddMaskStateComboBox=src-ip-addr"}},
        {"TCPUDPSrcMaskEdit", 12, "FFFF", "4x:FFFF", "UseProTypeComBo=tcp;TCPOptionComBo=src-port;UDPOptionComBo=other",
         {"TCPOptionComBo=other", "TCPOptionComBo=dst-port", "UseProTypeComBo=none", "UseProTypeComBo=icmp",
          "UseProTypeComBo=igmp", "UseProTypeComBo=protocolId"}},
        {"TCPUDPDstPortMaskEdit", 13, "00FF", "4x:00FF",
         "UseProTypeComBo=udp;UDPOptionComBo=dst-port;TCPOptionComBo=other",
         {"UDPOptionComBo=other", "UDPOptionComBo=src-port", "UseProTypeComBo=none", "UseProTypeComBo=icmp",
          "UseProTypeComBo=igmp", "UseProTypeComBo=protocolId"}},
        {"TCPFlagBitMaskEdit", 15, "63", "2:63", "UseProTypeComBo=tcp;TCPFlagBitOptionComBo=enable",
         {"TCPFlagBitOptionComBo=disable", "UseProTypeComBo=none", "UseProTypeComBo=icmp", "UseProTypeComBo=igmp",
          "UseProTypeComBo=udp", "UseProTypeComBo=protocolId"}},
    };
  }
  // Delete asks: the row made is taken away with OK.
  void RemoveProfile(const std::string& key) {
    this->Select(key);
    this->boxes.Answer(mrOk);
    this->Press(form->BT_Delete);
  }
  // Delete asks first: Cancel sends nothing, OK destroys the selected row alone.
  void ExpectDeleteAsks(const char* entryOid, int rowStatusColumn, const std::string& key) {
    this->Select(key);
    this->boxes.Answer(mrCancel);
    this->Press(form->BT_Delete);
    EXPECT_EQ(this->Messages(), std::vector<std::string>{"Are you sure to delete it?"});
    EXPECT_TRUE(this->sim->setLog().empty());
    EXPECT_NE(this->Row(key), nullptr);
    EXPECT_FALSE(form->BT_Delete->Enabled);

    this->Select(key);
    this->boxes.Answer(mrOk);
    this->Press(form->BT_Delete);
    EXPECT_EQ(this->sim->setLog(), std::vector<std::string>{SetLine(entryOid, key, {{rowStatusColumn, "2:6"}})});
    EXPECT_EQ(this->Row(key), nullptr);
    EXPECT_EQ(this->SwitchValue(entryOid, rowStatusColumn, NvSyntax::integer, key), "");
    EXPECT_TRUE(form->BT_Add->Enabled);
  }
  // A blocking read lets the window work between its rows: a Delete pressed then on a row
  // already listed is refused and sends nothing (a row arriving meanwhile would otherwise
  // take the selected row's place in the SET).
  void ExpectDeleteRefusedWhileReading(const std::string& key) {
    this->sim->setDelay(150);
    TTimer press(nullptr);
    press.Interval = 400;
    press.OnTimer = [&](TObject*) {
      press.Enabled = false;
      if (TListItem* row = this->Row(key)) GuiTesting::UserClickItem(form->List, row);
      GuiTesting::UserClick(form->BT_Delete);
    };
    press.Enabled = true;
    GuiTesting::UserClick(form->BT_Get);  // returns once the whole table is read
    EXPECT_EQ(this->Messages(), std::vector<std::string>{"Get data not complete"});
    EXPECT_TRUE(this->sim->setLog().empty());
    EXPECT_NE(this->Row(key), nullptr);
  }
};

constexpr const char* kAclProfile = "1.3.6.1.4.1.32473.12.9.2.2.1";

using AclIpProfile = IpProfileDialog<TIPMaskInformationForm>;

TEST_F(AclIpProfile, lists_the_profiles_and_shows_the_chosen_one) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "3", "4", "6", "7"}));
  EXPECT_EQ(form->ST_Count->Caption(), "6");
  EXPECT_TRUE(form->BT_Add->Enabled);
  EXPECT_FALSE(form->BT_Delete->Enabled);
  EXPECT_FALSE(form->SetBtn->Visible);
  EXPECT_EQ(form->RowStatusComBo->Text(), "active");
  EXPECT_EQ(form->UseVLANComboBox->Text(), "enabled");
  EXPECT_EQ(form->UseDSCPComBo->Text(), "disabled");

  Select("1");
  EXPECT_EQ(form->IPIDEdit->Text(), "1");
  EXPECT_EQ(form->IpAddMaskStateComboBox->Text(), "dst-src-ip-addr");
  EXPECT_EQ(form->IpAddMaskSrcEdit->Text(), "255.255.255.0");
  EXPECT_EQ(form->UseProTypeComBo->Text(), "tcp");
  EXPECT_EQ(form->TCPUDPSrcMaskEdit->Text(), "FFFF");
  EXPECT_EQ(form->edt_VLANMask->Text(), "0FFF");
  EXPECT_TRUE(form->BT_Delete->Enabled);
  EXPECT_FALSE(form->BT_Add->Enabled);
  EXPECT_FALSE(form->IPIDEdit->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

// Which columns an Add carries, over every protocol and the option rules.
TEST_F(AclIpProfile, add_writes_the_columns_the_protocol_and_options_keep) {
  const Varbinds head = {{2, "2:1"}, {3, "2:4"}, {4, "64:255.255.255.0"}, {5, "64:255.255.0.0"}, {6, "2:1"}};
  auto carried = [&](Varbinds protocol, Varbinds tail = {{24, "4x:0FFF"}, {19, "2:4"}}) {
    Varbinds all = head;
    all.insert(all.end(), protocol.begin(), protocol.end());
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  auto entry = [](const char* protocol) {
    IpProfileEntry e;
    e.protocol = protocol;
    e.ownMask = "0fff";
    return e;
  };
  IpProfileEntry tcpBothOther = entry("tcp");
  tcpBothOther.tcp = tcpBothOther.udp = "other";
  IpProfileEntry tcpUdpPort = entry("tcp");
  tcpUdpPort.tcp = "other";
  tcpUdpPort.udp = "dst-port";
  IpProfileEntry tcpFlagOff = entry("tcp");
  tcpFlagOff.flag = "disable";
  tcpFlagOff.flagMask = "99";  // neither tested nor written
  IpProfileEntry stateOther = entry("none");
  stateOther.state = "other";
  stateOther.ownMask = "";
  IpProfileEntry destinationOnly = entry("none");
  destinationOnly.state = "dst-ip-addr";
  destinationOnly.source = "not an address";  // not in use: neither tested nor sent
  IpProfileEntry emptyMasks = entry("protocolId");
  emptyMasks.protocolIdMask = "";
  const std::vector<WriteCase> cases = {
      {"none: no protocol column", entry("none"), carried({})},
      {"icmp: the protocol and its option", entry("icmp"), carried({{7, "2:2"}, {8, "2:4"}})},
      {"igmp", entry("igmp"), carried({{7, "2:3"}, {9, "2:1"}})},
      {"tcp: option, both port masks by the options' union, flag and mask", entry("tcp"),
       carried({{7, "2:4"}, {10, "2:2"}, {12, "4x:FFFF"}, {13, "4x:00FF"}, {14, "2:1"}, {15, "2:63"}})},
      {"udp", entry("udp"), carried({{7, "2:5"}, {11, "2:3"}, {12, "4x:FFFF"}, {13, "4x:00FF"}})},
      {"protocolId", entry("protocolId"), carried({{7, "2:6"}, {16, "2:1"}, {17, "2:255"}})},
      {"tcp with both options other: neither option nor port mask", tcpBothOther,
       carried({{7, "2:4"}, {14, "2:1"}, {15, "2:63"}})},
      {"tcp with TCP other and UDP dst-port: the destination port mask by the union", tcpUdpPort,
       carried({{7, "2:4"}, {13, "4x:00FF"}, {14, "2:1"}, {15, "2:63"}})},
      {"tcp with the flag option disabled: no flag mask", tcpFlagOff,
       carried({{7, "2:4"}, {10, "2:2"}, {12, "4x:FFFF"}, {13, "4x:00FF"}, {14, "2:2"}})},
      {"mask state other, no VLAN mask: neither state nor address masks", stateOther,
       {{2, "2:1"}, {6, "2:1"}, {19, "2:4"}}},
      {"destination only", destinationOnly,
       {{2, "2:1"}, {3, "2:2"}, {5, "64:255.255.0.0"}, {6, "2:1"}, {24, "4x:0FFF"}, {19, "2:4"}}},
      {"an empty protocol-ID mask is left out", emptyMasks, carried({{7, "2:6"}, {16, "2:1"}})},
  };
  Open();
  ExpectWrites(kAclProfile, cases);
}

// A choice that leaves a mask's column out disables the mask's edit: nothing typed there is
// dropped unseen.
TEST_F(AclIpProfile, an_edit_is_usable_exactly_while_the_choices_write_its_column) {
  std::vector<acltest::LeftOutEdit> cases = SharedLeftOutEdits();
  cases.push_back({"ProIDMaskEdit", 17, "255", "2:255", "UseProTypeComBo=protocolId",
                   {"UseProTypeComBo=none", "UseProTypeComBo=icmp", "UseProTypeComBo=igmp", "UseProTypeComBo=tcp",
                    "UseProTypeComBo=udp"}});
  Open();
  ExpectEditsFollowChoices(kAclProfile, "20", form->BT_Add, cases, [&](const std::string& id) { RemoveProfile(id); });
}

TEST_F(AclIpProfile, refuses_bad_input_with_its_message_and_sends_nothing) {
  auto with = [](auto change) {
    IpProfileEntry e;
    change(e);
    return e;
  };
  const std::vector<RefusalCase> cases = {
      {"no ID", with([](auto& e) { e.id = ""; }), "IP Mask ID must be set."},
      {"a source mask in use that is no address", with([](auto& e) { e.source = "255.255.256.0"; }),
       "Please input a valid ip"},
      {"a destination mask in use", with([](auto& e) { e.destination = "255.255"; }), "Please input a valid ip"},
      {"protocol-ID mask above 255", with([](auto& e) { e.protocol = "protocolId"; e.protocolIdMask = "256"; }),
       "Invalid Mask!"},
      {"protocol-ID mask of four digits", with([](auto& e) { e.protocol = "protocolId"; e.protocolIdMask = "0001"; }),
       "Invalid Mask!"},
      {"protocol-ID mask that is no number", with([](auto& e) { e.protocol = "protocolId"; e.protocolIdMask = "x1"; }),
       "Invalid Mask!"},
      {"destination port mask of three digits", with([](auto& e) { e.protocol = "tcp"; e.destinationPort = "FFF"; }),
       "Invalid Mask!"},
      {"source port mask with a non-hex digit", with([](auto& e) { e.protocol = "udp"; e.sourcePort = "FFFG"; }),
       "Invalid Mask!"},
      {"flag mask 64", with([](auto& e) { e.protocol = "tcp"; e.flagMask = "64"; }), "Please input a valid value"},
      {"VLAN mask not hexadecimal", with([](auto& e) { e.ownMask = "0FFG"; }), "Invalid Mask!"},
      {"VLAN mask of three digits", with([](auto& e) { e.ownMask = "FFF"; }), "Invalid Mask!",
       " Please enter a string whose length is 4!"},
      {"a listed ID with a bad mask: the mask first",
       with([](auto& e) { e.id = "2"; e.ownMask = "FF"; }), "Invalid Mask!", " Please enter a string whose length is 4!"},
      {"a listed ID", with([](auto& e) { e.id = "2"; }),
       "There is already a record with the same IP Mask ID. Please modified it."},
      {"row status active", with([](auto& e) { e.rowStatus = "active"; }), "Row Status must be createAndGo."},
  };
  Open();
  ExpectRefusals(cases);
}

TEST_F(AclIpProfile, delete_asks_and_destroys_the_selected_profile_alone) {
  Open();
  ExpectDeleteAsks(kAclProfile, 19, "3");
}

TEST_F(AclIpProfile, delete_while_the_table_is_read_is_refused) {
  Open();
  ExpectDeleteRefusedWhileReading("2");
}

// Stop ends the read; a later Add is still sent, and Refresh reads the whole table again.
TEST_F(AclIpProfile, after_stop_add_is_sent_and_refresh_reads_again) {
  Open();
  GuiTesting::UserClick(form->Button1);
  IpProfileEntry e;
  e.ownMask = "0FFF";
  Fill(e);
  Press(form->BT_Add);
  EXPECT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(SwitchValue(kAclProfile, 19, NvSyntax::integer, "9"), "1");
  EXPECT_NE(Row("9"), nullptr);
  GuiTesting::UserClick(form->Button1);
  Press(form->BT_Get);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "3", "4", "6", "7", "9"}));
  EXPECT_EQ(form->ST_Count->Caption(), "7");
}

TEST_F(AclIpProfile, a_write_that_fails_says_why_in_the_status_bar) {
  Open();
  form->Table->Request.Address = "no such address";
  Fill({});
  GuiTesting::UserClick(form->BT_Add);
  const std::string status = form->StatusBar1->Panels->Items[0]->Text;
  EXPECT_FALSE(status.empty());
  EXPECT_EQ(status.find("Receive at"), std::string::npos) << status;
  EXPECT_TRUE(sim->setLog().empty());
  ExpectWordsRestored();
}

constexpr const char* kCpuProfile = "1.3.6.1.4.1.32473.12.9.4.2.1";

class CpuIpProfile : public IpProfileDialog<TCPUIPMaskInformationForm> {
 protected:
  // The table holds profiles 1 to 3 only: profile 3 is deleted first to make room.
  void OpenWithRoom() {
    Open();
    Select("3");
    boxes.Answer(mrOk);
    Press(form->BT_Delete);
    ASSERT_EQ(Row("3"), nullptr);
    sim->clearSetLog();
  }
  static IpProfileEntry Entry(const char* protocol) {
    IpProfileEntry e;
    e.id = "3";
    e.protocol = protocol;
    e.ownMask = "FFFF0000";
    return e;
  }
};

TEST_F(CpuIpProfile, lists_the_profiles_and_resets_the_choices_to_their_first) {
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  Select("2");
  EXPECT_EQ(form->UseProTypeComBo->Text(), "protocolId");
  EXPECT_EQ(form->ProIDMaskEdit->Text(), "FFFF0000");
  EXPECT_EQ(form->ProtoIDEdit->Text(), "255");
  EXPECT_FALSE(form->BT_Add->Enabled);
  Press(form->BT_Get);
  EXPECT_TRUE(form->BT_Add->Enabled);
  EXPECT_EQ(form->UseVlanComboBox->Text(), "disabled");
  EXPECT_EQ(form->IGMPOpetionComboBo->Text(), "disable");
  EXPECT_EQ(form->UseProTypeComBo->Text(), "none");
  EXPECT_EQ(form->RowStatusComBo->Text(), "active");
  EXPECT_EQ(form->ProIDMaskEdit->Text(), "");
}

TEST_F(CpuIpProfile, add_writes_the_columns_the_protocol_and_options_keep) {
  const Varbinds head = {{2, "2:1"}, {3, "2:4"}, {4, "64:255.255.255.0"}, {5, "64:255.255.0.0"}, {6, "2:1"}};
  auto carried = [&](Varbinds protocol) {
    Varbinds all = head;
    all.insert(all.end(), protocol.begin(), protocol.end());
    all.push_back({19, "2:4"});
    return all;
  };
  IpProfileEntry icmpNone = Entry("icmp");
  icmpNone.icmp = "none";
  IpProfileEntry idOptionOff = Entry("protocolId");
  idOptionOff.protocolIdOption = "disable";
  IpProfileEntry tcpSourceOnly = Entry("tcp");
  tcpSourceOnly.tcp = "src-port";
  tcpSourceOnly.udp = "other";
  const std::vector<WriteCase> cases = {
      {"none: no protocol column", Entry("none"), carried({})},
      {"icmp", Entry("icmp"), carried({{7, "2:2"}, {8, "2:4"}})},
      {"icmp with option none: the protocol alone", icmpNone, carried({{7, "2:2"}})},
      {"igmp", Entry("igmp"), carried({{7, "2:3"}, {9, "2:1"}})},
      {"tcp", Entry("tcp"),
       carried({{7, "2:4"}, {10, "2:2"}, {12, "4x:FFFF"}, {13, "4x:00FF"}, {14, "2:1"}, {15, "2:63"}})},
      {"udp", Entry("udp"), carried({{7, "2:5"}, {11, "2:3"}, {12, "4x:FFFF"}, {13, "4x:00FF"}})},
      {"protocolId: option, mask and user mask", Entry("protocolId"),
       carried({{7, "2:6"}, {16, "2:1"}, {17, "2:255"}, {18, "4x:FFFF0000"}})},
      {"protocolId with the option disabled: no user mask", idOptionOff,
       carried({{7, "2:6"}, {16, "2:2"}, {17, "2:255"}})},
      {"tcp with source port only: the source port mask", tcpSourceOnly,
       carried({{7, "2:4"}, {10, "2:3"}, {12, "4x:FFFF"}, {14, "2:1"}, {15, "2:63"}})},
  };
  OpenWithRoom();
  ExpectWrites(kCpuProfile, cases);
}

TEST_F(CpuIpProfile, an_edit_is_usable_exactly_while_the_choices_write_its_column) {
  std::vector<acltest::LeftOutEdit> cases = SharedLeftOutEdits();
  cases.push_back({"ProtoIDEdit", 17, "255", "2:255", "UseProTypeComBo=protocolId",
                   {"UseProTypeComBo=none", "UseProTypeComBo=icmp", "UseProTypeComBo=igmp", "UseProTypeComBo=tcp",
                    "UseProTypeComBo=udp"}});
  cases.push_back({"ProIDMaskEdit", 18, "FFFF0000", "4x:FFFF0000", "UseProTypeComBo=protocolId;ProOptionComBo=enable",
                   {"ProOptionComBo=disable", "UseProTypeComBo=none", "UseProTypeComBo=icmp", "UseProTypeComBo=igmp",
                    "UseProTypeComBo=tcp", "UseProTypeComBo=udp"}});
  OpenWithRoom();
  ExpectEditsFollowChoices(kCpuProfile, "3", form->BT_Add, cases, [&](const std::string& id) { RemoveProfile(id); });
}

TEST_F(CpuIpProfile, refuses_bad_input_with_its_message_and_sends_nothing) {
  auto with = [](const char* protocol, auto change) {
    IpProfileEntry e = Entry(protocol);
    change(e);
    return e;
  };
  const std::vector<RefusalCase> cases = {
      {"no ID", with("none", [](auto& e) { e.id = ""; }), "IP Mask ID must be set."},
      {"a source mask in use", with("none", [](auto& e) { e.source = "255.255.0"; }), "Please input a valid IP."},
      {"a user mask of seven digits", with("protocolId", [](auto& e) { e.ownMask = "FFFF000"; }), "Invalid Mask!"},
      {"a protocol-ID mask above 255", with("protocolId", [](auto& e) { e.protocolIdMask = "256"; }),
       "Please input a valid value"},
      {"a port mask of five digits", with("udp", [](auto& e) { e.destinationPort = "0FFFF"; }), "Invalid Mask!"},
      {"a flag mask above 63", with("tcp", [](auto& e) { e.flagMask = "64"; }),
       "Please input a valid value"},
      {"a listed ID", with("none", [](auto& e) { e.id = "2"; }),
       "There is already a record with the same IP Mask ID. Please modified it."},
      {"row status active", with("none", [](auto& e) { e.rowStatus = "active"; }), "Row Status must be createAndGo."},
  };
  OpenWithRoom();
  ExpectRefusals(cases);
}

TEST_F(CpuIpProfile, delete_asks_and_destroys_the_selected_profile_alone) {
  Open();
  ExpectDeleteAsks(kCpuProfile, 19, "2");
}

TEST_F(CpuIpProfile, delete_while_the_table_is_read_is_refused) {
  Open();
  ExpectDeleteRefusedWhileReading("1");
}

}  // namespace
