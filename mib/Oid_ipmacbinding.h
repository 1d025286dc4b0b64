// Data module Oid_ipmacbinding: 1.3.6.1.4.1.32473.12.23 IP-MAC binding and DHCP snooping,
// 1.3.6.1.4.1.32473.12.30 guest VLAN, 1.3.6.1.4.1.32473.12.19 safeguard engine.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SafeguardGlobalTable[];  // Security > Safeguard_Engine > Global Management
extern const NvSNMPVar SafeguardControlTable[];  // Security > Safeguard_Engine > Safeguard Control
extern const NvSNMPVar IpMacBindingGlobalSettingsTable[];  // Security > IP-MAC Binding > Global Settings
extern const NvSNMPVar IpMacBindingPortStateTable[];  // Security > IP-MAC Binding > Port State Control
extern const NvSNMPVar IpMacBindingTable[];  // Security > IP-MAC Binding > Binding Table
extern const NvSNMPVar IpMacBindingDhcpSnoopTable[];  // Security > IP-MAC Binding > DHCP Snoop Table
extern const NvSNMPVar IpMacBindingBlockedTable[];  // Security > IP-MAC Binding > Blocked Table
extern const NvSNMPVar GuestVlanSettingTable[];  // guest VLAN dialog: name and ports
extern const NvSNMPVar GuestVlanCurrentNameTable[];  // guest VLAN dialog: the name currently set
extern const NvSNMPVar GuestVlanDeleteTable[];  // guest VLAN dialog: the delete action

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_ipmacbinding;
