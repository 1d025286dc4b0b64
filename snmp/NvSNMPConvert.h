// Value texts by syntax: a received binding to text, text to a binding to send, and the
// table-index encodings of the row suffix. NvSNMPRequest's virtual operations call these.
//
//   std::string text = NvVbToText(var, vb);     // "00E0FC0A0B0C", "1 day 0:00:01.00", ...
//   NvTextToVb(var, vb);                         // vb's OID and syntax already set
//   size_t pos = 0;
//   std::string v = NvDecodeIndexValue(var, last, ids, pos);   // consumes ids from pos
//
// Failures throw Exception: -511 for a syntax without conversion, -514 for an index that
// is incomplete (too few sub-identifiers, a value too short to address a row), -518 for a
// text that does not fit its syntax (a number out of range, an address that is not one).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "NvSNMPVar.h"
#include "Snmp.h"

// Decimal input: leading blanks, an optional sign, the digits, then blanks only; a blank
// text gives 0. Other text ("1x", "ten") and a number outside the type's range are refused
// (-518).
int32_t NvReadInt32(const std::string& text);
uint32_t NvReadUInt32(const std::string& text);
uint64_t NvReadUInt64(const std::string& text);

// The bytes of a hexadecimal text, two digits an octet (blanks between octets ignored); a
// text with any other character, or with a half octet, is refused (-518).
std::string NvHexTextToBytes(const std::string& text);
// The 16 octets of an IPv6 address in hexadecimal (32 digits; with zone, also "%" and four
// digits, as an inetaddress gives 18 octets); the empty text gives none. Any other text is
// refused (-518) with the IPv6 address message.
std::string NvIPv6TextToBytes(const std::string& text, bool zoneAllowed);
// The ticks of a typed TimeTicks text in the form it reads as: "h:mm:ss.hh", "1 day
// h:mm:ss.hh" or "d days, h:mm:ss.hh" (the hundredths may be left out, as ".hh" whole).
// Minutes and seconds under 60; any other text, or more than 2^32-1 ticks, is refused (-518).
uint32_t NvTicksTextToTicks(const std::string& text);
// The DateAndTime octets of a typed clock (NvDateTime::ReadExact): eight without an offset,
// eleven with one; any other text is refused (-518) with NvDateTimeHint.
std::string NvDateTimeTextToOctets(const std::string& text);
extern const char* const NvDateTimeHint;
// The bytes to send for a context engine ID text. An engine ID written in hexadecimal, as SNMP
// tools print one, stands for those bytes: an optional "0x", then 5 to 32 bytes of two digits
// each, a blank or ":" allowed between two bytes ("80001F8880A1B2C3D4", "0x80001f88...",
// "80 00 1F 88 80 ..."). Any other text is sent as its own characters.
std::string NvContextEngineIdBytes(const std::string& text);
// A MAC address as its 12 hexadecimal digits: "-", ":" and "." separators are dropped; a
// text that is not 12 digits then is refused with the MAC address message (-518).
std::string NvMacTextToHex(const std::string& text);

// The value text of a binding for the variable's syntax, option names applied.
std::string NvVbToText(const NvSNMPVar& var, const Vb& vb);
// Sets vb's value from the variable's Value (option names turned into values first).
void NvTextToVb(const NvSNMPVar& var, Vb& vb);

// Decodes one index column from ids starting at pos and advances pos past what it used.
// last: the variable is the last index column.
std::string NvDecodeIndexValue(const NvSNMPVar& var, bool last, const std::vector<uint32_t>& ids, size_t& pos);
// The sub-identifiers that encode the variable's Value as one index column.
std::vector<uint32_t> NvEncodeIndexValue(const NvSNMPVar& var, bool last);

// Date-time real (days since 1899-12-30, fraction = time of day) and its text
// "yyyy/mm/dd hh:nn:ss".
std::string NvDateTimeRealToText(double value);
double NvTextToDateTimeReal(const std::string& text);

// The dotted text of sub-identifiers, and back (an invalid text gives false).
std::string NvJoinIds(const std::vector<uint32_t>& ids, size_t from = 0);
bool NvSplitIds(const std::string& dotted, std::vector<uint32_t>& ids);
