// What a person types into a bound field reaches the switch as exactly that value, or is
// refused. Every registered dialog is opened through its menu item against the simulated
// switch; each edit bound to a variable (found through its requests' bindings, in the dialog
// and in its entry pop-up) gets a table of hostile and edge texts for its type, and the write
// is pressed. A case ends refused (a message, no SET) or with the SET carrying exactly the
// value the text stands for, computed here from the field's syntax and declared range. An
// unedited write carries every field as the switch held it, and every field is written whole by
// some case unless its row says why not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "CommandRunner.h"
#include "ConvertingRequest.h"
#include "DialogConformance.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "RegisteredDialogs.h"
#include "FeatureDialog.h"
#include "Guiconfigform.h"
#include "NvEditConstraint.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPVar.h"
#include "SimClient.h"
#include "SwitchValues.h"
#include "StackingPortUitForm.h"
#include "StdCtrls.h"
#include "TypedFieldTable.h"
#include "Commands.h"

namespace {

using dialogtest::FindAll;
using dialogtest::Idle;
using dialogtest::RequestsIdle;
using typedfields::FieldFacts;

constexpr int kWait = 30000;
constexpr int kPatientTimeOut = 300;

// The text of the unedited write's cases.
constexpr const char* kRoundTrip = "(round trip)";

const char* const kUnicode = "\xC3\x9C\xC3\xB1\xC3\xAF";  // "Ünï"
const std::string kLong(10000, '9');

SwitchSim& Sim() {
  // One per shard, ended with the process; the generic view's scalars beside the seed.
  static SwitchSim* sim = [] {
    SwitchSim::Options options;
    options.extraSeeds = {dialogtest::TestSeed("typed-fields.snmprec")};
    return new SwitchSim(options);
  }();
  return *sim;
}

SimClient& Client() {
  static SimClient* client = [] {
    SimClient::Target target = SimClient::community(2, SwitchSim::writeCommunity);
    target.timeoutMs = 5000;  // patient on a busy machine
    target.retries = 1;
    return new SimClient(Sim().port(), target);
  }();
  return *client;
}

// ---- What the switch was sent, as comparable values ----

std::string HexToBytes(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

// "n:<decimal>" for numbers, "o:<bytes>" for octet strings, "ip:<dotted>" for addresses.
std::string Canonical(const std::string& tagged) {
  const size_t colon = tagged.find(':');
  const std::string tag = tagged.substr(0, colon), value = tagged.substr(colon + 1);
  if (tag == "2" || tag == "65" || tag == "66" || tag == "67" || tag == "70") return "n:" + value;
  if (tag == "4") return "o:" + value;
  if (tag == "4x" || tag == "68x") return "o:" + HexToBytes(value);
  if (tag == "64") return "ip:" + value;
  return tagged;
}

struct Varbind {
  std::string oid;
  std::string value;  // as the log has it
};

std::vector<Varbind> Logged() {
  std::vector<Varbind> all;
  for (const std::string& pdu : Sim().setLog()) {
    size_t from = 0;
    while (from <= pdu.size()) {
      size_t end = pdu.find(" ; ", from);
      if (end == std::string::npos) end = pdu.size();
      const std::string vb = pdu.substr(from, end - from);
      const size_t eq = vb.find('=');
      if (eq != std::string::npos) all.push_back({vb.substr(0, eq), vb.substr(eq + 1)});
      from = end + 3;
    }
  }
  return all;
}

std::string Shown(const std::string& text) {
  std::string out;
  if (text.size() > 40) return "<" + std::to_string(text.size()) + " characters " + text.substr(0, 12) + "...>";
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out.push_back(char(c));
    }
  }
  return "\"" + out + "\"";
}

// ---- A field and what a text in it stands for ----

// TimeOfDay, HexText, NumberText and IPv4Text: text edits that the dialog declares to mean a daily
// time, a fixed count of hex digits, a number of a range or a dotted address (the table's
// Meanings), written as typed.
enum class Type { Integer, IPv4, Hex, Text, DateTime, TimeOfDay, HexText, NumberText, IPv4Text, Names, Ports, Unchecked };

struct Field {
  TCustomEdit* Edit;
  std::string Name;
  std::string Column;  // the variable's OID; empty for an index part of the row's address
  int Syntax;
  const _EditConstraint_s* Constraint;
  Type Kind;
  bool Index;  // a part of the row's address: the value goes into the instance of every varbind
  std::vector<std::string> Names = {};  // Names: the name of each bit, bit 0 first
  // As the table declares them: HexText, Hex: the digit count in both (0: none declared);
  // NumberText, Integer: the range (both 0: none declared).
  int64_t Low = 0, High = 0;
};

Type TypeOf(const NvBoundEdit& bound) {
  if (bound.Var->Options || bound.Binding->ByteOffset != 0 || bound.Binding->Syntax != bound.Var->Syntax)
    return Type::Unchecked;
  switch (bound.Var->Syntax) {
    case NvSyntax::integer:
    case NvSyntax::counter:
    case NvSyntax::guage:
    case NvSyntax::uinteger:
      return Type::Integer;
    case NvSyntax::ipaddress:
      return Type::IPv4;
    case NvSyntax::bitstr:
    case NvSyntax::octetstr:
    case NvSyntax::opaque:
    case NvSyntax::macaddress:
    case NvSyntax::ipv6address:
      return Type::Hex;
    case NvSyntax::displaystr:
      return Type::Text;
    case NvSyntax::datetime:
      return Type::DateTime;
    case NvSyntax::bitlist:
      return Type::Ports;
    default:
      return Type::Unchecked;
  }
}

