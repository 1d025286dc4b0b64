// SNMP v3 menu: engine, targets, users, views, notifications, communities.
#include "Commands.h"

#include "Oid_snmpv3.h"

namespace {

using enum NvCommandKind;
using enum NvEditButton;
using enum NvPopupHooks;
using enum NvOwner;

constexpr NvMenuCommand Commands[] = {
    // SNMP v3
    {.Item = "SNMPEngine1", .Kind = Editor, .Title = "SNMP Engine",
     .View = {.Table = {SnmpEngineTable, "1.3.6.1.6.3.10.2.1", "Engine ID"}, .ListKind = SVT_SV, .IndexColumns = 0,
              .EditWidth = 150}},
    {.Item = "MessageProcessingandDispatching1", .Kind = Editor, .Title = "Message Processing And Dispatching",
     .View = {.Table = {SnmpMpdStatisticsTable, "1.3.6.1.6.3.11.2.1", "Unknown Security Models"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},

    // SNMP v3 > SNMP Target MIB
    {.Item = "GeneralInformation1", .Kind = Editor, .Title = "General Information",
     .View = {.Table = {SnmpTargetGeneralTable, "1.3.6.1.6.3.12.1", "Target Spin Lock"}, .ListKind = SVT_SV,
              .IndexColumns = 0}},
    {.Item = "TargetAddressTable1", .Kind = TableAddDelete, .Title = "Target Address Table",
     .View = {.Table = {SnmpTargetAddressTable, "1.3.6.1.6.3.12.1.2.1", "Address Name"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {8, "createAndGo", "destroy"}, .Formats = {{4, "%i{n0x255l3}"}}}},
    {.Item = "TargetParameters1", .Kind = TableAddDelete, .Title = "Target Parameters",
     .View = {.Table = {SnmpTargetParamsTable, "1.3.6.1.6.3.12.1.3.1", "Name"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {6, "createAndGo", "destroy"}}},

    // SNMP v3 > User-based Security Mode
    {.Item = "Statistics2", .Kind = Editor, .Title = "Statistics",
     .View = {.Table = {UsmStatisticsTable, "1.3.6.1.6.3.15.1.1", "Unsupported Security Level Packets"},
              .ListKind = SVT_SV, .IndexColumns = 0}},
    {.Item = "UserTable1", .Kind = TableAddDelete, .Title = "User Table",
     .View = {.Table = {UsmUserTable, "1.3.6.1.6.3.15.1.2.2.1", "Engine ID"}, .ListKind = MVT_UMV, .IndexColumns = 2,
              .Status = {12, "createAndGo", "destroy"}}},

    // SNMP v3 > View-based Access Control Mode
    {.Item = "SecurityGroupTable1", .Kind = TableAddDelete, .Title = "Security Group Table",
     .View = {.Table = {VacmSecurityGroupTable, "1.3.6.1.6.3.16.1.2.1", "Security Model"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {4, "createAndGo", "destroy"}}},
    {.Item = "AccessTable1", .Kind = TableAddDelete, .Title = "Access Table",
     .View = {.Table = {VacmAccessTable, "1.3.6.1.6.3.16.1.2.1.3", "Group Name"}, .ListKind = MVT_UMV,
              .IndexColumns = 4, .Status = {9, "createAndGo", "destroy"}}},
    {.Item = "ViewMIBTreeFamilyTable1", .Kind = TableAddDelete, .Title = "View MIB Tree Family Table",
     .View = {.Table = {VacmViewTreeFamilyTable, "1.3.6.1.6.3.16.1.5.2.1", "VACM View Tree Family ViewName"},
              .ListKind = MVT_UMV, .IndexColumns = 2, .Status = {5, "createAndGo", "destroy"}}},

    // SNMP v3 > Notifications
    {.Item = "NotifyTable1", .Kind = TableAddDelete, .Title = "Notify Table",
     .View = {.Table = {NotifyTable, "1.3.6.1.6.3.13.1.1.1", "Name"}, .ListKind = MVT_UMV, .IndexColumns = 1,
              .Status = {4, "createAndGo", "destroy"}}},
    {.Item = "NotifyFilterProfileTable1", .Kind = TableAddDelete, .Title = "Notify Filter Profile Table",
     .View = {.Table = {NotifyFilterProfileTable, "1.3.6.1.6.3.12.1.3.1.1", "Target Params Name"},
              .ListKind = MVT_UMV, .IndexColumns = 1, .Status = {3, "createAndGo", "destroy"}}},
    {.Item = "NotifyFilterEntryTable1", .Kind = TableAddDelete, .Title = "Notify Filter Table",
     .View = {.Table = {NotifyFilterEntryTable, "1.3.6.1.6.3.13.1.2.1.1", "Profile Name"}, .ListKind = MVT_UMV,
              .IndexColumns = 2, .Status = {5, "createAndGo", "destroy"}}},

    // SNMP v3 > Community
    {.Item = "CommunityStringTable1", .Kind = TableAddDelete, .Title = "SNMP Community Table",
     .View = {.Table = {CommunityStringTable, "1.3.6.1.6.3.18.1.1.1", "Index"}, .ListKind = MVT_UMV,
              .IndexColumns = 1, .Status = {7, "createAndGo", "destroy"}}},
    {.Item = "TargetAddressTable2", .Kind = Table, .Title = "Target Address Table",
     .View = {.Table = {CommunityTargetAddressTable, "1.3.6.1.6.3.12.1.2.1.1", "Target Address Name"},
              .ListKind = MVT_UMV, .IndexColumns = 1}},
};

}  // namespace

std::span<const NvMenuCommand> NvSnmpV3Commands() { return Commands; }
