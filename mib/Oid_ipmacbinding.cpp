#include "Oid_ipmacbinding.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Security > Safeguard_Engine > Global Management
static NvOptionList SafeguardAdminStateList;
const NvSNMPVar SafeguardGlobalTable[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Safeguard Admin State", NvSyntax::integer, NvAccess::readwrite, &SafeguardAdminStateList},
    {}};

// Security > Safeguard_Engine > Safeguard Control
static const NvOptionPair SafeguardModeValues[] = {{1, "strict"}, {2, "fuzzy"}, {}};
static const NvOptionPair SafeguardCurrentStatusValues[] = {{1, "normal"}, {2, "exhausted"}, {}};
static NvOptionList SafeguardModeList, SafeguardAlarmAdminStateList, SafeguardCurrentStatusList;
const NvSNMPVar SafeguardControlTable[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Mode", NvSyntax::integer, NvAccess::readwrite, &SafeguardModeList},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm Admin State", NvSyntax::integer, NvAccess::readwrite,
     &SafeguardAlarmAdminStateList},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current Status", NvSyntax::integer, NvAccess::readonly,
     &SafeguardCurrentStatusList},
    {"1.3.6.1.4.1.32473.12.19.2.6", "Interval", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Security > IP-MAC Binding > Global Settings
static const NvOptionPair TrapLogStateValues[] = {{2, "enable"}, {3, "disable"}, {}};
static const NvOptionPair AllPortStateValues[] = {
    {1, "other"}, {2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}, {}};
static NvOptionList 
    TrapLogStateList, DhcpSnoopingStateList, DhcpSnoopEntryClearAllStateList, AllPortStateList,
    ArpInspectionStateList;
const NvSNMPVar IpMacBindingGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "Trap Log State", NvSyntax::integer, NvAccess::readwrite, &TrapLogStateList},
    {"1.3.6.1.4.1.32473.12.23.1.4", "DHCP Snooping State", NvSyntax::integer, NvAccess::readwrite, &DhcpSnoopingStateList},
    {"1.3.6.1.4.1.32473.12.23.1.5", "DHCP Snoop Entry Clear All State", NvSyntax::integer, NvAccess::readwrite, &DhcpSnoopEntryClearAllStateList},
    {"1.3.6.1.4.1.32473.12.23.3.1", "All Port State", NvSyntax::integer, NvAccess::readwrite, &AllPortStateList},
    {"1.3.6.1.4.1.32473.12.23.1.6", "ARP Inspection State", NvSyntax::integer, NvAccess::readwrite, &ArpInspectionStateList},
    {}};

// Security > IP-MAC Binding > Port State Control
static const NvOptionPair StateValues[] = {
    {1, "other"}, {2, "enable-strict"}, {3, "disable"}, {4, "enable-loose"}, {}};
static const NvOptionPair ModeValues[] = {{1, "arp"}, {2, "acl"}, {}};
static const NvOptionPair LearningStatusValues[] = {{1, "normal"}, {2, "stop"}, {}};
static NvOptionList 
    StateList, ZeroIpStateList, ForwardDhcpPacketList, DhcpSnoopEntryClearActionList, ModeList,
    RecoverLearningList, LearningStatusList;
const NvSNMPVar IpMacBindingPortStateTable[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &StateList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.3", "Zero IP State", NvSyntax::integer, NvAccess::readwrite, &ZeroIpStateList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.4", "Forward Dhcp Packet", NvSyntax::integer, NvAccess::readwrite, &ForwardDhcpPacketList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.5", "DHCP Snoop Max Entry", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.6", "DHCP Snoop Entry Clear Action", NvSyntax::integer, NvAccess::readwrite, &DhcpSnoopEntryClearActionList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.7", "Mode", NvSyntax::integer, NvAccess::readwrite, &ModeList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.8", "Stop Learning Threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.9", "Recover Learning", NvSyntax::integer, NvAccess::readwrite, &RecoverLearningList},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.10", "Learning Status", NvSyntax::integer, NvAccess::readonly, &LearningStatusList},
    {}};

// Security > IP-MAC Binding > Binding Table; the columns stand in the dialog's order
static const NvOptionPair BindingModeValues[] = {{1, "arp"}, {2, "acl"}, {3, "dhcp-snooping"}, {4, "static"}, {}};
static NvOptionList BindingAclStatusList, BindingModeList, BindingRowStatusList;
const NvSNMPVar IpMacBindingTable[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.7", "ACL Status", NvSyntax::integer, NvAccess::readonly, &BindingAclStatusList},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Ports", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.6", "Mode", NvSyntax::integer, NvAccess::readonly, &BindingModeList},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Row Status", NvSyntax::integer, NvAccess::readwrite, &BindingRowStatusList},
    {}};

