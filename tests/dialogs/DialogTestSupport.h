// What the dialog tests share: the program's SNMP session (boot counter in a scratch folder),
// the catalogue's option lists, session settings that point new requests at a simulated
// switch, and a scripted answer to every message box.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Catalogue.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace dialogtest {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    Application->ProcessMessages();
    StartSessionInScratchFolder("dialogs");
    NvCatalogueStartup();
  }
  void TearDown() override { NvCatalogueShutdown(); }
};

inline ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

// Requests made from now on talk SNMPv2c to the switch, three seconds a try: a slow reply
// under load is waited for, not sent again.
inline void PointSessionAt(const SwitchSim& sim) { ::PointSessionAt(sim, 1, 300); }

// A seed file of this folder.
inline std::string TestSeed(const std::string& name) { return std::string(NV_TEST_DIR) + "/" + name; }
inline std::string SimSeed(const std::string& name) { return std::string(NV_SIM_SEED_DIR) + "/" + name; }

}  // namespace dialogtest
