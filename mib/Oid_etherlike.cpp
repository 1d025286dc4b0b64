#include "Oid_etherlike.h"

#include "NvOptionList.h"

// EtherLike-MIB > Dot3 Collisions
const NvSNMPVar Dot3CollisionsTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.2", "Collisions Count", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.3", "Collisions Frequencies", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// EtherLike-MIB > Dot3 Pause Table (dialog): the ports, and one port's counters
static const NvOptionPair PauseModeValues[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {}};
static NvOptionList PauseAdminModeList, PauseOperModeList;
const NvSNMPVar Dot3PausePortTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", NvSyntax::integer, NvAccess::readwrite, &PauseAdminModeList},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operate Mode", NvSyntax::integer, NvAccess::readonly, &PauseOperModeList},
    {}};
const NvSNMPVar Dot3PauseCounterTable[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// EtherLike-MIB > Dot3 Control Table (dialog): the ports, and one port's counter
const NvSNMPVar Dot3ControlPortTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {}};
const NvSNMPVar Dot3ControlCounterTable[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

static const NvCatalogueList Lists[] = {
    {&PauseAdminModeList, PauseModeValues},
    {&PauseOperModeList, PauseModeValues},
};

static const NvCatalogueTable Tables[] = {
    {"Dot3CollisionsTable", "1.3.6.1.2.1.10.7.5.1", Dot3CollisionsTable},
    {"Dot3PausePortTable", "1.3.6.1.2.1.10.7.10.1", Dot3PausePortTable},
    {"Dot3PauseCounterTable", "1.3.6.1.2.1.10.7.10.1", Dot3PauseCounterTable},
    {"Dot3ControlPortTable", "1.3.6.1.2.1.10.7.9.1", Dot3ControlPortTable},
    {"Dot3ControlCounterTable", "1.3.6.1.2.1.10.7.9.1", Dot3ControlCounterTable},
};

NvCatalogueModule Oid_etherlike = {"Oid_etherlike", Tables, Lists};
