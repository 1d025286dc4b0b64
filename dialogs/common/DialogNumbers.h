// Whole decimal numbers typed into the dialogs' edits, as the runtime's strict conversion
// reads them: an optional sign and digits, nothing else.
//
//   const int port = TextToIntDef(PortEdit->Text, -1);   // -1 for "", "x", "1a"
//   const int age = TextToInt(ET_AgingTime->Text);       // Exception for those
#pragma once

#include <string>

// Throws Exception "'<text>' is not a valid integer value" for anything else.
int TextToInt(const std::string& text);
int TextToIntDef(const std::string& text, int fallback);
