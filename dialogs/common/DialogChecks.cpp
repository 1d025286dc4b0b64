#include "DialogChecks.h"

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

bool IsValidHexMask(const std::string& text) {
  if (text.size() > 32) return false;
  for (char c : text)
    if (!IsHexDigit(c)) return false;
  return true;
}

int32_t HexTextToInt(const std::string& text) {
  int64_t value = 0;
  for (char c : text) {
    if (!IsHexDigit(c)) break;
    value = value * 16 + HexValue(c);
    if (value > INT32_MAX) return INT32_MAX;
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

std::string NamesToBits(const std::string& text, const std::vector<std::string>& names) {
  std::vector<unsigned char> octets((names.size() + 7) / 8, 0);
  for (size_t k = 0; k < names.size(); ++k)
    if (!names[k].empty() && text.find(names[k]) != std::string::npos)
      octets[k / 8] |= static_cast<unsigned char>(0x80 >> (k % 8));
  static const char kHex[] = "0123456789ABCDEF";
  if (octets.size() <= 1) {
    const int byte = octets.empty() ? 0 : octets[0];
    if (byte < 16) return std::string(1, kHex[byte]);
    return std::string{kHex[byte >> 4], kHex[byte & 15]};
  }
  std::string result;
  for (unsigned char byte : octets) {
    result += kHex[byte >> 4];
    result += kHex[byte & 15];
  }
  return result;
}
