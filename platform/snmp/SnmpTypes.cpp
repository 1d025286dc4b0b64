// Value types of the SNMP interface: octet strings, OIDs, addresses, bindings and PDUs.
// No Net-SNMP here; the session code converts to and from the library's structures.
#include "Snmp.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <atomic>
#include <cctype>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

OctetStr::OctetStr(const char* text) : data_(text ? text : "") {}

OctetStr::OctetStr(const unsigned char* data, size_t len)
    : data_(data ? std::string(reinterpret_cast<const char*>(data), len) : std::string()) {}

// ---------------------------------------------------------------------------------------

Oid::Oid(const char* dotted) {
  if (!dotted) return;
  const char* p = dotted;
  if (*p == '.') ++p;
  if (*p == '\0') {  // "" and "." both stand for the empty OID
    valid_ = true;
    return;
  }
  std::vector<uint32_t> ids;
  while (true) {
    if (!std::isdigit(static_cast<unsigned char>(*p))) return;
    uint64_t v = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
      v = v * 10 + uint64_t(*p - '0');
      if (v > 0xFFFFFFFFull) return;
      ++p;
    }
    ids.push_back(uint32_t(v));
    if (*p == '\0') break;
    if (*p != '.') return;
    ++p;
  }
  ids_ = std::move(ids);
  valid_ = true;
}

const char* Oid::get_printable() const {
  printable_.clear();
  for (size_t i = 0; i < ids_.size(); ++i) {
    if (i) printable_ += '.';
    printable_ += std::to_string(ids_[i]);
  }
  return printable_.c_str();
}

// ---------------------------------------------------------------------------------------

IpAddress::IpAddress(const char* text) {
  in_addr a{};
  if (text && inet_pton(AF_INET, text, &a) == 1) {
    std::memcpy(b_, &a, 4);
    valid_ = true;
  }
}

IpAddress::IpAddress(const OctetStr& four) {
  if (four.len() == 4) {
    std::memcpy(b_, four.data(), 4);
    valid_ = true;
  }
}

const char* IpAddress::get_printable() const {
  char buf[20];
  std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", b_[0], b_[1], b_[2], b_[3]);
  printable_ = buf;
  return printable_.c_str();
}

// ---------------------------------------------------------------------------------------

namespace {

// The name service: the first IPv4 address of the name, else its first IPv6 one.
std::string systemResolver(const std::string& hostName) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* res = nullptr;
  if (getaddrinfo(hostName.c_str(), nullptr, &hints, &res) != 0 || !res) return "";
  const addrinfo* chosen = nullptr;
  for (const addrinfo* a = res; a; a = a->ai_next)
    if (a->ai_family == AF_INET || (a->ai_family == AF_INET6 && !chosen)) {
      chosen = a;
      if (a->ai_family == AF_INET) break;
    }
  char buf[INET6_ADDRSTRLEN] = "";
  if (chosen && chosen->ai_family == AF_INET)
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(chosen->ai_addr)->sin_addr, buf, sizeof buf);
  else if (chosen)
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(chosen->ai_addr)->sin6_addr, buf, sizeof buf);
  freeaddrinfo(res);
  return buf;
}

std::atomic<HostResolver> hostResolver{&systemResolver};

// The address text in its canonical form, and its family; false for anything else.
bool parseAddress(const std::string& text, std::string& canonical, bool& ipv6) {
  in_addr a4{};
  in6_addr a6{};
  char buf[INET6_ADDRSTRLEN];
  if (inet_pton(AF_INET, text.c_str(), &a4) == 1) {
    canonical = text;
    ipv6 = false;
    return true;
  }
  if (inet_pton(AF_INET6, text.c_str(), &a6) == 1 && inet_ntop(AF_INET6, &a6, buf, sizeof buf)) {
    canonical = buf;
    ipv6 = true;
    return true;
  }
  return false;
}

}  // namespace

HostResolver set_host_resolver(HostResolver resolver) { return hostResolver.exchange(resolver ? resolver : &systemResolver); }

UdpAddress::UdpAddress(const char* hostOrAddress) {
  if (!hostOrAddress || !*hostOrAddress) return;
  if (parseAddress(hostOrAddress, host_, ipv6_)) {
    valid_ = true;
    return;
  }
  valid_ = parseAddress(hostResolver.load()(hostOrAddress), host_, ipv6_);
}

const char* UdpAddress::get_printable() const {
  printable_ = host_ + "/" + std::to_string(port_);
  return printable_.c_str();
}

struct AddressLookup::State {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  UdpAddress address;
};

AddressLookup::AddressLookup(const std::string& hostOrAddress) : state_(std::make_shared<State>()) {
  std::string canonical;
  bool ipv6 = false;
  if (hostOrAddress.empty() || parseAddress(hostOrAddress, canonical, ipv6)) {
    state_->address = UdpAddress(hostOrAddress.c_str());
    state_->done = true;
    return;
  }
  // The thread keeps the state alive should the lookup be dropped before it answers.
  std::thread([state = state_, hostOrAddress] {
    UdpAddress address(hostOrAddress.c_str());
    std::lock_guard<std::mutex> lock(state->mutex);
    state->address = address;
    state->done = true;
    state->finished.notify_all();
  }).detach();
}

bool AddressLookup::done() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->done;
}

UdpAddress AddressLookup::address() const {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->finished.wait(lock, [this] { return state_->done; });
  return state_->address;
}

// ---------------------------------------------------------------------------------------

