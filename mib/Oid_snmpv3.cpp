#include "Oid_snmpv3.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// SNMP v3 > SNMP Engine
const NvSNMPVar SnmpEngineTable[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// SNMP v3 > Message Processing and Dispatching
const NvSNMPVar SnmpMpdStatisticsTable[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// SNMP v3 > SNMP Target MIB > General Information
const NvSNMPVar SnmpTargetGeneralTable[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// SNMP v3 > SNMP Target MIB > Target Address Table
static NvOptionList SnmpTargetAddressStorageTypeList, SnmpTargetAddressRowStatusList;
const NvSNMPVar SnmpTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", NvSyntax::objectid, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &SnmpTargetAddressStorageTypeList},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", NvSyntax::integer, NvAccess::readwrite, &SnmpTargetAddressRowStatusList},
    {}};

// SNMP v3 > SNMP Target MIB > Target Parameters
static NvOptionList 
    SecurityLevelList, SnmpTargetParamsStorageTypeList, SnmpTargetParamsRowStatusList;
const NvSNMPVar SnmpTargetParamsTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", NvSyntax::integer, NvAccess::readwrite, &SecurityLevelList},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &SnmpTargetParamsStorageTypeList},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &SnmpTargetParamsRowStatusList},
    {}};

// SNMP v3 > User-based Security Mode > Statistics
const NvSNMPVar UsmStatisticsTable[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// SNMP v3 > User-based Security Mode > User Table
static const NvOptionTextPair AuthenticationProtocolValues[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {}};
static const NvOptionTextPair PrivacyProtocolValues[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {}};
static NvOptionList 
    AuthenticationProtocolList, PrivacyProtocolList, UsmUserStorageTypeList, UsmUserStatusList;
const NvSNMPVar UsmUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", NvSyntax::octetstr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", NvSyntax::objectid, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", NvSyntax::objectid, NvAccess::readwrite, &AuthenticationProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", NvSyntax::objectid, NvAccess::readwrite, &PrivacyProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &UsmUserStorageTypeList},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", NvSyntax::integer, NvAccess::readwrite, &UsmUserStatusList},
    {}};

// SNMP v3 > View-based Access Control Mode > Security Group Table
static NvOptionList SecurityGroupStorageTypeList, SecurityGroupStatusList;
const NvSNMPVar VacmSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", NvSyntax::integer, NvAccess::readwrite, &SecurityGroupStorageTypeList},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", NvSyntax::integer, NvAccess::readwrite, &SecurityGroupStatusList},
    {}};

// SNMP v3 > View-based Access Control Mode > Access Table
static const NvOptionPair AccessContextMatchValues[] = {{1, "exact"}, {2, "prefix"}, {}};
static NvOptionList 
    AccessSecurityLevelList, AccessContextMatchList, AccessStorageTypeList, AccessStatusList;
const NvSNMPVar VacmAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", NvSyntax::integer, NvAccess::notaccess, &AccessSecurityLevelList},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", NvSyntax::integer, NvAccess::readwrite, &AccessContextMatchList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", NvSyntax::integer, NvAccess::readwrite, &AccessStorageTypeList},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", NvSyntax::integer, NvAccess::readwrite, &AccessStatusList},
    {}};

// SNMP v3 > View-based Access Control Mode > View MIB Tree Family Table
static const NvOptionPair VacmViewTreeFamilyTypeValues[] = {{1, "included"}, {2, "excluded"}, {}};
static NvOptionList VacmViewTreeFamilyTypeList, VacmViewTreeFamilyStorageTypeList, VacmList;
const NvSNMPVar VacmViewTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", NvSyntax::objectid, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", NvSyntax::integer, NvAccess::readwrite, &VacmViewTreeFamilyTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", NvSyntax::integer, NvAccess::readwrite, &VacmViewTreeFamilyStorageTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", NvSyntax::integer, NvAccess::readwrite, &VacmList},
    {}};

// SNMP v3 > Notifications > Notify Table
static const NvOptionPair NotifyTypeValues[] = {{1, "trap"}, {2, "inform"}, {}};
static NvOptionList NotifyTypeList, NotifyStorageTypeList, NotifyRowStatusList;
const NvSNMPVar NotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", NvSyntax::integer, NvAccess::readwrite, &NotifyTypeList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &NotifyStorageTypeList},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", NvSyntax::integer, NvAccess::readwrite, &NotifyRowStatusList},
    {}};

// SNMP v3 > Notifications > Notify Filter Profile Table
static NvOptionList NotifyFilterProfileStorTypeList, NotifyFilterProfileRowStatusList;
const NvSNMPVar NotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", NvSyntax::integer, NvAccess::readwrite, &NotifyFilterProfileStorTypeList},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", NvSyntax::integer, NvAccess::readwrite, &NotifyFilterProfileRowStatusList},
    {}};

// SNMP v3 > Notifications > Notify Filter Entry Table
static const NvOptionPair NotifyFilterEntryTypeValues[] = {{1, "included"}, {2, "excluded"}, {}};
static NvOptionList 
    NotifyFilterEntryTypeList, NotifyFilterEntryStorageTypeList, NotifyFilterEntryRowStatusList;
