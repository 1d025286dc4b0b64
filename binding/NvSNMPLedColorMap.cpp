#include "NvSNMPLedColorMap.h"

int NvSNMPLedColorMapCount(const NvSNMPLedColorMap* source) {
  int count = 0;
  if (source)
    while (source[count].Color != -1) ++count;
  return count;
}

NvSNMPLedColorMapList::NvSNMPLedColorMapList(const NvSNMPLedColorMap* source, uint8_t valueMask,
                                             uint8_t blinkMask, int32_t offColor, int32_t defaultColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), DefaultColor(defaultColor) {
  Append(source);
}

NvSNMPLedColorMapList::~NvSNMPLedColorMapList() { Clear(); }

void NvSNMPLedColorMapList::Append(const NvSNMPLedColorMap* source) {
  const int count = NvSNMPLedColorMapCount(source);
  for (int i = 0; i < count; ++i) Entries.push_back(std::make_unique<NvSNMPLedColorMap>(source[i]));
}

int NvSNMPLedColorMapList::IndexOf(uint8_t state) const {
  for (size_t i = 0; i < Entries.size(); ++i)
    if (uint8_t(Entries[i]->Value & 0xFF) == state) return static_cast<int>(i);
  return -1;
}

int32_t NvSNMPLedColorMapList::GetColor(uint8_t state) const {
  const int i = IndexOf(state);
  return i < 0 ? 0 : Entries[size_t(i)]->Color;
}

void NvSNMPLedColorMapList::Clear() { Entries.clear(); }
