// The eleven octets of an SNMPv2-TC DateAndTime. The year is held in the processor's byte
// order; SwapYearBytes turns it to or from the wire's most-significant-first order.
//   NvDateTime t("2011-3-4,13:30:15.0,-4:0");  t.ToString() == "2011-3-4,13:30:15.0,-4:0"
#pragma once

#include <cstdint>
#include <string>

#pragma pack(push, 1)
class NvDateTime {
 public:
  NvDateTime();                             // now, local time, offset +0:0
  explicit NvDateTime(const std::string& text);
  NvDateTime(const NvDateTime&) = default;
  NvDateTime& operator=(const NvDateTime&) = default;

  std::string ToString() const;
  void SwapYearBytes();

  const unsigned char* Octets() const { return reinterpret_cast<const unsigned char*>(this); }
  unsigned char* Octets() { return reinterpret_cast<unsigned char*>(this); }

  uint16_t Year = 0;
  uint8_t Month = 0;
  uint8_t Day = 0;
  uint8_t Hour = 0;
  uint8_t Minutes = 0;
  uint8_t Seconds = 0;
  uint8_t DeciSeconds = 0;
  char Direction = '+';
  uint8_t UtcHours = 0;
  uint8_t UtcMinutes = 0;
};
#pragma pack(pop)

static_assert(sizeof(NvDateTime) == 11, "NvDateTime must be the eleven DateAndTime octets");
