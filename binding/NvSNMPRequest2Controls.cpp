#include "NvSNMPRequest2Controls.h"

#include <chrono>
#include <ctime>
#include <thread>

#include "ComCtrls.h"
#include "Forms.h"
#include "ScopeExit.h"
#include "StdCtrls.h"
#include "Windows.h"

namespace {

const char* const kStopText = "Stop, SNMP Request is not active.";

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

std::string NowText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

}  // namespace

// Counts the binding's own calls on the stack; what waits for them runs when the outermost
// one returns.
class NvSNMPRequest2Controls::CallScope {
 public:
  explicit CallScope(NvSNMPRequest2Controls* binding) : binding_(binding), alive_(binding->alive_) {
    ++binding_->depth_;
  }
  ~CallScope() {
    if (!*alive_) return;
    if (--binding_->depth_ > 0) return;
    binding_->AfterOutermostCall();  // may free the binding
  }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  NvSNMPRequest2Controls* binding_;
  std::shared_ptr<bool> alive_;
};

NvSNMPRequest2Controls::NvSNMPRequest2Controls(TForm* owner)
    : Owner(owner), alive_(std::make_shared<bool>(true)) {}

NvSNMPRequest2Controls::~NvSNMPRequest2Controls() {
  Busy = 0;
  Request.Active = 0;
  // Replies still delivered while the request waits for them find no window to report to.
  destroying_ = true;
  *alive_ = false;
}

void NvSNMPRequest2Controls::SetStatusPanel(TStatusPanel* panel) { StatusControl = panel; }

bool NvSNMPRequest2Controls::RowWanted() {
  return Request.CheckRowCondition() && Request.CheckCondition(ShowCondition);
}

void NvSNMPRequest2Controls::UpdateBusy() {
  Busy = reading_ || rereadWanted_ || blocking_ > 0 || Request.Outstanding() > 0 ? 1 : 0;
}

// A read or a write: what it started ends when it throws, and an error of ours goes on as a
// plain Exception.
bool NvSNMPRequest2Controls::ClearingBusyOnThrow(const std::function<bool()>& run, bool read) {
  try {
    return run();
  } catch (const Exception& e) {
    if (read) {
      reading_ = false;
      RecordRead(NvFailure(e.HelpContext != 0 ? e.HelpContext : NvErr::Unknown, e.Message));
    }
    UpdateBusy();
    throw Exception(e.Message, e.HelpContext);
  } catch (...) {
    if (read) reading_ = false;
    UpdateBusy();
    throw;
  }
}

// The read ends with the hook of the derived class, even when it throws.
void NvSNMPRequest2Controls::EndReadAfter(const std::function<void()>& hook) {
  ScopeExit ended([this] {
    reading_ = false;
    UpdateBusy();
  });
  hook();
}

// Busy until the reply comes; a stopped request sends nothing and counts as done.
bool NvSNMPRequest2Controls::SendAsync(const std::function<void(bool& ok)>& send, bool read) {
  if (!Request.Active) {
    UpdateBusy();
    return true;
  }
  if (read) reading_ = true;
  Busy = 1;
  bool ok = false;
  send(ok);
  if (!ok) {
    if (read) reading_ = false;
    UpdateBusy();
  }
  return ok;
}

void NvSNMPRequest2Controls::Stop() {
  Request.Active = 0;
  if (reading_) walkStopped_ = true;
  rereadWanted_ = false;
  UpdateBusy();
}

NvSNMPRequest2Controls::ReadsHeld::ReadsHeld(NvSNMPRequest2Controls* binding)
    : binding_(binding), alive_(binding->alive_) {
  ++binding_->readsHeld_;
}

NvSNMPRequest2Controls::ReadsHeld::~ReadsHeld() {
  if (!*alive_) return;
  --binding_->readsHeld_;
  if (binding_->readsHeld_ > 0 || binding_->depth_ > 0) return;  // the outer call takes it up
  CallScope scope(binding_);  // its end starts the read waiting
}

bool NvSNMPRequest2Controls::ReadMustWait() const {
  return reading_ || readsHeld_ > 0 || (Asynchronous && Request.Outstanding() > 0);
}

