// Data module Oid_aaa: 1.3.6.1.4.1.32473.12.5 access authentication control;
// 1.3.6.1.4.1.32473.12.3.8 authenticated ports.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar AuthenticatedPortTable[];  // RADIUS Management > Authenticated Port Table
extern const NvSNMPVar AacGlobalSettingsTable[];  // AAC > Global Settings
extern const NvSNMPVar AacInformationTable[];  // AAC > AAC Information
extern const NvSNMPVar AacApplicationMethodTable[];  // AAC > APP Authtication Method Group
extern const NvSNMPVar AacServerGroupTable[];  // AAC > Server Group
extern const NvSNMPVar AacServerHostTable[];  // AAC > Server Information
extern const NvSNMPVar AacLoginMethodListTable[];  // AAC > Login Method Control
extern const NvSNMPVar AacEnableMethodListTable[];  // AAC > Enable Method Control
extern const NvSNMPVar AacServerControlTable[];  // AAC > Server Control

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_aaa;
