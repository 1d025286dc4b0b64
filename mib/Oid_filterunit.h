// Data module Oid_filterunit: 1.3.6.1.4.1.32473.12.37 DHCP server screening.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar DhcpScreeningGlobalSettingsTable[];  // Security > DHCP Server Screening > Global Settings
extern const NvSNMPVar DhcpScreeningPortTable[];  // Security > DHCP Server Screening > Port Settings
extern const NvSNMPVar DhcpScreeningPermitTable[];  // Security > DHCP Server Screening > DHCP Offer Permit Entry Settings

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_filterunit;