void NvSNMPRequest2Controls::AfterOutermostCall() {
  if (released_) {
    rereadWanted_ = false;
    UpdateBusy();
    if (!Busy) delete this;
    return;
  }
  if (rereadWanted_ && !ReadMustWait()) {
    const std::shared_ptr<bool> alive = alive_;
    StartWaitingRead();
    if (!*alive) return;
  }
  if (Busy || !whenIdle_) return;
  std::function<void()> whenIdle = std::move(whenIdle_);
  whenIdle_ = nullptr;
  GuardedCall(whenIdle);  // may free the binding
}

// The read asked for while another, SETs or a hold were under way. When it cannot start, the
// window still hears that no read runs, as it would at a read's end.
void NvSNMPRequest2Controls::StartWaitingRead() {
  rereadWanted_ = false;
  const std::shared_ptr<bool> alive = alive_;
  NvSNMPError notStarted;
  notStarted.Finished = true;
  try {
    Get();
  } catch (const Exception& e) {
    notStarted.Code = e.HelpContext != 0 ? e.HelpContext : NvErr::Unknown;
    notStarted.Message = e.Message;
  }
  if (!*alive) return;
  if (!reading_ && !rereadWanted_ && Asynchronous) {
    UpdateBusy();
    MessageIndex = 0;
    if (GetDoneHandler)
      GetDoneHandler(this, &notStarted);
    else if (notStarted.Code != 0)
      OnGetError(&notStarted);
  }
}

// ---------------------------------------------------------------------------------------
// Reading

bool NvSNMPRequest2Controls::Get() {
  CallScope scope(this);
  if (ReadMustWait()) {
    // A read beside another, or beside SETs in flight, could miss what they change.
    rereadWanted_ = true;
    UpdateBusy();
    return true;
  }
  walkStopped_ = false;
  MessageIndex = 0;
  BeforeGet();
  return ClearingBusyOnThrow(
      [&] {
        if (!Asynchronous) return GetBlocking();
        return SendAsync([&](bool& ok) { Request.GetAsync(ok, &GetReplyTrampoline, this, true); }, true);
      },
      true);
}

bool NvSNMPRequest2Controls::GetBlocking() {
  reading_ = true;
  ++blocking_;
  Busy = 1;
  bool ok = false;
  NvSNMPError failure;
  // A step that failed, the normal end of a walk (noSuchName past its last row) not counted.
  auto failed = [&] {
    const NvSNMPError& error = Request.GetError;
    if (ok || error.Code == 0 || error.Code == NvErr::NoSuchName) return false;
    failure = error;
    return true;
  };
  {
    ScopeExit ended([this] {
      --blocking_;
      reading_ = false;
      UpdateBusy();
      ReadEnded();
    });
    if (const NvSNMPError* held = Gate ? Gate->HeldRead() : nullptr) {
      failure = *held;
    } else if (!IsTableList()) {
      const auto start = std::chrono::steady_clock::now();
      Request.Get(ok, true);
      TellIfSlow(start, ok);
      if (ok && RowWanted()) ShowRow();
      failed();
    } else {
      bool first = true;
      for (bool more = true; more;) {
        const auto start = std::chrono::steady_clock::now();
        more = Request.Get(ok, first);
        TellIfSlow(start, ok || Request.GetError.Code == NvErr::NoSuchName);
        if (failed()) break;
        if (ok && more) {
          first = false;
          if (RowWanted()) ShowRow();
        }
      }
    }
    AfterGet();
  }
  // A stopped read tells nothing; one that failed says why, as an asynchronous one does.
  const bool answered = failure.Code == 0 && Request.Active;
  if (failure.Code != 0 || answered) RecordRead(failure);
  if (StatusControl && (failure.Code != 0 || answered)) {
    MessageIndex = 0;
    ShowStatus(answered ? ReadOkText() : failure.Message);
  }
  return answered;
}

void NvSNMPRequest2Controls::TellIfSlow(std::chrono::steady_clock::time_point start, bool answered) {
  if (!answered || !Gate) return;
  if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(Request.TimeOut * 10)) Gate->SlowReply(this);
}

