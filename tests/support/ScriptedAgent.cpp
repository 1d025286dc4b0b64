#include "ScriptedAgent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <stdexcept>

namespace {

void EnsureLibrary() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_CONFIG_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
  init_snmp("nvs7000d");  // does nothing when the program's session has started the library
}

}  // namespace

struct ScriptedAgentAccess {
  static int OnMessage(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) static_cast<ScriptedAgent*>(magic)->Answer(pdu);
    return 1;
  }
};

std::vector<uint32_t> ScriptedAgent::Ids(const std::string& dotted) {
  std::vector<uint32_t> ids;
  size_t p = 0;
  while (p < dotted.size()) {
    const size_t dot = dotted.find('.', p);
    ids.push_back(uint32_t(std::stoul(dotted.substr(p, dot - p))));
    if (dot == std::string::npos) break;
    p = dot + 1;
  }
  return ids;
}

ScriptedAgent::ScriptedAgent(Script script) : script_(std::move(script)) {
  EnsureLibrary();
  netsnmp_transport* transport = netsnmp_transport_open_server("scripted", "udp:127.0.0.1:0");
  if (!transport) throw std::runtime_error("scripted agent: no UDP socket");
  sockaddr_in local{};
  socklen_t len = sizeof local;
  getsockname(transport->sock, reinterpret_cast<sockaddr*>(&local), &len);
  port_ = ntohs(local.sin_port);

  netsnmp_session in;
  snmp_sess_init(&in);
  in.version = SNMP_VERSION_2c;
  in.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
  in.callback = &ScriptedAgentAccess::OnMessage;
  in.callback_magic = this;
  session_ = snmp_sess_add(&in, transport, nullptr, nullptr);
  if (!session_) throw std::runtime_error("scripted agent: no session");
  thread_ = std::thread([this] { Run(); });
}

ScriptedAgent::~ScriptedAgent() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (session_) snmp_sess_close(session_);
}

void ScriptedAgent::Run() {
  while (!stop_) {
    int numfds = 0, block = 0;
    fd_set fds;
    FD_ZERO(&fds);
    timeval tv{0, 20000};
    snmp_sess_select_info(session_, &numfds, &fds, &tv, &block);
    timeval wait{0, 20000};  // wakes often enough to notice the stop
    if (::select(numfds, &fds, nullptr, nullptr, &wait) > 0) snmp_sess_read(session_, &fds);
  }
}

void ScriptedAgent::Answer(void* pduPtr) {
  auto* pdu = static_cast<netsnmp_pdu*>(pduPtr);
  if (pdu->command != SNMP_MSG_GET && pdu->command != SNMP_MSG_GETNEXT && pdu->command != SNMP_MSG_SET) return;
  seen_++;

  Request request;
  request.command = pdu->command;
  for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
    request.bindings.push_back({std::vector<uint32_t>(v->name, v->name + v->name_length), 0});
  const std::optional<Reply> reply = script_(request);
  if (!reply) return;

  netsnmp_pdu* response = snmp_clone_pdu(pdu);
  response->command = SNMP_MSG_RESPONSE;
  response->errstat = reply->errorStatus;
  response->errindex = reply->errorIndex;
  snmp_free_varbind(response->variables);
  response->variables = nullptr;
  for (const Binding& b : reply->bindings) {
    std::vector<oid> name(b.oid.begin(), b.oid.end());
    long value = b.value;
    snmp_pdu_add_variable(response, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
  }
  if (!snmp_sess_send(session_, response)) snmp_free_pdu(response);
}
