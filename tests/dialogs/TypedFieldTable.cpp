// One row per registered dialog class: the button that writes its typed fields, the pop-up
// that holds more. A new dialog joins here (the suite fails until it has a row).
#include "TypedFieldTable.h"

#include <string>

namespace typedfields {
namespace {

// Why a dialog has no typed field to drive.
constexpr const char* kNoUsable = "its bound edits are keys locked on a chosen row or show values read only: nothing typed is written";
constexpr const char* kNoTyped = "no edit bound to a variable: its values are chosen, ticked or shown";

// A new profile with every mask in use: both addresses, and TCP's ports and flags.
#define kIpMasks "RowStatusComBo=createAndGo;IpAddMaskStateComboBox=dst-src-ip-addr;UseProTypeComBo=tcp;" \
                 "TCPOptionComBo=dst-src-port;TCPFlagBitOptionComBo=enable;IpAddMaskSrcEdit=255.255.255.0;" \
                 "IpAddMaskDstEdit=255.255.0.0;TCPUDPSrcMaskEdit=FFFF;TCPUDPDstPortMaskEdit=FF00;TCPFlagBitMaskEdit=63"
// The protocol-ID masks, which only protocol "protocolId" writes.
constexpr const char* kProtocolIdMask = "UseProTypeComBo=protocolId;ProOptionComBo=enable;ProIDMaskEdit=255";
constexpr const char* kCpuProtocolIdMasks =
    "UseProTypeComBo=protocolId;ProOptionComBo=enable;ProtoIDEdit=255;ProIDMaskEdit=FFFF0000";
constexpr const char* kEthernetMasks = "IDEdit=3;RowStatusComBo=createAndGo;MacMaskStateComBo=dst-src-mac-addr";

// A VLAN map column is typed as a list of its own 512 VLANs ("513-520,600"), not as the octets
// its binding has: a type the suite has no cases for yet.
#define kVlanList(n) "VLANRangeEdit" #n ": a list of the VLANs of its own 512-VLAN column, which the suite does not type yet"
constexpr const char* kVlanLists = kVlanList(1) ";" kVlanList(2) ";" kVlanList(3) ";" kVlanList(4) ";" kVlanList(5) ";"
    kVlanList(6) ";" kVlanList(7) ";" kVlanList(8);

// A new rule with every field ticked.
constexpr const char* kPacketContent =
    "edtProfileID=1;edtAccessID=77;chkPermit=1;cbbPermitComboBox=permit;chkRow=1;cbbRowComboBox=createAndGo;"
    "chkSourceMac=1;chkDstMac=1;chkCTag=1;chkSTag=1;chkPriority=1;chk_maskSrMAC=1;chk_MaskDstMac=1;chk_MaskCTag=1;"
    "chk_MaskSTag=1;chkEnableDSCPValue=1";

const FieldFacts kTable[] = {
    {.Class = "TAboutForm", .NoWrite = "the about box asks the switch nothing"},
    {.Class = "TAAASrvCtrlForm", .Write = "Set"},
    {.Class = "TARPConfigForm", .Popup = "Add", .PopupRow = -1, .Input = "IndexEdit=1;IPEdit=C0A80063;MACEdit=00112233AABB"},
    {.Class = "TARPSpoofingPreventMgmtForm", .Write = "Add", .Row = -1, .Input = "edtIpAddr=10.9.8.7;edtMacAddr=0011223344AB", .Ports = 1},
    {.Class = "TBOOTCtrlTableForm", .Popup = "Add", .Input = "Edit2=10.9.8.7", .Meanings = "Edit2=ipv4"},
    {.Class = "TCPUEthernetInformationForm", .Write = "Add", .Row = -1, .Input = kEthernetMasks},
    {.Class = "TCPUEthernetInformationRuleForm", .Write = "Edit", .Prepare = "Check All"},
    {.Class = "TCPUFilterIPV6RuleForm", .Write = "Edit", .Prepare = "Check All"},
    // Its keys run from 1 to 3, all in use on the switch.
    {.Class = "TCPUIPMaskInformationForm", .Write = "Add", .Row = -1, .Input = "IPIDEdit=3;" kIpMasks, .Also = kCpuProtocolIdMasks, .EmptiedBy = "Delete",
     .Meanings = "TCPUDPSrcMaskEdit=hex4;TCPUDPDstPortMaskEdit=hex4;ProIDMaskEdit=hex8"},
    // The chosen rule is TCP: ICMP carries its type and code, protocol ID its ID and user mask.
    {.Class = "TCPUIPRuleForm", .Write = "Edit", .Prepare = "Check All",
     .CaseInput = "TypeEdit>ProtocolComboBox=icmp;CodeEdit>ProtocolComboBox=icmp;ProtocolIDEdit>ProtocolComboBox=protocolId;"
                  "UserMaskEdit>ProtocolComboBox=protocolId"},
    // Its keys run from 1 to 3, all in use on the switch.
    {.Class = "TCPUUserMaskInfoForm", .Write = "Add", .Row = -1, .Input = "Edit1=3", .EmptiedBy = "Delete"},
    {.Class = "TCPUUserMaskRuleForm", .Write = "Edit", .Prepare = "Check All"},
    {.Class = "TCertificateFileForm", .Write = "Set Checked "},
    {.Class = "TCoSBrandwidthctrlForm", .NoWrite = kNoTyped},
    {.Class = "TCurrentTimeForm", .Write = "Set"},
    {.Class = "TERPSVLANUnitForm", .Write = "Edit", .Prepare = "Check All", .NeverWritten = kVlanLists},
    {.Class = "TEthernetInformationRuleForm", .Write = "Add", .Row = -1, .Prepare = "Check All", .Input = "MaskIDEdit=1;AccessEdit=77;RowComboBox=createAndGo", .Fill = true},
    {.Class = "TEthernetMaskInformationForm", .Write = "Add", .Row = -1, .Input = "IDEdit=77;RowStatusComBo=createAndGo;MacMaskStateComBo=dst-src-mac-addr"},
    {.Class = "TFilterDHCPPermitForm", .Write = "Add", .Row = -1, .Input = "edtIpAddr=10.9.8.7;edtMacAddr=0011223344AB", .Ports = 1},
    {.Class = "TGuestVlanForm", .Write = "Set"},
    {.Class = "TIGMPMulticastVlanForm", .Popup = "Add", .PopupRow = -1, .Input = "edtVID=2;edtFormIP=239.1.1.1;edtToIP=239.1.1.9"},
    {.Class = "TIGMPRouterPortsForm", .NoWrite = kNoTyped},
    {.Class = "TIGMPSnoopingClearDnyIpMultForm", .Write = "Set"},
    {.Class = "TIGMPSnoopingDataDrivenLearingGroupForm", .NoWrite = kNoUsable},
    {.Class = "TIGMP_SnoopingGroupTableForm", .NoWrite = kNoTyped},
    {.Class = "TIPMACBindingForm", .Write = "Edit"},
    {.Class = "TIPMaskInformationForm", .Write = "Add", .Row = -1, .Input = "IPIDEdit=77;" kIpMasks, .Also = kProtocolIdMask,
     .Meanings = "TCPUDPSrcMaskEdit=hex4;TCPUDPDstPortMaskEdit=hex4;ProIDMaskEdit=0..255;edt_VLANMask=hex4"},
    // A new rule of protocol TCP, which carries its ports and flags; ICMP its type and code.
    {.Class = "TIPRuleForm", .Write = "Add", .Row = -1, .Prepare = "Check All",
     .Input = "IPRuleEdit=1;AccessIDEdit=77;RowComboBox=createAndGo;ProtocolComboBox=tcp", .Fill = true,
     .CaseInput = "ProtocolIDEdit>ProtocolComboBox=protocolId;edt_Type>ProtocolComboBox=icmp;edt_Code>ProtocolComboBox=icmp"},
    // A new profile masking the source address and TCP's source port; the destination port under
    // its own option. An option "dst-src-addr" would be taken for the row status by the cleanup.
    {.Class = "TIPv6MaskInfoForm", .Write = "Add", .Row = -1,
     .Input = "edtMaskID=77;cbxStatus=createAndGo;cbxMaskState=src-ipv6-addr;ProtoTypeCombo=tcp;TCPOptionCombo=src-addr;"
              "edtSrcMask=FFFFFFFFFFFFFFFF0000000000000000;SourcePortEdit=FFFF",
     .Also = "TCPOptionCombo=dst-addr;DstPortEdit=FF00", .Meanings = "SourcePortEdit=hex4;DstPortEdit=hex4"},
    {.Class = "TISMVLANForm", .Write = "Set"},
    // Check All leaves the protocol's boxes alone: ticked here, so that the ports are written;
    // priority and DSCP replacement enabled, so that their values are.
    {.Class = "TIpv6RuleForm", .Write = "Add", .Row = -1, .Prepare = "Check All",
     .Input = "edtRuleID=1;edtRuleAccessID=77;cbbRowComboBox=createAndGo;edtRuleFlowlabel=00000001;"
              "RuleProtoCombox=tcp;RuleProtoChx=1;SrcPortChx=1;DesPortChx=1;PriorityComboBox=enabled;"
              "EnableReplaceDSCPComboBox=enabled;PriorityEdit=1;DSCPEdit=1",
     .Fill = true},
    // Its Add is hidden; Add Default opens only over an empty table.
    {.Class = "TIpv6StaticRouteForm", .Popup = "Add Default", .PopupRow = -1, .Input = "edtInterface=System;edtNextHop=FE800000000000000000000000000002", .EmptiedBy = "Delete"},
    {.Class = "TLLDPConfigProtocolForm", .NoWrite = kNoTyped},
    {.Class = "TLLDPConfigProtocolVLANForm", .NoWrite = kNoTyped},
    {.Class = "TLLDPConfigVLANNameForm", .NoWrite = kNoTyped},
    {.Class = "TLLDPDot3LinkAggForm", .NoWrite = kNoTyped},
    {.Class = "TLLDPDot3PortConfigForm", .Write = "Edit"},
    {.Class = "TLLDPDot3RemoteLinkAggForm", .NoWrite = kNoTyped},
    {.Class = "TLLDPLocSysDataForm", .NoWrite = kNoUsable},
    {.Class = "TLLDPPortConfigForm", .Write = "Edit"},
    {.Class = "TLLDPRemoteForm", .NoWrite = kNoTyped},
    {.Class = "TLoginMethodListForm", .Write = "Add", .Row = -1},
    {.Class = "TMBAControlForm", .Write = "Set"},
    {.Class = "TMLD_SnoopingGroupForm", .NoWrite = kNoUsable},
    {.Class = "TMLD_SnoopingRouterPortsForm", .NoWrite = kNoTyped},
    {.Class = "TMSInformationForm", .Popup = "Add", .PopupRow = -1, .Input = "MSIDEdit=30;KeyIDEdit=3;Row_Status=createAndGo"},
    {.Class = "TMSTPVLANUnitForm", .Write = "Edit", .Input = "CheckBoxPriority=1", .Stepped = "PriorityEdit",
     .NeverWritten = kVlanLists},
    {.Class = "TMulticastFilterInformationForm", .NoWrite = kNoUsable},
    {.Class = "TNLBMulticastFDBForm", .NoWrite = kNoUsable},
    {.Class = "TNLBUnicastFDBForm", .NoWrite = kNoUsable},
    {.Class = "TPacketContentRuleForm", .Write = "Add", .Row = -1, .Input = kPacketContent, .Ports = 1, .Fill = true},
    {.Class = "TPortCapabilities8021dForm", .NoWrite = kNoTyped},
    {.Class = "TPortMirrorForm", .Write = "Set "},
    {.Class = "TPortTrunkForm", .NoWrite = kNoUsable},
    {.Class = "TPrtSecDelCtrlForm", .Write = "Set"},
    {.Class = "TSMTPControlForm", .Write = "Set"},
    // Only host-based authentication carries a host.
    {.Class = "TSSHUserCtrlList", .Popup = "Edit", .Input = "cbbAuthMode=hostbased"},
    {.Class = "TSSLManagementForm", .Write = "Set"},
    {.Class = "TSTP_Info", .Write = "Set"},
    {.Class = "TSafeguardCtrlForm", .Write = "Set"},
    {.Class = "TServerInformationForm", .Write = "Edit"},
    {.Class = "TSpanningTreeAlgorithmForm", .NoWrite = kNoTyped},
    {.Class = "TSystemLogServerForm", .Write = "Set", .Meanings = "Ed_Port=6000..65535"},
    {.Class = "TTimeRangeForm", .Write = "Edit", .Meanings = "edtStart=time;edtEnd=time"},
    {.Class = "TTrafficSegmentationForm", .NoWrite = kNoTyped},
    {.Class = "TUnicastFilterInformationForm", .Write = "Add", .Row = -1, .Input = "ED_UnicastVID=1;UnicastAddress=0011223344AC", .Ports = 1},
    {.Class = "TVLanCurrentTableForm", .NoWrite = kNoTyped},
    {.Class = "TVLanPortInfomationForm", .Write = "Set"},
    {.Class = "TVlanStaticForm", .Write = "Set"},
    {.Class = "Tdot1vProtocolPortForm", .Popup = "Add", .PopupRow = -1, .Input = "edt_baseport=3;edt_groupid=1;edt_groupvid=2"},
    {.Class = "Tdot3ControlForm", .NoWrite = kNoTyped},
    {.Class = "Tdot3PauseForm", .NoWrite = kNoUsable},
    {.Class = "TfrmAgentSupportedUpdateFiles", .Write = "Set", .Input = "chk_FileDscr=1;chk_FileAddr=1;chk_File=1;chk_FileLocateId=1;chk_FileCtrlID=1;chk_FileIPv6Addr=1"},
    {.Class = "TfrmNetwroktime", .Write = "Set Checked "},
    {.Class = "TfrmSummerTime", .Write = "Set Checked"},
};

}  // namespace

std::span<const FieldFacts> Table() { return kTable; }

const FieldFacts* FactsOf(const char* dialogClass) {
  for (const FieldFacts& row : kTable)
    if (std::string(row.Class) == dialogClass) return &row;
  return nullptr;
}

}  // namespace typedfields
