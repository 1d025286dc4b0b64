#include "Oid_lldp.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// LLDP > Configuration > Configuration Information
const NvSNMPVar LldpConfigurationTable[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// LLDP > Configuration > Address Configuration
const NvSNMPVar LldpAddressConfigurationTable[] = {
    {" ", "Management Address Subtype", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Management Address", NvSyntax::inetaddress, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// LLDP > LLDP Statistics > Statistics Information
const NvSNMPVar LldpStatisticsTable[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.4", "Drops", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP Statistics > TX Port Table
const NvSNMPVar LldpTxPortTable[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP Statistics > RX Port Table
const NvSNMPVar LldpRxPortTable[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP System Data > Port Table
static NvOptionList IDSubtypeList;
const NvSNMPVar LldpLocalPortTable[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", NvSyntax::integer, NvAccess::readonly, &IDSubtypeList},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP System Data > Management Address Table
static const NvOptionPair LldpLocalManagementAddressSubtypeValues[] = {
    {0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"}, {4, "hdlc"}, {5, "bbn1822"},
    {6, "all802"}, {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"},
    {12, "appleTalk"}, {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIPv4"}, {20, "xtpOverIPv6"},
    {21, "xtpNativeModeXTP"}, {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"},
    {25, "afi"}, {65535, "reserved"}, {}};
static const NvOptionPair LldpLocalManagementAddressIfSubtypeValues[] = {
    {1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {}};
static NvOptionList 
    LldpLocalManagementAddressSubtypeList, LldpLocalManagementAddressIfSubtypeList;
const NvSNMPVar LldpLocalManagementAddressTable[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", NvSyntax::integer, NvAccess::notaccess, &LldpLocalManagementAddressSubtypeList},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", NvSyntax::inetaddress, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.4", "IF Subtype", NvSyntax::integer, NvAccess::readonly, &LldpLocalManagementAddressIfSubtypeList},
    {"1.0.8802.1.1.2.1.3.8.1.5", "IF ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", NvSyntax::objectid, NvAccess::readonly, nullptr},
    {}};

// LLDP > Remote System Data > Management Address Table
static const NvOptionPair LldpRemoteManagementAddressSubtypeValues[] = {
    {0, "other"}, {1, "IPv4"}, {2, "IPv6"}, {3, "nsap"}, {4, "hdlc"}, {5, "bbn1822"},
    {6, "all802"}, {7, "e163"}, {8, "e164"}, {9, "f69"}, {10, "x121"}, {11, "ipx"},
    {12, "appleTalk"}, {13, "decnetIV"}, {14, "banyanVines"}, {15, "e164withNsap"}, {16, "dns"},
    {17, "distinguishedName"}, {18, "asNumber"}, {19, "xtpOverIpv4"}, {20, "xtpOverIpv6"},
    {21, "xtpNativeModeXTP"}, {22, "fibreChannelWWPN"}, {23, "fibreChannelWWNN"}, {24, "gwid"},
    {25, "afi"}, {65535, "reserved"}, {}};
static const NvOptionPair LldpRemoteManagementAddressIfSubtypeValues[] = {
    {1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {}};
static NvOptionList 
    LldpRemoteManagementAddressSubtypeList, LldpRemoteManagementAddressIfSubtypeList;
const NvSNMPVar LldpRemoteManagementAddressTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", NvSyntax::integer, NvAccess::notaccess, &LldpRemoteManagementAddressSubtypeList},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", NvSyntax::octetstr, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.3", "IF Subtype", NvSyntax::integer, NvAccess::readonly, &LldpRemoteManagementAddressIfSubtypeList},
    {"1.0.8802.1.1.2.1.4.2.1.4", "IF ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", NvSyntax::objectid, NvAccess::readonly, nullptr},
    {}};

// LLDP > Remote System Data > Unknown TLV Table
const NvSNMPVar LldpRemoteUnknownTlvTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Configuration > Port VLAN Table
static NvOptionList TxEnabledList;
const NvSNMPVar LldpDot1PortVlanTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", NvSyntax::integer, NvAccess::readwrite, &TxEnabledList},
    {}};

// LLDP > LLDP-Dot1 > Local Data > Local Data Table
const NvSNMPVar LldpDot1LocalDataTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Local Data > VLAN Name Table
const NvSNMPVar LldpDot1LocalVlanNameTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Local Data > Protocol VLAN Table
static NvOptionList SupportedList, EnabledList;
const NvSNMPVar LldpDot1LocalProtocolVlanTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", NvSyntax::integer, NvAccess::readonly, &SupportedList},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", NvSyntax::integer, NvAccess::readonly, &EnabledList},
    {}};

// LLDP > LLDP-Dot1 > Local Data > Protocol Table
const NvSNMPVar LldpDot1LocalProtocolTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Remote Data > Remote Data Table
const NvSNMPVar LldpDot1RemoteDataTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Remote Data > VLAN Name Table
const NvSNMPVar LldpDot1RemoteVlanNameTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Remote Data > Protocol VLAN Table
static NvOptionList VlanSupportedList, VlanEnabledList;
const NvSNMPVar LldpDot1RemoteProtocolVlanTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", NvSyntax::integer, NvAccess::readonly, &VlanSupportedList},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", NvSyntax::integer, NvAccess::readonly, &VlanEnabledList},
    {}};

// LLDP > LLDP-Dot1 > Remote Data > Protocol Table
const NvSNMPVar LldpDot1RemoteProtocolTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Local Data Table > Port Table
static NvOptionList 
    LldpDot3LocalPortPortAutoNegotiationSupportedList,
    LldpDot3LocalPortPortAutoNegotiationEnabledList;
const NvSNMPVar LldpDot3LocalPortTable[] = {
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPortPortAutoNegotiationSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPortPortAutoNegotiationEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Local Data Table > Power Table
static const NvOptionPair LldpDot3LocalPowerPowerPortClassValues[] = {
    {1, "pClassPSE"}, {2, "pClassPD"}, {}};
static NvOptionList 
    LldpDot3LocalPowerPowerPortClassList, LldpDot3LocalPowerPowerMdiSupportedList,
    LldpDot3LocalPowerPowerMdiEnabledList, LldpDot3LocalPowerPowerPairControlableList;
const NvSNMPVar LldpDot3LocalPowerTable[] = {
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPowerPowerPortClassList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPowerPowerMdiSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPowerPowerMdiEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", NvSyntax::integer, NvAccess::readonly, &LldpDot3LocalPowerPowerPairControlableList},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Local Data Table > Max Frame Size Table
const NvSNMPVar LldpDot3LocalMaxFrameSizeTable[] = {
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max. Frame Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Remote Table > Port Table
static NvOptionList 
    LldpDot3RemotePortPortAutoNegotiationSupportedList,
    LldpDot3RemotePortPortAutoNegotiationEnabledList;
const NvSNMPVar LldpDot3RemotePortTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePortPortAutoNegotiationSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePortPortAutoNegotiationEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Remote Table > Power Table
static const NvOptionPair LldpDot3RemotePowerPowerPortClassValues[] = {
    {1, "pClassPSE"}, {2, "pClassPD"}, {}};
static NvOptionList 
    LldpDot3RemotePowerPowerPortClassList, LldpDot3RemotePowerPowerMdiSupportedList,
    LldpDot3RemotePowerPowerMdiEnabledList, LldpDot3RemotePowerPowerPairControlableList;
const NvSNMPVar LldpDot3RemotePowerTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePowerPowerPortClassList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePowerPowerMdiSupportedList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePowerPowerMdiEnabledList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", NvSyntax::integer, NvAccess::readonly, &LldpDot3RemotePowerPowerPairControlableList},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Remote Table > Max Frame Size Table
const NvSNMPVar LldpDot3RemoteMaxFrameSizeTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max. Frame Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > Configuration > Port Configuration (dialog)
static const NvOptionPair LldpPortConfigAdminStatusValues[] = {
    {1, "txOnly"}, {2, "rxOnly"}, {3, "txAndrx"}, {4, "disabled"}, {}};
static NvOptionList LldpPortConfigAdminStatusList, LldpPortConfigNotificationList;
const NvSNMPVar LldpPortConfigTable[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration State", NvSyntax::integer, NvAccess::readwrite, &LldpPortConfigAdminStatusList},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", NvSyntax::integer, NvAccess::readwrite, &LldpPortConfigNotificationList},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Port Configuration Table (dialog)
const NvSNMPVar LldpDot3PortConfigTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// LLDP > LLDP-Dot1 > Configuration > Protocol Table (dialog)
static NvOptionList LldpDot1ConfigProtocolTxList, LldpDot1ConfigProtocolVlanTxList, LldpDot1ConfigVlanNameTxList;
const NvSNMPVar LldpDot1ConfigProtocolTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Protocol Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", NvSyntax::integer, NvAccess::readwrite, &LldpDot1ConfigProtocolTxList},
    {}};

// LLDP > LLDP-Dot1 > Configuration > Protocol VLAN Table (dialog)
const NvSNMPVar LldpDot1ConfigProtocolVlanTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", NvSyntax::integer, NvAccess::readwrite, &LldpDot1ConfigProtocolVlanTxList},
    {}};

// LLDP > LLDP-Dot1 > Configuration > VLAN Name Table (dialog)
const NvSNMPVar LldpDot1ConfigVlanNameTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", NvSyntax::integer, NvAccess::readwrite, &LldpDot1ConfigVlanNameTxList},
    {}};

// LLDP > LLDP System Data > System Data (dialog)
static const NvOptionPair LldpChassisIdSubtypeValues[] = {
    {1, "chassisComponent"}, {2, "interfaceAlias"}, {3, "portComponent"}, {4, "macAddress"},
    {5, "networkAddress"}, {6, "interfaceName"}, {7, "local"}, {}};
static NvOptionList LldpLocalChassisIdSubtypeList, LldpRemoteChassisIdSubtypeList, LldpRemotePortIdSubtypeList;
const NvSNMPVar LldpLocalSystemDataTable[] = {
    {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype", NvSyntax::integer, NvAccess::readonly, &LldpLocalChassisIdSubtypeList},
    {"1.0.8802.1.1.2.1.3.2", "Chassis ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.3", "System Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.4", "System Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// LLDP > Remote System Data > Remote Table (dialog)
const NvSNMPVar LldpRemoteTable[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.2", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.3", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", NvSyntax::integer, NvAccess::readonly, &LldpRemoteChassisIdSubtypeList},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", NvSyntax::integer, NvAccess::readonly, &LldpRemotePortIdSubtypeList},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Local Data Table > Link Aggregation Table (dialog)
const NvSNMPVar LldpDot3LocalLinkAggTable[] = {
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation State", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// LLDP > LLDP-Dot3 > Remote Table > Link Aggregation Table (dialog)
const NvSNMPVar LldpDot3RemoteLinkAggTable[] = {
    {" ", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {" ", "Local Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation State", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&IDSubtypeList, ValueSet::LldpPortIdSubtype},
    {&LldpLocalManagementAddressSubtypeList, LldpLocalManagementAddressSubtypeValues},
    {&LldpLocalManagementAddressIfSubtypeList, LldpLocalManagementAddressIfSubtypeValues},
    {&LldpRemoteManagementAddressSubtypeList, LldpRemoteManagementAddressSubtypeValues},
    {&LldpRemoteManagementAddressIfSubtypeList, LldpRemoteManagementAddressIfSubtypeValues},
    {&TxEnabledList, ValueSet::TruthValue},
    {&SupportedList, ValueSet::TruthValue},
    {&EnabledList, ValueSet::TruthValue},
    {&VlanSupportedList, ValueSet::TruthValue},
    {&VlanEnabledList, ValueSet::TruthValue},
    {&LldpDot3LocalPortPortAutoNegotiationSupportedList, ValueSet::TruthValue},
    {&LldpDot3LocalPortPortAutoNegotiationEnabledList, ValueSet::TruthValue},
    {&LldpDot3LocalPowerPowerPortClassList, LldpDot3LocalPowerPowerPortClassValues},
    {&LldpDot3LocalPowerPowerMdiSupportedList, ValueSet::TruthValue},
    {&LldpDot3LocalPowerPowerMdiEnabledList, ValueSet::TruthValue},
    {&LldpDot3LocalPowerPowerPairControlableList, ValueSet::TruthValue},
    {&LldpDot3RemotePortPortAutoNegotiationSupportedList, ValueSet::TruthValue},
    {&LldpDot3RemotePortPortAutoNegotiationEnabledList, ValueSet::TruthValue},
    {&LldpDot3RemotePowerPowerPortClassList, LldpDot3RemotePowerPowerPortClassValues},
    {&LldpDot3RemotePowerPowerMdiSupportedList, ValueSet::TruthValue},
    {&LldpDot3RemotePowerPowerMdiEnabledList, ValueSet::TruthValue},
    {&LldpDot3RemotePowerPowerPairControlableList, ValueSet::TruthValue},
    {&LldpPortConfigAdminStatusList, LldpPortConfigAdminStatusValues},
    {&LldpPortConfigNotificationList, ValueSet::TruthValue},
    {&LldpDot1ConfigProtocolTxList, ValueSet::TruthValue},
    {&LldpDot1ConfigProtocolVlanTxList, ValueSet::TruthValue},
    {&LldpDot1ConfigVlanNameTxList, ValueSet::TruthValue},
    {&LldpLocalChassisIdSubtypeList, LldpChassisIdSubtypeValues},
    {&LldpRemoteChassisIdSubtypeList, LldpChassisIdSubtypeValues},
    {&LldpRemotePortIdSubtypeList, ValueSet::LldpPortIdSubtype},
};

static const NvCatalogueTable Tables[] = {
    {"LldpConfigurationTable", "1.0.8802.1.1.2.1.1", LldpConfigurationTable},
    {"LldpAddressConfigurationTable", "1.0.8802.1.1.2.1.1.7.1", LldpAddressConfigurationTable},
    {"LldpStatisticsTable", "1.0.8802.1.1.2.1.2", LldpStatisticsTable},
    {"LldpTxPortTable", "1.0.8802.1.1.2.1.2.6.1", LldpTxPortTable},
    {"LldpRxPortTable", "1.0.8802.1.1.2.1.2.7.1", LldpRxPortTable},
    {"LldpLocalPortTable", "1.0.8802.1.1.2.1.3.7.1", LldpLocalPortTable},
    {"LldpLocalManagementAddressTable", "1.0.8802.1.1.2.1.3.8.1", LldpLocalManagementAddressTable},
    {"LldpRemoteManagementAddressTable", "1.0.8802.1.1.2.1.4.2.1", LldpRemoteManagementAddressTable},
    {"LldpRemoteUnknownTlvTable", "1.0.8802.1.1.2.1.4.3.1", LldpRemoteUnknownTlvTable},
    {"LldpDot1PortVlanTable", "1.0.8802.1.1.2.1.5.32962.1.1.1.1", LldpDot1PortVlanTable},
    {"LldpDot1LocalDataTable", "1.0.8802.1.1.2.1.5.32962.1.2.1.1", LldpDot1LocalDataTable},
    {"LldpDot1LocalVlanNameTable", "1.0.8802.1.1.2.1.5.32962.1.2.3.1", LldpDot1LocalVlanNameTable},
    {"LldpDot1LocalProtocolVlanTable", "1.0.8802.1.1.2.1.5.32962.1.2.2.1", LldpDot1LocalProtocolVlanTable},
    {"LldpDot1LocalProtocolTable", "1.0.8802.1.1.2.1.5.32962.1.2.4.1", LldpDot1LocalProtocolTable},
    {"LldpDot1RemoteDataTable", "1.0.8802.1.1.2.1.5.32962.1.3.1.1", LldpDot1RemoteDataTable},
    {"LldpDot1RemoteVlanNameTable", "1.0.8802.1.1.2.1.5.32962.1.3.3.1", LldpDot1RemoteVlanNameTable},
    {"LldpDot1RemoteProtocolVlanTable", "1.0.8802.1.1.2.1.5.32962.1.3.2.1", LldpDot1RemoteProtocolVlanTable},
    {"LldpDot1RemoteProtocolTable", "1.0.8802.1.1.2.1.5.32962.1.3.4.1", LldpDot1RemoteProtocolTable},
    {"LldpDot3LocalPortTable", "1.0.8802.1.1.2.1.5.4623.1.2.1.1", LldpDot3LocalPortTable},
    {"LldpDot3LocalPowerTable", "1.0.8802.1.1.2.1.5.4623.1.2.2.1", LldpDot3LocalPowerTable},
    {"LldpDot3LocalMaxFrameSizeTable", "1.0.8802.1.1.2.1.5.4623.1.2.4.1", LldpDot3LocalMaxFrameSizeTable},
    {"LldpDot3RemotePortTable", "1.0.8802.1.1.2.1.5.4623.1.3.1.1", LldpDot3RemotePortTable},
    {"LldpDot3RemotePowerTable", "1.0.8802.1.1.2.1.5.4623.1.3.2.1", LldpDot3RemotePowerTable},
    {"LldpDot3RemoteMaxFrameSizeTable", "1.0.8802.1.1.2.1.5.4623.1.3.4.1", LldpDot3RemoteMaxFrameSizeTable},
    {"LldpPortConfigTable", "1.0.8802.1.1.2.1.1.6.1", LldpPortConfigTable},
    {"LldpDot3PortConfigTable", "1.0.8802.1.1.2.1.5.4623.1.1.1.1", LldpDot3PortConfigTable},
    {"LldpDot1ConfigProtocolTable", "1.0.8802.1.1.2.1.5.32962.1.1.4.1", LldpDot1ConfigProtocolTable},
    {"LldpDot1ConfigProtocolVlanTable", "1.0.8802.1.1.2.1.5.32962.1.1.3.1", LldpDot1ConfigProtocolVlanTable},
    {"LldpDot1ConfigVlanNameTable", "1.0.8802.1.1.2.1.5.32962.1.1.2.1", LldpDot1ConfigVlanNameTable},
    {"LldpLocalSystemDataTable", "1.0.8802.1.1.2.1.3", LldpLocalSystemDataTable},
    {"LldpRemoteTable", "1.0.8802.1.1.2.1.4.1.1", LldpRemoteTable},
    {"LldpDot3LocalLinkAggTable", "1.0.8802.1.1.2.1.5.4623.1.2.3.1", LldpDot3LocalLinkAggTable},
    {"LldpDot3RemoteLinkAggTable", "1.0.8802.1.1.2.1.5.4623.1.3.3.1", LldpDot3RemoteLinkAggTable},
};

NvCatalogueModule Oid_lldp = {"Oid_lldp", Tables, Lists};
