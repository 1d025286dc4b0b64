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
  // The text with its offset even when that is 0:0, so that it reads back as eleven octets.
  std::string ToStringWithZone() const;
  void SwapYearBytes();

  // A typed clock, read whole: "2026-12-10,9:00:00.0", with an offset "...,+8:0" or
  // without the tenths "2026-12-10,9:00:00". Only a real calendar date (years 1 to 65535)
  // and time of day with an offset of at most 14:59 is read; any other text gives false and
  // leaves out as it was. withZone tells whether the text gave an offset. A leap second
  // (second 60) is refused: a clock set by hand never needs one, and it would be written
  // as the 60th second of any minute.
  static bool ReadExact(const std::string& text, NvDateTime& out, bool& withZone);
  // Days of the month in the Gregorian calendar (month 1 to 12).
  static unsigned DaysInMonth(unsigned year, unsigned month);
  // The wire octets: eight without an offset, eleven with one, the year first byte first.
  std::string WireOctets(bool withZone) const;

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
