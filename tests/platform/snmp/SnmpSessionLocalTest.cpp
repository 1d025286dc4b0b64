// Session behaviour that needs no agent: refusals before sending, time-outs against a
// port that never answers, and the end of outstanding requests.
#include "Snmp.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "SilentPort.h"

namespace {

using Clock = std::chrono::steady_clock;

CTarget communityTarget(uint16_t port, int version, unsigned long timeout, int retries) {
  UdpAddress a("127.0.0.1");
  a.set_port(port);
  CTarget t(a);
  t.set_version(version);
  t.set_timeout(timeout);
  t.set_retry(retries);
  t.set_readcommunity(OctetStr("quorra"));
  t.set_writecommunity(OctetStr("venthal"));
  return t;
}

Pdu sysDescrGet() {
  Pdu pdu;
  pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
  return pdu;
}

struct Outcome {
  int calls = 0;
  int reason = 0;
  int vbCount = -1;
  Clock::time_point at;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* context) {
  auto* o = static_cast<Outcome*>(context);
  ++o->calls;
  o->reason = reason;
  o->vbCount = pdu.get_vb_count();
  o->at = Clock::now();
}

bool pumpUntil(const Outcome& o, std::chrono::milliseconds limit) {
  const auto end = Clock::now() + limit;
  while (o.calls == 0 && Clock::now() < end) {
    SNMPProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return o.calls > 0;
}

double secondsSince(Clock::time_point start, Clock::time_point end = Clock::now()) {
  return std::chrono::duration<double>(end - start).count();
}

TEST(SnmpSessionLocal, ConstructionOpensAUdpSocketAndReportsABusyPort) {
  int status = -1;
  Snmp first(status, 0);
  EXPECT_EQ(status, 0);

  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_ANY);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t len = sizeof a;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  int second = 0;
  Snmp clash(second, ntohs(a.sin_port));
  EXPECT_NE(second, 0);
  ::close(fd);
}

TEST(SnmpSessionLocal, InvalidAddressIsRefusedBeforeAnythingIsOpened) {
  int status = -1;
  Snmp session(status, 0);
  UdpAddress bad("no-such-host.invalid");
  ASSERT_FALSE(bad.valid());
  CTarget target(bad);
  Pdu pdu = sysDescrGet();
  EXPECT_EQ(session.get(pdu, target), SNMP_CLASS_INVALID_ADDRESS);
  Outcome o;
  EXPECT_EQ(session.get(pdu, target, record, &o), SNMP_CLASS_INVALID_ADDRESS);
  EXPECT_TRUE(session.sockets().empty());
  SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 0);
}

TEST(SnmpSessionLocal, FailedSendIsReportedByTheCallAndNeverByACallback) {
  // Sending to the broadcast address without permission fails in the socket layer.
  int status = -1;
  Snmp session(status, 0);
  UdpAddress broadcast("255.255.255.255");
  broadcast.set_port(161);
  CTarget target(broadcast);
  target.set_version(version2c);
  target.set_timeout(10);
  Pdu pdu = sysDescrGet();
  EXPECT_EQ(session.get(pdu, target), SNMP_CLASS_TL_FAILED);
  Outcome o;
  EXPECT_EQ(session.get(pdu, target, record, &o), SNMP_CLASS_TL_FAILED);
  for (int i = 0; i < 5; ++i) SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 0);
}

TEST(SnmpSessionLocal, BlockingGetTimesOutAfterEveryRetry) {
  SilentPort agent;
  int status = -1;
  Snmp session(status, 0);
  CTarget target = communityTarget(agent.port(), version2c, 15, 2);  // 0.15 s, 2 retries
  Pdu pdu = sysDescrGet();
  const auto start = Clock::now();
  EXPECT_EQ(session.get(pdu, target), SNMP_CLASS_TIMEOUT);
  const double took = secondsSince(start);
  EXPECT_GE(took, 0.40);
  EXPECT_LT(took, 1.5);
  EXPECT_EQ(agent.received(), 3);
  EXPECT_EQ(pdu.get_vb_count(), 1);  // the bindings as sent
}

TEST(SnmpSessionLocal, AsyncGetTimesOutThroughTheEventPump) {
  SilentPort agent;
  int status = -1;
  Snmp session(status, 0);
  int changes = 0;
  session.set_sockets_changed([](void* data) { ++*static_cast<int*>(data); }, &changes);
  CTarget target = communityTarget(agent.port(), version1, 20, 1);
  Pdu pdu = sysDescrGet();
  Outcome o;
  const auto start = Clock::now();
  ASSERT_EQ(session.get(pdu, target, record, &o), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(session.sockets().size(), 1u);
  ASSERT_TRUE(pumpUntil(o, std::chrono::milliseconds(3000)));
  EXPECT_EQ(o.reason, SNMP_CLASS_TIMEOUT);
  EXPECT_EQ(o.vbCount, 1);
  const double took = secondsSince(start, o.at);
  EXPECT_GE(took, 0.38);
  EXPECT_LT(took, 1.5);
  EXPECT_EQ(agent.received(), 2);
  SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 1);
}

