// SPDX-License-Identifier: GPL-3.0-or-later
// The program's colours: numbers 0 to 15 select the sixteen-colour palette;
// any other number is an RGB value with red in the low byte, then green,
// then blue.
#pragma once

#include <cstdint>

namespace vostrane {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  // 0xRRGGBB, handy for printing and comparing.
  uint32_t Hex() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// The colour of a colour number; black for every number when `monochrome`.
Rgb PaletteColour(int32_t colour, bool monochrome = false);

}  // namespace vostrane
