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

// NLB multicast FDB dialog (walked, two index columns)
static NvOptionList NlbMulticastStatusList, NlbUnicastStatusList;
const NvSNMPVar NlbMulticastFdbTable[] = {
    {"1.3.6.1.4.1.32473.12.77.3.2.1.1", "VLAN Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.2", "MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.3", "Egress Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.4", "Row Status", NvSyntax::integer, NvAccess::readwrite, &NlbMulticastStatusList},
    {}};

// NLB unicast FDB dialog (walked, one index column)
const NvSNMPVar NlbUnicastFdbTable[] = {
    {"1.3.6.1.4.1.32473.12.77.3.1.1.1", "MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.1.1.2", "Egress Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.1.1.3", "Row Status", NvSyntax::integer, NvAccess::readwrite, &NlbUnicastStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AdminStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&PppoeGlobalStateList, ValueSet::Enabled1Disabled2},
    {&PppoePortStateList, ValueSet::Enabled1Disabled2},
    {&CircuitIDList, CircuitIDValues},
    {&NlbMulticastStatusList, ValueSet::RowStatusShort},
    {&NlbUnicastStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"ErpsGlobalSettingsTable", "1.3.6.1.4.1.32473.12.78.1", ErpsGlobalSettingsTable},
    {"PppoeGlobalTable", "1.3.6.1.4.1.32473.12.79.1", PppoeGlobalTable},
    {"PppoePortTable", "1.3.6.1.4.1.32473.12.79.1.2.1.1", PppoePortTable},
    {"NlbMulticastFdbTable", "1.3.6.1.4.1.32473.12.77.3.2.1", NlbMulticastFdbTable},
    {"NlbUnicastFdbTable", "1.3.6.1.4.1.32473.12.77.3.1.1", NlbUnicastFdbTable},
};

NvCatalogueModule Oid_erps = {"Oid_erps", Tables, Lists};
