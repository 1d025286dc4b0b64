#include "DialogRegistry.h"

#include <type_traits>

#include "Arpconfig.h"
#include "Currenttime.h"
#include "Networktimeunit.h"
#include "Smtpcontorlunit.h"
#include "Summertimeunit.h"
#include "Arpspoofingpreventmgmtformunit.h"
#include "Filterdhcppermitformunit.h"
#include "Ipmacbindingformunit.h"
#include "Mbacontrolunit.h"
#include "Bootctrltableformunit.h"
#include "CommandRunner.h"
#include "Cpuipmaskinformationformunit.h"
#include "Cpuipruleformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Ipv6staticrouteunit.h"
#include "Loginmethodlistunit.h"
#include "Msinfortable.h"
#include "Serverinfounit.h"
#include "Sshuserctrllistunit.h"
#include "Agentsupportedupdatefiles.h"
#include "Safeguardctrlformunit.h"
#include "Sslcertificatefileunit.h"
#include "Sslmanagementtable.h"
#include "Systemlogserverunit.h"
#include "Tacacsservercontrolunit.h"
#include "Timerangeformunit.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Cpufilteripv6ruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Packetcontentruleunit.h"
#include "Erpsvlanformunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Cosbrandctrltable.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "Mainunit.h"
#include "Mstpportinstanceunit.h"
#include "Portmirror.h"
#include "Portsercuritydeleteformunit.h"
#include "Porttrunk.h"
#include "ShellTexts.h"
#include "Spanningtreealgorithmunit.h"
#include "Stpinfo.h"
#include "Dot1vprotocolportunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Guestvlanformunit.h"
#include "Nlbfdbformunits.h"
#include "Portcapabilities8021dformunit.h"
#include "Staticfilterformunits.h"
#include "Trafficforwardunit1.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"
#include "Vlanstaticformunit.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3remotelinkaggtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpportconfigtable.h"
#include "Lldpremotetable.h"
#include "Snoopingrouterportsunits.h"
#include "Ismvlanformunit.h"
#include "Igmpmulticastvlangroupunit.h"
#include "Igmpsnoopingcleardnyipmultunit.h"
#include "Snoopinggroupviewunits.h"

namespace {
// A dialog whose menu command keeps no global pointer to it.
template <class F>
void NvRegisterDialogWithoutGlobal(const std::string& className) {
  NvRegisterDialog(className, [](TComponent* owner, int mode) -> TForm* {
    if constexpr (std::is_constructible_v<F, TComponent*, int>) return new F(owner, mode);
    else return new F(owner);
  });
}
}  // namespace

