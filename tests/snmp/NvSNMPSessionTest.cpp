#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include <filesystem>
#include <fstream>

#include "ExtCtrls.h"
#include "GuiTesting.h"
#include "NvSNMPError.h"
#include "NvSNMPSession.h"
#include "SilentPort.h"
#include "Snmp.h"

namespace fs = std::filesystem;

namespace {

struct JoinCase {
  const char* directory;
  const char* name;
  const char* path;
};

TEST(NvJoinPath, JoinsWithOneSeparatorAndTakesBackslashAsSeparator) {
  const JoinCase cases[] = {
      {"", "a", "a"},
      {"x", "a", "x/a"},
      {"x/", "a", "x/a"},
      {"x\\", "a", "x/a"},
      {"/opt/nv\\errmsg", "common.err", "/opt/nv/errmsg/common.err"},
      {"", "errmsg\\snmp.msg", "errmsg/snmp.msg"},
  };
  for (const JoinCase& c : cases) EXPECT_EQ(NvJoinPath(c.directory, c.name), c.path);
}

// Every start runs in a fresh working directory, where the boot-counter file is kept.
class SessionStart : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("nv-session-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(dir_);
  }
  static unsigned StoredBoot(const char* engineId) {
    unsigned boot = 999;
    EXPECT_EQ(getBootCounter(NvSNMPBootCounterFile, OctetStr(engineId), boot), 0) << engineId;
    return boot;
  }
  fs::path home_, dir_;
};

TEST_F(SessionStart, FirstStartStoresBootCounterOne) {
  ASSERT_FALSE(fs::exists(NvSNMPBootCounterFile));
  NvSNMPInitSession("");
  ASSERT_NE(NvSNMPGlobalSession, nullptr);
  EXPECT_EQ(StoredBoot("NvSNMP_PP_Application"), 1u);
}

TEST_F(SessionStart, StoredCountAdvancesByOneAndOtherEnginesAreKept) {
  ASSERT_EQ(saveBootCounter(NvSNMPBootCounterFile, OctetStr("OtherEngine"), 7), 0);
  ASSERT_EQ(saveBootCounter(NvSNMPBootCounterFile, OctetStr("NvSNMP_PP_Application"), 41), 0);
  NvSNMPInitSession("");
  EXPECT_EQ(StoredBoot("NvSNMP_PP_Application"), 42u);
  EXPECT_EQ(StoredBoot("OtherEngine"), 7u);
  NvSNMPInitSession(dir_.string());  // the same file, named with its folder
  EXPECT_EQ(StoredBoot("NvSNMP_PP_Application"), 43u);
}

TEST_F(SessionStart, EverySettingReadsItsDefaultAfterStart) {
  NvSNMPDevice::Address = "10.90.90.90";
  NvSNMPDevice::Port = 1161;
  NvSNMPScope::ContextEngineID = "engine";
  NvSNMPScope::ContextName = "ctx";
  NvSNMPSecurity::Version = 3;
  NvSNMPSecurity::ReadCommunity = "public";
  NvSNMPSecurity::WriteCommunity = "private";
  NvSNMPSecurity::SecurityModel = 3;
  NvSNMPSecurity::SecurityLevel = 3;
  NvSNMPSecurity::SecurityName = "user";
  NvSNMPSecurity::AuthPassword = "authpass";
  NvSNMPSecurity::PrivPassword = "privpass";
  NvSNMPSecurity::AuthProtocol = 3;
  NvSNMPSecurity::PrivProtocol = 2;
  NvSNMPDefaultTimeout = 500;
  NvSNMPEventProcessor().Disable();

  NvSNMPInitSession("");

  EXPECT_EQ(NvSNMPDevice::Address, "127.0.0.1");
  EXPECT_EQ(NvSNMPDevice::Port, 161);
  EXPECT_EQ(NvSNMPScope::ContextEngineID, "");
  EXPECT_EQ(NvSNMPScope::ContextName, "");
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "quorra");
  EXPECT_EQ(NvSNMPSecurity::WriteCommunity, "venthal");
  EXPECT_EQ(NvSNMPSecurity::SecurityModel, 1);
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 1);
  EXPECT_EQ(NvSNMPSecurity::SecurityName, "");
  EXPECT_EQ(NvSNMPSecurity::AuthPassword, "");
  EXPECT_EQ(NvSNMPSecurity::PrivPassword, "");
  EXPECT_EQ(NvSNMPSecurity::AuthProtocol, 1);
  EXPECT_EQ(NvSNMPSecurity::PrivProtocol, 1);
  EXPECT_EQ(NvSNMPDefaultTimeout, 100);
  EXPECT_TRUE(NvSNMPEventProcessor().Timer->Enabled);
  EXPECT_EQ(NvSNMPEventProcessor().Timer->Interval, 20);
}

