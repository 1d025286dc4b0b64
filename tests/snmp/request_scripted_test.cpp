// Walks against a responder that misbehaves on purpose: every fault ends the request with a
// code, and the pump goes on delivering later replies.
#include "ScriptedAgent.h"
#include "request_test_support.h"

namespace {

const auto* const kEnv = ::testing::AddGlobalTestEnvironment(new SessionEnvironment);

const std::string kColumn2 = "1.3.6.1.4.1.32473.999.2.1.2";
const std::string kColumn3 = "1.3.6.1.4.1.32473.999.2.1.3";

using Agent = ScriptedAgent;

Agent::Binding At(const std::string& column, std::initializer_list<uint32_t> suffix, int32_t value) {
  Agent::Binding b{Agent::Ids(column), value};
  b.oid.insert(b.oid.end(), suffix);
  return b;
}

// A walk over one or two columns after one integer index column.
void UseColumns(NvSNMPRequest& req, uint16_t port, int columns, int indexCount = 1) {
  for (int i = 0; i < indexCount; ++i) req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  req.Vars.AddVar(kColumn2.c_str(), "A", NvSyntax::integer, NvAccess::readonly, nullptr);
  if (columns > 1) req.Vars.AddVar(kColumn3.c_str(), "B", NvSyntax::integer, NvAccess::readonly, nullptr);
  req.Vars.Kind = MVT_FMV;
  req.Vars.IndexCount = indexCount;
  req.Port = port;
  req.Version = 1;
  req.TimeOut = 50;
  req.Retries = 0;
}

// The pump still delivers: a fresh request against a well-behaved script completes.
void ExpectPumpRunning() {
  Agent good([](const Agent::Request& r) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    for (const auto& b : r.bindings) reply.bindings.push_back({b.oid, 5});
    return reply;
  });
  NvSNMPRequest req;
  req.Port = good.port();
  req.Version = 1;
  req.Vars.AddVar("1.3.6.1.4.1.32473.999.1.1", "int", NvSyntax::integer, NvAccess::readonly, nullptr);
  Collector get(req, false);
  ASSERT_TRUE(get.Start());
  ASSERT_TRUE(get.RunToEnd());
  ASSERT_EQ(get.results.size(), 1u);
  EXPECT_EQ(get.results[0].Code, 0);
  EXPECT_EQ(get.rows[0][0], "5");
}

// Runs a walk to its end; the walk must end by itself, long before any time-out.
Collector& Walk(Collector& walk) {
  EXPECT_TRUE(walk.Start());
  EXPECT_TRUE(walk.RunToEnd(3000));
  EXPECT_EQ(walk.req.PendingReplies, 0);
  return walk;
}

TEST(ScriptedAgent, WalkStopsAtARepeatedOid) {
  Agent agent([](const Agent::Request& r) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    const auto& asked = r.bindings[0].oid;
    // First step: row 1; afterwards the same OID again, for ever.
    if (asked == Agent::Ids(kColumn2)) reply.bindings = {At(kColumn2, {1}, 11)};
    else reply.bindings = {{asked, 11}};
    return reply;
  });
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 1);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.rows.size(), 2u);
  EXPECT_EQ(walk.rows[0], Row({"1", "11"}));
  EXPECT_EQ(walk.rows[1][1], "(NOTDONE)");
  // Standing still is no end of table: the walk says so instead of "Ok!".
  EXPECT_EQ(walk.results[1].Code, NvErr::WalkOutOfOrder);
  EXPECT_EQ(agent.requestsSeen(), 2);
}

// How a walk ends: its rows stand either way, and an agent that goes back (rows 1..4, then row
// 2 again) ends it with "answered out of order", never "Ok!"; asynchronously and blocking.
struct WalkEndCase {
  const char* name;
  Agent::Script script;
  size_t rows;
  int endCode;
};
void PrintTo(const WalkEndCase& c, std::ostream* os) { *os << c.name; }

class WalkEnd : public ::testing::TestWithParam<WalkEndCase> {};

