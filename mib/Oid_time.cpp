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

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&OptClockResetOnReboot, ValueSet::TruthValue},
};

static const NvCatalogueTable Tables[] = {
    {"SystemTimeTable", "1.3.6.1.4.1.32473.12.10", SystemTimeTable},
};

NvCatalogueModule Oid_time = {"Oid_time", Tables, Lists};
