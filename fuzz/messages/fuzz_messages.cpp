// The message-file loader on arbitrary file contents.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "NvSNMPError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = fuzz::WriteScratchFile("messages.txt", data, size);
  NvMessageTable table("fuzz", {"built-in one", "built-in two"});
  NvReadTextLines(table, file);
  const int count = table.Count();
  if (count < 0 || size_t(count) > size + 2) __builtin_trap();
  for (int i = -1; i <= count; ++i) {
    const std::string text = table.Text(i);
    if (text.size() > size + 16) __builtin_trap();
  }
  return 0;
}
