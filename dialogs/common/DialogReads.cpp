#include "DialogReads.h"

#include <algorithm>

#include "ExtCtrls.h"

NvDialogReads::NvDialogReads() = default;

NvDialogReads::~NvDialogReads() = default;

std::string NvDialogReads::WriteRefusal() const {
  const NvSNMPError* failure = Failure();
  return failure ? failure->Message : std::string();
}

const NvSNMPError* NvDialogReads::HeldRead() const { return silence_ ? &*silence_ : nullptr; }

void NvDialogReads::ReadOutcome(NvSNMPRequest2Controls* binding, const NvSNMPError& error) {
  Forget(binding);
  if (error.Code == 0) return;
  failures_.emplace_back(binding, error);
  // Blocking reads hold the message loop: after one unanswered, the next would hold it again.
  if (error.Code != NvErr::Timeout || binding->Asynchronous || silence_) return;
  silence_ = error;
  if (!silenceEnd_) {
    silenceEnd_ = std::make_unique<TTimer>(nullptr);
    silenceEnd_->Enabled = false;
    silenceEnd_->Interval = 1;
    silenceEnd_->OnTimer = [this](TObject*) { EndSilence(); };
  }
  silenceEnd_->Enabled = true;  // fires once the handler has returned to the message loop
}

void NvDialogReads::Forget(NvSNMPRequest2Controls* binding) {
  std::erase_if(failures_, [binding](const auto& failure) { return failure.first == binding; });
}

const NvSNMPError* NvDialogReads::Failure() const {
  return failures_.empty() ? nullptr : &failures_.front().second;
}

void NvDialogReads::EndSilence() {
  silence_.reset();
  silenceEnd_->Enabled = false;
}
