// One SNMP request over one variable list: GET, GET-NEXT walks and SET through the process's
// single session, blocking or asynchronously through the event pump, every value as text.
//
//   NvSNMPRequest req;                          // copies the session settings
//   req.Vars = NvSNMPVarList(PortTable, MVT_FMV, 1);
//   bool ok;
//   for (bool more = req.Get(ok, true); more; more = req.Get(ok, false))
//     if (ok) ShowRow(req.Vars);
//
//   req.GetAsync(ok, &Done, this, true);        // Done(this, &error, &req.Vars) per reply
//
// Framework errors, and an asynchronous request the library refuses before sending, are
// thrown as Exception (HelpContext = program code); SNMP failures are reported as codes
// (ok = false, the NvSNMPError of Set, or the completion's record).
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "NvSNMPError.h"
#include "NvSNMPVarList.h"
#include "Snmp.h"

class TStrings;
struct NvSNMPAsyncContext;

// Called once per asynchronous reply (also for a time-out or an error met while the reply
// was processed); error->Finished tells whether anything more follows.
using NvSNMPCompletion = void (*)(void* data, NvSNMPError* error, NvSNMPVarList* vars);

class NvSNMPRequest {
 public:
  NvSNMPRequest();
  virtual ~NvSNMPRequest();
  NvSNMPRequest(const NvSNMPRequest&) = delete;
  NvSNMPRequest& operator=(const NvSNMPRequest&) = delete;

  // Virtual operations, in slot order.
  virtual std::string SubstituteValues(const std::string& source, bool quoteTexts, const std::string& marker);
  virtual std::string DecodeIndex(int i, const std::string& suffix);
  virtual std::string EncodeIndex(int i);
  virtual void StoreVb(int i, const Vb& vb);
  virtual void LoadVb(int i, Vb& vb);
  virtual void ApplyExpression(int i, bool afterRead);
  virtual bool EvalCondition(const std::string& condition);
  virtual bool ColumnFinished(const std::string& columnOid, const std::string& lastOid, const std::string& newOid);

  void LoadSessionSettings();

  bool Get(bool& ok, bool first);
  void GetAsync(bool& ok, NvSNMPCompletion completion, void* data, bool first);
  bool Set(bool& ok, NvSNMPError& error, bool takeReplyValues, const std::string& includeList,
           TStrings* valueSource);
  void SetAsync(bool& ok, NvSNMPCompletion completion, void* data, bool takeReplyValues,
                const std::string& includeList, TStrings* valueSource);

  bool CheckRowCondition() { return EvalCondition(RowCondition); }
  bool CheckCondition(const std::string& condition) { return EvalCondition(condition); }
  void DecodeRowIndex(const std::string& rowSuffix);
  std::string RowIndexSuffix();

  // Column OID of variable i: its Oid, then "." and the list's InstanceSuffix when set.
  std::string ColumnOid(int i) const;

  int32_t TimeOut;
  int32_t Retries = 1;
  std::string Address;
  uint16_t Port = 161;
  std::string ContextEngineID;
  std::string ContextName;
  uint8_t Version = 0;
  std::string ReadCommunity;
  std::string WriteCommunity;
  int32_t SecurityModel = 1;
  int32_t SecurityLevel = 1;
  std::string SecurityName;
  std::string AuthPassword;
  std::string PrivPassword;
  int32_t AuthProtocol = 1;
  int32_t PrivProtocol = 1;

  NvSNMPVarList Vars;
  std::string RowCondition;
  uint8_t Active = 1;
  int32_t PendingReplies = 0;
  // Why the last blocking Get step failed; Code 0 when it was answered (the end of a walk
  // included) or nothing was sent.
  NvSNMPError GetError;
  // The variables the last read found without a value (an object or instance the switch
  // does not have); their values read "(NULL)", or empty for display strings.
  std::vector<int> NoValueVars;

  // Replies sent for and not yet being handled: PendingReplies without those whose
  // completion runs right now.
  int32_t Outstanding() const { return PendingReplies - inCompletion_; }

  // The longest the destructor waits for outstanding replies, in milliseconds.
  static constexpr int kDestroyWaitMs = 6000;

 protected:
  enum class PduMode { First, Next, Set };
  struct Targets;
  // Builds the target of the next send; throws -509 for an address that is not valid.
  void MakeTargets(Targets& targets);
  // Fills pdu and returns the indices of the variables it carries, in binding order.
  std::vector<int> BuildPdu(Pdu& pdu, PduMode mode);
  void OnAsyncReply(int reason, Pdu& pdu, NvSNMPAsyncContext& context, SnmpTarget& target);

 private:
  friend void NvSNMPReplyTrampoline(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* context);

  enum class ReplyEnd { Row, WalkEnded, NoSuchName };
  // Stores the reply's values into the sent variables; finishedAll: every column has ended.
  ReplyEnd ProcessReply(int code, const Pdu& pdu, const std::vector<int>& sent, bool walkRules, bool fromSet,
                        bool& finishedAll);
  // A program code when the reply does not answer what was sent (too few bindings, or other
  // OIDs where the same ones must come back); 0 when it does.
  int CheckReply(const Pdu& pdu, const std::vector<int>& sent, const std::vector<std::string>& sentOids,
                 bool sameOids) const;
  void AfterRow(bool walking);
  void PrepareSet(const std::string& includeList, TStrings* valueSource);
  // Throws the mapped error of a send the library refused (ok = false); returns otherwise.
  static void ThrowIfRefused(int status, bool& ok);
  int SendAsync(Pdu& pdu, const SnmpTarget& target, int op, NvSNMPCompletion completion, void* data,
                bool takeReplyValues, bool isSet, std::vector<int> sent);
  static std::vector<std::string> OidsOf(const Pdu& pdu);
  bool IsWalk() const { return Vars.Kind == MVT_FMV || Vars.Kind == MVT_UMV; }
  // A walk that has ended answers Ok only when no column was ended by an agent going backwards.
  void TellWalkEnd(int& code, std::string& message) const;

  std::string rowSuffix_;           // row suffix of the reply being processed
  bool deliveringAsync_ = false;    // noSuchName ends processing at once for asynchronous replies
  bool outOfOrder_ = false;         // this walk had a column ended by an OID not after its last
  int inCompletion_ = 0;            // completions of this request running right now
  std::shared_ptr<bool> alive_;     // false once destroyed
  std::vector<NvSNMPAsyncContext*> outstanding_;
};

// The plain function the SNMP library calls back with each asynchronous reply.
void NvSNMPReplyTrampoline(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* context);

// An exception that a completion function raised while the pump delivered a reply. It is
// kept here so that it never unwinds through the SNMP library; the pump rethrows it after
// SNMPProcessPendingEvents has returned. Empty when there is none.
std::exception_ptr NvSNMPTakeDeferredException();
