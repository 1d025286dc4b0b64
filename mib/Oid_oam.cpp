#include "Oid_oam.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// 802.3 OAM > OAM Table
static const NvOptionPair OperationStatusValues[] = {
    {1, "disabled"}, {2, "linkFault"}, {3, "passiveWait"}, {4, "activeSendLocal"},
    {5, "sendLocalAndRemote"}, {6, "sendLocalAndRemoteOk"}, {7, "oamPeeringLocallyRejected"},
    {8, "oamPeeringRemotelyRejected"}, {9, "operational"}, {10, "nonOperHalfDuplex"}, {}};
static const NvOptionPair OamModeValues[] = {{1, "passive"}, {2, "active"}, {}};
static NvOptionList AdministrationStateList, OperationStatusList, OamModeList;
const NvSNMPVar OamTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.1.1.1", "Administration State", NvSyntax::integer, NvAccess::readwrite, &AdministrationStateList},
    {"1.3.6.1.2.1.158.1.1.1.2", "Operation Status", NvSyntax::integer, NvAccess::readonly, &OperationStatusList},
    {"1.3.6.1.2.1.158.1.1.1.3", " Mode", NvSyntax::integer, NvAccess::readwrite, &OamModeList},
    {"1.3.6.1.2.1.158.1.1.1.4", "Maximum OAM PDU Size", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.1.1.5", "PDU Revision", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.1.1.6", "Functions Supported", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// 802.3 OAM > Peer Table
static const NvOptionPair OamPeerModeValues[] = {{1, "passive"}, {2, "active"}, {3, "unknown"}, {}};
static NvOptionList OamPeerModeList;
const NvSNMPVar OamPeerTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.1", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.2", "Vendor OUI", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.3", "Vendor Information", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.4", "Mode", NvSyntax::integer, NvAccess::readonly, &OamPeerModeList},
    {"1.3.6.1.2.1.158.1.2.1.5", "Maximum OAM PDU Size", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.6", "PDU Revision", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.2.1.7", "Functions Supported", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {}};

// 802.3 OAM > Loopback Table
static const NvOptionPair LoopbackStatusValues[] = {
    {1, "noLoopback"}, {2, "initiatingLoopback"}, {3, "remoteLoopback"},
    {4, "terminatingLoopback"}, {5, "localLoopback"}, {6, "unknown"}, {}};
static const NvOptionPair LoopbackIgnoreRxValues[] = {{1, "ignore"}, {2, "process"}, {}};
static NvOptionList LoopbackStatusList, LoopbackIgnoreRxList;
const NvSNMPVar OamLoopbackTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.3.1.1", "Loopback Status", NvSyntax::integer, NvAccess::readwrite, &LoopbackStatusList},
    {"1.3.6.1.2.1.158.1.3.1.2", "Loopback Ignore RX", NvSyntax::integer, NvAccess::readwrite, &LoopbackIgnoreRxList},
    {}};

// 802.3 OAM > Statistics Table
const NvSNMPVar OamStatisticsTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.1", "Information TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.2", "Information RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.3", "Unique Event Notification TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.4", "Unique Event Notification RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.5", "Duplicate Event Notification TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.6", "Duplicate Event Notification RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.7", "Loopback Control TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.8", "Loopback Control RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.9", "Variable Request TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.10", "Variable Request RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.11", "Variable Response TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.12", "Variable Response RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.13", "Organization Specific TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.14", "Organization Specific RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.15", "Unsupported Codes TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.16", "Unsupported Codes RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.4.1.17", "Frames Lost Due To OAM", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// 802.3 OAM > Event Configuration Table
static NvOptionList 
    SymbolErrorNotifyStateList, FramePeriodErrorNotifyStateList, FrameErrorNotifyStateList,
    FrameSecondsErrorNotifyStateList, DyingGaspEnableList, CriticalEventEnableList;
