// Checks of an address or number typed into an edit. Each reads the control's text (an
// edit's or combo box's Text, else its Caption). None of them throws: a text that is no
// number is refused like any other bad value.
#pragma once

class TControl;

// A dotted IPv4 address: four parts, each a whole number 0 to 255. Shows
// "Please input a valid IP." when it refuses.
bool CheckIPAddress(TControl* control);
// A dotted IPv4 address whose first part is 224 to 239; no message.
bool IsMulticastIPAddress(TControl* control);
// Exactly 32 hexadecimal digits (an IPv6 address); no message.
bool IsHexKey32(TControl* control);
// Accepts every text.
bool CheckNothing(TControl* control);
// Six groups of two hexadecimal digits separated by "-", ":" or ".", or twelve hexadecimal
// digits; no message.
bool IsMacAddress(TControl* control);
// After IsMacAddress: a group address other than the broadcast address and other than a
// first byte followed by zeros; no message.
bool IsMulticastMacAddress(TControl* control);
// After IsMacAddress: an individual address other than all zeros; no message.
bool IsUnicastMacAddress(TControl* control);
// 0, or 60 to 1000000; shows "Pleaase Input a Number between 60 and 1000000 or 0." when
// it refuses.
bool CheckZeroOr60To1000000(TControl* control);
