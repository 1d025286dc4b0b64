#include "Msunit.h"

#include "Dialogs.h"
#include "Msinfortable.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_singleip.h"

TMSEditForm::TMSEditForm(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 427, 173, NvScale::Stored) {
  Name = "MSEditForm";
  Caption = "MS Add";
  Label1 = Put<TLabel>(this, "Label1", 16, 19, 150, 13, "Member Switch ID");
  MSIDEdit = Put<TEdit>(this, "MSIDEdit", 176, 16, 120, 21);
  Label2 = Put<TLabel>(this, "Label2", 16, 47, 150, 13, "Member Candidate ID");
  KeyIDEdit = Put<TEdit>(this, "KeyIDEdit", 176, 44, 120, 21);
  KeyIDEdit->Enabled = false;
  Label3 = Put<TLabel>(this, "Label3", 16, 75, 150, 13, "Member Password");
  MS_Password = Put<TEdit>(this, "MS_Password", 176, 72, 120, 21);
  Label4 = Put<TLabel>(this, "Label4", 16, 103, 150, 13, "Member Row Status");
  Row_Status = Put<TComboBox>(this, "Row_Status", 176, 100, 120, 21);
  SetButton = PutButton(this, "SetButton", "Set", 318, 14, 80, 25, &TMSEditForm::SetButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 318, 46, 80, 25, &TMSEditForm::CloseButtonClick);
  // When shown, not on every activation: its own boxes activate it again.
  OnShow = Handler(this, &TMSEditForm::FormShow);
  DoCreate();
  // The pop-up's own request; its status output is the list dialog's, where its failures show.
  MemberRequest = AddRequest(SingleIpMemberEditTable, MVT_SV, 1);
  if (parent->StatusBar1) MemberRequest->SetStatusPanel(parent->StatusBar1->Panels->Items[0]);
  MemberRequest->BindEdits(VarId, "%i{n1x32l2a}", MSIDEdit);
  MemberRequest->BindEdits(VarCandidate, "%i{n1x32l2a}", KeyIDEdit);
  MemberRequest->BindEdits(VarPassword, "%s", MS_Password);
  MemberRequest->BindControl(VarRowStatus, Row_Status);
}

// Row_Status keeps the createAndGo that Add chose: the user would otherwise have to pick the
// only value an add accepts.
void TMSEditForm::FormShow(TObject*) {
  if (EditMode != 2) return;
  KeyIDEdit->Enabled = true;
  MSIDEdit->Text = "";
  KeyIDEdit->Text = "";
}

void TMSEditForm::SetButtonClick(TObject*) {
  auto* list = static_cast<TMSInformationForm*>(ParentDialog);
  for (int i = 0; i < list->ListView1->Items->Count; ++i) {
    if (list->ListView1->Items->Item[i]->Caption != MSIDEdit->Text()) continue;
    MessageDlg("There is already a record with the same Member Switch ID. Please modified it.", mtWarning, mbOK, 0);
    return;
  }
  if (MSIDEdit->Text().empty()) {
    Refuse("Member Siwitch ID is needed.", MSIDEdit);
    return;
  }
  if (KeyIDEdit->Text().empty()) {
    Refuse("Member Candidate ID is needed.", KeyIDEdit);
    return;
  }
  if (Row_Status->ItemIndex != kCreateAndGo) {
    Refuse("Member Row State must be createAndGo.", Row_Status);
    return;
  }
  MemberRequest->Request.Vars.InstanceSuffix = MSIDEdit->Text;
  WriteAndWait(MemberRequest, {}, false);  // the list reads its table once the pop-up has closed
}

void TMSEditForm::CloseButtonClick(TObject*) { ModalResult = mrCancel; }
