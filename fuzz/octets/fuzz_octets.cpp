// Value texts as bytes: received or typed value texts of every syntax turned into bytes and
// back, fields cut out and written at any offset, values split over edits and joined, bit
// positions, and port lists typed by the user. Failures must be the program's Exception.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Exception.h"
#include "FuzzSupport.h"
#include "NvSNMPVar.h"
#include "NvValueOctets.h"

namespace {

const int kSyntaxes[] = {
    NvSyntax::boolean,    NvSyntax::integer,  NvSyntax::bitstr,      NvSyntax::octetstr,  NvSyntax::null,
    NvSyntax::objectid,   NvSyntax::ipaddress, NvSyntax::counter,    NvSyntax::guage,     NvSyntax::timeticks,
    NvSyntax::opaque,     NvSyntax::nsapaddr, NvSyntax::counter64,   NvSyntax::uinteger,  NvSyntax::double_,
    NvSyntax::macaddress, NvSyntax::datetime, NvSyntax::bcdatetime,  NvSyntax::displaystr, NvSyntax::ipv6address,
    NvSyntax::bitlist,    NvSyntax::inetaddress, NvSyntax::bool8,    NvSyntax::int8,      NvSyntax::uint8,
    NvSyntax::bool16,     NvSyntax::int16,    NvSyntax::uint16,      0,                   99,
};
constexpr size_t kSyntaxCount = sizeof kSyntaxes / sizeof kSyntaxes[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const uint8_t mode = in.Byte();
  const int syntax = kSyntaxes[in.Byte() % kSyntaxCount];
  try {
    switch (mode % 6) {
      case 0: {  // text to bytes and back
        const NvOctets bytes = NvValueTextToOctets(in.Rest(), syntax);
        NvOctetsToValueText(bytes, syntax);
        break;
      }
      case 1: {  // bytes to text and back
        const std::string raw = in.Rest();
        const std::string text = NvOctetsToValueText(NvOctets(raw.begin(), raw.end()), syntax);
        NvValueTextToOctets(text, syntax);
        break;
      }
      case 2: {  // fields at an offset
        const int offset = int(int8_t(in.Byte()));
        const std::string raw = in.Bytes(64);
        NvOctets value(raw.begin(), raw.end());
        const NvOctets field = NvExtractField(value, offset, syntax);
        if (offset >= 0) NvWriteField(value, offset, field);
        break;
      }
      case 3: {  // a value over several edits
        const int controls = in.Byte() % 10;
        std::vector<std::string> parts;
        if (NvValueToParts(in.Bytes(64), syntax, controls, parts)) NvPartsToValue(parts, syntax);
        std::vector<std::string> typed;
        for (int i = in.Byte() % 10; i > 0; --i) typed.push_back(in.Bytes(24));
        NvPartsToValue(typed, syntax);
        break;
      }
      case 4: {  // bit positions
        const std::string raw = in.Bytes(32);
        const std::vector<int> positions = NvParsePositions(in.Bytes(64));
        std::vector<bool> bits;
        NvReadBits(NvOctets(raw.begin(), raw.end()), positions, bits);
        if (std::all_of(positions.begin(), positions.end(), [](int p) { return p >= 0 && p < 4096; }))
          NvCollectBits(positions, std::vector<bool>(positions.size(), true));
        break;
      }
      default: {  // port lists typed by the user, bitmaps read from the switch
        const std::string current = in.Bytes(64);
        const std::string list = in.Rest();
        std::string out;
        NvPortListToBitmap(list, current, out);
        NvPortBitmapToList(current, true);
        NvPortBitmapToList(list, false);
        NvBitmapOfPortCell(list);
        break;
      }
    }
  } catch (const Exception&) {
    // refused with the program's own error
  }
  return 0;
}
