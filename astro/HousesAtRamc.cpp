#include "astro/HousesAtRamc.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/Houses.h"
#include "astro/TimeScales.h"
#include "session/ChartEntry.h"

namespace vostrane {

double RamcOfMidheaven(double mcDeg, double z, double e) {
  const double l = (mcDeg - z) * kRadPerDeg;
  return ArcTanQuad(std::sin(l) * std::cos(e), std::cos(l));
}

void CalcHousesAtRamc(ChartEntry& entry, double ramc, double latitudeDeg, bool geocentricLatitude) {
  HouseFrame frame;
  frame.phi = HouseLatitude(latitudeDeg, geocentricLatitude);
  frame.e = entry.obliq();
  frame.ramc = ModAngle(2.0 * kPi, ramc);
  frame.z = ZodiacOffset(entry);
  entry.setRamc(frame.ramc);
  const ChartAngles angles = CalcAngles(frame, latitudeDeg);
  StoreAngles(angles, entry);
  HouseCusps cusps{};
  SetStartingCusps(angles, cusps);
  CalcHouseSystem(entry.housesys(), frame, angles, cusps);
  for (int h = 1; h <= 6; ++h) entry.setCusp(h, cusps[h]);
}

}  // namespace vostrane
