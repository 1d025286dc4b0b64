#include "Oid_equipment.h"

#include "NvOptionList.h"

// Equipment Management > Power Table
static const NvOptionPair PowerStatusValues[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"},
    {5, "connect"}, {6, "disconnect"}, {}};
static NvOptionList PowerStatusList;
const NvSNMPVar PowerTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Power Unit Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "Power ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Power Status", NvSyntax::integer, NvAccess::readonly, &PowerStatusList},
    {}};

// Equipment Management > External Alarm Table
const NvSNMPVar ExternalAlarmTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.10.1.1", "External Alarm Channel", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.10.1.2", "External Alarm Message", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.10.1.3", "External Alarm State", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&PowerStatusList, PowerStatusValues},
};

static const NvCatalogueTable Tables[] = {
    {"PowerTable", "1.3.6.1.4.1.32473.12.11.1.6.1", PowerTable},
    {"ExternalAlarmTable", "1.3.6.1.4.1.32473.12.11.1.10.1", ExternalAlarmTable},
};

NvCatalogueModule Oid_equipment = {"Oid_equipment", Tables, Lists};
