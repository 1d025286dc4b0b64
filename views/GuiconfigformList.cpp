// The table view: a walked table in a report list; Add, Edit and Delete through the
// row-status column, the first two in a pop-up that borrows the editor rows.
#include <algorithm>
#include <chrono>

#include "Dialogs.h"
#include "FormHelpers.h"
#include "Guiconfigform.h"
#include "NvSNMPRequest2Edits.h"
#include "StackingPortUitForm.h"

namespace {

constexpr int kMaxListWidth = 450;
constexpr int kListHeight = 350;
constexpr int kEditWaitMs = 1000;

}  // namespace

TListViewPanel::TListViewPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding) : TPanel(AOwner) {
  BevelOuter = bvNone;
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) Parent = parent;
  ListView = new TListView(this);
  ListView->Parent = this;
  binding->BindListView(ListView, false);
  int characters = 0;
  for (int c = 0; c < ListView->Columns->Count; ++c) characters += int(ListView->Columns->GetItem(c)->Caption().size());
  const int borderWidth = 0;
  SetBounds(Left, Top, std::min(2 * borderWidth + 8 * characters, kMaxListWidth), kListHeight);
  ListView->Align = alClient;
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column) {
  for (TControl* shown : std::initializer_list<TControl*>{column->SamplesLabel, column->CountText, column->RefreshBtn,
                                                           column->EditBtn, column->CloseBtn})
    shown->Visible = true;
  column->EditBtn->Enabled = false;
  column->DeleteBtn->Enabled = false;
  for (TControl* hidden : std::initializer_list<TControl*>{column->SetCheckedBtn, column->CheckAllBtn,
                                                            column->ClearChecksBtn, column->StopBtn})
    hidden->Visible = false;
  column->AddBtn->Visible = AddStatusColumn != -1;
  column->DeleteBtn->Visible = DeleteStatusColumn != -1;
  column->ArrangeButtons();
}

// ---------------------------------------------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(TComponent* AOwner, NvSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(AOwner, binding) {
  ListPanel = new TListViewPanel(this, binding);
  ListPanel->Parent = ClientPanel;
  TListView* list = ListPanel->ListView;
  list->OnDblClick = Handler(this, &TSNMPListViewPanel::ListDblClick);
  list->OnClick = Handler(this, &TSNMPListViewPanel::ListClick);
  list->OnChange = Handler(this, &TSNMPListViewPanel::ListChange);
  list->OnMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) { ListMouseMove(Sender, Shift, X, Y); };
  CtrlBtnPanel->RefreshBtn->OnClick = Handler(this, &TSNMPListViewPanel::RefreshList);
  CtrlBtnPanel->EditBtn->OnClick = Handler(this, &TSNMPListViewPanel::EditClick);
  CtrlBtnPanel->AddBtn->OnClick = Handler(this, &TSNMPListViewPanel::AddClick);
  CtrlBtnPanel->StopBtn->OnClick = Handler(static_cast<TSNMPPanel*>(this), &TSNMPPanel::StopClick);
  CtrlBtnPanel->DeleteBtn->OnClick = Handler(this, &TSNMPListViewPanel::DeleteEntry);
  ListPanel->ArrangeCtrlBtn(CtrlBtnPanel);
  if (EditsPanel->AllReadOnly()) {
    CtrlBtnPanel->EditBtn->Visible = false;
    CtrlBtnPanel->ArrangeButtons();
  }
  SetClient(ListPanel);
  OnBeforeAdd = Handler(this, &TSNMPListViewPanel::ClearEditValues);
}

