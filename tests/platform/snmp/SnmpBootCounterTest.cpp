// SNMPv3 engine boots file and the local engine set-up.
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#undef snmp_callback

#include "Snmp.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const OctetStr kEngine("NvSNMP_PP_Application");

class BootCounterFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/nv-boots-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    file_ = (dir_ / "NvSNMP_PP_BootCounter").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& text) { std::ofstream(file_) << text; }
  std::string read() {
    std::ifstream in(file_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
  std::string file_;
};

TEST_F(BootCounterFile, MissingFileReadsAsZeroAndFirstSaveStoresOne) {
  unsigned int boot = 99;
  EXPECT_EQ(getBootCounter(file_.c_str(), kEngine, boot), -2);
  EXPECT_EQ(boot, 0u);
  ASSERT_EQ(saveBootCounter(file_.c_str(), kEngine, boot + 1), 0);
  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 1u);
}

TEST_F(BootCounterFile, SavingOneEngineKeepsTheOtherLines) {
  // "NvSNMP_PP_Application" in hex, between two other engines.
  write("800000020109840301\t7\n4E76534E4D505F50505F4170706C69636174696F6E 41\n0102030405 3\n");
  unsigned int boot = 0;
  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 41u);
  ASSERT_EQ(saveBootCounter(file_.c_str(), kEngine, boot + 1), 0);

  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 42u);
  const unsigned char other[] = {1, 2, 3, 4, 5};
  ASSERT_EQ(getBootCounter(file_.c_str(), OctetStr(other, 5), boot), 0);
  EXPECT_EQ(boot, 3u);
  EXPECT_NE(read().find("800000020109840301\t7\n"), std::string::npos);
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(BootCounterFile, CountLatchesAtItsMaximumSoTheFileStaysReadable) {
  write("4E76534E4D505F50505F4170706C69636174696F6E 2147483647\n");
  unsigned int boot = 0;
  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  ASSERT_EQ(saveBootCounter(file_.c_str(), kEngine, boot + 1), 0);
  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 2147483647u);
}

TEST_F(BootCounterFile, FileWithoutTheEngineGivesMinusOne) {
  write("0102030405 3\n\n");
  unsigned int boot = 5;
  EXPECT_EQ(getBootCounter(file_.c_str(), kEngine, boot), -1);
  EXPECT_EQ(boot, 0u);
}

TEST_F(BootCounterFile, MalformedContentIsAnErrorBelowMinusTwo) {
  const char* bad[] = {"4E76 x\n", "4E7 1\n", "zz 1\n", "4E76 1 2\n", "4E76\n", "4E76 99999999999\n"};
  for (const char* text : bad) {
    write(text);
    unsigned int boot = 0;
    EXPECT_LT(getBootCounter(file_.c_str(), kEngine, boot), -2) << text;
  }
}

TEST_F(BootCounterFile, EngineIdLongerThan32BytesIsRefused) {
  const OctetStr tooLong(std::string(33, 'x'));
  unsigned int boot = 0;
  EXPECT_LT(getBootCounter(file_.c_str(), tooLong, boot), -2);
  EXPECT_NE(saveBootCounter(file_.c_str(), tooLong, 1), 0);
}

TEST_F(BootCounterFile, UnwritableFolderFailsTheSave) {
  // A regular file stands where the folder should be; this fails even for root.
  write("");
  const std::string inside = file_ + "/NvSNMP_PP_BootCounter";
  EXPECT_NE(saveBootCounter(inside.c_str(), kEngine, 1), 0);
}

TEST(SnmpEngine, MpInitSetsTheLocalEngineIdAndBoots) {
  int status = -1;
  Snmp session(status, 0);
  ASSERT_EQ(status, 0);
  ASSERT_EQ(mpInit(&session, kEngine, 42), 0);
  u_char id[64];
  const size_t len = snmpv3_get_engineID(id, sizeof id);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(id), len), kEngine.bytes());
  EXPECT_EQ(snmpv3_local_snmpEngineBoots(), 42u);
}

}  // namespace