enum class Outcome {
  Refused,    // nothing of the field sent (told by a message, or nothing sent at all)
  Written,    // refused, or sent as exactly Value
  Empty,      // refused, not sent, sent empty, or sent as the switch holds it
  Tolerated,  // as Written: a text the type does not hold as typed, but plainly means Value
  Dated,      // refused, or sent as Value, or as Value followed by an offset
  Ported,     // refused, or sent as Value followed by any number of zero octets (a port bitmap)
  Any,        // a type this suite does not check yet
};
struct Expectation {
  Outcome What;
  std::string Value;  // canonical
};

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}
bool AllHex(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// The range a number field declares: its syntax's, narrowed by its value format's.
std::pair<int64_t, int64_t> RangeOf(const Field& f) {
  int64_t lo = f.Syntax == NvSyntax::integer ? INT32_MIN : 0;
  int64_t hi = f.Syntax == NvSyntax::integer ? INT32_MAX : UINT32_MAX;
  const _EditConstraint_s* c = f.Constraint;
  if (c && (c->Conversion == 'i' || c->Conversion == 'u' || c->Conversion == 'f')) {
    lo = std::max(lo, int64_t(std::ceil(c->Minimum)));
    hi = std::min(hi, int64_t(std::floor(c->Maximum)));
  }
  if (f.Low != 0 || f.High != 0) {
    lo = std::max(lo, f.Low);
    hi = std::min(hi, f.High);
  }
  return {lo, hi};
}

// A decimal number with an optional minus; a plus sign is handled by the caller.
std::optional<int64_t> WholeNumber(const std::string& t, int64_t lo, int64_t hi) {
  const bool negative = !t.empty() && t[0] == '-';
  const std::string digits = negative ? t.substr(1) : t;
  if (!AllDigits(digits) || digits.size() > 12) return std::nullopt;
  const int64_t v = (negative ? -1 : 1) * std::stoll(digits);
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

std::optional<std::string> DottedQuad(const std::string& t) {
  static const std::regex quad(R"(^(\d{1,3})\.(\d{1,3})\.(\d{1,3})\.(\d{1,3})$)");
  std::smatch m;
  if (!std::regex_match(t, m, quad)) return std::nullopt;
  std::string out;
  for (int i = 1; i <= 4; ++i) {
    const int part = std::stoi(m[i].str());
    if (part > 255) return std::nullopt;
    out += (i > 1 ? "." : "") + std::to_string(part);
  }
  return out;
}

// The DateAndTime octets of "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m"; the date must
// exist, the time and the offset be within their ranges (a leap second allowed).
std::optional<std::string> DateAndTime(const std::string& t) {
  static const std::regex form(R"(^(\d{1,5})-(\d{1,2})-(\d{1,2}),(\d{1,2}):(\d{1,2}):(\d{1,2})(?:\.(\d))?(?:,([+-])(\d{1,2}):(\d{1,2}))?$)");
  std::smatch m;
  if (!std::regex_match(t, m, form)) return std::nullopt;
  auto at = [&](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
  const int year = at(1), month = at(2), day = at(3), hour = at(4), minute = at(5), second = at(6);
  if (year > 65535 || month < 1 || month > 12 || hour > 23 || minute > 59 || second > 60) return std::nullopt;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (day < 1 || day > days[month - 1]) return std::nullopt;
  std::string octets{char(year >> 8), char(year & 0xFF), char(month), char(day), char(hour), char(minute), char(second),
                     char(at(7))};
  if (m[8].matched) {
    if (at(9) > 14 || at(10) > 59) return std::nullopt;
    octets += {m[8].str()[0], char(at(9)), char(at(10))};
  }
  return octets;
}

// Six octets from twelve hex digits, or from six pairs with one kind of separator.
std::optional<std::string> MacOctets(const std::string& t) {
  static const std::regex plain("^[0-9A-Fa-f]{12}$");
  static const std::regex dashes("^[0-9A-Fa-f]{2}(-[0-9A-Fa-f]{2}){5}$");
  static const std::regex colons("^[0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5}$");
  if (std::regex_match(t, plain)) return HexToBytes(t);
  if (std::regex_match(t, dashes) || std::regex_match(t, colons)) {
    std::string digits;
    for (char c : t)
      if (c != '-' && c != ':') digits.push_back(c);
    return HexToBytes(digits);
  }
  return std::nullopt;
}

// The port bitmap of "1-5,8" (port 1 the first octet's high bit), as short as its highest port
// allows; none where a part is no port or range (a port from 1 to 4096, a range not reversed).
// A part holding nothing adds no port; "0" is how an empty bitmap reads back.
std::optional<std::string> PortBits(const std::string& t) {
  static const std::regex part(R"(^ *(\d{1,4}) *(?:- *(\d{1,4}) *)?$)");
  std::string bits;
  if (t.find_first_not_of(' ') == std::string::npos || std::regex_match(t, std::regex("^ *0 *$"))) return bits;
  std::istringstream parts(t + ",");
  for (std::string one; std::getline(parts, one, ',');) {
    if (one.find_first_not_of(' ') == std::string::npos) continue;
    std::smatch m;
    if (!std::regex_match(one, m, part)) return std::nullopt;
    const int first = std::stoi(m[1].str()), last = m[2].matched ? std::stoi(m[2].str()) : first;
    if (first < 1 || last < first || last > 4096) return std::nullopt;
    for (int p = first; p <= last; ++p) {
      if (bits.size() < size_t((p + 7) / 8)) bits.resize(size_t((p + 7) / 8), '\0');
      bits[size_t((p - 1) / 8)] = char(bits[size_t((p - 1) / 8)] | (0x80 >> ((p - 1) % 8)));
    }
  }
  return bits;
}

Expectation Expect(const Field& f, const std::string& t) {
  if (f.Kind == Type::Ports) {
    const auto bits = PortBits(t);
    return bits ? Expectation{Outcome::Ported, "o:" + *bits} : Expectation{Outcome::Refused, ""};
  }
  const _EditConstraint_s* c = f.Constraint;
  const unsigned char kind = c ? c->AddressKind : static_cast<unsigned char>(NvEditAddress::None);
  const bool fixed = c && (c->LengthFlags & NvEditLength::Fixed) && c->MaxLength > 0;
  const Expectation refused{Outcome::Refused, ""};
  if (f.Kind == Type::Names && t.find_first_not_of(' ') == std::string::npos)  // no name: no bit
    return {Outcome::Written, "o:" + std::string((f.Names.size() + 7) / 8, '\0')};
  if (t.empty()) return (c && (c->LengthFlags & NvEditLength::NotEmpty)) ? refused : Expectation{Outcome::Empty, ""};
  auto written = [&](const std::string& value) { return Expectation{Outcome::Written, value}; };
  // A number or an address with blanks around it: refused, or written as the one without them.
  const size_t first = t.find_first_not_of(' '), last = t.find_last_not_of(' ');
  const bool asTyped = f.Kind == Type::Text || f.Kind == Type::TimeOfDay || f.Kind == Type::HexText ||
                       f.Kind == Type::NumberText || f.Kind == Type::IPv4Text;
  if (!asTyped && first != std::string::npos && (first > 0 || last + 1 < t.size())) {
    Expectation trimmed = Expect(f, t.substr(first, last - first + 1));
    if (trimmed.What == Outcome::Written) trimmed.What = Outcome::Tolerated;
    return trimmed;
  }
  switch (f.Kind) {
    case Type::HexText: {
      static const std::regex hex("^[0-9A-Fa-f]+$");
      return std::regex_match(t, hex) && int64_t(t.size()) == f.Low ? written("o:" + t) : refused;
    }
    case Type::NumberText:
      return WholeNumber(t, f.Low, f.High) ? written("o:" + t) : refused;
    case Type::IPv4Text:
      return DottedQuad(t) ? written("o:" + t) : refused;
    case Type::Integer: {
      auto [lo, hi] = RangeOf(f);
      if (f.Index) lo = std::max<int64_t>(lo, 0);  // a row's address holds no negative number
      if (t[0] == '+') {  // plainly the number without its sign
        const auto v = t.size() > 1 && t[1] != '-' ? WholeNumber(t.substr(1), lo, hi) : std::nullopt;
        return v ? Expectation{Outcome::Tolerated, "n:" + std::to_string(*v)} : refused;
      }
      const auto v = WholeNumber(t, lo, hi);
      return v ? written("n:" + std::to_string(*v)) : refused;
    }
    case Type::IPv4: {
      const auto quad = DottedQuad(t);
      if (!quad) return refused;
      const int first = std::stoi(*quad);
      if (kind == NvEditAddress::MulticastIPv4 && (first < 224 || first > 239)) return refused;
      return written("ip:" + *quad);
    }
    case Type::Hex: {
      const bool mac = f.Syntax == NvSyntax::macaddress || kind == NvEditAddress::Mac ||
                       kind == NvEditAddress::MulticastMac || kind == NvEditAddress::UnicastMac;
      std::string octets;
      if (mac) {
        const auto six = MacOctets(t);
        if (!six) return refused;
        octets = *six;
        const bool group = (static_cast<unsigned char>(octets[0]) & 1) != 0;
        if ((kind == NvEditAddress::MulticastMac && !group) || (kind == NvEditAddress::UnicastMac && group)) return refused;
      } else {
        // Whole octets with a blank between some of them: plainly those octets.
        if (t.find(' ') != std::string::npos) {
          std::string joined;
          std::istringstream groups(t);
          for (std::string group; std::getline(groups, group, ' ');) {
            if (group.empty() || group.size() % 2 != 0) return refused;
            joined += group;
          }
          Expectation plain = Expect(f, joined);
          if (plain.What == Outcome::Written) plain.What = Outcome::Tolerated;
          return plain;
        }
        if (!AllHex(t) || t.size() % 2 != 0) return refused;
        if (fixed && int(t.size()) != c->MaxLength) return refused;
        if (f.Low > 0 && int64_t(t.size()) != f.Low) return refused;
        octets = HexToBytes(t);
      }
      if (f.Syntax == NvSyntax::ipv6address && octets.size() != 16) return refused;
      return written("o:" + octets);
    }
    case Type::Text: {
      if (fixed && int(t.size()) != c->MaxLength) return refused;
      if (c && c->MaxLength > 0 && int(t.size()) > c->MaxLength) return refused;
      if (t.size() > 255) return refused;  // a DisplayString holds at most 255 octets
      if (kind == NvEditAddress::IPv4 && !DottedQuad(t)) return refused;
      if ((kind == NvEditAddress::Mac || kind == NvEditAddress::MulticastMac || kind == NvEditAddress::UnicastMac) && !MacOctets(t))
        return refused;
      if (c && (c->Conversion == 'i' || c->Conversion == 'u')) {
        const auto [lo, hi] = RangeOf(f);
        if (!WholeNumber(t, lo, hi)) return refused;
      }
      return written("o:" + t);
    }
    case Type::Names: {
      // Names of the list, without regard to case, joined by commas; any other word is refused.
      std::string octets((f.Names.size() + 7) / 8, '\0');
      std::istringstream words(t);
      for (std::string word; std::getline(words, word, ',');) {
        const size_t from = word.find_first_not_of(' '), to = word.find_last_not_of(' ');
        if (from == std::string::npos) return refused;
        word = word.substr(from, to - from + 1);
        bool known = false;
        for (size_t k = 0; k < f.Names.size(); ++k)
          if (Lower(f.Names[k]) == Lower(word)) {
            octets[k / 8] = char(octets[k / 8] | (0x80 >> (k % 8)));
            known = true;
          }
        if (!known) return refused;
      }
      return written("o:" + octets);
    }
    case Type::DateTime: {
      const auto octets = DateAndTime(t);
      if (!octets) return refused;
      // Without an offset the switch's own goes with it: the first eight octets are the typed ones.
      return {octets->size() == 8 ? Outcome::Dated : Outcome::Written, "o:" + *octets};
    }
    case Type::TimeOfDay: {
      static const std::regex daily(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$)");
      return std::regex_match(t, daily) ? written("o:" + t) : refused;
    }
    case Type::Ports:
    case Type::Unchecked:
      break;
  }
  return {Outcome::Any, ""};
}

// The sub-identifiers a value gives the row's address, with and without its length.
std::vector<std::string> IndexEncodings(const Field& f, const std::string& canonical) {
  const std::string value = canonical.substr(canonical.find(':') + 1);
  if (canonical.rfind("n:", 0) == 0) {
    const int64_t v = std::stoll(value);
    return {"." + std::to_string(v < 0 ? v + (int64_t(1) << 32) : v)};
  }
  if (canonical.rfind("ip:", 0) == 0) return {"." + value};
  std::string bytes;
  for (unsigned char c : value) bytes += "." + std::to_string(c);
  if (f.Syntax == NvSyntax::macaddress || f.Syntax == NvSyntax::ipv6address) return {bytes};
  return {"." + std::to_string(value.size()) + bytes, bytes};
}

// A whole value of the field's type within its range: what fills the fields beside the case's.
std::string ValidText(const Field& f) {
  const int maxLength = f.Constraint ? f.Constraint->MaxLength : 0;
  switch (f.Kind) {
    case Type::Integer: {
      const auto [lo, hi] = RangeOf(f);
      return std::to_string(std::clamp<int64_t>(1, lo, hi));
    }
    case Type::IPv4:
      return "255.255.255.0";
    case Type::Hex: {
      const size_t octets = f.Syntax == NvSyntax::macaddress ? 6 : f.Syntax == NvSyntax::ipv6address ? 16
                            : f.Low > 0 ? size_t(f.Low / 2) : maxLength > 0 ? size_t(maxLength / 2) : 2;
      return std::string(octets * 2 - 1, '0') + "1";
    }
    case Type::Text:
      return f.Constraint && (f.Constraint->Conversion == 'i' || f.Constraint->Conversion == 'u') ? "1" : "a";
    case Type::Ports:
      return "1";
    case Type::TimeOfDay:
      return "12:00:00";
    case Type::HexText:
      return std::string(size_t(f.Low - 1), '0') + "1";
    case Type::NumberText:
      return std::to_string(f.Low);
    case Type::IPv4Text:
      return "10.1.2.3";
    default:  // an object identifier, not typed by the cases, still fills a row being added
      return f.Syntax == NvSyntax::objectid ? "1.3.6.1.6.1.1" : "";
  }
}

// ---- The hostile and edge texts of each type ----

std::vector<std::string> CasesOf(const Field& f) {
  if (f.Kind == Type::Unchecked) return {};  // port lists, option names, packed fields: not yet
  std::vector<std::string> cases{"", " ", kUnicode, kLong};
  const int maxLength = f.Constraint ? f.Constraint->MaxLength : 0;
  switch (f.Kind) {
    case Type::Integer: {
      const auto [lo, hi] = RangeOf(f);
      for (int64_t v : {lo - 1, lo, hi, hi + 1}) cases.push_back(std::to_string(v));
      cases.insert(cases.end(), {"-1", "+1", " 7", "1 2", "0x1F", "-0"});
      break;
    }
    case Type::IPv4:
    case Type::IPv4Text:
      cases.insert(cases.end(), {"10.1.2.3", "239.1.2.3", "10.1.2.256", "10.1.2", "10.1.2.3.4", "10,1,2,3", "-1.1.2.3",
                                 " 10.1.2.3", "10.1.2.3x"});
      break;
    case Type::Hex: {
      const size_t octets = f.Syntax == NvSyntax::macaddress ? 6 : f.Syntax == NvSyntax::ipv6address ? 16
                            : f.Low > 0 ? size_t(f.Low / 2) : maxLength > 0 ? size_t(maxLength / 2) : 4;
      const std::string whole = std::string(octets * 2 - 2, '0') + "A5";
      cases.insert(cases.end(), {whole, whole.substr(1), whole + "B", whole + "B6", whole.substr(2), "fF" + whole.substr(2),
                                 "GG", "12 34", "12:34", "0x12", "00-1A-2B-3C-4D-5E", "00:1a:2b:3c:4d:5e",
                                 "00-1A:2B-3C:4D-5E", "01005E000001"});
      break;
    }
    case Type::Text:
      cases.insert(cases.end(), {"abc", "ABC", "(NULL)", "(NOTDONE)", std::string(256, 'x')});
      if (maxLength > 0) {
        cases.push_back(std::string(size_t(maxLength), 'm'));
        cases.push_back(std::string(size_t(maxLength) + 1, 'm'));
      }
      break;
    case Type::Names: {
      const std::string& a = f.Names.front();
      const std::string& b = f.Names.back();
      cases.insert(cases.end(), {a, " " + a + "," + b, a + ", " + b, Lower(a), "X" + a, a + ",nosuch", a + ",", ",", a + "," + a});
      std::string upper = b;
      for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
      cases.push_back(upper);
      break;
    }
    case Type::DateTime:
      cases.insert(cases.end(), {"2026-12-31,23:59:59.0", "2024-2-29,0:00:00.0", "2026-12-10,9:00:00.0,+8:0",
                                 "2026-12-10,9:00:00.0,-5:30", "2026-2-30,1:00:00.0", "2026-4-31,1:00:00.0",
                                 "2026-13-1,1:00:00.0", "2026-1-1,24:00:00.0", "2026-1-1,0:60:00.0", "2026-1-1,0:00:61.0",
                                 "2026-12-31 23:59:59", "now", "31.12.2026,23:59:59.0", "2026-1-1,1:00:00.0,+15:0"});
      break;
    case Type::HexText: {
      const std::string whole = std::string(size_t(f.Low - 2), '0') + "A5";
      cases.insert(cases.end(), {whole, "fF" + whole.substr(2), whole.substr(1), whole + "B", " " + whole, "0x" + whole,
                                 std::string(size_t(f.Low), 'G'), "-" + whole.substr(1)});
      break;
    }
    case Type::NumberText:
      for (int64_t v : {f.Low - 1, f.Low, f.High, f.High + 1}) cases.push_back(std::to_string(v));
      cases.insert(cases.end(), {"+1", " 7", "7 ", "1 2", "0x1F", "1.0", "abc"});
      break;
    case Type::TimeOfDay:
      cases.insert(cases.end(), {"00:00:00", "23:59:59", "24:00:00", "23:60:00", "23:59:60", "9:00:00", "09:00",
                                 "09:00:00:00", "09-00-00", "09:0a:00", "-1:00:00", "now"});
      break;
    case Type::Ports:
      cases.insert(cases.end(), {"1", "1-3,8", "0", "3-1", "0-2", "1,,3", "1,", ",2", "1-", "-1", "1-3-5", "1 2", "1;2",
                                 "x", "4097", "99999", " 2 , 4 - 5 ", "a-b", "8-8"});
      break;
    case Type::Unchecked:
      break;
  }
  return cases;
}

// ---- Driving the dialog ----

// The window the control stands in.
TCustomForm* FormOf(TControl* control) {
  for (TWinControl* p = control->GetParent(); p; p = p->GetParent())
    if (auto* form = dynamic_cast<TCustomForm*>(p)) return form;
  return nullptr;
}

bool Usable(TControl* control) {
  if (!control->Visible() || !control->Enabled()) return false;
  for (TWinControl* p = control->GetParent(); p; p = p->GetParent())
    if (!p->Visible() || !p->Enabled()) return false;
  if (auto* edit = dynamic_cast<TCustomEdit*>(control)) return !edit->ReadOnly();
  return true;
}

TButton* ButtonCaptioned(TCustomForm& form, const std::string& caption) {
  TButton* found = nullptr;
  FindAll(&form, [&](TComponent* c) {
    auto* button = dynamic_cast<TButton*>(c);
    if (!found && button && Usable(button) && FormOf(button) == &form && button->Caption() == caption) found = button;
  });
  return found;
}

void WaitIdle(TFeatureDialog& form) {
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait)) << "the dialog's requests never ended";
}

// The usable edits of the window bound through the requests of the dialog (and its parent).
// A text edit's meaning as the table declares it ("name=time", "name=hex4", "name=0..255",
// "name=ipv4", joined by ";"): its type and bounds; Text where it declares none.
Type MeaningOf(const std::string& name, const char* meanings, int64_t& low, int64_t& high) {
  std::istringstream entries(meanings ? meanings : "");
  for (std::string entry; std::getline(entries, entry, ';');) {
    const size_t eq = entry.find('=');
    if (eq == std::string::npos || entry.substr(0, eq) != name) continue;
    const std::string meaning = entry.substr(eq + 1);
    if (meaning == "time") return Type::TimeOfDay;
    if (meaning == "ipv4") return Type::IPv4Text;
    if (meaning.rfind("hex", 0) == 0) {
      low = high = std::stoll(meaning.substr(3));
      return Type::HexText;
    }
    const size_t dots = meaning.find("..");
    low = std::stoll(meaning.substr(0, dots));
    high = std::stoll(meaning.substr(dots + 2));
    return Type::NumberText;
  }
  return Type::Text;
}

// meanings: what the dialog's text edits stand for, as the table declares it.
std::vector<Field> FieldsOf(TCustomForm& window, std::vector<TFeatureDialog*> dialogs, const char* meanings) {
  std::vector<Field> fields;
  std::set<TCustomEdit*> seen;
  for (TFeatureDialog* dialog : dialogs)
    for (NvSNMPRequest2Controls* request : dialog->Requests()) {
      auto* edits = dynamic_cast<NvSNMPRequest2Edits*>(request);
      if (!edits) continue;
      // A column shown as a list of names, typed as one and sent as its bits.
      if (auto* converting = dynamic_cast<NvConvertingRequest*>(request))
        for (const NvShownColumn& column : converting->Columns) {
          if (!column.Edit || !column.Back || FormOf(column.Edit) != &window || !Usable(column.Edit)) continue;
          std::vector<std::string> names;
          for (int k = 0; k < 64; ++k) {
            std::string hex(16, '0');
            hex[size_t(k / 4)] = "8421"[k % 4];
            std::string name = column.Show(hex);
            name.erase(0, name.find_first_not_of(' '));
            if (name.empty()) break;
            names.push_back(name);
          }
          const NvSNMPVar* var = converting->Request.Vars.GetVar(column.Var);
          if (names.empty() || !seen.insert(column.Edit).second) continue;
          fields.push_back({column.Edit, column.Edit->Name(), var->Oid, var->Syntax, nullptr, Type::Names, false, names});
        }
      for (const NvBoundEdit& bound : edits->BoundEdits()) {
        if (FormOf(bound.Edit) != &window || !Usable(bound.Edit) || !seen.insert(bound.Edit).second) continue;
        const std::string oid = bound.Var->Oid ? bound.Var->Oid : "";
        const bool pseudo = oid.empty() || oid[0] == ' ';
        // A key of the row (locked once a row is chosen) stands in the address of what is written,
        // whether or not its column is written too.
        const auto& keys = dialog->LockedKeys;
        const bool key = std::find(keys.begin(), keys.end(), static_cast<TControl*>(bound.Edit)) != keys.end();
        const bool index = pseudo || key || bound.Binding->VarIndex < edits->Request.Vars.IndexCount;
        Type kind = TypeOf(bound);
        int64_t low = 0, high = 0;
        const Type meant = MeaningOf(bound.Edit->Name(), meanings, low, high);
        // A text takes any meaning; hex octets a digit count; a number a narrower range.
        if (kind == Type::Text) kind = meant;
        else if (!(kind == Type::Hex && meant == Type::HexText) && !(kind == Type::Integer && meant == Type::NumberText))
          low = high = 0;
        fields.push_back({bound.Edit, bound.Edit->Name(), pseudo ? "" : oid, bound.Var->Syntax, bound.Constraint, kind,
                          index, {}, low, high});
      }
    }
  return fields;
}

std::vector<Varbind> OfColumn(const std::vector<Varbind>& sent, const std::string& column) {
  std::vector<Varbind> out;
  if (column.empty()) return out;
  for (const Varbind& vb : sent)
    if (vb.oid.rfind(column + ".", 0) == 0) out.push_back(vb);
  return out;
}

std::string BoxTexts(const GuiTesting::ScriptedAnswerer& boxes, size_t from) {
  std::string texts;
  for (size_t i = from; i < boxes.Calls().size(); ++i) texts += "[" + boxes.Calls()[i].text + "]";
  return texts;
}

const conformance::DialogFacts* ConformanceOf(const char* dialogClass) {
  for (const conformance::DialogFacts& row : conformance::Table())
    if (std::string(row.Class) == dialogClass) return &row;
  return nullptr;
}

// The button that writes a pop-up's entry.
const char* PopupWriteCaption(TCustomForm& popup) {
  for (const char* caption : {"Set Checked", "Set", "Apply", "OK", "Add"})
    if (ButtonCaptioned(popup, caption)) return caption;
  return nullptr;
}

// Typing cases and judging them, for a dialog (its row of the table) or a generic view.
class TypedFields : public ::testing::TestWithParam<const FieldFacts*> {
 protected:
  void SetUp() override {
    dialogtest::PointDialogsAt(Sim(), kPatientTimeOut);
  }

  const FieldFacts& Row() const { return *GetParam(); }
  const conformance::DialogFacts* Facts() const { return ConformanceOf(Row().Class); }

  // Runs the menu command; body runs on the shown dialog, popup on each window it shows over
  // itself. The dialog is closed afterwards.
  void Run(const std::function<void(TFeatureDialog&)>& body, const std::function<void(TFeatureDialog&)>& popup) {
    const conformance::DialogFacts* facts = Facts();
    dialogtest::RunMenuCommand(
        Row().Class, facts ? facts->Item : nullptr,
        [&](TFeatureDialog& dialog) {
          parent_ = &dialog;
          WaitIdle(dialog);
          if (!HasFatalFailure()) body(dialog);
          GuiTesting::ProcessUntil([&] { return Idle(dialog); }, kWait);
          dialog.OnCloseQuery = nullptr;
          dialog.ModalResult = mrCancel;
        },
        [&](TCustomForm& form) {
          auto* dialog = dynamic_cast<TFeatureDialog*>(&form);
          if (dialog && popup) popup(*dialog);
          if (form.ModalResult() == mrNone && form.Visible()) form.ModalResult = mrCancel;
        });
  }

  // The row chosen and what the write needs typed, chosen or ticked, as the conformance table says.
  int WriteRow() const {
    if (Row().Row != typedfields::kAsConformance) return Row().Row;
    return Facts() ? Facts()->WriteRow : 0;
  }
  void Prepare(TFeatureDialog& form, int row, bool conformanceInput) {
    if (row >= 0 && form.List && form.List->Items->Count > row) {
      // Chosen afresh, so that the row is shown again over what a refused case left typed.
      if (form.List->Selected()) {
        form.List->Selected = nullptr;
        WaitIdle(form);
      }
      GuiTesting::UserClickItem(form.List, form.List->Items->Item[row]);
      WaitIdle(form);
    } else if (row < 0 && form.List && form.List->Selected()) {
      form.List->Selected = nullptr;
      WaitIdle(form);
    }
    const conformance::DialogFacts* facts = Facts();
    if (!conformanceInput) return;
    if (Row().Fill) {
      for (const Field& f : FieldsOf(form, {&form}, Row().Meanings))
        if (const std::string text = ValidText(f); !text.empty()) {
          dialogtest::Retype(f.Edit, text);
          inputEdits_.insert(f.Name);
        }
      FindAll(&form, [&](TComponent* c) {
        auto* combo = dynamic_cast<TComboBox*>(c);
        if (combo && Usable(combo) && combo->ItemIndex() < 0 && combo->Items->Count > 0) GuiTesting::UserChoose(combo, 0);
      });
    }
    if (facts && facts->Input) TypeInput(form, facts->Input);
    if (Row().Input) TypeInput(form, Row().Input);
    if (arrangement_) TypeInput(form, arrangement_);
    if (caseField_ && Row().CaseInput) {
      // The entries of the case's field, as one Input.
      std::string own;
      std::istringstream entries(Row().CaseInput);
      for (std::string entry; std::getline(entries, entry, ';');)
        if (const size_t gt = entry.find('>'); gt != std::string::npos && entry.substr(0, gt) == *caseField_)
          own += (own.empty() ? "" : ";") + entry.substr(gt + 1);
      if (!own.empty()) TypeInput(form, own.c_str());
    }
    TickPorts(form);
    const char* prepare = Row().Prepare ? Row().Prepare : facts ? facts->Prepare : nullptr;
    if (prepare)
      if (TButton* button = ButtonCaptioned(form, prepare)) GuiTesting::UserClick(button);
  }

  // The first ports of each of the window's pickers ticked, as the row asks.
  void TickPorts(TFeatureDialog& form) {
    for (TStackingPortUitForm** picker : form.Pickers) {
      if (!picker || !*picker) continue;
      for (int k = 0; k < Row().Ports && k < (*picker)->CheckBoxes->Count; ++k) {
        auto* box = static_cast<TCheckBox*>((*picker)->CheckBoxes->Get(k));
        if (!box->Checked()) GuiTesting::UserClick(box);
      }
    }
  }

  // "name=text;name=text": an edit of that name gets the text typed, a combo box the item chosen,
  // a check box ticked ("1", or "checked" as the conformance table has it) or cleared.
  void TypeInput(TCustomForm& form, const char* input) {
    dialogtest::ForEachInput(form, input, [&](const std::string& name, const std::string& text, TComponent* control) {
      if (auto* box = dynamic_cast<TCheckBox*>(control)) {
        if (box->Checked() != (text == "1" || text == "checked")) GuiTesting::UserClick(box);
      } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        GuiTesting::UserChoose(combo, combo->Items->IndexOf(text));
      } else if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
        dialogtest::Retype(edit, text);
      }
      inputEdits_.insert(name);
    });
  }

  // The text into the field as a user types or pastes it.
  static void Enter(TCustomEdit* edit, const std::string& text) {
    const bool typable = text.size() <= 300 && std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; });
    if (typable) {
      dialogtest::Retype(edit, text);
    } else {
      GuiTesting::UserFocus(edit);
      edit->Text = text;
    }
  }

  // Every varbind of the tables (or scalar groups) of the bound columns as the switch holds
  // them now: the row status of each existing row too, so a created row can be told.
  std::map<std::string, std::string> Snapshot(const std::vector<Field>& fields) {
    std::map<std::string, std::string> held;
    std::set<std::string> walked;
    for (const Field& f : fields) {
      if (f.Column.empty()) continue;
      const std::string entry = f.Column.substr(0, f.Column.rfind('.'));
      if (walked.insert(entry).second)
        for (const auto& [oid, value] : Client().walk(entry)) held[oid] = value;
      entries_.insert(entry);
    }
    return held;
  }

  // What a write changed of those columns goes back, so that each case starts from the seed.
  // A row the write created is destroyed, so that the next case's Add meets no row of its
  // keys: its status is the last column of the row set to createAndGo or createAndWait.
  void Restore(const std::map<std::string, std::string>& held) {
    bool destroyed = false;
    std::map<std::string, std::pair<int, std::string>> created;  // entry and instance -> status column, OID
    for (const Varbind& vb : Logged()) {
      auto it = held.find(vb.oid);
      if (it != held.end() && Canonical(it->second) != Canonical(vb.value)) Client().set({{vb.oid, it->second}});
      const std::string value = Canonical(vb.value);
      if (it != held.end() || (value != "n:4" && value != "n:5")) continue;
      for (const std::string& entry : entries_) {
        if (vb.oid.rfind(entry + ".", 0) != 0) continue;
        const std::string rest = vb.oid.substr(entry.size() + 1);
        const int column = std::atoi(rest.c_str());
        auto& last = created[entry + rest.substr(rest.find('.'))];
        if (column > last.first) last = {column, vb.oid};
      }
    }
    for (const auto& [row, status] : created) {
      Client().set({{status.second, "2:6"}});
      destroyed = true;
    }
    // The dialog's list read again, so its own check of the keys meets the row no more.
    if (destroyed && parent_)
      for (const char* caption : {"Refresh", "Get"})
        if (TButton* refresh = ButtonCaptioned(*parent_, caption)) {
          GuiTesting::UserClick(refresh);
          WaitIdle(*parent_);
          break;
        }
    Sim().clearSetLog();
  }

  // An unedited write carries each field as the switch held it.
  void ExpectRoundTrip(const std::vector<Field>& fields, const std::map<std::string, std::string>& held,
                       const std::string& where) {
    const std::vector<Varbind> sent = Logged();
    for (const Field& f : fields) {
      if (inputEdits_.count(f.Name) || f.Kind == Type::Unchecked) continue;
      for (const Varbind& vb : OfColumn(sent, f.Column)) {
        auto it = held.find(vb.oid);
        if (it == held.end()) continue;  // a row the write makes
        if (Canonical(vb.value) == Canonical(it->second)) continue;
        const std::string message = where + " " + f.Name + ": written back unedited as " + vb.value +
                                    ", the switch held " + it->second;
        ADD_FAILURE() << message;
      }
    }
  }

  // The case's outcome against what the text stands for.
  // statusTold: the window told a failure on its status line (the generic views do).
  void Judge(const Field& f, const std::string& typed, const std::string& shown, size_t boxesBefore,
             const std::string& where, const std::map<std::string, std::string>& held, bool statusTold = false) {
    const Expectation expected = Expect(f, shown);
    const std::vector<Varbind> all = Logged();
    std::vector<Varbind> sent = OfColumn(all, f.Column);
    if (f.Index) sent = all;  // the value stands in the address of every varbind of the row
    const bool told = boxes_.Calls().size() > boxesBefore || statusTold;
    const bool refused = told && all.empty();
    if (!sent.empty()) ++carried_[f.Name];
    driven_.insert(f.Name);
    std::ostringstream fault;
    switch (expected.What) {
      case Outcome::Refused:
        if (!sent.empty())
          fault << "written (" << sent.front().oid << "=" << sent.front().value << ") though it is no value of its type";
        else if (!told)
          silent_[f.Name].push_back(where + " " + f.Name + " typed " + Shown(typed));
        break;
      case Outcome::Written:
      case Outcome::Tolerated:
      case Outcome::Dated:
      case Outcome::Ported:
        if (refused) break;
        if (f.Index) {
          bool found = sent.empty();
          for (const Varbind& vb : sent)
            for (const std::string& code : IndexEncodings(f, expected.Value))
              found = found || (vb.oid + ".").find(code + ".") != std::string::npos;
          if (!found) fault << "no row written (" << sent.front().oid << ", ...) is addressed by " << Shown(expected.Value);
          break;
        }
        if (expected.What == Outcome::Ported) {
          for (const Varbind& vb : sent) {
            const std::string value = Canonical(vb.value);
            const bool padded = value.size() >= expected.Value.size() && value.rfind(expected.Value, 0) == 0 &&
                                value.find_first_not_of('\0', expected.Value.size()) == std::string::npos;
            if (!padded) fault << "written as " << vb.value << ", expected the ports " << Shown(expected.Value);
          }
          break;
        }
        if (expected.What == Outcome::Dated) {
          for (const Varbind& vb : sent) {
            const std::string value = Canonical(vb.value);
            if (value != expected.Value && (value.size() != expected.Value.size() + 3 || value.rfind(expected.Value, 0) != 0))
              fault << "written as " << vb.value << ", expected " << Shown(expected.Value) << " and maybe an offset";
          }
          break;
        }
        for (const Varbind& vb : sent) {
          const std::string value = Canonical(vb.value);
          if (value == expected.Value) continue;
          // A number the dialog puts into its steps may be written as another within its range.
          if (Row().Stepped && f.Name == Row().Stepped && f.Kind == Type::Integer && value.rfind("n:", 0) == 0) {
            const auto [lo, hi] = RangeOf(f);
            if (WholeNumber(value.substr(2), lo, hi)) continue;
          }
          fault << "written as " << vb.value << ", expected " << Shown(expected.Value);
        }
        break;
      case Outcome::Empty:
        if (f.Index) break;
        for (const Varbind& vb : sent) {
          // An emptied field may leave the value as the switch holds it.
          auto it = held.find(vb.oid);
          const bool unchanged = it != held.end() && Canonical(it->second) == Canonical(vb.value);
          if (Canonical(vb.value) != "o:" && !unchanged) fault << "an empty field written as " << vb.value;
        }
        break;
      case Outcome::Any:
        break;
    }
    if (fault.str().empty()) {
      const bool whole = expected.What == Outcome::Written || expected.What == Outcome::Tolerated ||
                         expected.What == Outcome::Dated || expected.What == Outcome::Ported;
      if (whole && !refused && !sent.empty()) ++written_[f.Name];
      return;
    }
    const std::string message = where + " " + f.Name + " typed " + Shown(typed) + " shown " + Shown(shown) + ": " +
                                fault.str() + "; boxes " + BoxTexts(boxes_, boxesBefore);
    ADD_FAILURE() << message;
  }

  // One case in the window: the text entered, the write pressed, the outcome judged.
  void RunCase(TFeatureDialog& window, const Field& f, const std::string& text, const char* writeCaption,
               const std::string& where, const std::map<std::string, std::string>& held) {
    ++cases_;
    const size_t before = boxes_.Calls().size();  // leaving the edit may be what refuses
    Enter(f.Edit, text);
    const std::string shown = f.Edit->Text();
    Sim().clearSetLog();
    TButton* write = ButtonCaptioned(window, writeCaption);
    ASSERT_NE(write, nullptr) << where << ": no usable button " << writeCaption;
    GuiTesting::UserClick(write);
    GuiTesting::ProcessUntil([&] { return Idle(*parent_) && RequestsIdle(window); }, kWait);
    Judge(f, text, shown, before, where, held);
  }

  // The write pressed without a case; waits for the dialog and the window.
  void Press(TFeatureDialog& dialog, TCustomForm& window, const char* caption) {
    Sim().clearSetLog();
    TButton* write = ButtonCaptioned(window, caption);
    ASSERT_NE(write, nullptr) << "no usable button " << caption;
    GuiTesting::UserClick(write);
    GuiTesting::ProcessUntil([&] { return Idle(dialog); }, kWait);
  }

  // The pop-up opened by the row's button (its row chosen first); action runs in it.
  void OpenPopup(TFeatureDialog& form, const std::function<void(TFeatureDialog&)>& action) {
    Prepare(form, Row().PopupRow, false);
    TButton* open = ButtonCaptioned(form, Row().Popup);
    ASSERT_NE(open, nullptr) << "no usable button " << Row().Popup;
    bool ran = false;
    popupAction_ = [&](TFeatureDialog& popup) {
      ran = true;
      action(popup);
      // A pop-up that walks nothing never completes a read: only its requests count.
      GuiTesting::ProcessUntil([&] { return RequestsIdle(popup) && Idle(form); }, kWait);
    };
    GuiTesting::UserClick(open);
    popupAction_ = nullptr;
    WaitIdle(form);
    ASSERT_TRUE(ran) << Row().Popup << " showed no pop-up";
  }

  std::function<void(TFeatureDialog&)> popupAction_;
  TFeatureDialog* parent_ = nullptr;
  const char* arrangement_ = nullptr;  // Also, while the fields it makes usable are driven
  const std::string* caseField_ = nullptr;  // the field whose case is prepared
  GuiTesting::ScriptedAnswerer boxes_;
  std::set<std::string> inputEdits_;
  std::set<std::string> entries_;         // the tables whose columns are bound
  std::map<std::string, int> carried_;    // field -> cases whose write sent something
  std::map<std::string, int> written_;    // field -> cases whose write sent a whole value as meant
  std::set<std::string> driven_;          // fields given cases
  std::map<std::string, std::vector<std::string>> silent_;  // field -> refusals nobody was told of

  // A refusal is told. Only where the field takes part in the write at all: an edit whose
  // column the dialog's choices leave out sends nothing whatever is typed.
  void ExpectRefusalsTold() {
    for (const auto& [name, cases] : silent_)
      if (carried_.count(name))
        for (const std::string& c : cases) ADD_FAILURE() << c << ": refused without a message";
  }

  // Every driven field is written whole by some case, unless the row says why it never is; a
  // field it names is driven and never written. A dialog refusing every value of a field fails.
  void ExpectEachFieldWritten() {
    std::map<std::string, std::string> excused;
    std::istringstream entries(Row().NeverWritten ? Row().NeverWritten : "");
    for (std::string entry; std::getline(entries, entry, ';');) {
      const size_t from = entry.find_first_not_of(' '), colon = entry.find(':');
      if (from == std::string::npos) continue;
      EXPECT_NE(colon, std::string::npos) << Row().Class << ": NeverWritten entry without a reason: " << entry;
      excused[entry.substr(from, colon - from)] = colon == std::string::npos ? "" : entry.substr(colon + 1);
    }
    for (const std::string& name : driven_)
      if (!written_.count(name) && !excused.count(name))
        ADD_FAILURE() << Row().Class << " " << name << ": no case wrote a whole value (a dialog refusing every value?)";
    for (const auto& [name, why] : excused) {
      EXPECT_TRUE(driven_.count(name)) << Row().Class << " " << name << ": named in NeverWritten but not driven";
      EXPECT_FALSE(written_.count(name)) << Row().Class << " " << name << ": named in NeverWritten but written";
    }
  }

  // What ran, for the log.
  void Report(const std::string& what) {
    std::cout << "[ cases    ] " << what << ": " << cases_ << " cases, fields written:";
    for (const auto& [name, count] : written_) std::cout << " " << name << " " << count;
    std::string never;
    for (const std::string& name : driven_)
      if (!written_.count(name)) never += " " + name;
    if (!never.empty()) std::cout << "; never written:" << never;
    std::cout << "\n";
  }
  int cases_ = 0;
};


