#include "Oid_singleip.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Single IP > Global Settings
static const NvOptionPair SingleIpGlobalSettingsRoleStateValues[] = {
    {1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
static NvOptionList AdminList, SingleIpGlobalSettingsRoleStateList;
const NvSNMPVar SingleIpGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Admin", NvSyntax::integer, NvAccess::readwrite, &AdminList},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Role State", NvSyntax::integer, NvAccess::readwrite, &SingleIpGlobalSettingsRoleStateList},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Hold Time", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.2.5", "Group Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// Single IP > Information
const NvSNMPVar SingleIpInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Single IP > Candidate Switch
const NvSNMPVar SingleIpCandidateTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Hold Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Single IP > Group Information
const NvSNMPVar SingleIpGroupTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "MS Number", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Hold Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Single IP > Neighbor Switch
static const NvOptionPair SingleIpNeighborRoleStateValues[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {}};
static NvOptionList SingleIpNeighborRoleStateList;
const NvSNMPVar SingleIpNeighborTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role State", NvSyntax::integer, NvAccess::readonly, &SingleIpNeighborRoleStateList},
    {}};

// Single IP > Member Switch: the list, and the columns its add pop-up writes for one member.
static NvOptionList MemberRowStatusList, MemberEditRowStatusList;
const NvSNMPVar SingleIpMemberTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Device Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MAC Address", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Firmware Version", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Capability", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Platform", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Hold Time", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", NvSyntax::integer, NvAccess::readwrite, &MemberRowStatusList},
    {}};
const NvSNMPVar SingleIpMemberEditTable[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", NvSyntax::integer, NvAccess::readwrite, &MemberEditRowStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AdminList, ValueSet::Disabled2Enabled3},
    {&SingleIpGlobalSettingsRoleStateList, SingleIpGlobalSettingsRoleStateValues},
    {&SingleIpNeighborRoleStateList, SingleIpNeighborRoleStateValues},
    {&MemberRowStatusList, ValueSet::RowStatusShort},
    {&MemberEditRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"SingleIpGlobalSettingsTable", "1.3.6.1.4.1.32473.12.8.1.2", SingleIpGlobalSettingsTable},
    {"SingleIpInformationTable", "1.3.6.1.4.1.32473.12.8.1.1", SingleIpInformationTable},
    {"SingleIpCandidateTable", "1.3.6.1.4.1.32473.12.8.1.4.1", SingleIpCandidateTable},
    {"SingleIpGroupTable", "1.3.6.1.4.1.32473.12.8.1.5.1", SingleIpGroupTable},
    {"SingleIpNeighborTable", "1.3.6.1.4.1.32473.12.8.1.6.1", SingleIpNeighborTable},
    {"SingleIpMemberTable", "1.3.6.1.4.1.32473.12.8.1.3.1", SingleIpMemberTable},
    {"SingleIpMemberEditTable", "1.3.6.1.4.1.32473.12.8.1.3.1", SingleIpMemberEditTable},
};

NvCatalogueModule Oid_singleip = {"Oid_singleip", Tables, Lists};
