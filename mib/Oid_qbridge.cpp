#include "Oid_qbridge.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Priority Information > Default User Priorities of Each Port
const NvSNMPVar DefaultUserPrioritiesOfEachPortTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number Traffic Classes", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Priority Information > Regenerated User Priorities
const NvSNMPVar RegeneratedUserPrioritiesTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Priority Information > User Priorities To Traffic Class
const NvSNMPVar UserPrioritiesToTrafficClassTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Priority Information > Port Outbound Access Priorities
const NvSNMPVar PortOutboundAccessPrioritiesTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {" ", "Regenerated User Priority", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// 802.1Q Bridge > Basic Configure
static NvOptionList GvrpStatusList;
const NvSNMPVar Dot1QBridgeBasicConfigureTable[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Number VLANs", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", NvSyntax::integer, NvAccess::readwrite, &GvrpStatusList},
    {}};

// Forwarding/Filtering > Unicast Forwarding Information
static const NvOptionPair StatusValues[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {}};
static NvOptionList StatusList;
const NvSNMPVar UnicastForwardingInformationTable[] = {
    {" ", "FDB ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", NvSyntax::integer, NvAccess::readonly, &StatusList},
    {}};

// Forwarding/Filtering > Filtering Database
const NvSNMPVar FilteringDatabaseTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// Q-in-Q > Global State Settings
static NvOptionList QinQStateList;
const NvSNMPVar QinQGlobalStateTable[] = {
    {"1.3.6.1.4.1.32473.12.57.1.1", "Q-in-Q State", NvSyntax::integer, NvAccess::readwrite, &QinQStateList},
    {}};

// Q-in-Q > Port Table
static const NvOptionPair PortRoleValues[] = {{1, "nni"}, {2, "uni"}, {}};
static NvOptionList PortRoleList, TrustCvidList, VlanTranslationList;
const NvSNMPVar QinQPortTable[] = {
    {"1.3.6.1.4.1.32473.12.57.3.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.2", "Port Role", NvSyntax::integer, NvAccess::readwrite, &PortRoleList},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.4", "Tpid", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.8", "Trust CVID", NvSyntax::integer, NvAccess::readwrite, &TrustCvidList},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.9", "VLAN Translation", NvSyntax::integer, NvAccess::readwrite, &VlanTranslationList},
    {}};

// Q-in-Q > VLAN Translation CVID Table
static const NvOptionPair SvidOperationValues[] = {{1, "add"}, {2, "replace"}, {}};
static NvOptionList SvidOperationList, CvidRowStatusList;
const NvSNMPVar VlanTranslationCvidTable[] = {
    {"1.3.6.1.4.1.32473.12.57.4.3.1.1", "CVID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.3.1.2", "SVID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.3.1.3", "SVID Operation", NvSyntax::integer, NvAccess::readwrite, &SvidOperationList},
    {"1.3.6.1.4.1.32473.12.57.4.3.1.4", "CVID Row Status", NvSyntax::integer, NvAccess::readwrite, &CvidRowStatusList},
    {}};

// Static VLAN dialog: dot1qVlanStaticTable (walked, one index column)
static NvOptionList OptRowStatus;
const NvSNMPVar VlanStaticTable[] = {
    {" ", "VLAN Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", NvSyntax::integer, NvAccess::readwrite, &OptRowStatus},
    {}};

// Static VLAN dialog: the next free local VLAN index (scalar)
const NvSNMPVar NextFreeLocalVlanIndexTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Current VLAN dialog: the Q-BRIDGE VLAN scalars (only the deletions are shown)
static const NvOptionPair ConstraintTypeValues[] = {{1, "independent"}, {2, "shared"}, {}};
static NvOptionList ConstraintTypeList;
const NvSNMPVar QBridgeVlanScalarsTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.9", "Constraint Set Default", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.10", "Constraint Type Default", NvSyntax::integer, NvAccess::readwrite, &ConstraintTypeList},
    {}};

// Current VLAN dialog: dot1qVlanCurrentTable (walked, two index columns)
static const NvOptionPair CurrentStatusValues[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {}};
static NvOptionList CurrentStatusList;
const NvSNMPVar VlanCurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "Time Mark", NvSyntax::timeticks, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "Status", NvSyntax::integer, NvAccess::readonly, &CurrentStatusList},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {}};

