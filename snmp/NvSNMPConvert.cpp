#include "NvSNMPConvert.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "NvDateTime.h"
#include "NvEvaluator.h"
#include "NvOptionList.h"
#include "NvSNMPError.h"

const char* const NvDateTimeHint =
    "Please enter a date and time such as 2007-5-26,15:30:15.0, or with its offset from UTC 2007-5-26,15:30:15.0,+8:0!";

namespace {

using Ids = std::vector<uint32_t>;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Sign and magnitude of a decimal text; false when the magnitude exceeds limit, or when
// anything but blanks follows the digits ("1x" must not become 1). A blank text is 0.
bool ReadDecimal(const std::string& text, bool& negative, uint64_t& magnitude, uint64_t limit) {
  size_t p = 0;
  while (p < text.size() && IsBlank(text[p])) ++p;
  negative = false;
  magnitude = 0;
  if (p == text.size()) return true;
  if (text[p] == '+' || text[p] == '-') negative = text[p++] == '-';
  const size_t digits = p;
  for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
    const uint64_t digit = uint64_t(text[p] - '0');
    if (magnitude > (limit - digit) / 10) return false;
    magnitude = magnitude * 10 + digit;
  }
  if (p == digits) return false;
  while (p < text.size() && IsBlank(text[p])) ++p;
  return p == text.size();
}

[[noreturn]] void RefuseValue() { NvThrowError(NvErr::BadPartialValue); }

// The typed text in a message, cut short: a pasted page must not become the message.
std::string Quoted(const std::string& text) {
  constexpr size_t kShown = 40;
  return "\"" + (text.size() > kShown ? text.substr(0, kShown) + "..." : text) + "\"";
}

[[noreturn]] void RefuseDateTime(const std::string& text) {
  NvThrowError(NvErr::BadPartialValue, std::string(NvDateTimeHint) + " " + Quoted(text));
}

// Blanks, an optional sign, then at least one decimal digit.
bool HasDigits(const std::string& text) {
  size_t p = text.find_first_not_of(" \t");
  if (p != std::string::npos && (text[p] == '+' || text[p] == '-')) ++p;
  return p != std::string::npos && p < text.size() && text[p] >= '0' && text[p] <= '9';
}
[[noreturn]] void IncompleteIndex() { NvThrowError(NvErr::BadKeyCount); }

bool IsOctetSyntax(int s) {
  return s == NvSyntax::bitstr || s == NvSyntax::octetstr || s == NvSyntax::opaque || s == NvSyntax::bitlist;
}

// Syntaxes that have a value conversion (the packed 193..198 do not).
bool IsKnownSyntax(int s) {
  return s == NvSyntax::boolean || s == NvSyntax::integer || IsOctetSyntax(s) || s == NvSyntax::null ||
         s == NvSyntax::objectid || s == NvSyntax::ipaddress || s == NvSyntax::nsapaddr || s == NvSyntax::counter ||
         s == NvSyntax::guage || s == NvSyntax::uinteger || s == NvSyntax::timeticks || s == NvSyntax::counter64 ||
         s == NvSyntax::double_ || s == NvSyntax::macaddress || s == NvSyntax::datetime ||
         s == NvSyntax::bcdatetime || s == NvSyntax::displaystr || s == NvSyntax::ipv6address ||
         s == NvSyntax::inetaddress;
}

// Dotted IPv4 of exactly four numbers 0..255.
bool ParseIPv4(const std::string& text, unsigned char out[4]) {
  Ids ids;
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return false;
  if (!NvSplitIds(text, ids) || ids.size() != 4) return false;
  for (int i = 0; i < 4; ++i) {
    if (ids[i] > 255) return false;
    out[i] = static_cast<unsigned char>(ids[i]);
  }
  return true;
}

std::string DottedBytes(const unsigned char* b) {
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." + std::to_string(b[3]);
}

std::string HexOfBytes(const std::string& bytes) { return OctetStr(bytes).get_printable_hex(); }

std::string BytesOfIds(const Ids& ids, size_t from, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += char(ids[from + i] & 0xFF);
  return out;
}

void AppendBytes(Ids& out, const std::string& bytes) {
  for (unsigned char b : bytes) out.push_back(b);
}

