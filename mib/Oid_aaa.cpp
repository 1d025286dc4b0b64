#include "Oid_aaa.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// RADIUS Management > Authenticated Port Table
static const NvOptionPair PortCapabilitiesValues[] = {{1, "none"}, {2, "authenticator"}, {}};
static NvOptionList PortCapabilitiesList;
const NvSNMPVar AuthenticatedPortTable[] = {
    {"1.3.6.1.4.1.32473.12.3.8.1.1.1", " Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.8.1.1.2", "Port Capabilities", NvSyntax::integer, NvAccess::readwrite, &PortCapabilitiesList},
    {}};

// AAC > Global Settings
static NvOptionList AdminStateList;
const NvSNMPVar AacGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "Admin State", NvSyntax::integer, NvAccess::readwrite, &AdminStateList},
    {}};

// AAC > AAC Information
const NvSNMPVar AacInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Login Method List", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max Server Group", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.1", "AAC Response Timeout (1-255)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.2", "AAC Attempt (1-255)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// AAC > APP Authtication Method Group
const NvSNMPVar AacApplicationMethodTable[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "HTTP Login Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "HTTP Enable Method", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {}};

// AAC > Server Group
static const NvOptionPair AuthenticationProtocol1Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol2Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol3Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol4Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol5Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol6Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol7Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static const NvOptionPair AuthenticationProtocol8Values[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "none"}, {6, "other"},
    {}};
static NvOptionList 
    AuthenticationProtocol1List, AuthenticationProtocol2List, AuthenticationProtocol3List,
    AuthenticationProtocol4List, AuthenticationProtocol5List, AuthenticationProtocol6List,
    AuthenticationProtocol7List, AuthenticationProtocol8List, RowStatusList;
const NvSNMPVar AacServerGroupTable[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "IP Address1", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Authentication Protocol1", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol1List},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "IP Address2", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Authentication Protocol2", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol2List},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "IP Address3", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Authentication Protocol3", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol3List},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "IP Address4", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Authentication Protocol4", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol4List},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "IP Address5", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Authentication Protocol5", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol5List},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "IP Address6", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "Authentication Protocol6", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol6List},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "IP Address7", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Authentication Protocol7", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol7List},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "IP Address8", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Authentication Protocol8", NvSyntax::integer, NvAccess::readonly, &AuthenticationProtocol8List},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Row Status", NvSyntax::integer, NvAccess::readwrite, &RowStatusList},
    {}};

// AAC > Server Information
static const NvOptionPair ServerProtocolValues[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {}};
static NvOptionList ServerHostProtocolList, ServerHostRowStatusList;
const NvSNMPVar AacServerHostTable[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "IP Address", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Authentication Protocol", NvSyntax::integer, NvAccess::notaccess, &ServerHostProtocolList},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Authentication Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Authentication Key", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Timeout", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Retry Count", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &ServerHostRowStatusList},
    {}};

// AAC > Login Method Control, AAC > Enable Method Control: the same columns, the enable lists
// ending in local-enable where the login lists end in local.
static const NvOptionPair LoginMethodTypeValues[] = {
    {9, "other"}, {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "server-group"},
    {6, "local"}, {8, "none"}, {}};
static const NvOptionPair EnableMethodTypeValues[] = {
    {9, "other"}, {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"}, {}};
static NvOptionList LoginMethodTypeList, LoginMethodRowStatusList, EnableMethodTypeList, EnableMethodRowStatusList;
const NvSNMPVar AacLoginMethodListTable[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method 1 Type", NvSyntax::integer, NvAccess::readwrite, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method 1 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method 2 Type", NvSyntax::integer, NvAccess::readwrite, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method 2 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method 3 Type", NvSyntax::integer, NvAccess::readwrite, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method 3 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method 4 Type", NvSyntax::integer, NvAccess::readwrite, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method 4 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "Row Status", NvSyntax::integer, NvAccess::readwrite, &LoginMethodRowStatusList},
    {}};
const NvSNMPVar AacEnableMethodListTable[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Method 1 Type", NvSyntax::integer, NvAccess::readwrite, &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Method 1 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Method 2 Type", NvSyntax::integer, NvAccess::readwrite, &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Method 2 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Method 3 Type", NvSyntax::integer, NvAccess::readwrite, &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Method 3 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Method 4 Type", NvSyntax::integer, NvAccess::readwrite, &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Method 4 Server Group", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Row Status", NvSyntax::integer, NvAccess::readwrite, &EnableMethodRowStatusList},
    {}};

// AAC > Server Control: one SET of the action column adds a server to a group or removes it.
static const NvOptionPair ServerControlRowStateValues[] = {{1, "add"}, {2, "delete"}, {}};
static NvOptionList ServerControlProtocolList, ServerControlRowStateList;
const NvSNMPVar AacServerControlTable[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Address", NvSyntax::ipaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Authentication Protocol", NvSyntax::integer, NvAccess::notaccess, &ServerControlProtocolList},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", NvSyntax::integer, NvAccess::readwrite, &ServerControlRowStateList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&PortCapabilitiesList, PortCapabilitiesValues},
    {&AdminStateList, ValueSet::Disabled2Enabled3},
    {&AuthenticationProtocol1List, AuthenticationProtocol1Values},
    {&AuthenticationProtocol2List, AuthenticationProtocol2Values},
    {&AuthenticationProtocol3List, AuthenticationProtocol3Values},
    {&AuthenticationProtocol4List, AuthenticationProtocol4Values},
    {&AuthenticationProtocol5List, AuthenticationProtocol5Values},
    {&AuthenticationProtocol6List, AuthenticationProtocol6Values},
    {&AuthenticationProtocol7List, AuthenticationProtocol7Values},
    {&AuthenticationProtocol8List, AuthenticationProtocol8Values},
    {&RowStatusList, ValueSet::RowStatus},
    {&ServerHostProtocolList, ServerProtocolValues},
    {&ServerHostRowStatusList, ValueSet::RowStatus},
    {&LoginMethodTypeList, LoginMethodTypeValues},
    {&LoginMethodRowStatusList, ValueSet::RowStatus},
    {&EnableMethodTypeList, EnableMethodTypeValues},
    {&EnableMethodRowStatusList, ValueSet::RowStatus},
    {&ServerControlProtocolList, ServerProtocolValues},
    {&ServerControlRowStateList, ServerControlRowStateValues},
};

static const NvCatalogueTable Tables[] = {
    {"AuthenticatedPortTable", "1.3.6.1.4.1.32473.12.3.8.1.1", AuthenticatedPortTable},
    {"AacGlobalSettingsTable", "1.3.6.1.4.1.32473.12.5.1", AacGlobalSettingsTable},
    {"AacInformationTable", "1.3.6.1.4.1.32473.12.5", AacInformationTable},
    {"AacApplicationMethodTable", "1.3.6.1.4.1.32473.12.5.7", AacApplicationMethodTable},
    {"AacServerGroupTable", "1.3.6.1.4.1.32473.12.5.9.1", AacServerGroupTable},
    {"AacServerHostTable", "1.3.6.1.4.1.32473.12.5.10.1", AacServerHostTable},
    {"AacLoginMethodListTable", "1.3.6.1.4.1.32473.12.5.3.1", AacLoginMethodListTable},
    {"AacEnableMethodListTable", "1.3.6.1.4.1.32473.12.5.4.1", AacEnableMethodListTable},
    {"AacServerControlTable", "1.3.6.1.4.1.32473.12.5.12.1", AacServerControlTable},
};

NvCatalogueModule Oid_aaa = {"Oid_aaa", Tables, Lists};
