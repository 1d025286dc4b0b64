#include "Oid_timerange.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Time Range > Time Range Management
static NvOptionList TimeRangeRowStatusList;
const NvSNMPVar TimeRangeTable[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Week Days", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Start Time", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "End Time", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Row Status", NvSyntax::integer, NvAccess::readwrite, &TimeRangeRowStatusList},
    {}};

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

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&TimeRangeRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"TimeRangeTable", "1.3.6.1.4.1.32473.12.50.3.1.1", TimeRangeTable},
    {"TimeRangeAclTable", "1.3.6.1.4.1.32473.12.50.3.2.1", TimeRangeAclTable},
    {"TimeRangeCpuAclTable", "1.3.6.1.4.1.32473.12.50.3.3.1", TimeRangeCpuAclTable},
};

NvCatalogueModule Oid_timerange = {"Oid_timerange", Tables, Lists};
