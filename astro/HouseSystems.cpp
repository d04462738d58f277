// SPDX-License-Identifier: GPL-3.0-or-later
// Dispatch, order check and the systems that need no spherical projection
// of the quadrants: Equal, Meridian, Morinus and Porphyry.
#include "astro/HouseSystems.h"

#include <cmath>
#include <iterator>
#include <optional>

#include "astro/AngleHelpers.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

namespace {

// b - a brought into [0, 360) for a and b in [0, 360).
double ForwardDiff(double a, double b) {
  const double d = b - a;
  return d < 0.0 ? d + 360.0 : d;
}

// The shorter arc between two longitudes.
double ShorterArc(double a, double b) {
  const double d = std::fabs(b - a);
  return d > 180.0 ? 360.0 - d : d;
}

}  // namespace

double CuspFromRadians(double x, double z) { return ModAngle(360.0, x * kDegPerRad + z); }

double HalfCircleChoice(double x, double cusp1, double z) {
  const double a = ModAngle(360.0, cusp1 - z);
  double d = x - a;
  if (d < 0.0) d += 360.0;
  if (d > 180.0) {
    x -= 180.0;
    if (x < 0.0) x += 360.0;
  }
  return ModAngle(360.0, x + z);
}

void SetStartingCusps(const ChartAngles& angles, HouseCusps& cusps) {
  cusps[1] = angles.asc;
  cusps[4] = ModAngle(360.0, angles.mc + 180.0);
}

void TrisectQuadrants(HouseCusps& c) {
  // The cusps already carry the zodiac offset; it is not added again.
  const double d = ShorterArc(c[1], c[4]);
  const double c2 = c[1] + d / 3.0;
  const double c3 = c2 + d / 3.0;
  double opposite = c[1] + 180.0;
  if (opposite >= 360.0) opposite -= 360.0;
  const double dd = ShorterArc(opposite, c[4]);
  const double c5 = c[4] + dd / 3.0;
  const double c6 = c5 + dd / 3.0;
  c[2] = ModAngle(360.0, c2);
  c[3] = ModAngle(360.0, c3);
  c[5] = ModAngle(360.0, c5);
  c[6] = ModAngle(360.0, c6);
}

void CheckCuspOrder(HouseCusps& c) {
  if (ForwardDiff(c[1], c[4]) >= 180.0) {
    c[1] += 180.0;
    if (c[1] >= 360.0) c[1] -= 360.0;
  }
  // Cusps 1 to 6 and then the descendant (cusp 7) must follow each other
  // forward and together span half a circle. Checking the steps between
  // cusps 1 to 6 alone lets a cusp 6 past the descendant through, which
  // Topocentric houses give near and above the polar circle.
  double descendant = c[1] + 180.0;
  if (descendant >= 360.0) descendant -= 360.0;
  bool inOrder = true;
  double span = 0.0;
  for (int k = 1; k <= 6; ++k) {
    const double step = ForwardDiff(c[k], k < 6 ? c[k + 1] : descendant);
    if (step >= 180.0) inOrder = false;
    span += step;
  }
  // Steps that each stay below 180 can still run round more than once; the
  // span is then 540 or more instead of 180.
  if (span > 270.0) inOrder = false;
  if (!inOrder) TrisectQuadrants(c);
}

void EqualCusps(const HouseFrame&, const ChartAngles& angles, HouseCusps& c) {
  c[1] = angles.asc;
  for (int k = 2; k <= 6; ++k) c[k] = ModAngle(360.0, c[k - 1] + 30.0);
}

void MeridianCusps(const HouseFrame& f, const ChartAngles& angles, HouseCusps& c) {
  auto longitudeAt = [&](double offsetDeg) {
    return LongOfRA(ModAngle(2.0 * kPi, f.ramcRad + offsetDeg * kRadPerDeg), f.eRad);
  };
  c[5] = CuspFromRadians(longitudeAt(30.0) + kPi, f.zDeg);
  c[6] = CuspFromRadians(longitudeAt(60.0) + kPi, f.zDeg);
  c[2] = CuspFromRadians(longitudeAt(120.0), f.zDeg);
  c[3] = CuspFromRadians(longitudeAt(150.0), f.zDeg);
  c[1] = angles.eastPoint;
}

void MorinusCusps(const HouseFrame& f, const ChartAngles&, HouseCusps& c) {
  // Equator points 30 degrees apart from the meridian on, projected onto
  // the ecliptic along circles of longitude.
  static constexpr int kCuspOf[6] = {4, 5, 6, 1, 2, 3};
  for (int i = 0; i < 6; ++i) {
    const double ra = ModAngle(2.0 * kPi, f.ramcRad + 30.0 * i * kRadPerDeg);
    double x = std::atan(std::cos(f.eRad) * std::tan(ra)) * kDegPerRad;
    if (x < 0.0) x += 180.0;
    if (ra > kPi) x += 180.0;
    if (i < 3) x += 180.0;
    c[kCuspOf[i]] = ModAngle(360.0, x + f.zDeg);
  }
}

void PorphyryCusps(const HouseFrame&, const ChartAngles&, HouseCusps& c) { TrisectQuadrants(c); }

void CalcHouseSystem(HouseSystemId id, const HouseFrame& frame, const ChartAngles& angles,
                     HouseCusps& cusps) {
  using System = void (*)(const HouseFrame&, const ChartAngles&, HouseCusps&);
  // In the order of HouseSystemId.
  static constexpr System kSystems[] = {CampanusCusps,
                                        EqualCusps,
                                        KochCusps,
                                        MeridianCusps,
                                        MorinusCusps,
                                        PlacidusCusps,
                                        PorphyryCusps,
                                        RegiomontanusCusps,
                                        TopocentricCusps,
                                        WholeSignCusps,
                                        AlcabitiusCusps,
                                        EqualFromMidheavenCusps,
                                        VehlowCusps,
                                        KrusinskiPisaCusps,
                                        HorizontalCusps,
                                        ApcCusps,
                                        CarterCusps,
                                        SripatiCusps,
                                        PullenSinusoidalDeltaCusps,
                                        EqualFromAriesCusps,
                                        SunshineCusps,
                                        PlacidusCusps};  // Gauquelin's sectors
  static_assert(std::size(kSystems) == 22);
  kSystems[static_cast<size_t>(id)](frame, angles, cusps);
  // The equal systems and Sripati (midpoints of checked Porphyry cusps) are
  // in order by construction. Porphyry is checked too: at high latitudes
  // cusp 4 can lie behind the Ascendant, and trisecting the shorter arc
  // would then run the cusps backwards past cusp 4.
  switch (id) {
    case HouseSystemId::Equal:
    case HouseSystemId::WholeSign:
    case HouseSystemId::EqualFromMidheaven:
    case HouseSystemId::Vehlow:
    case HouseSystemId::EqualFromAries:
    case HouseSystemId::Sripati: break;
    default: CheckCuspOrder(cusps);
  }
}

}  // namespace vostrane
