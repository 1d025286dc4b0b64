// RMON, Bridge and VLAN menus.
#include "Commands.h"

#include "Oid_bridge.h"
#include "Oid_device.h"
#include "Oid_mstp.h"
#include "Oid_protocolvlan.h"
#include "Oid_qbridge.h"
#include "Oid_rmonprobe.h"

namespace {

using enum NvCommandKind;
using enum NvEditButton;
using enum NvPopupHooks;
using enum NvOwner;

constexpr NvMenuCommand Commands[] = {
    // RMON
    {.Item = "Menu_RMON", .Kind = Other,
     .View = {.Table = {RmonStateTable, "1.3.6.1.4.1.32473.11.113.1.3.2.1.2", "RMON State"}, .ListKind = SVT_SV,
              .IndexColumns = 0},
     .Custom = "RmonStateRule"},
    {.Item = "RMONSetting1", .Kind = Editor, .Title = "RMON State",
     .View = {.Table = {RmonStateTable, "1.3.6.1.4.1.32473.11.113.1.3.2.1.2", "RMON State"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "Statistics1", .Kind = Viewer, .Topic = "/TRmon_Statistics"},
    {.Item = "History1", .Kind = Viewer, .Topic = "/TRmon_History"},
    {.Item = "AlarmEvent1", .Kind = Viewer, .Topic = "/TRmon_AlarmEvent"},

    // RMON > Probe Config
    {.Item = "ProbeBasicInformation1", .Kind = Editor, .Title = "Probe Basic Information",
     .View = {.Table = {ProbeBasicInformationTable, "1.3.6.1.2.1.16.19", "Capabilities"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .EditWidth = NvEditWidthOfRow0},
     .Hidden = true},
    {.Item = "NetConfiguration1", .Kind = Editor, .Title = "Net Configuration Table",
     .View = {.Table = {NetConfigurationTable, "1.3.6.1.2.1.16.19.11.1", "Net Configure IP Address"},
              .ListKind = MVT_FMV, .IndexColumns = 0},
     .Hidden = true},
    {.Item = "NetDefaultGateway1", .Kind = Editor, .Title = "Net Default Gateway",
     .View = {.Table = {NetDefaultGatewayTable, "1.3.6.1.2.1.16.19", "Net Default Gateway"}, .ListKind = SVT_SV,
              .IndexColumns = 0},
     .Hidden = true},

    // Bridge
    {.Item = "SpanningTreeAlgorithm1", .Kind = Dialog, .Title = "Spanning Tree Algorithm",
     .DialogClass = "TSpanningTreeAlgorithmForm", .GlobalForm = "SpanningTreeAlgorithmForm"},

    // Bridge > 802.1D
    {.Item = "Information1", .Kind = Editor, .Title = "802.1D Information",
     .View = {.Table = {Dot1dInformationTable, "1.3.6.1.2.1.17", "Bridge Address"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{4, "%i{n10x65535l5}"}}}},
    {.Item = "PortTable1", .Kind = Table, .Title = "802.1D Port Table",
     .View = {.Table = {Dot1dPortTable, "1.3.6.1.2.1.17.1.4.1", "Index"}, .ListKind = MVT_FMV, .IndexColumns = 1},
     .Height = 450},

    // Bridge > Spanning Tree
    {.Item = "Information2", .Kind = Dialog, .Title = "STP Control", .DialogClass = "TSTP_Info",
     .GlobalForm = "STP_Info"},
    {.Item = "ConfigurationIdentification1", .Kind = Editor, .Title = "Configuration Identification",
     .View = {.Table = {MstConfigurationIdTable, "1.3.6.1.4.1.32473.12.15.2", "Name"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}}}},
    {.Item = "InstanceInformation1", .Kind = Dialog, .Title = "MSTP Instance Control",
     .DialogClass = "TMSTPVLANUnitForm", .GlobalForm = "MSTPVLANUnitForm"},
    {.Item = "PortStateInformation1", .Kind = Table, .Title = "Port State Information",
     .View = {.Table = {MstPortStateTable, "1.3.6.1.4.1.32473.12.15.2.4.1", "MST Port"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "PortMSTPInformation1", .Kind = Table, .Title = "Port MSTP Information",
     .View = {.Table = {MstPortMstpTable, "1.3.6.1.4.1.32473.12.15.2.5.1", "MST Port"}, .ListKind = MVT_UMV,
              .IndexColumns = 2}},

    // Bridge > Transparent Bridge
    {.Item = "ForwardingTable1", .Kind = Viewer, .Topic = "/TBridge_Forwarding"},
    {.Item = "PortCounters1", .Kind = Viewer, .Topic = "/TBridge_TpPortInfo"},

    // VLAN > 802.1p
    {.Item = "BasicConfigure2", .Kind = Editor, .Title = "802.1p Basic Configure",
     .View = {.Table = {Dot1pBasicConfigureTable, "1.3.6.1.2.1.17.6.1.1", "Device Capabilities"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "DefaultUserPrioritiesofEachPort1", .Kind = Table, .Title = "Default User Priorities of Each Port",
     .View = {.Table = {DefaultUserPrioritiesOfEachPortTable, "1.3.6.1.2.1.17.6.1.2.1.1", "Port"},
              .ListKind = MVT_FMV, .IndexColumns = 1, .Formats = {{1, "%i{n0x7l1}"}}}},
    {.Item = "RegeneratedUserPriorities1", .Kind = Table, .Title = "Regenerated User Priorities",
     .View = {.Table = {RegeneratedUserPrioritiesTable, "1.3.6.1.2.1.17.6.1.2.2.1", "Port"}, .ListKind = MVT_FMV,
              .IndexColumns = 2, .Formats = {{2, "%i{n0x7l1}"}}},
     .Hidden = true},
    {.Item = "UserPrioritiesToTrafficClass1", .Kind = Table, .Title = "User Priorities To Traffic Class",
     .View = {.Table = {UserPrioritiesToTrafficClassTable, "1.3.6.1.2.1.17.6.1.2.3.1", "Port"}, .ListKind = MVT_FMV,
              .IndexColumns = 2, .Formats = {{2, "%i{n0x7l1}"}}}},
    {.Item = "PortOutboundAccessPriorities1", .Kind = Table, .Title = "Port Outbound Access Priorities",
     .View = {.Table = {PortOutboundAccessPrioritiesTable, "1.3.6.1.2.1.17.6.1.2.4.1", "Port"}, .ListKind = MVT_FMV,
              .IndexColumns = 2},
     .Hidden = true},
    {.Item = "GMRP1", .Kind = Other, .Custom = "DoNothing", .Hidden = true},
    {.Item = "GVRP1", .Kind = Other, .Custom = "DoNothing", .Hidden = true},
    {.Item = "PortCapbility1", .Kind = Dialog, .Title = "Port Capability Form",
     .DialogClass = "TPortCapabilities8021dForm", .GlobalForm = "PortCapabilities8021dForm"},

    // VLAN > 802.1Q
    {.Item = "BasicConfigure", .Kind = Editor, .Title = "802.1Q VLAN Basic Configuration",
     .View = {.Table = {Dot1QBridgeBasicConfigureTable, "1.3.6.1.2.1.17.7.1.1", "VLAN Version Number"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "PortsInfo1", .Kind = Dialog, .Title = "VLAN Port Information Form",
     .DialogClass = "TVLanPortInfomationForm", .GlobalForm = "VLanPortInfomationForm"},
    {.Item = "UnicastForwardingInformation1", .Kind = Table, .Title = "Unicast Forwarding Information",
     .View = {.Table = {UnicastForwardingInformationTable, "1.3.6.1.2.1.17.7.1.2.2.1", "FDB ID"}, .ListKind = MVT_UMV,
              .IndexColumns = 2}},
    {.Item = "Databaseinformation1", .Kind = Table, .Title = "Filtering Database",
     .View = {.Table = {FilteringDatabaseTable, "1.3.6.1.2.1.17.7.1.2.1.1", "FDB ID"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "StaticForm1", .Kind = Dialog, .Title = "VLAN Static", .DialogClass = "TVlanStaticForm",
     .GlobalForm = "VlanStaticForm", .Owner = MainWindow},
    {.Item = "CurrentForm1", .Kind = Dialog, .Title = "VLAN Current", .DialogClass = "TVLanCurrentTableForm",
     .GlobalForm = "VLanCurrentTableForm", .Owner = MainWindow},
    {.Item = "UnicastInformation1", .Kind = Dialog, .Title = "Unicast Filter Information",
     .DialogClass = "TUnicastFilterInformationForm", .GlobalForm = "UnicastFilterInformationForm", .Owner = MainWindow},
    {.Item = "MulticastInformation1", .Kind = Dialog, .Title = "Multicast Filter Information",
     .DialogClass = "TMulticastFilterInformationForm", .GlobalForm = "MulticastFilterInformationForm",
     .Owner = MainWindow},

    // VLAN > Protocol VLAN
    {.Item = "GroupTable1", .Kind = TableAddDelete, .Title = "Protocol VLAN Group Table",
     .View = {.Table = {ProtocolGroupTable, "1.3.6.1.2.1.17.7.1.5.1.1", "Template Frame Type"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {3, "createAndGo", "destroy"}, .Edit = Hidden}},
    {.Item = "PortTable6", .Kind = Dialog, .Title = "Protocol VLAN Port Table",
     .DialogClass = "Tdot1vProtocolPortForm", .GlobalForm = "dot1vProtocolPortForm"},
    {.Item = "ProtocolPortEntryTable1", .Kind = Table, .Title = "Protocol VLAN Port Group Priority Table",
     .View = {.Table = {ProtocolPortGroupPriorityTable, "1.3.6.1.4.1.32473.12.16.1.2.1", "Base Port"},
              .ListKind = MVT_UMV, .IndexColumns = 2}},

    // VLAN
    {.Item = "MACbasedVLAN1", .Kind = TableAddDelete, .Title = "MAC-based VLAN",
     .View = {.Table = {MacBasedVlanTable, "1.3.6.1.4.1.32473.12.56.3.2.1", "MAC"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {3, "createAndGo", "destroy"},
              .Formats = {{0, "%s{M}"}, {1, "%i{n1x4095l4}"}}, .Edit = Hidden}},

    // VLAN > Q-in-Q
    {.Item = "QinQGlobalStateSettings1", .Kind = Editor, .Title = "Q-in-Q Global State Settings",
     .View = {.Table = {QinQGlobalStateTable, "1.3.6.1.4.1.32473.12.57.1", "Q-in-Q State"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "QinQPortTable1", .Kind = Table, .Title = "Q-in-Q Port Table",
     .View = {.Table = {QinQPortTable, "1.3.6.1.4.1.32473.12.57.3.1.1", "Port Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "VLANTranslatation1", .Kind = TableAddDelete, .Title = "VLAN Translation CVID Table",
     .View = {.Table = {VlanTranslationCvidTable, "1.3.6.1.4.1.32473.12.57.4.3.1", "CVID"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {3, "createAndGo", "destroy"}, .Edit = Removed}},

    // VLAN
    {.Item = "PVIDAutoAssignmentState1", .Kind = Editor, .Title = "PVID Auto Assignment State Settings",
     .View = {.Table = {PvidAutoAssignmentTable, "1.3.6.1.4.1.32473.11.113.1.3.2.23", "State"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "VLANAdvertisementTable1", .Kind = Table, .Title = "VLAN Advertisement Table",
     .View = {.Table = {VlanAdvertisementTable, "1.3.6.1.4.1.32473.11.113.1.3.2.23.1.1", "VLAN Index"},
              .ListKind = MVT_UMV, .IndexColumns = 1}},
    {.Item = "VlLANMultiplyManagement1", .Kind = Editor, .Title = "VLAN Multiply Management",
     .View = {.Table = {VlanMultiplyManagementTable, "1.3.6.1.4.1.32473.11.113.1.3.2.23.2", "VLAN List"},
              .ListKind = SVT_SV, .IndexColumns = 0, .PortBoxes = {2, 14, 28}}},
};

}  // namespace

std::span<const NvMenuCommand> NvRmonBridgeVlanCommands() { return Commands; }
