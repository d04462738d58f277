// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed-size record kept as raw little-endian bytes, as the program's
// binary files store it: fields are read and written at their offsets, and
// every byte the program does not interpret travels unchanged.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/ByteOrder.h"

namespace vostrane {

template <size_t Size>
class PackedRecord {
 public:
  static constexpr size_t kSize = Size;

  PackedRecord() { bytes_.fill(0); }

  uint8_t* Data() { return bytes_.data(); }
  const uint8_t* Data() const { return bytes_.data(); }
  void Clear() { bytes_.fill(0); }

  template <typename T>
  T Get(size_t offset) const {
    return ReadLe<T>(bytes_.data() + offset);
  }
  template <typename T>
  void Set(size_t offset, T value) {
    WriteLe<T>(bytes_.data() + offset, value);
  }

  char Letter(size_t offset) const { return static_cast<char>(bytes_[offset]); }
  void SetLetter(size_t offset, char c) { bytes_[offset] = static_cast<uint8_t>(c); }

  // string[N]: a length byte, then N characters. A bad length reads as N;
  // writing cuts the text to N and zero-fills the unused characters.
  std::string GetString(size_t offset, size_t capacity) const {
    const size_t length = std::min<size_t>(bytes_[offset], capacity);
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset + 1), length);
  }
  void SetString(size_t offset, size_t capacity, const std::string& text) {
    const size_t length = std::min(text.size(), capacity);
    bytes_[offset] = static_cast<uint8_t>(length);
    std::memcpy(bytes_.data() + offset + 1, text.data(), length);
    std::fill(bytes_.begin() + offset + 1 + length, bytes_.begin() + offset + 1 + capacity, 0);
  }

  // Character areas without a length byte; writing fills up with `fill`.
  std::string GetChars(size_t offset, size_t count) const {
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), count);
  }
  void SetChars(size_t offset, size_t count, const std::string& text, char fill = ' ') {
    for (size_t i = 0; i < count; ++i)
      bytes_[offset + i] = static_cast<uint8_t>(i < text.size() ? text[i] : fill);
  }

 private:
  std::array<uint8_t, Size> bytes_;
};

}  // namespace vostrane
