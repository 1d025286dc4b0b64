#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "NvSNMPVarList.h"

namespace {

std::vector<std::string> RunMibDump() {
  std::vector<std::string> lines;
  FILE* pipe = popen(MIBDUMP_PATH, "r");
  if (!pipe) return lines;
  std::string line;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  EXPECT_EQ(pclose(pipe), 0);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.push_back("");
  return fields;
}

TEST(MibDump, prints_one_line_of_eight_fields_per_record) {
  int records = 0;
  for (const NvCatalogueModule* module : NvCatalogueModules())
    for (const NvCatalogueTable& table : module->Tables) records += NvSNMPTableCount(table.Vars);
  const std::vector<std::string> lines = RunMibDump();
  ASSERT_EQ(static_cast<int>(lines.size()), records);
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), 8u) << line;
}

TEST(MibDump, shows_blanks_index_columns_and_text_valued_options) {
  const std::vector<std::string> lines = RunMibDump();
  auto has = [&](const std::string& wanted) {
    for (const std::string& line : lines)
      if (line == wanted) return true;
    return false;
  };
  EXPECT_TRUE(has("Oid_aaa\t1.3.6.1.4.1.32473.12.3.8.1.1\t0\t1.3.6.1.4.1.32473.12.3.8.1.1.1\t Port Number\t"
                  "integer\t1\t"));
  EXPECT_TRUE(has("Oid_snmpv3\t1.3.6.1.6.3.12.1.2.1\t0\t1.3.6.1.6.3.12.1.2.1.1\tAddress Name\tdisplaystr\t65\t"));
  EXPECT_TRUE(has("Oid_snmpv3\t1.3.6.1.6.3.15.1.2.2.1\t7\t1.3.6.1.6.3.15.1.2.2.1.8\tPrivacy Protocol\tobjectid\t6\t"
                  "1.3.6.1.6.3.10.1.2.1=None;1.3.6.1.6.3.10.1.2.2=DES"));
  EXPECT_TRUE(has("Oid_protocolvlan\t1.3.6.1.4.1.32473.12.16.1.2.1\t0\t\tBase Port\tinteger\t1\t"));
}

}  // namespace
