#include "Oid_radius.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Authentication Mode Settings
static const NvOptionPair AuthenticationProtocolValues[] = {{2, "Local"}, {4, "Radius Eap"}, {}};
static const NvOptionPair AuthenticationModeValues[] = {{1, "portBase"}, {2, "macBase"}, {}};
static NvOptionList AuthenticationProtocolList, AuthenticationModeList, AuthenticationStateList;
const NvSNMPVar AuthenticationModeSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "Authentication Protocol", NvSyntax::integer, NvAccess::readwrite, &AuthenticationProtocolList},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Authentication Mode", NvSyntax::integer, NvAccess::readwrite, &AuthenticationModeList},
    {"1.3.6.1.4.1.32473.12.3.1.3", "Authentication State", NvSyntax::integer, NvAccess::readwrite, &AuthenticationStateList},
    {}};

// 802.1X > MAC_Based Authentication > State Table
static const NvOptionPair AuthenticationPaeStateValues[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {}};
static const NvOptionPair AuthenticationBackendStateValues[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {}};
static const NvOptionPair AuthenticationControlledPortStatusValues[] = {
    {1, "authorized"}, {2, "unauthorized"}, {}};
static NvOptionList 
    AuthenticationPaeStateList, AuthenticationBackendStateList,
    AuthenticationControlledPortStatusList;
const NvSNMPVar MacAuthStateTable[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Address", NvSyntax::macaddress, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "Authentication PAE State", NvSyntax::integer, NvAccess::readonly, &AuthenticationPaeStateList},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Authentication Backend State", NvSyntax::integer, NvAccess::readonly, &AuthenticationBackendStateList},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Authentication Controlled Port Status", NvSyntax::integer, NvAccess::readonly, &AuthenticationControlledPortStatusList},
    {}};

