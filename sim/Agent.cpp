#include "Agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/library/snmpUDPDomain.h>
#include <net-snmp/library/snmpUDPIPv6Domain.h>
#include <net-snmp/library/snmpIPBaseDomain.h>
#include <net-snmp/library/vacm.h>
#include <net-snmp/agent/agent_callbacks.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;
Agent* theAgent = nullptr;  // Net-SNMP's callbacks are plain C functions
const Oid sysUpTimeInstance = {1, 3, 6, 1, 2, 1, 1, 3, 0};

Oid toOid(const oid* name, size_t len) { return Oid(name, name + len); }

Value fromVarbind(const netsnmp_variable_list* vb) {
  Value v;
  v.tag = vb->type;
  switch (vb->type) {
    case ASN_INTEGER:
      v.number = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(*vb->val.integer)));
      break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
      v.number = static_cast<uint32_t>(*vb->val.integer);
      break;
    case ASN_COUNTER64:
      v.number = (static_cast<uint64_t>(vb->val.counter64->high) << 32) | static_cast<uint32_t>(vb->val.counter64->low);
      break;
    case ASN_OBJECT_ID:
      v.oid = toOid(vb->val.objid, vb->val_len / sizeof(oid));
      break;
    case ASN_NULL:
      break;
    default:  // octet strings, IpAddress, Opaque and anything unknown keep their bytes
      if (vb->val.string && vb->val_len) v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
      break;
  }
  return v;
}

void toVarbind(netsnmp_variable_list* vb, const Value& v) {
  switch (v.tag) {
    case TagInteger: {
      long n = static_cast<int32_t>(v.number);
      snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
      break;
    }
    case TagCounter32:
    case TagGauge32:
    case TagTimeTicks: {
      u_long n = static_cast<uint32_t>(v.number);
      snmp_set_var_typed_value(vb, v.tag, &n, sizeof n);
      break;
    }
    case TagCounter64: {
      counter64 c;
      c.high = static_cast<u_long>(v.number >> 32);
      c.low = static_cast<u_long>(v.number & 0xffffffffu);
      snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
      break;
    }
    case TagObjectId: {
      std::vector<oid> o(v.oid.begin(), v.oid.end());
      snmp_set_var_typed_value(vb, ASN_OBJECT_ID, o.data(), o.size() * sizeof(oid));
      break;
    }
    case TagNull:
      snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
      break;
    default:
      snmp_set_var_typed_value(vb, v.tag, v.bytes.data(), v.bytes.size());
      break;
  }
}

void setName(netsnmp_variable_list* vb, const Oid& name) {
  std::vector<oid> o(name.begin(), name.end());
  snmp_set_var_objid(vb, o.data(), o.size());
}

int onRequests(netsnmp_mib_handler*, netsnmp_handler_registration*, netsnmp_agent_request_info* reqinfo,
               netsnmp_request_info* requests) {
  return theAgent->handle(reqinfo, requests);
}

int onAccessInitial(int, int, void* serverarg, void*) {
  auto* view = static_cast<view_parameters*>(serverarg);
  view->errorcode = theAgent->checkPdu(view->pdu);
  return SNMP_ERR_NOERROR;
}

int onAccess(int, int, void* serverarg, void*) {
  auto* view = static_cast<view_parameters*>(serverarg);
  view->errorcode = theAgent->checkVarbind(view->pdu);
  return SNMP_ERR_NOERROR;
}

// Access is checked by the callbacks above; a placeholder view keeps the library from warning
// after start-up that nothing is configured.
int onConfigRead(int, int, void*, void*) {
  static oid everything[] = {1};
  vacm_createViewEntry("switchsim", everything, 1);
  vacm_createGroupEntry(SNMP_SEC_MODEL_USM, "switchsim");
  vacm_createAccessEntry("switchsim", "", SNMP_SEC_MODEL_USM, SNMP_SEC_LEVEL_AUTHPRIV);
  return SNMP_ERR_NOERROR;
}

int onSend(netsnmp_transport* t, const void* buf, int size, void** opaque, int* olength) {
  return theAgent->send(t, buf, size, opaque, olength);
}

std::string communityOf(const netsnmp_pdu* pdu) {
  return pdu->community ? std::string(reinterpret_cast<const char*>(pdu->community), pdu->community_len) : std::string();
}

std::string userOf(const netsnmp_pdu* pdu) {
  return pdu->securityName ? std::string(pdu->securityName, pdu->securityNameLen) : std::string();
}

