// The SNMP library as the rest of the program sees it: a small SNMPv1/v2c/v3 session,
// PDUs, variable bindings, addresses and targets. Implemented on Net-SNMP, whose
// headers never leave the .cpp files of this folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ASN.1 tags of the values a Vb can carry. Codes 2..71 coincide with the program's own
// syntax codes of the same objects, which is why set_syntax takes a plain integer.
enum SnmpSyntax : int {
  sNMP_SYNTAX_INT = 0x02,
  sNMP_SYNTAX_OCTETS = 0x04,
  sNMP_SYNTAX_NULL = 0x05,
  sNMP_SYNTAX_OID = 0x06,
  sNMP_SYNTAX_IPADDR = 0x40,
  sNMP_SYNTAX_CNTR32 = 0x41,
  sNMP_SYNTAX_GAUGE32 = 0x42,
  sNMP_SYNTAX_TIMETICKS = 0x43,
  sNMP_SYNTAX_OPAQUE = 0x44,
  sNMP_SYNTAX_NSAPADDR = 0x45,
  sNMP_SYNTAX_CNTR64 = 0x46,
  sNMP_SYNTAX_UINT32 = 0x47,
  sNMP_SYNTAX_NOSUCHOBJECT = 0x80,
  sNMP_SYNTAX_NOSUCHINSTANCE = 0x81,
  sNMP_SYNTAX_ENDOFMIBVIEW = 0x82,
};

// Library status codes the program relies on (negative: the library's own errors).
enum SnmpStatus : int {
  SNMP_CLASS_SUCCESS = 0,
  SNMP_CLASS_ERROR = -1,
  SNMP_CLASS_RESOURCE_UNAVAIL = -2,
  SNMP_CLASS_INTERNAL_ERROR = -3,
  SNMP_CLASS_UNSUPPORTED = -4,
  SNMP_CLASS_TIMEOUT = -5,
  SNMP_CLASS_ASYNC_RESPONSE = -6,
  SNMP_CLASS_NOTIFICATION = -7,
  SNMP_CLASS_SESSION_DESTROYED = -8,
  SNMP_CLASS_INVALID_PDU = -11,
  SNMP_CLASS_INVALID_TARGET = -12,
  SNMP_CLASS_INVALID_CALLBACK = -13,
  SNMP_CLASS_INVALID_OID = -17,
  SNMP_CLASS_INVALID_ADDRESS = -18,
  SNMP_CLASS_TL_IN_USE = -21,
  SNMP_CLASS_TL_FAILED = -22,
};

// SNMPv3 results handed to the caller where a request fails in message processing or USM.
enum SnmpV3Status : int {
  SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL = -1402,
  SNMPv3_MP_INVALID_MESSAGE = -1405,
  SNMPv3_MP_PARSE_ERROR = -1408,
  SNMPv3_MP_UNKNOWN_PDU_HANDLERS = -1415,
  SNMPv3_MP_UNKNOWN_CONTEXT = -1417,
  SNMPv3_USM_ERROR = 1401,
  SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL = 1403,
  SNMPv3_USM_UNKNOWN_SECURITY_NAME = 1404,
  SNMPv3_USM_ENCRYPTION_ERROR = 1405,
  SNMPv3_USM_DECRYPTION_ERROR = 1406,
  SNMPv3_USM_AUTHENTICATION_ERROR = 1407,
  SNMPv3_USM_AUTHENTICATION_FAILURE = 1408,
  SNMPv3_USM_PARSE_ERROR = 1409,
  SNMPv3_USM_UNKNOWN_ENGINEID = 1410,
  SNMPv3_USM_NOT_IN_TIME_WINDOW = 1411,
  SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL = 1412,
  SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL = 1413,
};

enum SnmpAuthProtocol : long { SNMP_AUTHPROTOCOL_NONE = 1, SNMP_AUTHPROTOCOL_HMACMD5 = 2, SNMP_AUTHPROTOCOL_HMACSHA = 3 };
enum SnmpPrivProtocol : long { SNMP_PRIVPROTOCOL_NONE = 1, SNMP_PRIVPROTOCOL_DES = 2 };
enum SnmpVersion : int { version1 = 0, version2c = 1, version3 = 3 };

