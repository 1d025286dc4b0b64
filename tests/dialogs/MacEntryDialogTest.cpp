// The dialogs over MAC-keyed forwarding entries (NLB multicast and unicast, static multicast and
// unicast filtering) against the simulated switch, one table of cases: what they list, the SET
// that Add, Set and Delete send (switchsim's SET log), the one re-read after the reply and the
// refusals that send nothing.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Nlbfdbformunits.h"
#include "Staticfilterformunits.h"

namespace {

using namespace dialogtest;

std::string MacInstance(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2)
    out += (i ? "." : "") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

// Eight octets of a port list, as the switch shows them.
std::string PortsHex(const std::vector<int>& ports) {
  unsigned char octets[8] = {};
  for (int p : ports) octets[(p - 1) / 8] |= static_cast<unsigned char>(0x80 >> ((p - 1) % 8));
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char o : octets) out += {kHex[o >> 4], kHex[o & 15]};
  return out;
}

struct EntryCase {
  const char* name;
  std::function<TMacEntryDialog*()> make;
  std::string entry;  // the table's entry OID
  int portsColumn, statusColumn;
  int seededRows;
  const char* vid;              // the VLAN typed for Add; null: keyed by MAC alone
  const char* receivePort;      // the index's last part; null: none
  std::string seededKey;        // instance of a seeded entry, chosen by its MAC's last octet
  std::string seededMacEnd;
  std::vector<int> seededPorts;
  const char* noKeyText;
  const char* addBusyText;
  const char* createdStatus;    // what Add writes to the status column
  const char* setStatus;        // what Set writes beside the ports; null: the ports alone
  const char* deletedStatus;
  bool deleteAsks;
  std::string seededMac;        // the whole MAC address of that seeded entry
  const char* listedKeyText;    // Add of a listed key refused with it; null: the switch judges
};

const char* const kListedKey = "There is already a record with the same VLAN ID and MAC Address.";

const EntryCase kCases[] = {
    {"NlbMulticast", [] { return new TNLBMulticastFDBForm(nullptr); }, "1.3.6.1.4.1.32473.12.77.3.2.1", 3, 4, 3, "10",
     nullptr, "10." + MacInstance("03BFC0A80A15"), "15", {1, 2, 3, 4}, "Please input VLAN ID and MAC Address.",
     "Get data not complete.", "2:4", "2:1", "2:6", false, "03BFC0A80A15", kListedKey},
    {"NlbUnicast", [] { return new TNLBUnicastFDBForm(nullptr); }, "1.3.6.1.4.1.32473.12.77.3.1.1", 2, 3, 2, nullptr,
     nullptr, MacInstance("02BFC0A80A20"), "20", {1, 2}, "Please Input MAC Address!", "Get data not complete", "2:4",
     "2:1", "2:6", false, "02BFC0A80A20", nullptr},
    {"StaticMulticast", [] { return new TMulticastFilterInformationForm(nullptr); }, "1.3.6.1.2.1.17.7.1.3.2.1", 3, 5,
     3, "10", "0", "10." + MacInstance("01005E7F0001") + ".0", "01", {1, 2, 3, 4},
     "Please input VLAN ID and MAC Address.", "Get data not complete", "2:3", nullptr, "2:2", true, "01005E7F0001",
     kListedKey},
    {"StaticUnicast", [] { return new TUnicastFilterInformationForm(nullptr); }, "1.3.6.1.2.1.17.7.1.3.1.1", 3, 4, 2,
     "10", "0", "10." + MacInstance("00E0FC3A5B01") + ".0", "01", {1}, "Please input VLAN ID and MAC Address.",
     "Get data not complete.", "2:3", nullptr, "2:2", true, "00E0FC3A5B01", kListedKey},
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class MacEntryDialog : public ::testing::TestWithParam<EntryCase> {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    PointSessionAt(*sim);
    form = GetParam().make();
    form->Show();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  std::string Column(int column, const std::string& instance) const {
    return GetParam().entry + "." + std::to_string(column) + "." + instance;
  }
  std::string Stored(int column, const std::string& instance, int syntax) const {
    return SwitchValue(GetParam().entry + "." + std::to_string(column), instance, syntax);
  }
  std::string InstanceOf(const std::string& mac) const {
    std::string instance = MacInstance(mac);
    if (GetParam().vid) instance = std::string(GetParam().vid) + "." + instance;
    if (GetParam().receivePort) instance += std::string(".") + GetParam().receivePort;
    return instance;
  }
  void TypeKeys(const std::string& mac) {
    if (GetParam().vid) TypeInto(form->VidEdit, GetParam().vid);
    TypeInto(form->MacEdit, mac);
  }
  void ChooseSeeded() {
    TListView* list = form->List;
    TListItem* row = nullptr;
    for (int i = 0; i < list->Items->Count && !row; ++i) {
      TListItem* item = list->Items->Item[i];
      const std::string mac = GetParam().vid ? item->SubItems->Get(0) : item->Caption();
      if (mac.size() >= 2 && mac.substr(mac.size() - 2) == GetParam().seededMacEnd) row = item;
    }
    ASSERT_NE(row, nullptr);
    GuiTesting::UserClickItem(list, row);
  }

  std::unique_ptr<SwitchSim> sim;
  TMacEntryDialog* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(MacEntryDialog, lists_the_entries_and_the_chosen_one_fills_keys_and_ports) {
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows);
  EXPECT_EQ(form->ST_Count->Caption(), std::to_string(GetParam().seededRows));
  EXPECT_TRUE(form->AddButton->Enabled);
  EXPECT_FALSE(form->DeleteButton->Enabled);
  EXPECT_EQ(form->VidEdit->Visible(), GetParam().vid != nullptr);
  ChooseSeeded();
  if (GetParam().vid) EXPECT_EQ(form->VidEdit->Text(), "10");
  EXPECT_EQ(CheckedPorts(form->Picker), GetParam().seededPorts);
  EXPECT_TRUE(form->DeleteButton->Enabled);
  EXPECT_FALSE(form->AddButton->Enabled);
  // The keys of a chosen entry cannot be changed.
  const std::string mac = form->MacEdit->Text();
  GuiTesting::UserType(form->MacEdit, "A");
  EXPECT_EQ(form->MacEdit->Text(), mac);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(MacEntryDialog, add_creates_the_entry_with_its_ports_in_one_set_and_lists_it) {
  TypeKeys("03BFC0A80A30");
  TogglePorts(form->Picker, {1, 3});
  PressAndWait(form, form->AddButton);
  const std::string instance = InstanceOf("03BFC0A80A30");
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{Column(GetParam().portsColumn, instance) + "=4x:A000000000000000 ; " +
                                                     Column(GetParam().statusColumn, instance) + "=" +
                                                     GetParam().createdStatus}));
  EXPECT_EQ(Stored(GetParam().portsColumn, instance, NvSyntax::octetstr), "A000000000000000");
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows + 1);
  EXPECT_EQ(form->MacEdit->Text(), "");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(MacEntryDialog, mac_key_of_other_than_twelve_digits_is_refused_before_sending) {
  TogglePorts(form->Picker, {2});
  for (const char* mac : {"03BFC0A80A3", "03BFC0A80A301"}) {
    TypeKeys(mac);
    GuiTesting::UserClick(form->AddButton);
  }
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, GetParam().noKeyText);
  EXPECT_EQ(boxes.Calls()[1].text, GetParam().noKeyText);
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(form->DataComplete, 1);
}

