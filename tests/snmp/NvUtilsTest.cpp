#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "NvBinaryString.h"
#include "NvDateTime.h"
#include "NvIni.h"
#include "NvNumList.h"
#include "NvUtils.h"

namespace {

// ---- NvNumList ----

struct NumListCase {
  const char* text;
  char delimiter;
  std::vector<int> items;
};

TEST(NvNumList, ParsesDelimitedDigitsWithEmptyPartsAndTruncatedFractions) {
  const NumListCase cases[] = {
      {"1,2,,5", ',', {1, 2, 0, 5}},
      {"", ',', {}},
      {"7", ',', {7}},
      {"3.5.7", '.', {3, 5, 7}},
      {"3.9,4", ',', {3, 4}},
      {"12,", ',', {12, 0}},
      {"1.3.6.1.4.1.32473", '.', {1, 3, 6, 1, 4, 1, 32473}},
  };
  for (const NumListCase& c : cases) {
    NvNumList<int> list;
    list.Delimiter = c.delimiter;
    list = c.text;
    EXPECT_EQ(list.Count, int(c.items.size())) << c.text;
    EXPECT_EQ(list.Items, c.items) << c.text;
  }
}

TEST(NvNumList, NewListSplitsAtDotsAndNullTextGivesNoItems) {
  NvNumList<int> list;
  EXPECT_EQ(list.Delimiter, '.');
  list = "4.2";
  EXPECT_EQ(list.Count, 2);
  list = static_cast<const char*>(nullptr);
  EXPECT_EQ(list.Count, 0);
  EXPECT_EQ(list.CountItems(static_cast<const char*>(nullptr)), 0);
  EXPECT_EQ(list.CountItems("a.b..c"), 4);
}

TEST(NvNumList, IndexOfFindsTheFirstEqualItem) {
  NvNumList<int> list;
  list.Delimiter = ',';
  list = "4,9,4";
  EXPECT_EQ(list.IndexOf(4), 0);
  EXPECT_EQ(list.IndexOf(9), 1);
  EXPECT_EQ(list.IndexOf(5), -1);
  EXPECT_EQ(list.GetItem(2), 4);
}

TEST(NvNumList, AllInRangeComparesUnsignedAndHoldsForEmptyList) {
  NvNumList<unsigned int> list;
  list.Delimiter = ',';
  list = "0,5";
  EXPECT_FALSE(list.AllInRange(1, 28));
  list = "1,28";
  EXPECT_TRUE(list.AllInRange(1, 28));
  list = "1,29";
  EXPECT_FALSE(list.AllInRange(1, 28));
  list = "";
  EXPECT_TRUE(list.AllInRange(1, 28));
}

TEST(NvNumList, CharactersOtherThanDigitsCountByTheirCode) {
  NvNumList<int> list;
  list.Delimiter = ',';
  list = " 1";  // a blank is digit -16
  EXPECT_EQ(list.GetItem(0), -16 * 10 + 1);
}

// ---- NvDateTime ----

TEST(NvDateTime, TextWithoutZoneReadsAndFormatsBack) {
  NvDateTime t("1992-5-26,13:30:15.0");
  EXPECT_EQ(t.Year, 1992);
  EXPECT_EQ(t.Month, 5);
  EXPECT_EQ(t.Day, 26);
  EXPECT_EQ(t.Hour, 13);
  EXPECT_EQ(t.Minutes, 30);
  EXPECT_EQ(t.Seconds, 15);
  EXPECT_EQ(t.DeciSeconds, 0);
  EXPECT_EQ(t.Direction, '+');
  EXPECT_EQ(t.UtcHours, 0);
  EXPECT_EQ(t.UtcMinutes, 0);
  EXPECT_EQ(t.ToString(), "1992-5-26,13:30:15.0");
}

TEST(NvDateTime, ZoneKeepsItsDirectionAndFormatsBack) {
  for (const char* text : {"1992-5-26,13:30:15.0,-4:0", "2011-3-4,13:30:15.7,+5:30"}) {
    NvDateTime t(text);
    EXPECT_EQ(t.ToString(), text);
  }
  NvDateTime west("1992-5-26,13:30:15.0,-4:0");
  EXPECT_EQ(west.Direction, '-');
  EXPECT_EQ(west.UtcHours, 4);
  EXPECT_EQ(NvDateTime("1992-5-26,13:30:15.0,+0:0").ToString(), "1992-5-26,13:30:15.0");
}

TEST(NvDateTime, NumbersAreTruncatedToTheirFieldWidth) {
  NvDateTime t("70000-257-3,0:0:0.0");
  EXPECT_EQ(t.Year, uint16_t(70000));
  EXPECT_EQ(t.Month, 1);
}

TEST(NvDateTime, UnreadableTextLeavesZeroFields) {
  NvDateTime t("garbage");
  EXPECT_EQ(t.ToString(), "0-0-0,0:0:0.0");
  EXPECT_EQ(NvDateTime("2020-1").ToString(), "2020-1-0,0:0:0.0");
}

TEST(NvDateTime, IsElevenOctetsWithSwappableYear) {
  NvDateTime t("2011-3-4,13:30:15.0,-4:0");
  t.SwapYearBytes();
  const unsigned char* o = t.Octets();
  const unsigned char wire[11] = {0x07, 0xDB, 3, 4, 13, 30, 15, 0, '-', 4, 0};
  EXPECT_EQ(std::vector<unsigned char>(o, o + 11), std::vector<unsigned char>(wire, wire + 11));
  t.SwapYearBytes();
  EXPECT_EQ(t.Year, 2011);
  NvDateTime copy;
  copy = t;
  EXPECT_EQ(copy.ToString(), "2011-3-4,13:30:15.0,-4:0");
}

TEST(NvDateTime, DefaultIsNowWithoutZone) {
  NvDateTime now;
  EXPECT_GE(now.Year, 2024);
  EXPECT_GE(now.Month, 1);
  EXPECT_LE(now.Month, 12);
  EXPECT_EQ(now.DeciSeconds, 0);
  EXPECT_EQ(now.Direction, '+');
  EXPECT_EQ(now.UtcHours, 0);
}

// ---- NvIni ----

class IniFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(path_, std::ios::binary)
        << "; device settings\r\n"
           "[Other]\r\n"
           "Port=1\r\n"
           "[program information]\r\n"
           "  PORT =  1161  \r\n"
           "Community=\"  quoted  \"\r\n"
           "Empty=\r\n"
           "Tabbed=\tv3\t\r\n"
           "Port=2\r\n"
           "[Program Information]\r\n"
           "Version=3\r\n";
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("nv-ini-" + std::to_string(::getpid()) + ".cfg")).string();
};

