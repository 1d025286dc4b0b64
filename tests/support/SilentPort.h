// A loopback UDP port that takes datagrams and never answers: a target for time-outs.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

class SilentPort {
 public:
  SilentPort() {
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~SilentPort() { ::close(fd_); }
  SilentPort(const SilentPort&) = delete;
  SilentPort& operator=(const SilentPort&) = delete;

  uint16_t port() const { return port_; }

  // Datagrams that arrived since the last call.
  int received() {
    int n = 0;
    char buf[2048];
    while (::recv(fd_, buf, sizeof buf, MSG_DONTWAIT) > 0) ++n;
    return n;
  }

 private:
  int fd_ = -1;
  uint16_t port_ = 0;
};
