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

bool CalcHouses(ChartEntry& entry, NameFileImage& image, char houseSystem, bool geocentricLatitude,
                CalcReport& report) {
  const Ayanamsa ayanamsa = CalcTimeScales(entry);
  report.Add(ayanamsa.status);
  HouseFrame frame;
  frame.phi = HouseLatitude(entry.latitude(), geocentricLatitude);
  frame.e = entry.obliq();
  frame.ramc = entry.ramc();
  frame.z = ayanamsa.z;

  const ChartAngles angles = CalcAngles(frame, entry.latitude());
  StoreAngles(angles, entry);
  CalcDeltaT(entry);

  HouseCusps start{};
  SetStartingCusps(angles, start);
  HouseCusps own = start;
  bool ownDone = false;
  const bool forNameFile = entry.level() == 0 && entry.nameRecord() != 0;
  if (forNameFile) {
    // All nine systems in turn on the same cusps, each starting from what
    // the one before left, as the name file has always received them.
    HouseCusps cusps = start;
    for (int k = 0; k < 9; ++k) {
      const char letter = static_cast<char>('A' + k);
      // A system reads only cusps 1 and 4 of what it finds. Where those are
      // still the Ascendant and the IC, its cusps are the entry's own.
      const bool fresh = cusps[1] == start[1] && cusps[4] == start[4];
      CalcHouseSystem(letter, frame, angles, cusps);
      PackHouseCusps(cusps, k, frame.z, image);
      if (letter == houseSystem && fresh) {
        own = cusps;
        ownDone = true;
      }
    }
    PackNameFileValues(entry, ayanamsa.k, image);
  }
  // The entry's own cusps must not depend on whether the chart is linked to
  // a stored person: they start from the Ascendant and the IC.
  if (!ownDone) CalcHouseSystem(houseSystem, frame, angles, own);
  for (int h = 1; h <= 6; ++h) entry.setCusp(h, own[h]);
  return forNameFile;
}

}  // namespace vostrane
