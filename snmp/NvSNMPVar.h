// The MIB variable record and its codes. Static descriptor tables (mib/) are arrays of
// NvSNMPVar ended by an all-zero record:
//   const NvSNMPVar SysInfoTable[] = {
//       {"1.3.6.1.2.1.1.1", "System Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
//       {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},  // index pseudo-column
//       {}};
#pragma once

#include <string>

class NvOptionList;

namespace NvSyntax {
enum : int {
  boolean = 1, integer = 2, bitstr = 3, octetstr = 4, null = 5, objectid = 6,
  ipaddress = 64, counter = 65, guage = 66, timeticks = 67, opaque = 68, nsapaddr = 69,
  counter64 = 70, uinteger = 71, double_ = 72, macaddress = 73, datetime = 74, bcdatetime = 75,
  displaystr = 76, ipv6address = 77, bitlist = 78, inetaddress = 81,
  bool8 = 193, int8 = 194, uint8 = 195, bool16 = 196, int16 = 197, uint16 = 198,
};
}

namespace NvAccess {
enum : int {
  notaccess = 1, readonly = 2, writeonly = 4, readwrite = 6, derived = 8, hidden = 16, invalid = 32,
  implied = 64,  // last index column, encoded without its length
};
}

struct NvSNMPVar {
  const char* Oid;        // dotted, without instance; " " marks an index pseudo-column
  const char* Label;
  int Syntax;
  int Access;
  NvOptionList* Options;  // shared, never owned
  // Null in static tables; the initializers let tables give the first five fields only.
  const char* ReadExpr = nullptr;
  const char* WriteExpr = nullptr;
  const char* Text3 = nullptr;
  std::string* Value = nullptr;    // in a list always present
  std::string* LastOid = nullptr;  // in a list always present
};