TEST_P(TypedFields, each_text_is_refused_or_written_exactly) {
  Run(
      [&](TFeatureDialog& form) {
        // A list whose keys are all taken is emptied first, so that an Add can create a row.
        if (Row().EmptiedBy) {
          for (int left = form.List->Items->Count; left > 0; --left) {
            GuiTesting::UserClickItem(form.List, form.List->Items->Item[0]);
            WaitIdle(form);
            TButton* remove = ButtonCaptioned(form, Row().EmptiedBy);
            ASSERT_NE(remove, nullptr) << "no usable button " << Row().EmptiedBy;
            GuiTesting::UserClick(remove);
            WaitIdle(form);
          }
          ASSERT_EQ(form.List->Items->Count, 0) << Row().EmptiedBy << " left rows in the list";
        }
        if (Row().Write) {
          // The dialog's own fields, through its write button: those Input makes usable, then
          // those Also does.
          const int row = WriteRow();
          std::set<std::string> driven;
          for (const char* arrangement : {static_cast<const char*>(nullptr), Row().Also}) {
            if (arrangement == nullptr && !driven.empty()) break;
            arrangement_ = arrangement;
            Prepare(form, row, true);
            std::vector<Field> fields = FieldsOf(form, {&form}, Row().Meanings);
            std::erase_if(fields, [&](const Field& f) { return driven.count(f.Name) > 0; });
            ASSERT_FALSE(fields.empty()) << (arrangement ? "Also makes no further bound edit usable"
                                                         : "no usable bound edit: give the row a NoWrite reason");
            for (const Field& f : fields) driven.insert(f.Name);
            const auto held = Snapshot(fields);
            Press(form, form, Row().Write);
            ExpectRoundTrip(fields, held, "round trip");
            Restore(held);
            // The other fields as first shown before each case: a refused case's text is not left
            // to refuse the next field's cases.
            std::map<TCustomEdit*, std::string> shownFirst;
            for (const Field& f : fields) shownFirst[f.Edit] = f.Edit->Text();
            for (const Field& f : fields)
              for (const std::string& text : CasesOf(f)) {
                for (const Field& other : fields)
                  if (other.Edit != f.Edit && Usable(other.Edit) && other.Edit->Text() != shownFirst[other.Edit])
                    dialogtest::Retype(other.Edit, shownFirst[other.Edit]);
                caseField_ = &f.Name;
                Prepare(form, row, true);
                caseField_ = nullptr;
                if (!Usable(f.Edit)) break;
                RunCase(form, f, text, Row().Write, "dialog", held);
                if (HasFatalFailure()) return;
                Restore(held);
              }
          }
          arrangement_ = nullptr;
        }
        if (Row().Popup) {
          // The pop-up's fields, each case in the pop-up opened afresh.
          std::vector<Field> fields;
          std::map<std::string, std::string> held;
          OpenPopup(form, [&](TFeatureDialog& popup) {
            if (Row().Input) TypeInput(popup, Row().Input);
            fields = FieldsOf(popup, {&form, &popup}, Row().Meanings);
            held = Snapshot(fields);
            if (const char* write = PopupWriteCaption(popup)) Press(form, popup, write);
            ExpectRoundTrip(fields, held, "pop-up round trip");
          });
          Restore(held);
          ASSERT_FALSE(fields.empty()) << "the pop-up shows no usable bound edit";
          for (const Field& shape : fields)
            for (const std::string& text : CasesOf(shape)) {
              OpenPopup(form, [&](TFeatureDialog& popup) {
                if (Row().Input) TypeInput(popup, Row().Input);
                for (const Field& f : FieldsOf(popup, {&form, &popup}, Row().Meanings))
                  if (f.Name == shape.Name)
                    if (const char* write = PopupWriteCaption(popup)) RunCase(popup, f, text, write, "pop-up", held);
              });
              if (HasFatalFailure()) return;
              Restore(held);
            }
        }
      },
      [&](TFeatureDialog& popup) {
        if (popupAction_) popupAction_(popup);
      });
  if (Row().Write || Row().Popup) {
    EXPECT_FALSE(carried_.empty()) << "no case of " << Row().Class << " wrote a typed field: check its row";
  }
  ExpectRefusalsTold();
  ExpectEachFieldWritten();
  Report(Row().Class);
}

