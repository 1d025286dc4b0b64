#include "NvValueOctets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "NvDateTime.h"
#include "NvEvaluator.h"
#include "NvSNMPConvert.h"
#include "NvSNMPError.h"
#include "NvSNMPVar.h"
#include "NvUtils.h"
#include "Snmp.h"

namespace {

const char* const kNull = "(NULL)";

// Leading blanks, a sign and the digits up to the first other character, modulo 2^32; 0
// when there is no number. Only for texts this program made (bit positions, shown values).
uint32_t LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) v = v * 10u + uint32_t(text[i] - '0');
  return negative ? 0u - v : v;
}

[[noreturn]] void RefuseText(const std::string& text) {
  NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " \"" + text + "\"");
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A typed whole number: blanks, a sign, digits, then blanks only, within low..high; any
// other text is refused (-518) rather than read as some other number.
int64_t WholeNumber(const std::string& text, int64_t low, int64_t high) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t digits = i;
  uint64_t v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (v > (uint64_t(1) << 40)) RefuseText(text);
    v = v * 10u + uint64_t(text[i] - '0');
  }
  if (i == digits) RefuseText(text);
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) RefuseText(text);
  if (negative && low >= 0) RefuseText(text);  // no sign where the range has none, "-0" included
  const int64_t n = negative ? -int64_t(v) : int64_t(v);
  if (n < low || n > high) RefuseText(text);
  return n;
}

uint32_t Whole32(const std::string& text, int syntax) {
  if (syntax == NvSyntax::integer) return uint32_t(int32_t(WholeNumber(text, INT32_MIN, INT32_MAX)));
  return uint32_t(WholeNumber(text, 0, UINT32_MAX));
}

void PutLE(NvOctets& out, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

uint64_t GetLE(const NvOctets& b, size_t at, int n) {
  uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + size_t(i)];
  return v;
}

void PutBE16(NvOctets& out, uint32_t v) {
  out.push_back(static_cast<unsigned char>(v >> 8));
  out.push_back(static_cast<unsigned char>(v));
}

uint32_t GetBE16(const NvOctets& b) { return (uint32_t(b[0]) << 8) | b[1]; }

NvOctets HexBytes(const std::string& text) {
  const std::string bytes = NvHexTextToBytes(text);
  return NvOctets(bytes.begin(), bytes.end());
}

std::string Hex(const NvOctets& b, size_t from = 0, size_t count = std::string::npos) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = from; i < b.size() && i - from < count; ++i) {
    out += digits[b[i] >> 4];
    out += digits[b[i] & 0x0F];
  }
  return out;
}

// Four dotted whole numbers 0 to 255; anything else is no address and is refused.
NvOctets DottedBytes(const std::string& text) {
  const std::vector<std::string> parts = NvSplit(text, '.');
  if (parts.size() != 4) RefuseText(text);
  NvOctets out;
  try {
    for (const std::string& part : parts) out.push_back(static_cast<unsigned char>(WholeNumber(part, 0, 255)));
  } catch (const Exception&) {
    RefuseText(text);
  }
  return out;
}

std::string Dotted(const NvOctets& b, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    if (i) out += '.';
    out += std::to_string(i < b.size() ? b[i] : 0);
  }
  return out;
}

// A typed real number: the whole text but for blanks around it.
double Real(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin) RefuseText(text);
  for (const char* p = end; *p; ++p)
    if (!IsBlank(*p)) RefuseText(text);
  if (!std::isfinite(v)) RefuseText(text);
  return v;
}

NvOctets DoubleBytes(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  NvOctets out;
  PutLE(out, bits, 8);
  return out;
}

