#include "Paths.h"
#include "WinExec.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct SplitCase {
  const char* line;
  std::vector<std::string> args;
};

class CommandLineSplitting : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplitting, FollowsTheWindowsRuntimeRules) {
  EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineSplitting,
    testing::Values(
        SplitCase{"MIB /I10.0.0.5 /Rpublic /Wprivate /TMIB_Info ",
                  {"MIB", "/I10.0.0.5", "/Rpublic", "/Wprivate", "/TMIB_Info"}},
        SplitCase{"  tool\t a  b\t", {"tool", "a", "b"}},
        SplitCase{"MIB /Rmy community", {"MIB", "/Rmy", "community"}},
        SplitCase{"tool \"a b\" c", {"tool", "a b", "c"}},
        SplitCase{"tool x\"a b\"y", {"tool", "xa by"}},
        SplitCase{"tool \"\" end", {"tool", "", "end"}},
        SplitCase{"tool a\\\\b c\\", {"tool", "a\\\\b", "c\\"}},
        SplitCase{"tool a\\\"b", {"tool", "a\"b"}},
        SplitCase{"tool a\\\\\\\"b", {"tool", "a\\\"b"}},
        SplitCase{"tool \"a\\\\\" b", {"tool", "a\\", "b"}},
        SplitCase{"tool \"a\"\"b\"", {"tool", "a\"b"}},
        SplitCase{"\"C:\\Program Files\\x.exe\" a", {"C:\\Program Files\\x.exe", "a"}},
        SplitCase{"", {}}));

struct Launch {
  std::string program;
  std::vector<std::string> args;
  int calls = 0;
};

// A folder on PATH holding executable files, and a launcher that only records.
class WinExecLaunch : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("nv-winexec-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (dir_.string() + ":" + oldPath_).c_str(), 1);
    SetProcessLauncher([this](const std::string& program, const std::vector<std::string>& args) {
      launch_.program = program;
      launch_.args = args;
      ++launch_.calls;
      return launcherSucceeds_;
    });
  }
  void TearDown() override {
    SetProcessLauncher(nullptr);
    ::setenv("PATH", oldPath_.c_str(), 1);
    for (const fs::path& p : extra_) fs::remove(p);
    fs::remove_all(dir_);
  }
  fs::path MakeExecutable(const fs::path& p) {
    std::ofstream(p) << "#!/bin/sh\n";
    fs::permissions(p, fs::perms::owner_all);
    return p;
  }

  fs::path dir_;
  std::string oldPath_;
  std::vector<fs::path> extra_;
  Launch launch_;
  bool launcherSucceeds_ = true;
};

TEST_F(WinExecLaunch, StartsTheProgramFoundOnPathWithItsArguments) {
  fs::path tool = MakeExecutable(dir_ / "nvtool");
  EXPECT_GT(WinExec("nvtool /I10.0.0.5 \"a b\" ", SW_SHOW), 31u);
  EXPECT_EQ(launch_.program, tool.string());
  EXPECT_EQ(launch_.args, (std::vector<std::string>{"/I10.0.0.5", "a b"}));
}

TEST_F(WinExecLaunch, ProgramWithAFolderIsTakenAsGivenWithBackslashesAsSeparators) {
  fs::path tool = MakeExecutable(dir_ / "nvtool");
  EXPECT_GT(WinExec("\"" + dir_.string() + "\\nvtool\" /x", SW_SHOW), 31u);
  EXPECT_EQ(launch_.program, tool.string());
}

TEST_F(WinExecLaunch, ProgramFolderComesBeforePath) {
  MakeExecutable(dir_ / "nvtool-own");
  fs::path own = fs::read_symlink("/proc/self/exe").parent_path() / "nvtool-own";
  extra_.push_back(MakeExecutable(own));
  EXPECT_GT(WinExec("nvtool-own", SW_SHOW), 31u);
  EXPECT_EQ(launch_.program, own.string());
}

TEST_F(WinExecLaunch, MissingOrNonExecutableProgramIsNotStarted) {
  std::ofstream(dir_ / "plainfile") << "data";
  EXPECT_EQ(WinExec("nvtool-missing /Ix", SW_SHOW), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec("plainfile", SW_SHOW), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec("   ", SW_SHOW), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(launch_.calls, 0);
}

TEST_F(WinExecLaunch, FailedStartGivesASmallCode) {
  MakeExecutable(dir_ / "nvtool");
  launcherSucceeds_ = false;
  EXPECT_EQ(WinExec("nvtool", SW_SHOW), ERROR_BAD_FORMAT);
}

TEST_F(WinExecLaunch, RealLauncherStartsTheProgramDetached) {
  SetProcessLauncher(nullptr);
  fs::path made = dir_ / "made by touch";
  ASSERT_GT(WinExec("touch \"" + made.string() + "\"", SW_SHOW), 31u);
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!fs::exists(made) && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(made));
}

TEST_F(WinExecLaunch, NonAsciiArgumentsReachTheViewerInANonAsciiFolderByteForByte) {
  SetProcessLauncher(nullptr);
  const fs::path folder = dir_ / "Просмотр é";
  fs::create_directories(folder);
  const fs::path viewer = folder / "MIB";
  std::ofstream(viewer) << "#!/bin/sh\n"
                           "out=\"$(dirname \"$0\")/args\"\n"
                           "printf '%s\\n' \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n";
  fs::permissions(viewer, fs::perms::owner_all);
  ASSERT_GT(WinExec("\"" + viewer.string() + "\" /I10.0.0.5 /Rquorré /W\xE9 /TMIB_Info", SW_SHOW), 31u);
  const fs::path args = folder / "args";
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(args) && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(args, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // UTF-8 as it came, and a byte that is no UTF-8 at all unchanged too.
  EXPECT_EQ(text, "/I10.0.0.5\n/Rquorr\xC3\xA9\n/W\xE9\n/TMIB_Info\n");
}

TEST(WinHelp, OpensAnExistingHelpFileWithTheDesktopOpener) {
  const fs::path dir = fs::temp_directory_path() / ("nv-help-" + std::to_string(::getpid())) / "Справка";
  fs::create_directories(dir);
  const std::string help = (dir / "NVS-7000-D_B1_20110304.hlp").string();
  std::ofstream(help) << "help";
  std::vector<std::string> opened;
  SetDocumentOpener([&](const std::string& f) {
    opened.push_back(f);
    return true;
  });
  EXPECT_TRUE(WinHelp(nullptr, help, HELP_CONTENTS, 0));
  EXPECT_TRUE(WinHelp(nullptr, help, HELP_QUIT, 0));
  EXPECT_FALSE(WinHelp(nullptr, help + ".missing", HELP_CONTENTS, 0));  // never handed on
  SetDocumentOpener(nullptr);
  fs::remove_all(dir.parent_path());
  EXPECT_EQ(opened, std::vector<std::string>{help});
}

TEST(PlatformPath, BackslashesBecomeFolderSeparators) {
  EXPECT_EQ(PlatformPath("/opt/nv/errmsg\\common.err"), "/opt/nv/errmsg/common.err");
  EXPECT_EQ(PlatformPath("/opt/vistrel/bin/..\\Conf\\MBF\\10.0.0.5.cfg"),
            "/opt/vistrel/bin/../Conf/MBF/10.0.0.5.cfg");
  EXPECT_EQ(PlatformPath("plain.cfg"), "plain.cfg");
}

}  // namespace
