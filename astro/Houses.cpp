#include "astro/Houses.h"

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "astro/DeltaT.h"
#include "astro/TimeScales.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"

namespace vostrane {

void StoreAngles(const ChartAngles& a, ChartEntry& entry) {
  entry.setAsc(a.asc);
  entry.setMc(a.mc);
  entry.setVertex(a.vertex);
  entry.setEastpt(a.eastpt);
  entry.setCoasc(a.coasc);
  entry.setPolarasc(a.polarasc);
  entry.setBody(BodyArray::Speed, slot::Ascendant, a.ascMotion);
  entry.setBody(BodyArray::Speed, slot::Midheaven, a.mcMotion);
  entry.setBody(BodyArray::Speed, slot::Vertex, a.vertexMotion);
  entry.setBody(BodyArray::Speed, slot::EastPoint, a.eastptMotion);
}

namespace {

// An angle as the name file keeps it: fixed point, zodiac offset removed.
void SetPackedAngle(NameFileImage& image, size_t offset, double angle, double z) {
  image.SetFixed(offset, ModAngle(360.0, angle - z));
}

}  // namespace

void PackHouseCusps(const HouseCusps& cusps, int systemIndex, double z, NameFileImage& image) {
  for (int j = 1; j <= 6; ++j) {
    const size_t offset =
        image_offset::housePositions + 4 * static_cast<size_t>(6 * systemIndex + j - 1);
    SetPackedAngle(image, offset, cusps[j], z);
  }
}

void PackNameFileValues(const ChartEntry& entry, double k, NameFileImage& image) {
  const double z = ZodiacOffset(entry);
  image.Set<double>(image_offset::gmt, entry.gmt());
  image.Set<double>(image_offset::julday, entry.julday());
  image.Set<double>(image_offset::obliq, entry.obliq());
  image.Set<double>(image_offset::ayan, k);
  image.Set<double>(image_offset::deltat, entry.deltat());
  image.Set<double>(image_offset::t, entry.t());
  image.Set<char>(image_offset::zodiac, entry.zodsel());
  image.SetFixed(image_offset::ramc, entry.ramc());  // radians, no offset
  SetPackedAngle(image, image_offset::node, entry.moonnode(), z);
  SetPackedAngle(image, image_offset::vertex, entry.vertex(), z);
  SetPackedAngle(image, image_offset::eastpt, entry.eastpt(), z);
  SetPackedAngle(image, image_offset::asc, entry.asc(), z);
  SetPackedAngle(image, image_offset::mc, entry.mc(), z);
  SetPackedAngle(image, image_offset::coasc, entry.coasc(), z);
  SetPackedAngle(image, image_offset::polarasc, entry.polarasc(), z);
}

bool CalcHouses(ChartEntry& entry, NameFileImage& image, char houseSystem,
                bool geocentricLatitude) {
  const Ayanamsa ayanamsa = CalcTimeScales(entry);
  HouseFrame frame;
  frame.phi = HouseLatitude(entry.latitude(), geocentricLatitude);
  frame.e = entry.obliq();
  frame.ramc = entry.ramc();
  frame.z = ayanamsa.z;

  const ChartAngles angles = CalcAngles(frame, entry.latitude());
  StoreAngles(angles, entry);
  CalcDeltaT(entry);

  HouseCusps cusps{};
  SetStartingCusps(angles, cusps);
  const bool forNameFile = entry.level() == 0 && entry.nameRecord() != 0;
  if (forNameFile) {
    // All nine systems in turn on the same cusps, each starting from what
    // the one before left, as the name file has always received them.
    for (int k = 0; k < 9; ++k) {
      CalcHouseSystem(static_cast<char>('A' + k), frame, angles, cusps);
      PackHouseCusps(cusps, k, frame.z, image);
    }
    PackNameFileValues(entry, ayanamsa.k, image);
    // The entry's own cusps must not depend on whether the chart is linked
    // to a stored person: start again from the Ascendant and the IC.
    SetStartingCusps(angles, cusps);
  }
  CalcHouseSystem(houseSystem, frame, angles, cusps);
  for (int h = 1; h <= 6; ++h) entry.setCusp(h, cusps[h]);
  return forNameFile;
}

}  // namespace vostrane
