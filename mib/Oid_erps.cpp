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

// ERPS > VLAN Table: the ring, its protected VLANs in eight 512-VLAN columns
static const NvOptionPair ErpsPortStateValues[] = {{1, "fowarding"}, {2, "blocking"}, {3, "signalfail"}, {}};
static const NvOptionPair ErpsRplPortValues[] = {{1, "none"}, {2, "west"}, {3, "east"}, {}};
static const NvOptionPair ErpsRingStateValues[] = {{1, "begin"}, {2, "init"}, {3, "idle"}, {4, "protection"}, {}};
static const NvOptionPair ErpsOwnerOperStateValues[] = {{1, "active"}, {2, "inactive"}, {3, "disabled"}, {}};
static NvOptionList ErpsWestPortStateList, ErpsEastPortStateList, ErpsRplPortList, ErpsRplOwnerList,
    ErpsRingStateList, ErpsOwnerOperStateList, ErpsRowStatusList;
const NvSNMPVar ErpsRingTable[] = {
    {"1.3.6.1.4.1.32473.12.78.3.1.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.2", "West Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.3", "West Port State", NvSyntax::integer, NvAccess::readonly, &ErpsWestPortStateList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.4", "East Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.5", "East Port State", NvSyntax::integer, NvAccess::readonly, &ErpsEastPortStateList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.6", "RPL Port", NvSyntax::integer, NvAccess::readwrite, &ErpsRplPortList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.7", "RPL Owner", NvSyntax::integer, NvAccess::readwrite, &ErpsRplOwnerList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.9", "Ring MEL", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.10", "Holdoff Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.11", "Guard Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.12", "WTR Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.13", "Ring State", NvSyntax::integer, NvAccess::readonly, &ErpsRingStateList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.15", "RPL Owner Operate State", NvSyntax::integer, NvAccess::readonly, &ErpsOwnerOperStateList},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.16", "1-512", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.17", "513-1024", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.18", "1025-1536", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.19", "1537-2048", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.20", "2049-2560", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.21", "2561-3072", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.22", "3073-3584", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.23", "3585-4094", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.100", "Row Status", NvSyntax::integer, NvAccess::readwrite, &ErpsRowStatusList},
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

// QoS > CoS Bandwidth Control Table (dialog); a rate of 0 is no limit
const NvSNMPVar CosBandwidthTable[] = {
    {"1.3.6.1.4.1.32473.12.61.3.9.1.1", "CoS Bandwidth Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.61.3.9.1.2", "CoS Bandwidth CoS ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.61.3.9.1.4", "CoS Bandwidth Maximum Rate", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AdminStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&PppoeGlobalStateList, ValueSet::Enabled1Disabled2},
    {&PppoePortStateList, ValueSet::Enabled1Disabled2},
    {&CircuitIDList, CircuitIDValues},
    {&ErpsWestPortStateList, ErpsPortStateValues},
    {&ErpsEastPortStateList, ErpsPortStateValues},
    {&ErpsRplPortList, ErpsRplPortValues},
    {&ErpsRplOwnerList, ValueSet::Enabled1Disabled2},
    {&ErpsRingStateList, ErpsRingStateValues},
    {&ErpsOwnerOperStateList, ErpsOwnerOperStateValues},
    {&ErpsRowStatusList, ValueSet::RowStatusShort},
    {&NlbMulticastStatusList, ValueSet::RowStatusShort},
    {&NlbUnicastStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"ErpsGlobalSettingsTable", "1.3.6.1.4.1.32473.12.78.1", ErpsGlobalSettingsTable},
    {"PppoeGlobalTable", "1.3.6.1.4.1.32473.12.79.1", PppoeGlobalTable},
    {"PppoePortTable", "1.3.6.1.4.1.32473.12.79.1.2.1.1", PppoePortTable},
    {"ErpsRingTable", "1.3.6.1.4.1.32473.12.78.3.1.1", ErpsRingTable},
    {"CosBandwidthTable", "1.3.6.1.4.1.32473.12.61.3.9.1", CosBandwidthTable},
    {"NlbMulticastFdbTable", "1.3.6.1.4.1.32473.12.77.3.2.1", NlbMulticastFdbTable},
    {"NlbUnicastFdbTable", "1.3.6.1.4.1.32473.12.77.3.1.1", NlbUnicastFdbTable},
};

NvCatalogueModule Oid_erps = {"Oid_erps", Tables, Lists};
