// The program's own text forms of octet strings and TimeTicks (not the library's).
#include <cctype>
#include <cstdio>
#include <cstring>

#include "Snmp.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;  // anything else counts as 0
}

unsigned char HexPair(char high, char low) {
  return static_cast<unsigned char>(HexDigit(high) * 16 + HexDigit(low));
}

// Like atol, accumulated modulo 2^32: leading blanks, a sign, digits up to the first other character.
uint32_t ReadDecimal(const char* p, const char* end) {
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = (*p++ == '-');
  uint32_t v = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) v = v * 10 + uint32_t(*p - '0');
  return negative ? uint32_t(0) - v : v;
}

uint32_t ParseTicks(const char* text) {
  if (!text) return 0;
  const char* p = text;
  const char* end = text + std::strlen(text);
  uint32_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;

  const char* word = std::strstr(p, "days");
  size_t wordLen = 4;
  if (!word) {
    word = std::strstr(p, "day");
    wordLen = 3;
  }
  if (word) {
    days = ReadDecimal(p, word);
    p = word + wordLen;
  }
  if (const char* comma = std::strchr(p, ',')) p = comma + 1;

  const char* colon1 = std::strchr(p, ':');
  if (colon1) {
    hours = ReadDecimal(p, colon1);
    const char* q = colon1 + 1;
    const char* colon2 = std::strchr(q, ':');
    if (colon2) {
      minutes = ReadDecimal(q, colon2);
      const char* r = colon2 + 1;
      if (const char* dot = std::strchr(r, '.')) {
        seconds = ReadDecimal(r, dot);
        hundredths = ReadDecimal(dot + 1, end);
      }
    }
  }
  return days * 8640000u + hours * 360000u + minutes * 6000u + seconds * 100u + hundredths;
}

}  // namespace

const char* OctetStr::get_printable_hex() const {
  static const char digits[] = "0123456789ABCDEF";
  printable_.clear();
  printable_.reserve(data_.size() * 2);
  for (unsigned char b : data_) {
    printable_ += digits[b >> 4];
    printable_ += digits[b & 0x0F];
  }
  return printable_.c_str();
}

const char* OctetStr::get_printable() const {
  printable_ = data_;  // c_str() ends it at the first zero byte for every reader
  return printable_.c_str();
}

OctetStr OctetStr::from_hex_string(const OctetStr& hex) {
  std::string t;
  for (char c : hex.bytes())
    if (c != ' ') t += c;
  const size_t n = t.size();
  std::string out;

  // 32 digits of an IPv6 address, "%" and a zone of up to four digits.
  if (n >= 35 && n <= 37 && t[32] == '%') {
    for (size_t i = 0; i < 32; i += 2) out += char(HexPair(t[i], t[i + 1]));
    for (size_t i = 33; i + 1 < n; i += 2) out += char(HexPair(t[i], t[i + 1]));
    return OctetStr(out);
  }

  // Whole octets only: a digit left over is dropped, never read as half an octet.
  for (size_t i = 0; i + 1 < n; i += 2) out += char(HexPair(t[i], t[i + 1]));
  return OctetStr(out);
}

bool OctetStr::from_hex_string(const OctetStr& hex, OctetStr& out) {
  // Typed text is whole octets of two digits each, a single blank allowed only between two
  // octets: never half an octet.
  std::string t;
  size_t group = 0;
  for (char c : hex.bytes()) {
    if (c == ' ') {
      if (group == 0 || group % 2 != 0) return false;
      group = 0;
      continue;
    }
    t += c;
    ++group;
  }
  if (!hex.bytes().empty() && group == 0) return false;  // a blank at the end
  const bool zone = t.size() >= 35 && t.size() <= 37 && t[32] == '%';
  if (zone ? (t.size() - 33) % 2 != 0 : t.size() % 2 != 0) return false;
  for (size_t i = 0; i < t.size(); ++i)
    if (!std::isxdigit(static_cast<unsigned char>(t[i])) && !(zone && i == 32)) return false;
  out = from_hex_string(hex);
  return true;
}

TimeTicks::TimeTicks(const char* text) : ticks_(ParseTicks(text)) {}

TimeTicks& TimeTicks::operator=(const char* text) {
  ticks_ = ParseTicks(text);
  return *this;
}

const char* TimeTicks::get_printable() const {
  const unsigned long days = ticks_ / 8640000u;
  unsigned long rest = ticks_ % 8640000u;
  const unsigned long hours = rest / 360000u;
  rest %= 360000u;
  const unsigned long minutes = rest / 6000u;
  rest %= 6000u;
  const unsigned long seconds = rest / 100u;
  const unsigned long hundredths = rest % 100u;
  char buf[64];
  if (days == 0)
    std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
  else if (days == 1)
    std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
  else
    std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds, hundredths);
  printable_ = buf;
  return printable_.c_str();
}