void NvSNMPRequest2Controls::GetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList*) {
  auto* self = static_cast<NvSNMPRequest2Controls*>(data);
  if (self->destroying_) return;
  if (self->released_) {
    // The window is gone: the read ends here, and the binding with its last reply.
    CallScope scope(self);
    self->reading_ = false;
    return;
  }
  self->OnAsyncGetReply(error);
}

void NvSNMPRequest2Controls::OnAsyncGetReply(NvSNMPError* error) {
  CallScope scope(this);
  if (error->Code != 0) {
    FailGet(error);
    return;
  }
  enum class Outcome { Continue, Ended, Stopped, SendFailed, Raised } outcome = Outcome::Ended;
  NvSNMPError raised = *error;
  try {
    if (!IsTableList()) {
      if (RowWanted()) ShowRow();
    } else if (!error->Finished) {
      if (RowWanted()) ShowRow();
      if (released_) {
        reading_ = false;  // released beneath this row: no window to report to
        return;
      }
      if (!Request.Active || walkStopped_) {
        outcome = Outcome::Stopped;
      } else {
        bool ok = false;
        Request.GetAsync(ok, &GetReplyTrampoline, this, false);
        outcome = ok ? Outcome::Continue : Outcome::SendFailed;
      }
    }
  } catch (const Exception& e) {
    outcome = Outcome::Raised;
    raised.Code = e.HelpContext != 0 ? e.HelpContext : NvErr::Unknown;
    raised.Message = e.Message;
  } catch (const std::exception& e) {
    outcome = Outcome::Raised;
    raised.Code = NvErr::Unknown;
    raised.Message = e.what();
  }
  raised.Finished = true;

  switch (outcome) {
    case Outcome::Continue:
      return;
    case Outcome::Ended:
      EndGet(error, ReadOkText());
      return;
    case Outcome::Stopped:
      EndGet(error, kStopText);
      return;
    case Outcome::SendFailed:
      // The walk cannot go on; the window learns it as it learns of an error reply.
      raised.Code = NvErr::Unknown;
      raised.Message = NvErrorText(NvErr::Unknown);
      FailGet(&raised);
      return;
    case Outcome::Raised: {
      RecordRead(raised);
      reading_ = false;
      UpdateBusy();
      ReadEnded();
      MessageIndex = 0;
      if (StatusControl)
        ShowStatus(raised.Message);
      else
        ShowMessageBox(raised.Message);
      // The walk ends here, so a window waiting for its end must hear of it.
      if (GetDoneHandler) GetDoneHandler(this, &raised);
      return;
    }
  }
}

std::string NvSNMPRequest2Controls::ReadOkText() const {
  std::string text = NvErrorText(NvErr::Ok);
  if (IsTableList() || Request.NoValueVars.empty()) return text;
  std::string labels;
  for (int i : Request.NoValueVars) {
    const NvSNMPVar* var = Request.Vars.GetVar(i);
    std::string label = var && var->Label ? var->Label : "";
    while (!label.empty() && label.back() == ' ') label.pop_back();
    labels += (labels.empty() ? "" : ", ") + label;
  }
  return text + " No value from the switch: " + labels + ".";
}

void NvSNMPRequest2Controls::EndGet(NvSNMPError* error, const std::string& statusText) {
  RecordRead(NvSNMPError{});
  ReadEnded();
  EndReadAfter([this] { AfterGet(); });
  MessageIndex = 0;
  ShowStatus(statusText);
  if (GetDoneHandler) GetDoneHandler(this, error);
}

void NvSNMPRequest2Controls::FailGet(NvSNMPError* error) {
  RecordRead(*error);
  reading_ = false;
  UpdateBusy();
  ReadEnded();
  MessageIndex = 0;
  if (GetDoneHandler)
    GetDoneHandler(this, error);
  else
    OnGetError(error);
}

void NvSNMPRequest2Controls::RecordRead(const NvSNMPError& error) {
  lastReadError_ = error;
  if (Gate) Gate->ReadOutcome(this, error);
}

void NvSNMPRequest2Controls::OnGetError(NvSNMPError* error) {
  MessageIndex = 0;
  if (StatusControl)
    ShowStatus(error->Message);
  else
    ShowMessageBox(error->Message);
}

