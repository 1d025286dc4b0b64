#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorCode.h"
#include "NvSNMPError.h"
#include "NvSNMPVar.h"
#include "NvValueOctets.h"

namespace {

std::string Hex(const NvOctets& b) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : b) out += std::string{digits[c >> 4], digits[c & 15]};
  return out;
}

}  // namespace

TEST(PortList, BitmapReadsAsPortsAndRanges) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "0"},          {"00000000", "0"},   {"FF", "1-8"},           {"80", "1"},
      {"01", "8"},        {"0180", "8-9"},     {"AA", "1,3,5,7"},       {"FFFFFFFF", "1-32"},
      {"F9000", "1-5,8"}, {"f9000000", "1-5,8"}, {"C0000001", "1-2,32"}, {"C0", "1-2"},
      {"40", "2"},        {"7E", "2-7"},       {"zz80", "9"},
  };
  for (const auto& [bitmap, list] : cases) EXPECT_EQ(NvPortBitmapToList(bitmap, false), list) << bitmap;
  EXPECT_EQ(NvPortBitmapToList("F9000000", true), "1-5,8[F9000000]");
  EXPECT_EQ(NvBitmapOfPortCell("1-5,8[F9000000]"), "F9000000");
  EXPECT_EQ(NvBitmapOfPortCell("1-5,8"), "");
}

TEST(PortList, ListBecomesALowerCaseBitmapOfTheCurrentLength) {
  struct Case {
    const char* list;
    const char* current;
    bool ok;
    const char* bitmap;
  };
  const Case cases[] = {
      {"1-5,8", "00000000", true, "f9000000"},
      {"all", "00000000", true, "ffffffff"},
      {"", "00000000", true, "00000000"},
      {"1-2,2-3", "0000", true, "e000"},
      {"16,1", "FFFF", true, "8001"},
      {"32", "00000000", true, "00000001"},
      {"33", "00000000", false, nullptr},
      {"5-3", "00000000", false, nullptr},
      {"0", "00000000", false, nullptr},
      {"17", "0000", false, nullptr},
      {"1", "", false, nullptr},
      {"all", "", true, ""},
      {"1:2", "0000", false, nullptr},
      {"x", "0000", false, nullptr},
      {"1-", "0000", false, nullptr},
  };
  for (const Case& c : cases) {
    std::string out = "untouched";
    EXPECT_EQ(NvPortListToBitmap(c.list, c.current, out), c.ok) << c.list;
    EXPECT_EQ(out, c.ok ? c.bitmap : "untouched") << c.list;
  }
}

TEST(PortList, TextSurvivesTheWayThereAndBack) {
  for (const char* list : {"1-5,8", "1,3,5,7", "2-7,9-10,64", "64"}) {
    std::string bitmap;
    ASSERT_TRUE(NvPortListToBitmap(list, std::string(16, '0'), bitmap));
    EXPECT_EQ(NvPortBitmapToList(bitmap, false), list);
  }
}

TEST(PackedFields, ValuesTravelThroughTheirBytes) {
  struct Case {
    int syntax;
    const char* text;
    const char* bytes;
    const char* back;
  };
  const Case cases[] = {
      {NvSyntax::bool8, "true", "01", "true"},
      {NvSyntax::bool8, "false", "00", "false"},
      {NvSyntax::int8, "-1", "FF", "-1"},
      {NvSyntax::uint8, "255", "FF", "255"},
      {NvSyntax::bool16, "true", "0001", "true"},
      {NvSyntax::int16, "-1", "FFFF", "65535"},
      {NvSyntax::uint16, "300", "012C", "300"},
      {NvSyntax::integer, "12 ", "0C000000", "12"},
      {NvSyntax::integer, "-2", "FEFFFFFF", "-2"},
      {NvSyntax::counter, "4294967295", "FFFFFFFF", "4294967295"},
      {NvSyntax::ipaddress, "10.0.1.255", "0A0001FF", "10.0.1.255"},
      {NvSyntax::octetstr, "00e0fc", "00E0FC", "00E0FC"},
      {NvSyntax::displaystr, "ab", "6162", "ab"},
      {NvSyntax::timeticks, "1 day 0:00:01.00", "64D68300", "1 day 0:00:01.00"},
      {NvSyntax::counter64, "4294967296", "0000000001000000", "4294967296"},
      {NvSyntax::objectid, "1.3.6", "010000000300000006000000", "1.3.6"},
  };
  for (const Case& c : cases) {
    const NvOctets b = NvValueTextToOctets(c.text, c.syntax);
    EXPECT_EQ(Hex(b), c.bytes) << c.syntax << " " << c.text;
    EXPECT_EQ(NvOctetsToValueText(b, c.syntax), c.back) << c.syntax << " " << c.text;
  }
  EXPECT_TRUE(NvValueTextToOctets("(NULL)", NvSyntax::integer).empty());
  EXPECT_EQ(NvOctetsToValueText({}, NvSyntax::integer), "(NULL)");
  EXPECT_EQ(NvOctetsToValueText({}, NvSyntax::displaystr), "");
}