// The eight bytes of an IEEE double, byte 0 least significant.
std::string DoubleBytes(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  std::string out;
  for (int i = 0; i < 8; ++i) out += char((bits >> (8 * i)) & 0xFF);
  return out;
}

double DoubleOfBytes(const std::string& bytes) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

// A real number that is the whole text but for blanks around it ("1.5x" is none).
double ReadReal(const std::string& text) {
  if (text.empty()) return 0;  // an unbound variable of a SET, as for the other numbers
  const char* begin = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(v)) RefuseValue();
  for (const char* p = end; *p; ++p)
    if (!IsBlank(*p)) RefuseValue();
  return v;
}

uint64_t BitsOf(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return bits;
}

double DoubleOfBits(uint64_t bits) {
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

// Eight octets carry no offset; eleven read back with theirs even at 0:0 (withZone), so the
// text is written back as the octets it came from.
std::string DateTimeText(const std::string& octets, bool withZone) {
  NvDateTime t;
  std::memset(t.Octets(), 0, sizeof t);
  t.Direction = '+';
  std::memcpy(t.Octets(), octets.data(), std::min<size_t>(octets.size(), sizeof t));
  t.SwapYearBytes();
  return withZone && octets.size() >= sizeof t ? t.ToStringWithZone() : t.ToString();
}

// True when the binding carries no value: NULL, an exception, or an empty octet string.
bool HasEmptyValue(const Vb& vb) {
  if (vb.get_syntax() == sNMP_SYNTAX_NULL || vb.is_exception()) return true;
  OctetStr s;
  return vb.get_value(s) == 0 && s.len() == 0;
}

std::string RawText(const NvSNMPVar& var, const Vb& vb) {
  const int syntax = var.Syntax;
  switch (syntax) {
    case NvSyntax::boolean: {
      int32_t v;
      if (vb.get_value(v) != 0) break;
      return v != 0 ? "true" : "false";
    }
    case NvSyntax::integer: {
      int32_t v;
      if (vb.get_value(v) != 0) break;
      return std::to_string(v);
    }
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
    case NvSyntax::macaddress: case NvSyntax::ipv6address: {
      OctetStr s;
      if (vb.get_value(s) != 0) return "";
      return s.get_printable_hex();
    }
    case NvSyntax::null:
      return "(NULL)";
    case NvSyntax::objectid: {
      Oid o;
      if (vb.get_value(o) != 0) break;
      return o.get_printable();
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: {
      IpAddress a;
      if (vb.get_value(a) != 0) break;
      return a.get_printable();
    }
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger: {
      uint32_t v;
      if (vb.get_value(v) != 0) break;
      return std::to_string(v);
    }
    case NvSyntax::timeticks: {
      uint32_t v;
      if (vb.get_value(v) != 0) break;
      return TimeTicks(v).get_printable();
    }
    case NvSyntax::counter64: {
      Counter64 v;
      if (vb.get_value(v) != 0) break;
      return std::to_string(uint64_t(v));
    }
    case NvSyntax::double_: case NvSyntax::bcdatetime: {
      OctetStr s;
      if (vb.get_value(s) != 0) break;
      if (s.len() < 8) NvThrowError(NvErr::BadSyntax);
      const double v = DoubleOfBytes(s.bytes());
      return syntax == NvSyntax::double_ ? NvFloatToStr(v) : NvDateTimeRealToText(v);
    }
    case NvSyntax::datetime: {
      OctetStr s;
      if (vb.get_value(s) != 0) break;
      if (s.len() < 8) NvThrowError(NvErr::BadSyntax);  // 8 octets: a DateAndTime without zone
      return DateTimeText(s.bytes(), true);
    }
    case NvSyntax::displaystr: {
      OctetStr s;
      if (vb.get_value(s) != 0) break;
      return s.get_printable();
    }
    case NvSyntax::inetaddress: {
      OctetStr s;
      if (vb.get_value(s) != 0) return "";
      if (s.len() >= 16) return s.get_printable_hex();
      if (s.len() == 0) return "";
      std::string four = s.bytes();
      if (four.size() < 4) four.insert(0, 4 - four.size(), '\0');  // zero bytes dropped by an old sender
      return DottedBytes(reinterpret_cast<const unsigned char*>(four.data()));
    }
    default:
      NvThrowError(NvErr::BadSyntax);
  }
  // A value of another SNMP type than the syntax expects: the library's own text of it.
  return vb.get_printable_value();
}

}  // namespace

std::string NvHexTextToBytes(const std::string& text) {
  auto refuse = [&] { NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " " + Quoted(text)); };
  // Two digits an octet: between blanks every run of digits is whole octets, never a half
  // octet padded somewhere ("FFF" is no value, not 0FFF). An IPv6 zone ("%0001") is pairs too.
  const size_t zone = text.find('%');
  size_t run = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ' ' || i == zone) {
      if (run % 2 != 0) refuse();
      run = 0;
    } else {
      ++run;
    }
  }
  OctetStr bytes;
  if (!OctetStr::from_hex_string(OctetStr(text), bytes)) refuse();
  return bytes.bytes();
}

