// Data module Oid_smtp: 1.3.6.1.4.1.32473.12.29 SMTP mail alerts.
#pragma once

#include "Catalogue.h"
#include "NvSNMPVar.h"

extern const NvSNMPVar SmtpControlTable[];      // SMTP Management > Global Settings
extern const NvSNMPVar SmtpInformationTable[];  // SMTP Management > SMTP Information Table
extern const NvSNMPVar MailReceiverTable[];  // SMTP Management > Mail Receiver Table

// The module: its tables for listings, and its option lists, built at start-up and freed at exit.
extern NvCatalogueModule Oid_smtp;
