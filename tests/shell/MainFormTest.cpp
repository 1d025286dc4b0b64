#include "Mainunit.h"
#include "ProgramEntry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

#include "ExtCtrls.h"
#include "GuiTesting.h"
#include "NvSNMPError.h"
#include "NvSNMPSession.h"

namespace fs = std::filesystem;

namespace {

// A registry file naming a module folder with message files and a MIB configuration folder;
// the working folder (where the session keeps its boot counter) is the test's own.
class MainFormStart : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("nv-mainform-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "module" / "errmsg");
    fs::create_directories(dir_ / "Conf" / "MBF");
    fs::create_directories(dir_ / "bin");
    std::ofstream(dir_ / "registry.reg")
        << "REGEDIT4\n\n"
        << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Modules\\HelpPath]\n"
        << "\"1.3.6.1.4.1.32473.10.113.1.3\"=\"" << (dir_ / "module").string() << "/NVS7000D.dll\"\n\n"
        << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath]\n"
        << "\"Path\"=\"" << (dir_ / "bin").string() << "\\\\\"\n";
    ::setenv("NV_REGISTRY_FILE", (dir_ / "registry.reg").c_str(), 1);
    oldDir_ = fs::current_path();
    fs::current_path(dir_);
    DeviceAddress.clear();
  }
  void TearDown() override {
    fs::current_path(oldDir_);
    ::unsetenv("NV_REGISTRY_FILE");
    fs::remove_all(dir_);
  }
  void WriteDeviceFile(const std::string& address, const std::string& body) {
    std::ofstream(dir_ / "Conf" / "MBF" / (address + ".cfg")) << "[Program Information]\n" << body;
  }
  std::unique_ptr<TMainForm> Start(std::vector<std::string> parameters) {
    ProgramParameters = std::move(parameters);
    return std::make_unique<TMainForm>(nullptr);
  }

  fs::path dir_;
  fs::path oldDir_;
  GuiTesting::ScriptedAnswerer answers_;
};

TEST_F(MainFormStart, CommunitiesWithoutDeviceFileGiveVersion1AndNoSnmpV3Menu) {
  auto form = Start({"/I10.1.1.1", "/Rpublic", "/Wprivate"});
  EXPECT_EQ(NvSNMPDevice::Address, "10.1.1.1");
  EXPECT_EQ(NvSNMPSecurity::Version, 0);
  EXPECT_EQ(form->ReadCommunityText, "public");
  EXPECT_EQ(form->WriteCommunityText, "private");
  EXPECT_FALSE(form->SNMPv31->Enabled);
  EXPECT_FALSE(form->DeviceEquipmentManagement1->Visible);
  EXPECT_TRUE(answers_.Calls().empty());
}

TEST_F(MainFormStart, DeviceFileInTheMibConfigurationFolderMakesVersion3) {
  WriteDeviceFile("10.2.2.2", "AgentPort=1161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\n"
                              "SecurityName=admin\nAuthProtocol=1\nPrivProtocol=0\n");
  auto form = Start({"/I10.2.2.2", "/Rpublic"});
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
  EXPECT_EQ(NvSNMPDevice::Port, 1161);
  EXPECT_EQ(NvSNMPSecurity::SecurityLevel, 1);
  EXPECT_EQ(NvSNMPSecurity::AuthProtocol, 2);
  EXPECT_EQ(form->VersionText, "3");
  EXPECT_EQ(form->SecurityNameText, "admin");
  EXPECT_TRUE(form->SNMPv31->Enabled);
}

TEST_F(MainFormStart, Version3SwitchWithoutFileEnablesTheMenuButLeavesVersionText) {
  auto form = Start({"/I10.4.4.4", "/v3", "/nadmin"});
  EXPECT_EQ(NvSNMPSecurity::Version, 3);
  EXPECT_EQ(NvSNMPSecurity::SecurityName, "admin");
  EXPECT_EQ(form->VersionText, "");
  EXPECT_TRUE(form->SNMPv31->Enabled);
}

TEST_F(MainFormStart, SessionStartsWithDefaultsBeforeTheParametersApply) {
  NvSNMPSecurity::ReadCommunity = "left over";
  NvSNMPDevice::Port = 999;
  auto form = Start({"/I10.1.1.1"});
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "quorra");
  EXPECT_EQ(NvSNMPDevice::Port, 161);
  EXPECT_NE(NvSNMPGlobalSession, nullptr);
}

TEST_F(MainFormStart, MessageFilesComeFromTheModuleFolderNamedInTheRegistry) {
  std::ofstream(dir_ / "module" / "errmsg" / "snmpclass.err") << "(SNMPClass) from the module folder\n";
  auto form = Start({"/I10.1.1.1"});
  EXPECT_EQ(NvSNMPClassErrors.Text(0), "(SNMPClass) from the module folder");
}

TEST_F(MainFormStart, NoParameterInputIsShownAndEndsTheProgram) {
  // Should the program not end, the watchdog ends the message loop.
  TTimer watchdog(nullptr);
  watchdog.Interval = 10000;
  watchdog.OnTimer = [](TObject*) { Application->Terminate(); };
  watchdog.Enabled = true;
  MainForm = nullptr;
  char name[] = "nvs7000d";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(ProgramEntry(1, argv), 0);
  ASSERT_EQ(answers_.Calls().size(), 1u);
  EXPECT_EQ(answers_.Calls()[0].kind, GuiTesting::BoxKind::ShowMessage);
  EXPECT_EQ(answers_.Calls()[0].text, "No parameter input");
  EXPECT_TRUE(Application->Terminated);
  EXPECT_EQ(NvSNMPSecurity::ReadCommunity, "quorra");  // the window completed with defaults
  EXPECT_EQ(Application->MainForm, nullptr);           // and went with the end of the loop
}

TEST_F(MainFormStart, AgentPortOutside16BitsIsShownAndNoMainWindowIsMade) {
  WriteDeviceFile("10.7.7.7", "AgentPort=70000\nVersion=3\n");
  TTimer watchdog(nullptr);
  watchdog.Interval = 10000;
  watchdog.OnTimer = [](TObject*) { Application->Terminate(); };
  watchdog.Enabled = true;
  MainForm = nullptr;
  char name[] = "nvs7000d", address[] = "/I10.7.7.7", community[] = "/Rpublic";
  char* argv[] = {name, address, community, nullptr};
  EXPECT_EQ(ProgramEntry(3, argv), 0);
  EXPECT_EQ(MainForm, nullptr);
  ASSERT_EQ(answers_.Calls().size(), 1u);
  EXPECT_EQ(answers_.Calls()[0].kind, GuiTesting::BoxKind::Exception);
  EXPECT_EQ(answers_.Calls()[0].title, "NVS-7000-D");
  EXPECT_NE(answers_.Calls()[0].text.find("70000"), std::string::npos) << answers_.Calls()[0].text;
}

}  // namespace
