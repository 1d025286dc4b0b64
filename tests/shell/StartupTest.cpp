#include "Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

#include "Exception.h"
#include "NvSNMPError.h"
#include "NvSNMPSession.h"
#include "Registry.h"

namespace fs = std::filesystem;

namespace {

// Settings as the session start leaves them, and a MIB configuration folder of our own.
class StartupConfig : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("nv-startup-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    mibDir_ = dir_.string() + "/";
    DeviceAddress.clear();
    NvSNMPSetDefaultSettings();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A per-device file with the keys given, and after them (the first of a key wins) a
  // version-3 set of the numeric keys.
  void WriteDeviceFile(const std::string& address, const std::string& keys) {
    std::ofstream(dir_ / (address + ".cfg"))
        << "[Program Information]\r\n" << keys
        << "AgentPort=161\r\nVersion=3\r\nSecurityModel=3\r\nSecurityLevel=0\r\n"
        << "AuthProtocol=0\r\nPrivProtocol=0\r\n";
  }
  void Apply(const std::vector<std::string>& parameters) { ApplyParameters(parameters, mibDir_, texts_); }

  fs::path dir_;
  std::string mibDir_;
  TSessionTexts texts_;
};

TEST_F(StartupConfig, AddressAndCommunitiesWithoutDeviceFile) {
  Apply({"/I10.1.1.1", "/Rpublic", "/Wprivate"});
  EXPECT_EQ(DeviceAddress, "10.1.1.1");
  EXPECT_EQ(NvSNMPDevice::Address, "10.1.1.1");
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "public");
  EXPECT_EQ(NvSNMPSecurity::WriteCommunity, "private");
  EXPECT_EQ(texts_.ReadCommunityText, "public");
  EXPECT_EQ(texts_.WriteCommunityText, "private");
}

TEST_F(StartupConfig, SwitchMayStandAnywhereInAParameter) {
  Apply({"xx/I10.1.1.1", "/Rcomm/Iunity"});
  EXPECT_EQ(DeviceAddress, "unity");  // the community text holding /I made an address parameter
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "quorra");
}

TEST_F(StartupConfig, SwitchLettersAreCaseSensitive) {
  Apply({"/v3", "/a2", "/A secret", "/i10.0.0.1", "/r public"});
  EXPECT_EQ(NvSNMPSecurity::AuthProtocol, 2);
  EXPECT_EQ(NvSNMPSecurity::AuthPassword, " secret");
  EXPECT_EQ(DeviceAddress, "");
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "quorra");
}

TEST_F(StartupConfig, FileVersion3WithSecurityLevel0KeepsTheDefaultLevel) {
  WriteDeviceFile("10.2.2.2", "");
  Apply({"/I10.2.2.2", "/Rpublic"});
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
  EXPECT_EQ(texts_.VersionText, "3");
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 1);
  EXPECT_EQ(texts_.SecurityLevelText, "");
}

TEST_F(StartupConfig, FileCountsLevelAndProtocolsFromZeroTheCommandLineFromOne) {
  WriteDeviceFile("10.2.2.2", "SecurityLevel=2\r\nAuthProtocol=1\r\nPrivProtocol=1\r\n");
  Apply({"/I10.2.2.2", "/Rpublic"});
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 3);
  EXPECT_EQ(texts_.SecurityLevelText, "3");
  EXPECT_EQ(NvSNMPSecurity::AuthProtocol, 2);
  EXPECT_EQ(texts_.AuthProtocolText, "2");
  EXPECT_EQ(NvSNMPSecurity::PrivProtocol, 2);

  Apply({"/l2"});
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 2);
  EXPECT_EQ(texts_.SecurityLevelText, "2");
}

TEST_F(StartupConfig, FileIsAppliedAgainBeforeEveryNonAddressParameter) {
  WriteDeviceFile("10.3.3.3", "");
  Apply({"/I10.3.3.3", "/t1161", "/Rpublic"});
  EXPECT_EQ(NvSNMPDevice::Port, 161);
  EXPECT_EQ(texts_.AgentPortText, "161");

  Apply({"/I10.3.3.3", "/Rpublic", "/t1161"});
  EXPECT_EQ(NvSNMPDevice::Port, 1161);
  EXPECT_EQ(texts_.AgentPortText, "1161");

  Apply({"/v1", "matches nothing"});  // the file comes back also before an unknown parameter
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
}

