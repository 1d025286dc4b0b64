#include "Oid_device.h"

#include <iterator>

#include "NvOptionList.h"
#include "ValueSets.h"

// Device Management > Alarm Link Settings
static const NvOptionPair DeviceAlarmLinkChangeValues[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
static NvOptionList DeviceAlarmLinkChangeList;
const NvSNMPVar AlarmLinkSettingsTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.3.3", "Device Alarm Link Change", NvSyntax::integer, NvAccess::readwrite, &DeviceAlarmLinkChangeList},
    {}};

// RMON menu opening, RMON > RMON Control
static NvOptionList RmonStateRmonStateList;
const NvSNMPVar RmonStateTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.16", "RMON State", NvSyntax::integer, NvAccess::readwrite, &RmonStateRmonStateList},
    {}};

// Main window: the device's hardware revision, which picks the front panel
const NvSNMPVar ProbeHardwareRevTable[] = {
    {"1.3.6.1.2.1.16.19.3", "probeHardwareRev", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Front panel: power, console and port LED states, two bytes a port slot after the first two
const NvSNMPVar FrontPanelLedStatusTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// PVID Auto Assignment
static NvOptionList PvidAutoAssignmentStateList;
const NvSNMPVar PvidAutoAssignmentTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.3", "State", NvSyntax::integer, NvAccess::readwrite, &PvidAutoAssignmentStateList},
    {}};

// VLAN Advertisement Table
static const NvOptionPair VlanAdvertiseStateValues[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
static NvOptionList VlanAdvertiseStateList;
const NvSNMPVar VlanAdvertisementTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.1.1.1", "VLAN Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.1.1.2", "VLAN Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.1.1.3", "VLAN Advertise State", NvSyntax::integer, NvAccess::readwrite, &VlanAdvertiseStateList},
    {}};

// VLAN Multiply Management
static const NvOptionPair AdvertisementValues[] = {
    {1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
static const NvOptionPair MemberPortsActionValues[] = {
    {1, "other"}, {2, "add-tagged"}, {3, "add-untagged"}, {4, "add-forbidden"}, {5, "delete"}, {}};
static const NvOptionPair ActionValues[] = {
    {1, "other"}, {2, "create"}, {3, "configure"}, {4, "delete"}, {}};
static NvOptionList AdvertisementList, MemberPortsActionList, ActionList;
const NvSNMPVar VlanMultiplyManagementTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.2.1", "VLAN List", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.2.2", "Advertisement", NvSyntax::integer, NvAccess::readwrite, &AdvertisementList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.2.3", "Member Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.2.4", "Member Ports Action", NvSyntax::integer, NvAccess::readwrite, &MemberPortsActionList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.23.2.5", "Action", NvSyntax::integer, NvAccess::readwrite, &ActionList},
    {}};

// Layer 2 Device Global Settings
static const NvOptionPair SystemRebootValues[] = {
    {1, "other"}, {2, "reboot"}, {3, "save-config-and-reboot"},
    {4, "reboot-and-load-factory-default-config"}, {}};
static const NvOptionPair CleanAllStatisticCounterValues[] = {{1, "normal"}, {2, "active"}, {}};
static NvOptionList 
    SystemRebootList, IgmpSnoopingList, CleanAllStatisticCounterList, SnmpAuthenticateTrapList,
    Layer2DeviceGlobalSettingsRmonStateList, IpAutoConfigureList,
    Layer2DeviceGlobalSettingsMacNotifyStateList, LldpStateList, LldpForwardMessageStateList,
    AsymmetricVlanStateList, IgmpSnoopingMulticastVlanStateList, VlanTrunkStateList,
    PasswordEncryptionStateList, WebStateList;
const NvSNMPVar Layer2DeviceGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.1", "System Reboot", NvSyntax::integer, NvAccess::readwrite, &SystemRebootList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.2", "System IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.3", "Subnet Mask", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.4", "Default Gateway", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.5", "Management VLAN ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.7", "IGMP Snooping", NvSyntax::integer, NvAccess::readwrite, &IgmpSnoopingList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.12", "Clean All Statistic Counter", NvSyntax::integer, NvAccess::readwrite, &CleanAllStatisticCounterList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.13", "SNMP Authenticate Trap", NvSyntax::integer, NvAccess::readwrite, &SnmpAuthenticateTrapList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.16", "RMON State", NvSyntax::integer, NvAccess::readwrite, &Layer2DeviceGlobalSettingsRmonStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.17", "IP Auto Configure", NvSyntax::integer, NvAccess::readwrite, &IpAutoConfigureList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.19", "MAC Notify State", NvSyntax::integer, NvAccess::readwrite, &Layer2DeviceGlobalSettingsMacNotifyStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.20", "MAC Notify History Size", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.21", "MAC Notify Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.22", "LLDP State", NvSyntax::integer, NvAccess::readwrite, &LldpStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.23", "LLDP Forward Message State", NvSyntax::integer, NvAccess::readwrite, &LldpForwardMessageStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.24", "Asymmetric VLAN State", NvSyntax::integer, NvAccess::readwrite, &AsymmetricVlanStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.25", "IGMP Snooping Multicast VLAN State", NvSyntax::integer, NvAccess::readwrite, &IgmpSnoopingMulticastVlanStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.26", "VLAN Trunk State", NvSyntax::integer, NvAccess::readwrite, &VlanTrunkStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.27", "ARP Aging Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.28", "Password Encryption State", NvSyntax::integer, NvAccess::readwrite, &PasswordEncryptionStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.30.1", "Web State", NvSyntax::integer, NvAccess::readwrite, &WebStateList},
    {}};

// Multicast Filter > Multicast Filter Table
static const NvOptionPair AddOrDeleteStateValues[] = {{1, "none"}, {2, "add"}, {3, "delete"}, {}};
static NvOptionList AddOrDeleteStateList, MulticastFilterStatusList;
const NvSNMPVar MulticastFilterTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1.1", "Profile Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1.2", "Profile Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1.3", "Add Or Delete State", NvSyntax::integer, NvAccess::readwrite, &AddOrDeleteStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1.4", "Group List", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1.5", "Status", NvSyntax::integer, NvAccess::readwrite, &MulticastFilterStatusList},
    {}};

// Multicast Filter > Port Information Table
static const NvOptionPair PortInformationAccessValues[] = {{1, "permit"}, {2, "deny"}, {}};
static NvOptionList PortInformationAccessList;
const NvSNMPVar MulticastFilterPortInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.5.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.5.1.2", "Profile Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.5.1.3", "Port Information Access", NvSyntax::integer, NvAccess::readonly, &PortInformationAccessList},
    {}};

// Multicast Filter > Port Table
static const NvOptionPair ProfileAddOrDeleteStateValues[] = {
    {1, "none"}, {2, "add"}, {3, "delete"}, {}};
static const NvOptionPair PortAccessValues[] = {{0, "none"}, {1, "permit"}, {2, "deny"}, {}};
static NvOptionList ProfileAddOrDeleteStateList, PortAccessList;
const NvSNMPVar MulticastFilterPortTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.3.1.1", "GroupPort Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.3.1.2", "Profile Add Or Delete State", NvSyntax::integer, NvAccess::readwrite, &ProfileAddOrDeleteStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.3.1.3", "Profile ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.3.1.4", "Port Access", NvSyntax::integer, NvAccess::readwrite, &PortAccessList},
    {}};

// Multicast Filter > Port Max Group Table
const NvSNMPVar MulticastFilterMaxGroupTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.4.1.1", "Max Group Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.22.4.1.2", "Max Group", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Port Management > Port Information Table
static const NvOptionPair PortInformationMediumTypeValues[] = {{100, "copper"}, {101, "fiber"}, {}};
static const NvOptionPair LinkStatusValues[] = {
    {1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
static const NvOptionPair NwayStatusValues[] = {
    {1, "auto"}, {2, "half-10Mbps"}, {3, "full-10Mbps"}, {4, "half-100Mbps"}, {5, "full-100Mbps"},
    {7, "full-1Gigabps"}, {}};
static const NvOptionPair FlowCtrlOperStatusValues[] = {
    {1, "none"}, {2, "ieee8023x"}, {3, "backPressure"}, {}};
static NvOptionList 
    PortInformationMediumTypeList, LinkStatusList, NwayStatusList, FlowCtrlOperStatusList;
const NvSNMPVar PortInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1.2", "Medium Type", NvSyntax::integer, NvAccess::notaccess, &PortInformationMediumTypeList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1.4", "Link Status", NvSyntax::integer, NvAccess::readonly, &LinkStatusList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1.5", "Nway Status", NvSyntax::integer, NvAccess::readonly, &NwayStatusList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1.10", "Flow Ctrl Oper Status", NvSyntax::integer, NvAccess::readonly, &FlowCtrlOperStatusList},
    {}};

