#include "Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include "Exception.h"

namespace {

const char* kExport =
    "REGEDIT4\r\n"
    "\r\n"
    "; written by hand\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath]\r\n"
    "\"Path\"=\"C:\\\\Vistrel\\\\Bin\\\\\"\r\n"
    "\"Quoted\"=\"say \\\"hi\\\"\"\r\n"
    "\"Count\"=dword:00000010\r\n"
    "\"Blob\"=hex:01,02,\\\r\n"
    "  03,04\r\n"
    "\"After\"=\"still read\"\r\n"
    "@=\"default value\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Modules\\HelpPath]\r\n"
    "\"1.3.6.1.4.1.32473.10.113.1.3\"=\"/opt/norvane/nvs7000d/NVS7000D.hlp\"\r\n"
    "\r\n"
    "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Gone]\r\n"
    "\"Lost\"=\"x\"\r\n";

TRegistry MachineRegistry(const std::string& text) {
  TRegistry reg(std::make_shared<TRegistryFile>(TRegistryFile::Parse(text)));
  reg.RootKey = HKEY_LOCAL_MACHINE;
  return reg;
}

TEST(Registry, ReadsStringValuesOfASectionUndoingEscapes) {
  TRegistry reg = MachineRegistry(kExport);
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath", false));
  EXPECT_EQ(reg.ReadString("Path"), "C:\\Vistrel\\Bin\\");
  EXPECT_EQ(reg.ReadString("Quoted"), "say \"hi\"");
  EXPECT_EQ(reg.ReadString(""), "default value");
}

TEST(Registry, KeyAndValueNamesIgnoreCase) {
  TRegistry reg = MachineRegistry(kExport);
  ASSERT_TRUE(reg.OpenKey("\\software\\NORVANE\\vistrel5.1\\exepath", false));
  EXPECT_EQ(reg.ReadString("PATH"), "C:\\Vistrel\\Bin\\");
}

TEST(Registry, AbsentAndNonStringValuesReadEmpty) {
  TRegistry reg = MachineRegistry(kExport);
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath", false));
  EXPECT_EQ(reg.ReadString("Missing"), "");
  EXPECT_EQ(reg.ReadString("Count"), "");
  EXPECT_EQ(reg.ReadString("Blob"), "");
  EXPECT_EQ(reg.ReadString("After"), "still read");  // the continued hex line was skipped
}

TEST(Registry, MissingKeyOpensOnlyWhenCreationIsAllowedAndThenReadsEmpty) {
  TRegistry reg = MachineRegistry(kExport);
  EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile", false));
  EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile"));
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile", true));
  EXPECT_EQ(reg.ReadString("Path"), "");
  EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile"));  // nothing written
}

TEST(Registry, ParentsOfListedKeysExistAndDeletedKeysDoNot) {
  TRegistry reg = MachineRegistry(kExport);
  EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\Norvane"));
  EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Norv"));
  EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Gone"));
}

TEST(Registry, RootKeySelectsTheTree) {
  TRegistry reg = MachineRegistry(kExport);
  reg.RootKey = HKEY_CURRENT_USER;
  EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath", false));
}

TEST(Registry, KeyWithoutLeadingBackslashIsRelativeToTheOpenKey) {
  TRegistry reg = MachineRegistry(kExport);
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Norvane", false));
  ASSERT_TRUE(reg.OpenKey("Modules\\HelpPath", false));
  EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.32473.10.113.1.3"), "/opt/norvane/nvs7000d/NVS7000D.hlp");
  reg.CloseKey();
  EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.32473.10.113.1.3"), "");
}

TEST(Registry, ReadsTheFileNamedByTheEnvironmentIncludingUtf16Exports) {
  std::filesystem::path file = std::filesystem::temp_directory_path() /
                               ("nv-registry-" + std::to_string(::getpid()) + ".reg");
  std::string text =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile]\r\n"
      "\"Path\"=\"/srv/mbf/\xE9/";
  {
    std::ofstream out(file, std::ios::binary);
    out << "\xFF\xFE";
    for (char c : text) out << c << '\0';
    out.write("\x1F\x04\x40\x04\x3D\xD8\x00\xDE", 8);  // U+041F U+0440, then U+1F600 as a surrogate pair
    for (char c : std::string("\"\r\n")) out << c << '\0';
  }
  ::setenv("NV_REGISTRY_FILE", file.c_str(), 1);
  TRegistry reg;
  reg.RootKey = HKEY_LOCAL_MACHINE;
  ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Norvane\\Vistrel5.1\\MibFile", false));
  // File names here are UTF-8: every character arrives, none becomes "?".
  EXPECT_EQ(reg.ReadString("Path"), "/srv/mbf/\xC3\xA9/\xD0\x9F\xD1\x80\xF0\x9F\x98\x80");
  ::unsetenv("NV_REGISTRY_FILE");
  std::filesystem::remove(file);
}

TEST(Registry, OnlyARegularFileOfSaneSizeIsReadAndAnythingElseIsNamed) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("nv-registry-special-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string fifo = (dir / "registry.reg").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = (dir / "huge.reg").string();
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, TRegistryFile::kMaxFileSize + 1);
  for (const std::string& name : {std::string("/dev/zero"), fifo, huge, dir.string()}) {
    try {
      TRegistryFile::Load(name);  // returns at once: no writer is waited for, nothing read without end
      ADD_FAILURE() << name << " was read";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message.find("The registry file \"" + name + "\""), std::string::npos) << e.Message;
    }
  }
  EXPECT_FALSE(TRegistryFile::Load((dir / "missing.reg").string()).KeyExists("HKEY_LOCAL_MACHINE"));
  std::filesystem::remove_all(dir);
}

}  // namespace
