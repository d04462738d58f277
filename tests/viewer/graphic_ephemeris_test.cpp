// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "astro/BodySlots.h"
#include "viewer/GraphicEphemeris.h"
#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

// Modulo 90 degrees, points 90 degrees apart share one line and a curve that
// passes a multiple of 90 leaves at the top and comes back at the bottom,
// with no line drawn across the plot.
TEST(GraphicEphemeris, FoldsLongitudesByTheModulusWithoutLinesAcrossThePlot) {
  GraphicEphemeris g;
  g.fromJd = 2461041.5;
  g.toJd = g.fromJd + 30;
  g.modulus = 90;
  g.points = {{slot::Mars, 200}, {slot::Jupiter, 290}};
  g.curves = {{slot::Sun, {80, 85, 95, 100}}};
  RecordingSurface s;
  s.BeginPrintout('2', 'L');
  DrawGraphicEphemeris(s, g);

  const auto mars = s.TextsEqual("Mar"), jupiter = s.TextsEqual("Jup"), sun = s.TextsEqual("Sun");
  ASSERT_EQ(mars.size(), 1u);
  ASSERT_EQ(jupiter.size(), 1u);
  ASSERT_EQ(sun.size(), 1u);
  EXPECT_EQ(mars[0].y1, jupiter[0].y1);
  int curveLines = 0;
  for (const DrawOp& line : s.Lines()) {
    if (!(line.colour == sun[0].colour)) continue;
    ++curveLines;
    EXPECT_LT(std::abs(line.y2 - line.y1), s.Metrics().height / 4) << s.Dump();
  }
  EXPECT_EQ(curveLines, 2);
}

}  // namespace
}  // namespace vostrane
