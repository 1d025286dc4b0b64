#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "GuiTesting.h"
#include "SocketWatch.h"

namespace {

// A connected pair of datagram sockets: what is written to one becomes readable on the other.
struct SocketPair {
  SocketPair() { EXPECT_EQ(socketpair(AF_UNIX, SOCK_DGRAM, 0, fd), 0); }
  ~SocketPair() {
    close(fd[0]);
    close(fd[1]);
  }
  void Send() { EXPECT_EQ(write(fd[1], "x", 1), 1); }
  void Drain() {
    char c;
    EXPECT_EQ(read(fd[0], &c, 1), 1);
  }
  int fd[2];
};

TEST(SocketWatch, CallsTheHandlerWhenAWatchedSocketIsReadable) {
  SocketPair pair;
  int calls = 0;
  TSocketWatch watch([&] {
    ++calls;
    pair.Drain();
  });
  watch.SetSockets({pair.fd[0]});
  pair.Send();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return calls == 1; }, 3000));
}

TEST(SocketWatch, DisabledOrUnwatchedSocketsCallNothing) {
  SocketPair pair;
  int calls = 0;
  TSocketWatch watch([&] {
    ++calls;
    pair.Drain();
  });
  watch.SetSockets({pair.fd[0]});
  watch.SetEnabled(false);
  pair.Send();
  GuiTesting::ProcessUntil([] { return false; }, 100);
  EXPECT_EQ(calls, 0);
  watch.SetEnabled(true);  // the waiting datagram is seen now
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return calls == 1; }, 3000));

  watch.SetSockets({});
  pair.Send();
  GuiTesting::ProcessUntil([] { return false; }, 100);
  EXPECT_EQ(calls, 1);
}

}  // namespace
