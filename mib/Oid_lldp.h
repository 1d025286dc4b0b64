// Data module Oid_lldp: 1.0.8802.1.1.2 LLDP with its 802.1 and 802.3 extensions.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar LldpConfigurationTable[];  // LLDP > Configuration > Configuration Information
extern const NvSNMPVar LldpAddressConfigurationTable[];  // LLDP > Configuration > Address Configuration
extern const NvSNMPVar LldpStatisticsTable[];  // LLDP > LLDP Statistics > Statistics Information
extern const NvSNMPVar LldpTxPortTable[];  // LLDP > LLDP Statistics > TX Port Table
extern const NvSNMPVar LldpRxPortTable[];  // LLDP > LLDP Statistics > RX Port Table
extern const NvSNMPVar LldpLocalPortTable[];  // LLDP > LLDP System Data > Port Table
extern const NvSNMPVar LldpLocalManagementAddressTable[];  // LLDP > LLDP System Data > Management Address Table
extern const NvSNMPVar LldpRemoteManagementAddressTable[];  // LLDP > Remote System Data > Management Address Table
extern const NvSNMPVar LldpRemoteUnknownTlvTable[];  // LLDP > Remote System Data > Unknown TLV Table
extern const NvSNMPVar LldpDot1PortVlanTable[];  // LLDP > LLDP-Dot1 > Configuration > Port VLAN Table
extern const NvSNMPVar LldpDot1LocalDataTable[];  // LLDP > LLDP-Dot1 > Local Data > Local Data Table
extern const NvSNMPVar LldpDot1LocalVlanNameTable[];  // LLDP > LLDP-Dot1 > Local Data > VLAN Name Table
extern const NvSNMPVar LldpDot1LocalProtocolVlanTable[];  // LLDP > LLDP-Dot1 > Local Data > Protocol VLAN Table
extern const NvSNMPVar LldpDot1LocalProtocolTable[];  // LLDP > LLDP-Dot1 > Local Data > Protocol Table
extern const NvSNMPVar LldpDot1RemoteDataTable[];  // LLDP > LLDP-Dot1 > Remote Data > Remote Data Table
extern const NvSNMPVar LldpDot1RemoteVlanNameTable[];  // LLDP > LLDP-Dot1 > Remote Data > VLAN Name Table
extern const NvSNMPVar LldpDot1RemoteProtocolVlanTable[];  // LLDP > LLDP-Dot1 > Remote Data > Protocol VLAN Table
extern const NvSNMPVar LldpDot1RemoteProtocolTable[];  // LLDP > LLDP-Dot1 > Remote Data > Protocol Table
extern const NvSNMPVar LldpDot3LocalPortTable[];  // LLDP > LLDP-Dot3 > Local Data Table > Port Table
extern const NvSNMPVar LldpDot3LocalPowerTable[];  // LLDP > LLDP-Dot3 > Local Data Table > Power Table
extern const NvSNMPVar LldpDot3LocalMaxFrameSizeTable[];  // LLDP > LLDP-Dot3 > Local Data Table > Max Frame Size Table
extern const NvSNMPVar LldpDot3RemotePortTable[];  // LLDP > LLDP-Dot3 > Remote Table > Port Table
extern const NvSNMPVar LldpDot3RemotePowerTable[];  // LLDP > LLDP-Dot3 > Remote Table > Power Table
extern const NvSNMPVar LldpDot3RemoteMaxFrameSizeTable[];  // LLDP > LLDP-Dot3 > Remote Table > Max Frame Size Table

extern const NvSNMPVar LldpPortConfigTable[];  // LLDP > Configuration > Port Configuration (dialog)
extern const NvSNMPVar LldpDot3PortConfigTable[];  // LLDP > LLDP-Dot3 > Port Configuration Table (dialog)
extern const NvSNMPVar LldpDot1ConfigProtocolTable[];  // LLDP > LLDP-Dot1 > Configuration > Protocol Table (dialog)
extern const NvSNMPVar LldpDot1ConfigProtocolVlanTable[];  // ... > Protocol VLAN Table (dialog)
extern const NvSNMPVar LldpDot1ConfigVlanNameTable[];  // ... > VLAN Name Table (dialog)
extern const NvSNMPVar LldpLocalSystemDataTable[];  // LLDP > LLDP System Data > System Data (dialog)
extern const NvSNMPVar LldpRemoteTable[];  // LLDP > Remote System Data > Remote Table (dialog)
extern const NvSNMPVar LldpDot3LocalLinkAggTable[];  // LLDP > LLDP-Dot3 > Local Data Table > Link Aggregation Table (dialog)
extern const NvSNMPVar LldpDot3RemoteLinkAggTable[];  // LLDP > LLDP-Dot3 > Remote Table > Link Aggregation Table (dialog)

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_lldp;
