#include "Oid_acl.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// ACL > ACL Information
const NvSNMPVar AclInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.9.1.2", "Total Used Rule Entries", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.1.3", "Total Unused Rule Entries", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// ACL > Flow Meter Table
static const NvOptionPair ActionForRateExceedValues[] = {
    {2, "drop-packet"}, {4, "remark-dscp"}, {}};
static const NvOptionPair ModeValues[] = {{1, "other"}, {}};
static NvOptionList ActionForRateExceedList, ModeList, AclFlowMeterRowStatusList;
const NvSNMPVar AclFlowMeterTable[] = {
    {"1.3.6.1.4.1.32473.12.9.6.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.3", "Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.4", "Action For Rate Exceed", NvSyntax::integer, NvAccess::readwrite, &ActionForRateExceedList},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.5", "Remark Dscp", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.6", "Burst Size", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.7", "Mode", NvSyntax::integer, NvAccess::readonly, &ModeList},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.35", "Row Status", NvSyntax::integer, NvAccess::readwrite, &AclFlowMeterRowStatusList},
    {}};

// ACL > Metering Information
const NvSNMPVar AclMeteringInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.9.6.2", "Metering Number Of Entry In Use", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// ACL > Counter Table
static NvOptionList StateList;
const NvSNMPVar AclCounterTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.8.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.3", "State", NvSyntax::integer, NvAccess::readwrite, &StateList},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.5", "Green Counter", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {}};

// ACL > ACL Mask Delete All State
static NvOptionList AclMaskDeleteAllStateList;
const NvSNMPVar AclMaskDeleteAllStateTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.5", "ACL Mask Delete All State", NvSyntax::integer, NvAccess::readwrite, &AclMaskDeleteAllStateList},
    {}};

// ACL > Packet Content Mask (page Packet Content Mask)
static NvOptionList PacketContentMaskRowStatusList;
const NvSNMPVar PacketContentMaskTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.2", "Source MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.3", "Destination MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.4", "CTag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.5", "STag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.1.1.9", "Row Status", NvSyntax::integer, NvAccess::readwrite, &PacketContentMaskRowStatusList},
    {}};

// ACL > Packet Content Mask (page Packet Content Offsets)
static const NvOptionPair ReferenceValues[] = {{1, "l2"}, {2, "l3"}, {3, "l4"}, {}};
static NvOptionList ReferenceList, PacketContentOffsetsRowStatusList;
const NvSNMPVar PacketContentOffsetsTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.2", "Offsets Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.3", "Reference", NvSyntax::integer, NvAccess::readwrite, &ReferenceList},
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.4", "Value", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.5", "Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.10.2.1.6", "Row Status", NvSyntax::integer, NvAccess::readwrite, &PacketContentOffsetsRowStatusList},
    {}};

// ACL > Packet Content Rule > Offsets Table
static NvOptionList PacketContentRuleOffsetsRowStatusList;
const NvSNMPVar PacketContentRuleOffsetsTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.3", "Offsets Number", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.4", "Offsets Data", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.5", "Row Status", NvSyntax::integer, NvAccess::readwrite, &PacketContentRuleOffsetsRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.3.10.2.1.6", "Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// CPU Interface Filtering > Global Settings
static NvOptionList CpuInterfaceFilterStateList;
const NvSNMPVar CpuFilterGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "CPU Interface filter State", NvSyntax::integer, NvAccess::readwrite, &CpuInterfaceFilterStateList},
    {}};

// CPU Interface Filtering > IPv6 Mask(CPU Interface Filtering)
static const NvOptionPair MaskStateValues[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}, {}};
static NvOptionList ClassList, FlowlabelList, MaskStateList, CpuFilterIPv6MaskRowStatusList;
const NvSNMPVar CpuFilterIPv6MaskTable[] = {
    {"1.3.6.1.4.1.32473.12.9.4.4.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.2", "Class", NvSyntax::integer, NvAccess::readwrite, &ClassList},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.3", "Flowlabel", NvSyntax::integer, NvAccess::readwrite, &FlowlabelList},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.4", "Mask State", NvSyntax::integer, NvAccess::readwrite, &MaskStateList},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.5", "Source IPv6 Mask", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.6", "Destination IPv6 Mask", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuFilterIPv6MaskRowStatusList},
    {}};

