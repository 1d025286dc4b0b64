// Start-up configuration of the module: where the suite keeps the module and its MIB
// configuration (registry), the message files, and the session settings from the command
// line and the per-device configuration file. The main window's constructor runs these in
// order; they are apart from it so that each can be exercised on its own.
#pragma once

#include <string>
#include <vector>

class TRegistry;

// The device address given by "/I"; part of every window caption and of the per-device
// file name.
extern std::string DeviceAddress;

// The program's parameters without the program name, as program entry received them.
extern std::vector<std::string> ProgramParameters;

// The access parameters as the suite gave them, kept for the MIB viewers' command lines.
struct TSessionTexts {
  std::string ReadCommunityText;
  std::string WriteCommunityText;
  std::string AgentPortText;
  std::string VersionText;  // only as the per-device file wrote it
  std::string SecurityNameText;
  std::string AuthPasswordText;
  std::string PrivPasswordText;
  std::string AuthProtocolText;
  std::string PrivProtocolText;
  std::string ContextEngineIDText;
  std::string SecurityLevelText;
  std::string ContextNameText;
  std::string SecurityModelText;
};

// Registry keys and the value that names the module, under HKEY_LOCAL_MACHINE.
extern const char* const HelpPathKey;
extern const char* const ModuleValueName;
extern const char* const ExePathKey;
extern const char* const MibFileKey;

// The module path of the HelpPath key (created empty when missing, so this opens unless the
// registry fails) less its last 12 characters. keyOpened tells whether the key opened.
std::string ReadModuleDirectory(TRegistry& registry, bool& keyOpened);

// ExePath's "Path" + "..\Conf\MBF\", replaced whole by MibFile's "Path" when that key
// exists; "" when neither does.
std::string ReadMibConfigDirectory(TRegistry& registry);

// The seven message tables from moduleDirectory + "errmsg\" + their names; a missing file
// leaves a table's built-in texts.
void LoadMessageFiles(const std::string& moduleDirectory);

// Applies the "Program Information" section of the per-device file to the session settings
// and the texts, when the file exists. Throws Exception, naming the file and the key and
// what is allowed there, for a number that does not convert or is out of range or a text
// too long; and for a file that is there but cannot be read (not a regular file, too large).
void ApplyDeviceFile(const std::string& fileName, TSessionTexts& texts);

// Applies the parameters in order: "/I" sets the address; before any other parameter the
// per-device file (mibConfigDirectory + DeviceAddress + ".cfg") is applied again, then its
// switch, if any. Throws as ApplyDeviceFile, and naming the switch for a value it cannot
// take: an address that is not an IPv4 or IPv6 address or a host name (before any file is
// named after it), a version other than 0, 1 and 3, a number out of range, a community or
// user name too long.
void ApplyParameters(const std::vector<std::string>& parameters, const std::string& mibConfigDirectory,
                     TSessionTexts& texts);

// Refuses, naming the switch or the file and key, SNMPv3 settings that can never give a
// request: a security level without its protocols, a protocol without a pass phrase of at
// least 8 characters.
void CheckSessionSettings();
