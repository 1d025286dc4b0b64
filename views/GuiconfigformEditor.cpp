// The editor view: one row per variable (check box, label, value control) and Set Checked.
#include <algorithm>

#include "Dialogs.h"
#include "Guiconfigform.h"
#include "NvSNMPRequest2Edits.h"
#include "StackingPortUitForm.h"

namespace {

bool IsEditKind(int kind) { return kind == 1 || kind == 2; }

std::string PositionList(int count) {
  std::string text;
  for (int k = 0; k < count; ++k) text += (k ? "," : "") + std::to_string(k);
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Rows

TEditsPanel::TEditsPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding) : TPanel(AOwner), EditCtrl(binding) {
  BevelOuter = bvNone;
  ScrollBox = new TScrollBox(AOwner ? AOwner : this);
  ScrollBox->Parent = this;
  ScrollBox->Align = alClient;
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) Parent = parent;
  if (EditCtrl) BuildRows();
  SetReadOnlyColors(clBlack, clBtnFace);
}

TEditsPanel::~TEditsPanel() {
  for (UISnmpVar& row : Rows) delete row.OctetItem;
}

void TEditsPanel::BuildRows() {
  NvSNMPVarList& vars = EditCtrl->Request.Vars;
  Rows.clear();
  for (int i = 0; i < vars.GetCount(); ++i) {
    const NvSNMPVar* var = vars.GetVar(i);
    UISnmpVar row;
    const bool writable = vars.IsWritable(i);
    row.Kind = var->Options ? (writable ? 3 : 4) : (writable ? 2 : 1);
    row.Format = var->Syntax == NvSyntax::ipaddress ? "%s{I}" : "%s";
    Rows.push_back(row);
  }
  for (int i = 0; i < RowCount(); ++i) {
    UISnmpVar& row = Rows[i];
    row.CheckBox = new TCheckBox(this);
    row.CheckBox->Parent = ScrollBox;
    row.CheckBox->Width = 20;
    row.CheckBox->Tag = i;
    row.CheckBox->TabStop = false;
    row.CheckBox->OnClick = Handler(this, &TEditsPanel::CheckBoxClick);
    row.Label = new TLabel(this);
    row.Label->Parent = ScrollBox;
    const char* label = vars.GetVar(i)->Label;
    row.Label->Caption = label ? label : "";
    row.Label->Tag = i;
    if (row.Kind == 3) {
      auto* combo = new TComboBox(this);
      combo->Parent = ScrollBox;
      combo->Tag = 0;
      combo->OnChange = Handler(this, &TEditsPanel::ComboChange);
      row.Control = combo;
      EditCtrl->BindControl(i, combo);
    } else {
      auto* edit = new TEdit(this);
      edit->Parent = ScrollBox;
      edit->Tag = i;
      row.Control = edit;
      EditCtrl->BindEdits(i, row.Kind == 4 ? "%s" : row.Format, edit);
    }
  }
  SetCheckDefault(false);
  LayoutRows(true);
}

bool TEditsPanel::IsRowWritable(int row) const {
  const NvSNMPVarList& vars = EditCtrl->Request.Vars;
  return vars.IsWritable(row) && row >= vars.IndexCount;
}

void TEditsPanel::MakeRowReadOnly(int row) {
  if (row >= RowCount()) {
    ShowMessage("aIdx is overtop!\n you may define < " + std::to_string(RowCount()));
    return;
  }
  UISnmpVar& r = Rows.at(row);
  r.CheckBox->Enabled = false;
  r.CheckBox->Visible = false;
  r.CheckBox->Checked = false;
  if (auto* edit = dynamic_cast<TEdit*>(r.Control)) {
    edit->ReadOnly = true;
    edit->TabStop = false;
  } else {
    r.Control->Enabled = false;
  }
  r.Control->Font->Color = ReadOnlyFontColor;
  r.Control->Color = ReadOnlyColor;
}

void TEditsPanel::MakeRowWritable(int row) {
  UISnmpVar& r = Rows.at(row);
  r.CheckBox->Enabled = true;
  r.CheckBox->Visible = true;
  r.CheckBox->Checked = DefaultChecked != 0;
  if (auto* edit = dynamic_cast<TEdit*>(r.Control)) {
    edit->ReadOnly = false;
    edit->TabStop = true;
  } else {
    r.Control->Enabled = true;
  }
  r.Control->Font->Color = clBlack;
  r.Control->Color = clWhite;
}