// ---------------------------------------------------------------------------------------
// Writing

bool NvSNMPRequest2Controls::Set(bool refreshAfter, bool collectFirst, const std::string& includeList,
                                 TStrings* valueSource) {
  CallScope scope(this);
  if (WriteRefused()) return false;
  // After a silence in this handler the SET would hold the window again; that silence is told.
  if (const NvSNMPError* held = Gate ? Gate->HeldRead() : nullptr) {
    lastSetError_ = *held;
    return false;
  }
  MessageIndex = 1;
  RefreshAfterSet = refreshAfter;
  // A write that cannot be sent (a value its format refuses) says so where no read that
  // follows can overwrite it.
  try {
    BeforeSet();
    if (collectFirst) CollectValues();
    return SendSet(includeList, valueSource);
  } catch (const Exception& e) {
    ShowMessageBox(e.Message);
    throw;
  }
}

bool NvSNMPRequest2Controls::WriteRefused() {
  const std::string refusal = Gate ? Gate->WriteRefusal() : std::string();
  if (refusal.empty()) return false;
  ShowMessageBox(refusal);
  return true;
}

bool NvSNMPRequest2Controls::SendSet(const std::string& includeList, TStrings* valueSource) {
  return ClearingBusyOnThrow(
      [&] {
        if (!Asynchronous) {
          ++blocking_;
          Busy = 1;
          NvSNMPError error;
          bool ok = false;
          {
            ScopeExit unblocked([this] {
              --blocking_;
              UpdateBusy();
            });
            if (Request.Active) {
              const auto start = std::chrono::steady_clock::now();
              Request.Set(ok, error, false, includeList, valueSource);
              TellIfSlow(start, ok || error.Code != NvErr::Timeout);
            } else {
              error.Message = kStopText;
            }
            AfterSet();
          }
          lastSetError_ = error;
          ++setsAnswered_;
          if (Gate && Request.Active) Gate->WriteOutcome(this, error);
          if (!ok) {
            ShowSetError(&error);
          } else if (StatusControl) {
            MessageIndex = 1;
            ShowStatus(NvErrorText(NvErr::Ok));
          }
          if (IsTableList() && RefreshAfterSet) Get();
          return ok;
        }
        return SendAsync(
            [&](bool& ok) { Request.SetAsync(ok, &SetReplyTrampoline, this, false, includeList, valueSource); },
            false);
      },
      false);
}

void NvSNMPRequest2Controls::SetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList*) {
  auto* self = static_cast<NvSNMPRequest2Controls*>(data);
  if (self->destroying_) return;
  if (self->released_) {
    CallScope scope(self);  // frees it once nothing is outstanding
    return;
  }
  self->OnAsyncSetReply(error);
}

void NvSNMPRequest2Controls::OnAsyncSetReply(NvSNMPError* error) {
  CallScope scope(this);
  lastSetError_ = *error;
  ++setsAnswered_;
  {
    ScopeExit answered([this] { UpdateBusy(); });
    if (error->Code == 0) AfterSet();
  }
  MessageIndex = 1;
  const std::shared_ptr<bool> alive = alive_;
  if (Gate) Gate->WriteOutcome(this, *error);
  if (SetDoneHandler)
    SetDoneHandler(this, error);
  else
    OnSetDone(error);
  if (!*alive) return;
  if (error->Code == 0 && IsTableList() && RefreshAfterSet) Get();
}

