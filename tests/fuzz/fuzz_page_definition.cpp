// SPDX-License-Identifier: GPL-3.0-or-later
// "PAGEW.DEF" (and the first line of "AYANAMSH.DAT"): the text readers and
// the printer page metrics computed from what they read.
#include <cmath>

#include "astro/Zodiac.h"
#include "wheel/PageDefinition.h"
#include "wheel/PageMetrics.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::BeginInput();
  fuzz::WriteFile(kPageDefinitionFileName, data, size);
  PageDefinition def;
  ReadPageDefinition(def);
  for (int v : {def.topMargin, def.bottomMargin, def.lines, def.leftMargin, def.rightMargin, def.sixth})
    if (v != kBadPageValue && (v < 0 || v > 32767)) fuzz::Fail("a page value out of range");
  PrinterPage page;
  page.pixelWidth = 4960;
  page.pixelHeight = 7016;
  page.printableWidthMm = 203.2;
  page.printableHeightMm = 260.0;
  for (char orientation : {'P', 'L'}) {
    PageMetrics m;
    ComputePrinterPageMetrics(m, page, orientation, 8.5, 14.0, def);
    ComputeDerivedMetrics(m, def.lines, true);
    // A line density in the tens of thousands gives rows of height 0; that
    // is what the file asks for, so only signs and finiteness are checked.
    if (m.lineHeight < 0 || m.charWidth < 0 || m.baseWidth < 1 || !std::isfinite(m.k))
      fuzz::Fail("unusable metrics");
  }
  const auto correction = ParseAyanamshaLine(std::string(reinterpret_cast<const char*>(data), size));
  if (correction && !(std::fabs(*correction) < 100.0 + 99.0 / 60 + 99.0 / 3600))
    fuzz::Fail("an ayanamsa correction out of range");
  return 0;
}
