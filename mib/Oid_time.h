// Data module Oid_time: 1.3.6.1.4.1.32473.12.10 time capacity, clock, summer time, network time.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

class NvOptionList;
extern NvOptionList OptClockResetOnReboot;

extern const NvSNMPVar SystemTimeTable[];        // Time Management > System Time
extern const NvSNMPVar CurrentTimeTable[];       // Time Management > Current Time
extern const NvSNMPVar NetworkTimeTable[];       // Time Management > Network Time
extern const NvSNMPVar SummerTimeStatusTable[];  // Summer Time: mode and offset
extern const NvSNMPVar SummerTimeRepeatTable[];  // Summer Time: repeating start and end
extern const NvSNMPVar SummerTimeAnnualTable[];  // Summer Time: annual start and end

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_time;
