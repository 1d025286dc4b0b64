#include "NvDateTime.h"

#include <cstdio>
#include <ctime>
#include <utility>

NvDateTime::NvDateTime() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  Year = uint16_t(local.tm_year + 1900);
  Month = uint8_t(local.tm_mon + 1);
  Day = uint8_t(local.tm_mday);
  Hour = uint8_t(local.tm_hour);
  Minutes = uint8_t(local.tm_min);
  Seconds = uint8_t(local.tm_sec);
}

// A text that matches none of the forms keeps 0 in every field the reading did not reach.
NvDateTime::NvDateTime(const std::string& text) {
  int f[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
  const char* s = text.c_str();
  if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                  &f[6], &f[7], &f[8]) == 9) {
    Direction = '+';
  } else if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4],
                         &f[5], &f[6], &f[7], &f[8]) == 9) {
    Direction = '-';
  } else {
    for (int& v : f) v = 0;
    std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]);
  }
  Year = uint16_t(f[0]);
  Month = uint8_t(f[1]);
  Day = uint8_t(f[2]);
  Hour = uint8_t(f[3]);
  Minutes = uint8_t(f[4]);
  Seconds = uint8_t(f[5]);
  DeciSeconds = uint8_t(f[6]);
  UtcHours = uint8_t(f[7]);
  UtcMinutes = uint8_t(f[8]);
}

std::string NvDateTime::ToString() const {
  char buf[64];
  if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-')) {
    std::snprintf(buf, sizeof buf, "%u-%u-%u,%u:%u:%u.%u,%c%u:%u", unsigned(Year), unsigned(Month),
                  unsigned(Day), unsigned(Hour), unsigned(Minutes), unsigned(Seconds),
                  unsigned(DeciSeconds), Direction, unsigned(UtcHours), unsigned(UtcMinutes));
  } else {
    std::snprintf(buf, sizeof buf, "%u-%u-%u,%u:%u:%u.%u", unsigned(Year), unsigned(Month),
                  unsigned(Day), unsigned(Hour), unsigned(Minutes), unsigned(Seconds),
                  unsigned(DeciSeconds));
  }
  return buf;
}

std::string NvDateTime::ToStringWithZone() const {
  if (Direction != '+' && Direction != '-') return ToString();
  NvDateTime plain = *this;
  plain.UtcHours = 0;
  plain.UtcMinutes = 0;
  return plain.ToString() + "," + Direction + std::to_string(UtcHours) + ":" + std::to_string(UtcMinutes);
}

namespace {

// Digits only, at most maxDigits of them, as a number no larger than max.
bool ReadField(const std::string& text, size_t& p, size_t maxDigits, unsigned max, unsigned& out) {
  const size_t from = p;
  unsigned v = 0;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9' && p - from < maxDigits) v = v * 10 + unsigned(text[p++] - '0');
  if (p == from || (p < text.size() && text[p] >= '0' && text[p] <= '9') || v > max) return false;
  out = v;
  return true;
}

bool Expect(const std::string& text, size_t& p, char c) {
  if (p >= text.size() || text[p] != c) return false;
  ++p;
  return true;
}

}  // namespace

unsigned NvDateTime::DaysInMonth(unsigned year, unsigned month) {
  static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

bool NvDateTime::ReadExact(const std::string& text, NvDateTime& out, bool& withZone) {
  unsigned y, mo, d, h, mi, s, ds = 0, zh = 0, zm = 0;
  size_t p = 0;
  char direction = '+';
  if (!ReadField(text, p, 5, 65535, y) || y < 1 || !Expect(text, p, '-') || !ReadField(text, p, 2, 12, mo) ||
      mo < 1 || !Expect(text, p, '-') || !ReadField(text, p, 2, 31, d) || d < 1 || d > DaysInMonth(y, mo) ||
      !Expect(text, p, ',') || !ReadField(text, p, 2, 23, h) || !Expect(text, p, ':') ||
      !ReadField(text, p, 2, 59, mi) || !Expect(text, p, ':') || !ReadField(text, p, 2, 59, s))
    return false;
  if (p < text.size() && text[p] == '.' && !(++p, ReadField(text, p, 1, 9, ds))) return false;
  const bool zone = p < text.size();
  if (zone) {
    if (!Expect(text, p, ',') || p >= text.size() || (text[p] != '+' && text[p] != '-')) return false;
    direction = text[p++];
    if (!ReadField(text, p, 2, 14, zh) || !Expect(text, p, ':') || !ReadField(text, p, 2, 59, zm) || p != text.size())
      return false;
  }
  out.Year = uint16_t(y);
  out.Month = uint8_t(mo);
  out.Day = uint8_t(d);
  out.Hour = uint8_t(h);
  out.Minutes = uint8_t(mi);
  out.Seconds = uint8_t(s);
  out.DeciSeconds = uint8_t(ds);
  out.Direction = direction;
  out.UtcHours = uint8_t(zh);
  out.UtcMinutes = uint8_t(zm);
  withZone = zone;
  return true;
}

std::string NvDateTime::WireOctets(bool withZone) const {
  NvDateTime wire = *this;
  wire.SwapYearBytes();
  return std::string(reinterpret_cast<const char*>(wire.Octets()), withZone ? sizeof wire : 8);
}

void NvDateTime::SwapYearBytes() {
  unsigned char* o = Octets();
  std::swap(o[0], o[1]);
}