// The access profile and rule dialogs (Layer 2 > ACL, Layer 2 > CPU Interface Filtering).
static const NvOptionPair MacMaskStateValues[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {}};
static const NvOptionPair AclPermitValues[] = {{1, "deny"}, {2, "permit"}, {3, "mirror"}, {}};
static const NvOptionPair CpuFilterPermitValues[] = {{1, "deny"}, {2, "permit"}, {}};

// ACL > Ethernet Mask (dialog)
static NvOptionList EthernetProfileUseVlanList, EthernetProfileMacMaskStateList, EthernetProfileUse8021pList, EthernetProfileUseEthTypeList, EthernetProfileRowStatusList;
const NvSNMPVar AclEthernetProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Profile ID ", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", NvSyntax::integer, NvAccess::readwrite, &EthernetProfileUseVlanList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Address Mask State", NvSyntax::integer, NvAccess::readwrite, &EthernetProfileMacMaskStateList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Source", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Destination", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 802.1p", NvSyntax::integer, NvAccess::readwrite, &EthernetProfileUse8021pList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", NvSyntax::integer, NvAccess::readwrite, &EthernetProfileUseEthTypeList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.12", "VLAN Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &EthernetProfileRowStatusList},
    {}};

// ACL > Ethernet Rule (dialog)
static NvOptionList EthernetRuleEnablePriorityList, EthernetRuleReplacePriorityList, EthernetRuleEnableReplaceDscpList, EthernetRulePermitList, EthernetRuleRowStatusList;
const NvSNMPVar AclEthernetRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "Rule VLAN", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Rule Source MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Rule Destination MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "Rule 802.1p", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Rule Ethernet Type", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Rule Enable Priority", NvSyntax::integer, NvAccess::readwrite, &EthernetRuleEnablePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Rule Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Rule Replace Priority", NvSyntax::integer, NvAccess::readwrite, &EthernetRuleReplacePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.11", "Rule Enable Replace Dscp", NvSyntax::integer, NvAccess::readwrite, &EthernetRuleEnableReplaceDscpList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.12", "Rule Replace Dscp", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit Rule", NvSyntax::integer, NvAccess::readwrite, &EthernetRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Rule Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", NvSyntax::integer, NvAccess::readwrite, &EthernetRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.17", "Rule RX Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.22", "Mask VLAN", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.23", "Mask Source MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.24", "Mask Destination MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {}};

// CPU Interface Filtering > Ethernet Mask (CPU Interface Filtering) (dialog)
static NvOptionList CpuEthernetProfileUseVlanList, CpuEthernetProfileMacMaskStateList, CpuEthernetProfileUse8021pList, CpuEthernetProfileUseEthTypeList, CpuEthernetProfileRowStatusList;
const NvSNMPVar CpuFilterEthernetProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "Use VLAN", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetProfileUseVlanList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "MAC Address Mask State", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetProfileMacMaskStateList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "Source MAC Address Mask", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "Destination MAC Address Mask", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.6", "Use 802.1p", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetProfileUse8021pList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "Use Ethernet Type", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetProfileUseEthTypeList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetProfileRowStatusList},
    {}};

// CPU Interface Filtering > Ethernet Rule (CPU Interface Filtering) (dialog)
static NvOptionList CpuEthernetRulePermitList, CpuEthernetRuleRowStatusList;
const NvSNMPVar CpuFilterEthernetRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.6", "802.1p", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ethernet Type", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuEthernetRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.10", "Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// CPU Interface Filtering > Packet Content Mask (CPU Interface Filtering) (dialog)
static NvOptionList CpuPacketContentProfileRowStatusList;
const NvSNMPVar CpuFilterPacketContentProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Offset Mask (0-15)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Offset Mask (16-31)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Offset Mask (32-47)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Offset Mask (48-63)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Offset Mask (64-79)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuPacketContentProfileRowStatusList},
    {}};

