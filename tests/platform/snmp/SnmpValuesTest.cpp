// Value types of the SNMP interface: OIDs, addresses and typed bindings.
#include "Snmp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

struct OidCase {
  const char* text;
  bool valid;
  const char* printable;
  size_t len;
};

TEST(SnmpOid, ParsesAndPrintsNumericText) {
  const OidCase cases[] = {
      {"1.3.6.1.2.1", true, "1.3.6.1.2.1", 6},
      {".1.3.6.1", true, "1.3.6.1", 4},
      {"0", true, "0", 1},
      {"1.3.4294967295", true, "1.3.4294967295", 3},
      {"", true, "", 0},
      {"1.3.4294967296", false, "", 0},
      {"1..3", false, "", 0},
      {"1.3.", false, "", 0},
      {"1.3.x", false, "", 0},
      {"iso.3.6", false, "", 0},
      {" 1.3", false, "", 0},
  };
  for (const OidCase& c : cases) {
    Oid o(c.text);
    EXPECT_EQ(o.valid(), c.valid) << c.text;
    EXPECT_EQ(o.len(), c.len) << c.text;
    EXPECT_STREQ(o.get_printable(), c.printable) << c.text;
  }
}

TEST(SnmpVb, IntegerValueReadsBackSignedAndRefusesOtherKinds) {
  Vb vb(Oid("1.3.6.1.2.1.1.7.0"));
  vb.set_syntax(1);  // the program's boolean code travels as INTEGER
  vb.set_value(int32_t(-5));
  EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_INT);
  int32_t i = 0;
  ASSERT_EQ(vb.get_value(i), SNMP_CLASS_SUCCESS);
  EXPECT_EQ(i, -5);
  EXPECT_EQ(vb.get_printable_value(), "-5");
  OctetStr s;
  Counter64 c;
  Oid o;
  EXPECT_EQ(vb.get_value(s), SNMP_CLASS_ERROR);
  EXPECT_EQ(vb.get_value(c), SNMP_CLASS_ERROR);
  EXPECT_EQ(vb.get_value(o), SNMP_CLASS_ERROR);
}

TEST(SnmpVb, UnsignedSetterKeepsCounterGaugeTicksElseGauge) {
  const int kept[] = {sNMP_SYNTAX_CNTR32, sNMP_SYNTAX_GAUGE32, sNMP_SYNTAX_UINT32, sNMP_SYNTAX_TIMETICKS};
  for (int syntax : kept) {
    Vb vb;
    vb.set_syntax(syntax);
    vb.set_value(uint32_t(4294967295u));
    EXPECT_EQ(vb.get_syntax(), syntax);
    uint32_t u = 0;
    ASSERT_EQ(vb.get_value(u), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(u, 4294967295u);
  }
  Vb plain;
  plain.set_syntax(sNMP_SYNTAX_INT);
  plain.set_value(uint32_t(7));
  EXPECT_EQ(plain.get_syntax(), sNMP_SYNTAX_GAUGE32);
  EXPECT_EQ(plain.get_printable_value(), "7");
}

TEST(SnmpVb, Counter64KeepsAllBits) {
  Vb vb;
  vb.set_value(Counter64(0xFFFFFFFFu, 0x00000001u));
  EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_CNTR64);
  Counter64 c;
  ASSERT_EQ(vb.get_value(c), SNMP_CLASS_SUCCESS);
  EXPECT_EQ(c.high(), 0xFFFFFFFFu);
  EXPECT_EQ(c.low(), 1u);
  EXPECT_EQ(vb.get_printable_value(), "18446744069414584321");
  uint32_t u = 0;
  EXPECT_EQ(vb.get_value(u), SNMP_CLASS_ERROR);
}

TEST(SnmpVb, OctetStringKeepsOpaqueElseOctets) {
  const unsigned char bytes[] = {0x00, 0x1A, 0xFF};
  Vb opaque;
  opaque.set_syntax(sNMP_SYNTAX_OPAQUE);
  opaque.set_value(OctetStr(bytes, 3));
  EXPECT_EQ(opaque.get_syntax(), sNMP_SYNTAX_OPAQUE);
  OctetStr back;
  ASSERT_EQ(opaque.get_value(back), SNMP_CLASS_SUCCESS);
  EXPECT_EQ(back, OctetStr(bytes, 3));
  EXPECT_EQ(opaque.get_printable_value(), "00 1A FF");

  Vb bits;
  bits.set_syntax(3);  // the program's bit string code
  bits.set_value(OctetStr("switch"));
  EXPECT_EQ(bits.get_syntax(), sNMP_SYNTAX_OCTETS);
  EXPECT_EQ(bits.get_printable_value(), "switch");
  int32_t i = 0;
  EXPECT_EQ(bits.get_value(i), SNMP_CLASS_ERROR);

  Vb empty;
  empty.set_value(OctetStr(""));
  EXPECT_EQ(empty.get_printable_value(), "");
}

TEST(SnmpVb, IpAddressFromAddressOrFourOctets) {
  Vb vb;
  vb.set_value(IpAddress("10.0.0.1"));
  EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_IPADDR);
  EXPECT_EQ(vb.get_printable_value(), "10.0.0.1");
  IpAddress a;
  ASSERT_EQ(vb.get_value(a), SNMP_CLASS_SUCCESS);
  EXPECT_STREQ(a.get_printable(), "10.0.0.1");

  const unsigned char four[] = {192, 168, 1, 2};
  Vb inet;
  inet.set_value(OctetStr(four, 4));
  ASSERT_EQ(inet.get_value(a), SNMP_CLASS_SUCCESS);
  EXPECT_STREQ(a.get_printable(), "192.168.1.2");
  Vb three;
  three.set_value(OctetStr(four, 3));
  EXPECT_EQ(three.get_value(a), SNMP_CLASS_ERROR);

  EXPECT_FALSE(IpAddress("10.0.0").valid());
  EXPECT_FALSE(IpAddress("host").valid());
}