std::string NvIPv6TextToBytes(const std::string& text, bool zoneAllowed) {
  if (text.empty()) return text;
  const bool zone = zoneAllowed && text.find('%') != std::string::npos;
  std::string bytes;
  try {
    bytes = NvHexTextToBytes(text);
  } catch (const Exception&) {
    bytes.clear();
  }
  if (bytes.size() != (zone ? 18u : 16u)) {
    std::string message = NvCommonErrors.Text(21);  // "Please enter a valid IPV6 address!"
    message.erase(0, message.find_first_not_of(' '));
    NvThrowError(NvErr::BadPartialValue, message + " " + Quoted(text));
  }
  return bytes;
}

uint32_t NvTicksTextToTicks(const std::string& text) {
  auto refuse = [&] { NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " " + Quoted(text)); };
  size_t p = 0;
  // Digits only, at most maxDigits of them (exactly that many when exact).
  auto number = [&](size_t maxDigits, bool exact) {
    const size_t from = p;
    uint64_t v = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9' && p - from < maxDigits) v = v * 10 + uint64_t(text[p++] - '0');
    if (p == from || (exact && p - from != maxDigits) || (p < text.size() && text[p] >= '0' && text[p] <= '9')) refuse();
    return v;
  };
  auto expect = [&](const std::string& word) {
    if (text.compare(p, word.size(), word) != 0) refuse();
    p += word.size();
  };
  uint64_t days = 0;
  const bool hasDays = text.find("day") != std::string::npos;
  if (hasDays) {
    days = number(5, false);
    if (days == 1) expect(" day ");
    else expect(" days, ");
  }
  const uint64_t hours = number(hasDays ? 2 : 6, false);
  if (hasDays && hours > 23) refuse();
  expect(":");
  const uint64_t minutes = number(2, true);
  expect(":");
  const uint64_t seconds = number(2, true);
  uint64_t hundredths = 0;
  if (p < text.size()) {
    expect(".");
    hundredths = number(2, true);
  }
  if (p != text.size() || minutes > 59 || seconds > 59) refuse();
  const uint64_t ticks = days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + hundredths;
  if (ticks > UINT32_MAX) refuse();
  return uint32_t(ticks);
}

std::string NvDateTimeTextToOctets(const std::string& text) {
  NvDateTime clock;
  bool withZone;
  if (!NvDateTime::ReadExact(text, clock, withZone)) RefuseDateTime(text);
  return clock.WireOctets(withZone);
}

std::string NvContextEngineIdBytes(const std::string& text) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  size_t i = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? 2 : 0;
  std::string bytes;
  while (i < text.size()) {
    if (i + 1 >= text.size() || digit(text[i]) < 0 || digit(text[i + 1]) < 0) return text;
    bytes.push_back(static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1])));
    i += 2;
    if (i < text.size() && (text[i] == ' ' || text[i] == ':') && ++i == text.size()) return text;
  }
  return bytes.size() >= 5 && bytes.size() <= 32 ? bytes : text;
}

std::string NvMacTextToHex(const std::string& text) {
  std::string digits;
  std::string separators;
  for (char c : text) {
    if (c != '-' && c != ':' && c != '.') digits += c;
    else if (separators.find(c) == std::string::npos) separators += c;
  }
  OctetStr bytes;
  if (digits.size() != 12 || separators.size() > 1 || !OctetStr::from_hex_string(OctetStr(digits), bytes)) {
    std::string message = NvCommonErrors.Text(23);  // "Please enter a valid MAC address!"
    message.erase(0, message.find_first_not_of(' '));
    NvThrowError(NvErr::BadPartialValue, message + " \"" + text + "\"");
  }
  return digits;
}

