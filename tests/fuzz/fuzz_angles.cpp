// SPDX-License-Identifier: GPL-3.0-or-later
// "ANGLES.DAT": an aspect set read by its letter, the tables built from it
// and aspect searches over the whole circle.
#include <cmath>

#include "wheel/AspectSetFile.h"
#include "wheel/Aspects.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  fuzz::BeginInput();
  fuzz::WriteFile(kAspectSetFileName, data + 1, size - 1);
  AspectTables tables;
  ReadAspectSet(static_cast<char>('0' + data[0] % 5), "AAA", tables.set);
  BuildAspectTables(tables);
  for (double separation = 0; separation < 360; separation += 3.7) {
    for (bool sun : {false, true}) {
      for (const FoundAspect& f : FindAspectsBetween(tables, 5.0, 1.2, 5.0 + separation, -0.3, sun)) {
        if (!f.Found()) continue;
        if (f.aspect > kAspectCount || !std::isfinite(f.orb)) fuzz::Fail("an aspect out of range");
      }
    }
  }
  for (int i = 0; i <= kAspectCount + 1; ++i) {
    AspectKindOf(tables.set.Entry(i));
    AspectGlyphOf(tables.set.Entry(i));
  }
  return 0;
}
