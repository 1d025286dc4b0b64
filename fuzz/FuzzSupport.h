// What every fuzz target shares: a private scratch folder for the files a reader is given,
// and a small reader of structured choices from the input bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A private folder made once per process (removed at exit); SNMP configuration and the
// window layer are pointed at it and kept away from the user's.
const std::string& ScratchDir();

// Writes the bytes to name inside the scratch folder and returns the full path.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

// Takes choices from the front of the input; past the end every choice is 0.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  uint32_t U32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return v;
  }
  // A sub-identifier: mostly small, at times any 32-bit value.
  uint32_t SubId() {
    const uint8_t b = Byte();
    return b < 0xF0 ? b : U32();
  }
  // Up to max bytes, the length taken from the input first.
  std::string Bytes(size_t max) {
    size_t n = Byte();
    if (n > max) n = max;
    if (n > size_ - pos_) n = size_ - pos_;
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  // The next n bytes, or fewer at the end.
  std::string Take(size_t n) {
    if (n > size_ - pos_) n = size_ - pos_;
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  std::string Rest() {
    std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return s;
  }
  size_t Left() const { return size_ - pos_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace fuzz