TEST_F(SessionStart, UnwritableFolderFailsWith508AndChangesNothing) {
  // A plain file where the folder should be: no user, root included, can write below it.
  std::ofstream("not-a-folder") << "x";
  NvSNMPDevice::Address = "kept";
  NvSNMPEventProcessor().Disable();
  try {
    NvSNMPInitSession((dir_ / "not-a-folder").string());
    FAIL() << "start-up succeeded";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -508);
    EXPECT_TRUE(e.Message.starts_with("Error when saving SNMP engine boots counter! \"" +
                                      (dir_ / "not-a-folder").string() + "/NvSNMP_PP_BootCounter"))
        << e.Message;
  }
  EXPECT_EQ(NvSNMPDevice::Address, "kept");
  EXPECT_FALSE(NvSNMPEventProcessor().Timer->Enabled);
}

// A lock kept by another process (a hung start, or a hostile local user) ends the start
// within a few seconds, naming the lock file; the counter stays as it was.
TEST_F(SessionStart, LockHeldByAnotherProcessFailsWith508WithinSeconds) {
  ASSERT_EQ(saveBootCounter(NvSNMPBootCounterFile, OctetStr("NvSNMP_PP_Application"), 41), 0);
  int locked[2], release[2];
  ASSERT_EQ(::pipe(locked), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t holder = ::fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    ::close(release[1]);
    const int fd = ::open("NvSNMP_PP_BootCounter.lock", O_RDWR | O_CREAT, 0600);
    const bool ok = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
    (void)!::write(locked[1], ok ? "y" : "n", 1);
    char c;
    (void)!::read(release[0], &c, 1);  // holds it until the test lets go
    ::_exit(0);
  }
  ::close(release[0]);
  char c = 0;
  ASSERT_EQ(::read(locked[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');
  NvSNMPEventProcessor().Disable();
  const auto start = std::chrono::steady_clock::now();
  try {
    NvSNMPInitSession("");
    ADD_FAILURE() << "start-up succeeded";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -508);
    EXPECT_EQ(e.Message, "Error when saving SNMP engine boots counter! \"NvSNMP_PP_BootCounter.lock\" is held by "
                         "another process; gave up after 5 seconds.");
  }
  const auto waited = std::chrono::steady_clock::now() - start;
  ::close(release[1]);
  ::waitpid(holder, nullptr, 0);
  EXPECT_GE(waited, std::chrono::seconds(4));
  EXPECT_LT(waited, std::chrono::seconds(30));
  EXPECT_EQ(StoredBoot("NvSNMP_PP_Application"), 41u);
  EXPECT_FALSE(NvSNMPEventProcessor().Timer->Enabled);
  for (int fd : locked) ::close(fd);
}

TEST_F(SessionStart, MalformedCounterFileFailsWith507AndIsLeftAlone) {
  std::ofstream(NvSNMPBootCounterFile) << "this is no boot counter\n";
  try {
    NvSNMPInitSession("");
    FAIL() << "start-up succeeded";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -507);
    EXPECT_EQ(e.Message, "Error when loading SNMP engine boots counter! \"NvSNMP_PP_BootCounter\" holds a line "
                         "that is not \"<engine ID> <count>\".");
  }
  std::ifstream in(NvSNMPBootCounterFile);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "this is no boot counter");
}

struct Delivery {
  int replies = 0;
  bool pumpWasOff = true;
  bool fail = false;
};

void OnReply(int, Snmp*, Pdu&, SnmpTarget&, void* context) {
  auto* d = static_cast<Delivery*>(context);
  ++d->replies;
  d->pumpWasOff = d->pumpWasOff && !NvSNMPEventProcessor().Timer->Enabled;
  if (d->fail) throw Exception("bad reply", -513);
}

TEST_F(SessionStart, ReplyHandlerThatThrowsIsShownAndThePumpGoesOn) {
  NvSNMPInitSession("");
  SilentPort silent;
  UdpAddress address("127.0.0.1");
  address.set_port(silent.port());
  CTarget target(address);
  target.set_timeout(1);
  target.set_retry(0);
  Pdu pdu;
  pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
  GuiTesting::ScriptedAnswerer answers;

  Delivery failing{.fail = true};
  ASSERT_EQ(NvSNMPGlobalSession->get(pdu, target, OnReply, &failing), 0);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !answers.Calls().empty(); }));
  EXPECT_EQ(answers.Calls()[0].text, "bad reply");
  EXPECT_TRUE(NvSNMPEventProcessor().Timer->Enabled);

  Delivery next;
  ASSERT_EQ(NvSNMPGlobalSession->get(pdu, target, OnReply, &next), 0);
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return next.replies == 1; }));
  EXPECT_TRUE(failing.pumpWasOff);
  EXPECT_TRUE(next.pumpWasOff);
  EXPECT_EQ(failing.replies, 1);
}

}  // namespace