// Port VLAN dialog: dot1qPortVlanTable (walked, one index column)
static const NvOptionPair FrameTypesValues[] = {{1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {}};
static NvOptionList FrameTypesList, IngressFilteringList, PortGvrpStatusList;
const NvSNMPVar PortVlanTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "VLAN ID", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", NvSyntax::integer, NvAccess::readwrite, &FrameTypesList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", NvSyntax::integer, NvAccess::readwrite, &IngressFilteringList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", NvSyntax::integer, NvAccess::readwrite, &PortGvrpStatusList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// Static filtering dialogs: dot1qStaticMulticastTable and dot1qStaticUnicastTable (walked, three
// index columns: VLAN, MAC address, receive port)
static const NvOptionPair StaticStatusValues[] = {{1, "other"}, {2, "invalid"}, {3, "permanent"}, {}};
static NvOptionList StaticMulticastStatusList, StaticUnicastStatusList;
const NvSNMPVar StaticMulticastTable[] = {
    {" ", "VLAN ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", NvSyntax::integer, NvAccess::readwrite, &StaticMulticastStatusList},
    {}};
const NvSNMPVar StaticUnicastTable[] = {
    {" ", "VLAN ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed To Go To", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", NvSyntax::integer, NvAccess::readwrite, &StaticUnicastStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&GvrpStatusList, ValueSet::Enabled1Disabled2},
    {&StatusList, StatusValues},
    {&QinQStateList, ValueSet::Enabled1Disabled2},
    {&PortRoleList, PortRoleValues},
    {&TrustCvidList, ValueSet::Enabled1Disabled2},
    {&VlanTranslationList, ValueSet::Enabled1Disabled2},
    {&SvidOperationList, SvidOperationValues},
    {&CvidRowStatusList, ValueSet::RowStatusShort},
    {&OptRowStatus, ValueSet::RowStatus},
    {&ConstraintTypeList, ConstraintTypeValues},
    {&CurrentStatusList, CurrentStatusValues},
    {&FrameTypesList, FrameTypesValues},
    {&IngressFilteringList, ValueSet::TruthValue},
    {&PortGvrpStatusList, ValueSet::Enabled1Disabled2},
    {&StaticMulticastStatusList, StaticStatusValues},
    {&StaticUnicastStatusList, StaticStatusValues},
};

static const NvCatalogueTable Tables[] = {
    {"DefaultUserPrioritiesOfEachPortTable", "1.3.6.1.2.1.17.6.1.2.1.1", DefaultUserPrioritiesOfEachPortTable},
    {"RegeneratedUserPrioritiesTable", "1.3.6.1.2.1.17.6.1.2.2.1", RegeneratedUserPrioritiesTable},
    {"UserPrioritiesToTrafficClassTable", "1.3.6.1.2.1.17.6.1.2.3.1", UserPrioritiesToTrafficClassTable},
    {"PortOutboundAccessPrioritiesTable", "1.3.6.1.2.1.17.6.1.2.4.1", PortOutboundAccessPrioritiesTable},
    {"Dot1QBridgeBasicConfigureTable", "1.3.6.1.2.1.17.7.1.1", Dot1QBridgeBasicConfigureTable},
    {"UnicastForwardingInformationTable", "1.3.6.1.2.1.17.7.1.2.2.1", UnicastForwardingInformationTable},
    {"FilteringDatabaseTable", "1.3.6.1.2.1.17.7.1.2.1.1", FilteringDatabaseTable},
    {"QinQGlobalStateTable", "1.3.6.1.4.1.32473.12.57.1", QinQGlobalStateTable},
    {"QinQPortTable", "1.3.6.1.4.1.32473.12.57.3.1.1", QinQPortTable},
    {"VlanTranslationCvidTable", "1.3.6.1.4.1.32473.12.57.4.3.1", VlanTranslationCvidTable},
    {"VlanStaticTable", "1.3.6.1.2.1.17.7.1.4.3.1", VlanStaticTable},
    {"NextFreeLocalVlanIndexTable", "1.3.6.1.2.1.17.7.1.4.4", NextFreeLocalVlanIndexTable},
    {"QBridgeVlanScalarsTable", "1.3.6.1.2.1.17.7.1.4", QBridgeVlanScalarsTable},
    {"VlanCurrentTable", "1.3.6.1.2.1.17.7.1.4.2.1", VlanCurrentTable},
    {"PortVlanTable", "1.3.6.1.2.1.17.7.1.4.5.1", PortVlanTable},
    {"StaticMulticastTable", "1.3.6.1.2.1.17.7.1.3.2.1", StaticMulticastTable},
    {"StaticUnicastTable", "1.3.6.1.2.1.17.7.1.3.1.1", StaticUnicastTable},
};

NvCatalogueModule Oid_qbridge = {"Oid_qbridge", Tables, Lists};