void TEditsPanel::SetReadOnlyColors(TColor font, TColor background) {
  ReadOnlyFontColor = font;
  ReadOnlyColor = background;
  if (!EditCtrl) return;
  for (int i = 0; i < RowCount(); ++i)
    if (!EditCtrl->Request.Vars.IsWritable(i)) MakeRowReadOnly(i);
}

void TEditsPanel::SetCheckDefault(bool checked) {
  DefaultChecked = checked;
  for (int i = 0; i < RowCount(); ++i) {
    if (IsRowWritable(i))
      MakeRowWritable(i);
    else
      MakeRowReadOnly(i);
  }
}

void TEditsPanel::LayoutRows(bool resize) {
  int widest = 0;
  for (const UISnmpVar& row : Rows) widest = std::max(widest, row.Label->Width());
  const NvSNMPVarList& vars = EditCtrl->Request.Vars;
  int y = 20, right = 0, bottom = 0;
  bool first = true;
  for (int i = 0; i < RowCount(); ++i) {
    UISnmpVar& row = Rows[i];
    TWinControl* control = row.Control;
    control->Width = EditWidth;
    if (vars.GetVar(i)->Access & NvAccess::hidden) continue;
    if (!control->Visible) continue;
    if (!first) {
      if (control->Height < 20) control->Height = 21;
      y += control->Height + 5;
    }
    first = false;
    control->Top = y;
    row.CheckBox->Top = y + (control->Height - row.CheckBox->Height) / 2;
    row.Label->Top = y + (control->Height - row.Label->Height) / 2;
    row.CheckBox->Left = 20;
    row.Label->Left = row.CheckBox->Left + row.CheckBox->Width + 5;
    control->Left = row.Label->Left + widest + 5;
    right = std::max(right, control->Left + control->Width);
    bottom = std::max(bottom, control->Top + control->Height);
  }
  if (resize) {
    Align = alNone;
    SetBounds(Left, Top, right + 40, bottom + 40);
  }
}

// ---------------------------------------------------------------------------------------
// Row states

void TEditsPanel::HideVar(int row) {
  UISnmpVar& r = Rows.at(row);
  EditCtrl->Request.Vars.GetVar(row)->Access |= NvAccess::hidden;
  r.Control->Visible = false;
  r.CheckBox->Visible = false;
  r.Label->Visible = false;
  r.CheckBox->Tag = kTagHiddenRow;
}

void TEditsPanel::ShowVar(int row) {
  UISnmpVar& r = Rows.at(row);
  EditCtrl->Request.Vars.GetVar(row)->Access &= ~NvAccess::hidden;
  r.Control->Visible = true;
  r.CheckBox->Visible = true;
  r.Label->Visible = true;
}

void TEditsPanel::UncheckVar(int row) { Rows.at(row).CheckBox->Checked = false; }

void TEditsPanel::ClearValues() {
  for (int i = 0; i < RowCount(); ++i) ClearRow(i);
}

void TEditsPanel::ClearRow(int row) {
  UISnmpVar& r = Rows.at(row);
  if (auto* edit = dynamic_cast<TEdit*>(r.Control))
    edit->Text = "";
  else if (auto* combo = dynamic_cast<TComboBox*>(r.Control))
    combo->ItemIndex = -1;
  EditCtrl->Request.Vars.GetVar(row)->Value->clear();
}

void TEditsPanel::SetEditWidth(int width) {
  EditWidth = width;
  LayoutRows(true);
}

bool TEditsPanel::IsRowEmpty(int row) const {
  const UISnmpVar& r = Rows.at(row);
  if (r.Control->Tag == kTagNeverEmpty || !r.CheckBox->Visible) return false;
  if (auto* edit = dynamic_cast<TEdit*>(r.Control)) return edit->Text().empty();
  if (auto* combo = dynamic_cast<TComboBox*>(r.Control)) return combo->Text().empty();
  return false;
}

bool TEditsPanel::AllReadOnly() const {
  for (int i = 0; i < RowCount(); ++i)
    if (IsRowWritable(i)) return false;
  return true;
}

int TEditsPanel::CountWritable() const {
  return static_cast<int>(std::count_if(Rows.begin(), Rows.end(), [](const UISnmpVar& r) {
    return r.CheckBox->Visible() && r.CheckBox->Enabled();
  }));
}

