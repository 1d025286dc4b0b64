#include "AclIpRule.h"

#include <type_traits>

#include "NvSNMPRequest2Edits.h"
#include "PartialSet.h"
#include "PortPickers.h"

using namespace NvIpRuleVar;

const NvAclTexts NvIpRuleTexts{
    .ProfileKeyMissing = "IP Rule ID must be set.",
    .AccessKeyMissing = "IP Rule Access ID must be set.",
    .Duplicate = "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
    .EmptyField = "Some checked field is empty",
};

TAclIpRuleBase::TAclIpRuleBase(TComponent* Owner, const NvIpRuleLayout& layout)
    : TAclRuleBase(Owner, layout.Width, layout.Height, NvIpRuleTexts), layout_(layout) {
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, ButtonsLeft() - 16, layout.ListHeight);
  IPRuleEdit = Put<TEdit>(this, "IPRuleEdit", 0, 0, KeyWidth, 21);
  AccessIDEdit = Put<TEdit>(this, "AccessIDEdit", 0, 0, KeyWidth, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), IPRuleEdit, LeftBox + 18, LeftControl, RowTop(0));
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), AccessIDEdit, LeftBox + 18, LeftControl, RowTop(1));

  // The shared fields fill the left column from row 2, then the right one from its top.
  int slot = 2;
  auto row = [&](TCheckBox*& box, const char* boxName, const char* label, auto*& control, const char* name) {
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
    control = Put<Control>(this, name, 0, 0, FieldWidth, 21);
    const bool left = slot < layout.LeftRows;
    box = PutRow(boxName, label, control, left ? 0 : 1, left ? slot : slot - layout.LeftRows);
    ++slot;
  };
  row(cbxVlan, "cbxVlan", layout.VlanLabel, VlanEdit, layout.VlanName);
  row(cbxSourceIP, "cbxSourceIP", "Source IP Address", SourceIPEdit, "SourceIPEdit");
  row(cbxDestIP, "cbxDestIP", "Destination IP address", DestIPEdit, "DestIPEdit");
  row(cbxDscp, "cbxDscp", "DSCP", DSCPEdit, "DSCPEdit");
  row(cbxProtocol, "cbxProtocol", layout.ProtocolLabel, ProtocolComboBox, "ProtocolComboBox");
  row(cbxType, layout.TypeBoxName, "Type", TypeEdit, layout.TypeName);
  row(cbxCode, layout.CodeBoxName, "Code", CodeEdit, layout.CodeName);
  row(cbxSourcePort, "cbxSourcePort", "Source Port", SourcePortEdit, "SourcePortEdit");
  row(cbxDestPort, "cbxDestPort", "Destination Port", DestPortEdit, "DestPortEdit");
  row(cbxFBs, "cbxFBs", "Flag Bits", FlagEdit, "FlagEdit");
  row(cbxProtocolID, "cbxProtocolID", "Protocol ID", ProtocolIDEdit, "ProtocolIDEdit");
  PermitComboBox = Put<TComboBox>(this, "PermitComboBox", 0, 0, FieldWidth, 21);
  cbxPermit = PutRow("cbxPermit", "Permit", PermitComboBox, 1, 5);
  RowComboBox = Put<TComboBox>(this, layout.RowStatusName, 0, 0, FieldWidth, 21);
  cbxRow = PutRow("cbxRow", "Row Status", RowComboBox, 1, 6);
  StackingPortPanel =
      Put<TPanel>(this, "StackingPortPanel", 8, RowTop(layout.LeftRows) + 4, ButtonsLeft() - 16, 162);

  StaticText1 = PutSamples(this, "StaticText1", ButtonsLeft(), 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TAclIpRuleBase::GetButtonClick);
  EditButton = Put<TButton>(this, "EditButton", 0, 0, 88, 25, "Edit");
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TAclIpRuleBase::AddButtonClick);
  DeleteButton = Put<TButton>(this, "DeleteButton", 0, 0, 88, 25, "Delete");
  CheckButton = PutButton(this, "CheckButton", "Check All", 0, 0, 88, 25, &TAclIpRuleBase::CheckButtonClick);
  UncheckButton = PutButton(this, "UncheckButton", "Clear Checks", 0, 0, 88, 25, &TAclIpRuleBase::UncheckButtonClick);
  PutStatusBar();

  OnClose = Handler(this, &TAclIpRuleBase::FormClose);
  CountBox = StaticText1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {IPRuleEdit, AccessIDEdit};
  DetailEdits = {IPRuleEdit, AccessIDEdit, VlanEdit,       SourceIPEdit, DestIPEdit,    DSCPEdit,
                 TypeEdit,   CodeEdit,     SourcePortEdit, DestPortEdit, FlagEdit,      ProtocolIDEdit};
  Pickers = {&Picker};
  ProfileKey = IPRuleEdit;
  AccessKey = AccessIDEdit;
  RowStatusBox = RowComboBox;
  RowStatusColumn = layout.RowStatusColumn;
  PortColumn = layout.PortColumn;
  // The order in which CheckInput walks them; a member adds its own.
  IncludeBoxes = {{cbxVlan, Vlan, VlanEdit},
                  {cbxSourceIP, SourceIp, SourceIPEdit},
                  {cbxDestIP, DestinationIp, DestIPEdit},
                  {cbxDscp, Dscp, DSCPEdit},
                  {cbxProtocol, Protocol, ProtocolComboBox},
                  {cbxType, Type, TypeEdit},
                  {cbxCode, Code, CodeEdit},
                  {cbxSourcePort, SourcePort, SourcePortEdit},
                  {cbxDestPort, DestinationPort, DestPortEdit},
                  {cbxFBs, FlagBits, FlagEdit},
                  {cbxProtocolID, ProtocolId, ProtocolIDEdit}};
}

