// Data module Oid_equipment: 1.3.6.1.4.1.32473.12.11 power units and external alarm channels.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar PowerTable[];  // Equipment Management > Power Table
extern const NvSNMPVar ExternalAlarmTable[];  // Equipment Management > External Alarm Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_equipment;
