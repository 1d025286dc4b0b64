#include "Oid_ping.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Ping > Max Concurrent Requests
const NvSNMPVar PingMaxRequestsTable[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// Ping > Control Table
static NvOptionList PingControlAdminStatusList, PingControlRowStatusList;
const NvSNMPVar PingControlTable[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", NvSyntax::integer, NvAccess::readwrite, &PingControlAdminStatusList},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", NvSyntax::integer, NvAccess::readwrite, &PingControlRowStatusList},
    {}};

// Ping > Results Table
static const NvOptionPair PingResultsIpTargetAddressTypeValues[] = {
    {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
static NvOptionList PingResultsOperationalStatusList, PingResultsIpTargetAddressTypeList;
const NvSNMPVar PingResultsTable[] = {
    {" ", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operational Status", NvSyntax::integer, NvAccess::readonly, &PingResultsOperationalStatusList},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", NvSyntax::integer, NvAccess::readonly, &PingResultsIpTargetAddressTypeList},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Ping > Probe History Table
static const NvOptionPair PingProbeHistoryHistoryStatusValues[] = {
    {1, "responseReceived"}, {2, "unknown"}, {3, "internalError"}, {4, "requestTimedOut"},
    {5, "unknownDestinationAddress"}, {6, "noRouteToTarget"}, {7, "interfaceInactiveToTarget"},
    {8, "arpFailure"}, {9, "maxConcurrentLimitReached"}, {10, "unableToResolveDnsName"},
    {11, "invalidHostAddress"}, {}};
static NvOptionList PingProbeHistoryHistoryStatusList;
const NvSNMPVar PingProbeHistoryTable[] = {
    {" ", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.1", "History Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.2", "History Response", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.3", "History Status", NvSyntax::integer, NvAccess::readonly, &PingProbeHistoryHistoryStatusList},
    {"1.3.6.1.2.1.80.1.4.1.4", "History Last RC", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.5", "History Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Trace Route > Max Concurrent Requests
const NvSNMPVar TraceRouteMaxRequestsTable[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", NvSyntax::guage, NvAccess::readonly, nullptr},
    {}};

// Trace Route > Control Table
static NvOptionList TraceRouteControlAdminStatusList, TraceRouteControlRowStatusList;
const NvSNMPVar TraceRouteControlTable[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", NvSyntax::integer, NvAccess::readwrite, &TraceRouteControlAdminStatusList},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", NvSyntax::integer, NvAccess::readwrite, &TraceRouteControlRowStatusList},
    {}};

// Trace Route > Result Table
static const NvOptionPair TraceRouteResultIpTargetAddressTypeValues[] = {
    {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
static NvOptionList 
    TraceRouteResultOperationalStatusList, TraceRouteResultIpTargetAddressTypeList;
const NvSNMPVar TraceRouteResultTable[] = {
    {" ", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operational Status", NvSyntax::integer, NvAccess::readonly, &TraceRouteResultOperationalStatusList},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", NvSyntax::integer, NvAccess::readonly, &TraceRouteResultIpTargetAddressTypeList},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Trace Route > Probe History Table
static const NvOptionPair HistoryHopAddressTypeValues[] = {
    {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
static const NvOptionPair TraceRouteProbeHistoryHistoryStatusValues[] = {
    {1, "responseReceived"}, {2, "unknown"}, {3, "internalError"}, {4, "requestTimedOut"},
    {5, "unknownDestinationAddress"}, {6, "noRouteToTarget"}, {7, "interfaceInactiveToTarget"},
    {8, "arpFailure"}, {9, "maxConcurrentLimitReached"}, {10, "unableToResolveDnsName"},
    {11, "invalidHostAddress"}, {}};
static NvOptionList HistoryHopAddressTypeList, TraceRouteProbeHistoryHistoryStatusList;
const NvSNMPVar TraceRouteProbeHistoryTable[] = {
    {" ", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.1", "History Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.2", "History Hop Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.3", "History Probe Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.4", "History Hop Address Type", NvSyntax::integer, NvAccess::readonly, &HistoryHopAddressTypeList},
    {"1.3.6.1.2.1.81.1.4.1.5", "History Hop Address", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.6", "History Response", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.7", "History Status", NvSyntax::integer, NvAccess::readonly, &TraceRouteProbeHistoryHistoryStatusList},
    {"1.3.6.1.2.1.81.1.4.1.8", "History Last RC", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.9", "History Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Trace Route > Hops Table
static const NvOptionPair TraceRouteHopsIpTargetAddressTypeValues[] = {
    {1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
static NvOptionList TraceRouteHopsIpTargetAddressTypeList;
const NvSNMPVar TraceRouteHopsTable[] = {
    {" ", "Owner Index", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {" ", "Test Name", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", NvSyntax::guage, NvAccess::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", NvSyntax::integer, NvAccess::readonly, &TraceRouteHopsIpTargetAddressTypeList},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", NvSyntax::guage, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&PingControlAdminStatusList, ValueSet::Enabled1Disabled2},
    {&PingControlRowStatusList, ValueSet::RowStatusShort},
    {&PingResultsOperationalStatusList, ValueSet::Enabled1Disabled2},
    {&PingResultsIpTargetAddressTypeList, PingResultsIpTargetAddressTypeValues},
    {&PingProbeHistoryHistoryStatusList, PingProbeHistoryHistoryStatusValues},
    {&TraceRouteControlAdminStatusList, ValueSet::Enabled1Disabled2},
    {&TraceRouteControlRowStatusList, ValueSet::RowStatusShort},
    {&TraceRouteResultOperationalStatusList, ValueSet::Enabled1Disabled2},
    {&TraceRouteResultIpTargetAddressTypeList, TraceRouteResultIpTargetAddressTypeValues},
    {&HistoryHopAddressTypeList, HistoryHopAddressTypeValues},
    {&TraceRouteProbeHistoryHistoryStatusList, TraceRouteProbeHistoryHistoryStatusValues},
    {&TraceRouteHopsIpTargetAddressTypeList, TraceRouteHopsIpTargetAddressTypeValues},
};

static const NvCatalogueTable Tables[] = {
    {"PingMaxRequestsTable", "1.3.6.1.2.1.80.1", PingMaxRequestsTable},
    {"PingControlTable", "1.3.6.1.2.1.80.1.2.1", PingControlTable},
    {"PingResultsTable", "1.3.6.1.2.1.80.1.3.1", PingResultsTable},
    {"PingProbeHistoryTable", "1.3.6.1.2.1.80.1.4.1", PingProbeHistoryTable},
    {"TraceRouteMaxRequestsTable", "1.3.6.1.2.1.81.1", TraceRouteMaxRequestsTable},
    {"TraceRouteControlTable", "1.3.6.1.2.1.81.1.2.1", TraceRouteControlTable},
    {"TraceRouteResultTable", "1.3.6.1.2.1.81.1.3.1", TraceRouteResultTable},
    {"TraceRouteProbeHistoryTable", "1.3.6.1.2.1.81.1.4.1", TraceRouteProbeHistoryTable},
    {"TraceRouteHopsTable", "1.3.6.1.2.1.81.1.5.1", TraceRouteHopsTable},
};

NvCatalogueModule Oid_ping = {"Oid_ping", Tables, Lists};
