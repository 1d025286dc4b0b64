// Data module Oid_ifmib: 1.3.6.1.2.1.31.1.1 interface extension table, indexed by the
// 1.3.6.1.2.1.2.2 interface index.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar IfXTable[];  // IF-MIB > IfX Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_ifmib;
