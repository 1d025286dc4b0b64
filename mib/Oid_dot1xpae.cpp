#include "Oid_dot1xpae.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// 802.1X > Configuration
static NvOptionList AuthenticationControlList;
const NvSNMPVar Dot1xConfigurationTable[] = {
    {"1.0.8802.1.1.1.1.1.1", "Authentication Control", NvSyntax::integer, NvAccess::readwrite, &AuthenticationControlList},
    {}};

// 802.1X > Port Table
static NvOptionList InitializeList, ReauthenticateList;
const NvSNMPVar Dot1xPortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", NvSyntax::integer, NvAccess::readwrite, &InitializeList},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", NvSyntax::integer, NvAccess::readwrite, &ReauthenticateList},
    {}};

// 802.1X > Port Configuration
static const NvOptionPair PaeStateValues[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {}};
static const NvOptionPair BackendStateValues[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {}};
static const NvOptionPair AdministrativeControlledDirectionsValues[] = {{0, "both"}, {1, "in"}, {}};
static const NvOptionPair OperationalControlledDirectionsValues[] = {{0, "both"}, {1, "in"}, {}};
static const NvOptionPair PortStatusValues[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
static const NvOptionPair PortControlValues[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {}};
static NvOptionList 
    PaeStateList, BackendStateList, AdministrativeControlledDirectionsList,
    OperationalControlledDirectionsList, PortStatusList, PortControlList,
    ReAuthenticateEnabledList;
const NvSNMPVar Dot1xPortConfigurationTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", NvSyntax::integer, NvAccess::readonly, &PaeStateList},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", NvSyntax::integer, NvAccess::readonly, &BackendStateList},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", NvSyntax::integer, NvAccess::readwrite, &AdministrativeControlledDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", NvSyntax::integer, NvAccess::readonly, &OperationalControlledDirectionsList},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", NvSyntax::integer, NvAccess::readonly, &PortStatusList},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", NvSyntax::integer, NvAccess::readwrite, &PortControlList},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", NvSyntax::integer, NvAccess::readwrite, &ReAuthenticateEnabledList},
    {}};

// 802.1X > Port Statistics
const NvSNMPVar Dot1xPortStatisticsTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", NvSyntax::macaddress, NvAccess::readonly, nullptr},
    {}};

// 802.1X > Port Diagnostics
const NvSNMPVar Dot1xPortDiagnosticsTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication EAP Starts While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication EAP Logoff While Authenticating", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication EAP Starts While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication EAP Logoff While Authenticated", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", NvSyntax::counter, NvAccess::readonly, nullptr},
    {}};

// 802.1X > Port Session Statistics
static const NvOptionPair AuthenticMethodValues[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
static const NvOptionPair TerminateCauseValues[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {}};
static NvOptionList AuthenticMethodList, TerminateCauseList;
const NvSNMPVar Dot1xPortSessionStatisticsTable[] = {
    {" ", "Port Number", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", NvSyntax::counter64, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", NvSyntax::counter, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", NvSyntax::integer, NvAccess::readonly, &AuthenticMethodList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", NvSyntax::timeticks, NvAccess::readonly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", NvSyntax::integer, NvAccess::readonly, &TerminateCauseList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&AuthenticationControlList, ValueSet::Enabled1Disabled2},
    {&InitializeList, ValueSet::TruthValue},
    {&ReauthenticateList, ValueSet::TruthValue},
    {&PaeStateList, PaeStateValues},
    {&BackendStateList, BackendStateValues},
    {&AdministrativeControlledDirectionsList, AdministrativeControlledDirectionsValues},
    {&OperationalControlledDirectionsList, OperationalControlledDirectionsValues},
    {&PortStatusList, PortStatusValues},
    {&PortControlList, PortControlValues},
    {&ReAuthenticateEnabledList, ValueSet::TruthValue},
    {&AuthenticMethodList, AuthenticMethodValues},
    {&TerminateCauseList, TerminateCauseValues},
};

static const NvCatalogueTable Tables[] = {
    {"Dot1xConfigurationTable", "1.0.8802.1.1.1.1.1", Dot1xConfigurationTable},
    {"Dot1xPortTable", "1.0.8802.1.1.1.1.1.2.1", Dot1xPortTable},
    {"Dot1xPortConfigurationTable", "1.0.8802.1.1.1.1", Dot1xPortConfigurationTable},
    {"Dot1xPortStatisticsTable", "1.0.8802.1.1.1.1", Dot1xPortStatisticsTable},
    {"Dot1xPortDiagnosticsTable", "1.0.8802.1.1.1.1.2.3.1", Dot1xPortDiagnosticsTable},
    {"Dot1xPortSessionStatisticsTable", "1.0.8802.1.1.1.1.2.4.1", Dot1xPortSessionStatisticsTable},
};

NvCatalogueModule Oid_dot1xpae = {"Oid_dot1xpae", Tables, Lists};
