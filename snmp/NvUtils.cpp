#include "NvUtils.h"

int NvIntPower(int base, unsigned exponent) {
  unsigned result = 1;  // unsigned so that an overflow wraps instead of being undefined
  for (unsigned i = 0; i < exponent; ++i) result *= unsigned(base);
  return int(result);
}

std::string NvReplaceAll(const std::string& source, const std::string& placeholder,
                         const std::string& replacement) {
  if (placeholder.empty()) return source;
  std::string out;
  size_t from = 0;
  for (size_t at; (at = source.find(placeholder, from)) != std::string::npos;
       from = at + placeholder.size()) {
    out.append(source, from, at - from);
    out += replacement;
  }
  out.append(source, from, std::string::npos);
  return out;
}

int NvSpanEnd(const std::string& text, int start, const std::string& characterSet) {
  if (start < 1 || size_t(start) > text.size()) return 0;
  size_t i = size_t(start) - 1;
  if (characterSet.find(text[i]) == std::string::npos) return 0;
  while (i + 1 < text.size() && characterSet.find(text[i + 1]) != std::string::npos) ++i;
  return int(i + 1);
}

std::string NvTrim(const std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

std::vector<std::string> NvSplit(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}
