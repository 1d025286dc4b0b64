#include "Oid_rmonprobe.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Probe Config > Probe Basic Information
static const NvOptionPair ResetControlValues[] = {
    {1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {}};
static NvOptionList ResetControlList;
const NvSNMPVar ProbeBasicInformationTable[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", NvSyntax::octetstr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.2", "Software Revision", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.3", "Hardware Revision", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", NvSyntax::integer, NvAccess::readwrite, &ResetControlList},
    {}};

// Probe Config > Net Configuration
static NvOptionList NetConfigureStatusList;
const NvSNMPVar NetConfigurationTable[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Configure IP Address", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Configure Subnet Mask", NvSyntax::ipaddress, NvAccess::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Configure Status", NvSyntax::integer, NvAccess::readonly, &NetConfigureStatusList},
    {}};

// Probe Config > Net Default Gateway
const NvSNMPVar NetDefaultGatewayTable[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&ResetControlList, ResetControlValues},
    {&NetConfigureStatusList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"ProbeBasicInformationTable", "1.3.6.1.2.1.16.19", ProbeBasicInformationTable},
    {"NetConfigurationTable", "1.3.6.1.2.1.16.19.11.1", NetConfigurationTable},
    {"NetDefaultGatewayTable", "1.3.6.1.2.1.16.19", NetDefaultGatewayTable},
};

NvCatalogueModule Oid_rmonprobe = {"Oid_rmonprobe", Tables, Lists};