// The agent's engine ID is asked for without waiting: the send returns at once, and an agent
// that never answers ends the request with a time-out through the pump, as in SNMPv2c.
TEST(SnmpSessionLocal, AsyncV3RequestToASilentAgentTimesOutThroughTheEventPump) {
  SilentPort agent;
  int status = -1;
  Snmp session(status, 0);
  ASSERT_EQ(usmAddUserName(OctetStr("quietuser"), SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_NONE,
                           OctetStr("quietpass1"), OctetStr("")),
            0);
  UdpAddress a("127.0.0.1");
  a.set_port(agent.port());
  UTarget target(a);
  target.set_security_name(OctetStr("quietuser"));
  target.set_timeout(20);
  target.set_retry(2);
  Outcome first, second;
  Pdu pdu = sysDescrGet();
  pdu.set_security_level(2);
  ASSERT_EQ(session.get(pdu, target, record, &first), 0);
  ASSERT_EQ(session.get_next(pdu, target, record, &second), 0);
  // Nothing was waited for: one question went out, no retry yet, no outcome.
  EXPECT_EQ(agent.received(), 1);
  EXPECT_EQ(first.calls + second.calls, 0);
  EXPECT_FALSE(session.sockets().empty());

  ASSERT_TRUE(pumpUntil(first, std::chrono::milliseconds(5000)));
  ASSERT_TRUE(pumpUntil(second, std::chrono::milliseconds(1000)));
  for (const Outcome* o : {&first, &second}) {
    EXPECT_EQ(o->reason, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(o->vbCount, 1);  // the bindings as sent
  }
  EXPECT_EQ(agent.received(), 2);  // the two retries of the one question
  for (int i = 0; i < 5; ++i) SNMPProcessPendingEvents();
  EXPECT_EQ(first.calls + second.calls, 2);
  EXPECT_TRUE(session.sockets().empty());
}

TEST(SnmpSessionLocal, BlockingCallHandsOutNoAsynchronousOutcome) {
  SilentPort slow, other;
  int status = -1;
  Snmp session(status, 0);
  CTarget quick = communityTarget(slow.port(), version2c, 5, 0);
  Pdu pdu = sysDescrGet();
  Outcome o;
  ASSERT_EQ(session.get(pdu, quick, record, &o), 0);
  CTarget blocking = communityTarget(other.port(), version2c, 30, 0);
  Pdu second = sysDescrGet();
  EXPECT_EQ(session.get(second, blocking), SNMP_CLASS_TIMEOUT);
  EXPECT_EQ(o.calls, 0);  // timed out meanwhile, but only the pump reports it
  ASSERT_TRUE(pumpUntil(o, std::chrono::milliseconds(1000)));
  EXPECT_EQ(o.reason, SNMP_CLASS_TIMEOUT);
}

TEST(SnmpSessionLocal, DestroyingTheSessionEndsOutstandingRequestsOnce) {
  SilentPort agent;
  Outcome o;
  {
    int status = -1;
    Snmp session(status, 0);
    CTarget target = communityTarget(agent.port(), version2c, 500, 1);
    Pdu pdu = sysDescrGet();
    ASSERT_EQ(session.get_next(pdu, target, record, &o), 0);
    SNMPProcessPendingEvents();
    EXPECT_EQ(o.calls, 0);
  }
  EXPECT_EQ(o.calls, 1);
  EXPECT_EQ(o.reason, SNMP_CLASS_SESSION_DESTROYED);
  SNMPProcessPendingEvents();
  EXPECT_EQ(o.calls, 1);
}

struct UsmRefusal {
  const char* user;
  long auth, priv;
  const char* authPass;
  const char* privPass;
  int level;
  int registration;  // what usmAddUserName answers
  int send;          // what a request answers
};

TEST(SnmpSessionLocal, UnusableUserSettingsAreRefusedWithoutSending) {
  const UsmRefusal cases[] = {
      {"shortauth", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "short", "", 2,
       SNMPv3_USM_AUTHENTICATION_ERROR, SNMPv3_USM_AUTHENTICATION_ERROR},
      {"shortpriv", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "longenough", "tiny", 3,
       SNMPv3_USM_ENCRYPTION_ERROR, SNMPv3_USM_ENCRYPTION_ERROR},
      {"badauth", 9, SNMP_PRIVPROTOCOL_NONE, "longenough", "", 2, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL,
       SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL},
      {"badpriv", SNMP_AUTHPROTOCOL_HMACMD5, 7, "longenough", "longenough", 3, SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL,
       SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL},
      {"noauth", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "", 2, 0,
       SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
      {"authonly", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "longenough", "", 3, 0,
       SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
  };
  SilentPort agent;
  int status = -1;
  Snmp session(status, 0);
  for (const UsmRefusal& c : cases) {
    EXPECT_EQ(usmAddUserName(OctetStr(c.user), c.auth, c.priv, OctetStr(c.authPass), OctetStr(c.privPass)),
              c.registration)
        << c.user;
    UdpAddress a("127.0.0.1");
    a.set_port(agent.port());
    UTarget target(a);
    target.set_security_name(OctetStr(c.user));
    target.set_timeout(10);
    target.set_retry(0);
    Pdu pdu = sysDescrGet();
    pdu.set_security_level(c.level);
    EXPECT_EQ(session.get(pdu, target), c.send) << c.user;
    Outcome o;
    EXPECT_EQ(session.set(pdu, target, record, &o), c.send) << c.user;
  }
  EXPECT_EQ(agent.received(), 0);
  EXPECT_TRUE(session.sockets().empty());
}

}  // namespace