const NvSNMPVar OamEventConfigTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.2", "Symbol Error Window", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.4", "Symbol Error Threshold", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.5", "Symbol Error Notify State", NvSyntax::integer, NvAccess::readwrite, &SymbolErrorNotifyStateList},
    {"1.3.6.1.2.1.158.1.5.1.6", "Frame Period Error Window", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.7", "Frame Period Error Threshold", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.8", "Frame Period Error Notify State", NvSyntax::integer, NvAccess::readwrite, &FramePeriodErrorNotifyStateList},
    {"1.3.6.1.2.1.158.1.5.1.9", "Frame Error Window", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.10", "Frame Error Threshold", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.11", "Frame Error Notify State", NvSyntax::integer, NvAccess::readwrite, &FrameErrorNotifyStateList},
    {"1.3.6.1.2.1.158.1.5.1.12", "Frame Seconds Error Window", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.13", "Frame Seconds Error Threshold", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.158.1.5.1.14", "Frame Seconds Error Notify State", NvSyntax::integer, NvAccess::readwrite, &FrameSecondsErrorNotifyStateList},
    {"1.3.6.1.2.1.158.1.5.1.15", "Dying Gasp Enable", NvSyntax::integer, NvAccess::readwrite, &DyingGaspEnableList},
    {"1.3.6.1.2.1.158.1.5.1.16", "Critical Event Enable", NvSyntax::integer, NvAccess::readwrite, &CriticalEventEnableList},
    {}};

// 802.3 OAM > Event Log Table
static const NvOptionPair EventLogTypeValues[] = {
    {1, "erroredSymbolEvent"}, {2, "erroredFramePeriodEvent"}, {3, "erroredFrameEvent"},
    {4, "erroredFrameSecondsEvent"}, {256, "linkFault"}, {257, "dyingGaspEvent"},
    {258, "criticalLinkEvent"}, {}};
