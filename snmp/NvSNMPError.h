// Program error codes, the seven message tables, the mapping of SNMP library statuses to
// program codes, and the helpers that throw a framework error as an Exception.
//
//   try { request.Set(ok, error, false, "", nullptr); }
//   catch (const Exception& e) { ShowMessage(e.Message); }   // e.HelpContext: the code
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Exception.h"

// Program error codes. Ranges: -101..-118 agent error-status 1..18, -201..-217 SNMPv3 message
// processing, -301..-314 user-based security, -401..-423 SNMP library errors -1..-23,
// -501..-529 this framework.
namespace NvErr {
enum : int {
  Ok = 0,
  BadLogicOperand = -1,          // common.err entry 1
  BadFormatSpecifier = -2,       // common.err entry 2
  NoSuchName = -102,             // the normal end of a GET-NEXT walk
  Timeout = -405,
  ReadVarFile = -501,
  VarFileFormat = -502,
  VarFileItemType = -503,
  VarFileSyntax = -504,
  VarFileAccess = -505,
  SessionCreate = -506,
  BootCounterLoad = -507,
  BootCounterSave = -508,
  BadAddress = -509,
  GetNextSingleValue = -510,
  BadSyntax = -511,
  NullInExpression = -512,
  BadSyntaxInExpression = -513,
  BadKeyCount = -514,
  BadListType = -515,
  BadAssociatedListType = -516,
  BadPartialSyntax = -517,
  BadPartialValue = -518,
  PartialIndexRange = -519,
  NoOptionList = -520,
  BadControlType = -521,
  TooFewControls = -522,
  NoStartTime = -523,
  ChartHistoryCount = -524,
  LogDbNotConnected = -525,
  LogDbFieldNotFound = -526,
  LogChartSyntax = -527,
  Unknown = -528,
  WalkOutOfOrder = -529,        // a walk cut short: the agent answered with an OID not after the last
};
}  // namespace NvErr

// One table of message texts, indexed from 0. It starts with its built-in English texts; a
// message file of the same name may replace them once at start-up. An entry that a loaded
// file does not provide keeps its built-in text.
class NvMessageTable {
 public:
  NvMessageTable(const char* name, std::vector<std::string> builtIn);
  NvMessageTable(const NvMessageTable&) = delete;
  NvMessageTable& operator=(const NvMessageTable&) = delete;

  const std::string& Name() const { return name_; }
  int Count() const;                  // entries in force (loaded, else built-in)
  std::string Text(int i) const;      // "" for an index neither loaded nor built in
  std::string operator[](int i) const { return Text(i); }
  const std::vector<std::string>& BuiltIn() const { return builtIn_; }
  bool IsLoaded() const { return !loaded_.empty(); }
  void Replace(std::vector<std::string> lines);  // an empty vector changes nothing

 private:
  std::string name_;
  std::vector<std::string> builtIn_;
  std::vector<std::string> loaded_;
};

extern NvMessageTable NvCommonErrors;      // "common.err"
extern NvMessageTable NvSNMPErrors;        // "snmp.err"
extern NvMessageTable NvSNMPv3Errors;      // "snmpv3.err"
extern NvMessageTable NvSNMPUsmErrors;     // "snmpusm.err"
extern NvMessageTable NvSNMPClassErrors;   // "snmpclass.err"
extern NvMessageTable NvFrameworkErrors;   // "nvsnmp.err"
extern NvMessageTable NvSNMPMessages;      // "snmp.msg": status templates with [ERROR], [VARLIST], [TIME]

// The seven tables in the order the start-up loads them.
std::vector<NvMessageTable*> NvMessageTables();

// The result of one request step, handed to error and completion notifications.
struct NvSNMPError {
  int32_t Code = 0;            // program error code, 0 for success
  int32_t ErrorIndex = 0;      // 1-based position of the failing binding, 0 when none
  std::string Message;
  std::string AgentAddress;
  uint16_t AgentPort = 0;
  bool Finished = false;       // nothing more follows: the reply ended the request or the walk
};

// A failure as the code and message that tell it.
inline NvSNMPError NvFailure(int32_t code, std::string message) {
  NvSNMPError error;
  error.Code = code;
  error.Message = std::move(message);
  return error;
}

// Code and message for a status of the SNMP library or an agent error-status.
void NvSNMPMapError(int status, int& code, std::string& message);

// The message of a program error code from the tables in force; "" for a code outside every range.
std::string NvErrorText(int code);

// Throws the program's Exception with the code's current message and the code as HelpContext.
[[noreturn]] void NvThrowError(int code);
// The same with a message already made (placeholders filled by the caller).
[[noreturn]] void NvThrowError(int code, const std::string& message);

// Replaces table by the non-blank lines of a message file; a missing or blank file leaves it.
// Throws Exception naming the file when it is there but cannot be read (not a regular file,
// larger than 1 MiB, no permission).
void NvReadTextLines(NvMessageTable& table, const std::string& fileName);
