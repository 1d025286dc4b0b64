#include "WinExec.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "Paths.h"

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool RealLauncher(const std::string& program, const std::vector<std::string>& args) {
  QStringList list;
  for (const std::string& a : args) list << QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()));
  return QProcess::startDetached(QString::fromLatin1(program.data(), static_cast<qsizetype>(program.size())), list);
}

bool RealOpener(const std::string& fileName) {
  return QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromLatin1(fileName.data(), static_cast<qsizetype>(fileName.size()))));
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
  return Opener()(helpFile);
}
