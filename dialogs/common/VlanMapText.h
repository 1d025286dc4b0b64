// VLAN-range texts of the 512-VLAN map columns (VLAN maps of spanning-tree instances and
// rings), checked before anything is sent.
//
//   std::string text = VLANRangeEdit2->Text;
//   if (!VlanMapTextToBitmap(text, 1)) return;     // message shown; nothing to send
#pragma once

#include <string>

// On success text becomes the column's 128 hexadecimal digits. A reversed range ("10-5") or a
// VLAN outside the column is refused with a message and the text kept; a number that is not
// a whole number throws Exception.
bool VlanMapTextToBitmap(std::string& text, int chunk);
