#include "astro/HousesAtRamc.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/Houses.h"
#include "astro/TimeScales.h"

namespace vostrane {

double RamcOfMidheaven(double mcDeg, double z, double e) {
  const double l = (mcDeg - z) * kRadPerDeg;
  return ArcTanQuad(std::sin(l) * std::cos(e), std::cos(l));
}

bool CalcHousesAtRamc(ChartValues& values, char zodsel, char houseSystem, double ramc,
                      double latitudeDeg, bool geocentricLatitude) {
  HouseFrame frame;
  frame.phi = HouseLatitude(latitudeDeg, geocentricLatitude);
  frame.e = values.obliq;
  frame.ramc = ModAngle(2.0 * kPi, ramc);
  frame.z = ZodiacOffset(zodsel, values.ayan);
  frame.sunDecl = SunDeclination(values);
  values.ramc = frame.ramc;
  const ChartAngles angles = CalcAngles(frame, latitudeDeg);
  StoreAngles(angles, values);
  HouseCusps cusps{};
  SetStartingCusps(angles, cusps);
  const bool known = CalcHouseSystem(houseSystem, frame, angles, cusps);
  for (int h = 1; h <= 6; ++h) values.cusps[h - 1] = cusps[h];
  return known;
}

}  // namespace vostrane