namespace {

bool isUnsigned32(int syntax) {
  return syntax == sNMP_SYNTAX_CNTR32 || syntax == sNMP_SYNTAX_GAUGE32 || syntax == sNMP_SYNTAX_UINT32 ||
         syntax == sNMP_SYNTAX_TIMETICKS;
}

bool isOctets(int syntax) {
  return syntax == sNMP_SYNTAX_OCTETS || syntax == sNMP_SYNTAX_OPAQUE || syntax == sNMP_SYNTAX_NSAPADDR;
}

}  // namespace

bool Vb::is_exception() const {
  return syntax_ == sNMP_SYNTAX_NOSUCHOBJECT || syntax_ == sNMP_SYNTAX_NOSUCHINSTANCE ||
         syntax_ == sNMP_SYNTAX_ENDOFMIBVIEW;
}

void Vb::set_value(int32_t v) {
  syntax_ = sNMP_SYNTAX_INT;
  int_ = v;
  octets_.clear();
}

void Vb::set_value(uint32_t v) {
  if (!isUnsigned32(syntax_)) syntax_ = sNMP_SYNTAX_GAUGE32;
  int_ = v;
  octets_.clear();
}

void Vb::set_value(const Counter64& v) {
  syntax_ = sNMP_SYNTAX_CNTR64;
  int_ = int64_t(uint64_t(v));
  octets_.clear();
}

void Vb::set_value(const TimeTicks& v) {
  syntax_ = sNMP_SYNTAX_TIMETICKS;
  int_ = uint32_t(v);
  octets_.clear();
}

void Vb::set_value(const OctetStr& v) {
  if (syntax_ != sNMP_SYNTAX_OPAQUE && syntax_ != sNMP_SYNTAX_NSAPADDR) syntax_ = sNMP_SYNTAX_OCTETS;
  octets_ = v.bytes();
}

void Vb::set_value(const Oid& v) {
  syntax_ = sNMP_SYNTAX_OID;
  oidValue_ = v;
  octets_.clear();
}

void Vb::set_value(const IpAddress& v) {
  syntax_ = sNMP_SYNTAX_IPADDR;
  octets_.assign(reinterpret_cast<const char*>(v.bytes()), 4);
}

// The 32-bit getters accept any 32-bit integer kind: agents are not always exact about
// INTEGER versus Gauge32, and the caller knows how it wants the number.
int Vb::get_value(int32_t& v) const {
  if (syntax_ != sNMP_SYNTAX_INT && !isUnsigned32(syntax_)) return SNMP_CLASS_ERROR;
  v = int32_t(uint32_t(int_));
  return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(uint32_t& v) const {
  if (syntax_ != sNMP_SYNTAX_INT && !isUnsigned32(syntax_)) return SNMP_CLASS_ERROR;
  v = uint32_t(int_);
  return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Counter64& v) const {
  if (syntax_ != sNMP_SYNTAX_CNTR64) return SNMP_CLASS_ERROR;
  v = Counter64(uint64_t(int_));
  return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(OctetStr& v) const {
  if (!isOctets(syntax_)) return SNMP_CLASS_ERROR;
  v = OctetStr(octets_);
  return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Oid& v) const {
  if (syntax_ != sNMP_SYNTAX_OID) return SNMP_CLASS_ERROR;
  v = oidValue_;
  return SNMP_CLASS_SUCCESS;
}

// An IpAddress binding, or an octet string of exactly four bytes (an InetAddress of IPv4).
int Vb::get_value(IpAddress& v) const {
  if (syntax_ == sNMP_SYNTAX_IPADDR || (isOctets(syntax_) && octets_.size() == 4)) {
    v = IpAddress(OctetStr(octets_));
    return v.valid() ? SNMP_CLASS_SUCCESS : SNMP_CLASS_ERROR;
  }
  return SNMP_CLASS_ERROR;
}

std::string Vb::get_printable_value() const {
  switch (syntax_) {
    case sNMP_SYNTAX_INT:
      return std::to_string(int32_t(uint32_t(int_)));
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_UINT32:
      return std::to_string(uint32_t(int_));
    case sNMP_SYNTAX_TIMETICKS:
      return TimeTicks(uint32_t(int_)).get_printable();
    case sNMP_SYNTAX_CNTR64:
      return std::to_string(uint64_t(int_));
    case sNMP_SYNTAX_OID:
      return oidValue_.get_printable();
    case sNMP_SYNTAX_IPADDR:
      return IpAddress(OctetStr(octets_)).get_printable();
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_NSAPADDR: {
      bool text = true;
      for (unsigned char c : octets_)
        if (!std::isprint(c) && !std::isspace(c)) text = false;
      if (text) return octets_;
      std::string hex;
      char buf[4];
      for (size_t i = 0; i < octets_.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", static_cast<unsigned char>(octets_[i]));
        hex += buf;
      }
      return hex;
    }
    default:
      return std::string();
  }
}

// ---------------------------------------------------------------------------------------

int Pdu::get_vb(Vb& vb, int index) const {
  if (index < 0 || index >= int(vbs_.size())) return SNMP_CLASS_ERROR;
  vb = vbs_[size_t(index)];
  return SNMP_CLASS_SUCCESS;
}

int Pdu::set_vb(const Vb& vb, int index) {
  if (index < 0 || index >= int(vbs_.size())) return SNMP_CLASS_ERROR;
  vbs_[size_t(index)] = vb;
  return SNMP_CLASS_SUCCESS;
}
