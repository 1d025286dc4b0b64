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

void NvDateTime::SwapYearBytes() {
  unsigned char* o = Octets();
  std::swap(o[0], o[1]);
}
