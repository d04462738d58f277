// SPDX-License-Identifier: GPL-3.0-or-later
// What the parts of one wheel page share while it is assembled: the surface,
// the wheel style, the ring arrays with the charts they come from, the name
// tables, the aspect set and the wheel setup; and the fonts of the tables.
#pragma once

#include <array>
#include <string>

#include "session/ChartEntry.h"
#include "wheel/Aspects.h"
#include "wheel/DrawingSurface.h"
#include "wheel/PageNames.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelLots.h"
#include "wheel/WheelSetup.h"

namespace vostrane {

// The rectangle a page element took (device pixels).
struct PageBox {
  bool drawn = false;
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Overlaps(const PageBox& o) const {
    return drawn && o.drawn && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

struct WheelPage {
  DrawingSurface& s;
  const WheelDefinition& def;
  const RingArrays& rings;
  // The chart of each ring as the page shows it (ring r at index r - 1;
  // null for a ring without a chart).
  std::array<const ChartEntry*, 3> charts{};
  const PageNames& names;
  const AspectTables& aspects;
  const WheelSetup& setup;
  std::string code = "AAA";
  char placeStyle = 'K';            // place name style of the header (control record offset 277)
  std::vector<WheelLot> lots = {};  // the lots drawn among the other points

  char Category() const { return rings.category; }
  int ChartCount() const { return rings.Count(); }
  bool Multi() const { return rings.Count() > 1; }
  const PageMetrics& M() const { return s.Metrics(); }
  // The inner chart (ring 1); never null while a page is drawn.
  const ChartEntry& Inner() const { return *charts[0]; }
  // Device colour choice of a point: its screen colour on the screen, its
  // print colour on paper.
  int32_t PointColour(int point) const {
    return s.Device() == OutputDevice::Screen ? def.pointScreenColour(point)
                                              : def.pointPrintColour(point);
  }

  // Fonts of the tables: the table font (offsets 19, 408, 121, 436), the
  // heading font (18, 406, 121, 435) and the glyph font at the table size.
  void UseTableFont() const {
    s.SetFont(def.Letter(wheel_offset::tableFont), def.I16(wheel_offset::tableSize),
              def.I32(wheel_offset::tableColour), def.Style(wheel_offset::tableStyle));
  }
  void UseHeadingFont() const {
    s.SetFont(def.Letter(wheel_offset::tableHeadingFont), def.I16(wheel_offset::tableHeadingSize),
              def.I32(wheel_offset::tableColour), def.Style(wheel_offset::tableHeadingStyle));
  }
  void UseTableGlyphs(int32_t colour) const {
    s.SetFont('A', def.I16(wheel_offset::tableSize), colour, def.Style(wheel_offset::tableStyle));
  }
  // Solid pen at the base width in the frame colour, for table rules.
  void UseRulePen() const {
    s.SetPenStyle(kPenSolid);
    s.SetPenWidth(M().baseWidth);
    s.SetPenColour(def.I32(wheel_offset::frameColour));
  }
};

// The declination of a wheel point 0..19 from a chart entry's body slots
// (points 0..12 their own slot, 13..17 slots 16..20, 18 none (0), 19 the
// node's declination turned).
double PointDeclination(const ChartEntry& e, int point);

}  // namespace vostrane
