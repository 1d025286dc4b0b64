// The INI reader on arbitrary file contents, and the per-device file applied through it.
#include <cstdint>
#include <string>

#include "Exception.h"
#include "FuzzSupport.h"
#include "NvIni.h"
#ifdef NV_FUZZ_HAVE_SHELL
#include "Startup.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::WriteScratchFile("device.cfg", data, size);
  NvIni ini(file);
  static const char* const kLookups[][2] = {
      {"Program Information", "Port"}, {"program information", "VERSION"}, {"Program Information", ""},
      {"", "Port"},  {"[x]", "a=b"}, {"s", "k"},
  };
  for (const auto& l : kLookups) {
    const std::string v = ini.ReadString(l[0], l[1], "  default\t");
    if (v.size() > size + 16) __builtin_trap();  // a value is never longer than the file
  }
#ifdef NV_FUZZ_HAVE_SHELL
  TSessionTexts texts;
  try {
    ApplyDeviceFile(file, texts);
  } catch (const Exception&) {
    // a number that does not convert is refused this way
  }
#endif
  return 0;
}
