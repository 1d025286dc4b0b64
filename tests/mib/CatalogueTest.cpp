#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Catalogue.h"
#include "NvOptionList.h"
#include "NvSNMPVarList.h"
#include "Oid_agent.h"
#include "Oid_lldp.h"
#include "Oid_protocolvlan.h"
#include "Oid_snmpv3.h"
#include "Oid_time.h"

namespace {

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override { NvCatalogueStartup(); }
  void TearDown() override { NvCatalogueShutdown(); }
};

struct ModuleCounts {
  const char* Name;
  int Tables, Records, Lists;
  bool Complete;  // the menu tables are all the module holds; dialog tables come later otherwise
};

// Tables, records and option lists of the menu tables; for complete modules also the module's totals.
const ModuleCounts Expected[] = {
    {"Oid_device", 62, 244, 113, false},   {"Oid_agent", 17, 69, 33, false},
    {"Oid_etherlike", 1, 3, 0, false},     {"Oid_equipment", 2, 6, 1, true},
    {"Oid_ifmib", 1, 20, 3, true},         {"Oid_syslog", 1, 4, 3, false},
    {"Oid_time", 1, 5, 1, false},          {"Oid_smtp", 2, 4, 2, false},
    {"Oid_bridge", 3, 12, 2, false},       {"Oid_poe", 4, 17, 6, true},
    {"Oid_acl", 10, 42, 14, false},        {"Oid_lacp", 3, 37, 2, true},
    {"Oid_rmonprobe", 3, 8, 2, true},      {"Oid_snmpv3", 15, 92, 28, true},
    {"Oid_qbridge", 10, 33, 8, false},     {"Oid_singleip", 5, 26, 3, false},
    {"Oid_aaa", 5, 35, 11, false},         {"Oid_mstp", 3, 22, 11, false},
    {"Oid_dot1xpae", 6, 62, 12, true},     {"Oid_ipmacbinding", 5, 27, 16, false},
    {"Oid_radius", 13, 100, 14, true},     {"Oid_ssl", 0, 0, 0, false},
    {"Oid_ssh", 3, 24, 19, false},         {"Oid_ping", 9, 70, 12, true},
    {"Oid_mld", 3, 12, 5, false},          {"Oid_protocolvlan", 3, 11, 5, false},
    {"Oid_oam", 18, 165, 49, true},        {"Oid_erps", 3, 8, 6, false},
    {"Oid_filterunit", 2, 5, 4, false},    {"Oid_lldp", 24, 113, 22, false},
    {"Oid_timerange", 2, 6, 0, false},     {"Oid_arpspoofingprevent", 0, 0, 0, false},
};

TEST_F(Catalogue, every_module_holds_its_tables_records_and_lists) {
  ASSERT_EQ(NvCatalogueModules().size(), std::size(Expected));
  int tables = 0, records = 0;
  for (size_t m = 0; m < std::size(Expected); ++m) {
    const ModuleCounts& expected = Expected[m];
    const NvCatalogueModule* module = NvCatalogueModules()[m];
    SCOPED_TRACE(expected.Name);
    ASSERT_STREQ(module->Name, expected.Name);  // link order
    int moduleRecords = 0;
    for (const NvCatalogueTable& table : module->Tables) moduleRecords += NvSNMPTableCount(table.Vars);
    if (expected.Complete) {
      EXPECT_EQ(static_cast<int>(module->Tables.size()), expected.Tables);
      EXPECT_EQ(moduleRecords, expected.Records);
      EXPECT_EQ(static_cast<int>(module->Lists.size()), expected.Lists);
    } else {
      EXPECT_GE(static_cast<int>(module->Tables.size()), expected.Tables);
      EXPECT_GE(moduleRecords, expected.Records);
      EXPECT_GE(static_cast<int>(module->Lists.size()), expected.Lists);
    }
    tables += static_cast<int>(module->Tables.size());
    records += moduleRecords;
  }
  EXPECT_GE(tables, 239);
  EXPECT_GE(records, 1282);
}

