// Walks a 1000-row, 5-column table of switchsim through NvSNMPRequest asynchronously (the
// way the table views read), times Net-SNMP's snmptable -CB (GET-NEXT by row) on the same
// table in the same run, and prints both times and their ratio.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPRequest.h"
#include "NvSNMPSession.h"

namespace fs = std::filesystem;

namespace {

const int kRows = 1000;
const int kColumns = 5;
const char* const kTable = "1.3.6.1.4.1.32473.999.95";
const int kRounds = 3;

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void WriteSeed(const fs::path& file) {
  std::ofstream out(file);
  for (int c = 1; c <= kColumns; ++c)
    for (int r = 1; r <= kRows; ++r) out << kTable << ".1." << c << "." << r << "|2|" << c * 10000 + r << "\n";
}

// A module that names the table, so that snmptable recognises it; no other MIB is loaded.
void WriteMib(const fs::path& file) {
  std::ofstream out(file);
  out << "BENCH-WALK-MIB DEFINITIONS ::= BEGIN\n"
         "benchRoot OBJECT IDENTIFIER ::= { iso 3 6 1 4 1 32473 999 }\n"
         "benchTable OBJECT-TYPE SYNTAX SEQUENCE OF BenchEntry ACCESS not-accessible STATUS mandatory\n"
         "  ::= { benchRoot 95 }\n"
         "benchEntry OBJECT-TYPE SYNTAX BenchEntry ACCESS not-accessible STATUS mandatory INDEX { benchA }\n"
         "  ::= { benchTable 1 }\n"
         "BenchEntry ::= SEQUENCE { benchA INTEGER, benchB INTEGER, benchC INTEGER, benchD INTEGER, benchE INTEGER }\n";
  const char* names[] = {"benchA", "benchB", "benchC", "benchD", "benchE"};
  for (int c = 0; c < kColumns; ++c)
    out << names[c] << " OBJECT-TYPE SYNTAX INTEGER ACCESS read-only STATUS mandatory ::= { benchEntry " << c + 1
        << " }\n";
  out << "END\n";
}

// switchsim as a child process; its first line tells the port.
struct Agent {
  pid_t pid = -1;
  int port = 0;

  bool Start(const fs::path& binary, const fs::path& seed) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid = fork();
    if (pid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      close(fds[1]);
      execl(binary.c_str(), binary.c_str(), "--no-default-seed", "--seed", seed.c_str(), "--port", "0",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    FILE* in = fdopen(fds[0], "r");
    char line[128] = {0};
    const bool ok = in && std::fgets(line, sizeof line, in) && std::sscanf(line, "LISTENING %d", &port) == 1;
    if (in) std::fclose(in);
    return ok;
  }
  ~Agent() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
  }
};

struct Walk {
  NvSNMPRequest req;
  int rows = 0;
  bool ended = false;
  int code = 0;

  static void Done(void* data, NvSNMPError* error, NvSNMPVarList*) {
    auto* self = static_cast<Walk*>(data);
    if (error->Finished) {
      self->ended = true;
      self->code = error->Code;
      return;
    }
    ++self->rows;
    bool ok = false;
    self->req.GetAsync(ok, &Walk::Done, self, false);
    if (!ok) self->ended = true;
  }
};

// One asynchronous walk of the table; milliseconds, or a negative value when it failed.
double TimeRequestWalk(int port) {
  Walk walk;
  walk.req.Port = uint16_t(port);
  walk.req.Version = 1;
  walk.req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  for (int c = 1; c <= kColumns; ++c) {
    const std::string oid = std::string(kTable) + ".1." + std::to_string(c);
    walk.req.Vars.AddVar(oid.c_str(), "column", NvSyntax::integer, NvAccess::readonly, nullptr);
  }
  walk.req.Vars.Kind = MVT_FMV;
  walk.req.Vars.IndexCount = 1;
  const auto start = Clock::now();
  bool ok = false;
  walk.req.GetAsync(ok, &Walk::Done, &walk, true);
  if (!ok || !GuiTesting::ProcessUntil([&] { return walk.ended; }, 120000)) return -1;
  const double ms = MsSince(start);
  if (walk.rows != kRows || walk.code != 0) {
    std::cerr << "walk read " << walk.rows << " rows, code " << walk.code << "\n";
    return -1;
  }
  return ms;
}

double TimeSnmptable(int port, const fs::path& mibDir) {
  const std::string command = "snmptable -v2c -c quorra -M " + mibDir.string() +
                              " -m BENCH-WALK-MIB -CB -CH -Cf , 127.0.0.1:" + std::to_string(port) + " ." + kTable;
  const auto start = Clock::now();
  FILE* out = popen(command.c_str(), "r");
  if (!out) return -1;
  int lines = 0;
  char buf[512];
  while (std::fgets(buf, sizeof buf, out))
    if (std::string(buf).find(',') != std::string::npos) ++lines;
  const int rc = pclose(out);
  const double ms = MsSince(start);
  if (rc != 0 || lines != kRows) {
    std::cerr << "snmptable printed " << lines << " rows, status " << rc << "\n";
    return -1;
  }
  return ms;
}

}  // namespace

int main() {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  const fs::path work = fs::temp_directory_path() / ("nv-bench-walk-" + std::to_string(getpid()));
  fs::create_directories(work);
  WriteSeed(work / "bench.snmprec");
  WriteMib(work / "BENCH-WALK-MIB.txt");

  Agent agent;
  if (!agent.Start(self.parent_path() / "switchsim", work / "bench.snmprec")) {
    std::cerr << "switchsim did not start\n";
    return 1;
  }

  const fs::path home = fs::current_path();
  fs::current_path(work);  // the boot-counter file
  Application->Initialize();
  NvSNMPInitSession("");
  fs::current_path(home);

  double best = 1e18, bestTable = 1e18;
  for (int round = 0; round < kRounds; ++round) {
    const double ms = TimeRequestWalk(agent.port);
    const double table = TimeSnmptable(agent.port, work);
    if (ms < 0 || table < 0) return 1;
    best = std::min(best, ms);
    bestTable = std::min(bestTable, table);
  }
  fs::remove_all(work);

  std::printf("table: %d rows x %d columns (best of %d)\n", kRows, kColumns, kRounds);
  std::printf("NvSNMPRequest asynchronous walk: %.1f ms\n", best);
  std::printf("snmptable -CB:                   %.1f ms\n", bestTable);
  std::printf("ratio: %.2f (target <= 1.5)\n", best / bestTable);
  return 0;
}
