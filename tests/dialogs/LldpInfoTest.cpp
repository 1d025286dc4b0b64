// The read-only LLDP views against the simulated switch: the neighbours, the link aggregation
// tables and the local system data, with their BITS values shown as names.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3remotelinkaggtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpremotetable.h"
#include "NvSNMPRequest2Edits.h"
#include "TableDialogDriver.h"

namespace {

using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

template <class Form>
std::unique_ptr<Form> Open(const SwitchSim& sim) {
  dialogtest::PointSessionAt(sim);
  auto form = std::make_unique<Form>(nullptr);
  form->Show();
  EXPECT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, dialogtest::kLongWait));
  return form;
}

// The cells of the row whose cell at column is value.
std::vector<std::string> RowWhere(TListView* list, int column, const std::string& value) {
  for (int i = 0; i < list->Items->Count; ++i) {
    const auto cells = dialogtest::Cells(list->Items->Item[i]);
    if (int(cells.size()) > column && cells[size_t(column)] == value) return cells;
  }
  return {};
}

std::string Status(TFeatureDialog& form) { return form.StatusBar1->Panels->Items[0]->Text; }

TEST(LldpRemoteView, lists_the_neighbours_with_their_capabilities_as_names) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPRemoteForm>(sim);
  EXPECT_EQ(form->ListView1->Items->Count, 3);
  EXPECT_EQ(form->StaticText1->Caption(), "3");
  const auto bridge = RowWhere(form->ListView1, 1, "25");
  ASSERT_EQ(bridge.size(), 12u);
  EXPECT_EQ(bridge[2], "1");
  EXPECT_EQ(bridge[3], "macAddress");
  EXPECT_EQ(bridge[5], "interfaceName");
  EXPECT_EQ(bridge[6], "Gi1/0/24");
  EXPECT_EQ(bridge[8], "dist-sw-2");
  EXPECT_EQ(bridge[10], " bridge,router");
  EXPECT_EQ(bridge[11], " bridge,router");
  EXPECT_EQ(RowWhere(form->ListView1, 1, "26")[10], " other");
  // Two octets: the names come from the first one (bridge and telephone), not the last.
  EXPECT_EQ(RowWhere(form->ListView1, 1, "27")[11], " bridge,telephone");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(LldpRemoteView, refresh_while_reading_never_mixes_two_walks) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPRemoteForm>(sim);
  sim.setDelay(100);
  UserClick(form->GetButton);
  UserClick(form->GetButton);
  UserClick(form->GetButton);
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  EXPECT_EQ(form->ListView1->Items->Count, 3);
  for (const char* port : {"25", "26", "27"}) EXPECT_FALSE(RowWhere(form->ListView1, 1, port).empty()) << port;
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(LldpRemoteView, walk_that_fails_shows_its_error) {
  SwitchSim sim;
  sim.setSubtreeError("1.0.8802.1.1.2.1.4.1.1.4", 5);
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPRemoteForm>(sim);
  EXPECT_NE(Status(*form).find("General Error"), std::string::npos) << Status(*form);
  EXPECT_EQ(form->StaticText1->Caption(), "");  // no count of a table that was not read
}

TEST(LldpLinkAggregationViews, show_the_state_bits_as_names) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  {
    auto local = Open<TLLDPDot3LinkAggForm>(sim);
    EXPECT_EQ(local->ListView1->Items->Count, 28);
    EXPECT_EQ(dialogtest::RowCells(local->ListView1, {"21"}),
              (std::vector<std::string>{"21", " aggCapable,aggEnabled", "21"}));
    EXPECT_EQ(dialogtest::RowCells(local->ListView1, {"1"}), (std::vector<std::string>{"1", " aggCapable", "0"}));
  }
  {
    auto remote = Open<TLLDPDot3RemoteLinkAggForm>(sim);
    EXPECT_EQ(remote->ListView1->Items->Count, 3);
    const auto trunk = RowWhere(remote->ListView1, 1, "25");
    ASSERT_EQ(trunk.size(), 5u);
    EXPECT_EQ(trunk[3], " aggCapable,aggEnabled");
    EXPECT_EQ(trunk[4], "1024");
    EXPECT_EQ(RowWhere(remote->ListView1, 1, "27")[3], " ");
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(LldpLocalSystemData, shows_the_values_and_the_capabilities_as_names) {
  SwitchSim sim;
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPLocSysDataForm>(sim);
  EXPECT_EQ(form->subtypeText->Caption(), "macAddress");
  EXPECT_EQ(form->sysNameText->Caption(), "lab-switch-1");
  EXPECT_EQ(form->sysNameText->Hint(), "lab-switch-1");
  EXPECT_NE(form->sysDescText->Caption().find("NVS-7030"), std::string::npos);
  EXPECT_EQ(form->CapSupportEdit->Text(), " Bridge,Router");
  EXPECT_EQ(form->capEnableEdit->Text(), " Bridge");
  EXPECT_FALSE(form->CapSupportEdit->Enabled);
  EXPECT_FALSE(form->tempText1->Visible);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(LldpLocalSystemData, long_name_gets_a_line_break_per_hundred_characters_and_two_octets_read_the_first) {
  SwitchSim::Options options;
  options.extraSeeds = {dialogtest::TestSeed("lldp-long-name.snmprec")};
  SwitchSim sim(options);
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPLocSysDataForm>(sim);
  const std::string name = form->sysNameText->Caption;
  ASSERT_EQ(name.size(), 250u);
  const std::string hint = form->sysNameText->Hint;
  EXPECT_EQ(std::count(hint.begin(), hint.end(), '\n'), 2);
  EXPECT_EQ(hint.substr(0, 100), name.substr(0, 100));
  EXPECT_EQ(hint[100], '\n');
  EXPECT_EQ(form->CapSupportEdit->Text(), " Repeater,Bridge");
  EXPECT_EQ(form->capEnableEdit->Text(), " Other,Repeater");

  UserClick(form->GetButton);  // read again: the same values
  ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->SystemData->Busy; }, dialogtest::kLongWait));
  EXPECT_EQ(form->CapSupportEdit->Text(), " Repeater,Bridge");
}

TEST(LldpLocalSystemData, read_that_fails_shows_its_error) {
  SwitchSim sim;
  sim.setSubtreeError("1.0.8802.1.1.2.1.3.3", 5);
  GuiTesting::ScriptedAnswerer boxes;
  auto form = Open<TLLDPLocSysDataForm>(sim);
  EXPECT_NE(Status(*form).find("General Error"), std::string::npos) << Status(*form);
}

}  // namespace