TCheckBox* TAclIpRuleBase::PutRow(const char* boxName, const char* label, TControl* control, int column, int row) {
  return PutIncludeRow(boxName, label, control, column == 0 ? LeftBox : RightBox,
                       column == 0 ? LeftControl : RightControl, RowTop(row));
}

void TAclIpRuleBase::BindShared(const NvSNMPVar* table) {
  Picker = CreatePortPicker(this, StackingPortPanel);
  OpenTable(table, 2, false);
  Table->BindEdits(ProfileId, layout_.ProfileFormat, IPRuleEdit);
  Table->BindEdits(AccessId, layout_.AccessFormat, AccessIDEdit);
  Table->BindEdits(Vlan, layout_.VlanFormat, VlanEdit);
  Table->BindEdits(SourceIp, "%s{l16}", SourceIPEdit);
  Table->BindEdits(DestinationIp, "%s{l16}", DestIPEdit);
  Table->BindEdits(Dscp, "%i{n0x63l2}", DSCPEdit);
  Table->BindControl(Protocol, ProtocolComboBox);
  Table->BindEdits(Type, layout_.TypeCodeFormat, TypeEdit);
  Table->BindEdits(Code, layout_.TypeCodeFormat, CodeEdit);
  Table->BindEdits(SourcePort, "%i{n0x65535l5}", SourcePortEdit);
  Table->BindEdits(DestinationPort, "%i{n0x65535l5}", DestPortEdit);
  Table->BindEdits(FlagBits, "%i{n0x63l2}", FlagEdit);
  Table->BindEdits(ProtocolId, "%i{n0x255l3}", ProtocolIDEdit);
  Table->BindControl(layout_.PermitColumn, PermitComboBox);
  Table->BindControlList(layout_.PortColumn, MakePortIndexList(), Picker->CheckBoxes);
  Table->BindControl(layout_.RowStatusColumn, RowComboBox);
}

bool TAclIpRuleBase::CheckInput() { return KeysGiven() && TickedFieldsFilled(); }

void TAclIpRuleBase::ExcludeByProtocol(NvVarFlagsScope& flags) const {
  if (!Counts(cbxProtocol)) return;
  const std::string protocol = ProtocolComboBox->Text;
  for (const NvChoiceLeavesOut& leaves : layout_.ProtocolLeavesOut)
    if (protocol == leaves.Choice)
      for (int column : leaves.Columns) flags.ExcludeVar(column);
}

void TAclIpRuleBase::LeaveOutOfRule(NvVarFlagsScope& flags) const {
  LeaveOutUnticked(flags);
  ExcludeByProtocol(flags);
}

void TAclIpRuleBase::GetButtonClick(TObject*) { Refresh(); }

void TAclIpRuleBase::AddButtonClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !RowStatusCreates(cbxRow)) return;
  // The port list has no include box and is always written.
  WriteRow([&](NvVarFlagsScope& flags) { LeaveOutOfRule(flags); });
}

void TAclIpRuleBase::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAclIpRuleBase::CheckButtonClick(TObject*) { TickAll(true); }

void TAclIpRuleBase::UncheckButtonClick(TObject*) { TickAll(false); }

void TAclIpRuleBase::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
