// Data module Oid_arpspoofingprevent: 1.3.6.1.4.1.32473.12.62 ARP spoofing prevention.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar ArpSpoofingPreventTable[];  // Layer 2 > ARP Spoofing Prevent

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_arpspoofingprevent;
