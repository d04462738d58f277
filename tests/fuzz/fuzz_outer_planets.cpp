// SPDX-License-Identifier: GPL-3.0-or-later
// "LRZ5_" and "CHI_" files: the node reads of one file and the Everett
// interpolation of what they hold, at moments chosen by the input.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "astro/OuterPlanetFiles.h"
#include "astro/OuterPlanetPositions.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  fuzz::BeginInput();
  const bool chiron = data[0] & 1;
  // A node whose neighbours the input holds, mostly; beyond them the reads
  // fail with a status naming the file.
  const size_t nodes = (size - 3) / (4 * static_cast<size_t>(chiron ? kChiWidth : kLrzWidth));
  const int span = static_cast<int>(
      std::min<size_t>(std::max<size_t>(nodes, 6) - 4, kOuterNodesPerFile - 5));
  const int node = 2 + (data[1] | (data[2] << 8)) % span;
  const std::string name = OuterFileName(chiron ? kChiPrefix : kLrzPrefix, 24);
  fuzz::WriteFile(name, data + 3, size - 3);
  const double t = OuterNodeJd(24, node) + 40.0 - 2433282.0;
  fuzz::RunReader([&] {
    for (int body :
         chiron ? std::initializer_list<int>{12} : std::initializer_list<int>{5, 6, 7, 8, 9}) {
      const OuterPosition p = OuterPos(body, t);
      if (p.available && p.status.ok() &&
          !(std::isfinite(p.lon) && std::isfinite(p.r) && std::isfinite(p.dlon)))
        fuzz::Fail("a position that is not a number");
    }
  });
  // The interpolation alone on node values taken from the input.
  double f[6] = {};
  for (size_t k = 0; k < 6 && 3 + 4 * (k + 1) <= size; ++k) {
    int32_t v;
    std::memcpy(&v, data + 3 + 4 * k, 4);
    f[k] = v / kOuterLonUnit;
  }
  for (int order : {2, 4}) {
    const EverettResult r = EverettInterp(f, order, (data[1] % 100) / 100.0);
    if (!std::isfinite(r.value) || !std::isfinite(r.rate)) fuzz::Fail("interpolation not finite");
  }
  return 0;
}
