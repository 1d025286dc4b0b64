// What a typed value becomes on the wire: exactly the octets of a whole value of its syntax, or
// a refusal (-518). The two encoders, the binding's value bytes and the request's variable
// bindings, must agree on every text, hostile or not.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ErrorCode.h"
#include "NvDateTime.h"
#include "NvSNMPConvert.h"
#include "NvSNMPError.h"
#include "NvSNMPRequest.h"
#include "NvValueOctets.h"
#include "Snmp.h"

namespace {

const std::string kLong(10000, '1');
const std::string kLongHex(10000, 'A');
const char* const kRefused = nullptr;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 0x0F];
  }
  return out;
}

struct Case {
  int syntax;
  std::string text;
  const char* octets;  // upper-case hexadecimal of the value bytes; kRefused: refused with -518
};

// Numbers are the binding's little-endian value bytes; the packed 16-bit fields are big-endian.
const Case kCases[] = {
    // integer: a whole number of its range, nothing else
    {NvSyntax::integer, "2147483647", "FFFFFF7F"},
    {NvSyntax::integer, "-2147483648", "00000080"},
    {NvSyntax::integer, "2147483648", kRefused},
    {NvSyntax::integer, "-2147483649", kRefused},
    {NvSyntax::integer, "12abc", kRefused},
    {NvSyntax::integer, "1 2", kRefused},
    {NvSyntax::integer, "", kRefused},
    {NvSyntax::integer, "   ", kRefused},
    {NvSyntax::integer, "--1", kRefused},
    {NvSyntax::integer, "0x10", kRefused},
    {NvSyntax::integer, "1e3", kRefused},
    {NvSyntax::integer, "\xEF\xBC\x91", kRefused},  // a full-width digit one
    {NvSyntax::integer, kLong, kRefused},
    {NvSyntax::integer, "4294967297", kRefused},  // no wrap to 1
    // unsigned: no sign at all
    {NvSyntax::counter, "4294967295", "FFFFFFFF"},
    {NvSyntax::counter, "4294967296", kRefused},
    {NvSyntax::counter, "-1", kRefused},
    {NvSyntax::uinteger, "-0", kRefused},
    {NvSyntax::guage, "+7", "07000000"},
    {NvSyntax::uint16, "65535", "FFFF"},
    {NvSyntax::uint16, "65536", kRefused},
    {NvSyntax::uint8, "256", kRefused},
    {NvSyntax::uint8, "-1", kRefused},
    // hexadecimal octets: two digits an octet, never a padded half octet
    {NvSyntax::octetstr, "0FFF", "0FFF"},
    {NvSyntax::octetstr, "0fff", "0FFF"},
    {NvSyntax::octetstr, "0F FF", "0FFF"},
    {NvSyntax::octetstr, "FFF", kRefused},
    {NvSyntax::octetstr, "F FF", kRefused},
    {NvSyntax::octetstr, "0FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", kRefused},  // 31 digits
    {NvSyntax::octetstr, "0G", kRefused},
    {NvSyntax::octetstr, "0x0F", kRefused},
    {NvSyntax::octetstr, "0F-FF", kRefused},
    {NvSyntax::octetstr, "\xC3\xA9\xC3\xA9", kRefused},
    {NvSyntax::octetstr, kLongHex.substr(1), kRefused},
    {NvSyntax::bitlist, "800", kRefused},
    {NvSyntax::ipv6address, "FE80000000000000000000000000001", kRefused},
    {NvSyntax::ipv6address, "FE800000000000000000000000000001", "FE800000000000000000000000000001"},
    {NvSyntax::ipv6address, "fe800000000000000000000000000001", "FE800000000000000000000000000001"},
    {NvSyntax::ipv6address, "FE80000000000000000000000000000100", kRefused},  // one octet too many
    {NvSyntax::ipv6address, "FE80", kRefused},
    {NvSyntax::ipv6address, "", ""},
    {NvSyntax::inetaddress, "FE800000000000000000000000000001", "FE800000000000000000000000000001"},
    {NvSyntax::inetaddress, "FE800000000000000000000000000001%0001", "FE8000000000000000000000000000010001"},
    {NvSyntax::inetaddress, "FE80000000000000000000000000000100", kRefused},
    // addresses
    {NvSyntax::ipaddress, "192.168.0.1", "C0A80001"},
    {NvSyntax::ipaddress, "192.168.0.256", kRefused},
    {NvSyntax::ipaddress, "192.168.0", kRefused},
    {NvSyntax::ipaddress, "192.168.0.1.5", kRefused},
    {NvSyntax::ipaddress, "192,168,0,1", kRefused},
    {NvSyntax::ipaddress, "-1.2.3.4", kRefused},
    {NvSyntax::ipaddress, "C0A80001", kRefused},
    {NvSyntax::ipaddress, "", kRefused},
    {NvSyntax::macaddress, "00-E0-FC-0A-0B-0C", "00E0FC0A0B0C"},
    {NvSyntax::macaddress, "00e0fc0a0b0c", "00E0FC0A0B0C"},
    {NvSyntax::macaddress, "00E0FC0A0B0", kRefused},
    {NvSyntax::macaddress, "00E0FC0A0B0C0D", kRefused},
    {NvSyntax::macaddress, "00-E0:FC-0A-0B-0C", kRefused},
    {NvSyntax::inetaddress, "10.0.0.1", "0A000001"},
    {NvSyntax::inetaddress, "10.0.0.1x", kRefused},
    // DateAndTime: eight octets without an offset, eleven with one
    {NvSyntax::datetime, "2026-12-10,9:00:00.0", "07EA0C0A09000000"},
    {NvSyntax::datetime, "2026-12-10,9:00:00", "07EA0C0A09000000"},
    {NvSyntax::datetime, "2026-12-10,9:00:00.0,+8:0", "07EA0C0A090000002B0800"},
    {NvSyntax::datetime, "2026-12-10,9:00:00.0,+0:0", "07EA0C0A090000002B0000"},
    {NvSyntax::datetime, "2026-12-10,9:00:00.0,-5:30", "07EA0C0A090000002D051E"},
    {NvSyntax::datetime, "2024-2-29,23:59:59.9", "07E8021D173B3B09"},
    {NvSyntax::datetime, "2026-2-29,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-2-30,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-4-31,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-13-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-0-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-0,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,24:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:60:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:60.0", kRefused},  // no leap second typed by hand
    {NvSyntax::datetime, "2026-1-1,0:0:61.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.10", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,+15:0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,+8:60", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,8:0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,+", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,", kRefused},
    {NvSyntax::datetime, "2026-12-31 23:59:59", kRefused},
    {NvSyntax::datetime, "31.12.2026,23:59:59.0", kRefused},
    {NvSyntax::datetime, "now", kRefused},
    {NvSyntax::datetime, "", kRefused},
    {NvSyntax::datetime, " 2026-1-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0 ", kRefused},
    {NvSyntax::datetime, "-2026-1-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "0-1-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "65536-1-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, "2026-1-1,0:0:0.0,+8:0x", kRefused},
    {NvSyntax::datetime, "2026\xEF\xBC\x8D" "1-1,0:0:0.0", kRefused},
    {NvSyntax::datetime, kLong, kRefused},
    // TimeTicks in the form they read as
    {NvSyntax::timeticks, "1 day 2:03:04.05", "651A8F00"},
    {NvSyntax::timeticks, "2 days, 0:00:00.00", "00AC0701"},
    {NvSyntax::timeticks, "1:02:03", "4CAE0500"},  // the seconds count
    {NvSyntax::timeticks, "497 days, 2:27:52.95", "FFFFFFFF"},
    {NvSyntax::timeticks, "497 days, 2:27:52.96", kRefused},
    {NvSyntax::timeticks, "0:00:01.5", kRefused},  // not 1.05 s
    {NvSyntax::timeticks, "1:60:00.00", kRefused},
    {NvSyntax::timeticks, "1:00:60.00", kRefused},
    {NvSyntax::timeticks, "1 day, 0:00:00.00", kRefused},
    {NvSyntax::timeticks, "1 day 24:00:00.00", kRefused},
    {NvSyntax::timeticks, "1x:00:00", kRefused},
    {NvSyntax::timeticks, "100", kRefused},
    {NvSyntax::timeticks, "", kRefused},
    {NvSyntax::timeticks, kLong, kRefused},
    // the date-time real of a date and time
    {NvSyntax::bcdatetime, "2026/12/10 08:30:15", ""},
    {NvSyntax::bcdatetime, "2026/12/10", ""},
    {NvSyntax::bcdatetime, "2026/4/31 00:00:00", kRefused},
    {NvSyntax::bcdatetime, "2026/12/10 08:30", kRefused},
    {NvSyntax::bcdatetime, "2026/12/10 08:30:15x", kRefused},
    {NvSyntax::bcdatetime, "2026-12-10 08:30:15", kRefused},
    // object identifiers and the rest
    {NvSyntax::objectid, "1.3.6.1", "01000000030000000600000001000000"},
    {NvSyntax::objectid, "1..3", kRefused},
    {NvSyntax::objectid, "1.3.x", kRefused},
    {NvSyntax::counter64, "18446744073709551615", "FFFFFFFFFFFFFFFF"},
    {NvSyntax::counter64, "18446744073709551616", kRefused},
    {NvSyntax::double_, "1.5x", kRefused},
};

class TypedValue : public ::testing::TestWithParam<Case> {};

std::string Shown(const std::string& text) { return text.size() > 40 ? text.substr(0, 40) + "..." : text; }

}  // namespace

TEST_P(TypedValue, IsEncodedToExactlyItsOctetsOrRefused) {
  const Case& c = GetParam();
  if (!c.octets) {
    EXPECT_EQ(CodeOf([&] { NvValueTextToOctets(c.text, c.syntax); }), NvErr::BadPartialValue) << Shown(c.text);
    return;
  }
  const NvOctets bytes = NvValueTextToOctets(c.text, c.syntax);
  if (c.syntax == NvSyntax::bcdatetime) {  // a real number: it reads back as the text
    EXPECT_EQ(NvOctetsToValueText(bytes, c.syntax).substr(0, c.text.size()), c.text);
    return;
  }
  EXPECT_EQ(Hex(std::string(bytes.begin(), bytes.end())), c.octets) << Shown(c.text);
}

// The request's own encoding of a variable's text, as a SET carries it.
TEST_P(TypedValue, IsSentAsTheSameValueOrNotAtAll) {
  const Case& c = GetParam();
  if (c.syntax >= NvSyntax::bool8) return;  // packed fields are parts of an octet string
  NvSNMPRequest request;
  request.Vars.AddVar("1.3.6.1.4.1.32473.1", "v", c.syntax, NvAccess::readwrite, nullptr);
  *request.Vars.GetVar(0)->Value = c.text;
  Vb vb;
  vb.set_syntax(c.syntax);
  const int code = CodeOf([&] { request.LoadVb(0, vb); });
  if (!c.octets) {
    // An empty number is how an unbound variable of a SET goes (as 0); typed, the binding
    // refuses it above.
    if (c.text.find_first_not_of(' ') == std::string::npos &&
        (c.syntax == NvSyntax::integer || c.syntax == NvSyntax::counter || c.syntax == NvSyntax::timeticks))
      return;
    EXPECT_EQ(code, NvErr::BadPartialValue) << Shown(c.text);
    return;
  }
  ASSERT_EQ(code, 0) << Shown(c.text);
  const NvOctets expected = NvValueTextToOctets(c.text, c.syntax);
  if (c.syntax == NvSyntax::integer || c.syntax == NvSyntax::counter || c.syntax == NvSyntax::guage ||
      c.syntax == NvSyntax::uinteger || c.syntax == NvSyntax::timeticks) {
    uint32_t sent = 0;
    ASSERT_EQ(vb.get_value(sent), 0);
    EXPECT_EQ(sent, uint32_t(expected[0] | expected[1] << 8 | expected[2] << 16 | uint32_t(expected[3]) << 24));
    return;
  }
  OctetStr octets;
  if (vb.get_value(octets) == 0 && c.syntax != NvSyntax::ipaddress) {
    if (c.syntax == NvSyntax::double_ || c.syntax == NvSyntax::objectid) return;
    EXPECT_EQ(octets.bytes(), std::string(expected.begin(), expected.end())) << Shown(c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(ValueContract, TypedValue, ::testing::ValuesIn(kCases));

// A clock read whole, field by field: only a real date and time of day.
TEST(TypedClock, ReadsOnlyARealCalendarDateAndTime) {
  NvDateTime t;
  bool withZone = true;
  ASSERT_TRUE(NvDateTime::ReadExact("2000-2-29,13:30:15.7", t, withZone));  // a leap year by 400
  EXPECT_FALSE(withZone);
  EXPECT_EQ(t.Year, 2000);
  EXPECT_EQ(t.Month, 2);
  EXPECT_EQ(t.Day, 29);
  EXPECT_EQ(t.DeciSeconds, 7);
  EXPECT_FALSE(NvDateTime::ReadExact("1900-2-29,0:0:0.0", t, withZone));  // not one by 100
  ASSERT_TRUE(NvDateTime::ReadExact("2026-12-10,8:30:15.0,-4:30", t, withZone));
  EXPECT_TRUE(withZone);
  EXPECT_EQ(t.Direction, '-');
  EXPECT_EQ(t.UtcHours, 4);
  EXPECT_EQ(t.UtcMinutes, 30);
  EXPECT_EQ(t.ToStringWithZone(), "2026-12-10,8:30:15.0,-4:30");
  // A refused text leaves the clock as it was.
  EXPECT_FALSE(NvDateTime::ReadExact("2026-4-31,0:0:0.0", t, withZone));
  EXPECT_EQ(t.Day, 10);
}

// Read and written back untouched, a DateAndTime keeps its octets: eight stay eight, and
// eleven keep their offset, 0:0 included.
TEST(ReadClock, IsWrittenBackAsTheOctetsItCameFrom) {
  for (const std::string& hex : {"07EA0C0A081E0F00", "07EA0C0A081E0F002B0000", "07EA0C0A081E0F002D0000",
                                 "07EA0C0A081E0F002B0800"}) {
    NvOctets wire;
    for (size_t i = 0; i < hex.size(); i += 2) wire.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    const std::string text = NvOctetsToValueText(wire, NvSyntax::datetime);
    const NvOctets back = NvValueTextToOctets(text, NvSyntax::datetime);
    EXPECT_EQ(Hex(std::string(back.begin(), back.end())), hex) << text;

    NvSNMPRequest request;
    request.Vars.AddVar("1.3.6.1.4.1.32473.1", "v", NvSyntax::datetime, NvAccess::readwrite, nullptr);
    Vb read;
    read.set_value(OctetStr(std::string(wire.begin(), wire.end())));
    request.StoreVb(0, read);
    EXPECT_EQ(*request.Vars.GetVar(0)->Value, text);
    Vb written;
    written.set_syntax(NvSyntax::datetime);
    request.LoadVb(0, written);
    OctetStr octets;
    ASSERT_EQ(written.get_value(octets), 0);
    EXPECT_EQ(Hex(octets.bytes()), hex) << text;
  }
}

// The end of a walked column is no value: not even a display string carries its text.
TEST(AccessLayerMarkers, TheEndOfAColumnIsNeverSent) {
  for (int syntax : {NvSyntax::displaystr, NvSyntax::integer, NvSyntax::octetstr}) {
    NvSNMPRequest request;
    request.Vars.AddVar("1.3.6.1.4.1.32473.1", "v", syntax, NvAccess::readwrite, nullptr);
    *request.Vars.GetVar(0)->Value = "(NOTDONE)";
    Vb vb;
    vb.set_syntax(syntax);
    EXPECT_EQ(CodeOf([&] { request.LoadVb(0, vb); }), NvErr::BadPartialValue) << syntax;
  }
}

// Spread over ten edits, a clock without an offset leaves the offset edits empty and comes
// back as eight octets; with one, as eleven.
TEST(ReadClock, SpreadOverEditsComesBackAsTheSameOctets) {
  for (const std::string& text : {"2026-12-10,8:30:15.0", "2026-12-10,8:30:15.0,+0:0", "2026-12-10,8:30:15.0,-4:30"}) {
    std::vector<std::string> parts;
    ASSERT_TRUE(NvValueToParts(text, NvSyntax::datetime, 10, parts));
    const bool zone = text.size() > 20;
    EXPECT_EQ(parts[7].empty(), !zone) << text;
    EXPECT_EQ(NvPartsToValue(parts, NvSyntax::datetime), text);
  }
}

// A port list names ports of the bitmap, as numbers and ranges, or is refused; the bitmap
// keeps its length.
TEST(TypedPortList, SetsExactlyThePortsNamedOrIsRefused) {
  const struct {
    std::string list;
    const char* bitmap;  // nullptr: refused
  } cases[] = {
      {"1-5,8", "f9000000"}, {"32", "00000001"},  {"all", "ffffffff"}, {"", "00000000"},
      {"0", nullptr},        {"33", nullptr},     {"5-3", nullptr},    {"1-", nullptr},
      {"-3", nullptr},       {"+3", nullptr},     {"1x", nullptr},     {"1;2", nullptr},
      {"1.5", nullptr},      {"ALL", nullptr},    {"\xEF\xBC\x91", nullptr}, {kLong, nullptr},
  };
  for (const auto& c : cases) {
    std::string out = "untouched";
    EXPECT_EQ(NvPortListToBitmap(c.list, "00000000", out), c.bitmap != nullptr) << Shown(c.list);
    EXPECT_EQ(out, c.bitmap ? c.bitmap : "untouched") << Shown(c.list);
  }
}