// Port Management > Port Control Table
static const NvOptionPair PortControlMediumTypeValues[] = {{100, "copper"}, {101, "fiber"}, {}};
static const NvOptionPair NwayStateValues[] = {
    {1, "nway-auto"}, {2, "nway-disabled-10Mbps-Half"}, {3, "nway-disabled-10Mbps-Full"},
    {4, "nway-disabled-100Mbps-Half"}, {5, "nway-disabled-100Mbps-Full"},
    {7, "nway-disabled-1Gigabps-Full"}, {8, "nway-disabled-1Gigabps-Full-Master"},
    {9, "nway-disabled-1Gigabps-Full-Slave"}, {}};
static const NvOptionPair MulticastFilterValues[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {}};
static const NvOptionPair MdixStateValues[] = {
    {1, "auto"}, {2, "normal"}, {3, "cross"}, {4, "other"}, {}};
static NvOptionList 
    PortControlMediumTypeList, PortControlAdminStateList, NwayStateList, FlowControlStateList,
    AddressLearningList, PortControlMacNotifyStateList, MulticastFilterList, MdixStateList;
const NvSNMPVar PortControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.1", "Port Index", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.2", "Medium Type", NvSyntax::integer, NvAccess::readonly, &PortControlMediumTypeList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.3", "Admin State", NvSyntax::integer, NvAccess::readwrite, &PortControlAdminStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.4", "Nway State", NvSyntax::integer, NvAccess::readwrite, &NwayStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.5", "Flow Control State", NvSyntax::integer, NvAccess::readwrite, &FlowControlStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.6", "Description", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.7", "Address Learning", NvSyntax::integer, NvAccess::readwrite, &AddressLearningList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.8", "MAC Notify State", NvSyntax::integer, NvAccess::readwrite, &PortControlMacNotifyStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.9", "Multicast filter", NvSyntax::integer, NvAccess::readwrite, &MulticastFilterList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1.10", "MDIX State", NvSyntax::integer, NvAccess::readwrite, &MdixStateList},
    {}};

// Port Management > Error Port Table
static const NvOptionPair ErrorPortStatusValues[] = {{1, "other"}, {2, "err-disabled"}, {}};
static const NvOptionPair ReasonValues[] = {
    {1, "stp-lbd"}, {2, "storm-control"}, {3, "storm-control-lbd"}, {4, "loopdetect"}, {}};
static NvOptionList ErrorPortStateList, ErrorPortStatusList, ReasonList;
const NvSNMPVar ErrorPortTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1.2", "State", NvSyntax::integer, NvAccess::readonly, &ErrorPortStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1.3", "Status", NvSyntax::integer, NvAccess::readonly, &ErrorPortStatusList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1.4", "Reason", NvSyntax::integer, NvAccess::readonly, &ReasonList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1.5", "Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Port Management > Jumbo Frame Settings
static NvOptionList JumboFrameStateList;
const NvSNMPVar JumboFrameSettingsTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.4", "Jumbo Frame State", NvSyntax::integer, NvAccess::readwrite, &JumboFrameStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.2.5", "Max Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Port Management > Port Security Table > Port Security Trap Log State
static const NvOptionPair PortSecurityTrapLogStateValues[] = {{2, "enable"}, {3, "disable"}, {}};
static NvOptionList PortSecurityTrapLogStateList;
const NvSNMPVar PortSecurityTrapLogStateTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.2", "Port Security Trap Log State", NvSyntax::integer, NvAccess::readwrite, &PortSecurityTrapLogStateList},
    {}};

// Port Management > Port Security Table > Port Security Control
static const NvOptionPair PortSecurityControlModeValues[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {}};
static const NvOptionPair PortSecurityControlAdminStateValues[] = {
    {2, "enable"}, {3, "disable"}, {}};
static NvOptionList PortSecurityControlModeList, PortSecurityControlAdminStateList, ClearCtrlList;
const NvSNMPVar PortSecurityControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1.2", "Max Learn Address", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1.3", "Mode", NvSyntax::integer, NvAccess::readwrite, &PortSecurityControlModeList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1.4", "Admin State", NvSyntax::integer, NvAccess::readwrite, &PortSecurityControlAdminStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1.5", "Clear Ctrl", NvSyntax::integer, NvAccess::readwrite, &ClearCtrlList},
    {}};

// Port Management > Trunk Basic Information
static const NvOptionPair TrunkAlgorithmValues[] = {
    {1, "other"}, {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"},
    {5, "ip-source"}, {6, "ip-destination"}, {7, "ip-source-dest"}, {}};
static NvOptionList TrunkAlgorithmList;
const NvSNMPVar TrunkBasicInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.1", "Port Trunk Max Entries", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.2", "Port Trunk Max Port Members", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.4", "Trunk Algorithm", NvSyntax::integer, NvAccess::readwrite, &TrunkAlgorithmList},
    {}};

// Port Management > Trunk LACP Port Table
static const NvOptionPair TrunkLacpPortPortStateValues[] = {{1, "active"}, {2, "passive"}, {}};
static NvOptionList TrunkLacpPortPortStateList;
const NvSNMPVar TrunkLacpPortTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.5.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.5.1.2", "Port State", NvSyntax::integer, NvAccess::readwrite, &TrunkLacpPortPortStateList},
    {}};

// Port Management > Trunk VLAN Table
static NvOptionList TrunkVlanStateList;
const NvSNMPVar TrunkVlanTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.6.1.1", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.6.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &TrunkVlanStateList},
    {}};

// Port Management > Port Trunk Table (also read by the port mirror dialog)
static const NvOptionPair PortTrunkTypeValues[] = {{1, "static"}, {2, "lacp"}, {}};
static const NvOptionPair PortTrunkStateValues[] = {
    {1, "enabled"}, {2, "disabled"}, {4, "createAndGo"}, {6, "destroy"}, {}};
static NvOptionList PortTrunkTypeList, PortTrunkStateList;
const NvSNMPVar PortTrunkTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.2", "Master Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.3", "Member Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.4", "Type", NvSyntax::integer, NvAccess::readwrite, &PortTrunkTypeList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.5", "Active Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.6", "State", NvSyntax::integer, NvAccess::readwrite, &PortTrunkStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1.7", "Flooding Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Port Management > Port Mirror Table
static NvOptionList PortMirrorStateList;
const NvSNMPVar PortMirrorTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.6.2", "RX Member Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.6.3", "TX Member Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.6.4", "Target Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.6.5", "State", NvSyntax::integer, NvAccess::readwrite, &PortMirrorStateList},
    {}};

// Port Management > Port Security Table > Port Security Delete Table
static NvOptionList PortSecurityDeleteActivityList;
const NvSNMPVar PortSecurityDeleteTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.3.1", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.3.2", "Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.3.3", "MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.15.3.4", "Activity", NvSyntax::integer, NvAccess::readwrite, &PortSecurityDeleteActivityList},
    {}};

// QoS > QoS Scheduling Mechanism Control
static const NvOptionPair QoSSchedulingMechanismControlValues[] = {
    {1, "strict"}, {2, "weightfair"}, {3, "none"}, {}};
static NvOptionList QoSSchedulingMechanismControlList;
const NvSNMPVar QosSchedulingMechanismTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.5", "QoS Scheduling Mechanism Control", NvSyntax::integer, NvAccess::readwrite, &QoSSchedulingMechanismControlList},
    {}};

// QoS > Bandwidth Control Table
const NvSNMPVar QosBandwidthControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1.2", "RX Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1.3", "TX Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1.4", "RADIUS RX Rate", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1.5", "RADIUS TX Rate", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// QoS > Scheduling Table
static const NvOptionPair MechanismValues[] = {
    {1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {}};
static NvOptionList MechanismList;
const NvSNMPVar QosSchedulingTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.2.1.1", "Class Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.2.1.4", "Max Weight", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.2.1.5", "Mechanism", NvSyntax::integer, NvAccess::readonly, &MechanismList},
    {}};