bool NvSNMPRequest2Controls::SetAndWait(bool collectFirst) {
  const int before = setsAnswered_;
  // A read asked for during the wait would use what the caller left out for the write.
  ReadsHeld held(this);
  if (!Set(false, collectFirst)) return false;
  if (!Asynchronous) return true;
  const std::shared_ptr<bool> alive = alive_;
  const auto start = std::chrono::steady_clock::now();
  while (setsAnswered_ == before && Request.Outstanding() > 0 &&
         std::chrono::steady_clock::now() - start < ReplyLimit()) {
    Application->ProcessMessages();
    if (!*alive) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (setsAnswered_ == before) lastSetError_ = NvFailure(NvErr::Timeout, NvErrorText(NvErr::Timeout));
  return setsAnswered_ != before && lastSetError_.Code == 0;
}

void NvSNMPRequest2Controls::OnSetDone(NvSNMPError* error) {
  MessageIndex = 1;
  if (error->Code != 0 && setBoxesHeld_ > 0) return;  // told with the other SETs
  if (error->Code != 0 || !StatusControl)
    ShowMessageBox(error->Message);
  else
    ShowStatus(error->Message);
}

NvSNMPRequest2Controls::SetBoxesHeld::SetBoxesHeld(NvSNMPRequest2Controls* binding)
    : binding_(binding), alive_(binding->alive_) {
  ++binding_->setBoxesHeld_;
}

NvSNMPRequest2Controls::SetBoxesHeld::~SetBoxesHeld() {
  if (*alive_) --binding_->setBoxesHeld_;
}

void NvSNMPRequest2Controls::ShowSetError(NvSNMPError* error) { NvSNMPRequest2Controls::OnSetDone(error); }

// ---------------------------------------------------------------------------------------
// Stopping

bool NvSNMPRequest2Controls::StopAndWait(std::function<void()> whenIdle) {
  Stop();
  if (depth_ > 0) {
    if (whenIdle) whenIdle_ = std::move(whenIdle);
    return false;
  }
  return WaitIdle(ReplyLimit());
}

// A reply, at worst the time-out of the last retry, always comes; the bound is a safety net.
std::chrono::milliseconds NvSNMPRequest2Controls::ReplyLimit() const {
  return std::chrono::milliseconds(Request.TimeOut * 10 * (Request.Retries + 1) + NvSNMPRequest::kDestroyWaitMs);
}

bool NvSNMPRequest2Controls::WaitIdle(std::chrono::milliseconds limit) {
  if (depth_ > 0) return false;
  const auto start = std::chrono::steady_clock::now();
  const std::shared_ptr<bool> alive = alive_;
  while (Busy && std::chrono::steady_clock::now() - start < limit) {
    Application->ProcessMessages();
    if (!*alive) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return !Busy;
}

void NvSNMPRequest2Controls::Release(NvSNMPRequest2Controls* binding) {
  if (!binding) return;
  binding->Stop();
  if (binding->depth_ == 0 && !binding->Busy) {
    delete binding;
    return;
  }
  // Beneath its own call, or a reply still to come: the reply handling frees it, and until
  // then it must not touch the window.
  binding->DetachFromWindow();
  binding->released_ = true;
  binding->whenIdle_ = nullptr;
  binding->Gate = nullptr;
  binding->GetDoneHandler = nullptr;
  binding->SetDoneHandler = nullptr;
  binding->StatusControl = nullptr;
}

// ---------------------------------------------------------------------------------------
// Reporting

void NvSNMPRequest2Controls::ShowStatus(const std::string& text) {
  if (!StatusControl) return;
  std::string line = NvSNMPMessages.Text(MessageIndex);
  const size_t error = line.find("[ERROR]");
  const size_t varlist = line.find("[VARLIST]");
  const std::string& caption = Request.Vars.Caption;
  if (caption.empty()) {
    // Without a caption the words from after "[ERROR]" through "[VARLIST]" and the
    // character after it go.
    if (error != std::string::npos && varlist != std::string::npos && varlist >= error)
      line.erase(error + 7, varlist - error + 3);
  } else {
    ReplaceAll(line, "[VARLIST]", caption);
  }
  ReplaceAll(line, "[ERROR]", text);
  ReplaceAll(line, "[TIME]", NowText());

  if (auto* memo = dynamic_cast<TMemo*>(StatusControl))
    memo->Lines->Add(line);
  else if (auto* bar = dynamic_cast<TStatusBar*>(StatusControl))
    bar->SimpleText = line;
  else if (auto* panel = dynamic_cast<TStatusPanel*>(StatusControl))
    panel->Text = line;
}

void NvSNMPRequest2Controls::ShowMessageBox(const std::string& text) {
  MessageBoxA(Owner, text, Application ? Application->Title() : std::string(), MB_OK);
}
