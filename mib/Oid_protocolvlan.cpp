#include "Oid_protocolvlan.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// One list object for the protocol group priority column of the menu table and the
// 802.1v protocol port dialog.
NvOptionList OptGroupPriority;

// Protocol VLAN > Group Table
static const NvOptionPair TemplateFrameTypeValues[] = {{1, "ethernet"}, {2, "rfc1042"}, {}};
static NvOptionList TemplateFrameTypeList, GroupRowStatusList;
const NvSNMPVar ProtocolGroupTable[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", NvSyntax::integer, NvAccess::notaccess, &TemplateFrameTypeList},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", NvSyntax::octetstr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", NvSyntax::integer, NvAccess::readwrite, &GroupRowStatusList},
    {}};

// Protocol VLAN > Protocol Port Group Priority
const NvSNMPVar ProtocolPortGroupPriorityTable[] = {
    {" ", "Base Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Group ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.2.1.1", "Group Priority", NvSyntax::integer, NvAccess::readwrite, &OptGroupPriority},
    {}};

// 802.1v protocol port dialog: dot1vProtocolPortTable with the private group priority column
// (walked, two index columns: base port, group ID)
static NvOptionList ProtocolPortRowStatusList;
const NvSNMPVar ProtocolPortTable[] = {
    {" ", "Base Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.2.1.1", "Group Priority", NvSyntax::integer, NvAccess::readwrite, &OptGroupPriority},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", NvSyntax::integer, NvAccess::readwrite, &ProtocolPortRowStatusList},
    {}};

// MAC-based VLAN
static const NvOptionPair TypeValues[] = {
    {1, "static"}, {2, "mac-based-access-control"}, {3, "ieee8021x"}, {4, "wac"}, {5, "jwac"},
    {6, "multiple-authentication"}, {}};
static NvOptionList TypeList, StatusList;
const NvSNMPVar MacBasedVlanTable[] = {
    {"1.3.6.1.4.1.32473.12.56.3.2.1.1", "MAC", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.2", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.3", "Type", NvSyntax::integer, NvAccess::readonly, &TypeList},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, &StatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&TemplateFrameTypeList, TemplateFrameTypeValues},
    {&GroupRowStatusList, ValueSet::RowStatus},
    {&OptGroupPriority, ValueSet::GroupPriority},
    {&TypeList, TypeValues},
    {&StatusList, ValueSet::RowStatusShort},
    {&ProtocolPortRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"ProtocolGroupTable", "1.3.6.1.2.1.17.7.1.5.1.1", ProtocolGroupTable},
    {"ProtocolPortGroupPriorityTable", "1.3.6.1.4.1.32473.12.16.1.2.1", ProtocolPortGroupPriorityTable},
    {"MacBasedVlanTable", "1.3.6.1.4.1.32473.12.56.3.2.1", MacBasedVlanTable},
    {"ProtocolPortTable", "1.3.6.1.2.1.17.7.1.5.2.1", ProtocolPortTable},
};

NvCatalogueModule Oid_protocolvlan = {"Oid_protocolvlan", Tables, Lists};
