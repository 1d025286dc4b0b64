#include "Bootctrltableformunit.h"

#include "Newbootpctrlformunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;

namespace {
enum : int { VarInterface = 0, VarServer = 1, VarRowStatus = 2 };
}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(TComponent* Owner) : TFeatureDialog(Owner, 543, 251, NvScale::Stored) {
  Name = "BOOTCtrlTableForm";
  Caption = "DHCP Relay Control";
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 420, 180);
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 444, 8, 80, 25, &TBOOTCtrlTableForm::RefreshBtnClick);
  AddBtn = PutButton(this, "AddBtn", "Add", 444, 40, 80, 25, &TBOOTCtrlTableForm::AddBtnClick);
  DeleteBtn = PutButton(this, "DeleteBtn", "Delete", 444, 72, 80, 25, &TBOOTCtrlTableForm::DeleteBtnClick);
  CloseBtn = PutButton(this, "CloseBtn", "Close", 444, 104, 80, 25, &TBOOTCtrlTableForm::CloseBtnClick);
  ComboBox1 = Put<TComboBox>(this, "ComboBox1", 444, 140, 80, 21);
  ComboBox1->Visible = false;
  PutStatusBar();
  OnCreate = Handler(this, &TBOOTCtrlTableForm::FormCreate);
  OnClose = Handler(this, &TBOOTCtrlTableForm::FormClose);
  List = ListView1;
  DoCreate();
}

void TBOOTCtrlTableForm::FormCreate(TObject*) {
  Popup = new TNewBootpCtrlForm(this, this);
  FreeWithDialog(Popup);
  Guarded(
      [&] {
        Table = AddRequest(DhcpRelayControlTable, MVT_FMV, 2);
        Table->BindListView(ListView1, true);
        Table->BindEdits(VarInterface, "%s", Popup->Edit1);
        Table->BindEdits(VarServer, "%s", Popup->Edit2);
        Table->BindControl(VarRowStatus, ComboBox1);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

void TBOOTCtrlTableForm::RefreshBtnClick(TObject*) { RefreshAll(); }

void TBOOTCtrlTableForm::AddBtnClick(TObject*) { Popup->ShowForAdd("New DHCP Control: " + TitleSuffix); }

// No question, as ever; but only the selected row is addressed, never what the pop-up's
// edits were left holding.
void TBOOTCtrlTableForm::DeleteBtnClick(TObject*) {
  if (!SelectedRowToControls()) return;
  ComboBox1->ItemIndex = kDestroy;
  Guarded(Table, [&] {
    Table->Request.Active = 1;
    Table->Set(true, true);
  });
}

void TBOOTCtrlTableForm::CloseBtnClick(TObject*) { Close(); }

void TBOOTCtrlTableForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
