#include "NvSNMPRequest.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "Classes.h"
#include "Forms.h"
#include "NvEvaluator.h"
#include "NvNumList.h"
#include "NvSNMPConvert.h"
#include "NvSNMPSession.h"
#include "ScopeExit.h"

// One asynchronous send: what the reply handling needs to know when the library calls back.
struct NvSNMPAsyncContext {
  NvSNMPRequest* request = nullptr;  // null once the request is gone: the callback only frees this
  bool takeReplyValues = false;
  bool isSet = false;
  NvSNMPCompletion completion = nullptr;
  void* data = nullptr;
  std::vector<int> sent;  // variables in binding order
  std::vector<std::string> sentOids;
};

struct NvSNMPRequest::Targets {
  std::unique_ptr<CTarget> community;
  std::unique_ptr<UTarget> user;
  SnmpTarget* target = nullptr;
};

namespace {

std::exception_ptr deferredException;
int deliveryDepth = 0;  // > 0 while a reply is being delivered

enum SendOp { OpGet, OpGetNext, OpSet };

int Send(Snmp* session, Pdu& pdu, const SnmpTarget& target, int op) {
  if (!session) return SNMP_CLASS_RESOURCE_UNAVAIL;
  switch (op) {
    case OpGet: return session->get(pdu, target);
    case OpGetNext: return session->get_next(pdu, target);
    default: return session->set(pdu, target);
  }
}

bool Inside(const std::vector<uint32_t>& column, const std::vector<uint32_t>& oid) {
  return oid.size() > column.size() && std::equal(column.begin(), column.end(), oid.begin());
}

std::string UnknownMessage() { return NvErrorText(NvErr::Unknown); }

// "(SNMPClass) Invalid Pdu!": a reply that does not answer what was sent.
const int kInvalidPdu = -411;

// Restores access bits, values and walk positions of a list in place on every way out, so
// that records keep their identity for whoever points at them.
class ListRestorer {
 public:
  explicit ListRestorer(NvSNMPVarList& vars) : vars_(vars) {
    for (int i = 0; i < vars.GetCount(); ++i) {
      const NvSNMPVar* v = vars.GetVar(i);
      saved_.push_back({v->Access, *v->Value, *v->LastOid});
    }
  }
  ~ListRestorer() { Restore(); }
  void Restore() {
    const int n = std::min<int>(vars_.GetCount(), int(saved_.size()));
    for (int i = 0; i < n; ++i) {
      NvSNMPVar* v = vars_.GetVar(i);
      v->Access = saved_[size_t(i)].access;
      *v->Value = saved_[size_t(i)].value;
      *v->LastOid = saved_[size_t(i)].lastOid;
    }
  }

 private:
  struct Saved {
    int access;
    std::string value;
    std::string lastOid;
  };
  NvSNMPVarList& vars_;
  std::vector<Saved> saved_;
};

}  // namespace

std::exception_ptr NvSNMPTakeDeferredException() {
  std::exception_ptr e = deferredException;
  deferredException = nullptr;
  return e;
}

// ---------------------------------------------------------------------------------------

NvSNMPRequest::NvSNMPRequest() : TimeOut(NvSNMPDefaultTimeout), alive_(std::make_shared<bool>(true)) {
  LoadSessionSettings();
}

