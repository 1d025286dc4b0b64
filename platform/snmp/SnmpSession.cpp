// The Snmp session object on Net-SNMP's single-session API.
//
// A Net-SNMP session is bound to one peer, one version and one v3 user, while our Snmp
// object serves whatever target each request names. So every Snmp object keeps a set
// of library sessions, opened lazily and keyed by peer, version and user with its keys.
// Blocking requests use sessions of their own: waiting on one of them never reads the
// sockets of the asynchronous ones, so no other reply is handled during a blocking call.
//
// The library asks an SNMPv3 agent for its engine ID inside the first send and waits for the
// answer; for asynchronous requests we ask ourselves, without waiting, and open the user's
// session with the engine ID once it is known.
//
// Asynchronous completions are never run from inside the library: its callback only
// records the outcome, and SNMPProcessPendingEvents hands the outcomes to the callers
// once the library is done reading and timing out.
// Net-SNMP has a type of the same name as our completion callback; keep it apart.
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#undef snmp_callback

#include "Snmp.h"

#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The name is foreseeable, so another local user may have made it first: it is taken only
// as our own folder that no one else may enter.
std::string snmpPrivateFolder(const std::string& tempDir) {
  const std::string base = tempDir.empty() ? "/tmp" : tempDir;
  const std::string dir = base + "/nvs7000d-snmp-" + std::to_string(::getuid());
  ::mkdir(dir.c_str(), 0700);
  struct stat st {};
  if (::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0)
    return dir;
  std::string fresh = dir + ".XXXXXX";
  return ::mkdtemp(fresh.data()) ? fresh : std::string();
}

namespace {

// ----------------------------------------------------------------------------------------
// Library set-up: no configuration files, no persistent state, no MIB files.

void ensureLibrary() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_CONFIG_LOAD, 1);
  // The library's timers must not raise SIGALRM inside the window program.
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
  netsnmp_set_mib_directory("");
  // The library still keeps a few index files of its own; without a folder chosen for it
  // they go to a private temporary one rather than the system's.
  if (!std::getenv("SNMP_PERSISTENT_DIR")) {
    std::error_code ec;
    static std::string dir = snmpPrivateFolder(std::filesystem::temp_directory_path(ec).string());
    if (!dir.empty()) netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
  }
  // An empty MIBS list loads no module; the caller's own setting is put back afterwards
  // so that programs started from here still see it.
  const char* old = std::getenv("MIBS");
  const bool hadMibs = old != nullptr;
  const std::string savedMibs = hadMibs ? old : "";
  setenv("MIBS", "", 1);
  init_snmp("nvs7000d");
  if (hadMibs)
    setenv("MIBS", savedMibs.c_str(), 1);
  else
    unsetenv("MIBS");
}

// ----------------------------------------------------------------------------------------
// Net-SNMP error codes in the numbering the rest of the program maps.

int translate(int err) {
  switch (err) {
    case SNMPERR_SUCCESS:
      return SNMP_CLASS_SUCCESS;
    case SNMPERR_TIMEOUT:
      return SNMP_CLASS_TIMEOUT;
    case SNMPERR_BAD_ADDRESS:
      return SNMP_CLASS_INVALID_ADDRESS;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
    case SNMPERR_BAD_SEC_NAME:
      return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
      return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
      return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
      return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
    case SNMPERR_BAD_ENG_ID:
      return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
      return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_USM_ENCRYPTIONERROR:
      return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_USM_PARSEERROR:
      return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_SC_GENERAL_FAILURE:
    case SNMPERR_SC_NOT_CONFIGURED:
    case SNMPERR_KT_NOT_AVAILABLE:
      return SNMPv3_USM_ERROR;
    case SNMPERR_UNKNOWN_SEC_MODEL:
      return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_INVALID_MSG:
      return SNMPv3_MP_INVALID_MESSAGE;
    case SNMPERR_ASN_PARSE_ERR:
      return SNMPv3_MP_PARSE_ERROR;
    case SNMPERR_UNKNOWN_PDU:
      return SNMPv3_MP_UNKNOWN_PDU_HANDLERS;
    case SNMPERR_BAD_CONTEXT:
      return SNMPv3_MP_UNKNOWN_CONTEXT;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_LOCPORT:
      return SNMP_CLASS_TL_FAILED;
    case SNMPERR_MALLOC:
      return SNMP_CLASS_RESOURCE_UNAVAIL;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
    case SNMPERR_BAD_VERSION:
    case SNMPERR_NULL_PDU:
    case SNMPERR_VAR_TYPE:
      return SNMP_CLASS_INVALID_PDU;
    case SNMPERR_BAD_SUBID:
    case SNMPERR_LONG_OID:
    case SNMPERR_BAD_NAME:
      return SNMP_CLASS_INVALID_OID;
    default:
      return SNMP_CLASS_ERROR;
  }
}

// ----------------------------------------------------------------------------------------
// SNMPv3 users as registered by usmAddUserName.

struct UsmUserEntry {
  long auth = SNMP_AUTHPROTOCOL_NONE;
  long priv = SNMP_PRIVPROTOCOL_NONE;
  std::string authPassword;
  std::string privPassword;
};

std::map<std::string, UsmUserEntry>& users() {
  static auto* table = new std::map<std::string, UsmUserEntry>;
  return *table;
}

// Net-SNMP keys require pass phrases of at least 8 characters.
int userStatus(const UsmUserEntry& u) {
  if (u.auth != SNMP_AUTHPROTOCOL_NONE && u.auth != SNMP_AUTHPROTOCOL_HMACMD5 && u.auth != SNMP_AUTHPROTOCOL_HMACSHA)
    return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
  if (u.priv != SNMP_PRIVPROTOCOL_NONE && u.priv != SNMP_PRIVPROTOCOL_DES) return SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;
  if (u.auth == SNMP_AUTHPROTOCOL_NONE) return 0;
  if (u.authPassword.size() < USM_LENGTH_P_MIN) return SNMPv3_USM_AUTHENTICATION_ERROR;
  if (u.priv != SNMP_PRIVPROTOCOL_NONE && u.privPassword.size() < USM_LENGTH_P_MIN) return SNMPv3_USM_ENCRYPTION_ERROR;
  return 0;
}

// The highest security level the user's settings allow.
int userLevel(const UsmUserEntry& u) {
  if (u.auth == SNMP_AUTHPROTOCOL_NONE) return SNMP_SEC_LEVEL_NOAUTH;
  return u.priv == SNMP_PRIVPROTOCOL_NONE ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_AUTHPRIV;
}

std::string piece(const std::string& s) { return std::to_string(s.size()) + ":" + s; }

std::string userKeys(const UsmUserEntry& u) {
  return std::to_string(u.auth) + "/" + std::to_string(u.priv) + "/" + piece(u.authPassword) + piece(u.privPassword);
}

// Net-SNMP keeps one set of localized keys per (engine, user) for the whole process; the
// keys of the last session opened for a user name are remembered here.
std::map<std::string, std::string>& lastKeys() {
  static auto* table = new std::map<std::string, std::string>;
  return *table;
}

void forgetLibraryUser(const std::string& name) {
  struct usmUser* u = usm_get_userList();
  while (u) {
    struct usmUser* next = u->next;
    if (u->name && name == u->name) {
      usm_remove_user(u);
      usm_free_user(u);
    }
    u = next;
  }
}

// ----------------------------------------------------------------------------------------
// Sessions, outstanding requests and their outcomes.

struct LibSession {
  void* handle = nullptr;
  bool blocking = false;
  bool probe = false;    // asks one agent for its engine ID, for no user
  bool retired = false;  // takes no new request; closed once its outstanding ones ended
  std::string peer;      // "host:port"
  std::string userName;  // v3
  std::string keys;      // v3
  std::string engineId;  // v3: the agent's engine ID the session speaks to
};

struct Pending {
  Snmp* owner = nullptr;
  LibSession* session = nullptr;  // null while it waits for the agent's engine ID
  snmp_callback callback = nullptr;
  void* context = nullptr;
  int command = 0;
  Pdu pdu;  // the request as sent; the reply once it arrived
  std::unique_ptr<SnmpTarget> target;
  std::string peer, engineId;  // v3: where it went, to forget the engine ID when it is no longer answered
  int reason = 0;
  bool done = false;  // outcome recorded; later library calls for it are ignored
  bool mayRediscover = false;  // v3 to a known engine ID: an unanswered attempt asks for it again, once
};

// Requests whose attempt went unanswered, to be sent again once the agent has named its
// engine ID anew (asked for after the library is done reading).
std::deque<uint64_t>& rediscoveringRequests = *new std::deque<uint64_t>;

// A v3 attempt that timed out, or met an agent that knows no such engine ID: the agent may
// have been replaced at the same address.
bool unansweredEngine(int reason, int errorStatus) {
  return reason == SNMP_CLASS_TIMEOUT || (reason == SNMP_CLASS_ASYNC_RESPONSE && errorStatus == SNMPv3_USM_UNKNOWN_ENGINEID);
}

// SNMPv3 engine IDs of the agents, by "host:port", as discovered. An agent that stops
// answering, or is replaced by one with another engine ID, is asked again.
std::map<std::string, std::string>& knownEngines() {
  static auto* table = new std::map<std::string, std::string>;
  return *table;
}

std::string peerOf(const SnmpTarget& target) {
  const UdpAddress& a = target.address();
  return (a.is_ipv6() ? "[" + a.host() + "]" : a.host()) + ":" + std::to_string(a.get_port());
}

// The library's name of the agent, with its transport.
std::string libraryPeer(const SnmpTarget& target) {
  return (target.address().is_ipv6() ? "udp6:" : "udp:") + peerOf(target);
}

const std::string* knownEngine(const std::string& peer) {
  auto it = knownEngines().find(peer);
  return it == knownEngines().end() ? nullptr : &it->second;
}

std::string engineOf(void* handle) {
  const netsnmp_session* ss = snmp_sess_session(handle);
  if (!ss || !ss->securityEngineID) return std::string();
  return std::string(reinterpret_cast<const char*>(ss->securityEngineID), ss->securityEngineIDLen);
}

// Requests are known to the library by a token, never by a pointer: a late second
// callback for a finished request then finds nothing instead of freed memory.
// The process-wide tables below are never destroyed, so an Snmp object that outlives
// static destruction still finds them.
std::map<uint64_t, std::unique_ptr<Pending>>& pendingRequests = *new std::map<uint64_t, std::unique_ptr<Pending>>;
std::deque<uint64_t>& readyRequests = *new std::deque<uint64_t>;
uint64_t nextToken = 1;
uint64_t sendingToken = 0;
// Engine discoveries under way, by the token of their request.
struct ProbeRef {
  Snmp::Impl* impl;
  std::string peer;
};
std::map<uint64_t, ProbeRef>& probeTokens = *new std::map<uint64_t, ProbeRef>;

std::vector<Snmp::Impl*>& liveObjects() {
  static auto* all = new std::vector<Snmp::Impl*>;
  return *all;
}

std::unique_ptr<SnmpTarget> copyTarget(const SnmpTarget& t) {
  if (t.is_user_target()) return std::make_unique<UTarget>(static_cast<const UTarget&>(t));
  return std::make_unique<CTarget>(static_cast<const CTarget&>(t));
}

void setTiming(netsnmp_session* ss, const SnmpTarget& target) {
  ss->timeout = long(target.get_timeout()) * 10000L;  // hundredths of a second -> microseconds
  ss->retries = std::max(0, target.get_retry());
}

