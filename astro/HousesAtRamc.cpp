// SPDX-License-Identifier: GPL-3.0-or-later
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

void CalcHousesAtRamc(ChartValues& values, ZodiacKind zodiac, HouseSystemId houseSystem, double ramc,
                      double latitudeDeg, bool geocentricLatitude) {
  HouseFrame frame;
  frame.phiRad = HouseLatitude(latitudeDeg, geocentricLatitude);
  frame.eRad = values.obliquityRad;
  frame.ramcRad = ModAngle(2.0 * kPi, ramc);
  frame.zDeg = ZodiacOffset(zodiac, values.ayanamsaDeg);
  frame.sunDeclRad = SunDeclination(values);
  values.ramc = frame.ramcRad;
  const ChartAngles angles = CalcAngles(frame, latitudeDeg);
  StoreAngles(angles, values);
  HouseCusps cusps{};
  SetStartingCusps(angles, cusps);
  CalcHouseSystem(houseSystem, frame, angles, cusps);
  for (int h = 1; h <= 6; ++h) values.cusps[h - 1] = cusps[h];
}

}  // namespace vostrane
