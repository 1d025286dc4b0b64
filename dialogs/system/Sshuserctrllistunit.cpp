#include "Sshuserctrllistunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_ssh.h"
#include "Sshuserctrlunit.h"
#include "ValueBoxes.h"

TSSHUserCtrlList::TSSHUserCtrlList(TComponent* Owner)
    : TFeatureDialog(Owner, 560, 300, NvScale::ByDpi, NvPlacement{.Position = poDesigned, .Left = 200, .Top = 150}) {
  Name = "SSHUserCtrlList";
  Caption = "SSHUserCtrlList";
  lvData = Put<TListView>(this, "lvData", 8, 8, 430, 226);
  Put<TLabel>(this, "lblSample", 452, 8, 80, 13, "Sample");
  StaticText = PutValueBox(*this, "StaticText", 452, 24, 80);
  StaticText->Alignment = taRightJustify;
  btnRefresh = PutButton(this, "btnRefresh", "Refresh", 452, 56, 80, 25, &TSSHUserCtrlList::btnRefreshClick);
  btnEdit = PutButton(this, "btnEdit", "Edit", 452, 88, 80, 25, &TSSHUserCtrlList::btnEditClick);
  btnClose = PutButton(this, "btnClose", "Close", 452, 120, 80, 25, &TSSHUserCtrlList::btnCloseClick);
  PutStatusBar()->Name = "statBar";
  lvData->OnChange = Handler(this, &TSSHUserCtrlList::lvDataChange);
  lvData->OnDblClick = Handler(this, &TSSHUserCtrlList::lvDataDblClick);
  OnCreate = Handler(this, &TSSHUserCtrlList::FormCreate);
  OnClose = Handler(this, &TSSHUserCtrlList::FormClose);
  List = lvData;
  CountBox = StaticText;
  RowButtons = {btnEdit};  // an edit needs a chosen user
  DoCreate();
}

// The list keeps no global of its own: the pop-up holds it directly. The pop-up goes with the
// list rather than staying behind with the application.
void TSSHUserCtrlList::FormCreate(TObject*) {
  Popup = new TSSHUserCtrlEdit(Application, this);
  SSHUserCtrlEdit = Popup;
  FreeWithDialog(Popup);
  Guarded(
      [&] {
        Table = AddRequest(SshUserControlTable, MVT_UMV, 1);
        Table->BindListView(lvData, true);
        Table->BindEdits(TSSHUserCtrlEdit::VarUserName, "%s", Popup->edtUserName);
        Table->BindControl(TSSHUserCtrlEdit::VarAuthMode, Popup->cbbAuthMode);
        Table->BindEdits(TSSHUserCtrlEdit::VarHostName, "%s{l32}", Popup->edtHostName);
        Table->BindEdits(TSSHUserCtrlEdit::VarHostIp, "%s{I}", Popup->edtHostIPAddr);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  btnEdit->Enabled = false;
  ShowRowCount();
}

// A Refresh during a walk would fill the list twice.
void TSSHUserCtrlList::btnRefreshClick(TObject*) {
  if (Table && !Table->Busy) Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  btnEdit->Enabled = false;
  ShowRowCount();
}

void TSSHUserCtrlList::btnEditClick(TObject*) {
  if (lvData->Selected()) Popup->ShowForEdit("SSH User Control Edit Table");
}

void TSSHUserCtrlList::lvDataDblClick(TObject* Sender) { btnEditClick(Sender); }

void TSSHUserCtrlList::ApplyEnablingRules() {
  if (lvData->Selected()) Popup->cbbAuthModeChange(Popup);
}

void TSSHUserCtrlList::lvDataChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TSSHUserCtrlList::btnCloseClick(TObject*) { Close(); }

void TSSHUserCtrlList::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  SSHUserCtrlEdit = nullptr;
}
