// The session against the simulated switch: blocking and asynchronous requests over
// SNMPv1, v2c and v3, USM failures, a silent agent and the two ends of a walk.
#include "Snmp.h"
#include "SwitchSim.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kInteger = "1.3.6.1.4.1.32473.999.1.1.0";
const char* const kText = "1.3.6.1.4.1.32473.999.1.2.0";

// How one request reaches the switch.
struct Profile {
  const char* name;
  int version;
  const char* user;  // SNMPv3 only
  long auth, priv;
  const char* authPass;
  const char* privPass;
  int level;
};

const Profile kProfiles[] = {
    {"v1", version1, "", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "", 1},
    {"v2c", version2c, "", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "", 1},
    {"v3_md5", version3, "md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "md5authpass", "", 2},
    {"v3_sha", version3, "shauser", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE, "shaauthpass", "", 2},
    {"v3_md5_des", version3, "md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "md5authpass",
     "md5privpass", 3},
};

std::string profileName(const ::testing::TestParamInfo<Profile>& info) { return info.param.name; }
void PrintTo(const Profile& p, std::ostream* os) { *os << p.name; }

// The target of a profile, with the user registered as the request engine does it.
std::unique_ptr<SnmpTarget> makeTarget(const Profile& p, uint16_t port, unsigned long timeout = 50, int retries = 1) {
  UdpAddress a("127.0.0.1");
  a.set_port(port);
  std::unique_ptr<SnmpTarget> t;
  if (p.version == version3) {
    auto u = std::make_unique<UTarget>(a);
    u->set_security_name(OctetStr(p.user));
    usmAddUserName(OctetStr(p.user), p.auth, p.priv, OctetStr(p.authPass), OctetStr(p.privPass));
    t = std::move(u);
  } else {
    auto c = std::make_unique<CTarget>(a);
    c->set_readcommunity(OctetStr("quorra"));
    c->set_writecommunity(OctetStr("venthal"));
    t = std::move(c);
  }
  t->set_version(p.version);
  t->set_timeout(timeout);
  t->set_retry(retries);
  return t;
}

Pdu request(const Profile& p, const char* oid) {
  Pdu pdu;
  pdu.set_security_level(p.level);
  pdu += Vb(Oid(oid));
  return pdu;
}

Pdu setRequest(const Profile& p, const char* oid, int32_t value) {
  Pdu pdu;
  pdu.set_security_level(p.level);
  Vb vb{Oid(oid)};
  vb.set_syntax(sNMP_SYNTAX_INT);
  vb.set_value(value);
  pdu += vb;
  return pdu;
}

struct Outcome {
  int calls = 0;
  int reason = 0;
  Pdu pdu;
  Clock::time_point at;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* context) {
  auto* o = static_cast<Outcome*>(context);
  ++o->calls;
  o->reason = reason;
  o->pdu = pdu;
  o->at = Clock::now();
}

bool pumpUntil(const Outcome& o, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto end = Clock::now() + limit;
  while (o.calls == 0 && Clock::now() < end) {
    SNMPProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return o.calls > 0;
}

int32_t integerOf(const Pdu& pdu, int index = 0) {
  Vb vb;
  int32_t v = -1;
  if (pdu.get_vb(vb, index) == 0) vb.get_value(v);
  return v;
}

std::string oidOf(const Pdu& pdu, int index = 0) {
  Vb vb;
  pdu.get_vb(vb, index);
  return vb.get_printable_oid();
}

class SnmpSessionSim : public ::testing::TestWithParam<Profile> {
 protected:
  static void SetUpTestSuite() { sim_ = new SwitchSim(); }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(status_, 0); }

  static SwitchSim* sim_;
  int status_ = -1;
  Snmp session_{status_, 0};
};
SwitchSim* SnmpSessionSim::sim_ = nullptr;

TEST_P(SnmpSessionSim, BlockingGetGetNextAndSet) {
  const Profile& p = GetParam();
  auto target = makeTarget(p, sim_->port());
  const int32_t value = 1000 + int(&p - kProfiles);

  Pdu set = setRequest(p, kInteger, value);
  ASSERT_EQ(session_.set(set, *target), 0);
  EXPECT_EQ(integerOf(set), value);

  Pdu get = request(p, kInteger);
  ASSERT_EQ(session_.get(get, *target), 0);
  EXPECT_EQ(integerOf(get), value);

  Pdu next = request(p, kInteger);
  ASSERT_EQ(session_.get_next(next, *target), 0);
  EXPECT_EQ(oidOf(next), kText);
  Vb vb;
  next.get_vb(vb, 0);
  OctetStr text;
  ASSERT_EQ(vb.get_value(text), 0);
  EXPECT_EQ(text.bytes(), "hello");
}

TEST_P(SnmpSessionSim, AsynchronousGetGetNextAndSet) {
  const Profile& p = GetParam();
  auto target = makeTarget(p, sim_->port());
  const int32_t value = 2000 + int(&p - kProfiles);

  Outcome set;
  Pdu setPdu = setRequest(p, kInteger, value);
  ASSERT_EQ(session_.set(setPdu, *target, record, &set), 0);
  ASSERT_TRUE(pumpUntil(set));
  EXPECT_EQ(set.reason, SNMP_CLASS_ASYNC_RESPONSE);
  EXPECT_EQ(set.pdu.get_error_status(), 0);

  Outcome get;
  Pdu getPdu = request(p, kInteger);
  ASSERT_EQ(session_.get(getPdu, *target, record, &get), 0);
  ASSERT_TRUE(pumpUntil(get));
  EXPECT_EQ(get.reason, SNMP_CLASS_ASYNC_RESPONSE);
  EXPECT_EQ(integerOf(get.pdu), value);

  Outcome next;
  Pdu nextPdu = request(p, kInteger);
  ASSERT_EQ(session_.get_next(nextPdu, *target, record, &next), 0);
  ASSERT_TRUE(pumpUntil(next));
  EXPECT_EQ(oidOf(next.pdu), kText);
  SNMPProcessPendingEvents();
  EXPECT_EQ(get.calls + set.calls + next.calls, 3);
}

TEST_P(SnmpSessionSim, SetOfAReadOnlyObjectCarriesTheAgentsErrorStatus) {
  const Profile& p = GetParam();
  auto target = makeTarget(p, sim_->port());
  Pdu set = setRequest(p, "1.3.6.1.4.1.32473.999.1.11.0", 8);
  const int status = session_.set(set, *target);
  // SNMPv1 has only noSuchName for this; later versions say notWritable.
  EXPECT_EQ(status, p.version == version1 ? 2 : 17);
  EXPECT_EQ(set.get_error_status(), status);
  EXPECT_EQ(set.get_error_index(), 1);
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpSessionSim, ::testing::ValuesIn(kProfiles), profileName);

// ----------------------------------------------------------------------------------------

class SnmpUsmSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sim_ = new SwitchSim(); }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
  }
  static SwitchSim* sim_;
  int status_ = -1;
  Snmp session_{status_, 0};
};
SwitchSim* SnmpUsmSim::sim_ = nullptr;