int TEditsPanel::CountChecked() const {
  return static_cast<int>(
      std::count_if(Rows.begin(), Rows.end(), [](const UISnmpVar& r) { return r.CheckBox->Checked(); }));
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column) {
  if (!EditCtrl) throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
  for (TControl* shown : std::initializer_list<TControl*>{column->RefreshBtn, column->SetCheckedBtn, column->CheckAllBtn,
                                                           column->ClearChecksBtn, column->CloseBtn})
    shown->Visible = true;
  for (TControl* hidden : std::initializer_list<TControl*>{column->SamplesLabel, column->CountText, column->EditBtn,
                                                            column->AddBtn, column->DeleteBtn, column->StopBtn})
    hidden->Visible = false;
  if (AllReadOnly()) {
    column->SetCheckedBtn->Visible = false;
    column->CheckAllBtn->Visible = false;
    column->ClearChecksBtn->Visible = false;
  } else if (CountWritable() <= 1) {
    // One writable row: a plain Set that writes it, without check boxes.
    column->CheckAllBtn->Visible = false;
    column->ClearChecksBtn->Visible = false;
    column->SetCheckedBtn->Caption = "Set";
    column->SetCheckedBtn->Enabled = true;
    // The boxes go, and every row but a hidden one is written. An Add pop-up's index and
    // row-status rows are ticked for good; were they counted as the user's ticks, the boxes
    // would stay and the one writable row be left unticked, its typed value never sent.
    for (UISnmpVar& row : Rows) row.CheckBox->Visible = false;
    for (UISnmpVar& row : Rows) {
      if (row.CheckBox->Visible && row.CheckBox->Enabled)
        row.CheckBox->Checked = false;
      else
        row.CheckBox->Checked = row.CheckBox->Tag != kTagHiddenRow;
    }
    column->SetCheckedBtn->Enabled = true;
  }
  column->ArrangeButtons();
}

// The button column of the frame whose client area holds this panel.
TCtrlBtnPanel* TEditsPanel::HoldingColumn() const {
  TWinControl* client = Parent;
  if (!client || !client->GetParent()) return nullptr;
  auto* frame = dynamic_cast<TSNMPPanel*>(client->GetParent());
  return frame ? frame->CtrlBtnPanel : nullptr;
}

void TEditsPanel::CheckBoxClick(TObject*) {
  if (TCtrlBtnPanel* column = HoldingColumn()) column->SetCheckedBtn->Enabled = CountChecked() >= 1;
}

int TEditsPanel::RowOfControl(TObject* control) const {
  for (int i = 0; i < RowCount(); ++i)
    if (Rows[i].Control == control) return i;
  return -1;
}

// ---------------------------------------------------------------------------------------
// Combo rule: a combo box tagged master * 1000 + dependent digits locks its dependent rows.

void TEditsPanel::ComboChange(TObject* Sender) {
  if (auto* combo = dynamic_cast<TComboBox*>(Sender)) ApplyComboRule(combo);
}

void TEditsPanel::ApplyComboRule(TComboBox* combo) {
  const int tag = combo->Tag;
  if (tag <= 0 || tag == kTagRowStatus) return;
  const int master = tag / 1000;
  const std::string digits = std::to_string(tag % 1000);
  auto lock = [](TComboBox* dependent) {
    dependent->Enabled = false;
    dependent->Color = clBtnFace;
    dependent->ItemIndex = 0;
  };
  for (char digit : digits) {
    const int row = digit - '0';
    if (row >= RowCount()) continue;
    TWinControl* control = Rows[row].Control;
    auto* dependent = dynamic_cast<TComboBox*>(control);
    if (combo->ItemIndex < 0) {
      if (!dependent) continue;
      auto* masterCombo = master < RowCount() ? dynamic_cast<TComboBox*>(Rows[master].Control) : nullptr;
      if (master >= 1 && masterCombo && masterCombo->ItemIndex >= 1) {
        lock(dependent);
      } else {
        dependent->Enabled = true;
        dependent->Color = clWhite;
      }
    } else if (dependent && combo->Text() != "tunnel") {
      lock(dependent);
    } else {
      control->Enabled = true;
      control->Color = clWhite;
      if (dependent) dependent->ItemIndex = 1;
    }
  }
}

// ---------------------------------------------------------------------------------------
// Octet-item rows: a port bitmap edited in a dialog of numbered check boxes.

void TEditsPanel::SetOctetItem(int row, int columns, int count) {
  UISnmpVar& r = Rows.at(row);
  if (!IsEditKind(r.Kind)) throw Exception("You can only assign Octet Item to a Edit!");
  delete r.OctetItem;
  r.OctetItem = new UISnmpOctetItem{columns, count};
  auto* edit = static_cast<TEdit*>(r.Control);
  edit->ReadOnly = true;
  edit->OnClick = Handler(this, &TEditsPanel::OctetItemClick);
  edit->OnKeyDown = [this](TObject* sender, WORD& key, TShiftState) {
    key = 0;
    OctetItemClick(sender);
  };
}

