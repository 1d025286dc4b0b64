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
//   req->StopAndWait();    // before the window goes
//   delete req;
#pragma once

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

  // A TMemo, a TStatusBar or a TStatusPanel; null for none.
  void SetStatusControl(TObject* control) { StatusControl = control; }
  void SetStatusPanel(TStatusPanel* panel);

  // Blocking: true when the last request succeeded. Asynchronous: true when the first
  // request went out, or when the request is inactive and nothing was sent.
  bool Get();
  // includeList: "" for every writable variable, else ","-separated indexes; valueSource:
  // null, or the k-th string is the value of the k-th index of includeList.
  bool Set(bool refreshAfter, bool collectFirst, const std::string& includeList = "",
           TStrings* valueSource = nullptr);

  // Marks the request inactive: a running walk ends at its next step.
  void Stop() { Request.Active = 0; }
  // Stops and waits, handling window messages, until nothing is outstanding; true then.
  // Called from a handler that runs beneath this binding's own reply handling (the messages a
  // blocking walk or a shown row lets through), it cannot wait for the call below it: it
  // returns false at once and runs whenIdle once that call has returned and nothing is busy.
  bool StopAndWait(std::function<void()> whenIdle = nullptr);

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
  // Checked beside the request's row condition before each row is shown; empty: every row.
  std::string ShowCondition;

 protected:
  bool IsTableList() const { return Request.Vars.Kind == MVT_FMV || Request.Vars.Kind == MVT_UMV; }
  // A message box owned by the window, titled with the application title.
  void ShowMessageBox(const std::string& text);

 private:
  class CallScope;
  static void GetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList* vars);
  static void SetReplyTrampoline(void* data, NvSNMPError* error, NvSNMPVarList* vars);
  bool RowWanted();
  bool ClearingBusyOnThrow(const std::function<bool()>& run);
  bool SendAsync(const std::function<void(bool& ok)>& send);
  void EndBusyAfter(const std::function<void()>& hook);
  bool GetBlocking();
  // The end of an asynchronous GET that is no error reply: status line, then the handler.
  void EndGet(NvSNMPError* error, const std::string& statusText);
  void FailGet(NvSNMPError* error);

  int depth_ = 0;                       // blocking calls and reply handling in progress
  bool destroying_ = false;
  std::function<void()> whenIdle_;      // a close that waits for the call below it
  std::shared_ptr<bool> alive_;         // false once destroyed
};