TEST(PackedFields, FieldIsWrittenAndReadAtItsOffset) {
  NvOctets value = NvValueTextToOctets("00000000", NvSyntax::octetstr);
  NvWriteField(value, 2, NvValueTextToOctets("300", NvSyntax::int16));
  EXPECT_EQ(NvOctetsToValueText(value, NvSyntax::octetstr), "0000012C");

  const NvOctets read = NvValueTextToOctets("0000FFFF", NvSyntax::octetstr);
  EXPECT_EQ(NvOctetsToValueText(NvExtractField(read, 2, NvSyntax::int16), NvSyntax::int16), "65535");
  EXPECT_EQ(Hex(NvExtractField(read, 1, NvSyntax::octetstr)), "00FFFF");

  NvOctets shortValue = NvValueTextToOctets("AA", NvSyntax::octetstr);
  NvWriteField(shortValue, 3, NvValueTextToOctets("true", NvSyntax::bool8));
  EXPECT_EQ(Hex(shortValue), "AA000001");
}

TEST(PackedFields, ShortOrUnknownValuesFailWithTheirCodes) {
  const NvOctets two = {0x12, 0x34};
  EXPECT_EQ(CodeOf([&] { NvExtractField(two, 1, NvSyntax::int16); }), NvErr::PartialIndexRange);
  EXPECT_EQ(CodeOf([&] { NvExtractField(two, 0, NvSyntax::integer); }), NvErr::PartialIndexRange);
  EXPECT_EQ(CodeOf([&] { NvOctetsToValueText({0x01}, NvSyntax::int16); }), NvErr::BadPartialValue);
  EXPECT_EQ(CodeOf([&] { NvOctetsToValueText(two, NvSyntax::ipaddress); }), NvErr::BadPartialValue);
  EXPECT_EQ(CodeOf([&] { NvOctetsToValueText(two, 99); }), NvErr::BadSyntax);
  EXPECT_EQ(CodeOf([&] { NvValueTextToOctets("1", 99); }), NvErr::BadSyntax);
  EXPECT_EQ(CodeOf([&] { NvValueTextToOctets("300", NvSyntax::uint8); }), NvErr::BadPartialValue);
  EXPECT_EQ(CodeOf([&] { NvValueTextToOctets("12abc", NvSyntax::integer); }), NvErr::BadPartialValue);
}

TEST(BitPositions, ShortPortListGivesAStatusNotAnException) {
  const std::vector<int> positions = NvParsePositions("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15");
  ASSERT_EQ(positions.size(), 16u);
  std::vector<bool> bits;
  int code = 0;
  EXPECT_NO_THROW(code = NvReadBits({0xA0}, positions, bits));
  EXPECT_EQ(code, NvErr::PartialIndexRange);
  ASSERT_EQ(bits.size(), 16u);
  EXPECT_TRUE(bits[0]);
  EXPECT_FALSE(bits[1]);
  EXPECT_TRUE(bits[2]);
  EXPECT_FALSE(bits[8]);

  EXPECT_EQ(NvReadBits({0xA0, 0x01}, positions, bits), NvErr::Ok);
  EXPECT_TRUE(bits[15]);
}

TEST(BitPositions, CheckBoxesCollectIntoTheBytesTheirPositionsNeed) {
  EXPECT_EQ(Hex(NvCollectBits({0, 9}, {true, true})), "8040");
  EXPECT_EQ(Hex(NvCollectBits({7, 0}, {true, false})), "01");
  EXPECT_EQ(Hex(NvCollectBits(NvParsePositions("31"), {true})), "00000001");
}

TEST(MultiPartValues, SpreadOverEditsAndJoinedBack) {
  std::vector<std::string> parts;
  EXPECT_FALSE(NvValueToParts("(NULL)", NvSyntax::ipaddress, 4, parts));
  EXPECT_EQ(CodeOf([] { NvPartsToValue({"", "", "", ""}, NvSyntax::ipaddress); }), NvErr::BadPartialValue);

  ASSERT_TRUE(NvValueToParts("192.168.0.1", NvSyntax::ipaddress, 4, parts));
  EXPECT_EQ(parts, (std::vector<std::string>{"192", "168", "0", "1"}));

  ASSERT_TRUE(NvValueToParts("0A1B", NvSyntax::octetstr, 2, parts));
  EXPECT_EQ(parts, (std::vector<std::string>{"0A", "1B"}));
  EXPECT_EQ(NvPartsToValue({"A", "", "1B"}, NvSyntax::octetstr), "0A001B");

  ASSERT_TRUE(NvValueToParts("00E0FC0A0B0C", NvSyntax::macaddress, 6, parts));
  EXPECT_EQ(NvPartsToValue(parts, NvSyntax::macaddress), "00E0FC0A0B0C");

  ASSERT_TRUE(NvValueToParts("1 day 2:03:04.05", NvSyntax::timeticks, 5, parts));
  EXPECT_EQ(parts, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(NvPartsToValue(parts, NvSyntax::timeticks), "1 day 2:03:04.05");

  ASSERT_TRUE(NvValueToParts("2011-3-4,13:30:15.0,-4:0", NvSyntax::datetime, 10, parts));
  EXPECT_EQ(NvPartsToValue(parts, NvSyntax::datetime), "2011-3-4,13:30:15.0,-4:0");
}

TEST(MultiPartValues, TooFewEditsFailWithMinus522) {
  std::vector<std::string> parts;
  EXPECT_EQ(CodeOf([&] { NvValueToParts("2011-3-4,13:30:15.0,+0:0", NvSyntax::datetime, 9, parts); }),
            NvErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { NvValueToParts("(NULL)", NvSyntax::ipaddress, 3, parts); }), NvErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { NvValueToParts("0A1B2C", NvSyntax::octetstr, 2, parts); }), NvErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { NvPartsToValue({"1", "2"}, NvSyntax::ipaddress); }), NvErr::TooFewControls);
}
