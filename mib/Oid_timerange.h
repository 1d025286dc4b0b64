// Data module Oid_timerange: 1.3.6.1.4.1.32473.12.50 time range.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar TimeRangeTable[];  // Time Range > Time Range Management
extern const NvSNMPVar TimeRangeAclTable[];  // Time Range > ACL Table
extern const NvSNMPVar TimeRangeCpuAclTable[];  // Time Range > CPU ACL Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_timerange;
