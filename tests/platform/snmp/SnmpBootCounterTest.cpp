// SNMPv3 engine boots file and the local engine set-up.
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#undef snmp_callback

#include "Snmp.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

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

TEST_F(BootCounterFile, PlantedLinkAtTheTemporaryNameIsNeverWrittenThrough) {
  write("4E76534E4D505F50505F4170706C69636174696F6E 41\n");
  const fs::path target = dir_ / "precious";
  std::ofstream(target) << "keep me\n";
  const std::string planted = file_ + ".tmp" + std::to_string(::getpid());
  fs::create_symlink(target, planted);
  fs::create_symlink(target, planted + ".XXXXXX");
  unsigned int boot = 0;
  ASSERT_EQ(advanceBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 42u);
  std::ifstream in(target);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, "keep me\n");
  EXPECT_FALSE(fs::is_symlink(file_));
  EXPECT_TRUE(fs::is_symlink(planted));
  EXPECT_EQ(read(), "4E76534E4D505F50505F4170706C69636174696F6E 42\n");
}

// What cannot be read is an error, and the file stays exactly as it was.
TEST_F(BootCounterFile, CounterThatCannotBeReadIsLeftAsItIs) {
  const std::string corrupt = "4E76534E4D505F50505F4170706C69636174696F6E 41\n0102030405 7\n\x01garbage\n";
  write(corrupt);
  unsigned int boot = 0;
  EXPECT_EQ(advanceBootCounter(file_.c_str(), kEngine, boot), -3);
  EXPECT_EQ(read(), corrupt);

  fs::remove(file_);
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  EXPECT_EQ(getBootCounter(file_.c_str(), kEngine, boot), -6);  // returns at once, no writer needed
  EXPECT_EQ(advanceBootCounter(file_.c_str(), kEngine, boot), -6);
  EXPECT_EQ(saveBootCounter(file_.c_str(), kEngine, 5), -6);
  EXPECT_TRUE(fs::is_fifo(file_));

  fs::remove(file_);
  fs::create_directory(file_);
  EXPECT_EQ(advanceBootCounter(file_.c_str(), kEngine, boot), -6);
  EXPECT_TRUE(fs::is_directory(file_));

  if (::geteuid() != 0) {  // root reads whatever the mode says
    fs::remove(file_);
    write("4E76534E4D505F50505F4170706C69636174696F6E 41\n");
    fs::permissions(file_, fs::perms::none);
    EXPECT_EQ(advanceBootCounter(file_.c_str(), kEngine, boot), -6);
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(read(), "4E76534E4D505F50505F4170706C69636174696F6E 41\n");
  }
}

TEST_F(BootCounterFile, StartsAtTheSameMomentLoseNoCount) {
  write("0102030405 7\n4E76534E4D505F50505F4170706C69636174696F6E 100\n");
  constexpr int kStarts = 24;
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  std::vector<pid_t> children;
  for (int i = 0; i < kStarts; ++i) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(go[1]);
      char c;
      (void)!::read(go[0], &c, 1);  // all wait for the same moment
      unsigned int boot = 0;
      ::_exit(advanceBootCounter(file_.c_str(), kEngine, boot) == 0 ? 0 : 1);
    }
    children.push_back(pid);
  }
  ::close(go[0]);
  ::close(go[1]);  // end of file: every child goes
  int failed = 0;
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    failed += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(failed, 0);
  unsigned int boot = 0;
  ASSERT_EQ(getBootCounter(file_.c_str(), kEngine, boot), 0);
  EXPECT_EQ(boot, 100u + kStarts);
  const unsigned char other[] = {1, 2, 3, 4, 5};
  ASSERT_EQ(getBootCounter(file_.c_str(), OctetStr(other, 5), boot), 0);
  EXPECT_EQ(boot, 7u);
}

TEST(SnmpPrivateFolder, TakenOnlyWhenItIsOursAndClosedToOthers) {
  char tmpl[] = "/tmp/nv-private-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const fs::path temp = tmpl;
  const fs::path expected = temp / ("nvs7000d-snmp-" + std::to_string(::getuid()));
  auto mode = [](const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st.st_mode & 07777;
  };

  std::string dir = snmpPrivateFolder(temp.string());
  EXPECT_EQ(dir, expected.string());
  EXPECT_EQ(mode(dir), 0700u);

  // Planted open to everyone, or as a link to a folder of someone's choosing: refused.
  fs::permissions(expected, fs::perms::all);
  dir = snmpPrivateFolder(temp.string());
  EXPECT_NE(dir, expected.string());
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(mode(dir), 0700u);
  EXPECT_TRUE(fs::is_directory(dir));

  fs::remove(expected);
  fs::create_directory(temp / "elsewhere");
  fs::create_directory_symlink(temp / "elsewhere", expected);
  dir = snmpPrivateFolder(temp.string());
  EXPECT_NE(dir, expected.string());
  EXPECT_EQ(mode(dir), 0700u);
  fs::remove_all(temp);
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
