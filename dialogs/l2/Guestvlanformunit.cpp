#include "Guestvlanformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_ipmacbinding.h"
#include "PortPickers.h"

TGuestVlanForm* GuestVlanForm = nullptr;

namespace {

enum : int { VarName = 0, VarPorts = 1 };
// cbxDel items: none, start.
constexpr int kStart = 1;

const NvSetStep NameAndPorts[] = {{{VarName, VarPorts}}};
const NvSetStep PortsOnly[] = {{{VarPorts}}};
const NvSetStep DeleteStart[] = {{{0}}};
constexpr int kTimeOut = 300;  // hundredths of a second

}  // namespace

TGuestVlanForm::TGuestVlanForm(TComponent* Owner) : TFeatureDialog(Owner, 665, 260, NvScale::ByDpi) {
  Name = "GuestVlanForm";
  Caption = "Guest VLAN";

  LB_Name = Put<TLabel>(this, "LB_Name", 0, 0, 0, 13, "Guest VLAN Name");
  edtName = Put<TEdit>(this, "edtName", 0, 0, 200, 21);
  PlaceInRow(8, 8, {LB_Name, edtName});
  Edit1 = Put<TEdit>(this, "Edit1", 400, 8, 100, 21);
  Edit1->Visible = false;
  cbxDel = Put<TComboBox>(this, "cbxDel", 400, 8, 100, 21);
  cbxDel->Visible = false;
  pgc1 = Put<TPageControl>(this, "pgc1", 8, 38, 548, 160);

  BT_Get = PutButton(this, "BT_Get", "Refresh", 568, 38, 80, 25, &TGuestVlanForm::BT_GetClick);
  SetBtn = PutButton(this, "SetBtn", "Set", 568, 70, 80, 25, &TGuestVlanForm::SetBtnClick);
  DelBtn = PutButton(this, "DelBtn", "Delete", 568, 102, 80, 25, &TGuestVlanForm::DelBtnClick);
  BT_Close = PutButton(this, "BT_Close", "Close", 568, 134, 80, 25, &TGuestVlanForm::BT_CloseClick);
  PutStatusBar();

  OnCreate = Handler(this, &TGuestVlanForm::FormCreate);
  OnClose = Handler(this, &TGuestVlanForm::FormClose);
  Pickers = {&Picker};
  DoCreate();
}

void TGuestVlanForm::FormCreate(TObject*) {
  Guarded([&] {
    Picker = CreatePortPickerPage(this, "Guest VLAN Ports", pgc1);
    SettingRequest = AddBlockingRequest(GuestVlanSettingTable, kTimeOut);
    SettingRequest->BindControlList(VarPorts, MakePortIndexList(), Picker->CheckBoxes);
    SettingRequest->BindEdits(VarName, "%s", edtName);
    CurrentNameRequest = AddBlockingRequest(GuestVlanCurrentNameTable, kTimeOut);
    CurrentNameRequest->BindEdits(0, "%s", Edit1);
    DeleteRequest = AddBlockingRequest(GuestVlanDeleteTable, kTimeOut);
    DeleteRequest->BindControl(0, cbxDel);
    CurrentNameRequest->Get();
    SettingRequest->Get();
  });
  DataComplete = 1;
}

void TGuestVlanForm::BT_GetClick(TObject*) {
  if (SettingRequest) {
    if (SettingRequest->Busy) return;
    Guarded([&] {
      SettingRequest->Request.Active = 1;
      SettingRequest->Get();
      CurrentNameRequest->Request.Active = 1;
      CurrentNameRequest->Get();
    });
  }
  if (DeleteRequest && !DeleteRequest->Busy) ReadScalar(DeleteRequest);
}

// The name is written only when it changes: the switch takes the ports of its guest VLAN alone.
void TGuestVlanForm::SetBtnClick(TObject*) {
  if (!SettingRequest || SettingRequest->Busy) return;
  const bool sameName = !Edit1->Text().empty() && Edit1->Text() == edtName->Text();
  Guarded([&] { SendSetSequence(SettingRequest, sameName ? PortsOnly : NameAndPorts); });
  BT_GetClick(this);
}

void TGuestVlanForm::DelBtnClick(TObject*) {
  if (!DeleteRequest || DeleteRequest->Busy) return;
  cbxDel->ItemIndex = kStart;
  Guarded([&] { SendSetSequence(DeleteRequest, DeleteStart); });
  BT_GetClick(this);
}

void TGuestVlanForm::BT_CloseClick(TObject*) { Close(); }

void TGuestVlanForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
