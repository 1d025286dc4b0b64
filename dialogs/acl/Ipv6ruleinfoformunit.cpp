#include "Ipv6ruleinfoformunit.h"

#include <initializer_list>
#include <type_traits>

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"
#include "PartialSet.h"
#include "StackingPortUitForm.h"

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

// Variables of AclIpv6RuleTable.
enum : int {
  VarProfileId = 0, VarAccessId = 1, VarClass = 2, VarFlowLabel = 3, VarSourceAddress = 4, VarEnablePriority = 5,
  VarPriority = 6, VarReplacePriority = 7, VarPermit = 8, VarPort = 9, VarRowStatus = 10, VarEnableReplaceDscp = 11,
  VarReplaceDscp = 12, VarProtocol = 13, VarSourcePort = 14, VarDestinationPort = 15, VarMaskSourceAddress = 16,
  VarMaskSourcePort = 17, VarMaskDestinationPort = 18
};

const NvAclTexts kTexts{
    .ProfileKeyMissing = "Rule ID must be set.",
    .AccessKeyMissing = "Rule Access ID must be set.",
    .Duplicate = "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
    .EmptyField = "Some checked field is empty",
    .NotComplete = NvDialogText::GetNotCompleteBang,
};

constexpr NvHexCheck FlowLabelCheck{8, "Invalid data!"};
constexpr NvHexCheck AddressCheck{32, "Invalid Ipv6 Address value"};
// Fewer digits or other characters would be sent as other octets than the ones typed.
constexpr NvHexCheck PortMaskCheck{4, "Invalid data!"};

constexpr int kWidth = 667, Buttons = kWidth - 115, ListHeight = 169;
constexpr int RowTop(int r) { return ListHeight + 16 + 24 * r; }
constexpr int kLeft = 8, LeftControl = 150, kRight = 272, RightControl = 430;

}  // namespace

