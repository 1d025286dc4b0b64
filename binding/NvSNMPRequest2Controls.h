// An SNMP request bound to one window: reads (a GET or a GET-NEXT walk) and writes its
// variable list, blocking or through the event pump, turns each run into calls of eight
// notifications that subclasses fill in, and reports on the window's status output
// (a memo, a status bar or one status-bar panel) through the "snmp.msg" templates.
//
//   auto* req = new NvSNMPRequest2Edits(this);
//   req->Request.Vars = NvSNMPVarList(PortTable, MVT_FMV, 1);
//   req->SetStatusPanel(StatusBar1->Panels->Items[0]);
//   req->GetDoneHandler = [this](NvSNMPRequest2Controls*, NvSNMPError*) { WalkEnded = true; };
//   req->Get();
//   ...
//   NvSNMPRequest2Controls::Release(req);   // before the window goes
//
// One read at a time, and none lost: a Get asked for while this binding's read runs, while its
// SETs are in flight or while its reads are held starts once after them (however often it was
// asked for meanwhile). Busy means anything outstanding, a read waiting to start included.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "NvSNMPError.h"
#include "NvSNMPRequest.h"

class TForm;
class TObject;
class TStatusPanel;
class TStrings;
class NvSNMPRequest2Controls;

using NvSNMPDoneEvent = std::function<void(NvSNMPRequest2Controls* Sender, NvSNMPError* Error)>;

// The say of the window that owns bindings over their traffic: each binding asks it before a
// SET and before a blocking read, and tells it how each read ended.
class NvRequestGate {
 public:
  virtual ~NvRequestGate() = default;
  // A text refuses the write (shown in a message box); empty lets it go.
  virtual std::string WriteRefusal() const = 0;
  // An error ends a blocking read, or a SET, with it before anything is sent; null lets it go.
  virtual const NvSNMPError* HeldRead() const = 0;
  // A read has ended: Code 0 when it was answered.
  virtual void ReadOutcome(NvSNMPRequest2Controls* binding, const NvSNMPError& error) = 0;
  // A SET was answered (Code 0), refused, or never answered.
  virtual void WriteOutcome(NvSNMPRequest2Controls*, const NvSNMPError&) {}
  // A blocking exchange was answered only after a try had timed out: the switch is as slow as
  // a silent one for what follows.
  virtual void SlowReply(NvSNMPRequest2Controls*) {}
};

class NvSNMPRequest2Controls {
 public:
  explicit NvSNMPRequest2Controls(TForm* owner);
  virtual ~NvSNMPRequest2Controls();
  NvSNMPRequest2Controls(const NvSNMPRequest2Controls&) = delete;
  NvSNMPRequest2Controls& operator=(const NvSNMPRequest2Controls&) = delete;

  // Notifications, in slot order.
  virtual void BeforeGet() {}
  virtual void BeforeSet() {}
  virtual void ShowRow() {}
  virtual void CollectValues() {}
  virtual void OnGetError(NvSNMPError* error);
  virtual void OnSetDone(NvSNMPError* error);
  virtual void AfterGet() {}
  virtual void AfterSet() {}
  // A read (GET or walk) has ended, however it ended.
  virtual void ReadEnded() {}
  // Lets go of the window's controls: the binding outlives its window once released.
  virtual void DetachFromWindow() {}

  // A TMemo, a TStatusBar or a TStatusPanel; null for none.
  void SetStatusControl(TObject* control) { StatusControl = control; }
  void SetStatusPanel(TStatusPanel* panel);

  // Blocking: true when the last request succeeded. Asynchronous: true when the first
  // request went out, or when the request is inactive and nothing was sent. With a read of
  // this binding under way, SETs in flight or reads held, it starts once they have ended (true).
  bool Get();
  // includeList: "" for every writable variable, else ","-separated indexes; valueSource:
  // null, or the k-th string is the value of the k-th index of includeList.
  bool Set(bool refreshAfter, bool collectFirst, const std::string& includeList = "",
           TStrings* valueSource = nullptr);

  // Marks the request inactive: a running walk ends at its next step, even when the request is
  // made active again before then, and a read waiting to start is dropped.
  void Stop();
  // Stops and waits, handling window messages, until nothing is outstanding; true then.
  // Called from a handler that runs beneath this binding's own reply handling (the messages a
  // blocking walk or a shown row lets through), it cannot wait for the call below it: it
  // returns false at once and runs whenIdle once that call has returned and nothing is busy.
  bool StopAndWait(std::function<void()> whenIdle = nullptr);
  // Handles window messages, sleeping briefly between rounds, until nothing is outstanding
  // or limit has passed; true when idle. Beneath the binding's own call it returns false.
  bool WaitIdle(std::chrono::milliseconds limit);
  // The longest a reply can take: every try's time-out, and a margin.
  std::chrono::milliseconds ReplyLimit() const;
  // Set without re-reading, and in asynchronous mode waits for its reply: true when the
  // switch took it. A refused SET has been reported as Set reports it. Reads asked for during
  // the wait start after it (ReadsHeld). False, too, when the binding was freed meanwhile.
  bool SetAndWait(bool collectFirst);
  // Stops binding and frees it: at once when nothing is outstanding, otherwise when its last
  // reply has come (those replies reach no window). Never waits for a reply, so that a window
  // closes at once on a silent switch; never frees it beneath its own call.
  static void Release(NvSNMPRequest2Controls* binding);
  // False once the binding is gone; for callers that handle messages while it may close.
  std::shared_ptr<const bool> Lifetime() const { return alive_; }
  // Whether a read (GET or walk) of this binding runs.
  bool Reading() const { return reading_; }
  // Whether a read asked for waits to start after what is under way.
  bool ReadWaiting() const { return rereadWanted_; }
  // While one lives, reads of the binding wait: a write waited for with columns left out is
  // never overtaken by a read over those columns. Declare it before the columns are left out;
  // the read asked for meanwhile starts when the last one ends. Outlives the binding safely.
  class ReadsHeld {
   public:
    explicit ReadsHeld(NvSNMPRequest2Controls* binding);
    ~ReadsHeld();
    ReadsHeld(const ReadsHeld&) = delete;
    ReadsHeld& operator=(const ReadsHeld&) = delete;