class OctetStr {
 public:
  OctetStr() = default;
  OctetStr(const char* text);  // the text's bytes, up to its zero byte
  OctetStr(const unsigned char* data, size_t len);
  OctetStr(const std::string& bytes) : data_(bytes) {}
  size_t len() const { return data_.size(); }
  const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(data_.data()); }
  unsigned char operator[](size_t i) const { return static_cast<unsigned char>(data_[i]); }
  const std::string& bytes() const { return data_; }
  bool operator==(const OctetStr& o) const { return data_ == o.data_; }

  // The program's own text forms (not the library's): upper-case hex without separators,
  // and the bytes unchanged up to the first zero byte.
  const char* get_printable_hex() const;
  const char* get_printable() const;
  static OctetStr from_hex_string(const OctetStr& hex);
  // The same for typed text: false, out untouched, unless it is whole octets of two hexadecimal
  // digits each, blanks only between octets (the "%" of an IPv6 zone excepted).
  static bool from_hex_string(const OctetStr& hex, OctetStr& out);

 private:
  std::string data_;
  mutable std::string printable_;
};

class Oid {
 public:
  Oid() = default;
  Oid(const char* dotted);  // "1.3.6.1" or ".1.3.6.1"; an invalid text gives an invalid Oid
  Oid(const std::vector<uint32_t>& ids) : ids_(ids), valid_(true) {}
  bool valid() const { return valid_; }
  size_t len() const { return ids_.size(); }
  uint32_t operator[](size_t i) const { return ids_[i]; }
  const std::vector<uint32_t>& ids() const { return ids_; }
  const char* get_printable() const;  // dotted, no leading dot
  bool operator==(const Oid& o) const { return ids_ == o.ids_; }

 private:
  std::vector<uint32_t> ids_;
  bool valid_ = false;
  mutable std::string printable_;
};

class Counter64 {
 public:
  Counter64(uint64_t v = 0) : v_(v) {}
  Counter64(uint32_t hi, uint32_t lo) : v_((uint64_t(hi) << 32) | lo) {}
  uint32_t high() const { return uint32_t(v_ >> 32); }
  uint32_t low() const { return uint32_t(v_); }
  operator uint64_t() const { return v_; }

 private:
  uint64_t v_;
};

// TimeTicks with the program's own text parser (d days, h:mm:ss.hh) and printer.
class TimeTicks {
 public:
  TimeTicks(uint32_t ticks = 0) : ticks_(ticks) {}
  TimeTicks(const char* text);
  TimeTicks& operator=(const char* text);
  operator uint32_t() const { return ticks_; }
  const char* get_printable() const;

 private:
  uint32_t ticks_ = 0;
  mutable std::string printable_;
};

class IpAddress {
 public:
  IpAddress() = default;
  IpAddress(const char* text);  // dotted IPv4; anything else is invalid
  IpAddress(const OctetStr& four) ;
  bool valid() const { return valid_; }
  const unsigned char* bytes() const { return b_; }
  const char* get_printable() const;

 private:
  unsigned char b_[4] = {0, 0, 0, 0};
  bool valid_ = false;
  mutable std::string printable_;
};

// One variable binding: an OID and a typed value.
class Vb {
 public:
  Vb() = default;
  explicit Vb(const Oid& oid) : oid_(oid) {}
  void set_oid(const Oid& oid) { oid_ = oid; }
  const Oid& get_oid() const { return oid_; }
  const char* get_printable_oid() const { return oid_.get_printable(); }
  void set_syntax(int syntax) { syntax_ = syntax; }
  int get_syntax() const { return syntax_; }
  // True for noSuchObject, noSuchInstance and endOfMibView.
  bool is_exception() const;

  void set_null() { syntax_ = sNMP_SYNTAX_NULL; }
  void set_value(int32_t v);                 // INTEGER
  void set_value(uint32_t v);                // unsigned 32-bit: keeps a Counter32/Gauge32/UInteger32/TimeTicks syntax, else Gauge32
  void set_value(const Counter64& v);
  void set_value(const TimeTicks& v);
  void set_value(const OctetStr& v);         // keeps an Opaque or NsapAddress syntax, else OCTET STRING
  void set_value(const Oid& v);
  void set_value(const IpAddress& v);

  // Typed getters: 0 on success, SNMP_CLASS_ERROR when the value is not of that kind. Both
  // 32-bit integer getters take any 32-bit integer kind; the IpAddress getter also takes an
  // octet string of exactly four bytes.
  int get_value(int32_t& v) const;
  int get_value(uint32_t& v) const;
  int get_value(Counter64& v) const;
  int get_value(OctetStr& v) const;
  int get_value(Oid& v) const;
  int get_value(IpAddress& v) const;
  // Printable value in the library's manner; empty for NULL and exception values.
  std::string get_printable_value() const;

