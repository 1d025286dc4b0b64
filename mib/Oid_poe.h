// Data module Oid_poe: 1.3.6.1.4.1.32473.12.24 power over Ethernet.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar PoESystemControlTable[];  // PoE > PoE System Control
extern const NvSNMPVar PoESystemInformationTable[];  // PoE > PoE System information
extern const NvSNMPVar PoEPortControlTable[];  // PoE > PoE Port Control
extern const NvSNMPVar PoEPortInformationTable[];  // PoE > PoE Port information

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_poe;