TEST_F(StartupConfig, Version3SwitchWithoutFileAcceptsVersion3SwitchesButLeavesVersionText) {
  Apply({"/I10.4.4.4", "/v3", "/t1161", "/nadmin", "/l3", "/cctx", "/d8000abcd", "/m3", "/p2", "/Ppriv"});
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
  EXPECT_EQ(texts_.VersionText, "");
  EXPECT_EQ(NvSNMPDevice::Port, 1161);
  EXPECT_EQ(NvSNMPSecurity::SecurityName, "admin");
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 3);
  EXPECT_EQ(NvSNMPScope::ContextName, "ctx");
  EXPECT_EQ(NvSNMPScope::ContextEngineID, "8000abcd");
  EXPECT_EQ(NvSNMPSecurity::SecurityModel, 3);
  EXPECT_EQ(NvSNMPSecurity::PrivProtocol, 2);
  EXPECT_EQ(texts_.PrivPasswordText, "priv");
}

TEST_F(StartupConfig, Version3SwitchesAreIgnoredForOtherVersions) {
  Apply({"/I10.4.4.4", "/t1161", "/nadmin"});
  EXPECT_EQ(NvSNMPDevice::Port, 161);
  EXPECT_EQ(NvSNMPSecurity::SecurityName, "");
}

TEST_F(StartupConfig, ParametersBeforeTheAddressReadTheFileNamedSoFar) {
  WriteDeviceFile("", "");  // MIB configuration folder + ".cfg"
  Apply({"/Rpublic", "/I10.5.5.5"});
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
}

TEST_F(StartupConfig, EmptyFileTextsClearSomeSettingsAndLeaveOthers) {
  NvSNMPScope::ContextEngineID = "engine";
  NvSNMPSecurity::SecurityName = "user";
  NvSNMPScope::ContextName = "ctx";
  NvSNMPSecurity::AuthPassword = "auth";
  NvSNMPSecurity::PrivPassword = "priv";
  WriteDeviceFile("10.6.6.6", "ContextEngineID=\r\nSecurityName=\r\nContextName=\r\nAuthPassword=\r\nPrivPassword=\r\n");
  Apply({"/I10.6.6.6", "/Rpublic"});
  EXPECT_EQ(NvSNMPScope::ContextEngineID, "");
  EXPECT_EQ(NvSNMPSecurity::SecurityName, "");
  EXPECT_EQ(NvSNMPScope::ContextName, "ctx");
  EXPECT_EQ(NvSNMPSecurity::AuthPassword, "auth");
  EXPECT_EQ(NvSNMPSecurity::PrivPassword, "priv");
}

TEST_F(StartupConfig, AgentPortBeyond16BitsIsRefused) {
  WriteDeviceFile("10.7.7.7", "AgentPort=70000\r\n");
  try {
    Apply({"/I10.7.7.7", "/Rpublic"});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message.find("70000"), std::string::npos) << e.Message;
    EXPECT_NE(e.Message.find("65535"), std::string::npos) << e.Message;
  }
  EXPECT_EQ(NvSNMPDevice::Port, 161);
  EXPECT_THROW(Apply({"/v3", "/t65536"}), Exception);
  EXPECT_THROW(Apply({"/v3", "/t-1"}), Exception);
}

// A zero byte would end the message box's text inside the quoted value.
TEST_F(StartupConfig, ControlBytesOfARefusedValueAreShownEscaped) {
  struct Case {
    std::string agentPort;
    std::string shown;
  };
  const Case cases[] = {
      {std::string("16\0" "1", 4), "key AgentPort: '16\\x001' is not a valid integer value"},
      {"1\t2\x7F", "key AgentPort: '1\\x092\\x7F' is not"},
      {std::string("7\0", 2) + std::string(60, '9'), "key AgentPort: '7\\x00" + std::string(38, '9') + "...' is not"},
  };
  for (const Case& c : cases) {
    WriteDeviceFile("10.7.7.7", "AgentPort=" + c.agentPort + "\r\n");
    try {
      Apply({"/I10.7.7.7", "/Rpublic"});
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message.find('\0'), std::string::npos);
      EXPECT_NE(e.Message.find(c.shown), std::string::npos) << e.Message;
    }
  }
}

