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
    std::string engineId;                 // SNMPv3 engine ID in hex; empty = a fresh one at each start
  };

  // Built-in access (see sim/README.md). Every v3 user may write and needs authNoPriv at least.
  static constexpr const char* readCommunity = "quorra";
  static constexpr const char* writeCommunity = "venthal";
  struct User {
    const char* name;
    const char* authProtocol;  // "MD5" or "SHA"
    const char* authPassPhrase;
    const char* privProtocol;  // "" or "DES"
    const char* privPassPhrase;
  };
  static constexpr User md5User{"md5user", "MD5", "md5authpass", "", ""};
  static constexpr User shaUser{"shauser", "SHA", "shaauthpass", "", ""};
  static constexpr User md5DesUser{"md5des", "MD5", "md5authpass", "DES", "md5privpass"};
  static constexpr User shaDesUser{"shades", "SHA", "shaauthpass", "DES", "shaprivpass"};

  SwitchSim();
  explicit SwitchSim(const Options& options);
  ~SwitchSim();
  SwitchSim(const SwitchSim&) = delete;
  SwitchSim& operator=(const SwitchSim&) = delete;

  uint16_t port() const { return port_; }

  // Stops the agent and starts it again on the same port with the same options and SET log,
  // as a switch that is replaced or reset (the SET log starts empty); engineId (hex) replaces
  // the option's when given.
  void restart(const std::string& engineId = "");

  // Every SET PDU received since start (or the last clear), one entry per PDU, varbinds in
  // order: "<oid>=<TAG>:<value>" joined by " ; ", TAG as in the seed format ("2:5",
  // "4:text", "4x:00FF" for octets that are not printable, "64:10.0.0.1", ...).
  std::vector<std::string> setLog() const;
  void clearSetLog();

  // Fault switches, changed while the agent runs; each holds for every reply sent after the
  // call returns. A subtree error answers GET/GET-NEXT/SET varbinds in that subtree with
  // errorStatus (v2 codes; the agent maps them for v1).
  void setDelay(int ms);
  void setDropReplies(bool drop);
  void setSubtreeError(const std::string& oidPrefix, int errorStatus);  // 0 clears
  void refuseSet(int nth, int errorStatus);  // the nth SET PDU from now (1 = the next); 0 clears
  void clearFaults();

 private:
  // Ends the agent, after graceMs for it to end on its own; says how it ended ("exited with
  // status 1", "stopped", ...).
  std::string stop(int graceMs = 0);
  void launch(uint16_t port);
  void removeWorkDir();

  Options options_;
  int pid_ = -1;
  uint16_t port_ = 0;
  std::string workDir_;
};
