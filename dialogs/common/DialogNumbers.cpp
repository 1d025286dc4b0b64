#include "DialogNumbers.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Dialogs.h"
#include "StackingPortUitForm.h"
#include "StdCtrls.h"

namespace {

bool Convert(const std::string& text, int& value) {
  const size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (digits >= text.size() || text.find_first_not_of("0123456789", digits) != std::string::npos) return false;
  errno = 0;
  const long long n = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
  value = static_cast<int>(n);
  return true;
}

}  // namespace

Exception NotAValidInteger(const std::string& text) {
  return Exception("'" + text + "' is not a valid integer value");
}

int TextToInt(const std::string& text) {
  int value = 0;
  if (!Convert(text, value)) throw NotAValidInteger(text);
  return value;
}

int TextToIntDef(const std::string& text, int fallback) {
  int value = 0;
  return Convert(text, value) ? value : fallback;
}

std::optional<int> NumberInRange(const std::string& text, int low, int high) {
  if (text.empty() || text[0] == '+') return std::nullopt;
  int value = 0;
  if (!Convert(text, value) || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<int> ModelPort(const std::string& text) { return NumberInRange(text, 1, GetModelPortCount(ModelName)); }

namespace {

bool Refused(TCustomEdit* edit, const std::string& message) {
  ShowMessage(message);
  if (edit->CanFocus()) edit->SetFocus();
  return false;
}

}  // namespace

bool NumberInRangeTyped(TCustomEdit* edit, int low, int high, const std::string& message) {
  return NumberInRange(edit->Text, low, high) || Refused(edit, message);
}

bool ModelPortTyped(TCustomEdit* edit, const std::string& message) {
  return ModelPort(edit->Text) || Refused(edit, message);
}
