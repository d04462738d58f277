// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/RingPoints.h"

#include <cmath>

#include "astro/BodySlots.h"
#include "common/AngleTime.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

namespace {

// Angles (Ascendant, Midheaven, Vertex, East point) move by about a circle a
// day; their stored motion is raised by 360 so that they always count as
// direct.
constexpr double kAngleSpeedLift = 360.0;

// A longitude in [0, 360); a value that is not a number (a damaged record)
// counts as 0.
double Reduce(double x) { return std::isfinite(x) ? Modulo(360.0, x) : 0.0; }
double Finite(double x) { return std::isfinite(x) ? x : 0.0; }

}  // namespace

bool SunAboveHorizon(double sun, double asc) { return Modulo(360.0, sun - asc) >= 180.0; }

RingChart FillRing(const ChartEntry& e, const WheelDefinition& def, bool fortuneByDayAndNight) {
  using namespace wheel_point;
  RingChart r;
  r.present = true;
  r.houseSystem = CalculatedHouseSystem(e.houseSystemLetter());
  auto speedOf = [&](int slot) { return Finite(e.body(BodyArray::Speed, slot)); };
  auto lonOf = [&](int slot) { return Reduce(e.lon(slot)); };

  for (int p = Sun; p <= Pluto; ++p) {
    r.lon[p] = lonOf(p);
    r.speed[p] = speedOf(p);
  }
  if (def.Letter(wheel_offset::trueNode) == 'T') {
    r.lon[Node] = lonOf(10);
    r.speed[Node] = speedOf(10);
  } else {
    r.lon[Node] = Reduce(e.moonNodeDeg());
    const int sub = e.chartSubtype();
    if (e.chartType() == 4 && (sub == 2 || sub == 3 || sub == 7 || sub == 8)) {
      r.speed[Node] = r.speed[Pluto];
    } else {
      // An entry without a harmonic number (written elsewhere) counts as
      // harmonic 1, so that the mean node stays retrograde.
      const int harmonic = e.harmonic() >= 1 ? e.harmonic() : 1;
      r.speed[Node] = -0.05 * harmonic;
    }
  }

  for (int h = 1; h <= 6; ++h) {
    r.cusps[h - 1] = Reduce(e.cusp(h));
    r.cusps[h + 5] = Reduce(r.cusps[h - 1] + 180.0);
  }
  // The angles are the chart's real ones: cusp 1 only where the system
  // puts the Ascendant there.
  r.lon[Ascendant] = AscendantIsCusp1(r.houseSystem) ? r.cusps[0] : Reduce(e.asc());
  r.speed[Ascendant] = speedOf(11) + kAngleSpeedLift;
  r.lon[Midheaven] = MidheavenIsCusp10(r.houseSystem) ? r.cusps[9] : Reduce(e.mc());
  r.speed[Midheaven] = speedOf(12) + kAngleSpeedLift;

  for (int p = Ceres; p <= Chiron; ++p) {
    r.lon[p] = lonOf(p + 3);
    r.speed[p] = speedOf(p + 3);
  }
  for (int p = Ceres; p <= Chiron; ++p)
    if (!e.bodyAvailable(p + 3)) r.unavailable |= 1u << p;
  const double night = fortuneByDayAndNight && !SunAboveHorizon(r.lon[Sun], r.lon[Ascendant]) ? -1.0
                                                                                              : 1.0;
  r.lon[PartOfFortune] = Reduce(r.lon[Ascendant] + night * (r.lon[Moon] - r.lon[Sun]));
  r.speed[PartOfFortune] = r.speed[Ascendant] + night * (r.speed[Moon] - r.speed[Sun]);
  r.lon[SouthNode] = Reduce(r.lon[Node] + 180.0);
  r.speed[SouthNode] = r.speed[Node];
  r.lon[Vertex] = lonOf(13);
  r.speed[Vertex] = speedOf(13) + kAngleSpeedLift;
  r.lon[EastPoint] = lonOf(14);
  r.speed[EastPoint] = speedOf(14) + kAngleSpeedLift;
  for (int p = FirstHypothetical; p < kRingPoints; ++p) {
    r.lon[p] = lonOf(p + 1);
    r.speed[p] = speedOf(p + 1);
  }
  return r;
}

RingArrays FillRingArrays(const WheelDefinition& def, char category, const ChartEntry& inner,
                          const ChartEntry* second, const ChartEntry* third, bool fortuneByDayAndNight) {
  RingArrays rings;
  rings.category = category == 'C' ? 'T' : category;
  rings.Ring(1) = FillRing(inner, def, fortuneByDayAndNight);
  if (rings.Count() >= 2 && second) rings.Ring(2) = FillRing(*second, def, fortuneByDayAndNight);
  if (rings.Count() >= 3 && third) rings.Ring(3) = FillRing(*third, def, fortuneByDayAndNight);
  return rings;
}

bool PointShown(const WheelDefinition& def, const RingArrays& rings, int point, int ring) {
  using namespace wheel_point;
  if (point >= Sun && point <= Pluto) return true;
  const char asteroids = def.Letter(wheel_offset::asteroids);
  const char fortune = def.Letter(wheel_offset::partOfFortune);
  switch (point) {
    case Node: return def.Flag(wheel_offset::nodeShown);
    case Ascendant:
    case Midheaven:
      if (ring == 1) {
        const HouseSystemId hs = rings.Ring(1).houseSystem;
        return point == Ascendant ? !AscendantIsCusp1(hs) : !MidheavenIsCusp10(hs);
      }
      return def.Flag(ring == 2 ? wheel_offset::anglesRing2 : wheel_offset::anglesRing3);
    case Chiron: return def.Flag(wheel_offset::chiron) && rings.Ring(ring).Available(point);
    case PartOfFortune: return fortune == 'Y' || fortune == 'y';
    case SouthNode: return def.Flag(wheel_offset::southNodeShown);
    default:
      if (point >= Ceres && point <= Vesta)
        return (asteroids == 'Y' || asteroids == 'y') && rings.Ring(ring).Available(point);
      return false;
  }
}

}  // namespace vostrane
