// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LargeFont.h"

#include <cmath>

namespace vostrane {
namespace {
// Written once at start by the program, before any window reads it.
bool g_largeFonts = false;
}  // namespace

bool LargeFonts() { return g_largeFonts; }

void SetLargeFonts(bool large) { g_largeFonts = large; }

int ScaleForLargeFont(int size) {
  if (!g_largeFonts) return size;
  return static_cast<int>(std::lround(size * 1.25));
}

}  // namespace vostrane
