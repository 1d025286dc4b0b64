// The program's SNMP session in tests: started once per test program, and aimed at a
// simulated switch.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "NvSNMPSession.h"
#include "SwitchSim.h"

// Starts the session as the program does; its boot counter file goes to a scratch folder
// named after tag and the process, which is gone again afterwards.
inline void StartSessionInScratchFolder(const std::string& tag) {
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("nv-" + tag + "-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);
  NvSNMPInitSession("");
  fs::current_path(home);
  fs::remove_all(dir);
}

// Requests made from now on go to the simulated switch in the given version (0 SNMPv1,
// 1 SNMPv2c) and wait timeOut hundredths of a second per try.
inline void PointSessionAt(const SwitchSim& sim, uint8_t version, int32_t timeOut) {
  NvSNMPDevice::Address = "127.0.0.1";
  NvSNMPDevice::Port = sim.port();
  NvSNMPSecurity::Version = version;
  NvSNMPDefaultTimeout = timeOut;
}
