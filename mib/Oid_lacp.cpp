#include "Oid_lacp.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// 802.3 ad > Aggregator Table
static NvOptionList LacpAggregatorAggregateOrIndividualList;
const NvSNMPVar LacpAggregatorTable[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", NvSyntax::integer, NvAccess::readonly, &LacpAggregatorAggregateOrIndividualList},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Admin Value Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// 802.3 ad > Aggregator Port List
const NvSNMPVar LacpAggregatorPortListTable[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "    Index ", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "     Ports    ", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {}};

// 802.3 ad > Aggregator Port Table
static NvOptionList LacpAggregatorPortAggregateOrIndividualList;
const NvSNMPVar LacpAggregatorPortTable[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Admin Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Oper Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Admin System Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Oper System Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Admin System ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Oper System ID", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Admin Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Oper Key", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Agg ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Agg ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Admin Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Oper Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Admin Port Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Oper Port Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Admin State", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Oper State", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Admin State", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Oper State", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", NvSyntax::integer, NvAccess::readonly, &LacpAggregatorPortAggregateOrIndividualList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&LacpAggregatorAggregateOrIndividualList, ValueSet::TruthValue},
    {&LacpAggregatorPortAggregateOrIndividualList, ValueSet::TruthValue},
};

static const NvCatalogueTable Tables[] = {
    {"LacpAggregatorTable", "1.3.6.1.4.1.32473.12.4.1.1.1.1", LacpAggregatorTable},
    {"LacpAggregatorPortListTable", "1.3.6.1.4.1.32473.12.4.1.1", LacpAggregatorPortListTable},
    {"LacpAggregatorPortTable", "1.3.6.1.4.1.32473.12.4.1.2.1.1", LacpAggregatorPortTable},
};

NvCatalogueModule Oid_lacp = {"Oid_lacp", Tables, Lists};
