// The small checks of typed values that the dialogs share, and BITS values as lists of names.
// A dialog keeps its own named check (its IsValidIPString, its MAC check) as one line over
// these, with its message text:
//
//   bool TMyForm::IsValidIPString(const std::string& s) { return ::IsValidIPString(s, NvIpCheckFull); }
//   if (!IsValidHexString(ED_MAC->Text, NvHexCheck{12, "Invalid MAC Address"})) return;
//   ST_Caps->Caption = BitsToNames(*var->Value, {"Port Description", "System Name"});
//
// The checks show their message with ShowMessage and send nothing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------
// Dotted IPv4 text

struct NvIpCheck {
  bool RefuseEmpty;                  // the full kind; the short kind leaves that to its caller
  const char* Message;               // shown on every refusal ...
  const char* DotMessage = nullptr;  // ... except a dot first or not followed by a digit, when set
};

inline constexpr NvIpCheck NvIpCheckFull{true, "Please input a valid ip"};
inline constexpr NvIpCheck NvIpCheckFullCapital{true, "Please input a valid IP"};
inline constexpr NvIpCheck NvIpCheckShort{false, "Please input a valid ip"};
inline constexpr NvIpCheck NvIpCheckShortTwoTexts{false, "Please input a valid ip", "Please input a valid IP"};

// Four parts of at most three digits, each 1 to 255 or a 0 not written with "00", joined by
// three dots; the whole text is examined.
bool IsValidIPString(const std::string& text, const NvIpCheck& kind);

// ---------------------------------------------------------------------------------------
// Typed values against the formats they are bound with

class NvSNMPRequest2Edits;
class TCustomEdit;

// Each edit's value format checked as leaving the edit checks it, for the write that is about
// to collect the text: a value that was typed and never left (a VLAN ID of "-5" would address
// row 4294967291) is refused with the field's own message (its range, its length), gets its
// last accepted text back and the focus. False at the first refusal.
bool TypedValuesAccepted(NvSNMPRequest2Edits* request, std::initializer_list<TCustomEdit*> edits);

// ---------------------------------------------------------------------------------------
// Hexadecimal digits

struct NvHexCheck {
  int Digits;                  // exactly this many
  const char* Message;         // null: no message (the caller shows one)
  bool RefuseEmptyFirst = false;
};

// Exactly Digits hexadecimal digits of either case and nothing after them.
bool IsValidHexString(const std::string& text, const NvHexCheck& check);
// A MAC address key as typed: exactly 12 hexadecimal digits (six octets); shows message and
// returns false otherwise. Fewer digits or more would address another row than the one typed.
bool IsMacKey(const std::string& text, const char* message);
// An IPv4 address key typed as its four octets in hexadecimal ("C0A80001" for 192.168.0.1):
// exactly 8 digits, else the message and false. Seven would be sent as 0C.0A.80.01.
bool IsIpv4HexKey(const std::string& text, const char* message);
// Empty, or whole octets: an even count of at most 32 hexadecimal digits; no message. An odd
// count would be sent shifted by half an octet ("FFF" as 0F FF).
bool IsValidHexMask(const std::string& text);
// The value of a text of hexadecimal digits and nothing else; nullopt for an empty text, any
// other character or a value past INT32_MAX.
std::optional<int32_t> HexTextToInt(const std::string& text);

// ---------------------------------------------------------------------------------------
// Times of day

// "hh:mm:ss" as the switch keeps a daily time: two digits each, 00:00:00 to 23:59:59, nothing
// around it. Any other text would be stored as typed and never match a clock.
bool IsTimeOfDay(const std::string& text);

// ---------------------------------------------------------------------------------------
// BITS values and their names

enum class NvNamesJoin {
  Comma,     // "," between names
  AsGiven,   // the names carry their own separators (",SNTP")
};

// names[k] is the name of bit k (bit 0 is 0x80 of the first octet). The text starts with one
// blank, then the names of the set bits in bit order; every octet of the value is read.
std::string BitsToNames(const std::string& hexValue, const std::vector<std::string>& names,
                        NvNamesJoin join = NvNamesJoin::Comma);
// The text as a list of names separated by "," (blanks around a name and empty items do not
// count), each matched to names regardless of case, sets its bits: every octet of the value
// in hexadecimal, two digits each ("00" for none). A word that names no bit gives nullopt,
// that word in unknown when given: it must be refused, never read as no bit.
std::optional<std::string> NamesToBits(const std::string& text, const std::vector<std::string>& names,
                                       std::string* unknown = nullptr);
