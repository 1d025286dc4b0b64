// Data module Oid_ping: 1.3.6.1.2.1.80 ping, 1.3.6.1.2.1.81 traceroute.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar PingMaxRequestsTable[];  // Ping > Max Concurrent Requests
extern const NvSNMPVar PingControlTable[];  // Ping > Control Table
extern const NvSNMPVar PingResultsTable[];  // Ping > Results Table
extern const NvSNMPVar PingProbeHistoryTable[];  // Ping > Probe History Table
extern const NvSNMPVar TraceRouteMaxRequestsTable[];  // Trace Route > Max Concurrent Requests
extern const NvSNMPVar TraceRouteControlTable[];  // Trace Route > Control Table
extern const NvSNMPVar TraceRouteResultTable[];  // Trace Route > Result Table
extern const NvSNMPVar TraceRouteProbeHistoryTable[];  // Trace Route > Probe History Table
extern const NvSNMPVar TraceRouteHopsTable[];  // Trace Route > Hops Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_ping;