// ----------------------------------------------------------------------------------------
// PDU conversion.

void storeReply(const netsnmp_pdu* r, Pdu& pdu) {
  std::vector<Vb> vbs;
  for (const netsnmp_variable_list* v = r->variables; v; v = v->next_variable) {
    Vb vb(Oid(std::vector<uint32_t>(v->name, v->name + v->name_length)));
    switch (v->type) {
      case ASN_INTEGER:
        vb.set_value(int32_t(*v->val.integer));
        break;
      case ASN_COUNTER:
      case ASN_GAUGE:
      case ASN_TIMETICKS:
      case ASN_UINTEGER:
        vb.set_syntax(v->type);
        vb.set_value(uint32_t(*v->val.integer));
        break;
      case ASN_COUNTER64:
        vb.set_value(Counter64(uint32_t(v->val.counter64->high), uint32_t(v->val.counter64->low)));
        break;
      case ASN_OCTET_STR:
      case ASN_OPAQUE:
      case ASN_NSAP:
        vb.set_syntax(v->type);
        vb.set_value(OctetStr(v->val.string, v->val_len));
        break;
      case ASN_IPADDRESS:
        if (v->val_len == 4)
          vb.set_value(IpAddress(OctetStr(v->val.string, 4)));
        else
          vb.set_null();
        break;
      case ASN_OBJECT_ID:
        vb.set_value(Oid(std::vector<uint32_t>(v->val.objid, v->val.objid + v->val_len / sizeof(oid))));
        break;
      case SNMP_NOSUCHOBJECT:
      case SNMP_NOSUCHINSTANCE:
      case SNMP_ENDOFMIBVIEW:
        vb.set_syntax(v->type);
        break;
      default:
        vb.set_null();
        break;
    }
    vbs.push_back(vb);
  }
  pdu.set_vblist(vbs);
  pdu.set_error_status(int(r->errstat));
  pdu.set_error_index(int(r->errindex));
}

bool libraryOid(const Oid& o, std::vector<oid>& out) {
  if (!o.valid() || o.len() == 0 || o.len() > MAX_OID_LEN) return false;
  out.assign(o.ids().begin(), o.ids().end());
  return true;
}

int addBinding(netsnmp_pdu* p, const Vb& vb, bool withValue) {
  std::vector<oid> name;
  if (!libraryOid(vb.get_oid(), name)) return SNMP_CLASS_INVALID_OID;
  const int syntax = withValue ? vb.get_syntax() : sNMP_SYNTAX_NULL;
  netsnmp_variable_list* added = nullptr;
  switch (syntax) {
    case sNMP_SYNTAX_INT: {
      int32_t i = 0;
      vb.get_value(i);
      long v = i;
      added = snmp_pdu_add_variable(p, name.data(), name.size(), ASN_INTEGER, &v, sizeof v);
      break;
    }
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS:
    case sNMP_SYNTAX_UINT32: {
      uint32_t u = 0;
      vb.get_value(u);
      u_long v = u;
      added = snmp_pdu_add_variable(p, name.data(), name.size(), u_char(syntax), &v, sizeof v);
      break;
    }
    case sNMP_SYNTAX_CNTR64: {
      Counter64 c;
      vb.get_value(c);
      struct counter64 v;
      v.high = c.high();
      v.low = c.low();
      added = snmp_pdu_add_variable(p, name.data(), name.size(), ASN_COUNTER64, &v, sizeof v);
      break;
    }
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_NSAPADDR: {
      OctetStr s;
      vb.get_value(s);
      added = snmp_pdu_add_variable(p, name.data(), name.size(), u_char(syntax), s.data(), s.len());
      break;
    }
    case sNMP_SYNTAX_IPADDR: {
      IpAddress a;
      vb.get_value(a);
      added = snmp_pdu_add_variable(p, name.data(), name.size(), ASN_IPADDRESS, a.bytes(), 4);
      break;
    }
    case sNMP_SYNTAX_OID: {
      Oid o;
      vb.get_value(o);
      std::vector<oid> value(o.ids().begin(), o.ids().end());
      if (value.size() > MAX_OID_LEN) return SNMP_CLASS_INVALID_OID;
      if (value.empty()) value = {0, 0};  // zeroDotZero stands for "no OID"
      added = snmp_pdu_add_variable(p, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                    value.size() * sizeof(oid));
      break;
    }
    default:  // NULL, exceptions and codes without an SNMP type travel as NULL
      added = snmp_add_null_var(p, name.data(), name.size());
      break;
  }
  return added ? SNMP_CLASS_SUCCESS : SNMP_CLASS_INVALID_PDU;
}

char* copyBytes(const OctetStr& s) {
  char* c = static_cast<char*>(std::malloc(std::max<size_t>(1, s.len())));
  if (c && s.len()) std::memcpy(c, s.data(), s.len());
  return c;
}

// What can be refused before anything is opened or sent.
int checkRequest(const Pdu& pdu, const SnmpTarget& target) {
  if (!target.address().valid()) return SNMP_CLASS_INVALID_ADDRESS;
  if (!target.is_user_target()) return SNMP_CLASS_SUCCESS;
  const std::string name = static_cast<const UTarget&>(target).get_security_name().bytes();
  auto found = users().find(name);
  const UsmUserEntry user = found == users().end() ? UsmUserEntry() : found->second;
  if (const int rc = userStatus(user)) return rc;
  const int level = pdu.get_security_level();
  if (level < SNMP_SEC_LEVEL_NOAUTH || level > userLevel(user)) return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
  return SNMP_CLASS_SUCCESS;
}

