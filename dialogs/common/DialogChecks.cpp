#include "DialogChecks.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "Dialogs.h"
#include "NvEditConstraint.h"
#include "NvSNMPRequest2Edits.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  return std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

// A part of at most three digits whose value is 1 to 255, or 0 without "00" in it.
bool IsGoodPart(const std::string& part) {
  if (part.empty() || part.size() > 3) return false;
  const int value = std::stoi(part);
  if (value >= 1 && value <= 255) return true;
  return value == 0 && part.find("00") == std::string::npos;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// ASCII letters only: a name with another letter than its own is another word.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

bool Refuse(const char* message) {
  if (message) ShowMessage(message);
  return false;
}

}  // namespace

bool IsValidIPString(const std::string& text, const NvIpCheck& kind) {
  const char* dotMessage = kind.DotMessage ? kind.DotMessage : kind.Message;
  if (kind.RefuseEmpty && text.empty()) return Refuse(kind.Message);
  std::string part;
  int dots = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      part += c;  // a part too long is refused at its dot or at the end, the dot's own test first
    } else if (c == '.') {
      if (i == 0 || i + 1 >= text.size() || !IsDigit(text[i + 1])) return Refuse(dotMessage);
      if (!IsGoodPart(part)) return Refuse(kind.Message);
      ++dots;
      part.clear();
    } else {
      return Refuse(kind.Message);
    }
  }
  if (!IsGoodPart(part) || dots != 3) return Refuse(kind.Message);
  return true;
}

bool TypedValuesAccepted(NvSNMPRequest2Edits* request, std::initializer_list<TCustomEdit*> edits) {
  if (!request) return true;
  for (TCustomEdit* edit : edits)
    if (!request->Constraint->CheckText(edit)) return false;
  return true;
}

bool IsValidHexString(const std::string& text, const NvHexCheck& check) {
  if (check.RefuseEmptyFirst && text.empty()) return Refuse(check.Message);
  const size_t digits = static_cast<size_t>(check.Digits);
  for (size_t i = 0; i < digits && i < text.size(); ++i)
    if (!IsHexDigit(text[i])) return Refuse(check.Message);
  if (text.size() != digits) return Refuse(check.Message);
  return true;
}

bool IsMacKey(const std::string& text, const char* message) { return IsValidHexString(text, NvHexCheck{12, message}); }

bool IsIpv4HexKey(const std::string& text, const char* message) { return IsValidHexString(text, NvHexCheck{8, message}); }

bool IsValidHexMask(const std::string& text) {
  if (text.size() > 32 || text.size() % 2) return false;
  for (char c : text)
    if (!IsHexDigit(c)) return false;
  return true;
}

bool IsTimeOfDay(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  int parts[3];
  for (int k = 0; k < 3; ++k) {
    const char high = text[size_t(3 * k)], low = text[size_t(3 * k + 1)];
    if (high < '0' || high > '9' || low < '0' || low > '9') return false;
    parts[k] = (high - '0') * 10 + (low - '0');
  }
  return parts[0] <= 23 && parts[1] <= 59 && parts[2] <= 59;
}

std::optional<int32_t> HexTextToInt(const std::string& text) {
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (!IsHexDigit(c)) return std::nullopt;
    value = value * 16 + HexValue(c);
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

std::string BitsToNames(const std::string& hexValue, const std::vector<std::string>& names, NvNamesJoin join) {
  std::string digits;
  for (char c : hexValue) {
    if (!IsHexDigit(c)) break;
    digits += c;
  }
  if (digits.size() % 2) digits.insert(digits.begin(), '0');  // a leading half octet
  std::string result = " ";
  bool first = true;
  for (size_t octet = 0; octet * 2 < digits.size(); ++octet) {
    const int byte = HexValue(digits[octet * 2]) * 16 + HexValue(digits[octet * 2 + 1]);
    for (int bit = 0; bit < 8; ++bit) {
      const size_t k = octet * 8 + static_cast<size_t>(bit);
      if (!(byte & (0x80 >> bit)) || k >= names.size()) continue;
      if (join == NvNamesJoin::Comma && !first) result += ",";
      result += names[k];
      first = false;
    }
  }
  return result;
}

std::optional<std::string> NamesToBits(const std::string& text, const std::vector<std::string>& names,
                                       std::string* unknown) {
  std::vector<unsigned char> octets(std::max<size_t>(1, (names.size() + 7) / 8), 0);
  // A blank text names nothing; otherwise every comma stands between two names.
  const bool blank = Trimmed(text).empty();
  size_t start = 0;
  while (start <= text.size() && !blank) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string word = Trimmed(text.substr(start, comma - start));
    start = comma + 1;
    if (word.empty()) {
      if (unknown) *unknown = ",";
      return std::nullopt;
    }
    size_t k = 0;
    while (k < names.size() && !SameIgnoringCase(Trimmed(names[k]), word)) ++k;
    if (k == names.size()) {
      if (unknown) *unknown = word;
      return std::nullopt;
    }
    octets[k / 8] |= static_cast<unsigned char>(0x80 >> (k % 8));
  }
  static const char kHex[] = "0123456789ABCDEF";
  std::string result;
  for (unsigned char byte : octets) {
    result += kHex[byte >> 4];
    result += kHex[byte & 15];
  }
  return result;
}