// The registry and the table name the same classes.
TEST(TypedFieldTable, has_one_row_for_each_registered_dialog) {
  NvRegisterFeatureDialogs();
  std::set<std::string> rows;
  for (const FieldFacts& row : typedfields::Table()) {
    EXPECT_TRUE(rows.insert(row.Class).second) << row.Class << " has two rows";
    EXPECT_TRUE(NvDialogRegistered(row.Class)) << row.Class << " has a row but is not registered";
    EXPECT_TRUE(row.Write || row.Popup || row.NoWrite) << row.Class << ": a write button, a pop-up or a reason";
  }
  for (const std::string& name : NvRegisteredDialogClasses())
    EXPECT_TRUE(rows.count(name)) << name << " is registered but has no row in the typed-field table";
}

std::vector<const FieldFacts*> Rows() {
  std::vector<const FieldFacts*> rows;
  for (const FieldFacts& row : typedfields::Table())
    if (row.Write || row.Popup) rows.push_back(&row);
  return rows;
}

std::string NameOf(const ::testing::TestParamInfo<const FieldFacts*>& info) { return info.param->Class; }

INSTANTIATE_TEST_SUITE_P(Dialogs, TypedFields, ::testing::ValuesIn(Rows()), NameOf);

// The generic editor view over one scalar of each syntax, every row under the view's own value
// format: the same cases, each written by Set Checked with only its row ticked.
const FieldFacts kEditorView{.Class = "TConfigForm", .NoWrite = "the generic editor view"};
const std::string kViewScalars = "1.3.6.1.4.1.32473.999.40";