int32_t NvReadInt32(const std::string& text) {
  bool negative;
  uint64_t m;
  if (!ReadDecimal(text, negative, m, uint64_t(1) << 32)) RefuseValue();
  if (negative ? m > (uint64_t(1) << 31) : m > uint64_t(std::numeric_limits<int32_t>::max())) RefuseValue();
  return negative ? int32_t(-int64_t(m)) : int32_t(m);
}

uint32_t NvReadUInt32(const std::string& text) {
  bool negative;
  uint64_t m;
  if (!ReadDecimal(text, negative, m, std::numeric_limits<uint32_t>::max()) || negative) RefuseValue();
  return uint32_t(m);
}

uint64_t NvReadUInt64(const std::string& text) {
  bool negative;
  uint64_t m;
  if (!ReadDecimal(text, negative, m, std::numeric_limits<uint64_t>::max()) || negative) RefuseValue();
  return m;
}

std::string NvVbToText(const NvSNMPVar& var, const Vb& vb) {
  const int s = var.Syntax;
  const bool keepsEmpty = IsOctetSyntax(s) || s == NvSyntax::macaddress || s == NvSyntax::ipv6address ||
                          s == NvSyntax::inetaddress;
  if (!IsKnownSyntax(s)) NvThrowError(NvErr::BadSyntax);
  std::string text;
  if (!keepsEmpty && s != NvSyntax::null && HasEmptyValue(vb)) {
    text = s == NvSyntax::displaystr ? "" : "(NULL)";
  } else {
    text = RawText(var, vb);
  }
  if (var.Options) text = var.Options->ValueToName(text);
  return text;
}

void NvTextToVb(const NvSNMPVar& var, Vb& vb) {
  std::string text = var.Value ? *var.Value : std::string();
  if (var.Options) text = var.Options->NameToValue(text);
  const int s = var.Syntax;
  if (!IsKnownSyntax(s)) NvThrowError(NvErr::BadSyntax);
  if (s == NvSyntax::null || text == "(NULL)") {
    vb.set_null();
    return;
  }
  // The end of a walked column is no value of any syntax, not even as text.
  if (text == "(NOTDONE)") NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " " + Quoted(text));
  switch (s) {
    case NvSyntax::boolean:
      vb.set_value(int32_t(text == "true" ? 1 : 0));
      break;
    case NvSyntax::integer:
      vb.set_value(NvReadInt32(text));
      break;
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
      vb.set_value(OctetStr(NvHexTextToBytes(text)));
      break;
    case NvSyntax::ipv6address:
      vb.set_value(OctetStr(NvIPv6TextToBytes(text, false)));
      break;
    case NvSyntax::macaddress:  // an empty address stays empty; any other is six bytes
      vb.set_value(OctetStr(text.empty() ? text : NvHexTextToBytes(NvMacTextToHex(text))));
      break;
    case NvSyntax::objectid: {
      Oid o(text.c_str());
      if (!o.valid()) RefuseValue();
      vb.set_value(o);
      break;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: {
      unsigned char b[4];
      if (!ParseIPv4(text, b)) RefuseValue();
      vb.set_value(IpAddress(OctetStr(b, 4)));
      break;
    }
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger:
      vb.set_value(NvReadUInt32(text));
      break;
    case NvSyntax::timeticks:
      vb.set_value(TimeTicks(text.empty() ? 0 : NvTicksTextToTicks(text)));  // empty: an unbound variable
      break;
    case NvSyntax::counter64:
      vb.set_value(Counter64(NvReadUInt64(text)));
      break;
    case NvSyntax::double_:
      vb.set_value(OctetStr(DoubleBytes(ReadReal(text))));
      break;
    case NvSyntax::datetime:
      vb.set_value(OctetStr(NvDateTimeTextToOctets(text)));
      break;
    case NvSyntax::bcdatetime:
      vb.set_value(OctetStr(DoubleBytes(NvTextToDateTimeReal(text))));
      break;
    case NvSyntax::displaystr:
      vb.set_value(OctetStr(text));
      break;
    case NvSyntax::inetaddress: {
      if (text.size() >= 32) {
        vb.set_value(OctetStr(NvIPv6TextToBytes(text, true)));
      } else if (text.empty()) {
        vb.set_value(OctetStr());  // an address of unknown type
      } else {
        unsigned char b[4];
        if (!ParseIPv4(text, b)) RefuseValue();
        vb.set_value(OctetStr(b, 4));
      }
      break;
    }
  }
}

