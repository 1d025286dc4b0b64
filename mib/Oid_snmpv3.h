// Data module Oid_snmpv3: 1.3.6.1.6.3.10 to 18: engine, message processing statistics, targets,
// notifications, USM, VACM, community.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SnmpEngineTable[];  // SNMP v3 > SNMP Engine
extern const NvSNMPVar SnmpMpdStatisticsTable[];  // SNMP v3 > Message Processing and Dispatching
extern const NvSNMPVar SnmpTargetGeneralTable[];  // SNMP v3 > SNMP Target MIB > General Information
extern const NvSNMPVar SnmpTargetAddressTable[];  // SNMP v3 > SNMP Target MIB > Target Address Table
extern const NvSNMPVar SnmpTargetParamsTable[];  // SNMP v3 > SNMP Target MIB > Target Parameters
extern const NvSNMPVar UsmStatisticsTable[];  // SNMP v3 > User-based Security Mode > Statistics
extern const NvSNMPVar UsmUserTable[];  // SNMP v3 > User-based Security Mode > User Table
extern const NvSNMPVar VacmSecurityGroupTable[];  // SNMP v3 > View-based Access Control Mode > Security Group Table
extern const NvSNMPVar VacmAccessTable[];  // SNMP v3 > View-based Access Control Mode > Access Table
extern const NvSNMPVar VacmViewTreeFamilyTable[];  // SNMP v3 > View-based Access Control Mode > View MIB Tree Family Table
extern const NvSNMPVar NotifyTable[];  // SNMP v3 > Notifications > Notify Table
extern const NvSNMPVar NotifyFilterProfileTable[];  // SNMP v3 > Notifications > Notify Filter Profile Table
extern const NvSNMPVar NotifyFilterEntryTable[];  // SNMP v3 > Notifications > Notify Filter Entry Table
extern const NvSNMPVar CommunityStringTable[];  // SNMP v3 > Community > Community String Table
extern const NvSNMPVar CommunityTargetAddressTable[];  // SNMP v3 > Community > Target Address Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_snmpv3;
