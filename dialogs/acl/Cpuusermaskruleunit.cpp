#include "Cpuusermaskruleunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"
#include "PartialSet.h"
#include "PortPickers.h"

TCPUUserMaskRuleForm* CPUUserMaskRuleForm = nullptr;

namespace {

// Variables of CpuFilterPacketContentRuleTable.
enum : int {
  VarProfileId = 0, VarAccessId = 1, VarFirstPayload = 2, VarPermit = 7, VarRowStatus = 8, VarPort = 9
};

const NvAclTexts kTexts{
    .ProfileKeyMissing = "Profile ID must be set.",
    .AccessKeyMissing = "Access ID must be set.",
    .Duplicate = "Has already a record with the same Profile Rule ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
};

constexpr int Buttons = 706 - 104;
constexpr int RowTop(int r) { return 166 + 26 * r; }

}  // namespace

TCPUUserMaskRuleForm::TCPUUserMaskRuleForm(TComponent* Owner) : TAclRuleBase(Owner, 706, 517, kTexts) {
  Name = "CPUUserMaskRuleForm";
  Caption = "Packet Content Rule (CPU Interface Filtering)";
  Position = poDesigned;
  Left = 215;
  Top = 138;

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, Buttons - 16, 150);
  TEdit** const payloads[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
  TCheckBox** const boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5};
  const char* const labels[] = {"Offset Mask (0-15)", "Offset Mask (16-31)", "Offset Mask (32-47)",
                                "Offset Mask (48-63)", "Offset Mask (64-79)"};
  for (int w = 0; w < 5; ++w) {
    const std::string n = std::to_string(w + 1);
    *payloads[w] = Put<TEdit>(this, ("Edit" + n).c_str(), 0, 0, 250, 21);
    *boxes[w] = PutIncludeRow(("CheckBox" + n).c_str(), labels[w], *payloads[w], 8, 140, RowTop(w));
    IncludeBoxes.push_back({*boxes[w], VarFirstPayload + w, *payloads[w]});
  }
  ProfileID_Edit = Put<TEdit>(this, "ProfileID_Edit", 0, 0, 90, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), ProfileID_Edit, 426, 496, RowTop(0));
  AccessID_Edit = Put<TEdit>(this, "AccessID_Edit", 0, 0, 90, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), AccessID_Edit, 426, 496, RowTop(1));
  PermitComboBox = Put<TComboBox>(this, "PermitComboBox", 0, 0, 90, 21);
  PermitCBox = PutIncludeRow("PermitCBox", "Permit", PermitComboBox, 408, 496, RowTop(2));
  StatusComboBox = Put<TComboBox>(this, "StatusComboBox", 0, 0, 90, 21);
  StatusCBox = PutIncludeRow("StatusCBox", "Row Status", StatusComboBox, 408, 496, RowTop(3));
  IncludeBoxes.push_back({PermitCBox, VarPermit, PermitComboBox});
  IncludeBoxes.push_back({StatusCBox, VarRowStatus, StatusComboBox});
  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, RowTop(5) + 4, Buttons - 16, 160);

  Static = PutSamples(this, "Static", Buttons, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TCPUUserMaskRuleForm::GetButtonClick);
  OperButton = PutButton(this, "OperButton", "Edit", 0, 0, 88, 25, &TCPUUserMaskRuleForm::OperButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TCPUUserMaskRuleForm::AddButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TCPUUserMaskRuleForm::DeleteButtonClick);
  CheckButton = PutButton(this, "CheckButton", "Check All", 0, 0, 88, 25, &TCPUUserMaskRuleForm::CheckButtonClick);
  UncheckButton =
      PutButton(this, "UncheckButton", "Clear Checks", 0, 0, 88, 25, &TCPUUserMaskRuleForm::UncheckButtonClick);
  closeButton = PutButton(this, "closeButton", "Close", 0, 0, 88, 25, &TCPUUserMaskRuleForm::closeButtonClick);
  StackButtons(Buttons, 52, {GetButton, OperButton, AddButton, DeleteButton, CheckButton, UncheckButton, closeButton});
  PutStatusBar();

  DeclareList(ListView1, &TCPUUserMaskRuleForm::ListView1Change);
  OnCreate = Handler(this, &TCPUUserMaskRuleForm::FormCreate);
  OnClose = Handler(this, &TCPUUserMaskRuleForm::FormClose);

  CountBox = Static;
  RowButtons = {OperButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {ProfileID_Edit, AccessID_Edit};
  DetailEdits = {ProfileID_Edit, AccessID_Edit, Edit1, Edit2, Edit3, Edit4, Edit5};
  Pickers = {&Picker};
  ProfileKey = ProfileID_Edit;
  AccessKey = AccessID_Edit;
  RowStatusBox = StatusComboBox;
  RowStatusColumn = VarRowStatus;
  PortColumn = VarPort;
  DoCreate();
}

void TCPUUserMaskRuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        Picker = CreatePortPicker(this, StackingPortPanel);
        OpenTable(CpuFilterPacketContentRuleTable, 2, true);
        Table->BindEdits(VarProfileId, "%i{n1x3}", ProfileID_Edit);
        Table->BindEdits(VarAccessId, "%i{n1x5}", AccessID_Edit);
        TEdit* const payloads[] = {Edit1, Edit2, Edit3, Edit4, Edit5};
        for (int w = 0; w < 5; ++w) Table->BindEdits(VarFirstPayload + w, "%s{l32}", payloads[w]);
        Table->BindControl(VarPermit, PermitComboBox);
        Table->BindControl(VarRowStatus, StatusComboBox);
        Table->BindControlList(VarPort, MakePortIndexList(), Picker->CheckBoxes);
        ShowRowCount();
        ChooseOption(PermitComboBox, "permit");
        ChooseRowStatus(NvRowStatusName::CreateAndGo);
        IdleButtons();
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
}

bool TCPUUserMaskRuleForm::PayloadsValid() {
  for (int w = 0; w < 5; ++w) {
    const NvIncludeBox& payload = IncludeBoxes[w];
    auto* edit = static_cast<TCustomEdit*>(payload.Field);
    if (!payload.Box->Checked || IsValidHexMask(edit->Text)) continue;
    const std::string message =
        "Packet(s) Offset " + std::string(NvPacketWindows[w]) + " can not contain invalid character(s).";
    return Refuse(message.c_str(), edit);
  }
  return true;
}

void TCPUUserMaskRuleForm::LeaveOutUnchosen(NvVarFlagsScope& flags) const {
  LeaveOutUnticked(flags);
  if (!AnyPortTicked()) flags.ExcludeVar(VarPort);
}

void TCPUUserMaskRuleForm::AddButtonClick(TObject*) {
  if (!KeysGiven() || !KeyIsNew() || !RowStatusCreates(StatusCBox) || !PayloadsValid()) return;
  WriteRow([&](NvVarFlagsScope& flags) { LeaveOutUnchosen(flags); });
}

void TCPUUserMaskRuleForm::OperButtonClick(TObject*) {
  if (!ListView1->Selected() || !KeysGiven()) return;
  if (StatusComboBox->Text() == NvRowStatusName::Destroy && StatusCBox->Checked) {
    DestroySelectedRow();
    return;
  }
  if (!PayloadsValid()) return;
  ShowSelectedKeys();
  WriteRow([&](NvVarFlagsScope& flags) { LeaveOutUnchosen(flags); });
}

void TCPUUserMaskRuleForm::GetButtonClick(TObject*) { Refresh(); }

void TCPUUserMaskRuleForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TCPUUserMaskRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TCPUUserMaskRuleForm::CheckButtonClick(TObject*) { TickAll(true); }

void TCPUUserMaskRuleForm::UncheckButtonClick(TObject*) { TickAll(false); }

void TCPUUserMaskRuleForm::closeButtonClick(TObject*) { Close(); }

void TCPUUserMaskRuleForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