struct IniCase {
  const char* section;
  const char* key;
  const char* defaultValue;
  const char* result;
};

TEST_F(IniFile, ReadsTrimmedValuesIgnoringCaseWithDefaultsForMissingKeys) {
  const IniCase cases[] = {
      {"Program Information", "Port", "", "1161"},       // first section and key of that name
      {"PROGRAM INFORMATION", "port", "", "1161"},
      {"Other", "Port", "", "1"},
      {"Program Information", "Community", "", "quoted"}, // quotes removed, then trimmed
      {"Program Information", "Tabbed", "", "v3"},
      {"Program Information", "Version", "", ""},         // a later duplicate section is not read
      {"Program Information", "Missing", " dflt ", "dflt"},
      {"Program Information", "Empty", "dflt", "dflt"},
      {"Program Information", "Missing", "   ", "   "},  // nothing left of it: unchanged
      {"No Such Section", "Port", "", ""},
  };
  NvIni ini(path_);
  for (const IniCase& c : cases)
    EXPECT_EQ(ini.ReadString(c.section, c.key, c.defaultValue), c.result) << c.section << "/" << c.key;
  EXPECT_EQ(NvIni(path_ + ".missing").ReadString("Program Information", "Port", "161"), "161");
}

// ---- Small helpers ----

TEST(NvIntPower, MultipliesExponentTimesFromOne) {
  EXPECT_EQ(NvIntPower(2, 0), 1);
  EXPECT_EQ(NvIntPower(2, 10), 1024);
  EXPECT_EQ(NvIntPower(-3, 3), -27);
  EXPECT_EQ(NvIntPower(10, 9), 1000000000);
}

TEST(NvReplaceAll, ReplacesLeftToRightWithoutRescanningInsertedText) {
  EXPECT_EQ(NvReplaceAll("a[X]b[X]", "[X]", "[X][X]"), "a[X][X]b[X][X]");
  EXPECT_EQ(NvReplaceAll("Get: [ERROR] Request:[VARLIST].", "[ERROR]", "Ok!"),
            "Get: Ok! Request:[VARLIST].");
  EXPECT_EQ(NvReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(NvReplaceAll("text", "", "x"), "text");
  EXPECT_EQ(NvReplaceAll("text", "t", ""), "ex");
}

TEST(NvSpanEnd, GivesTheLastPositionOfTheRunInTheSet) {
  const std::string text = "ab12345cd";
  EXPECT_EQ(NvSpanEnd(text, 3, "0123456789"), 7);
  EXPECT_EQ(NvSpanEnd(text, 6, "0123456789"), 7);
  EXPECT_EQ(NvSpanEnd(text, 1, "0123456789"), 0);
  EXPECT_EQ(NvSpanEnd(text, 8, "cd"), 9);
  EXPECT_EQ(NvSpanEnd(text, 10, "cd"), 0);
  EXPECT_EQ(NvSpanEnd(text, 0, "a"), 0);
}

TEST(NvTrim, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(NvTrim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(NvTrim(" \t "), "");
}

TEST(NvSplit, KeepsEmptyPartsBetweenAndAtTheEnds) {
  EXPECT_EQ(NvSplit("a..b", '.'), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(NvSplit(".a.", '.'), (std::vector<std::string>{"", "a", ""}));
  EXPECT_EQ(NvSplit("", '.'), (std::vector<std::string>{""}));
}

TEST(NvBinaryString, StartsEmptyAndOwnsACopy) {
  NvBinaryString b;
  EXPECT_EQ(b.Length(), 0);
  EXPECT_EQ(b.Data(), nullptr);
  const unsigned char bytes[] = {1, 2, 3};
  b.Assign(bytes, 3);
  EXPECT_EQ(b.Length(), 3);
  EXPECT_EQ(b.Data()[2], 3);
}

}  // namespace
