#include "Ipruleunit.h"

#include <initializer_list>

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "NvValueChecks.h"
#include "Oid_acl.h"

using namespace NvIpRuleVar;

TIPRuleForm* IPRuleForm = nullptr;

namespace {

// Variables of AclIpRuleTable beyond the shared ones.
enum : int {
  VarEnablePriority = 13, VarPriority = 14, VarReplacePriority = 15, VarEnableReplaceDscp = 16, VarReplaceDscp = 17,
  VarPermit = 18, VarPort = 19, VarRowStatus = 20, VarRxRate = 21, VarMaskVlan = 22, VarMaskSourceIp = 23,
  VarMaskDestinationIp = 24, VarMaskSourcePort = 25, VarMaskDestinationPort = 26
};

const NvIpRuleLayout kLayout{
    .Width = 707, .Height = 715, .ListHeight = 150, .LeftRows = 13,
    .PermitColumn = VarPermit, .RowStatusColumn = VarRowStatus, .PortColumn = VarPort,
    .ProfileFormat = "%i{n1x512l3}", .AccessFormat = "%i{n0x65535l5}", .VlanFormat = "%s{l16}",
    .TypeCodeFormat = "%i{n-1x255l3}", .VlanName = "VlanEdit", .VlanLabel = "Rule VLAN",
    .ProtocolLabel = "Rule Protocol", .TypeBoxName = "chk_Type", .TypeName = "edt_Type", .CodeBoxName = "chk_Code",
    .CodeName = "edt_Code", .RowStatusName = "RowComboBox",
    .ProtocolLeavesOut = {{"none", ColumnSpan(Protocol, ProtocolId)},
                          {"icmp", ColumnSpan(SourcePort, ProtocolId)},
                          {"igmp", ColumnSpan(SourcePort, ProtocolId)},
                          {"tcp", {ProtocolId}},
                          {"udp", {FlagBits, ProtocolId}},
                          {"protocolId", {SourcePort, DestinationPort, FlagBits}}}};

bool IpValid(TCustomEdit* edit) { return IsValidIPString(edit->Text, NvIpCheckFull); }
// The mask addresses take the check of their value format.
bool MaskIpValid(TCustomEdit* edit) { return CheckIPAddress(edit); }
bool FourHexDigits(TCustomEdit* edit) { return IsValidHexString(edit->Text, NvFourDigitMask); }
bool RxRateValid(TCustomEdit* edit) {
  return TAclDialogBase::NumberInRange(edit, 0, 156249, "RX Rate should between 0-156249");
}

}  // namespace

TIPRuleForm::TIPRuleForm(TComponent* Owner) : TAclIpRuleBase(Owner, kLayout) {
  Name = "IPRuleForm";
  Caption = "IP Rule";
  Position = poScreenCenter;
  chk_Type = cbxType;
  edt_Type = TypeEdit;
  chk_Code = cbxCode;
  edt_Code = CodeEdit;

  Put<TLabel>(this, "", AccessIDEdit->Left + AccessIDEdit->Width + 6, RowTop(1) + 3, 0, 13, "0 = auto_assign");
  auto row = [&](TCheckBox*& box, const char* boxName, const char* label, auto*& control, const char* name, int r) {
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
    control = Put<Control>(this, name, 0, 0, FieldWidth, 21);
    box = PutRow(boxName, label, control, 1, r);
  };
  row(cbxEnabledPriority, "cbxEnabledPriority", "Enable Priority", EnablePriorityComboBox, "EnablePriorityComboBox", 0);
  row(cbxPriority, "cbxPriority", "Priority", PriorityEdit, "PriorityEdit", 1);
  row(cbxReplacePriority, "cbxReplacePriority", "Replace Priority", ReplaceComboBox, "ReplaceComboBox", 2);
  row(chkEnableReplaceDscp, "chkEnableReplaceDscp", "Replace Dscp State", cbbEnableReplaceDscp, "cbbEnableReplaceDscp", 3);
  row(chkRepDscp, "chkRepDscp", "Replace Dscp", edtReplaceDscp, "edtReplaceDscp", 4);
  row(cbxRxRate, "cbxRxRate", "RX Rate", RxRateEdit, "RxRateEdit", 7);
  row(chk_maskvlan, "chk_maskvlan", "Mask VLAN", edt_maskvlan, "edt_maskvlan", 8);
  row(chk_maskSrcIP, "chk_maskSrcIP", "Mask Source IP", edt_maskSrcIP, "edt_maskSrcIP", 9);
  row(chk_maskDstIP, "chk_maskDstIP", "Mask Destination IP", edt_maskDstIP, "edt_maskDstIP", 10);
  row(chk_maskSrcPort, "chk_maskSrcPort", "Mask Source Port", edt_maskSrcPort, "edt_maskSrcPort", 11);
  row(chk_maskDstPort, "chk_maskDstPort", "Mask Destination Port", edt_maskDstPort, "edt_maskDstPort", 12);

  Button1 = PutButton(this, "Button1", "Stop", 0, 0, 88, 25, &TIPRuleForm::Button1Click);
  btn_Close = PutButton(this, "btn_Close", "Close", 0, 0, 88, 25, &TIPRuleForm::btn_CloseClick);
  DeleteButton->OnClick = Handler(this, &TIPRuleForm::DeleteButtonClick);
  EditButton->Visible = false;  // rules are not changed in place
  StackButtons(ButtonsLeft(), 52,
               {GetButton, AddButton, DeleteButton, CheckButton, UncheckButton, Button1, btn_Close, EditButton});
  DeclareList<TIPRuleForm>(ListView1, &TIPRuleForm::ListView1Change);
  EnablePriorityComboBox->OnChange = Handler(this, &TIPRuleForm::EnablePriorityComboBoxChange);
  OnCreate = Handler(this, &TIPRuleForm::FormCreate);

  for (TCustomEdit* edit : {PriorityEdit, edtReplaceDscp, RxRateEdit, edt_maskvlan, edt_maskSrcIP, edt_maskDstIP,
                            edt_maskSrcPort, edt_maskDstPort})
    DetailEdits.push_back(edit);
  // The order in which CheckInput walks them.
  IncludeBoxes.insert(IncludeBoxes.end(), {{cbxEnabledPriority, VarEnablePriority, EnablePriorityComboBox},
                                           {cbxPriority, VarPriority, PriorityEdit},
                                           {cbxReplacePriority, VarReplacePriority, ReplaceComboBox},
                                           {cbxPermit, VarPermit, PermitComboBox},
                                           {chkRepDscp, VarReplaceDscp, edtReplaceDscp},
                                           {chkEnableReplaceDscp, VarEnableReplaceDscp, cbbEnableReplaceDscp},
                                           {cbxRxRate, VarRxRate, RxRateEdit},
                                           {chk_maskvlan, VarMaskVlan, edt_maskvlan},
                                           {chk_maskSrcIP, VarMaskSourceIp, edt_maskSrcIP},
                                           {chk_maskDstIP, VarMaskDestinationIp, edt_maskDstIP},
                                           {chk_maskSrcPort, VarMaskSourcePort, edt_maskSrcPort},
                                           {chk_maskDstPort, VarMaskDestinationPort, edt_maskDstPort},
                                           {cbxRow, VarRowStatus, RowComboBox}});
  FieldChecks = {{SourceIPEdit, SourceIp, IpValid},
                 {DestIPEdit, DestinationIp, IpValid},
                 {RxRateEdit, VarRxRate, RxRateValid},
                 {edt_maskvlan, VarMaskVlan, FourHexDigits},
                 {edt_maskSrcIP, VarMaskSourceIp, MaskIpValid},
                 {edt_maskDstIP, VarMaskDestinationIp, MaskIpValid},
                 {edt_maskSrcPort, VarMaskSourcePort, FourHexDigits},
                 {edt_maskDstPort, VarMaskDestinationPort, FourHexDigits}};
  DoCreate();
}

void TIPRuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        BindShared(AclIpRuleTable);
        Table->BindControl(VarEnablePriority, EnablePriorityComboBox);
        Table->BindEdits(VarPriority, "%i{n0x7l1}", PriorityEdit);
        Table->BindControl(VarReplacePriority, ReplaceComboBox);
        Table->BindControl(VarEnableReplaceDscp, cbbEnableReplaceDscp);
        Table->BindEdits(VarReplaceDscp, "%i{n0x63l2}", edtReplaceDscp);
        Table->BindEdits(VarRxRate, "%i", RxRateEdit);
        Table->BindEdits(VarMaskVlan, "%s{l4f}", edt_maskvlan);
        Table->BindEdits(VarMaskSourceIp, "%s{I}", edt_maskSrcIP);
        Table->BindEdits(VarMaskDestinationIp, "%s{I}", edt_maskDstIP);
        Table->BindEdits(VarMaskSourcePort, "%s{l4f}", edt_maskSrcPort);
        Table->BindEdits(VarMaskDestinationPort, "%s{l4f}", edt_maskDstPort);
      },
      [&] { DataComplete = 1; });
  ChooseOption(ProtocolComboBox, "none");
  ChooseOption(PermitComboBox, "permit");
  ChooseOption(cbbEnableReplaceDscp, "enabled");
  ChooseRowStatus(NvRowStatusName::CreateAndGo);
  EnablePriorityComboBoxChange(nullptr);  // no choice yet: the priority fields are off
  if (bound) Refresh();
  IdleButtons();
}

void TIPRuleForm::EnablePriorityComboBoxChange(TObject*) {
  const bool enabled = EnablePriorityComboBox->Text() == "enabled";
  EnableField(PriorityEdit, enabled);
  EnableField(ReplaceComboBox, enabled);
  cbxPriority->Enabled = enabled;
  cbxReplacePriority->Enabled = enabled;
}

void TIPRuleForm::ApplyEnablingRules() {
  // A rule's protocol is its profile's: the choice only steers what a new rule leaves out.
  if (List->Selected()) {
    cbxProtocol->Checked = false;
    cbxProtocol->Enabled = false;
    EnableField(ProtocolComboBox, false);
  }
  EnablePriorityComboBoxChange(nullptr);
}

void TIPRuleForm::ClearDetailControls() {
  TAclIpRuleBase::ClearDetailControls();
  cbxProtocol->Enabled = true;
  EnableField(ProtocolComboBox, true);
}

void TIPRuleForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TIPRuleForm::Button1Click(TObject*) { StopWalk(); }

void TIPRuleForm::btn_CloseClick(TObject*) { Close(); }
