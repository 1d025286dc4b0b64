#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace fuzz {

namespace {

struct Scratch {
  Scratch() {
    // Memory-backed when there is such a folder: every input is written as a file.
    const bool shm = ::access("/dev/shm", W_OK) == 0;
    std::string pattern = std::string(shm ? "/dev/shm" : "/tmp") + "/nv-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("fuzz: no scratch folder");
    dir = pattern;
    const std::string snmp = dir + "/snmp";
    std::filesystem::create_directories(snmp);
    setenv("SNMPCONFPATH", snmp.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", snmp.c_str(), 1);
    setenv("MIBDIRS", snmp.c_str(), 1);
    setenv("MIBS", "", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("NV_REGISTRY_FILE", (dir + "/registry.reg").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  std::string dir;
};

}  // namespace

const std::string& ScratchDir() {
  static Scratch scratch;
  return scratch.dir;
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = ScratchDir() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
  return path;
}

}  // namespace fuzz

// Runs before the first input, under libFuzzer and under the corpus driver alike.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::ScratchDir();
  return 0;
}
