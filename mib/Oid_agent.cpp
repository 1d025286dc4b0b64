#include "Oid_agent.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Agent Management > Basic Information
static const NvOptionPair ProtocolCapabilityValues[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {}};
static const NvOptionPair ConsoleInUseValues[] = {
    {1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
static const NvOptionPair FileTransferValues[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"}, {}};
static const NvOptionPair DualImageStatusValues[] = {{0, "not-supported"}, {1, "supported"}, {}};
static NvOptionList 
    ProtocolCapabilityList, ConsoleInUseList, FileTransferList, DualImageStatusList;
const NvSNMPVar AgentBasicInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", NvSyntax::integer, NvAccess::readonly, &ProtocolCapabilityList},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console In Use", NvSyntax::integer, NvAccess::readonly, &ConsoleInUseList},
    {"1.3.6.1.4.1.32473.12.1.1.5", "File Transfer", NvSyntax::integer, NvAccess::readonly, &FileTransferList},
    {"1.3.6.1.4.1.32473.12.1.1.7", "Dual Image Status", NvSyntax::integer, NvAccess::readonly, &DualImageStatusList},
    {"1.3.6.1.4.1.32473.12.1.1.12", "Serial Number", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Agent Management > MIB Capabilities
static const NvOptionPair TypeValues[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {}};
static NvOptionList TypeList;
const NvSNMPVar MibCapabilitiesTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", NvSyntax::integer, NvAccess::readonly, &TypeList},
    {}};

// Agent Management > Basic Management
static const NvOptionPair Rs232PortValues[] = {{2, "console"}, {}};
static const NvOptionPair SystemResetValues[] = {{3, "warm-start"}, {4, "no-reset"}, {}};
static const NvOptionPair SaveConfigurationValues[] = {
    {1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}, {}};
static const NvOptionPair GetIpFromValues[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {}};
static NvOptionList 
    Rs232PortList, SystemResetList, SaveConfigurationList, SnmpTrapStateList, GetIpFromList;
const NvSNMPVar BasicManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.4", "RS232 Port", NvSyntax::integer, NvAccess::readonly, &Rs232PortList},
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset", NvSyntax::integer, NvAccess::readwrite, &SystemResetList},
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Configuration", NvSyntax::integer, NvAccess::readwrite, &SaveConfigurationList},
    {"1.3.6.1.4.1.32473.12.1.2.22", "SNMP Trap State", NvSyntax::integer, NvAccess::readwrite, &SnmpTrapStateList},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Get IP From", NvSyntax::integer, NvAccess::readwrite, &GetIpFromList},
    {"1.3.6.1.4.1.32473.12.1.3.5", "IP Auto Configuration Timeout (1-65535)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Agent Management > CPU Utilization
const NvSNMPVar CpuUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "CPU Utilization In 5sec", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "CPU Utilization In 1min", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "CPU Utilization In 5min", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Agent Management > DRAM Utilization
const NvSNMPVar DramUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.9.1.1", "Unit ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.2", "Total DRAM", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.3", "Used DRAM", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.4", "Utilization", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Agent Management > Flash Utilization Table
const NvSNMPVar FlashUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.10.1.1", "Unit ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.2", "Total Flash", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.3", "Used Flash", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.4", "Utilization", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Agent Management > Port Utilization
const NvSNMPVar PortUtilizationTable[] = {
    {"1.3.6.1.4.1.32473.12.1.1.8.1.1", "Port Utilization Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.2", "Port Utilization TX", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.3", "Port Utilization RX", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.4", "Port Utilization Util", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Agent Management > Agent Supported Update Files
static const NvOptionPair UpdateFileTransferTypeValues[] = {{2, "network-load"}, {3, "out-of-band-load"}, {}};
static const NvOptionPair UpdateFileLoadTypeValues[] = {{2, "upload"}, {3, "download"}, {}};
static const NvOptionPair UpdateFileControlValues[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {}};
static NvOptionList UpdateFileTransferTypeList, UpdateFileLoadTypeList, UpdateFileControlList,
    UpdateFileBIncrementList;
const NvSNMPVar AgentUpdateFilesTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "File Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "File Description", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", NvSyntax::integer, NvAccess::readwrite,
     &UpdateFileTransferTypeList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", NvSyntax::integer, NvAccess::readwrite,
     &UpdateFileLoadTypeList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", NvSyntax::integer, NvAccess::readwrite, &UpdateFileControlList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File BIncrement", NvSyntax::integer, NvAccess::readwrite,
     &UpdateFileBIncrementList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.12", "File IPv6 Address", NvSyntax::ipv6address, NvAccess::readwrite, nullptr},
    {}};

// Agent Management > Multiple Image Management
const NvSNMPVar MultipleImageManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Multiple Image Information ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Multiple Image Version", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Multiple Image Size", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Multiple Image Update Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "Multiple Image From", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Multiple Image Send User", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Agent Management > Console Mode Control
static const NvOptionPair DataBitsValues[] = {{2, "bits-7"}, {3, "bits-8"}, {}};
static const NvOptionPair StopBitsValues[] = {{2, "stopbits-1"}, {3, "stopbits-2"}, {}};
static const NvOptionPair ParityValues[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {}};
static const NvOptionPair BaudRateValues[] = {
    {2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"},
    {6, "baudRate-57200"}, {7, "baudRate-115200"}, {}};
static const NvOptionPair LogoutTimeValues[] = {
    {1, "never"}, {2, "two-minutes"}, {3, "five-minutes"}, {4, "ten-minutes"},
    {5, "fifteen-minutes"}, {}};
static NvOptionList DataBitsList, StopBitsList, ParityList, BaudRateList, LogoutTimeList;
const NvSNMPVar ConsoleModeControlTable[] = {
    {"1.3.6.1.4.1.32473.12.1.5.1", "Data Bits", NvSyntax::integer, NvAccess::readonly, &DataBitsList},
    {"1.3.6.1.4.1.32473.12.1.5.2", "Stop Bits", NvSyntax::integer, NvAccess::readonly, &StopBitsList},
    {"1.3.6.1.4.1.32473.12.1.5.3", "Parity", NvSyntax::integer, NvAccess::readonly, &ParityList},
    {"1.3.6.1.4.1.32473.12.1.5.4", "Baud Rate", NvSyntax::integer, NvAccess::readwrite, &BaudRateList},
    {"1.3.6.1.4.1.32473.12.1.5.5", "Logout Time", NvSyntax::integer, NvAccess::readwrite, &LogoutTimeList},
    {}};

// Agent Management > ARP Clear All State
static NvOptionList ArpClearAllStateList;
const NvSNMPVar ArpClearAllStateTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "ARP Clear All State", NvSyntax::integer, NvAccess::readwrite, &ArpClearAllStateList},
    {}};

// Gratuitous ARP Management > Gratuitous ARP Management Infomation
static NvOptionList 
    SendOnIpifStatusUpList, SendOnDuplicateIpDetectedList, GratuitousArpLearningList;
const NvSNMPVar GratuitousArpSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.1", "Send On IPIF Status Up", NvSyntax::integer, NvAccess::readwrite, &SendOnIpifStatusUpList},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.2", "Send On Duplicate_IP_Detected", NvSyntax::integer, NvAccess::readwrite, &SendOnDuplicateIpDetectedList},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.3", "Gratuitous ARP Learning", NvSyntax::integer, NvAccess::readwrite, &GratuitousArpLearningList},
    {}};

// Gratuitous ARP Management > Gratuitous ARP Table
static NvOptionList TrapStateList, LogStateList;
const NvSNMPVar GratuitousArpTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.1", "Interface Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.2", "Periodical Send Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.3", "Trap State", NvSyntax::integer, NvAccess::readwrite, &TrapStateList},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.4", "Log State", NvSyntax::integer, NvAccess::readwrite, &LogStateList},
    {}};

