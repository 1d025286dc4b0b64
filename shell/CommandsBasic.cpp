// Basic Configuration menu: device, agent, time, log and mail management,
// standard MIBs, ping, trace route, save and reboot.
#include "Commands.h"

#include "Oid_agent.h"
#include "Oid_device.h"
#include "Oid_equipment.h"
#include "Oid_etherlike.h"
#include "Oid_ifmib.h"
#include "Oid_ping.h"
#include "Oid_smtp.h"
#include "Oid_syslog.h"
#include "Oid_time.h"

namespace {

using enum NvCommandKind;
using enum NvEditButton;
using enum NvPopupHooks;
using enum NvOwner;

constexpr NvMenuCommand Commands[] = {
    // Basic Configuration > Device Management
    {.Item = "L2DeviceAlarmLinkChange1", .Kind = Editor, .Title = "Device Alarm Link Settings",
     .View = {.Table = {AlarmLinkSettingsTable, "1.3.6.1.4.1.32473.11.113.1.3.2.1.3", "Device Alarm Link Change"},
              .ListKind = SVT_SV, .IndexColumns = 0}},

    // Basic Configuration > Equipment Management
    {.Item = "PowerTable1", .Kind = Table, .Title = "Power Table",
     .View = {.Table = {PowerTable, "1.3.6.1.4.1.32473.12.11.1.6.1", "Power Unit Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 2},
     .Hidden = true},
    {.Item = "ExternalAlarmTable1", .Kind = Table, .Title = "External Alarm Table",
     .View = {.Table = {ExternalAlarmTable, "1.3.6.1.4.1.32473.12.11.1.10.1", "External Alarm Channel"},
              .ListKind = MVT_FMV, .IndexColumns = 1},
     .Hidden = true},

    // Basic Configuration > Agent Management
    {.Item = "BasicInfo1", .Kind = Editor, .Title = "Basic Information",
     .View = {.Table = {AgentBasicInformationTable, "1.3.6.1.4.1.32473.12.1.1", "Protocol Capability"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "MibCapabilities1", .Kind = Table, .Title = "MIB Capabilities",
     .View = {.Table = {MibCapabilitiesTable, "1.3.6.1.4.1.32473.12.1.1.2.1", "Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 1},
     .Height = 450},
    {.Item = "BasicConfigure1", .Kind = Editor, .Title = "Basic Management",
     .View = {.Table = {BasicManagementTable, "1.3.6.1.4.1.32473.12.1", "RS232 Port"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{5, "%i{n1x65535l5}"}}, .TimeOut = 400}},
    {.Item = "CpuUtilization1", .Kind = Editor, .Title = "CPU Utilization",
     .View = {.Table = {CpuUtilizationTable, "1.3.6.1.4.1.32473.12.1.1.6", "CPU Utilization In 5sec"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "DRAMUtilization1", .Kind = Table, .Title = "DRAM Utilization Table",
     .View = {.Table = {DramUtilizationTable, "1.3.6.1.4.1.32473.12.1.1.9.1", "Unit ID"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "FLASHUtilizationTable1", .Kind = Table, .Title = "Flash Utilization Table",
     .View = {.Table = {FlashUtilizationTable, "1.3.6.1.4.1.32473.12.1.1.10.1", "Unit ID"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "PortUtilization1", .Kind = Table, .Title = "Port Utilization Table",
     .View = {.Table = {PortUtilizationTable, "1.3.6.1.4.1.32473.12.1.1.8.1", "Port Utilization Port Index"},
              .ListKind = MVT_FMV, .IndexColumns = 1}},
    {.Item = "AgentSuportedUpdateFiles1", .Kind = Dialog, .Title = "Agent Supported Update Files",
     .DialogClass = "TfrmAgentSupportedUpdateFiles", .GlobalForm = "frmAgentSupportedUpdateFiles", .Owner = MainWindow},
    {.Item = "Multipleimagemanagement1", .Kind = Table, .Title = "Multiple Image Management",
     .View = {.Table = {MultipleImageManagementTable, "1.3.6.1.4.1.32473.12.1.2.7.1", "Multiple Image Information ID"},
              .ListKind = MVT_UMV, .IndexColumns = 1},
     .Height = 450},
    {.Item = "ConsoleModeControl1", .Kind = Editor, .Title = "Console Mode Control",
     .View = {.Table = {ConsoleModeControlTable, "1.3.6.1.4.1.32473.12.1.5", "Data Bits"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "ARPClearAllState1", .Kind = Editor, .Title = "ARP Clear All State",
     .View = {.Table = {ArpClearAllStateTable, "1.3.6.1.4.1.32473.12.1.2.12", "ARP Clear All State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "GratuitousARPManagementInfomation1", .Kind = Editor, .Title = "Gratuitous ARP Management Information",
     .View = {.Table = {GratuitousArpSettingsTable, "1.3.6.1.4.1.32473.12.1.2.12.2", "Send On IPIF Status Up"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "GratuitousARPTable1", .Kind = Table, .Title = "Gratuitous ARP Management Table",
     .View = {.Table = {GratuitousArpTable, "1.3.6.1.4.1.32473.12.1.2.12.2.4.1", "Interface Name"},
              .ListKind = MVT_UMV, .IndexColumns = 1, .Formats = {{1, "%i{n0x65535l5}"}}}},
    {.Item = "FDBClearAllState1", .Kind = Editor, .Title = "FDB Clear All State",
     .View = {.Table = {FdbClearAllStateTable, "1.3.6.1.4.1.32473.12.1.2.11", "FDB Clear All State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "TrustHostTable1", .Kind = TableAddDelete, .Title = "Trusted Host Table",
     .View = {.Table = {TrustedHostTable, "1.3.6.1.4.1.32473.12.1.2.10.1.1", "Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {3, "createAndGo", "destroy"}, .Edit = Removed}},
    {.Item = "DeleteAllState1", .Kind = Editor, .Title = "Delete All Trusted Host",
     .View = {.Table = {TrustedHostDeleteAllTable, "1.3.6.1.4.1.32473.12.1.2.10", "Delete All Trusted Host"},
              .ListKind = SVT_SV, .IndexColumns = 0}},

    // Basic Configuration > Time Management
    {.Item = "Time1", .Kind = Dialog, .Title = "Current Time", .DialogClass = "TCurrentTimeForm",
     .GlobalForm = "CurrentTimeForm"},
    {.Item = "CurrentTime1", .Kind = Editor, .Title = "System Time",
     .View = {.Table = {SystemTimeTable, "1.3.6.1.4.1.32473.12.10", "Clock Reset On Reboot"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "NetworkTime1", .Kind = Dialog, .Title = "Network Time", .DialogClass = "TfrmNetwroktime",
     .GlobalForm = "frmNetwroktime", .Owner = MainWindow},
    {.Item = "SummerTime1", .Kind = Dialog, .Title = "Summer Time", .DialogClass = "TfrmSummerTime"},

    // Basic Configuration > System Log Management
    {.Item = "SystemLogState1", .Kind = Editor, .Title = "System Log Mangement",
     .View = {.Table = {SyslogGlobalSettingsTable, "1.3.6.1.4.1.32473.12.12", "State"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{2, "%i{n1x65535l5}"}}}},
    {.Item = "SystemLogServerTable1", .Kind = Dialog, .Title = "System Log Host Table",
     .DialogClass = "TSystemLogServerForm"},

    // Basic Configuration > SMTP Management
    {.Item = "SMTPControlTable1", .Kind = Dialog, .DialogClass = "TSMTPControlForm", .NoCaption = true},
    {.Item = "SMTPInformationTable1", .Kind = Editor, .Title = "SMTP Information Table",
     .View = {.Table = {SmtpInformationTable, "1.3.6.1.4.1.32473.12.29.2", "SMTP Send Test Status"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "SMTPMailReceiverTable1", .Kind = TableAddDelete, .Title = "SMTP Mail Receiver Table",
     .View = {.Table = {MailReceiverTable, "1.3.6.1.4.1.32473.12.29.3.1.1", "SMTP Mail Receiver Address Index"},
              .ListKind = MVT_UMV, .IndexColumns = 1, .Status = {2, "createAndGo", "destroy"}, .Edit = Removed}},

    // Basic Configuration
    {.Item = "CableDiagnostics1", .Kind = Table, .Title = "Cable Diagnostics Table",
     .View = {.Table = {CableDiagnosticsTable, "1.3.6.1.4.1.32473.12.58.1.1.1", "Port Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 1, .TimeOut = 1000}},

    // Basic Configuration > Entity
    {.Item = "PhysicalTable1", .Kind = Viewer, .Topic = "/TEntityMIB_Physical", .Hidden = true},
    {.Item = "LogicalTable1", .Kind = Viewer, .Topic = "/TEntityMIB_Logical", .Hidden = true},
    {.Item = "Mapping1", .Kind = Viewer, .Topic = "/TEntityMIB_Maping", .Hidden = true},

    // Basic Configuration > IF-MIB
    {.Item = "GeneralTable1", .Kind = Viewer, .Topic = "/TIFMib_LastChangeTable"},
    {.Item = "IFXTable1", .Kind = Table, .Title = "IfX Table",
     .View = {.Table = {IfXTable, "1.3.6.1.2.1", "IF Index"}, .ListKind = MVT_UMV, .IndexColumns = 1},
     .Height = 450, .VersionRaise = true},

    // Basic Configuration > MIB II
    {.Item = "Information3", .Kind = Viewer, .Topic = "/TMIB_Info"},
    {.Item = "IfTable1", .Kind = Viewer, .Topic = "/TMIB_IFTable"},
    {.Item = "IFCounter1", .Kind = Viewer, .Topic = "/TMIB_IFCounters"},
    {.Item = "IPTable1", .Kind = Viewer, .Topic = "/TMIB_IPTable"},
    {.Item = "IPCounters1", .Kind = Viewer, .Topic = "/TMIB_IPCounters"},
    {.Item = "IPRouting1", .Kind = Viewer, .Topic = "/TMIB_IPRouting"},
    {.Item = "IPAddressTable1", .Kind = Viewer, .Topic = "/TMIB_IPAddress"},
    {.Item = "ICMPCounters1", .Kind = Viewer, .Topic = "/TMIB_ICMPCounters"},
    {.Item = "UDPCounters1", .Kind = Viewer, .Topic = "/TMIB_UDPCounters"},
    {.Item = "SNMPCounters1", .Kind = Viewer, .Topic = "/TMIB_SNMPCounters"},
    {.Item = "ARPTable1", .Kind = Dialog, .Title = "ARP", .DialogClass = "TARPConfigForm",
     .GlobalForm = "ARPConfigForm"},

    // Basic Configuration > EtherLike-MIB
    {.Item = "dot3Statistics1", .Kind = Viewer, .Topic = "/TEthernetLike_dot3StatsTable"},
    {.Item = "Dot3Collision1", .Kind = Table, .Title = "Dot3 Collisions",
     .View = {.Table = {Dot3CollisionsTable, "1.3.6.1.2.1.10.7.5.1", "IF Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 2},
     .Height = 450, .Hidden = true},
    {.Item = "dot3ControlTable1", .Kind = Dialog, .Title = "Dot3 Control Table", .DialogClass = "Tdot3ControlForm",
     .GlobalForm = "dot3ControlForm"},
    {.Item = "dot3PauseTable1", .Kind = Dialog, .Title = "Dot3 Pause Table", .DialogClass = "Tdot3PauseForm",
     .GlobalForm = "dot3PauseForm"},

    // Basic Configuration > Ping
    {.Item = "MaxConcurrentRequests1", .Kind = Editor, .Title = "Ping Max Concurrent Requests",
     .View = {.Table = {PingMaxRequestsTable, "1.3.6.1.2.1.80.1", "Max Concurrent Requests"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "PingControlTable1", .Kind = TableAddDelete, .Title = "Ping Control Table",
     .View = {.Table = {PingControlTable, "1.3.6.1.2.1.80.1.2.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {6, "createAndGo", "destroy"}, .Edit = Removed}},
    {.Item = "PingResultsTable1", .Kind = Table, .Title = "Ping Results Table",
     .View = {.Table = {PingResultsTable, "1.3.6.1.2.1.80.1.3.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 2}},
    {.Item = "ProbeHistoryTable1", .Kind = Table, .Title = "Ping Probe History Table",
     .View = {.Table = {PingProbeHistoryTable, "1.3.6.1.2.1.80.1.4.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 3},
     .Hidden = true},

    // Basic Configuration > Trace Route
    {.Item = "MaxConcurrentRequests2", .Kind = Editor, .Title = "Trace Route Max Concurrent Requests",
     .View = {.Table = {TraceRouteMaxRequestsTable, "1.3.6.1.2.1.81.1", "Max Concurrent Requests"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "TrouceControlTable1", .Kind = TableAddDelete, .Title = "Trace Route Control Table",
     .View = {.Table = {TraceRouteControlTable, "1.3.6.1.2.1.81.1.2.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {8, "createAndGo", "destroy"}, .Edit = Removed}},
    {.Item = "TraceRouteResultTable1", .Kind = Table, .Title = "Trace Route Results Table",
     .View = {.Table = {TraceRouteResultTable, "1.3.6.1.2.1.81.1.3.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 2}},
    {.Item = "ProbeHistoryTable2", .Kind = Table, .Title = "Trace Route Probe History Table",
     .View = {.Table = {TraceRouteProbeHistoryTable, "1.3.6.1.2.1.81.1.4.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 5},
     .Hidden = true},
    {.Item = "RouteHopsTable1", .Kind = Table, .Title = "Trace Route Hops Table",
     .View = {.Table = {TraceRouteHopsTable, "1.3.6.1.2.1.81.1.5.1", "Owner Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 3},
     .Hidden = true},

    // Basic Configuration
    {.Item = "SaveChanges1", .Kind = Editor, .Title = "Save Changes",
     .View = {.Table = {SaveTable, "1.3.6.1.4.1.32473.12.1.2", "Save"}, .ListKind = SVT_SV, .IndexColumns = 0,
              .TimeOut = 900}},
    {.Item = "Reboot1", .Kind = Other, .Custom = "RebootDevice"},
};

}  // namespace

std::span<const NvMenuCommand> NvBasicConfigurationCommands() { return Commands; }
