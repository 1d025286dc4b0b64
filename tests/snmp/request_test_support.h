// What the request tests share: the session started once in a scratch folder, and a
// collector that drives an asynchronous walk the way a binding does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPRequest.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"

// Starts the program's session once per test program (boot counter kept in a scratch folder).
class SessionEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->ProcessMessages();  // the window layer exists before the pump's timer
    StartSessionInScratchFolder("request");
  }
};

// Rows and results of an asynchronous request; continues a walk while it is not finished.
struct Collector {
  explicit Collector(NvSNMPRequest& request, bool walk = true) : req(request), walk(walk) {}

  static void Done(void* data, NvSNMPError* error, NvSNMPVarList* vars) {
    auto* self = static_cast<Collector*>(data);
    self->results.push_back(*error);
    std::vector<std::string> row;
    for (int i = 0; i < vars->GetCount(); ++i) row.push_back(*vars->GetVar(i)->Value);
    self->rows.push_back(row);
    if (self->onReply) self->onReply(*error);
    if (!error->Finished && self->walk) {
      bool ok = false;
      self->req.GetAsync(ok, &Collector::Done, self, false);
      if (!ok) self->stopped = true;
    }
  }
  bool Ended() const {
    return stopped || (!results.empty() && results.back().Finished);
  }
  bool Start() {
    bool ok = false;
    req.GetAsync(ok, &Collector::Done, this, true);
    return ok;
  }
  bool RunToEnd(int timeoutMs = 5000) {
    return GuiTesting::ProcessUntil([this] { return Ended() && req.PendingReplies == 0; }, timeoutMs);
  }

  NvSNMPRequest& req;
  bool walk;
  bool stopped = false;
  std::vector<NvSNMPError> results;
  std::vector<std::vector<std::string>> rows;
  std::function<void(const NvSNMPError&)> onReply;
};

inline std::vector<std::string> Row(std::initializer_list<const char*> values) {
  return std::vector<std::string>(values.begin(), values.end());
}
