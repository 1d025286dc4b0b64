// Value texts as raw bytes: fields packed at byte offsets, values spread over several edits,
// single bits bound to check boxes, and the port list texts of port bitmaps.
//
//   NvOctets v = NvValueTextToOctets("00000000", NvSyntax::octetstr);
//   NvWriteField(v, 2, NvValueTextToOctets("300", NvSyntax::int16));   // 0000012C
//   std::string ports = NvPortBitmapToList("F9000000", true);          // "1-5,8[F9000000]"
//
// Conversions throw Exception with the nvsnmp.err text and the code as HelpContext: -511
// syntax without conversion, -518 too few bytes, -519 field past the end, -522 too few
// controls. The bit and port-list readers return a status instead, so that a selection
// handler never has an exception to leak.
#pragma once

#include <string>
#include <vector>

using NvOctets = std::vector<unsigned char>;

// The bytes a value text stands for, by syntax ("(NULL)" gives none).
NvOctets NvValueTextToOctets(const std::string& text, int syntax);
// The value text of value bytes (no bytes give "(NULL)").
std::string NvOctetsToValueText(const NvOctets& bytes, int syntax);
// A field of the syntax runs from its offset to the end of the value (octet strings, object
// identifiers, display strings).
bool NvIsRunToEnd(int syntax);
// The bytes of a field of the syntax at the offset; throws -519 when it does not fit.
NvOctets NvExtractField(const NvOctets& value, int offset, int syntax);
// Writes the field's bytes at the offset, first extending the value with zero bytes when it
// is too short; bytes after the field keep their contents.
void NvWriteField(NvOctets& value, int offset, const NvOctets& field);

// A value spread over several edits, one per conversion of the edit's value format.
// Fills parts with one text per control (at most controlCount) and returns true; returns
// false when the controls are to stay as they are (a "(NULL)" value of a syntax that marks
// it). Throws -522 when the syntax needs more controls than controlCount.
bool NvValueToParts(const std::string& value, int syntax, int controlCount, std::vector<std::string>& parts);
// Joins the controls' texts into the value text of the syntax; throws -522 when there are
// too few of them.
std::string NvPartsToValue(const std::vector<std::string>& parts, int syntax);

// Bit positions from a ","-separated text such as "0,1,2" (an empty text gives none).
std::vector<int> NvParsePositions(const std::string& text);
// Bit p: byte p / 8, mask 0x80 >> (p % 8). Fills bits with one flag per position and
// returns NvErr::Ok, or NvErr::PartialIndexRange (-519) when some position lies past the
// end of the value; those positions read as cleared.
int NvReadBits(const NvOctets& value, const std::vector<int>& positions, std::vector<bool>& bits);
// The field that check boxes collect: starts with no bytes, extended with zero bytes up to
// each position's byte, the bit set or cleared by its flag.
NvOctets NvCollectBits(const std::vector<int>& positions, const std::vector<bool>& bits);

// Port bitmap (hexadecimal, port 1 = bit 0x80 of the first byte) to "1-5,8"; "0" when no
// port is set; withHex appends the hexadecimal text in brackets: "1-5,8[F9000000]".
std::string NvPortBitmapToList(const std::string& hexBitmap, bool withHex);
// Port list text ("1-5,8", "all") to a lower-case bitmap of as many digits as current has;
// false, with out untouched, when a port lies outside the bitmap or a range runs backwards.
bool NvPortListToBitmap(const std::string& list, const std::string& current, std::string& out);
// The hexadecimal text between the first "[" and the first "]" of a list-view port cell.
std::string NvBitmapOfPortCell(const std::string& cell);