// 802.1X > MAC_Based Authentication > Diagnostics Information
const NvSNMPVar MacAuthDiagnosticsTable[] = {
    {" ", "PAE MAC Address", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "PAE Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "Enters Connecting", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "EAP Logoffs While Connecting", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Enters Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Authentication Success While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Authentication Timeouts While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Authentication Fail While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Authentication Reauths While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Authentication EAP Starts While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Authentication EAP Logoff While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Authentication Reauths While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Authentication Eap Starts While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Authentication Eap Logoff While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Backend Responses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Backend Access Challenges", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Other Requests To Supplicant", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Authentication Successes", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend Authentication Fails", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// 802.1X > MAC_Based Authentication > EAP Over Land  Frames Statistic Table
const NvSNMPVar MacAuthEapolStatisticsTable[] = {
    {" ", "PAE MAC Address", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "PAE Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "Authentication EAPOL Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Authentication EAPOL Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Authentication EAPOL Start Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Authentication EAPOL Logoff Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Authentication EAPOL Responses ID Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Authentication EAPOL Responses Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "Authentication EAPOL Request ID Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Authentication EAPOL Request Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Authentication Invalid EAPOL Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "Authentication EAP Length Error Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Authentication Last EAPOL Frame Version", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Authentication Last EAPOL Frame Source", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// 802.1X > MAC_Based Authentication > Session Information
static const NvOptionPair AuthenticMethodValues[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
static const NvOptionPair TerminateCauseValues[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {}};
static NvOptionList AuthenticMethodList, TerminateCauseList;
const NvSNMPVar MacAuthSessionTable[] = {
    {" ", "PAE MAC Address", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "PAE Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "Octets RX", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Octets TX", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "ID", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Authentic Method", NvSyntax::integer, NvAccess::readonly, &AuthenticMethodList},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "Time", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Terminate Cause", NvSyntax::integer, NvAccess::readonly, &TerminateCauseList},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "User Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// RADIUS Management > RADIUS Control
const NvSNMPVar RadiusControlTable[] = {
    {"1.3.6.1.4.1.32473.12.3.2.2", "RADIUS Timeout", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.3", "RADIUS Retransmit Attempts", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {}};

// RADIUS Management > RADIUS Command
const NvSNMPVar RadiusCommandTable[] = {
    {"1.3.6.1.4.1.32473.12.3.7.1", "Port Number", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.7.2", "MAC Address", NvSyntax::macaddress, NvAccess::readwrite, nullptr},
    {}};

// RADIUS Management > RADIUS Server Table
static const NvOptionPair IndexValues[] = {
    {1, "RadiusServerIndex-first"}, {2, "RadiusServerIndex-second"},
    {3, "RadiusServerIndex-third"}, {}};
static NvOptionList IndexList, StatusList;
const NvSNMPVar RadiusServerTable[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Index", NvSyntax::integer, NvAccess::notaccess, &IndexList},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "IP Address", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Key", NvSyntax::octetstr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Authentication Port Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Account Port Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Status", NvSyntax::integer, NvAccess::readonly, &StatusList},
    {}};

// RADIUS Management > Authentication Information
const NvSNMPVar RadiusAuthenticationInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.3.3.1", "Client Identifier", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.2", "Client Invalid Server Addresses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// RADIUS Management > Authentication Table
const NvSNMPVar RadiusAuthenticationTable[] = {
    {"1.3.6.1.4.1.32473.12.3.3.3.1.1", "Server Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.2", "Server Address", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.3", "Client Server Port Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.4", "Client Round Trip Time", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.5", "Client Access Requests", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.6", "Client Access Retransmissions", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.7", "Client Access Accepts", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.8", "Client Access Rejects", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.9", "Client Access Challenges", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.10", "Client Malformed Access Responses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.11", "Client Bad Authenticators", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.12", "Client Pending Requests", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.13", "Client Timeouts", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.14", "Client Unknown Types", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.15", "Client Packets Dropped", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// RADIUS Management > Accounting Management > Basic Information
static NvOptionList SuppressNullUserNameList;
const NvSNMPVar RadiusAccountingInformationTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Client Identifier", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Client Invalid Server Addresses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.4.1", "Update Interval", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.4.2", "Suppress Null User Name", NvSyntax::integer, NvAccess::readwrite, &SuppressNullUserNameList},
    {}};

// RADIUS Management > Accounting Management > Server Table
const NvSNMPVar RadiusAccountingServerTable[] = {
    {"1.3.6.1.4.1.32473.12.3.5.3.1.1", "Server Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.2", "Server Address", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.3", "Client Server Port Number", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.4", "Client Round Trip Time", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.5", "Client Requests", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.6", "Client Retransmissions", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.7", "Client Responses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.8", "Client Malformed Responses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.9", "Client Bad Authenticators", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.10", "Client Pending Requests", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.11", "Client Timeouts", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.12", "Client Unknown Types", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.13", "Client Packets Dropped", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// RADIUS Management > Accounting Management > Service Table
static const NvOptionPair ServiceIndexValues[] = {
    {1, "acctServiceIndex-network"}, {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"},
    {}};
static const NvOptionPair ServiceMethodValues[] = {
    {1, "swRadiusAcctServiceMethodNone"}, {2, "swRadiusAcctServiceMethodRadius"}, {}};
static const NvOptionPair ServiceModeValues[] = {
    {1, "radiusAcctServiceModeNone"}, {2, "radiusAcctServiceModeStartStop"},
    {3, "radiusAcctServiceModeStopOnly"}, {}};
static NvOptionList ServiceIndexList, ServiceMethodList, ServiceModeList;
const NvSNMPVar RadiusAccountingServiceTable[] = {
    {"1.3.6.1.4.1.32473.12.3.4.3.1.1", "Service Index", NvSyntax::integer, NvAccess::notaccess, &ServiceIndexList},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.2", "Service Method", NvSyntax::integer, NvAccess::readwrite, &ServiceMethodList},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.3", "Service Mode", NvSyntax::integer, NvAccess::readwrite, &ServiceModeList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AuthenticationProtocolList, AuthenticationProtocolValues},
    {&AuthenticationModeList, AuthenticationModeValues},
    {&AuthenticationStateList, ValueSet::Enabled1Disabled2},
    {&AuthenticationPaeStateList, AuthenticationPaeStateValues},
    {&AuthenticationBackendStateList, AuthenticationBackendStateValues},
    {&AuthenticationControlledPortStatusList, AuthenticationControlledPortStatusValues},
    {&AuthenticMethodList, AuthenticMethodValues},
    {&TerminateCauseList, TerminateCauseValues},
    {&IndexList, IndexValues},
    {&StatusList, ValueSet::RowStatus},
    {&SuppressNullUserNameList, ValueSet::TruthValue},
    {&ServiceIndexList, ServiceIndexValues},
    {&ServiceMethodList, ServiceMethodValues},
    {&ServiceModeList, ServiceModeValues},
};

static const NvCatalogueTable Tables[] = {
    {"AuthenticationModeSettingsTable", "1.3.6.1.4.1.32473.12.3.1", AuthenticationModeSettingsTable},
    {"MacAuthStateTable", "1.3.6.1.4.1.32473.12.3.6.1.1", MacAuthStateTable},
    {"MacAuthDiagnosticsTable", "1.3.6.1.4.1.32473.12.3.6.3.1", MacAuthDiagnosticsTable},
    {"MacAuthEapolStatisticsTable", "1.3.6.1.4.1.32473.12.3.6.2.1", MacAuthEapolStatisticsTable},
    {"MacAuthSessionTable", "1.3.6.1.4.1.32473.12.3.6.4.1", MacAuthSessionTable},
    {"RadiusControlTable", "1.3.6.1.4.1.32473.12.3.2", RadiusControlTable},
    {"RadiusCommandTable", "1.3.6.1.4.1.32473.12.3.7", RadiusCommandTable},
    {"RadiusServerTable", "1.3.6.1.4.1.32473.12.3.2.4.1", RadiusServerTable},
    {"RadiusAuthenticationInformationTable", "1.3.6.1.4.1.32473.12.3.3", RadiusAuthenticationInformationTable},
    {"RadiusAuthenticationTable", "1.3.6.1.4.1.32473.12.3.3.3.1", RadiusAuthenticationTable},
    {"RadiusAccountingInformationTable", "1.3.6.1.2.1.67.2.2.1.1.2", RadiusAccountingInformationTable},
    {"RadiusAccountingServerTable", "1.3.6.1.4.1.32473.12.3.5.3.1", RadiusAccountingServerTable},
    {"RadiusAccountingServiceTable", "1.3.6.1.4.1.32473.12.3.4.3.1", RadiusAccountingServiceTable},
};

NvCatalogueModule Oid_radius = {"Oid_radius", Tables, Lists};
