// Reply processing end to end: the request engine sends a GET, GET-NEXT or SET through the
// program's session to a responder on 127.0.0.1 run by this target; the responder answers
// each request with a response message built from the input, which Net-SNMP decodes into
// the reply PDU that the engine then processes for a variable list of each kind (scalars,
// one row, a walk with index columns of every index type).
//
// Input: one byte of list choice, the index columns of a walk, then up to kRounds replies.
// A reply is either structured (bindings whose OIDs are taken from the request, so that
// the engine gets past its checks, with any tag and any value content) or raw (the bytes
// of the variable-binding list as they are). Every reply is followed by a well-formed
// empty one with the same request ID, which ends the request when Net-SNMP dropped the
// first, and is itself dropped otherwise.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "Exception.h"
#include "Forms.h"
#include "FuzzSupport.h"
#include "NvSNMPConvert.h"
#include "NvSNMPRequest.h"
#include "NvSNMPSession.h"

namespace {

constexpr int kRounds = 6;
const char* const kBase = "1.3.6.1.4.1.32473.77.1";

const int kIndexSyntaxes[] = {
    NvSyntax::integer,    NvSyntax::octetstr, NvSyntax::displaystr, NvSyntax::objectid,   NvSyntax::ipaddress,
    NvSyntax::macaddress, NvSyntax::ipv6address, NvSyntax::inetaddress, NvSyntax::counter64, NvSyntax::double_,
    NvSyntax::datetime,   NvSyntax::bcdatetime, NvSyntax::timeticks, NvSyntax::boolean,   NvSyntax::uinteger,
    NvSyntax::bitstr,     NvSyntax::opaque,   NvSyntax::bitlist,    NvSyntax::nsapaddr,   NvSyntax::null,
    NvSyntax::counter,    NvSyntax::guage,
};
constexpr size_t kIndexSyntaxCount = sizeof kIndexSyntaxes / sizeof kIndexSyntaxes[0];

// Value columns of every syntax, with a text each that a SET can send.
struct Column {
  int syntax;
  const char* value;
};
const Column kColumns[] = {
    {NvSyntax::integer, "-5"},          {NvSyntax::displaystr, "abc"},     {NvSyntax::octetstr, "0A0B"},
    {NvSyntax::objectid, "1.3.6.1"},    {NvSyntax::ipaddress, "10.0.0.1"}, {NvSyntax::counter, "5"},
    {NvSyntax::timeticks, "1"},         {NvSyntax::counter64, "7"},       {NvSyntax::macaddress, "00E0FC0A0B0C"},
    {NvSyntax::datetime, "2022/12/10 13:05:30"}, {NvSyntax::inetaddress, "10.0.0.2"}, {NvSyntax::double_, "1.5"},
    {NvSyntax::uinteger, "3"},          {NvSyntax::bitlist, "80"},        {NvSyntax::ipv6address, "00000000000000000000000000000001"},
    {NvSyntax::boolean, "true"},        {NvSyntax::guage, "4"},           {NvSyntax::opaque, "01"},
    {NvSyntax::nsapaddr, "10.0.0.3"},   {NvSyntax::bcdatetime, "2022/12/10 13:05:30"}, {NvSyntax::bitstr, "C0"},
};
constexpr size_t kColumnCount = sizeof kColumns / sizeof kColumns[0];

// ---- BER, just what a response message needs ----------------------------------------

std::string Length(size_t n) {
  if (n < 0x80) return std::string(1, char(n));
  std::string bytes;
  for (; n; n >>= 8) bytes.insert(bytes.begin(), char(n & 0xFF));
  return std::string(1, char(0x80 | bytes.size())) + bytes;
}

std::string Tlv(uint8_t tag, const std::string& content) { return char(tag) + Length(content.size()) + content; }

std::string SubIds(const std::vector<uint32_t>& ids) {
  std::string out;
  for (uint32_t id : ids) {
    std::string part(1, char(id & 0x7F));
    for (id >>= 7; id; id >>= 7) part.insert(part.begin(), char(0x80 | (id & 0x7F)));
    out += part;
  }
  return out;
}

std::string OidContent(const char* dotted) {
  std::vector<uint32_t> ids;
  NvSplitIds(dotted, ids);
  std::vector<uint32_t> rest(ids.begin() + 2, ids.end());
  return std::string(1, char(ids[0] * 40 + ids[1])) + SubIds(rest);
}

// Reads one TLV at p; false when it does not fit.
bool ReadTlv(const std::string& m, size_t& p, uint8_t& tag, std::string& content) {
  if (p + 2 > m.size()) return false;
  tag = uint8_t(m[p++]);
  size_t len = uint8_t(m[p++]);
  if (len & 0x80) {
    const size_t k = len & 0x7F;
    if (k == 0 || k > 4 || p + k > m.size()) return false;
    len = 0;
    for (size_t i = 0; i < k; ++i) len = (len << 8) | uint8_t(m[p++]);
  }
  if (len > m.size() - p) return false;
  content = m.substr(p, len);
  p += len;
  return true;
}

// What the responder keeps of a request: version, community, request ID and OIDs (as
// encoded content).
struct Request {
  std::string version, community, requestId;
  std::vector<std::string> oids;
};

bool ParseRequest(const std::string& message, Request& r) {
  size_t p = 0;
  uint8_t tag;
  std::string seq, pdu, item;
  if (!ReadTlv(message, p, tag, seq) || tag != 0x30) return false;
  p = 0;
  if (!ReadTlv(seq, p, tag, r.version) || !ReadTlv(seq, p, tag, r.community) || !ReadTlv(seq, p, tag, pdu)) return false;
  size_t q = 0;
  std::string errStatus, errIndex, list;
  if (!ReadTlv(pdu, q, tag, r.requestId) || !ReadTlv(pdu, q, tag, errStatus) || !ReadTlv(pdu, q, tag, errIndex) ||
      !ReadTlv(pdu, q, tag, list))
    return false;
  size_t v = 0;
  while (v < list.size()) {
    if (!ReadTlv(list, v, tag, item)) return false;
    size_t w = 0;
    std::string oid;
    if (!ReadTlv(item, w, tag, oid)) return false;
    r.oids.push_back(oid);
  }
  return true;
}

std::string Response(const Request& r, uint8_t errStatus, uint8_t errIndex, const std::string& bindings) {
  const std::string pdu = Tlv(0x02, r.requestId) + Tlv(0x02, std::string(1, char(errStatus))) +
                          Tlv(0x02, std::string(1, char(errIndex))) + Tlv(0x30, bindings);
  return Tlv(0x30, Tlv(0x02, r.version) + Tlv(0x04, r.community) + Tlv(0xA2, pdu));
}

const uint8_t kTags[] = {0x02, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x80, 0x81, 0x82};

// The bindings of a structured reply.
std::string Bindings(fuzz::Input& in, const Request& r) {
  std::string out;
  const int count = in.Byte() % 32;
  for (int i = 0; i < count; ++i) {
    const uint8_t how = in.Byte();
    std::string oid;
    std::vector<uint32_t> extra(in.Byte() % 24);
    for (auto& id : extra) id = in.SubId();
    const std::string& sent = r.oids.empty() ? std::string() : r.oids[size_t(i) % r.oids.size()];
    switch (how % 4) {
      case 0: oid = sent; break;                                  // the OID asked for
      case 1: oid = sent + SubIds(extra); break;                  // below it: a row of a walk
      case 2: oid = OidContent(kBase) + SubIds(extra); break;     // any column, any row
      default: oid = in.Bytes(64); break;                         // anything at all
    }
    const uint8_t t = in.Byte();
    const uint8_t tag = t < 0xF0 ? kTags[t % sizeof kTags] : in.Byte();
    out += Tlv(0x30, Tlv(0x06, oid) + Tlv(tag, in.Bytes(40)));
  }
  return out;
}

// ---- the responder ------------------------------------------------------------------

int responder = -1;
uint16_t responderPort = 0;

void StartOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  responder = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (responder < 0 || ::bind(responder, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) std::abort();
  socklen_t len = sizeof a;
  ::getsockname(responder, reinterpret_cast<sockaddr*>(&a), &len);
  responderPort = ntohs(a.sin_port);
  Application->ProcessMessages();  // the window layer exists before the pump's timer
  NvSNMPInitSession(fuzz::ScratchDir());
  NvSNMPEventProcessor().Disable();  // this target drives the library itself
}

// Takes the next request off the responder's socket; false when none comes within waitMs.
bool Receive(Request& r, sockaddr_in& from, int waitMs) {
  pollfd p{responder, POLLIN, 0};
  if (::poll(&p, 1, waitMs) <= 0) return false;
  char buffer[65536];
  socklen_t len = sizeof from;
  const ssize_t n = ::recvfrom(responder, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &len);
  if (n <= 0) return false;
  r = Request();
  return ParseRequest(std::string(buffer, size_t(n)), r);
}

void Send(const std::string& message, const sockaddr_in& to) {
  ::sendto(responder, message.data(), message.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

struct Outcome {
  NvSNMPRequest* req = nullptr;
  bool walk = false;
  bool set = false;
  int replies = 0;
  bool finished = false;
  static void Done(void* data, NvSNMPError* error, NvSNMPVarList* vars) {
    auto* self = static_cast<Outcome*>(data);
    ++self->replies;
    static const bool verbose = std::getenv("NV_FUZZ_VERBOSE") != nullptr;  // for writing seeds
    if (verbose) {
      std::fprintf(stderr, "reply %d: code %d \"%s\"%s\n", self->replies, error->Code, error->Message.c_str(),
                   error->Finished ? " finished" : "");
      for (int i = 0; i < vars->GetCount(); ++i)
        std::fprintf(stderr, "  %s = \"%s\"\n", vars->GetVar(i)->Oid, vars->GetVar(i)->Value->c_str());
    }
    if (error->Finished || !self->walk || self->set) {
      self->finished = true;
      return;
    }
    bool ok = false;
    try {
      self->req->GetAsync(ok, &Outcome::Done, self, false);
    } catch (const Exception&) {
      ok = false;
    }
    if (!ok) self->finished = true;
  }
};

// Lets the library deliver what has arrived until the request has answered.
void Deliver(Outcome& outcome, int before) {
  for (int i = 0; i < 2000 && outcome.replies == before && !outcome.finished; ++i) {
    SNMPProcessPendingEvents();
    if (NvSNMPTakeDeferredException()) __builtin_trap();  // nothing here throws on purpose
    if (i > 10) ::usleep(100);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartOnce();
  fuzz::Input in(data, size);
  const uint8_t choice = in.Byte();
  const int kind = choice % 4;  // SVT_SV, MVT_SV, MVT_FMV, MVT_UMV
  NvSNMPDevice::Port = responderPort;
  NvSNMPSecurity::Version = (choice & 4) ? 0 : 1;

  NvSNMPRequest req;
  req.TimeOut = 100;
  req.Retries = 0;
  req.Vars.Kind = uint8_t(kind);
  if (kind >= MVT_FMV) {
    const int indexCount = 1 + in.Byte() % 3;
    for (int i = 0; i < indexCount; ++i) {
      const int syntax = kIndexSyntaxes[in.Byte() % kIndexSyntaxCount];
      const bool implied = (in.Byte() & 1) && i == indexCount - 1;
      req.Vars.AddVar(" ", "index", syntax, NvAccess::notaccess | (implied ? NvAccess::implied : 0), nullptr);
    }
    req.Vars.IndexCount = indexCount;
  }
  const size_t first = in.Byte() % kColumnCount;
  const size_t columns = 1 + in.Byte() % kColumnCount;
  for (size_t k = 0; k < columns; ++k) {
    const size_t c = (first + k) % kColumnCount;
    const std::string oid = std::string(kBase) + "." + std::to_string(c + 1);
    req.Vars.AddVar(oid.c_str(), "column", kColumns[c].syntax, NvAccess::readwrite, nullptr);
    *req.Vars.GetVar(req.Vars.GetCount() - 1)->Value = kColumns[c].value;
  }
  if (kind == MVT_SV) req.Vars.InstanceSuffix = "3.1";

  Outcome outcome;
  outcome.req = &req;
  outcome.walk = kind >= MVT_FMV;
  outcome.set = (choice & 8) != 0;
  bool ok = false;
  try {
    if (outcome.set)
      req.SetAsync(ok, &Outcome::Done, &outcome, (choice & 16) != 0, "", nullptr);
    else
      req.GetAsync(ok, &Outcome::Done, &outcome, true);
  } catch (const Exception&) {
    ok = false;
  }

  for (int round = 0; ok && !outcome.finished && req.PendingReplies > 0; ++round) {
    Request r;
    sockaddr_in from{};
    if (!Receive(r, from, 2000)) break;
    const uint8_t how = in.Byte();
    const uint8_t errStatus = in.Byte(), errIndex = in.Byte();
    const int before = outcome.replies;
    if (round < kRounds && in.Left() > 0) {
      std::string bindings;
      if (how & 1) {
        const size_t len = (size_t(in.Byte()) << 8) | in.Byte();
        bindings = in.Take(len);
      } else {
        bindings = Bindings(in, r);
      }
      Send(Response(r, errStatus, errIndex, bindings), from);
    }
    Send(Response(r, 0, 0, ""), from);
    Deliver(outcome, before);
  }
  // Whatever still waits for an answer is never left for the request's destructor.
  for (int extra = 0; extra < 16 && req.PendingReplies > 0; ++extra) {
    Request r;
    sockaddr_in from{};
    if (!Receive(r, from, 2000)) break;
    Send(Response(r, 0, 0, ""), from);
    Deliver(outcome, outcome.replies);
  }
  if (req.PendingReplies != 0) __builtin_trap();  // a request that never ended
  return 0;
}
