#include "NvIni.h"

#include <sstream>
#include <utility>
#include <strings.h>

#include "FileRead.h"

#include "NvUtils.h"
#include "Paths.h"

namespace {

constexpr size_t kProfileBuffer = 4096;  // the profile reader's buffer, terminator included

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

std::string TrimSpaces(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

std::string Unquote(const std::string& s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

// What the profile reader hands back: the value found, else the default without trailing blanks.
std::string ProfileString(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  std::string result = defaultValue;
  while (!result.empty() && result.back() == ' ') result.pop_back();
  std::istringstream in(text);
  bool inSection = false;
  for (std::string line; in && std::getline(in, line);) {
    line = TrimSpaces(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (inSection) break;  // only the first section of that name counts
      size_t close = line.find(']');
      std::string name = TrimSpaces(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      inSection = SameName(name, section);
      continue;
    }
    if (!inSection) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos || !SameName(TrimSpaces(line.substr(0, eq)), key)) continue;
    result = Unquote(TrimSpaces(line.substr(eq + 1)));
    break;
  }
  if (result.size() > kProfileBuffer - 1) result.resize(kProfileBuffer - 1);
  return result;
}

}  // namespace

NvIni::NvIni(std::string fileName) : FileName(std::move(fileName)) {
  const TFileRead read = ReadRegularFile(PlatformPath(FileName), kMaxFileSize, text_, error_);
  exists_ = read != TFileRead::Missing;
  // Editors on other systems may start the file with a UTF-8 byte-order mark.
  if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0) text_.erase(0, 3);
}

std::string NvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
  std::string text = ProfileString(text_, section, key, defaultValue);
  return text.empty() ? defaultValue : NvTrim(text);
}
