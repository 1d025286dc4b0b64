#include "PortPickers.h"

#include <new>

#include "Exception.h"
#include "FeatureDialog.h"

TStackingPortUitForm* CreatePortPicker(TComponent* owner, TWinControl* container, int columns, int ports) {
  TStackingPortUitForm* picker = nullptr;
  try {
    picker = new TStackingPortUitForm(owner);
  } catch (const std::bad_alloc&) {
    throw Exception(NvDialogText::MemoryAllocProblem);
  }
  picker->Parent = container;
  picker->Align = alClient;
  picker->Show();
  picker->AddUnitPage("Unit1", 1, ports, columns, 0);
  picker->ShowUnit("1", ModelName, 1, GetModelPortCount(ModelName), columns);
  return picker;
}

TStackingPortUitForm* CreatePortPickerPage(TComponent* owner, const std::string& caption, TPageControl* pages,
                                           int ports) {
  if (ports != 64) {
    auto* sheet = new TTabSheet(pages);
    sheet->PageControl = pages;
    sheet->Caption = caption;
    sheet->TabVisible = true;
    return CreatePortPicker(owner, sheet, 12, ports);
  }
  TStackingPortUitForm* picker = nullptr;
  try {
    picker = new TStackingPortUitForm(owner);
  } catch (const std::bad_alloc&) {
    throw Exception(NvDialogText::MemoryAllocProblem);
  }
  AddStackingPortPage(caption, picker, pages);
  return picker;
}

void FreePortPicker(TStackingPortUitForm*& picker) {
  if (!picker) return;
  // The boxes and sheets belong to the picker's own controls and go with it.
  for (TList** list : {&picker->CheckBoxes, &picker->UnitSheets}) {
    if (!*list) continue;
    (*list)->Clear();
    delete *list;
    *list = nullptr;
  }
  delete picker;
  picker = nullptr;
}
