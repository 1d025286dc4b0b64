#include "AclIpProfile.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"

using namespace NvIpProfileVar;

const NvAclTexts NvIpProfileTexts{
    .ProfileKeyMissing = "IP Mask ID must be set.",
    .Duplicate = "There is already a record with the same IP Mask ID. Please modified it.",
    .RowStatus = "Row Status must be createAndGo.",
};

namespace {
constexpr int FieldRow = 26;
}  // namespace

TAclIpProfileBase::TAclIpProfileBase(TComponent* Owner, const NvIpProfileLayout& layout)
    : TAclProfileBase(Owner, layout.Width, layout.Height, NvIpProfileTexts), layout_(layout) {
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, layout.ButtonsLeft - 16, layout.ListHeight);
  auto combo = [&](const char* name) { return Put<TComboBox>(this, name, 0, 0, 120, 21); };
  auto edit = [&](const char* name) { return Put<TEdit>(this, name, 0, 0, 120, 21); };
  IPIDEdit = edit("IPIDEdit");
  UseVlanCombo = combo(layout.UseVlanName);
  IpAddMaskStateComboBox = combo("IpAddMaskStateComboBox");
  IpAddMaskSrcEdit = edit("IpAddMaskSrcEdit");
  IpAddMaskDstEdit = edit("IpAddMaskDstEdit");
  UseDSCPComBo = combo("UseDSCPComBo");
  UseProTypeComBo = combo("UseProTypeComBo");
  IcmpCombo = combo(layout.IcmpName);
  IgmpCombo = combo(layout.IgmpName);
  TCPOptionComBo = combo("TCPOptionComBo");
  UDPOptionComBo = combo("UDPOptionComBo");
  TCPUDPSrcMaskEdit = edit("TCPUDPSrcMaskEdit");
  TCPUDPDstPortMaskEdit = edit("TCPUDPDstPortMaskEdit");
  TCPFlagBitOptionComBo = combo("TCPFlagBitOptionComBo");
  TCPFlagBitMaskEdit = edit("TCPFlagBitMaskEdit");
  ProOptionComBo = combo("ProOptionComBo");
  ProtocolIdMaskEdit = edit(layout.ProtocolIdMaskName);
  OwnMaskEdit = edit(layout.OwnMaskName);
  RowStatusComBo = combo("RowStatusComBo");

  // Two columns under the table: the address and usage fields, then the protocol's.
  const int top = layout.ListHeight + 18;
  auto field = [&](const char* label, TControl* control, int column, int row) {
    const int left = column == 0 ? 8 : 300;
    PutField(Put<TLabel>(this, "", 0, 0, 0, 13, label), control, left, left + (column == 0 ? 160 : 190),
             top + FieldRow * row);
  };
  field("Profile ID", IPIDEdit, 0, 0);
  field("Use VLAN", UseVlanCombo, 0, 1);
  field(layout.OwnMaskLabel, OwnMaskEdit, 0, 2);
  field("IP Address Mask State", IpAddMaskStateComboBox, 0, 3);
  field("IP Address Mask Source", IpAddMaskSrcEdit, 0, 4);
  field("IP Address Mask Destination", IpAddMaskDstEdit, 0, 5);
  field("Use DSCP", UseDSCPComBo, 0, 6);
  field("Use Protocol Type", UseProTypeComBo, 0, 7);
  field("Row Status", RowStatusComBo, 0, 8);
  field("ICMP Option", IcmpCombo, 1, 0);
  field("IGMP Option", IgmpCombo, 1, 1);
  field("TCP Option", TCPOptionComBo, 1, 2);
  field("UDP Option", UDPOptionComBo, 1, 3);
  field("TCP or UDP Source Port Mask", TCPUDPSrcMaskEdit, 1, 4);
  field("TCP or UDP Destination Port Mask", TCPUDPDstPortMaskEdit, 1, 5);
  field("TCP Flag Bit Option", TCPFlagBitOptionComBo, 1, 6);
  field("TCP Flag Bit Mask (0-63)", TCPFlagBitMaskEdit, 1, 7);
  field("Protocol ID Option", ProOptionComBo, 1, 8);
  field(layout.ProtocolIdMaskLabel, ProtocolIdMaskEdit, 1, 9);

  BT_Get = PutButton(this, "BT_Get", "Refresh", 0, 0, 88, 25, &TAclIpProfileBase::BT_GetClick);
  BT_Add = PutButton(this, "BT_Add", "Add", 0, 0, 88, 25, &TAclIpProfileBase::BT_AddClick);
  BT_Delete = PutButton(this, "BT_Delete", "Delete", 0, 0, 88, 25, &TAclIpProfileBase::BT_DeleteClick);
  SetBtn = Put<TButton>(this, "SetBtn", 0, 0, 88, 25, "Set");
  SetBtn->Visible = false;
  PutStatusBar();

  DeclareList(ListView1, &TAclIpProfileBase::ListView1Changing);
  OnClose = Handler(this, &TAclIpProfileBase::FormClose);

  RowButtons = {SetBtn, BT_Delete};
  AddButtons = {BT_Add};
  LockedKeys = {IPIDEdit};
  DetailEdits = {IPIDEdit,          IpAddMaskSrcEdit,   IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                 TCPFlagBitMaskEdit, ProtocolIdMaskEdit, OwnMaskEdit};
  ProfileKey = IPIDEdit;
  RowStatusBox = RowStatusComBo;
  RowStatusColumn = RowStatus;
  EmptyEditRules = {{TCPFlagBitMaskEdit, TcpFlagMask},      {IpAddMaskSrcEdit, SourceMask},
                    {IpAddMaskDstEdit, DestinationMask},    {TCPUDPSrcMaskEdit, SourcePortMask},
                    {TCPUDPDstPortMaskEdit, DestinationPortMask}, {ProtocolIdMaskEdit, ProtocolIdMask},
                    {OwnMaskEdit, OwnMask}};
}