// Agent Management > FDB Clear All State
static NvOptionList FdbClearAllStateList;
const NvSNMPVar FdbClearAllStateTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "FDB Clear All State", NvSyntax::integer, NvAccess::readwrite, &FdbClearAllStateList},
    {}};

// Trusted Host > Trusted Host Table
static NvOptionList RowStatusList;
const NvSNMPVar TrustedHostTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Subnet Mask", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Row Status", NvSyntax::integer, NvAccess::readwrite, &RowStatusList},
    {}};

// Trusted Host > Delete All State
static NvOptionList DeleteAllTrustedHostList;
const NvSNMPVar TrustedHostDeleteAllTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.2", "Delete All Trusted Host", NvSyntax::integer, NvAccess::readwrite, &DeleteAllTrustedHostList},
    {}};

// Cable Diagnostics
static const NvOptionPair PortTypeValues[] = {
    {0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {}};
static const NvOptionPair LinkStatusValues[] = {{0, "link-down"}, {1, "link-up"}, {2, "other"}, {}};
static const NvOptionPair Pair1StatusValues[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
    {6, "count"}, {7, "no-cable"}, {8, "other"}, {}};
static const NvOptionPair Pair2StatusValues[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
    {6, "count"}, {7, "no-cable"}, {8, "other"}, {}};
static const NvOptionPair Pair3StatusValues[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
    {6, "count"}, {7, "no-cable"}, {8, "other"}, {}};
static const NvOptionPair Pair4StatusValues[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
    {6, "count"}, {7, "no-cable"}, {8, "other"}, {}};
static const NvOptionPair ActionValues[] = {{1, "action"}, {2, "processing"}, {3, "other"}, {}};
static const NvOptionPair StatusValues[] = {
    {1, "not-run"}, {2, "processing"}, {3, "last-test-ok"}, {4, "last-test-failed"}, {}};
static NvOptionList 
    PortTypeList, LinkStatusList, Pair1StatusList, Pair2StatusList, Pair3StatusList,
    Pair4StatusList, ActionList, StatusList;
const NvSNMPVar CableDiagnosticsTable[] = {
    {"1.3.6.1.4.1.32473.12.58.1.1.1.1", "Port Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.2", "Port Type", NvSyntax::integer, NvAccess::readonly, &PortTypeList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.3", "Link Status", NvSyntax::integer, NvAccess::readonly, &LinkStatusList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.4", "Pair1 Status", NvSyntax::integer, NvAccess::readonly, &Pair1StatusList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.5", "Pair2 Status", NvSyntax::integer, NvAccess::readonly, &Pair2StatusList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.6", "Pair3 Status", NvSyntax::integer, NvAccess::readonly, &Pair3StatusList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.7", "Pair4 Status", NvSyntax::integer, NvAccess::readonly, &Pair4StatusList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.8", "Pair1 Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.9", "Pair2 Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.10", "Pair3 Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.11", "Pair4 Length", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.12", "Action", NvSyntax::integer, NvAccess::readwrite, &ActionList},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.13", "Status", NvSyntax::integer, NvAccess::readonly, &StatusList},
    {}};

// Save Changes
static const NvOptionPair SaveValues[] = {
    {1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}, {}};
static NvOptionList SaveList;
const NvSNMPVar SaveTable[] = {
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save", NvSyntax::integer, NvAccess::readwrite, &SaveList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&ProtocolCapabilityList, ProtocolCapabilityValues},
    {&ConsoleInUseList, ConsoleInUseValues},
    {&FileTransferList, FileTransferValues},
    {&DualImageStatusList, DualImageStatusValues},
    {&TypeList, TypeValues},
    {&Rs232PortList, Rs232PortValues},
    {&SystemResetList, SystemResetValues},
    {&SaveConfigurationList, SaveConfigurationValues},
    {&SnmpTrapStateList, ValueSet::Enabled1Disabled2},
    {&GetIpFromList, GetIpFromValues},
    {&DataBitsList, DataBitsValues},
    {&StopBitsList, StopBitsValues},
    {&ParityList, ParityValues},
    {&BaudRateList, BaudRateValues},
    {&LogoutTimeList, LogoutTimeValues},
    {&ArpClearAllStateList, ValueSet::OtherStart},
    {&SendOnIpifStatusUpList, ValueSet::Enabled1Disabled2},
    {&SendOnDuplicateIpDetectedList, ValueSet::Enabled1Disabled2},
    {&GratuitousArpLearningList, ValueSet::Enabled1Disabled2},
    {&TrapStateList, ValueSet::Enabled1Disabled2},
    {&LogStateList, ValueSet::Enabled1Disabled2},
    {&FdbClearAllStateList, ValueSet::OtherStart},
    {&RowStatusList, ValueSet::RowStatus},
    {&UpdateFileTransferTypeList, UpdateFileTransferTypeValues},
    {&UpdateFileLoadTypeList, UpdateFileLoadTypeValues},
    {&UpdateFileControlList, UpdateFileControlValues},
    {&UpdateFileBIncrementList, ValueSet::TruthValue},
    {&DeleteAllTrustedHostList, ValueSet::NoneStart},
    {&PortTypeList, PortTypeValues},
    {&LinkStatusList, LinkStatusValues},
    {&Pair1StatusList, Pair1StatusValues},
    {&Pair2StatusList, Pair2StatusValues},
    {&Pair3StatusList, Pair3StatusValues},
    {&Pair4StatusList, Pair4StatusValues},
    {&ActionList, ActionValues},
    {&StatusList, StatusValues},
    {&SaveList, SaveValues},
};

static const NvCatalogueTable Tables[] = {
    {"AgentBasicInformationTable", "1.3.6.1.4.1.32473.12.1.1", AgentBasicInformationTable},
    {"MibCapabilitiesTable", "1.3.6.1.4.1.32473.12.1.1.2.1", MibCapabilitiesTable},
    {"BasicManagementTable", "1.3.6.1.4.1.32473.12.1", BasicManagementTable},
    {"CpuUtilizationTable", "1.3.6.1.4.1.32473.12.1.1.6", CpuUtilizationTable},
    {"DramUtilizationTable", "1.3.6.1.4.1.32473.12.1.1.9.1", DramUtilizationTable},
    {"FlashUtilizationTable", "1.3.6.1.4.1.32473.12.1.1.10.1", FlashUtilizationTable},
    {"PortUtilizationTable", "1.3.6.1.4.1.32473.12.1.1.8.1", PortUtilizationTable},
    {"AgentUpdateFilesTable", "1.3.6.1.4.1.32473.12.1.2.1.1", AgentUpdateFilesTable},
    {"MultipleImageManagementTable", "1.3.6.1.4.1.32473.12.1.2.7.1", MultipleImageManagementTable},
    {"ConsoleModeControlTable", "1.3.6.1.4.1.32473.12.1.5", ConsoleModeControlTable},
    {"ArpClearAllStateTable", "1.3.6.1.4.1.32473.12.1.2.12", ArpClearAllStateTable},
    {"GratuitousArpSettingsTable", "1.3.6.1.4.1.32473.12.1.2.12.2", GratuitousArpSettingsTable},
    {"GratuitousArpTable", "1.3.6.1.4.1.32473.12.1.2.12.2.4.1", GratuitousArpTable},
    {"FdbClearAllStateTable", "1.3.6.1.4.1.32473.12.1.2.11", FdbClearAllStateTable},
    {"TrustedHostTable", "1.3.6.1.4.1.32473.12.1.2.10.1.1", TrustedHostTable},
    {"TrustedHostDeleteAllTable", "1.3.6.1.4.1.32473.12.1.2.10", TrustedHostDeleteAllTable},
    {"CableDiagnosticsTable", "1.3.6.1.4.1.32473.12.58.1.1.1", CableDiagnosticsTable},
    {"SaveTable", "1.3.6.1.4.1.32473.12.1.2", SaveTable},
};

NvCatalogueModule Oid_agent = {"Oid_agent", Tables, Lists};
