// SNMPv3 engine boots kept in a small text file of our own: one line per engine ID,
// "<engine ID in hex> <boots>". The file is replaced as a whole (temporary file, then
// rename), so a crash while saving never leaves a half-written counter behind.
#include "Snmp.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr size_t kMaxEngineIdLen = 32;  // RFC 3411 SnmpEngineID
constexpr int kFileMissing = -2;
constexpr int kMalformedLine = -3;
constexpr int kEngineIdTooLong = -4;  // or empty
constexpr int kWriteFailed = -5;
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

}  // namespace

int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boot) {
  boot = 0;
  if (engineId.len() == 0 || engineId.len() > kMaxEngineIdLen) return kEngineIdTooLong;
  std::ifstream in(fileName ? fileName : "");
  if (!in) return kFileMissing;
  const std::string wanted = hexOf(engineId);
  std::string line;
  bool found = false;
  while (std::getline(in, line)) {
    if (blank(line)) continue;
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
  std::vector<std::string> kept;
  {
    std::ifstream in(fileName);
    std::string line;
    while (in && std::getline(in, line)) {
      if (blank(line)) continue;
      std::string idHex;
      unsigned int count = 0;
      if (parseLine(line, idHex, count) && idHex == wanted) continue;
      kept.push_back(line);
    }
  }

  const std::string temp = std::string(fileName) + ".tmp" + std::to_string(::getpid());  // one per process
  {
    std::ofstream out(temp, std::ios::trunc);
    if (!out) return kWriteFailed;
    for (const std::string& line : kept) out << line << '\n';
    out << wanted << ' ' << boot << '\n';
    out.flush();
    if (!out) {
      out.close();
      std::remove(temp.c_str());
      return kWriteFailed;
    }
  }
  if (std::rename(temp.c_str(), fileName) != 0) {
    std::remove(temp.c_str());
    return kWriteFailed;
  }
  return 0;
}