using TypedFieldViews = TypedFields;
TEST_P(TypedFieldViews, each_text_in_the_editor_view_is_refused_or_written_exactly) {
  auto* form = new TConfigForm(Application);
  form->Caption = "Typed fields: 127.0.0.1";
  auto* binding = new NvSNMPRequest2Edits(form);
  binding->Request.Port = Sim().port();
  binding->Request.Version = 1;
  binding->Request.TimeOut = kPatientTimeOut;
  const std::pair<const char*, int> scalars[] = {
      {".1", NvSyntax::integer},     {".2", NvSyntax::displaystr},  {".3", NvSyntax::ipaddress},
      {".4", NvSyntax::octetstr},    {".5", NvSyntax::macaddress},  {".6", NvSyntax::ipv6address},
      {".7", NvSyntax::datetime},    {".8", NvSyntax::guage},       {".9", NvSyntax::bitlist}};
  for (const auto& [suffix, syntax] : scalars)
    binding->Request.Vars.AddVar((kViewScalars + suffix).c_str(), suffix, syntax, NvAccess::readwrite, nullptr);
  binding->Request.Vars.Kind = SVT_SV;
  TSNMPEditorPanel* view = form->MakeEditorForm(binding);
  TCtrlBtnPanel* column = view->CtrlBtnPanel;
  auto idle = [&] { return GuiTesting::ProcessUntil([&] { return !binding->Busy; }, kWait); };
  auto setChecked = [&] {
    Sim().clearSetLog();
    GuiTesting::UserClick(column->SetCheckedBtn);
    idle();
  };
  bool shown = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& window) {
    if (&window != form) return;
    shown = true;
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !binding->Busy && !binding->BoundEdits().empty() &&
                                                      binding->BoundEdits()[1].Edit->Text() == "core"; }, kWait));
    std::vector<Field> fields;
    for (const NvBoundEdit& bound : binding->BoundEdits())
      fields.push_back({bound.Edit, std::string("row ") + bound.Var->Label, bound.Var->Oid, bound.Var->Syntax,
                        bound.Constraint, TypeOf(bound), false});
    ASSERT_EQ(fields.size(), std::size(scalars));
    const auto held = Snapshot(fields);
    GuiTesting::UserClick(column->CheckAllBtn);
    setChecked();
    ExpectRoundTrip(fields, held, "editor view round trip");
    Restore(held);
    for (const Field& f : fields)
      for (const std::string& text : CasesOf(f)) {
        ++cases_;
        view->ClearChecksClick(column->ClearChecksBtn);
        const size_t before = boxes_.Calls().size();  // leaving the edit may be what refuses
        Enter(f.Edit, text);
        const std::string shownText = f.Edit->Text();
        for (const UISnmpVar& row : view->EditsPanel->Rows)
          if (row.Control == f.Edit && !row.CheckBox->Checked()) GuiTesting::UserClick(row.CheckBox);
        TStatusBar* status = view->MsgPanel->StatusBar;
        status->SimpleText = "";
        setChecked();
        const std::string said = status->SimpleText();
        Judge(f, text, shownText, before, "editor view", held, !said.empty() && said.find("Ok") == std::string::npos);
        Restore(held);
        GuiTesting::UserClick(column->RefreshBtn);  // the view's values as the switch holds them again
        idle();
      }
    window.Close();
  });
  form->ShowModal();
  delete form;
  EXPECT_TRUE(shown);
  ExpectRefusalsTold();
  ExpectEachFieldWritten();
  Report("editor view");
}