void TSNMPListViewPanel::SetAddStatus(int column, const std::string& value) {
  auto* combo = column >= 0 && column < EditsPanel->RowCount()
                    ? dynamic_cast<TComboBox*>(EditsPanel->Rows[column].Control)
                    : nullptr;
  if (!combo || combo->Items->IndexOf(value) < 0)
    throw Exception("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + value);
  ListPanel->AddStatusColumn = column;
  ListPanel->AddValue = value;
  CtrlBtnPanel->AddBtn->Visible = true;
  CtrlBtnPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const std::string& value) {
  auto* combo = column >= 0 && column < EditsPanel->RowCount()
                    ? dynamic_cast<TComboBox*>(EditsPanel->Rows[column].Control)
                    : nullptr;
  if (!combo || combo->Items->IndexOf(value) < 0)
    throw Exception("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + value);
  ListPanel->DeleteStatusColumn = column;
  ListPanel->DeleteValue = value;
  CtrlBtnPanel->DeleteBtn->Visible = true;
  CtrlBtnPanel->ArrangeButtons();
}

void TSNMPListViewPanel::ClearEditValues(TObject*) { EditsPanel->ClearValues(); }

void TSNMPListViewPanel::WriteCount() {
  CtrlBtnPanel->CountText->Caption = std::to_string(ListPanel->ListView->Items->Count);
}

// A read under way (a stopped one too) is followed by this one, never dropped.
void TSNMPListViewPanel::RefreshList(TObject* Sender) {
  CtrlBtnPanel->EditBtn->Enabled = false;
  CtrlBtnPanel->DeleteBtn->Enabled = false;
  RefreshClick(Sender);
  try {
    WriteCount();
  } catch (const std::exception&) {
  }
}

// ---------------------------------------------------------------------------------------
// List events

void TSNMPListViewPanel::ListClick(TObject*) {
  try {
    EditCtrl->Stop();  // a walk in progress stops at its next reply, whatever is pressed next
    const bool selected = ListPanel->ListView->Selected() != nullptr;
    CtrlBtnPanel->EditBtn->Enabled = selected;
    CtrlBtnPanel->DeleteBtn->Enabled = selected;
    if (!selected) EditsPanel->ClearValues();
  } catch (const std::exception&) {
    ShowMessage("Please select a entry ");
  }
}

void TSNMPListViewPanel::ListDblClick(TObject*) {
  if (!ListPanel->ListView->Selected()) return;
  try {
    if (CtrlBtnPanel->EditBtn->OnClick) CtrlBtnPanel->EditBtn->OnClick(CtrlBtnPanel->EditBtn);
  } catch (const std::exception&) {
  }
}

void TSNMPListViewPanel::ListChange(TObject*, TListItem*, TItemChange) {
  try {
    WriteCount();
  } catch (const std::exception&) {
    ShowMessage("carsh");
  }
}

std::string TSNMPListViewPanel::RowHint(TListItem* item) const {
  TListColumns* columns = ListPanel->ListView->Columns;
  size_t longest = 0;
  for (int c = 0; c < columns->Count; ++c) longest = std::max(longest, columns->GetItem(c)->Caption().size());
  std::string hint;
  for (int c = 0; c < columns->Count; ++c) {
    const std::string caption = columns->GetItem(c)->Caption();
    std::string cell;
    if (c == 0)
      cell = item->Caption;
    else if (c - 1 < item->SubItems->Count)
      cell = item->SubItems->Get(c - 1);
    hint += caption + std::string(longest - caption.size(), '\t') + "  " + cell + "\n";
  }
  return hint;
}

void TSNMPListViewPanel::ListMouseMove(TListItem* item) {
  TListView* list = ListPanel->ListView;
  if (!item) {
    list->ShowHint = false;
    list->Hint = "";
    return;
  }
  list->Hint = RowHint(item);
  list->ShowHint = true;
}

// ---------------------------------------------------------------------------------------
// Pop-ups

std::string TSNMPListViewPanel::PopupCaption(const std::string& what) const {
  TWinControl* parent = Parent;
  if (auto* form = dynamic_cast<TCustomForm*>(parent)) return form->Caption + what;
  if (auto* sheet = dynamic_cast<TTabSheet*>(parent)) return sheet->Caption + ": " + TitleSuffix + what;
  return (OwnerForm ? OwnerForm->Caption() : std::string()) + what;
}

TForm* TSNMPListViewPanel::MakePopup(const std::string& what, TSNMPPanel*& frame) {
  auto* popup = new TForm(Application);
  popup->Caption = PopupCaption(what);
  EditCtrl->SetConstraintOwner(popup);
  frame = new TSNMPPanel(popup, MsgPanel, EditCtrl);
  TCtrlBtnPanel* column = frame->CtrlBtnPanel;
  column->SetCheckedBtn->OnClick = Handler(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::SetCheckedClick);
  column->SetCheckedBtn->Tag = 1;
  column->CheckAllBtn->OnClick = Handler(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::CheckAllClick);
  column->ClearChecksBtn->OnClick =
      Handler(static_cast<TSNMPEditorPanel*>(this), &TSNMPEditorPanel::ClearChecksClick);
  return popup;
}

void TSNMPListViewPanel::ReturnEditsPanel(TForm* popup) {
  EditsPanel->Visible = false;
  EditsPanel->Align = alNone;
  EditsPanel->Parent = ClientPanel;
  EditsPanel->SetBounds(0, 0, EditsPanel->Width, EditsPanel->Height);
  EditsPanel->ScrollBox->VertScrollBar->Position = 0;
  delete popup;
  EditCtrl->SetConstraintOwner(dynamic_cast<TForm*>(OwnerForm));
}

void TSNMPListViewPanel::AddClick(TObject* Sender) {
  EditCtrl->Request.Active = 1;
  if (OnBeforeAdd) OnBeforeAdd(Sender);
  AddEntry();
  if (OnAfterAdd) OnAfterAdd(Sender);
}

void TSNMPListViewPanel::EditClick(TObject* Sender) {
  if (OnBeforeEdit) OnBeforeEdit(Sender);
  EditEntry();
  if (OnAfterEdit) OnAfterEdit(Sender);
}

void TSNMPListViewPanel::AddEntry() {
  TSNMPPanel* frame = nullptr;
  TForm* popup = MakePopup(" (Add)", frame);
  const int indexCount = EditCtrl->Request.Vars.IndexCount;
  for (int i = 0; i < indexCount && i < EditsPanel->RowCount(); ++i) {
    EditsPanel->MakeRowWritable(i);
    UISnmpVar& row = EditsPanel->Rows[i];
    row.CheckBox->Checked = true;  // index values are always written
    row.CheckBox->Visible = true;
    row.CheckBox->Enabled = false;
    row.Control->Enabled = true;
  }
  for (UISnmpVar& row : EditsPanel->Rows)
    if (row.OctetItem) static_cast<TEdit*>(row.Control)->ReadOnly = true;
  const int status = ListPanel->AddStatusColumn;
  if (status >= 0 && status < EditsPanel->RowCount()) {
    UISnmpVar& row = EditsPanel->Rows[status];
    row.Control->Enabled = false;
    row.Control->Visible = false;
    row.CheckBox->Enabled = false;
    row.CheckBox->Checked = true;
    row.CheckBox->Visible = false;
    row.Label->Visible = false;
    if (auto* combo = dynamic_cast<TComboBox*>(row.Control)) combo->ItemIndex = combo->Items->IndexOf(ListPanel->AddValue);
  }
  EditsPanel->ArrangeCtrlBtn(frame->CtrlBtnPanel);
  frame->CtrlBtnPanel->RefreshBtn->Visible = false;
  frame->CtrlBtnPanel->ArrangeButtons();
  EditsPanel->LayoutRows(true);
  frame->SetClient(EditsPanel);
  frame->FitToForm(popup);
  ListPanel->ListView->ClearSelection();
  CtrlBtnPanel->EditBtn->Enabled = false;
  CtrlBtnPanel->DeleteBtn->Enabled = false;

  popup->ShowModal();

  ReturnEditsPanel(popup);
  ReadAfterWrite();
}

void TSNMPListViewPanel::StopWalk() {
  if (!EditCtrl->Asynchronous) return;
  // A walk in progress stops; the rows read so far stay.
  EditCtrl->Request.Active = 0;
  EditCtrl->WaitIdle(std::chrono::milliseconds(kEditWaitMs));
  EditCtrl->Request.Active = 1;
}

void TSNMPListViewPanel::EditEntry() {
  StopWalk();
  TSNMPPanel* frame = nullptr;
  TForm* popup = MakePopup(" (Edit)", frame);
  frame->CtrlBtnPanel->SetCheckedBtn->Enabled = false;
  EditsPanel->SetCheckDefault(false);
  for (UISnmpVar& row : EditsPanel->Rows)
    if (row.OctetItem) static_cast<TEdit*>(row.Control)->ReadOnly = true;
  const int addColumn = ListPanel->AddStatusColumn;
  if (addColumn > 0 && addColumn < EditsPanel->RowCount()) {
    UISnmpVar& row = EditsPanel->Rows[addColumn];
    const bool show = row.Control->Tag == kTagRowStatus;
    row.CheckBox->Visible = show;
    row.Control->Visible = show;
    row.Label->Visible = show;
  }
  EditsPanel->ArrangeCtrlBtn(frame->CtrlBtnPanel);
  EditsPanel->LayoutRows(true);
  frame->CtrlBtnPanel->RefreshBtn->Visible = false;
  frame->CtrlBtnPanel->ArrangeButtons();
  frame->SetClient(EditsPanel);
  frame->FitToForm(popup);

  // An existing row can be neither created nor destroyed from here.
  struct Removed {
    int row;
    int at;
    std::string value;
  };
  std::vector<Removed> removed;
  auto takeOut = [&](int column, const std::string& value) {
    if (column < 0 || column >= EditsPanel->RowCount()) return;
    auto* combo = dynamic_cast<TComboBox*>(EditsPanel->Rows[column].Control);
    if (!combo) return;
    const int at = combo->Items->IndexOf(value);
    if (at < 0) return;
    const int selected = combo->ItemIndex;
    combo->Items->Delete(at);
    combo->ItemIndex = selected < at ? selected : (selected > at ? selected - 1 : -1);
    removed.push_back({column, at, value});
    if (combo->Items->Count == 0) EditsPanel->HideVar(column);
  };
  takeOut(addColumn, ListPanel->AddValue);
  takeOut(ListPanel->DeleteStatusColumn, ListPanel->DeleteValue);

  popup->ShowModal();

  for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
    auto* combo = static_cast<TComboBox*>(EditsPanel->Rows[it->row].Control);
    if (combo->Items->Count == 0) EditsPanel->ShowVar(it->row);
    const int selected = combo->ItemIndex;
    combo->Items->Insert(std::min(it->at, combo->Items->Count()), it->value);
    if (selected >= it->at) combo->ItemIndex = selected + 1;
  }
  ReturnEditsPanel(popup);
  ReadAfterWrite();
}

void TSNMPListViewPanel::ReadAfterWrite() {
  // A walk that began before the write may miss it: the list is read again after it.
  if (EditCtrl->Reading()) {
    EditCtrl->ReadAgain();
    return;
  }
  RefreshList(CtrlBtnPanel->RefreshBtn);
}

void TSNMPListViewPanel::DeleteEntry(TObject*) {
  StopWalk();
  if (!DeleteRowAllowed(EditCtrl)) return;
  if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOKCancel, 0) != mrOk) return;
  if (!DeleteRowAllowed(EditCtrl)) return;
  NvSNMPVarList& vars = EditCtrl->Request.Vars;
  const uint8_t asynchronous = EditCtrl->Asynchronous;
  EditCtrl->Asynchronous = 0;
  EditCtrl->Request.Active = 1;
  const int status = ListPanel->DeleteStatusColumn;
  std::vector<int> leftOut;
  for (int i = vars.IndexCount; i < vars.GetCount(); ++i) {
    if (i == status || (vars.GetVar(i)->Access & NvAccess::invalid)) continue;
    vars.GetVar(i)->Access |= NvAccess::invalid;
    leftOut.push_back(i);
  }
  try {
    EditCtrl->CollectValues();
    *vars.GetVar(status)->Value = ListPanel->DeleteValue;
    EditCtrl->Set(false, false);
  } catch (const std::exception& e) {
    EditCtrl->ShowStatus(e.what());
  }
  for (int i : leftOut) vars.GetVar(i)->Access &= ~NvAccess::invalid;
  // Read again while still blocking, so the list is current when Delete returns.
  try {
    RefreshList(CtrlBtnPanel->RefreshBtn);
  } catch (...) {
    EditCtrl->Asynchronous = asynchronous;
    throw;
  }
  EditCtrl->Asynchronous = asynchronous;
}
