// A small blocking SNMP manager for tests of switchsim itself (Net-SNMP's client library,
// kept behind this header). Values are written as in switchsim's SET log:
// "<TAG>:<value>" with TAG 2, 4, 4x, 5, 6, 64, 65, 66, 67, 68x, 70, or the exceptions
// "noSuchObject", "noSuchInstance", "endOfMibView".
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class SimClient {
 public:
  struct Target {
    int version = 2;  // 1, 2 (v2c) or 3
    std::string community = "quorra";
    std::string user;
    std::string authProtocol;  // "", "MD5" or "SHA"
    std::string authPassPhrase;
    std::string privProtocol;  // "" or "DES"
    std::string privPassPhrase;
    int timeoutMs = 1000;
    int retries = 0;
  };

  struct Reply {
    int status = 0;       // 0 answered, 1 timed out, else Net-SNMP's (negative) error code
    int errorStatus = 0;  // of the answer
    int errorIndex = 0;
    std::vector<std::pair<std::string, std::string>> varbinds;  // (oid, value)
    bool answered() const { return status == 0; }
  };

  SimClient(uint16_t port, Target target);
  ~SimClient();
  SimClient(const SimClient&) = delete;
  SimClient& operator=(const SimClient&) = delete;

  Reply get(const std::vector<std::string>& oids);
  Reply getNext(const std::vector<std::string>& oids);
  Reply set(const std::vector<std::pair<std::string, std::string>>& oidValues);  // value "<TAG>:<value>"

  // GET-NEXT from prefix while the answer stays below it; the reply that ended the walk is
  // kept in `end` (an error-status, an exception value, or the first OID outside the prefix).
  std::vector<std::pair<std::string, std::string>> walk(const std::string& prefix, Reply* end = nullptr);

  // The value of one object (or its exception), "" when the GET fails.
  std::string value(const std::string& oid);

  static Target community(int version, const std::string& community);
  static Target user(const std::string& name, const std::string& auth, const std::string& authPass,
                     const std::string& priv = "", const std::string& privPass = "");

 private:
  Reply request(int command, const std::vector<std::pair<std::string, std::string>>& vbs);
  void* session_ = nullptr;
  std::string openError_;
};
