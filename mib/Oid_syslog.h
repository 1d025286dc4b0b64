// Data module Oid_syslog: 1.3.6.1.4.1.32473.12.12 system log state and servers.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SyslogGlobalSettingsTable[];  // System Log Management > Global Settings
extern const NvSNMPVar SyslogServerTable[];  // System Log Management > Host Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_syslog;
