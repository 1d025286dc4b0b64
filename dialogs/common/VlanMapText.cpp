#include "VlanMapText.h"

#include "Dialogs.h"
#include "FormHelpers.h"

bool VlanMapTextToBitmap(std::string& text, int chunk) {
  // Unrefused, the text itself would be written as octets into the column.
  const std::string reversed = ReversedVlanRange(text);
  if (!reversed.empty()) {
    ShowMessage("The VLAN range " + reversed + " ends below its start!");
    return false;
  }
  return VlanListToBitmap(text, chunk);  // says so itself when a VLAN is outside the column
}
