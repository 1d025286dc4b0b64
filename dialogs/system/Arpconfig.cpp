#include "Arpconfig.h"

#include "Arpaddedit.h"
#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"
#include "ValueBoxes.h"

TARPConfigForm* ARPConfigForm = nullptr;

namespace {
constexpr int kStatic = 3;  // item of TypeComb
constexpr int kIpv4 = 1;    // item of IpTypeComb
}  // namespace

TARPConfigForm::TARPConfigForm(TComponent* Owner)
    : TFeatureDialog(Owner, 650, 330, NvScale::ByDpi, NvPlacement{.Position = poDesigned, .Left = 180, .Top = 140}) {
  Name = "ARPConfigForm";
  Caption = "ARPConfigForm";
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 528, 262);
  AddBtn = PutButton(this, "AddBtn", "Add", 548, 8, 80, 25, &TARPConfigForm::AddBtnClick);
  EditBtn = PutButton(this, "EditBtn", "Edit", 548, 40, 80, 25, &TARPConfigForm::EditBtnClick);
  DelBtn = PutButton(this, "DelBtn", "Delete", 548, 72, 80, 25, &TARPConfigForm::DelBtnClick);
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 548, 104, 80, 25, &TARPConfigForm::RefreshBtnClick);
  CloseBtn = PutButton(this, "CloseBtn", "Close", 548, 136, 80, 25, &TARPConfigForm::CloseBtnClick);
  StaticText = PutValueBox(*this, "StaticText", 548, 176, 80);
  StaticText->Alignment = taRightJustify;
  PutStatusBar();
  ListView1->OnChanging = Handler(this, &TARPConfigForm::ListView1Changing);
  ListView1->OnDblClick = Handler(this, &TARPConfigForm::ListView1DblClick);
  OnCreate = Handler(this, &TARPConfigForm::FormCreate);
  // When shown, not on every activation: a closed pop-up gives the activation back while the
  // chosen row stays chosen.
  OnShow = Handler(this, &TARPConfigForm::FormShow);
  OnClose = Handler(this, &TARPConfigForm::FormClose);
  List = ListView1;
  CountBox = StaticText;
  DoCreate();
}

void TARPConfigForm::FormCreate(TObject*) {
  EditBtn->Enabled = false;
  Guarded(
      [&] {
        Popup = new TARPAddEdit(this, this);
        ARPAddEdit = Popup;
        FreeWithDialog(Popup);
        Table = AddRequest(IpNetToPhysicalTable, MVT_UMV, 3);
        Table->BindListView(ListView1, true);
        Table->BindEdits(TARPAddEdit::VarIndex, "%i{n1x65535}", Popup->IndexEdit);
        Table->BindControl(TARPAddEdit::VarIpType, Popup->IpTypeComb);
        Table->BindEdits(TARPAddEdit::VarIp, "%s", Popup->IPEdit);
        Table->BindEdits(TARPAddEdit::VarMac, "%s{M}", Popup->MACEdit);
        Table->BindControl(TARPAddEdit::VarType, Popup->TypeComb);
        Table->BindControl(TARPAddEdit::VarState, Popup->StateComb);
        Table->BindControl(TARPAddEdit::VarRowStatus, Popup->RowStatus);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

void TARPConfigForm::FormShow(TObject*) { EditBtn->Enabled = false; }

void TARPConfigForm::ApplyEnablingRules() {
  EditBtn->Enabled = ListView1->Selected() != nullptr;
  // A chosen row ends what an Add left pending.
  if (ListView1->Selected()) AddPending = false;
}

void TARPConfigForm::ListView1DblClick(TObject* Sender) {
  if (ListView1->Selected()) EditBtnClick(Sender);
}

// The count before the change, as the list reports it; the last row's arrival is counted by
// the walk's end.
void TARPConfigForm::ListView1Changing(TObject*, TListItem*, TItemChange, bool&) { ShowRowCount(); }

void TARPConfigForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  ShowRowCount();
}

void TARPConfigForm::RefreshBtnClick(TObject*) {
  if (!Table) return;
  Table->Request.Active = 1;
  if (Table->Busy) return;
  Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
}

void TARPConfigForm::AddBtnClick(TObject*) {
  Popup->Caption = "ARP Add:" + TitleSuffix;
  Popup->AddBtn->Caption = "Add";
  Popup->IsAddMode = true;
  SavedEntry = {Popup->IndexEdit->Text(), Popup->IPEdit->Text(), Popup->MACEdit->Text(),
                std::to_string(Popup->TypeComb->ItemIndex), std::to_string(Popup->StateComb->ItemIndex),
                std::to_string(Popup->RowStatus->ItemIndex), std::to_string(Popup->IpTypeComb->ItemIndex)};
  for (TEdit* edit : {Popup->IndexEdit, Popup->IPEdit, Popup->MACEdit}) edit->Text = "";
  Popup->TypeComb->ItemIndex = kStatic;
  Popup->IpTypeComb->ItemIndex = kIpv4;
  AddPending = true;
  Popup->ShowForAdd(Popup->Caption);
}

void TARPConfigForm::EditBtnClick(TObject*) {
  Popup->AddBtn->Caption = "Set";
  Popup->IsAddMode = false;
  if (AddPending) {
    Popup->IndexEdit->Text = SavedEntry[0];
    Popup->IPEdit->Text = SavedEntry[1];
    Popup->MACEdit->Text = SavedEntry[2];
    Popup->TypeComb->ItemIndex = NumberOrMinusOne(SavedEntry[3]);
    Popup->TypeComb->Enabled = true;
    Popup->StateComb->ItemIndex = NumberOrMinusOne(SavedEntry[4]);
    Popup->RowStatus->ItemIndex = NumberOrMinusOne(SavedEntry[5]);
    Popup->IpTypeComb->ItemIndex = NumberOrMinusOne(SavedEntry[6]);
  }
  Popup->ShowForEdit("ARP Edit:" + TitleSuffix);
}

// No question, as ever; but only the selected row is addressed, never the key an Add left in
// the pop-up.
void TARPConfigForm::DelBtnClick(TObject*) {
  if (!SelectedRowToControls()) return;
  Popup->RowStatus->ItemIndex = TARPAddEdit::kDestroy;
  const auto open = StillOpen();
  Popup->WriteAndWait(Table, {TARPAddEdit::VarMac, TARPAddEdit::VarType, TARPAddEdit::VarState});
  if (open()) AddPending = false;  // closed, and freed, while the SET waited
}

void TARPConfigForm::CloseBtnClick(TObject*) { Close(); }

void TARPConfigForm::FormClose(TObject*, TCloseAction& Action) {
  CloseRequests();
  ARPAddEdit = nullptr;
  Action = caFree;
}
