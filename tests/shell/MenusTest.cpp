#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "Catalogue.h"
#include "Commands.h"
#include "MenuTree.h"

namespace {

int RecordCount(const NvSNMPVar* vars) {
  int n = 0;
  while (vars[n].Oid) ++n;
  return n;
}

int LeadingIndexRecords(const NvSNMPVar* vars) {
  int n = 0;
  while (vars[n].Oid && (vars[n].Access & NvAccess::notaccess)) ++n;
  return n;
}

const NvCatalogueTable* CatalogueEntry(const NvSNMPVar* vars) {
  for (NvCatalogueModule* module : NvCatalogueModules())
    for (const NvCatalogueTable& table : module->Tables)
      if (table.Vars == vars) return &table;
  return nullptr;
}

// The views of a command: its own, or its tab pages.
std::vector<const NvCommandView*> ViewsOf(const NvMenuCommand& command) {
  std::vector<const NvCommandView*> views;
  if (command.View.Table.Vars) views.push_back(&command.View);
  for (const NvCommandPage& page : command.Pages) views.push_back(&page.View);
  return views;
}

TEST(MainMenu, HasElevenTopLevelMenusInLayoutOrder) {
  std::vector<std::string> tops;
  for (const NvMenuItem& item : NvMainMenuItems())
    if (!item.Parent) tops.push_back(item.Caption);
  EXPECT_EQ(tops, (std::vector<std::string>{"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP v3",
                                            "Security", "Layer 2", "Layer 3", "Single IP", "Help", "Refresh"}));
}

TEST(MainMenu, NamesAreUniqueAndParentsComeFirst) {
  std::set<std::string_view> seen;
  for (const NvMenuItem& item : NvMainMenuItems()) {
    if (item.Parent) {
      EXPECT_TRUE(seen.count(item.Parent)) << item.Parent << " before " << item.Caption;
    }
    if (item.Name) {
      EXPECT_TRUE(seen.insert(item.Name).second) << item.Name;
    }
  }
}

TEST(MainMenu, TrickyCaptionsAreExact) {
  struct Case {
    const char* name;
    const char* caption;
    bool hidden;
  };
  for (const Case& c : {Case{"MoudleBasicConfig", "Moudle Basic Configuration", true},
                        Case{"FLASHUtilizationTable1", "Flash Utilization Table\n", false},
                        Case{"VlLANMultiplyManagement1", "VLAN Multiply Management\n", false},
                        Case{"Information2", "STP Control ", false},
                        Case{"StaticVLANEntry1", "802.1Q VLAN ", false},
                        Case{"DoubleVLANControlTable1", "Double VLAN Control  Table", false},
                        Case{"CounterTotalRxQueryTable1", "Counter Total Rx Query\n Table", false},
                        Case{"IGMPInformation1", "IGMP Information ", true},
                        Case{"EAPOverLandFramesStatisticTable1", "EAP Over Land  Frames Statistic Table", false}}) {
    const NvMenuItem* item = NvFindMenuItem(c.name);
    ASSERT_NE(item, nullptr) << c.name;
    EXPECT_STREQ(item->Caption, c.caption) << c.name;
    EXPECT_EQ(item->Hidden, c.hidden) << c.name;
  }
  // The window of the flash item is titled without the line feed.
  EXPECT_STREQ(NvFindMenuCommand("FLASHUtilizationTable1")->Title, "Flash Utilization Table");
}

TEST(MenuCommands, CountsAgreeWithTheMenusOwnFigures) {
  const auto& commands = NvMenuCommands();
  int hidden = 0, viewers = 0;
  std::set<std::string_view> dialogClasses;
  for (const NvMenuCommand* command : commands) {
    hidden += command->Hidden;
    viewers += command->Kind == NvCommandKind::Viewer;
    if (command->DialogClass && std::string_view(command->DialogClass) != "TAboutForm")
      dialogClasses.insert(command->DialogClass);
  }
  EXPECT_EQ(commands.size(), 341u);  // "about 340"
  EXPECT_EQ(hidden, 30);
  EXPECT_EQ(viewers, 20);
  EXPECT_EQ(dialogClasses.size(), 74u);  // the hand-made feature dialogs
}

TEST(MenuCommands, EachHandlerHasExactlyOneRowAndEachRowAnItem) {
  std::map<std::string_view, int> rows;
  for (const NvMenuCommand* command : NvMenuCommands()) {
    const NvMenuItem* item = NvFindMenuItem(command->Item);
    ASSERT_NE(item, nullptr) << command->Item;
    ASSERT_NE(item->Handler, nullptr) << command->Item;
    EXPECT_EQ(std::string(item->Handler), std::string(command->Item) + "Click");
    EXPECT_EQ(command->Hidden, !NvMenuItemReachable(*item)) << command->Item;
    ++rows[command->Item];
  }
  for (const NvMenuItem& item : NvMainMenuItems())
    if (item.Handler) {
      EXPECT_EQ(rows[item.Name], 1) << item.Name;
    }
}

TEST(MenuCommands, TablesAreTheCatalogueTablesTheMenuNames) {
  for (const NvMenuCommand* command : NvMenuCommands())
    for (const NvCommandView* view : ViewsOf(*command)) {
      const NvCatalogueTable* entry = CatalogueEntry(view->Table.Vars);
      ASSERT_NE(entry, nullptr) << command->Item;
      const NvSNMPVar& first = view->Table.Vars[0];
      std::string oid = first.Oid, prefix = view->Table.Prefix;
      // The menu names a table by the catalogue's prefix, or by the OID its first record starts with.
      EXPECT_TRUE(prefix == entry->Prefix || oid == prefix || oid.rfind(prefix + ".", 0) == 0)
          << command->Item << " " << prefix;
      EXPECT_STREQ(first.Label, view->Table.FirstLabel) << command->Item;
    }
}

TEST(MenuCommands, RowNumbersStayInsideTheirTables) {
  for (const NvMenuCommand* command : NvMenuCommands())
    for (const NvCommandView* view : ViewsOf(*command)) {
      const int records = RecordCount(view->Table.Vars);
      for (const NvFormatRow& format : view->Formats)
        if (format.Format) {
          EXPECT_LT(format.Row, records) << command->Item;
        }
      EXPECT_LT(view->Status.Column, records) << command->Item;
      EXPECT_LT(view->Tag.Row, records) << command->Item;
      EXPECT_LT(view->PortBoxes.Row, records) << command->Item;
      EXPECT_LE(view->IndexColumns, records) << command->Item;
      if (records < 32) { EXPECT_LT(view->ZeroWidthColumns, 1u << records) << command->Item; }  // wider masks hold any value
    }
}

TEST(MenuCommands, IndexCountsFollowTheIndexRecordsWhereTheMenuAgrees) {
  // These rows give a different count than their table's leading index records; the row holds.
  const std::set<std::string_view> differing = {"PortControl1", "HostTable2", "PacketContentRuleOffsets1",
                                                "NeighborCacheTable1"};
  std::set<std::string_view> found;
  for (const NvMenuCommand* command : NvMenuCommands())
    for (const NvCommandView* view : ViewsOf(*command))
      if (view->ListKind != SVT_SV && view->IndexColumns != LeadingIndexRecords(view->Table.Vars))
        found.insert(command->Item);
  EXPECT_EQ(found, differing);
}

TEST(MenuCommands, KindsCarryWhatTheirRunnerNeeds) {
  for (const NvMenuCommand* command : NvMenuCommands()) {
    switch (command->Kind) {
      case NvCommandKind::Editor:
      case NvCommandKind::Table:
        EXPECT_NE(command->View.Table.Vars, nullptr) << command->Item;
        EXPECT_NE(command->Title, nullptr) << command->Item;
        break;
      case NvCommandKind::TableAddDelete:
        EXPECT_GE(command->View.Status.Column, 0) << command->Item;
        EXPECT_STREQ(command->View.Status.Delete, "destroy") << command->Item;
        break;
      case NvCommandKind::Tabs: EXPECT_EQ(command->Pages.size(), 2u) << command->Item; break;
      case NvCommandKind::Dialog: EXPECT_NE(command->DialogClass, nullptr) << command->Item; break;
      case NvCommandKind::Viewer:
        ASSERT_NE(command->Topic, nullptr) << command->Item;
        EXPECT_EQ(std::string_view(command->Topic).substr(0, 2), "/T") << command->Item;
        EXPECT_EQ(command->Title, nullptr) << command->Item;
        break;
      case NvCommandKind::Other: EXPECT_NE(command->Custom, nullptr) << command->Item; break;
    }
  }
}

TEST(MenuCommands, DetailsOfSampleRows) {
  const NvMenuCommand* basic = NvFindMenuCommand("BasicConfigure1");
  EXPECT_STREQ(basic->Title, "Basic Management");
  EXPECT_EQ(basic->View.Formats[0].Row, 5);
  EXPECT_STREQ(basic->View.Formats[0].Format, "%i{n1x65535l5}");
  EXPECT_EQ(basic->View.Formats[1].Format, nullptr);
  EXPECT_EQ(basic->View.TimeOut, 400);

  const NvMenuCommand* loop = NvFindMenuCommand("LoopDetectControl1");
  ASSERT_NE(loop, nullptr);
  EXPECT_STREQ(loop->View.Formats[1].Check, "CheckZeroOr60To1000000");

  const NvMenuCommand* net = NvFindMenuCommand("NetTable1");
  EXPECT_EQ(net->View.Hooks, NvPopupHooks::MaNetAdd);
  EXPECT_EQ(net->View.Status.Column, 5);

  const NvMenuCommand* blocked = NvFindMenuCommand("BindingBlockedTable1");
  EXPECT_EQ(blocked->View.Status.Add, nullptr);
  EXPECT_EQ(blocked->View.Edit, NvEditButton::Removed);

  int raised = 0;
  for (const NvMenuCommand* command : NvMenuCommands()) raised += command->VersionRaise;
  EXPECT_EQ(raised, 3);

  const NvMenuCommand* login = NvFindMenuCommand("LoginMethodControl1");
  EXPECT_EQ(login->DialogMode, 1);
  EXPECT_EQ(login->Owner, NvOwner::MainWindow);
}

}  // namespace
