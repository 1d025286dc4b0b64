// Outside text quoted in a message: a control byte (a zero byte above all, which would end
// the message box's text there) is shown as \xNN, so the user sees what the value holds.
#pragma once

#include <string>

inline std::string PrintableText(const std::string& text) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
      continue;
    }
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 15];
  }
  return out;
}
