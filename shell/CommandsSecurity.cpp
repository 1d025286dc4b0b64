// Security menu: authentication, 802.1X, RADIUS, AAC, SSH, SSL, safeguard,
// IP-MAC binding, DoS, MBA, DHCP screening.
#include "Commands.h"

#include "Oid_aaa.h"
#include "Oid_device.h"
#include "Oid_dot1xpae.h"
#include "Oid_filterunit.h"
#include "Oid_ipmacbinding.h"
#include "Oid_radius.h"
#include "Oid_ssh.h"

namespace {

using enum NvCommandKind;
using enum NvEditButton;
using enum NvPopupHooks;
using enum NvOwner;

constexpr NvMenuCommand Commands[] = {
    // Security
    {.Item = "SecurityManagement1", .Kind = Other, .Custom = "DoNothing"},
    {.Item = "AuthenticationModeSettings1", .Kind = Editor, .Title = "Authentication Mode Settings",
     .View = {.Table = {AuthenticationModeSettingsTable, "1.3.6.1.4.1.32473.12.3.1", "Authentication Protocol"},
              .ListKind = SVT_SV, .IndexColumns = 0}},

    // Security > 802.1X
    {.Item = "Configuration2", .Kind = Editor, .Title = "802.1X Configuration",
     .View = {.Table = {Dot1xConfigurationTable, "1.0.8802.1.1.1.1.1", "Authentication Control"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "PortTable3", .Kind = Table, .Title = "802.1X Port Table",
     .View = {.Table = {Dot1xPortTable, "1.0.8802.1.1.1.1.1.2.1", "Port Number"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "PortConfiguration2", .Kind = Table, .Title = "802.1X Port Configuration",
     .View = {.Table = {Dot1xPortConfigurationTable, "1.0.8802.1.1.1.1", "Port Number"}, .ListKind = MVT_UMV,
              .IndexColumns = 1,
              .Formats = {{7, "%i{n0x65535l5}"},
                          {8, "%i{n1x65535l5}"},
                          {9, "%i{n1x65535l5}"},
                          {10, "%i{n1x65535l5}"},
                          {11, "%i{n1x10l2}"},
                          {12, "%i{n1x65535l5}"}}}},
    {.Item = "PortStatistics1", .Kind = Table, .Title = "802.1X Port Statistics",
     .View = {.Table = {Dot1xPortStatisticsTable, "1.0.8802.1.1.1.1", "Port Number"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "PortDiagnostics1", .Kind = Table, .Title = "802.1X Port Diagnostics",
     .View = {.Table = {Dot1xPortDiagnosticsTable, "1.0.8802.1.1.1.1.2.3.1", "Port Number"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "PortSessionStatistics1", .Kind = Table, .Title = "802.1X Port Session Statistics",
     .View = {.Table = {Dot1xPortSessionStatisticsTable, "1.0.8802.1.1.1.1.2.4.1", "Port Number"},
              .ListKind = MVT_FMV, .IndexColumns = 1},
     .VersionRaise = true},
    {.Item = "StateTable1", .Kind = Table, .Title = "802.1X State Table",
     .View = {.Table = {MacAuthStateTable, "1.3.6.1.4.1.32473.12.3.6.1.1", "PAE MAC Address"}, .ListKind = MVT_FMV,
              .IndexColumns = 2}},
    {.Item = "DiagnosticsInformation1", .Kind = Table, .Title = "Diagnostics Information Table",
     .View = {.Table = {MacAuthDiagnosticsTable, "1.3.6.1.4.1.32473.12.3.6.3.1", "PAE MAC Address"},
              .ListKind = MVT_FMV, .IndexColumns = 2}},
    {.Item = "EAPOverLandFramesStatisticTable1", .Kind = Table, .Title = "MAC EAP Over Land  Frames Statistic Table",
     .View = {.Table = {MacAuthEapolStatisticsTable, "1.3.6.1.4.1.32473.12.3.6.2.1", "PAE MAC Address"},
              .ListKind = MVT_FMV, .IndexColumns = 2}},
    {.Item = "SessionInformation1", .Kind = Table, .Title = "Session Information",
     .View = {.Table = {MacAuthSessionTable, "1.3.6.1.4.1.32473.12.3.6.4.1", "PAE MAC Address"}, .ListKind = MVT_FMV,
              .IndexColumns = 2},
     .VersionRaise = true},
    {.Item = "GuestVLAN1", .Kind = Dialog, .Title = "Guest VLAN", .DialogClass = "TGuestVlanForm",
     .GlobalForm = "GuestVlanForm", .Owner = MainWindow},

    // Security > RADIUS Management
    {.Item = "RADIUSControl1", .Kind = Editor, .Title = "RADIUS Control",
     .View = {.Table = {RadiusControlTable, "1.3.6.1.4.1.32473.12.3.2", "RADIUS Timeout"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{0, "%i{n1x255l3}"}, {1, "%i{n1x255l3}"}}}},
    {.Item = "RADIUSCommand1", .Kind = Editor, .Title = "RADIUS Command",
     .View = {.Table = {RadiusCommandTable, "1.3.6.1.4.1.32473.12.3.7", "Port Number"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "RADIUSServerTable1", .Kind = Table, .Title = "RADIUS Server",
     .View = {.Table = {RadiusServerTable, "1.3.6.1.4.1.32473.12.3.2.4.1", "Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "AuthenticationInformation1", .Kind = Editor, .Title = "Authentication Information",
     .View = {.Table = {RadiusAuthenticationInformationTable, "1.3.6.1.4.1.32473.12.3.3", "Client Identifier"},
              .ListKind = SVT_SV, .IndexColumns = 0},
     .KeepInConfigForm = true},
    {.Item = "AuthenticationTable1", .Kind = Table, .Title = "Authentication Table",
     .View = {.Table = {RadiusAuthenticationTable, "1.3.6.1.4.1.32473.12.3.3.3.1", "Server Index"},
              .ListKind = MVT_FMV, .IndexColumns = 1}},
    {.Item = "AuthenticatedPortTable1", .Kind = Table, .Title = "Authenticated Port Table",
     .View = {.Table = {AuthenticatedPortTable, "1.3.6.1.4.1.32473.12.3.8.1.1", " Port Number"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "BasicInformation1", .Kind = Editor, .Title = "Accounting Basic Information",
     .View = {.Table = {RadiusAccountingInformationTable, "1.3.6.1.2.1.67.2.2.1.1.2", "Client Identifier"},
              .ListKind = SVT_SV, .IndexColumns = 0, .Formats = {{2, "%i{n1x65535l5}"}}},
     .Hidden = true},
    {.Item = "ServerTable1", .Kind = Table, .Title = "Accounting Server Table",
     .View = {.Table = {RadiusAccountingServerTable, "1.3.6.1.4.1.32473.12.3.5.3.1", "Server Index"},
              .ListKind = MVT_FMV, .IndexColumns = 1},
     .Hidden = true},
    {.Item = "ServiceTable1", .Kind = Table, .Title = "Accounting Service Table",
     .View = {.Table = {RadiusAccountingServiceTable, "1.3.6.1.4.1.32473.12.3.4.3.1", "Service Index"},
              .ListKind = MVT_FMV, .IndexColumns = 1},
     .Hidden = true},

    // Security > AAC
    {.Item = "GlobalSettings1", .Kind = Editor, .Title = "AAC Global Settings",
     .View = {.Table = {AacGlobalSettingsTable, "1.3.6.1.4.1.32473.12.5.1", "Admin State"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "AACInformation1", .Kind = Editor, .Title = "AAC Information Table",
     .View = {.Table = {AacInformationTable, "1.3.6.1.4.1.32473.12.5", "Max Login Method List"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{4, "%i{n1x255l3}"}, {5, "%i{n1x255l3}"}}}},
    {.Item = "LoginMethodControl1", .Kind = Dialog, .Title = "AAC Login Method List Table",
     .DialogClass = "TLoginMethodListForm", .Owner = MainWindow, .DialogMode = 1},
    {.Item = "EnableMethodControl1", .Kind = Dialog, .Title = "AAC Enable Method List Table",
     .DialogClass = "TLoginMethodListForm", .Owner = MainWindow, .DialogMode = 0},
    {.Item = "APPAuthticationMethodGroup1", .Kind = Editor, .Title = "APP Authentication Method Group",
     .View = {.Table = {AacApplicationMethodTable, "1.3.6.1.4.1.32473.12.5.7", "Console Login Method"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "ServerGroup1", .Kind = TableAddDelete, .Title = "AAC Server Table",
     .View = {.Table = {AacServerGroupTable, "1.3.6.1.4.1.32473.12.5.9.1", "Name"}, .ListKind = MVT_FMV,
              .IndexColumns = 1, .Status = {17, "createAndGo", "destroy"}, .Edit = Removed}},
    {.Item = "ServerInformation1", .Kind = Dialog, .Title = "Server Information",
     .DialogClass = "TServerInformationForm", .GlobalForm = "ServerInformationForm"},
    {.Item = "ServerControl1", .Kind = Dialog, .Title = "AAC Server Control Table", .DialogClass = "TAAASrvCtrlForm",
     .Owner = MainWindow},

    // Security > SSH
    {.Item = "SSHManagement1", .Kind = Editor, .Title = "SSH Management Table",
     .View = {.Table = {SshManagementTable, "1.3.6.1.4.1.32473.12.6.1", "Version"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{2, "%i{n2x20l2}"}, {4, "%i{n1x8l1}"}, {5, "%i{n120x600l3}"}}}},
    {.Item = "EncryptionAlgorithm1", .Kind = Editor, .Title = "Algorithm Control",
     .View = {.Table = {SshAlgorithmControlTable, "1.3.6.1.4.1.32473.12.6.3", "Encryption Algorithm 3DES Admin"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "AuthenticationMethod1", .Kind = Editor, .Title = "Authentication Method Control",
     .View = {.Table = {SshAuthenticationMethodTable, "1.3.6.1.4.1.32473.12.6.3.2", "Password Admin"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "UserControlTable1", .Kind = Dialog, .Title = "SSH User Control Table", .DialogClass = "TSSHUserCtrlList"},

    // Security > SSL
    {.Item = "SSLManagement1", .Kind = Dialog, .Title = "SSL Management", .DialogClass = "TSSLManagementForm",
     .GlobalForm = "SSLManagementForm"},
    {.Item = "SSLCertificateLevel1", .Kind = Dialog, .Title = "SSL Certificate File",
     .DialogClass = "TCertificateFileForm", .GlobalForm = "CertificateFileForm"},

    // Security > Safeguard_Engine
    {.Item = "GlobalManagement1", .Kind = Editor, .Title = "Safeguard Global Management",
     .View = {.Table = {SafeguardGlobalTable, "1.3.6.1.4.1.32473.12.19.1", "Safeguard Admin State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "ProtectControl1", .Kind = Dialog, .Title = "Safeguard Control", .DialogClass = "TSafeguardCtrlForm",
     .GlobalForm = "SafeguardCtrlForm", .Owner = MainWindow},

    // Security > IP-MAC Binding
    {.Item = "IPMACBindingControl1", .Kind = Editor, .Title = "IP-MAC Binding Control",
     .View = {.Table = {IpMacBindingGlobalSettingsTable, "1.3.6.1.4.1.32473.12.23", "Trap Log State"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "PortInformation3", .Kind = Table, .Title = "IP-MAC Binding Port Table",
     .View = {.Table = {IpMacBindingPortStateTable, "1.3.6.1.4.1.32473.12.23.3.2.1", "Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "BindingTable1", .Kind = Dialog, .Title = "IP-MAC Binding", .DialogClass = "TIPMACBindingForm",
     .GlobalForm = "IPMACBindingForm"},
    {.Item = "BindingDHCPSnoopTable1", .Kind = Table, .Title = "IP-MAC Binding DHCP Snoop Table",
     .View = {.Table = {IpMacBindingDhcpSnoopTable, "1.3.6.1.4.1.32473.12.23.4.3.1", "IP Index"}, .ListKind = MVT_FMV,
              .IndexColumns = 1}},
    {.Item = "BindingBlockedTable1", .Kind = TableAddDelete, .Title = "IP-MAC Binding Blocked Table",
     .View = {.Table = {IpMacBindingBlockedTable, "1.3.6.1.4.1.32473.12.23.4.2.1", "Blocked VLAN ID"},
              .ListKind = MVT_UMV, .IndexColumns = 2, .Status = {5, nullptr, "destroy"}, .Edit = Removed}},

    // Security > DoS Prevention
    {.Item = "DOSPreventionControl1", .Kind = Editor, .Title = "DoS Prevention Management",
     .View = {.Table = {DosGlobalSettingsTable, "1.3.6.1.4.1.32473.12.59.1", "DoS Trap Log"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "DOSPrevertionControlTable1", .Kind = Table, .Title = "DoS Prevertion Control Table",
     .View = {.Table = {DosControlTable, "1.3.6.1.4.1.32473.12.59.1.3.1", "Type"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Formats = {{3, "%i{n0x65535l5}"}, {4, "%i{n0x8l1}"}, {5, "%i{n0x1024000l7}"}}}},

    // Security > MBA Management
    {.Item = "PortGlobalSettings1", .Kind = Dialog, .Title = "MBA Port Global Settings",
     .DialogClass = "TMBAControlForm", .GlobalForm = "MBAControlForm"},
    {.Item = "Information4", .Kind = Editor, .Title = "MBA Information",
     .View = {.Table = {MbaInformationTable, "1.3.6.1.4.1.32473.12.35.1", "Max User"}, .ListKind = SVT_SV,
              .IndexColumns = 0, .Formats = {{0, "%i{n0x128l3}"}}}},
    {.Item = "PortInformationTable1", .Kind = Table, .Title = "MBA Port Information Table",
     .View = {.Table = {MbaPortInformationTable, "1.3.6.1.4.1.32473.12.35.2.1.1", "Port Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 2}},
    {.Item = "PortTable5", .Kind = Table, .Title = "MBA Port Table",
     .View = {.Table = {MbaPortTable, "1.3.6.1.4.1.32473.12.35.3.1.1", "Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Formats = {{3, "%i{n0x1440l4}"}, {4, "%i{n0x300l3}"}, {6, "%i{n0x128l3}"}}}},
    {.Item = "DataBaseTable1", .Kind = TableAddDelete, .Title = "MBA Database Table",
     .View = {.Table = {MbaDatabaseTable, "1.3.6.1.4.1.32473.12.35.4.1.1", "MAC Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {2, "createAndGo", "destroy"}}},

    // Security > DHCP Server Screening
    {.Item = "GlobalSettings3", .Kind = Editor, .Title = "DHCP Server Screening Global Settings",
     .View = {.Table = {DhcpScreeningGlobalSettingsTable, "1.3.6.1.4.1.32473.12.37.1", "Illegal Server Log Suppress Duration"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "PortTable9", .Kind = Table, .Title = "DHCP Server Screening Port Settings",
     .View = {.Table = {DhcpScreeningPortTable, "1.3.6.1.4.1.32473.12.37.1.2.1", "Port Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1}},
    {.Item = "PermitTable1", .Kind = Dialog, .Title = "DHCP Offer Permit Entry Settings",
     .DialogClass = "TFilterDHCPPermitForm"},
};

}  // namespace

std::span<const NvMenuCommand> NvSecurityCommands() { return Commands; }
