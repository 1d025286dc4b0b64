// The SNMP side of the simulated switch: Net-SNMP's agent library answering from a MibStore
// on one loopback UDP port, with its own community/user checks, a SET log and fault
// switches for tests.
#pragma once

#include <csignal>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <sys/select.h>
#include <vector>

#include "MibStore.h"

namespace sim {

// Who may talk to the switch (rocommunity/rwcommunity/createUser/rouser/rwuser lines).
struct Access {
  enum Level { NoAuth = 1, Auth = 2, Priv = 3 };
  struct User {
    bool write = false;
    int minLevel = Auth;
  };
  std::set<std::string> readCommunities;
  std::set<std::string> writeCommunities;
  std::map<std::string, User> users;
  std::vector<std::string> createUserLines;  // arguments of each createUser line

  static Access defaults();
  // Reads a users file; throws std::runtime_error on a line it does not understand.
  static Access fromFile(const std::string& path);
};

struct Faults {
  int delayMs = 0;
  bool dropReplies = false;
  std::map<Oid, int> subtreeErrors;  // prefix -> error-status
  int refuseSetAt = 0;               // the SET PDU (1 = the next) refused whole; 0: none
  int refuseSetStatus = 0;
  int setsSeen = 0;                  // SET PDUs since refuseSetAt was given

  int errorFor(const Oid& oid) const;  // 0 when no fault covers oid
};

class Agent {
 public:
  Agent(MibStore& store, Access access, Faults& faults);
  ~Agent();

  // Starts Net-SNMP with its state in stateDir and listens on 127.0.0.1:port (0 = any free
  // port), with the given SNMPv3 engine ID (bytes; empty: a fresh one). Returns the bound port;
  // throws std::runtime_error on failure.
  uint16_t start(const std::string& stateDir, uint16_t port, const std::string& engineId = "");

  // Serves until `stop` becomes non-zero. extraFds adds descriptors to watch (returns the
  // highest), onReady handles the ready ones. wakeFd makes select return (signal self-pipe).
  void run(volatile std::sig_atomic_t& stop, int wakeFd, const std::function<int(fd_set&)>& extraFds,
           const std::function<void(const fd_set&)>& onReady);
  void shutdown();

  void setSetLog(const std::string& path);
  void clearSetLog();

  // Net-SNMP entry points (C callbacks forward here).
  int handle(void* reqinfo, void* requests);
  int checkPdu(void* pdu);
  int checkVarbind(void* pdu);
  int send(void* transport, const void* buf, int size, void** opaque, int* olength);

 private:
  bool knows(void* pdu) const;
  void logSet(void* pdu);
  void listen(void* transport);
  void flushDelayed();
  int msUntilNextDelayed() const;

  struct Delayed;
  MibStore& store_;
  Access access_;
  Faults& faults_;
  std::string setLogPath_;
  const void* setPdu_ = nullptr;  // the SET being processed
  const void* failedVarbind_ = nullptr;
  int failedStatus_ = 0;
  std::unique_ptr<MibStore::Map> pending_;
  std::unique_ptr<MibStore::Map> undo_;
  std::vector<Delayed> delayed_;
  using SendFunction = int (*)(void*, const void*, int, void**, int*);
  std::map<void*, SendFunction> originalSends_;  // by transport: the library's own send
  std::vector<int> nsapHandles_;
  bool started_ = false;
};

}  // namespace sim