double BytesDouble(const NvOctets& b) {
  const uint64_t bits = GetLE(b, 0, 8);
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// Syntaxes sent as an OCTET STRING, which may be empty.
bool IsOctetString(int syntax) {
  switch (syntax) {
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
    case NvSyntax::displaystr: case NvSyntax::macaddress: case NvSyntax::ipv6address: case NvSyntax::inetaddress:
      return true;
    default:
      return false;
  }
}

// Bytes of a field of the syntax; -1 for the run-to-the-end syntaxes; throws -511.
int FieldSize(int syntax, size_t valueSize) {
  switch (syntax) {
    case NvSyntax::boolean: case NvSyntax::integer: case NvSyntax::ipaddress: case NvSyntax::nsapaddr:
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger: case NvSyntax::timeticks:
      return 4;
    case NvSyntax::counter64: case NvSyntax::double_: case NvSyntax::bcdatetime: return 8;
    case NvSyntax::macaddress: return 6;
    case NvSyntax::datetime: return 11;
    case NvSyntax::ipv6address: return 16;
    case NvSyntax::bool8: case NvSyntax::int8: case NvSyntax::uint8: return 1;
    case NvSyntax::bool16: case NvSyntax::int16: case NvSyntax::uint16: return 2;
    case NvSyntax::inetaddress: return valueSize > 15 ? 16 : 4;
    case NvSyntax::null: return 0;
    default:
      if (NvIsRunToEnd(syntax)) return -1;
      NvThrowError(NvErr::BadSyntax);
  }
}

// One octet's one or two hexadecimal digits; an empty part is a zero octet.
std::string Pad2(const std::string& part) {
  if (part.size() > 2 || part.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) RefuseText(part);
  return std::string(2 - part.size(), '0') + part;
}

// The octets of the first count parts. whole: every part is needed (an address), so all
// empty gives no value and some empty is refused; otherwise empty parts at the end are no
// octets, so that clearing the last edits shortens the value.
std::string JoinOctets(const std::vector<std::string>& parts, size_t count, bool whole) {
  count = std::min(count, parts.size());
  size_t used = count;
  while (used > 0 && parts[used - 1].empty()) --used;
  if (whole && used == 0) return "";
  std::string out;
  for (size_t i = 0; i < (whole ? count : used); ++i) {
    if (whole && parts[i].empty()) RefuseText(parts[i]);
    out += Pad2(parts[i]);
  }
  return out;
}

void NeedControls(size_t have, size_t need) {
  if (have < need) NvThrowError(NvErr::TooFewControls);
}

std::string ByteHex(unsigned char b) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", b);
  return buf;
}

}  // namespace

NvOctets NvValueTextToOctets(const std::string& text, int syntax) {
  if (syntax == NvSyntax::null) return {};
  if (text == kNull && syntax != NvSyntax::inetaddress) {
    FieldSize(syntax, 0);  // an unknown syntax fails whatever the text
    return {};
  }
  NvOctets out;
  switch (syntax) {
    case NvSyntax::boolean: PutLE(out, text == "true" ? 1 : 0, 4); break;
    case NvSyntax::integer: case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger:
      PutLE(out, Whole32(text, syntax), 4);
      break;
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
      return HexBytes(text);
    case NvSyntax::ipv6address: {
      const std::string bytes = NvIPv6TextToBytes(text, false);
      return NvOctets(bytes.begin(), bytes.end());
    }
    case NvSyntax::macaddress: return text.empty() ? NvOctets() : HexBytes(NvMacTextToHex(text));
    case NvSyntax::objectid:
      if (!text.empty()) {
        try {
          for (const std::string& part : NvSplit(text, '.')) PutLE(out, uint32_t(WholeNumber(part, 0, UINT32_MAX)), 4);
        } catch (const Exception&) {
          RefuseText(text);
        }
      }
      break;
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: return DottedBytes(text);
    case NvSyntax::timeticks: PutLE(out, NvTicksTextToTicks(text), 4); break;
    case NvSyntax::counter64: {
      // Through a double a counter above 2^53 would come back as another number.
      try {
        PutLE(out, NvReadUInt64(text), 8);
      } catch (const Exception&) {
        RefuseText(text);
      }
      if (text.find_first_of("0123456789") == std::string::npos) RefuseText(text);
      break;
    }
    case NvSyntax::double_: return DoubleBytes(Real(text));
    case NvSyntax::datetime: {
      const std::string octets = NvDateTimeTextToOctets(text);
      out.assign(octets.begin(), octets.end());
      break;
    }
    case NvSyntax::bcdatetime: return DoubleBytes(NvTextToDateTimeReal(text));
    case NvSyntax::displaystr: out.assign(text.begin(), text.end()); break;
    case NvSyntax::inetaddress:
      if (text.empty() || text == kNull) return {};  // an address of unknown type stays empty
      if (text.size() <= 16) return DottedBytes(text);
      {
        const std::string bytes = NvIPv6TextToBytes(text, true);
        return NvOctets(bytes.begin(), bytes.end());
      }
    case NvSyntax::bool8: out.push_back(text == "true" ? 1 : 0); break;
    // The signed packed fields read back unsigned (int16 FFFF shows 65535), so both take
    // either form.
    case NvSyntax::int8: out.push_back(static_cast<unsigned char>(WholeNumber(text, -128, 255))); break;
    case NvSyntax::uint8: out.push_back(static_cast<unsigned char>(WholeNumber(text, 0, 255))); break;
    case NvSyntax::bool16: PutBE16(out, text == "true" ? 1 : 0); break;
    case NvSyntax::int16: PutBE16(out, uint32_t(WholeNumber(text, -32768, 65535)) & 0xFFFF); break;
    case NvSyntax::uint16: PutBE16(out, uint32_t(WholeNumber(text, 0, 65535))); break;
    default: NvThrowError(NvErr::BadSyntax);
  }
  return out;
}

