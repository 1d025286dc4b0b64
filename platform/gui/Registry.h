// Read-only registry. The keys and values the hosting suite would have put in the Windows
// registry are read from a text file in the format of a registry export:
//
//   REGEDIT4
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Norvane\Vistrel5.1\ExePath]
//   "Path"="/opt/vistrel/bin\\"
//
// The file is named by the environment variable NV_REGISTRY_FILE, by default
// ~/.config/nvs7000d/registry.reg. Key and value names are case-insensitive. Nothing is ever
// written: OpenKey with creation allowed on a missing key succeeds with an empty key.
#pragma once

#include <map>
#include <memory>
#include <string>

// Root keys, numbered as Win32 numbers them.
enum HKEY : unsigned {
  HKEY_CLASSES_ROOT = 0x80000000u,
  HKEY_CURRENT_USER = 0x80000001u,
  HKEY_LOCAL_MACHINE = 0x80000002u,
  HKEY_USERS = 0x80000003u,
  HKEY_CURRENT_CONFIG = 0x80000005u,
};

// The parsed content of a registry file: key path (lower case, root spelled out, no leading
// or trailing "\") to its string values (name lower case; "" is the default value).
class TRegistryFile {
 public:
  using Values = std::map<std::string, std::string>;

  static TRegistryFile Parse(const std::string& text);
  // A missing file gives no keys; one that is there but is no regular file, is larger than
  // kMaxFileSize or cannot be read throws Exception naming it.
  static TRegistryFile Load(const std::string& fileName);
  static constexpr size_t kMaxFileSize = 16 << 20;
  static std::string DefaultFileName();                    // NV_REGISTRY_FILE or the default

  bool KeyExists(const std::string& path) const;  // also a parent of a listed key
  const Values* Find(const std::string& path) const;

 private:
  std::map<std::string, Values> keys_;
};

class TRegistry {
 public:
  TRegistry();  // reads the file named by DefaultFileName()
  explicit TRegistry(std::shared_ptr<const TRegistryFile> file);

  HKEY RootKey = HKEY_CURRENT_USER;
  std::string CurrentPath;  // of the open key, without the root

  // A key starting with "\" is taken from the root, any other from the open key.
  bool OpenKey(const std::string& key, bool canCreate);
  bool KeyExists(const std::string& key) const;
  std::string ReadString(const std::string& name) const;  // "" for an absent value
  void CloseKey();

 private:
  std::string FullPath(const std::string& key) const;

  std::shared_ptr<const TRegistryFile> file_;
  bool open_ = false;
};
