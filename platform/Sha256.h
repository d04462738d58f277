// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 (FIPS 180-4) of a byte string, for checking installation files
// against the sums the build recorded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vostrane {

using Sha256Digest = std::array<uint8_t, 32>;

class Sha256 {
 public:
  Sha256();
  void Add(const void* data, size_t size);
  void Add(std::string_view bytes) { Add(bytes.data(), bytes.size()); }
  // The digest of everything added; the object is spent afterwards.
  Sha256Digest Finish();

 private:
  void Block(const uint8_t* block);
  std::array<uint32_t, 8> state_;
  std::array<uint8_t, 64> pending_{};
  size_t pendingSize_ = 0;
  uint64_t totalBytes_ = 0;
};

Sha256Digest Sha256Of(std::string_view bytes);
// 64 lower-case hexadecimal digits.
std::string DigestHex(const Sha256Digest& digest);

}  // namespace vostrane
