// Data module Oid_ssl: 1.3.6.1.4.1.32473.12.7 SSL.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

// The module; its tables come with the dialogs that use them.
extern NvCatalogueModule Oid_ssl;
