#include <gtest/gtest.h>

#include <string>

#include "FormsFixture.h"
#include "NvValueChecks.h"

namespace {

using Check = bool (*)(TControl*);

struct CheckCase {
  const char* name;
  Check check;
  std::string text;
  bool accepted;
  const char* message;  // the box a refusal shows, nullptr for none
};

const char* const kBadIP = "Please input a valid IP.";
const char* const kBadTime = "Pleaase Input a Number between 60 and 1000000 or 0.";
const std::string kHex32 = "0123456789abcdef0123456789ABCDEF";

const CheckCase kCases[] = {
    {"CheckIPAddress", CheckIPAddress, "192.168.0.1", true, nullptr},
    {"CheckIPAddress", CheckIPAddress, "0.0.0.0", true, nullptr},
    {"CheckIPAddress", CheckIPAddress, "256.1.1.1", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "1.2.3.256", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "1.2.3", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "1.2.3.4.5", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "10.100.100.1001", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "-1.2.3.4", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "1.2.3.", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "1.2.3.x", false, kBadIP},
    {"CheckIPAddress", CheckIPAddress, "", false, kBadIP},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "224.0.0.1", true, nullptr},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "239.255.255.255", true, nullptr},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "223.1.1.1", false, nullptr},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "240.0.0.1", false, nullptr},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "224.0.0.", false, nullptr},
    {"IsMulticastIPAddress", IsMulticastIPAddress, "224.0.0.300", false, nullptr},
    {"IsHexKey32", IsHexKey32, kHex32, true, nullptr},
    {"IsHexKey32", IsHexKey32, kHex32.substr(1), false, nullptr},
    {"IsHexKey32", IsHexKey32, kHex32 + "0", false, nullptr},
    {"IsHexKey32", IsHexKey32, "g" + kHex32.substr(1), false, nullptr},
    {"CheckNothing", CheckNothing, "anything at all", true, nullptr},
    {"IsMacAddress", IsMacAddress, "00-11-22-33-44-55", true, nullptr},
    {"IsMacAddress", IsMacAddress, "00.11.22.33.44.55", true, nullptr},
    {"IsMacAddress", IsMacAddress, "00:11:22:33:44:55", true, nullptr},
    {"IsMacAddress", IsMacAddress, "00:11-22-33-44-55", false, nullptr},
    {"IsMacAddress", IsMacAddress, "00112233aAbB", true, nullptr},
    {"IsMacAddress", IsMacAddress, "00-11-22-33-44", false, nullptr},
    {"IsMacAddress", IsMacAddress, "0011223344", false, nullptr},
    {"IsMacAddress", IsMacAddress, "001-11-22-33-44-55", false, nullptr},
    {"IsMacAddress", IsMacAddress, "0-11-22-33-44-55", false, nullptr},
    {"IsMacAddress", IsMacAddress, "00-11-22-33-44-5G", false, nullptr},
    {"IsMacAddress", IsMacAddress, "00-11-22.33-44-55", false, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "01-00-5E-00-00-01", true, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "FF-FF-FF-FF-FF-FF", false, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "ff-ff-ff-ff-ff-ff", false, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "01-00-00-00-00-00", false, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "0A-00-00-00-00-01", false, nullptr},
    {"IsMulticastMacAddress", IsMulticastMacAddress, "0a-00-00-00-00-01", false, nullptr},
    {"IsUnicastMacAddress", IsUnicastMacAddress, "00-11-22-33-44-55", true, nullptr},
    {"IsUnicastMacAddress", IsUnicastMacAddress, "00-00-00-00-00-00", false, nullptr},
    {"IsUnicastMacAddress", IsUnicastMacAddress, "01-00-5E-00-00-01", false, nullptr},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "0", true, nullptr},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "60", true, nullptr},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "1000000", true, nullptr},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "59", false, kBadTime},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "-1", false, kBadTime},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "1000001", false, kBadTime},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "4294967356", false, kBadTime},  // 2^32 + 60
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "00000000060", false, kBadTime},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "", false, kBadTime},
    {"CheckZeroOr60To1000000", CheckZeroOr60To1000000, "-", false, kBadTime},
};

class ValueCheck : public EditWindow, public ::testing::WithParamInterface<CheckCase> {};

}  // namespace

TEST_P(ValueCheck, AcceptsOrRefusesWithoutThrowing) {
  const CheckCase& c = GetParam();
  edit->Text = c.text;
  bool accepted = !c.accepted;
  EXPECT_NO_THROW(accepted = c.check(edit)) << c.name << " " << c.text;
  EXPECT_EQ(accepted, c.accepted) << c.name << " " << c.text;
  if (c.message) {
    ASSERT_EQ(boxes.Calls().size(), 1u) << c.name << " " << c.text;
    EXPECT_EQ(boxes.Calls().front().text, c.message);
  } else {
    EXPECT_TRUE(boxes.Calls().empty()) << c.name << " " << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(ValueChecks, ValueCheck, ::testing::ValuesIn(kCases));
