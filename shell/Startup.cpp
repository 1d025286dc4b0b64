#include "Startup.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>

#include <arpa/inet.h>
#include <netinet/in.h>

#include "Exception.h"
#include "NvIni.h"
#include "NvSNMPError.h"
#include "NvSNMPSession.h"
#include "Paths.h"
#include "PrintableText.h"
#include "Registry.h"

std::string DeviceAddress;
std::vector<std::string> ProgramParameters;

const char* const HelpPathKey = "\\SOFTWARE\\Norvane\\Modules\\HelpPath";
const char* const ModuleValueName = "1.3.6.1.4.1.32473.10.113.1.3";
const char* const ExePathKey = "\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath";
const char* const MibFileKey = "\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile";

namespace {

const char* const DeviceSection = "Program Information";

// Longest texts that can ever reach an agent: a community as Net-SNMP keeps it, a user name
// as the user-based security model defines it.
constexpr size_t kMaxCommunity = 255;
constexpr size_t kMaxSecurityName = 32;
constexpr size_t kMinPassPhrase = 8;  // shorter pass phrases give no keys

// Where each setting was last taken from ("switch /l", or the file and key), for messages.
std::map<std::string, std::string>& Origins() {
  static std::map<std::string, std::string> origins;
  return origins;
}

std::string OriginOf(const std::string& setting, const std::string& fallback) {
  auto found = Origins().find(setting);
  return found == Origins().end() ? fallback : found->second;
}

std::string SwitchOrigin(const char* code) { return std::string("Switch ") + code; }

std::string FileOrigin(const std::string& fileName, const char* key) {
  return "\"" + PrintableText(fileName) + "\", key " + key;
}

// A long text is shown by its start, control bytes escaped.
std::string Shown(const std::string& text) {
  return "'" + PrintableText(text.size() > 40 ? text.substr(0, 40) : text) + (text.size() > 40 ? "...'" : "'");
}

[[noreturn]] void Refuse(const std::string& origin, const std::string& why) {
  throw Exception(origin + ": " + why);
}

// Decimal only, as the runtime's strict conversion: no blanks, no hexadecimal, no default;
// then within low and high. allowed tells the user what may stand there.
int ToNumber(const std::string& text, const std::string& origin, long long low, long long high,
             const std::string& allowed) {
  size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  bool ok = digits < text.size() && text.find_first_not_of("0123456789", digits) == std::string::npos;
  long long value = 0;
  if (ok) {
    errno = 0;
    value = std::strtoll(text.c_str(), nullptr, 10);
    ok = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
  }
  if (!ok) Refuse(origin, Shown(text) + " is not a valid integer value; " + allowed + ".");
  if (value < low || value > high) Refuse(origin, Shown(text) + " is out of range: " + allowed + "!");
  return static_cast<int>(value);
}

uint16_t ToPort(const std::string& text, const std::string& origin) {
  return static_cast<uint16_t>(ToNumber(text, origin, 1, 65535, "the agent port must lie between 1 and 65535"));
}

// Versions 0 (SNMPv1), 1 (SNMPv2c) and 3 (SNMPv3); there is no version 2.
uint8_t ToVersion(const std::string& text, const std::string& origin) {
  const char* allowed = "the SNMP version must be 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)";
  const int version = ToNumber(text, origin, 0, 3, allowed);
  if (version == 2) Refuse(origin, Shown(text) + " is out of range: " + allowed + "!");
  return static_cast<uint8_t>(version);
}

// The command line counts security level and protocols from 1, the file from 0 (first).
int ToSecurityLevel(const std::string& text, const std::string& origin, int first) {
  const std::string f0 = std::to_string(first), f1 = std::to_string(first + 1), f2 = std::to_string(first + 2);
  return ToNumber(text, origin, first, first + 2,
                  "the security level must be " + f0 + " (noAuthNoPriv), " + f1 + " (authNoPriv) or " + f2 +
                      " (authPriv)");
}

int ToAuthProtocol(const std::string& text, const std::string& origin, int first) {
  const std::string f0 = std::to_string(first), f1 = std::to_string(first + 1), f2 = std::to_string(first + 2);
  return ToNumber(text, origin, first, first + 2,
                  "the authentication protocol must be " + f0 + " (none), " + f1 + " (HMAC-MD5) or " + f2 +
                      " (HMAC-SHA)");
}

int ToPrivProtocol(const std::string& text, const std::string& origin, int first) {
  const std::string f0 = std::to_string(first), f1 = std::to_string(first + 1);
  return ToNumber(text, origin, first, first + 1,
                  "the privacy protocol must be " + f0 + " (none) or " + f1 + " (DES)");
}

int ToSecurityModel(const std::string& text, const std::string& origin) {
  return ToNumber(text, origin, 0, 3, "the security model must lie between 0 and 3");
}

const std::string& CheckedText(const std::string& text, const std::string& origin, size_t maxLength,
                               const char* what) {
  if (text.size() > maxLength)
    Refuse(origin, "the " + std::string(what) + " is " + std::to_string(text.size()) +
                       " characters long; it may have at most " + std::to_string(maxLength) + ".");
  return text;
}

// The last label all digits makes a text an IPv4 address or nothing: "10.0.0.256" is no
// host name.
bool IsHostName(const std::string& name) {
  if (name.empty() || name.size() > 253) return false;
  size_t start = 0;
  std::string label;
  for (;;) {
    const size_t dot = name.find('.', start);
    label = name.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    for (unsigned char c : label)
      if (!std::isalnum(c) && c != '-' && c != '_') return false;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return label.find_first_not_of("0123456789") != std::string::npos;
}

// Before any file is named after the address.
void CheckDeviceAddress(const std::string& address) {
  in_addr v4{};
  in6_addr v6{};
  if (::inet_pton(AF_INET, address.c_str(), &v4) == 1) {
    if (v4.s_addr == INADDR_BROADCAST)
      Refuse(SwitchOrigin("/I"), Shown(address) + " is the broadcast address; give the address of the switch.");
    return;
  }
  if (::inet_pton(AF_INET6, address.c_str(), &v6) == 1 || IsHostName(address)) return;
  Refuse(SwitchOrigin("/I"), Shown(address) + " is not an IPv4 address, an IPv6 address or a host name.");
}

// The value after the first occurrence of the two switch characters anywhere in parameter.
bool FindSwitch(const std::string& parameter, const char* code, std::string& value) {
  size_t at = parameter.find(code);
  if (at == std::string::npos) return false;
  value = parameter.substr(at + 2);
  return true;
}

// The switches taken only for an SNMPv3 session.
void ApplyVersion3Switch(const std::string& p, TSessionTexts& texts) {
  std::string v;
  if (FindSwitch(p, "/t", v)) {
    NvSNMPDevice::Port = ToPort(v, SwitchOrigin("/t"));
    texts.AgentPortText = std::to_string(NvSNMPDevice::Port);
  } else if (FindSwitch(p, "/c", v)) {
    NvSNMPScope::ContextName = v;
    if (!v.empty()) texts.ContextNameText = v;
  } else if (FindSwitch(p, "/d", v)) {
    NvSNMPScope::ContextEngineID = v;
    texts.ContextEngineIDText = v;
  } else if (FindSwitch(p, "/m", v)) {
    NvSNMPSecurity::SecurityModel = ToSecurityModel(v, SwitchOrigin("/m"));
    texts.SecurityModelText = std::to_string(NvSNMPSecurity::SecurityModel);
  } else if (FindSwitch(p, "/l", v)) {
    NvSNMPSecurity::SecurityLevel = ToSecurityLevel(v, SwitchOrigin("/l"), 1);
    Origins()["SecurityLevel"] = SwitchOrigin("/l");
    texts.SecurityLevelText = std::to_string(NvSNMPSecurity::SecurityLevel);
  } else if (FindSwitch(p, "/n", v)) {
    NvSNMPSecurity::SecurityName = CheckedText(v, SwitchOrigin("/n"), kMaxSecurityName, "user name");
    texts.SecurityNameText = v;
  } else if (FindSwitch(p, "/A", v)) {
    NvSNMPSecurity::AuthPassword = v;
    Origins()["AuthPassword"] = SwitchOrigin("/A");
    if (!v.empty()) texts.AuthPasswordText = v;
  } else if (FindSwitch(p, "/P", v)) {
    NvSNMPSecurity::PrivPassword = v;
    Origins()["PrivPassword"] = SwitchOrigin("/P");
    if (!v.empty()) texts.PrivPasswordText = v;
  } else if (FindSwitch(p, "/a", v)) {
    NvSNMPSecurity::AuthProtocol = ToAuthProtocol(v, SwitchOrigin("/a"), 1);
    Origins()["AuthProtocol"] = SwitchOrigin("/a");
    if (texts.AuthProtocolText != "0") texts.AuthProtocolText = std::to_string(NvSNMPSecurity::AuthProtocol);
  } else if (FindSwitch(p, "/p", v)) {
    NvSNMPSecurity::PrivProtocol = ToPrivProtocol(v, SwitchOrigin("/p"), 1);
    Origins()["PrivProtocol"] = SwitchOrigin("/p");
    if (texts.PrivProtocolText != "0") texts.PrivProtocolText = std::to_string(NvSNMPSecurity::PrivProtocol);
  }
}

}  // namespace

std::string ReadModuleDirectory(TRegistry& registry, bool& keyOpened) {
  keyOpened = registry.OpenKey(HelpPathKey, true);
  if (!keyOpened) return "";
  std::string path = registry.ReadString(ModuleValueName);
  registry.CloseKey();
  return path.size() > 12 ? path.substr(0, path.size() - 12) : "";
}

std::string ReadMibConfigDirectory(TRegistry& registry) {
  std::string directory;
  if (registry.OpenKey(ExePathKey, false)) {
    directory = registry.ReadString("Path") + "..\\Conf\\MBF\\";
    registry.CloseKey();
  }
  if (registry.OpenKey(MibFileKey, false)) {
    directory = registry.ReadString("Path");
    registry.CloseKey();
  }
  return directory;
}

void LoadMessageFiles(const std::string& moduleDirectory) {
  for (NvMessageTable* table : NvMessageTables())
    NvReadTextLines(*table, PlatformPath(moduleDirectory + "errmsg\\" + table->Name()));
}

void ApplyDeviceFile(const std::string& fileName, TSessionTexts& texts) {
  const std::string path = PlatformPath(fileName);
  const NvIni ini(path);
  if (!ini.Exists()) return;
  if (!ini.ReadError().empty()) throw Exception("The per-device file " + ini.ReadError() + ".");
  auto read = [&](const char* key) { return ini.ReadString(DeviceSection, key, ""); };
  auto origin = [&](const char* key) { return FileOrigin(path, key); };

  NvSNMPDevice::Port = ToPort(read("AgentPort"), origin("AgentPort"));
  texts.AgentPortText = std::to_string(NvSNMPDevice::Port);

  std::string v = read("Version");
  NvSNMPSecurity::Version = ToVersion(v, origin("Version"));
  texts.VersionText = v;

  if (v = read("ContextName"); !v.empty()) {
    NvSNMPScope::ContextName = v;
    texts.ContextNameText = v;
  }

  v = read("ContextEngineID");
  NvSNMPScope::ContextEngineID = v;
  texts.ContextEngineIDText = v;

  NvSNMPSecurity::SecurityModel = ToSecurityModel(read("SecurityModel"), origin("SecurityModel"));
  texts.SecurityModelText = std::to_string(NvSNMPSecurity::SecurityModel);

  // The file counts security level and protocols from 0, the session from 1; "0" keeps the
  // setting, which with the defaults comes to the same.
  if (v = read("SecurityLevel"); v != "0") {
    NvSNMPSecurity::SecurityLevel = ToSecurityLevel(v, origin("SecurityLevel"), 0) + 1;
    Origins()["SecurityLevel"] = origin("SecurityLevel");
    texts.SecurityLevelText = std::to_string(NvSNMPSecurity::SecurityLevel);
  }

  v = read("SecurityName");
  NvSNMPSecurity::SecurityName = CheckedText(v, origin("SecurityName"), kMaxSecurityName, "user name");
  texts.SecurityNameText = v;

  if (v = read("AuthProtocol"); v != "0") {
    NvSNMPSecurity::AuthProtocol = ToAuthProtocol(v, origin("AuthProtocol"), 0) + 1;
    Origins()["AuthProtocol"] = origin("AuthProtocol");
    texts.AuthProtocolText = std::to_string(NvSNMPSecurity::AuthProtocol);
  }
  if (v = read("PrivProtocol"); v != "0") {
    NvSNMPSecurity::PrivProtocol = ToPrivProtocol(v, origin("PrivProtocol"), 0) + 1;
    Origins()["PrivProtocol"] = origin("PrivProtocol");
    texts.PrivProtocolText = std::to_string(NvSNMPSecurity::PrivProtocol);
  }
  if (v = read("AuthPassword"); !v.empty()) {
    NvSNMPSecurity::AuthPassword = v;
    Origins()["AuthPassword"] = origin("AuthPassword");
    texts.AuthPasswordText = v;
  }
  if (v = read("PrivPassword"); !v.empty()) {
    NvSNMPSecurity::PrivPassword = v;
    Origins()["PrivPassword"] = origin("PrivPassword");
    texts.PrivPasswordText = v;
  }
}

void ApplyParameters(const std::vector<std::string>& parameters, const std::string& mibConfigDirectory,
                     TSessionTexts& texts) {
  Origins().clear();
  for (const std::string& p : parameters) {
    std::string v;
    if (FindSwitch(p, "/I", v)) {
      CheckDeviceAddress(v);
      DeviceAddress = v;
      NvSNMPDevice::Address = v;
      continue;
    }
    // Applied before every other parameter, so the file wins over an earlier switch for the
    // settings it holds.
    ApplyDeviceFile(mibConfigDirectory + DeviceAddress + ".cfg", texts);
    if (FindSwitch(p, "/R", v)) {
      NvSNMPSecurity::ReadCommunity = CheckedText(v, SwitchOrigin("/R"), kMaxCommunity, "community");
      texts.ReadCommunityText = v;
    } else if (FindSwitch(p, "/W", v)) {
      NvSNMPSecurity::WriteCommunity = CheckedText(v, SwitchOrigin("/W"), kMaxCommunity, "community");
      texts.WriteCommunityText = v;
    } else if (FindSwitch(p, "/v", v)) {
      NvSNMPSecurity::Version = ToVersion(v, SwitchOrigin("/v"));
    } else if (texts.VersionText == "3" || NvSNMPSecurity::Version == 3) {
      ApplyVersion3Switch(p, texts);
    }
  }
}

void CheckSessionSettings() {
  if (NvSNMPSecurity::Version != 3) return;
  const int level = NvSNMPSecurity::SecurityLevel;
  const bool auth = NvSNMPSecurity::AuthProtocol != 1;
  const bool priv = NvSNMPSecurity::PrivProtocol != 1;
  const std::string levelOrigin = OriginOf("SecurityLevel", "The security level");
  if (level >= 2 && !auth)
    Refuse(levelOrigin, "security level authNoPriv and authPriv need an authentication protocol "
                        "(switch /a2 or /a3, or AuthProtocol=1 or 2 in the per-device file).");
  if (level >= 3 && !priv)
    Refuse(levelOrigin, "security level authPriv needs a privacy protocol "
                        "(switch /p2, or PrivProtocol=1 in the per-device file).");
  // A pass phrase is needed by the level that uses it; one given is used whenever its protocol
  // is set, and then it must give keys.
  const std::string& authPhrase = NvSNMPSecurity::AuthPassword;
  const std::string& privPhrase = NvSNMPSecurity::PrivPassword;
  if (level >= 2 && authPhrase.empty())
    Refuse(OriginOf("AuthProtocol", levelOrigin),
           "an authentication protocol needs an authentication pass phrase of at least 8 characters "
           "(switch /A, or AuthPassword in the per-device file).");
  if (auth && !authPhrase.empty() && authPhrase.size() < kMinPassPhrase)
    Refuse(OriginOf("AuthPassword", "The authentication pass phrase"),
           "the authentication pass phrase is " + std::to_string(authPhrase.size()) +
               " characters long; it must have at least 8 characters.");
  if (level >= 3 && privPhrase.empty())
    Refuse(OriginOf("PrivProtocol", levelOrigin),
           "a privacy protocol needs a privacy pass phrase of at least 8 characters "
           "(switch /P, or PrivPassword in the per-device file).");
  if (auth && priv && !privPhrase.empty() && privPhrase.size() < kMinPassPhrase)
    Refuse(OriginOf("PrivPassword", "The privacy pass phrase"),
           "the privacy pass phrase is " + std::to_string(privPhrase.size()) +
               " characters long; it must have at least 8 characters.");
}
