#include "Cpuipruleformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "NvValueChecks.h"
#include "Oid_acl.h"
#include "PartialSet.h"

using namespace NvIpRuleVar;

namespace {

// Variables of CpuFilterIpRuleTable beyond the shared ones.
enum : int { VarUserMask = 13, VarPermit = 14, VarRowStatus = 15, VarPort = 16 };

const NvIpRuleLayout kLayout{
    .Width = 680, .Height = 580, .ListHeight = 120, .LeftRows = 9,
    .PermitColumn = VarPermit, .RowStatusColumn = VarRowStatus, .PortColumn = VarPort,
    .ProfileFormat = "%i{n1x3}", .AccessFormat = "%i{n1x5}", .VlanFormat = "%s{l32}",
    .TypeCodeFormat = "%i{n0x255l3}", .VlanName = "VLANEdit", .VlanLabel = "VLAN", .ProtocolLabel = "Protocol",
    .TypeBoxName = "cbxType", .TypeName = "TypeEdit", .CodeBoxName = "cbxCode", .CodeName = "CodeEdit",
    .RowStatusName = "RowStatusComboBox",
    .ProtocolLeavesOut = {{"none", ColumnSpan(Type, VarUserMask)},
                          {"icmp", ColumnSpan(SourcePort, VarUserMask)},
                          {"igmp", ColumnSpan(Type, VarUserMask)},
                          {"tcp", {Type, Code, ProtocolId, VarUserMask}},
                          {"udp", {Type, Code, FlagBits, ProtocolId, VarUserMask}},
                          {"protocolId", ColumnSpan(Type, FlagBits)}}};

// The user mask is 4 octets.
constexpr NvHexCheck UserMaskCheck{8, "Invalid User Mask"};

bool IpValid(TCustomEdit* edit) { return CheckIPAddress(edit); }

}  // namespace

TCPUIPRuleForm::TCPUIPRuleForm(TComponent* Owner) : TAclIpRuleBase(Owner, kLayout) {
  Name = "CPUIPRuleForm";
  Caption = "IP Rule (CPU Interface Filtering)";
  Position = poDesigned;
  Left = 148;
  Top = 85;
  VLANEdit = VlanEdit;
  RowStatusComboBox = RowComboBox;

  UserMaskEdit = Put<TEdit>(this, "UserMaskEdit", 0, 0, FieldWidth, 21);
  cbxUserMask = PutRow("cbxUserMask", "User Mask", UserMaskEdit, 1, 4);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TCPUIPRuleForm::CloseButtonClick);
  EditButton->OnClick = Handler(this, &TCPUIPRuleForm::EditButtonClick);
  DeleteButton->OnClick = Handler(this, &TCPUIPRuleForm::DeleteButtonClick);
  StackButtons(ButtonsLeft(), 52, {GetButton, EditButton, AddButton, DeleteButton, CheckButton, UncheckButton, CloseButton});
  DeclareList<TCPUIPRuleForm>(ListView1, &TCPUIPRuleForm::ListView1Change);
  OnCreate = Handler(this, &TCPUIPRuleForm::FormCreate);

  DetailEdits.push_back(UserMaskEdit);
  // Cleared details show every combo on its first choice.
  DetailFirstItemCombos = {ProtocolComboBox, PermitComboBox, RowStatusComboBox};
  IncludeBoxes.insert(IncludeBoxes.end(), {{cbxUserMask, VarUserMask, UserMaskEdit},
                                           {cbxPermit, VarPermit, PermitComboBox},
                                           {cbxRow, VarRowStatus, RowStatusComboBox}});
  FieldChecks = {{SourceIPEdit, SourceIp, IpValid},
                 {DestIPEdit, DestinationIp, IpValid},
                 {UserMaskEdit, VarUserMask, [](TCustomEdit* e) { return HexDigitsExact(e, UserMaskCheck); }}};
  DoCreate();
}

void TCPUIPRuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        BindShared(CpuFilterIpRuleTable);
        Table->BindEdits(VarUserMask, "%s", UserMaskEdit);
      },
      [&] { DataComplete = 1; });
  ClearDetailControls();
  if (bound) Refresh();
  IdleButtons();
  ShowRowCount();
}

void TCPUIPRuleForm::EditButtonClick(TObject*) {
  if (!List->Selected() || !CheckInput()) return;
  RewriteSelectedRule([&](NvVarFlagsScope& flags) { LeaveOutOfRule(flags); });
}

void TCPUIPRuleForm::DeleteButtonClick(TObject*) { ConfirmDestroySelectedRow(); }

void TCPUIPRuleForm::CloseButtonClick(TObject*) { Close(); }
