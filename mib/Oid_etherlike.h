// Data module Oid_etherlike: 1.3.6.1.2.1.10.7 EtherLike statistics, collisions, control and
// pause.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar Dot3CollisionsTable[];  // EtherLike-MIB > Dot3 Collisions
extern const NvSNMPVar Dot3PausePortTable[];  // EtherLike-MIB > Dot3 Pause Table (dialog)
extern const NvSNMPVar Dot3PauseCounterTable[];  // EtherLike-MIB > Dot3 Pause Table, one port's counters
extern const NvSNMPVar Dot3ControlPortTable[];  // EtherLike-MIB > Dot3 Control Table (dialog)
extern const NvSNMPVar Dot3ControlCounterTable[];  // EtherLike-MIB > Dot3 Control Table, one port's counter

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_etherlike;