// CPU Interface Filtering > Packet Content Rule (CPU Interface Filtering) (dialog)
static NvOptionList CpuPacketContentRulePermitList, CpuPacketContentRuleRowStatusList;
const NvSNMPVar CpuFilterPacketContentRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Payload Offset (0-15)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset (16-31)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset (32-47)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset (48-63)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset (64-79)", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", NvSyntax::integer, NvAccess::readwrite, &CpuPacketContentRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuPacketContentRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

static const NvOptionPair IpMaskStateValues[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {}};
static const NvOptionPair Ipv6MaskStateValues[] = {{1, "other"}, {3, "src-ipv6-addr"}, {}};
static const NvOptionPair IpProtocolValues[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {}};
static const NvOptionPair Ipv6ProtocolValues[] = {{1, "none"}, {2, "tcp"}, {3, "udp"}, {}};
static const NvOptionPair IcmpOptionValues[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {}};
static const NvOptionPair PortOptionValues[] = {
    {1, "other"}, {2, "dst-port"}, {3, "src-port"}, {4, "dst-src-port"}, {}};
static const NvOptionPair Ipv6PortOptionValues[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {}};
// The CPU IP profile lists its switches the other way round.
static const NvOptionPair Disable2Enable1Values[] = {{2, "disable"}, {1, "enable"}, {}};

// ACL > IP Mask (dialog)
static NvOptionList IpProfileUseVLANList, IpProfileAddressMaskStateList, IpProfileUseDSCPList, IpProfileUseProtocolTypeList, IpProfileICMPOptionList, IpProfileIGMPOptionList, IpProfileTCPOptionList, IpProfileUDPOptionList, IpProfileTCPFlagBitList, IpProfileProtocolIDOptionList, IpProfileRowStatusList;
const NvSNMPVar AclIpProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", NvSyntax::integer, NvAccess::readwrite, &IpProfileUseVLANList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Address Mask State", NvSyntax::integer, NvAccess::readwrite, &IpProfileAddressMaskStateList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Source IP Address Mask", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Destination IP Address Mask", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", NvSyntax::integer, NvAccess::readwrite, &IpProfileUseDSCPList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Protocol Type", NvSyntax::integer, NvAccess::readwrite, &IpProfileUseProtocolTypeList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "ICMP Option", NvSyntax::integer, NvAccess::readwrite, &IpProfileICMPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "IGMP Option", NvSyntax::integer, NvAccess::readwrite, &IpProfileIGMPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", NvSyntax::integer, NvAccess::readwrite, &IpProfileTCPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", NvSyntax::integer, NvAccess::readwrite, &IpProfileUDPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Source Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", NvSyntax::integer, NvAccess::readwrite, &IpProfileTCPFlagBitList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Protocol ID Option", NvSyntax::integer, NvAccess::readwrite, &IpProfileProtocolIDOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Profile ID Mask", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.24", "VLAN Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", NvSyntax::integer, NvAccess::readwrite, &IpProfileRowStatusList},
    {}};