TIpv6RuleForm::TIpv6RuleForm(TComponent* Owner) : TAclRuleBase(Owner, kWidth, 615, kTexts, NvScale::ByDpi) {
  Name = "Ipv6RuleForm";
  Caption = "IPv6 Rule";
  Position = poDesktopCenter;

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, Buttons - 16, ListHeight);
  edtRuleID = Put<TEdit>(this, "edtRuleID", 0, 0, 60, 21);
  edtRuleAccessID = Put<TEdit>(this, "edtRuleAccessID", 0, 0, 60, 21);
  PlaceInRow(kLeft + 18, RowTop(0),
             {Put<TLabel>(this, "", 0, 0, 0, 13, "Prifile ID"), edtRuleID,
              Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), edtRuleAccessID,
              Put<TLabel>(this, "", 0, 0, 0, 13, "0 = auto_assign")});

  auto row = [&](TCheckBox*& box, const char* boxName, const char* label, auto*& control, const char* name,
                 int left, int controlLeft, int r, int width) {
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
    control = Put<Control>(this, name, 0, 0, width, 21);
    box = PutIncludeRow(boxName, label, control, left, controlLeft, RowTop(r));
  };
  row(cbxRuleClass, "cbxRuleClass", " Class (0-255)", edtRuleClass, "edtRuleClass", kLeft, LeftControl, 1, 100);
  row(cbxRuleFlowlabel, "cbxRuleFlowlabel", "Flowlabel", edtRuleFlowlabel, "edtRuleFlowlabel", kLeft, LeftControl, 2, 100);
  row(cbxEnablePriority, "cbxEnablePriority", "Enable Priority", PriorityComboBox, "PriorityComboBox", kLeft,
      LeftControl, 3, 100);
  row(cbxPriority, "cbxPriority", "Priority", PriorityEdit, "PriorityEdit", kLeft, LeftControl, 4, 100);
  row(cbxReplacePriority, "cbxReplacePriority", "Replace Priority", ReplaceComboBox, "ReplaceComboBox", kLeft,
      LeftControl, 5, 100);
  row(cbxPermit, "cbxPermit", "Permit", PermitComboBox, "PermitComboBox", kLeft, LeftControl, 6, 100);
  row(cbxRow, "cbxRow", "Row Status", RowComboBox, "RowComboBox", kLeft, LeftControl, 7, 100);
  row(RuleProtoChx, "RuleProtoChx", " Rule Protocol", RuleProtoCombox, "RuleProtoCombox", kRight, RightControl, 1, 100);
  row(SrcPortChx, "SrcPortChx", " Source Port", SrcPortEdit, "SrcPortEdit", kRight, RightControl, 2, 100);
  row(DesPortChx, "DesPortChx", " Destination Port", DesPortEdit, "DesPortEdit", kRight, RightControl, 3, 100);
  row(cbxEnableReplaceDSCP, "cbxEnableReplaceDSCP", " Enable Replace DSCP", EnableReplaceDSCPComboBox,
      "EnableReplaceDSCPComboBox", kRight, RightControl, 4, 100);
  row(cbxEnableDSCPValue, "cbxEnableDSCPValue", " Replace DSCP Value", DSCPEdit, "DSCPEdit", kRight, RightControl, 5, 100);
  row(chk_MaskSrcPort, "chk_MaskSrcPort", " Mask Source Port", edt_MaskSrcPort, "edt_MaskSrcPort", kRight,
      RightControl, 6, 100);
  row(chk_MaskDstPort, "chk_MaskDstPort", " Mask Destination Port", edt_MaskDstPort, "edt_MaskDstPort", kRight,
      RightControl, 7, 100);
  // The two addresses take 32 digits: a line each across the window.
  row(cbxRuleSrcIpv6addr, "cbxRuleSrcIpv6addr", "Rule Source IPv6 Address", edtRuleSrcIpv6addr, "edtRuleSrcIpv6addr",
      kLeft, 200, 8, 260);
  row(chk_MaskSrcIp, "chk_MaskSrcIp", " Mask Source IPv6 Address", edt_MaskSrcIp, "edt_MaskSrcIp", kLeft, 200, 9, 260);
  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, RowTop(10) + 4, Buttons - 16, 131);

  StaticText1 = PutSamples(this, "StaticText1", Buttons + 8, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TIpv6RuleForm::GetButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TIpv6RuleForm::AddButtonClick);
  StopButton = PutButton(this, "StopButton", "Stop", 0, 0, 88, 25, &TIpv6RuleForm::StopButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TIpv6RuleForm::DeleteButtonClick);
  CheckButton = PutButton(this, "CheckButton", "Check All", 0, 0, 88, 25, &TIpv6RuleForm::CheckButtonClick);
  UncheckButton = PutButton(this, "UncheckButton", "Clear Checks", 0, 0, 88, 25, &TIpv6RuleForm::UncheckButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TIpv6RuleForm::CloseButtonClick);
  EditButton = Put<TButton>(this, "EditButton", 0, 0, 88, 25, "Edit");
  EditButton->Visible = false;
  StackButtons(Buttons + 8, 52,
               {GetButton, AddButton, StopButton, DeleteButton, CheckButton, UncheckButton, CloseButton, EditButton});
  PutStatusBar();

  DeclareList(ListView1, &TIpv6RuleForm::ListView1Change);
  PriorityComboBox->OnChange = Handler(this, &TIpv6RuleForm::PriorityComboBoxChange);
  EnableReplaceDSCPComboBox->OnChange = Handler(this, &TIpv6RuleForm::EnableReplaceDSCPComboBoxChange);
  RuleProtoCombox->OnChange = Handler(this, &TIpv6RuleForm::RuleProtoComboxChange);
  OnCreate = Handler(this, &TIpv6RuleForm::FormCreate);
  OnClose = Handler(this, &TIpv6RuleForm::FormClose);

  CountBox = StaticText1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {edtRuleID, edtRuleAccessID};
  DetailEdits = {edtRuleID,  edtRuleAccessID, edtRuleClass, edtRuleFlowlabel, edtRuleSrcIpv6addr, PriorityEdit,
                 DSCPEdit,   SrcPortEdit,     DesPortEdit,  edt_MaskSrcIp,    edt_MaskSrcPort,    edt_MaskDstPort};
  Pickers = {&PortPicker};
  ProfileKey = edtRuleID;
  AccessKey = edtRuleAccessID;
  RowStatusBox = RowComboBox;
  RowStatusColumn = VarRowStatus;
  PortColumn = VarPort;
  // The order in which CheckInput walks them.
  IncludeBoxes = {{cbxRuleClass, VarClass, edtRuleClass},
                  {cbxRuleFlowlabel, VarFlowLabel, edtRuleFlowlabel},
                  {cbxRuleSrcIpv6addr, VarSourceAddress, edtRuleSrcIpv6addr},
                  {cbxEnablePriority, VarEnablePriority, PriorityComboBox},
                  {cbxPriority, VarPriority, PriorityEdit},
                  {cbxReplacePriority, VarReplacePriority, ReplaceComboBox},
                  {cbxPermit, VarPermit, PermitComboBox},
                  {cbxRow, VarRowStatus, RowComboBox},
                  {cbxEnableReplaceDSCP, VarEnableReplaceDscp, EnableReplaceDSCPComboBox},
                  {cbxEnableDSCPValue, VarReplaceDscp, DSCPEdit},
                  {RuleProtoChx, VarProtocol, RuleProtoCombox},
                  {SrcPortChx, VarSourcePort, SrcPortEdit},
                  {DesPortChx, VarDestinationPort, DesPortEdit},
                  {chk_MaskDstPort, VarMaskDestinationPort, edt_MaskDstPort},
                  {chk_MaskSrcPort, VarMaskSourcePort, edt_MaskSrcPort},
                  {chk_MaskSrcIp, VarMaskSourceAddress, edt_MaskSrcIp}};
  DoCreate();
}

