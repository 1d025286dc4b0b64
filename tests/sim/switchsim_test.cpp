// switchsim as a manager sees it: GET/GET-NEXT/SET over v1, v2c and v3, row creation, whole
// SETs, the SET log and the fault switches.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "SimClient.h"
#include "SwitchSim.h"

namespace {

const std::string sysName = "1.3.6.1.2.1.1.5.0";
const std::string hardwareRev = "1.3.6.1.2.1.16.19.3.0";
const std::string ledStatus = "1.3.6.1.4.1.32473.11.113.1.3.2.1.1.5.0";
const std::string test = "1.3.6.1.4.1.32473.999";
const std::string rowTable = test + ".2.1";    // RowStatus in column 4, column 3 defaults to 0
const std::string plainTable = test + ".3.1";  // no row status
const std::string qTable = test + ".4.1";      // 802.1Q-style status in column 3
const std::string pastEverything = "1.3.4294967295";

enum Status { noError = 0, noSuchName = 2, badValue = 3, genErr = 5, noAccess = 6, wrongType = 7, noCreation = 11,
              inconsistentValue = 12, notWritable = 17 };

SimClient::Target writer(int version) { return SimClient::community(version, SwitchSim::writeCommunity); }

class SwitchSimTest : public ::testing::Test {
 protected:
  SwitchSim sim;
};

struct TargetCase {
  const char* name;
  SimClient::Target target;
};

SimClient::Target user(const SwitchSim::User& u) {
  return SimClient::user(u.name, u.authProtocol, u.authPassPhrase, u.privProtocol, u.privPassPhrase);
}

const TargetCase targets[] = {
    {"v1", SimClient::community(1, "venthal")},
    {"v2c", SimClient::community(2, "venthal")},
    {"v3_md5", user(SwitchSim::md5User)},
    {"v3_sha", user(SwitchSim::shaUser)},
    {"v3_md5_des", user(SwitchSim::md5DesUser)},
    {"v3_sha_des", user(SwitchSim::shaDesUser)},
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class EveryVersion : public ::testing::TestWithParam<TargetCase> {
 protected:
  SwitchSim sim;
};

TEST_P(EveryVersion, GetsNextsAndSetsTheSeededSwitch) {
  SimClient client(sim.port(), GetParam().target);
  SimClient::Reply r = client.get({sysName, hardwareRev});
  ASSERT_TRUE(r.answered()) << r.status;
  ASSERT_EQ(r.errorStatus, noError);
  ASSERT_EQ(r.varbinds.size(), 2u);
  EXPECT_EQ(r.varbinds[0].second, "4:lab-switch-1");
  EXPECT_EQ(r.varbinds[1].second, "4:B1");

  r = client.getNext({test + ".1.1"});
  ASSERT_EQ(r.varbinds.size(), 1u);
  EXPECT_EQ(r.varbinds[0], std::make_pair(test + ".1.1.0", std::string("2:42")));

  r = client.set({{sysName, "4:core-1"}, {test + ".1.1.0", "2:-5"}});
  ASSERT_TRUE(r.answered());
  EXPECT_EQ(r.errorStatus, noError);
  EXPECT_EQ(client.value(sysName), "4:core-1");
  EXPECT_EQ(client.value(test + ".1.1.0"), "2:-5");
}

INSTANTIATE_TEST_SUITE_P(SwitchSim, EveryVersion, ::testing::ValuesIn(targets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SwitchSimTest, FrontPanelLedStatusCoversPowerConsoleAnd32Slots) {
  SimClient client(sim.port(), SimClient::community(2, "quorra"));
  std::string v = client.value(ledStatus);
  ASSERT_EQ(v.rfind("4x:", 0), 0u) << v;
  EXPECT_EQ(v.size() - 3, 2u * (2 + 2 * 32));
}

TEST_F(SwitchSimTest, WalkEndsWithNoSuchNameForV1AndEndOfMibViewForV2c) {
  SimClient v1(sim.port(), SimClient::community(1, "quorra"));
  SimClient::Reply end;
  auto rows = v1.walk(test + ".1", &end);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().first, test + ".1.1.0");
  for (const auto& [oid, value] : rows) EXPECT_NE(value.rfind("70:", 0), 0u) << "v1 must not see Counter64 " << oid;
  EXPECT_EQ(end.errorStatus, noError);  // the walk left the subtree normally

  SimClient::Reply past = v1.getNext({pastEverything});
  EXPECT_EQ(past.errorStatus, noSuchName);
  EXPECT_EQ(past.errorIndex, 1);

  SimClient v2(sim.port(), SimClient::community(2, "quorra"));
  past = v2.getNext({pastEverything});
  EXPECT_EQ(past.errorStatus, noError);
  ASSERT_EQ(past.varbinds.size(), 1u);
  EXPECT_EQ(past.varbinds[0].second, "endOfMibView");
  EXPECT_EQ(v2.value(test + ".1.9.0"), "70:18446744073709551615");
}

TEST_F(SwitchSimTest, UnknownObjectsGiveExceptionsOrNoSuchName) {
  SimClient v2(sim.port(), SimClient::community(2, "quorra"));
  SimClient::Reply r = v2.get({sysName, "1.3.6.1.2.1.1.5.1", "1.3.6.1.2.1.77.1.0"});
  ASSERT_EQ(r.varbinds.size(), 3u);
  EXPECT_EQ(r.varbinds[1].second, "noSuchInstance");
  EXPECT_EQ(r.varbinds[2].second, "noSuchObject");

  SimClient v1(sim.port(), SimClient::community(1, "quorra"));
  r = v1.get({sysName, "1.3.6.1.2.1.77.1.0"});
  EXPECT_EQ(r.errorStatus, noSuchName);
  EXPECT_EQ(r.errorIndex, 2);
}

TEST_F(SwitchSimTest, SetsEveryValueType) {
  SimClient client(sim.port(), writer(2));
  const std::vector<std::pair<std::string, std::string>> values = {
      {test + ".1.1.0", "2:2147483647"},      {test + ".1.2.0", "4:a text"},
      {test + ".1.3.0", "4x:00FF10"},         {test + ".1.4.0", "64:10.1.2.3"},
      {test + ".1.5.0", "65:4294967295"},     {test + ".1.6.0", "66:7"},
      {test + ".1.7.0", "67:123456"},         {test + ".1.8.0", "6:1.3.6.1.4.1.32473.1"},
      {test + ".1.9.0", "70:5000000000"},     {test + ".1.12.0", "68x:BEEF"},
  };
  SimClient::Reply r = client.set(values);
  ASSERT_EQ(r.errorStatus, noError);
  for (const auto& [oid, value] : values) EXPECT_EQ(client.value(oid), value) << oid;
}

struct RefusedSet {
  const char* name;
  int version;
  const char* community;
  std::pair<std::string, std::string> bad;  // sent second, after a good varbind
  int errorStatus;
  int errorIndex = 2;
};

void PrintTo(const RefusedSet& c, std::ostream* os) { *os << c.name; }

class RefusedSets : public ::testing::TestWithParam<RefusedSet> {
 protected:
  SwitchSim sim;
};

TEST_P(RefusedSets, NothingOfAHalfBadSetIsApplied) {
  const RefusedSet& c = GetParam();
  SimClient client(sim.port(), SimClient::community(c.version, c.community));
  SimClient::Reply r = client.set({{test + ".1.2.0", "4:changed"}, c.bad});
  ASSERT_TRUE(r.answered());
  EXPECT_EQ(r.errorStatus, c.errorStatus);
  EXPECT_EQ(r.errorIndex, c.errorIndex);
  EXPECT_EQ(SimClient(sim.port(), writer(2)).value(test + ".1.2.0"), "4:hello");
}

const RefusedSet refusedSets[] = {
    {"read_only_v2c", 2, "venthal", {test + ".1.10.0", "4:x"}, notWritable},
    {"read_only_v1", 1, "venthal", {test + ".1.10.0", "4:x"}, noSuchName},
    {"wrong_type_v2c", 2, "venthal", {test + ".1.1.0", "4:x"}, wrongType},
    {"wrong_type_v1", 1, "venthal", {test + ".1.1.0", "4:x"}, badValue},
    {"no_creation_v2c", 2, "venthal", {plainTable + ".2.9", "4:x"}, noCreation},
    {"no_creation_v1", 1, "venthal", {plainTable + ".2.9", "4:x"}, noSuchName},
    {"unknown_scalar_v2c", 2, "venthal", {test + ".1.99.0", "2:1"}, noCreation},
    {"row_without_create_v2c", 2, "venthal", {rowTable + ".2.9", "4:x"}, noCreation},
    {"create_existing_row_v2c", 2, "venthal", {rowTable + ".4.1", "2:4"}, inconsistentValue},
    // the access check refuses the first varbind already
    {"read_community_v2c", 2, "quorra", {test + ".1.1.0", "2:1"}, noAccess, 1},
    {"read_community_v1", 1, "quorra", {test + ".1.1.0", "2:1"}, noSuchName, 1},
};

INSTANTIATE_TEST_SUITE_P(SwitchSim, RefusedSets, ::testing::ValuesIn(refusedSets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SwitchSimTest, CreateAndGoMakesAnActiveRowWithDefaultsAndDestroyRemovesIt) {
  SimClient client(sim.port(), writer(2));
  SimClient::Reply r = client.set({{rowTable + ".2.7", "4:seventh"}, {rowTable + ".4.7", "2:4"}});
  ASSERT_EQ(r.errorStatus, noError);
  EXPECT_EQ(client.value(rowTable + ".2.7"), "4:seventh");
  EXPECT_EQ(client.value(rowTable + ".3.7"), "2:0");
  EXPECT_EQ(client.value(rowTable + ".4.7"), "2:1");
  EXPECT_EQ(client.walk(rowTable).size(), 12u);

  r = client.set({{rowTable + ".4.7", "2:6"}});
  ASSERT_EQ(r.errorStatus, noError);
  EXPECT_EQ(client.value(rowTable + ".2.7"), "noSuchInstance");
  EXPECT_EQ(client.walk(rowTable).size(), 9u);

  r = client.set({{rowTable + ".4.8", "2:5"}});
  ASSERT_EQ(r.errorStatus, noError);
  EXPECT_EQ(client.value(rowTable + ".4.8"), "2:2");  // createAndWait: notInService
}

TEST_F(SwitchSimTest, CreatedRowReadsItsReadableIndexColumns) {
  SimClient client(sim.port(), writer(2));
  // Rule offsets: the profile id is the first sub-identifier, the offsets number the third.
  const std::string offsets = "1.3.6.1.4.1.32473.12.9.3.10.2.1";
  ASSERT_EQ(client.set({{offsets + ".5.7.1.9", "2:4"}}).errorStatus, noError);
  EXPECT_EQ(client.value(offsets + ".3.7.1.9"), "2:9");
  // IPv6 neighbour cache: address (16), MAC (6), then the interface name as a counted string.
  const std::string neighbours = "1.3.6.1.4.1.32473.12.26.4.1.1";
  const std::string index = ".254.128.0.0.0.0.0.0.2.1.2.255.254.42.59.99.0.1.2.42.59.99.4.118.108.97.110";
  ASSERT_EQ(client.set({{neighbours + ".5" + index, "2:4"}}).errorStatus, noError);
  EXPECT_EQ(client.value(neighbours + ".3" + index), "4:vlan");
  EXPECT_EQ(client.set({{neighbours + ".3" + index, "4:x"}}).errorStatus, notWritable);
  // Multicast VLAN group ranges: VLAN, first and last address; the last one reads as an address.
  const std::string ranges = "1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1";
  ASSERT_EQ(client.set({{ranges + ".4.30.239.1.1.1.239.1.1.20", "2:4"}}).errorStatus, noError);
  EXPECT_EQ(client.value(ranges + ".3.30.239.1.1.1.239.1.1.20"), "64:239.1.1.20");
}

TEST_F(SwitchSimTest, DestroyedRowTakesItsCompanionRowAlong) {
  SimClient client(sim.port(), writer(2));
  // Protocol VLAN ports: the private group priority is a companion of the standard row.
  const std::string ports = "1.3.6.1.2.1.17.7.1.5.2.1";
  const std::string priority = "1.3.6.1.4.1.32473.12.16.1.2.1.1";
  ASSERT_EQ(client.value(priority + ".27.3"), "2:3");
  ASSERT_EQ(client.set({{ports + ".3.27.3", "2:6"}}).errorStatus, noError);
  EXPECT_EQ(client.value(ports + ".2.27.3"), "noSuchInstance");
  EXPECT_EQ(client.value(priority + ".27.3"), "noSuchInstance");
  EXPECT_EQ(client.value(priority + ".26.2"), "2:0");
}

TEST_F(SwitchSimTest, QBridgeRowsAreCreatedPermanentAndDeletedByInvalid) {
  SimClient client(sim.port(), writer(2));
  const std::string index = ".7.0.1.2.3.4.5";
  ASSERT_EQ(client.set({{qTable + ".2" + index, "4x:40000000"}}).errorStatus, noError);
  EXPECT_EQ(client.value(qTable + ".3" + index), "2:3");
  ASSERT_EQ(client.set({{qTable + ".3" + index, "2:2"}}).errorStatus, noError);
  EXPECT_EQ(client.value(qTable + ".2" + index), "noSuchInstance");
  EXPECT_EQ(client.walk(qTable).size(), 2u);  // the seeded row stays
}

TEST_F(SwitchSimTest, SetLogHoldsEverySetPduInOrder) {
  SimClient client(sim.port(), writer(2));
  client.set({{sysName, "4:a b"}, {test + ".1.3.0", "4x:00FF"}, {test + ".1.4.0", "64:10.0.0.1"}});
  client.set({{test + ".1.10.0", "4:refused"}});
  client.get({sysName});
  EXPECT_EQ(sim.setLog(), (std::vector<std::string>{
                              sysName + "=4:a b ; " + test + ".1.3.0=4x:00FF ; " + test + ".1.4.0=64:10.0.0.1",
                              test + ".1.10.0=4:refused",
                          }));
  sim.clearSetLog();
  EXPECT_TRUE(sim.setLog().empty());
  SimClient(sim.port(), user(SwitchSim::md5DesUser)).set({{test + ".1.1.0", "2:3"}});
  EXPECT_EQ(sim.setLog(), std::vector<std::string>{test + ".1.1.0=2:3"});
}

TEST_F(SwitchSimTest, DroppedRepliesTimeOutUntilSwitchedBack) {
  SimClient client(sim.port(), SimClient::community(2, "quorra"));
  sim.setDropReplies(true);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(client.get({sysName}).status, 1);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  sim.setDropReplies(false);
  EXPECT_EQ(client.value(sysName), "4:lab-switch-1");
}

TEST_F(SwitchSimTest, SubtreeErrorAnswersThatSubtreeOnly) {
  SimClient client(sim.port(), writer(2));
  sim.setSubtreeError(test + ".1", genErr);
  SimClient::Reply r = client.get({sysName, test + ".1.1.0"});
  EXPECT_EQ(r.errorStatus, genErr);
  EXPECT_EQ(r.errorIndex, 2);
  r = client.set({{sysName, "4:x"}, {test + ".1.1.0", "2:1"}});
  EXPECT_EQ(r.errorStatus, genErr);
  EXPECT_EQ(r.errorIndex, 2);
  EXPECT_EQ(client.value(sysName), "4:lab-switch-1");
  EXPECT_EQ(client.getNext({test}).errorStatus, genErr);
  sim.clearFaults();
  EXPECT_EQ(client.value(test + ".1.1.0"), "2:42");
}

TEST_F(SwitchSimTest, RefuseNextSetRefusesOneSetPduAndLeavesReadsAlone) {
  SimClient client(sim.port(), writer(2));
  sim.refuseNextSet(genErr);
  EXPECT_EQ(client.value(sysName), "4:lab-switch-1");
  SimClient::Reply r = client.set({{sysName, "4:x"}, {test + ".1.1.0", "2:1"}});
  EXPECT_EQ(r.errorStatus, genErr);
  EXPECT_EQ(r.errorIndex, 1);
  EXPECT_EQ(client.value(sysName), "4:lab-switch-1");
  EXPECT_EQ(client.value(test + ".1.1.0"), "2:42");
  EXPECT_EQ(client.set({{sysName, "4:y"}}).errorStatus, noError);
  EXPECT_EQ(client.value(sysName), "4:y");
}

TEST_F(SwitchSimTest, DelayHoldsRepliesBack) {
  SimClient client(sim.port(), SimClient::community(2, "quorra"));
  sim.setDelay(300);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(client.value(sysName), "4:lab-switch-1");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  SimClient impatient(sim.port(), [] {
    SimClient::Target t = SimClient::community(2, "quorra");
    t.timeoutMs = 100;
    return t;
  }());
  EXPECT_EQ(impatient.get({sysName}).status, 1);
}

TEST(SwitchSimAccess, WrongCommunityOrPassPhraseGetsNoAnswer) {
  SwitchSim sim;
  EXPECT_EQ(SimClient(sim.port(), SimClient::community(2, "nobody")).get({sysName}).status, 1);
  EXPECT_NE(SimClient(sim.port(), SimClient::user("md5user", "MD5", "not-the-pass")).get({sysName}).status, 0);
  EXPECT_NE(SimClient(sim.port(), SimClient::user("stranger", "MD5", "md5authpass")).get({sysName}).status, 0);
}

TEST(SwitchSimOptions, UsersFileAndExtraSeedsReplaceTheDefaults) {
  auto dir = std::filesystem::temp_directory_path() / ("switchsim-opts-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "users.conf") << "rocommunity looker\nrwcommunity changer\n";
  std::ofstream(dir / "extra.snmprec") << "# only this\n1.3.6.1.2.1.1.5.0|4|other-switch|ro\n";
  {
    SwitchSim::Options o;
    o.defaultSeed = false;
    o.extraSeeds = {(dir / "extra.snmprec").string()};
    o.usersFile = (dir / "users.conf").string();
    SwitchSim sim(o);
    EXPECT_EQ(SimClient(sim.port(), SimClient::community(2, "quorra")).get({sysName}).status, 1);
    SimClient client(sim.port(), SimClient::community(2, "changer"));
    EXPECT_EQ(client.value(sysName), "4:other-switch");
    EXPECT_EQ(client.value(hardwareRev), "noSuchObject");
    EXPECT_EQ(client.set({{sysName, "4:x"}}).errorStatus, notWritable);
  }
  std::filesystem::remove_all(dir);
}

// The start ends with the agent's own exit and the file and line of the fault, well inside
// the fixture's start bound (which only a hang would reach).
TEST(SwitchSimOptions, BadSeedLineStopsTheStartWithItsFileAndLine) {
  auto file = std::filesystem::temp_directory_path() / ("switchsim-bad-" + std::to_string(::getpid()) + ".snmprec");
  std::ofstream(file) << "1.3.6.1.2.1.1.5.0|4|fine\n1.3.6.1.2.1.1.6.0|99|unknown tag\n";
  SwitchSim::Options o;
  o.extraSeeds = {file.string()};
  std::string message;
  try {
    SwitchSim sim(o);
  } catch (const std::runtime_error& e) {
    message = e.what();
  }
  EXPECT_NE(message.find("exited with status 1"), std::string::npos) << message;
  EXPECT_NE(message.find(file.string() + ":2: unknown type tag '99'"), std::string::npos) << message;
  std::filesystem::remove(file);
}

// However the test program ends, its agent ends with it: none is left listening behind.
struct ProgramEnd {
  const char* name;
  int signal;  // sent to the program; 0: it ends by itself
  void (*end)();
};
const ProgramEnd programEnds[] = {
    {"exit_without_destructors", 0, [] { std::exit(0); }},
    {"abort", 0, [] { std::abort(); }},
    {"terminated", SIGTERM, nullptr},
    {"killed", SIGKILL, nullptr},
};

void PrintTo(const ProgramEnd& end, std::ostream* out) { *out << end.name; }

bool ProcessGone(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string pidText, name, state;
  // A zombie no one reaps has ended too.
  return !(stat >> pidText >> name >> state) || state == "Z";
}

class SwitchSimLifetime : public ::testing::TestWithParam<ProgramEnd> {};

TEST_P(SwitchSimLifetime, TheAgentEndsWithTheProgramThatStartedIt) {
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const pid_t program = fork();
  ASSERT_GE(program, 0);
  if (program == 0) {
    close(channel[0]);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // the abort leaves no core file
    auto* sim = new SwitchSim();  // never deleted: the program ends under it
    const int pid = sim->pid();
    if (write(channel[1], &pid, sizeof pid) != sizeof pid) _exit(3);
    close(channel[1]);
    if (GetParam().end) GetParam().end();
    for (;;) pause();
  }
  close(channel[1]);
  int agent = -1;
  const bool told = read(channel[0], &agent, sizeof agent) == sizeof agent;
  close(channel[0]);
  if (GetParam().signal) kill(program, GetParam().signal);
  int status = 0;
  waitpid(program, &status, 0);
  ASSERT_TRUE(told) << "the program did not start its agent";
  ASSERT_GT(agent, 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!ProcessGone(agent) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(ProcessGone(agent)) << "switchsim " << agent << " outlived its program";
  if (!ProcessGone(agent)) kill(agent, SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(SwitchSim, SwitchSimLifetime, ::testing::ValuesIn(programEnds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
