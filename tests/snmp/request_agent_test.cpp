// Requests against the simulated switch: reads, walks, writes and the request's lifecycle.
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "Classes.h"
#include "Snmp.h"
#include "SwitchSim.h"
#include "request_test_support.h"

namespace {

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new SessionEnvironment);

const char* const kScalars = "1.3.6.1.4.1.32473.999.1";
const char* const kTable = "1.3.6.1.4.1.32473.999.2.1";

std::string Oid(const char* prefix, const char* rest) { return std::string(prefix) + "." + rest; }

// The three-row table of the test seed: index, name, value.
void UseThreeRowTable(NvSNMPRequest& req) {
  req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  req.Vars.AddVar(Oid(kTable, "2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kTable, "3").c_str(), "Value", NvSyntax::integer, NvAccess::readwrite, nullptr);
  req.Vars.Kind = MVT_FMV;
  req.Vars.IndexCount = 1;
}

// An index and one read-only text column.
void UseNameColumn(NvSNMPRequest& req, const char* column) {
  req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  req.Vars.AddVar(column, "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr);
  req.Vars.Kind = MVT_FMV;
  req.Vars.IndexCount = 1;
}

std::string WriteSeed(const std::string& name, const std::string& text) {
  const std::string path = (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))).string();
  std::ofstream(path) << text;
  return path;
}

SwitchSim::Options Silent() {
  SwitchSim::Options o;
  o.dropReplies = true;
  return o;
}

SwitchSim::Options OnlySeed(const std::string& seed) {
  SwitchSim::Options o;
  o.extraSeeds = {seed};
  o.defaultSeed = false;
  return o;
}

class AgentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sim_ = new SwitchSim(); }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
  }
  void Point(NvSNMPRequest& req, uint8_t version = 1) {
    req.Port = sim_->port();
    req.Version = version;
  }
  static SwitchSim* sim_;
};
SwitchSim* AgentTest::sim_ = nullptr;

TEST_F(AgentTest, ScalarGetReadsEveryValueAsText) {
  NvSNMPRequest req;
  Point(req);
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "2").c_str(), "text", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "3").c_str(), "hex", NvSyntax::octetstr, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "7").c_str(), "ticks", NvSyntax::timeticks, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "9").c_str(), "c64", NvSyntax::counter64, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "99").c_str(), "absent", NvSyntax::integer, NvAccess::readonly, nullptr);
  bool ok = false;
  EXPECT_FALSE(req.Get(ok, true));
  EXPECT_TRUE(ok);
  const char* expected[] = {"42", "hello", "0102FF", "0:00:03.00", "18446744073709551615", "(NULL)"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(*req.Vars.GetVar(i)->Value, expected[i]) << i;
}

TEST_F(AgentTest, Version3ReadsAsTheUserWithoutCommunities) {
  NvSNMPRequest req;
  Point(req, 3);
  req.ReadCommunity = req.WriteCommunity = "not-a-community";
  req.SecurityModel = 3;
  req.SecurityLevel = 2;  // authNoPriv
  req.SecurityName = "md5user";
  req.AuthProtocol = SNMP_AUTHPROTOCOL_HMACMD5;
  req.AuthPassword = "md5authpass";
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  bool ok = false;
  req.Get(ok, true);
  EXPECT_TRUE(ok);
  EXPECT_EQ(*req.Vars.GetVar(0)->Value, "42");

  req.AuthPassword = "wrong password";
  req.Get(ok, true);
  EXPECT_FALSE(ok);
}

