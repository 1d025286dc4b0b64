#include "Cpuipmaskinformationformunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "NvValueChecks.h"
#include "Oid_acl.h"

using namespace NvIpProfileVar;

namespace {

const NvIpProfileLayout kLayout{.Width = 733, .Height = 495, .ListHeight = 120, .ButtonsLeft = 733 - 108,
                                .UseVlanName = "UseVlanComboBox", .IcmpName = "ICMPOpetionComboBo",
                                .IgmpName = "IGMPOpetionComboBo", .ProtocolIdMaskName = "ProtoIDEdit",
                                .ProtocolIdMaskLabel = "Proto ID Mask (0-255)", .OwnMaskName = "ProIDMaskEdit",
                                .OwnMaskLabel = "User Mask"};

constexpr NvHexCheck UserMaskCheck{8, "Invalid Mask!"};

bool IpMaskValid(TCustomEdit* edit) { return CheckIPAddress(edit); }

}  // namespace

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(TComponent* Owner) : TAclIpProfileBase(Owner, kLayout) {
  Name = "CPUIPMaskInformationForm";
  Caption = "IP Mask (CPU Interface Filtering)";
  Position = poDesigned;
  Left = 262;
  Top = 309;
  UseVlanComboBox = UseVlanCombo;
  ICMPOpetionComboBo = IcmpCombo;
  IGMPOpetionComboBo = IgmpCombo;
  ProtoIDEdit = ProtocolIdMaskEdit;
  ProIDMaskEdit = OwnMaskEdit;

  StaticText1 = PutSamples(this, "StaticText1", kLayout.ButtonsLeft, 8);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TCPUIPMaskInformationForm::CloseButtonClick);
  StackButtons(kLayout.ButtonsLeft, 52, {BT_Get, BT_Add, BT_Delete, CloseButton, SetBtn});
  OnCreate = Handler(this, &TCPUIPMaskInformationForm::FormCreate);
  CountBox = StaticText1;
  // Cleared details show every combo on its first choice.
  DetailFirstItemCombos = {UseVlanComboBox, IpAddMaskStateComboBox, UseDSCPComBo,          UseProTypeComBo,
                           ICMPOpetionComboBo, IGMPOpetionComboBo,   TCPOptionComBo,        UDPOptionComBo,
                           TCPFlagBitOptionComBo, ProOptionComBo,    RowStatusComBo};

  DeclareRules({{ICMPOpetionComboBo, {{"none", {IcmpOption}}}}, {ProOptionComBo, {{"disable", {OwnMask}}}}},
               {{"none", ColumnSpan(Protocol, OwnMask)},
                {"icmp", ColumnSpan(IgmpOption, OwnMask)},
                {"igmp", {IcmpOption, TcpOption, UdpOption, SourcePortMask, DestinationPortMask, TcpFlag, TcpFlagMask,
                          ProtocolIdOption, ProtocolIdMask, OwnMask}},
                {"tcp", {IcmpOption, IgmpOption, UdpOption, ProtocolIdOption, ProtocolIdMask, OwnMask}},
                {"udp", {IcmpOption, IgmpOption, TcpOption, TcpFlag, TcpFlagMask, ProtocolIdOption, ProtocolIdMask,
                         OwnMask}},
                {"protocolId", ColumnSpan(IcmpOption, TcpFlagMask)}});
  MaskChecks = {{IpAddMaskSrcEdit, SourceMask, IpMaskValid},
                {IpAddMaskDstEdit, DestinationMask, IpMaskValid},
                {ProIDMaskEdit, OwnMask, [](TCustomEdit* e) { return HexDigitsExact(e, UserMaskCheck); }},
                {ProtoIDEdit, ProtocolIdMask,
                 [](TCustomEdit* e) { return NumberInRange(e, 0, 255, "Please input a valid value"); }},
                {TCPUDPDstPortMaskEdit, DestinationPortMask, FourHexDigits},
                {TCPUDPSrcMaskEdit, SourcePortMask, FourHexDigits},
                {TCPFlagBitMaskEdit, TcpFlagMask, FlagMaskInRange}};
  DoCreate();
}

void TCPUIPMaskInformationForm::FormCreate(TObject*) {
  const bool bound = Guarded([&] { BindShared(CpuFilterIpProfileTable, "%i{n1x3}", "%i", "%s{l8}"); },
                             [&] { DataComplete = 1; });
  ClearDetailControls();
  if (bound) Refresh();
  IdleButtons();
}

void TCPUIPMaskInformationForm::CloseButtonClick(TObject*) { Close(); }
