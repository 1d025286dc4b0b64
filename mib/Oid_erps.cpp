#include "Oid_erps.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// ERPS > Global Settings
static NvOptionList AdminStateList, LogStateList, TrapStateList;
const NvSNMPVar ErpsGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.78.1.1", "Admin State", NvSyntax::integer, NvAccess::readwrite, &AdminStateList},
    {"1.3.6.1.4.1.32473.12.78.1.2", "Log State", NvSyntax::integer, NvAccess::readwrite, &LogStateList},
    {"1.3.6.1.4.1.32473.12.78.1.3", "Trap State", NvSyntax::integer, NvAccess::readwrite, &TrapStateList},
    {}};

// PPPoE Circuit ID Insertion
static NvOptionList PppoeGlobalStateList;
const NvSNMPVar PppoeGlobalTable[] = {
    {"1.3.6.1.4.1.32473.12.79.1.1", "State", NvSyntax::integer, NvAccess::readwrite, &PppoeGlobalStateList},
    {}};

// PPPoE Circuit ID Insertion
static const NvOptionPair CircuitIDValues[] = {
    {1, "switch-ip"}, {2, "switch-mac"}, {3, "udf-string"}, {}};
static NvOptionList PppoePortStateList, CircuitIDList;
const NvSNMPVar PppoePortTable[] = {
    {"1.3.6.1.4.1.32473.12.79.1.2.1.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.79.1.2.1.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &PppoePortStateList},
    {"1.3.6.1.4.1.32473.12.79.1.2.1.1.3", "Circuit ID", NvSyntax::integer, NvAccess::readwrite, &CircuitIDList},
    {"1.3.6.1.4.1.32473.12.79.1.2.1.1.4", "UDF String", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
// QoS > CoS Bandwidth Control Table (dialog); a rate of 0 is no limit
const NvSNMPVar CosBandwidthTable[] = {
    {"1.3.6.1.4.1.32473.12.61.3.9.1.1", "CoS Bandwidth Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.61.3.9.1.2", "CoS Bandwidth CoS ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.61.3.9.1.4", "CoS Bandwidth Maximum Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

static const NvCatalogueList Lists[] = {
    {&AdminStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&PppoeGlobalStateList, ValueSet::Enabled1Disabled2},
    {&PppoePortStateList, ValueSet::Enabled1Disabled2},
    {&CircuitIDList, CircuitIDValues},
};

static const NvCatalogueTable Tables[] = {
    {"ErpsGlobalSettingsTable", "1.3.6.1.4.1.32473.12.78.1", ErpsGlobalSettingsTable},
    {"PppoeGlobalTable", "1.3.6.1.4.1.32473.12.79.1", PppoeGlobalTable},
    {"PppoePortTable", "1.3.6.1.4.1.32473.12.79.1.2.1.1", PppoePortTable},
    {"CosBandwidthTable", "1.3.6.1.4.1.32473.12.61.3.9.1", CosBandwidthTable},
};

NvCatalogueModule Oid_erps = {"Oid_erps", Tables, Lists};
