// Walks one catalogue table of each index type against switchsim and checks the index values
// that the request decodes from the seed's instance suffixes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Catalogue.h"
#include "Forms.h"
#include "NvSNMPRequest.h"
#include "NvSNMPSession.h"
#include "Oid_device.h"
#include "Oid_lldp.h"
#include "Oid_ping.h"
#include "Oid_snmpv3.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace {

class CatalogueWalk : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->ProcessMessages();
    StartSessionInScratchFolder("catalogue");
    NvCatalogueStartup();
    sim_ = new SwitchSim();
  }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
    NvCatalogueShutdown();
  }

  // Every row's index values, read by a blocking walk of the table.
  static std::vector<std::vector<std::string>> IndexRows(const NvSNMPVar* table, int indexCount) {
    NvSNMPRequest req;
    req.Port = sim_->port();
    req.Version = 1;
    req.Vars = NvSNMPVarList(table, MVT_FMV, indexCount);
    std::vector<std::vector<std::string>> rows;
    bool ok = false;
    for (bool more = req.Get(ok, true); more && ok; more = req.Get(ok, false)) {
      std::vector<std::string> row;
      for (int i = 0; i < indexCount; ++i) row.push_back(*req.Vars.GetVar(i)->Value);
      rows.push_back(row);
    }
    EXPECT_TRUE(ok);
    return rows;
  }

  static SwitchSim* sim_;
};
SwitchSim* CatalogueWalk::sim_ = nullptr;

using Rows = std::vector<std::vector<std::string>>;

TEST_F(CatalogueWalk, port_table_has_a_row_per_port) {
  const Rows rows = IndexRows(QosBandwidthControlTable, 1);
  ASSERT_EQ(rows.size(), 28u);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][0], std::to_string(i + 1));
}

TEST_F(CatalogueWalk, integer_and_ipv4_index) {
  const Rows rows = IndexRows(IgmpInformationTable, 2);
  EXPECT_EQ(rows, (Rows{{"1", "239.1.1.1"}, {"10", "239.1.1.2"}, {"20", "239.1.2.3"}}));
}

TEST_F(CatalogueWalk, integer_and_inetaddress_index_under_the_ieee_arc) {
  const Rows rows = IndexRows(LldpAddressConfigurationTable, 2);
  EXPECT_EQ(rows, (Rows{{"1", "10.90.90.90"}, {"1", "10.90.90.91"}, {"1", "10.90.90.92"}}));
}

TEST_F(CatalogueWalk, mac_address_index) {
  const Rows rows = IndexRows(CosMacBasePriTable, 1);
  EXPECT_EQ(rows, (Rows{{"0001022A3B11"}, {"0001022A3B12"}, {"0001022A3B13"}}));
}

TEST_F(CatalogueWalk, length_prefixed_text_indexes) {
  const Rows rows = IndexRows(PingResultsTable, 2);
  // Length first: the shorter owner sorts before the longer one.
  EXPECT_EQ(rows, (Rows{{"ops", "core"}, {"admin", "dns"}, {"admin", "gateway"}}));
}

TEST_F(CatalogueWalk, implied_text_index) {
  const Rows rows = IndexRows(SnmpTargetAddressTable, 1);
  EXPECT_EQ(rows, (Rows{{"nms1"}, {"nms2"}, {"nms3"}}));
}

TEST_F(CatalogueWalk, text_ipv6_and_integer_index) {
  const Rows rows = IndexRows(IPv6AddressControlTable, 3);
  EXPECT_EQ(rows, (Rows{{"mgmt", "FE80000000000000020102FFFE2A3B13", "64"},
                        {"System", "FE80000000000000020102FFFE2A3B11", "64"},
                        {"System", "FE80000000000000020102FFFE2A3B12", "64"}}));
}

TEST_F(CatalogueWalk, text_and_object_identifier_index) {
  const Rows rows = IndexRows(VacmViewTreeFamilyTable, 2);
  EXPECT_EQ(rows, (Rows{{"restricted", "1.3.6.1"}, {"restricted", "1.3.6.1.2.1.1"}, {"CommunityView", "1.3.6.1.6.3"}}));
}

TEST_F(CatalogueWalk, index_with_option_names) {
  const Rows rows = IndexRows(DosControlTable, 1);
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& row : rows) EXPECT_NE(row[0].find_first_not_of("0123456789"), std::string::npos) << row[0];
}

}  // namespace
