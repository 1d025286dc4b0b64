#include <gtest/gtest.h>

#include <stdexcept>

#include "NvOptionList.h"

namespace {

const NvOptionPair DisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const NvOptionTextPair AuthProtocols[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {nullptr, nullptr}};

TEST(NvOptionList, IntegerValuesAndNamesConvertBothWaysWithoutCase) {
  NvOptionList list(DisabledEnabled);
  struct Case {
    const char* text;
    const char* name;   // ValueToName(text)
    const char* value;  // NameToValue(text)
  };
  const Case cases[] = {
      {"3", "enabled", "3"},      {"ENABLED", "ENABLED", "3"}, {"4", "4", "4"},
      {"on", "on", "on"},         {"(NULL)", "(NULL)", "(NULL)"}, {"abc", "abc", "abc"},
      {" 2", "disabled", " 2"},   {"$3", "enabled", "$3"},    {"0x2", "disabled", "0x2"},
      {"3 ", "3 ", "3 "},         {"99999999999", "99999999999", "99999999999"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(list.ValueToName(c.text), c.name);
    EXPECT_EQ(list.NameToValue(c.text), c.value);
  }
  EXPECT_EQ(list.FindValue("(NULL)"), -1);
  EXPECT_EQ(list.FindValue("three"), -1);
}

TEST(NvOptionList, SourceEndsAtTheFirstNullName) {
  const NvOptionPair source[] = {{1, "a"}, {8, nullptr}, {9, "b"}};
  NvOptionList list(source);
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.ValueToName("8"), "8");
  EXPECT_EQ(NvOptionTableCount(source), 1);
  EXPECT_EQ(NvOptionTableCount(static_cast<const NvOptionPair*>(nullptr)), 0);
  EXPECT_EQ(NvOptionList(static_cast<const NvOptionPair*>(nullptr)).GetCount(), 0);
}

TEST(NvOptionList, FirstOfTwoEqualNamesWins) {
  const NvOptionPair source[] = {{1, "same"}, {2, "Same"}, {0, nullptr}};
  NvOptionList list(source);
  EXPECT_EQ(list.FindName("SAME"), 0);
  EXPECT_EQ(list.NameToValue("same"), "1");
  NvOptionList exact(source, NvOptionList::IntValues, true);
  EXPECT_EQ(exact.FindName("Same"), 1);
  EXPECT_EQ(exact.FindName("SAME"), -1);
}

TEST(NvOptionList, TextValuesConvertWholeTexts) {
  NvOptionList list(AuthProtocols);
  EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.2"), "MD5");
  EXPECT_EQ(list.NameToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
  EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.2.0"), "1.3.6.1.6.3.10.1.1.2.0");
  EXPECT_EQ(list.FindValue("(NULL)"), -1);
}

TEST(NvOptionList, PrefixValuesKeepTheTail) {
  const NvOptionTextPair source[] = {{"1.3.6.1.6.3.10.1.1", "usm"}, {nullptr, nullptr}};
  NvOptionList list(source, NvOptionList::TextPrefixes);
  EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.2"), "usm.2");
  EXPECT_EQ(list.NameToValue("usm.2"), "1.3.6.1.6.3.10.1.1.2");
  EXPECT_EQ(list.NameToValue("USM"), "1.3.6.1.6.3.10.1.1");
  EXPECT_EQ(list.ValueToName("1.3.6.1.6"), "1.3.6.1.6");  // shorter than the value
  EXPECT_EQ(list.NameToValue("us"), "us");
}

TEST(NvOptionList, BuildReplacesAndClearEmpties) {
  NvOptionList list;
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.ValueToName("2"), "2");
  list.Build(DisabledEnabled);
  list.Build(DisabledEnabled);
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetOption(1).Name, "enabled");
  list.Build(AuthProtocols);
  EXPECT_EQ(list.GetKind(), NvOptionList::TextValues);
  EXPECT_EQ(list.ValueToName("1.3.6.1.6.3.10.1.1.1"), "None");
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_THROW(list.GetOption(0), std::out_of_range);
}

TEST(NvOptionList, IntegerSourceWithTextKindComparesDecimalTexts) {
  NvOptionList list(DisabledEnabled, NvOptionList::TextValues);
  EXPECT_EQ(list.ValueToName("3"), "enabled");
  EXPECT_EQ(list.ValueToName("$3"), "$3");
}

TEST(NvOptionList, UnknownKindsAreRefused) {
  NvOptionList list;
  EXPECT_THROW(list.Build(DisabledEnabled, 0), std::invalid_argument);
  EXPECT_THROW(list.Build(DisabledEnabled, 4), std::invalid_argument);
  EXPECT_THROW(list.Build(AuthProtocols, NvOptionList::IntValues), std::invalid_argument);
}

}  // namespace