std::string NvOctetsToValueText(const NvOctets& b, int syntax) {
  if (syntax == NvSyntax::null) return kNull;
  const int size = FieldSize(syntax, b.size());  // throws -511
  // An empty string stays one: "(NULL)" would be sent as NULL, which the switch refuses.
  if (b.empty()) return IsOctetString(syntax) ? "" : kNull;
  size_t minimum = 1;
  if (syntax == NvSyntax::objectid || syntax == NvSyntax::inetaddress) minimum = 0;
  else if (syntax == NvSyntax::ipaddress || syntax == NvSyntax::nsapaddr) minimum = 4;
  else if (syntax == NvSyntax::datetime) minimum = 8;  // a DateAndTime without its offset
  else if (size > 0) minimum = size_t(size);
  if (b.size() < minimum) NvThrowError(NvErr::BadPartialValue);
  switch (syntax) {
    case NvSyntax::boolean: return GetLE(b, 0, 4) ? "true" : "false";
    case NvSyntax::integer: return std::to_string(int32_t(uint32_t(GetLE(b, 0, 4))));
    case NvSyntax::counter: case NvSyntax::guage: case NvSyntax::uinteger: return std::to_string(GetLE(b, 0, 4));
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: case NvSyntax::bitlist:
    case NvSyntax::macaddress: case NvSyntax::ipv6address:
      return Hex(b);
    case NvSyntax::objectid: {
      std::string out;
      for (size_t i = 0; i + 4 <= b.size(); i += 4) {
        if (i) out += '.';
        out += std::to_string(GetLE(b, i, 4));
      }
      return out;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: return Dotted(b, 4);
    case NvSyntax::timeticks: return TimeTicks(uint32_t(GetLE(b, 0, 4))).get_printable();
    case NvSyntax::counter64: return std::to_string(GetLE(b, 0, 8));
    case NvSyntax::double_: return NvFloatToStr(BytesDouble(b));
    case NvSyntax::datetime: {
      // Eleven octets keep their offset in the text even at 0:0, eight have none: each is
      // written back as the octets it came from.
      NvDateTime t;
      std::memset(t.Octets(), 0, sizeof t);
      t.Direction = '+';
      std::memcpy(t.Octets(), b.data(), std::min(b.size(), sizeof t));
      t.SwapYearBytes();
      return b.size() >= sizeof t ? t.ToStringWithZone() : t.ToString();
    }
    case NvSyntax::bcdatetime: return NvDateTimeRealToText(BytesDouble(b));
    case NvSyntax::displaystr: return std::string(b.begin(), b.end());
    case NvSyntax::inetaddress: return b.size() >= 16 ? Hex(b) : Dotted(b, 4);
    case NvSyntax::bool8: return b[0] ? "true" : "false";
    case NvSyntax::int8: return std::to_string(int(static_cast<signed char>(b[0])));
    case NvSyntax::uint8: return std::to_string(unsigned(b[0]));
    case NvSyntax::bool16: return GetBE16(b) ? "true" : "false";
    case NvSyntax::int16: case NvSyntax::uint16: return std::to_string(GetBE16(b));
  }
  NvThrowError(NvErr::BadSyntax);
}

bool NvIsRunToEnd(int syntax) {
  switch (syntax) {
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::objectid:
    case NvSyntax::opaque: case NvSyntax::bitlist: case NvSyntax::displaystr:
      return true;
    default:
      return false;
  }
}

NvOctets NvExtractField(const NvOctets& value, int offset, int syntax) {
  const int size = FieldSize(syntax, value.size());
  if (value.empty()) return {};
  if (offset < 0) NvThrowError(NvErr::PartialIndexRange);
  const size_t from = size_t(offset);
  if (size < 0) return from < value.size() ? NvOctets(value.begin() + long(from), value.end()) : NvOctets();
  if (syntax == NvSyntax::inetaddress) {
    // An address cut short by the end of the value keeps what there is.
    const size_t to = std::min(value.size(), from + size_t(size));
    return from < to ? NvOctets(value.begin() + long(from), value.begin() + long(to)) : NvOctets();
  }
  if (value.size() < from + size_t(size)) NvThrowError(NvErr::PartialIndexRange);
  return NvOctets(value.begin() + long(from), value.begin() + long(from + size_t(size)));
}

void NvWriteField(NvOctets& value, int offset, const NvOctets& field) {
  const size_t from = offset > 0 ? size_t(offset) : 0;
  if (value.size() < from + field.size()) value.resize(from + field.size(), 0);
  std::copy(field.begin(), field.end(), value.begin() + long(from));
}

bool NvValueToParts(const std::string& value, int syntax, int controlCount, std::vector<std::string>& parts) {
  parts.clear();
  const size_t have = controlCount > 0 ? size_t(controlCount) : 0;
  const bool null = value == kNull;
  // No value (an empty cell of a sparse row): every edit is emptied, not left as it was.
  auto blanks = [&](size_t need) {
    NeedControls(have, need);
    parts.assign(need, std::string());
    return true;
  };
  switch (syntax) {
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque: {
      const NvOctets b = NvValueTextToOctets(value, syntax);
      NeedControls(have, b.size());
      for (unsigned char c : b) parts.push_back(ByteHex(c));
      return true;
    }
    case NvSyntax::objectid: {
      const std::vector<std::string> ids = null || value.empty() ? std::vector<std::string>() : NvSplit(value, '.');
      NeedControls(have, ids.size());
      for (const std::string& id : ids) parts.push_back(std::to_string(LeadingNumber(id)));
      return true;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr: {
      NeedControls(have, 4);
      if (null) return false;
      if (value.empty()) return blanks(4);
      const NvOctets b = DottedBytes(value);
      for (size_t i = 0; i < 4; ++i) parts.push_back(std::to_string(i < b.size() ? b[i] : 0));
      return true;
    }
    case NvSyntax::timeticks: {
      NeedControls(have, 5);
      if (null) return false;
      if (value.empty()) return blanks(5);
      const uint32_t t = TimeTicks(value.c_str());
      parts = {std::to_string(t / 8640000u), std::to_string(t % 8640000u / 360000u),
               std::to_string(t % 360000u / 6000u), std::to_string(t % 6000u / 100u), std::to_string(t % 100u)};
      return true;
    }
    case NvSyntax::macaddress: case NvSyntax::ipv6address: {
      const size_t need = syntax == NvSyntax::macaddress ? 6 : 16;
      NeedControls(have, need);
      if (null) return false;
      if (value.empty()) return blanks(need);
      const NvOctets b = NvValueTextToOctets(value, syntax);
      for (size_t i = 0; i < need && i < b.size(); ++i) parts.push_back(ByteHex(b[i]));
      return true;
    }
    case NvSyntax::datetime: {
      NeedControls(have, 10);
      if (null) return false;
      if (value.empty()) return blanks(10);
      const NvDateTime t(value);
      // A clock without an offset leaves the offset edits empty, and is collected without one.
      const bool zone = std::count(value.begin(), value.end(), ',') >= 2;
      parts = {std::to_string(t.Year), std::to_string(t.Month), std::to_string(t.Day),
               std::to_string(t.Hour), std::to_string(t.Minutes), std::to_string(t.Seconds),
               std::to_string(t.DeciSeconds), zone ? std::string(1, t.Direction) : std::string(),
               zone ? std::to_string(t.UtcHours) : std::string(), zone ? std::to_string(t.UtcMinutes) : std::string()};
      return true;
    }
    case NvSyntax::bcdatetime: {
      NeedControls(have, 7);
      if (null) return false;
      if (value.empty()) return blanks(7);
      // Normalised through the date-time real, so a bad text fails as the conversion does.
      const std::string text = NvDateTimeRealToText(NvTextToDateTimeReal(value));
      int f[6] = {0, 0, 0, 0, 0, 0};
      std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5]);
      for (int v : f) parts.push_back(std::to_string(v));
      parts.push_back("0");
      return true;
    }
    case NvSyntax::inetaddress: {
      NeedControls(have, 4);
      if (have > 16) NvThrowError(NvErr::TooFewControls);
      if (null) return false;
      if (value.empty()) return blanks(have == 16 ? 16 : 4);
      const NvOctets b = NvValueTextToOctets(value, syntax);
      if (have == 16) {
        for (size_t i = 0; i < 16 && i < b.size(); ++i) parts.push_back(ByteHex(b[i]));
      } else {
        for (size_t i = 0; i < 4; ++i) parts.push_back(std::to_string(i < b.size() ? b[i] : 0));
      }
      return true;
    }
    default:
      NeedControls(have, 1);
      parts.push_back(value);
      return true;
  }
}

