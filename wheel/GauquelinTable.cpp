// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/GauquelinTable.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/AngleHelpers.h"
#include "common/HouseSystemNames.h"
#include "derived/EntryCalculation.h"

namespace vostrane {

namespace wo = wheel_offset;

std::optional<GauquelinSectors> SectorsOfChart(const ChartEntry& e) {
  if (HouseSystemOfLetter(e.houseSystemLetter()) != HouseSystemId::GauquelinSectors) return std::nullopt;
  HouseFrame frame;
  frame.phiRad = e.latitude() * kRadPerDeg;
  frame.eRad = e.obliquityRad();
  frame.ramcRad = e.ramcRad();
  frame.zDeg = ZodiacOffset(e);
  for (double v : {frame.phiRad, frame.eRad, frame.ramcRad, frame.zDeg})
    if (!std::isfinite(v)) return std::nullopt;  // an entry damaged elsewhere
  return CalcGauquelinSectors(frame, CalcAngles(frame, e.latitude()));
}

PageBox DrawGauquelinTable(const WheelPage& page, const PageBox& furtherPoints) {
  const std::optional<GauquelinSectors> sectors = SectorsOfChart(page.Inner());
  if (!sectors) return {};
  DrawingSurface& s = page.s;
  const PageMetrics& m = page.M();
  const int gx = std::max(1, m.gapX);
  const char font = page.def.Letter(wo::tableFont);

  page.UseTableGlyphs(page.def.I32(wo::tableColour));
  const int glyph = s.TextWidth("[");
  page.UseTableFont();
  const int w0 = s.TextWidth("0");
  const int numberWidth = s.TextWidth("36") + 2 * gx;
  const int column = numberWidth + 6 * w0 + glyph + 5 * gx + 6 + 3 * gx;
  const int width = 3 * column + 3 * gx;
  const PagePlace place = page.def.furtherPointsPlace();
  const int x = std::max(0, std::min(m.PageX(place.x), m.pageWidth - 1 - width));
  const int y = furtherPoints.drawn ? furtherPoints.bottom + m.halfLine : m.PageY(place.y);

  page.UseHeadingFont();
  const std::string heading = sectors->equalArcs ? "Gauquelin Sectors (equal arcs at this latitude)"
                                                 : "Gauquelin Sectors";
  int row = y + m.halfLine;
  s.TextAt(x + 3 * gx, row + m.baseOffset, heading);
  row += m.lineHeight;
  page.UseTableFont();
  for (int j = 0; j < 36; ++j) {
    const int left = x + 3 * gx + (j / 12) * column;
    const int top = row + (j % 12) * m.lineHeight;
    s.TextAt(left, top + m.baseOffset, std::to_string(j + 1));
    s.DrawLongitude(left + numberWidth, top, LongitudeFormat{.font = font}, sectors->start[j]);
  }
  const int bottom = row + 12 * m.lineHeight + m.halfLine;
  page.UseRulePen();
  s.Frame(x, y, x + width, bottom, true);
  return {true, x, y, x + width, bottom};
}

}  // namespace vostrane
