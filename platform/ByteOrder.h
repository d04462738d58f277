// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers stored in byte buffers in a fixed byte order, read and written the
// same way on every machine. The program's binary files keep their integers
// and doubles little-endian; two places store big-endian on purpose: the
// outer-planet ephemeris files, and the record number at the end of an index
// entry (so that entries with equal keys sort by record when compared byte
// by byte).
//
// The type is always named at the call, ReadLe<uint16_t>(p) or
// WriteLe<int32_t>(p, v), so a write never takes its width from whatever type
// the value happens to have.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace vostrane {

namespace byte_order_detail {

template <size_t Size>
struct UnsignedOfSize;
template <>
struct UnsignedOfSize<1> {
  using type = uint8_t;
};
template <>
struct UnsignedOfSize<2> {
  using type = uint16_t;
};
template <>
struct UnsignedOfSize<4> {
  using type = uint32_t;
};
template <>
struct UnsignedOfSize<8> {
  using type = uint64_t;
};

// Integers (char included) and floating-point numbers of 1, 2, 4 or 8 bytes;
// bool is left out because not every byte value is a valid bool.
template <typename T>
concept StoredNumber = std::is_arithmetic_v<T> && !std::is_same_v<T, bool> && requires {
  typename UnsignedOfSize<sizeof(T)>::type;
};

template <typename T>
using Bits = typename UnsignedOfSize<sizeof(T)>::type;

static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big,
              "bytes are swapped whole, so mixed-endian machines are not supported");

template <typename U>
U Swapped(U bits) {
  if constexpr (sizeof(U) == 1) return bits;
  else if constexpr (sizeof(U) == 2) return __builtin_bswap16(bits);
  else if constexpr (sizeof(U) == 4) return __builtin_bswap32(bits);
  else return __builtin_bswap64(bits);
}

// Copies the bytes as they lie and swaps them when the stored order is not
// the machine's own: a single load or store on either kind of machine.
template <StoredNumber T, std::endian Order>
T Read(const void* bytes) {
  Bits<T> bits;
  std::memcpy(&bits, bytes, sizeof bits);
  if constexpr (Order != std::endian::native) bits = Swapped(bits);
  return std::bit_cast<T>(bits);
}

template <StoredNumber T, std::endian Order>
void Write(void* bytes, T value) {
  Bits<T> bits = std::bit_cast<Bits<T>>(value);
  if constexpr (Order != std::endian::native) bits = Swapped(bits);
  std::memcpy(bytes, &bits, sizeof bits);
}

}  // namespace byte_order_detail

// The number stored at `bytes`, least significant byte first.
template <byte_order_detail::StoredNumber T>
T ReadLe(const void* bytes) {
  return byte_order_detail::Read<T, std::endian::little>(bytes);
}

// Stores `value` at `bytes`, least significant byte first.
template <byte_order_detail::StoredNumber T>
void WriteLe(void* bytes, std::type_identity_t<T> value) {
  byte_order_detail::Write<T, std::endian::little>(bytes, value);
}

// The number stored at `bytes`, most significant byte first.
template <byte_order_detail::StoredNumber T>
T ReadBe(const void* bytes) {
  return byte_order_detail::Read<T, std::endian::big>(bytes);
}

// Stores `value` at `bytes`, most significant byte first.
template <byte_order_detail::StoredNumber T>
void WriteBe(void* bytes, std::type_identity_t<T> value) {
  byte_order_detail::Write<T, std::endian::big>(bytes, value);
}

}  // namespace vostrane