std::string NvPartsToValue(const std::vector<std::string>& parts, int syntax) {
  auto number = [&](size_t i, int64_t high) { return uint32_t(WholeNumber(i < parts.size() ? parts[i] : "", 0, high)); };
  auto allEmpty = [&](size_t count) {
    for (size_t i = 0; i < count && i < parts.size(); ++i)
      if (!parts[i].empty()) return false;
    return true;
  };
  auto dotted = [&] {
    std::string out;
    for (size_t i = 0; i < 4; ++i) out += (i ? "." : "") + std::to_string(number(i, 255));
    return out;
  };
  switch (syntax) {
    case NvSyntax::bitstr: case NvSyntax::octetstr: case NvSyntax::opaque:
      return JoinOctets(parts, parts.size(), false);
    case NvSyntax::objectid: {
      if (allEmpty(parts.size())) return "";
      std::string out;
      for (size_t i = 0; i < parts.size(); ++i) out += (i ? "." : "") + std::to_string(number(i, UINT32_MAX));
      return out;
    }
    case NvSyntax::ipaddress: case NvSyntax::nsapaddr:
      NeedControls(parts.size(), 4);
      return dotted();
    case NvSyntax::timeticks: {
      NeedControls(parts.size(), 5);
      const uint64_t t = uint64_t(number(0, 49710)) * 8640000u + uint64_t(number(1, UINT32_MAX)) * 360000u +
                         uint64_t(number(2, UINT32_MAX)) * 6000u + uint64_t(number(3, UINT32_MAX)) * 100u +
                         number(4, UINT32_MAX);
      if (t > UINT32_MAX) RefuseText(parts[0]);
      return TimeTicks(uint32_t(t)).get_printable();
    }
    case NvSyntax::macaddress: NeedControls(parts.size(), 6); return JoinOctets(parts, 6, true);
    case NvSyntax::ipv6address: NeedControls(parts.size(), 16); return JoinOctets(parts, 16, true);
    case NvSyntax::datetime: {
      NeedControls(parts.size(), 10);
      const std::string& direction = parts[7];
      if (direction.size() > 1 || (direction != "" && direction != "+" && direction != "-")) RefuseText(direction);
      NvDateTime t;
      t.Year = uint16_t(number(0, 65535));
      t.Month = uint8_t(number(1, 255));
      t.Day = uint8_t(number(2, 255));
      t.Hour = uint8_t(number(3, 255));
      t.Minutes = uint8_t(number(4, 255));
      t.Seconds = uint8_t(number(5, 255));
      t.DeciSeconds = uint8_t(number(6, 255));
      t.Direction = direction.empty() ? '+' : direction[0];
      // No direction and no offset typed: the clock carries none.
      const bool withZone = !direction.empty() || !parts[8].empty() || !parts[9].empty();
      t.UtcHours = withZone ? uint8_t(number(8, 255)) : 0;
      t.UtcMinutes = withZone ? uint8_t(number(9, 255)) : 0;
      return withZone ? t.ToStringWithZone() : t.ToString();
    }
    case NvSyntax::bcdatetime: {
      NeedControls(parts.size(), 7);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%04u/%02u/%02u %02u:%02u:%02u", number(0, 9999), number(1, 12), number(2, 31),
                    number(3, 23), number(4, 59), number(5, 59));
      return NvDateTimeRealToText(NvTextToDateTimeReal(buf));
    }
    case NvSyntax::inetaddress:
      NeedControls(parts.size(), 4);
      if (parts.size() >= 16) return JoinOctets(parts, 16, true);
      if (allEmpty(4)) return "";
      return dotted();
    default:
      NeedControls(parts.size(), 1);
      return parts[0];
  }
}

