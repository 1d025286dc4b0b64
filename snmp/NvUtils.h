// Small text and number helpers of the access layer.
#pragma once

#include <string>
#include <vector>

// base multiplied exponent times starting from 1; no overflow check.
int NvIntPower(int base, unsigned exponent);

// Every occurrence of placeholder replaced, left to right; inserted text is not scanned again.
std::string NvReplaceAll(const std::string& source, const std::string& placeholder,
                         const std::string& replacement);

// From the 1-based position start, the position of the last character of the run whose
// characters all occur in characterSet; 0 when the character at start is not in the set or
// start lies outside the text.
int NvSpanEnd(const std::string& text, int start, const std::string& characterSet);

// The text without blanks and control characters at both ends.
std::string NvTrim(const std::string& text);

// The parts between separators, empty ones included: "a..b" gives "a", "", "b"; an empty
// text gives one empty part.
std::vector<std::string> NvSplit(const std::string& text, char separator);
