#include "Oid_arpspoofingprevent.h"

NvCatalogueModule Oid_arpspoofingprevent = {"Oid_arpspoofingprevent", {}, {}};
