#include "Cpuusermaskinforunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

TCPUUserMaskInfoForm* CPUUserMaskInfoForm = nullptr;

namespace {

// Variables of CpuFilterPacketContentProfileTable: the key, the five masks, the row status.
enum : int { VarProfileId = 0, VarFirstMask = 1, VarRowStatus = 6 };

const NvAclTexts kTexts{
    .ProfileKeyMissing = "Payload Entry ID must be set.",
    .Duplicate = "Payload Entry ID must be different.",
    .RowStatus = "Row State must be createAndGo.",
};

}  // namespace

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(TComponent* Owner) : TAclProfileBase(Owner, 658, 389, kTexts) {
  Name = "CPUUserMaskInfoForm";
  Caption = "Packet Content Mask (CPU Interface Filtering)";

  const int buttons = 658 - 104;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, buttons - 16, 150);
  Edit1 = Put<TEdit>(this, "Edit1", 0, 0, 80, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), Edit1, 8, 140, 166);
  Edit5 = Put<TEdit>(this, "Edit5", 0, 0, 250, 21);
  Edit3 = Put<TEdit>(this, "Edit3", 0, 0, 250, 21);
  Edit4 = Put<TEdit>(this, "Edit4", 0, 0, 250, 21);
  Edit6 = Put<TEdit>(this, "Edit6", 0, 0, 250, 21);
  Edit7 = Put<TEdit>(this, "Edit7", 0, 0, 250, 21);
  const char* const labels[] = {"Offset Mask (0-15)", "Offset Mask (16-31)", "Offset Mask (32-47)",
                                "Offset Mask (48-63)", "Offset Mask (64-79)"};
  int row = 1;
  for (TEdit* mask : {Edit5, Edit3, Edit4, Edit6, Edit7}) {
    PutField(Put<TLabel>(this, "", 0, 0, 0, 13, labels[row - 1]), mask, 8, 140, 166 + 26 * row);
    ++row;
  }
  LB_RowStatus = Put<TLabel>(this, "LB_RowStatus", 420, 169, 0, 13, "Row Status");
  ComboBox1 = Put<TComboBox>(this, "ComboBox1", 490, 166, 50, 21);
  LB_RowStatus->Visible = false;
  ComboBox1->Visible = false;

  Static = PutSamples(this, "Static", buttons, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TCPUUserMaskInfoForm::GetButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TCPUUserMaskInfoForm::AddButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TCPUUserMaskInfoForm::DeleteButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TCPUUserMaskInfoForm::CloseButtonClick);
  OperButton = Put<TButton>(this, "OperButton", 0, 0, 88, 25, "Edit");
  OperButton->Visible = false;
  StackButtons(buttons, 52, {GetButton, AddButton, DeleteButton, CloseButton, OperButton});
  PutStatusBar();

  DeclareList(ListView1, &TCPUUserMaskInfoForm::ListView1Changing);
  OnCreate = Handler(this, &TCPUUserMaskInfoForm::FormCreate);
  OnClose = Handler(this, &TCPUUserMaskInfoForm::FormClose);

  CountBox = Static;
  RowButtons = {DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {Edit1};
  DetailEdits = {Edit1, Edit5, Edit3, Edit4, Edit6, Edit7};
  ProfileKey = Edit1;
  RowStatusBox = ComboBox1;
  RowStatusColumn = VarRowStatus;
  int column = VarFirstMask;
  for (TEdit* mask : {Edit5, Edit3, Edit4, Edit6, Edit7}) EmptyEditRules.push_back({mask, column++});
  DoCreate();
}

void TCPUUserMaskInfoForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        OpenTable(CpuFilterPacketContentProfileTable, 1, true);
        Table->BindEdits(VarProfileId, "%i{n1x3}", Edit1);
        for (const NvEmptyEditRule& mask : EmptyEditRules) Table->BindEdits(mask.Column, "%s{l32}", mask.Edit);
        Table->BindControl(VarRowStatus, ComboBox1);
        TAclProfileBase::ClearDetailControls();
        ChooseRowStatus(NvRowStatusName::CreateAndGo);
        IdleButtons();
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
}

void TCPUUserMaskInfoForm::GetButtonClick(TObject*) { Refresh(); }

void TCPUUserMaskInfoForm::AddButtonClick(TObject*) {
  if (!KeysGiven() || !KeyIsNew() || !RowStatusCreates()) return;
  for (size_t w = 0; w < EmptyEditRules.size(); ++w) {
    TCustomEdit* mask = EmptyEditRules[w].Edit;
    if (IsValidHexMask(mask->Text)) continue;
    const std::string message =
        "Filtered Port(s) " + std::string(NvPacketWindows[w]) + " can not contain invalid character(s).";
    Refuse(message.c_str(), mask);
    return;
  }
  WriteNewProfile();
}

void TCPUUserMaskInfoForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TCPUUserMaskInfoForm::ApplyEnablingRules() {
  // Without a row the details are for a new one.
  if (!ListView1->Selected()) ChooseRowStatus(NvRowStatusName::CreateAndGo);
}

void TCPUUserMaskInfoForm::ListView1Changing(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TCPUUserMaskInfoForm::ClearDetailControls() {
  TAclProfileBase::ClearDetailControls();
  ChooseRowStatus(NvRowStatusName::CreateAndGo);
}

void TCPUUserMaskInfoForm::CloseButtonClick(TObject*) { Close(); }

void TCPUUserMaskInfoForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
