// Port pickers embedded in a dialog: made on a container or a new tab page, cleared, freed.
//
//   EgressPicker = CreatePortPicker(this, PN_Egress);                 // unit 1, 64 boxes
//   Table->BindControlList(2, MakePortIndexList(), EgressPicker->CheckBoxes);
#pragma once

#include <string>

#include "StackingPortUitForm.h"

class TComponent;
class TWinControl;

// A picker owned by owner, filling container: one page "Unit1" of ports boxes in rows of
// columns, the model's port count of them visible. Throws Exception with "Memory alloc
// problem!" when it cannot be made.
TStackingPortUitForm* CreatePortPicker(TComponent* owner, TWinControl* container, int columns = 12, int ports = 64);
// A picker owned by owner on a new visible tab of pages captioned caption, of ports boxes.
TStackingPortUitForm* CreatePortPickerPage(TComponent* owner, const std::string& caption, TPageControl* pages,
                                           int ports = 64);
// Empties and frees the picker's two lists, then the picker; picker becomes null.
void FreePortPicker(TStackingPortUitForm*& picker);