// Net-SNMP's own createUser parser trusts its input; check the words first.
// Form after the name: [-e ENGINEID] [AUTH PASS [PRIV [PASS]]].
std::string checkCreateUser(const std::string& rest) {
  static const std::set<std::string> auths = {"MD5", "SHA", "SHA-224", "SHA-256", "SHA-384", "SHA-512"};
  static const std::set<std::string> privs = {"DES", "AES", "AES-128"};
  std::istringstream in(rest);
  std::vector<std::string> w;
  for (std::string x; in >> x;) w.push_back(x);
  size_t i = 0;
  if (i < w.size() && w[i] == "-e") i += 2;
  if (i > w.size()) return "createUser: -e needs an engine ID";
  if (i == w.size()) return "";
  if (!auths.count(w[i])) return "createUser: unknown authentication protocol '" + w[i] + "'";
  if (i + 1 >= w.size() || w[i + 1].size() < 8) return "createUser: authentication pass phrase of 8 or more characters needed";
  i += 2;
  if (i == w.size()) return "";
  if (!privs.count(w[i])) return "createUser: unknown privacy protocol '" + w[i] + "'";
  if (i + 1 < w.size() && w[i + 1].size() < 8) return "createUser: privacy pass phrase of 8 or more characters needed";
  if (i + 2 < w.size()) return "createUser: unexpected '" + w[i + 2] + "'";
  return "";
}

}  // namespace

struct Agent::Delayed {
  Clock::time_point due;
  void* transport;
  std::string data;
  std::string opaque;
  bool hasOpaque;
};

// ---------------------------------------------------------------------------------------------
// Access

Access Access::defaults() {
  Access a;
  a.readCommunities = {"quorra"};
  a.writeCommunities = {"venthal"};
  a.createUserLines = {
      "md5user MD5 md5authpass",
      "shauser SHA shaauthpass",
      "md5des MD5 md5authpass DES md5privpass",
      "shades SHA shaauthpass DES shaprivpass",
  };
  for (const char* name : {"md5user", "shauser", "md5des", "shades"}) a.users[name] = {true, Auth};
  return a;
}

Access Access::fromFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read users file " + path);
  Access a;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::stringstream ss(line);
    std::string word, name, level;
    if (!(ss >> word) || word[0] == '#') continue;
    ss >> name;
    if (name.empty()) throw std::runtime_error(path + ":" + std::to_string(n) + ": missing name");
    if (word == "rocommunity") {
      a.readCommunities.insert(name);
    } else if (word == "rwcommunity") {
      a.writeCommunities.insert(name);
    } else if (word == "createUser") {
      std::string rest;
      std::getline(ss, rest);
      std::string reason = checkCreateUser(rest);
      if (!reason.empty()) throw std::runtime_error(path + ":" + std::to_string(n) + ": " + reason);
      a.createUserLines.push_back(name + rest);
    } else if (word == "rouser" || word == "rwuser") {
      ss >> level;
      int min = level.empty() || level == "auth" ? Auth : level == "noauth" ? NoAuth : level == "priv" ? Priv : 0;
      if (!min) throw std::runtime_error(path + ":" + std::to_string(n) + ": bad level '" + level + "'");
      a.users[name] = {word == "rwuser", min};
    } else {
      throw std::runtime_error(path + ":" + std::to_string(n) + ": unknown directive '" + word + "'");
    }
  }
  return a;
}

int Faults::errorFor(const Oid& oid) const {
  for (const auto& [prefix, status] : subtreeErrors)
    if (isPrefix(prefix, oid)) return status;
  return 0;
}

// ---------------------------------------------------------------------------------------------
// Agent

Agent::Agent(MibStore& store, Access access, Faults& faults) : store_(store), access_(std::move(access)), faults_(faults) {
  theAgent = this;
}

Agent::~Agent() {
  shutdown();
  theAgent = nullptr;
}

