#include "Control.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace sim {

namespace {

sockaddr_un addressOf(const std::string& path) {
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) throw std::runtime_error("control socket path too long: " + path);
  std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
  return addr;
}

void setTimeouts(int fd, int ms) {
  timeval tv{ms / 1000, (ms % 1000) * 1000};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

// Reads up to the first newline (or the peer's end); false on time-out or error.
bool readLine(int fd, std::string& line) {
  line.clear();
  char c;
  while (line.size() < 4096) {
    ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return !line.empty();
    if (c == '\n') return true;
    line.push_back(c);
  }
  return true;
}

void writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

}  // namespace

ControlServer::ControlServer(std::string path, Execute execute) : path_(std::move(path)), execute_(std::move(execute)) {
  sockaddr_un addr = addressOf(path_);
  listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) throw std::runtime_error("cannot create the control socket");
  unlink(path_.c_str());
  if (bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(listenFd_, 8) != 0) {
    close(listenFd_);
    throw std::runtime_error("cannot listen on control socket " + path_ + ": " + std::strerror(errno));
  }
  chmod(path_.c_str(), 0600);
}

ControlServer::~ControlServer() {
  if (listenFd_ >= 0) close(listenFd_);
  unlink(path_.c_str());
}

int ControlServer::addFds(fd_set& fds) const {
  FD_SET(listenFd_, &fds);
  return listenFd_;
}

void ControlServer::onReady(const fd_set& fds) {
  if (!FD_ISSET(listenFd_, &fds)) return;
  int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return;
  setTimeouts(fd, 2000);
  std::string line;
  if (readLine(fd, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string reason = execute_(line);
    writeAll(fd, reason.empty() ? "ok\n" : "error " + reason + "\n");
  }
  close(fd);
}

std::string sendControlCommand(const std::string& path, const std::string& command, int timeoutMs) {
  sockaddr_un addr = addressOf(path);
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("cannot create a socket");
  setTimeouts(fd, timeoutMs);
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    throw std::runtime_error("cannot reach switchsim at " + path + ": " + std::strerror(errno));
  }
  writeAll(fd, command + "\n");
  std::string reply;
  bool got = readLine(fd, reply);
  close(fd);
  if (!got) throw std::runtime_error("no answer from switchsim to '" + command + "'");
  return reply;
}

}  // namespace sim
