// Starts build/bin/switchsim as a child process on a free loopback port for one test (or
// one test suite), waits for its "LISTENING <port>" line, and stops it with SIGTERM.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SwitchSim {
 public:
  struct Options {
    std::vector<std::string> extraSeeds;  // further snmprec / tables files beside the default seed folder
    bool defaultSeed = true;              // load sim/seed/ as well
    int delayMs = 0;                      // delay every reply
    bool dropReplies = false;             // answer nothing (a silent agent)
    std::string usersFile;                // communities and v3 users; empty = the built-in ones
  };

  // Built-in access (see sim/README.md): communities and v3 users with their pass phrases.
  static constexpr const char* readCommunity = "quorra";
  static constexpr const char* writeCommunity = "venthal";

  SwitchSim();
  explicit SwitchSim(const Options& options);
  ~SwitchSim();
  SwitchSim(const SwitchSim&) = delete;
  SwitchSim& operator=(const SwitchSim&) = delete;

  uint16_t port() const { return port_; }

  // Every SET PDU received since start (or the last clear), one entry per PDU, varbinds in
  // order: "<oid>=<type>:<value>" joined by " ; ".
  std::vector<std::string> setLog() const;
  void clearSetLog();

  // Fault switches, changed while the agent runs.
  void setDelay(int ms);
  void setDropReplies(bool drop);
  void setSubtreeError(const std::string& oidPrefix, int errorStatus);  // 0 clears
  void clearFaults();

 private:
  void stop();

  int pid_ = -1;
  uint16_t port_ = 0;
  std::string workDir_;
};
