#include "Oid_bridge.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// 802.1D > Information
static const NvOptionPair BridgeTypeValues[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {}};
static NvOptionList BridgeTypeList;
const NvSNMPVar Dot1dInformationTable[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.2", "Number Ports", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", NvSyntax::integer, NvAccess::readonly, &BridgeTypeList},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "MAC Address Aging Time (10-1000000 sec)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// 802.1D > Port Table
const NvSNMPVar Dot1dPortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", NvSyntax::objectid, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.5", "Maximum Transmission Unit Exceeded Discards", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// 802.1p > Basic Configure
static NvOptionList TrafficClassesEnabledList;
const NvSNMPVar Dot1pBasicConfigureTable[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", NvSyntax::integer, NvAccess::readonly, &TrafficClassesEnabledList},
    {}};

// 802.1D port capabilities dialog: dot1dPortCapabilitiesTable (walked, one index column)
const NvSNMPVar PortCapabilitiesTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&BridgeTypeList, BridgeTypeValues},
    {&TrafficClassesEnabledList, ValueSet::TruthValue},
};

static const NvCatalogueTable Tables[] = {
    {"Dot1dInformationTable", "1.3.6.1.2.1.17", Dot1dInformationTable},
    {"Dot1dPortTable", "1.3.6.1.2.1.17.1.4.1", Dot1dPortTable},
    {"Dot1pBasicConfigureTable", "1.3.6.1.2.1.17.6.1.1", Dot1pBasicConfigureTable},
    {"PortCapabilitiesTable", "1.3.6.1.2.1.17.6.1.1.4.1", PortCapabilitiesTable},
};

NvCatalogueModule Oid_bridge = {"Oid_bridge", Tables, Lists};
