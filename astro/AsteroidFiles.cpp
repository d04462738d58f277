// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AsteroidFiles.h"

#include <cmath>

namespace vostrane {

const char* const kAsteroidFileNames[4] = {"NVCER21P.E87", "NVPAL21P.E87", "NVJUN21P.E87",
                                           "NVVES21P.E87"};

void EncodeAsteroidValue(double degrees, uint8_t out[3]) {
  const bool negative = degrees < 0;
  long seconds = std::lround(std::fabs(degrees) * 3600.0);
  long minutes = seconds / 60;
  if (minutes > 0x7FFF) {  // beyond the 15-bit count: keep the largest value
    minutes = 0x7FFF;
    seconds = minutes * 60 + 59;
  }
  out[0] = static_cast<uint8_t>((minutes >> 8) | (negative ? 0x80 : 0));
  out[1] = static_cast<uint8_t>(minutes & 0xFF);
  out[2] = static_cast<uint8_t>(seconds - minutes * 60);
}

double DecodeAsteroidValue(const uint8_t in[3]) {
  int b0 = in[0];
  double sign = 1.0;
  if (b0 >= 128) {
    sign = -1.0;
    b0 -= 128;
  }
  return sign * ((b0 * 256 + in[1]) + in[2] / 60.0) / 60.0;
}

}  // namespace vostrane