 private:
  Oid oid_;
  int syntax_ = sNMP_SYNTAX_NULL;
  int64_t int_ = 0;       // INTEGER, unsigned 32-bit kinds, Counter64
  std::string octets_;    // OCTET STRING, Opaque, IpAddress bytes
  Oid oidValue_;
};

class Pdu {
 public:
  Pdu() = default;
  Pdu& operator+=(const Vb& vb) { vbs_.push_back(vb); return *this; }
  int get_vb_count() const { return int(vbs_.size()); }
  int get_vb(Vb& vb, int index) const;  // 0, or SNMP_CLASS_ERROR for a bad index
  int set_vb(const Vb& vb, int index);
  void set_vblist(const std::vector<Vb>& vbs) { vbs_ = vbs; }
  const std::vector<Vb>& vbs() const { return vbs_; }
  int get_error_status() const { return errorStatus_; }
  int get_error_index() const { return errorIndex_; }
  void set_error_status(int s) { errorStatus_ = s; }
  void set_error_index(int i) { errorIndex_ = i; }
  void set_security_level(int level) { securityLevel_ = level; }
  int get_security_level() const { return securityLevel_; }
  void set_context_name(const OctetStr& n) { contextName_ = n; }
  const OctetStr& get_context_name() const { return contextName_; }
  void set_context_engine_id(const OctetStr& e) { contextEngineId_ = e; }
  const OctetStr& get_context_engine_id() const { return contextEngineId_; }

 private:
  std::vector<Vb> vbs_;
  int errorStatus_ = 0;
  int errorIndex_ = 0;
  int securityLevel_ = 1;
  OctetStr contextName_;
  OctetStr contextEngineId_;
};

class GenAddress {
 public:
  GenAddress() = default;
  explicit GenAddress(const std::string& printable) : text_(printable) {}
  const char* get_printable() const { return text_.c_str(); }  // "address/port"

 private:
  std::string text_;
};

class UdpAddress {
 public:
  UdpAddress() = default;
  // An IPv4 or IPv6 address, or a host name looked up through the host resolver (its IPv4
  // address, else its IPv6 one); invalid when it is none of these.
  UdpAddress(const char* hostOrAddress);
  bool valid() const { return valid_; }
  bool is_ipv6() const { return ipv6_; }
  void set_port(uint16_t port) { port_ = port; }
  uint16_t get_port() const { return port_; }
  const std::string& host() const { return host_; }  // the address, after a host name's look-up
  const char* get_printable() const;                 // "address/port"

 private:
  std::string host_;
  uint16_t port_ = 161;
  bool valid_ = false;
  bool ipv6_ = false;
  mutable std::string printable_;
};

// What host names are looked up with: the address text of a name (IPv4 preferred), or ""
// when it has none. The system's name service unless replaced; tests put a stand-in here.
// Returns the resolver it replaces. May be called on any thread.
using HostResolver = std::string (*)(const std::string& hostName);
HostResolver set_host_resolver(HostResolver resolver);

// One host name looked up on a thread of its own, so that whoever started it goes on at once
// and waits, if at all, only when it wants the address. An address text is done at once.
class AddressLookup {
 public:
  explicit AddressLookup(const std::string& hostOrAddress);
  bool done() const;
  UdpAddress address() const;  // waits until the look-up is done

 private:
  struct State;
  std::shared_ptr<State> state_;
};

class SnmpTarget {
 public:
  virtual ~SnmpTarget() = default;
  void set_version(int v) { version_ = v; }
  int get_version() const { return version_; }
  void set_retry(int r) { retries_ = r; }
  int get_retry() const { return retries_; }
  void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }
  unsigned long get_timeout() const { return timeout_; }
  void get_address(GenAddress& out) const { out = GenAddress(address_.get_printable()); }
  const UdpAddress& address() const { return address_; }
  virtual bool is_user_target() const = 0;

 protected:
  explicit SnmpTarget(const UdpAddress& a) : address_(a) {}
  UdpAddress address_;
  int version_ = version1;
  int retries_ = 1;
  unsigned long timeout_ = 100;
};

class CTarget : public SnmpTarget {
 public:
  explicit CTarget(const UdpAddress& a) : SnmpTarget(a) {}
  void set_readcommunity(const OctetStr& c) { read_ = c; }
  void set_writecommunity(const OctetStr& c) { write_ = c; }
  const OctetStr& get_readcommunity() const { return read_; }
  const OctetStr& get_writecommunity() const { return write_; }
  bool is_user_target() const override { return false; }

