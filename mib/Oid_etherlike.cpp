#include "Oid_etherlike.h"

// EtherLike-MIB > Dot3 Collisions
const NvSNMPVar Dot3CollisionsTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.2", "Collisions Count", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.3", "Collisions Frequencies", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

static const NvCatalogueTable Tables[] = {
    {"Dot3CollisionsTable", "1.3.6.1.2.1.10.7.5.1", Dot3CollisionsTable},
};

NvCatalogueModule Oid_etherlike = {"Oid_etherlike", Tables, {}};
