// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Angles.h"

#include <cmath>

#include "astro/AngleHelpers.h"

namespace vostrane {

namespace {

// The RAMC advances by this much more than a full turn in one day: the
// mean solar day is 3m 56.555s of sidereal time longer than the sidereal
// day (the days' ratio is 1.00273790935), here 3m 56.56s. The exact excess,
// 0.98564737 degrees, is 0.07" per day smaller: a relative error of 5e-8
// in the daily motion of the RAMC and with it in those of the angles.
constexpr double kRamcDailyExcessDeg = 0.98566667;

// The four angles that move with the RAMC, for a meridian at r.
struct MovingAngles {
  double asc;
  double mc;
  double vertex;
  double eastPoint;
};

// The Vertex is the western one of the two points where the prime
// vertical meets the ecliptic. The ascendant formula at the co-latitude
// picks one of the two by the quadrant of the meridian, which within the
// tropics gives the eastern point for up to half of all meridians; that
// point is turned to its opposite.
double WesternPoint(const HouseFrame& f, double r, double longitudeDeg) {
  const double l = (longitudeDeg - f.zDeg) * kRadPerDeg;  // tropical, for the right ascension
  const double ra = std::atan2(std::sin(l) * std::cos(f.eRad), std::cos(l));
  if (std::sin(r - ra) >= 0.0) return longitudeDeg;  // hour angle 0..180: west
  return ModAngle(360.0, longitudeDeg + 180.0);
}

MovingAngles AnglesAt(const HouseFrame& f, double r) {
  MovingAngles a;
  a.mc = ModAngle(360.0, LongOfRA(r, f.eRad) * kDegPerRad + f.zDeg);
  a.asc = AscOf(f, f.phiRad, r);
  a.vertex = WesternPoint(f, r, AscOf(f, kPi / 2.0 - f.phiRad, ModAngle(2.0 * kPi, kPi + r)));
  a.eastPoint = ModAngle(360.0,
                         ArcTanQuad(std::cos(r), -std::sin(r) * std::cos(f.eRad)) * kDegPerRad + f.zDeg);
  return a;
}

// Change over one day, signed: into [0, 360), then less 360 above 180.
double DailyMotion(double before, double after) {
  const double m = ModAngle(360.0, after - before);
  return m > 180.0 ? m - 360.0 : m;
}

}  // namespace

ChartAngles CalcAngles(const HouseFrame& f, double latitudeDeg) {
  const MovingAngles now = AnglesAt(f, f.ramcRad);
  const double nextDayRamc = ModAngle(2.0 * kPi, f.ramcRad + kRamcDailyExcessDeg * kRadPerDeg);
  const MovingAngles next = AnglesAt(f, nextDayRamc);

  ChartAngles a;
  a.asc = now.asc;
  a.mc = now.mc;
  a.vertex = now.vertex;
  a.eastPoint = now.eastPoint;
  a.ascMotion = DailyMotion(now.asc, next.asc);
  a.mcMotion = DailyMotion(now.mc, next.mc);
  a.vertexMotion = DailyMotion(now.vertex, next.vertex);
  a.eastptMotion = DailyMotion(now.eastPoint, next.eastPoint);

  const double ramcDeg = f.ramcRad * kDegPerRad;
  const double eDeg = f.eRad * kDegPerRad;
  a.coAscendant = ModAngle(360.0, AscDeg(ramcDeg + 90.0, 90.0 - latitudeDeg, eDeg) + f.zDeg);
  a.polarAscendant = ModAngle(360.0, AscDeg(ramcDeg + 270.0, latitudeDeg, eDeg) + f.zDeg);
  return a;
}

}  // namespace vostrane
