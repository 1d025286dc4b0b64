// What the benchmarks over switchsim's 1000-row table share: the seed, a module that names the
// table for snmptable, switchsim as a child process and the snmptable -CB timing.
#pragma once

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
#include "NvSNMPSession.h"

namespace bench {

namespace fs = std::filesystem;

inline const int kRows = 1000;
inline const int kColumns = 5;
inline const char* const kTable = "1.3.6.1.4.1.32473.999.95";
inline const int kRounds = 3;

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline void WriteSeed(const fs::path& file) {
  std::ofstream out(file);
  for (int c = 1; c <= kColumns; ++c)
    for (int r = 1; r <= kRows; ++r) out << kTable << ".1." << c << "." << r << "|2|" << c * 10000 + r << "\n";
}

// A module that names the table, so that snmptable recognises it; no other MIB is loaded.
inline void WriteMib(const fs::path& file) {
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

// The work directory with the seed and the module, switchsim serving it, the GUI and the
// SNMP library set up.
struct Bench {
  fs::path work;
  Agent agent;

  explicit Bench(const char* name)
      : work(fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()))) {}
  ~Bench() {
    std::error_code ignored;
    fs::remove_all(work, ignored);
  }

  bool Start() {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    fs::create_directories(work);
    WriteSeed(work / "bench.snmprec");
    WriteMib(work / "BENCH-WALK-MIB.txt");
    if (!agent.Start(self.parent_path() / "switchsim", work / "bench.snmprec")) {
      std::cerr << "switchsim did not start\n";
      return false;
    }
    const fs::path home = fs::current_path();
    fs::current_path(work);  // the boot-counter file
    Application->Initialize();
    NvSNMPInitSession("");
    fs::current_path(home);
    return true;
  }

  // Net-SNMP's snmptable, GET-NEXT by row; milliseconds, or a negative value when it failed.
  double TimeSnmptable() const {
    const std::string command = "snmptable -v2c -c quorra -M " + work.string() +
                                " -m BENCH-WALK-MIB -CB -CH -Cf , 127.0.0.1:" + std::to_string(agent.port) + " ." +
                                kTable;
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
};

}  // namespace bench