// ACL > IP Rule (dialog)
static NvOptionList IpRuleProtocolList, IpRuleEnablePriorityList, IpRuleReplacePriorityList, IpRuleEnableReplaceDSCPList, IpRulePermitList, IpRuleRowStatusList;
const NvSNMPVar AclIpRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Rule VLAN", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", NvSyntax::integer, NvAccess::readonly, &IpRuleProtocolList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "Type", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "Code", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", NvSyntax::integer, NvAccess::readwrite, &IpRuleEnablePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", NvSyntax::integer, NvAccess::readwrite, &IpRuleReplacePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace DSCP", NvSyntax::integer, NvAccess::readwrite, &IpRuleEnableReplaceDSCPList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Replace DSCP", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", NvSyntax::integer, NvAccess::readwrite, &IpRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", NvSyntax::integer, NvAccess::readwrite, &IpRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.24", "RX Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.30", "Mask VLAN", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.31", "Mask Source IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.32", "Mask Destination IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.33", "Mask Source Port", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.34", "Mask Destination Port", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// ACL > IPv6 Mask (dialog)
static NvOptionList Ipv6ProfileClassList, Ipv6ProfileFlowlabelList, Ipv6ProfileIPAddressMaskStateList, Ipv6ProfileRowStatusList, Ipv6ProfileUseProtoTypeList, Ipv6ProfileTCPOptionList, Ipv6ProfileUDPOptionList;
const NvSNMPVar AclIpv6ProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.2", "Class", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileClassList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Flow label", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileFlowlabelList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "IP Address Mask State", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileIPAddressMaskStateList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "Source IPv6 Mask", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.11", "Use Proto Type", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileUseProtoTypeList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.12", "TCP Option", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileTCPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.13", "UDP Option", NvSyntax::integer, NvAccess::readwrite, &Ipv6ProfileUDPOptionList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.14", "TCP or UDP Source Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.15", "TCP or UDP Destination Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// ACL > IPv6 Rule (dialog)
static NvOptionList Ipv6RuleEnablePriorityList, Ipv6RuleReplacePriorityList, Ipv6RulePermitList, Ipv6RuleRowStatusList, Ipv6RuleEnableReplaceDSCPList, Ipv6RuleProtocolList;
const NvSNMPVar AclIpv6RuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flow label", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Source IPv6 Address", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", NvSyntax::integer, NvAccess::readwrite, &Ipv6RuleEnablePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Replace Priority", NvSyntax::integer, NvAccess::readwrite, &Ipv6RuleReplacePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.10", "Permit", NvSyntax::integer, NvAccess::readwrite, &Ipv6RulePermitList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.11", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "Row Status", NvSyntax::integer, NvAccess::readwrite, &Ipv6RuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.15", "Enable Replace DSCP", NvSyntax::integer, NvAccess::readwrite, &Ipv6RuleEnableReplaceDSCPList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.16", "Replace DSCP", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.20", "Protocol", NvSyntax::integer, NvAccess::readwrite, &Ipv6RuleProtocolList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.21", "Source Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.22", "Destination Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.23", "Mask Sourec IPv6 Address", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.25", "Mask Source Port", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.26", "Mask Destination Port", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// ACL > Packet Content Rule > Control Table (dialog)
static NvOptionList PacketContentRuleEnablePriorityList, PacketContentRuleReplacePriorityList, PacketContentRuleEnableReplaceDSCPList, PacketContentRulePermitList, PacketContentRuleRowStatusList;
const NvSNMPVar AclPacketContentRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.3", "Source MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.4", "Destination MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.5", "CTag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.6", "STag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.7", "Enable Priority", NvSyntax::integer, NvAccess::readwrite, &PacketContentRuleEnablePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.8", "Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.9", "Replace Priority", NvSyntax::integer, NvAccess::readwrite, &PacketContentRuleReplacePriorityList},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.10", "Enable Replace DSCP", NvSyntax::integer, NvAccess::readwrite, &PacketContentRuleEnableReplaceDSCPList},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.11", "Replace DSCP", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.12", "Permit", NvSyntax::integer, NvAccess::readwrite, &PacketContentRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.13", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.21", "Row Status", NvSyntax::integer, NvAccess::readwrite, &PacketContentRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.22", "Mask Source MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.23", "Mask Destination MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.24", "Mask CTag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.10.1.1.25", "Mask STag", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// CPU Interface Filtering > IP Mask (CPU Interface Filtering) (dialog)
static NvOptionList CpuIpProfileUseVLANList, CpuIpProfileIPAddressMaskStateList, CpuIpProfileUseDSCPList, CpuIpProfileUseProtocolTypeList, CpuIpProfileICMPOptionList, CpuIpProfileIGMPOptionList, CpuIpProfileTCPOptionList, CpuIpProfileUDPOptionList, CpuIpProfileTCPFlagBitList, CpuIpProfileProtocolIDOptionList, CpuIpProfileRowStatusList;
const NvSNMPVar CpuFilterIpProfileTable[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileUseVLANList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Address Mask State", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileIPAddressMaskStateList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask Source", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Destination", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileUseDSCPList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Protocol Type", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileUseProtocolTypeList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileICMPOptionList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileIGMPOptionList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileTCPOptionList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileUDPOptionList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Source Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileTCPFlagBitList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.16", "Protocol ID Option", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileProtocolIDOptionList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Mask", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "User Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuIpProfileRowStatusList},
    {}};

