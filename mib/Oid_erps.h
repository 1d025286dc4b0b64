// Data module Oid_erps: 1.3.6.1.4.1.32473.12.78 ERPS, 1.3.6.1.4.1.32473.12.77 NLB forwarding,
// 1.3.6.1.4.1.32473.12.79 PPPoE circuit ID insertion, 1.3.6.1.4.1.32473.12.61.3.9 CoS bandwidth
// control.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar ErpsGlobalSettingsTable[];  // ERPS > Global Settings
extern const NvSNMPVar PppoeGlobalTable[];  // PPPoE Circuit ID Insertion
extern const NvSNMPVar PppoePortTable[];  // PPPoE Circuit ID Insertion
extern const NvSNMPVar ErpsRingTable[];  // ERPS > VLAN Table

extern const NvSNMPVar CosBandwidthTable[];  // QoS > CoS Bandwidth Control Table (dialog)
extern const NvSNMPVar NlbMulticastFdbTable[];  // NLB multicast FDB dialog
extern const NvSNMPVar NlbUnicastFdbTable[];  // NLB unicast FDB dialog

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_erps;
