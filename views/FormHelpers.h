// Helpers that the feature dialogs share: deleting a row through its row-status column,
// resetting, disabling and enabling every edit, combo box and check box of a window, and
// VLAN list texts to and from the 512-VLAN bitmap chunks of the spanning-tree and ring tables.
//
//   if (VlanListToBitmap(text, 1)) ...   // "513-520" -> FF000000...; 128 hex digits
//   Edit2->Text = BitmapToVlanList(hex, 1, false);
#pragma once

#include <array>
#include <string>

class NvSNMPRequest2Edits;
class TComponent;

// Whether a Delete may go on: a row of the binding's list is selected and no walk of its
// request runs ("Get data not complete" then).
bool DeleteRowAllowed(NvSNMPRequest2Edits* binding);
// Asks "Are you sure to delete it?"; on OK writes deleteValue into the variable statusColumn
// of the selected row, read back into the variables just before (every other column left out
// of the SET), then reads the list again. Nothing is sent without a selected row or while a
// walk runs. A failed SET is shown through the binding.
void ConfirmDeleteRow(NvSNMPRequest2Edits* binding, int statusColumn, const std::string& deleteValue);

// For the components the owner owns directly: edits emptied, combo boxes emptied with item 0
// selected, check boxes unchecked when checks is true and checked when it is false.
void ResetFormControls(TComponent* owner, bool edits, bool combos, bool checks);
// The flagged kinds disabled (edits and combo boxes greyed) or enabled again.
void DisableFormControls(TComponent* owner, bool edits, bool combos, bool checks);
void EnableFormControls(TComponent* owner, bool edits, bool combos, bool checks);

// One flag per VLAN of a chunk: entry k is VLAN 512 * chunk + k + 1.
using NvVlanFlags = std::array<int, 512>;
extern NvVlanFlags VlanFlags;

// Parses a ","-separated list of VLAN numbers and ranges "a-b" of chunk (0 to 7) into
// VlanFlags; "0" is the empty list. Returns false for a reversed range, and for a VLAN outside
// the chunk after saying so in a message box. A number that is not a whole number throws
// Exception.
bool ParseVlanList(const std::string& text, int chunk);
// The first item "a-b" of the list whose end is below its start; "" when there is none. A
// number that is not a whole number throws Exception.
std::string ReversedVlanRange(const std::string& text);
// On success replaces text with the chunk's 64-byte bitmap as 128 upper-case hex digits;
// otherwise leaves it as typed and returns false.
bool VlanListToBitmap(std::string& text, int chunk);
// The VLANs set in the bitmap of chunk as a list text ("0" when none); with bracket the hex
// text follows in "[" "]".
std::string BitmapToVlanList(const std::string& hex, int chunk, bool bracket);
