#include "Oid_timerange.h"

// Time Range > ACL Table
const NvSNMPVar TimeRangeAclTable[] = {
    {"1.3.6.1.4.1.32473.12.50.3.2.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.3", "Time Range Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Time Range > CPU ACL Table
const NvSNMPVar TimeRangeCpuAclTable[] = {
    {"1.3.6.1.4.1.32473.12.50.3.3.1.1", "Profile ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.2", "Access ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.3", "Time Range Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

static const NvCatalogueTable Tables[] = {
    {"TimeRangeAclTable", "1.3.6.1.4.1.32473.12.50.3.2.1", TimeRangeAclTable},
    {"TimeRangeCpuAclTable", "1.3.6.1.4.1.32473.12.50.3.3.1", TimeRangeCpuAclTable},
};

NvCatalogueModule Oid_timerange = {"Oid_timerange", Tables, {}};
