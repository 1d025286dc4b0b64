#include "Registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "Exception.h"
#include "FileRead.h"

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// No leading or trailing "\", no empty components.
std::string JoinParts(const std::string& path) {
  std::string out;
  std::string part;
  std::istringstream in(path);
  while (std::getline(in, part, '\\')) {
    if (part.empty()) continue;
    if (!out.empty()) out += '\\';
    out += part;
  }
  return out;
}

std::string NormalKey(const std::string& path) { return Lower(JoinParts(path)); }

const char* RootName(HKEY root) {
  switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG: return "HKEY_CURRENT_CONFIG";
  }
  return "";
}

void AppendUtf8(std::string& out, unsigned c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Version 5 exports are UTF-16LE with a byte-order mark; texts here are UTF-8, as file names
// are on this platform. A lone surrogate becomes U+FFFD.
std::string FromUtf16IfMarked(const std::string& raw) {
  if (raw.size() < 2 || static_cast<unsigned char>(raw[0]) != 0xFF ||
      static_cast<unsigned char>(raw[1]) != 0xFE)
    return raw;
  auto unit = [&](size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(raw[i]) | static_cast<unsigned char>(raw[i + 1]) << 8);
  };
  std::string out;
  out.reserve(raw.size() / 2);
  for (size_t i = 2; i + 1 < raw.size(); i += 2) {
    unsigned c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < raw.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

// Reads a quoted text starting at s[pos] == '"', undoing \\ and \" escapes; pos ends after
// the closing quote. False when the quote is not closed.
bool ReadQuoted(const std::string& s, size_t& pos, std::string& out) {
  out.clear();
  for (++pos; pos < s.size(); ++pos) {
    char c = s[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\' && pos + 1 < s.size()) c = s[++pos];
    out += c;
  }
  return false;
}

}  // namespace

TRegistryFile TRegistryFile::Parse(const std::string& raw) {
  TRegistryFile file;
  Values* current = nullptr;
  bool continued = false;  // inside a hex value spread over lines ending in "\"
  std::istringstream in(FromUtf16IfMarked(raw));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
      continued = false;
      continue;
    }
    line.erase(0, start);
    if (continued) {
      continued = line.back() == '\\';
      continue;
    }
    if (line[0] == ';') continue;
    if (line[0] == '[') {
      size_t end = line.rfind(']');
      std::string path = line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
      if (!path.empty() && path[0] == '-') {  // a deletion entry: nothing to read
        current = nullptr;
        continue;
      }
      current = &file.keys_[NormalKey(path)];
      continue;
    }
    if (!current) continue;
    std::string name;
    size_t pos = 0;
    if (line[0] == '@') {
      pos = 1;
    } else if (line[0] != '"' || !ReadQuoted(line, pos, name)) {
      continue;
    }
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos || line[pos] != '=') continue;
    pos = line.find_first_not_of(" \t", pos + 1);
    if (pos == std::string::npos) continue;
    std::string value;
    if (line[pos] == '"') {
      if (ReadQuoted(line, pos, value)) (*current)[Lower(name)] = value;
    } else {
      continued = line.back() == '\\';  // dword:, hex: and the like are not strings
    }
  }
  return file;
}

TRegistryFile TRegistryFile::Load(const std::string& fileName) {
  std::string text, why;
  switch (ReadRegularFile(fileName, kMaxFileSize, text, why)) {
    case TFileRead::Missing: return {};
    case TFileRead::Failed: throw Exception("The registry file " + why + ".");
    case TFileRead::Ok: break;
  }
  return Parse(text);
}

std::string TRegistryFile::DefaultFileName() {
  if (const char* env = std::getenv("NV_REGISTRY_FILE"); env && *env) return env;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/nvs7000d/registry.reg";
}

bool TRegistryFile::KeyExists(const std::string& path) const {
  std::string key = NormalKey(path);
  auto it = keys_.lower_bound(key);
  if (it == keys_.end()) return false;
  return it->first == key || (it->first.compare(0, key.size(), key) == 0 &&
                              it->first.size() > key.size() && it->first[key.size()] == '\\');
}

const TRegistryFile::Values* TRegistryFile::Find(const std::string& path) const {
  auto it = keys_.find(NormalKey(path));
  return it == keys_.end() ? nullptr : &it->second;
}

TRegistry::TRegistry()
    : file_(std::make_shared<TRegistryFile>(TRegistryFile::Load(TRegistryFile::DefaultFileName()))) {}

TRegistry::TRegistry(std::shared_ptr<const TRegistryFile> file) : file_(std::move(file)) {}

std::string TRegistry::FullPath(const std::string& key) const {
  std::string relative = !key.empty() && key[0] == '\\' ? key : CurrentPath + "\\" + key;
  return std::string(RootName(RootKey)) + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  std::string full = FullPath(key);
  if (!canCreate && !file_->KeyExists(full)) return false;
  CurrentPath = JoinParts(full.substr(full.find('\\') + 1));
  open_ = true;
  return true;
}

bool TRegistry::KeyExists(const std::string& key) const { return file_->KeyExists(FullPath(key)); }

std::string TRegistry::ReadString(const std::string& name) const {
  if (!open_) return "";
  const TRegistryFile::Values* values =
      file_->Find(std::string(RootName(RootKey)) + "\\" + CurrentPath);
  if (!values) return "";
  auto it = values->find(Lower(name));
  return it == values->end() ? "" : it->second;
}

void TRegistry::CloseKey() {
  CurrentPath.clear();
  open_ = false;
}
