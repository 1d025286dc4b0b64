#include "Oid_smtp.h"

#include "NvOptionList.h"
#include "ValueSets.h"

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
    {&SmtpSendTestStatusList, SmtpSendTestStatusValues},
    {&SmtpMailReceiverAddressStateList, ValueSet::RowStatusShort},
};

static const NvCatalogueTable Tables[] = {
    {"SmtpInformationTable", "1.3.6.1.4.1.32473.12.29.2", SmtpInformationTable},
    {"MailReceiverTable", "1.3.6.1.4.1.32473.12.29.3.1.1", MailReceiverTable},
};

NvCatalogueModule Oid_smtp = {"Oid_smtp", Tables, Lists};
