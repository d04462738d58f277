#include "common/LargeFont.h"

#include <cmath>

namespace vostrane {
namespace {
char g_largeFontMode = 'S';
}  // namespace

char LargeFontMode() { return g_largeFontMode; }

void SetLargeFontMode(char mode) { g_largeFontMode = mode == 'L' ? 'L' : 'S'; }

int ScaleForLargeFont(int size) {
  if (g_largeFontMode != 'L') return size;
  return static_cast<int>(std::lround(size * 1.25));
}

}  // namespace vostrane