void TEditsPanel::OctetItemClick(TObject* Sender) {
  const int row = RowOfControl(Sender);
  if (row < 0 || !Rows[row].OctetItem) return;
  UISnmpVar& r = Rows[row];
  auto* edit = static_cast<TEdit*>(r.Control);
  const int columns = std::max(1, int(r.OctetItem->Columns));
  const int count = std::max(0, int(r.OctetItem->Count));
  NvSNMPVar* var = EditCtrl->Request.Vars.GetVar(row);
  const bool writable = EditCtrl->Request.Vars.IsWritable(row);

  auto* dialog = new TForm(Application);
  dialog->Position = poOwnerFormCenter;
  dialog->Caption = var->Label ? var->Label : "";
  dialog->BorderIcons = biSystemMenu;
  try {
    EditCtrl->ControlsToValues(-1);
  } catch (const std::exception&) {
  }

  TList boxes;
  TCheckBox* last = nullptr;
  for (int k = 0; k < count; ++k) {
    auto* number = new TLabel(dialog);
    number->Parent = dialog;
    number->Caption = std::to_string(k + 1);
    auto* box = new TCheckBox(dialog);
    box->Parent = dialog;
    box->Width = 20;
    box->TabStop = false;
    box->Enabled = writable;
    const int line = k / columns, column = k % columns;
    number->Top = line * (box->Height + number->Height) + 10;
    box->Top = number->Height + line * (number->Height + box->Height) + 10;
    number->Left = box->Left = column * 20 + 10;
    boxes.Add(box);
    last = box;
  }
  try {
    EditCtrl->BindControlList(row, PositionList(count), &boxes);
    EditCtrl->ValuesToControls(row);
  } catch (const std::exception&) {
    ClearRow(row);
    for (int k = 0; k < boxes.Count; ++k) static_cast<TCheckBox*>(boxes.Get(k))->Checked = false;
  }

  const int lastColumn = count < columns ? count - 1 : columns - 1;
  const int right = std::max(0, lastColumn) * 20 + 10 + 20 + 10;
  const int buttonsTop = (last ? last->Top + last->Height : 10) + 10;
  int left = 10;
  TButton* ok = nullptr;
  auto addButton = [&](const char* caption, TModalResult result, std::function<void()> click) {
    auto* button = new TButton(dialog);
    button->Parent = dialog;
    button->Caption = caption;
    button->ModalResult = result;
    button->TabStop = true;
    button->SetBounds(left, buttonsTop, 75, 25);
    if (click) button->OnClick = [click](TObject*) { click(); };
    left += button->Width + 10;
    return button;
  };
  auto checkAll = [&boxes](bool on) {
    for (int k = 0; k < boxes.Count; ++k) static_cast<TCheckBox*>(boxes.Get(k))->Checked = on;
  };
  ok = addButton("OK", mrOk, nullptr);
  if (writable) {
    addButton("Cancel", mrCancel, nullptr);
    addButton("Check All", mrNone, [&] { checkAll(true); });
    addButton("Clear Checks", mrNone, [&] { checkAll(false); });
  }
  // The buttons' row may be wider than a short line of boxes.
  dialog->ClientWidth = std::max(right + 50, left);
  dialog->ClientHeight = ok->Top + ok->Height + 10;

  const TModalResult result = dialog->ShowModal();
  if (result == mrOk) {
    try {
      EditCtrl->ControlsToValues(-1);
    } catch (const std::exception&) {
    }
  }
  EditCtrl->Unbind(row);
  try {
    EditCtrl->BindEdits(row, r.Format, edit);
    EditCtrl->ValuesToControls(row);
    EditCtrl->ControlsToValues(-1);
  } catch (const std::exception&) {
  }
  delete dialog;
}

// ---------------------------------------------------------------------------------------
// The editor view

