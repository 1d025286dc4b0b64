#include "Mainunit.h"
#include "ProgramEntry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ExtCtrls.h"
#include "GuiTesting.h"
#include "NvIni.h"
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

// A start with settings that can never work: a message naming the switch, or the file and
// key, and what is allowed; no main window; not one datagram sent to the address given.
struct RefusedStart {
  const char* what;
  std::vector<std::string> parameters;
  std::string deviceFile;  // keys for 127.0.0.1 before the SNMPv3 defaults (the first of a key wins)
  std::vector<std::string> expected;
};

class RefusedStarts : public MainFormStart {
 protected:
  void SetUp() override {
    MainFormStart::SetUp();
    agent_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ASSERT_GE(agent_, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(agent_, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    socklen_t length = sizeof at;
    ASSERT_EQ(::getsockname(agent_, reinterpret_cast<sockaddr*>(&at), &length), 0);
    port_ = ntohs(at.sin_port);
  }
  void TearDown() override {
    ::close(agent_);
    MainFormStart::TearDown();
  }
  // The message box of a start with these parameters; "" when the main window was made.
  std::string StartRefused(const std::vector<std::string>& parameters) {
    TTimer watchdog(nullptr);  // should a window open after all, it ends
    watchdog.Interval = 10000;
    watchdog.OnTimer = [](TObject*) { Application->Terminate(); };
    watchdog.Enabled = true;
    MainForm = nullptr;
    std::vector<std::string> texts = {"nvs7000d"};
    texts.insert(texts.end(), parameters.begin(), parameters.end());
    std::vector<char*> argv;
    for (std::string& t : texts) argv.push_back(t.data());
    argv.push_back(nullptr);
    const size_t before = answers_.Calls().size();
    EXPECT_EQ(ProgramEntry(static_cast<int>(texts.size()), argv.data()), 0);
    EXPECT_EQ(MainForm, nullptr);
    if (answers_.Calls().size() != before + 1) return "";
    EXPECT_EQ(answers_.Calls().back().kind, GuiTesting::BoxKind::Exception);
    return answers_.Calls().back().text;
  }
  bool AgentHeardSomething() {
    char buffer[64];
    return ::recv(agent_, buffer, sizeof buffer, 0) >= 0;
  }

  int agent_ = -1;
  uint16_t port_ = 0;
};

TEST_F(RefusedStarts, SettingsThatCanNeverWorkAreNamedAtStartAndNothingIsSent) {
  const std::string longText(100000, 'x');
  const std::string cfg = (dir_ / "bin" / ".." / "Conf" / "MBF" / "127.0.0.1.cfg").string();
  const std::vector<std::string> v3 = {"/I127.0.0.1", "/v3", "/nadmin"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> all = v3;
    all.insert(all.end(), more.begin(), more.end());
    return all;
  };
  const RefusedStart cases[] = {
      {"version 2", {"/I127.0.0.1", "/v2"}, "Version=0\n", {"Switch /v", "'2'", "0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)"}},
      {"version 7", {"/I127.0.0.1", "/v7"}, "Version=0\n", {"Switch /v", "'7'", "3 (SNMPv3)"}},
      {"file version 2", {"/I127.0.0.1", "/Rpublic"}, "Version=2\n", {cfg, "key Version", "1 (SNMPv2c)"}},
      {"no auth pass phrase", with({"/l2", "/a2"}), "", {"Switch /a", "authentication pass phrase", "8"}},
      {"short auth pass phrase", with({"/l2", "/a3", "/Ashort"}), "", {"Switch /A", "5 characters", "at least 8"}},
      {"short priv pass phrase", with({"/l3", "/a2", "/Alongenough", "/p2", "/Ptiny"}), "",
       {"Switch /P", "4 characters", "at least 8"}},
      {"authPriv without privacy", with({"/l3", "/a2", "/Alongenough"}), "", {"Switch /l", "privacy protocol"}},
      {"level 0", with({"/l0"}), "", {"Switch /l", "'0'", "1 (noAuthNoPriv), 2 (authNoPriv) or 3 (authPriv)"}},
      {"level 99", with({"/l99"}), "", {"Switch /l", "'99'", "3 (authPriv)"}},
      {"auth protocol 99", with({"/a99"}), "", {"Switch /a", "'99'", "1 (none), 2 (HMAC-MD5) or 3 (HMAC-SHA)"}},
      {"auth protocol -5", with({"/a-5"}), "", {"Switch /a", "'-5'", "3 (HMAC-SHA)"}},
      {"priv protocol 99", with({"/p99"}), "", {"Switch /p", "'99'", "1 (none) or 2 (DES)"}},
      {"huge community", {"/I127.0.0.1", "/R" + longText}, "Version=0\n", {"Switch /R", "100000", "at most 255"}},
      {"huge user", {"/I127.0.0.1", "/v3", "/n" + longText}, "", {"Switch /n", "100000", "at most 32"}},
      {"port 0", with({"/t0"}), "", {"Switch /t", "'0'", "between 1 and 65535"}},
      {"broadcast", {"/I255.255.255.255", "/Rpublic"}, "", {"Switch /I", "broadcast"}},
      {"file level overflow", {"/I127.0.0.1", "/Rpublic"}, "Version=3\nSecurityLevel=2147483647\n",
       {cfg, "key SecurityLevel", "'2147483647'", "0 (noAuthNoPriv), 1 (authNoPriv) or 2 (authPriv)"}},
      {"file auth overflow", {"/I127.0.0.1", "/Rpublic"}, "Version=3\nAuthProtocol=2147483647\n",
       {cfg, "key AuthProtocol", "0 (none), 1 (HMAC-MD5) or 2 (HMAC-SHA)"}},
      {"file priv overflow", {"/I127.0.0.1", "/Rpublic"}, "Version=3\nPrivProtocol=2147483647\n",
       {cfg, "key PrivProtocol", "0 (none) or 1 (DES)"}},
      {"file version text", {"/I127.0.0.1", "/Rpublic"}, "Version=\n", {cfg, "key Version", "''"}},
  };
  for (const RefusedStart& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(dir_ / "Conf" / "MBF" / "127.0.0.1.cfg")
        << "[Program Information]\nAgentPort=" << port_ << "\n" << c.deviceFile
        << "Version=3\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    const std::string message = StartRefused(c.parameters);
    for (const std::string& part : c.expected) EXPECT_NE(message.find(part), std::string::npos) << message;
    EXPECT_FALSE(AgentHeardSomething());
  }
}

// Files that are no regular file, or too big, stop the start with a message instead of a hang
// or an abort; nothing is read from outside the MIB configuration folder.
TEST_F(RefusedStarts, SpecialFilesAndAddressesOutsideTheFolderAreRefused) {
  std::ofstream(dir_ / "Conf" / "evil.cfg") << "[Program Information]\nAgentPort=" << port_ << "\nVersion=0\n";
  std::string message = StartRefused({"/I../evil", "/Rpublic"});
  EXPECT_NE(message.find("Switch /I"), std::string::npos) << message;
  EXPECT_NE(message.find("not an IPv4 address, an IPv6 address or a host name"), std::string::npos) << message;

  const fs::path cfg = dir_ / "bin" / ".." / "Conf" / "MBF" / "10.1.1.1.cfg";
  ASSERT_EQ(::mkfifo(cfg.c_str(), 0600), 0);
  message = StartRefused({"/I10.1.1.1", "/Rpublic"});
  EXPECT_NE(message.find(cfg.string() + "\" is not a regular file"), std::string::npos) << message;
  fs::remove(cfg);
  std::ofstream(cfg) << "[Program Information]\n" << std::string(NvIni::kMaxFileSize, ';');
  message = StartRefused({"/I10.1.1.1", "/Rpublic"});
  EXPECT_NE(message.find("is larger than"), std::string::npos) << message;
  fs::remove(cfg);

  const fs::path messages = dir_ / "module" / "errmsg" / "snmp.err";
  ASSERT_EQ(::mkfifo(messages.c_str(), 0600), 0);
  message = StartRefused({"/I10.1.1.1", "/Rpublic"});
  EXPECT_NE(message.find("The message file \"" + messages.string() + "\" is not a regular file"), std::string::npos)
      << message;
  fs::remove(messages);

  fs::remove(dir_ / "NvSNMP_PP_BootCounter");
  ASSERT_EQ(::mkfifo((dir_ / "NvSNMP_PP_BootCounter").c_str(), 0600), 0);
  message = StartRefused({"/I10.1.1.1", "/Rpublic"});
  EXPECT_NE(message.find("NvSNMP_PP_BootCounter\" is no regular file"), std::string::npos) << message;
  fs::remove(dir_ / "NvSNMP_PP_BootCounter");

  // A zero byte would have the system open some other file, and end the message there.
  std::ofstream(dir_ / "registry.reg")
      << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile]\n\"Path\"=\""
      << (dir_ / "Conf").string() << '\0' << "/MBF\\\\\"\n";
  message = StartRefused({"/I10.1.1.1", "/Rpublic"});
  EXPECT_NE(message.find("The per-device file \"" + (dir_ / "Conf").string() +
                         "\\x00/MBF/10.1.1.1.cfg\" is no file name: it holds a zero byte."),
            std::string::npos)
      << message;

  for (const std::string registry : {std::string("/dev/zero"), (dir_ / "registry.fifo").string()}) {
    if (registry != "/dev/zero") ASSERT_EQ(::mkfifo(registry.c_str(), 0600), 0);
    ::setenv("NV_REGISTRY_FILE", registry.c_str(), 1);
    message = StartRefused({"/I10.1.1.1", "/Rpublic"});
    EXPECT_NE(message.find("The registry file \"" + registry + "\" is not a regular file"), std::string::npos)
        << message;
  }
  EXPECT_FALSE(AgentHeardSomething());
}

TEST_F(MainFormStart, DeviceFileWithAByteOrderMarkIsRead) {
  WriteDeviceFile("10.2.2.2", "");
  std::ofstream(dir_ / "Conf" / "MBF" / "10.2.2.2.cfg")
      << "\xEF\xBB\xBF[Program Information]\r\nAgentPort=1161\r\nVersion=1\r\nSecurityModel=2\r\n"
         "SecurityLevel=0\r\nAuthProtocol=0\r\nPrivProtocol=0\r\n";
  auto form = Start({"/I10.2.2.2", "/Rpublic"});
  EXPECT_EQ(NvSNMPDevice::Port, 1161);
  EXPECT_EQ(NvSNMPSecurity::Version, 1);
}

}  // namespace
