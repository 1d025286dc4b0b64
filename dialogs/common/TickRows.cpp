#include "TickRows.h"

#include "FeatureDialog.h"
#include "StdCtrls.h"

void NvTickRows::Add(TCheckBox* box, int var, TWinControl* field) { Rows.push_back({box, var, field}); }

TCheckBox* NvTickRows::PutRow(TFeatureDialog& dialog, const char* boxName, const std::string& caption, int var,
                              TWinControl* field, int top, int fieldLeft, int left) {
  auto* box = dialog.Put<TCheckBox>(&dialog, boxName, left, top + 2, 15, 17);
  dialog.Put<TLabel>(&dialog, "", left + 20, top + 3, 0, 13, caption);
  field->SetBounds(fieldLeft, top, field->GetWidth(), field->GetHeight());
  Add(box, var, field);
  return box;
}

bool NvTickRows::Ticked(const TCheckBox* box) {
  return box && box->GetChecked() && box->GetVisible() && box->GetEnabled();
}

void NvTickRows::TickAll() {
  for (const NvTickRow& row : Rows)
    if (row.Box->GetVisible() && row.Box->GetEnabled()) row.Box->Checked = true;
}

void NvTickRows::ClearAll() {
  for (const NvTickRow& row : Rows) row.Box->Checked = false;
}

bool NvTickRows::IsTicked(int var) const {
  for (const NvTickRow& row : Rows)
    if (row.Var == var && Ticked(row.Box)) return true;
  return false;
}

bool NvTickRows::AnyTicked() const {
  for (const NvTickRow& row : Rows)
    if (Ticked(row.Box)) return true;
  return false;
}

void NvTickRows::LeaveOutUnticked(NvVarFlagsScope& flags) const {
  for (const NvTickRow& row : Rows)
    if (row.Var >= 0 && !Ticked(row.Box)) flags.ExcludeVar(row.Var);
}

NvSetStep NvTickRows::TickedStep() const {
  NvSetStep step;
  for (const NvTickRow& row : Rows)
    if (row.Var >= 0 && Ticked(row.Box)) step.Carries.push_back(row.Var);
  return step;
}

TWinControl* NvTickRows::FirstEmptyTicked() const {
  for (const NvTickRow& row : Rows) {
    if (!row.Field || !Ticked(row.Box)) continue;
    if (auto* edit = dynamic_cast<TCustomEdit*>(row.Field); edit && edit->GetText().empty()) return row.Field;
    if (auto* combo = dynamic_cast<TComboBox*>(row.Field); combo && (combo->ItemIndex < 0 || combo->GetText().empty()))
      return row.Field;
  }
  return nullptr;
}
