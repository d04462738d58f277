// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/GauquelinSectors.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/HouseSystems.h"

namespace vostrane {

namespace {

constexpr int kIterations = 200;
constexpr double kTolerance = 1e-13;  // radians

// The right ascension s of boundary j (not an angle) is the fixed point of
// s = R + meridian distance, where the distance is the boundary's share of
// the semi-arc of the ecliptic point at s: for tan(decl) = tan e sin s the
// diurnal semi-arc is arccos(-tan phi tan decl). Returns false when the
// steps do not settle.
bool BoundaryRightAscension(const HouseFrame& f, int j, double& s) {
  const double k = std::tan(f.eRad) * std::tan(f.phiRad);
  s = f.ramcRad;
  for (int step = 0; step < kIterations; ++step) {
    const double x = -k * std::sin(s);
    if (std::fabs(x) >= 1.0) return false;
    const double diurnal = std::acos(x);
    const double nocturnal = kPi - diurnal;
    double next;
    if (j < 9) next = f.ramcRad + (9 - j) / 9.0 * diurnal;                   // east, above
    else if (j < 18) next = f.ramcRad - (j - 9) / 9.0 * diurnal;             // west, above
    else if (j < 27) next = f.ramcRad - (kPi - (27 - j) / 9.0 * nocturnal);  // west, below
    else next = f.ramcRad + kPi - (j - 27) / 9.0 * nocturnal;                // east, below
    if (!std::isfinite(next)) return false;
    const bool settled = std::fabs(next - s) < kTolerance;
    s = next;
    if (settled) return true;
  }
  return false;
}

}  // namespace

GauquelinSectors CalcGauquelinSectors(const HouseFrame& f, const ChartAngles& angles) {
  GauquelinSectors out;
  const double ic = ModAngle(360.0, angles.mc + 180.0);
  const double desc = ModAngle(360.0, angles.asc + 180.0);
  const double angleAt[4] = {angles.asc, angles.mc, desc, ic};
  bool solved = std::fabs(std::tan(f.eRad) * std::tan(f.phiRad)) < 1.0;
  for (int j = 0; j < 36 && solved; ++j) {
    if (j % 9 == 0) {
      out.start[j] = angleAt[j / 9];
      continue;
    }
    double s = 0.0;
    solved = BoundaryRightAscension(f, j, s);
    out.start[j] = CuspFromRadians(LongOfRA(ModAngle(2.0 * kPi, s), f.eRad), f.zDeg);
  }
  if (solved) return out;

  // Nine equal arcs per quadrant, from the Ascendant back to the
  // Midheaven and on round. The Ascendant is first turned as the order check
  // of the house systems turns cusp 1.
  out.equalArcs = true;
  double asc = angles.asc;
  if (ModAngle(360.0, ic - asc) >= 180.0) asc = ModAngle(360.0, asc + 180.0);
  const double corners[5] = {asc, angles.mc, ModAngle(360.0, asc + 180.0), ic, asc};
  for (int q = 0; q < 4; ++q) {
    const double arc = ModAngle(360.0, corners[q] - corners[q + 1]);
    for (int i = 0; i < 9; ++i) out.start[9 * q + i] = ModAngle(360.0, corners[q] - arc * i / 9.0);
  }
  return out;
}

}  // namespace vostrane
