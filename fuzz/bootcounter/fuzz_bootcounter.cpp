// The boot-counter reader on arbitrary file contents; a counter it reads is saved and read
// back unchanged.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "Snmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const std::string engineId = in.Bytes(40);  // may be empty or too long
  const std::string rest = in.Rest();
  const std::string file =
      fuzz::WriteScratchFile("bootcounter", reinterpret_cast<const uint8_t*>(rest.data()), rest.size());
  unsigned int boot = 12345;
  const int rc = getBootCounter(file.c_str(), OctetStr(engineId), boot);
  if (rc < -6 || rc > 0) __builtin_trap();
  if (rc == 0) {
    if (saveBootCounter(file.c_str(), OctetStr(engineId), boot + 1) != 0) return 0;
    const unsigned int expected = boot < 0x7FFFFFFF ? boot + 1 : 0x7FFFFFFF;  // the count latches at 2^31-1
    unsigned int again = 0;
    if (getBootCounter(file.c_str(), OctetStr(engineId), again) != 0 || again != expected) __builtin_trap();
  }
  // The reader copes with its own name being a folder or missing.
  getBootCounter(fuzz::ScratchDir().c_str(), OctetStr(engineId), boot);
  return 0;
}