// CPU Interface Filtering > IP Rule (CPU Interface Filtering) (dialog)
static NvOptionList CpuIpRuleProtocolList, CpuIpRulePermitList, CpuIpRuleRowStatusList;
const NvSNMPVar CpuFilterIpRuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", NvSyntax::integer, NvAccess::readonly, &CpuIpRuleProtocolList},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", NvSyntax::integer, NvAccess::readwrite, &CpuIpRulePermitList},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuIpRuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// CPU Interface Filtering > IPv6 Rule (CPU Interface Filtering) (dialog)
static NvOptionList CpuIpv6RulePermitList, CpuIpv6RuleRowStatusList;
const NvSNMPVar CpuFilterIpv6RuleTable[] = {
    {"1.3.6.1.4.1.32473.12.9.5.4.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.3", "Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.4", "Flowlabel", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.5", "Source IPv6 Address", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.6", "Destination IPv6 Address", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.7", "Permit", NvSyntax::integer, NvAccess::readwrite, &CpuIpv6RulePermitList},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CpuIpv6RuleRowStatusList},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.9", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&ActionForRateExceedList, ActionForRateExceedValues},
    {&ModeList, ModeValues},
    {&AclFlowMeterRowStatusList, ValueSet::RowStatus},
    {&StateList, ValueSet::Enabled1Disabled2},
    {&AclMaskDeleteAllStateList, ValueSet::NoneStart},
    {&PacketContentMaskRowStatusList, ValueSet::RowStatus},
    {&ReferenceList, ReferenceValues},
    {&PacketContentOffsetsRowStatusList, ValueSet::RowStatus},
    {&PacketContentRuleOffsetsRowStatusList, ValueSet::RowStatus},
    {&CpuInterfaceFilterStateList, ValueSet::Enable1Disable2},
    {&ClassList, ValueSet::Enable1Disable2},
    {&FlowlabelList, ValueSet::Enable1Disable2},
    {&MaskStateList, MaskStateValues},
    {&CpuFilterIPv6MaskRowStatusList, ValueSet::RowStatus},
    {&EthernetProfileUseVlanList, ValueSet::Enabled1Disabled2},
    {&EthernetProfileMacMaskStateList, MacMaskStateValues},
    {&EthernetProfileUse8021pList, ValueSet::Enabled1Disabled2},
    {&EthernetProfileUseEthTypeList, ValueSet::Enabled1Disabled2},
    {&EthernetProfileRowStatusList, ValueSet::RowStatusShort},
    {&EthernetRuleEnablePriorityList, ValueSet::Enabled1Disabled2},
    {&EthernetRuleReplacePriorityList, ValueSet::Enabled1Disabled2},
    {&EthernetRuleEnableReplaceDscpList, ValueSet::Enabled1Disabled2},
    {&EthernetRulePermitList, AclPermitValues},
    {&EthernetRuleRowStatusList, ValueSet::RowStatusShort},
    {&CpuEthernetProfileUseVlanList, ValueSet::Enabled1Disabled2},
    {&CpuEthernetProfileMacMaskStateList, MacMaskStateValues},
    {&CpuEthernetProfileUse8021pList, ValueSet::Enabled1Disabled2},
    {&CpuEthernetProfileUseEthTypeList, ValueSet::Enabled1Disabled2},
    {&CpuEthernetProfileRowStatusList, ValueSet::RowStatusShort},
    {&CpuEthernetRulePermitList, CpuFilterPermitValues},
    {&CpuEthernetRuleRowStatusList, ValueSet::RowStatusShort},
    {&CpuPacketContentProfileRowStatusList, ValueSet::RowStatusShort},
    {&CpuPacketContentRulePermitList, CpuFilterPermitValues},
    {&CpuPacketContentRuleRowStatusList, ValueSet::RowStatusShort},
    {&IpProfileUseVLANList, ValueSet::Enabled1Disabled2},
    {&IpProfileAddressMaskStateList, IpMaskStateValues},
    {&IpProfileUseDSCPList, ValueSet::Enabled1Disabled2},
    {&IpProfileUseProtocolTypeList, IpProtocolValues},
    {&IpProfileICMPOptionList, IcmpOptionValues},
    {&IpProfileIGMPOptionList, ValueSet::Enable1Disable2},
    {&IpProfileTCPOptionList, PortOptionValues},
    {&IpProfileUDPOptionList, PortOptionValues},
    {&IpProfileTCPFlagBitList, ValueSet::Enable1Disable2},
    {&IpProfileProtocolIDOptionList, ValueSet::Enable1Disable2},
    {&IpProfileRowStatusList, ValueSet::RowStatusShort},
    {&IpRuleProtocolList, IpProtocolValues},
    {&IpRuleEnablePriorityList, ValueSet::Enabled1Disabled2},
    {&IpRuleReplacePriorityList, ValueSet::Enabled1Disabled2},
    {&IpRuleEnableReplaceDSCPList, ValueSet::Enabled1Disabled2},
    {&IpRulePermitList, AclPermitValues},
    {&IpRuleRowStatusList, ValueSet::RowStatusShort},
    {&Ipv6ProfileClassList, ValueSet::Enable1Disable2},
    {&Ipv6ProfileFlowlabelList, ValueSet::Enable1Disable2},
    {&Ipv6ProfileIPAddressMaskStateList, Ipv6MaskStateValues},
    {&Ipv6ProfileRowStatusList, ValueSet::RowStatus},
    {&Ipv6ProfileUseProtoTypeList, Ipv6ProtocolValues},
    {&Ipv6ProfileTCPOptionList, Ipv6PortOptionValues},
    {&Ipv6ProfileUDPOptionList, Ipv6PortOptionValues},
    {&Ipv6RuleEnablePriorityList, ValueSet::Enabled1Disabled2},
    {&Ipv6RuleReplacePriorityList, ValueSet::Enabled1Disabled2},
    {&Ipv6RulePermitList, AclPermitValues},
    {&Ipv6RuleRowStatusList, ValueSet::RowStatus},
    {&Ipv6RuleEnableReplaceDSCPList, ValueSet::Enabled1Disabled2},
    {&Ipv6RuleProtocolList, Ipv6ProtocolValues},
    {&PacketContentRuleEnablePriorityList, ValueSet::Enabled1Disabled2},
    {&PacketContentRuleReplacePriorityList, ValueSet::Enabled1Disabled2},
    {&PacketContentRuleEnableReplaceDSCPList, ValueSet::Enabled1Disabled2},
    {&PacketContentRulePermitList, AclPermitValues},
    {&PacketContentRuleRowStatusList, ValueSet::RowStatus},
    {&CpuIpProfileUseVLANList, ValueSet::Disabled2Enabled1},
    {&CpuIpProfileIPAddressMaskStateList, IpMaskStateValues},
    {&CpuIpProfileUseDSCPList, ValueSet::Disabled2Enabled1},
    {&CpuIpProfileUseProtocolTypeList, IpProtocolValues},
    {&CpuIpProfileICMPOptionList, IcmpOptionValues},
    {&CpuIpProfileIGMPOptionList, Disable2Enable1Values},
    {&CpuIpProfileTCPOptionList, PortOptionValues},
    {&CpuIpProfileUDPOptionList, PortOptionValues},
    {&CpuIpProfileTCPFlagBitList, Disable2Enable1Values},
    {&CpuIpProfileProtocolIDOptionList, Disable2Enable1Values},
    {&CpuIpProfileRowStatusList, ValueSet::RowStatusShort},
    {&CpuIpRuleProtocolList, IpProtocolValues},
    {&CpuIpRulePermitList, CpuFilterPermitValues},
    {&CpuIpRuleRowStatusList, ValueSet::RowStatusShort},
    {&CpuIpv6RulePermitList, CpuFilterPermitValues},
    {&CpuIpv6RuleRowStatusList, ValueSet::RowStatus},
};