INSTANTIATE_TEST_SUITE_P(GenericViews, TypedFieldViews, ::testing::Values(&kEditorView), NameOf);


// The table views of the menu with an Add pop-up, over columns of each syntax: each case typed
// into its row of a fresh Add (every other row given a whole value of its type, every row
// ticked), and into the first row's Edit, written by the pop-up's Set Checked.
const FieldFacts kTableViews[] = {
    {.Class = "TrustHostTable1", .NoWrite = "a table view"},         // IPv4 address and mask
    {.Class = "SMTPMailReceiverTable1", .NoWrite = "a table view"},  // a display string
    {.Class = "MACbasedVLAN1", .NoWrite = "a table view"},           // a MAC and a VLAN ID
    {.Class = "GroupTable1", .NoWrite = "a table view"},             // hex octets and a name
    {.Class = "MDTable1", .NoWrite = "a table view"},                // a level in its range, a name; Edit kept
    {.Class = "DataBaseTable1", .NoWrite = "a table view"},          // a MAC key, a VLAN ID and name
    {.Class = "MulticastFilterTable1", .NoWrite = "a table view"},   // a profile name and group list
    {.Class = "TargetAddressTable1", .NoWrite = "a table view"},     // numbers, octets and a tag list
};

// The frame of a pop-up: its one panel.
TSNMPPanel* FrameOf(TCustomForm& popup) {
  for (int i = 0; i < popup.ComponentCount; ++i)
    if (auto* frame = dynamic_cast<TSNMPPanel*>(popup.Components[i]())) return frame;
  return nullptr;
}

