// SPDX-License-Identifier: GPL-3.0-or-later
// Which pair of charts a wheel page draws the aspect lines of in its centre:
// one pair at a time keeps the aspect circle of a bi- or tri-wheel readable.
// The choice is the viewer's; it overrides the wheel style's aspect-line
// letter (offset 10) for the page.
#pragma once

namespace vostrane {

enum class AspectPair {
  Default,      // a tri-wheel draws none until a pair is chosen, other pages as the style says
  Style,        // as the style says
  None,         // no aspect lines
  Inner,        // the inner chart's own aspects
  InnerSecond,  // inner against ring 2 (a bi-wheel's outer chart, e.g. transits to natal)
  InnerThird,   // inner against ring 3
  SecondThird,  // ring 2 against ring 3
};

// The aspect-line letter that draws the pair on a page of the ring category
// ('R', 'B', 'T'), given the style's own letter. A pair the page does not
// have draws no lines.
char AspectLinesLetter(AspectPair pair, char category, char styleLetter);

}  // namespace vostrane
