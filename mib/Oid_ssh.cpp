#include "Oid_ssh.h"

#include "NvOptionList.h"
#include "ValueSets.h"

// Security > SSH > SSH Management
static const NvOptionPair SessionKeyRekeyingValues[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {}};
static NvOptionList AdminList, SessionKeyRekeyingList;
const NvSNMPVar SshManagementTable[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "Version", NvSyntax::integer, NvAccess::readonly, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.2", "Admin", NvSyntax::integer, NvAccess::readwrite, &AdminList},
    {"1.3.6.1.4.1.32473.12.6.1.3", "Max Authentication Fail Attempts", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.4", "Session Key Rekeying", NvSyntax::integer, NvAccess::readwrite, &SessionKeyRekeyingList},
    {"1.3.6.1.4.1.32473.12.6.1.5", "Max Session", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.6", "Connection Timeout", NvSyntax::integer, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.7", "Listened Port", NvSyntax::integer, NvAccess::readonly, nullptr},
    {}};

// Security > SSH > Algorithm Control
static NvOptionList 
    EncryptionAlgorithm3desAdminList, EncryptionAlgorithmBlowfishAdminList,
    EncryptionAlgorithmAes128AdminList, EncryptionAlgorithmAes192AdminList,
    EncryptionAlgorithmAes256AdminList, EncryptionAlgorithmArcfourAdminList,
    EncryptionAlgorithmCast28AdminList, EncryptionAlgorithmTwofish128AdminList,
    EncryptionAlgorithmTwofish192AdminList, EncryptionAlgorithmTwofish256AdminList,
    DataIntegrityAlgorithmSha1AdminList, DataIntegrityAlgorithmMd5AdminList,
    PublicKeyAlgorithmRsaAdminList, PublicKeyAlgorithmDsaAdminList;
const NvSNMPVar SshAlgorithmControlTable[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "Encryption Algorithm 3DES Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithm3desAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Encryption Algorithm Blowfish Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmBlowfishAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "Encryption Algorithm AES128 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmAes128AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "Encryption Algorithm AES192 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmAes192AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "Encryption Algorithm AES256 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmAes256AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Encryption Algorithm Arcfour Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmArcfourAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "Encryption Algorithm CAST28 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmCast28AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Encryption Algorithm Twofish128 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmTwofish128AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Encryption Algorithm Twofish192 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmTwofish192AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Encryption Algorithm Twofish256 Admin", NvSyntax::integer, NvAccess::readwrite, &EncryptionAlgorithmTwofish256AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "Data Integrity Algorithm SHA1 Admin", NvSyntax::integer, NvAccess::readwrite, &DataIntegrityAlgorithmSha1AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "Data Integrity Algorithm MD5 Admin", NvSyntax::integer, NvAccess::readwrite, &DataIntegrityAlgorithmMd5AdminList},
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "Public Key Algorithm RSA Admin", NvSyntax::integer, NvAccess::readwrite, &PublicKeyAlgorithmRsaAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "Public Key Algorithm DSA Admin", NvSyntax::integer, NvAccess::readwrite, &PublicKeyAlgorithmDsaAdminList},
    {}};

// Security > SSH > Authentication Method
static NvOptionList PasswordAdminList, PublicKeyAdminList, HostKeyAdminList;
const NvSNMPVar SshAuthenticationMethodTable[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Admin", NvSyntax::integer, NvAccess::readwrite, &PasswordAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Admin", NvSyntax::integer, NvAccess::readwrite, &PublicKeyAdminList},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Admin", NvSyntax::integer, NvAccess::readwrite, &HostKeyAdminList},
    {}};

// Security > SSH > User Control Table
static const NvOptionPair SshUserAuthModeValues[] = {{1, "hostbased"}, {2, "password"}, {3, "publickey"}, {}};
static NvOptionList SshUserAuthModeList;
const NvSNMPVar SshUserControlTable[] = {
    {"1.3.6.1.4.1.32473.12.6.4.1.1.1", "UserName", NvSyntax::displaystr, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.2", "Authentication Mode", NvSyntax::integer, NvAccess::readwrite, &SshUserAuthModeList},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.3", "Host Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.4", "Host IP", NvSyntax::ipaddress, NvAccess::readwrite, nullptr},
    {}};

// Built in this order at start-up, freed in reverse at exit.
static const NvCatalogueList Lists[] = {
    {&SshUserAuthModeList, SshUserAuthModeValues},
    {&AdminList, ValueSet::Disabled2Enabled3},
    {&SessionKeyRekeyingList, SessionKeyRekeyingValues},
    {&EncryptionAlgorithm3desAdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmBlowfishAdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmAes128AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmAes192AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmAes256AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmArcfourAdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmCast28AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmTwofish128AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmTwofish192AdminList, ValueSet::Disabled2Enabled3},
    {&EncryptionAlgorithmTwofish256AdminList, ValueSet::Disabled2Enabled3},
    {&DataIntegrityAlgorithmSha1AdminList, ValueSet::Disabled2Enabled3},
    {&DataIntegrityAlgorithmMd5AdminList, ValueSet::Disabled2Enabled3},
    {&PublicKeyAlgorithmRsaAdminList, ValueSet::Disabled2Enabled3},
    {&PublicKeyAlgorithmDsaAdminList, ValueSet::Disabled2Enabled3},
    {&PasswordAdminList, ValueSet::Disabled2Enabled3},
    {&PublicKeyAdminList, ValueSet::Disabled2Enabled3},
    {&HostKeyAdminList, ValueSet::Disabled2Enabled3},
};

static const NvCatalogueTable Tables[] = {
    {"SshUserControlTable", "1.3.6.1.4.1.32473.12.6.4.1.1", SshUserControlTable},
    {"SshManagementTable", "1.3.6.1.4.1.32473.12.6.1", SshManagementTable},
    {"SshAlgorithmControlTable", "1.3.6.1.4.1.32473.12.6.3", SshAlgorithmControlTable},
    {"SshAuthenticationMethodTable", "1.3.6.1.4.1.32473.12.6.3.2", SshAuthenticationMethodTable},
};

NvCatalogueModule Oid_ssh = {"Oid_ssh", Tables, Lists};
