#include "Oid_smtp.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// SMTP Management > Global Settings
static NvOptionList SmtpStatusList;
static const NvOptionPair SmtpSendTestValues[] = {{1, "send"}, {2, "noAction"}, {}};
static NvOptionList SmtpSendTestList;
const NvSNMPVar SmtpControlTable[] = {
    {"1.3.6.1.4.1.32473.12.29.1.1", "SMTP Status", NvSyntax::integer, NvAccess::readwrite, &SmtpStatusList},
    {"1.3.6.1.4.1.32473.12.29.1.2", "SMTP Server Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.1.3", "SMTP Server Port", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.1.4", "SMTP Self Mail Address", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.1.5", "SMTP Test Messsage Subject", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.1.6", "SMTP Test Message Content", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.1.7", "SMTP Send Test Message", NvSyntax::integer, NvAccess::readwrite, &SmtpSendTestList},
    {}};

// SMTP Management > SMTP Information Table
static const NvOptionPair SmtpSendTestStatusValues[] = {
    {1, "success"}, {2, "failed"}, {3, "in-processing"}, {}};
static NvOptionList SmtpSendTestStatusList;
const NvSNMPVar SmtpInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.29.2.1", "SMTP Send Test Status", NvSyntax::integer, NvAccess::readonly, &SmtpSendTestStatusList},
    {}};

// SMTP Management > Mail Receiver Table
static NvOptionList SmtpMailReceiverAddressStateList;
const NvSNMPVar MailReceiverTable[] = {
    {"1.3.6.1.4.1.32473.12.29.3.1.1.1", "SMTP Mail Receiver Address Index", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.29.3.1.1.2", "SMTP Mail Receiver Address", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.29.3.1.1.3", "SMTP Mail Receiver Address State", NvSyntax::integer, NvAccess::readwrite, &SmtpMailReceiverAddressStateList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SmtpStatusList, ValueSet::Disabled2Enabled3},
    {&SmtpSendTestList, SmtpSendTestValues},
    {&SmtpSendTestStatusList, SmtpSendTestStatusValues},
    {&SmtpMailReceiverAddressStateList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"SmtpControlTable", "1.3.6.1.4.1.32473.12.29.1", SmtpControlTable},
    {"SmtpInformationTable", "1.3.6.1.4.1.32473.12.29.2", SmtpInformationTable},
    {"MailReceiverTable", "1.3.6.1.4.1.32473.12.29.3.1.1", MailReceiverTable},
};

NvCatalogueModule Oid_smtp = {"Oid_smtp", Tables, Lists};