TEST_P(WalkEnd, KeepsItsRowsAndTellsHowItEnded) {
  const WalkEndCase& c = GetParam();
  Agent agent(c.script);
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 1);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.rows.size(), c.rows + 1);
  for (size_t k = 0; k < c.rows; ++k) {
    EXPECT_EQ(walk.rows[k][0], std::to_string(k + 1));
    EXPECT_EQ(walk.results[k].Code, 0);
  }
  EXPECT_TRUE(walk.results[c.rows].Finished);
  EXPECT_EQ(walk.results[c.rows].Code, c.endCode);
  EXPECT_EQ(walk.results[c.rows].Message, NvErrorText(c.endCode));

  NvSNMPRequest blocking;
  UseColumns(blocking, agent.port(), 1);
  bool ok = false;
  size_t rows = 0;
  for (bool more = blocking.Get(ok, true); more; more = blocking.Get(ok, false)) rows += ok ? 1 : 0;
  EXPECT_EQ(rows, c.rows);
  EXPECT_EQ(ok, c.endCode == 0);
  EXPECT_EQ(blocking.GetError.Code, c.endCode);
}

INSTANTIATE_TEST_SUITE_P(
    ScriptedAgent, WalkEnd,
    ::testing::Values(
        WalkEndCase{"BackAfterFourRows",
                    [](const Agent::Request& r) -> std::optional<Agent::Reply> {
                      const auto& asked = r.bindings[0].oid;
                      const uint32_t last = asked == Agent::Ids(kColumn2) ? 0 : asked.back();
                      Agent::Reply reply;
                      reply.bindings = {At(kColumn2, {last < 4 ? last + 1 : 2}, int32_t(10 + last))};
                      return reply;
                    },
                    4, NvErr::WalkOutOfOrder},
        WalkEndCase{"LeavesItsColumn",
                    [](const Agent::Request& r) -> std::optional<Agent::Reply> {
                      Agent::Reply reply;
                      reply.bindings = {r.bindings[0].oid == Agent::Ids(kColumn2) ? At(kColumn2, {1}, 1)
                                                                                    : At(kColumn3, {1}, 1)};
                      return reply;
                    },
                    1, 0}),
    [](const ::testing::TestParamInfo<WalkEndCase>& info) { return std::string(info.param.name); });

TEST(ScriptedAgent, WalkStopsAtADecreasingOid) {
  Agent agent([](const Agent::Request& r) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {r.bindings[0].oid == Agent::Ids(kColumn2) ? At(kColumn2, {5}, 1) : At(kColumn2, {3}, 1)};
    return reply;
  });
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 1);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.rows.size(), 2u);
  EXPECT_EQ(walk.rows[0][0], "5");
  EXPECT_EQ(walk.rows[1][1], "(NOTDONE)");
  EXPECT_TRUE(walk.results[1].Finished);
  EXPECT_EQ(walk.results[1].Code, NvErr::WalkOutOfOrder);
}

TEST(ScriptedAgent, ColumnMembershipComparesSubIdentifiers) {
  // "...2.1.20.5" begins with the text "...2.1.2" but lies in column 20, not 2.
  Agent agent([](const Agent::Request&) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {At("1.3.6.1.4.1.32473.999.2.1.20", {5}, 1)};
    return reply;
  });
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 1);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.rows.size(), 1u);
  EXPECT_EQ(walk.rows[0][1], "(NOTDONE)");
  EXPECT_TRUE(walk.results[0].Finished);
}

TEST(ScriptedAgent, ReplyWithFewerBindingsIsAnError) {
  Agent agent([](const Agent::Request&) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {At(kColumn2, {1}, 1)};  // two were asked for
    return reply;
  });
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 2);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.results.size(), 1u);
  EXPECT_EQ(walk.results[0].Code, -411);
  EXPECT_EQ(walk.results[0].Message, "(SNMPClass) Invalid Pdu!");
  EXPECT_TRUE(walk.results[0].Finished);

  bool ok = true;
  EXPECT_FALSE(req.Get(ok, true));  // blocking: ended, never read past the reply
  EXPECT_FALSE(ok);
  ExpectPumpRunning();
}

