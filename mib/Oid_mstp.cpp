#include "Oid_mstp.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Spanning Tree > Configuration Identification
const NvSNMPVar MstConfigurationIdTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.2", "Revision Level (0-65535)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Spanning Tree > Port State Information
static const NvOptionPair AdminEdgePortValues[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {}};
static const NvOptionPair AdminP2pValues[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
static const NvOptionPair OperateP2pValues[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
static const NvOptionPair BpduFilteringValues[] = {
    {1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
static NvOptionList 
    StpPortEnableList, MigrationList, AdminEdgePortList, OperateEdgePortList, AdminP2pList,
    OperateP2pList, BpduFilteringList, RestrictedRoleList, RestrictedTcnList;
const NvSNMPVar MstPortStateTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "MST Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Operate Hello Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Admin Hello Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "STP Port Enable", NvSyntax::integer, NvAccess::readwrite, &StpPortEnableList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "External Path Cost", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "Migration", NvSyntax::integer, NvAccess::readwrite, &MigrationList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "Admin Edge Port", NvSyntax::integer, NvAccess::readwrite, &AdminEdgePortList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "Operate Edge Port", NvSyntax::integer, NvAccess::readonly, &OperateEdgePortList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "Admin P2P", NvSyntax::integer, NvAccess::readwrite, &AdminP2pList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "Operate P2P", NvSyntax::integer, NvAccess::readonly, &OperateP2pList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.12", "BPDU Filtering", NvSyntax::integer, NvAccess::readwrite, &BpduFilteringList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.13", "Restricted Role", NvSyntax::integer, NvAccess::readwrite, &RestrictedRoleList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.14", "Restricted TCN", NvSyntax::integer, NvAccess::readwrite, &RestrictedTcnList},
    {}};

// Spanning Tree > Port MSTP Information
static const NvOptionPair StatusValues[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"},
    {6, "broken"}, {7, "no-stp-enabled"}, {8, "err-disabled"}, {}};
static const NvOptionPair RoleValues[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "designated"}, {5, "master"},
    {6, "nonstp"}, {7, "loopback"}, {}};
static NvOptionList StatusList, RoleList;
const NvSNMPVar MstPortMstpTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "MST Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "Instance ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", NvSyntax::integer, NvAccess::readonly, &StatusList},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", NvSyntax::integer, NvAccess::readonly, &RoleList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&StpPortEnableList, ValueSet::Enabled1Disabled2},
    {&MigrationList, ValueSet::TruthValue},
    {&AdminEdgePortList, AdminEdgePortValues},
    {&OperateEdgePortList, ValueSet::TruthValue},
    {&AdminP2pList, AdminP2pValues},
    {&OperateP2pList, OperateP2pValues},
    {&BpduFilteringList, BpduFilteringValues},
    {&RestrictedRoleList, ValueSet::TruthValue},
    {&RestrictedTcnList, ValueSet::TruthValue},
    {&StatusList, StatusValues},
    {&RoleList, RoleValues},
};

static const NvCatalogueTable Tables[] = {
    {"MstConfigurationIdTable", "1.3.6.1.4.1.32473.12.15.2", MstConfigurationIdTable},
    {"MstPortStateTable", "1.3.6.1.4.1.32473.12.15.2.4.1", MstPortStateTable},
    {"MstPortMstpTable", "1.3.6.1.4.1.32473.12.15.2.5.1", MstPortMstpTable},
};

NvCatalogueModule Oid_mstp = {"Oid_mstp", Tables, Lists};
