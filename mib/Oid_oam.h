// Data module Oid_oam: connectivity fault management (1.3.111.2.802.1.1.8 and two model-arc
// tables), 1.3.6.1.2.1.158 Ethernet OAM.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar OamTable[];  // 802.3 OAM > OAM Table
extern const NvSNMPVar OamPeerTable[];  // 802.3 OAM > Peer Table
extern const NvSNMPVar OamLoopbackTable[];  // 802.3 OAM > Loopback Table
extern const NvSNMPVar OamStatisticsTable[];  // 802.3 OAM > Statistics Table
extern const NvSNMPVar OamEventConfigTable[];  // 802.3 OAM > Event Configuration Table
extern const NvSNMPVar OamEventLogTable[];  // 802.3 OAM > Event Log Table
extern const NvSNMPVar CfmGlobalStateTable[];  // CFM > Global State
extern const NvSNMPVar CfmPortTable[];  // CFM > Port Table
extern const NvSNMPVar CfmStackTable[];  // CFM > Stack Table
extern const NvSNMPVar CfmVlanTable[];  // CFM > VLAN Table
extern const NvSNMPVar CfmMdNextIndexTable[];  // CFM > MD > Next Index
extern const NvSNMPVar CfmMdTable[];  // CFM > MD > MD Table
extern const NvSNMPVar CfmMaNetTable[];  // CFM > MA > Net Table
extern const NvSNMPVar CfmMaComponentTable[];  // CFM > MA > Component Table
extern const NvSNMPVar CfmMaListTable[];  // CFM > MA > List Table
extern const NvSNMPVar CfmMepTable[];  // CFM > MEP > MEP Table
extern const NvSNMPVar CfmLinktraceReplyTable[];  // CFM > MEP > Linktrace Replies Table
extern const NvSNMPVar CfmMepDataTable[];  // CFM > MEP > Data Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_oam;