   private:
    NvSNMPRequest2Controls* binding_;
    std::shared_ptr<bool> alive_;
  };

  // How the last read ended: Code 0 when it was answered (or stopped), else its failure.
  const NvSNMPError& LastReadError() const { return lastReadError_; }
  // The write refused by the Gate: its text shown in a message box; true then.
  bool WriteRefused();
  // How the last SET ended: Code 0 when the switch took it; a time-out when it never answered
  // or was held after a silence.
  const NvSNMPError& LastSetError() const { return lastSetError_; }
  // While one lives, a refused or unanswered SET shows no box of its own: the caller tells the
  // outcome of all its SETs at once.
  class SetBoxesHeld {
   public:
    explicit SetBoxesHeld(NvSNMPRequest2Controls* binding);
    ~SetBoxesHeld();
    SetBoxesHeld(const SetBoxesHeld&) = delete;
    SetBoxesHeld& operator=(const SetBoxesHeld&) = delete;

   private:
    NvSNMPRequest2Controls* binding_;
    std::shared_ptr<bool> alive_;
  };

  // One status line with text in place of "[ERROR]"; nothing without a status output.
  void ShowStatus(const std::string& text);
  void ShowSetError(NvSNMPError* error);

  // The completion functions of the asynchronous requests, once per reply.
  void OnAsyncGetReply(NvSNMPError* error);
  void OnAsyncSetReply(NvSNMPError* error);

  NvSNMPRequest Request;
  NvSNMPDoneEvent GetDoneHandler;
  NvSNMPDoneEvent SetDoneHandler;
  uint8_t Asynchronous = 1;
  uint8_t Busy = 0;
  TForm* Owner;
  TObject* StatusControl = nullptr;
  int32_t MessageIndex = 0;  // "snmp.msg" template: 0 GET, 1 SET
  uint8_t RefreshAfterSet = 1;
  // The window's say over writes and blocking reads; null: every one goes. Let go by Release.
  NvRequestGate* Gate = nullptr;
  // Checked beside the request's row condition before each row is shown; empty: every row.
  std::string ShowCondition;

 protected:
  bool IsTableList() const { return Request.Vars.Kind == MVT_FMV || Request.Vars.Kind == MVT_UMV; }
  // "Ok!", and for scalars or one row the objects the switch gave no value for: an empty
  // control must not pass for a value read.
  std::string ReadOkText() const;
  // A message box owned by the window, titled with the application title.
  void ShowMessageBox(const std::string& text);
  // Within a blocking GET or SET of this binding.
  bool InBlockingCall() const { return blocking_ > 0; }

 private:
  class CallScope;
  static void GetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList* vars);
  static void SetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList* vars);
  bool RowWanted();
  bool ClearingBusyOnThrow(const std::function<bool()>& run, bool read);
  bool SendAsync(const std::function<void(bool& ok)>& send, bool read);
  void EndReadAfter(const std::function<void()>& hook);
  // Busy from what is outstanding: a read, a blocking call, replies not yet handled.
  void UpdateBusy();
  // At the end of the outermost call: a released binding goes, a deferred read starts, a
  // close waiting for the call below goes ahead.
  void AfterOutermostCall();
  // A read started now would run beside another, beside SETs in flight or within a hold.
  bool ReadMustWait() const;
  void StartWaitingRead();
  bool GetBlocking();
  // A blocking exchange started then and answered now came only after a try had timed out:
  // the Gate hears of it.
  void TellIfSlow(std::chrono::steady_clock::time_point start, bool answered);
  bool SendSet(const std::string& includeList, TStrings* valueSource);
  // The end of an asynchronous GET that is no error reply: status line, then the handler.
  void EndGet(NvSNMPError* error, const std::string& statusText);
  void FailGet(NvSNMPError* error);
  // The read's end, as LastReadError and to the Gate.
  void RecordRead(const NvSNMPError& error);

  int depth_ = 0;                       // blocking calls and reply handling in progress
  int blocking_ = 0;                    // blocking GETs and SETs in progress
  bool reading_ = false;                // a GET or walk runs
  bool walkStopped_ = false;            // the read under way ends at its next reply
  int readsHeld_ = 0;                   // ReadsHeld alive
  int setBoxesHeld_ = 0;                // SetBoxesHeld alive
  bool rereadWanted_ = false;           // a read waits for the SETs in flight
  bool released_ = false;               // its window is gone; freed when idle
  int setsAnswered_ = 0;                // SET replies handled so far
  NvSNMPError lastSetError_;            // the last of them
  NvSNMPError lastReadError_;
  bool destroying_ = false;
  std::function<void()> whenIdle_;      // a close that waits for the call below it
  std::shared_ptr<bool> alive_;         // false once destroyed
};
