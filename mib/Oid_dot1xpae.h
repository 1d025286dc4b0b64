// Data module Oid_dot1xpae: 1.0.8802.1.1.1 IEEE 802.1X PAE.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar Dot1xConfigurationTable[];  // 802.1X > Configuration
extern const NvSNMPVar Dot1xPortTable[];  // 802.1X > Port Table
extern const NvSNMPVar Dot1xPortConfigurationTable[];  // 802.1X > Port Configuration
extern const NvSNMPVar Dot1xPortStatisticsTable[];  // 802.1X > Port Statistics
extern const NvSNMPVar Dot1xPortDiagnosticsTable[];  // 802.1X > Port Diagnostics
extern const NvSNMPVar Dot1xPortSessionStatisticsTable[];  // 802.1X > Port Session Statistics

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_dot1xpae;