// A context engine ID is written as SNMP tools print one: the hex forms reach the agent as the
// engine's bytes; the same digits sent as characters name no engine the agent knows.
TEST(AgentContextEngine, HexContextEngineIdIsSentAsItsBytes) {
  SwitchSim::Options o;
  o.engineId = "80007ED90511223344";
  SwitchSim sim(o);
  const std::pair<const char*, bool> cases[] = {
      {"80007ED90511223344", true},
      {"0x80007ed90511223344", true},
      {"80 00 7E D9 05 11 22 33 44", true},
      {"", true},  // the agent's own
      {"80007ED905112233", false},
  };
  for (const auto& [engine, answered] : cases) {
    NvSNMPRequest req;
    req.Port = sim.port();
    req.Version = 3;
    req.SecurityLevel = 2;
    req.SecurityName = "md5user";
    req.AuthProtocol = SNMP_AUTHPROTOCOL_HMACMD5;
    req.AuthPassword = "md5authpass";
    req.TimeOut = 30;
    req.Retries = 0;
    req.ContextEngineID = engine;
    req.Vars.AddVar(Oid(kScalars, "2").c_str(), "text", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
    bool ok = false;
    req.Get(ok, true);
    EXPECT_EQ(ok, answered) << engine;
    if (answered) EXPECT_EQ(*req.Vars.GetVar(0)->Value, "hello") << engine;
  }
}

// The suite may name a protocol but no pass phrase for a user at noAuthNoPriv: the request
// goes out and the agent's answer is told, instead of being refused for keys it does not use.
TEST_F(AgentTest, Version3WithoutAuthenticationIsSentWhateverProtocolIsNamed) {
  NvSNMPRequest req;
  Point(req, 3);
  req.SecurityModel = 3;
  req.SecurityLevel = 1;  // noAuthNoPriv
  req.SecurityName = "md5user";
  req.AuthProtocol = SNMP_AUTHPROTOCOL_HMACMD5;
  req.PrivProtocol = SNMP_PRIVPROTOCOL_DES;
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  Collector reply(req, false);
  ASSERT_TRUE(reply.Start());
  ASSERT_TRUE(reply.RunToEnd());
  ASSERT_EQ(reply.results.size(), 1u);
  // md5user needs authNoPriv: the agent's own error status says so, no local key error.
  EXPECT_LE(reply.results[0].Code, -101);
  EXPECT_GE(reply.results[0].Code, -118);
  EXPECT_FALSE(reply.results[0].Message.empty());
}

TEST_F(AgentTest, AsyncWalkOfThreeRowsEndsWithEveryColumnNotDone) {
  NvSNMPRequest req;
  Point(req);
  UseThreeRowTable(req);
  Collector walk(req);
  ASSERT_TRUE(walk.Start());
  ASSERT_TRUE(walk.RunToEnd());
  ASSERT_EQ(walk.rows.size(), 4u);
  EXPECT_EQ(walk.rows[0], Row({"1", "first", "10"}));
  EXPECT_EQ(walk.rows[1], Row({"2", "second", "20"}));
  EXPECT_EQ(walk.rows[2], Row({"3", "third", "30"}));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(walk.results[size_t(i)].Finished);
  EXPECT_TRUE(walk.results[3].Finished);
  EXPECT_EQ(walk.results[3].Code, 0);
  EXPECT_EQ(walk.rows[3][1], "(NOTDONE)");
  EXPECT_EQ(walk.rows[3][2], "(NOTDONE)");
  EXPECT_EQ(walk.results[0].AgentAddress, "127.0.0.1");
  EXPECT_EQ(walk.results[0].AgentPort, sim_->port());
}

TEST_F(AgentTest, EmptyTableShowsNoRow) {
  NvSNMPRequest req;
  Point(req);
  UseNameColumn(req, "1.3.6.1.4.1.32473.999.5.1.2");
  bool ok = false;
  EXPECT_FALSE(req.Get(ok, true));
  EXPECT_EQ(*req.Vars.GetVar(1)->Value, "(NOTDONE)");
}

// In SNMPv3 the agent's engine ID is asked for first; a silent agent ends the walk the same way.
TEST_F(AgentTest, TimeOutOfAWalkStepReportsCodeAndEndsIt) {
  SwitchSim silent(Silent());
  for (uint8_t version : {uint8_t(1), uint8_t(3)}) {
    SCOPED_TRACE(int(version));
    NvSNMPRequest req;
    req.Port = silent.port();
    req.Version = version;
    req.SecurityLevel = 2;
    req.SecurityName = "md5user";
    req.AuthProtocol = SNMP_AUTHPROTOCOL_HMACMD5;
    req.AuthPassword = "md5authpass";
    req.TimeOut = 10;
    req.Retries = 0;
    UseThreeRowTable(req);
    Collector walk(req);
    ASSERT_TRUE(walk.Start());
    EXPECT_TRUE(walk.results.empty());  // the send waited for nothing
    ASSERT_TRUE(walk.RunToEnd());
    ASSERT_EQ(walk.results.size(), 1u);
    EXPECT_EQ(walk.results[0].Code, -405);
    EXPECT_EQ(walk.results[0].Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(walk.results[0].Finished);

    bool ok = true;
    EXPECT_FALSE(req.Get(ok, true));  // blocking: no code, only ok = false
    EXPECT_FALSE(ok);
  }
}

TEST_F(AgentTest, InactiveRequestSendsNothingAndStopsTheWalk) {
  NvSNMPRequest req;
  Point(req);
  UseThreeRowTable(req);
  Collector walk(req);
  walk.onReply = [&](const NvSNMPError&) { req.Active = 0; };
  ASSERT_TRUE(walk.Start());
  ASSERT_TRUE(walk.RunToEnd());
  EXPECT_TRUE(walk.stopped);
  EXPECT_EQ(walk.rows.size(), 1u);
  EXPECT_EQ(req.PendingReplies, 0);
  bool ok = true;
  EXPECT_FALSE(req.Get(ok, true));
  EXPECT_FALSE(ok);
}

TEST_F(AgentTest, AgentErrorCarriesCodeAndErrorIndex) {
  NvSNMPRequest req;
  Point(req);
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  req.Vars.AddVar(Oid(kScalars, "10").c_str(), "ro", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  *req.Vars.GetVar(0)->Value = "42";
  *req.Vars.GetVar(1)->Value = "x";
  Collector set(req, false);
  bool ok = false;
  req.SetAsync(ok, &Collector::Done, &set, false, "", nullptr);
  ASSERT_TRUE(ok);
  ASSERT_TRUE(set.RunToEnd());
  ASSERT_EQ(set.results.size(), 1u);
  EXPECT_EQ(set.results[0].Code, -117);
  EXPECT_EQ(set.results[0].Message, "(SNMP) Cannot create/set variable, Not Writable!");
  EXPECT_EQ(set.results[0].ErrorIndex, 2);

  NvSNMPError error;
  EXPECT_FALSE(req.Set(ok, error, false, "", nullptr));
  EXPECT_FALSE(ok);
  EXPECT_EQ(error.Code, -117);
}

TEST_F(AgentTest, SetReplyValuesGoToTheVariablesThatWereSent) {
  NvSNMPRequest req;
  Point(req);
  req.Vars.AddVar(Oid(kScalars, "10").c_str(), "ro", NvSyntax::displaystr, NvAccess::readonly, nullptr);
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  *req.Vars.GetVar(0)->Value = "kept";
  *req.Vars.GetVar(1)->Value = "42";  // what the agent holds already
  NvSNMPError error;
  bool ok = false;
  EXPECT_FALSE(req.Set(ok, error, true, "", nullptr));
  EXPECT_TRUE(ok);
  EXPECT_EQ(*req.Vars.GetVar(0)->Value, "kept");
  EXPECT_EQ(*req.Vars.GetVar(1)->Value, "42");
}

TEST(AgentDifferentColumns, ShortColumnReadsNotDoneWhileTheOthersGoOn) {
  const std::string seed = WriteSeed("request-columns.snmprec",
                                     "1.3.6.1.4.1.32473.999.90.1.2.1|4|a\n"
                                     "1.3.6.1.4.1.32473.999.90.1.2.2|4|b\n"
                                     "1.3.6.1.4.1.32473.999.90.1.2.3|4|c\n"
                                     "1.3.6.1.4.1.32473.999.90.1.3.1|2|1\n");
  SwitchSim sim(OnlySeed(seed));
  NvSNMPRequest req;
  req.Port = sim.port();
  req.Version = 1;  // in SNMPv1 the end of the MIB ends every column at once (noSuchName)
  req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  req.Vars.AddVar("1.3.6.1.4.1.32473.999.90.1.2", "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr);
  req.Vars.AddVar("1.3.6.1.4.1.32473.999.90.1.3", "Value", NvSyntax::integer, NvAccess::readonly, nullptr);
  req.Vars.Kind = MVT_FMV;
  req.Vars.IndexCount = 1;
  std::vector<std::vector<std::string>> rows;
  bool ok = false;
  for (bool more = req.Get(ok, true); more; more = req.Get(ok, false)) {
    ASSERT_TRUE(ok);
    rows.push_back({*req.Vars.GetVar(0)->Value, *req.Vars.GetVar(1)->Value, *req.Vars.GetVar(2)->Value});
    ASSERT_LT(rows.size(), 10u);
  }
  std::filesystem::remove(seed);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], Row({"1", "a", "1"}));
  EXPECT_EQ(rows[1], Row({"2", "b", "(NOTDONE)"}));
  EXPECT_EQ(rows[2], Row({"3", "c", "(NOTDONE)"}));
}

// A v1 walk at the very end of the agent's MIB: noSuchName answers the last OID.
TEST(AgentVersion1, NoSuchNameEndsTheWalkOrIsAnErrorOnTheFirstStep) {
  const std::string seed = WriteSeed("request-v1.snmprec",
                                     "1.3.6.1.4.1.32473.999.1.1.0|2|1\n"
                                     "1.3.6.1.4.1.32473.999.90.1.2.1|4|a\n"
                                     "1.3.6.1.4.1.32473.999.90.1.2.2|4|b\n");
  SwitchSim sim(OnlySeed(seed));

  NvSNMPRequest req;
  req.Port = sim.port();
  req.Version = 0;
  UseNameColumn(req, "1.3.6.1.4.1.32473.999.90.1.2");
  Collector walk(req);
  ASSERT_TRUE(walk.Start());
  ASSERT_TRUE(walk.RunToEnd());
  ASSERT_EQ(walk.results.size(), 3u);
  EXPECT_EQ(walk.rows[1][1], "b");
  EXPECT_EQ(walk.results[2].Code, 0);
  EXPECT_EQ(walk.results[2].Message, "Ok!");
  EXPECT_TRUE(walk.results[2].Finished);

  NvSNMPRequest past;
  past.Port = sim.port();
  past.Version = 0;
  UseNameColumn(past, "1.3.6.1.4.1.32473.999.91.1.2");
  Collector first(past);
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(first.RunToEnd());
  ASSERT_EQ(first.results.size(), 1u);
  EXPECT_EQ(first.results[0].Code, -102);
  EXPECT_TRUE(first.results[0].Finished);
  std::filesystem::remove(seed);
}

TEST(AgentSet, IncludeListSendsOnlyItsVariablesAndRestoresTheList) {
  SwitchSim sim;
  NvSNMPRequest req;
  req.Port = sim.port();
  req.Version = 1;
  const char* cols[] = {"1", "2", "5", "6"};
  const int syntaxes[] = {NvSyntax::integer, NvSyntax::displaystr, NvSyntax::counter, NvSyntax::guage};
  for (int i = 0; i < 4; ++i)
    req.Vars.AddVar(Oid(kScalars, cols[i]).c_str(), "v", syntaxes[i], NvAccess::readwrite, nullptr);
  req.Vars.GetVar(3)->Access |= NvAccess::invalid;  // already left out before the SET
  for (int i = 0; i < 4; ++i) *req.Vars.GetVar(i)->Value = "7";
  std::vector<int> access;
  for (int i = 0; i < 4; ++i) access.push_back(req.Vars.GetVar(i)->Access);

  TStrings values;
  values.Add("43");
  values.Add("101");
  sim.clearSetLog();
  NvSNMPError error;
  bool ok = false;
  EXPECT_FALSE(req.Set(ok, error, false, "0,2", &values));
  EXPECT_TRUE(ok);
  const std::vector<std::string> log = sim.setLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("1.3.6.1.4.1.32473.999.1.1.0="), std::string::npos) << log[0];
  EXPECT_NE(log[0].find("43"), std::string::npos) << log[0];
  EXPECT_NE(log[0].find("1.3.6.1.4.1.32473.999.1.5.0="), std::string::npos) << log[0];
  EXPECT_NE(log[0].find("101"), std::string::npos) << log[0];
  EXPECT_EQ(log[0].find("999.1.2.0"), std::string::npos) << log[0];
  EXPECT_EQ(log[0].find("999.1.6.0"), std::string::npos) << log[0];
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(req.Vars.GetVar(i)->Access, access[size_t(i)]) << i;
    EXPECT_EQ(*req.Vars.GetVar(i)->Value, "7") << i;
  }

  // A SET that throws before anything is sent leaves the list as it was, too.
  req.Address = "";
  try {
    req.Set(ok, error, false, "1", &values);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -509);
  }
  try {
    req.SetAsync(ok, &Collector::Done, nullptr, false, "1", &values);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -509);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(req.Vars.GetVar(i)->Access, access[size_t(i)]) << i;
    EXPECT_EQ(*req.Vars.GetVar(i)->Value, "7") << i;
  }
  EXPECT_EQ(sim.setLog().size(), 1u);
}

