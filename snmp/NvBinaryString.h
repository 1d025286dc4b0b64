// A byte buffer that two dialogs keep as a member; nothing in the access layer fills it.
#pragma once

#include <cstdint>
#include <vector>

class NvBinaryString {
 public:
  NvBinaryString() = default;
  int32_t Length() const { return int32_t(bytes_.size()); }
  const unsigned char* Data() const { return bytes_.empty() ? nullptr : bytes_.data(); }
  void Assign(const unsigned char* data, int32_t length) {
    bytes_.assign(data, data + (length > 0 ? length : 0));
  }

 private:
  std::vector<unsigned char> bytes_;
};
