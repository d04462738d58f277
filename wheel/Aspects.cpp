// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/Aspects.h"

#include <cmath>
#include <filesystem>

namespace vostrane {

void BuildAspectTables(AspectTables& tables) {
  for (int i = 1; i <= kAspectCount; ++i) {
    const AspectEntry e = tables.set.Entry(i);
    AspectBounds b;
    b.inUse = e.InUse();
    if (b.inUse) {
      b.angle = e.Angle();
      const double orbs[2] = {e.PlanetOrb(), e.SunMoonOrb()};
      for (int k = 0; k < 2; ++k) {
        b.low[k] = b.angle - orbs[k];
        if (b.low[k] < 0) b.low[k] += 360.0;
        b.high[k] = b.angle + orbs[k];
        if (b.high[k] >= 360.0) b.high[k] -= 360.0;
      }
    }
    tables.bounds[i - 1] = b;
  }
}

bool LoadAspectSet(AspectTables& tables, const WheelDefinition& def, const std::string& printoutCode,
                   const std::string& path) {
  const std::filesystem::path optionsPath = std::filesystem::path(path).replace_filename(
      kAspectOptionsFileName);
  ReadAspectOptions(tables.options, optionsPath.string());
  const int chosen = tables.options.WheelSet();
  const char letter = chosen ? static_cast<char>('0' + chosen) : def.Letter(wheel_offset::aspectSet);
  const bool read = ReadAspectSet(letter, printoutCode, tables.set, path);
  BuildAspectTables(tables);
  return read;
}

AspectResult FindAspectsBetween(const AspectTables& tables, double pa, double va, double pb, double vb,
                                bool sunOrMoon, double orbScale) {
  AspectResult result;
  double g = pa - pb;
  if (g < 0) g += 360.0;
  double s;
  bool forward, closing;
  if (g <= 180.0) {
    s = g;
    forward = true;
    closing = vb > va;  // the separation shrinks
  } else {
    s = 360.0 - g;
    forward = false;
    closing = !(vb > va);
  }
  if (!(s >= 0.0 && s <= 180.0)) return result;  // not a number
  const int k = sunOrMoon ? 1 : 0;
  const int row = static_cast<int>(std::trunc(s));

  int found = 0;
  for (int i : tables.set.Candidates(row)) {
    const AspectBounds& b = tables.Bounds(i);
    if (!b.inUse) continue;
    double low = b.low[k], high = b.high[k];
    const double angle = b.angle;
    if (orbScale != 1.0) {
      const AspectEntry e = tables.Entry(i);
      const double orb = (sunOrMoon ? e.SunMoonOrb() : e.PlanetOrb()) * orbScale;
      low = angle - orb < 0 ? angle - orb + 360.0 : angle - orb;
      high = angle + orb >= 360.0 ? angle + orb - 360.0 : angle + orb;
    }
    char mark;
    if (low <= high) {
      if (low <= s && s <= angle) mark = 'S';
      else if (angle < s && s <= high) mark = 'A';
      else continue;
      if (!closing) mark = mark == 'A' ? 'S' : 'A';
    } else {
      // The range wraps through 0 (a conjunction).
      if (!((forward && s <= high) || (!forward && low <= 360.0 - s))) continue;
      mark = closing ? 'A' : 'S';
    }
    double orb = std::fabs(angle - s);
    if (orb > 180.0) orb = 360.0 - orb;
    result[found < 2 ? found : 2] = FoundAspect{i, orb, mark};
    ++found;
  }
  return result;
}

AspectResult FindAspects(const AspectTables& tables, const RingArrays& rings, int a, int ra, int b,
                         int rb) {
  const RingChart& A = rings.Ring(ra);
  const RingChart& B = rings.Ring(rb);
  const bool sunOrMoon = a <= 1 || b <= 1;
  // A point without values for its chart has no aspects.
  if (!A.Available(a) || !B.Available(b)) return AspectResult{};
  return FindAspectsBetween(tables, A.lon[a], A.speed[a], B.lon[b], B.speed[b], sunOrMoon,
                            tables.options.PairFactor(a, b));
}

AspectKind AspectKindOf(const AspectEntry& e) {
  if (!e.InUse()) return {};
  if (e.minutes == 0 && e.seconds == 0) {
    switch (e.degrees) {
      case 0: return {0, 0};
      case 180: return {1, 1};
      case 90: return {2, 2};
      case 120: return {3, 4};
      case 60: return {4, 5};
      case 30: return {5, 8};
      case 150: return {6, 9};
      case 45: return {7, 6};
      case 135: return {8, 7};
      case 72: return {9, kNoAspectGlyph};
      case 144: return {10, kNoAspectGlyph};
      case 40: return {14, kNoAspectGlyph};
      case 80: return {15, kNoAspectGlyph};
      case 160: return {16, kNoAspectGlyph};
      case 36: return {17, kNoAspectGlyph};
      case 108: return {18, kNoAspectGlyph};
      default: return {};
    }
  }
  // The septiles are named by degrees and minutes, whatever their seconds.
  if (e.degrees == 51 && e.minutes == 25) return {11, kNoAspectGlyph};
  if (e.degrees == 102 && e.minutes == 51) return {12, kNoAspectGlyph};
  if (e.degrees == 154 && e.minutes == 17) return {13, kNoAspectGlyph};
  return {};
}

AspectKind AspectKindOf(const AspectTables& tables, int aspect) {
  return AspectKindOf(tables.set.Entry(aspect));
}

int AspectGlyphOf(const AspectEntry& e) {
  if (!e.InUse()) return kNoAspectGlyph;
  const double a = e.Angle();
  struct Pair {
    double angle;
    int glyph;
  };
  static constexpr Pair kGlyphs[] = {{0, 0},  {180, 1}, {90, 2}, {120, 4}, {60, 5},
                                     {45, 6}, {135, 7}, {30, 8}, {150, 9}};
  for (const Pair& p : kGlyphs)
    if (a == p.angle) return p.glyph;
  return kNoAspectGlyph;
}

bool TakesPartInAspects(const WheelDefinition& def, int point, int ring) {
  using namespace wheel_point;
  if (point >= Sun && point <= Pluto) return true;
  switch (point) {
    case Node: return def.Flag(wheel_offset::nodeShown);
    case Ascendant:
    case Midheaven:
      if (!def.Flag(wheel_offset::anglesInAspects)) return false;
      if (ring == 2) return def.Flag(wheel_offset::anglesRing2);
      if (ring == 3) return def.Flag(wheel_offset::anglesRing3);
      return true;
    case Chiron: return def.Flag(wheel_offset::chiron);
    case PartOfFortune: return def.Flag(wheel_offset::partOfFortune);
    case SouthNode: return def.Flag(wheel_offset::southNodeShown);
    default: return point >= Ceres && point <= Vesta && def.Letter(wheel_offset::asteroids) == 'Y';
  }
}

}  // namespace vostrane