void TIpv6RuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        CreatePortPicker(StackingPortPanel, 12, 11);
        OpenTable(AclIpv6RuleTable, 2, false);
        Table->BindEdits(VarProfileId, "%i{n1x512l3}", edtRuleID);
        Table->BindEdits(VarAccessId, "%i{n0x65535l5}", edtRuleAccessID);
        Table->BindEdits(VarClass, "%i{n0x255l3}", edtRuleClass);
        Table->BindEdits(VarFlowLabel, "%s", edtRuleFlowlabel);
        Table->BindEdits(VarSourceAddress, "%s{l32}", edtRuleSrcIpv6addr);
        Table->BindControl(VarEnablePriority, PriorityComboBox);
        Table->BindEdits(VarPriority, "%i{n0x7l1}", PriorityEdit);
        Table->BindControl(VarReplacePriority, ReplaceComboBox);
        Table->BindControl(VarPermit, PermitComboBox);
        Table->BindControlList(VarPort, PortIndexList, PortPicker->CheckBoxes);
        Table->BindControl(VarRowStatus, RowComboBox);
        Table->BindControl(VarEnableReplaceDscp, EnableReplaceDSCPComboBox);
        Table->BindEdits(VarReplaceDscp, "%i{n0x63l2}", DSCPEdit);
        Table->BindControl(VarProtocol, RuleProtoCombox);
        Table->BindEdits(VarSourcePort, "%i{n0x65535l5}", SrcPortEdit);
        Table->BindEdits(VarDestinationPort, "%i{n0x65535l5}", DesPortEdit);
        Table->BindEdits(VarMaskSourceAddress, "%s{l32f}", edt_MaskSrcIp);
        Table->BindEdits(VarMaskSourcePort, "%s{l4f}", edt_MaskSrcPort);
        Table->BindEdits(VarMaskDestinationPort, "%s{l4f}", edt_MaskDstPort);
        ClearDetailControls();
        IdleButtons();
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  ShowRowCount();
}

void TIpv6RuleForm::ClearDetailControls() {
  TAclRuleBase::ClearDetailControls();
  ChooseOption(EnableReplaceDSCPComboBox, "disabled");
  ChooseOption(PriorityComboBox, "disabled");
  ChooseOption(ReplaceComboBox, "disabled");
  ChooseOption(PermitComboBox, "permit");
  ChooseOption(RuleProtoCombox, "tcp");
  ChooseRowStatus(NvRowStatusName::CreateAndGo);
  // The controls follow the choices just made.
  EnablingRules();
  ShowRowCount();
}

