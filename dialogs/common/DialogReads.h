// What the reads and writes of one dialog have come to, for all of its requests at once: a read
// that failed refuses every write of the dialog with its message until that request has read
// well again, and a blocking read or a SET that got no answer (or one only after a try had
// timed out) holds back the blocking reads and the SETs chained after it in the same handler,
// so the window is back within one exchange of the slowest request.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "NvSNMPRequest2Controls.h"

class TTimer;

class NvDialogReads : public NvRequestGate {
 public:
  NvDialogReads();
  ~NvDialogReads() override;
  NvDialogReads(const NvDialogReads&) = delete;
  NvDialogReads& operator=(const NvDialogReads&) = delete;

  std::string WriteRefusal() const override;
  const NvSNMPError* HeldRead() const override;
  void ReadOutcome(NvSNMPRequest2Controls* binding, const NvSNMPError& error) override;
  void WriteOutcome(NvSNMPRequest2Controls* binding, const NvSNMPError& error) override;
  void SlowReply(NvSNMPRequest2Controls* binding) override;
  // The request is gone: its failure no longer counts.
  void Forget(NvSNMPRequest2Controls* binding);
  // The failure of a request whose last read failed; null when none did.
  const NvSNMPError* Failure() const;

  // While one lives, a silence lasts even when the messages run: the steps of one write,
  // each waited for, are one chain.
  class Chain {
   public:
    explicit Chain(NvRequestGate* gate);
    ~Chain();
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

   private:
    NvDialogReads* reads_;
    std::shared_ptr<bool> alive_;  // the dialog may close beneath a wait
  };

 private:
  void Silence(const NvSNMPError& error);
  void EndSilence();

  int chains_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  std::unique_ptr<TTimer> silenceEnd_;  // ends a silence once the messages run again
  std::vector<std::pair<NvSNMPRequest2Controls*, NvSNMPError>> failures_;  // oldest first
  std::optional<NvSNMPError> silence_;  // a blocking read unanswered in this handler
};
