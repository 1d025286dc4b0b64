#include "Oid_poe.h"

#include "NvOptionList.h"

// PoE > PoE System Control
static const NvOptionPair SystemPowerDisconnectMethodValues[] = {
    {1, "denyNextPort"}, {2, "denyLowPriorityPort"}, {}};
static const NvOptionPair SystemLedModeValues[] = {{1, "normal"}, {2, "poe"}, {}};
static NvOptionList SystemPowerDisconnectMethodList, SystemLedModeList;
const NvSNMPVar PoESystemControlTable[] = {
    {"1.3.6.1.4.1.32473.12.24.1.1", "System Power Limit", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.24.1.2", "System Power Disconnect Method", NvSyntax::integer, NvAccess::readwrite, &SystemPowerDisconnectMethodList},
    {"1.3.6.1.4.1.32473.12.24.1.4", "System LED Mode", NvSyntax::integer, NvAccess::readwrite, &SystemLedModeList},
    {}};

// PoE > PoE System information
const NvSNMPVar PoESystemInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.24.2.1", "System Power Consumption", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.2.2", "System Power Remained", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// PoE > PoE Port Control
static const NvOptionPair StateValues[] = {{1, "other"}, {2, "enable"}, {3, "disable"}, {}};
static const NvOptionPair PriorityValues[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {}};
static const NvOptionPair PowerLimitValues[] = {
    {1, "class0"}, {2, "class1"}, {3, "class2"}, {4, "class3"}, {5, "user-defined"}, {}};
static NvOptionList StateList, PriorityList, PowerLimitList;
const NvSNMPVar PoEPortControlTable[] = {
    {"1.3.6.1.4.1.32473.12.24.3.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &StateList},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.3", "Priority", NvSyntax::integer, NvAccess::readwrite, &PriorityList},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.4", "Power Limit", NvSyntax::integer, NvAccess::readwrite, &PowerLimitList},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.5", "User Defined", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// PoE > PoE Port information
static const NvOptionPair LedStatusValues[] = {{1, "on"}, {2, "off"}, {3, "error"}, {}};
static NvOptionList LedStatusList;
const NvSNMPVar PoEPortInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.24.4.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.2", "Class", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.3", "Power", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.4", "Voltage", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.5", "Current", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.6", "Status", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.7", "Led Status", NvSyntax::integer, NvAccess::readonly, &LedStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SystemPowerDisconnectMethodList, SystemPowerDisconnectMethodValues},
    {&SystemLedModeList, SystemLedModeValues},
    {&StateList, StateValues},
    {&PriorityList, PriorityValues},
    {&PowerLimitList, PowerLimitValues},
    {&LedStatusList, LedStatusValues},
};

static const NvCatalogueTable Tables[] = {
    {"PoESystemControlTable", "1.3.6.1.4.1.32473.12.24.1", PoESystemControlTable},
    {"PoESystemInformationTable", "1.3.6.1.4.1.32473.12.24.2", PoESystemInformationTable},
    {"PoEPortControlTable", "1.3.6.1.4.1.32473.12.24.3.1.1", PoEPortControlTable},
    {"PoEPortInformationTable", "1.3.6.1.4.1.32473.12.24.4.1.1", PoEPortInformationTable},
};

NvCatalogueModule Oid_poe = {"Oid_poe", Tables, Lists};
