// Watches sockets for readability on the GUI thread and calls one handler when any of them
// has data, so that replies are handled as soon as they arrive rather than on the next tick.
//
//   TSocketWatch watch([] { HandleReplies(); });
//   watch.SetSockets(session->sockets());
//   watch.SetEnabled(false);   // while the handler itself runs
#pragma once

#include <functional>
#include <memory>
#include <vector>

class TSocketWatch {
 public:
  explicit TSocketWatch(std::function<void()> onReadable);
  ~TSocketWatch();
  TSocketWatch(const TSocketWatch&) = delete;
  TSocketWatch& operator=(const TSocketWatch&) = delete;

  // Replaces the watched sockets; may be called from inside the handler.
  void SetSockets(const std::vector<int>& sockets);
  void SetEnabled(bool enabled);
  bool Enabled() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
