// Data module Oid_mld: 1.3.6.1.4.1.32473.12.34 MLD snooping; one 1.3.6.1.4.1.32473.12.73 IGMP
// snooping table.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar MldSnoopingGlobalSettingsTable[];  // MLD Snooping > Global Settings
extern const NvSNMPVar MldSnoopingControlTable[];  // MLD Snooping > Control Table
extern const NvSNMPVar MldCounterTotalRxQueryTable[];  // MLD Snooping > Counter Total Rx Query Table
extern const NvSNMPVar MldRouterPortTable[];  // MLD Snooping > Router Ports
extern const NvSNMPVar MldSnoopingGroupTable[];  // MLD Snooping > Group Information

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_mld;
