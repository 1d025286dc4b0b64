// Reading of an INI file in the manner of the Windows profile functions: section and key
// names without regard to case, the first matching section and key win, lines starting
// with ';' are comments, a value in matching quotes loses them.
//   NvIni ini("/etc/nv/10.0.0.1.cfg");
//   std::string port = ini.ReadString("Program Information", "Port", "");
#pragma once

#include <string>
#include <utility>

class NvIni {
 public:
  explicit NvIni(std::string fileName) : FileName(std::move(fileName)) {}

  // The value trimmed of blanks and control characters; a missing key or an empty value
  // gives the default (trimmed, unless nothing of it is left).
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;

  std::string FileName;
};
