// The dialogs' input checks and BITS names, case by case.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
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

TEST(HexMask, empty_or_whole_octets_up_to_32_digits_without_message) {
  GuiTesting::ScriptedAnswerer boxes;
  const std::string digits32 = "0123456789abcdef0123456789ABCDEF";
  const struct {
    std::string text;
    bool passes;
  } cases[] = {
      {"", true},
      {digits32, true},
      {"ff", true},
      {"0800", true},
      {digits32 + "00", false},               // 17 octets
      {digits32.substr(1), false},            // 31 digits: half an octet
      {"FFF", false},
      {"8", false},
      {"00FFG0", false},
      {"00 FF", false},
      {" 00FF", false},
      {"+0FF", false},
      {"-0FF", false},
      {"0x00FF", false},
      {"00\xC3\xA9", false},                  // a non-ASCII letter
      {std::string(10000, 'F'), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidHexMask(c.text), c.passes) << c.text.substr(0, 40);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(Ipv4HexKey, exactly_four_octets_or_its_message) {
  const struct {
    std::string text;
    bool passes;
  } cases[] = {
      {"C0A80001", true},
      {"c0a80001", true},
      {"C0A8001", false},      // a digit missing: would be 12.10.128.1
      {"C0A800", false},       // three octets
      {"C0A8000101", false},   // five octets
      {"", false},
      {" C0A80001", false},
      {"C0A80001 ", false},
      {"+C0A8001", false},
      {"C0A8000G", false},
      {"C0.A8.00.01", false},
      {"C0A800\xC3\xA9", false},
      {std::string(10000, 'A'), false},
  };
  for (const auto& c : cases) {
    GuiTesting::ScriptedAnswerer boxes;
    EXPECT_EQ(IsIpv4HexKey(c.text, "bad IP"), c.passes) << c.text.substr(0, 40);
    ASSERT_EQ(boxes.Calls().size(), c.passes ? 0u : 1u);
    if (!c.passes) {
      EXPECT_EQ(boxes.Calls()[0].text, "bad IP");
    }
  }
}

TEST(HexTextToInt, the_value_of_a_whole_text_of_digits_or_none) {
  const struct {
    std::string text;
    std::optional<int32_t> value;
  } cases[] = {
      {"1A", 26}, {"ff", 255}, {"0", 0}, {"7FFFFFFF", INT32_MAX},
      {"12xyz", std::nullopt}, {"G1", std::nullopt}, {"", std::nullopt}, {" 1", std::nullopt},
      {"-1", std::nullopt}, {"+1", std::nullopt}, {"80000000", std::nullopt},
      {"FFFFFFFFFFFFFFFFFFFF", std::nullopt}, {std::string(10000, '0'), 0}, {"1\xC3\xA9", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(HexTextToInt(c.text), c.value) << c.text.substr(0, 40);
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

// Every octet in two digits, "00" for none (the old "0" and "1" were half octets).
TEST(BitsNames, names_back_to_bits_regardless_of_case) {
  const std::vector<std::string> lldp = {"macPhyConfigStatus", "powerViaMDI", "linkAggregation", "maxFrameSize"};
  const std::vector<std::string> basic = {"Port Description", "System Name", "System Description", "System Capabilities"};
  const std::vector<std::string> abc = {"A", "B", "C", "D", "E", "F", "G", "H"};
  std::vector<std::string> nine = abc;
  nine.push_back("I");
  const struct {
    std::string text;
    const std::vector<std::string>* names;
    const char* bits;
  } cases[] = {
      {" macPhyConfigStatus,linkAggregation", &lldp, "A0"},
      {" maxFrameSize", &lldp, "10"},
      {" ", &lldp, "00"},
      {"", &lldp, "00"},
      {"MAXFRAMESIZE , macphyconfigstatus", &lldp, "90"},
      {"maxFrameSize,maxFrameSize", &lldp, "10"},
      {"system name, port description", &basic, "C0"},
      {" SYSTEM CAPABILITIES", &basic, "10"},
      {BitsToNames("F0", basic), &basic, "F0"},
      {"H", &abc, "01"},
      {"I", &nine, "0080"},
      {BitsToNames("C0", lldp), &lldp, "C0"},
  };
  for (const auto& c : cases) EXPECT_EQ(NamesToBits(c.text, *c.names), std::optional<std::string>(c.bits)) << c.text;
}

TEST(BitsNames, a_word_that_names_no_bit_is_reported_never_read_as_none) {
  const std::vector<std::string> basic = {"Port Description", "System Name", "System Description", "System Capabilities"};
  const struct {
    std::string text;
    const char* unknown;
  } cases[] = {
      {"System Nam", "System Nam"},
      {"System Name; Port Description", "System Name; Port Description"},
      {"System  Name", "System  Name"},
      {"System Name, x", "x"},
      {"SystemName", "SystemName"},
      {"Syst\xC3\xA9m Name", "Syst\xC3\xA9m Name"},
      {"0", "0"},
      {"F0", "F0"},
      {std::string(10000, 'a'), ""},
      {",", ","},
      {",,System Name,", ","},
      {"System Name,", ","},
  };
  for (const auto& c : cases) {
    std::string unknown;
    EXPECT_EQ(NamesToBits(c.text, basic, &unknown), std::nullopt) << c.text.substr(0, 40);
    EXPECT_EQ(unknown, *c.unknown ? std::string(c.unknown) : c.text);
  }
}

}  // namespace
