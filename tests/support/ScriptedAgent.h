// A misbehaving SNMP responder for tests: a UDP socket on 127.0.0.1 that answers each
// request with whatever its script returns, encoded by Net-SNMP's PDU builder. It runs on
// a thread of its own, so blocking requests of the test thread work against it too.
//
//   ScriptedAgent agent([](const ScriptedAgent::Request& r) {
//     ScriptedAgent::Reply reply;
//     reply.bindings = {{r.bindings[0].oid, 5}};  // the same OID again
//     return reply;
//   });
//   request.Port = agent.port();
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class ScriptedAgent {
 public:
  struct Binding {
    std::vector<uint32_t> oid;
    int32_t value = 0;  // every value is an INTEGER
  };
  struct Request {
    int command = 0;  // 0xA0 GET, 0xA1 GET-NEXT, 0xA3 SET
    std::vector<Binding> bindings;
  };
  struct Reply {
    std::vector<Binding> bindings;
    int errorStatus = 0;
    int errorIndex = 0;
  };
  // nullopt: answer nothing.
  using Script = std::function<std::optional<Reply>(const Request&)>;

  explicit ScriptedAgent(Script script);
  ~ScriptedAgent();
  ScriptedAgent(const ScriptedAgent&) = delete;
  ScriptedAgent& operator=(const ScriptedAgent&) = delete;

  uint16_t port() const { return port_; }
  int requestsSeen() const { return seen_.load(); }

  static std::vector<uint32_t> Ids(const std::string& dotted);

 private:
  friend struct ScriptedAgentAccess;
  void Answer(void* pdu);  // a received netsnmp_pdu
  void Run();

  Script script_;
  void* session_ = nullptr;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> seen_{0};
  std::thread thread_;
};