std::string NvDecodeIndexValue(const NvSNMPVar& var, bool last, const Ids& ids, size_t& pos) {
  const size_t n = pos <= ids.size() ? ids.size() - pos : 0;
  const bool implied = (var.Access & NvAccess::implied) != 0;
  auto need = [&](size_t count) {
    if (n < count) IncompleteIndex();
  };
  auto take = [&](size_t count) {
    need(count);
    const size_t at = pos;
    pos += count;
    return at;
  };
  // The sub-identifiers of a string or OID: all the rest when rest, else a length
  // sub-identifier followed by that many (or by all the rest when restAfterLength).
  auto span = [&](bool rest, bool restAfterLength, size_t& from, size_t& count) {
    if (rest) {
      from = pos;
      count = n;
      pos += n;
      return;
    }
    need(1);
    const uint32_t len = ids[pos];
    from = pos + 1;
    count = restAfterLength ? n - 1 : size_t(len);
    if (count > n - 1) IncompleteIndex();
    pos = from + count;
  };

  std::string text;
  switch (var.Syntax) {
    case NvSyntax::boolean:
      text = ids[take(1)] != 0 ? "true" : "false";
      break;
    case NvSyntax::integer:
      text = std::to_string(int32_t(ids[take(1)]));
      break;
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger:
      text = std::to_string(ids[take(1)]);
      break;
    case NvSyntax::timeticks:
      text = TimeTicks(ids[take(1)]).get_printable();
      break;
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist: {
      size_t from, count;
      span(implied, last, from, count);
      text = HexOfBytes(BytesOfIds(ids, from, count));
      break;
    }
    case NvSyntax::displaystr: {
      size_t from, count;
      span(last && implied, false, from, count);
      text = OctetStr(BytesOfIds(ids, from, count)).get_printable();
      break;
    }
    case NvSyntax::objectid: {
      size_t from, count;
      span(last && implied, false, from, count);
      text = NvJoinIds(Ids(ids.begin() + from, ids.begin() + from + count));
      break;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: {
      const size_t at = take(4);
      text = NvJoinIds(Ids(ids.begin() + at, ids.begin() + at + 4));
      break;
    }
    case NvSyntax::macaddress:
      text = HexOfBytes(BytesOfIds(ids, take(6), 6));
      break;
    case NvSyntax::ipv6address:
      if (last && implied)
        text = HexOfBytes(BytesOfIds(ids, take(n), n));
      else
        text = HexOfBytes(BytesOfIds(ids, take(16), 16));
      break;
    case NvSyntax::counter64: {
      const size_t at = take(2);
      text = std::to_string(uint64_t(Counter64(ids[at], ids[at + 1])));
      break;
    }
    case NvSyntax::double_: case NvSyntax::bcdatetime: {
      const size_t at = take(2);
      const double v = DoubleOfBits(uint64_t(ids[at]) | (uint64_t(ids[at + 1]) << 32));
      text = var.Syntax == NvSyntax::double_ ? NvFloatToStr(v) : NvDateTimeRealToText(v);
      break;
    }
    case NvSyntax::datetime:
      text = DateTimeText(BytesOfIds(ids, take(11), 11), false);
      break;
    case NvSyntax::null:
      text = "(NULL)";
      break;
    case NvSyntax::inetaddress: {
      if (last || implied) {
        if (n <= 5) {
          need(4);
          text = NvJoinIds(Ids(ids.end() - 4, ids.end()));
        } else if (n <= 17) {
          text = HexOfBytes(BytesOfIds(ids, pos + 1, n - 1));
        } else {
          // 16 address bytes, then the zone index.
          char zone[16];
          std::snprintf(zone, sizeof zone, "%04u", ids[pos + 17]);
          text = HexOfBytes(BytesOfIds(ids, pos + 1, 16)) + "%" + zone;
        }
        pos += n;
      } else if (n >= 17) {
        text = HexOfBytes(BytesOfIds(ids, pos + 1, 16));
        pos += 17;
      } else if (n >= 5 && n <= 15) {
        text = NvJoinIds(Ids(ids.begin() + pos + 1, ids.begin() + pos + 5));
        pos += 5;
      } else {
        const size_t at = take(4);
        text = NvJoinIds(Ids(ids.begin() + at, ids.begin() + at + 4));
      }
      break;
    }
    default:
      NvThrowError(NvErr::BadSyntax);
  }
  if (var.Options) text = var.Options->ValueToName(text);
  return text;
}

Ids NvEncodeIndexValue(const NvSNMPVar& var, bool last) {
  std::string t = var.Value ? *var.Value : std::string();
  if (var.Options) t = var.Options->NameToValue(t);
  const bool implied = (var.Access & NvAccess::implied) != 0;
  Ids out;
  auto bytesOf = [&](bool withLength, const std::string& bytes) {
    if (withLength) out.push_back(uint32_t(bytes.size()));
    AppendBytes(out, bytes);
  };
  switch (var.Syntax) {
    case NvSyntax::boolean:
      out.push_back(t == "true" ? 1 : 0);
      break;
    // A row is addressed by its number: a text without one ("", "ten") would silently
    // address row 0, so it is refused.
    case NvSyntax::integer: {
      if (!HasDigits(t)) RefuseValue();
      // A sub-identifier holds no sign: -1 would address row 4294967295.
      const int32_t v = NvReadInt32(t);
      if (v < 0) RefuseValue();
      out.push_back(uint32_t(v));
      break;
    }
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger:
      if (!HasDigits(t)) RefuseValue();
      out.push_back(NvReadUInt32(t));
      break;
    case NvSyntax::timeticks:
      out.push_back(uint32_t(TimeTicks(t.c_str())));
      break;
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
      bytesOf(!implied, NvHexTextToBytes(t));
      break;
    case NvSyntax::displaystr:
      bytesOf(!(last && implied), t.substr(0, t.find('\0')));
      break;
    case NvSyntax::objectid: {
      Ids ids;
      if (!NvSplitIds(t, ids)) RefuseValue();
      if (!(last && implied)) out.push_back(uint32_t(ids.size()));
      out.insert(out.end(), ids.begin(), ids.end());
      break;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: {
      unsigned char b[4];
      if (!ParseIPv4(t, b)) IncompleteIndex();
      out.assign(b, b + 4);
      break;
    }
    case NvSyntax::macaddress:
      AppendBytes(out, NvHexTextToBytes(NvMacTextToHex(t)));
      break;
    case NvSyntax::ipv6address: {
      const std::string bytes = NvHexTextToBytes(t);
      if (last && implied) {
        AppendBytes(out, bytes);
      } else {
        if (bytes.size() != 16) IncompleteIndex();  // not a row of some other address
        AppendBytes(out, bytes);
      }
      break;
    }
    case NvSyntax::counter64: {
      const Counter64 v(NvReadUInt64(t));
      out = {v.high(), v.low()};
      break;
    }
    case NvSyntax::double_: case NvSyntax::bcdatetime: {
      const double v = var.Syntax == NvSyntax::double_ ? ReadReal(t) : NvTextToDateTimeReal(t);
      const uint64_t bits = BitsOf(v);
      out = {uint32_t(bits), uint32_t(bits >> 32)};
      break;
    }
    case NvSyntax::datetime: {
      // An index is always the eleven octets; no offset is +0:0.
      NvDateTime clock;
      bool withZone;
      if (!NvDateTime::ReadExact(t, clock, withZone)) RefuseDateTime(t);
      AppendBytes(out, clock.WireOctets(true));
      break;
    }
    case NvSyntax::null:
      break;
    case NvSyntax::inetaddress: {
      const size_t len = t.size();
      if (len <= 15) {
        unsigned char b[4];
        if (!ParseIPv4(t, b)) IncompleteIndex();
        out = {4, b[0], b[1], b[2], b[3]};
      } else if (len <= 32 || len > 69) {
        const std::string bytes = NvHexTextToBytes("10" + t);
        if (bytes.size() != 17) IncompleteIndex();  // the length 16 and exactly the address
        AppendBytes(out, bytes);
      } else {
        // 32 digits of an IPv6 address, then a zone of four digits after an optional "%".
        const std::string bytes = NvHexTextToBytes(t.substr(0, 32));
        if (bytes.size() < 16) IncompleteIndex();
        bytesOf(true, bytes.substr(0, 16));
        if (len > 34) {
          const std::string zone = t.substr(t.find('%') != std::string::npos ? 33 : 32, 4);
          if (zone.empty() || zone.find_first_not_of("0123456789") != std::string::npos) IncompleteIndex();
          out.push_back(NvReadUInt32(zone));
        }
      }
      break;
    }
    default:
      NvThrowError(NvErr::BadSyntax);
  }
  return out;
}

// Days since 1899-12-30 from a civil date, and back (proleptic Gregorian calendar).
namespace {
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + int64_t(doe) - 719468;  // days since 1970-01-01
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = int64_t(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
}

const int64_t kEpochOffset = 25569;  // 1970-01-01 as days since 1899-12-30
}  // namespace

std::string NvDateTimeRealToText(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 3e6) NvThrowError(NvErr::BadPartialValue);
  const double days = std::floor(value);
  int64_t seconds = std::llround((value - days) * 86400.0);
  int64_t day = int64_t(days);
  if (seconds >= 86400) {
    seconds -= 86400;
    ++day;
  }
  int64_t y;
  unsigned m, d;
  CivilFromDays(day - kEpochOffset, y, m, d);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04lld/%02u/%02u %02lld:%02lld:%02lld", static_cast<long long>(y), m, d,
                static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                static_cast<long long>(seconds % 60));
  return buf;
}

