// Reading and choosing the rows of a dialog's list, and reading the switch's own values, for
// the tests of the table dialogs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "GuiTesting.h"
#include "NvSNMPRequest.h"

namespace dialogtest {

// How long a test waits for a walk or a write: generous, for a slow machine and the sanitizers.
inline constexpr int kLongWait = 60000;

// A row's cells as the list shows them: the caption, then the sub-items.
inline std::vector<std::string> Cells(TListItem* item) {
  std::vector<std::string> cells{item->Caption};
  for (int i = 0; i < item->SubItems->Count; ++i) cells.push_back(item->SubItems->Get(i));
  return cells;
}

// The first row whose leading cells are keys; null when none is.
inline TListItem* FindRow(TListView* list, const std::vector<std::string>& keys) {
  for (int i = 0; i < list->Items->Count; ++i) {
    const std::vector<std::string> cells = Cells(list->Items->Item[i]);
    if (cells.size() >= keys.size() && std::equal(keys.begin(), keys.end(), cells.begin())) return list->Items->Item[i];
  }
  return nullptr;
}

// The cells of that row; empty when there is none.
inline std::vector<std::string> RowCells(TListView* list, const std::vector<std::string>& keys) {
  TListItem* row = FindRow(list, keys);
  return row ? Cells(row) : std::vector<std::string>{};
}

// Clicks the row as a user would.
inline void ChooseRow(TListView* list, const std::vector<std::string>& keys) {
  TListItem* row = FindRow(list, keys);
  ASSERT_NE(row, nullptr) << keys.front();
  row->MakeVisible();  // scrolled to, as a user would before clicking it
  GuiTesting::UserClickItem(list, row);
  ASSERT_EQ(list->Selected(), row);
}

// The value text the switch holds for column.suffix ("" when it has none).
inline std::string SwitchValue(const std::string& column, const std::string& suffix, int syntax) {
  NvSNMPRequest request;
  request.Vars.AddVar(column.c_str(), "v", syntax, NvAccess::readwrite, nullptr);
  request.Vars.Kind = MVT_SV;
  request.Vars.InstanceSuffix = suffix;
  bool ok = false;
  request.Get(ok, true);
  const std::string value = *request.Vars.GetVar(0)->Value;
  return ok && value != "(NULL)" ? value : std::string();
}

}  // namespace dialogtest
