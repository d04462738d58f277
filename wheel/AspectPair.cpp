// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectPair.h"

namespace vostrane {

char AspectLinesLetter(AspectPair pair, char category, char styleLetter) {
  const bool tri = category == 'T' || category == 'C', bi = category == 'B';
  // The letter that draws no lines: 'N' but on a tri-wheel, where it names
  // three pairs.
  const char none = tri ? 'P' : 'N';
  switch (pair) {
    case AspectPair::Default: return tri ? none : styleLetter;
    case AspectPair::Style: return styleLetter;
    case AspectPair::None: return none;
    case AspectPair::Inner: return tri ? 'D' : bi ? 'A' : 'Y';
    case AspectPair::InnerSecond: return tri ? 'A' : bi ? 'B' : none;
    case AspectPair::InnerThird: return tri ? 'B' : none;
    case AspectPair::SecondThird: return tri ? 'C' : none;
  }
  return styleLetter;
}

}  // namespace vostrane