int buildPdu(int command, const Pdu& pdu, const SnmpTarget& target, netsnmp_pdu*& out) {
  out = nullptr;
  netsnmp_pdu* p = snmp_pdu_create(command);
  if (!p) return SNMP_CLASS_RESOURCE_UNAVAIL;
  if (target.is_user_target()) {
    p->securityLevel = pdu.get_security_level();
    if (pdu.get_context_name().len()) {
      p->contextName = copyBytes(pdu.get_context_name());
      p->contextNameLen = pdu.get_context_name().len();
    }
    if (pdu.get_context_engine_id().len()) {
      p->contextEngineID = reinterpret_cast<u_char*>(copyBytes(pdu.get_context_engine_id()));
      p->contextEngineIDLen = pdu.get_context_engine_id().len();
    }
  } else {
    const CTarget& c = static_cast<const CTarget&>(target);
    const OctetStr& community = command == SNMP_MSG_SET ? c.get_writecommunity() : c.get_readcommunity();
    p->community = reinterpret_cast<u_char*>(copyBytes(community));
    p->community_len = community.len();
  }
  for (const Vb& vb : pdu.vbs()) {
    const int rc = addBinding(p, vb, command == SNMP_MSG_SET);
    if (rc != SNMP_CLASS_SUCCESS) {
      snmp_free_pdu(p);
      return rc;
    }
  }
  out = p;
  return SNMP_CLASS_SUCCESS;
}

int libraryEvent(int op, netsnmp_session* ss, int reqid, netsnmp_pdu* pdu, void* magic);

}  // namespace

// ----------------------------------------------------------------------------------------

struct Snmp::Impl {
  Snmp* self = nullptr;
  int socket = -1;
  std::map<std::string, std::unique_ptr<LibSession>> sessions;
  void (*socketsChanged)(void*) = nullptr;
  void* socketsChangedData = nullptr;
  uint64_t retiredCount = 0;

  // An agent being asked for its engine ID, and the requests waiting for the answer.
  struct Discovery {
    LibSession* session = nullptr;
    uint64_t token = 0;
    bool finished = false;
    int reason = 0;  // SNMP_CLASS_ASYNC_RESPONSE (engineId, or error), SNMP_CLASS_TIMEOUT, ...
    int error = 0;
    std::string engineId;
    std::vector<uint64_t> waiting;
  };
  std::map<std::string, Discovery> discoveries;  // by peer

  void notifySockets() {
    if (socketsChanged) socketsChanged(socketsChangedData);
  }

  // Ends a library session; its outstanding requests end as "session destroyed".
  void close(LibSession* s) {
    for (auto& [token, p] : pendingRequests) {
      if (p->session == s && !p->done) {
        p->done = true;
        p->reason = SNMP_CLASS_SESSION_DESTROYED;
        readyRequests.push_back(token);
      }
      if (p->session == s) p->session = nullptr;
    }
    snmp_sess_close(s->handle);
  }

  bool busy(const LibSession* s) const {
    for (auto& [token, p] : pendingRequests)
      if (p->session == s && !p->done) return true;
    return false;
  }

  // A blocking session goes at once; an asynchronous one takes no new request and goes when
  // its outstanding ones have ended.
  void retire(std::map<std::string, std::unique_ptr<LibSession>>::iterator it) {
    if (it->second->blocking) {
      close(it->second.get());
      sessions.erase(it);
      return;
    }
    auto node = sessions.extract(it);
    node.mapped()->retired = true;
    node.key() = "R" + std::to_string(++retiredCount);
    sessions.insert(std::move(node));
  }

  void closeRetired() {
    bool changed = false;
    for (auto it = sessions.begin(); it != sessions.end();) {
      if (it->second->retired && !busy(it->second.get())) {
        close(it->second.get());
        it = sessions.erase(it);
        changed = true;
      } else {
        ++it;
      }
    }
    if (changed) notifySockets();
  }

  // The agent no longer answers to this engine ID (it may have been replaced or reset): the
  // next request to it asks for the engine ID again.
  static void forgetEngine(const std::string& peer, const std::string& engineId) {
    auto known = knownEngines().find(peer);
    if (known != knownEngines().end() && known->second == engineId) knownEngines().erase(known);
    for (Impl* impl : liveObjects()) {
      std::vector<std::string> keys;
      for (auto& [key, s] : impl->sessions)
        if (!s->retired && !s->probe && s->peer == peer && s->engineId == engineId) keys.push_back(key);
      for (const std::string& key : keys) impl->retire(impl->sessions.find(key));
    }
  }

  // A user's keys changed: sessions opened with the old keys and the library's localized
  // copies of them go, so the new keys are used from the next discovery on.
  static void retireUser(const std::string& name, const std::string& keys) {
    auto last = lastKeys().find(name);
    if (last != lastKeys().end() && last->second == keys) return;
    for (Impl* impl : liveObjects()) {
      bool changed = false;
      for (auto it = impl->sessions.begin(); it != impl->sessions.end();) {
        LibSession* s = it->second.get();
        if (!s->userName.empty() && s->userName == name && s->keys != keys) {
          changed |= !s->blocking;
          impl->close(s);
          it = impl->sessions.erase(it);
        } else {
          ++it;
        }
      }
      if (changed) impl->notifySockets();
    }
    forgetLibraryUser(name);
    lastKeys()[name] = keys;
  }

