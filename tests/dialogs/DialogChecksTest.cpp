// The dialogs' input checks and BITS names, case by case.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "DialogChecks.h"
#include "DialogTestSupport.h"

namespace {

struct IpCase {
  const char* text;
  const NvIpCheck* kind;
  const char* message;  // the refusal's box; null when the text passes
};

const char* const kLower = "Please input a valid ip";
const char* const kUpper = "Please input a valid IP";

const IpCase kIpCases[] = {
    {"10.0.0.1", &NvIpCheckFull, nullptr},
    {"192.168.100.1", &NvIpCheckFull, nullptr},
    {"0.0.0.0", &NvIpCheckFull, nullptr},
    {"10.00.0.1", &NvIpCheckFull, kLower},      // a part holding two zeros
    {"256.1.1.1", &NvIpCheckFull, kLower},
    {"1.2.3", &NvIpCheckFull, kLower},          // two dots
    {".1.2.3", &NvIpCheckFull, kLower},
    {"1.2.3.4.", &NvIpCheckFull, kLower},       // no digit after the last dot
    {"192.168.100.1001", &NvIpCheckFull, kLower},  // the whole text counts, not 15 characters
    {"1.2.3.0255", &NvIpCheckFull, kLower},
    {"1.2.3.99999999999999999999", &NvIpCheckFull, kLower},
    {"1.2.3.4x", &NvIpCheckFull, kLower},
    {"", &NvIpCheckFull, kLower},
    {"", &NvIpCheckFullCapital, kUpper},
    {"1.2..3", &NvIpCheckFullCapital, kUpper},
    {"", &NvIpCheckShort, kLower},              // no empty test; refused for its dots
    {"10.1.1.1", &NvIpCheckShort, nullptr},
    {".1.2.3", &NvIpCheckShortTwoTexts, kUpper},   // dot first
    {"1.2.3.", &NvIpCheckShortTwoTexts, kUpper},   // dot without a digit after it
    {"256.1.1.1", &NvIpCheckShortTwoTexts, kLower},
    {"1.2.3", &NvIpCheckShortTwoTexts, kLower},
    {"1234.", &NvIpCheckShortTwoTexts, kUpper},    // the dot's test before the part's length
    {"1234.5.6.7", &NvIpCheckShortTwoTexts, kLower},
    {"1.2.3.1234", &NvIpCheckShortTwoTexts, kLower},
};

class IpStrings : public ::testing::TestWithParam<IpCase> {
 protected:
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(IpStrings, pass_or_show_their_message) {
  const IpCase& c = GetParam();
  EXPECT_EQ(IsValidIPString(c.text, *c.kind), c.message == nullptr);
  if (!c.message) {
    EXPECT_TRUE(boxes.Calls().empty());
    return;
  }
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, GuiTesting::BoxKind::ShowMessage);
  EXPECT_EQ(boxes.Calls()[0].text, c.message);
}

INSTANTIATE_TEST_SUITE_P(Cases, IpStrings, ::testing::ValuesIn(kIpCases));

struct HexCase {
  std::string text;
  NvHexCheck check;
  bool passes;
};

const NvHexCheck kMac{12, "Invalid MAC Address"};
const NvHexCheck kMacEmptyFirst{12, "Invalid MAC address", true};
const NvHexCheck kMacSilent{12, nullptr};
const NvHexCheck kEtherType{4, "Invalid Ethernet Type"};

const HexCase kHexCases[] = {
    {"0123456789aB", kMac, true},
    {"0123456789a", kMac, false},      // eleven
    {"0123456789aBc", kMac, false},    // thirteen
    {"0123456789GB", kMac, false},     // the eleventh is G
    {"", kMacEmptyFirst, false},
    {"00112233445G", kMacSilent, false},
    {"88cc", kEtherType, true},
    {"88c", kEtherType, false},
};

class HexStrings : public ::testing::TestWithParam<HexCase> {
 protected:
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_P(HexStrings, pass_only_with_exactly_their_digits) {
  const HexCase& c = GetParam();
  EXPECT_EQ(IsValidHexString(c.text, c.check), c.passes);
  if (c.passes || !c.check.Message) {
    EXPECT_TRUE(boxes.Calls().empty());
  } else {
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, c.check.Message);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HexStrings, ::testing::ValuesIn(kHexCases));

TEST(HexMask, empty_or_up_to_32_digits_without_message) {
  GuiTesting::ScriptedAnswerer boxes;
  const std::string digits32 = "0123456789abcdef0123456789ABCDEF";
  EXPECT_TRUE(IsValidHexMask(""));
  EXPECT_TRUE(IsValidHexMask(digits32));
  EXPECT_FALSE(IsValidHexMask(digits32 + "0"));
  EXPECT_FALSE(IsValidHexMask("00FFG"));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(HexTextToInt, reads_the_leading_digits_and_never_overflows) {
  struct Case {
    const char* text;
    int32_t value;
  } const cases[] = {
      {"1A", 26}, {"ff", 255}, {"12xyz", 18}, {"G1", 0}, {"", 0},
      {"7FFFFFFF", INT32_MAX}, {"80000000", INT32_MAX}, {"FFFFFFFFFFFFFFFFFFFF", INT32_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(HexTextToInt(c.text), c.value) << c.text;
}

TEST(BitsNames, names_of_the_set_bits_after_one_blank) {
  const std::vector<std::string> abc = {"A", "B", "C"};
  std::vector<std::string> sixteen;
  for (int k = 0; k < 16; ++k) sixteen.push_back("n" + std::to_string(k));
  const std::vector<std::string> clock = {"systemTime", ",SNTP", ",SummerTime", ",realTimeClock"};
  struct Case {
    const char* value;
    const std::vector<std::string>* names;
    NvNamesJoin join;
    const char* text;
  } const cases[] = {
      {"C0", &abc, NvNamesJoin::Comma, " A,B"},
      {"00", &abc, NvNamesJoin::Comma, " "},
      {"20", &abc, NvNamesJoin::Comma, " C"},
      {"1F", &abc, NvNamesJoin::Comma, " "},           // bits without a name
      {"0080", &sixteen, NvNamesJoin::Comma, " n8"},   // every octet is read
      {"8001", &sixteen, NvNamesJoin::Comma, " n0,n15"},
      {"60", &clock, NvNamesJoin::AsGiven, " ,SNTP,SummerTime"},
      {"A0", &clock, NvNamesJoin::AsGiven, " systemTime,SummerTime"},
  };
  for (const Case& c : cases) EXPECT_EQ(BitsToNames(c.value, *c.names, c.join), c.text) << c.value;
}

TEST(BitsNames, names_back_to_bits) {
  const std::vector<std::string> lldp = {"macPhyConfigStatus", "powerViaMDI", "linkAggregation", "maxFrameSize"};
  EXPECT_EQ(NamesToBits(" macPhyConfigStatus,linkAggregation", lldp), "A0");
  EXPECT_EQ(NamesToBits(" maxFrameSize", lldp), "10");
  EXPECT_EQ(NamesToBits(" ", lldp), "0");
  const std::vector<std::string> abc = {"A", "B", "C", "D", "E", "F", "G", "H"};
  EXPECT_EQ(NamesToBits("H", abc), "1");  // one octet without its leading zero
  std::vector<std::string> nine = abc;
  nine.push_back("I");
  EXPECT_EQ(NamesToBits("I", nine), "0080");
  EXPECT_EQ(NamesToBits(BitsToNames("C0", lldp), lldp), "C0");
}

}  // namespace
