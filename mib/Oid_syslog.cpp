#include "Oid_syslog.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// System Log Management > Global Settings
static const NvOptionPair LogSaveMethodValues[] = {
    {1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {}};
static NvOptionList StateList, LogSaveMethodList, ClearLogList;
const NvSNMPVar SyslogGlobalSettingsTable[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "State", NvSyntax::integer, NvAccess::readwrite, &StateList},
    {"1.3.6.1.4.1.32473.12.12.3.1", "Log Save Method", NvSyntax::integer, NvAccess::readwrite, &LogSaveMethodList},
    {"1.3.6.1.4.1.32473.12.12.3.2", "Log Save Time Interval", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.4.1", "Clear Log", NvSyntax::integer, NvAccess::readwrite, &ClearLogList},
    {}};

// System Log Management > Host Table
static const NvOptionPair SyslogFacilityValues[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"}, {5, "local5"}, {6, "local6"}, {7, "local7"}, {}};
static const NvOptionPair SyslogSeverityValues[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {}};
static NvOptionList SyslogFacilityList, SyslogSeverityList, SyslogServerStateList, SyslogServerRowStatusList;
const NvSNMPVar SyslogServerTable[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "Server Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Facility", NvSyntax::integer, NvAccess::readwrite, &SyslogFacilityList},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Severity", NvSyntax::integer, NvAccess::readwrite, &SyslogSeverityList},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "UDP Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "State", NvSyntax::integer, NvAccess::readwrite, &SyslogServerStateList},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Row Status", NvSyntax::integer, NvAccess::readwrite, &SyslogServerRowStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&StateList, ValueSet::Disabled2Enabled3},
    {&LogSaveMethodList, LogSaveMethodValues},
    {&ClearLogList, ValueSet::OtherStart},
    {&SyslogFacilityList, SyslogFacilityValues},
    {&SyslogSeverityList, SyslogSeverityValues},
    {&SyslogServerStateList, ValueSet::Disabled2Enabled3},
    {&SyslogServerRowStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"SyslogGlobalSettingsTable", "1.3.6.1.4.1.32473.12.12", SyslogGlobalSettingsTable},
    {"SyslogServerTable", "1.3.6.1.4.1.32473.12.12.2.1", SyslogServerTable},
};

NvCatalogueModule Oid_syslog = {"Oid_syslog", Tables, Lists};