TSNMPEditorPanel::TSNMPEditorPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding)
    : TSNMPPanel(AOwner, nullptr, binding) {
  EditsPanel = new TEditsPanel(this, binding);
  EditsPanel->Parent = ClientPanel;
  CtrlBtnPanel->SetCheckedBtn->OnClick = Handler(this, &TSNMPEditorPanel::SetCheckedClick);
  CtrlBtnPanel->SetCheckedBtn->Enabled = false;
  CtrlBtnPanel->CheckAllBtn->OnClick = Handler(this, &TSNMPEditorPanel::CheckAllClick);
  CtrlBtnPanel->ClearChecksBtn->OnClick = Handler(this, &TSNMPEditorPanel::ClearChecksClick);
  EditsPanel->ArrangeCtrlBtn(CtrlBtnPanel);
  SetClient(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width) {
  EditsPanel->SetEditWidth(width);
  // A table view shows its list; its edits panel only serves the pop-ups.
  if (ClientControl && ClientControl != EditsPanel) return;
  SetClient(EditsPanel);
  if (OwnerForm) FitToForm(OwnerForm);
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& format) {
  SetVarFormatAndCheck(row, format, nullptr);
}

void TSNMPEditorPanel::SetVarFormatAndCheck(int row, const std::string& format, NvEditCheckCallback check) {
  const UISnmpVar& r = EditsPanel->Rows.at(row);
  // Refused before anything changes, so a combo box keeps its binding.
  if (r.Kind == 3) throw Exception("Can not set Var format to a ComboBox!");
  if (!IsEditKind(r.Kind)) throw Exception("Unknow UI Control type!");
  EditCtrl->Unbind(row);
  auto* edit = static_cast<TEdit*>(r.Control);
  if (check)
    EditCtrl->BindEditChecked(row, format, edit, std::move(check));
  else
    EditCtrl->BindEdits(row, format, edit);
}

void TSNMPEditorPanel::SetCheckedClick(TObject* Sender) {
  lastSetSucceeded_ = false;
  NvSNMPRequest2Edits* binding = EditCtrl;
  NvSNMPVarList& vars = binding->Request.Vars;
  const uint8_t asynchronous = binding->Asynchronous;
  binding->Asynchronous = 0;
  bool empty = false;
  for (int i = vars.IndexCount; i < vars.GetCount() && i < EditsPanel->RowCount(); ++i) {
    const UISnmpVar& row = EditsPanel->Rows[i];
    NvSNMPVar* var = vars.GetVar(i);
    if (!row.CheckBox->Checked)
      var->Access |= NvAccess::invalid;
    else if (row.Control->Tag != kTagRowStatus && *var->Value == "active" && !row.CheckBox->Visible)
      var->Access |= NvAccess::invalid;
    if (!(var->Access & NvAccess::invalid) && EditsPanel->IsRowEmpty(i) && i != 17) empty = true;
  }
  bool sent = false;
  auto* button = dynamic_cast<TControl*>(Sender);
  const bool inPopup = button && button->Tag == 1;
  // A port list typed into a row being added has no value to take its length from.
  binding->FallbackPortCount = GetModelPortCount(ModelName);
  try {
    binding->CollectValues();
    if (empty) {
      MessageDlg("Some items are empty!", mtWarning, mbOK, 0);
    } else {
      sent = binding->Set(false, false);
    }
  } catch (const Exception& e) {
    binding->ShowStatus(e.Message);
    if (inPopup) MessageDlg(e.Message, mtError, mbOK, 0);  // the status line is behind the pop-up
  }
  for (int i = 0; i < vars.GetCount() && i < EditsPanel->RowCount(); ++i) {
    const UISnmpVar& row = EditsPanel->Rows[i];
    NvSNMPVar* var = vars.GetVar(i);
    if (!row.CheckBox->Checked || !row.CheckBox->Visible || *var->Value == "active")
      var->Access &= ~NvAccess::invalid;
  }
  binding->Asynchronous = asynchronous;
  lastSetSucceeded_ = sent;

  // The Set button of a pop-up closes it once the row is written; a failed SET keeps the
  // pop-up open with what was typed.
  if (!empty && sent && inPopup) {
    TCustomForm* form = nullptr;
    if (button->Parent && button->Parent->GetParent())
      form = dynamic_cast<TCustomForm*>(button->Parent->GetParent()->GetParent());
    if (!form) form = GetParentForm(button);
    if (form) form->Close();
  }
}

void TSNMPEditorPanel::CheckAllClick(TObject*) {
  for (UISnmpVar& row : EditsPanel->Rows)
    if (row.CheckBox->Enabled) row.CheckBox->Checked = true;
  EditsPanel->CheckBoxClick(nullptr);
}

void TSNMPEditorPanel::ClearChecksClick(TObject*) {
  for (UISnmpVar& row : EditsPanel->Rows)
    if (row.CheckBox->Enabled) row.CheckBox->Checked = false;
  EditsPanel->CheckBoxClick(nullptr);
}
