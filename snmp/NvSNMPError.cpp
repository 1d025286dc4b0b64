#include "NvSNMPError.h"

#include <cstdio>
#include <utility>

#include "FileRead.h"
#include "Paths.h"

// ---- Built-in texts -----------------------------------------------------------------------

NvMessageTable NvCommonErrors("common.err", {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
});

NvMessageTable NvSNMPErrors("snmp.err", {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
});

NvMessageTable NvSNMPv3Errors("snmpv3.err", {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
});

NvMessageTable NvSNMPUsmErrors("snmpusm.err", {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
});

NvMessageTable NvSNMPClassErrors("snmpclass.err", {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
});

NvMessageTable NvFrameworkErrors("nvsnmp.err", {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global NvSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
    "The agent answered out of order; the table may be incomplete!",
});

NvMessageTable NvSNMPMessages("snmp.msg", {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
});

std::vector<NvMessageTable*> NvMessageTables() {
  return {&NvCommonErrors,    &NvSNMPErrors,      &NvSNMPv3Errors, &NvSNMPUsmErrors,
          &NvSNMPClassErrors, &NvFrameworkErrors, &NvSNMPMessages};
}

// ---- NvMessageTable -----------------------------------------------------------------------

NvMessageTable::NvMessageTable(const char* name, std::vector<std::string> builtIn)
    : name_(name), builtIn_(std::move(builtIn)) {}

int NvMessageTable::Count() const {
  return int(loaded_.empty() ? builtIn_.size() : loaded_.size());
}

std::string NvMessageTable::Text(int i) const {
  if (i < 0) return {};
  if (size_t(i) < loaded_.size()) return loaded_[size_t(i)];
  if (size_t(i) < builtIn_.size()) return builtIn_[size_t(i)];
  return {};
}

void NvMessageTable::Replace(std::vector<std::string> lines) {
  if (!lines.empty()) loaded_ = std::move(lines);
}

// ---- Codes and texts ----------------------------------------------------------------------

void NvSNMPMapError(int status, int& code, std::string& message) {
  if (status == 0 || status == 1400 || status == -1401) {
    code = NvErr::Ok;
    message = NvFrameworkErrors.Text(0);
  } else if (status >= 1401 && status <= 1414) {
    code = 1100 - status;
    message = NvSNMPUsmErrors.Text(status - 1401);
  } else if (status >= -1418 && status <= -1402) {
    code = status + 1201;
    message = NvSNMPv3Errors.Text(-1402 - status);
  } else if (status >= 1 && status <= 18) {
    code = -100 - status;
    message = NvSNMPErrors.Text(status - 1);
  } else if (status >= -23 && status <= -1) {
    code = status - 400;
    message = NvSNMPClassErrors.Text(-1 - status);
  } else {
    code = NvErr::Unknown;
    message = NvFrameworkErrors.Text(28);
  }
}

std::string NvErrorText(int code) {
  if (code == 0) return NvFrameworkErrors.Text(0);
  if (code >= -2 && code <= -1) return NvCommonErrors.Text(-code);
  if (code >= -118 && code <= -101) return NvSNMPErrors.Text(-101 - code);
  if (code >= -217 && code <= -201) return NvSNMPv3Errors.Text(-201 - code);
  if (code >= -314 && code <= -301) return NvSNMPUsmErrors.Text(-301 - code);
  if (code >= -423 && code <= -401) return NvSNMPClassErrors.Text(-401 - code);
  if (code >= -529 && code <= -501) return NvFrameworkErrors.Text(-500 - code);
  return {};
}

void NvThrowError(int code) { throw Exception(NvErrorText(code), code); }

void NvThrowError(int code, const std::string& message) { throw Exception(message, code); }

// ---- Message files ------------------------------------------------------------------------

namespace {

bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

bool IsBlankLine(const std::string& piece) {
  for (unsigned char c : piece)
    if (!IsBlankOrControl(c)) return false;
  return true;
}

}  // namespace

// The file is read once; a line longer than 1023 characters continues as further entries.
void NvReadTextLines(NvMessageTable& table, const std::string& fileName) {
  constexpr size_t kMaxPiece = 1023;
  constexpr size_t kMaxFileSize = 1 << 20;  // far above any message file
  std::string text, why;
  switch (ReadRegularFile(PlatformPath(fileName), kMaxFileSize, text, why)) {
    case TFileRead::Missing: return;
    case TFileRead::Failed: throw Exception("The message file " + why + ".");
    case TFileRead::Ok: break;
  }
  std::vector<std::string> lines;
  std::string piece;
  auto finishPiece = [&] {
    if (!IsBlankLine(piece)) {
      if (!piece.empty() && piece.back() == '\n') piece.pop_back();
      lines.push_back(piece);
    }
    piece.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    // A CR LF line end counts as one character, as in text mode.
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') c = text[++i];
    piece.push_back(c);
    if (c == '\n' || piece.size() >= kMaxPiece) finishPiece();
  }
  finishPiece();
  table.Replace(std::move(lines));
}
