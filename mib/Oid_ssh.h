// Data module Oid_ssh: 1.3.6.1.4.1.32473.12.6 SSH.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SshManagementTable[];  // Security > SSH > SSH Management
extern const NvSNMPVar SshAlgorithmControlTable[];  // Security > SSH > Algorithm Control
extern const NvSNMPVar SshAuthenticationMethodTable[];  // Security > SSH > Authentication Method
extern const NvSNMPVar SshUserControlTable[];  // Security > SSH > User Control Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_ssh;
