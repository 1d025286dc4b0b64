// The MIB viewers' command lines, started through a recording launcher.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CommandRunner.h"
#include "GuiTesting.h"
#include "ViewerLaunch.h"
#include "WinExec.h"

namespace {

namespace fs = std::filesystem;

struct Started {
  std::string program;
  std::vector<std::string> args;
};

// A folder on PATH that holds an executable "MIB", and a launcher that records instead of starting.
class ViewerLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    DeviceAddress = "10.0.0.5";
    texts.ReadCommunityText = "quorra";
    texts.WriteCommunityText = "venthal";
    oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    dir = fs::temp_directory_path() / ("nv-viewers-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "MIB") << "#!/bin/sh\n";
    ::chmod((dir / "MIB").c_str(), 0755);
    setenv("PATH", (dir.string() + ":" + oldPath).c_str(), 1);
    SetProcessLauncher([this](const std::string& program, const std::vector<std::string>& args) {
      started.push_back({program, args});
      return true;
    });
  }
  void TearDown() override {
    SetProcessLauncher(nullptr);
    setenv("PATH", oldPath.c_str(), 1);
    fs::remove_all(dir);
  }

  TSessionTexts texts;
  std::vector<Started> started;
  std::string oldPath;
  fs::path dir;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(ViewerLaunch, VersionOneLineCarriesTheCommunitiesAndEndsWithABlank) {
  EXPECT_EQ(NvMakeViewerCommand(texts, "/TMIB_Info"), "MIB /I10.0.0.5 /Rquorra /Wventhal /TMIB_Info");
  NvCommandHost host;
  host.Texts = &texts;
  std::string title = "Basic Management: 10.0.0.5";
  host.CommandTitle = &title;
  NvRunMenuCommand(*NvFindMenuCommand("Information3"), host);  // MIB II > System Information
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].program, (dir / "MIB").string());
  EXPECT_EQ(started[0].args, (std::vector<std::string>{"/I10.0.0.5", "/Rquorra", "/Wventhal", "/TMIB_Info"}));
  EXPECT_EQ(title, "Basic Management: 10.0.0.5");  // a viewer leaves the last title
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(ViewerLaunch, VersionThreeLineCarriesElevenSwitchesInOrderEvenWhenEmpty) {
  texts.VersionText = "3";
  texts.AgentPortText = "161";
  texts.ContextEngineIDText = "";
  texts.SecurityModelText = "3";
  texts.SecurityNameText = "md5user";
  texts.SecurityLevelText = "2";
  texts.AuthProtocolText = "2";
  texts.PrivProtocolText = "1";
  texts.AuthPasswordText = "md5authpass";
  texts.PrivPasswordText = "";
  texts.ContextNameText = "";
  EXPECT_EQ(NvMakeViewerCommand(texts, "/TIFMib_LastChangeTable"),
            "IFMib /I10.0.0.5 /t161 /v3 /d /m3 /nmd5user /l2 /a2 /p1 /Amd5authpass /P /c /TIFMib_LastChangeTable");
  EXPECT_TRUE(NvRunViewer(texts, "/TMIB_IFTable", ""));
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].args, (std::vector<std::string>{"/I10.0.0.5", "/t161", "/v3", "/d", "/m3", "/nmd5user", "/l2",
                                                         "/a2", "/p1", "/Amd5authpass", "/P", "/c", "/TMIB_IFTable"}));
}

TEST_F(ViewerLaunch, VersionRaisedOnlyByTheSwitchKeepsTheCommunityForm) {
  texts.VersionText = "";  // "/v3" given, no per-device file
  EXPECT_EQ(NvMakeViewerCommand(texts, "/TRmon_Statistics"), "Rmon /I10.0.0.5 /Rquorra /Wventhal /TRmon_Statistics");
}

TEST_F(ViewerLaunch, MissingViewerProgramIsReportedNotIgnored) {
  NvCommandHost host;
  host.Texts = &texts;
  NvRunMenuCommand(*NvFindMenuCommand("IfTable1"), host);  // MIB II > IF Table; "MIB" exists
  ASSERT_EQ(started.size(), 1u);
  EXPECT_TRUE(boxes.Calls().empty());

  EXPECT_FALSE(NvRunViewer(texts, "/TEntityMIB_Physical", ""));  // no "EntityMIB" anywhere
  EXPECT_EQ(started.size(), 1u);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_NE(boxes.Calls()[0].text.find("EntityMIB"), std::string::npos) << boxes.Calls()[0].text;
  EXPECT_NE(boxes.Calls()[0].text.find("could not be started"), std::string::npos);
  EXPECT_EQ(boxes.Calls()[0].text.find("venthal"), std::string::npos);  // no access secrets in the box
}

TEST_F(ViewerLaunch, LauncherFailureIsReported) {
  SetProcessLauncher([](const std::string&, const std::vector<std::string>&) { return false; });
  EXPECT_FALSE(NvRunViewer(texts, "/TMIB_Info", ""));
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

}  // namespace