std::vector<int> NvParsePositions(const std::string& text) {
  std::vector<int> positions;
  if (text.empty()) return positions;
  for (const std::string& part : NvSplit(text, ',')) {
    if (part.find_first_of("0123456789") == std::string::npos) continue;
    positions.push_back(int(int32_t(LeadingNumber(part))));
  }
  return positions;
}

int NvReadBits(const NvOctets& value, const std::vector<int>& positions, std::vector<bool>& bits) {
  bits.assign(positions.size(), false);
  int code = NvErr::Ok;
  for (size_t i = 0; i < positions.size(); ++i) {
    const int p = positions[i];
    if (p < 0 || size_t(p / 8) >= value.size()) {
      code = NvErr::PartialIndexRange;
      continue;
    }
    bits[i] = (value[size_t(p / 8)] & (0x80 >> (p % 8))) != 0;
  }
  return code;
}

NvOctets NvCollectBits(const std::vector<int>& positions, const std::vector<bool>& bits) {
  NvOctets field;
  for (size_t i = 0; i < positions.size() && i < bits.size(); ++i) {
    const int p = positions[i];
    if (p < 0) continue;
    const size_t byte = size_t(p / 8);
    if (field.size() <= byte) field.resize(byte + 1, 0);
    const unsigned char mask = static_cast<unsigned char>(0x80 >> (p % 8));
    if (bits[i]) field[byte] |= mask;
    else field[byte] &= static_cast<unsigned char>(~mask);
  }
  return field;
}