// The static filtering tables take a SET on an entry as a change of its ports: Add of a listed
// key must not replace them.
TEST_P(MacEntryDialog, add_of_a_listed_key_leaves_that_entrys_ports) {
  std::string typed = GetParam().seededMac;
  for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  TypeKeys(typed);
  TogglePorts(form->Picker, {5});
  PressAndWait(form, form->AddButton);
  EXPECT_EQ(Stored(GetParam().portsColumn, GetParam().seededKey, NvSyntax::octetstr), PortsHex(GetParam().seededPorts));
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows);
  ASSERT_FALSE(boxes.Calls().empty());
  if (GetParam().listedKeyText) {
    EXPECT_TRUE(sim->setLog().empty());
    EXPECT_EQ(boxes.Calls()[0].text, GetParam().listedKeyText);
  } else {
    EXPECT_EQ(sim->setLog().size(), 1u);  // createAndGo of a row that exists: the switch refuses it
    EXPECT_EQ(boxes.Calls()[0].kind, GuiTesting::BoxKind::MessageBox);
  }
}

TEST_P(MacEntryDialog, add_without_its_keys_asks_for_them) {
  TogglePorts(form->Picker, {2});
  GuiTesting::UserClick(form->AddButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, GetParam().noKeyText);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_P(MacEntryDialog, set_writes_the_chosen_entrys_ports) {
  if (!form->SetButton) {
    EXPECT_EQ(form->FindComponent("SetBtn"), nullptr);
    return;
  }
  ChooseSeeded();
  for (int p : CheckedPorts(form->Picker)) GuiTesting::UserClick(PortBox(form->Picker, p));
  PressAndWait(form, form->SetButton);
  const std::string instance = GetParam().seededKey;
  std::string expected = Column(GetParam().portsColumn, instance) + "=4x:0000000000000000";
  if (GetParam().setStatus) expected += " ; " + Column(GetParam().statusColumn, instance) + "=" + GetParam().setStatus;
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{expected}));
  EXPECT_EQ(Stored(GetParam().portsColumn, instance, NvSyntax::octetstr), "0000000000000000");
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows);
  EXPECT_FALSE(form->SetButton->Enabled);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_P(MacEntryDialog, delete_removes_the_chosen_entry) {
  ChooseSeeded();
  PressAndWait(form, form->DeleteButton);
  const std::string instance = GetParam().seededKey;
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{Column(GetParam().statusColumn, instance) + "=" + GetParam().deletedStatus}));
  EXPECT_EQ(Stored(GetParam().statusColumn, instance, NvSyntax::integer), "");
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows - 1);
  EXPECT_EQ(form->ST_Count->Caption(), std::to_string(GetParam().seededRows - 1));
  if (GetParam().deleteAsks) {
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "Are you sure to delete it?");
  } else {
    EXPECT_TRUE(boxes.Calls().empty());
  }
}

TEST_P(MacEntryDialog, second_add_before_the_reply_is_refused_and_one_walk_follows) {
  sim->setDelay(300);
  TypeKeys("03BFC0A80A30");
  TogglePorts(form->Picker, {1});
  GuiTesting::UserClick(form->AddButton);
  TypeKeys("03BFC0A80A31");
  TogglePorts(form->Picker, {1});
  GuiTesting::UserClick(form->AddButton);
  GuiTesting::UserClick(form->RefreshBtn);  // does nothing while the write is under way
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, GetParam().addBusyText);
  ASSERT_TRUE(GuiTesting::ProcessUntil(
      [&] { return form->DataComplete == 1 && !form->Table->Busy && form->Table->Request.PendingReplies == 0; }, 30000));
  EXPECT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(form->List->Items->Count, GetParam().seededRows + 1);  // one walk: no row twice
}

INSTANTIATE_TEST_SUITE_P(Members, MacEntryDialog, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
