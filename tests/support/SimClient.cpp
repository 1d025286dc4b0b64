#include "SimClient.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <stdexcept>

namespace {

void initOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    init_snmp("simclient");
  });
}

std::vector<oid> parseOid(const std::string& text) {
  std::vector<oid> out;
  size_t pos = text[0] == '.' ? 1 : 0;
  while (pos < text.size()) {
    size_t dot = text.find('.', pos);
    out.push_back(std::stoul(text.substr(pos, dot - pos)));
    pos = dot == std::string::npos ? text.size() : dot + 1;
  }
  return out;
}

std::string oidText(const oid* o, size_t len) {
  std::string out;
  for (size_t i = 0; i < len; ++i) out += (i ? "." : "") + std::to_string(o[i]);
  return out;
}

std::string hex(const u_char* p, size_t n) {
  static const char d[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < n; ++i) {
    out.push_back(d[p[i] >> 4]);
    out.push_back(d[p[i] & 15]);
  }
  return out;
}

std::string valueText(const netsnmp_variable_list* vb) {
  switch (vb->type) {
    case ASN_INTEGER: return "2:" + std::to_string(*vb->val.integer);
    case ASN_OCTET_STR: {
      std::string s(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
      for (unsigned char c : s)
        if (c < 0x20 || c > 0x7e) return "4x:" + hex(vb->val.string, vb->val_len);
      return "4:" + s;
    }
    case ASN_NULL: return "5:";
    case ASN_OBJECT_ID: return "6:" + oidText(vb->val.objid, vb->val_len / sizeof(oid));
    case ASN_IPADDRESS: {
      std::string s = "64:";
      for (size_t i = 0; i < vb->val_len; ++i) s += (i ? "." : "") + std::to_string(vb->val.string[i]);
      return s;
    }
    case ASN_COUNTER: return "65:" + std::to_string(static_cast<uint32_t>(*vb->val.integer));
    case ASN_GAUGE: return "66:" + std::to_string(static_cast<uint32_t>(*vb->val.integer));
    case ASN_TIMETICKS: return "67:" + std::to_string(static_cast<uint32_t>(*vb->val.integer));
    case ASN_OPAQUE: return "68x:" + hex(vb->val.string, vb->val_len);
    case ASN_COUNTER64:
      return "70:" + std::to_string((static_cast<uint64_t>(vb->val.counter64->high) << 32) |
                                    static_cast<uint32_t>(vb->val.counter64->low));
    case SNMP_NOSUCHOBJECT: return "noSuchObject";
    case SNMP_NOSUCHINSTANCE: return "noSuchInstance";
    case SNMP_ENDOFMIBVIEW: return "endOfMibView";
  }
  return "?" + std::to_string(vb->type);
}

void addValue(netsnmp_pdu* pdu, const std::string& name, const std::string& value) {
  std::vector<oid> o = parseOid(name);
  size_t colon = value.find(':');
  std::string tag = value.substr(0, colon), text = value.substr(colon + 1);
  if (tag == "2") {
    long n = std::stol(text);
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_INTEGER, &n, sizeof n);
  } else if (tag == "4") {
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_OCTET_STR, text.data(), text.size());
  } else if (tag == "4x" || tag == "68x") {
    std::string bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2) bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
    snmp_pdu_add_variable(pdu, o.data(), o.size(), tag == "4x" ? ASN_OCTET_STR : ASN_OPAQUE, bytes.data(), bytes.size());
  } else if (tag == "6") {
    std::vector<oid> v = parseOid(text);
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_OBJECT_ID, v.data(), v.size() * sizeof(oid));
  } else if (tag == "64") {
    in_addr_t a = inet_addr(text.c_str());
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_IPADDRESS, &a, 4);
  } else if (tag == "65" || tag == "66" || tag == "67") {
    u_long n = std::stoul(text);
    u_char type = tag == "65" ? ASN_COUNTER : tag == "66" ? ASN_GAUGE : ASN_TIMETICKS;
    snmp_pdu_add_variable(pdu, o.data(), o.size(), type, &n, sizeof n);
  } else if (tag == "70") {
    uint64_t n = std::stoull(text);
    counter64 c;
    c.high = n >> 32;
    c.low = n & 0xffffffffu;
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_COUNTER64, &c, sizeof c);
  } else if (tag == "5") {
    snmp_pdu_add_variable(pdu, o.data(), o.size(), ASN_NULL, nullptr, 0);
  } else {
    throw std::invalid_argument("SimClient: unknown value tag in '" + value + "'");
  }
}

}  // namespace

SimClient::Target SimClient::community(int version, const std::string& community) {
  Target t;
  t.version = version;
  t.community = community;
  return t;
}

SimClient::Target SimClient::user(const std::string& name, const std::string& auth, const std::string& authPass,
                                  const std::string& priv, const std::string& privPass) {
  Target t;
  t.version = 3;
  t.user = name;
  t.authProtocol = auth;
  t.authPassPhrase = authPass;
  t.privProtocol = priv;
  t.privPassPhrase = privPass;
  return t;
}

