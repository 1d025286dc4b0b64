#include "Oid_ifmib.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// IF-MIB > IfX Table
static NvOptionList LinkUpDownTrapStateList, PromiscuousModeList, ConnectorPresentList;
const NvSNMPVar IfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", NvSyntax::integer, NvAccess::readwrite, &LinkUpDownTrapStateList},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", NvSyntax::integer, NvAccess::readonly, &PromiscuousModeList},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", NvSyntax::integer, NvAccess::readonly, &ConnectorPresentList},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&LinkUpDownTrapStateList, ValueSet::Enabled1Disabled2},
    {&PromiscuousModeList, ValueSet::TruthValue},
    {&ConnectorPresentList, ValueSet::TruthValue},
};

static const NvCatalogueTable Tables[] = {
    {"IfXTable", "1.3.6.1.2.1", IfXTable},
};

NvCatalogueModule Oid_ifmib = {"Oid_ifmib", Tables, Lists};