static const NvCatalogueTable Tables[] = {
    {"AclInformationTable", "1.3.6.1.4.1.32473.12.9.1", AclInformationTable},
    {"AclFlowMeterTable", "1.3.6.1.4.1.32473.12.9.6.1.1", AclFlowMeterTable},
    {"AclMeteringInformationTable", "1.3.6.1.4.1.32473.12.9.6", AclMeteringInformationTable},
    {"AclCounterTable", "1.3.6.1.4.1.32473.12.9.3.8.1", AclCounterTable},
    {"AclMaskDeleteAllStateTable", "1.3.6.1.4.1.32473.12.9.2", AclMaskDeleteAllStateTable},
    {"PacketContentMaskTable", "1.3.6.1.4.1.32473.12.9.2.10.1.1", PacketContentMaskTable},
    {"PacketContentOffsetsTable", "1.3.6.1.4.1.32473.12.9.2.10.2.1", PacketContentOffsetsTable},
    {"PacketContentRuleOffsetsTable", "1.3.6.1.4.1.32473.12.9.3.10.2.1", PacketContentRuleOffsetsTable},
    {"CpuFilterGlobalSettingsTable", "1.3.6.1.4.1.32473.12.9.1", CpuFilterGlobalSettingsTable},
    {"CpuFilterIPv6MaskTable", "1.3.6.1.4.1.32473.12.9.4.4.1", CpuFilterIPv6MaskTable},
    {"AclEthernetProfileTable", "1.3.6.1.4.1.32473.12.9.2.1.1", AclEthernetProfileTable},
    {"AclEthernetRuleTable", "1.3.6.1.4.1.32473.12.9.3.1.1", AclEthernetRuleTable},
    {"CpuFilterEthernetProfileTable", "1.3.6.1.4.1.32473.12.9.4.1.1", CpuFilterEthernetProfileTable},
    {"CpuFilterEthernetRuleTable", "1.3.6.1.4.1.32473.12.9.5.1.1", CpuFilterEthernetRuleTable},
    {"CpuFilterPacketContentProfileTable", "1.3.6.1.4.1.32473.12.9.4.3.1", CpuFilterPacketContentProfileTable},
    {"CpuFilterPacketContentRuleTable", "1.3.6.1.4.1.32473.12.9.5.3.1", CpuFilterPacketContentRuleTable},
    {"AclIpProfileTable", "1.3.6.1.4.1.32473.12.9.2.2.1", AclIpProfileTable},
    {"AclIpRuleTable", "1.3.6.1.4.1.32473.12.9.3.2.1", AclIpRuleTable},
    {"AclIpv6ProfileTable", "1.3.6.1.4.1.32473.12.9.2.4.1", AclIpv6ProfileTable},
    {"AclIpv6RuleTable", "1.3.6.1.4.1.32473.12.9.3.4.1", AclIpv6RuleTable},
    {"AclPacketContentRuleTable", "1.3.6.1.4.1.32473.12.9.3.10.1.1", AclPacketContentRuleTable},
    {"CpuFilterIpProfileTable", "1.3.6.1.4.1.32473.12.9.4.2.1", CpuFilterIpProfileTable},
    {"CpuFilterIpRuleTable", "1.3.6.1.4.1.32473.12.9.5.2.1", CpuFilterIpRuleTable},
    {"CpuFilterIpv6RuleTable", "1.3.6.1.4.1.32473.12.9.5.4.1", CpuFilterIpv6RuleTable},
};

NvCatalogueModule Oid_acl = {"Oid_acl", Tables, Lists};
