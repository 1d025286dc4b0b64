// Data module Oid_mstp: 1.3.6.1.4.1.32473.12.15 spanning tree and MSTP.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar MstConfigurationIdTable[];  // Spanning Tree > Configuration Identification
extern const NvSNMPVar MstPortStateTable[];  // Spanning Tree > Port State Information
extern const NvSNMPVar MstPortMstpTable[];  // Spanning Tree > Port MSTP Information
extern const NvSNMPVar StpStateTable[];  // Bridge > Spanning Tree Algorithm
extern const NvSNMPVar StpParametersTable[];  // Spanning Tree > STP Control
extern const NvSNMPVar StpParametersNoHelloTable[];  // Spanning Tree > STP Control, MSTP
extern const NvSNMPVar MstpInstanceTable[];  // Spanning Tree > MSTP Instance Control

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_mstp;
