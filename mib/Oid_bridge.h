// Data module Oid_bridge: 1.3.6.1.2.1.17.1 bridge information and port table, 1.3.6.1.2.1.17.6
// device capabilities.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar Dot1dInformationTable[];  // 802.1D > Information
extern const NvSNMPVar Dot1dPortTable[];  // 802.1D > Port Table
extern const NvSNMPVar Dot1pBasicConfigureTable[];  // 802.1p > Basic Configure
extern const NvSNMPVar PortCapabilitiesTable[];  // 802.1D port capabilities dialog

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_bridge;
