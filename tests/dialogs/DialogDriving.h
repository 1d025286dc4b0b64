// Driving a feature dialog's controls as a user would and reading back what the switch holds:
// the list's rows and cells, choosing a row, a picker's boxes, pressing a write button and
// waiting for its re-read, and one object of the switch.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "GuiTesting.h"
#include "NvSNMPRequest.h"
#include "NvSNMPRequest2Edits.h"
#include "StackingPortUitForm.h"
#include "SwitchValues.h"

namespace dialogtest {

inline std::vector<std::string> Captions(TListView* list) {
  std::vector<std::string> captions;
  for (int i = 0; i < list->Items->Count; ++i) captions.push_back(list->Items->Item[i]->Caption);
  return captions;
}

inline TListItem* FindRow(TListView* list, const std::string& caption) {
  for (int i = 0; i < list->Items->Count; ++i)
    if (list->Items->Item[i]->Caption == caption) return list->Items->Item[i];
  return nullptr;
}

// Column 1 is the first sub-item; "(no row)" when the caption is not listed.
inline std::string Cell(TListView* list, const std::string& caption, int column) {
  TListItem* row = FindRow(list, caption);
  return row ? row->SubItems->Get(column - 1) : std::string("(no row)");
}

inline void ChooseRow(TListView* list, const std::string& caption) {
  TListItem* row = FindRow(list, caption);
  ASSERT_NE(row, nullptr) << caption;
  GuiTesting::UserClickItem(list, row);
  ASSERT_EQ(list->Selected(), row);
}

inline void TogglePorts(TStackingPortUitForm* picker, std::initializer_list<int> ports) {
  for (int p : ports) GuiTesting::UserClick(PortBox(picker, p));
}

// Clicks the button and waits until the dialog's writes and its re-read have ended.
inline void PressAndWait(TFeatureDialog* form, TButton* button) {
  GuiTesting::UserClick(button);
  ASSERT_TRUE(GuiTesting::ProcessUntil(
      [&] { return form->DataComplete == 1 && (!form->Table || (!form->Table->Busy && form->Table->Request.PendingReplies == 0)); },
      15000));
}

// A table column's value at one instance as the switch holds it: its text, "" when the row is
// not there.
inline std::string SwitchValue(const std::string& column, const std::string& instance, int syntax) {
  NvSNMPRequest request;
  request.Vars.AddVar(column.c_str(), "v", syntax, NvAccess::readwrite, nullptr);
  request.Vars.Kind = MVT_SV;
  request.Vars.InstanceSuffix = instance;
  bool ok = false;
  request.Get(ok, true);
  const std::string value = *request.Vars.GetVar(0)->Value;
  return ok && value != "(NULL)" ? value : std::string();
}

}  // namespace dialogtest
