#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "NvSNMPError.h"

namespace {

struct MapCase {
  int status;
  int code;
  const char* message;
};

TEST(NvSNMPMapError, EveryRangeBoundaryMapsToItsCodeAndText) {
  const MapCase cases[] = {
      {0, 0, "Ok!"},
      {1400, 0, "Ok!"},
      {-1401, 0, "Ok!"},
      {1399, -528, "Unknown error code!"},
      {1401, -301, "(SNMPv3USM) error!"},
      {1414, -314, "(SNMPv3USM) Address error!"},
      {1415, -528, "Unknown error code!"},
      {-1400, -528, "Unknown error code!"},
      {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
      {-1418, -217, "(SNMPv3) Report sent!"},
      {-1419, -528, "Unknown error code!"},
      {1, -101, "(SNMP) Response PDU Too Big!"},
      {2, -102, "(SNMP) Variable does not exist!"},
      {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
      {19, -528, "Unknown error code!"},
      {-1, -401, "(SNMPClass) Operation failed!"},
      {-5, -405, "(SNMPClass) SNMP request timed out!"},
      {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
      {-24, -528, "Unknown error code!"},
  };
  for (const MapCase& c : cases) {
    int code = 12345;
    std::string message;
    NvSNMPMapError(c.status, code, message);
    EXPECT_EQ(code, c.code) << "status " << c.status;
    EXPECT_EQ(message, c.message) << "status " << c.status;
  }
}

struct TextCase {
  int code;
  const char* text;
};

TEST(NvMessageTables, BuiltInTextsAreInForceForEveryRange) {
  const std::pair<NvMessageTable*, std::pair<const char*, int>> tables[] = {
      {&NvCommonErrors, {"common.err", 26}},      {&NvSNMPErrors, {"snmp.err", 18}},
      {&NvSNMPv3Errors, {"snmpv3.err", 17}},      {&NvSNMPUsmErrors, {"snmpusm.err", 14}},
      {&NvSNMPClassErrors, {"snmpclass.err", 23}}, {&NvFrameworkErrors, {"nvsnmp.err", 30}},
      {&NvSNMPMessages, {"snmp.msg", 2}},
  };
  ASSERT_EQ(NvMessageTables().size(), 7u);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(NvMessageTables()[i], tables[i].first);
    EXPECT_EQ(tables[i].first->Name(), tables[i].second.first);
    EXPECT_EQ(tables[i].first->Count(), tables[i].second.second) << tables[i].second.first;
  }

  const TextCase cases[] = {
      {0, "Ok!"},
      {-1, " Bad logic operand!"},
      {-2, " Bad format specifier of edit's constraint!"},
      {-110, "(SNMP) Cannot create/set variable, Wrong Value!"},
      {-210, "(SNMPv3) Community format error!"},
      {-308, "(SNMPv3USM) Authentication failure!"},
      {-409, "(SNMPClass)Unknown error code!"},
      {-420, "(SNMP Class) Transport is not supported!"},
      {-501, "Fail to read SNMP variables from file([FILENAME])!"},
      {-506, "Cannot create the global NvSNMP++ session!"},
      {-507, "Error when loading SNMP engine boots counter!"},
      {-508, "Error when saving SNMP engine boots counter!"},
      {-509, "Invalid IP Address or DNS name!"},
      {-510, "Can't send get-next command for a SNMP variable list with single value!"},
      {-519, "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"},
      {-528, "Unknown error code!"},
      {-529, "The agent answered out of order; the table may be incomplete!"},
      {-530, ""},
      {-100, ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(NvErrorText(c.code), c.text) << "code " << c.code;

  EXPECT_EQ(NvCommonErrors.Text(10),
            " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
            "Here,the count of the number is equal to [COUNT]!");
  EXPECT_EQ(NvCommonErrors.Text(25), " Please enter a valid unicast MAC address!");
  EXPECT_EQ(NvSNMPMessages.Text(0), "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
  EXPECT_EQ(NvSNMPMessages.Text(1), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST(NvThrowError, ThrowsTheCodesCurrentMessageWithTheCodeAsHelpContext) {
  try {
    NvThrowError(NvErr::BadAddress);
    FAIL() << "nothing thrown";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Invalid IP Address or DNS name!");
    EXPECT_EQ(e.HelpContext, -509);
  }
  try {
    NvThrowError(-2, "made by the caller");
    FAIL() << "nothing thrown";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "made by the caller");
    EXPECT_EQ(e.HelpContext, -2);
  }
}

// ---- Message files ----

class MessageFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return path_;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("nv-msg-" + std::to_string(::getpid()) + ".err")).string();
  NvMessageTable table_{"snmp.err", {"built-in 0", "built-in 1", "built-in 2"}};
};

TEST_F(MessageFile, BlankLinesAreSkippedAndDoNotCount) {
  NvReadTextLines(table_, Write("\n   \n\tfirst\n\n \t\r\nsecond\n\n"));
  EXPECT_EQ(table_.Count(), 2);
  EXPECT_EQ(table_.Text(0), "\tfirst");
  EXPECT_EQ(table_.Text(1), "second");
}

TEST_F(MessageFile, LineKeepsItsBlanksAndLosesOnlyItsLineEnd) {
  NvReadTextLines(table_, Write("  two blanks  \r\nlast without line end"));
  EXPECT_EQ(table_.Text(0), "  two blanks  ");
  EXPECT_EQ(table_.Text(1), "last without line end");
}

TEST_F(MessageFile, OnlyBlankLinesOrNoFileKeepTheTexts) {
  NvReadTextLines(table_, Write(" \n\r\n\t\n"));
  EXPECT_FALSE(table_.IsLoaded());
  NvReadTextLines(table_, path_ + ".missing");
  EXPECT_FALSE(table_.IsLoaded());
  EXPECT_EQ(table_.Text(1), "built-in 1");
}

TEST_F(MessageFile, LongLineIsReadAsPiecesOf1023Characters) {
  const std::string line(2500, 'x');
  NvReadTextLines(table_, Write(line + "\r\n" + std::string(1022, 'y') + "\r\nz\n"));
  ASSERT_EQ(table_.Count(), 5);
  EXPECT_EQ(table_.Text(0), std::string(1023, 'x'));
  EXPECT_EQ(table_.Text(1), std::string(1023, 'x'));
  EXPECT_EQ(table_.Text(2), std::string(454, 'x'));
  EXPECT_EQ(table_.Text(3), std::string(1022, 'y'));
  EXPECT_EQ(table_.Text(4), "z");
}

TEST_F(MessageFile, ShortFileFallsBackToBuiltInTextForMissingEntries) {
  NvReadTextLines(table_, Write("only one\n"));
  EXPECT_EQ(table_.Text(0), "only one");
  EXPECT_EQ(table_.Text(2), "built-in 2");
  EXPECT_EQ(table_.Text(3), "");
  EXPECT_EQ(table_.Text(-1), "");
}

TEST_F(MessageFile, LoadedSnmpErrTextsAreWhatTheMappingReports) {
  NvReadTextLines(NvSNMPErrors, Write("\n\n(SNMP) eins\n\n(SNMP) zwei\n"));
  int code = 0;
  std::string message;
  NvSNMPMapError(1, code, message);
  EXPECT_EQ(message, "(SNMP) eins");
  NvSNMPMapError(2, code, message);
  EXPECT_EQ(message, "(SNMP) zwei");
  NvSNMPMapError(3, code, message);
  EXPECT_EQ(message, "(SNMP) Cannot modify variable: Bad Value!");
  NvSNMPErrors.Replace(NvSNMPErrors.BuiltIn());  // leave the table as the other tests expect it
}

}  // namespace
