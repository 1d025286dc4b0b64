// Data module Oid_radius: 1.3.6.1.4.1.32473.12.3 authentication protocol, RADIUS servers,
// accounting, MAC-based authentication, RADIUS command; 1.3.6.1.2.1.67.2 RADIUS accounting
// client.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar AuthenticationModeSettingsTable[];  // Authentication Mode Settings
extern const NvSNMPVar MacAuthStateTable[];  // 802.1X > MAC_Based Authentication > State Table
extern const NvSNMPVar MacAuthDiagnosticsTable[];  // 802.1X > MAC_Based Authentication > Diagnostics Information
extern const NvSNMPVar MacAuthEapolStatisticsTable[];  // 802.1X > MAC_Based Authentication > EAP Over Land  Frames Statistic Table
extern const NvSNMPVar MacAuthSessionTable[];  // 802.1X > MAC_Based Authentication > Session Information
extern const NvSNMPVar RadiusControlTable[];  // RADIUS Management > RADIUS Control
extern const NvSNMPVar RadiusCommandTable[];  // RADIUS Management > RADIUS Command
extern const NvSNMPVar RadiusServerTable[];  // RADIUS Management > RADIUS Server Table
extern const NvSNMPVar RadiusAuthenticationInformationTable[];  // RADIUS Management > Authentication Information
extern const NvSNMPVar RadiusAuthenticationTable[];  // RADIUS Management > Authentication Table
extern const NvSNMPVar RadiusAccountingInformationTable[];  // RADIUS Management > Accounting Management > Basic Information
extern const NvSNMPVar RadiusAccountingServerTable[];  // RADIUS Management > Accounting Management > Server Table
extern const NvSNMPVar RadiusAccountingServiceTable[];  // RADIUS Management > Accounting Management > Service Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_radius;
