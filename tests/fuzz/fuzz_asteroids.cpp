// SPDX-License-Identifier: GPL-3.0-or-later
// Asteroid files: the header day, the record reads and the interpolation.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "astro/AsteroidFiles.h"
#include "astro/AsteroidPositions.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  fuzz::BeginInput();
  fuzz::WriteFile(kAsteroidFileNames[1], data + 2, size - 2);
  // A day within the records the input holds (after its header day), and
  // days before and after the files.
  double start = 2349000.0;
  if (size >= 10) {
    double header;
    std::memcpy(&header, data + 2, sizeof header);
    if (std::isfinite(header) && std::fabs(header) < 1e8) start = header;
  }
  const double days = std::max(1.0, (size - 2) / 9.0 * kAsteroidStep);
  const double chosen = start + std::fmod((data[0] | (data[1] << 8)) * 1.7, days);
  for (double julianDayUt : {chosen, 2451545.0, 2349000.0, 2470000.0}) {
    CalcStatus status;
    const auto p = AsteroidPos(2, julianDayUt, status);
    if (p && !(std::isfinite(p->lon) && std::isfinite(p->lat) && std::isfinite(p->dist)))
      fuzz::Fail("an asteroid position that is not a number");
  }
  return 0;
}