  // An SNMPv3 session of an asynchronous request is opened only once the agent's engine ID
  // is known, so that opening it never waits for the agent; a blocking one may ask for it.
  int sessionFor(const SnmpTarget& target, bool blocking, LibSession*& out) {
    out = nullptr;
    const UdpAddress& address = target.address();
    if (!address.valid()) return SNMP_CLASS_INVALID_ADDRESS;

    long version = 0;
    std::string userName, keys;
    UsmUserEntry user;
    if (target.is_user_target()) {
      // Net-SNMP speaks only the user-based security model for SNMPv3.
      version = SNMP_VERSION_3;
      userName = static_cast<const UTarget&>(target).get_security_name().bytes();
      auto found = users().find(userName);
      if (found != users().end()) user = found->second;
      if (const int rc = userStatus(user)) return rc;
      keys = userKeys(user);
    } else if (target.get_version() == version1) {
      version = SNMP_VERSION_1;
    } else if (target.get_version() == version2c) {
      version = SNMP_VERSION_2c;
    } else {
      return SNMP_CLASS_INVALID_TARGET;
    }

    const std::string peer = peerOf(target);
    const std::string* engine = version == SNMP_VERSION_3 ? knownEngine(peer) : nullptr;
    const std::string key = std::string(blocking ? "B" : "A") + std::to_string(version) + piece(address.host()) +
                            std::to_string(address.get_port()) + "|" + piece(userName) + keys;
    auto found = sessions.find(key);
    if (found != sessions.end()) {
      if (version != SNMP_VERSION_3 || (engine && *engine == found->second->engineId)) {
        out = found->second.get();
        return SNMP_CLASS_SUCCESS;
      }
      retire(found);  // the agent's engine ID changed since
    }
    if (version == SNMP_VERSION_3 && !engine && !blocking) return SNMP_CLASS_INTERNAL_ERROR;
    if (version == SNMP_VERSION_3) retireUser(userName, keys);

    netsnmp_session in;
    snmp_sess_init(&in);
    std::string peername = libraryPeer(target);
    in.peername = peername.data();
    in.version = version;
    setTiming(&in, target);
    std::string engineId = engine ? *engine : std::string();
    if (version == SNMP_VERSION_3) {
      in.securityModel = SNMP_SEC_MODEL_USM;
      in.securityName = userName.data();
      in.securityNameLen = userName.size();
      in.securityLevel = userLevel(user);
      if (!engineId.empty()) {
        in.securityEngineID = reinterpret_cast<u_char*>(engineId.data());
        in.securityEngineIDLen = engineId.size();
        in.flags |= SNMP_FLAGS_DONT_PROBE;
      }
      if (user.auth != SNMP_AUTHPROTOCOL_NONE) {
        oid* proto = user.auth == SNMP_AUTHPROTOCOL_HMACMD5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
        in.securityAuthProto = proto;
        in.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        in.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(proto, u_int(in.securityAuthProtoLen),
                        reinterpret_cast<const u_char*>(user.authPassword.data()), user.authPassword.size(),
                        in.securityAuthKey, &in.securityAuthKeyLen) != SNMPERR_SUCCESS)
          return SNMPv3_USM_AUTHENTICATION_ERROR;
        if (user.priv == SNMP_PRIVPROTOCOL_DES) {
          in.securityPrivProto = usmDESPrivProtocol;
          in.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
          in.securityPrivKeyLen = USM_PRIV_KU_LEN;
          if (generate_Ku(proto, u_int(in.securityAuthProtoLen),
                          reinterpret_cast<const u_char*>(user.privPassword.data()), user.privPassword.size(),
                          in.securityPrivKey, &in.securityPrivKeyLen) != SNMPERR_SUCCESS)
            return SNMPv3_USM_ENCRYPTION_ERROR;
        }
      }
    }
    if (!blocking) in.callback = libraryEvent;