// QoS > 802.1p User Priority Table
const NvSNMPVar Dot1pUserPriorityTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.3.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.3.1.2", "Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// QoS > 802.1p Default Priority Table
const NvSNMPVar Dot1pDefaultPriorityTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.4.1.1", "Default Priority Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.4.1.2", "Default Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.3.4.1.3", "RADIUS Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Global Settings
static NvOptionList GlobalStateList;
const NvSNMPVar IgmpSnoopingGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.73.1.1", "Global State", NvSyntax::integer, NvAccess::readwrite, &GlobalStateList},
    {"1.3.6.1.4.1.32473.12.73.1.3", "Max Data Driven Learning Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// IGMP Snooping > General Information
const NvSNMPVar GeneralInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.1", "Max Supported VLANs", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.2", "Max IP Group Number Per VLAN", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Control Table
static const NvOptionPair QuerierRoleValues[] = {{1, "querier"}, {2, "non-querier"}, {}};
static const NvOptionPair VersionValues[] = {
    {1, "version-1"}, {2, "version-2"}, {3, "version-3"}, {}};
static NvOptionList 
    QuerierStateList, QuerierRoleList, IgmpSnoopingControlStateList, FastLeaveStateList,
    VersionList, DataDrivenLearningAgedOutStateList;
const NvSNMPVar IgmpSnoopingControlTable[] = {
    {" ", "VID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.5", "Query Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.10", "Max Response Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.15", "Robustness Value", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.20", "Last Member Query Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.25", "Querier State", NvSyntax::integer, NvAccess::readwrite, &QuerierStateList},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.30", "Querier Role", NvSyntax::integer, NvAccess::readonly, &QuerierRoleList},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.35", "Querier IP", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.40", "Querier Expiry Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.45", "State", NvSyntax::integer, NvAccess::readwrite, &IgmpSnoopingControlStateList},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.50", "Fast Leave State", NvSyntax::integer, NvAccess::readwrite, &FastLeaveStateList},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.60", "Version", NvSyntax::integer, NvAccess::readwrite, &VersionList},
    {"1.3.6.1.4.1.32473.12.73.3.1.1.1.70", "Data DrivenLearning AgedOut State", NvSyntax::integer, NvAccess::readwrite, &DataDrivenLearningAgedOutStateList},
    {}};

// IGMP Snooping > Query Information
const NvSNMPVar IgmpQueryInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.4.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.4.1.2", "Query Count", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.4.1.3", "TX Query Count", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > IGMP Information  (hidden)
const NvSNMPVar IgmpInformationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1.2", "Group IP Address", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1.3", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1.4", "Port Map", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1.5", "IP Group Report Count", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Host Table
const NvSNMPVar IgmpHostTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.13.1.1", "Vid", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.13.1.2", "Host Group", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.13.1.3", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.13.1.4", "IP", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Access Authentication Table
static NvOptionList AuthenticationStateList;
const NvSNMPVar IgmpAccessAuthenticationTable[] = {
    {" ", "IGMP Router Port VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.7.1.1", "Authentication Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.7.1.2", "Authentication State", NvSyntax::integer, NvAccess::readwrite, &AuthenticationStateList},
    {}};

// IGMP Snooping > IGMPv3 Table (hidden)
static NvOptionList ForwardingList;
const NvSNMPVar Igmpv3Table[] = {
    {" ", "IGMP VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "IGMP Group IP Address", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.10.1.1", "Source IP Address", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.10.1.2", "Forwarding", NvSyntax::integer, NvAccess::readonly, &ForwardingList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.10.1.3", "Expire Timer", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Dynamic IP Multicast Max Entry
const NvSNMPVar IgmpDynamicMulticastMaxEntryTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.12.1", "IGMP Dynamic IP Multicast Max Entry", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// CoS Management > Priority Table
static const NvOptionPair EtherPriValues[] = {{1, "disable"}, {2, "Ethernet 802.1p"}, {}};
static const NvOptionPair IpPriValues[] = {{1, "disable"}, {2, "tos"}, {3, "dscp"}, {}};
static const NvOptionPair NoneValues[] = {{1, "valid"}, {2, "invalid"}, {}};
static NvOptionList EtherPriList, IpPriList, NoneList;
const NvSNMPVar CosPriorityTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.1.1.1", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.1.1.3", "Ether PRI", NvSyntax::integer, NvAccess::readwrite, &EtherPriList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.1.1.4", "IP PRI", NvSyntax::integer, NvAccess::readwrite, &IpPriList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.1.1.5", "None", NvSyntax::integer, NvAccess::readwrite, &NoneList},
    {}};

// CoS Management > Port PRI Table (hidden)
const NvSNMPVar CosPortPriTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.2.1.1", "Port PRI Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.2.1.2", "Port PRI Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// CoS Management > MAC_Base PRI Table (hidden)
const NvSNMPVar CosMacBasePriTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.3.1.1", "MAC_Base PRI Index", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.3.1.2", "MAC_Base PRI Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// CoS Management > ToS PRI Table
const NvSNMPVar CosTosPriTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.4.1.1", "ToS PRI Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.4.1.2", "ToS PRI Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// CoS Management > DSCP PRI Table
const NvSNMPVar CosDscpPriTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.5.1.1", "DSCP PRI Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.17.3.5.1.2", "DSCP PRI Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Packet Storm > Global Settings
static const NvOptionPair PacketStormTrapControlValues[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {}};
static NvOptionList PacketStormTrapControlList;
const NvSNMPVar PacketStormGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.25.1.2", "Packet Storm Trap Control", NvSyntax::integer, NvAccess::readwrite, &PacketStormTrapControlList},
    {}};

// Packet Storm > Control Table
static const NvOptionPair ActionStatusValues[] = {{1, "shutdown"}, {2, "drop"}, {}};
static NvOptionList BroadcastStatusList, MulticastStatusList, UnicastStatusList, ActionStatusList;
const NvSNMPVar PacketStormControlTable[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Status", NvSyntax::integer, NvAccess::readwrite, &BroadcastStatusList},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Status", NvSyntax::integer, NvAccess::readwrite, &MulticastStatusList},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Unicast Status", NvSyntax::integer, NvAccess::readwrite, &UnicastStatusList},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action Status", NvSyntax::integer, NvAccess::readwrite, &ActionStatusList},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Security > DoS Prevention > Global Settings
static const NvOptionPair DoSTrapLogValues[] = {{1, "enable"}, {2, "disable"}, {3, "other"}, {}};
static const NvOptionPair DoSClearCountersValues[] = {
    {1, "land-attack"}, {2, "blat-attack"}, {3, "smurf-attack"}, {4, "tcp-null-scan"},
    {5, "tcp-xmascan"}, {6, "tcp-synfin"}, {7, "tcp-syn-srcport-less-1024"}, {8, "all"},
    {9, "other"}, {}};
static NvOptionList DoSTrapLogList, DoSClearCountersList;
const NvSNMPVar DosGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.59.1.1", "DoS Trap Log", NvSyntax::integer, NvAccess::readwrite, &DoSTrapLogList},
    {"1.3.6.1.4.1.32473.12.59.1.2", "DoS Clear Counters", NvSyntax::integer, NvAccess::readwrite, &DoSClearCountersList},
    {}};

// Security > DoS Prevention > Control Table
static const NvOptionPair TypeValues[] = {
    {1, "land-attack"}, {2, "blat-attack"}, {3, "smurf-attack"}, {4, "tcp-null-scan"},
    {5, "tcp-xmascan"}, {6, "tcp-synfin"}, {7, "tcp-syn-srcport-less-1024"}, {}};
static const NvOptionPair ActionTypeValues[] = {{1, "drop"}, {2, "mirror"}, {}};
static NvOptionList TypeList, DosControlStateList, ActionTypeList;
const NvSNMPVar DosControlTable[] = {
    {"1.3.6.1.4.1.32473.12.59.1.3.1.1", "Type", NvSyntax::integer, NvAccess::notaccess, &TypeList},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &DosControlStateList},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.3", "Action Type", NvSyntax::integer, NvAccess::readwrite, &ActionTypeList},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.4", "Mirror Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.5", "Mirror Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.6", "Mirror RX Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.7", "Frame Count", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Security > MBA Management > Information
