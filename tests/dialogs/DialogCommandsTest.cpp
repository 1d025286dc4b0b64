// Every menu command that opens a hand-made dialog: its class, owner, caption title, mode and
// whether the dialog's global form variable is set while it is shown.
#include <gtest/gtest.h>

#include <string>

#include "Commands.h"

namespace {

struct DialogRow {
  const char* Item;
  const char* Class;
  NvOwner Owner;
  const char* Title;  // null: the dialog keeps its own caption
  bool Global;        // the dialog's code reads its global form variable
  int Mode;
};

const DialogRow kRows[] = {
    {"dot3ControlTable1", "Tdot3ControlForm", NvOwner::Application, "Dot3 Control Table", true, -1},
    {"dot3PauseTable1", "Tdot3PauseForm", NvOwner::Application, "Dot3 Pause Table", true, -1},
    {"NetworkTime1", "TfrmNetwroktime", NvOwner::MainWindow, "Network Time", false, -1},
    {"SMTPControlTable1", "TSMTPControlForm", NvOwner::Application, nullptr, false, -1},
    {"SystemLogServerTable1", "TSystemLogServerForm", NvOwner::Application, "System Log Host Table", false, -1},
    {"AgentSuportedUpdateFiles1", "TfrmAgentSupportedUpdateFiles", NvOwner::MainWindow, "Agent Supported Update Files", false, -1},
    {"SpanningTreeAlgorithm1", "TSpanningTreeAlgorithmForm", NvOwner::Application, "Spanning Tree Algorithm", true, -1},
    {"Information2", "TSTP_Info", NvOwner::Application, "STP Control", false, -1},
    {"Control1", "TBOOTCtrlTableForm", NvOwner::MainWindow, "DHCP Relay Control", true, -1},
    {"EthernetRuleCPUFilter1", "TCPUEthernetInformationRuleForm", NvOwner::Application, "Ethernet Rule (CPU Interface Filtering)", true, -1},
    {"EthernetMaskCPUFilter1", "TCPUEthernetInformationForm", NvOwner::Application, "Ethernet Mask (CPU Interface Filtering)", false, -1},
    {"IPMaskCPUFilter1", "TCPUIPMaskInformationForm", NvOwner::Application, "IP Mask (CPU Interface Filtering)", false, -1},
    {"IPRuleCPUFilter1", "TCPUIPRuleForm", NvOwner::Application, "IP Rule (CPU Interface Filtering)", false, -1},
    {"PacketContentMaskCPUFilter1", "TCPUUserMaskInfoForm", NvOwner::Application, "Packet Content Mask (CPU Interface Filtering)", true, -1},
    {"PacketContentRuleCPUFilter1", "TCPUUserMaskRuleForm", NvOwner::Application, "Packet Content Rule (CPU Interface Filtering)", true, -1},
    {"RuleOfEthernetInformation1", "TEthernetInformationRuleForm", NvOwner::Application, "Ethernet Rule", true, -1},
    {"EthernetMask1", "TEthernetMaskInformationForm", NvOwner::Application, "Ethernet Mask", false, -1},
    {"IGMPRouterPort1", "TIGMPRouterPortsForm", NvOwner::Application, "IGMP Router Ports", true, -1},
    {"IPMaskInformation1", "TIPMaskInformationForm", NvOwner::Application, "IP Mask", false, -1},
    {"IPRule1", "TIPRuleForm", NvOwner::Application, "IP Rule", true, -1},
    {"PortMirrorTable1", "TPortMirrorForm", NvOwner::Application, "Port Mirror", false, -1},
    {"PortSecurityDeleteTable1", "TPrtSecDelCtrlForm", NvOwner::Application, "Port Security Delete", true, -1},
    {"TrafficSegmentationTable1", "TTrafficSegmentationForm", NvOwner::Application, "Traffic Segmentation Table", false, -1},
    {"MemberSwitch1", "TMSInformationForm", NvOwner::MainWindow, "Member Switch Information", true, -1},
    {"ProtectControl1", "TSafeguardCtrlForm", NvOwner::MainWindow, "Safeguard Control", true, -1},
    {"SSLCertificateLevel1", "TCertificateFileForm", NvOwner::Application, "SSL Certificate File", true, -1},
    {"BindingTable1", "TIPMACBindingForm", NvOwner::Application, "IP-MAC Binding", true, -1},
    {"SummerTime1", "TfrmSummerTime", NvOwner::Application, "Summer Time", false, -1},
    {"PortCapbility1", "TPortCapabilities8021dForm", NvOwner::Application, "Port Capability Form", true, -1},
    {"MLDSnoopingRouterPorts1", "TMLD_SnoopingRouterPortsForm", NvOwner::Application, "MLD Snooping Router Ports", true, -1},
    {"IGMPMulticastVLANTable1", "TISMVLANForm", NvOwner::Application, "IGMP Multicast VLAN Table", true, -1},
    {"IGMPMulticastVLANGroup1", "TIGMPMulticastVlanForm", NvOwner::Application, "IGMP Multicast VLAN Group", true, -1},
    {"IGMPSnoopingClearDynamicIPMulticastTable1", "TIGMPSnoopingClearDnyIpMultForm", NvOwner::Application, "IGMP Snooping Clear Dynamic IP Multicast", true, -1},
    {"MLDSnoopingGroupInformation1", "TMLD_SnoopingGroupForm", NvOwner::Application, "MLD Snooping Group Information", true, -1},
    {"ARPTable1", "TARPConfigForm", NvOwner::Application, "ARP", true, -1},
    {"PortGlobalSettings1", "TMBAControlForm", NvOwner::Application, "MBA Port Global Settings", true, -1},
    {"IPv6MaskInformation1", "TIPv6MaskInfoForm", NvOwner::MainWindow, "IPv6 Mask Information", true, -1},
    {"IPv6Rule1", "TIpv6RuleForm", NvOwner::Application, "IPv6 Rule", true, -1},
    {"UserControlTable1", "TSSHUserCtrlList", NvOwner::Application, "SSH User Control Table", false, -1},
    {"IGMPSnoopingGroupTable1", "TIGMP_SnoopingGroupTableForm", NvOwner::Application, "IGMP Snooping Group Table", true, -1},
    {"IPv6RuleCPUFilter1", "TCPUFilterIPV6RuleForm", NvOwner::MainWindow, "IPv6 Rule (CPU Interface Filtering)", true, -1},
    {"DataDrivenLearningGroup1", "TIGMPSnoopingDataDrivenLearingGroupForm", NvOwner::Application, "IGMP Snooping Data Driven Learning Group Table", true, -1},
    {"IPv6StaticRoute1", "TIpv6StaticRouteForm", NvOwner::Application, "IPv6 Static Route Table", true, -1},
    {"PortTable6", "Tdot1vProtocolPortForm", NvOwner::Application, "Protocol VLAN Port Table", true, -1},
    {"PacketContentRuleManagement1", "TPacketContentRuleForm", NvOwner::Application, "Packet Content Rule Table", true, -1},
    {"CoSBandwidthControlSettings1", "TCoSBrandwidthctrlForm", NvOwner::Application, "CoS Bandwidth Control Table", true, -1},
    {"NLBMulticastFDBSettings1", "TNLBMulticastFDBForm", NvOwner::Application, "NLB Multicast FDB Settings", true, -1},
    {"UnicastFDBTable1", "TNLBUnicastFDBForm", NvOwner::Application, "NLB Unicast FDB Settings", true, -1},
    {"PermitTable1", "TFilterDHCPPermitForm", NvOwner::Application, "DHCP Offer Permit Entry Settings", false, -1},
    {"ProtocolTable1", "TLLDPConfigProtocolForm", NvOwner::Application, "Configuration Protocol Table", true, -1},
    {"ProtocolVLANTable1", "TLLDPConfigProtocolVLANForm", NvOwner::Application, "Configuration Protocol VLAN  Table", true, -1},
    {"VLANNameTable1", "TLLDPConfigVLANNameForm", NvOwner::Application, "Configuration VLAN Name Table", true, -1},
    {"LinkAggregationTable1", "TLLDPDot3LinkAggForm", NvOwner::Application, "Local Link Aggregation Table", true, -1},
    {"PortConfigurationTable1", "TLLDPDot3PortConfigForm", NvOwner::Application, "LLDP Dot3 Port Configuration Table", true, -1},
    {"LinkAggregationTable2", "TLLDPDot3RemoteLinkAggForm", NvOwner::Application, "Remote Link Aggregation Table", true, -1},
    {"SystemData1", "TLLDPLocSysDataForm", NvOwner::Application, "Local System Data", true, -1},
    {"PortConfiguration1", "TLLDPPortConfigForm", NvOwner::Application, "Port Configuration Table", true, -1},
    {"RemoteTable2", "TLLDPRemoteForm", NvOwner::Application, "LLDP Remote Table", true, -1},
    {"StaticForm1", "TVlanStaticForm", NvOwner::MainWindow, "VLAN Static", true, -1},
    {"CurrentForm1", "TVLanCurrentTableForm", NvOwner::MainWindow, "VLAN Current", true, -1},
    {"GuestVLAN1", "TGuestVlanForm", NvOwner::MainWindow, "Guest VLAN", true, -1},
    {"PortsInfo1", "TVLanPortInfomationForm", NvOwner::Application, "VLAN Port Information Form", true, -1},
    {"TimeRangeManagement1", "TTimeRangeForm", NvOwner::Application, "Time Range", true, -1},
    {"ARPSpoofingPrevent1", "TARPSpoofingPreventMgmtForm", NvOwner::Application, "ARP Spoofing Prevent Managment Table", true, -1},
    {"ServerControl1", "TAAASrvCtrlForm", NvOwner::MainWindow, "AAC Server Control Table", false, -1},
    {"Time1", "TCurrentTimeForm", NvOwner::Application, "Current Time", true, -1},
    {"ServerInformation1", "TServerInformationForm", NvOwner::Application, "Server Information", true, -1},
    {"LoginMethodControl1", "TLoginMethodListForm", NvOwner::MainWindow, "AAC Login Method List Table", false, 1},
    {"EnableMethodControl1", "TLoginMethodListForm", NvOwner::MainWindow, "AAC Enable Method List Table", false, 0},
    {"SSLManagement1", "TSSLManagementForm", NvOwner::Application, "SSL Management", true, -1},
    {"MulticastInformation1", "TMulticastFilterInformationForm", NvOwner::MainWindow, "Multicast Filter Information", true, -1},
    {"UnicastInformation1", "TUnicastFilterInformationForm", NvOwner::MainWindow, "Unicast Filter Information", true, -1},
    {"PortTrunk2", "TPortTrunkForm", NvOwner::Application, "Port Trunk", false, -1},
    {"InstanceInformation1", "TMSTPVLANUnitForm", NvOwner::Application, "MSTP Instance Control", true, -1},
    {"VLANTable1", "TERPSVLANUnitForm", NvOwner::Application, "ERPS VLAN Table", true, -1},
};

TEST(DialogCommands, each_dialog_command_has_its_class_owner_title_and_global) {
  for (const DialogRow& row : kRows) {
    SCOPED_TRACE(row.Item);
    const NvMenuCommand* command = NvFindMenuCommand(row.Item);
    EXPECT_NE(command, nullptr);
    if (!command) continue;
    EXPECT_EQ(command->Kind, NvCommandKind::Dialog);
    EXPECT_NE(command->DialogClass, nullptr);
    if (!command->DialogClass) continue;
    EXPECT_STREQ(command->DialogClass, row.Class);
    EXPECT_EQ(command->Owner, row.Owner);
    if (row.Title) {
      ASSERT_NE(command->Title, nullptr);
      EXPECT_STREQ(command->Title, row.Title);
      EXPECT_FALSE(command->NoCaption);
    } else {
      EXPECT_TRUE(command->NoCaption || command->Title == nullptr);
    }
    EXPECT_EQ(command->DialogMode, row.Mode);
    if (row.Global) {
      EXPECT_NE(command->GlobalForm, nullptr);
    }
  }
}

}  // namespace