    snmp_errno = 0;
    void* handle = snmp_sess_open(&in);
    if (!handle) {
      int err = in.s_snmp_errno ? in.s_snmp_errno : snmp_errno;
      const int rc = translate(err);
      return rc == SNMP_CLASS_SUCCESS ? SNMP_CLASS_ERROR : rc;
    }
    auto s = std::make_unique<LibSession>();
    s->handle = handle;
    s->blocking = blocking;
    s->peer = peer;
    s->userName = userName;
    s->keys = keys;
    if (version == SNMP_VERSION_3) {
      s->engineId = engineOf(handle);
      if (!s->engineId.empty()) knownEngines()[peer] = s->engineId;
    }
    out = s.get();
    sessions.emplace(key, std::move(s));
    if (!blocking) notifySockets();
    return SNMP_CLASS_SUCCESS;
  }

  // An attempt to a known engine ID that goes unanswered asks for the engine ID again, once,
  // and the request is sent once more with the retries it has left.
  int sendBlocking(int command, Pdu& pdu, const SnmpTarget& target, bool mayRediscover = true) {
    int rc = checkRequest(pdu, target);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    LibSession* s = nullptr;
    rc = sessionFor(target, true, s);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    netsnmp_pdu* request = nullptr;
    rc = buildPdu(command, pdu, target, request);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    netsnmp_session* ss = snmp_sess_session(s->handle);
    setTiming(ss, target);
    const bool rediscover = mayRediscover && !s->engineId.empty() && target.get_retry() > 0;
    if (rediscover) ss->retries = 0;
    ss->s_snmp_errno = 0;
    netsnmp_pdu* reply = nullptr;
    const int st = snmp_sess_synch_response(s->handle, request, &reply);
    if (st == STAT_SUCCESS && reply) {
      if (reply->command == SNMP_MSG_REPORT) {
        rc = translate(snmpv3_get_report_type(reply));
      } else {
        storeReply(reply, pdu);
        rc = int(reply->errstat);
      }
    } else if (st == STAT_TIMEOUT) {
      rc = SNMP_CLASS_TIMEOUT;
    } else {
      rc = translate(ss->s_snmp_errno);
      if (rc == SNMP_CLASS_SUCCESS) rc = SNMP_CLASS_ERROR;
    }
    if (reply) snmp_free_pdu(reply);
    if (!s->engineId.empty() && (rc == SNMP_CLASS_TIMEOUT || rc == SNMPv3_USM_UNKNOWN_ENGINEID)) {
      forgetEngine(std::string(s->peer), std::string(s->engineId));
      if (rediscover) {
        const std::unique_ptr<SnmpTarget> again = copyTarget(target);
        again->set_retry(target.get_retry() - 1);
        const int retried = sendBlocking(command, pdu, *again, false);
        // An agent that does not even name its engine ID stays unanswered.
        return retried == SNMPv3_USM_UNKNOWN_ENGINEID || retried == SNMP_CLASS_ERROR ? rc : retried;
      }
    }
    return rc;
  }

  // Sends a queued request on the session of its target; the library's status when it cannot.
  int transmit(uint64_t token, Pending& p) {
    LibSession* s = nullptr;
    int rc = sessionFor(*p.target, false, s);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    netsnmp_pdu* request = nullptr;
    rc = buildPdu(p.command, p.pdu, *p.target, request);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    p.session = s;
    p.peer = s->peer;
    p.engineId = s->engineId;

    netsnmp_session* ss = snmp_sess_session(s->handle);
    setTiming(ss, *p.target);
    // The library would send it again to the engine ID it knows; the retry asks first whether
    // the agent still is that engine.
    if (p.mayRediscover) ss->retries = 0;
    ss->s_snmp_errno = 0;
    // A failing send may call back at once; the caller learns of the failure from the
    // result instead, so that callback is ignored.
    sendingToken = token;
    const int reqid = snmp_sess_async_send(s->handle, request, libraryEvent,
                                           reinterpret_cast<void*>(static_cast<uintptr_t>(token)));
    sendingToken = 0;
    if (reqid == 0) {
      p.session = nullptr;
      rc = translate(ss->s_snmp_errno);
      snmp_free_pdu(request);
      return rc == SNMP_CLASS_SUCCESS ? SNMP_CLASS_ERROR : rc;
    }
    return SNMP_CLASS_SUCCESS;
  }

  // Asks the agent for its engine ID without waiting: an unauthenticated request of no user,
  // which the agent answers with a report naming its engine ID.
  int discover(const SnmpTarget& target, uint64_t waitingToken) {
    const std::string peer = peerOf(target);
    auto running = discoveries.find(peer);  // never an ended one (see sendAsync)
    if (running != discoveries.end()) {
      running->second.waiting.push_back(waitingToken);
      return SNMP_CLASS_SUCCESS;
    }

    netsnmp_session in;
    snmp_sess_init(&in);
    std::string peername = libraryPeer(target);
    in.peername = peername.data();
    in.version = SNMP_VERSION_3;
    in.securityModel = SNMP_SEC_MODEL_USM;
    in.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    in.flags |= SNMP_FLAGS_DONT_PROBE;
    in.callback = libraryEvent;
    setTiming(&in, target);
    snmp_errno = 0;
    void* handle = snmp_sess_open(&in);
    if (!handle) {
      const int rc = translate(in.s_snmp_errno ? in.s_snmp_errno : snmp_errno);
      return rc == SNMP_CLASS_SUCCESS ? SNMP_CLASS_ERROR : rc;
    }
    netsnmp_session* ss = snmp_sess_session(handle);
    ss->flags |= SNMP_FLAGS_DONT_PROBE;  // opening cleared it; the request below is the probe

    // The library sends a message of no user only with an entry for the empty name.
    if (!usm_get_user(nullptr, 0, "")) {
      struct usmUser* nobody = usm_create_user();
      if (nobody) {
        nobody->name = strdup("");
        nobody->secName = strdup("");
        usm_add_user(nobody);
      }
    }
    netsnmp_pdu* probe = snmp_pdu_create(SNMP_MSG_GET);
    if (!probe) {
      snmp_sess_close(handle);
      return SNMP_CLASS_RESOURCE_UNAVAIL;
    }
    probe->version = SNMP_VERSION_3;
    probe->securityModel = SNMP_SEC_MODEL_USM;
    probe->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    probe->securityName = strdup("");
    probe->securityNameLen = 0;

    const uint64_t token = nextToken++;
    ss->s_snmp_errno = 0;
    sendingToken = token;
    const int reqid = snmp_sess_async_send(handle, probe, libraryEvent,
                                           reinterpret_cast<void*>(static_cast<uintptr_t>(token)));
    sendingToken = 0;
    if (reqid == 0) {
      const int rc = translate(ss->s_snmp_errno);
      snmp_free_pdu(probe);
      snmp_sess_close(handle);
      return rc == SNMP_CLASS_SUCCESS ? SNMP_CLASS_ERROR : rc;
    }

    auto s = std::make_unique<LibSession>();
    s->handle = handle;
    s->probe = true;
    s->peer = peer;
    Discovery& d = discoveries[peer];
    d.session = s.get();
    d.token = token;
    d.waiting.push_back(waitingToken);
    sessions.emplace("P" + std::to_string(token), std::move(s));
    probeTokens[token] = {this, peer};
    notifySockets();
    return SNMP_CLASS_SUCCESS;
  }

  // The request's engine ID went unanswered: it is asked for again, and the request is sent
  // once more when the agent has named it (on a new session when it changed).
  void rediscover(uint64_t token, Pending& p) {
    forgetEngine(p.peer, p.engineId);
    p.pdu.set_error_status(0);
    // One question, within the time-out of one attempt.
    const std::unique_ptr<SnmpTarget> asking = copyTarget(*p.target);
    asking->set_retry(0);
    const int rc = discover(*asking, token);
    if (rc == SNMP_CLASS_SUCCESS) return;
    p.reason = SNMP_CLASS_ASYNC_RESPONSE;
    p.pdu.set_error_status(rc);
    p.done = true;
    readyRequests.push_back(token);
  }

  // Ended discoveries: their requests are sent, or end as the discovery did.
  void finishDiscoveries() {
    bool changed = false;
    for (auto it = discoveries.begin(); it != discoveries.end();) {
      Discovery& d = it->second;
      if (!d.finished) {
        ++it;
        continue;
      }
      probeTokens.erase(d.token);
      for (auto s = sessions.begin(); s != sessions.end(); ++s) {
        if (s->second.get() == d.session) {
          snmp_sess_close(s->second->handle);
          sessions.erase(s);
          changed = true;
          break;
        }
      }
      if (!d.engineId.empty()) knownEngines()[it->first] = d.engineId;
      const Discovery ended = std::move(d);
      it = discoveries.erase(it);
      for (uint64_t token : ended.waiting) {
        auto found = pendingRequests.find(token);
        if (found == pendingRequests.end() || found->second->done) continue;
        Pending& p = *found->second;
        int reason = ended.reason, error = ended.error;
        if (!ended.engineId.empty()) {
          error = transmit(token, p);
          if (error == SNMP_CLASS_SUCCESS) continue;
          reason = SNMP_CLASS_ASYNC_RESPONSE;
        }
        if (reason == SNMP_CLASS_ASYNC_RESPONSE) {
          p.pdu.set_error_status(error);
          p.pdu.set_error_index(0);
        }
        p.reason = reason;
        p.done = true;
        readyRequests.push_back(token);
      }
    }
    if (changed) notifySockets();
  }

  int sendAsync(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context) {
    if (!cb) return SNMP_CLASS_INVALID_CALLBACK;
    int rc = checkRequest(pdu, target);
    if (rc != SNMP_CLASS_SUCCESS) return rc;
    finishDiscoveries();  // one that ended since the last pump may have named the engine ID
    const bool discovering = target.is_user_target() && !knownEngine(peerOf(target));
    if (discovering) {
      // What the request itself would be refused for is said now, not after the discovery.
      netsnmp_pdu* request = nullptr;
      rc = buildPdu(command, pdu, target, request);
      if (rc != SNMP_CLASS_SUCCESS) return rc;
      snmp_free_pdu(request);
    }

    auto p = std::make_unique<Pending>();
    p->owner = self;
    p->callback = cb;
    p->context = context;
    p->command = command;
    p->pdu = pdu;
    p->target = copyTarget(target);
    p->mayRediscover = target.is_user_target() && !discovering && target.get_retry() > 0;
    const uint64_t token = nextToken++;
    Pending& pending = *p;
    pendingRequests.emplace(token, std::move(p));
    rc = discovering ? discover(target, token) : transmit(token, pending);
    if (rc != SNMP_CLASS_SUCCESS) pendingRequests.erase(token);
    return rc;
  }
};