uint16_t Agent::start(const std::string& stateDir, uint16_t port, const std::string& engineId) {
  // Nothing of the machine's SNMP set-up may leak in: no config files, no MIBs, no state
  // outside the private folder.
  setenv("SNMPCONFPATH", stateDir.c_str(), 1);
  setenv("SNMP_PERSISTENT_DIR", stateDir.c_str(), 1);
  setenv("MIBDIRS", stateDir.c_str(), 1);
  setenv("MIBS", "", 1);
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, stateDir.c_str());
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, stateDir.c_str());
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
  snmp_disable_log();
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
  if (const char* tokens = std::getenv("SWITCHSIM_DEBUG")) {  // Net-SNMP debug tokens, e.g. "snmp_agent"
    debug_register_tokens(tokens);
    snmp_set_do_debugging(1);
  }

  if (init_agent("switchsim") != 0) throw std::runtime_error("init_agent failed");
  // One handler over 1.0 to 1.3 (the agent keeps placeholder registrations of the top nodes,
  // so the handler sits one level below them).
  for (oid arc = 0; arc <= 3; ++arc) {
    const oid root[] = {1, arc};
    netsnmp_handler_registration* reg =
        netsnmp_create_handler_registration("switchsim", onRequests, root, 2, HANDLER_CAN_RWRITE);
    if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
      throw std::runtime_error("cannot register the MIB handler");
  }
  snmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_INITIAL, onAccessInitial, nullptr);
  snmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK, onAccess, nullptr);
  netsnmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_POST_READ_CONFIG, onConfigRead, nullptr,
                            NETSNMP_CALLBACK_HIGHEST_PRIORITY);
  init_snmp("switchsim");
  started_ = true;
  if (!engineId.empty()) {
    auto* id = reinterpret_cast<const u_char*>(engineId.data());
    if (set_exact_engineID(id, engineId.size()) != SNMPERR_SUCCESS) throw std::runtime_error("cannot take the engine ID");
    // The library noted its boots and time under the engine ID it had made; incoming messages
    // are checked against the one they name.
    set_enginetime(id, u_int(engineId.size()), snmpv3_local_snmpEngineBoots(), snmpv3_local_snmpEngineTime(), TRUE);
  }

  // Users are made after start-up so their keys are localised to the final engine ID.
  for (const auto& line : access_.createUserLines) {
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    size_t before = 0;
    for (auto* u = usm_get_userList(); u; u = u->next) ++before;
    usm_parse_create_usmUser("createUser", buf.data());
    size_t after = 0;
    for (auto* u = usm_get_userList(); u; u = u->next) ++after;
    if (after == before) throw std::runtime_error("bad createUser line: " + line);
  }

  netsnmp_ep ep{};
  ep.a.sin.sin_family = AF_INET;
  ep.a.sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ep.a.sin.sin_port = htons(port);
  netsnmp_transport* t = netsnmp_udp_transport(&ep, 1);
  if (!t) throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
  sockaddr_in bound{};
  socklen_t len = sizeof bound;
  if (getsockname(t->sock, reinterpret_cast<sockaddr*>(&bound), &len) != 0) throw std::runtime_error("getsockname failed");
  listen(t);

  // The same port on the IPv6 loopback, for managers that reach the switch by IPv6.
  netsnmp_ep ep6{};
  ep6.a.sin6.sin6_family = AF_INET6;
  ep6.a.sin6.sin6_addr = in6addr_loopback;
  ep6.a.sin6.sin6_port = bound.sin_port;
  netsnmp_transport* t6 = netsnmp_udp6_transport(&ep6, 1);
  if (!t6) throw std::runtime_error("cannot listen on [::1]:" + std::to_string(ntohs(bound.sin_port)));
  listen(t6);
  return ntohs(bound.sin_port);
}

// Replies of the transport pass through send(), where the faults apply.
void Agent::listen(void* transport) {
  auto* t = static_cast<netsnmp_transport*>(transport);
  originalSends_[t] = reinterpret_cast<SendFunction>(t->f_send);
  t->f_send = onSend;
  const int handle = netsnmp_register_agent_nsap(t);
  if (handle <= 0) throw std::runtime_error("cannot attach the agent to its socket");
  nsapHandles_.push_back(handle);
}

void Agent::run(volatile std::sig_atomic_t& stop, int wakeFd, const std::function<int(fd_set&)>& extraFds,
                const std::function<void(const fd_set&)>& onReady) {
  while (!stop) {
    fd_set fds;
    FD_ZERO(&fds);
    int numfds = 0, block = 0;
    timeval tv{1, 0};
    snmp_select_info(&numfds, &fds, &tv, &block);
    if (block) tv = {1, 0};
    int ms = msUntilNextDelayed();
    if (ms >= 0 && ms < tv.tv_sec * 1000 + tv.tv_usec / 1000) tv = {ms / 1000, (ms % 1000) * 1000};
    FD_SET(wakeFd, &fds);
    numfds = std::max(numfds, wakeFd + 1);
    numfds = std::max(numfds, extraFds(fds) + 1);
    int n = select(numfds, &fds, nullptr, nullptr, &tv);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("select failed");
    }
    if (n > 0) {
      onReady(fds);
      snmp_read(&fds);
    } else {
      snmp_timeout();
    }
    run_alarms();
    netsnmp_check_outstanding_agent_requests();
    flushDelayed();
  }
}

