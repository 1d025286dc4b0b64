// LED colour maps: the state byte of a front-panel LED to a window colour (0x00BBGGRR), with
// the bits that make it blink. The data modules build them at start-up from static arrays:
//
//   static const NvSNMPLedColorMap PortColors[] = {{0, 0x000000}, {2, 0x00FF00}, {0, -1}};
//   LedMapPort = new NvSNMPLedColorMapList(PortColors, 7, 0x80, 0, 0);
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// One {state value, colour} pair; a static array ends with the first colour -1.
struct NvSNMPLedColorMap {
  int32_t Value;  // only the low 8 bits are compared
  int32_t Color;
};

// Pairs before the first colour -1; 0 for a null array.
int NvSNMPLedColorMapCount(const NvSNMPLedColorMap* source);

class NvSNMPLedColorMapList {
 public:
  NvSNMPLedColorMapList(const NvSNMPLedColorMap* source, uint8_t valueMask, uint8_t blinkMask,
                        int32_t offColor, int32_t defaultColor);
  ~NvSNMPLedColorMapList();
  NvSNMPLedColorMapList(const NvSNMPLedColorMapList&) = delete;
  NvSNMPLedColorMapList& operator=(const NvSNMPLedColorMapList&) = delete;

  void Append(const NvSNMPLedColorMap* source);
  // The first entry whose state matches the byte; -1 when none.
  int IndexOf(uint8_t state) const;
  // Its colour; black (0) when no entry matches.
  int32_t GetColor(uint8_t state) const;
  void Clear();
  int32_t GetCount() const { return static_cast<int32_t>(Entries.size()); }

  uint8_t ValueMask;
  uint8_t BlinkMask;
  int32_t OffColor;
  int32_t DefaultColor;  // -1: none
  std::vector<std::unique_ptr<NvSNMPLedColorMap>> Entries;
};
