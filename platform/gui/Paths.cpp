#include "Paths.h"

#include <algorithm>

std::string PlatformPath(const std::string& text) {
  std::string path = text;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}