TEST(AgentLifecycle, DestructorReturnsWithinItsBoundAndOrphansTheReply) {
  SwitchSim silent(Silent());
  auto* req = new NvSNMPRequest;
  req->Port = silent.port();
  req->TimeOut = 650;  // the library gives up a little after the destructor has
  req->Retries = 0;
  req->Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  int calls = 0;
  bool ok = false;
  req->GetAsync(ok, [](void* data, NvSNMPError*, NvSNMPVarList*) { ++*static_cast<int*>(data); }, &calls, true);
  ASSERT_TRUE(ok);
  const auto start = std::chrono::steady_clock::now();
  delete req;
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 5900);
  EXPECT_LT(ms, 30000);  // a hang, not a slow machine
  // The library's later time-out only frees the orphaned context.
  GuiTesting::ProcessUntil([] { return false; }, 1200);
  EXPECT_EQ(calls, 0);
}

}  // namespace

namespace {

// A table where some rows have no cell in one of the columns, as agents serve them; a column
// that has ended reads "(NOTDONE)" while the others go on.
struct SparseCase {
  const char* name;
  const char* seed;
  std::vector<std::string> rows;  // "index:name:value", "" for a missing cell
};

class SparseWalk : public ::testing::TestWithParam<SparseCase> {};

TEST_P(SparseWalk, LinesUpEveryColumnByItsRowIndex) {
  const SparseCase& c = GetParam();
  SwitchSim sim(OnlySeed(WriteSeed(std::string("sparse-") + c.name, c.seed)));
  for (const bool blocking : {true, false}) {
    NvSNMPRequest req;
    req.Port = sim.port();
    req.Version = 1;
    req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
    req.Vars.AddVar("1.3.6.1.4.1.32473.999.33.1.2", "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr);
    req.Vars.AddVar("1.3.6.1.4.1.32473.999.33.1.3", "Value", NvSyntax::integer, NvAccess::readonly, nullptr);
    req.Vars.Kind = MVT_FMV;
    req.Vars.IndexCount = 1;
    std::vector<std::string> rows;
    auto text = [](const std::vector<std::string>& row) { return row[0] + ":" + row[1] + ":" + row[2]; };
    if (blocking) {
      bool ok = false;
      for (bool more = req.Get(ok, true); more; more = req.Get(ok, false))
        rows.push_back(*req.Vars.GetVar(0)->Value + ":" + *req.Vars.GetVar(1)->Value + ":" +
                       *req.Vars.GetVar(2)->Value);
    } else {
      Collector walk(req);
      ASSERT_TRUE(walk.Start());
      ASSERT_TRUE(walk.RunToEnd());
      for (size_t r = 0; r + 1 < walk.rows.size(); ++r) rows.push_back(text(walk.rows[r]));
    }
    EXPECT_EQ(rows, c.rows) << (blocking ? "blocking" : "asynchronous");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SparseWalk,
    ::testing::Values(SparseCase{"second_column_missing_a_row",
                                 "1.3.6.1.4.1.32473.999.33.1.2.1|4|a\n"
                                 "1.3.6.1.4.1.32473.999.33.1.2.2|4|b\n"
                                 "1.3.6.1.4.1.32473.999.33.1.2.3|4|c\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.1|2|10\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.3|2|30\n",
                                 {"1:a:10", "2:b:", "3:c:30"}},
                      SparseCase{"first_column_missing_the_last_row",
                                 "1.3.6.1.4.1.32473.999.33.1.2.1|4|a\n"
                                 "1.3.6.1.4.1.32473.999.33.1.2.2|4|b\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.1|2|10\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.2|2|20\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.3|2|30\n",
                                 {"1:a:10", "2:b:20", "3:(NOTDONE):30"}},
                      SparseCase{"first_column_missing_a_middle_row",
                                 "1.3.6.1.4.1.32473.999.33.1.2.1|4|a\n"
                                 "1.3.6.1.4.1.32473.999.33.1.2.3|4|c\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.1|2|10\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.2|2|20\n"
                                 "1.3.6.1.4.1.32473.999.33.1.3.3|2|30\n",
                                 {"1:a:10", "2::20", "3:c:30"}}),
    [](const ::testing::TestParamInfo<SparseCase>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A name server that takes 1.5 s for every answer and knows two names.
std::atomic<int> slowLookups{0};
std::string SlowNameServer(const std::string& name) {
  ++slowLookups;
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  return name == "slow-switch.lab" ? "127.0.0.1" : "";
}

// A switch named by host: looked up once, beside the GUI thread; time-outs never have it
// looked up again, so no request waits for the name server after the first.
TEST(AgentByName, NameIsLookedUpOnceAndTimeOutsNeverLookItUpAgain) {
  const HostResolver system = set_host_resolver(&SlowNameServer);
  SwitchSim silent(Silent());
  slowLookups = 0;
  auto start = std::chrono::steady_clock::now();
  NvSNMPLookUpAddress("slow-switch.lab");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));

  NvSNMPRequest req;
  req.Address = "slow-switch.lab";
  req.Port = silent.port();
  req.TimeOut = 20;
  req.Retries = 0;
  req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    Collector get(req, false);
    start = std::chrono::steady_clock::now();
    ASSERT_TRUE(get.Start());
    if (i > 0) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    }
    ASSERT_TRUE(get.RunToEnd());
    ASSERT_EQ(get.results.size(), 1u);
    EXPECT_EQ(get.results[0].Code, -405);
    EXPECT_EQ(get.results[0].AgentAddress, "127.0.0.1");
  }
  bool ok = true;
  req.Get(ok, true);
  EXPECT_FALSE(ok);
  EXPECT_EQ(slowLookups, 1);

  // A name that has no address: -509 after the first look-up, and at once while it is asked
  // again in the background.
  req.Address = "gone-switch.lab";
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    start = std::chrono::steady_clock::now();
    try {
      req.GetAsync(ok, &Collector::Done, nullptr, true);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.HelpContext, -509);
    }
    if (i > 0) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    }
  }
  // slow-switch once, gone-switch once and its second try
  EXPECT_TRUE(GuiTesting::ProcessUntil([] { return slowLookups == 3; }, 5000));
  set_host_resolver(system);
}

// The switch reached over IPv6, SNMPv1 and SNMPv3 (whose engine discovery goes the same way).
TEST_F(AgentTest, SwitchIsReachedByItsIpv6Address) {
  for (uint8_t version : {uint8_t(1), uint8_t(3)}) {
    SCOPED_TRACE(int(version));
    NvSNMPRequest req;
    Point(req, version);
    req.Address = "::1";
    req.SecurityLevel = 2;
    req.SecurityName = "shauser";
    req.AuthProtocol = SNMP_AUTHPROTOCOL_HMACSHA;
    req.AuthPassword = "shaauthpass";
    req.Vars.AddVar(Oid(kScalars, "1").c_str(), "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
    bool ok = false;
    req.Get(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(*req.Vars.GetVar(0)->Value, "42");
    *req.Vars.GetVar(0)->Value = "";
    Collector get(req, false);
    ASSERT_TRUE(get.Start());
    ASSERT_TRUE(get.RunToEnd());
    ASSERT_EQ(get.results.size(), 1u);
    EXPECT_EQ(get.results[0].Code, 0);
    EXPECT_EQ(get.results[0].AgentAddress, "::1");
    EXPECT_EQ(get.rows[0][0], "42");
  }
}

}  // namespace
