#include "Msinfortable.h"

#include "Dialogs.h"
#include "Msunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_singleip.h"
#include "ValueBoxes.h"

TMSInformationForm* MSInformationForm = nullptr;

TMSInformationForm::TMSInformationForm(TComponent* Owner)
    : TFeatureDialog(Owner, 582, 310, NvScale::Stored, NvPlacement{.Position = poScreenCenter}) {
  Name = "MSInformationForm";
  Caption = "Member Switch Information";
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 462, 236);
  GetButton = PutButton(this, "GetButton", "Refresh", 484, 8, 80, 25, &TMSInformationForm::GetButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 484, 40, 80, 25, &TMSInformationForm::AddButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 484, 72, 80, 25, &TMSInformationForm::DeleteButtonClick);
  DeleteButton->Enabled = false;
  EditButton = Put<TButton>(this, "EditButton", 484, 104, 80, 25, "Edit");
  EditButton->Visible = false;
  StaticText1 = PutValueBox(*this, "StaticText1", 484, 140, 80);
  StaticText1->Visible = false;
  PutStatusBar();
  ListView1->OnChange = Handler(this, &TMSInformationForm::ListView1Change);
  OnCreate = Handler(this, &TMSInformationForm::FormCreate);
  OnCloseQuery = Handler(this, &TMSInformationForm::FormCloseQuery);
  OnClose = Handler(this, &TMSInformationForm::FormClose);
  List = ListView1;
  RowButtons = {DeleteButton};
  CountBox = StaticText1;
  DoCreate();
}

void TMSInformationForm::FormCreate(TObject*) {
  Guarded([&] {
    Popup = new TMSEditForm(this, this);
    FreeWithDialog(Popup);
  });
  Guarded(
      [&] {
        Table = AddRequest(SingleIpMemberTable, MVT_UMV, 1);
        Table->BindListView(ListView1, true);
        Table->Request.TimeOut = 500;
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
}

// Asked for during a walk, the walk starts again once that one has ended.
void TMSInformationForm::WalkAgain() {
  if (!Table) return;
  Guarded([&] { StartWalk(Table); }, [&] { DataComplete = 1; });
}

void TMSInformationForm::GetButtonClick(TObject*) {
  WalkAgain();
  DeleteButton->Enabled = false;
}

void TMSInformationForm::AddButtonClick(TObject*) {
  if (!Popup) return;
  Popup->EditMode = 2;
  Popup->Row_Status->ItemIndex = TMSEditForm::kCreateAndGo;
  Popup->ShowForAdd("MS Add");
  WalkAgain();
}

void TMSInformationForm::DeleteButtonClick(TObject*) {
  const auto open = StillOpen();
  if (!ListView1->Selected()) {
    Refuse("Choose the item first.", DeleteButton);
  } else if (Popup) {
    Popup->EditMode = 1;
    Popup->Row_Status->ItemIndex = TMSEditForm::kDestroy;
    Popup->MSIDEdit->Text = ListView1->Selected()->Caption;
    Popup->MemberRequest->Request.Vars.InstanceSuffix = ListView1->Selected()->Caption;
    Popup->WriteAndWait(Popup->MemberRequest, {TMSEditForm::VarCandidate, TMSEditForm::VarPassword});
  }
  if (!open()) return;  // closed, and freed, while the SET waited
  DeleteButton->Enabled = false;
}

void TMSInformationForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TMSInformationForm::FormCloseQuery(TObject*, bool&) { CloseRequests(); }

void TMSInformationForm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }
