// Data module Oid_ssl: 1.3.6.1.4.1.32473.12.7 SSL.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SslManagementTable[];  // Security > SSL > SSL Management
extern const NvSNMPVar SslCertificateFileTable[];  // Security > SSL > SSL Certificate File

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_ssl;