void TAclIpProfileBase::DeclareRules(std::vector<NvComboRule> extra, std::vector<NvChoiceLeavesOut> protocols) {
  ComboRules = {MaskStateRule(IpAddMaskStateComboBox, MaskState, SourceMask, DestinationMask, "dst-ip-addr",
                              "src-ip-addr")};
  ComboRules.insert(ComboRules.end(), extra.begin(), extra.end());
  // An option on "other" takes the port masks with it, unless the other option uses them.
  for (auto [combo, option] : {std::pair{TCPOptionComBo, TcpOption}, std::pair{UDPOptionComBo, UdpOption}})
    ComboRules.push_back({combo, {{"other", {option, SourcePortMask, DestinationPortMask}}}});
  for (TComboBox* combo : {TCPOptionComBo, UDPOptionComBo})
    ComboRules.push_back({combo,
                          {{"dst-port", {DestinationPortMask}},
                           {"src-port", {SourcePortMask}},
                           {"dst-src-port", {SourcePortMask, DestinationPortMask}}},
                          true});
  ComboRules.push_back({TCPFlagBitOptionComBo, {{"disable", {TcpFlagMask}}}});
  ComboRules.push_back({UseProTypeComBo, std::move(protocols)});
}

void TAclIpProfileBase::BindShared(const NvSNMPVar* table, const char* keyFormat, const char* protocolIdMaskFormat,
                                   const char* ownMaskFormat) {
  OpenTable(table, 1, true);
  Table->BindEdits(ProfileId, keyFormat, IPIDEdit);
  Table->BindControl(UseVlan, UseVlanCombo);
  Table->BindControl(MaskState, IpAddMaskStateComboBox);
  Table->BindEdits(SourceMask, "%s", IpAddMaskSrcEdit);
  Table->BindEdits(DestinationMask, "%s", IpAddMaskDstEdit);
  Table->BindControl(UseDscp, UseDSCPComBo);
  Table->BindControl(Protocol, UseProTypeComBo);
  Table->BindControl(IcmpOption, IcmpCombo);
  Table->BindControl(IgmpOption, IgmpCombo);
  Table->BindControl(TcpOption, TCPOptionComBo);
  Table->BindControl(UdpOption, UDPOptionComBo);
  Table->BindEdits(SourcePortMask, "%s", TCPUDPSrcMaskEdit);
  Table->BindEdits(DestinationPortMask, "%s", TCPUDPDstPortMaskEdit);
  Table->BindControl(TcpFlag, TCPFlagBitOptionComBo);
  Table->BindEdits(TcpFlagMask, "%i", TCPFlagBitMaskEdit);
  Table->BindControl(ProtocolIdOption, ProOptionComBo);
  Table->BindEdits(ProtocolIdMask, protocolIdMaskFormat, ProtocolIdMaskEdit);
  Table->BindEdits(OwnMask, ownMaskFormat, OwnMaskEdit);
  Table->BindControl(RowStatus, RowStatusComBo);
}

bool TAclIpProfileBase::FourHexDigits(TCustomEdit* edit) { return HexDigitsExact(edit, NvFourDigitMask); }

bool TAclIpProfileBase::FlagMaskInRange(TCustomEdit* edit) {
  return NumberInRange(edit, 0, 63, "Please input a valid value");
}

bool TAclIpProfileBase::CheckInput() {
  if (!KeysGiven() || !ReadFinished()) return false;
  // Every mask that would be written is checked: one left unchecked would be sent garbled.
  const std::set<int> leftOut = LeftOutByChoices();
  for (const NvMaskCheck& mask : MaskChecks) {
    if (leftOut.count(mask.Column) || mask.Edit->Text().empty()) continue;
    if (!mask.Valid(mask.Edit)) {
      if (mask.Edit->CanFocus()) mask.Edit->SetFocus();
      return false;
    }
  }
  return true;
}

void TAclIpProfileBase::BT_GetClick(TObject*) { Refresh(); }

void TAclIpProfileBase::BT_AddClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !RowStatusCreates()) return;
  WriteNewProfile();
}

void TAclIpProfileBase::BT_DeleteClick(TObject*) { ConfirmDestroySelectedRow(); }

void TAclIpProfileBase::ListView1Changing(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAclIpProfileBase::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