namespace {

// The outcome of an engine discovery: the agent's report names its engine ID.
void probeEvent(uint64_t token, int op, netsnmp_pdu* pdu) {
  auto it = probeTokens.find(token);
  if (it == probeTokens.end()) return;
  auto d = it->second.impl->discoveries.find(it->second.peer);
  if (d == it->second.impl->discoveries.end() || d->second.finished || d->second.token != token) return;
  Snmp::Impl::Discovery& discovery = d->second;
  switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
      if (pdu && pdu->securityEngineID && pdu->securityEngineIDLen > 0) {
        discovery.engineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
        discovery.reason = SNMP_CLASS_ASYNC_RESPONSE;
      } else {
        discovery.reason = SNMP_CLASS_ASYNC_RESPONSE;
        discovery.error = SNMPv3_USM_UNKNOWN_ENGINEID;
      }
      break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
      discovery.reason = SNMP_CLASS_TIMEOUT;
      break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
      discovery.reason = SNMP_CLASS_ASYNC_RESPONSE;
      discovery.error = SNMP_CLASS_TL_FAILED;
      break;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
      discovery.reason = SNMP_CLASS_SESSION_DESTROYED;
      break;
    default:
      return;
  }
  discovery.finished = true;
}

int libraryEvent(int op, netsnmp_session* ss, int /*reqid*/, netsnmp_pdu* pdu, void* magic) {
  const uint64_t token = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic));
  if (token == 0 || token == sendingToken) return 1;
  auto it = pendingRequests.find(token);
  if (it == pendingRequests.end()) {
    probeEvent(token, op, pdu);
    return 1;
  }
  if (it->second->done || !it->second->session) return 1;
  Pending& p = *it->second;
  switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
      if (!pdu) return 1;
      if (pdu->command == SNMP_MSG_REPORT) {
        // A report answers for the request: its bindings stay as sent.
        p.pdu.set_error_status(translate(snmpv3_get_report_type(pdu)));
        p.pdu.set_error_index(0);
      } else {
        storeReply(pdu, p.pdu);
      }
      p.reason = SNMP_CLASS_ASYNC_RESPONSE;
      break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
      p.reason = SNMP_CLASS_TIMEOUT;
      break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
      // For a report this comes first, with the report; RECEIVED_MESSAGE follows and is ignored.
      const int err = pdu && pdu->command == SNMP_MSG_REPORT ? snmpv3_get_report_type(pdu) : ss ? ss->s_snmp_errno : 0;
      const int rc = translate(err);
      p.pdu.set_error_status(rc == SNMP_CLASS_SUCCESS || rc == SNMP_CLASS_ERROR ? int(SNMPv3_USM_ERROR) : rc);
      p.pdu.set_error_index(0);
      p.reason = SNMP_CLASS_ASYNC_RESPONSE;
      break;
    }
    case NETSNMP_CALLBACK_OP_SEND_FAILED:  // a retransmission could not be sent
      p.pdu.set_error_status(SNMP_CLASS_TL_FAILED);
      p.pdu.set_error_index(0);
      p.reason = SNMP_CLASS_ASYNC_RESPONSE;
      break;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
      p.reason = SNMP_CLASS_SESSION_DESTROYED;
      break;
    default:  // resends and connects are no outcome
      return 1;
  }
  if (p.mayRediscover && unansweredEngine(p.reason, p.pdu.get_error_status())) {
    p.mayRediscover = false;
    p.session = nullptr;  // later calls for this attempt are ignored
    rediscoveringRequests.push_back(token);
    return 1;
  }
  p.done = true;
  readyRequests.push_back(token);
  return 1;
}

}  // namespace