TEST(ScriptedAgent, ScalarReplyForAnotherOidIsAnError) {
  Agent agent([](const Agent::Request&) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {{Agent::Ids("1.3.6.1.4.1.32473.999.1.2.0"), 1}};
    return reply;
  });
  NvSNMPRequest req;
  req.Port = agent.port();
  req.Version = 1;
  req.Vars.AddVar("1.3.6.1.4.1.32473.999.1.1", "int", NvSyntax::integer, NvAccess::readonly, nullptr);
  Collector get(req, false);
  Walk(get);
  ASSERT_EQ(get.results.size(), 1u);
  EXPECT_EQ(get.results[0].Code, -411);
}

TEST(ScriptedAgent, ReplyThatThrowsWhileProcessedEndsTheRequestWithItsCode) {
  // Two index columns, but the agent's rows carry a one-number suffix.
  Agent agent([](const Agent::Request&) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {At(kColumn2, {7}, 1)};
    return reply;
  });
  NvSNMPRequest req;
  UseColumns(req, agent.port(), 1, 2);
  Collector walk(req);
  Walk(walk);
  ASSERT_EQ(walk.results.size(), 1u);
  EXPECT_EQ(walk.results[0].Code, -514);
  EXPECT_EQ(walk.results[0].Message, "Bad key count of SNMP variable list!");
  EXPECT_TRUE(walk.results[0].Finished);
  ExpectPumpRunning();
}

TEST(ScriptedAgent, CompletionThatThrowsIsHandedOnAfterTheReply) {
  Agent agent([](const Agent::Request& r) -> std::optional<Agent::Reply> {
    Agent::Reply reply;
    reply.bindings = {{r.bindings[0].oid, 1}};
    return reply;
  });
  NvSNMPRequest req;
  req.Port = agent.port();
  req.Version = 1;
  req.Vars.AddVar("1.3.6.1.4.1.32473.999.1.1", "int", NvSyntax::integer, NvAccess::readonly, nullptr);
  GuiTesting::ScriptedAnswerer answers;
  bool ok = false;
  req.GetAsync(ok, [](void*, NvSNMPError*, NvSNMPVarList*) { throw Exception("from the completion", -2); }, nullptr,
               true);
  ASSERT_TRUE(ok);
  // The pump hands it to the window layer, which shows it once the library has returned.
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !answers.Calls().empty(); }, 3000));
  EXPECT_EQ(answers.Calls()[0].text, "from the completion");
  EXPECT_EQ(req.PendingReplies, 0);
  ExpectPumpRunning();
}

// What the library refuses before sending gets no reply: the caller hears it at once, with its
// code and message, and nothing is left pending.
TEST(ScriptedAgent, RequestRefusedBeforeSendingTellsWhy) {
  int calls = 0;
  auto count = [](void* data, NvSNMPError*, NvSNMPVarList*) { ++*static_cast<int*>(data); };
  for (bool set : {false, true}) {
    SCOPED_TRACE(set ? "set" : "get");
    NvSNMPRequest req;
    req.Port = 0;  // no transport can send there
    req.Version = 1;
    req.Vars.AddVar("1.3.6.1.4.1.32473.999.1.1", "int", NvSyntax::integer, NvAccess::readwrite, nullptr);
    *req.Vars.GetVar(0)->Value = "1";
    bool ok = true;
    try {
      if (set)
        req.SetAsync(ok, count, &calls, false, "", nullptr);
      else
        req.GetAsync(ok, count, &calls, true);
      ADD_FAILURE() << "nothing was said";
    } catch (const Exception& e) {
      EXPECT_EQ(e.HelpContext, -422);
      EXPECT_EQ(e.Message, NvErrorText(-422));
      EXPECT_FALSE(e.Message.empty());
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(req.PendingReplies, 0);
  }
  EXPECT_EQ(calls, 0);
  ExpectPumpRunning();
}

}  // namespace
