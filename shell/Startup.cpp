#include "Startup.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "Exception.h"
#include "NvIni.h"
#include "NvSNMPError.h"
#include "NvSNMPSession.h"
#include "Paths.h"
#include "Registry.h"

std::string DeviceAddress;
std::vector<std::string> ProgramParameters;

const char* const HelpPathKey = "\\SOFTWARE\\Norvane\\Modules\\HelpPath";
const char* const ModuleValueName = "1.3.6.1.4.1.32473.10.113.1.3";
const char* const ExePathKey = "\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath";
const char* const MibFileKey = "\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile";

namespace {

const char* const DeviceSection = "Program Information";

// Decimal only, as the runtime's strict conversion: no blanks, no hexadecimal, no default.
int ToInt(const std::string& text) {
  size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  bool ok = digits < text.size() && text.find_first_not_of("0123456789", digits) == std::string::npos;
  long long value = 0;
  if (ok) {
    errno = 0;
    value = std::strtoll(text.c_str(), nullptr, 10);
    ok = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
  }
  if (!ok) throw Exception("'" + text + "' is not a valid integer value");
  return static_cast<int>(value);
}

// The port field holds 16 bits; a larger number would silently name another port.
uint16_t ToPort(const std::string& text) {
  int port = ToInt(text);
  if (port < 0 || port > 65535)
    throw Exception("Agent port " + text + " is out of range: it must lie between 0 and 65535!");
  return static_cast<uint16_t>(port);
}

// The version is kept in one byte; a larger number would silently become another version.
uint8_t ToVersion(const std::string& text) {
  int version = ToInt(text);
  if (version < 0 || version > 255)
    throw Exception("SNMP version " + text + " is out of range: it must lie between 0 and 255!");
  return static_cast<uint8_t>(version);
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
    NvSNMPDevice::Port = ToPort(v);
    texts.AgentPortText = std::to_string(NvSNMPDevice::Port);
  } else if (FindSwitch(p, "/c", v)) {
    NvSNMPScope::ContextName = v;
    if (!v.empty()) texts.ContextNameText = v;
  } else if (FindSwitch(p, "/d", v)) {
    NvSNMPScope::ContextEngineID = v;
    texts.ContextEngineIDText = v;
  } else if (FindSwitch(p, "/m", v)) {
    NvSNMPSecurity::SecurityModel = ToInt(v);
    texts.SecurityModelText = std::to_string(NvSNMPSecurity::SecurityModel);
  } else if (FindSwitch(p, "/l", v)) {
    NvSNMPSecurity::SecurityLevel = ToInt(v);
    if (NvSNMPSecurity::SecurityLevel != 0) texts.SecurityLevelText = std::to_string(NvSNMPSecurity::SecurityLevel);
  } else if (FindSwitch(p, "/n", v)) {
    NvSNMPSecurity::SecurityName = v;
    texts.SecurityNameText = v;
  } else if (FindSwitch(p, "/A", v)) {
    NvSNMPSecurity::AuthPassword = v;
    if (!v.empty()) texts.AuthPasswordText = v;
  } else if (FindSwitch(p, "/P", v)) {
    NvSNMPSecurity::PrivPassword = v;
    if (!v.empty()) texts.PrivPasswordText = v;
  } else if (FindSwitch(p, "/a", v)) {
    NvSNMPSecurity::AuthProtocol = ToInt(v);
    if (texts.AuthProtocolText != "0") texts.AuthProtocolText = std::to_string(NvSNMPSecurity::AuthProtocol);
  } else if (FindSwitch(p, "/p", v)) {
    NvSNMPSecurity::PrivProtocol = ToInt(v);
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
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  const NvIni ini(path);
  auto read = [&](const char* key) { return ini.ReadString(DeviceSection, key, ""); };

  NvSNMPDevice::Port = ToPort(read("AgentPort"));
  texts.AgentPortText = std::to_string(NvSNMPDevice::Port);

  std::string v = read("Version");
  NvSNMPSecurity::Version = ToVersion(v);
  texts.VersionText = v;

  if (v = read("ContextName"); !v.empty()) {
    NvSNMPScope::ContextName = v;
    texts.ContextNameText = v;
  }

  v = read("ContextEngineID");
  NvSNMPScope::ContextEngineID = v;
  texts.ContextEngineIDText = v;

  NvSNMPSecurity::SecurityModel = ToInt(read("SecurityModel"));
  texts.SecurityModelText = std::to_string(NvSNMPSecurity::SecurityModel);

  // The file counts security level and protocols from 0, the session from 1; "0" keeps the
  // setting, which with the defaults comes to the same.
  if (v = read("SecurityLevel"); v != "0") {
    NvSNMPSecurity::SecurityLevel = ToInt(v) + 1;
    texts.SecurityLevelText = std::to_string(NvSNMPSecurity::SecurityLevel);
  }

  v = read("SecurityName");
  NvSNMPSecurity::SecurityName = v;
  texts.SecurityNameText = v;

  if (v = read("AuthProtocol"); v != "0") {
    NvSNMPSecurity::AuthProtocol = ToInt(v) + 1;
    texts.AuthProtocolText = std::to_string(NvSNMPSecurity::AuthProtocol);
  }
  if (v = read("PrivProtocol"); v != "0") {
    NvSNMPSecurity::PrivProtocol = ToInt(v) + 1;
    texts.PrivProtocolText = std::to_string(NvSNMPSecurity::PrivProtocol);
  }
  if (v = read("AuthPassword"); !v.empty()) {
    NvSNMPSecurity::AuthPassword = v;
    texts.AuthPasswordText = v;
  }
  if (v = read("PrivPassword"); !v.empty()) {
    NvSNMPSecurity::PrivPassword = v;
    texts.PrivPasswordText = v;
  }
}

void ApplyParameters(const std::vector<std::string>& parameters, const std::string& mibConfigDirectory,
                     TSessionTexts& texts) {
  for (const std::string& p : parameters) {
    std::string v;
    if (FindSwitch(p, "/I", v)) {
      DeviceAddress = v;
      NvSNMPDevice::Address = v;
      continue;
    }
    // Applied before every other parameter, so the file wins over an earlier switch for the
    // settings it holds.
    ApplyDeviceFile(mibConfigDirectory + DeviceAddress + ".cfg", texts);
    if (FindSwitch(p, "/R", v)) {
      NvSNMPSecurity::ReadCommunity = v;
      texts.ReadCommunityText = v;
    } else if (FindSwitch(p, "/W", v)) {
      NvSNMPSecurity::WriteCommunity = v;
      texts.WriteCommunityText = v;
    } else if (FindSwitch(p, "/v", v)) {
      NvSNMPSecurity::Version = ToVersion(v);
    } else if (texts.VersionText == "3" || NvSNMPSecurity::Version == 3) {
      ApplyVersion3Switch(p, texts);
    }
  }
}