// Security > IP-MAC Binding > DHCP Snoop Table
static NvOptionList IpMacBindingDhcpSnoopStatusList;
const NvSNMPVar IpMacBindingDhcpSnoopTable[] = {
    {"1.3.6.1.4.1.32473.12.23.4.3.1.1", "IP Index", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.2", "MAC", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.3", "Lease Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.4", "Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.5", "Status", NvSyntax::integer, NvAccess::readonly, &IpMacBindingDhcpSnoopStatusList},
    {}};

// Security > IP-MAC Binding > Blocked Table
static const NvOptionPair TypeValues[] = {{2, "blockByAddrBind"}, {3, "delete"}, {}};
static NvOptionList TypeList, IpMacBindingBlockedStatusList;
const NvSNMPVar IpMacBindingBlockedTable[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "Blocked VLAN ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "MAC ", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "VLAN Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Type", NvSyntax::integer, NvAccess::readwrite, &TypeList},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.7", "Status", NvSyntax::integer, NvAccess::readwrite, &IpMacBindingBlockedStatusList},
    {}};

// Guest VLAN dialog: the guest VLAN setting (name and ports), the name currently set, the delete
// action (scalars)
static NvOptionList GuestVlanDeleteStateList;
const NvSNMPVar GuestVlanSettingTable[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.30.1.2", "Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};
const NvSNMPVar GuestVlanCurrentNameTable[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Guest VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};
const NvSNMPVar GuestVlanDeleteTable[] = {
    {"1.3.6.1.4.1.32473.12.30.1.3", "Guest VLAN Delete State", NvSyntax::integer, NvAccess::readwrite,
     &GuestVlanDeleteStateList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SafeguardAdminStateList, ValueSet::Disabled2Enabled3},
    {&SafeguardModeList, SafeguardModeValues},
    {&SafeguardAlarmAdminStateList, ValueSet::Disabled2Enabled3},
    {&SafeguardCurrentStatusList, SafeguardCurrentStatusValues},
    {&TrapLogStateList, TrapLogStateValues},
    {&DhcpSnoopingStateList, ValueSet::Enabled1Disabled2},
    {&DhcpSnoopEntryClearAllStateList, ValueSet::OtherStart},
    {&AllPortStateList, AllPortStateValues},
    {&ArpInspectionStateList, ValueSet::Enabled1Disabled2},
    {&StateList, StateValues},
    {&ZeroIpStateList, ValueSet::Enabled1Disabled2},
    {&ForwardDhcpPacketList, ValueSet::Enabled1Disabled2},
    {&DhcpSnoopEntryClearActionList, ValueSet::OtherStart},
    {&ModeList, ModeValues},
    {&RecoverLearningList, ValueSet::OtherStart},
    {&LearningStatusList, LearningStatusValues},
    {&BindingAclStatusList, ValueSet::InactiveActive},
    {&BindingModeList, BindingModeValues},
    {&BindingRowStatusList, ValueSet::RowStatusShort},
    {&IpMacBindingDhcpSnoopStatusList, ValueSet::InactiveActive},
    {&TypeList, TypeValues},
    {&IpMacBindingBlockedStatusList, ValueSet::RowStatus},
    {&GuestVlanDeleteStateList, ValueSet::NoneStart},
};

static const NvCatalogueTable Tables[] = {
    {"SafeguardGlobalTable", "1.3.6.1.4.1.32473.12.19.1", SafeguardGlobalTable},
    {"SafeguardControlTable", "1.3.6.1.4.1.32473.12.19.2", SafeguardControlTable},
    {"IpMacBindingGlobalSettingsTable", "1.3.6.1.4.1.32473.12.23", IpMacBindingGlobalSettingsTable},
    {"IpMacBindingPortStateTable", "1.3.6.1.4.1.32473.12.23.3.2.1", IpMacBindingPortStateTable},
    {"IpMacBindingTable", "1.3.6.1.4.1.32473.12.23.4.1.1", IpMacBindingTable},
    {"IpMacBindingDhcpSnoopTable", "1.3.6.1.4.1.32473.12.23.4.3.1", IpMacBindingDhcpSnoopTable},
    {"IpMacBindingBlockedTable", "1.3.6.1.4.1.32473.12.23.4.2.1", IpMacBindingBlockedTable},
    {"GuestVlanSettingTable", "1.3.6.1.4.1.32473.12.30.1", GuestVlanSettingTable},
    {"GuestVlanCurrentNameTable", "1.3.6.1.4.1.32473.12.30.1.1", GuestVlanCurrentNameTable},
    {"GuestVlanDeleteTable", "1.3.6.1.4.1.32473.12.30.1.3", GuestVlanDeleteTable},
};

NvCatalogueModule Oid_ipmacbinding = {"Oid_ipmacbinding", Tables, Lists};
