// Data module Oid_agent: 1.3.6.1.4.1.32473.12.1 agent management (capabilities, MIB
// capabilities, CPU, port, DRAM and flash utilisation, firmware files, basic management, save,
// multiple image, console, trusted hosts, FDB and ARP clear, gratuitous ARP);
// 1.3.6.1.4.1.32473.12.58 cable diagnostics.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar AgentBasicInformationTable[];  // Agent Management > Basic Information
extern const NvSNMPVar MibCapabilitiesTable[];  // Agent Management > MIB Capabilities
extern const NvSNMPVar BasicManagementTable[];  // Agent Management > Basic Management
extern const NvSNMPVar CpuUtilizationTable[];  // Agent Management > CPU Utilization
extern const NvSNMPVar DramUtilizationTable[];  // Agent Management > DRAM Utilization
extern const NvSNMPVar FlashUtilizationTable[];  // Agent Management > Flash Utilization Table
extern const NvSNMPVar PortUtilizationTable[];  // Agent Management > Port Utilization
extern const NvSNMPVar AgentUpdateFilesTable[];  // Agent Management > Agent Supported Update Files
extern const NvSNMPVar MultipleImageManagementTable[];  // Agent Management > Multiple Image Management
extern const NvSNMPVar ConsoleModeControlTable[];  // Agent Management > Console Mode Control
extern const NvSNMPVar ArpClearAllStateTable[];  // Agent Management > ARP Clear All State
extern const NvSNMPVar GratuitousArpSettingsTable[];  // Gratuitous ARP Management > Gratuitous ARP Management Infomation
extern const NvSNMPVar GratuitousArpTable[];  // Gratuitous ARP Management > Gratuitous ARP Table
extern const NvSNMPVar FdbClearAllStateTable[];  // Agent Management > FDB Clear All State
extern const NvSNMPVar TrustedHostTable[];  // Trusted Host > Trusted Host Table
extern const NvSNMPVar TrustedHostDeleteAllTable[];  // Trusted Host > Delete All State
extern const NvSNMPVar CableDiagnosticsTable[];  // Cable Diagnostics
extern const NvSNMPVar SaveTable[];  // Save Changes

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_agent;
