#include "Oid_time.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// One list object for the clock-reset-on-reboot column wherever a table shows it.
NvOptionList OptClockResetOnReboot;

// Time Management > System Time
const NvSNMPVar SystemTimeTable[] = {
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", NvSyntax::integer, NvAccess::readonly, &OptClockResetOnReboot},
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System Up Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System Boot Time", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone (-779-839)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Time Management > Current Time
const NvSNMPVar CurrentTimeTable[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", NvSyntax::bitstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", NvSyntax::datetime, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", NvSyntax::integer, NvAccess::readonly, &OptClockResetOnReboot},
    {}};

// Time Management > Network Time
static NvOptionList NetworkTimeStateList;
static const NvOptionPair TimeSourceValues[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {}};
static NvOptionList TimeSourceList;
const NvSNMPVar NetworkTimeTable[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", NvSyntax::integer, NvAccess::readwrite, &NetworkTimeStateList},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", NvSyntax::integer, NvAccess::readonly, &TimeSourceList},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval (30-99999 sec)", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};

// Time Management > Summer Time: the mode and offset, the repeating and the annual points
static const NvOptionPair SummerTimeStatusValues[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {}};
static NvOptionList SummerTimeStatusList;
const NvSNMPVar SummerTimeStatusTable[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", NvSyntax::integer, NvAccess::readwrite, &SummerTimeStatusList},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {}};
const NvSNMPVar SummerTimeRepeatTable[] = {
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};
const NvSNMPVar SummerTimeAnnualTable[] = {
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", NvSyntax::octetstr, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&OptClockResetOnReboot, ValueSet::TruthValue},
    {&NetworkTimeStateList, ValueSet::Disabled2Enabled3},
    {&TimeSourceList, TimeSourceValues},
    {&SummerTimeStatusList, SummerTimeStatusValues},
};

static const NvCatalogueTable Tables[] = {
    {"SystemTimeTable", "1.3.6.1.4.1.32473.12.10", SystemTimeTable},
    {"CurrentTimeTable", "1.3.6.1.4.1.32473.12.10", CurrentTimeTable},
    {"NetworkTimeTable", "1.3.6.1.4.1.32473.12.10.11", NetworkTimeTable},
    {"SummerTimeStatusTable", "1.3.6.1.4.1.32473.12.10.12", SummerTimeStatusTable},
    {"SummerTimeRepeatTable", "1.3.6.1.4.1.32473.12.10.12", SummerTimeRepeatTable},
    {"SummerTimeAnnualTable", "1.3.6.1.4.1.32473.12.10.12", SummerTimeAnnualTable},
};

NvCatalogueModule Oid_time = {"Oid_time", Tables, Lists};
