// Data module Oid_etherlike: 1.3.6.1.2.1.10.7 EtherLike statistics, collisions, control and
// pause.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar Dot3CollisionsTable[];  // EtherLike-MIB > Dot3 Collisions

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_etherlike;