 private:
  OctetStr read_{"public"};
  OctetStr write_{"public"};
};

class UTarget : public SnmpTarget {
 public:
  explicit UTarget(const UdpAddress& a) : SnmpTarget(a) { version_ = version3; }
  void set_security_model(int m) { model_ = m; }
  int get_security_model() const { return model_; }
  void set_security_name(const OctetStr& n) { name_ = n; }
  const OctetStr& get_security_name() const { return name_; }
  bool is_user_target() const override { return true; }

 private:
  int model_ = 3;
  OctetStr name_;
};

class Snmp;
// Asynchronous completion: reason is SNMP_CLASS_ASYNC_RESPONSE, SNMP_CLASS_TIMEOUT or
// SNMP_CLASS_SESSION_DESTROYED; pdu holds the reply (or the request as sent). A request that
// fails in SNMPv3 processing (a report such as unknown user or wrong digest) arrives as a
// response whose bindings are those sent and whose error status is the SNMPv3 code (1401..,
// -1402..), so that mapping the error status tells what went wrong.
using snmp_callback = void (*)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* context);

class Snmp {
 public:
  // Opens the session's UDP socket on the given local port (0: the system chooses).
  Snmp(int& status, uint16_t localPort = 0);
  ~Snmp();
  Snmp(const Snmp&) = delete;
  Snmp& operator=(const Snmp&) = delete;

  // Blocking: 0, the agent's error-status (1..18), or a negative library status / SNMPv3 code.
  // The reply's bindings replace those of pdu. No asynchronous reply is handled meanwhile.
  int get(Pdu& pdu, const SnmpTarget& target);
  int get_next(Pdu& pdu, const SnmpTarget& target);
  int set(Pdu& pdu, const SnmpTarget& target);

  // Asynchronous: 0 when queued; the callback runs later from SNMPProcessPendingEvents,
  // exactly once (with SNMP_CLASS_SESSION_DESTROYED from the destructor at the latest).
  // Neither waits for the agent: an SNMPv3 request to an agent whose engine ID is not known
  // yet is sent once the agent has named it, and ends with SNMP_CLASS_TIMEOUT when the agent
  // does not answer that question.
  //
  // SNMPv3 engine IDs are kept per agent address for the whole process. When an attempt of a
  // request to a known engine ID goes unanswered or is refused for an unknown engine ID (the
  // agent was replaced or reset), the engine ID is asked for again, once, and the request is
  // sent once more with the retries it has left, blocking or not.
  int get(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context);
  int get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context);
  int set(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context);

  // Sockets of the open sessions, for a notifier that calls SNMPProcessPendingEvents when one is readable.
  std::vector<int> sockets() const;
  // Called whenever the set of sockets changes (a session opened lazily).
  void set_sockets_changed(void (*fn)(void* data), void* data);

  struct Impl;

 private:
  Impl* impl_;
};

// Handles every pending event of every Snmp object without blocking: ready replies,
// retransmissions, time-outs and the callbacks they cause.
int SNMPProcessPendingEvents();

// SNMPv3 user registration; calling it again for the same name replaces the entry. SNMPv3
// is always sent with the user-based security model. Returns 0, or the USM code that every
// request of this user then fails with: 1412/1413 unknown protocol, 1407 authentication and
// 1405 privacy pass phrase shorter than 8 characters.
int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);

// SNMPv3 engine boots, kept one line per engine ID in a file of the program's own format.
// getBootCounter: 0 found, -1 no line for the ID, -2 no such file, -3 malformed line,
// -4 engine ID empty or longer than 32 bytes, -6 the file is there but cannot be read (not a
// regular file, over 1 MiB, no permission). saveBootCounter: 0, -3, -4 and -6 as above (the
// file is left as it is), -5 cannot write (the file is replaced through a temporary file
// made exclusively beside it, and a rename). advanceBootCounter: reads, adds one (a missing
// file or line counts from 0) and saves under a lock beside the file, so that starts at the
// same moment lose no count; the results as above, -7 the lock file cannot be made or locked,
// -8 another process held the lock for the whole wait of 5 seconds.
// The folder under tempDir for the few files the library keeps of its own:
// "nvs7000d-snmp-<uid>", made with mode 0700. Refused when anything else stands at that name
// (no folder, a link, another owner, open to others): then a fresh folder of a name no one can
// foresee. "" when none can be made.
std::string snmpPrivateFolder(const std::string& tempDir);

int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot);
int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boot);
int advanceBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot);
int mpInit(Snmp* session, const OctetStr& engineId, unsigned int boot);
