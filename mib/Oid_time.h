// Data module Oid_time: 1.3.6.1.4.1.32473.12.10 time capacity, clock, summer time, network time.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

class NvOptionList;
extern NvOptionList OptClockResetOnReboot;

extern const NvSNMPVar SystemTimeTable[];  // Time Management > System Time

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_time;