TEST_F(SnmpUsmSim, WrongPassPhraseGivesAuthenticationFailure) {
  const Profile wrong{"wrong", version3, "md5user", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE,
                      "not-the-pass-phrase", "", 2};
  auto target = makeTarget(wrong, sim_->port());
  Pdu get = request(wrong, kInteger);
  EXPECT_EQ(session_.get(get, *target), SNMPv3_USM_AUTHENTICATION_FAILURE);

  Outcome o;
  Pdu async = request(wrong, kInteger);
  ASSERT_EQ(session_.get(async, *target, record, &o), 0);
  ASSERT_TRUE(pumpUntil(o));
  EXPECT_EQ(o.reason, SNMP_CLASS_ASYNC_RESPONSE);
  EXPECT_EQ(o.pdu.get_error_status(), SNMPv3_USM_AUTHENTICATION_FAILURE);
  for (int i = 0; i < 20; ++i) SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 1);

  // The right pass phrase for the same user works afterwards.
  auto right = makeTarget(kProfiles[2], sim_->port());
  Pdu again = request(kProfiles[2], kInteger);
  EXPECT_EQ(session_.get(again, *right), 0);
}

TEST_F(SnmpUsmSim, UnknownUserGivesUnknownSecurityName) {
  const Profile stranger{"stranger", version3, "nobody", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
                         "whatever-pass", "", 2};
  auto target = makeTarget(stranger, sim_->port());
  Pdu get = request(stranger, kInteger);
  EXPECT_EQ(session_.get(get, *target), SNMPv3_USM_UNKNOWN_SECURITY_NAME);

  Outcome o;
  Pdu async = request(stranger, kInteger);
  ASSERT_EQ(session_.get(async, *target, record, &o), 0);
  ASSERT_TRUE(pumpUntil(o));
  EXPECT_EQ(o.pdu.get_error_status(), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
  for (int i = 0; i < 20; ++i) SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 1);
}

TEST_F(SnmpUsmSim, AnotherSecurityModelIsSentWithUsm) {
  auto target = makeTarget(kProfiles[4], sim_->port());
  static_cast<UTarget&>(*target).set_security_model(1);
  Pdu get = request(kProfiles[4], kText);
  ASSERT_EQ(session_.get(get, *target), 0);
  Vb vb;
  get.get_vb(vb, 0);
  EXPECT_EQ(vb.get_printable_value(), "hello");
}

// ----------------------------------------------------------------------------------------

