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
};

NvCatalogueModule Oid_acl = {"Oid_acl", Tables, Lists};
