// The MIB catalogue: every data module, its descriptor tables and the option lists they point at.
// Option lists are global objects that must be built before any window uses a table; the program
// entry (and any test) calls NvCatalogueStartup() and NvCatalogueShutdown() explicitly, since static
// initialisation order across libraries is not to be relied on.
#pragma once

#include <span>

class NvOptionList;
struct NvOptionPair;
struct NvOptionTextPair;
struct NvSNMPVar;

// One option list of a module and the source array it is built from.
struct NvCatalogueList {
  NvOptionList* List;
  const NvOptionPair* Pairs;              // integer values
  const NvOptionTextPair* TextPairs = nullptr;  // text values, when Pairs is null
};

// One descriptor table, under its name in the code and its OID prefix (the first OID where the
// table has no common prefix).
struct NvCatalogueTable {
  const char* Name;
  const char* Prefix;
  const NvSNMPVar* Vars;
};

struct NvCatalogueModule {
  const char* Name;
  std::span<const NvCatalogueTable> Tables;
  std::span<const NvCatalogueList> Lists;
  int UseCount = 0;
  // Module objects other than option lists (the LED colour maps of Oid_device): built after
  // the lists, freed before them.
  void (*StartupExtra)() = nullptr;
  void (*ShutdownExtra)() = nullptr;

  // Builds the module's lists in source order on the first call; later calls only count.
  void Startup();
  // Frees the lists in reverse order when the last user has gone.
  void Shutdown();
};

// Every data module, in link order.
std::span<NvCatalogueModule* const> NvCatalogueModules();

// Start-up and exit routines of every module; calls nest.
void NvCatalogueStartup();
void NvCatalogueShutdown();
