// Data module Oid_qbridge: 1.3.6.1.2.1.17.6 priorities, 1.3.6.1.2.1.17.7 VLANs and forwarding
// database, 1.3.6.1.4.1.32473.12.57 Q-in-Q.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar DefaultUserPrioritiesOfEachPortTable[];  // Priority Information > Default User Priorities of Each Port
extern const NvSNMPVar RegeneratedUserPrioritiesTable[];  // Priority Information > Regenerated User Priorities
extern const NvSNMPVar UserPrioritiesToTrafficClassTable[];  // Priority Information > User Priorities To Traffic Class
extern const NvSNMPVar PortOutboundAccessPrioritiesTable[];  // Priority Information > Port Outbound Access Priorities
extern const NvSNMPVar Dot1QBridgeBasicConfigureTable[];  // 802.1Q Bridge > Basic Configure
extern const NvSNMPVar UnicastForwardingInformationTable[];  // Forwarding/Filtering > Unicast Forwarding Information
extern const NvSNMPVar FilteringDatabaseTable[];  // Forwarding/Filtering > Filtering Database
extern const NvSNMPVar QinQGlobalStateTable[];  // Q-in-Q > Global State Settings
extern const NvSNMPVar QinQPortTable[];  // Q-in-Q > Port Table
extern const NvSNMPVar VlanTranslationCvidTable[];  // Q-in-Q > VLAN Translation CVID Table
extern const NvSNMPVar VlanStaticTable[];  // static VLAN dialog: dot1qVlanStaticTable
extern const NvSNMPVar NextFreeLocalVlanIndexTable[];  // static VLAN dialog: dot1qNextFreeLocalVlanIndex
extern const NvSNMPVar QBridgeVlanScalarsTable[];  // current VLAN dialog: the Q-BRIDGE VLAN scalars
extern const NvSNMPVar VlanCurrentTable[];  // current VLAN dialog: dot1qVlanCurrentTable
extern const NvSNMPVar PortVlanTable[];  // port VLAN dialog: dot1qPortVlanTable
extern const NvSNMPVar StaticMulticastTable[];  // static filtering dialogs: dot1qStaticMulticastTable
extern const NvSNMPVar StaticUnicastTable[];  // static filtering dialogs: dot1qStaticUnicastTable

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_qbridge;
