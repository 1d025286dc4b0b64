// Data module Oid_arpspoofingprevent: 1.3.6.1.4.1.32473.12.62 ARP spoofing prevention.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

// The module; its tables come with the dialogs that use them.
extern NvCatalogueModule Oid_arpspoofingprevent;
