// Whole decimal numbers typed into the dialogs' edits, as the runtime's strict conversion
// reads them: an optional sign and digits, nothing else.
//
//   const int port = NumberOrMinusOne(PortEdit->Text);   // -1 for "", "x", "1a"
//   const int age = TextToInt(ET_AgingTime->Text);       // Exception for those
#pragma once

#include <string>

#include "Exception.h"

// The conversion error: "'<text>' is not a valid integer value".
Exception NotAValidInteger(const std::string& text);
// Throws NotAValidInteger(text) for anything but a whole number.
int TextToInt(const std::string& text);
int TextToIntDef(const std::string& text, int fallback);
// A text that is no number counts as -1.
inline int NumberOrMinusOne(const std::string& text) { return TextToIntDef(text, -1); }
