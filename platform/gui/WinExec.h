// Starting other programs and the help viewer, as the Win32 calls of the same names did.
//
//   WinExec("MIB /I10.0.0.5 /Rpublic /TMIB_Info ", SW_SHOW);   // > 31: started
//
// The line is split into arguments by the rules of the Windows C runtime, the program ("\"
// separates its folders) is looked for in this program's own folder and then along PATH, and
// it is started detached, without a shell. Tests replace the launcher to see what would have been started.
#pragma once

#include <functional>
#include <string>
#include <vector>

constexpr unsigned SW_HIDE = 0;
constexpr unsigned SW_SHOWNORMAL = 1;
constexpr unsigned SW_SHOW = 5;

// Results below 32 as Win32 gives them.
constexpr unsigned ERROR_FILE_NOT_FOUND = 2;
constexpr unsigned ERROR_BAD_FORMAT = 11;

constexpr unsigned HELP_CONTEXT = 0x0001;
constexpr unsigned HELP_QUIT = 0x0002;
constexpr unsigned HELP_CONTENTS = 0x0003;

// Splits a command line as the Windows C runtime does: blanks and tabs separate arguments,
// double quotes group, 2n backslashes before a quote give n backslashes and a grouping quote,
// 2n+1 give n backslashes and a literal quote, "" inside a group is a literal quote. The first
// argument, the program, ends at its closing quote or the first blank, with no escapes.
std::vector<std::string> SplitCommandLine(const std::string& line);

// The program's path: a name with a "/" as it is; otherwise the first executable file of
// that name in this program's folder, then along PATH. "" when none is found.
std::string FindProgram(const std::string& name);

// Starts program (a path) with args, detached; true when it started.
using TProcessLauncher =
    std::function<bool(const std::string& program, const std::vector<std::string>& args)>;
// Replaces the launcher; an empty one puts the real launcher back.
void SetProcessLauncher(TProcessLauncher launcher);

// Opens a document with the desktop's opener; true when that worked.
using TDocumentOpener = std::function<bool(const std::string& fileName)>;
void SetDocumentOpener(TDocumentOpener opener);

// > 31 when the program was started, ERROR_FILE_NOT_FOUND or ERROR_BAD_FORMAT otherwise.
// The show state is accepted for the callers' sake; a started program decides for itself.
unsigned WinExec(const std::string& commandLine, unsigned show);

// Opens the help file with the desktop's opener for HELP_CONTENTS and HELP_CONTEXT; HELP_QUIT
// does nothing. The window handle is not needed here.
bool WinHelp(const void* window, const std::string& helpFile, unsigned command, unsigned long data);
