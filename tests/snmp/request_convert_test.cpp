// Value texts by syntax in both directions, the program's own octet-string and TimeTicks
// texts, and table-index round trips per index type.
#include <gtest/gtest.h>

#include <cstring>

#include "NvOptionList.h"
#include "NvSNMPConvert.h"
#include "NvSNMPRequest.h"

namespace {

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Exception& e) {
    return e.HelpContext;
  }
  return 0;
}

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += char(v);
  return s;
}

Vb OctetsVb(const std::string& bytes) {
  Vb vb;
  vb.set_value(OctetStr(bytes));
  return vb;
}

Vb UnsignedVb(int syntax, uint32_t v) {
  Vb vb;
  vb.set_syntax(syntax);
  vb.set_value(v);
  return vb;
}

// One variable with a value, as a request holds it.
struct OneVar {
  explicit OneVar(int syntax, int access = NvAccess::readwrite, NvOptionList* options = nullptr) {
    req.Vars.AddVar("1.3.6.1.4.1.32473.1", "v", syntax, access, options);
  }
  std::string Read(const Vb& vb) {
    req.StoreVb(0, vb);
    return *req.Vars.GetVar(0)->Value;
  }
  Vb Write(const std::string& text) {
    *req.Vars.GetVar(0)->Value = text;
    Vb vb;
    vb.set_syntax(req.Vars.GetVar(0)->Syntax);
    req.LoadVb(0, vb);
    return vb;
  }
  NvSNMPRequest req;
};

std::string OctetsOf(const Vb& vb) {
  OctetStr s;
  EXPECT_EQ(vb.get_value(s), 0);
  return s.bytes();
}

double DoubleOfBytes(const std::string& b) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= uint64_t(uint8_t(b[size_t(i)])) << (8 * i);
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Received values

struct ReadCase {
  const char* name;
  int syntax;
  Vb vb;
  const char* text;
};

TEST(ValueConversion, ReceivedValuesReadAsTheirSyntaxText) {
  Vb integer;
  integer.set_value(int32_t(-17));
  Vb exception;
  exception.set_syntax(sNMP_SYNTAX_NOSUCHOBJECT);
  Vb c64;
  c64.set_value(Counter64(UINT64_MAX));
  Vb oid;
  oid.set_value(Oid("1.3.6.1.2.1"));
  Vb ip;
  ip.set_value(IpAddress("10.0.0.1"));
  Vb ticks1;
  ticks1.set_value(TimeTicks(8640100));
  Vb ticks2;
  ticks2.set_value(TimeTicks(17280000));
  Vb truth;
  truth.set_value(int32_t(1));
  double half = 0.5;
  uint64_t bits;
  std::memcpy(&bits, &half, 8);
  std::string halfBytes;
  for (int i = 0; i < 8; ++i) halfBytes += char((bits >> (8 * i)) & 0xFF);

  const ReadCase cases[] = {
      {"integer", NvSyntax::integer, integer, "-17"},
      {"integer exception", NvSyntax::integer, exception, "(NULL)"},
      {"counter32 max", NvSyntax::counter, UnsignedVb(sNMP_SYNTAX_CNTR32, 4294967295u), "4294967295"},
      {"gauge", NvSyntax::guage, UnsignedVb(sNMP_SYNTAX_GAUGE32, 7), "7"},
      {"counter64 max", NvSyntax::counter64, c64, "18446744073709551615"},
      {"objectid", NvSyntax::objectid, oid, "1.3.6.1.2.1"},
      {"ipaddress", NvSyntax::ipaddress, ip, "10.0.0.1"},
      {"one day one second", NvSyntax::timeticks, ticks1, "1 day 0:00:01.00"},
      {"two days", NvSyntax::timeticks, ticks2, "2 days, 0:00:00.00"},
      {"boolean", NvSyntax::boolean, truth, "true"},
      {"octetstr", NvSyntax::octetstr, OctetsVb(Bytes({0x00, 0x1A, 0xFF})), "001AFF"},
      {"empty octetstr", NvSyntax::octetstr, OctetsVb(""), ""},
      {"octetstr exception", NvSyntax::octetstr, exception, ""},
      {"macaddress", NvSyntax::macaddress, OctetsVb(Bytes({0, 0xE0, 0xFC, 0x0A, 0x0B, 0x0C})), "00E0FC0A0B0C"},
      {"displaystr", NvSyntax::displaystr, OctetsVb(std::string("ab\0cd", 5)), "ab"},
      {"empty displaystr", NvSyntax::displaystr, OctetsVb(""), ""},
      {"inetaddress v4", NvSyntax::inetaddress, OctetsVb(Bytes({192, 168, 0, 1})), "192.168.0.1"},
      {"inetaddress v6", NvSyntax::inetaddress, OctetsVb(std::string(15, '\0') + char(1)),
       "00000000000000000000000000000001"},
      {"double", NvSyntax::double_, OctetsVb(halfBytes), "0.5"},
      // Eleven octets keep their offset in the text, so that they are written back as eleven.
      {"datetime", NvSyntax::datetime, OctetsVb(Bytes({0x07, 0xC8, 5, 26, 13, 30, 15, 0, '+', 0, 0})),
       "1992-5-26,13:30:15.0,+0:0"},
      {"datetime without zone", NvSyntax::datetime, OctetsVb(Bytes({0x07, 0xDB, 3, 4, 13, 30, 15, 0})),
       "2011-3-4,13:30:15.0"},
      {"null", NvSyntax::null, integer, "(NULL)"},
  };
  for (const ReadCase& c : cases) {
    OneVar v(c.syntax);
    EXPECT_EQ(v.Read(c.vb), c.text) << c.name;
  }
}

