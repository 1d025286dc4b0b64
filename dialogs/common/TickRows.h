// The rows of a settings dialog that each have a tick box in front of them: Check All and
// Clear All over the boxes, and a write that carries only the ticked rows' variables.
//
//   Rows.Add(CheckBox_TimeState, 0, CBox_TimeSate);
//   Rows.Add(CheckBox_Server1IP, 2, ED_Server1IPAddress);
//   ...
//   void TMyForm::CheckAllClick(TObject*) { Rows.TickAll(); }
//   void TMyForm::SetClick(TObject*) {
//     NvVarFlagsScope flags(Request->Request.Vars);
//     Rows.LeaveOutUnticked(flags);              // an unticked row is neither read nor written
//     Request->Set(true, true);
//   }                                            // access words back on every path
//
// A box that is hidden or disabled never counts as ticked and Check All leaves it alone: a
// write carries only rows the user can see and has chosen.
#pragma once

#include <string>
#include <vector>

#include "PartialSet.h"

class TCheckBox;
class TFeatureDialog;
class TLabel;
class TWinControl;

struct NvTickRow {
  TCheckBox* Box = nullptr;
  int Var = -1;                  // the request's variable; -1 when the row writes by other means
  TWinControl* Field = nullptr;  // its value control (empty-field checks, focus)
};

class NvTickRows {
 public:
  std::vector<NvTickRow> Rows;

  void Add(TCheckBox* box, int var, TWinControl* field = nullptr);
  // A row laid out on the dialog: its box at left, the caption beside it and the field moved
  // to fieldLeft (keeping its size), all on the line at top; the box is returned.
  TCheckBox* PutRow(TFeatureDialog& dialog, const char* boxName, const std::string& caption, int var,
                    TWinControl* field, int top, int fieldLeft, int left = 8);
  // Check All: every box the user can use is ticked.
  void TickAll();
  // Clear All: every box unticked, hidden ones included.
  void ClearAll();
  // Checked, shown and enabled.
  static bool Ticked(const TCheckBox* box);
  bool IsTicked(int var) const;
  bool AnyTicked() const;
  // Every row not ticked has its variable left out of the next request.
  void LeaveOutUnticked(NvVarFlagsScope& flags) const;
  // The variables of the ticked rows, in row order.
  NvSetStep TickedStep() const;
  // The first ticked row whose field is empty (an edit without text, a combo box without a
  // choice); null when there is none.
  TWinControl* FirstEmptyTicked() const;
};
