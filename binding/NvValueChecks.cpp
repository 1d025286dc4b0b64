#include "NvValueChecks.h"

#include <cstdint>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "NvUtils.h"
#include "StdCtrls.h"

namespace {

std::string TextOf(TControl* control) {
  if (!control) return {};
  if (auto* edit = dynamic_cast<TCustomEdit*>(control)) return edit->Text;
  if (auto* combo = dynamic_cast<TComboBox*>(control)) return combo->Text;
  return control->Caption;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsDecimal(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Four dotted parts, each a whole number 0 to 255 without sign; first gets the first part.
bool ReadIPv4(const std::string& text, int& first) {
  if (text.size() > 16) return false;
  const std::vector<std::string> parts = NvSplit(text, '.');
  if (parts.size() != 4) return false;
  for (const std::string& part : parts)
    if (!IsDecimal(part) || part.size() > 3 || std::stoi(part) > 255) return false;
  first = std::stoi(parts[0]);
  return true;
}

int Count(const std::string& text, char a, char b) {
  int n = 0;
  for (char c : text)
    if (c == a || c == b) ++n;
  return n;
}

}  // namespace

bool CheckIPAddress(TControl* control) {
  int first = 0;
  if (ReadIPv4(TextOf(control), first)) return true;
  ShowMessage("Please input a valid IP.");
  return false;
}

bool IsMulticastIPAddress(TControl* control) {
  int first = 0;
  return ReadIPv4(TextOf(control), first) && first >= 224 && first <= 239;
}

bool IsHexKey32(TControl* control) {
  const std::string text = TextOf(control);
  if (text.size() != 32) return false;
  for (char c : text)
    if (!IsHexDigit(c)) return false;
  return true;
}

bool CheckNothing(TControl*) { return true; }

bool IsMacAddress(TControl* control) {
  const std::string text = TextOf(control);
  char separator = 0;
  if (text.find('-') != std::string::npos) separator = '-';
  else if (text.find(':') != std::string::npos) separator = ':';
  else if (text.find('.') != std::string::npos) separator = '.';
  if (!separator) {
    if (text.size() != 12) return false;
    for (char c : text)
      if (!IsHexDigit(c)) return false;
    return true;
  }
  const std::vector<std::string> groups = NvSplit(text, separator);
  if (groups.size() != 6) return false;
  // A group of another length would make the address mean other bytes than it shows.
  for (const std::string& group : groups)
    if (group.size() != 2 || !IsHexDigit(group[0]) || !IsHexDigit(group[1])) return false;
  return true;
}

bool IsMulticastMacAddress(TControl* control) {
  const std::string text = TextOf(control);
  if (text.size() < 2) return false;
  if (Count(text, 'F', 'f') == 12) return false;
  if (Count(text.substr(2), '0', '0') > 9) return false;
  switch (text[1]) {
    case '0': case '2': case '4': case '6': case '8':
    case 'A': case 'C': case 'E': case 'a': case 'c': case 'e':
      return false;
    default:
      return true;
  }
}

bool IsUnicastMacAddress(TControl* control) {
  const std::string text = TextOf(control);
  if (text.size() < 2) return false;
  if (Count(text, '0', '0') == 12) return false;
  switch (text[1]) {
    case '1': case '3': case '5': case '7': case '9':
    case 'B': case 'b': case 'D': case 'd': case 'F': case 'f':
      return false;
    default:
      return true;
  }
}

bool CheckZeroOr60To1000000(TControl* control) {
  const std::string text = TextOf(control);
  bool ok = false;
  if (text.size() <= 10) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (IsDecimal(digits)) {
      const int64_t value = negative ? -std::stoll(digits) : std::stoll(digits);
      ok = value == 0 || (value >= 60 && value <= 1000000);
    }
  }
  if (!ok) ShowMessage("Pleaase Input a Number between 60 and 1000000 or 0.");
  return ok;
}
