#include "Oid_mld.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// MLD Snooping > Global Settings
static NvOptionList MldSnoopingGlobalStateList;
const NvSNMPVar MldSnoopingGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "MLD Snooping Global State", NvSyntax::integer, NvAccess::readwrite, &MldSnoopingGlobalStateList},
    {}};

// MLD Snooping > Control Table
static const NvOptionPair CurrentStateValues[] = {
    {1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
static const NvOptionPair ControlStateValues[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
static const NvOptionPair FastDoneStateValues[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
static const NvOptionPair VersionValues[] = {{1, "version-1"}, {2, "version-2"}, {}};
static NvOptionList CurrentStateList, ControlStateList, FastDoneStateList, VersionList;
const NvSNMPVar MldSnoopingControlTable[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "Query Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "Max Response Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "Robustness", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "Last Member Query Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "Current State", NvSyntax::integer, NvAccess::readonly, &CurrentStateList},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "Control State", NvSyntax::integer, NvAccess::readwrite, &ControlStateList},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "Fast Done State", NvSyntax::integer, NvAccess::readwrite, &FastDoneStateList},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.13", "Version", NvSyntax::integer, NvAccess::readonly, &VersionList},
    {}};

// MLD Snooping > Counter Total Rx Query Table
const NvSNMPVar MldCounterTotalRxQueryTable[] = {
    {" ", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.73.2.2.3.1.20", "VLAN Counter Total RX Query", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// MLD Snooping > Router Ports
const NvSNMPVar MldRouterPortTable[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "Router Ports VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "Router Static Port List", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "Dynamic Port List", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "Router Forbidden Port List", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {}};

// MLD Snooping > Group Information
const NvSNMPVar MldSnoopingGroupTable[] = {
    {"1.3.6.1.4.1.32473.12.34.3.5.1.1", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.2", "Group Address", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.3", "Source Address", NvSyntax::ipv6address, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.4", "Include Port Map", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.5", "Exclude Port Map", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&MldSnoopingGlobalStateList, ValueSet::Disabled2Enabled3},
    {&CurrentStateList, CurrentStateValues},
    {&ControlStateList, ControlStateValues},
    {&FastDoneStateList, FastDoneStateValues},
    {&VersionList, VersionValues},
};

static const NvCatalogueTable Tables[] = {
    {"MldSnoopingGlobalSettingsTable", "1.3.6.1.4.1.32473.12.34.1", MldSnoopingGlobalSettingsTable},
    {"MldSnoopingControlTable", "1.3.6.1.4.1.32473.12.34.3.2.1", MldSnoopingControlTable},
    {"MldCounterTotalRxQueryTable", "1.3.6.1.4.1.32473.12.73.2.2.3.1", MldCounterTotalRxQueryTable},
    {"MldRouterPortTable", "1.3.6.1.4.1.32473.12.34.3.4.1", MldRouterPortTable},
    {"MldSnoopingGroupTable", "1.3.6.1.4.1.32473.12.34.3.5.1", MldSnoopingGroupTable},
};

NvCatalogueModule Oid_mld = {"Oid_mld", Tables, Lists};
