// Numbers parsed from delimited text: "1,2,,5" with Delimiter ',' gives 1, 2, 0, 5.
// Characters are not checked: anything but the delimiter and '.' counts as a digit by its
// code minus '0'; digits after a '.' are a fraction that is truncated away.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

template <typename T>
class NvNumList {
 public:
  int Count = 0;
  std::vector<T> Items;
  char Delimiter = '.';

  NvNumList& operator=(const std::string& text) {
    Items.assign(size_t(CountItems(text)), T(0));
    Count = int(Items.size());
    if (Count == 0) return *this;
    size_t i = 0;
    bool fraction = false;
    double factor = 1.0;
    for (char c : text) {
      const int digit = int(c) - int('0');
      if (c == Delimiter) {
        ++i;
        fraction = false;
      } else if (c == '.') {
        fraction = true;
        factor = 1.0;
      } else if (fraction) {
        factor *= 0.1;
        Items[i] = T(int64_t(double(Items[i]) + factor * digit));
      } else {
        // Wraps like the fixed-width arithmetic it stands for, never undefined.
        Items[i] = T(uint64_t(int64_t(Items[i])) * 10u + uint64_t(int64_t(digit)));
      }
    }
    return *this;
  }
  NvNumList& operator=(const char* text) { return *this = std::string(text ? text : ""); }

  int CountItems(const std::string& text) const {
    if (text.empty()) return 0;
    int n = 1;
    for (char c : text)
      if (c == Delimiter) ++n;
    return n;
  }
  int CountItems(const char* text) const { return text ? CountItems(std::string(text)) : 0; }

  T GetItem(int i) const { return Items[size_t(i)]; }

  int IndexOf(T value) const {
    for (size_t i = 0; i < Items.size(); ++i)
      if (Items[i] == value) return int(i);
    return -1;
  }

  bool AllInRange(T min, T max) const {
    for (T v : Items)
      if (v < min || v > max) return false;
    return true;
  }
};