TEST_F(StartupConfig, NumbersAreConvertedStrictly) {
  for (const char* bad : {"/vthree", "/v", "/v 3", "/v0x3", "/v3.0", "/v99999999999"})
    EXPECT_THROW(Apply({bad}), Exception) << bad;
  std::ofstream(dir_ / "10.8.8.8.cfg") << "[Program Information]\nAgentPort=161\n";  // Version missing
  EXPECT_THROW(Apply({"/I10.8.8.8", "/Rpublic"}), Exception);
}

TEST_F(StartupConfig, AddressMustBeAnIpAddressOrAHostNameBeforeAnyFileIsNamedAfterIt) {
  for (const char* good : {"10.0.0.1", "::1", "fe80::1", "switch-7", "sw_1.lab.example"}) {
    EXPECT_NO_THROW(Apply({std::string("/I") + good})) << good;
    EXPECT_EQ(DeviceAddress, good);
  }
  DeviceAddress = "10.0.0.1";
  for (const char* bad : {"../evil", "a/b", "", "..", "a..b", "-lead", "10.0.0.256", "1.2.3", "name with blank",
                          "evil\\x", "255.255.255.255"}) {
    EXPECT_THROW(Apply({std::string("/I") + bad}), Exception) << bad;
    EXPECT_EQ(DeviceAddress, "10.0.0.1") << bad;
  }
}

TEST(StartupRegistry, ModuleAndMibConfigDirectories) {
  auto file = std::make_shared<TRegistryFile>(TRegistryFile::Parse(
      "REGEDIT4\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Modules\\HelpPath]\n"
      "\"1.3.6.1.4.1.32473.10.113.1.3\"=\"/opt/nv/modules/NVS7000D.dll\"\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath]\n"
      "\"Path\"=\"/opt/nv/bin/\"\n"));
  TRegistry reg(file);
  reg.RootKey = HKEY_LOCAL_MACHINE;
  bool opened = false;
  EXPECT_EQ(ReadModuleDirectory(reg, opened), "/opt/nv/modules/");
  EXPECT_TRUE(opened);
  EXPECT_EQ(ReadMibConfigDirectory(reg), "/opt/nv/bin/..\\Conf\\MBF\\");

  auto withMibFile = std::make_shared<TRegistryFile>(TRegistryFile::Parse(
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath]\n\"Path\"=\"/opt/nv/bin/\"\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile]\n\"Path\"=\"/srv/mbf/\"\n"));
  TRegistry reg2(withMibFile);
  reg2.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_EQ(ReadMibConfigDirectory(reg2), "/srv/mbf/");
  EXPECT_EQ(ReadModuleDirectory(reg2, opened), "");  // the key is made empty on opening
  EXPECT_TRUE(opened);

  TRegistry empty(std::make_shared<TRegistryFile>());
  empty.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_EQ(ReadMibConfigDirectory(empty), "");
}

TEST(StartupMessages, MessageFilesComeFromTheModuleDirectory) {
  fs::path dir = fs::temp_directory_path() / ("nv-errmsg-" + std::to_string(::getpid()));
  fs::create_directories(dir / "errmsg");
  std::ofstream(dir / "errmsg" / "snmp.err") << "\n(SNMP) Too big, from the file\n";
  LoadMessageFiles(dir.string() + "\\");  // a directory as the registry may write it
  EXPECT_EQ(NvSNMPErrors.Text(0), "(SNMP) Too big, from the file");
  EXPECT_EQ(NvSNMPUsmErrors.Text(0), NvSNMPUsmErrors.BuiltIn()[0]);  // no file: built-in texts
  fs::remove_all(dir);
}

}  // namespace
