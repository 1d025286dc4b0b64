#include "Sshuserctrlunit.h"

#include "NvSNMPRequest2Edits.h"

TSSHUserCtrlEdit* SSHUserCtrlEdit = nullptr;

namespace {
constexpr int kHostBased = 0;  // item of cbbAuthMode
}  // namespace

TSSHUserCtrlEdit::TSSHUserCtrlEdit(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 360, 190, NvScale::Stored) {
  Name = "SSHUserCtrlEdit";
  Caption = "SSH User Control Edit Table";
  Position = poDesigned;
  Left = 260;
  Top = 200;
  lblUserName = Put<TLabel>(this, "lblUserName", 16, 19, 100, 13, "User Name");
  edtUserName = Put<TEdit>(this, "edtUserName", 124, 16, 140, 21);
  lblAuthMode = Put<TLabel>(this, "lblAuthMode", 16, 47, 100, 13, "Auth Mode");
  cbbAuthMode = Put<TComboBox>(this, "cbbAuthMode", 124, 44, 140, 21);
  cbbAuthMode->Style = csDropDownList;
  lblHostName = Put<TLabel>(this, "lblHostName", 16, 75, 100, 13, "Host Name");
  edtHostName = Put<TEdit>(this, "edtHostName", 124, 72, 140, 21);
  lblHostIPAddr = Put<TLabel>(this, "lblHostIPAddr", 16, 103, 100, 13, "Host IP Address");
  edtHostIPAddr = Put<TEdit>(this, "edtHostIPAddr", 124, 100, 140, 21);
  btnSet = PutButton(this, "btnSet", "Set", 124, 134, 70, 25, &TSSHUserCtrlEdit::btnSetClick);
  btnClose = PutButton(this, "btnClose", "Close", 204, 134, 70, 25, &TSSHUserCtrlEdit::btnCloseClick);
  cbbAuthMode->OnChange = Handler(this, &TSSHUserCtrlEdit::cbbAuthModeChange);
  OnCreate = Handler(this, &TSSHUserCtrlEdit::FormCreate);
  DoCreate();
}

void TSSHUserCtrlEdit::FormCreate(TObject* Sender) { cbbAuthModeChange(Sender); }

void TSSHUserCtrlEdit::cbbAuthModeChange(TObject*) {
  const bool hostBased = cbbAuthMode->ItemIndex == kHostBased;
  edtHostName->Enabled = hostBased;
  edtHostIPAddr->Enabled = hostBased;
}

// Only host-based authentication carries a host.
void TSSHUserCtrlEdit::btnSetClick(TObject*) {
  std::vector<int> leftOut;
  if (cbbAuthMode->ItemIndex != kHostBased) leftOut = {VarHostName, VarHostIp};
  WriteAndWait(ParentDialog->Table, leftOut);
}

void TSSHUserCtrlEdit::btnCloseClick(TObject*) { ModalResult = mrCancel; }
