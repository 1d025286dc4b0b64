// Data module Oid_rmonprobe: 1.3.6.1.2.1.16.19 probe configuration.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar ProbeBasicInformationTable[];  // Probe Config > Probe Basic Information
extern const NvSNMPVar NetConfigurationTable[];  // Probe Config > Net Configuration
extern const NvSNMPVar NetDefaultGatewayTable[];  // Probe Config > Net Default Gateway

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_rmonprobe;
