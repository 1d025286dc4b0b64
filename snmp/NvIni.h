// Reading of an INI file in the manner of the Windows profile functions: section and key
// names without regard to case, the first matching section and key win, lines starting
// with ';' are comments, a value in matching quotes loses them.
//   NvIni ini("/etc/nv/10.0.0.1.cfg");
//   std::string port = ini.ReadString("Program Information", "Port", "");
#pragma once

#include <cstddef>
#include <string>

class NvIni {
 public:
  // Reads the file once, up to kMaxFileSize bytes and only when it is a regular file; a file
  // that cannot be read reads as empty and ReadError says why.
  explicit NvIni(std::string fileName);

  static constexpr size_t kMaxFileSize = 1 << 20;

  // The value trimmed of blanks and control characters; a missing key or an empty value
  // gives the default (trimmed, unless nothing of it is left).
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;

  bool Exists() const { return exists_; }                  // a file of that name was there
  const std::string& ReadError() const { return error_; }  // "" when it was read or missing

  std::string FileName;

 private:
  std::string text_;
  std::string error_;
  bool exists_ = false;
};