TEST(SnmpVb, OidValueAndTimeTicks) {
  Vb vb;
  vb.set_value(Oid("1.3.6.1.4.1.32473"));
  EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OID);
  Oid o;
  ASSERT_EQ(vb.get_value(o), SNMP_CLASS_SUCCESS);
  EXPECT_STREQ(o.get_printable(), "1.3.6.1.4.1.32473");

  Vb ticks;
  ticks.set_value(TimeTicks(8640000u + 100u));
  EXPECT_EQ(ticks.get_syntax(), sNMP_SYNTAX_TIMETICKS);
  uint32_t u = 0;
  ASSERT_EQ(ticks.get_value(u), SNMP_CLASS_SUCCESS);
  EXPECT_EQ(u, 8640100u);
  EXPECT_FALSE(ticks.get_printable_value().empty());
}

TEST(SnmpVb, NullAndExceptionsPrintEmpty) {
  const int syntaxes[] = {sNMP_SYNTAX_NULL, sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE,
                          sNMP_SYNTAX_ENDOFMIBVIEW};
  for (int syntax : syntaxes) {
    Vb vb;
    vb.set_syntax(syntax);
    EXPECT_EQ(vb.is_exception(), syntax != sNMP_SYNTAX_NULL) << syntax;
    EXPECT_EQ(vb.get_printable_value(), "") << syntax;
    int32_t i = 0;
    EXPECT_EQ(vb.get_value(i), SNMP_CLASS_ERROR) << syntax;
  }
}

TEST(SnmpPdu, BindingAccessChecksTheIndex) {
  Pdu pdu;
  pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
  pdu += Vb(Oid("1.3.6.1.2.1.1.5.0"));
  Vb vb;
  ASSERT_EQ(pdu.get_vb(vb, 1), SNMP_CLASS_SUCCESS);
  EXPECT_STREQ(vb.get_printable_oid(), "1.3.6.1.2.1.1.5.0");
  EXPECT_EQ(pdu.get_vb(vb, 2), SNMP_CLASS_ERROR);
  EXPECT_EQ(pdu.get_vb(vb, -1), SNMP_CLASS_ERROR);
  EXPECT_EQ(pdu.set_vb(vb, 2), SNMP_CLASS_ERROR);
}

TEST(SnmpAddress, UdpAddressResolvesAndPrintsWithPort) {
  UdpAddress a("127.0.0.1");
  ASSERT_TRUE(a.valid());
  a.set_port(1161);
  EXPECT_STREQ(a.get_printable(), "127.0.0.1/1161");
  CTarget t(a);
  GenAddress g;
  t.get_address(g);
  EXPECT_STREQ(g.get_printable(), "127.0.0.1/1161");

  UdpAddress named("localhost");
  ASSERT_TRUE(named.valid());
  EXPECT_EQ(named.host(), "127.0.0.1");

  EXPECT_FALSE(UdpAddress("").valid());
  EXPECT_FALSE(UdpAddress("no-such-host.invalid").valid());
}

// Names the stand-in resolver knows; everything else has no address.
std::string standInResolver(const std::string& name) {
  if (name == "v6only.lab") return "fd00::0:7";
  if (name == "dual.lab") return "10.9.9.9";
  return "";
}

TEST(SnmpAddress, Ipv6AddressesAndNamesWithOnlyAnIpv6AddressAreValid) {
  const HostResolver system = set_host_resolver(&standInResolver);
  struct Case {
    const char* given;
    const char* host;
    bool ipv6;
  } const cases[] = {
      {"::1", "::1", true},
      {"0:0:0:0:0:0:0:1", "::1", true},
      {"v6only.lab", "fd00::7", true},
      {"dual.lab", "10.9.9.9", false},
  };
  for (const Case& c : cases) {
    UdpAddress a(c.given);
    ASSERT_TRUE(a.valid()) << c.given;
    EXPECT_EQ(a.host(), c.host);
    EXPECT_EQ(a.is_ipv6(), c.ipv6) << c.given;
  }
  EXPECT_FALSE(UdpAddress("nowhere.lab").valid());
  UdpAddress v6("::1");
  v6.set_port(1161);
  EXPECT_STREQ(v6.get_printable(), "::1/1161");
  EXPECT_EQ(set_host_resolver(system), &standInResolver);
}

// The look-up runs beside its caller: it returns at once and the address is there once the
// resolver has answered.
std::string slowResolver(const std::string& name) {
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  return name == "slow.lab" ? "10.8.8.8" : "";
}

TEST(SnmpAddress, LookupRunsOnAThreadOfItsOwn) {
  const HostResolver system = set_host_resolver(&slowResolver);
  const auto start = std::chrono::steady_clock::now();
  AddressLookup lookup("slow.lab");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
  EXPECT_FALSE(lookup.done());
  EXPECT_EQ(lookup.address().host(), "10.8.8.8");
  EXPECT_TRUE(lookup.done());
  AddressLookup literal("fd00::1");
  EXPECT_TRUE(literal.done());
  EXPECT_TRUE(literal.address().is_ipv6());
  set_host_resolver(system);
}

}  // namespace