NvSNMPRequest::~NvSNMPRequest() {
  Active = 0;
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  // A reply whose completion is running right now (and destroys us) is not waited for.
  while (Outstanding() > 0 &&
         Clock::now() - start < std::chrono::milliseconds(kDestroyWaitMs)) {
    if (Application)
      Application->ProcessMessages();
    else if (deliveryDepth == 0)
      SNMPProcessPendingEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  *alive_ = false;
  for (NvSNMPAsyncContext* context : outstanding_) context->request = nullptr;
}

void NvSNMPRequest::LoadSessionSettings() {
  Address = NvSNMPDevice::Address;
  Port = NvSNMPDevice::Port;
  ContextEngineID = NvSNMPScope::ContextEngineID;
  ContextName = NvSNMPScope::ContextName;
  Version = NvSNMPSecurity::Version;
  ReadCommunity = NvSNMPSecurity::ReadCommunity;
  WriteCommunity = NvSNMPSecurity::WriteCommunity;
  SecurityModel = NvSNMPSecurity::SecurityModel;
  SecurityLevel = NvSNMPSecurity::SecurityLevel;
  SecurityName = NvSNMPSecurity::SecurityName;
  AuthPassword = NvSNMPSecurity::AuthPassword;
  PrivPassword = NvSNMPSecurity::PrivPassword;
  AuthProtocol = NvSNMPSecurity::AuthProtocol;
  PrivProtocol = NvSNMPSecurity::PrivProtocol;
  TimeOut = NvSNMPDefaultTimeout;
}

std::string NvSNMPRequest::ColumnOid(int i) const {
  std::string oid = Vars.GetVar(i)->Oid;
  if (!Vars.InstanceSuffix.empty()) oid += "." + Vars.InstanceSuffix;
  return oid;
}

// ---------------------------------------------------------------------------------------
// Virtual operations

std::string NvSNMPRequest::SubstituteValues(const std::string& source, bool quoteTexts, const std::string& marker) {
  std::string w = source;
  if (marker.empty()) return w;
  size_t from = 0;
  for (size_t p; (p = w.find(marker, from)) != std::string::npos;) {
    size_t end = p + marker.size();
    while (end < w.size() && w[end] >= '0' && w[end] <= '9') ++end;
    const std::string digits = w.substr(p + marker.size(), end - p - marker.size());
    const int d = digits.empty() ? 0 : std::atoi(digits.c_str());
    w.erase(p, end - p);
    if (d < 0 || d >= Vars.GetCount()) NvThrowError(NvErr::BadSyntaxInExpression);
    const NvSNMPVar* var = Vars.GetVar(d);
    std::string v = *var->Value;
    if (var->Options) v = var->Options->NameToValue(v);
    if (v == "(NULL)") NvThrowError(NvErr::NullInExpression);
    std::string operand;
    switch (var->Syntax) {
      case NvSyntax::boolean: case NvSyntax::bool8: case NvSyntax::bool16:
        operand = v == "true" ? "1" : "0";
        break;
      case NvSyntax::integer: case NvSyntax::counter: case NvSyntax::counter64: case NvSyntax::uinteger:
      case NvSyntax::double_: case NvSyntax::int8: case NvSyntax::uint8: case NvSyntax::int16:
      case NvSyntax::uint16: case NvSyntax::guage:
        operand = v;
        break;
      case NvSyntax::timeticks:
        operand = std::to_string(uint32_t(TimeTicks(v.c_str())));
        break;
      case NvSyntax::bcdatetime:
        operand = NvFloatToStr(NvTextToDateTimeReal(v));
        break;
      default:
        if (!quoteTexts) NvThrowError(NvErr::BadSyntaxInExpression);
        operand = "\"" + v + "\"";
    }
    w.insert(p, operand);
    from = p + operand.size();  // a value holding the marker is not substituted again
  }
  return w;
}

std::string NvSNMPRequest::DecodeIndex(int i, const std::string& suffix) {
  std::vector<uint32_t> ids;
  if (!NvSplitIds(suffix, ids)) NvThrowError(NvErr::BadKeyCount);
  size_t pos = 0;
  NvSNMPVar* var = Vars.GetVar(i);
  *var->Value = NvDecodeIndexValue(*var, i == Vars.IndexCount - 1, ids, pos);
  return NvJoinIds(ids, pos);
}

std::string NvSNMPRequest::EncodeIndex(int i) {
  return NvJoinIds(NvEncodeIndexValue(*Vars.GetVar(i), i == Vars.IndexCount - 1));
}

void NvSNMPRequest::StoreVb(int i, const Vb& vb) {
  NvSNMPVar* var = Vars.GetVar(i);
  *var->Value = NvVbToText(*var, vb);
  if (vb.is_exception()) NoValueVars.push_back(i);
}

void NvSNMPRequest::LoadVb(int i, Vb& vb) { NvTextToVb(*Vars.GetVar(i), vb); }

void NvSNMPRequest::ApplyExpression(int i, bool afterRead) {
  NvSNMPVar* var = Vars.GetVar(i);
  const char* expr = afterRead ? var->ReadExpr : var->WriteExpr;
  if (!expr || !*expr) return;
  const double x = NvExprEvalNumber(SubstituteValues(expr, false, "$"));
  const double t = std::trunc(x);
  auto fits = [&](double lo, double hi) {
    if (!(t >= lo && t <= hi)) NvThrowError(NvErr::BadSyntaxInExpression);
  };
  std::string value;
  switch (var->Syntax) {
    case NvSyntax::boolean:
      value = x != 0 ? "true" : "false";
      break;
    case NvSyntax::integer:
      fits(-2147483648.0, 2147483647.0);
      value = std::to_string(int32_t(t));
      break;
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger:
      fits(0, 4294967295.0);
      value = std::to_string(uint32_t(t));
      break;
    case NvSyntax::timeticks:
      fits(0, 4294967295.0);
      value = TimeTicks(uint32_t(t)).get_printable();
      break;
    case NvSyntax::counter64:
      fits(0, 18446744073709549568.0);
      value = std::to_string(uint64_t(t));
      break;
    case NvSyntax::double_:
      value = NvFloatToStr(x);
      break;
    case NvSyntax::bcdatetime:
      value = NvDateTimeRealToText(x);
      break;
    default:
      NvThrowError(NvErr::BadSyntaxInExpression);
  }
  if (var->Options) value = var->Options->ValueToName(value);
  *var->Value = value;
}

bool NvSNMPRequest::EvalCondition(const std::string& condition) {
  if (condition.empty()) return true;
  return NvExprEvalBool(SubstituteValues(condition, true, "$"));
}

namespace {
// Inside the column, yet not after the OID answered before: the agent went back or stood still.
bool MovesBack(const std::string& columnOid, const std::string& lastOid, const std::string& newOid) {
  std::vector<uint32_t> column, last, next;
  if (lastOid.empty() || !NvSplitIds(columnOid, column) || !NvSplitIds(newOid, next) || !Inside(column, next))
    return false;
  return NvSplitIds(lastOid, last) && !std::lexicographical_compare(last.begin(), last.end(), next.begin(), next.end());
}
}  // namespace

bool NvSNMPRequest::ColumnFinished(const std::string& columnOid, const std::string& lastOid,
                                   const std::string& newOid) {
  if (!IsWalk()) return false;
  std::vector<uint32_t> column, next;
  if (!NvSplitIds(columnOid, column) || !NvSplitIds(newOid, next)) return true;
  if (!Inside(column, next)) return true;
  // The agent must move forward; an equal or smaller OID would make the walk loop.
  return MovesBack(columnOid, lastOid, newOid);
}

void NvSNMPRequest::TellWalkEnd(int& code, std::string& message) const {
  if (code != 0 || !outOfOrder_) return;
  code = NvErr::WalkOutOfOrder;
  message = NvErrorText(code);
}

// ---------------------------------------------------------------------------------------
// Row index

void NvSNMPRequest::DecodeRowIndex(const std::string& rowSuffix) {
  std::string rest = rowSuffix;
  for (int i = 0; i < Vars.IndexCount; ++i) {
    if (rest.empty()) NvThrowError(NvErr::BadKeyCount);
    if (!Vars.IsReadable(i)) *Vars.GetVar(i)->LastOid = ColumnOid(i) + "." + rowSuffix;
    rest = DecodeIndex(i, rest);
  }
}

std::string NvSNMPRequest::RowIndexSuffix() {
  std::string suffix;
  for (int i = 0; i < Vars.IndexCount; ++i) {
    const std::string part = EncodeIndex(i);
    if (part.empty()) continue;  // a null index adds nothing
    if (!suffix.empty()) suffix += ".";
    suffix += part;
  }
  return suffix;
}

// ---------------------------------------------------------------------------------------
// Building and sending

void NvSNMPRequest::MakeTargets(Targets& targets) {
  UdpAddress address = NvSNMPResolveAddress(Address);
  address.set_port(Port);
  if (!address.valid()) NvThrowError(NvErr::BadAddress);
  targets.user = std::make_unique<UTarget>(address);
  targets.community = std::make_unique<CTarget>(address);
  if (Version == version3) {
    UTarget& u = *targets.user;
    u.set_version(Version);
    u.set_retry(Retries);
    u.set_timeout(static_cast<unsigned long>(TimeOut));
    u.set_security_model(SecurityModel);
    u.set_security_name(OctetStr(SecurityName));
    // A level without authentication or privacy uses no keys: protocols set beside it must not
    // keep the request from being sent.
    usmAddUserName(OctetStr(SecurityName), SecurityLevel >= 2 ? AuthProtocol : 1, SecurityLevel >= 3 ? PrivProtocol : 1,
                   OctetStr(AuthPassword), OctetStr(PrivPassword));
    targets.target = &u;
  } else {
    CTarget& c = *targets.community;
    c.set_version(Version);
    c.set_retry(Retries);
    c.set_timeout(static_cast<unsigned long>(TimeOut));
    c.set_readcommunity(OctetStr(ReadCommunity));
    c.set_writecommunity(OctetStr(WriteCommunity));
    targets.target = &c;
  }
}

std::vector<int> NvSNMPRequest::BuildPdu(Pdu& pdu, PduMode mode) {
  pdu.set_security_level(SecurityLevel);
  pdu.set_context_name(OctetStr(ContextName));
  pdu.set_context_engine_id(OctetStr(NvContextEngineIdBytes(ContextEngineID)));
  const bool walk = IsWalk();
  if (mode == PduMode::Next && (Vars.Kind == SVT_SV || Vars.Kind == MVT_SV)) NvThrowError(NvErr::GetNextSingleValue);
  if (mode == PduMode::Set && Vars.Kind > MVT_UMV) NvThrowError(NvErr::BadListType);
  std::string rowSuffix;
  if (mode == PduMode::Set && walk) rowSuffix = RowIndexSuffix();

  if (mode == PduMode::First) NoValueVars.clear();
  std::vector<int> sent;
  for (int i = 0; i < Vars.GetCount(); ++i) {
    NvSNMPVar* var = Vars.GetVar(i);
    Vb vb;
    std::string oid;
    if (mode == PduMode::Set) {
      if (walk && i < Vars.IndexCount) continue;
      if (!Vars.IsWritable(i)) continue;
      oid = ColumnOid(i);
      if (Vars.Kind == SVT_SV) oid += ".0";
      else if (walk) oid += "." + rowSuffix;
      vb.set_oid(Oid(oid.c_str()));
      vb.set_syntax(var->Syntax);
      LoadVb(i, vb);
    } else {
      if (!Vars.IsReadable(i)) continue;
      if (mode == PduMode::First) {
        outOfOrder_ = false;
        var->LastOid->clear();
        oid = ColumnOid(i);
        if (Vars.Kind == SVT_SV) oid += ".0";
      } else {
        oid = *var->LastOid;
      }
      vb.set_oid(Oid(oid.c_str()));
    }
    pdu += vb;
    sent.push_back(i);
  }
  return sent;
}

int NvSNMPRequest::CheckReply(const Pdu& pdu, const std::vector<int>& sent, const std::vector<std::string>& sentOids,
                              bool sameOids) const {
  if (pdu.get_vb_count() < int(sent.size())) return kInvalidPdu;
  if (sameOids) {
    for (size_t j = 0; j < sent.size(); ++j) {
      Vb vb;
      pdu.get_vb(vb, int(j));
      if (j < sentOids.size() && !(vb.get_oid() == Oid(sentOids[j].c_str()))) return kInvalidPdu;
    }
  }
  return 0;
}

NvSNMPRequest::ReplyEnd NvSNMPRequest::ProcessReply(int code, const Pdu& pdu, const std::vector<int>& sent,
                                                    bool walkRules, bool fromSet, bool& finishedAll) {
  rowSuffix_.clear();
  size_t finished = 0, j = 0;
  // A walk step's row is the lowest row any column answered with: a sparse table has no cell
  // in some columns, and those answer with a later row.
  std::vector<uint32_t> lowestRow;
  std::vector<std::vector<uint32_t>> rowOf(sent.size());
  const bool lineUp = IsWalk() && !fromSet;
  for (size_t k = 0; k < sent.size(); ++k) {
    const int i = sent[k];
    Vb vb;
    pdu.get_vb(vb, int(k));
    const std::string newOid = vb.get_printable_oid();
    if (walkRules && code == NvErr::NoSuchName && IsWalk()) {
      if (*Vars.GetVar(i)->LastOid == newOid) return ReplyEnd::WalkEnded;
      if (deliveringAsync_) return ReplyEnd::NoSuchName;
    }
    if (!lineUp || ColumnFinished(ColumnOid(i), *Vars.GetVar(i)->LastOid, newOid)) continue;
    std::vector<uint32_t> col;
    NvSplitIds(ColumnOid(i), col);
    const std::vector<uint32_t>& ids = vb.get_oid().ids();
    rowOf[k].assign(ids.begin() + std::ptrdiff_t(col.size()), ids.end());
    if (lowestRow.empty() || rowOf[k] < lowestRow) lowestRow = rowOf[k];
  }
  for (; j < sent.size(); ++j) {
    const int i = sent[j];
    NvSNMPVar* var = Vars.GetVar(i);
    Vb vb;
    pdu.get_vb(vb, int(j));
    const std::string newOid = vb.get_printable_oid();
    const std::string column = ColumnOid(i);
    if (lineUp && !rowOf[j].empty() && rowOf[j] != lowestRow) {
      // No cell in this row: shown empty, and asked again from this row at the next step.
      *var->Value = "";
      *var->LastOid = column + "." + NvJoinIds(lowestRow, 0);
      continue;
    }
    if (ColumnFinished(column, fromSet ? std::string() : *var->LastOid, newOid)) {
      ++finished;
      if (lineUp && MovesBack(column, *var->LastOid, newOid)) outOfOrder_ = true;
      *var->Value = "(NOTDONE)";
      // Stand at the row being processed, so a later step asks this column for what follows it.
      std::string at;
      try {
        at = RowIndexSuffix();
      } catch (const Exception&) {
        at.clear();  // no row read yet: the walk of this column simply stays ended
      }
      *var->LastOid = at.empty() ? newOid : column + "." + at;
    } else {
      StoreVb(i, vb);
      *var->LastOid = newOid;
      std::vector<uint32_t> col;
      if (rowSuffix_.empty() && NvSplitIds(column, col) && Inside(col, vb.get_oid().ids()))
        rowSuffix_ = NvJoinIds(vb.get_oid().ids(), col.size());
    }
  }
  finishedAll = finished == j;
  return ReplyEnd::Row;
}

void NvSNMPRequest::AfterRow(bool walking) {
  if (walking) DecodeRowIndex(rowSuffix_);
  for (int i = 0; i < Vars.GetCount(); ++i) ApplyExpression(i, true);
}

bool NvSNMPRequest::Get(bool& ok, bool first) {
  ok = true;
  GetError = NvSNMPError{};
  if (!Active) {
    ok = false;
    return false;
  }
  Targets targets;
  MakeTargets(targets);
  Pdu pdu;
  const std::vector<int> sent = BuildPdu(pdu, first ? PduMode::First : PduMode::Next);
  if (Vars.Kind > MVT_UMV) {
    ok = false;
    return false;
  }
  const std::vector<std::string> sentOids = OidsOf(pdu);
  const bool walk = IsWalk();
  const int status = Send(NvSNMPGlobalSession, pdu, *targets.target, walk ? OpGetNext : OpGet);
  int code;
  std::string message;
  NvSNMPMapError(status, code, message);
  if (code != 0) ok = false;
  GetError = NvFailure(code, message);
  if (const int bad = CheckReply(pdu, sent, sentOids, code == 0 && !walk); bad != 0) {
    ok = false;
    if (code == 0) GetError = NvFailure(bad, NvErrorText(bad));
    return false;
  }
  bool finishedAll = false;
  const bool walkEnded = ProcessReply(code, pdu, sent, true, false, finishedAll) == ReplyEnd::WalkEnded;
  if (walkEnded || finishedAll) {
    // noSuchName past the last row is the walk's normal end, unless the agent went back.
    int endCode = 0;
    std::string endMessage;
    TellWalkEnd(endCode, endMessage);
    if (walkEnded || endCode != 0) GetError = NvFailure(endCode, endMessage);
    if (endCode != 0) ok = false;
    return false;
  }
  AfterRow(walk);
  return walk;
}

void NvSNMPRequest::GetAsync(bool& ok, NvSNMPCompletion completion, void* data, bool first) {
  ok = true;
  if (!Active) {
    ok = false;
    return;
  }
  Targets targets;
  MakeTargets(targets);
  Pdu pdu;
  std::vector<int> sent = BuildPdu(pdu, first ? PduMode::First : PduMode::Next);
  if (Vars.Kind > MVT_UMV) {
    ok = false;
    return;
  }
  const int status = SendAsync(pdu, *targets.target, IsWalk() ? OpGetNext : OpGet, completion, data, true,
                               false, std::move(sent));
  ThrowIfRefused(status, ok);
}

// A request refused before it was sent gets no reply: its error goes to the caller at once,
// as a framework error does, so that it reaches the status line or a message box.
void NvSNMPRequest::ThrowIfRefused(int status, bool& ok) {
  int code;
  std::string message;
  NvSNMPMapError(status, code, message);
  if (code == 0) return;
  ok = false;
  NvThrowError(code, message);
}

void NvSNMPRequest::PrepareSet(const std::string& includeList, TStrings* valueSource) {
  if (!includeList.empty()) {
    NvNumList<int> include;
    include.Delimiter = ',';
    include = includeList;
    for (int i = 0; i < Vars.GetCount(); ++i) {
      NvSNMPVar* var = Vars.GetVar(i);
      const int k = include.IndexOf(i);
      if (k < 0) {
        var->Access |= NvAccess::invalid;
      } else {
        var->Access &= ~NvAccess::invalid;
        if (valueSource) *var->Value = valueSource->Get(k);
      }
    }
  }
  for (int i = 0; i < Vars.GetCount(); ++i) ApplyExpression(i, false);
}

bool NvSNMPRequest::Set(bool& ok, NvSNMPError& error, bool takeReplyValues, const std::string& includeList,
                        TStrings* valueSource) {
  ok = true;
  if (!Active) {
    ok = false;
    return false;
  }
  Targets targets;
  Pdu pdu;
  std::vector<int> sent;
  std::vector<std::string> sentOids;
  int status;
  {
    ListRestorer restorer(Vars);
    PrepareSet(includeList, valueSource);
    MakeTargets(targets);
    sent = BuildPdu(pdu, PduMode::Set);
    sentOids = OidsOf(pdu);
    restorer.Restore();
    status = Send(NvSNMPGlobalSession, pdu, *targets.target, OpSet);
  }
  int code;
  std::string message;
  NvSNMPMapError(status, code, message);
  if (code != 0) {
    ok = false;
    error.Code = code;
    error.Message = message;
  }
  if (!takeReplyValues) return false;
  if (const int bad = CheckReply(pdu, sent, sentOids, code == 0)) {
    ok = false;
    error.Code = bad;
    error.Message = NvErrorText(bad);
    return false;
  }
  bool finishedAll = false;
  ProcessReply(code, pdu, sent, false, true, finishedAll);
  if (finishedAll) return false;
  AfterRow(IsWalk());
  return IsWalk();
}

void NvSNMPRequest::SetAsync(bool& ok, NvSNMPCompletion completion, void* data, bool takeReplyValues,
                             const std::string& includeList, TStrings* valueSource) {
  ok = true;
  if (!Active) {
    ok = false;
    return;
  }
  Targets targets;
  Pdu pdu;
  std::vector<int> sent;
  {
    ListRestorer restorer(Vars);
    PrepareSet(includeList, valueSource);
    MakeTargets(targets);
    sent = BuildPdu(pdu, PduMode::Set);
  }
  const int status = SendAsync(pdu, *targets.target, OpSet, completion, data, takeReplyValues, true, std::move(sent));
  ThrowIfRefused(status, ok);
}

std::vector<std::string> NvSNMPRequest::OidsOf(const Pdu& pdu) {
  std::vector<std::string> oids;
  for (const Vb& vb : pdu.vbs()) oids.push_back(vb.get_printable_oid());
  return oids;
}

int NvSNMPRequest::SendAsync(Pdu& pdu, const SnmpTarget& target, int op, NvSNMPCompletion completion, void* data,
                             bool takeReplyValues, bool isSet, std::vector<int> sent) {
  if (!NvSNMPGlobalSession) return SNMP_CLASS_RESOURCE_UNAVAIL;
  auto context = std::make_unique<NvSNMPAsyncContext>();
  context->request = this;
  context->takeReplyValues = takeReplyValues;
  context->isSet = isSet;
  context->completion = completion;
  context->data = data;
  context->sent = std::move(sent);
  context->sentOids = OidsOf(pdu);
  int status;
  switch (op) {
    case OpGet: status = NvSNMPGlobalSession->get(pdu, target, NvSNMPReplyTrampoline, context.get()); break;
    case OpGetNext: status = NvSNMPGlobalSession->get_next(pdu, target, NvSNMPReplyTrampoline, context.get()); break;
    default: status = NvSNMPGlobalSession->set(pdu, target, NvSNMPReplyTrampoline, context.get()); break;
  }
  if (status == SNMP_CLASS_SUCCESS) {
    outstanding_.push_back(context.release());
    PendingReplies += 1;
  }
  return status;
}

// ---------------------------------------------------------------------------------------
// Asynchronous replies

void NvSNMPRequest::OnAsyncReply(int reason, Pdu& pdu, NvSNMPAsyncContext& context, SnmpTarget& target) {
  if (reason == SNMP_CLASS_SESSION_DESTROYED) {
    PendingReplies -= 1;
    return;
  }
  NvSNMPError error;
  int code;
  std::string message;
  const int status = reason == SNMP_CLASS_ASYNC_RESPONSE ? pdu.get_error_status() : reason;
  NvSNMPMapError(status, code, message);
  error.ErrorIndex = pdu.get_error_index();
  GenAddress from;
  target.get_address(from);
  const std::string printable = from.get_printable();
  const size_t slash = printable.rfind('/');
  error.AgentAddress = printable.substr(0, slash);
  if (slash != std::string::npos) error.AgentPort = uint16_t(std::atoi(printable.c_str() + slash + 1));

  bool finished = false;
  const bool walkEnd = code == NvErr::NoSuchName && IsWalk() && !context.isSet;
  try {
    if ((code == 0 && context.takeReplyValues) || walkEnd) {
      if (const int bad = CheckReply(pdu, context.sent, context.sentOids, code == 0 && (!IsWalk() || context.isSet))) {
        code = bad;
        message = NvErrorText(bad);
        finished = true;
      } else {
        bool finishedAll = false;
        deliveringAsync_ = true;
        ReplyEnd end;
        try {
          end = ProcessReply(code, pdu, context.sent, !context.isSet, context.isSet, finishedAll);
        } catch (...) {
          deliveringAsync_ = false;
          throw;
        }
        deliveringAsync_ = false;
        if (walkEnd) {
          finished = true;
          if (end == ReplyEnd::WalkEnded) {
            code = 0;
            message = NvErrorText(0);
          }
        }
        if (finishedAll) finished = true;
        if (finished && !context.isSet) TellWalkEnd(code, message);
        if (!finished) {
          AfterRow(IsWalk());
          if (!IsWalk()) finished = true;
        }
      }
    } else {
      finished = true;
    }
  } catch (const Exception& e) {
    // The request ends here; the completion learns why.
    code = e.HelpContext != 0 ? e.HelpContext : NvErr::Unknown;
    message = e.Message;
    finished = true;
  } catch (...) {
    code = NvErr::Unknown;
    message = UnknownMessage();
    finished = true;
  }
  error.Code = code;
  error.Message = message;
  error.Finished = finished;

  // The completion may destroy this request; touch nothing of it afterwards unless it lives.
  std::shared_ptr<bool> alive = alive_;
  ScopeExit done([this, alive] {
    if (*alive) {
      inCompletion_ -= 1;
      PendingReplies -= 1;
    }
  });
  inCompletion_ += 1;
  if (context.completion) context.completion(context.data, &error, &Vars);
}

void NvSNMPReplyTrampoline(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* contextPtr) {
  std::unique_ptr<NvSNMPAsyncContext> context(static_cast<NvSNMPAsyncContext*>(contextPtr));
  NvSNMPRequest* request = context->request;
  if (!request) return;  // orphaned by a destroyed request
  auto& outstanding = request->outstanding_;
  outstanding.erase(std::remove(outstanding.begin(), outstanding.end(), context.get()), outstanding.end());
  ++deliveryDepth;
  try {
    request->OnAsyncReply(reason, pdu, *context, target);
  } catch (...) {
    // Never unwind through the SNMP library: the pump rethrows it once the library has returned.
    if (!deferredException) deferredException = std::current_exception();
  }
  --deliveryDepth;
}
