// One row per registered dialog class: how the conformance scenarios reach it, and why a
// scenario means nothing for it. A new dialog joins here (the suite fails until it has a row).
#include "DialogConformance.h"

namespace conformance {
namespace {

constexpr const char* kOneGroup = "one group of values, no list of rows";
constexpr const char* kNoStop = "the dialog offers no Stop: Refresh during its walk is tried instead";
constexpr const char* kBlockingWrite = "its write is one blocking request: the window takes no click until the switch answers";

const DialogFacts kTable[] = {
    {.Class = "TAboutForm", .NoRead = "the about box asks the switch nothing"},
    {.Class = "TAAASrvCtrlForm", .Write = "Set", .Input = "edtSrvGrpName=grp9;edtSrvIP=10.0.0.9;cbxAuthPtcl=RADIUS;cbxOper=add", .NoList = kOneGroup},
    {.Class = "TARPConfigForm", .Write = "Delete", .NoStop = kNoStop, .Popup = "Add", .PopupInput = "IndexEdit=2;IPEdit=C0A80009;MACEdit=00E0FC000009"},
    {.Class = "TARPSpoofingPreventMgmtForm", .Write = "Set", .NoStop = kReadInOneGo},
    {.Class = "TBOOTCtrlTableForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TCPUEthernetInformationForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCPUEthernetInformationRuleForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCPUFilterIPV6RuleForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCPUIPMaskInformationForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCPUIPRuleForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TCPUUserMaskInfoForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCPUUserMaskRuleForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TCertificateFileForm", .Prepare = "Check All", .Write = "Set Checked ", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite},
    {.Class = "TCoSBrandwidthctrlForm", .Write = "Set"},
    {.Class = "TCurrentTimeForm", .Write = "Set", .NoList = kOneGroup},
    {.Class = "TERPSVLANUnitForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TEthernetInformationRuleForm", .Write = "Delete"},
    {.Class = "TEthernetMaskInformationForm", .Write = "Delete"},
    {.Class = "TFilterDHCPPermitForm", .Write = "Set", .NoStop = kReadInOneGo},
    {.Class = "TGuestVlanForm", .Write = "Set", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite},
    {.Class = "TIGMPMulticastVlanForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TIGMPRouterPortsForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TIGMPSnoopingClearDnyIpMultForm", .Write = "Set", .Input = "edtVID=1;edtIPAddr=239.1.1.10", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite},
    {.Class = "TIGMPSnoopingDataDrivenLearingGroupForm", .Write = "Set"},
    {.Class = "TIGMP_SnoopingGroupTableForm", .NoWrite = "shows the snooping groups the switch learnt: nothing to write"},
    {.Class = "TIPMACBindingForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TIPMaskInformationForm", .Write = "Delete"},
    {.Class = "TIPRuleForm", .Write = "Delete"},
    {.Class = "TIPv6MaskInfoForm", .Write = "Delete"},
    {.Class = "TISMVLANForm", .Write = "Set"},
    {.Class = "TIpv6RuleForm", .Write = "Delete"},
    {.Class = "TIpv6StaticRouteForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TLLDPConfigProtocolForm", .Write = "Set"},
    {.Class = "TLLDPConfigProtocolVLANForm", .Write = "Set"},
    {.Class = "TLLDPConfigVLANNameForm", .Write = "Set"},
    {.Class = "TLLDPDot3LinkAggForm", .NoStop = kNoStop, .NoWrite = "shows the local link aggregation: nothing to write"},
    {.Class = "TLLDPDot3PortConfigForm", .Write = "Edit"},
    {.Class = "TLLDPDot3RemoteLinkAggForm", .NoStop = kNoStop, .NoWrite = "shows what the neighbours told: nothing to write"},
    {.Class = "TLLDPLocSysDataForm", .NoList = kOneGroup, .NoWrite = "shows the local system data: nothing to write"},
    {.Class = "TLLDPPortConfigForm", .Write = "Edit"},
    {.Class = "TLLDPRemoteForm", .NoStop = kNoStop, .NoWrite = "shows what the neighbours told: nothing to write"},
    {.Class = "TLoginMethodListForm", .Write = "Delete", .WriteRow = 1, .NoStop = kReadInOneGo},
    {.Class = "TMBAControlForm", .Write = "Set", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite, .SetsAfterRefusal = 1},
    {.Class = "TMLD_SnoopingGroupForm", .NoWrite = "shows the snooping groups the switch learnt: nothing to write"},
    {.Class = "TMLD_SnoopingRouterPortsForm", .Write = "Set"},
    {.Class = "TMSInformationForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TMSTPVLANUnitForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TMulticastFilterInformationForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TNLBMulticastFDBForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TNLBUnicastFDBForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TPacketContentRuleForm", .Write = "Delete"},
    {.Class = "TPortCapabilities8021dForm", .NoStop = kReadInOneGo, .NoWrite = "shows the ports' capabilities: nothing to write"},
    {.Class = "TPortMirrorForm", .Write = "Set ", .NoList = kOneGroup, .SetsAfterRefusal = 2},
    {.Class = "TPortTrunkForm", .Write = "Set", .NoStop = kReadInOneGo},
    {.Class = "TPrtSecDelCtrlForm", .Write = "Set", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite},
    {.Class = "TSMTPControlForm", .Write = "Set", .NoList = kOneGroup},
    {.Class = "TSSHUserCtrlList", .Write = "Edit", .NoStop = kNoStop},
    {.Class = "TSSLManagementForm", .Write = "Set", .NoList = kOneGroup},
    {.Class = "TSTP_Info", .Write = "Set", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite},
    {.Class = "TSafeguardCtrlForm", .Prepare = "Check All", .Write = "Set", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite, .SetsAfterRefusal = 3},
    {.Class = "TServerInformationForm", .Write = "Delete", .NoStop = kReadInOneGo},
    {.Class = "TSpanningTreeAlgorithmForm", .Write = "Set", .Input = "ComboBox1=disabled", .NoList = kOneGroup},
    {.Class = "TSystemLogServerForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TTimeRangeForm", .Write = "Delete"},
    {.Class = "TTrafficSegmentationForm", .Write = "Set"},
    {.Class = "TUnicastFilterInformationForm", .Write = "Delete", .NoStop = kNoStop},
    {.Class = "TVLanCurrentTableForm", .NoStop = kNoStop, .NoWrite = "shows the VLANs in force: its Set is never wired to a write"},
    {.Class = "TVLanPortInfomationForm", .Write = "Set", .NoStop = kNoStop},
    {.Class = "TVlanStaticForm", .Write = "Set", .SetsAfterRefusal = 4},
    {.Class = "Tdot1vProtocolPortForm", .Write = "Delete", .NoStop = kNoStop, .Popup = "Add", .PopupInput = "edt_baseport=3;edt_groupid=1;edt_groupvid=10"},
    {.Class = "Tdot3ControlForm", .NoStop = kNoStop, .NoWrite = "shows the MAC control counters: nothing to write"},
    {.Class = "Tdot3PauseForm", .Write = "Set"},
    {.Class = "TfrmAgentSupportedUpdateFiles", .Write = "Set", .Input = "chk_FileDscr=checked", .NoStop = kNoStop},
    {.Class = "TfrmNetwroktime", .Prepare = "Check All", .Write = "Set Checked ", .NoList = kOneGroup},
    {.Class = "TfrmSummerTime", .Prepare = "Check All", .Write = "Set Checked", .NoList = kOneGroup, .WriteBlocks = kBlockingWrite, .SetsAfterRefusal = 1},
};

}  // namespace

std::span<const DialogFacts> Table() { return kTable; }

}  // namespace conformance
