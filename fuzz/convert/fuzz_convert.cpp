// Value and index conversions on their own: the text of a received value for every syntax,
// the value sent for a typed text, and index columns of every index type decoded from an
// arbitrary OID suffix. Failures must be the program's own Exception, never anything else.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Exception.h"
#include "FuzzSupport.h"
#include "NvOptionList.h"
#include "NvSNMPConvert.h"
#include "NvSNMPRequest.h"

namespace {

const int kSyntaxes[] = {
    NvSyntax::boolean,   NvSyntax::integer,   NvSyntax::bitstr,      NvSyntax::octetstr,   NvSyntax::null,
    NvSyntax::objectid,  NvSyntax::ipaddress, NvSyntax::counter,     NvSyntax::guage,      NvSyntax::timeticks,
    NvSyntax::opaque,    NvSyntax::nsapaddr,  NvSyntax::counter64,   NvSyntax::uinteger,   NvSyntax::double_,
    NvSyntax::macaddress, NvSyntax::datetime, NvSyntax::bcdatetime,  NvSyntax::displaystr, NvSyntax::ipv6address,
    NvSyntax::bitlist,   NvSyntax::inetaddress, NvSyntax::bool8,     NvSyntax::int16,      0, 99,
};
constexpr size_t kSyntaxCount = sizeof kSyntaxes / sizeof kSyntaxes[0];

const int kVbSyntaxes[] = {sNMP_SYNTAX_INT,       sNMP_SYNTAX_OCTETS,    sNMP_SYNTAX_NULL,      sNMP_SYNTAX_OID,
                           sNMP_SYNTAX_IPADDR,    sNMP_SYNTAX_CNTR32,    sNMP_SYNTAX_GAUGE32,   sNMP_SYNTAX_TIMETICKS,
                           sNMP_SYNTAX_OPAQUE,    sNMP_SYNTAX_NSAPADDR,  sNMP_SYNTAX_CNTR64,    sNMP_SYNTAX_UINT32,
                           sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE, sNMP_SYNTAX_ENDOFMIBVIEW};
constexpr size_t kVbSyntaxCount = sizeof kVbSyntaxes / sizeof kVbSyntaxes[0];

const NvOptionPair kIntOptions[] = {{1, "enabled"}, {2, "disabled"}, {-1, "minus"}, {0, nullptr}};
const NvOptionTextPair kTextOptions[] = {{"00", "none"}, {"0A", "ten"}, {"", "empty"}, {nullptr, nullptr}};

NvOptionList* Options(uint8_t choice) {
  static NvOptionList ints(kIntOptions);
  static NvOptionList texts(kTextOptions, NvOptionList::TextValues);
  static NvOptionList prefixes(kTextOptions, NvOptionList::TextPrefixes);
  switch (choice % 4) {
    case 1: return &ints;
    case 2: return &texts;
    case 3: return &prefixes;
    default: return nullptr;
  }
}

Vb ReceivedVb(fuzz::Input& in) {
  Vb vb(Oid("1.3.6.1.4.1.32473.1.0"));
  const int syntax = kVbSyntaxes[in.Byte() % kVbSyntaxCount];
  switch (syntax) {
    case sNMP_SYNTAX_INT: vb.set_value(int32_t(in.U32())); break;
    case sNMP_SYNTAX_CNTR32: case sNMP_SYNTAX_GAUGE32: case sNMP_SYNTAX_TIMETICKS: case sNMP_SYNTAX_UINT32:
      vb.set_syntax(syntax);
      vb.set_value(uint32_t(in.U32()));
      break;
    case sNMP_SYNTAX_CNTR64: {
      const uint32_t hi = in.U32();
      vb.set_value(Counter64(hi, in.U32()));
      break;
    }
    case sNMP_SYNTAX_OCTETS: case sNMP_SYNTAX_OPAQUE: case sNMP_SYNTAX_NSAPADDR:
      vb.set_syntax(syntax);
      vb.set_value(OctetStr(in.Bytes(64)));
      break;
    case sNMP_SYNTAX_IPADDR: {
      const std::string four = in.Bytes(4);
      vb.set_value(IpAddress(OctetStr(four + std::string(4 - four.size(), '\0'))));
      break;
    }
    case sNMP_SYNTAX_OID: {
      std::vector<uint32_t> ids(in.Byte() % 40);
      for (auto& id : ids) id = in.SubId();
      vb.set_value(Oid(ids));
      break;
    }
    case sNMP_SYNTAX_NULL: vb.set_null(); break;
    default: vb.set_syntax(syntax); break;
  }
  return vb;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const uint8_t mode = in.Byte();
  const int syntax = kSyntaxes[in.Byte() % kSyntaxCount];
  const uint8_t flags = in.Byte();
  const int access = NvAccess::readwrite | ((flags & 1) ? NvAccess::implied : 0);
  NvOptionList* options = Options(flags >> 1);
  NvSNMPRequest req;
  req.Vars.AddVar("1.3.6.1.4.1.32473.1", "v", syntax, access, options);
  NvSNMPVar& var = *req.Vars.GetVar(0);

  try {
    switch (mode % 4) {
      case 0: {  // a received value, directly and as the request stores it
        const Vb vb = ReceivedVb(in);
        NvVbToText(var, vb);
        req.StoreVb(0, vb);
        break;
      }
      case 1: {  // a typed text turned into the value sent
        *var.Value = in.Rest();
        Vb vb(Oid("1.3.6.1.4.1.32473.1.0"));
        vb.set_syntax(syntax);
        NvTextToVb(var, vb);
        req.LoadVb(0, vb);
        break;
      }
      case 2: {  // index columns of a row suffix, as the request decodes them
        NvSNMPRequest row;
        const int columns = 1 + in.Byte() % 3;
        for (int c = 0; c < columns; ++c) {
          const uint8_t f = in.Byte();
          row.Vars.AddVar(" ", "index", kSyntaxes[in.Byte() % kSyntaxCount],
                          NvAccess::readonly | ((f & 1) ? NvAccess::implied : 0), Options(f >> 1));
        }
        row.Vars.AddVar("1.3.6.1.4.1.32473.2", "value", NvSyntax::integer, NvAccess::readwrite, nullptr);
        row.Vars.IndexCount = columns;
        row.Vars.Kind = MVT_FMV;
        std::vector<uint32_t> ids(in.Byte() % 48);
        for (auto& id : ids) id = in.SubId();
        row.DecodeRowIndex(NvJoinIds(ids));
        // What was decoded encodes again without failing.
        row.RowIndexSuffix();
        break;
      }
      default: {  // one index column on its own, then its encoding
        std::vector<uint32_t> ids(in.Byte() % 48);
        for (auto& id : ids) id = in.SubId();
        size_t pos = std::min<size_t>(in.Byte() % 4, ids.size());  // callers start inside the suffix
        const size_t start = pos;
        const std::string text = NvDecodeIndexValue(var, (flags & 0x80) != 0, ids, pos);
        if (pos < start || pos > ids.size()) __builtin_trap();  // consumed past the end
        *var.Value = text;
        NvEncodeIndexValue(var, (flags & 0x80) != 0);
        break;
      }
    }
  } catch (const Exception&) {
    // refused with the program's own error
  }

  // The plain text readers used by the conversions.
  const std::string text = in.Rest();
  try { NvReadInt32(text); } catch (const Exception&) {}
  try { NvReadUInt32(text); } catch (const Exception&) {}
  try { NvReadUInt64(text); } catch (const Exception&) {}
  std::vector<uint32_t> ids;
  NvSplitIds(text, ids);
  TimeTicks(text.c_str()).get_printable();
  IpAddress(text.c_str()).get_printable();
  Oid(text.c_str()).get_printable();
  OctetStr::from_hex_string(OctetStr(text)).get_printable_hex();
  try { NvTextToDateTimeReal(text); } catch (const Exception&) {}
  return 0;
}
