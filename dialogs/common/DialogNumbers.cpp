#include "DialogNumbers.h"

#include <cerrno>
#include <climits>
#include <cstdlib>


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
