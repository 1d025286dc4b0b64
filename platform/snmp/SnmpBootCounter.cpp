// SNMPv3 engine boots kept in a small text file of our own: one line per engine ID,
// "<engine ID in hex> <boots>". The file is replaced as a whole (temporary file, then
// rename), so a crash while saving never leaves a half-written counter behind. A file that is
// there but cannot be read is never replaced: its counts would be lost.
#include "Snmp.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "FileRead.h"
#include "ScopeExit.h"

namespace {

constexpr size_t kMaxEngineIdLen = 32;  // RFC 3411 SnmpEngineID
constexpr int kFileMissing = -2;
constexpr int kMalformedLine = -3;
constexpr int kEngineIdTooLong = -4;  // or empty
constexpr int kWriteFailed = -5;
constexpr int kFileUnreadable = -6;  // there, but no regular file, too large or no permission
constexpr int kLockFailed = -7;
constexpr int kLockHeld = -8;  // another process kept the lock for the whole wait
constexpr int kLockWaitMs = 5000;
constexpr int kLockTryEveryMs = 20;
constexpr size_t kMaxFileSize = 1 << 20;
constexpr unsigned int kMaxBoots = 0x7FFFFFFF;  // snmpEngineBoots latches here (RFC 3414)

std::string hexOf(const OctetStr& id) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < id.len(); ++i) {
    out += digits[id[i] >> 4];
    out += digits[id[i] & 15];
  }
  return out;
}

bool blank(const std::string& line) {
  return line.find_first_not_of(" \t\r") == std::string::npos;
}

// Splits a line into its engine ID (hex, upper-cased) and count; false when malformed.
bool parseLine(const std::string& line, std::string& idHex, unsigned int& boot) {
  std::istringstream in(line);
  std::string count, extra;
  if (!(in >> idHex >> count) || (in >> extra)) return false;
  if (idHex.size() % 2 != 0 || idHex.size() > 2 * kMaxEngineIdLen) return false;
  for (char& c : idHex) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    c = char(std::toupper(static_cast<unsigned char>(c)));
  }
  if (count.empty() || count.size() > 10) return false;
  unsigned long long v = 0;
  for (char c : count) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + unsigned(c - '0');
  }
  if (v > kMaxBoots) return false;
  boot = unsigned(v);
  return true;
}


// The file's lines; kFileMissing or kFileUnreadable when there are none to read.
int readLines(const char* fileName, std::vector<std::string>& lines) {
  std::string text, why;
  switch (ReadRegularFile(fileName ? fileName : "", kMaxFileSize, text, why)) {
    case TFileRead::Missing: return kFileMissing;
    case TFileRead::Failed: return kFileUnreadable;
    case TFileRead::Ok: break;
  }
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!blank(line)) lines.push_back(line);
  return 0;
}

int writeLines(const std::string& fileName, const std::vector<std::string>& lines) {
  // Created exclusively under a name no one can foresee, in the counter's own folder so that
  // the rename stays within one file system; a planted name or link is never written through.
  std::string temp = fileName + ".tmp" + std::to_string(::getpid()) + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return kWriteFailed;
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  bool ok = true;
  for (size_t done = 0; ok && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += size_t(n);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), fileName.c_str()) != 0) {
    ::unlink(temp.c_str());
    return kWriteFailed;
  }
  return 0;
}

}  // namespace

int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot) {
  boot = 0;
  if (engineId.len() == 0 || engineId.len() > kMaxEngineIdLen) return kEngineIdTooLong;
  std::vector<std::string> lines;
  if (const int rc = readLines(fileName, lines)) return rc;
  const std::string wanted = hexOf(engineId);
  bool found = false;
  for (const std::string& line : lines) {
    std::string idHex;
    unsigned int count = 0;
    if (!parseLine(line, idHex, count)) return kMalformedLine;
    if (!found && idHex == wanted) {
      boot = count;
      found = true;
    }
  }
  return found ? 0 : -1;
}

int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boot) {
  if (!fileName || !*fileName) return kWriteFailed;
  if (engineId.len() == 0 || engineId.len() > kMaxEngineIdLen) return kEngineIdTooLong;
  const std::string wanted = hexOf(engineId);
  // A count past the latch would make the file unreadable at the next start.
  if (boot > kMaxBoots) boot = kMaxBoots;

  // Keep every other engine's line as it is.
  std::vector<std::string> lines;
  if (const int rc = readLines(fileName, lines); rc != 0 && rc != kFileMissing) return rc;
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    std::string idHex;
    unsigned int count = 0;
    if (parseLine(line, idHex, count) && idHex == wanted) continue;
    kept.push_back(line);
  }
  kept.push_back(wanted + ' ' + std::to_string(boot));
  return writeLines(fileName, kept);
}

int advanceBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot) {
  boot = 0;
  if (!fileName || !*fileName) return kWriteFailed;
  // Starts at the same moment take turns; the lock file is never replaced, so it stays the
  // one all of them lock.
  const std::string lockName = std::string(fileName) + ".lock";
  const int lock = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (lock < 0) return kLockFailed;
  ScopeExit unlock([lock] { ::close(lock); });
  // Another start holds it only for a moment; one that keeps it (a hung start, or someone
  // holding it on purpose) must not keep this start waiting for ever.
  for (int waited = 0;; waited += kLockTryEveryMs) {
    if (::flock(lock, LOCK_EX | LOCK_NB) == 0) break;
    if (errno != EWOULDBLOCK && errno != EINTR) return kLockFailed;
    if (waited >= kLockWaitMs) return kLockHeld;
    const timespec pause{0, kLockTryEveryMs * 1000000L};
    ::nanosleep(&pause, nullptr);
  }

  unsigned int stored = 0;
  const int rc = getBootCounter(fileName, engineId, stored);
  if (rc != 0 && rc != -1 && rc != kFileMissing) return rc;
  boot = rc == 0 && stored < kMaxBoots ? stored + 1 : rc == 0 ? kMaxBoots : 1;
  return saveBootCounter(fileName, engineId, boot);
}
