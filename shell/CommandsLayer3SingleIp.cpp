// Layer 3, Single IP, Help and Refresh menus.
#include "Commands.h"

#include "Oid_device.h"
#include "Oid_singleip.h"

namespace {

using enum NvCommandKind;
using enum NvEditButton;
using enum NvPopupHooks;
using enum NvOwner;

constexpr NvMenuCommand Commands[] = {
    // Layer 3 > IP Managment
    {.Item = "IPControlTable1", .Kind = Table, .Title = "IP Control Table",
     .View = {.Table = {IpControlTable, "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.3.1", "Interface Name"},
              .ListKind = MVT_UMV, .IndexColumns = 1, .Tag = {5, 99}}},
    {.Item = "IPv6ControlTable1", .Kind = Table, .Title = "IPv6 Control Table",
     .View = {.Table = {IPv6ControlTable, "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.4.1", "Interface Name"},
              .ListKind = MVT_UMV, .IndexColumns = 1, .Formats = {{0, "%s{l24}"}}}},
    {.Item = "IPv6AddressControlTable1", .Kind = TableAddDelete, .Title = "IPv6 Address Control Table",
     .View = {.Table = {IPv6AddressControlTable, "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.5.1", "Interface Name"},
              .ListKind = MVT_UMV, .IndexColumns = 3, .Status = {3, "createAndGo", "destroy"},
              .Formats = {{0, "%s{l24}"}, {1, "%s{l32f}"}}}},
    {.Item = "AllIPInterfaceStateSettings1", .Kind = Editor, .Title = "All IP Interface State Settings",
     .View = {.Table = {AllIpInterfaceStateTable, "1.3.6.1.4.1.32473.11.113.1.3.3.2.1.7", "All IP Interface State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},

    // Layer 3 > IPv6 Management
    {.Item = "IPv6StaticRoute1", .Kind = Dialog, .Title = "IPv6 Static Route Table",
     .DialogClass = "TIpv6StaticRouteForm", .GlobalForm = "Ipv6StaticRouteForm"},
    {.Item = "NeighborCacheDeleteSettings1", .Kind = Editor, .Title = "IPv6 Neighbor Cache Delete Action",
     .View = {.Table = {NeighborCacheDeleteTable, "1.3.6.1.4.1.32473.12.26.4.2", "IPv6 Neighbor Cache Delete Action"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "NeighborCacheTable1", .Kind = TableAddDelete, .Title = "IPv6 Neighbor Cache Table",
     .View = {.Table = {NeighborCacheTable, "1.3.6.1.4.1.32473.12.26.4.1.1", "IPv6 Address"}, .ListKind = MVT_UMV,
              .IndexColumns = 3, .Status = {4, "createAndGo", "destroy"}, .Edit = Removed}},

    // Layer 3 > DHCP Relay
    {.Item = "DHCPRelayManagement1", .Kind = Editor, .Title = "DHCP Relay Management",
     .View = {.Table = {DhcpRelayManagementTable, "1.3.6.1.4.1.32473.12.42.1", "State"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{1, "%i{n1x16l2}"}, {2, "%i{n0x65535l5}"}}}},
    {.Item = "Control1", .Kind = Dialog, .Title = "DHCP Relay Control", .DialogClass = "TBOOTCtrlTableForm",
     .GlobalForm = "BOOTCtrlTableForm", .Owner = MainWindow},
    {.Item = "DHCPLocalRelayState1", .Kind = Editor, .Title = "DHCP Local Relay State",
     .View = {.Table = {DhcpLocalRelayStateTable, "1.3.6.1.4.1.32473.11.113.1.3.2.24.1", "DHCP Local Relay State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "DHCPLocalRelayVLANTable1", .Kind = Table, .Title = "DHCP Local Relay VLAN Table",
     .View = {.Table = {DhcpLocalRelayVlanTable, "1.3.6.1.4.1.32473.11.113.1.3.2.24.2.1", "VLAN ID"},
              .ListKind = MVT_UMV, .IndexColumns = 1}},

    // Single IP
    {.Item = "GlobalSettings6", .Kind = Editor, .Title = "Single IP Control",
     .View = {.Table = {SingleIpGlobalSettingsTable, "1.3.6.1.4.1.32473.12.8.1.2", "Admin"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}, {4, "%s{l64}"}}}},
    {.Item = "Information6", .Kind = Editor, .Title = "My Information",
     .View = {.Table = {SingleIpInformationTable, "1.3.6.1.4.1.32473.12.8.1.1", "Version"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "MemberSwitch1", .Kind = Dialog, .Title = "Member Switch Information",
     .DialogClass = "TMSInformationForm", .GlobalForm = "MSInformationForm", .Owner = MainWindow},
    {.Item = "CandidateSwitch1", .Kind = Table, .Title = "Single IP Candidate Switch Management",
     .View = {.Table = {SingleIpCandidateTable, "1.3.6.1.4.1.32473.12.8.1.4.1", "ID"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "GroupInformation1", .Kind = Table, .Title = "Single IP Group Management",
     .View = {.Table = {SingleIpGroupTable, "1.3.6.1.4.1.32473.12.8.1.5.1", "MAC Address"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "NeighborSwitch1", .Kind = Table, .Title = "Neighbor Switch",
     .View = {.Table = {SingleIpNeighborTable, "1.3.6.1.4.1.32473.12.8.1.6.1", "Received Port"}, .ListKind = MVT_FMV,
              .IndexColumns = 2}},

    // Help
    {.Item = "Help2", .Kind = Other, .Custom = "OpenHelpFile"},
    {.Item = "About1", .Kind = Dialog, .DialogClass = "TAboutForm", .GlobalForm = "AboutForm", .NoCaption = true},

    // Refresh
    {.Item = "Refresh1", .Kind = Other, .Custom = "RefreshFrontPanel"},
};

}  // namespace

std::span<const NvMenuCommand> NvLayer3SingleIpCommands() { return Commands; }
