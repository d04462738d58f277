// SPDX-License-Identifier: GPL-3.0-or-later
// The aspects on the wheel page: the aspect lines in the centre of the wheel
// between the rings the style pairs, and the aspect legend (legend table 4).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "wheel/Aspects.h"
#include "wheel/DrawingSurface.h"
#include "wheel/GlyphPlacement.h"
#include "wheel/WheelSetup.h"

namespace vostrane {

// The ring pairs whose aspects are drawn as lines, in drawing order, for a
// chart category ('R', 'B', 'T') and the style's offset 10.
std::vector<std::pair<int, int>> AspectRingPairs(char category, char linesLetter);

// The highest point (at most 19) that takes part in aspects in a ring, -1
// when none does.
int LastAspectPoint(const WheelDefinition& def, int ring);

// Wheel angle at which a point's aspect lines end: the angle of its glyph
// slot; the inner chart's Ascendant at 0 and its Midheaven at 270 with equal
// sectors (unless the chart's houses are equal houses, 'B'), else at its
// true place. A point without a slot ends at its true place.
double AspectEndAngle(const WheelDefinition& def, const RingArrays& rings, const PlacedSlots& slots,
                      int point, int ring);

// One aspect line as drawn: the end points, the bend point (modes other than
// 1 and 2) and where its glyph goes.
struct AspectLine {
  int aspect = 0;
  int ring1 = 1, point1 = 0, ring2 = 1, point2 = 0;
  Point end1, end2;
  int mode = 1;                // wheel line mode (byte 10 of the entry)
  Point bend;                  // mode 2: the centre; other modes: the bend point
  int glyph = kNoAspectGlyph;  // drawn when the weight asks for it
  Point glyphAt;
  int32_t colour = 0;
  int penStyle = 0;
  int penWidth = 1;  // in base widths: 3 thick, 1 thin
  // How wide the aspect is: its orb as a share of the orb the set allows
  // (0 exact, 1 at the edge). Wider aspects are drawn thinner.
  double orbShare = 0;
};

// The pen width in pixels of an aspect line: its weight in base widths,
// down to half of it for an aspect at the edge of its orb, at least 1.
int AspectPenPixels(const AspectLine& line, int baseWidth);

// Whether an exact angle is one of the major aspects (0, 60, 90, 120 and
// 180 degrees); the lines of the others are drawn dashed where the set
// draws them solid.
bool MajorAspectAngle(const AspectEntry& e);

// The lines the wheel centre shows (first and second result of every pair
// of taking-part points, line mode not 0), without drawing them.
std::vector<AspectLine> CollectAspectLines(const WheelDefinition& def, const RingArrays& rings,
                                           const WheelSetup& setup, const AspectTables& tables,
                                           const PlacedSlots& slots, OutputDevice device);

// Where the glyphs of the lines are drawn (boxes of width x height), shorter
// lines first: each at the first place on its line, from its own place
// (glyphAt) and then from the middle outward, or else just beside the line,
// that keeps off the centre of the wheel, inside the circle the lines end
// on, and off the glyphs placed before it. A line with no such place shows
// no glyph (nullopt): a glyph on top of another could be read as neither.
std::vector<std::optional<Point>> PlaceAspectMarks(const std::vector<AspectLine>& lines, int width,
                                                   int height, const WheelSetup& setup);

// Draws the aspect lines and their glyphs; afterwards the pen is solid at
// the base width.
void DrawAspectLines(DrawingSurface& s, const WheelDefinition& def, const RingArrays& rings,
                     const WheelSetup& setup, const AspectTables& tables, const PlacedSlots& slots);

// ---- Aspect legend ---------------------------------------------------------

// The entries the legend lists, in aspect-number order, by the style's
// filter (offset 44): 'A' kinds 0..6, 'B' kinds 0..8, 'C' those and any
// entry with a wheel line, any other letter every entry in use.
std::vector<int> AspectLegendEntries(const AspectTables& tables, char filter);

// Names of the nineteen aspect kinds (codes 0..18), from the viewer's name
// tables.
using AspectKindNames = std::vector<std::string>;

// Draws legend table 4 with its top-left corner at (x, y) in device pixels:
// per listed entry the glyph, the name (kind name, or the short name of a
// kind-99 entry), the exact angle, the planets orb and the Sun/Moon orb,
// under the headings "Aspect", "Planets" / "Orb" and "Sun/Moon" / "Orb";
// framed, with a rule below the heading. Returns the bottom of the frame.
int DrawAspectLegend(DrawingSurface& s, const WheelDefinition& def, const AspectTables& tables, int x,
                     int y, const AspectKindNames& kindNames);

}  // namespace vostrane
