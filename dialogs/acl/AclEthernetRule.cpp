#include "AclEthernetRule.h"

#include "NvSNMPRequest2Edits.h"
#include "PartialSet.h"
#include "PortPickers.h"

using namespace NvEthernetRuleVar;

const NvAclTexts NvEthernetRuleTexts{
    .ProfileKeyMissing = "Mask ID must be set.",
    .AccessKeyMissing = "Access ID must be set.",
    .Duplicate = "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
    .EmptyField = "Some check field is empty",
};

namespace {
constexpr NvHexCheck MacCheck{12, "Invalid MAC Address"};
constexpr NvHexCheck EthTypeCheck{4, "Invalid Ethernet Type"};
}  // namespace

TAclEthernetRuleBase::TAclEthernetRuleBase(TComponent* Owner, const NvEthernetRuleLayout& layout)
    : TAclRuleBase(Owner, layout.Width, layout.Height, NvEthernetRuleTexts), layout_(layout) {
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, ButtonsLeft() - 16, layout.ListHeight);
  MaskIDEdit = Put<TEdit>(this, "MaskIDEdit", 0, 0, 106, 21);
  AccessEdit = Put<TEdit>(this, "AccessEdit", 0, 0, 106, 21);
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), MaskIDEdit, FieldLeft + 18, FieldControlLeft, RowTop(0));
  PutField(Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), AccessEdit, FieldLeft + 18, FieldControlLeft, RowTop(1));
  VlanRuleEdit = Put<TEdit>(this, "VlanRuleEdit", 0, 0, 106, 21);
  cbxVlan = PutIncludeRow("cbxVlan", "VLAN Rule", VlanRuleEdit, FieldLeft, FieldControlLeft, RowTop(2));
  SourceMACEdit = Put<TEdit>(this, "SourceMACEdit", 0, 0, 106, 21);
  cbxSource = PutIncludeRow("cbxSource", "Source MAC Address Rule", SourceMACEdit, FieldLeft, FieldControlLeft, RowTop(3));
  DestMACEdit = Put<TEdit>(this, "DestMACEdit", 0, 0, 106, 21);
  cbxDestination = PutIncludeRow("cbxDestination", "Destination MAC Address Rule", DestMACEdit, FieldLeft, FieldControlLeft, RowTop(4));
  IEEE8021pEdit = Put<TEdit>(this, "IEEE8021pEdit", 0, 0, 106, 21);
  cbxIEEE802dot1P = PutIncludeRow("cbxIEEE802dot1P", "802.1p Rule", IEEE8021pEdit, FieldLeft, FieldControlLeft, RowTop(5));
  EthTypeEdit = Put<TEdit>(this, "EthTypeEdit", 0, 0, 106, 21);
  cbxEtherType = PutIncludeRow("cbxEtherType", "Ethernet Type Rule", EthTypeEdit, FieldLeft, FieldControlLeft, RowTop(6));
  PermitComboBox = Put<TComboBox>(this, "PermitComboBox", 0, 0, 100, 21);
  cbxPermit = PutIncludeRow("cbxPermit", "Permit", PermitComboBox, RightLeft, RightControlLeft, RowTop(layout.PermitRow));
  RowComboBox = Put<TComboBox>(this, "RowComboBox", 0, 0, 100, 21);
  cbxRow = PutIncludeRow("cbxRow", "Row Status", RowComboBox, RightLeft, RightControlLeft, RowTop(layout.RowStatusRow));

  StaticText1 = PutSamples(this, "StaticText1", ButtonsLeft(), 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TAclEthernetRuleBase::GetButtonClick);
  EditButton = Put<TButton>(this, "EditButton", 0, 0, 88, 25, "Edit");
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TAclEthernetRuleBase::AddButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TAclEthernetRuleBase::DeleteButtonClick);
  AddCheckButton =
      PutButton(this, "AddCheckButton", "Check All", 0, 0, 88, 25, &TAclEthernetRuleBase::AddCheckButtonClick);
  PutStatusBar();

  DeclareList(ListView1, &TAclEthernetRuleBase::ListView1Change);
  OnClose = Handler(this, &TAclEthernetRuleBase::FormClose);

  CountBox = StaticText1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {MaskIDEdit, AccessEdit};
  DetailEdits = {MaskIDEdit, AccessEdit, VlanRuleEdit, SourceMACEdit, DestMACEdit, IEEE8021pEdit, EthTypeEdit};
  Pickers = {&Picker};
  ProfileKey = MaskIDEdit;
  AccessKey = AccessEdit;
  RowStatusBox = RowComboBox;
  RowStatusColumn = layout.RowStatusColumn;
  PortColumn = layout.PortColumn;
  IncludeBoxes = {{cbxVlan, Vlan, VlanRuleEdit},
                  {cbxSource, SourceMac, SourceMACEdit},
                  {cbxDestination, DestinationMac, DestMACEdit},
                  {cbxIEEE802dot1P, Priority8021p, IEEE8021pEdit},
                  {cbxEtherType, EthType, EthTypeEdit}};
}

void TAclEthernetRuleBase::BindShared(const NvSNMPVar* table, const char* profileFormat, const char* accessFormat) {
  OpenTable(table, 2, true);
  Table->BindEdits(ProfileId, profileFormat, MaskIDEdit);
  Table->BindEdits(AccessId, accessFormat, AccessEdit);
  Table->BindEdits(Vlan, "%s{l32}", VlanRuleEdit);
  Table->BindEdits(SourceMac, "%s{l12}", SourceMACEdit);
  Table->BindEdits(DestinationMac, "%s{l12}", DestMACEdit);
  Table->BindEdits(Priority8021p, "%i{n0x7}", IEEE8021pEdit);
  Table->BindEdits(EthType, "%s{l4}", EthTypeEdit);
  Table->BindControl(layout_.PermitColumn, PermitComboBox);
  Table->BindControlList(layout_.PortColumn, MakePortIndexList(), Picker->CheckBoxes);
  Table->BindControl(layout_.RowStatusColumn, RowComboBox);
  StartingChoices = {{PermitComboBox, "permit"}, {RowComboBox, NvRowStatusName::CreateAndGo}};
}

bool TAclEthernetRuleBase::CheckInput() {
  if (!KeysGiven() || !TickedFieldsFilled()) return false;
  if (cbxSource->Checked && !HexDigitsExact(SourceMACEdit, MacCheck)) return false;
  if (cbxDestination->Checked && !HexDigitsExact(DestMACEdit, MacCheck)) return false;
  return !cbxEtherType->Checked || HexDigitsExact(EthTypeEdit, EthTypeCheck);
}

void TAclEthernetRuleBase::GetButtonClick(TObject*) { Refresh(); }

void TAclEthernetRuleBase::AddButtonClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !RowStatusCreates(cbxRow)) return;
  // The port list has no include box and is always written.
  WriteRow([&](NvVarFlagsScope& flags) { LeaveOutUnticked(flags); });
}

void TAclEthernetRuleBase::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TAclEthernetRuleBase::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAclEthernetRuleBase::AddCheckButtonClick(TObject*) { TickAll(true); }

void TAclEthernetRuleBase::ClearChecksClick(TObject*) { TickAll(false); }

void TAclEthernetRuleBase::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