const NvSNMPVar NotifyFilterEntryTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Subtree", NvSyntax::objectid, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type", NvSyntax::integer, NvAccess::readwrite, &NotifyFilterEntryTypeList},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &NotifyFilterEntryStorageTypeList},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status", NvSyntax::integer, NvAccess::readwrite, &NotifyFilterEntryRowStatusList},
    {}};

// SNMP v3 > Community > Community String Table
static NvOptionList CommunityStringStorageTypeList, CommunityStringStatusList;
const NvSNMPVar CommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", NvSyntax::integer, NvAccess::readwrite, &CommunityStringStorageTypeList},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", NvSyntax::integer, NvAccess::readwrite, &CommunityStringStatusList},
    {}};

// SNMP v3 > Community > Target Address Table
const NvSNMPVar CommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", NvSyntax::displaystr, NvAccess::notaccess | NvAccess::implied, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SnmpTargetAddressStorageTypeList, ValueSet::StorageType},
    {&SnmpTargetAddressRowStatusList, ValueSet::RowStatus},
    {&SecurityLevelList, ValueSet::SnmpSecurityLevel},
    {&SnmpTargetParamsStorageTypeList, ValueSet::StorageType},
    {&SnmpTargetParamsRowStatusList, ValueSet::RowStatus},
    {&AuthenticationProtocolList, nullptr, AuthenticationProtocolValues},
    {&PrivacyProtocolList, nullptr, PrivacyProtocolValues},
    {&UsmUserStorageTypeList, ValueSet::StorageType},
    {&UsmUserStatusList, ValueSet::RowStatus},
    {&SecurityGroupStorageTypeList, ValueSet::StorageType},
    {&SecurityGroupStatusList, ValueSet::RowStatus},
    {&AccessSecurityLevelList, ValueSet::SnmpSecurityLevel},
    {&AccessContextMatchList, AccessContextMatchValues},
    {&AccessStorageTypeList, ValueSet::StorageType},
    {&AccessStatusList, ValueSet::RowStatus},
    {&VacmViewTreeFamilyTypeList, VacmViewTreeFamilyTypeValues},
    {&VacmViewTreeFamilyStorageTypeList, ValueSet::StorageType},
    {&VacmList, ValueSet::RowStatus},
    {&NotifyTypeList, NotifyTypeValues},
    {&NotifyStorageTypeList, ValueSet::StorageType},
    {&NotifyRowStatusList, ValueSet::RowStatus},
    {&NotifyFilterProfileStorTypeList, ValueSet::StorageType},
    {&NotifyFilterProfileRowStatusList, ValueSet::RowStatus},
    {&NotifyFilterEntryTypeList, NotifyFilterEntryTypeValues},
    {&NotifyFilterEntryStorageTypeList, ValueSet::StorageType},
    {&NotifyFilterEntryRowStatusList, ValueSet::RowStatus},
    {&CommunityStringStorageTypeList, ValueSet::StorageType},
    {&CommunityStringStatusList, ValueSet::RowStatus},
};

static const NvCatalogueTable Tables[] = {
    {"SnmpEngineTable", "1.3.6.1.6.3.10.2.1", SnmpEngineTable},
    {"SnmpMpdStatisticsTable", "1.3.6.1.6.3.11.2.1", SnmpMpdStatisticsTable},
    {"SnmpTargetGeneralTable", "1.3.6.1.6.3.12.1", SnmpTargetGeneralTable},
    {"SnmpTargetAddressTable", "1.3.6.1.6.3.12.1.2.1", SnmpTargetAddressTable},
    {"SnmpTargetParamsTable", "1.3.6.1.6.3.12.1.3.1", SnmpTargetParamsTable},
    {"UsmStatisticsTable", "1.3.6.1.6.3.15.1.1", UsmStatisticsTable},
    {"UsmUserTable", "1.3.6.1.6.3.15.1.2.2.1", UsmUserTable},
    {"VacmSecurityGroupTable", "1.3.6.1.6.3.16.1.2.1", VacmSecurityGroupTable},
    {"VacmAccessTable", "1.3.6.1.6.3.16.1.4.1", VacmAccessTable},
    {"VacmViewTreeFamilyTable", "1.3.6.1.6.3.16.1.5.2.1", VacmViewTreeFamilyTable},
    {"NotifyTable", "1.3.6.1.6.3.13.1.1.1", NotifyTable},
    {"NotifyFilterProfileTable", "1.3.6.1.6.3.13.1.2.1", NotifyFilterProfileTable},
    {"NotifyFilterEntryTable", "1.3.6.1.6.3.13.1.3.1", NotifyFilterEntryTable},
    {"CommunityStringTable", "1.3.6.1.6.3.18.1.1.1", CommunityStringTable},
    {"CommunityTargetAddressTable", "1.3.6.1.6.3.18.1.2.1", CommunityTargetAddressTable},
};

NvCatalogueModule Oid_snmpv3 = {"Oid_snmpv3", Tables, Lists};
