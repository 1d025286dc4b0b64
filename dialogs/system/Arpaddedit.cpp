#include "Arpaddedit.h"

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"

TARPAddEdit* ARPAddEdit = nullptr;

TARPAddEdit::TARPAddEdit(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 330, 200, NvScale::Stored) {
  Name = "ARPAddEdit";
  Position = poDesigned;
  Left = 300;
  Top = 220;
  lblIndex = Put<TLabel>(this, "lblIndex", 16, 19, 80, 13, "Index");
  IndexEdit = Put<TEdit>(this, "IndexEdit", 100, 16, 130, 21);
  lblIP = Put<TLabel>(this, "lblIP", 16, 47, 80, 13, "IP Address");
  IPEdit = Put<TEdit>(this, "IPEdit", 100, 44, 130, 21);
  lblMAC = Put<TLabel>(this, "lblMAC", 16, 75, 80, 13, "MAC");
  MACEdit = Put<TEdit>(this, "MACEdit", 100, 72, 130, 21);
  lblType = Put<TLabel>(this, "lblType", 16, 103, 80, 13, "Type");
  TypeComb = Put<TComboBox>(this, "TypeComb", 100, 100, 130, 21);
  TypeComb->Style = csDropDownList;
  IpTypeComb = Put<TComboBox>(this, "IpTypeComb", 240, 16, 70, 21);
  StateComb = Put<TComboBox>(this, "StateComb", 240, 44, 70, 21);
  RowStatus = Put<TComboBox>(this, "RowStatus", 240, 72, 70, 21);
  for (TComboBox* hidden : {IpTypeComb, StateComb, RowStatus}) hidden->Visible = false;
  AddBtn = PutButton(this, "AddBtn", "Add", 100, 136, 60, 25, &TARPAddEdit::AddBtnClick);
  CloseBtn = PutButton(this, "CloseBtn", "Close", 170, 136, 60, 25, &TARPAddEdit::CloseBtnClick);
  KeyControls = {IndexEdit, IPEdit};
  DoCreate();
}

// Add creates the row; Edit changes MAC and type and sends no row status. The walk the list
// may be running is stopped and waited for by the write, never left to swallow it.
void TARPAddEdit::AddBtnClick(TObject*) {
  if (!TypedEntryAccepted()) return;
  RowStatus->ItemIndex = IsAddMode ? kCreateAndGo : kActive;
  std::vector<int> leftOut{VarState};
  if (!IsAddMode) leftOut.push_back(VarRowStatus);
  WriteAndWait(ParentDialog->Table, leftOut);
}

// Checked before anything is sent: a key of another length than four octets would create the
// entry of another address, or one of no IPv4 address at all.
bool TARPAddEdit::TypedEntryAccepted() {
  if (IsAddMode) {
    if (!NumberInRangeTyped(IndexEdit, 1, 65535, "Index should between 1-65535")) return false;
    if (!IsIpv4HexKey(IPEdit->Text, "Please input a valid IP")) return Refocus(IPEdit);
    if (MACEdit->Text().empty()) return Refuse("Please input a valid MAC address", MACEdit);
  }
  return TypedValuesAccepted(ParentDialog->Table, {MACEdit});
}

void TARPAddEdit::CloseBtnClick(TObject*) { ModalResult = mrCancel; }