SimClient::SimClient(uint16_t port, Target target) {
  initOnce();
  netsnmp_session s;
  snmp_sess_init(&s);
  std::string peer = "udp:127.0.0.1:" + std::to_string(port);
  s.peername = peer.data();
  s.timeout = target.timeoutMs * 1000L;
  s.retries = target.retries;
  if (target.version == 3) {
    s.version = SNMP_VERSION_3;
    s.securityName = target.user.data();
    s.securityNameLen = target.user.size();
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityLevel = target.authProtocol.empty()   ? SNMP_SEC_LEVEL_NOAUTH
                      : target.privProtocol.empty() ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                                    : SNMP_SEC_LEVEL_AUTHPRIV;
    if (!target.authProtocol.empty()) {
      s.securityAuthProto = target.authProtocol == "SHA" ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
      s.securityAuthProtoLen = 10;
      s.securityAuthKeyLen = USM_AUTH_KU_LEN;
      if (generate_Ku(s.securityAuthProto, s.securityAuthProtoLen,
                      reinterpret_cast<const u_char*>(target.authPassPhrase.data()), target.authPassPhrase.size(),
                      s.securityAuthKey, &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
        throw std::runtime_error("SimClient: cannot make the auth key");
    }
    if (!target.privProtocol.empty()) {
      s.securityPrivProto = usmDESPrivProtocol;
      s.securityPrivProtoLen = 10;
      s.securityPrivKeyLen = USM_PRIV_KU_LEN;
      if (generate_Ku(s.securityAuthProto, s.securityAuthProtoLen,
                      reinterpret_cast<const u_char*>(target.privPassPhrase.data()), target.privPassPhrase.size(),
                      s.securityPrivKey, &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
        throw std::runtime_error("SimClient: cannot make the privacy key");
    }
  } else {
    s.version = target.version == 1 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
    s.community = reinterpret_cast<u_char*>(target.community.data());
    s.community_len = target.community.size();
  }
  session_ = snmp_sess_open(&s);
  if (!session_) {
    int liberr = 0, syserr = 0;
    char* text = nullptr;
    snmp_error(&s, &liberr, &syserr, &text);
    openError_ = text ? text : "open failed";
    std::free(text);
  }
}

SimClient::~SimClient() {
  if (session_) snmp_sess_close(session_);
}

SimClient::Reply SimClient::request(int command, const std::vector<std::pair<std::string, std::string>>& vbs) {
  Reply reply;
  if (!session_) {
    reply.status = SNMPERR_GENERR;  // e.g. v3 discovery found nobody
    return reply;
  }
  netsnmp_pdu* pdu = snmp_pdu_create(command);
  for (const auto& [name, value] : vbs) {
    if (command == SNMP_MSG_SET) {
      addValue(pdu, name, value);
    } else {
      std::vector<oid> o = parseOid(name);
      snmp_add_null_var(pdu, o.data(), o.size());
    }
  }
  netsnmp_pdu* response = nullptr;
  int rc = snmp_sess_synch_response(session_, pdu, &response);
  if (rc == STAT_SUCCESS && response) {
    reply.errorStatus = static_cast<int>(response->errstat);
    reply.errorIndex = static_cast<int>(response->errindex);
    for (auto* vb = response->variables; vb; vb = vb->next_variable)
      reply.varbinds.emplace_back(oidText(vb->name, vb->name_length), valueText(vb));
  } else if (rc == STAT_TIMEOUT) {
    reply.status = 1;
  } else {
    int liberr = 0, syserr = 0;
    char* text = nullptr;
    snmp_sess_error(session_, &liberr, &syserr, &text);
    std::free(text);
    reply.status = liberr ? liberr : SNMPERR_GENERR;
  }
  if (response) snmp_free_pdu(response);
  return reply;
}

SimClient::Reply SimClient::get(const std::vector<std::string>& oids) {
  std::vector<std::pair<std::string, std::string>> vbs;
  for (const auto& o : oids) vbs.emplace_back(o, "");
  return request(SNMP_MSG_GET, vbs);
}

SimClient::Reply SimClient::getNext(const std::vector<std::string>& oids) {
  std::vector<std::pair<std::string, std::string>> vbs;
  for (const auto& o : oids) vbs.emplace_back(o, "");
  return request(SNMP_MSG_GETNEXT, vbs);
}

SimClient::Reply SimClient::set(const std::vector<std::pair<std::string, std::string>>& oidValues) {
  return request(SNMP_MSG_SET, oidValues);
}

std::vector<std::pair<std::string, std::string>> SimClient::walk(const std::string& prefix, Reply* end) {
  std::vector<std::pair<std::string, std::string>> rows;
  std::string at = prefix;
  for (int guard = 0; guard < 100000; ++guard) {
    Reply r = getNext({at});
    const bool inside = r.answered() && r.errorStatus == 0 && r.varbinds.size() == 1 &&
                        r.varbinds[0].first.rfind(prefix + ".", 0) == 0 && r.varbinds[0].second != "endOfMibView";
    if (!inside) {
      if (end) *end = r;
      break;
    }
    rows.push_back(r.varbinds[0]);
    at = r.varbinds[0].first;
  }
  return rows;
}

std::string SimClient::value(const std::string& name) {
  Reply r = get({name});
  return r.answered() && r.errorStatus == 0 && r.varbinds.size() == 1 ? r.varbinds[0].second : "";
}
