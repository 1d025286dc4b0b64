// Data module Oid_singleip: 1.3.6.1.4.1.32473.12.8 single IP management.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SingleIpGlobalSettingsTable[];  // Single IP > Global Settings
extern const NvSNMPVar SingleIpInformationTable[];  // Single IP > Information
extern const NvSNMPVar SingleIpCandidateTable[];  // Single IP > Candidate Switch
extern const NvSNMPVar SingleIpGroupTable[];  // Single IP > Group Information
extern const NvSNMPVar SingleIpNeighborTable[];  // Single IP > Neighbor Switch
extern const NvSNMPVar SingleIpMemberTable[];  // Single IP > Member Switch
extern const NvSNMPVar SingleIpMemberEditTable[];  // Single IP > Member Switch: the add pop-up

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_singleip;
