#include "Tacacsservercontrolunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_aaa.h"

namespace {
enum : int { VarGroup = 0, VarIp = 1, VarProtocol = 2, VarRowState = 3 };
}  // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(TComponent* Owner)
    : TFeatureDialog(Owner, 420, 196, NvScale::ByDpi, NvPlacement{.Position = poMainFormCenter, .ClientSize = true}) {
  Name = "AAASrvCtrlForm";
  Caption = "Server Control Form";
  const int labels = 16, controls = 210;
  Put<TLabel>(this, "lblSrvGrpName", labels, 19, 190, 13, "Server Group Name");
  edtSrvGrpName = Put<TEdit>(this, "edtSrvGrpName", controls, 16, 190, 21);
  Put<TLabel>(this, "lblSrvIP", labels, 49, 190, 13, "Server IP Address");
  edtSrvIP = Put<TEdit>(this, "edtSrvIP", controls, 46, 190, 21);
  Put<TLabel>(this, "lblAuthPtcl", labels, 79, 190, 13, "Server Authentication Protocol");
  cbxAuthPtcl = Put<TComboBox>(this, "cbxAuthPtcl", controls, 76, 190, 21);
  Put<TLabel>(this, "lblOper", labels, 109, 190, 13, "Operate");
  cbxOper = Put<TComboBox>(this, "cbxOper", controls, 106, 190, 21);
  btnSet = PutButton(this, "btnSet", "Set", 120, 142, 80, 25, &TAAASrvCtrlForm::btnSetClick);
  btnClose = PutButton(this, "btnClose", "Close", 220, 142, 80, 25, &TAAASrvCtrlForm::btnCloseClick);
  lvOper = Put<TListView>(this, "lvOper", 0, 0, 10, 10);
  lvOper->Visible = false;
  stbResult = PutStatusBar();
  stbResult->Name = "stbResult";
  OnCreate = Handler(this, &TAAASrvCtrlForm::FormCreate);
  OnClose = Handler(this, &TAAASrvCtrlForm::FormClose);
  DoCreate();
}

// The walk shows only its status line; the controls stay empty. Its line and every failure
// share panel 0, the one place of the bar that shows.
void TAAASrvCtrlForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        Table = AddRequest(AacServerControlTable, MVT_UMV, 3);
        Table->BindListView(lvOper, true);
        Table->BindEdits(VarGroup, "%s{l15}", edtSrvGrpName);
        Table->BindEdits(VarIp, "%s{l16}", edtSrvIP);
        Table->BindControl(VarProtocol, cbxAuthPtcl);
        Table->BindControl(VarRowState, cbxOper);
        cbxAuthPtcl->ItemIndex = -1;
        cbxOper->ItemIndex = -1;
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

// The controls keep what they hold, so that several servers go in a row.
void TAAASrvCtrlForm::btnSetClick(TObject*) {
  if (!Table) return;
  if (edtSrvGrpName->Text().empty()) {
    Refuse("Please input Server Group Name.");
    return;
  }
  if (edtSrvIP->Text().empty()) {
    Refuse("Please input Server IP Address.");
    return;
  }
  if (cbxAuthPtcl->ItemIndex < 0) {
    Refuse("Please choose Server Authentication Protocol.");
    return;
  }
  if (cbxOper->ItemIndex < 0) {
    Refuse("Please choose Operate.");
    return;
  }
  Guarded([&] {
    Table->Request.Active = 1;
    Table->Set(false, true);
  });
}

void TAAASrvCtrlForm::btnCloseClick(TObject*) { Close(); }

void TAAASrvCtrlForm::FormClose(TObject*, TCloseAction& Action) {
  CloseRequests();
  Action = caFree;
}