void NvRegisterFeatureDialogs() {
  NvSetStpVersionTextSource([] { return MainForm ? MainForm->ST_Version : nullptr; });
  NvRegisterDialogClass<TVlanStaticForm>("TVlanStaticForm", "VlanStaticForm", VlanStaticForm);
  // Access profiles and rules; the two Ethernet profiles, the IP profiles and the CPU filter's
  // IP rule have no form global.
  NvRegisterDialogWithoutGlobal<TIPMaskInformationForm>("TIPMaskInformationForm");
  NvRegisterDialogWithoutGlobal<TCPUIPMaskInformationForm>("TCPUIPMaskInformationForm");
  NvRegisterDialogClass<TIPRuleForm>("TIPRuleForm", "IPRuleForm", IPRuleForm);
  NvRegisterDialogWithoutGlobal<TCPUIPRuleForm>("TCPUIPRuleForm");
  NvRegisterDialogWithoutGlobal<TEthernetMaskInformationForm>("TEthernetMaskInformationForm");
  NvRegisterDialogClass<TEthernetInformationRuleForm>("TEthernetInformationRuleForm", "EthernetInformationRuleForm",
                                                      EthernetInformationRuleForm);
  NvRegisterDialogWithoutGlobal<TCPUEthernetInformationForm>("TCPUEthernetInformationForm");
  NvRegisterDialogClass<TCPUEthernetInformationRuleForm>(
      "TCPUEthernetInformationRuleForm", "CPUEthernetInformationRuleForm", CPUEthernetInformationRuleForm);
  NvRegisterDialogClass<TCPUUserMaskInfoForm>("TCPUUserMaskInfoForm", "CPUUserMaskInfoForm", CPUUserMaskInfoForm);
  NvRegisterDialogClass<TCPUUserMaskRuleForm>("TCPUUserMaskRuleForm", "CPUUserMaskRuleForm", CPUUserMaskRuleForm);
  NvRegisterDialogClass<TIPv6MaskInfoForm>("TIPv6MaskInfoForm", "IPv6MaskInfoForm", IPv6MaskInfoForm);
  NvRegisterDialogClass<TIpv6RuleForm>("TIpv6RuleForm", "Ipv6RuleForm", Ipv6RuleForm);
  NvRegisterDialogClass<TPacketContentRuleForm>("TPacketContentRuleForm", "PacketContentRuleForm",
                                                PacketContentRuleForm);
  NvRegisterDialogClass<TCPUFilterIPV6RuleForm>("TCPUFilterIPV6RuleForm", "CPUFilterIPV6RuleForm",
                                                CPUFilterIPV6RuleForm);
  NvRegisterDialogClass<TLLDPConfigProtocolForm>("TLLDPConfigProtocolForm", "LLDPConfigProtocolForm",
                                                 LLDPConfigProtocolForm);
  NvRegisterDialogClass<TLLDPConfigProtocolVLANForm>("TLLDPConfigProtocolVLANForm", "LLDPConfigProtocolVLANForm",
                                                     LLDPConfigProtocolVLANForm);
  NvRegisterDialogClass<TLLDPConfigVLANNameForm>("TLLDPConfigVLANNameForm", "LLDPConfigVLANNameForm",
                                                 LLDPConfigVLANNameForm);
  NvRegisterDialogClass<TLLDPPortConfigForm>("TLLDPPortConfigForm", "LLDPPortConfigForm", LLDPPortConfigForm);
  NvRegisterDialogClass<TLLDPDot3PortConfigForm>("TLLDPDot3PortConfigForm", "LLDPDot3PortConfigForm",
                                                 LLDPDot3PortConfigForm);
  NvRegisterDialogClass<TLLDPLocSysDataForm>("TLLDPLocSysDataForm", "LLDPLocSysDataForm", LLDPLocSysDataForm);
  NvRegisterDialogClass<TLLDPRemoteForm>("TLLDPRemoteForm", "LLDPRemoteForm", LLDPRemoteForm);
  NvRegisterDialogClass<TLLDPDot3LinkAggForm>("TLLDPDot3LinkAggForm", "LLDPDot3LinkAggForm", LLDPDot3LinkAggForm);
  NvRegisterDialogClass<TLLDPDot3RemoteLinkAggForm>("TLLDPDot3RemoteLinkAggForm", "LLDPDot3RemoteLinkAggForm",
                                                    LLDPDot3RemoteLinkAggForm);
  NvRegisterDialogClass<TCoSBrandwidthctrlForm>("TCoSBrandwidthctrlForm", "CoSBrandwidthctrlForm",
                                                CoSBrandwidthctrlForm);
  NvRegisterDialogClass<Tdot3PauseForm>("Tdot3PauseForm", "dot3PauseForm", dot3PauseForm);
  NvRegisterDialogClass<Tdot3ControlForm>("Tdot3ControlForm", "dot3ControlForm", dot3ControlForm);
  NvRegisterDialogWithoutGlobal<TPortTrunkForm>("TPortTrunkForm");
  NvRegisterDialogWithoutGlobal<TPortMirrorForm>("TPortMirrorForm");
  NvRegisterDialogClass<TPrtSecDelCtrlForm>("TPrtSecDelCtrlForm", "PrtSecDelCtrlForm", PrtSecDelCtrlForm);
  NvRegisterDialogClass<TSpanningTreeAlgorithmForm>("TSpanningTreeAlgorithmForm", "SpanningTreeAlgorithmForm",
                                                    SpanningTreeAlgorithmForm);
  NvRegisterDialogClass<TSTP_Info>("TSTP_Info", "STP_Info", STP_Info);
  NvRegisterDialogClass<TMSTPVLANUnitForm>("TMSTPVLANUnitForm", "MSTPVLANUnitForm", MSTPVLANUnitForm);
  NvRegisterDialogClass<TERPSVLANUnitForm>("TERPSVLANUnitForm", "ERPSVLANUnitForm", ERPSVLANUnitForm);
  // VLAN tables and forwarding entries; the traffic segmentation dialog has no form global.
  NvRegisterDialogClass<TPortCapabilities8021dForm>("TPortCapabilities8021dForm", "PortCapabilities8021dForm",
                                                    PortCapabilities8021dForm);
  NvRegisterDialog("TTrafficSegmentationForm",
                   [](TComponent* owner, int) -> TForm* { return new TTrafficSegmentationForm(owner); });
  NvRegisterDialogClass<TNLBMulticastFDBForm>("TNLBMulticastFDBForm", "NLBMulticastFDBForm", NLBMulticastFDBForm);
  NvRegisterDialogClass<TNLBUnicastFDBForm>("TNLBUnicastFDBForm", "NLBUnicastFDBForm", NLBUnicastFDBForm);
  NvRegisterDialogClass<TMulticastFilterInformationForm>("TMulticastFilterInformationForm",
                                                         "MulticastFilterInformationForm", MulticastFilterInformationForm);
  NvRegisterDialogClass<TUnicastFilterInformationForm>("TUnicastFilterInformationForm", "UnicastFilterInformationForm",
                                                       UnicastFilterInformationForm);
  NvRegisterDialogClass<TGuestVlanForm>("TGuestVlanForm", "GuestVlanForm", GuestVlanForm);
  NvRegisterDialogClass<Tdot1vProtocolPortForm>("Tdot1vProtocolPortForm", "dot1vProtocolPortForm",
                                                dot1vProtocolPortForm);
  NvRegisterDialogClass<TVLanCurrentTableForm>("TVLanCurrentTableForm", "VLanCurrentTableForm", VLanCurrentTableForm);
  NvRegisterDialogClass<TVLanPortInfomationForm>("TVLanPortInfomationForm", "VLanPortInfomationForm",
                                                 VLanPortInfomationForm);
  NvRegisterDialogClass<TBOOTCtrlTableForm>("TBOOTCtrlTableForm", "BOOTCtrlTableForm", BOOTCtrlTableForm);
  NvRegisterDialogClass<TIpv6StaticRouteForm>("TIpv6StaticRouteForm", "Ipv6StaticRouteForm", Ipv6StaticRouteForm);
  NvRegisterDialogClass<TMSInformationForm>("TMSInformationForm", "MSInformationForm", MSInformationForm);
  NvRegisterDialogClass<TTimeRangeForm>("TTimeRangeForm", "TimeRangeForm", TimeRangeForm);
  NvRegisterDialogWithoutGlobal<TSystemLogServerForm>("TSystemLogServerForm");
  NvRegisterDialogWithoutGlobal<TSSHUserCtrlList>("TSSHUserCtrlList");
  NvRegisterDialogClass<TARPConfigForm>("TARPConfigForm", "ARPConfigForm", ARPConfigForm);
  NvRegisterDialogClass<TSSLManagementForm>("TSSLManagementForm", "SSLManagementForm", SSLManagementForm);
  NvRegisterDialogClass<TCertificateFileForm>("TCertificateFileForm", "CertificateFileForm", CertificateFileForm);
  NvRegisterDialogClass<TSafeguardCtrlForm>("TSafeguardCtrlForm", "SafeguardCtrlForm", SafeguardCtrlForm);
  NvRegisterDialogClass<TfrmAgentSupportedUpdateFiles>("TfrmAgentSupportedUpdateFiles", "frmAgentSupportedUpdateFiles",
                                                       frmAgentSupportedUpdateFiles);
  // IGMP and MLD snooping.
  NvRegisterDialogClass<TIGMPRouterPortsForm>("TIGMPRouterPortsForm", "IGMPRouterPortsForm", IGMPRouterPortsForm);
  NvRegisterDialogClass<TMLD_SnoopingRouterPortsForm>("TMLD_SnoopingRouterPortsForm", "MLD_SnoopingRouterPortsForm",
                                                      MLD_SnoopingRouterPortsForm);
  NvRegisterDialogClass<TISMVLANForm>("TISMVLANForm", "ISMVLANForm", ISMVLANForm);
  NvRegisterDialogClass<TIGMPMulticastVlanForm>("TIGMPMulticastVlanForm", "IGMPMulticastVlanForm",
                                                IGMPMulticastVlanForm);
  NvRegisterDialogClass<TIGMP_SnoopingGroupTableForm>("TIGMP_SnoopingGroupTableForm", "IGMP_SnoopingGroupTableForm",
                                                      IGMP_SnoopingGroupTableForm);
  NvRegisterDialogClass<TMLD_SnoopingGroupForm>("TMLD_SnoopingGroupForm", "MLD_SnoopingGroupForm", MLD_SnoopingGroupForm);
  NvRegisterDialogClass<TIGMPSnoopingDataDrivenLearingGroupForm>(
      "TIGMPSnoopingDataDrivenLearingGroupForm", "IGMPSnoopingDataDrivenLearingGroupForm",
      IGMPSnoopingDataDrivenLearingGroupForm);
  NvRegisterDialogClass<TIGMPSnoopingClearDnyIpMultForm>("TIGMPSnoopingClearDnyIpMultForm",
                                                         "IGMPSnoopingClearDnyIpMultForm", IGMPSnoopingClearDnyIpMultForm);
  NvRegisterDialogClass<TServerInformationForm>("TServerInformationForm", "ServerInformationForm",
                                                ServerInformationForm);
  NvRegisterDialogWithoutGlobal<TLoginMethodListForm>("TLoginMethodListForm");
  NvRegisterDialogWithoutGlobal<TAAASrvCtrlForm>("TAAASrvCtrlForm");
  // Time and mail settings; the summer time and SMTP dialogs have no form global.
  NvRegisterDialogClass<TCurrentTimeForm>("TCurrentTimeForm", "CurrentTimeForm", CurrentTimeForm);
  NvRegisterDialogClass<TfrmNetwroktime>("TfrmNetwroktime", "frmNetwroktime", frmNetwroktime);
  NvRegisterDialogWithoutGlobal<TfrmSummerTime>("TfrmSummerTime");
  NvRegisterDialogWithoutGlobal<TSMTPControlForm>("TSMTPControlForm");
  NvRegisterDialogClass<TARPSpoofingPreventMgmtForm>("TARPSpoofingPreventMgmtForm", "ARPSpoofingPreventMgmtForm",
                                                     ARPSpoofingPreventMgmtForm);
  NvRegisterDialogClass<TIPMACBindingForm>("TIPMACBindingForm", "IPMACBindingForm", IPMACBindingForm);
  NvRegisterDialogWithoutGlobal<TFilterDHCPPermitForm>("TFilterDHCPPermitForm");
  NvRegisterDialogClass<TMBAControlForm>("TMBAControlForm", "MBAControlForm", MBAControlForm);
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
