#include "DialogReads.h"

#include <algorithm>

#include "ExtCtrls.h"

NvDialogReads::NvDialogReads() = default;

NvDialogReads::~NvDialogReads() { *alive_ = false; }

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
  if (error.Code == NvErr::Timeout && !binding->Asynchronous) Silence(error);
}

// A write is waited for, blocking or not: an unanswered one ends the chain as a read does.
void NvDialogReads::WriteOutcome(NvSNMPRequest2Controls*, const NvSNMPError& error) {
  if (error.Code == NvErr::Timeout) Silence(error);
}

void NvDialogReads::SlowReply(NvSNMPRequest2Controls*) {
  Silence(NvFailure(NvErr::Timeout, NvErrorText(NvErr::Timeout)));
}

void NvDialogReads::Silence(const NvSNMPError& error) {
  if (silence_) return;
  silence_ = error;
  if (!silenceEnd_) {
    silenceEnd_ = std::make_unique<TTimer>(nullptr);
    silenceEnd_->Enabled = false;
    silenceEnd_->Interval = 1;
    silenceEnd_->OnTimer = [this](TObject*) { EndSilence(); };
  }
  silenceEnd_->Enabled = chains_ == 0;  // fires once the handler has returned to the message loop
}

void NvDialogReads::Forget(NvSNMPRequest2Controls* binding) {
  std::erase_if(failures_, [binding](const auto& failure) { return failure.first == binding; });
}

const NvSNMPError* NvDialogReads::Failure() const {
  return failures_.empty() ? nullptr : &failures_.front().second;
}

void NvDialogReads::EndSilence() {
  silenceEnd_->Enabled = false;
  if (chains_ == 0) silence_.reset();
}

NvDialogReads::Chain::Chain(NvRequestGate* gate) : reads_(dynamic_cast<NvDialogReads*>(gate)) {
  if (!reads_) return;
  alive_ = reads_->alive_;
  ++reads_->chains_;
}

NvDialogReads::Chain::~Chain() {
  if (!reads_ || !*alive_ || --reads_->chains_ > 0) return;
  if (reads_->silence_ && reads_->silenceEnd_) reads_->silenceEnd_->Enabled = true;
}