TEST(ValueConversion, OptionListNamesReplaceKnownValues) {
  static const NvOptionPair pairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
  NvOptionList options(pairs);
  OneVar v(NvSyntax::integer, NvAccess::readwrite, &options);
  Vb two;
  two.set_value(int32_t(2));
  Vb nine;
  nine.set_value(int32_t(9));
  EXPECT_EQ(v.Read(two), "disabled");
  EXPECT_EQ(v.Read(nine), "9");
  int32_t sent = 0;
  v.Write("enabled").get_value(sent);
  EXPECT_EQ(sent, 1);
}

TEST(ValueConversion, PackedAndUnknownSyntaxesAreRefused) {
  for (int syntax : {int(NvSyntax::bool8), int(NvSyntax::uint16), 99}) {
    OneVar v(syntax);
    Vb vb;
    vb.set_value(int32_t(1));
    EXPECT_EQ(CodeOf([&] { v.Read(vb); }), -511) << syntax;
    EXPECT_EQ(CodeOf([&] { v.Write("1"); }), -511) << syntax;
  }
}

TEST(ValueConversion, ShortRealValuesAreRefusedNotReadPastTheEnd) {
  OneVar d(NvSyntax::double_);
  EXPECT_EQ(CodeOf([&] { d.Read(OctetsVb("abc")); }), -511);
  OneVar t(NvSyntax::datetime);
  EXPECT_EQ(CodeOf([&] { t.Read(OctetsVb("abc")); }), -511);
}

// ---------------------------------------------------------------------------------------
// Values to send

