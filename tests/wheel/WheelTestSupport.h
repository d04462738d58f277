// SPDX-License-Identifier: GPL-3.0-or-later
// Styles, rings and aspect sets for the wheel tests.
#pragma once

#include <cmath>
#include <initializer_list>
#include <utility>

#include "wheel/Aspects.h"
#include "wheel/RecordingSurface.h"
#include "wheel/RingPoints.h"
#include "wheel/WheelDefinition.h"
#include "wheel/WheelSetup.h"

namespace vostrane::test {

namespace wo = wheel_offset;

// A plain single-wheel style: all points off but 0..9, no pointer lines,
// cusp marks, spreading or aspects; wheel size 2700, centred on the page.
inline WheelDefinition PlainStyle() {
  WheelDefinition d;
  const size_t letters[] = {
      wo::asteroids,        wo::chiron,           wo::houseRingCircle, wo::aspectCircle,
      wo::outerRingCircles, wo::glyphSpacing,     wo::aspectLines,     wo::pointerLines,
      wo::dashedCusps,      wo::thickAngles,      wo::partOfFortune,   wo::spreadLabels,
      wo::equalSectors,     wo::bendCusps,        wo::nodeShown,       wo::southNodeShown,
      wo::anglesInAspects,  wo::interceptedSigns, wo::anglesRing2,     wo::anglesRing3};
  for (size_t o : letters) d.SetLetter(o, 'N');
  d.SetLetter(wo::ringLineStyle, 'N');
  d.SetLetter(wo::glyphColumns, 'Y');
  d.SetLetter(wo::degreeScale, 'Y');
  d.SetLetter(wo::houseNumbers, 'E');
  d.SetLetter(wo::aspectSet, '1');
  d.SetLetter(wo::trueNode, 'T');
  for (size_t o : {wo::cuspLabelFont, wo::degreeFont, wo::minuteFont, wo::houseNumberFont, wo::tableFont,
                   wo::tableHeadingFont})
    d.SetLetter(o, 'B');
  for (size_t o :
       {wo::cuspLabelStyle, wo::planetGlyphStyle, wo::degreeStyle, wo::signGlyphStyle, wo::minuteStyle,
        wo::retrogradeStyle, wo::houseNumberStyle, wo::tableStyle, wo::tableHeadingStyle})
    d.SetLetter(o, 'N');
  d.SetI16(wo::wheelSize, 2700);
  d.SetI16(wo::wheelCentreX, 5000);
  d.SetI16(wo::wheelCentreY, 5000);
  for (size_t o :
       {wo::cuspLabelSize, wo::planetGlyphSize, wo::degreeSize, wo::signGlyphSize, wo::minuteSize,
        wo::retrogradeSize, wo::houseNumberSize, wo::tableSize, wo::tableHeadingSize})
    d.SetI16(o, 10);
  for (int p = 0; p < 19; ++p) d.setPointColours(p, 1, 0);
  d.SetI32(wo::ringColour, 0);
  return d;
}

// Cusps 1..12 from cusps 1..6 (the others opposite).
inline std::array<double, 12> Cusps(std::initializer_list<double> firstSix) {
  std::array<double, 12> c{};
  int i = 0;
  for (double v : firstSix) {
    c[i] = v;
    c[i + 6] = std::fmod(v + 180.0, 360.0);
    ++i;
  }
  return c;
}

inline std::array<double, 12> EqualCusps(double asc) {
  std::array<double, 12> c{};
  for (int j = 0; j < 12; ++j) c[j] = std::fmod(asc + 30.0 * j, 360.0);
  return c;
}

// A ring whose points 0..29 all sit at `rest` (a longitude no test uses for
// a shown point), with the given points placed and all speeds 1.
inline RingChart MakeRing(const std::array<double, 12>& cusps,
                          std::initializer_list<std::pair<int, double>> points, double rest = -1) {
  RingChart r;
  r.present = true;
  r.cusps = cusps;
  r.houseSystem = HouseSystemId::Placidus;
  for (int p = 0; p < kRingPoints; ++p) {
    r.lon[p] = rest >= 0 ? rest : std::fmod(cusps[0] + 180.0 + 0.5 * p, 360.0);
    r.speed[p] = 1.0;
  }
  for (const auto& [p, lon] : points) r.lon[p] = lon;
  r.lon[wheel_point::Ascendant] = cusps[0];
  r.lon[wheel_point::Midheaven] = cusps[9];
  return r;
}

// An aspect entry with the given angle and orbs (degrees), drawn as a thin
// straight line with glyph.
inline AspectEntry Aspect(int degrees, double planetOrb, double sunMoonOrb, int minutes = 0,
                          int seconds = 0) {
  AspectEntry e;
  e.degrees = static_cast<uint8_t>(degrees);
  e.minutes = static_cast<uint8_t>(minutes);
  e.seconds = static_cast<uint8_t>(seconds);
  e.orbDegrees = static_cast<uint8_t>(planetOrb);
  e.orbMinutes = static_cast<uint8_t>(std::lround((planetOrb - std::trunc(planetOrb)) * 60));
  e.sunOrbDegrees = static_cast<uint8_t>(sunMoonOrb);
  e.sunOrbMinutes = static_cast<uint8_t>(std::lround((sunMoonOrb - std::trunc(sunMoonOrb)) * 60));
  e.screenColour = 4;
  e.printColour = 0;
  e.lineStyle = 0;
  e.weight = 1;
  e.lineMode = 1;
  return e;
}

// A set whose candidate rows list every entry in use whose orb window
// (the larger orb) touches the row.
inline void FillCandidateRows(AspectSet& set) {
  for (int t = 0; t <= 180; ++t) {
    std::vector<int> row;
    for (int i = 1; i <= kAspectCount; ++i) {
      const AspectEntry e = set.Entry(i);
      if (!e.InUse()) continue;
      const double orb = std::max(e.PlanetOrb(), e.SunMoonOrb());
      if (t + 1 > e.Angle() - orb && t <= e.Angle() + orb) row.push_back(i);
    }
    set.SetCandidates(t, row);
  }
}

// The classic set: conjunction, opposition, square, trine, sextile.
inline AspectTables MajorAspects() {
  AspectTables t;
  t.set.SetEntry(1, Aspect(0, 7, 10));
  t.set.SetEntry(2, Aspect(180, 7, 10));
  t.set.SetEntry(3, Aspect(90, 6, 8));
  t.set.SetEntry(4, Aspect(120, 6, 8));
  t.set.SetEntry(5, Aspect(60, 4, 6));
  FillCandidateRows(t.set);
  BuildAspectTables(t);
  return t;
}

// Distance of a device point from the centre, and its wheel angle
// (counter-clockwise from the left, with vertical scale k).
inline double RadiusOf(const WheelSetup& w, double x, double y) {
  return std::hypot(x - w.cx, (y - w.cy) / w.k);
}
inline double AngleOf(const WheelSetup& w, double x, double y) {
  double a = std::atan2((y - w.cy) / w.k, -(x - w.cx)) * 180.0 / M_PI;
  return a < 0 ? a + 360.0 : a;
}

// Centre of a recorded text.
inline std::pair<double, double> CentreOf(const DrawOp& op) {
  const int w = static_cast<int>(op.text.size()) *
                std::max(1, static_cast<int>(std::lround(0.6 * op.fontPoints)));
  return {op.x1 + w / 2.0, op.y1 + op.fontPoints / 2.0};
}

}  // namespace vostrane::test
