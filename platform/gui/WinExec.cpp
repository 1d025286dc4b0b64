#include "WinExec.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <cerrno>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Paths.h"

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Detached through a second fork, so no child is left for us to reap; the arguments go to
// the program byte for byte. The first child reports a failed exec through a pipe that a
// successful exec closes.
bool RealLauncher(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
    ::execv(program.c_str(), argv.data());
    const int error = errno;
    (void)!::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t n;
  while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

bool RealOpener(const std::string& fileName) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(fileName))));
}

TProcessLauncher& Launcher() {
  static TProcessLauncher launcher = RealLauncher;
  return launcher;
}

TDocumentOpener& Opener() {
  static TDocumentOpener opener = RealOpener;
  return opener;
}

bool IsExecutableFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

fs::path OwnFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe.parent_path();
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  const size_t n = line.size();
  while (i < n && IsBlank(line[i])) ++i;
  if (i == n) return args;

  // The program: quotes only group, backslashes are plain characters.
  std::string program;
  bool quoted = false;
  for (; i < n && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == '"')
      quoted = !quoted;
    else
      program += line[i];
  }
  args.push_back(program);

  for (;;) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i == n) break;
    std::string arg;
    quoted = false;
    while (i < n && (quoted || !IsBlank(line[i]))) {
      if (line[i] == '\\') {
        size_t k = 0;
        while (i < n && line[i] == '\\') ++k, ++i;
        if (i < n && line[i] == '"') {
          arg.append(k / 2, '\\');
          if (k % 2) arg += '"', ++i;  // an escaped quote; an unescaped one is handled next
        } else {
          arg.append(k, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < n && line[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += line[i++];
      }
    }
    args.push_back(arg);
  }
  return args;
}

std::string FindProgram(const std::string& name) {
  if (name.empty()) return "";
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : "";
  std::vector<fs::path> folders;
  if (fs::path own = OwnFolder(); !own.empty()) folders.push_back(own);
  if (const char* path = std::getenv("PATH")) {
    std::istringstream in(path);
    std::string dir;
    while (std::getline(in, dir, ':')) folders.push_back(dir.empty() ? fs::path(".") : fs::path(dir));
  }
  for (const fs::path& dir : folders)
    if (IsExecutableFile(dir / name)) return (dir / name).string();
  return "";
}

void SetProcessLauncher(TProcessLauncher launcher) {
  Launcher() = launcher ? std::move(launcher) : TProcessLauncher(RealLauncher);
}

void SetDocumentOpener(TDocumentOpener opener) {
  Opener() = opener ? std::move(opener) : TDocumentOpener(RealOpener);
}

unsigned WinExec(const std::string& commandLine, unsigned show) {
  std::vector<std::string> args = SplitCommandLine(commandLine);
  if (args.empty()) return ERROR_FILE_NOT_FOUND;
  std::string program = FindProgram(PlatformPath(args.front()));
  if (program.empty()) return ERROR_FILE_NOT_FOUND;
  args.erase(args.begin());
  return Launcher()(program, args) ? 33 : ERROR_BAD_FORMAT;
}

bool WinHelp(const void* window, const std::string& helpFile, unsigned command, unsigned long data) {
  if (command == HELP_QUIT) return true;
  // The desktop's opener may report success for a file that is not there.
  std::error_code ec;
  if (!fs::is_regular_file(PlatformPath(helpFile), ec)) return false;
  return Opener()(helpFile);
}
