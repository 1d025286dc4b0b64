// Data module Oid_acl: 1.3.6.1.4.1.32473.12.9 access control lists: Ethernet, IP, packet-content
// and IPv6 profiles and rules, CPU interface filtering, flow metering, counters, delete-all
// actions.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar AclInformationTable[];  // ACL > ACL Information
extern const NvSNMPVar AclFlowMeterTable[];  // ACL > Flow Meter Table
extern const NvSNMPVar AclMeteringInformationTable[];  // ACL > Metering Information
extern const NvSNMPVar AclCounterTable[];  // ACL > Counter Table
extern const NvSNMPVar AclMaskDeleteAllStateTable[];  // ACL > ACL Mask Delete All State
extern const NvSNMPVar PacketContentMaskTable[];  // ACL > Packet Content Mask (page Packet Content Mask)
extern const NvSNMPVar PacketContentOffsetsTable[];  // ACL > Packet Content Mask (page Packet Content Offsets)
extern const NvSNMPVar PacketContentRuleOffsetsTable[];  // ACL > Packet Content Rule > Offsets Table
extern const NvSNMPVar CpuFilterGlobalSettingsTable[];  // CPU Interface Filtering > Global Settings
extern const NvSNMPVar CpuFilterIPv6MaskTable[];  // CPU Interface Filtering > IPv6 Mask(CPU Interface Filtering)
extern const NvSNMPVar AclEthernetProfileTable[];  // ACL > Ethernet Mask (dialog)
extern const NvSNMPVar AclEthernetRuleTable[];  // ACL > Ethernet Rule (dialog)
extern const NvSNMPVar CpuFilterEthernetProfileTable[];  // CPU Interface Filtering > Ethernet Mask (dialog)
extern const NvSNMPVar CpuFilterEthernetRuleTable[];  // CPU Interface Filtering > Ethernet Rule (dialog)
extern const NvSNMPVar CpuFilterPacketContentProfileTable[];  // CPU Interface Filtering > Packet Content Mask (dialog)
extern const NvSNMPVar CpuFilterPacketContentRuleTable[];  // CPU Interface Filtering > Packet Content Rule (dialog)
extern const NvSNMPVar AclIpProfileTable[];  // ACL > IP Mask (dialog)
extern const NvSNMPVar AclIpRuleTable[];  // ACL > IP Rule (dialog)
extern const NvSNMPVar AclIpv6ProfileTable[];  // ACL > IPv6 Mask (dialog)
extern const NvSNMPVar AclIpv6RuleTable[];  // ACL > IPv6 Rule (dialog)
extern const NvSNMPVar AclPacketContentRuleTable[];  // ACL > Packet Content Rule > Control Table (dialog)
extern const NvSNMPVar CpuFilterIpProfileTable[];  // CPU Interface Filtering > IP Mask (CPU Interface Filtering) (dialog)
extern const NvSNMPVar CpuFilterIpRuleTable[];  // CPU Interface Filtering > IP Rule (CPU Interface Filtering) (dialog)
extern const NvSNMPVar CpuFilterIpv6RuleTable[];  // CPU Interface Filtering > IPv6 Rule (CPU Interface Filtering) (dialog)

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_acl;