double NvTextToDateTimeReal(const std::string& text) {
  // "yyyy/mm/dd", then " hh:nn:ss" or nothing: the whole text, a real calendar day.
  int f[6] = {0, 0, 0, 0, 0, 0};
  const char separators[] = {'/', '/', ' ', ':', ':'};
  const size_t widths[] = {4, 2, 2, 2, 2, 2};
  size_t p = 0;
  int fields = 0;
  for (; fields < 6; ++fields) {
    if (fields > 0) {
      if (p == text.size() && fields == 3) break;
      if (p >= text.size() || text[p] != separators[fields - 1]) RefuseValue();
      ++p;
    }
    const size_t from = p;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9' && p - from < widths[fields])
      f[fields] = f[fields] * 10 + (text[p++] - '0');
    if (p == from) RefuseValue();
  }
  const int y = f[0], mo = f[1], d = f[2], h = f[3], mi = f[4], s = f[5];
  if (p != text.size() || y < 1 || mo < 1 || mo > 12 || d < 1 || unsigned(d) > NvDateTime::DaysInMonth(unsigned(y), unsigned(mo)) ||
      h > 23 || mi > 59 || s > 59)
    RefuseValue();
  const int64_t day = DaysFromCivil(y, unsigned(mo), unsigned(d)) + kEpochOffset;
  return double(day) + (h * 3600 + mi * 60 + s) / 86400.0;
}

std::string NvJoinIds(const Ids& ids, size_t from) {
  std::string out;
  for (size_t i = from; i < ids.size(); ++i) {
    if (i > from) out += '.';
    out += std::to_string(ids[i]);
  }
  return out;
}

bool NvSplitIds(const std::string& dotted, Ids& ids) {
  ids.clear();
  if (dotted.empty()) return true;
  size_t p = dotted[0] == '.' ? 1 : 0;
  while (true) {
    const size_t dot = dotted.find('.', p);
    const std::string part = dotted.substr(p, dot == std::string::npos ? std::string::npos : dot - p);
    if (part.empty() || part.size() > 10 || part.find_first_not_of("0123456789") != std::string::npos) return false;
    const uint64_t v = std::strtoull(part.c_str(), nullptr, 10);
    if (v > 0xFFFFFFFFull) return false;
    ids.push_back(uint32_t(v));
    if (dot == std::string::npos) return true;
    p = dot + 1;
  }
}