static const NvOptionPair EventLogLocationValues[] = {{1, "local"}, {2, "remote"}, {}};
static NvOptionList EventLogTypeList, EventLogLocationList;
const NvSNMPVar OamEventLogTable[] = {
    {" ", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.1", "Event Log Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.2", "Event Log Timestamp", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.3", "Event Log OUI", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.4", "Event Log Type", NvSyntax::guage, NvAccess::readonly, &EventLogTypeList},
    {"1.3.6.1.2.1.158.1.6.1.5", "Event Log Location", NvSyntax::integer, NvAccess::readonly, &EventLogLocationList},
    {"1.3.6.1.2.1.158.1.6.1.6", "Event Log Window High", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.7", "Event Log Window Low", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.8", "Event Log  Threshold High", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.9", "Event Log Threshold Low", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.158.1.6.1.12", "Event Log Event Total", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// CFM > Global State
static NvOptionList CfmGlobalStateStateList;
const NvSNMPVar CfmGlobalStateTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.29.1", "State", NvSyntax::integer, NvAccess::readwrite, &CfmGlobalStateStateList},
    {}};

// CFM > Port Table
static NvOptionList CfmPortStateList;
const NvSNMPVar CfmPortTable[] = {
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.29.2.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.11.113.1.3.2.1.2.29.2.1.2", "State", NvSyntax::integer, NvAccess::readwrite, &CfmPortStateList},
    {}};

// CFM > Stack Table
static const NvOptionPair CfmStackDirectionValues[] = {{1, "down"}, {2, "up"}, {}};
static NvOptionList CfmStackDirectionList;
const NvSNMPVar CfmStackTable[] = {
    {"1.3.111.2.802.1.1.8.1.1.1.1.1", "IF Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.2", "VLAN ID Or None", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.3", "MD Level", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.4", "Direction", NvSyntax::integer, NvAccess::notaccess, &CfmStackDirectionList},
    {"1.3.111.2.802.1.1.8.1.1.1.1.5", "MD Index", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.6", "MA Index", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.7", "MEO ID", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.1.1.1.8", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// CFM > VLAN Table
static NvOptionList CfmVlanRowStatusList;
const NvSNMPVar CfmVlanTable[] = {
    {"1.3.111.2.802.1.1.8.1.3.1.1.1", "Component ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.3.1.1.2", "VLAN ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.3.1.1.3", "VLAN Primary ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.3.1.1.4", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CfmVlanRowStatusList},
    {}};

// CFM > MD > Next Index
const NvSNMPVar CfmMdNextIndexTable[] = {
    {"1.3.111.2.802.1.1.8.1.5.1", "MD Table Next Index", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// CFM > MD > MD Table
static const NvOptionPair FormatValues[] = {{4, "charString"}, {}};
static const NvOptionPair CfmMdMipCreationValues[] = {
    {1, "defMHFnone"}, {2, "defMHFdefault"}, {3, "defMHFexplicit"}, {}};
static const NvOptionPair CfmMdSenderIDTlvValues[] = {
    {1, "sendIdNone"}, {2, "sendIdChassis"}, {3, "sendIdManage"}, {4, "sendIdChassisManage"}, {}};
static NvOptionList FormatList, CfmMdMipCreationList, CfmMdSenderIDTlvList, CfmMdRowStatusList;
const NvSNMPVar CfmMdTable[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.2", "Format", NvSyntax::integer, NvAccess::readwrite, &FormatList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.3", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.4", "MD Level", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.5.2.1.5", "MIP Creation", NvSyntax::integer, NvAccess::readwrite, &CfmMdMipCreationList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.6", "Sender ID TLV", NvSyntax::integer, NvAccess::readwrite, &CfmMdSenderIDTlvList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.8", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CfmMdRowStatusList},
    {}};

// CFM > MA > Net Table
static const NvOptionPair NetFormatValues[] = {{2, "charString"}, {}};
static const NvOptionPair NetCcmIntervalValues[] = {
    {2, "interval10ms"}, {3, "interval100ms"}, {4, "interval1s"}, {5, "interval10s"},
    {6, "interval1min"}, {7, "interval10min"}, {}};
static NvOptionList NetFormatList, NetCcmIntervalList, NetRowStatusList;
const NvSNMPVar CfmMaNetTable[] = {
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.1", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.2", "Net Format", NvSyntax::integer, NvAccess::readwrite, &NetFormatList},
    {"1.3.111.2.802.1.1.8.1.6.1.1.3", "Net Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.1.1.4", "Net CCM Interval", NvSyntax::integer, NvAccess::readwrite, &NetCcmIntervalList},
    {"1.3.111.2.802.1.1.8.1.6.1.1.5", "Net Row Status", NvSyntax::integer, NvAccess::readwrite, &NetRowStatusList},
    {}};

// CFM > MA > Component Table
static const NvOptionPair CfmMaComponentMipCreationValues[] = {
    {1, "defMHFnone"}, {2, "defMHFdefault"}, {3, "defMHFexplicit"}, {4, "defMHFdefer"}, {}};
static const NvOptionPair CfmMaComponentSenderIDTlvValues[] = {
    {1, "sendIdNone"}, {2, "sendIdChassis"}, {3, "sendIdManage"}, {4, "sendIdChassisManage"},
    {5, "sendIdDefer"}, {}};
static NvOptionList 
    CfmMaComponentMipCreationList, CfmMaComponentSenderIDTlvList, CfmMaComponentRowStatusList;
const NvSNMPVar CfmMaComponentTable[] = {
    {"1.3.111.2.802.1.1.8.1.6.2.1.1", "Component ID", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.2", "Primary VLAN ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.3", "MIP Creation", NvSyntax::integer, NvAccess::readwrite, &CfmMaComponentMipCreationList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.4", "Sender ID TLV", NvSyntax::integer, NvAccess::readwrite, &CfmMaComponentSenderIDTlvList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.5", "Number Of VIDs(Only Support one VLAN)", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.2.1.6", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CfmMaComponentRowStatusList},
    {}};

// CFM > MA > List Table
static NvOptionList CfmMaListRowStatusList;
const NvSNMPVar CfmMaListTable[] = {
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.3.1.1", "MEPID List", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.6.3.1.2", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CfmMaListRowStatusList},
    {}};

// CFM > MEP > MEP Table
static const NvOptionPair CfmMepDirectionValues[] = {{1, "down"}, {2, "up"}, {}};
static const NvOptionPair FngStateValues[] = {
    {1, "fngReset"}, {2, "fngDefect"}, {3, "fngReportDefect"}, {4, "fngDefectReported"},
    {5, "fngDefectClearing"}, {}};
static const NvOptionPair LowestPriorityDefectValues[] = {
    {1, "allDef"}, {2, "macRemErrXcon"}, {3, "remErrXcon"}, {4, "errXcon"}, {5, "xcon"},
    {6, "noXcon"}, {}};
static const NvOptionPair HighestPriorityDefectValues[] = {
    {0, "none"}, {1, "defRDICCM"}, {2, "defMACstatus"}, {3, "defRemoteCCM"}, {4, "defErrorCCM"},
    {5, "defXconCCM"}, {}};
static NvOptionList 
    CfmMepDirectionList, ActiveList, FngStateList, CciEnabledList, LowestPriorityDefectList,
    HighestPriorityDefectList, TransmitLbmStatusList, TransmitLbmResultOkList,
    TransmitLtmStatusList, TransmitLtmResultList, CfmMepRowStatusList;
const NvSNMPVar CfmMepTable[] = {
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.1", "Identifier", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.2", "IF Index", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.3", "Direction", NvSyntax::integer, NvAccess::readwrite, &CfmMepDirectionList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.4", "Primary VLAN ID", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.5", "Active", NvSyntax::integer, NvAccess::readwrite, &ActiveList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.6", "FNG State", NvSyntax::integer, NvAccess::readonly, &FngStateList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.7", "CCI Enabled", NvSyntax::integer, NvAccess::readwrite, &CciEnabledList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.8", "CCM LTM Priority", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.9", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.10", "Lowest Priority Defect", NvSyntax::integer, NvAccess::readwrite, &LowestPriorityDefectList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.11", "FNG Alarm Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.12", "FNG Reset Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.13", "Highest Priority Defect", NvSyntax::integer, NvAccess::readonly, &HighestPriorityDefectList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.17", "CCM Sequence Errors", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.18", "CCI Sent CCMs", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.19", "Next Loopback Message Transmit ID", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.20", "In-order Loopback Replies Received", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.21", "Out-of-order Loopback Replies Received", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.23", "Next Sequence Number Of Linktrace Message", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.24", "Unexpected Linktrace Message Received", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.25", "Loopback Replies Transmitted", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.26", "Transmit LBM Status", NvSyntax::integer, NvAccess::readwrite, &TransmitLbmStatusList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.27", "Transmit LBM Destination MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.30", "Transmit LBM Messages", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.31", "Transmit LBM Data TLV", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.32", "Transmit LBM VLAN Priority", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.34", "Transmit LBM Result OK", NvSyntax::integer, NvAccess::readonly, &TransmitLbmResultOkList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.35", "Transmit LBM Squence Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.36", "Transmit LTM Status", NvSyntax::integer, NvAccess::readonly, &TransmitLtmStatusList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.37", "Transmit LTM Flags", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.38", "Transmit LTM Target MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.41", "Transmit LTM TTL", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.42", "Transmit LTM Result", NvSyntax::integer, NvAccess::readonly, &TransmitLtmResultList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.43", "Transmit LTM Sequence Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.1.1.45", "Row Status", NvSyntax::integer, NvAccess::readwrite, &CfmMepRowStatusList},
    {}};

// CFM > MEP > Linktrace Replies Table
static const NvOptionPair RelayValues[] = {{1, "rlyHit"}, {2, "rlyFdb"}, {3, "rlyMpdb"}, {}};
static const NvOptionPair IngressValues[] = {
    {0, "ingNoTlv"}, {1, "ingOk"}, {2, "ingDown"}, {3, "ingBlocked"}, {4, "ingVid"}, {}};
static const NvOptionPair EgressValues[] = {
    {0, "egrNoTlv"}, {1, "egrOK"}, {2, "egrDown"}, {3, "egrBlocked"}, {4, "egrVid"}, {}};
static NvOptionList ForwardedList, TerminalMepList, RelayList, IngressList, EgressList;
const NvSNMPVar CfmLinktraceReplyTable[] = {
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MEP Identifier", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.1", "Sequence Number", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.2", "Receive Order", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.3", "TTL", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.4", "Forwarded", NvSyntax::integer, NvAccess::readonly, &ForwardedList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.5", "Terminal MEP", NvSyntax::integer, NvAccess::readonly, &TerminalMepList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.6", "Last Egress Identifier", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.7", "Next Egress Identifier", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.8", "Relay", NvSyntax::integer, NvAccess::readonly, &RelayList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.13", "Ingress", NvSyntax::integer, NvAccess::readonly, &IngressList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.14", "Ingress MAC", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.2.1.17", "Egress", NvSyntax::integer, NvAccess::readonly, &EgressList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.18", "Egress MAC", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// CFM > MEP > Data Table
static const NvOptionPair RemoteMepStateValues[] = {
    {1, "rMepIdle"}, {2, "rMepStart"}, {3, "rMepFailed"}, {4, "rMepOk"}, {}};
static const NvOptionPair PortStatusTlvValues[] = {
    {0, "psNoPortStateTLV"}, {1, "psBlocked"}, {2, "psUp"}, {}};
static const NvOptionPair InterfaceStatusTlvValues[] = {
    {0, "isNoInterfaceStatusTLV"}, {1, "isUp"}, {2, "isDown"}, {3, "isTesting"}, {4, "isUnknown"},
    {5, "isDormant"}, {6, "isNotPresent"}, {7, "isLowerLayerDown"}, {}};
static NvOptionList RemoteMepStateList, RdiList, PortStatusTlvList, InterfaceStatusTlvList;
const NvSNMPVar CfmMepDataTable[] = {
    {" ", "MD Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MA Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {" ", "MEP Identifier", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.1", "Remote_MEP Identifier", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.2", "Remote_MEP State", NvSyntax::integer, NvAccess::readonly, &RemoteMepStateList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.3", "Remote_MEP Failed Ok Time", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.4", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.111.2.802.1.1.8.1.7.3.1.5", "RDI", NvSyntax::integer, NvAccess::readonly, &RdiList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.6", "Port Status TLV", NvSyntax::integer, NvAccess::readonly, &PortStatusTlvList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.7", "Interface Status TLV", NvSyntax::integer, NvAccess::readonly, &InterfaceStatusTlvList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AdministrationStateList, ValueSet::Enabled1Disabled2},
    {&OperationStatusList, OperationStatusValues},
    {&OamModeList, OamModeValues},
    {&OamPeerModeList, OamPeerModeValues},
    {&LoopbackStatusList, LoopbackStatusValues},
    {&LoopbackIgnoreRxList, LoopbackIgnoreRxValues},
    {&SymbolErrorNotifyStateList, ValueSet::TruthValue},
    {&FramePeriodErrorNotifyStateList, ValueSet::TruthValue},
    {&FrameErrorNotifyStateList, ValueSet::TruthValue},
    {&FrameSecondsErrorNotifyStateList, ValueSet::TruthValue},
    {&DyingGaspEnableList, ValueSet::TruthValue},
    {&CriticalEventEnableList, ValueSet::TruthValue},
    {&EventLogTypeList, EventLogTypeValues},
    {&EventLogLocationList, EventLogLocationValues},
    {&CfmGlobalStateStateList, ValueSet::Enabled1Disabled2},
    {&CfmPortStateList, ValueSet::Enabled1Disabled2},
    {&CfmStackDirectionList, CfmStackDirectionValues},
    {&CfmVlanRowStatusList, ValueSet::RowStatusShort},
    {&FormatList, FormatValues},
    {&CfmMdMipCreationList, CfmMdMipCreationValues},
    {&CfmMdSenderIDTlvList, CfmMdSenderIDTlvValues},
    {&CfmMdRowStatusList, ValueSet::RowStatusShort},
    {&NetFormatList, NetFormatValues},
    {&NetCcmIntervalList, NetCcmIntervalValues},
    {&NetRowStatusList, ValueSet::RowStatusShort},
    {&CfmMaComponentMipCreationList, CfmMaComponentMipCreationValues},
    {&CfmMaComponentSenderIDTlvList, CfmMaComponentSenderIDTlvValues},
    {&CfmMaComponentRowStatusList, ValueSet::RowStatusShort},
    {&CfmMaListRowStatusList, ValueSet::RowStatusShort},
    {&CfmMepDirectionList, CfmMepDirectionValues},
    {&ActiveList, ValueSet::TruthValue},
    {&FngStateList, FngStateValues},
    {&CciEnabledList, ValueSet::TruthValue},
    {&LowestPriorityDefectList, LowestPriorityDefectValues},
    {&HighestPriorityDefectList, HighestPriorityDefectValues},
    {&TransmitLbmStatusList, ValueSet::TruthValue},
    {&TransmitLbmResultOkList, ValueSet::TruthValue},
    {&TransmitLtmStatusList, ValueSet::TruthValue},
    {&TransmitLtmResultList, ValueSet::TruthValue},
    {&CfmMepRowStatusList, ValueSet::RowStatusShort},
    {&ForwardedList, ValueSet::TruthValue},
    {&TerminalMepList, ValueSet::TruthValue},
    {&RelayList, RelayValues},
    {&IngressList, IngressValues},
    {&EgressList, EgressValues},
    {&RemoteMepStateList, RemoteMepStateValues},
    {&RdiList, ValueSet::TruthValue},
    {&PortStatusTlvList, PortStatusTlvValues},
    {&InterfaceStatusTlvList, InterfaceStatusTlvValues},
};

static const NvCatalogueTable Tables[] = {
    {"OamTable", "1.3.6.1.2.1.158.1.1.1", OamTable},
    {"OamPeerTable", "1.3.6.1.2.1.158.1.2.1", OamPeerTable},
    {"OamLoopbackTable", "1.3.6.1.2.1.158.1.3.1", OamLoopbackTable},
    {"OamStatisticsTable", "1.3.6.1.2.1.158.1.4.1", OamStatisticsTable},
    {"OamEventConfigTable", "1.3.6.1.2.1.158.1.5.1", OamEventConfigTable},
    {"OamEventLogTable", "1.3.6.1.2.1.158.1.6.1", OamEventLogTable},
    {"CfmGlobalStateTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.2.29", CfmGlobalStateTable},
    {"CfmPortTable", "1.3.6.1.4.1.32473.11.113.1.3.2.1.2.29.2.1", CfmPortTable},
    {"CfmStackTable", "1.3.111.2.802.1.1.8.1.1.1.1", CfmStackTable},
    {"CfmVlanTable", "1.3.111.2.802.1.1.8.1.3.1.1", CfmVlanTable},
    {"CfmMdNextIndexTable", "1.3.111.2.802.1.1.8.1.5", CfmMdNextIndexTable},
    {"CfmMdTable", "1.3.111.2.802.1.1.8.1.5.2.1", CfmMdTable},
    {"CfmMaNetTable", "1.3.111.2.802.1.1.8.1.6.1.1", CfmMaNetTable},
    {"CfmMaComponentTable", "1.3.111.2.802.1.1.8.1.6.2.1", CfmMaComponentTable},
    {"CfmMaListTable", "1.3.111.2.802.1.1.8.1.6.3.1", CfmMaListTable},
    {"CfmMepTable", "1.3.111.2.802.1.1.8.1.7.1.1", CfmMepTable},
    {"CfmLinktraceReplyTable", "1.3.111.2.802.1.1.8.1.7.2.1", CfmLinktraceReplyTable},
    {"CfmMepDataTable", "1.3.111.2.802.1.1.8.1.7.3.1", CfmMepDataTable},
};

NvCatalogueModule Oid_oam = {"Oid_oam", Tables, Lists};