void Agent::shutdown() {
  if (!started_) return;
  started_ = false;
  delayed_.clear();  // replies still held back are never sent
  for (int handle : nsapHandles_) netsnmp_deregister_agent_nsap(handle);
  nsapHandles_.clear();
  originalSends_.clear();
  snmp_shutdown("switchsim");
  shutdown_agent();
}

void Agent::setSetLog(const std::string& path) { setLogPath_ = path; }

void Agent::clearSetLog() {
  if (!setLogPath_.empty()) std::ofstream(setLogPath_, std::ios::trunc);
}

// Every SET PDU that passed the community/user check, varbinds in the order sent, written
// before the PDU is processed so a reply always follows its log line.
void Agent::logSet(void* p) {
  if (setLogPath_.empty()) return;
  auto* pdu = static_cast<netsnmp_pdu*>(p);
  std::string line;
  for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
    if (!line.empty()) line += " ; ";
    line += oidText(toOid(vb->name, vb->name_length)) + "=" + valueText(fromVarbind(vb));
  }
  std::ofstream out(setLogPath_, std::ios::app);
  out << line << '\n';
}

bool Agent::knows(void* p) const {
  auto* pdu = static_cast<netsnmp_pdu*>(p);
  if (pdu->version == SNMP_VERSION_3) {
    // A context of another engine is none of this switch's.
    u_char own[64];
    const size_t ownLen = snmpv3_get_engineID(own, sizeof own);
    if (pdu->contextEngineIDLen &&
        (pdu->contextEngineIDLen != ownLen || std::memcmp(pdu->contextEngineID, own, ownLen) != 0))
      return false;
    auto it = access_.users.find(userOf(pdu));
    return pdu->securityModel == SNMP_SEC_MODEL_USM && it != access_.users.end() &&
           pdu->securityLevel >= it->second.minLevel;
  }
  std::string community = communityOf(pdu);
  return access_.readCommunities.count(community) || access_.writeCommunities.count(community);
}

int Agent::checkPdu(void* p) {
  auto* pdu = static_cast<netsnmp_pdu*>(p);
  if (!knows(pdu)) return VACM_NOSECNAME;
  if (pdu->command == SNMP_MSG_SET) logSet(pdu);
  return VACM_SUCCESS;
}

int Agent::checkVarbind(void* p) {
  auto* pdu = static_cast<netsnmp_pdu*>(p);
  if (!knows(pdu)) return VACM_NOSECNAME;
  if (pdu->command != SNMP_MSG_SET) return VACM_SUCCESS;
  bool write;
  if (pdu->version == SNMP_VERSION_3)
    write = access_.users.at(userOf(pdu)).write;
  else
    write = access_.writeCommunities.count(communityOf(pdu)) > 0;
  return write ? VACM_SUCCESS : VACM_NOTINVIEW;
}