TEST(ValueConversion, HexTextFormsGiveTheirBytes) {
  struct {
    const char* text;
    std::string bytes;
  } cases[] = {
      {"1aff", Bytes({0x1A, 0xFF})},
      {"00", Bytes({0x00})},
      {"12 34", Bytes({0x12, 0x34})},
      {"", ""},
      // 32 digits, "%" and a zone: the address and the zone's bytes.
      {"FE800000000000000000000000000001%0001",
       Bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0x00, 0x01})},
      // 36 digits without "%" are plain hexadecimal.
      {"100000000000000000000000000000000001",
       Bytes({0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
  };
  for (const auto& c : cases) {
    OctetStr checked;
    EXPECT_TRUE(OctetStr::from_hex_string(OctetStr(c.text), checked)) << c.text;
    EXPECT_EQ(checked.bytes(), c.bytes) << c.text;
  }
  // Typed text with any other character, or half an octet, is refused, not read as zero nibbles
  // or moved half an octet.
  for (const char* text : {"zz", "12-34", "0x12", "12:34", "1 234", "123 4", " 1234", "1234 ", "12  34", " ", "abc", "0", "FFF",
                           "10000000000000000000000000000000001", "FE800000000000000000000000000001%001"}) {
    OctetStr checked("untouched");
    EXPECT_FALSE(OctetStr::from_hex_string(OctetStr(text), checked)) << text;
    EXPECT_EQ(checked.bytes(), "untouched") << text;
  }
  EXPECT_STREQ(OctetStr(Bytes({0x00, 0x1A, 0xFF})).get_printable_hex(), "001AFF");
  EXPECT_STREQ(OctetStr(std::string("ab\0c", 4)).get_printable(), "ab");
}

TEST(ValueConversion, ContextEngineIdInHexGivesItsBytesOtherTextItsCharacters) {
  const std::string id("\x80\x00\x1F\x88\x80\xA1\xB2", 7);
  const std::pair<std::string, std::string> cases[] = {
      {"80001F8880A1B2", id},
      {"80001f8880a1b2", id},
      {"0x80001F8880A1B2", id},
      {"0X80001f8880a1b2", id},
      {"80 00 1F 88 80 A1 B2", id},
      {"80:00:1f:88:80:a1:b2", id},
      {"0102030405", std::string("\x01\x02\x03\x04\x05", 5)},
      {"", ""},
      {"engine-7", "engine-7"},
      {"01020304", "01020304"},                  // 4 bytes: too short for an engine ID
      {std::string(66, 'a'), std::string(66, 'a')},  // 33 bytes: too long
      {"80001F8880A1B", "80001F8880A1B"},        // odd count of digits
      {"80001F8880A1BZ", "80001F8880A1BZ"},
      {"8 0001F8880A1B2", "8 0001F8880A1B2"},    // a blank inside a byte
      {"80  00 1F 88 80 A1", "80  00 1F 88 80 A1"},
      {"80001F8880A1B2 ", "80001F8880A1B2 "},
      {"0x", "0x"},
  };
  for (const auto& [text, bytes] : cases) EXPECT_EQ(NvContextEngineIdBytes(text), bytes) << text;
}

TEST(ValueConversion, TimeTicksTextsParseAndPrint) {
  struct {
    const char* text;
    uint32_t ticks;
  } cases[] = {
      {"2 days, 0:00:00.00", 17280000}, {"1 day 0:00:01.00", 8640100}, {"1:02:03", 372000},
      {"0:00:01.5", 105},               {"42", 0},                     {"0:01:00.00", 6000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(uint32_t(TimeTicks(c.text)), c.ticks) << c.text;
    TimeTicks assigned;
    assigned = c.text;
    EXPECT_EQ(uint32_t(assigned), c.ticks) << c.text;
  }
  EXPECT_STREQ(TimeTicks(17280000).get_printable(), "2 days, 0:00:00.00");
  EXPECT_STREQ(TimeTicks(372000).get_printable(), "1:02:00.00");
}

TEST(ValueConversion, NumbersAreSentWhenTheyFitAndRefusedWhenNot) {
  struct {
    int syntax;
    const char* text;
    bool fits;
  } cases[] = {
      {NvSyntax::counter, "4294967295", true},      {NvSyntax::counter, "4294967296", false},
      {NvSyntax::counter, "-1", false},             {NvSyntax::uinteger, "", true},
      {NvSyntax::integer, "-2147483648", true},     {NvSyntax::integer, "2147483648", false},
      {NvSyntax::integer, "  12abc", false},        {NvSyntax::integer, " 12  ", true},
      {NvSyntax::integer, "ten", false},            {NvSyntax::counter64, "18446744073709551615", true},
      {NvSyntax::counter64, "18446744073709551616", false},
  };
  for (const auto& c : cases) {
    OneVar v(c.syntax);
    EXPECT_EQ(CodeOf([&] { v.Write(c.text); }), c.fits ? 0 : -518) << c.text;
  }
  OneVar counter(NvSyntax::counter);
  uint32_t u = 0;
  Vb vb = counter.Write("4294967295");
  EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_CNTR32);
  vb.get_value(u);
  EXPECT_EQ(u, 4294967295u);
  OneVar c64(NvSyntax::counter64);
  Counter64 big;
  c64.Write("18446744073709551615").get_value(big);
  EXPECT_EQ(uint64_t(big), UINT64_MAX);
  OneVar integer(NvSyntax::integer);
  int32_t i = 0;
  integer.Write("  12 ").get_value(i);
  EXPECT_EQ(i, 12);
}

TEST(ValueConversion, TextsToSendBySyntax) {
  OneVar ticks(NvSyntax::timeticks);
  uint32_t t = 0;
  ticks.Write("2 days, 0:00:00.00").get_value(t);
  EXPECT_EQ(t, 17280000u);

  OneVar octets(NvSyntax::octetstr);
  EXPECT_EQ(OctetsOf(octets.Write("1aff")), Bytes({0x1A, 0xFF}));
  EXPECT_EQ(octets.Write("(NULL)").get_syntax(), sNMP_SYNTAX_NULL);

  OneVar boolean(NvSyntax::boolean);
  int32_t b = 5;
  boolean.Write("True").get_value(b);
  EXPECT_EQ(b, 0);
  boolean.Write("true").get_value(b);
  EXPECT_EQ(b, 1);

  OneVar dbl(NvSyntax::double_);
  EXPECT_DOUBLE_EQ(DoubleOfBytes(OctetsOf(dbl.Write("2.25"))), 2.25);

  OneVar dt(NvSyntax::datetime);
  EXPECT_EQ(OctetsOf(dt.Write("1992-5-26,13:30:15.0,-4:0")), Bytes({0x07, 0xC8, 5, 26, 13, 30, 15, 0, '-', 4, 0}));

  OneVar display(NvSyntax::displaystr);
  EXPECT_EQ(OctetsOf(display.Write("abc")), "abc");

  OneVar ip(NvSyntax::ipaddress);
  IpAddress a;
  EXPECT_EQ(ip.Write("10.1.2.3").get_value(a), 0);
  EXPECT_STREQ(a.get_printable(), "10.1.2.3");
  EXPECT_EQ(CodeOf([&] { ip.Write("10.1.2"); }), -518);
}

TEST(ValueConversion, InetAddressAlwaysTakesItsFourOrSixteenBytes) {
  OneVar v(NvSyntax::inetaddress);
  EXPECT_EQ(OctetsOf(v.Write("0.1.2.3")), Bytes({0, 1, 2, 3}));
  EXPECT_EQ(OctetsOf(v.Write("255.255.255.255")), Bytes({255, 255, 255, 255}));
  EXPECT_EQ(OctetsOf(v.Write("FE800000000000000000000000000001")).size(), 16u);
  EXPECT_EQ(OctetsOf(v.Write("FE800000000000000000000000000001%0001")).size(), 18u);
  EXPECT_EQ(CodeOf([&] { v.Write("not an address"); }), -518);
  EXPECT_EQ(CodeOf([&] { v.Write("1.2.3.256"); }), -518);
  // What is read back is what was written.
  EXPECT_EQ(v.Read(v.Write("0.1.2.3")), "0.1.2.3");
}

TEST(ValueConversion, ExpressionOperandsBySyntax) {
  NvSNMPRequest req;
  req.Vars.AddVar("1.1", "a", NvSyntax::integer, NvAccess::readwrite, nullptr);
  req.Vars.AddVar("1.2", "b", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  req.Vars.AddVar("1.3", "c", NvSyntax::timeticks, NvAccess::readwrite, nullptr);
  req.Vars.AddVar("1.4", "d", NvSyntax::boolean, NvAccess::readwrite, nullptr);
  *req.Vars.GetVar(0)->Value = "7";
  *req.Vars.GetVar(1)->Value = "up$1";
  *req.Vars.GetVar(2)->Value = "0:00:01.00";
  *req.Vars.GetVar(3)->Value = "true";
  EXPECT_EQ(req.SubstituteValues("$0*10+$2+$3", false, "$"), "7*10+100+1");
  // A text holding the marker is inserted once, not substituted again.
  EXPECT_EQ(req.SubstituteValues("$1=\"x\"", true, "$"), "\"up$1\"=\"x\"");
  EXPECT_EQ(CodeOf([&] { req.SubstituteValues("$1", false, "$"); }), -513);
  *req.Vars.GetVar(0)->Value = "(NULL)";
  EXPECT_EQ(CodeOf([&] { req.SubstituteValues("$0", false, "$"); }), -512);
}

TEST(ValueConversion, ReadExpressionIsAppliedToTheValue) {
  NvSNMPRequest req;
  req.Vars.AddVar("1.1", "a", NvSyntax::integer, NvAccess::readwrite, nullptr, "$0*10");
  *req.Vars.GetVar(0)->Value = "7";
  req.ApplyExpression(0, true);
  EXPECT_EQ(*req.Vars.GetVar(0)->Value, "70");
  req.ApplyExpression(0, false);  // no write expression: unchanged
  EXPECT_EQ(*req.Vars.GetVar(0)->Value, "70");
  EXPECT_TRUE(req.EvalCondition(""));
  EXPECT_TRUE(req.EvalCondition("$0>69"));
}

// ---------------------------------------------------------------------------------------
// Table indexes

namespace {

// A request whose list has the given index columns, then one readable column.
struct IndexList {
  struct Col {
    int syntax;
    int access;
    NvOptionList* options;
  };
  explicit IndexList(std::initializer_list<Col> cols) {
    for (const Col& c : cols) req.Vars.AddVar(" ", "idx", c.syntax, c.access, c.options);
    req.Vars.AddVar("1.3.6.1.4.1.32473.9.1.2", "value", NvSyntax::integer, NvAccess::readonly, nullptr);
    req.Vars.Kind = MVT_FMV;
    req.Vars.IndexCount = int(cols.size());
  }
  std::string Value(int i) { return *req.Vars.GetVar(i)->Value; }
  NvSNMPRequest req;
};

}  // namespace

TEST(IndexConversion, RoundTripsPerIndexType) {
  static const NvOptionPair pairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
  NvOptionList options(pairs);
  const int na = NvAccess::notaccess;
  const int implied = NvAccess::notaccess | NvAccess::implied;
  struct {
    const char* name;
    int syntax;
    int access;
    NvOptionList* options;
    const char* suffix;
    const char* value;
  } cases[] = {
      {"integer", NvSyntax::integer, na, nullptr, "3", "3"},
      {"unsigned", NvSyntax::guage, na, nullptr, "4294967295", "4294967295"},
      {"boolean", NvSyntax::boolean, na, nullptr, "1", "true"},
      {"timeticks", NvSyntax::timeticks, na, nullptr, "8640100", "1 day 0:00:01.00"},
      {"option name", NvSyntax::integer, na, &options, "2", "disabled"},
      {"ipaddress", NvSyntax::ipaddress, na, nullptr, "10.0.0.1", "10.0.0.1"},
      {"macaddress", NvSyntax::macaddress, na, nullptr, "0.224.252.10.11.12", "00E0FC0A0B0C"},
      {"ipv6address", NvSyntax::ipv6address, na, nullptr, "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1",
       "FE800000000000000000000000000001"},
      {"implied displaystr", NvSyntax::displaystr, implied, nullptr, "97.98.99", "abc"},
      {"displaystr", NvSyntax::displaystr, na, nullptr, "3.97.98.99", "abc"},
      {"octetstr", NvSyntax::octetstr, na, nullptr, "2.26.255", "1AFF"},
      {"implied octetstr", NvSyntax::octetstr, implied, nullptr, "26.255", "1AFF"},
      {"objectid", NvSyntax::objectid, na, nullptr, "3.1.3.6", "1.3.6"},
      {"implied objectid", NvSyntax::objectid, implied, nullptr, "1.3.6", "1.3.6"},
      {"counter64", NvSyntax::counter64, na, nullptr, "1.2", "4294967298"},
      {"double", NvSyntax::double_, na, nullptr, "0.1071644672", "0.5"},
      {"datetime", NvSyntax::datetime, na, nullptr, "7.200.5.26.13.30.15.0.43.0.0", "1992-5-26,13:30:15.0"},
      {"inetaddress v4", NvSyntax::inetaddress, na, nullptr, "4.10.0.0.1", "10.0.0.1"},
      {"inetaddress v6", NvSyntax::inetaddress, na, nullptr, "16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1",
       "FE800000000000000000000000000001"},
      {"inetaddress zoned", NvSyntax::inetaddress, na, nullptr, "16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.1",
       "FE800000000000000000000000000001%0001"},
  };
  for (const auto& c : cases) {
    IndexList list({{c.syntax, c.access, c.options}});
    EXPECT_EQ(list.req.DecodeIndex(0, c.suffix), "") << c.name;
    EXPECT_EQ(list.Value(0), c.value) << c.name;
    EXPECT_EQ(list.req.EncodeIndex(0), c.suffix) << c.name;
  }
}

TEST(IndexConversion, TwoColumnIndexDecodesAndEncodesAgain) {
  IndexList list({{NvSyntax::integer, NvAccess::notaccess, nullptr}, {NvSyntax::ipaddress, NvAccess::notaccess, nullptr}});
  list.req.DecodeRowIndex("3.10.0.0.1");
  EXPECT_EQ(list.Value(0), "3");
  EXPECT_EQ(list.Value(1), "10.0.0.1");
  EXPECT_EQ(list.req.RowIndexSuffix(), "3.10.0.0.1");
}

TEST(IndexConversion, DateTimeConsumesElevenSubIdentifiers) {
  IndexList list({{NvSyntax::datetime, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
  list.req.DecodeRowIndex("7.200.5.26.13.30.15.0.43.0.0.9");
  EXPECT_EQ(list.Value(0), "1992-5-26,13:30:15.0");
  EXPECT_EQ(list.Value(1), "9");
}

TEST(IndexConversion, ShortSuffixesAreRefusedNotReadPastTheEnd) {
  struct {
    int syntax;
    const char* suffix;
  } cases[] = {
      {NvSyntax::octetstr, "5.1.2"}, {NvSyntax::displaystr, "4.97"}, {NvSyntax::macaddress, "1.2.3"},
      {NvSyntax::datetime, "7.200.5"}, {NvSyntax::double_, "1"}, {NvSyntax::ipaddress, "10.0"},
      {NvSyntax::ipv6address, "1.2.3"}, {NvSyntax::objectid, "9.1"},
  };
  for (const auto& c : cases) {
    IndexList list({{c.syntax, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
    EXPECT_EQ(CodeOf([&] { list.req.DecodeIndex(0, c.suffix); }), -514) << c.syntax << " " << c.suffix;
  }
  IndexList two({{NvSyntax::integer, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
  EXPECT_EQ(CodeOf([&] { two.req.DecodeRowIndex("3"); }), -514);
}

TEST(IndexConversion, IncompleteOrOverlongValuesAreNeverPartOfTheIndex) {
  struct {
    int syntax;
    const char* value;
  } cases[] = {
      {NvSyntax::ipv6address, "FE80"}, {NvSyntax::inetaddress, "10.0.0"},
      {NvSyntax::inetaddress, "FE8000000000"}, {NvSyntax::ipaddress, "x"},
      // Too long is no row either: never the row of the address's first octets.
      {NvSyntax::ipv6address, "FE80000000000000000000000000000100"},
      {NvSyntax::inetaddress, "FE800000000000000000000000000001FE800000000000000000000000000001FE800000"},
  };
  for (const auto& c : cases) {
    IndexList list({{c.syntax, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
    *list.req.Vars.GetVar(0)->Value = c.value;
    EXPECT_EQ(CodeOf([&] { list.req.EncodeIndex(0); }), -514) << c.value;
  }
}

TEST(IndexConversion, ANumberIndexWithoutDigitsIsRefusedNotSentAsRowZero) {
  for (int syntax : {NvSyntax::integer, NvSyntax::uinteger}) {
    for (const char* text : {"", "ten", " -", "+x"}) {
      IndexList list({{syntax, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
      *list.req.Vars.GetVar(0)->Value = text;
      EXPECT_EQ(CodeOf([&] { list.req.EncodeIndex(0); }), -518) << syntax << " '" << text << "'";
    }
    IndexList ok({{syntax, NvAccess::notaccess, nullptr}, {NvSyntax::integer, NvAccess::notaccess, nullptr}});
    *ok.req.Vars.GetVar(0)->Value = " 10";
    EXPECT_EQ(ok.req.EncodeIndex(0), "10");
  }
}

TEST(IndexConversion, ANegativeNumberIndexIsRefusedNotSentAsAHugeRow) {
  for (const char* text : {"-1", "-2147483648", " -7"}) {
    IndexList list({{NvSyntax::integer, NvAccess::notaccess, nullptr}});
    *list.req.Vars.GetVar(0)->Value = text;
    EXPECT_EQ(CodeOf([&] { list.req.EncodeIndex(0); }), -518) << text;
  }
  IndexList zero({{NvSyntax::integer, NvAccess::notaccess, nullptr}});
  *zero.req.Vars.GetVar(0)->Value = "-0";
  EXPECT_EQ(zero.req.EncodeIndex(0), "0");
}
