// The registry-file reader on arbitrary file contents, and lookups through TRegistry.
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::WriteScratchFile("registry.reg", data, size);
  auto parsed = std::make_shared<const TRegistryFile>(TRegistryFile::Load(file));
  TRegistry reg(parsed);
  reg.RootKey = HKEY_LOCAL_MACHINE;
  static const char* const kKeys[] = {"\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath", "\\software", "\\", "", "a\\b",
                                      "\\SOFTWARE\\Norvane\\Vistrel5.1\\HelpPath"};
  for (const char* key : kKeys) {
    reg.CloseKey();
    reg.KeyExists(key);
    if (reg.OpenKey(key, false)) {
      reg.ReadString("Path");
      reg.ReadString("");
      reg.OpenKey("sub", true);
      reg.ReadString("x");
    }
  }
  return 0;
}