void TIpv6RuleForm::EnablingRules() {
  PriorityComboBoxChange(nullptr);
  EnableReplaceDSCPComboBoxChange(nullptr);
  RuleProtoComboxChange(nullptr);
}

void TIpv6RuleForm::PriorityComboBoxChange(TObject*) {
  const bool enabled = PriorityComboBox->Text() == "enabled";
  for (TControl* control : std::initializer_list<TControl*>{cbxPriority, PriorityEdit, cbxReplacePriority, ReplaceComboBox})
    control->Enabled = enabled;
  cbxPriority->Checked = false;
  cbxReplacePriority->Checked = false;
}

void TIpv6RuleForm::EnableReplaceDSCPComboBoxChange(TObject*) {
  const bool enabled = EnableReplaceDSCPComboBox->Text() != "disabled";
  if (!enabled) {
    DSCPEdit->Text = "";
    cbxEnableDSCPValue->Checked = false;
    cbxEnableReplaceDSCP->Checked = false;
  }
  EnableField(DSCPEdit, enabled);
  cbxEnableDSCPValue->Enabled = enabled;
  cbxEnableReplaceDSCP->Enabled = true;
}

void TIpv6RuleForm::RuleProtoComboxChange(TObject*) {
  const bool ports = RuleProtoCombox->Text() != "none";
  for (TCheckBox* box : {SrcPortChx, DesPortChx}) {
    box->Checked = false;
    box->Enabled = ports;
  }
  for (TEdit* edit : {SrcPortEdit, DesPortEdit}) {
    if (!ports) edit->Text = "";
    EnableField(edit, ports);
  }
}

bool TIpv6RuleForm::IsProtocolBox(const TCheckBox* box) const {
  return box == RuleProtoChx || box == SrcPortChx || box == DesPortChx;
}

void TIpv6RuleForm::CheckButtonClick(TObject*) {
  const bool dscp = EnableReplaceDSCPComboBox->Text() == "enabled";
  for (const NvIncludeBox& include : IncludeBoxes) {
    if (IsProtocolBox(include.Box)) continue;
    const bool dscpBox = include.Box == cbxEnableReplaceDSCP || include.Box == cbxEnableDSCPValue;
    if (dscpBox ? dscp : include.Box->Enabled()) include.Box->Checked = true;
  }
}

void TIpv6RuleForm::UncheckButtonClick(TObject*) {
  for (const NvIncludeBox& include : IncludeBoxes)
    if (!IsProtocolBox(include.Box)) include.Box->Checked = false;
}

bool TIpv6RuleForm::CheckInput() {
  if (!KeysGiven()) return false;
  return TickedFieldsFilled([&](const NvIncludeBox& include) {
    auto* edit = dynamic_cast<TCustomEdit*>(include.Field);
    switch (include.Column) {
      case VarFlowLabel: return HexDigitsExact(edit, FlowLabelCheck);
      case VarSourceAddress: case VarMaskSourceAddress: return HexDigitsExact(edit, AddressCheck);
      case VarMaskSourcePort: case VarMaskDestinationPort: return HexDigitsExact(edit, PortMaskCheck);
      default: return true;
    }
  });
}

void TIpv6RuleForm::GetButtonClick(TObject*) { Refresh(true); }

void TIpv6RuleForm::AddButtonClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !PermitTicked(cbxPermit, PermitComboBox) || !RowStatusCreates(cbxRow)) return;
  WriteRow([&](NvVarFlagsScope& flags) {
    LeaveOutUnticked(flags);
    // Priority and its replacement only go with an enabled priority.
    if (!cbxEnablePriority->Checked || PriorityComboBox->Text() != "enabled") {
      flags.ExcludeVar(VarPriority);
      flags.ExcludeVar(VarReplacePriority);
    }
  });
}

void TIpv6RuleForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TIpv6RuleForm::ApplyEnablingRules() {
  if (ListView1->Selected()) EnablingRules();
}

void TIpv6RuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TIpv6RuleForm::StopButtonClick(TObject*) {
  StopWalk();
  DataComplete = 1;
}

void TIpv6RuleForm::CloseButtonClick(TObject*) {
  StopButtonClick(nullptr);
  Close();
}

void TIpv6RuleForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
