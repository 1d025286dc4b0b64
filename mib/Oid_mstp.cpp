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

// Bridge > Spanning Tree Algorithm, Spanning Tree > STP Control: the global STP group
static const NvOptionPair StpVersionValues[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
static NvOptionList StpStateList, StpVersionList, StpForwardBpduList;
const NvSNMPVar StpStateTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.1", "STP State Control", NvSyntax::integer, NvAccess::readwrite, &StpStateList},
    {}};
const NvSNMPVar StpParametersTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", NvSyntax::integer, NvAccess::readwrite, &StpVersionList},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", NvSyntax::integer, NvAccess::readwrite, &StpForwardBpduList},
    {}};
// The same without the hello time, which MSTP does not take.
const NvSNMPVar StpParametersNoHelloTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", NvSyntax::integer, NvAccess::readwrite, &StpVersionList},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", NvSyntax::integer, NvAccess::readwrite, &StpForwardBpduList},
    {}};

// Spanning Tree > MSTP Instance Control: an instance's VLAN map in eight 512-VLAN columns
static const NvOptionPair MstpInstanceTypeValues[] = {{0, "cist"}, {1, "msti"}, {}};
static NvOptionList MstpInstanceTypeList, MstpInstanceStatusList, MstpInstanceRowStatusList;
const NvSNMPVar MstpInstanceTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "MSTP Instance ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "1-512", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "513-1024", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "1025-1536", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "1537-2048", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "2049-2560", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "2561-3072", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "3073-3584", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "3585-4094", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", NvSyntax::integer, NvAccess::readonly, &MstpInstanceTypeList},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", NvSyntax::integer, NvAccess::readonly, &MstpInstanceStatusList},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Topology Changes Count", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", NvSyntax::integer, NvAccess::readwrite, &MstpInstanceRowStatusList},
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
    {&StpStateList, ValueSet::Disabled2Enabled3},
    {&StpVersionList, StpVersionValues},
    {&StpForwardBpduList, ValueSet::Disabled2Enabled3},
    {&MstpInstanceTypeList, MstpInstanceTypeValues},
    {&MstpInstanceStatusList, ValueSet::Enabled1Disabled2},
    {&MstpInstanceRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"MstConfigurationIdTable", "1.3.6.1.4.1.32473.12.15.2", MstConfigurationIdTable},
    {"MstPortStateTable", "1.3.6.1.4.1.32473.12.15.2.4.1", MstPortStateTable},
    {"MstPortMstpTable", "1.3.6.1.4.1.32473.12.15.2.5.1", MstPortMstpTable},
    {"StpStateTable", "1.3.6.1.4.1.32473.12.15.1", StpStateTable},
    {"StpParametersTable", "1.3.6.1.4.1.32473.12.15.1", StpParametersTable},
    {"StpParametersNoHelloTable", "1.3.6.1.4.1.32473.12.15.1", StpParametersNoHelloTable},
    {"MstpInstanceTable", "1.3.6.1.4.1.32473.12.15.2.3.1", MstpInstanceTable},
};

NvCatalogueModule Oid_mstp = {"Oid_mstp", Tables, Lists};
