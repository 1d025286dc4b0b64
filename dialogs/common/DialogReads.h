// What the reads of one dialog have come to, for all of its requests at once: a read that
// failed refuses every write of the dialog with its message until that request has read well
// again, and a blocking read that got no answer holds back the blocking reads chained after it
// in the same handler, so the window is back within one read's time-out.
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
  // The request is gone: its failure no longer counts.
  void Forget(NvSNMPRequest2Controls* binding);
  // The failure of a request whose last read failed; null when none did.
  const NvSNMPError* Failure() const;

 private:
  void EndSilence();

  std::unique_ptr<TTimer> silenceEnd_;  // ends a silence once the messages run again
  std::vector<std::pair<NvSNMPRequest2Controls*, NvSNMPError>> failures_;  // oldest first
  std::optional<NvSNMPError> silence_;  // a blocking read unanswered in this handler
};
