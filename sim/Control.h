// The loopback-only control channel of the simulated switch: a Unix stream socket taking one
// text command per connection and answering "ok" or "error <reason>".
#pragma once

#include <functional>
#include <string>
#include <sys/select.h>

namespace sim {

class ControlServer {
 public:
  using Execute = std::function<std::string(const std::string& command)>;  // "" = ok, else the reason

  ControlServer(std::string path, Execute execute);  // throws std::runtime_error
  ~ControlServer();
  ControlServer(const ControlServer&) = delete;
  ControlServer& operator=(const ControlServer&) = delete;

  int addFds(fd_set& fds) const;  // returns the highest descriptor added
  void onReady(const fd_set& fds);

 private:
  std::string path_;
  Execute execute_;
  int listenFd_ = -1;
};

// Client side: sends one command and returns the agent's answer line ("ok" or "error ...").
// Throws std::runtime_error when the agent cannot be reached.
std::string sendControlCommand(const std::string& path, const std::string& command, int timeoutMs = 5000);

}  // namespace sim