TEST_F(Catalogue, tables_keep_their_headings_record_counts) {
  struct Case { const NvSNMPVar* Table; int Records; const char* FirstLabel; };
  const Case cases[] = {
      {BasicManagementTable, 6, "RS232 Port"},
      {LldpRemoteManagementAddressTable, 8, "Time Mark"},
      {UsmUserTable, 13, "Engine ID"},
      {ProtocolPortGroupPriorityTable, 3, "Base Port"},
      {SystemTimeTable, 5, "Clock Reset On Reboot"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.FirstLabel);
    EXPECT_EQ(NvSNMPTableCount(c.Table), c.Records);
    EXPECT_STREQ(c.Table[0].Label, c.FirstLabel);
  }
}

TEST_F(Catalogue, index_pseudo_columns_are_not_accessible) {
  for (const NvCatalogueModule* module : NvCatalogueModules())
    for (const NvCatalogueTable& table : module->Tables)
      for (const NvSNMPVar* var = table.Vars; var->Oid; ++var) {
        if (std::string(var->Oid) != " ") continue;
        EXPECT_TRUE(var->Access & 1) << table.Name << " " << var->Label;
      }
}

TEST_F(Catalogue, group_priority_has_nine_entries_and_leaves_8_unnamed) {
  EXPECT_EQ(OptGroupPriority.GetCount(), 9);
  EXPECT_EQ(OptGroupPriority.ValueToName("8"), "8");
  EXPECT_EQ(OptGroupPriority.ValueToName("-1"), "-");
  EXPECT_EQ(OptGroupPriority.NameToValue("-"), "-1");
  EXPECT_EQ(ProtocolPortGroupPriorityTable[2].Options, &OptGroupPriority);
}

TEST_F(Catalogue, enabled_names_value_1_whatever_its_case) {
  const NvOptionList* snmpTrapState = BasicManagementTable[3].Options;  // enabled/disabled
  ASSERT_NE(snmpTrapState, nullptr);
  EXPECT_EQ(snmpTrapState->FindName("Enabled"), 0);
  EXPECT_EQ(snmpTrapState->NameToValue("Enabled"), "1");
}

TEST_F(Catalogue, usm_protocol_lists_hold_object_identifiers) {
  const NvOptionList* auth = UsmUserTable[4].Options;
  const NvOptionList* priv = UsmUserTable[7].Options;
  ASSERT_NE(auth, nullptr);
  ASSERT_NE(priv, nullptr);
  EXPECT_EQ(auth->NameToValue("SHA"), "1.3.6.1.6.3.10.1.1.3");
  EXPECT_EQ(auth->ValueToName("1.3.6.1.6.3.10.1.1.2"), "MD5");
  EXPECT_EQ(priv->NameToValue("DES"), "1.3.6.1.6.3.10.1.2.2");
}

TEST_F(Catalogue, clock_reset_on_reboot_is_one_shared_truth_list) {
  EXPECT_EQ(SystemTimeTable[0].Options, &OptClockResetOnReboot);
  EXPECT_EQ(CurrentTimeTable[2].Options, &OptClockResetOnReboot);
  EXPECT_EQ(OptClockResetOnReboot.NameToValue("false"), "2");
}

TEST_F(Catalogue, every_option_list_belongs_to_its_records_module_alone) {
  std::map<const NvOptionList*, std::string> owner;
  for (const NvCatalogueModule* module : NvCatalogueModules())
    for (const NvCatalogueList& list : module->Lists) {
      EXPECT_TRUE(owner.emplace(list.List, module->Name).second) << module->Name << " builds a list twice";
      EXPECT_GT(list.List->GetCount(), 0) << module->Name;
    }
  for (const NvCatalogueModule* module : NvCatalogueModules())
    for (const NvCatalogueTable& table : module->Tables)
      for (const NvSNMPVar* var = table.Vars; var->Oid; ++var) {
        if (!var->Options) continue;
        auto found = owner.find(var->Options);
        ASSERT_NE(found, owner.end()) << table.Name << " " << var->Label;
        EXPECT_EQ(found->second, module->Name) << table.Name << " " << var->Label;
      }
}

TEST(CatalogueLifetime, lists_live_until_the_last_shutdown) {
  NvCatalogueStartup();
  NvCatalogueStartup();
  NvCatalogueShutdown();
  EXPECT_EQ(OptGroupPriority.GetCount(), 9);
  NvCatalogueShutdown();
  EXPECT_EQ(OptGroupPriority.GetCount(), 0);
  NvCatalogueShutdown();  // one too many changes nothing
  NvCatalogueStartup();
  EXPECT_EQ(OptGroupPriority.GetCount(), 9);
  NvCatalogueShutdown();
}

}  // namespace
