// What the dialog tests share: the program's SNMP session (boot counter in a scratch folder),
// the catalogue's option lists, session settings that point new requests at a simulated
// switch, and a scripted answer to every message box.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "Catalogue.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SwitchSim.h"

namespace dialogtest {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("nv-dialogs-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    Application->ProcessMessages();
    NvSNMPInitSession("");
    fs::current_path(home);
    fs::remove_all(dir);
    NvCatalogueStartup();
  }
  void TearDown() override { NvCatalogueShutdown(); }
};

inline ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

// Requests made from now on talk SNMPv2c to the switch.
inline void PointSessionAt(const SwitchSim& sim) {
  NvSNMPDevice::Address = "127.0.0.1";
  NvSNMPDevice::Port = sim.port();
  NvSNMPSecurity::Version = 1;
  NvSNMPDefaultTimeout = 300;  // per try: a slow reply under load is waited for, not sent again
}

// A seed file of this folder.
inline std::string TestSeed(const std::string& name) { return std::string(NV_TEST_DIR) + "/" + name; }
inline std::string SimSeed(const std::string& name) { return std::string(NV_SIM_SEED_DIR) + "/" + name; }

}  // namespace dialogtest
