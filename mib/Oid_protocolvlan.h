// Data module Oid_protocolvlan: 1.3.6.1.2.1.17.7.1.5 protocol VLAN, 1.3.6.1.4.1.32473.12.16.1.2
// protocol group priority, 1.3.6.1.4.1.32473.12.56 MAC-based VLAN.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

class NvOptionList;
extern NvOptionList OptGroupPriority;

extern const NvSNMPVar ProtocolGroupTable[];  // Protocol VLAN > Group Table
extern const NvSNMPVar ProtocolPortGroupPriorityTable[];  // Protocol VLAN > Protocol Port Group Priority
extern const NvSNMPVar MacBasedVlanTable[];  // MAC-based VLAN
extern const NvSNMPVar ProtocolPortTable[];  // 802.1v protocol port dialog

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_protocolvlan;
