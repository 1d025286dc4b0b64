#include "Basicform.h"

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "ExtCtrls.h"
#include "StackingPortUitForm.h"
#include "StdCtrls.h"

namespace {

TControl* Entry(TList* list, int k) { return static_cast<TControl*>(list->Get(k)); }

bool ControlEmpty(TWinControl* control) {
  if (auto* edit = dynamic_cast<TCustomEdit*>(control)) return edit->GetText().empty();
  if (auto* combo = dynamic_cast<TComboBox*>(control)) return combo->GetText().empty();
  return control->GetCaption().empty();
}

}  // namespace

void ScaleFormForDpi(TForm* form) {
  if (Screen->PixelsPerInch == 96) return;
  form->Width = static_cast<int>(form->Width * 1.25);
  form->Height = static_cast<int>(form->Height * 1.25);
}

TBasicForm::TBasicForm(TComponent* AOwner, int width, int height) : TBasicForm(AOwner) {
  Width = width;
  Height = height;
  ScaleFormForDpi(this);
  Position = poMainFormCenter;
}

TBasicForm::TBasicForm(TComponent* AOwner) : TForm(AOwner) {
  for (int k = 0; k < 64; ++k) PortIndexList += (k ? "," : "") + std::to_string(k);
  IncludeControls = new TList;
  BoundControls = new TList;
}

TBasicForm::~TBasicForm() {
  delete IncludeControls;
  delete BoundControls;
}

void TBasicForm::CreatePortPicker(TPanel* host, int columns, int units) {
  try {
    PortPicker = new TStackingPortUitForm(this);
  } catch (const std::bad_alloc&) {
    ShowMessage("Memory alloc problem!");
    Close();
    return;
  }
  PortPicker->Parent = host;
  PortPicker->Align = alClient;
  PortPicker->Show();
  for (int unit = 1; unit <= units; ++unit)
    PortPicker->AddUnitPage("Unit" + std::to_string(unit), 1 + 64 * (unit - 1), 64, columns, 0);
  PortPicker->ShowUnit("1", ModelName, 1, GetModelPortCount(ModelName), 0);
}

bool TBasicForm::CheckPortSelected() {
  int checked = 0;
  for (int k = 0; PortPicker && k < 64 && k < PortPicker->CheckBoxes->Count; ++k)
    if (static_cast<TCheckBox*>(PortPicker->CheckBoxes->Get(k))->Checked) ++checked;
  if (checked > 0) return true;
  ShowMessage("You must choose at least 1 port!");
  return false;
}

bool TBasicForm::CheckRequiredIfChecked(TCheckBox* box, TWinControl* control, const std::string& message) {
  if (!box->Checked || !ControlEmpty(control)) return true;
  ShowMessage(message);
  if (control->Enabled) ActiveControl = control;
  return false;
}

bool TBasicForm::CheckRequired(TWinControl* control, const std::string& message) {
  if (!control || !ControlEmpty(control)) return true;
  ShowMessage(message);
  if (control->Enabled) ActiveControl = control;
  return false;
}

void TBasicForm::ResetControls(TList* controls) {
  for (int k = 0; k < controls->Count; ++k) {
    if (auto* combo = dynamic_cast<TComboBox*>(Entry(controls, k))) combo->ItemIndex = 0;
    else if (auto* edit = dynamic_cast<TEdit*>(Entry(controls, k))) edit->Text = "";
  }
}

void TBasicForm::UncheckAll(TList* controls) {
  for (int k = 0; k < controls->Count; ++k)
    if (auto* box = dynamic_cast<TCheckBox*>(Entry(controls, k))) box->Checked = false;
}

void TBasicForm::CheckAllEnabled(TList* controls) {
  for (int k = 0; k < controls->Count; ++k)
    if (auto* box = dynamic_cast<TCheckBox*>(Entry(controls, k)); box && box->Enabled) box->Checked = true;
}

void TBasicForm::BindWithInclude(NvSNMPRequest2Edits* binding, int variable, TComboBox* combo,
                                 TCheckBox* include) {
  binding->BindControl(variable, combo);
  IncludeControls->Add(static_cast<TControl*>(include));
  BoundControls->Add(static_cast<TControl*>(combo));
}

void TBasicForm::BindEditWithInclude(NvSNMPRequest2Edits* binding, int variable, const std::string& format,
                                     TEdit* edit, TCheckBox* include) {
  binding->BindEdits(variable, format, edit);
  IncludeControls->Add(static_cast<TControl*>(include));
  BoundControls->Add(static_cast<TControl*>(edit));
}

void TBasicForm::ApplyIncludeFlags(NvSNMPRequest2Edits* binding) {
  NvSNMPVarList& vars = binding->Request.Vars;
  for (int k = vars.IndexCount; k < VarCount; ++k) {
    if (k == ExemptVar || k >= IncludeControls->Count) continue;
    TControl* include = Entry(IncludeControls, k);
    bool checked;
    if (auto* box = dynamic_cast<TCheckBox*>(include)) checked = box->Checked;
    else if (auto* radio = dynamic_cast<TRadioButton*>(include)) checked = radio->Checked;
    else continue;
    if (!(checked && include->Enabled)) vars.GetVar(k)->Access |= NvAccess::invalid;
  }
}

void TBasicForm::ClearIncludeFlags(NvSNMPRequest2Edits* binding) {
  NvSNMPVarList& vars = binding->Request.Vars;
  for (int k = 0; k < VarCount && k < vars.GetCount(); ++k) vars.GetVar(k)->Access &= ~NvAccess::invalid;
}
