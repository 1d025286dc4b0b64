#include "Oid_ssl.h"

NvCatalogueModule Oid_ssl = {"Oid_ssl", {}, {}};
