// Data module Oid_lacp: 1.3.6.1.4.1.32473.12.4 link aggregation.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar LacpAggregatorTable[];  // 802.3 ad > Aggregator Table
extern const NvSNMPVar LacpAggregatorPortListTable[];  // 802.3 ad > Aggregator Port List
extern const NvSNMPVar LacpAggregatorPortTable[];  // 802.3 ad > Aggregator Port Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_lacp;