// ----------------------------------------------------------------------------------------

Snmp::Snmp(int& status, uint16_t localPort) : impl_(new Impl) {
  impl_->self = this;
  ensureLibrary();
  liveObjects().push_back(impl_);
  status = SNMP_CLASS_SUCCESS;
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    status = SNMP_CLASS_RESOURCE_UNAVAIL;
    return;
  }
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(localPort);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    status = errno == EADDRINUSE ? SNMP_CLASS_TL_IN_USE : SNMP_CLASS_TL_FAILED;
    ::close(fd);
    return;
  }
  impl_->socket = fd;
}

Snmp::~Snmp() {
  auto& all = liveObjects();
  all.erase(std::remove(all.begin(), all.end(), impl_), all.end());
  // Whatever is still outstanding ends here, with its callback told so.
  std::vector<std::unique_ptr<Pending>> ending;
  for (auto it = pendingRequests.begin(); it != pendingRequests.end();) {
    if (it->second->owner == this) {
      ending.push_back(std::move(it->second));
      it = pendingRequests.erase(it);
    } else {
      ++it;
    }
  }
  for (auto& p : ending) {
    try {
      p->callback(SNMP_CLASS_SESSION_DESTROYED, this, p->pdu, *p->target, p->context);
    } catch (...) {
      // A destructor cannot pass it on.
    }
  }
  for (auto it = probeTokens.begin(); it != probeTokens.end();)
    it = it->second.impl == impl_ ? probeTokens.erase(it) : std::next(it);
  for (auto& [key, s] : impl_->sessions) snmp_sess_close(s->handle);
  if (impl_->socket >= 0) ::close(impl_->socket);
  delete impl_;
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target) { return impl_->sendBlocking(SNMP_MSG_GET, pdu, target); }
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target) { return impl_->sendBlocking(SNMP_MSG_GETNEXT, pdu, target); }
int Snmp::set(Pdu& pdu, const SnmpTarget& target) { return impl_->sendBlocking(SNMP_MSG_SET, pdu, target); }

int Snmp::get(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context) {
  return impl_->sendAsync(SNMP_MSG_GET, pdu, target, cb, context);
}
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context) {
  return impl_->sendAsync(SNMP_MSG_GETNEXT, pdu, target, cb, context);
}
int Snmp::set(Pdu& pdu, const SnmpTarget& target, snmp_callback cb, void* context) {
  return impl_->sendAsync(SNMP_MSG_SET, pdu, target, cb, context);
}

std::vector<int> Snmp::sockets() const {
  std::vector<int> out;
  for (auto& [key, s] : impl_->sessions) {
    if (s->blocking) continue;
    if (netsnmp_transport* t = snmp_sess_transport(s->handle)) out.push_back(t->sock);
  }
  return out;
}

void Snmp::set_sockets_changed(void (*fn)(void* data), void* data) {
  impl_->socketsChanged = fn;
  impl_->socketsChangedData = data;
}

int SNMPProcessPendingEvents() {
  std::vector<void*> handles;
  for (Snmp::Impl* impl : liveObjects())
    for (auto& [key, s] : impl->sessions)
      if (!s->blocking) handles.push_back(s->handle);

  for (void* h : handles) {
    int numfds = 0, block = 0;
    fd_set fds;
    FD_ZERO(&fds);
    timeval tv{0, 0};
    snmp_sess_select_info(h, &numfds, &fds, &tv, &block);
    if (numfds > 0) {
      timeval zero{0, 0};
      if (::select(numfds, &fds, nullptr, nullptr, &zero) > 0) snmp_sess_read(h, &fds);
    }
    snmp_sess_timeout(h);
  }

  while (!rediscoveringRequests.empty()) {
    const uint64_t token = rediscoveringRequests.front();
    rediscoveringRequests.pop_front();
    auto it = pendingRequests.find(token);
    if (it == pendingRequests.end() || it->second->done) continue;
    for (Snmp::Impl* impl : liveObjects())
      if (impl->self == it->second->owner) impl->rediscover(token, *it->second);
  }
  for (Snmp::Impl* impl : liveObjects()) impl->finishDiscoveries();

  // Completions run last, outside the library; one that throws leaves the rest queued
  // for the next call.
  while (!readyRequests.empty()) {
    const uint64_t token = readyRequests.front();
    readyRequests.pop_front();
    auto it = pendingRequests.find(token);
    if (it == pendingRequests.end()) continue;
    std::unique_ptr<Pending> p = std::move(it->second);
    pendingRequests.erase(it);
    if (!p->engineId.empty() && unansweredEngine(p->reason, p->pdu.get_error_status()))
      Snmp::Impl::forgetEngine(p->peer, p->engineId);
    p->callback(p->reason, p->owner, p->pdu, *p->target, p->context);
  }
  for (Snmp::Impl* impl : liveObjects()) impl->closeRetired();
  return SNMP_CLASS_SUCCESS;
}

int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword) {
  UsmUserEntry& u = users()[securityName.bytes()];
  u.auth = authProtocol;
  u.priv = privProtocol;
  u.authPassword = authPassword.bytes();
  u.privPassword = privPassword.bytes();
  return userStatus(u);
}

int mpInit(Snmp* /*session*/, const OctetStr& engineId, unsigned int boot) {
  ensureLibrary();
  if (engineId.len() == 0 || engineId.len() > 32) return SNMP_CLASS_ERROR;
  if (set_exact_engineID(engineId.data(), engineId.len()) != SNMPERR_SUCCESS) return SNMP_CLASS_ERROR;
  // The library takes boots only as its stored configuration line, which counts one boot
  // on top of the stored value.
  std::string stored = std::to_string(long(boot) - 1);
  engineBoots_conf("engineBoots", stored.data());
  return SNMP_CLASS_SUCCESS;
}
