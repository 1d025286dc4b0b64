// Filling and selecting the window layer's choice controls from an option list; kept apart
// so that the list itself needs no window layer.
#include "ExtCtrls.h"
#include "NvOptionList.h"
#include "StdCtrls.h"

namespace {

void FillItems(const NvOptionList& list, TStrings* items) {
  items->BeginUpdate();
  items->Clear();
  for (int i = 0; i < list.GetCount(); ++i) items->Add(list.GetOption(i).Name);
  items->EndUpdate();
}

// Names first, then values; -1 leaves nothing selected.
int IndexToSelect(const NvOptionList& list, const std::string& text) {
  const int i = list.FindName(text);
  return i >= 0 ? i : list.FindValue(text);
}

}  // namespace

void NvOptionList::FillComboBox(TComboBox* combo) const { FillItems(*this, combo->Items); }

void NvOptionList::SelectInComboBox(TComboBox* combo, const std::string& text) const {
  const int i = IndexToSelect(*this, text);
  combo->ItemIndex = i < combo->Items->Count ? i : -1;  // a list not filled from this one
}

void NvOptionList::FillRadioGroup(TRadioGroup* group) const { FillItems(*this, group->Items); }

void NvOptionList::SelectInRadioGroup(TRadioGroup* group, const std::string& text) const {
  const int i = IndexToSelect(*this, text);
  group->ItemIndex = i < group->Items->Count ? i : -1;
}