static NvOptionList 
    FailoverList, RadiusAuthorizationList, LocalAuthorizationList, TrapStateList, LogStateList;
const NvSNMPVar MbaInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.35.1.9", "Max User", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.10", "Failover", NvSyntax::integer, NvAccess::readwrite, &FailoverList},
    {"1.3.6.1.4.1.32473.12.35.1.11", "RADIUS Authorization", NvSyntax::integer, NvAccess::readwrite, &RadiusAuthorizationList},
    {"1.3.6.1.4.1.32473.12.35.1.12", "Local Authorization", NvSyntax::integer, NvAccess::readwrite, &LocalAuthorizationList},
    {"1.3.6.1.4.1.32473.12.35.1.13", "Trap State", NvSyntax::integer, NvAccess::readwrite, &TrapStateList},
    {"1.3.6.1.4.1.32473.12.35.1.14", "Log State", NvSyntax::integer, NvAccess::readwrite, &LogStateList},
    {}};

// MBA global settings dialog: state, method, password and clear-all action; the guest VLAN's
// name and member ports; its name delete action; the name the switch holds now (scalars)
static const NvOptionPair MbaMethodValues[] = {{1, "local"}, {2, "radius"}, {}};
static NvOptionList MbaStateList, MbaMethodList, MbaClearAllActionList, MbaNameDeleteStateList;
const NvSNMPVar MbaGlobalTable[] = {
    {"1.3.6.1.4.1.32473.12.35.1.1", "State", NvSyntax::integer, NvAccess::readwrite, &MbaStateList},
    {"1.3.6.1.4.1.32473.12.35.1.2", "Method", NvSyntax::integer, NvAccess::readwrite, &MbaMethodList},
    {"1.3.6.1.4.1.32473.12.35.1.3", "PassWord", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.8", "Clear All Action", NvSyntax::integer, NvAccess::readwrite, &MbaClearAllActionList},
    {}};
const NvSNMPVar MbaGuestVlanTable[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.5", "Member Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};
const NvSNMPVar MbaNameDeleteTable[] = {
    {"1.3.6.1.4.1.32473.12.35.1.7", "VLAN Name Delete State", NvSyntax::integer, NvAccess::readwrite,
     &MbaNameDeleteStateList},
    {}};
const NvSNMPVar MbaCurrentNameTable[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Security > MBA Management > Port Information Table
static const NvOptionPair MbaPortInformationStatusValues[] = {
    {1, "unconnected"}, {2, "connecting"}, {3, "authenticating"}, {4, "authenticated"},
    {5, "blocked"}, {}};
static NvOptionList MbaPortInformationStatusList, ClearMacActionList;
const NvSNMPVar MbaPortInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.35.2.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.2", "MAC Index", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.3", "Status", NvSyntax::integer, NvAccess::readonly, &MbaPortInformationStatusList},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.4", "Assign VLAN Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.5", "Clear MAC Action", NvSyntax::integer, NvAccess::readwrite, &ClearMacActionList},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.6", "Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.7", "Aging Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.8", "Block Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.9", "Assign VID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Security > MBA Management > Port Table
static const NvOptionPair MbaPortModeValues[] = {{1, "port_based"}, {2, "host_based"}, {}};
static NvOptionList MbaPortStateList, MbaPortModeList, ClearPortActionList;
const NvSNMPVar MbaPortTable[] = {
    {"1.3.6.1.4.1.32473.12.35.3.1.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &MbaPortStateList},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.3", "Mode", NvSyntax::integer, NvAccess::readwrite, &MbaPortModeList},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.4", "Aging Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.5", "Block Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.6", "Clear Port Action", NvSyntax::integer, NvAccess::readwrite, &ClearPortActionList},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.7", "Max User", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Security > MBA Management > DataBase Table
static NvOptionList MbaDatabaseStatusList;
const NvSNMPVar MbaDatabaseTable[] = {
    {"1.3.6.1.4.1.32473.12.35.4.1.1.1", "MAC Index", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.2", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.3", "Status", NvSyntax::integer, NvAccess::readwrite, &MbaDatabaseStatusList},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.5", "Base VID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Loopback Detection > Loop Detect Control
static const NvOptionPair LoopDetectControlModeValues[] = {
    {1, "vlan-based"}, {2, "port-based"}, {}};
static const NvOptionPair LoopDetectControlTrapModeValues[] = {
    {1, "none"}, {2, "loop_detected"}, {3, "loop_cleared"}, {4, "both"}, {}};
static NvOptionList 
    LoopDetectControlAdminStateList, LoopDetectControlModeList, LoopDetectControlTrapModeList;
const NvSNMPVar LoopDetectControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.1.1", "Admin State", NvSyntax::integer, NvAccess::readwrite, &LoopDetectControlAdminStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.1.2", "Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.1.3", "Recover Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.1.4", "Mode", NvSyntax::integer, NvAccess::readwrite, &LoopDetectControlModeList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.1.5", "Trap Mode", NvSyntax::integer, NvAccess::readwrite, &LoopDetectControlTrapModeList},
    {}};

// Loopback Detection > Loop Detect Port Table
static const NvOptionPair PortLoopStatusValues[] = {
    {1, "normal"}, {2, "loop"}, {3, "error"}, {4, "none"}, {}};
static NvOptionList LoopDetectPortPortStateList, PortLoopStatusList;
const NvSNMPVar LoopDetectPortTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.2.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.2.1.1.2", "Port State", NvSyntax::integer, NvAccess::readwrite, &LoopDetectPortPortStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.2.1.1.3", "Loop VLAN", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.21.2.1.1.4", "Port Loop Status", NvSyntax::integer, NvAccess::readonly, &PortLoopStatusList},
    {}};

// BPDU Tunnel > Global Settings
static NvOptionList BpduTunnelGlobalSettingsStateList;
const NvSNMPVar BpduTunnelGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.60.1.1", "State", NvSyntax::integer, NvAccess::readwrite, &BpduTunnelGlobalSettingsStateList},
    {}};

// BPDU Tunnel > Information
const NvSNMPVar BpduTunnelInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.60.2.1", "STP Multicast Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.60.2.2", "GVRP Multicast Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// BPDU Tunnel > Tunnel Table
static const NvOptionPair PortTypeValues[] = {{1, "none"}, {2, "tunnel"}, {3, "uplink"}, {}};
static NvOptionList PortTypeList, StpStateList, GvrpStateList;
const NvSNMPVar BpduTunnelPortTable[] = {
    {"1.3.6.1.4.1.32473.12.60.3.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.2", "Port Type", NvSyntax::integer, NvAccess::readwrite, &PortTypeList},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.3", "STP State", NvSyntax::integer, NvAccess::readwrite, &StpStateList},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.4", "GVRP State", NvSyntax::integer, NvAccess::readwrite, &GvrpStateList},
    {}};

// BPDU Protection > Global Settings
static const NvOptionPair BpduProtectionGlobalSettingsTrapModeValues[] = {
    {1, "none"}, {2, "attackDetected"}, {3, "attackCleared"}, {4, "both"}, {}};
static const NvOptionPair LogModeValues[] = {
    {1, "none"}, {2, "attackDetected"}, {3, "attackCleared"}, {4, "both"}, {}};
static NvOptionList 
    AdministrationStateList, BpduProtectionGlobalSettingsTrapModeList, LogModeList;
const NvSNMPVar BpduProtectionGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.76.1.1", "Administration State", NvSyntax::integer, NvAccess::readwrite, &AdministrationStateList},
    {"1.3.6.1.4.1.32473.12.76.1.2", "Recovery Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.76.1.3", "Trap Mode", NvSyntax::integer, NvAccess::readwrite, &BpduProtectionGlobalSettingsTrapModeList},
    {"1.3.6.1.4.1.32473.12.76.1.4", "Log Mode", NvSyntax::integer, NvAccess::readwrite, &LogModeList},
    {}};

// BPDU Protection > Port Table
static const NvOptionPair BpduProtectionPortModeValues[] = {
    {1, "drop"}, {2, "block"}, {3, "shutdown"}, {}};
static const NvOptionPair BpduProtectionPortStatusValues[] = {
    {1, "normal"}, {2, "underAttack"}, {}};
static NvOptionList 
    BpduProtectionPortStateList, BpduProtectionPortModeList, BpduProtectionPortStatusList;
