#include "Oid_filterunit.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Security > DHCP Server Screening > Global Settings
static const NvOptionPair IllegalServerLogSuppressDurationValues[] = {
    {1, "duration_1min"}, {2, "duration_5min"}, {3, "duration_30min"}, {}};
static NvOptionList IllegalServerLogSuppressDurationList, TrapStateList, LogStateList;
const NvSNMPVar DhcpScreeningGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.37.1.3", "Illegal Server Log Suppress Duration", NvSyntax::integer, NvAccess::readwrite, &IllegalServerLogSuppressDurationList},
    {"1.3.6.1.4.1.32473.12.37.1.5", "Trap State", NvSyntax::integer, NvAccess::readwrite, &TrapStateList},
    {"1.3.6.1.4.1.32473.12.37.1.6", "Log State", NvSyntax::integer, NvAccess::readwrite, &LogStateList},
    {}};

// Security > DHCP Server Screening > Port Settings
static NvOptionList PortStateList;
const NvSNMPVar DhcpScreeningPortTable[] = {
    {"1.3.6.1.4.1.32473.12.37.1.2.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.2.1.2", "Port State", NvSyntax::integer, NvAccess::readwrite, &PortStateList},
    {}};

// Security > DHCP Server Screening > DHCP Offer Permit Entry Settings
static NvOptionList PermitStatusList;
const NvSNMPVar DhcpScreeningPermitTable[] = {
    {"1.3.6.1.4.1.32473.12.37.1.1.1.1", "Server IP", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.2", "Client MAC", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.3", "Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, &PermitStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&IllegalServerLogSuppressDurationList, IllegalServerLogSuppressDurationValues},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&PortStateList, ValueSet::Enabled1Disabled2},
    {&PermitStatusList, ValueSet::RowStatus},
};

static const NvCatalogueTable Tables[] = {
    {"DhcpScreeningGlobalSettingsTable", "1.3.6.1.4.1.32473.12.37.1", DhcpScreeningGlobalSettingsTable},
    {"DhcpScreeningPortTable", "1.3.6.1.4.1.32473.12.37.1.2.1", DhcpScreeningPortTable},
    {"DhcpScreeningPermitTable", "1.3.6.1.4.1.32473.12.37.1.1.1", DhcpScreeningPermitTable},
};

NvCatalogueModule Oid_filterunit = {"Oid_filterunit", Tables, Lists};
