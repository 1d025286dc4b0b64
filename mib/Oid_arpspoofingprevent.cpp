#include "Oid_arpspoofingprevent.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Layer 2 > ARP Spoofing Prevent
static NvOptionList ArpSpoofingPreventRowStatusList;
const NvSNMPVar ArpSpoofingPreventTable[] = {
    {"1.3.6.1.4.1.32473.12.62.3.1.1.1", "Gateway IP", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.2", "MAC", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.3", "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.4", "Row Status", NvSyntax::integer, NvAccess::readwrite,
     &ArpSpoofingPreventRowStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&ArpSpoofingPreventRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"ArpSpoofingPreventTable", "1.3.6.1.4.1.32473.12.62.3.1.1", ArpSpoofingPreventTable},
};

NvCatalogueModule Oid_arpspoofingprevent = {"Oid_arpspoofingprevent", Tables, Lists};