const NvSNMPVar BpduProtectionPortTable[] = {
    {"1.3.6.1.4.1.32473.12.76.3.1.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.2", "State ", NvSyntax::integer, NvAccess::readwrite, &BpduProtectionPortStateList},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.3", "Mode ", NvSyntax::integer, NvAccess::readwrite, &BpduProtectionPortModeList},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.4", "Status  ", NvSyntax::integer, NvAccess::readonly, &BpduProtectionPortStatusList},
    {}};

// Layer 3 > IP Managment > IP Control Table
static const NvOptionPair IPv6LinkLocalAutoStateValues[] = {
    {1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
static NvOptionList IPv6LinkLocalAutoStateList, DhcpOption12StateList;
const NvSNMPVar IpControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.1", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.14", "IPv6 Link Local Address", NvSyntax::ipv6address, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.15", "IPv6 Link Local Prefix Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.17", "IPv6 Link Local Auto State", NvSyntax::integer, NvAccess::readwrite, &IPv6LinkLocalAutoStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.22", "DHCP Option12 State", NvSyntax::integer, NvAccess::readwrite, &DhcpOption12StateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1.23", "DHCP Option12 Host Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Layer 3 > IP Managment > IPv6 Control Table
const NvSNMPVar IPv6ControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.4.1.1", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.4.1.2", "Max Reassmbly Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.4.1.3", "Ns Retrans Timer", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {}};

// Layer 3 > IP Managment > IPv6 Address Control Table
static NvOptionList IPv6AddressControlStateList;
const NvSNMPVar IPv6AddressControlTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1.1", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1.2", "IPv6 Address", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1.3", "Prefix Length", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1.8", "State", NvSyntax::integer, NvAccess::readwrite, &IPv6AddressControlStateList},
    {}};

