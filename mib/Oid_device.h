// Data module Oid_device: private 1.3.6.1.4.1.32473.11.113.1.3: device information and front-
// panel LED status, system control, ports, port security, QoS and scheduling, trunking,
// mirroring, VLAN advertisement and multiple VLAN management, IGMP snooping, loopback detection,
// multicast filtering, DHCP local relay, CoS priority tables, RMON state, IP and IPv6 interface
// control; 1.3.6.1.4.1.32473.12.25 packet storm, 1.3.6.1.4.1.32473.12.26 IPv6 routes and
// neighbour cache, 1.3.6.1.4.1.32473.12.35 MAC-based access control, 1.3.6.1.4.1.32473.12.42
// DHCP relay, 1.3.6.1.4.1.32473.12.59 DoS prevention, 1.3.6.1.4.1.32473.12.60 BPDU tunnel,
// 1.3.6.1.4.1.32473.12.73 IGMP snooping, 1.3.6.1.4.1.32473.12.76 BPDU protection;
// 1.3.6.1.2.1.4.35 IP net-to-physical table; 1.3.6.1.2.1.16.19.3 probe hardware revision.
#pragma once

#include "Catalogue.h"
#include "NvSNMPLedColorMap.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar AlarmLinkSettingsTable[];  // Device Management > Alarm Link Settings
extern const NvSNMPVar RmonStateTable[];  // RMON menu opening, RMON > RMON Control
extern const NvSNMPVar ProbeHardwareRevTable[];  // main window: hardware revision
extern const NvSNMPVar FrontPanelLedStatusTable[];  // front panel: LED status
extern const NvSNMPVar PvidAutoAssignmentTable[];  // PVID Auto Assignment
extern const NvSNMPVar VlanAdvertisementTable[];  // VLAN Advertisement Table
extern const NvSNMPVar VlanMultiplyManagementTable[];  // VLAN Multiply Management
extern const NvSNMPVar Layer2DeviceGlobalSettingsTable[];  // Layer 2 Device Global Settings
extern const NvSNMPVar MulticastFilterTable[];  // Multicast Filter > Multicast Filter Table
extern const NvSNMPVar MulticastFilterPortInformationTable[];  // Multicast Filter > Port Information Table
extern const NvSNMPVar MulticastFilterPortTable[];  // Multicast Filter > Port Table
extern const NvSNMPVar MulticastFilterMaxGroupTable[];  // Multicast Filter > Port Max Group Table
extern const NvSNMPVar PortInformationTable[];  // Port Management > Port Information Table
extern const NvSNMPVar PortControlTable[];  // Port Management > Port Control Table
extern const NvSNMPVar ErrorPortTable[];  // Port Management > Error Port Table
extern const NvSNMPVar JumboFrameSettingsTable[];  // Port Management > Jumbo Frame Settings
extern const NvSNMPVar PortSecurityTrapLogStateTable[];  // Port Management > Port Security Table > Port Security Trap Log State
extern const NvSNMPVar PortSecurityControlTable[];  // Port Management > Port Security Table > Port Security Control
extern const NvSNMPVar TrunkBasicInformationTable[];  // Port Management > Trunk Basic Information
extern const NvSNMPVar TrunkLacpPortTable[];  // Port Management > Trunk LACP Port Table
extern const NvSNMPVar TrunkVlanTable[];  // Port Management > Trunk VLAN Table
extern const NvSNMPVar PortTrunkTable[];  // Port Management > Port Trunk Table
extern const NvSNMPVar PortMirrorTable[];  // Port Management > Port Mirror Table
extern const NvSNMPVar PortSecurityDeleteTable[];  // Port Management > Port Security Table > Port Security Delete Table
extern const NvSNMPVar QosSchedulingMechanismTable[];  // QoS > QoS Scheduling Mechanism Control
extern const NvSNMPVar QosBandwidthControlTable[];  // QoS > Bandwidth Control Table
extern const NvSNMPVar QosSchedulingTable[];  // QoS > Scheduling Table
extern const NvSNMPVar Dot1pUserPriorityTable[];  // QoS > 802.1p User Priority Table
extern const NvSNMPVar Dot1pDefaultPriorityTable[];  // QoS > 802.1p Default Priority Table
extern const NvSNMPVar IgmpSnoopingGlobalSettingsTable[];  // IGMP Snooping > Global Settings
extern const NvSNMPVar GeneralInformationTable[];  // IGMP Snooping > General Information
extern const NvSNMPVar IgmpSnoopingControlTable[];  // IGMP Snooping > Control Table
extern const NvSNMPVar IgmpQueryInformationTable[];  // IGMP Snooping > Query Information
extern const NvSNMPVar IgmpInformationTable[];  // IGMP Snooping > IGMP Information  (hidden)
extern const NvSNMPVar IgmpHostTable[];  // IGMP Snooping > Host Table
extern const NvSNMPVar IgmpAccessAuthenticationTable[];  // IGMP Snooping > Access Authentication Table
extern const NvSNMPVar Igmpv3Table[];  // IGMP Snooping > IGMPv3 Table (hidden)
extern const NvSNMPVar IgmpDynamicMulticastMaxEntryTable[];  // IGMP Snooping > Dynamic IP Multicast Max Entry
extern const NvSNMPVar IgmpRouterPortTable[];  // IGMP Snooping > Router Ports
extern const NvSNMPVar IsmVlanTable[];  // IGMP Snooping > Multicast VLAN Table
extern const NvSNMPVar IgmpMulticastVlanGroupTable[];  // IGMP Snooping > Multicast VLAN Group
extern const NvSNMPVar IgmpSnoopingGroupTable[];  // IGMP Snooping > Group Table
extern const NvSNMPVar IgmpDataDrivenGroupTable[];  // IGMP Snooping > Data Driven Learning Group
extern const NvSNMPVar IgmpClearDynamicMulticastTable[];  // IGMP Snooping > Clear Dynamic IP Multicast
extern const NvSNMPVar CosPriorityTable[];  // CoS Management > Priority Table
extern const NvSNMPVar CosPortPriTable[];  // CoS Management > Port PRI Table (hidden)
extern const NvSNMPVar CosMacBasePriTable[];  // CoS Management > MAC_Base PRI Table (hidden)
extern const NvSNMPVar CosTosPriTable[];  // CoS Management > ToS PRI Table
extern const NvSNMPVar CosDscpPriTable[];  // CoS Management > DSCP PRI Table
extern const NvSNMPVar PacketStormGlobalSettingsTable[];  // Packet Storm > Global Settings
extern const NvSNMPVar PacketStormControlTable[];  // Packet Storm > Control Table
extern const NvSNMPVar DosGlobalSettingsTable[];  // Security > DoS Prevention > Global Settings
extern const NvSNMPVar DosControlTable[];  // Security > DoS Prevention > Control Table
extern const NvSNMPVar MbaInformationTable[];  // Security > MBA Management > Information
extern const NvSNMPVar MbaGlobalTable[];  // MBA global settings dialog: state, method, password, clear all
extern const NvSNMPVar MbaGuestVlanTable[];  // MBA global settings dialog: guest VLAN name and ports
extern const NvSNMPVar MbaNameDeleteTable[];  // MBA global settings dialog: the name delete action
extern const NvSNMPVar MbaCurrentNameTable[];  // MBA global settings dialog: the name the switch holds
extern const NvSNMPVar MbaPortInformationTable[];  // Security > MBA Management > Port Information Table
extern const NvSNMPVar MbaPortTable[];  // Security > MBA Management > Port Table
extern const NvSNMPVar MbaDatabaseTable[];  // Security > MBA Management > DataBase Table
extern const NvSNMPVar LoopDetectControlTable[];  // Loopback Detection > Loop Detect Control
extern const NvSNMPVar LoopDetectPortTable[];  // Loopback Detection > Loop Detect Port Table
extern const NvSNMPVar BpduTunnelGlobalSettingsTable[];  // BPDU Tunnel > Global Settings
extern const NvSNMPVar BpduTunnelInformationTable[];  // BPDU Tunnel > Information
extern const NvSNMPVar BpduTunnelPortTable[];  // BPDU Tunnel > Tunnel Table
extern const NvSNMPVar BpduProtectionGlobalSettingsTable[];  // BPDU Protection > Global Settings
extern const NvSNMPVar BpduProtectionPortTable[];  // BPDU Protection > Port Table
extern const NvSNMPVar IpControlTable[];  // Layer 3 > IP Managment > IP Control Table
extern const NvSNMPVar IPv6ControlTable[];  // Layer 3 > IP Managment > IPv6 Control Table
extern const NvSNMPVar IPv6AddressControlTable[];  // Layer 3 > IP Managment > IPv6 Address Control Table
extern const NvSNMPVar AllIpInterfaceStateTable[];  // Layer 3 > IP Managment > All IP Interface State Settings
extern const NvSNMPVar NeighborCacheDeleteTable[];  // Layer 3 > IPv6 Management > Neighbor Cache Delete Settings
extern const NvSNMPVar NeighborCacheTable[];  // Layer 3 > IPv6 Management > Neighbor Cache Table
extern const NvSNMPVar Ipv6StaticRouteTable[];  // Layer 3 > IPv6 Management > IPv6 Static Route Table
extern const NvSNMPVar DhcpRelayManagementTable[];  // Layer 3 > DHCP Relay > DHCP Relay Management
extern const NvSNMPVar DhcpRelayControlTable[];  // Layer 3 > DHCP Relay > DHCP Relay Control
extern const NvSNMPVar IpNetToPhysicalTable[];  // Basic Configuration > MIB II > ARP Table
extern const NvSNMPVar DhcpLocalRelayStateTable[];  // Layer 3 > DHCP Relay > DHCP Local Relay State
extern const NvSNMPVar DhcpLocalRelayVlanTable[];  // Layer 3 > DHCP Relay > DHCP Local Relay VLAN Table
extern const NvSNMPVar TrafficSegmentationTable[];  // traffic segmentation dialog

// The front panels' LED colour maps: built by the module's start-up, null before and after.
extern NvSNMPLedColorMapList* LedMapSystem;
extern NvSNMPLedColorMapList* LedMapPortA1;
extern NvSNMPLedColorMapList* LedMapComboPortA1;
extern NvSNMPLedColorMapList* LedMapPortB1;
extern NvSNMPLedColorMapList* LedMapComboPortB1;

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_device;
