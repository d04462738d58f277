// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Houses.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "astro/DeltaT.h"
#include "astro/SolarVector.h"
#include "astro/TimeScales.h"

namespace vostrane {

void StoreAngles(const ChartAngles& a, ChartValues& values) {
  values.asc = a.asc;
  values.mc = a.mc;
  values.vertex = a.vertex;
  values.eastPoint = a.eastPoint;
  values.coAscendant = a.coAscendant;
  values.polarAscendant = a.polarAscendant;
  values.point(PointArray::Speed, slot::Ascendant) = a.ascMotion;
  values.point(PointArray::Speed, slot::Midheaven) = a.mcMotion;
  values.point(PointArray::Speed, slot::Vertex) = a.vertexMotion;
  values.point(PointArray::Speed, slot::EastPoint) = a.eastptMotion;
}

namespace {

// An angle as the name file keeps it: zodiac offset removed.
double Unshifted(double angle, double z) { return ModAngle(360.0, angle - z); }

}  // namespace

void SetNameFileValues(ZodiacKind zodiac, const ChartValues& values, double k,
                       NameFileValues& nameFile) {
  const double z = ZodiacOffset(zodiac, values.ayanamsaDeg);
  nameFile.universalTimeHours = values.universalTimeHours;
  nameFile.julianDayUt = values.julianDayUt;
  nameFile.obliquityRad = values.obliquityRad;
  nameFile.ayanamsaDeg = k;
  nameFile.deltaTSeconds = values.deltaTSeconds;
  nameFile.centuriesUt = values.centuriesUt;
  nameFile.zodiac = zodiac;
  nameFile.ramc = values.ramc;  // radians, no offset
  nameFile.node = Unshifted(values.moonNodeDeg, z);
  nameFile.vertex = Unshifted(values.vertex, z);
  nameFile.eastPoint = Unshifted(values.eastPoint, z);
  nameFile.asc = Unshifted(values.asc, z);
  nameFile.mc = Unshifted(values.mc, z);
  nameFile.coAscendant = Unshifted(values.coAscendant, z);
  nameFile.polarAscendant = Unshifted(values.polarAscendant, z);
}

double SunDeclination(const ChartValues& values) {
  constexpr double kAberration = -20.496 / 3600.0;  // degrees
  const double lon = (SunVector(EphemerisJulDay(values) - 2415020.0, {}).lon + kAberration) * kRadPerDeg;
  return std::asin(std::sin(values.obliquityRad) * std::sin(lon));
}

CalcStatus UnknownHouseSystemStatus(char letter) {
  return {CalcSource::HouseSystem, CalcFault::DamagedRecord, "", static_cast<unsigned char>(letter)};
}

bool CalcHouses(const ChartInput& chart, ChartValues& values, NameFileValues& nameFile,
                HouseSystemId houseSystem, bool geocentricLatitude, CalcReport& report) {
  const Ayanamsa ayanamsa = CalcTimeScales(chart, values);
  report.Add(ayanamsa.status);
  HouseFrame frame;
  frame.phiRad = HouseLatitude(chart.latitude, geocentricLatitude);
  frame.eRad = values.obliquityRad;
  frame.ramcRad = values.ramc;
  frame.zDeg = ayanamsa.z;

  const ChartAngles angles = CalcAngles(frame, chart.latitude);
  StoreAngles(angles, values);
  CalcDeltaT(chart, values);
  frame.sunDeclRad = SunDeclination(values);

  HouseCusps start{};
  SetStartingCusps(angles, start);
  HouseCusps own = start;
  bool ownDone = false;
  if (chart.forNameFile) {
    // All nine systems in turn on the same cusps, each starting from what
    // the one before left, as the name file has always received them.
    HouseCusps cusps = start;
    // They are the first nine of HouseSystemId, 'A' to 'I'.
    for (int k = 0; k < 9; ++k) {
      const HouseSystemId system = static_cast<HouseSystemId>(k);
      // A system reads only cusps 1 and 4 of what it finds. Where those are
      // still the Ascendant and the IC, its cusps are the chart's own.
      const bool fresh = cusps[1] == start[1] && cusps[4] == start[4];
      CalcHouseSystem(system, frame, angles, cusps);
      for (int j = 1; j <= 6; ++j) nameFile.cusps[k][j - 1] = Unshifted(cusps[j], frame.zDeg);
      if (system == houseSystem && fresh) {
        own = cusps;
        ownDone = true;
      }
    }
    SetNameFileValues(chart.zodiac, values, ayanamsa.k, nameFile);
  }
  // The chart's own cusps must not depend on whether the chart is linked to
  // a stored person: they start from the Ascendant and the IC.
  if (!ownDone) CalcHouseSystem(houseSystem, frame, angles, own);
  for (int h = 1; h <= 6; ++h) values.cusps[h - 1] = own[h];
  return chart.forNameFile;
}

}  // namespace vostrane
