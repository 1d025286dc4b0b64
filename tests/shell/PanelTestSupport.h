// The simulated switch for the main-window and front-panel tests: its LED status and hardware
// revision are writable here, so a test changes them between two reads.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

#include "Catalogue.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SimClient.h"
#include "SwitchSim.h"

namespace paneltest {

inline constexpr const char* kLedStatusOid = "1.3.6.1.4.1.32473.11.113.1.3.2.1.1.5.0";
inline constexpr const char* kRevisionOid = "1.3.6.1.2.1.16.19.3.0";

// "0201" (power green, console off) and the four characters of every slot 1 to count: the
// given code where the map has one, else fill.
inline std::string StatusValue(const std::map<int, std::string>& codes, const std::string& fill = "8202",
                               int count = 32) {
  std::string value = "0201";
  for (int slot = 1; slot <= count; ++slot) {
    auto found = codes.find(slot);
    value += found == codes.end() ? fill : found->second;
  }
  return value;
}

class SwitchSimSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The session keeps its boot counter in the working folder: one of its own per process,
    // as tests run side by side.
    oldDir_ = std::filesystem::current_path();
    workDir_ = std::filesystem::temp_directory_path() / ("nv-panel-work-" + std::to_string(::getpid()));
    std::filesystem::create_directories(workDir_);
    std::filesystem::current_path(workDir_);
    const std::filesystem::path seed =
        std::filesystem::temp_directory_path() / ("nv-panel-" + std::to_string(::getpid()) + ".snmprec");
    std::ofstream(seed) << kLedStatusOid << "|4x|" << StatusValue({}) << "\n" << kRevisionOid << "|4|B1\n";
    SwitchSim::Options options;
    options.extraSeeds = {seed.string()};
    sim_ = new SwitchSim(options);
    std::filesystem::remove(seed);
    writer_ = new SimClient(sim_->port(), SimClient::community(2, SwitchSim::writeCommunity));
    NvCatalogueStartup();
    NvSNMPInitSession("");
  }
  static void TearDownTestSuite() {
    NvCatalogueShutdown();
    delete writer_;
    delete sim_;
    writer_ = nullptr;
    sim_ = nullptr;
    std::filesystem::current_path(oldDir_);
    std::filesystem::remove_all(workDir_);
  }

  void SetUp() override {
    sim_->clearFaults();
    SetLeds(StatusValue({}));
    SetRevision("B1");
  }

  // The session the program would have after start-up, aimed at the simulated switch.
  static void AimSession() {
    PointSessionAt(*sim_, 1, 100);
    NvSNMPSecurity::ReadCommunity = SwitchSim::readCommunity;
    NvSNMPSecurity::WriteCommunity = SwitchSim::writeCommunity;
  }

  static void SetLeds(const std::string& hex) { Write(kLedStatusOid, "4x:" + hex); }
  static void SetRevision(const std::string& revision) { Write(kRevisionOid, "4:" + revision); }

  static void Write(const std::string& oid, const std::string& value) {
    SimClient::Reply reply = writer_->set({{oid, value}});
    ASSERT_TRUE(reply.answered());
    ASSERT_EQ(reply.errorStatus, 0) << oid;
  }

  static SwitchSim* sim_;
  static SimClient* writer_;
  static std::filesystem::path oldDir_, workDir_;
  GuiTesting::ScriptedAnswerer answers_;
};

inline SwitchSim* SwitchSimSuite::sim_ = nullptr;
inline SimClient* SwitchSimSuite::writer_ = nullptr;
inline std::filesystem::path SwitchSimSuite::oldDir_;
inline std::filesystem::path SwitchSimSuite::workDir_;

}  // namespace paneltest
