// SPDX-License-Identifier: GPL-3.0-or-later
// The 1368-byte image of the values the house and planet calculations hand
// to the name file: doubles for the time scales, fixed-point integers for the
// angles, and packed blocks for the cusps and the body arrays.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/PackedRecord.h"

namespace vostrane {

constexpr size_t kNameFileImageSize = 1368;

namespace image_offset {
constexpr size_t universalTimeHours = 32;
constexpr size_t julianDayUt = 40;
constexpr size_t obliquityRad = 48;
constexpr size_t ayanamsaDeg = 56;
constexpr size_t deltaTSeconds = 64;
constexpr size_t centuriesSince1900Ut = 72;
constexpr size_t zodiac = 80;
constexpr size_t ramcRad = 84;  // then node, vertex, east point, asc, mc: i32 each
constexpr size_t node = 88;
constexpr size_t vertex = 92;
constexpr size_t eastPoint = 96;
constexpr size_t asc = 100;
constexpr size_t mc = 104;
constexpr size_t housePositions = 108;  // 216 bytes
constexpr size_t bodyBlocks = 324;      // eight blocks of 128 bytes
constexpr size_t coAscendant = 1360;
constexpr size_t polarAscendant = 1364;
}  // namespace image_offset

// Fixed-point encoding of an angle for a numeric name-file field.
inline int32_t EncodeFixed(double value) {
  return static_cast<int32_t>(std::llround(value * 5000000.0));
}
inline double DecodeFixed(int32_t value) { return value / 5000000.0; }

class NameFileImage : public PackedRecord<kNameFileImageSize> {
 public:
  void SetFixed(size_t offset, double angle) { Set<int32_t>(offset, EncodeFixed(angle)); }
  double GetFixed(size_t offset) const { return DecodeFixed(Get<int32_t>(offset)); }
  // Block b (0..7) of the body arrays: geocentric longitudes, latitudes, speeds,
  // heliocentric longitudes, latitudes, speeds, right ascensions, declinations.
  uint8_t* BodyBlock(int b) { return Data() + image_offset::bodyBlocks + 128 * b; }
  const uint8_t* BodyBlock(int b) const { return Data() + image_offset::bodyBlocks + 128 * b; }
  uint8_t* HousePositions() { return Data() + image_offset::housePositions; }
};

}  // namespace vostrane
