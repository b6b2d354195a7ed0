// Reading typed values out of a fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "tolmerdll.h"

namespace fuzz {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  template <class T>
  T take() {
    T value{};
    const size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return value;
  }
  int32_t integer() { return take<int32_t>(); }
  // A small integer in [low, high] (wide values are tried too, now and then).
  int32_t small(int32_t low, int32_t high) {
    const uint8_t selector = take<uint8_t>();
    if (selector == 255) return integer();
    const int64_t span = int64_t{high} - low + 1;
    return static_cast<int32_t>(low + static_cast<int64_t>(selector) % span);
  }
  float single() { return take<float>(); }
  double real() { return take<double>(); }
  // A text of up to `limit` bytes ending at a 0xFF byte or the input's end.
  std::string text(size_t limit = 4096) {
    std::string out;
    while (size_ > 0 && out.size() < limit) {
      const uint8_t b = *data_++;
      --size_;
      if (b == 0xFF) break;
      out += static_cast<char>(b == 0 ? ' ' : b);
    }
    return out;
  }
  std::string rest() {
    std::string out(reinterpret_cast<const char*>(data_), size_);
    for (char& c : out) {
      if (c == '\0') c = ' ';
    }
    size_ = 0;
    return out;
  }
  bool empty() const { return size_ == 0; }

 private:
  const uint8_t* data_;
  size_t size_;
};

// Checks a LibString result: the count before it matches the bytes up to
// the terminating NUL that follows; then releases it. Aborts on a violation.
inline std::string take_result(LibString s) {
  if (s == nullptr) return {};
  uint32_t count = 0;
  std::memcpy(&count, s - 4, 4);
  if (count == 0 || s[count] != '\0') __builtin_trap();
  std::string out(s, count);
  FREELIBSTRING(s);
  return out;
}

inline void check(bool condition) {
  if (!condition) __builtin_trap();
}

// A caller's text buffer of exactly `room` bytes holding `text` (cut to fit):
// AddressSanitizer reports any write past the room an export documents.
class Buffer {
 public:
  Buffer(const std::string& text, size_t room) : room_(room == 0 ? 1 : room), bytes_(new char[room_]) {
    const size_t n = text.size() < room_ - 1 ? text.size() : room_ - 1;
    std::memcpy(bytes_, text.data(), n);
    std::memset(bytes_ + n, 0, room_ - n);
  }
  ~Buffer() { delete[] bytes_; }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  char* data() { return bytes_; }
  // The NUL-terminated text now in the buffer (a missing NUL is a finding).
  std::string str() const {
    const void* nul = std::memchr(bytes_, 0, room_);
    check(nul != nullptr);
    return std::string(bytes_, static_cast<const char*>(nul) - bytes_);
  }

 private:
  size_t room_;
  char* bytes_;
};

}  // namespace fuzz