// Layer 3 > IP Managment > All IP Interface State Settings
static const NvOptionPair AllIpInterfaceStateValues[] = {
    {1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
static NvOptionList AllIpInterfaceStateList;
const NvSNMPVar AllIpInterfaceStateTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.3.2.1.7", "All IP Interface State", NvSyntax::integer, NvAccess::readwrite, &AllIpInterfaceStateList},
    {}};

// Layer 3 > IPv6 Management > Neighbor Cache Delete Settings
static const NvOptionPair IPv6NeighborCacheDeleteActionValues[] = {
    {1, "all"}, {2, "static"}, {3, "dynamic"}, {4, "other"}, {}};
static NvOptionList IPv6NeighborCacheDeleteActionList;
const NvSNMPVar NeighborCacheDeleteTable[] = {
    {"1.3.6.1.4.1.32473.12.26.4.2", "IPv6 Neighbor Cache Delete Action", NvSyntax::integer, NvAccess::readwrite, &IPv6NeighborCacheDeleteActionList},
    {}};

// Layer 3 > IPv6 Management > Neighbor Cache Table
static const NvOptionPair ReachStateValues[] = {
    {1, "incomplete"}, {2, "reachable"}, {3, "stale"}, {4, "delay"}, {5, "probe"}, {6, "static"},
    {}};
static NvOptionList ReachStateList, CacheRouteStatusList;
const NvSNMPVar NeighborCacheTable[] = {
    {"1.3.6.1.4.1.32473.12.26.4.1.1.1", "IPv6 Address", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.2", "MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.3", "Interface Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.4", "Reach State", NvSyntax::integer, NvAccess::readonly, &ReachStateList},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.5", "Cache Route Status", NvSyntax::integer, NvAccess::readwrite, &CacheRouteStatusList},
    {}};

// Layer 3 > IPv6 Management > IPv6 Static Route Table. The next hop is the fourth index
// column: its value comes with the row's index, never as a column of its own.
static NvOptionList Ipv6StaticRouteStatusList;
const NvSNMPVar Ipv6StaticRouteTable[] = {
    {"1.3.6.1.4.1.32473.12.26.3.1.1.1", "Destination", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.2", "Prefix Length", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.3", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.4", "Next Hop", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.5", "Metric", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.7", "Protocol", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.8", "Status", NvSyntax::integer, NvAccess::readwrite, &Ipv6StaticRouteStatusList},
    {}};

// Layer 3 > DHCP Relay > DHCP Relay Management
static const NvOptionPair Option82PolicyValues[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
static const NvOptionPair Option82RemoteIDTypeValues[] = {{1, "default"}, {2, "user-defined"}, {}};
static NvOptionList 
    DhcpRelayManagementStateList, Option82StateList, Option82CheckStateList, Option82PolicyList,
    Option82RemoteIDTypeList;
const NvSNMPVar DhcpRelayManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.42.1.1", "State", NvSyntax::integer, NvAccess::readwrite, &DhcpRelayManagementStateList},
    {"1.3.6.1.4.1.32473.12.42.1.2", "Hop Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.42.1.3", "Time Threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.42.3.2.1", "Option 82 State", NvSyntax::integer, NvAccess::readwrite, &Option82StateList},
    {"1.3.6.1.4.1.32473.12.42.3.2.2", "Option 82 Check State", NvSyntax::integer, NvAccess::readwrite, &Option82CheckStateList},
    {"1.3.6.1.4.1.32473.12.42.3.2.3", "Option 82 Policy", NvSyntax::integer, NvAccess::readwrite, &Option82PolicyList},
    {"1.3.6.1.4.1.32473.12.42.3.2.4", "Option 82 Remote ID Type", NvSyntax::integer, NvAccess::readwrite, &Option82RemoteIDTypeList},
    {"1.3.6.1.4.1.32473.12.42.3.2.5", "Option 82 Remote ID", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Basic Configuration > MIB II > ARP Table (IP-MIB ipNetToPhysicalTable); the address is an
// octet string index, shown as compact hexadecimal text.
static const NvOptionPair NetToPhysicalAddressTypeValues[] = {
    {0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"}, {4, "ipv6z"}, {16, "dns"}, {}};
static const NvOptionPair NetToPhysicalTypeValues[] = {
    {1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {5, "local"}, {}};
static const NvOptionPair NetToPhysicalStateValues[] = {
    {1, "reachable"}, {2, "stale"}, {3, "delay"}, {4, "probe"}, {5, "invalid"}, {6, "unknown"}, {7, "incomplete"}, {}};
static NvOptionList NetToPhysicalAddressTypeList, NetToPhysicalTypeList, NetToPhysicalStateList,
    NetToPhysicalRowStatusList;
const NvSNMPVar IpNetToPhysicalTable[] = {
    {"1.3.6.1.2.1.4.35.1.1", "Interface Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.4.35.1.2", "IP Type", NvSyntax::integer, NvAccess::notaccess, &NetToPhysicalAddressTypeList},
    {"1.3.6.1.2.1.4.35.1.3", "IP", NvSyntax::octetstr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.4.35.1.4", "MAC", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.4.35.1.6", "Type", NvSyntax::integer, NvAccess::readwrite, &NetToPhysicalTypeList},
    {"1.3.6.1.2.1.4.35.1.7", "State", NvSyntax::integer, NvAccess::readonly, &NetToPhysicalStateList},
    {"1.3.6.1.2.1.4.35.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &NetToPhysicalRowStatusList},
    {}};

// Layer 3 > DHCP Relay > DHCP Relay Control
static NvOptionList DhcpRelayControlStatusList;
const NvSNMPVar DhcpRelayControlTable[] = {
    {"1.3.6.1.4.1.32473.12.42.3.1.1.1", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.2", "DHCP Server IP", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.3", "Row Status", NvSyntax::integer, NvAccess::readwrite, &DhcpRelayControlStatusList},
    {}};

// Layer 3 > DHCP Relay > DHCP Local Relay State
static NvOptionList DhcpLocalRelayStateList;
const NvSNMPVar DhcpLocalRelayStateTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.24.1", "DHCP Local Relay State", NvSyntax::integer, NvAccess::readwrite, &DhcpLocalRelayStateList},
    {}};

// Layer 3 > DHCP Relay > DHCP Local Relay VLAN Table
static NvOptionList VlanStateList;
const NvSNMPVar DhcpLocalRelayVlanTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.24.2.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.24.2.1.2", "VLAN State", NvSyntax::integer, NvAccess::readwrite, &VlanStateList},
    {}};

// Traffic segmentation dialog (walked, one index column)
const NvSNMPVar TrafficSegmentationTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.12.1.1.1", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.12.1.1.2", "Forward Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// IGMP Snooping > Router Ports
const NvSNMPVar IgmpRouterPortTable[] = {
    {" ", "VID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.4.1.5", "Static Router Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.4.1.10", "Dynamic Router Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.4.1.15", "Forbidden Router Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// IGMP Snooping > Multicast VLAN Table
static NvOptionList IsmVlanStateList, IsmVlanRowStatusList, IsmVlanReplacePriorityList;
const NvSNMPVar IsmVlanTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.2", "VLAN Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.3", "Source Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.4", "Member Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.5", "Tag Member Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.6", "State", NvSyntax::integer, NvAccess::readwrite, &IsmVlanStateList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.7", "Replace Source IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &IsmVlanRowStatusList},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.9", "Untag Source Port", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.10", "Remap Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.11", "Replace Priority", NvSyntax::integer, NvAccess::readwrite, &IsmVlanReplacePriorityList},
    {}};

// IGMP Snooping > Multicast VLAN Group
static NvOptionList IgmpMulticastVlanGroupStatusList;
const NvSNMPVar IgmpMulticastVlanGroupTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1.2", "From IP", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1.3", "To IP", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, &IgmpMulticastVlanGroupStatusList},
    {}};

// IGMP Snooping > Group Table
const NvSNMPVar IgmpSnoopingGroupTable[] = {
    {" ", "VID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.1", "SrcAddr", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.2", "GrpAddr", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.3", "Include Member Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.4", "Exclude Member Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.5", "Router Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.6", "Up Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.7", "Expiry Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.1.2.1.8", "Report Count", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// IGMP Snooping > Data Driven Learning Group
static const NvOptionPair ClearGroupValues[] = {{1, "other"}, {2, "clear"}, {}};
static NvOptionList ClearGroupList;
const NvSNMPVar IgmpDataDrivenGroupTable[] = {
    {" ", "VID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.3.1.1", "Group Addr", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.3.1.2", "Router Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.3.1.3", "Up Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.3.1.4", "Expiry Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.73.3.1.3.1.100", "Clear Group", NvSyntax::integer, NvAccess::readwrite, &ClearGroupList},
    {}};

// IGMP Snooping > Clear Dynamic IP Multicast
static const NvOptionPair ClearDynamicActionValues[] = {{1, "all"}, {2, "vlan"}, {3, "group"}, {4, "other"}, {}};
static NvOptionList ClearDynamicActionList;
const NvSNMPVar IgmpClearDynamicMulticastTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.12.2.1", "VLAN ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.12.2.2", "IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.7.12.2.3", "Action", NvSyntax::integer, NvAccess::readwrite, &ClearDynamicActionList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&DeviceAlarmLinkChangeList, DeviceAlarmLinkChangeValues},
    {&RmonStateRmonStateList, ValueSet::Disabled2Enabled3},
    {&PvidAutoAssignmentStateList, ValueSet::Enabled1Disabled2},
    {&VlanAdvertiseStateList, VlanAdvertiseStateValues},
    {&AdvertisementList, AdvertisementValues},
    {&MemberPortsActionList, MemberPortsActionValues},
    {&ActionList, ActionValues},
    {&SystemRebootList, SystemRebootValues},
    {&IgmpSnoopingList, ValueSet::Disabled2Enabled3},
    {&CleanAllStatisticCounterList, CleanAllStatisticCounterValues},
    {&SnmpAuthenticateTrapList, ValueSet::Enabled1Disabled2},
    {&Layer2DeviceGlobalSettingsRmonStateList, ValueSet::Disabled2Enabled3},
    {&IpAutoConfigureList, ValueSet::Disabled2Enabled3},
    {&Layer2DeviceGlobalSettingsMacNotifyStateList, ValueSet::Disabled2Enabled3},
    {&LldpStateList, ValueSet::Enabled1Disabled2},
    {&LldpForwardMessageStateList, ValueSet::Enabled1Disabled2},
    {&AsymmetricVlanStateList, ValueSet::Disabled2Enabled3},
    {&IgmpSnoopingMulticastVlanStateList, ValueSet::Enabled1Disabled2},
    {&VlanTrunkStateList, ValueSet::Enabled1Disabled2},
    {&PasswordEncryptionStateList, ValueSet::Enabled1Disabled2},
    {&WebStateList, ValueSet::Disabled2Enabled3},
    {&AddOrDeleteStateList, AddOrDeleteStateValues},
    {&MulticastFilterStatusList, ValueSet::RowStatusShort},
    {&PortInformationAccessList, PortInformationAccessValues},
    {&ProfileAddOrDeleteStateList, ProfileAddOrDeleteStateValues},
    {&PortAccessList, PortAccessValues},
    {&PortInformationMediumTypeList, PortInformationMediumTypeValues},
    {&LinkStatusList, LinkStatusValues},
    {&NwayStatusList, NwayStatusValues},
    {&FlowCtrlOperStatusList, FlowCtrlOperStatusValues},
    {&PortControlMediumTypeList, PortControlMediumTypeValues},
    {&PortControlAdminStateList, ValueSet::Disabled2Enabled3},
    {&NwayStateList, NwayStateValues},
    {&FlowControlStateList, ValueSet::Disabled2Enabled3},
    {&AddressLearningList, ValueSet::Disabled2Enabled3},
    {&PortControlMacNotifyStateList, ValueSet::Disabled2Enabled3},
    {&MulticastFilterList, MulticastFilterValues},
    {&MdixStateList, MdixStateValues},
    {&ErrorPortStateList, ValueSet::Disabled1Enabled2},
    {&ErrorPortStatusList, ErrorPortStatusValues},
    {&ReasonList, ReasonValues},
    {&JumboFrameStateList, ValueSet::Enabled1Disabled2},
    {&PortSecurityTrapLogStateList, PortSecurityTrapLogStateValues},
    {&PortSecurityControlModeList, PortSecurityControlModeValues},
    {&PortSecurityControlAdminStateList, PortSecurityControlAdminStateValues},
    {&ClearCtrlList, ValueSet::OtherStart},
    {&TrunkAlgorithmList, TrunkAlgorithmValues},
    {&TrunkLacpPortPortStateList, TrunkLacpPortPortStateValues},
    {&TrunkVlanStateList, ValueSet::Enabled1Disabled2},
    {&PortTrunkTypeList, PortTrunkTypeValues},
    {&PortTrunkStateList, PortTrunkStateValues},
    {&PortMirrorStateList, ValueSet::Disabled2Enabled3},
    {&PortSecurityDeleteActivityList, ValueSet::NoneStart},
    {&QoSSchedulingMechanismControlList, QoSSchedulingMechanismControlValues},
    {&MechanismList, MechanismValues},
    {&GlobalStateList, ValueSet::Enabled1Disabled2},
    {&QuerierStateList, ValueSet::Enabled1Disabled2},
    {&QuerierRoleList, QuerierRoleValues},
    {&IgmpSnoopingControlStateList, ValueSet::Enabled1Disabled2},
    {&FastLeaveStateList, ValueSet::Enabled1Disabled2},
    {&VersionList, VersionValues},
    {&DataDrivenLearningAgedOutStateList, ValueSet::Enabled1Disabled2},
    {&AuthenticationStateList, ValueSet::Disabled1Enabled2},
    {&ForwardingList, ValueSet::Enabled1Disabled2},
    {&EtherPriList, EtherPriValues},
    {&IpPriList, IpPriValues},
    {&NoneList, NoneValues},
    {&PacketStormTrapControlList, PacketStormTrapControlValues},
    {&BroadcastStatusList, ValueSet::Disabled1Enabled2},
    {&MulticastStatusList, ValueSet::Disabled1Enabled2},
    {&UnicastStatusList, ValueSet::Disabled1Enabled2},
    {&ActionStatusList, ActionStatusValues},
    {&DoSTrapLogList, DoSTrapLogValues},
    {&DoSClearCountersList, DoSClearCountersValues},
    {&TypeList, TypeValues},
    {&DosControlStateList, ValueSet::Enable1Disable2},
    {&ActionTypeList, ActionTypeValues},
    {&FailoverList, ValueSet::Enabled1Disabled2},
    {&RadiusAuthorizationList, ValueSet::Enabled1Disabled2},
    {&LocalAuthorizationList, ValueSet::Enabled1Disabled2},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&MbaStateList, ValueSet::Disabled1Enabled2},
    {&MbaMethodList, MbaMethodValues},
    {&MbaClearAllActionList, ValueSet::OtherStart},
    {&MbaNameDeleteStateList, ValueSet::NoneStart},
    {&MbaPortInformationStatusList, MbaPortInformationStatusValues},
    {&ClearMacActionList, ValueSet::OtherStart},
    {&MbaPortStateList, ValueSet::Enabled1Disabled2},
    {&MbaPortModeList, MbaPortModeValues},
    {&ClearPortActionList, ValueSet::OtherStart},
    {&MbaDatabaseStatusList, ValueSet::RowStatusShort},
    {&LoopDetectControlAdminStateList, ValueSet::Enabled1Disabled2},
    {&LoopDetectControlModeList, LoopDetectControlModeValues},
    {&LoopDetectControlTrapModeList, LoopDetectControlTrapModeValues},
    {&LoopDetectPortPortStateList, ValueSet::Enabled1Disabled2},
    {&PortLoopStatusList, PortLoopStatusValues},
    {&BpduTunnelGlobalSettingsStateList, ValueSet::Enabled1Disabled2},
    {&PortTypeList, PortTypeValues},
    {&StpStateList, ValueSet::Disabled2Enabled1},
    {&GvrpStateList, ValueSet::Disabled2Enabled1},
    {&AdministrationStateList, ValueSet::Enabled1Disabled2},
    {&BpduProtectionGlobalSettingsTrapModeList, BpduProtectionGlobalSettingsTrapModeValues},
    {&LogModeList, LogModeValues},
    {&BpduProtectionPortStateList, ValueSet::Enabled1Disabled2},
    {&BpduProtectionPortModeList, BpduProtectionPortModeValues},
    {&BpduProtectionPortStatusList, BpduProtectionPortStatusValues},
    {&IPv6LinkLocalAutoStateList, IPv6LinkLocalAutoStateValues},
    {&DhcpOption12StateList, ValueSet::Enabled1Disabled2},
    {&IPv6AddressControlStateList, ValueSet::RowStatus},
    {&AllIpInterfaceStateList, AllIpInterfaceStateValues},
    {&IPv6NeighborCacheDeleteActionList, IPv6NeighborCacheDeleteActionValues},
    {&ReachStateList, ReachStateValues},
    {&CacheRouteStatusList, ValueSet::RowStatus},
    {&Ipv6StaticRouteStatusList, ValueSet::RowStatus},
    {&DhcpRelayManagementStateList, ValueSet::Enabled1Disabled2},
    {&Option82StateList, ValueSet::Enabled1Disabled2},
    {&Option82CheckStateList, ValueSet::Enabled1Disabled2},
    {&Option82PolicyList, Option82PolicyValues},
    {&Option82RemoteIDTypeList, Option82RemoteIDTypeValues},
    {&DhcpLocalRelayStateList, ValueSet::Disabled2Enabled3},
    {&DhcpRelayControlStatusList, ValueSet::RowStatus},
    {&NetToPhysicalAddressTypeList, NetToPhysicalAddressTypeValues},
    {&NetToPhysicalTypeList, NetToPhysicalTypeValues},
    {&NetToPhysicalStateList, NetToPhysicalStateValues},
    {&NetToPhysicalRowStatusList, ValueSet::RowStatusShort},
    {&VlanStateList, ValueSet::Disabled2Enabled3},
    {&IsmVlanStateList, ValueSet::Enabled1Disabled2},
    {&IsmVlanRowStatusList, ValueSet::RowStatus},
    {&IsmVlanReplacePriorityList, ValueSet::Enabled1Disabled2},
    {&IgmpMulticastVlanGroupStatusList, ValueSet::RowStatus},
    {&ClearGroupList, ClearGroupValues},
    {&ClearDynamicActionList, ClearDynamicActionValues},
};

static const NvCatalogueTable Tables[] = {
    {"AlarmLinkSettingsTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.3", AlarmLinkSettingsTable},
    {"RmonStateTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.2", RmonStateTable},
    {"ProbeHardwareRevTable", "1.3.6.1.2.1.16.19.3", ProbeHardwareRevTable},
    {"FrontPanelLedStatusTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.1.5", FrontPanelLedStatusTable},
    {"PvidAutoAssignmentTable", "1.3.6.1.4.1.32473.11.113.1.3.2.23", PvidAutoAssignmentTable},
    {"VlanAdvertisementTable", "1.3.6.1.4.1.32473.11.113.1.3.2.23.1.1", VlanAdvertisementTable},
    {"VlanMultiplyManagementTable", "1.3.6.1.4.1.32473.11.113.1.3.2.23.2", VlanMultiplyManagementTable},
    {"Layer2DeviceGlobalSettingsTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.2", Layer2DeviceGlobalSettingsTable},
    {"MulticastFilterTable", "1.3.6.1.4.1.32473.11.113.1.3.2.22.2.1", MulticastFilterTable},
    {"MulticastFilterPortInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.22.5.1", MulticastFilterPortInformationTable},
    {"MulticastFilterPortTable", "1.3.6.1.4.1.32473.11.113.1.3.2.22.3.1", MulticastFilterPortTable},
    {"MulticastFilterMaxGroupTable", "1.3.6.1.4.1.32473.11.113.1.3.2.22.4.1", MulticastFilterMaxGroupTable},
    {"PortInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.2.1.1", PortInformationTable},
    {"PortControlTable", "1.3.6.1.4.1.32473.11.113.1.3.2.2.2.1", PortControlTable},
    {"ErrorPortTable", "1.3.6.1.4.1.32473.11.113.1.3.2.2.3.1", ErrorPortTable},
    {"JumboFrameSettingsTable", "1.3.6.1.4.1.32473.11.113.1.3.2.2", JumboFrameSettingsTable},
    {"PortSecurityTrapLogStateTable", "1.3.6.1.4.1.32473.11.113.1.3.2.15", PortSecurityTrapLogStateTable},
    {"PortSecurityControlTable", "1.3.6.1.4.1.32473.11.113.1.3.2.15.1.1", PortSecurityControlTable},
    {"TrunkBasicInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.4", TrunkBasicInformationTable},
    {"TrunkLacpPortTable", "1.3.6.1.4.1.32473.11.113.1.3.2.4.5.1", TrunkLacpPortTable},
    {"TrunkVlanTable", "1.3.6.1.4.1.32473.11.113.1.3.2.4.6.1", TrunkVlanTable},
    {"PortTrunkTable", "1.3.6.1.4.1.32473.11.113.1.3.2.4.3.1", PortTrunkTable},
    {"PortMirrorTable", "1.3.6.1.4.1.32473.11.113.1.3.2.6", PortMirrorTable},
    {"PortSecurityDeleteTable", "1.3.6.1.4.1.32473.11.113.1.3.2.15.3", PortSecurityDeleteTable},
    {"QosSchedulingMechanismTable", "1.3.6.1.4.1.32473.11.113.1.3.2.3", QosSchedulingMechanismTable},
    {"QosBandwidthControlTable", "1.3.6.1.4.1.32473.11.113.1.3.2.3.1.1", QosBandwidthControlTable},
    {"QosSchedulingTable", "1.3.6.1.4.1.32473.11.113.1.3.2.3.2.1", QosSchedulingTable},
    {"Dot1pUserPriorityTable", "1.3.6.1.4.1.32473.11.113.1.3.2.3.3.1", Dot1pUserPriorityTable},
    {"Dot1pDefaultPriorityTable", "1.3.6.1.4.1.32473.11.113.1.3.2.3.4.1", Dot1pDefaultPriorityTable},
    {"IgmpSnoopingGlobalSettingsTable", "1.3.6.1.4.1.32473.12.73.1", IgmpSnoopingGlobalSettingsTable},
    {"GeneralInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7", GeneralInformationTable},
    {"IgmpSnoopingControlTable", "1.3.6.1.4.1.32473.12.73.3.1.1.1", IgmpSnoopingControlTable},
    {"IgmpQueryInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.4.1", IgmpQueryInformationTable},
    {"IgmpInformationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.5.1", IgmpInformationTable},
    {"IgmpHostTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.13.1", IgmpHostTable},
    {"IgmpAccessAuthenticationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.7.1", IgmpAccessAuthenticationTable},
    {"Igmpv3Table", "1.3.6.1.4.1.32473.11.113.1.3.2.7.10.1", Igmpv3Table},
    {"IgmpDynamicMulticastMaxEntryTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.12", IgmpDynamicMulticastMaxEntryTable},
    {"CosPriorityTable", "1.3.6.1.4.1.32473.11.113.1.3.2.17.3.1.1", CosPriorityTable},
    {"CosPortPriTable", "1.3.6.1.4.1.32473.11.113.1.3.2.17.3.2.1", CosPortPriTable},
    {"CosMacBasePriTable", "1.3.6.1.4.1.32473.11.113.1.3.2.17.3.3.1", CosMacBasePriTable},
    {"CosTosPriTable", "1.3.6.1.4.1.32473.11.113.1.3.2.17.3.4.1", CosTosPriTable},
    {"CosDscpPriTable", "1.3.6.1.4.1.32473.11.113.1.3.2.17.3.5.1", CosDscpPriTable},
    {"PacketStormGlobalSettingsTable", "1.3.6.1.4.1.32473.12.25.1", PacketStormGlobalSettingsTable},
    {"PacketStormControlTable", "1.3.6.1.4.1.32473.12.25.3.1.1", PacketStormControlTable},
    {"DosGlobalSettingsTable", "1.3.6.1.4.1.32473.12.59.1", DosGlobalSettingsTable},
    {"DosControlTable", "1.3.6.1.4.1.32473.12.59.1.3.1", DosControlTable},
    {"MbaInformationTable", "1.3.6.1.4.1.32473.12.35.1", MbaInformationTable},
    {"MbaGlobalTable", "1.3.6.1.4.1.32473.12.35.1", MbaGlobalTable},
    {"MbaGuestVlanTable", "1.3.6.1.4.1.32473.12.35.1", MbaGuestVlanTable},
    {"MbaNameDeleteTable", "1.3.6.1.4.1.32473.12.35.1.7", MbaNameDeleteTable},
    {"MbaCurrentNameTable", "1.3.6.1.4.1.32473.12.35.1.4", MbaCurrentNameTable},
    {"MbaPortInformationTable", "1.3.6.1.4.1.32473.12.35.2.1.1", MbaPortInformationTable},
    {"MbaPortTable", "1.3.6.1.4.1.32473.12.35.3.1.1", MbaPortTable},
    {"MbaDatabaseTable", "1.3.6.1.4.1.32473.12.35.4.1.1", MbaDatabaseTable},
    {"LoopDetectControlTable", "1.3.6.1.4.1.32473.11.113.1.3.2.21.1", LoopDetectControlTable},
    {"LoopDetectPortTable", "1.3.6.1.4.1.32473.11.113.1.3.2.21.2.1.1", LoopDetectPortTable},
    {"BpduTunnelGlobalSettingsTable", "1.3.6.1.4.1.32473.12.60.1", BpduTunnelGlobalSettingsTable},
    {"BpduTunnelInformationTable", "1.3.6.1.4.1.32473.12.60.2", BpduTunnelInformationTable},
    {"BpduTunnelPortTable", "1.3.6.1.4.1.32473.12.60.3.1.1", BpduTunnelPortTable},
    {"BpduProtectionGlobalSettingsTable", "1.3.6.1.4.1.32473.12.76.1", BpduProtectionGlobalSettingsTable},
    {"BpduProtectionPortTable", "1.3.6.1.4.1.32473.12.76.3.1.1", BpduProtectionPortTable},
    {"IpControlTable", "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1", IpControlTable},
    {"IPv6ControlTable", "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.4.1", IPv6ControlTable},
    {"IPv6AddressControlTable", "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1", IPv6AddressControlTable},
    {"AllIpInterfaceStateTable", "1.3.6.1.4.1.32473.11.113.1.3.3.2.1", AllIpInterfaceStateTable},
    {"NeighborCacheDeleteTable", "1.3.6.1.4.1.32473.12.26.4", NeighborCacheDeleteTable},
    {"NeighborCacheTable", "1.3.6.1.4.1.32473.12.26.4.1.1", NeighborCacheTable},
    {"Ipv6StaticRouteTable", "1.3.6.1.4.1.32473.12.26.3.1.1", Ipv6StaticRouteTable},
    {"DhcpRelayManagementTable", "1.3.6.1.4.1.32473.12.42", DhcpRelayManagementTable},
    {"DhcpRelayControlTable", "1.3.6.1.4.1.32473.12.42.3.1.1", DhcpRelayControlTable},
    {"IpNetToPhysicalTable", "1.3.6.1.2.1.4.35.1", IpNetToPhysicalTable},
    {"DhcpLocalRelayStateTable", "1.3.6.1.4.1.32473.11.113.1.3.2.24", DhcpLocalRelayStateTable},
    {"DhcpLocalRelayVlanTable", "1.3.6.1.4.1.32473.11.113.1.3.2.24.2.1", DhcpLocalRelayVlanTable},
    {"TrafficSegmentationTable", "1.3.6.1.4.1.32473.11.113.1.3.2.12.1.1", TrafficSegmentationTable},
    {"IgmpRouterPortTable", "1.3.6.1.4.1.32473.12.73.3.1.4.1", IgmpRouterPortTable},
    {"IsmVlanTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1", IsmVlanTable},
    {"IgmpMulticastVlanGroupTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.9.1", IgmpMulticastVlanGroupTable},
    {"IgmpSnoopingGroupTable", "1.3.6.1.4.1.32473.12.73.2.1.2.1", IgmpSnoopingGroupTable},
    {"IgmpDataDrivenGroupTable", "1.3.6.1.4.1.32473.12.73.3.1.3.1", IgmpDataDrivenGroupTable},
    {"IgmpClearDynamicMulticastTable", "1.3.6.1.4.1.32473.11.113.1.3.2.7.12.2", IgmpClearDynamicMulticastTable},
};

// Front-panel LED colours, 0x00BBGGRR, by state value.
namespace {
constexpr int32_t kBlack = 0x000000, kGreen = 0x00FF00, kAmber = 0x00BFFF, kBlue = 0xFF0000, kRed = 0x0000FF;
const NvSNMPLedColorMap LedSystemColors[] = {
    {0, kBlack}, {1, kBlack}, {2, kGreen}, {3, kGreen}, {4, kBlue}, {5, kRed}, {0, -1}};
const NvSNMPLedColorMap LedComboPortA1Colors[] = {
    {0, kBlack}, {1, kAmber}, {2, kAmber}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};
const NvSNMPLedColorMap LedPortA1Colors[] = {
    {0, kBlack}, {1, kAmber}, {2, kGreen}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};
const NvSNMPLedColorMap LedPortB1Colors[] = {
    {0, kBlack}, {1, kGreen}, {2, kGreen}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};
const NvSNMPLedColorMap LedComboPortB1Colors[] = {
    {0, kBlack}, {1, kAmber}, {2, kAmber}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, -1}};

struct LedMapSource {
  NvSNMPLedColorMapList** Map;
  const NvSNMPLedColorMap* Colors;
  uint8_t BlinkMask;
};
const LedMapSource LedMaps[] = {
    {&LedMapSystem, LedSystemColors, 0x80},
    {&LedMapComboPortA1, LedComboPortA1Colors, 0x80},
    {&LedMapPortA1, LedPortA1Colors, 7},
    {&LedMapPortB1, LedPortB1Colors, 7},
    {&LedMapComboPortB1, LedComboPortB1Colors, 7},
};

void BuildLedMaps() {
  for (const LedMapSource& source : LedMaps)
    *source.Map = new NvSNMPLedColorMapList(source.Colors, 7, source.BlinkMask, kBlack, kBlack);
}

void FreeLedMaps() {
  for (auto source = std::rbegin(LedMaps); source != std::rend(LedMaps); ++source) {
    delete *source->Map;
    *source->Map = nullptr;
  }
}
}  // namespace

NvSNMPLedColorMapList* LedMapSystem = nullptr;
NvSNMPLedColorMapList* LedMapPortA1 = nullptr;
NvSNMPLedColorMapList* LedMapComboPortA1 = nullptr;
NvSNMPLedColorMapList* LedMapPortB1 = nullptr;
NvSNMPLedColorMapList* LedMapComboPortB1 = nullptr;

NvCatalogueModule Oid_device = {"Oid_device", Tables, Lists, 0, BuildLedMaps, FreeLedMaps};
