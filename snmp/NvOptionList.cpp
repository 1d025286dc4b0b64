#include "NvOptionList.h"

#include <cctype>
#include <climits>
#include <stdexcept>

namespace {

bool SameByte(char a, char b, bool caseSensitive) {
  if (caseSensitive) return a == b;
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool StartsWith(const std::string& text, const std::string& prefix, bool caseSensitive) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (!SameByte(text[i], prefix[i], caseSensitive)) return false;
  return true;
}

bool SameText(const std::string& a, const std::string& b, bool caseSensitive) {
  return a.size() == b.size() && StartsWith(a, b, caseSensitive);
}

// The window library's whole-text integer conversion: leading blanks, a sign, decimal digits or
// hexadecimal after "$" or "0x"; nothing may follow, and the value must fit 32 bits.
bool ParseInt(const std::string& text, int& value) {
  size_t p = 0;
  while (p < text.size() && text[p] == ' ') ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  int base = 10;
  if (p < text.size() && text[p] == '$') {
    base = 16;
    ++p;
  } else if (p + 1 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
    base = 16;
    p += 2;
  }
  if (p == text.size()) return false;
  long long v = 0;
  for (; p < text.size(); ++p) {
    const unsigned char c = static_cast<unsigned char>(text[p]);
    int digit;
    if (std::isdigit(c)) digit = c - '0';
    else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
    else return false;
    v = v * base + digit;
    if (v > 0xFFFFFFFFLL) return false;
  }
  if (negative) v = -v;
  if (base == 16 && v > INT_MAX) v -= 0x100000000LL;  // $FFFFFFFF is -1, as the library reads it
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

void CheckKind(int kind) {
  if (kind < NvOptionList::IntValues || kind > NvOptionList::TextPrefixes)
    throw std::invalid_argument("NvOptionList: kind " + std::to_string(kind));
}

}  // namespace

NvOptionList::NvOptionList(const NvOptionPair* source, int kind, bool caseSensitive) {
  Build(source, kind, caseSensitive);
}

NvOptionList::NvOptionList(const NvOptionTextPair* source, int kind, bool caseSensitive) {
  Build(source, kind, caseSensitive);
}

void NvOptionList::Build(const NvOptionPair* source, int kind, bool caseSensitive) {
  CheckKind(kind);
  std::vector<NvOption> entries;
  entries.reserve(NvOptionTableCount(source));
  for (int i = 0, n = NvOptionTableCount(source); i < n; ++i) {
    NvOption option;
    option.IntValue = source[i].Value;
    if (kind != IntValues) option.TextValue = std::to_string(source[i].Value);
    option.Name = source[i].Name;
    entries.push_back(std::move(option));
  }
  kind_ = kind;
  caseSensitive_ = caseSensitive;
  entries_ = std::move(entries);
}

void NvOptionList::Build(const NvOptionTextPair* source, int kind, bool caseSensitive) {
  CheckKind(kind);
  if (kind == IntValues) throw std::invalid_argument("NvOptionList: text values need kind 2 or 3");
  std::vector<NvOption> entries;
  entries.reserve(NvOptionTableCount(source));
  for (int i = 0, n = NvOptionTableCount(source); i < n; ++i) {
    NvOption option;
    if (source[i].Value) option.TextValue = source[i].Value;
    option.Name = source[i].Name;
    entries.push_back(std::move(option));
  }
  kind_ = kind;
  caseSensitive_ = caseSensitive;
  entries_ = std::move(entries);
}

void NvOptionList::Clear() { entries_.clear(); }

int NvOptionList::GetCount() const { return static_cast<int>(entries_.size()); }

const NvOption& NvOptionList::GetOption(int i) const {
  if (i < 0 || i >= GetCount()) throw std::out_of_range("NvOptionList: no entry " + std::to_string(i));
  return entries_[static_cast<size_t>(i)];
}

int NvOptionList::FindName(const std::string& text) const {
  for (int i = 0; i < GetCount(); ++i) {
    const std::string& name = entries_[i].Name;
    const bool match = kind_ == TextPrefixes ? StartsWith(text, name, caseSensitive_)
                                             : SameText(text, name, caseSensitive_);
    if (match) return i;
  }
  return -1;
}

int NvOptionList::FindValue(const std::string& text) const {
  if (kind_ == IntValues) {
    int value;
    if (text == "(NULL)" || !ParseInt(text, value)) return -1;
    for (int i = 0; i < GetCount(); ++i)
      if (entries_[i].IntValue == value) return i;
    return -1;
  }
  for (int i = 0; i < GetCount(); ++i) {
    const std::string& value = entries_[i].TextValue;
    const bool match = kind_ == TextPrefixes ? StartsWith(text, value, caseSensitive_)
                                             : SameText(text, value, caseSensitive_);
    if (match) return i;
  }
  return -1;
}

std::string NvOptionList::ValueToName(const std::string& text) const {
  const int i = FindValue(text);
  if (i < 0) return text;
  const NvOption& option = entries_[i];
  if (kind_ == TextPrefixes) return option.Name + text.substr(option.TextValue.size());
  return option.Name;
}

std::string NvOptionList::NameToValue(const std::string& text) const {
  const int i = FindName(text);
  if (i < 0) return text;
  const NvOption& option = entries_[i];
  switch (kind_) {
    case IntValues: return std::to_string(option.IntValue);
    case TextValues: return option.TextValue;
    default: return option.TextValue + text.substr(option.Name.size());
  }
}

int NvOptionTableCount(const NvOptionPair* source) {
  int n = 0;
  if (source)
    while (source[n].Name) ++n;
  return n;
}

int NvOptionTableCount(const NvOptionTextPair* source) {
  int n = 0;
  if (source)
    while (source[n].Name) ++n;
  return n;
}
