#include "Ipmaskinformationformunit.h"

#include "DialogChecks.h"
#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

using namespace NvIpProfileVar;

namespace {

const NvIpProfileLayout kLayout{.Width = 749, .Height = 464, .ListHeight = 130, .ButtonsLeft = 749 - 108,
                                .UseVlanName = "UseVLANComboBox", .IcmpName = "cbb_icmp", .IgmpName = "cbb_igmp",
                                .ProtocolIdMaskName = "ProIDMaskEdit",
                                .ProtocolIdMaskLabel = "Protocol ID  Mask (0-255)", .OwnMaskName = "edt_VLANMask",
                                .OwnMaskLabel = "VLAN Mask"};

// The VLAN mask is the 2-octet value; fewer digits or other characters would be sent garbled.
constexpr NvHexCheck VlanMaskCheck{4, "Invalid Mask!"};

bool IpMaskValid(TCustomEdit* edit) { return IsValidIPString(edit->Text, NvIpCheckFull); }

// At most three digits, 0 to 255; a text that is no number is refused like a wrong one.
bool ProtocolIdMaskValid(TCustomEdit* edit) {
  if (edit->Text().size() > 3) {
    ShowMessage("Invalid Mask!");
    return false;
  }
  return TAclDialogBase::NumberInRange(edit, 0, 255, "Invalid Mask!");
}

}  // namespace

TIPMaskInformationForm::TIPMaskInformationForm(TComponent* Owner) : TAclIpProfileBase(Owner, kLayout) {
  Name = "IPMaskInformationForm";
  Caption = "IP Mask";
  Position = poMainFormCenter;
  UseVLANComboBox = UseVlanCombo;
  cbb_icmp = IcmpCombo;
  cbb_igmp = IgmpCombo;
  ProIDMaskEdit = ProtocolIdMaskEdit;
  edt_VLANMask = OwnMaskEdit;
  LB_ProtoID = Put<TLabel>(this, "LB_ProtoID", 8, 8, 0, 13, "Proto ID (0-255)");
  ProtoIDEdit = Put<TEdit>(this, "ProtoIDEdit", 8, 8, 60, 21);
  LB_ProtoID->Visible = false;
  ProtoIDEdit->Visible = false;

  ST_Count = PutSamples(this, "ST_Count", kLayout.ButtonsLeft, 8);
  Button1 = PutButton(this, "Button1", "Stop", 0, 0, 88, 25, &TIPMaskInformationForm::Button1Click);
  btn_Close = PutButton(this, "btn_Close", "Close", 0, 0, 88, 25, &TIPMaskInformationForm::btn_CloseClick);
  StackButtons(kLayout.ButtonsLeft, 52, {BT_Get, BT_Add, BT_Delete, Button1, btn_Close, SetBtn});
  OnCreate = Handler(this, &TIPMaskInformationForm::FormCreate);
  CountBox = ST_Count;

  DeclareRules({}, {{"none", ColumnSpan(Protocol, ProtocolIdMask)},
                    {"icmp", ColumnSpan(IgmpOption, ProtocolIdMask)},
                    {"igmp", {IcmpOption, TcpOption, UdpOption, SourcePortMask, DestinationPortMask, TcpFlag,
                              TcpFlagMask, ProtocolIdOption, ProtocolIdMask}},
                    {"tcp", {IcmpOption, IgmpOption, UdpOption, ProtocolIdOption, ProtocolIdMask}},
                    {"udp", {IcmpOption, IgmpOption, TcpOption, TcpFlag, TcpFlagMask, ProtocolIdOption,
                             ProtocolIdMask}},
                    {"protocolId", ColumnSpan(IcmpOption, TcpFlagMask)}});
  MaskChecks = {{IpAddMaskSrcEdit, SourceMask, IpMaskValid},
                {IpAddMaskDstEdit, DestinationMask, IpMaskValid},
                {ProIDMaskEdit, ProtocolIdMask, ProtocolIdMaskValid},
                {TCPUDPDstPortMaskEdit, DestinationPortMask, FourHexDigits},
                {TCPUDPSrcMaskEdit, SourcePortMask, FourHexDigits},
                {TCPFlagBitMaskEdit, TcpFlagMask, FlagMaskInRange},
                {edt_VLANMask, OwnMask, [](TCustomEdit* e) { return HexDigitsExact(e, VlanMaskCheck); }}};
  DoCreate();
}

void TIPMaskInformationForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        BindShared(AclIpProfileTable, "%i{n1x512l3}", "%s", "%s{l4f}");
        const std::pair<TComboBox*, const char*> firstChoices[] = {
            {IpAddMaskStateComboBox, "other"}, {UseDSCPComBo, "disabled"},  {UseProTypeComBo, "none"},
            {UseVLANComboBox, "enabled"},      {cbb_icmp, "none"},          {cbb_igmp, "disable"},
            {TCPOptionComBo, "other"},         {UDPOptionComBo, "other"},   {TCPFlagBitOptionComBo, "disable"},
            {ProOptionComBo, "disable"},       {RowStatusComBo, "active"}};
        for (const auto& [combo, choice] : firstChoices) ChooseOption(combo, choice);
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  IdleButtons();
  ClearDetailControls();
}

void TIPMaskInformationForm::Button1Click(TObject*) { StopWalk(); }

void TIPMaskInformationForm::btn_CloseClick(TObject*) { Close(); }
