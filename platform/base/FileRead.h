// Reading a small file of outside input whole: only a regular file, never more than a bound,
// never waiting on a FIFO or a device.
//
//   std::string text, why;
//   switch (ReadRegularFile(path, 1 << 20, text, why)) { case TFileRead::Missing: ...; }
#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PrintableText.h"

enum class TFileRead { Ok, Missing, Failed };

// The whole file into text. Missing: there is no file of that name. Failed: anything else
// (not a regular file, larger than maxBytes, no permission, a read error), with why saying
// which in a sentence that names the file.
inline TFileRead ReadRegularFile(const std::string& path, size_t maxBytes, std::string& text, std::string& why) {
  text.clear();
  why.clear();
  const std::string quoted = "\"" + PrintableText(path) + "\"";
  // The system would take the name only up to its zero byte: some other file.
  if (path.find('\0') != std::string::npos) {
    why = quoted + " is no file name: it holds a zero byte";
    return TFileRead::Failed;
  }
  // Non-blocking, so that opening a FIFO does not wait for a writer; fstat then refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT) return TFileRead::Missing;
    why = quoted + " cannot be read: " + std::strerror(error);
    return TFileRead::Failed;
  }
  struct stat st {};
  TFileRead result = TFileRead::Ok;
  if (::fstat(fd, &st) != 0) {
    why = quoted + " cannot be read: " + std::strerror(errno);
    result = TFileRead::Failed;
  } else if (!S_ISREG(st.st_mode)) {
    why = quoted + " is not a regular file";
    result = TFileRead::Failed;
  } else if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
    why = quoted + " is larger than " + std::to_string(maxBytes) + " bytes";
    result = TFileRead::Failed;
  } else {
    // The size may change while we read: never take more than the bound.
    text.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        why = quoted + " cannot be read: " + std::strerror(errno);
        result = TFileRead::Failed;
        break;
      }
      if (n == 0) break;
      if (text.size() + static_cast<size_t>(n) > maxBytes) {
        why = quoted + " is larger than " + std::to_string(maxBytes) + " bytes";
        result = TFileRead::Failed;
        break;
      }
      text.append(buffer, static_cast<size_t>(n));
    }
    if (result != TFileRead::Ok) text.clear();
  }
  ::close(fd);
  return result;
}
