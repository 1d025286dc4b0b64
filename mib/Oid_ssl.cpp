#include "Oid_ssl.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Security > SSL > SSL Management
static NvOptionList SslStatusAdminList;
const NvSNMPVar SslManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "Status Admin", NvSyntax::integer, NvAccess::readwrite, &SslStatusAdminList},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", NvSyntax::bitstr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cache Timeout", NvSyntax::guage, NvAccess::readwrite, nullptr},
    {}};

// Security > SSL > SSL Certificate File
static const NvOptionPair CertificateFileControlValues[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {}};
static const NvOptionPair CertificateFileShowStatusValues[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};
static NvOptionList CertificateFileControlList, CertificateFileShowStatusList;
const NvSNMPVar SslCertificateFileTable[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "Certificate File IP Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.2", "Certificate File Path", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Certificate Key File Path", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.4", "Certificate File Control", NvSyntax::integer, NvAccess::readwrite,
     &CertificateFileControlList},
    {"1.3.6.1.4.1.32473.12.7.2.5", "Certificate File Show Status", NvSyntax::integer, NvAccess::readonly,
     &CertificateFileShowStatusList},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SslStatusAdminList, ValueSet::Disabled2Enabled3},
    {&CertificateFileControlList, CertificateFileControlValues},
    {&CertificateFileShowStatusList, CertificateFileShowStatusValues},
};

static const NvCatalogueTable Tables[] = {
    {"SslManagementTable", "1.3.6.1.4.1.32473.12.7.1", SslManagementTable},
    {"SslCertificateFileTable", "1.3.6.1.4.1.32473.12.7.2", SslCertificateFileTable},
};

NvCatalogueModule Oid_ssl = {"Oid_ssl", Tables, Lists};