TEST(SnmpSilentSim, SilentAgentTimesOutAfterEveryRetry) {
  SwitchSim::Options quiet;
  quiet.dropReplies = true;
  SwitchSim sim(quiet);
  int status = -1;
  Snmp session(status, 0);
  for (const Profile& p : {kProfiles[1], kProfiles[3]}) {
    auto target = makeTarget(p, sim.port(), 20, 2);  // 0.2 s, 2 retries: 0.6 s
    Pdu get = request(p, kInteger);
    const auto start = Clock::now();
    EXPECT_EQ(session.get(get, *target), SNMP_CLASS_TIMEOUT) << p.name;
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_GE(took, 0.55) << p.name;
    EXPECT_LT(took, 2.0) << p.name;
  }
  auto target = makeTarget(kProfiles[0], sim.port(), 20, 1);
  Outcome o;
  Pdu get = request(kProfiles[0], kInteger);
  const auto start = Clock::now();
  ASSERT_EQ(session.get(get, *target, record, &o), 0);
  ASSERT_TRUE(pumpUntil(o));
  EXPECT_EQ(o.reason, SNMP_CLASS_TIMEOUT);
  const double took = std::chrono::duration<double>(o.at - start).count();
  EXPECT_GE(took, 0.38);
  EXPECT_LT(took, 1.5);
}

// ----------------------------------------------------------------------------------------

// A switch replaced or reset at the same address comes back with another engine ID: the
// request that meets it asks for the engine ID again and is sent once more, blocking or not,
// within its own time-out and retries.
TEST(SnmpEngineSim, ChangedEngineIdIsLearnedByTheRequestThatMeetsIt) {
  SwitchSim::Options first;
  first.engineId = "80007ED90501020304";
  SwitchSim sim(first);
  int status = -1;
  Snmp session(status, 0);
  const char* const nextEngines[] = {"80007ED905A1A2A3A4", "80007ED905B1B2B3B4", "80007ED905C1C2C3C4"};
  for (const Profile& p : {kProfiles[2], kProfiles[4]}) {
    auto target = makeTarget(p, sim.port(), 100, 1);
    auto blocking = [&] {
      Pdu get = request(p, kText);
      return session.get(get, *target);
    };
    auto async = [&] {
      Outcome o;
      Pdu get = request(p, kText);
      if (session.get(get, *target, record, &o) != 0 || !pumpUntil(o)) return -999;
      return o.reason == SNMP_CLASS_ASYNC_RESPONSE ? o.pdu.get_error_status() : o.reason;
    };
    ASSERT_EQ(blocking(), 0) << p.name;
    ASSERT_EQ(async(), 0) << p.name;
    for (const char* engine : nextEngines) {
      sim.restart(engine);
      const bool blockingFirst = engine != nextEngines[1];
      EXPECT_EQ(blockingFirst ? blocking() : async(), 0) << p.name << " " << engine;
      EXPECT_EQ(blocking(), 0) << p.name << " " << engine;
      EXPECT_EQ(async(), 0) << p.name << " " << engine;
    }
    // A reset that keeps the engine ID is followed as well.
    sim.restart();
    EXPECT_EQ(blocking(), 0) << p.name;
    EXPECT_EQ(async(), 0) << p.name;
    EXPECT_EQ(blocking(), 0) << p.name;
  }
}

// ----------------------------------------------------------------------------------------

// A switch holding only a three-row column, so a walk runs off the end of its MIB.
class SnmpWalkSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    seed_ = "/tmp/nv-walk-" + std::to_string(getpid()) + ".snmprec";
    std::ofstream(seed_) << "1.3.6.1.4.1.32473.999.9.1.2.1|4|a\n"
                            "1.3.6.1.4.1.32473.999.9.1.2.2|4|b\n"
                            "1.3.6.1.4.1.32473.999.9.1.2.3|4|c\n";
    SwitchSim::Options o;
    o.defaultSeed = false;
    o.extraSeeds = {seed_};
    sim_ = new SwitchSim(o);
  }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
    std::remove(seed_.c_str());
  }

  // Walks the column with GET-NEXT; returns the status that ended it.
  int walk(const Profile& p, std::vector<std::string>& seen, Vb& last) {
    auto target = makeTarget(p, sim_->port());
    std::string oid = "1.3.6.1.4.1.32473.999.9.1.2";
    for (int step = 0; step < 10; ++step) {
      Pdu pdu = request(p, oid.c_str());
      const int status = session_.get_next(pdu, *target);
      pdu.get_vb(last, 0);
      if (status != 0 || last.is_exception()) return status;
      oid = last.get_printable_oid();
      seen.push_back(oid);
    }
    return -999;
  }

  static SwitchSim* sim_;
  static std::string seed_;
  int status_ = -1;
  Snmp session_{status_, 0};
};
SwitchSim* SnmpWalkSim::sim_ = nullptr;
std::string SnmpWalkSim::seed_;

TEST_F(SnmpWalkSim, Version1WalkEndsWithNoSuchName) {
  std::vector<std::string> seen;
  Vb last;
  EXPECT_EQ(walk(kProfiles[0], seen, last), 2);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(std::string(last.get_printable_oid()), "1.3.6.1.4.1.32473.999.9.1.2.3");  // echoed as sent
}

TEST_F(SnmpWalkSim, Version2cWalkEndsWithEndOfMibView) {
  std::vector<std::string> seen;
  Vb last;
  EXPECT_EQ(walk(kProfiles[1], seen, last), 0);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(last.get_syntax(), sNMP_SYNTAX_ENDOFMIBVIEW);
  EXPECT_EQ(last.get_printable_value(), "");
}

}  // namespace