using TypedFieldTableViews = TypedFields;
TEST_P(TypedFieldTableViews, each_text_in_the_add_and_edit_popup_is_refused_or_written_exactly) {
  const NvMenuCommand* command = NvFindMenuCommand(Row().Class);
  ASSERT_NE(command, nullptr) << "no menu item " << Row().Class;
  TSNMPListViewPanel* view = nullptr;
  std::function<void(TCustomForm&)> popupAction;
  // The bound edits of the view shown in the pop-up, as fields.
  auto fieldsOf = [&](TCustomForm& popup) {
    std::vector<Field> fields;
    NvSNMPRequest2Edits* edits = view->EditCtrl;
    for (const NvBoundEdit& bound : edits->BoundEdits()) {
      if (FormOf(bound.Edit) != &popup || !Usable(bound.Edit)) continue;
      const bool index = bound.Binding->VarIndex < edits->Request.Vars.IndexCount;
      fields.push_back({bound.Edit, std::string("row ") + (bound.Var->Label ? bound.Var->Label : "?"),
                        index ? "" : bound.Var->Oid, bound.Var->Syntax, bound.Constraint, TypeOf(bound), index});
    }
    return fields;
  };
  auto tick = [&](TCustomEdit* edit) {
    for (const UISnmpVar& row : view->EditsPanel->Rows)
      if (row.Control == edit && row.CheckBox && Usable(row.CheckBox) && !row.CheckBox->Checked())
        GuiTesting::UserClick(row.CheckBox);
  };
  auto idle = [&] { return GuiTesting::ProcessUntil([&] { return !view->EditCtrl->Busy; }, kWait); };
  // One pop-up opened by the button; action runs in it, and it is closed afterwards.
  auto open = [&](TButton* button, const std::function<void(TCustomForm&)>& action) {
    bool ran = false;
    popupAction = [&](TCustomForm& popup) {
      ran = true;
      action(popup);
      idle();
    };
    GuiTesting::UserClick(button);
    popupAction = nullptr;
    idle();
    EXPECT_TRUE(ran) << button->Caption() << " showed no pop-up";
  };
  auto runCase = [&](TCustomForm& popup, const Field& f, const std::string& text, const std::vector<Field>& fields,
                     const std::string& where, const std::map<std::string, std::string>& held) {
    ++cases_;
    for (const Field& other : fields) {
      if (other.Name == f.Name) continue;
      if (!other.Index || where == "add") {
        if (const std::string valid = ValidText(other); !valid.empty())
          dialogtest::Retype(other.Edit, other.Index && other.Kind == Type::Integer ? "7" : valid);  // a row of its own
      }
      if (!other.Index) tick(other.Edit);
    }
    // An option row given its first option, ticked.
    for (const UISnmpVar& row : view->EditsPanel->Rows) {
      auto* combo = dynamic_cast<TComboBox*>(row.Control);
      if (!combo || !Usable(combo) || combo->Items->Count == 0) continue;
      if (combo->ItemIndex() < 0) GuiTesting::UserChoose(combo, 0);
      if (row.CheckBox && Usable(row.CheckBox) && !row.CheckBox->Checked()) GuiTesting::UserClick(row.CheckBox);
    }
    const size_t before = boxes_.Calls().size();  // leaving the edit may be what refuses
    Enter(f.Edit, text);
    const std::string shownText = f.Edit->Text();
    if (!f.Index) tick(f.Edit);
    Sim().clearSetLog();
    GuiTesting::UserClick(FrameOf(popup)->CtrlBtnPanel->SetCheckedBtn);
    idle();
    Judge(f, text, shownText, before, where, held);
  };
  bool shown = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& window) {
    if (shown) {
      if (popupAction) popupAction(window);
      if (window.ModalResult() == mrNone && window.Visible()) window.ModalResult = mrCancel;
      return;
    }
    shown = true;
    FindAll(&window, [&](TComponent* c) {
      if (!view) view = dynamic_cast<TSNMPListViewPanel*>(c);
    });
    if (!view) {
      ADD_FAILURE() << Row().Class << " shows no table view";
      window.ModalResult = mrCancel;
      return;
    }
    idle();
    TCtrlBtnPanel* column = view->CtrlBtnPanel;
    std::vector<Field> shapes;
    std::map<std::string, std::string> held;
    open(column->AddBtn, [&](TCustomForm& popup) { shapes = fieldsOf(popup); });
    held = Snapshot(shapes);
    ASSERT_FALSE(shapes.empty()) << "the Add pop-up shows no usable bound edit";
    for (const Field& shape : shapes)
      for (const std::string& text : CasesOf(shape)) {
        open(column->AddBtn, [&](TCustomForm& popup) {
          const std::vector<Field> fields = fieldsOf(popup);
          for (const Field& f : fields)
            if (f.Name == shape.Name) runCase(popup, f, text, fields, "add", held);
        });
        Restore(held);
        if (HasFatalFailure()) return;
      }
    // The Edit pop-up over the first row: its values as the switch holds them, then each case.
    TListView* list = view->ListPanel->ListView;
    if (column->EditBtn->Visible() && list->Items->Count > 0) {
      auto choose = [&] {
        GuiTesting::UserClickItem(list, list->Items->Item[0]);
        idle();
      };
      choose();
      open(column->EditBtn, [&](TCustomForm& popup) {
        for (const Field& f : fieldsOf(popup)) tick(f.Edit);
        Sim().clearSetLog();
        GuiTesting::UserClick(FrameOf(popup)->CtrlBtnPanel->SetCheckedBtn);
        idle();
        ExpectRoundTrip(fieldsOf(popup), held, "edit round trip");
      });
      Restore(held);
      for (const Field& shape : shapes) {
        if (shape.Index) continue;
        for (const std::string& text : CasesOf(shape)) {
          choose();
          open(column->EditBtn, [&](TCustomForm& popup) {
            for (const Field& f : fieldsOf(popup))
              if (f.Name == shape.Name) {
                ++cases_;
                const size_t before = boxes_.Calls().size();  // leaving the edit may be what refuses
                Enter(f.Edit, text);
                const std::string shownText = f.Edit->Text();
                tick(f.Edit);
                Sim().clearSetLog();
                GuiTesting::UserClick(FrameOf(popup)->CtrlBtnPanel->SetCheckedBtn);
                idle();
                Judge(f, text, shownText, before, "edit", held);
              }
          });
          Restore(held);
          GuiTesting::UserClick(column->RefreshBtn);
          idle();
          if (HasFatalFailure()) return;
        }
      }
    }
    window.ModalResult = mrCancel;
  });
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  NvRunMenuCommand(*command, host);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(carried_.empty()) << "no case of " << Row().Class << " wrote a typed field";
  ExpectRefusalsTold();
  ExpectEachFieldWritten();
  Report(Row().Class);
}

std::vector<const FieldFacts*> TableViewRows() {
  std::vector<const FieldFacts*> rows;
  for (const FieldFacts& row : kTableViews) rows.push_back(&row);
  return rows;
}

INSTANTIATE_TEST_SUITE_P(TableViews, TypedFieldTableViews, ::testing::ValuesIn(TableViewRows()), NameOf);

}  // namespace