std::string NvPortBitmapToList(const std::string& hexBitmap, bool withHex) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
  };
  NvOctets bytes;
  for (size_t i = 0; i + 1 < hexBitmap.size(); i += 2)
    bytes.push_back(static_cast<unsigned char>(digit(hexBitmap[i]) * 16 + digit(hexBitmap[i + 1])));
  const int last = int(bytes.size()) * 8;
  std::string out;
  bool nothingWritten = true, previousSet = true, rangeOpen = false;
  for (int p = 1; p <= last; ++p) {
    const bool set = (bytes[size_t((p - 1) / 8)] & (0x80 >> ((p - 1) % 8))) != 0;
    if (set) {
      if (nothingWritten) {
        out += std::to_string(p);
        nothingWritten = false;
      } else if (previousSet) {
        if (!rangeOpen) {
          out += '-';
          rangeOpen = true;
        }
        if (p == last) out += std::to_string(p);
      } else {
        out += "," + std::to_string(p);
        previousSet = true;
      }
    } else if (!nothingWritten) {
      if (previousSet && rangeOpen) out += std::to_string(p - 1);
      rangeOpen = false;
      previousSet = false;
    }
  }
  if (nothingWritten) out = "0";
  if (withHex) out += "[" + hexBitmap + "]";
  return out;
}

bool NvPortListToBitmap(const std::string& list, const std::string& current, std::string& out) {
  // Whole bytes only: an odd last digit of the current bitmap carries no ports.
  const size_t byteCount = current.size() / 2;
  const long ports = long(byteCount) * 8;
  NvOctets bytes(byteCount, 0);
  auto port = [&](const std::string& text, long& p) {
    size_t a = text.find_first_not_of(' '), b = text.find_last_not_of(' ');
    if (a == std::string::npos) return false;
    const std::string digits = text.substr(a, b - a + 1);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    p = std::strtol(digits.c_str(), nullptr, 10);
    return p >= 1 && p <= ports;
  };
  if (list == "all") {
    bytes.assign(byteCount, 0xFF);
  } else if (!list.empty()) {
    for (const std::string& part : NvSplit(list, ',')) {
      if (part.find_first_not_of(' ') == std::string::npos) continue;
      long first = 0, lastPort = 0;
      const size_t dash = part.find('-');
      if (dash == std::string::npos) {
        if (!port(part, first)) return false;
        lastPort = first;
      } else if (!port(part.substr(0, dash), first) || !port(part.substr(dash + 1), lastPort) || lastPort < first) {
        return false;
      }
      for (long p = first; p <= lastPort; ++p) bytes[size_t((p - 1) / 8)] |= static_cast<unsigned char>(0x80 >> ((p - 1) % 8));
    }
  }
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 0x0F];
  }
  out = hex;
  return true;
}

std::string NvBitmapOfPortCell(const std::string& cell) {
  const size_t open = cell.find('[');
  const size_t close = cell.find(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  return cell.substr(open + 1, close - open - 1);
}
