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
};

NvCatalogueModule Oid_acl = {"Oid_acl", Tables, Lists};