int Agent::handle(void* ri, void* rq) {
  auto* reqinfo = static_cast<netsnmp_agent_request_info*>(ri);
  std::vector<netsnmp_request_info*> requests;
  for (auto* r = static_cast<netsnmp_request_info*>(rq); r; r = r->next) requests.push_back(r);
  std::stable_sort(requests.begin(), requests.end(), [](auto* a, auto* b) { return a->index < b->index; });
  const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;

  switch (reqinfo->mode) {
    case MODE_GET:
      for (auto* r : requests) {
        if (r->processed) continue;
        Oid name = toOid(r->requestvb->name, r->requestvb->name_length);
        if (int err = faults_.errorFor(name)) {
          netsnmp_set_request_error(reqinfo, r, err);
        } else if (const Object* obj = store_.find(name)) {
          if (name == sysUpTimeInstance && obj->value.tag == TagTimeTicks) {
            Value up = obj->value;
            up.number = netsnmp_get_agent_uptime();
            toVarbind(r->requestvb, up);
          } else {
            toVarbind(r->requestvb, obj->value);
          }
        } else {
          netsnmp_set_request_error(reqinfo, r, store_.hasObjectBeside(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
      }
      return SNMP_ERR_NOERROR;

    case MODE_GETNEXT:
      for (auto* r : requests) {
        if (r->processed) continue;
        Oid name = toOid(r->requestvb->name, r->requestvb->name_length);
        const MibStore::Map::value_type* next = store_.next(name, r->inclusive);
        // A v1 manager cannot see Counter64 objects, and the agent library takes a NULL value
        // for "nothing here": a walk steps over both.
        while (next && (next->second.value.tag == TagNull || (v1 && next->second.value.tag == TagCounter64)))
          next = store_.next(next->first);
        int err = faults_.errorFor(name);
        if (!err && next) err = faults_.errorFor(next->first);
        if (err) {
          netsnmp_set_request_error(reqinfo, r, err);
        } else if (next) {
          setName(r->requestvb, next->first);
          Value v = next->second.value;
          if (next->first == sysUpTimeInstance && v.tag == TagTimeTicks) v.number = netsnmp_get_agent_uptime();
          toVarbind(r->requestvb, v);
        }
        // else: nothing follows; the agent answers endOfMibView (noSuchName for v1).
      }
      return SNMP_ERR_NOERROR;

    // The tree is several registrations, so one SET may reach here in several calls per
    // pass; the whole PDU is checked and applied once, on the first call of its pass.
    case MODE_SET_RESERVE1: {
      if (setPdu_ != reqinfo->asp) {
        setPdu_ = reqinfo->asp;
        failedVarbind_ = nullptr;
        failedStatus_ = 0;
        pending_ = std::make_unique<MibStore::Map>();
        std::vector<VarBind> vbs;
        std::vector<netsnmp_variable_list*> vars;
        for (auto* vb = reqinfo->asp->pdu->variables; vb; vb = vb->next_variable) {
          vbs.push_back({toOid(vb->name, vb->name_length), fromVarbind(vb)});
          vars.push_back(vb);
        }
        size_t errorIndex = 0;
        int status = NoError;
        for (size_t i = 0; i < vbs.size() && !status; ++i)
          if ((status = faults_.errorFor(vbs[i].oid))) errorIndex = i;
        if (faults_.refuseSetAt > 0 && ++faults_.setsSeen == faults_.refuseSetAt && !status && !vbs.empty())
          status = faults_.refuseSetStatus;
        if (!status) status = store_.prepareSet(vbs, *pending_, errorIndex);
        if (status != NoError) {
          pending_.reset();
          failedVarbind_ = vars[errorIndex];
          failedStatus_ = status;
        }
      }
      for (auto* r : requests)
        if (r->requestvb == failedVarbind_) netsnmp_set_request_error(reqinfo, r, failedStatus_);
      return SNMP_ERR_NOERROR;
    }
    case MODE_SET_RESERVE2:
      return SNMP_ERR_NOERROR;
    case MODE_SET_ACTION:
      if (pending_) {
        undo_ = std::make_unique<MibStore::Map>(std::move(store_.objects()));
        store_.objects() = std::move(*pending_);
        pending_.reset();
      }
      return SNMP_ERR_NOERROR;
    case MODE_SET_UNDO:
      if (undo_) store_.objects() = std::move(*undo_);
      undo_.reset();
      setPdu_ = nullptr;
      return SNMP_ERR_NOERROR;
    case MODE_SET_COMMIT:
    case MODE_SET_FREE:
      undo_.reset();
      pending_.reset();
      setPdu_ = nullptr;
      return SNMP_ERR_NOERROR;
  }
  return SNMP_ERR_GENERR;
}

// Every reply passes here: dropped, held back for the configured delay, or sent.
int Agent::send(void* t, const void* buf, int size, void** opaque, int* olength) {
  if (faults_.dropReplies) return size;
  if (faults_.delayMs > 0 || !delayed_.empty()) {
    Delayed d;
    d.due = Clock::now() + std::chrono::milliseconds(faults_.delayMs);
    d.transport = t;
    if (!delayed_.empty() && d.due < delayed_.back().due) d.due = delayed_.back().due;  // keep order
    d.data.assign(static_cast<const char*>(buf), size);
    d.hasOpaque = opaque && *opaque && olength;
    if (d.hasOpaque) d.opaque.assign(static_cast<const char*>(*opaque), *olength);
    delayed_.push_back(std::move(d));
    return size;
  }
  return originalSends_.at(t)(t, buf, size, opaque, olength);
}

void Agent::flushDelayed() {
  auto now = Clock::now();
  while (!delayed_.empty() && delayed_.front().due <= now) {
    Delayed d = std::move(delayed_.front());
    delayed_.erase(delayed_.begin());
    void* op = d.hasOpaque ? d.opaque.data() : nullptr;
    int oplen = static_cast<int>(d.opaque.size());
    if (!faults_.dropReplies)
      originalSends_.at(d.transport)(d.transport, d.data.data(), static_cast<int>(d.data.size()),
                                     d.hasOpaque ? &op : nullptr, &oplen);
  }
}

int Agent::msUntilNextDelayed() const {
  if (delayed_.empty()) return -1;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(delayed_.front().due - Clock::now()).count();
  return ms < 0 ? 0 : static_cast<int>(ms) + 1;
}

}  // namespace sim
