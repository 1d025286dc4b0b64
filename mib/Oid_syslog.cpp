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

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&StateList, ValueSet::Disabled2Enabled3},
    {&LogSaveMethodList, LogSaveMethodValues},
    {&ClearLogList, ValueSet::OtherStart},
};

static const NvCatalogueTable Tables[] = {
    {"SyslogGlobalSettingsTable", "1.3.6.1.4.1.32473.12.12", SyslogGlobalSettingsTable},
};

NvCatalogueModule Oid_syslog = {"Oid_syslog", Tables, Lists};
