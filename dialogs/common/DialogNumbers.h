// Whole decimal numbers typed into the dialogs' edits, as the runtime's strict conversion
// reads them: an optional sign and digits, nothing else. A value sent to the switch is read
// with its range, so that a text outside it is refused rather than sent:
//
//   if (!NumberInRangeTyped(edtVid, 1, 4094, "VLAN ID should between 1-4094")) return;
//   const int age = TextToInt(ET_AgingTime->Text);       // Exception for "", "x", "1a"
//   const int port = NumberOrMinusOne(PortEdit->Text);   // -1 for those: compare, never send
#pragma once

#include <optional>
#include <string>

#include "Exception.h"

// The conversion error: "'<text>' is not a valid integer value".
Exception NotAValidInteger(const std::string& text);
// Throws NotAValidInteger(text) for anything but a whole number.
int TextToInt(const std::string& text);
int TextToIntDef(const std::string& text, int fallback);
// A text that is no number counts as -1.
inline int NumberOrMinusOne(const std::string& text) { return TextToIntDef(text, -1); }

// The number the text holds when it lies within [low, high]: digits only, "-" before a
// negative one; no blank, no "+", no other character. nullopt otherwise.
std::optional<int> NumberInRange(const std::string& text, int low, int high);
// One of the model's ports (1 to its port count), as NumberInRange reads it.
std::optional<int> ModelPort(const std::string& text);

class TCustomEdit;

// The edit's text as NumberInRange reads it; otherwise the message in a box, the focus to the
// edit (when it can take it) and false.
bool NumberInRangeTyped(TCustomEdit* edit, int low, int high, const std::string& message);
// The same for one of the model's ports.
bool ModelPortTyped(TCustomEdit* edit, const std::string& message);
