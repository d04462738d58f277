// SPDX-License-Identifier: GPL-3.0-or-later
#include "derived/EntryCalculation.h"

#include <bit>
#include <cstddef>
#include <cstring>

#include "astro/DeltaT.h"
#include "astro/Houses.h"
#include "astro/HousesAtRamc.h"
#include "astro/TimeScales.h"
#include "platform/ByteOrder.h"
#include "derived/UserAyanamsaFields.h"
#include "session/LunarApogeeSlots.h"

namespace vostrane {

namespace {

// The calculated values from universalTimeHours to the last declination lie in the entry
// in the order of ChartValues, with no gap.
constexpr size_t kBlockStart = entry_offset::universalTimeHours;
constexpr size_t kBlockDoubles = 12 + 6 + kPointArrays * kPointSlots;
static_assert(entry_offset::cusps == kBlockStart + 8 * 12);
static_assert(entry_offset::lon == entry_offset::cusps + 8 * 6);
static_assert(entry_offset::zodiacLetter == kBlockStart + 8 * kBlockDoubles);
static_assert(offsetof(ChartValues, cusps) == 8 * 12 && offsetof(ChartValues, points) == 8 * 18);
static_assert(static_cast<int>(PointArray::Decl) == static_cast<int>(BodyArray::Decl) &&
              static_cast<int>(PointArray::Ra) == static_cast<int>(BodyArray::Ra));

// The block as one array of doubles.
double* BlockOf(ChartValues& v) { return &v.universalTimeHours; }
const double* BlockOf(const ChartValues& v) { return &v.universalTimeHours; }

bool ForNameFile(const ChartEntry& entry) { return entry.level() == 0 && entry.nameRecord() != 0; }

}  // namespace

ChartInput ChartInputOf(const ChartEntry& entry) {
  ChartInput in;
  in.month = entry.month();
  in.day = entry.day();
  in.year = entry.year();
  in.hours = entry.hours();
  in.minutes = entry.minutes();
  in.seconds = entry.seconds();
  in.latitude = entry.latitude();
  in.longitude = entry.longitude();
  in.zoneHoursWest = entry.zoneHoursWest();
  in.daylightCode = entry.daylightCode();
  in.zodiac = CalculatedZodiac(entry.zodiacLetter());
  in.forNameFile = ForNameFile(entry);
  in.userAyanamsa = UserAyanamsaOf(entry);
  return in;
}

ChartValues ChartValuesOf(const ChartEntry& entry) {
  ChartValues v;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(BlockOf(v), entry.Data() + kBlockStart, 8 * kBlockDoubles);
  } else {
    for (size_t k = 0; k < kBlockDoubles; ++k) BlockOf(v)[k] = entry.Get<double>(kBlockStart + 8 * k);
  }
  v.coAscendant = entry.coAscendant();
  v.polarAscendant = entry.polarAscendant();
  v.asteroidsCalculated = entry.asteroidsCalculated();
  return v;
}

void StoreChartValues(const ChartValues& v, ChartEntry& entry) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(entry.Data() + kBlockStart, BlockOf(v), 8 * kBlockDoubles);
  } else {
    for (size_t k = 0; k < kBlockDoubles; ++k) entry.Set<double>(kBlockStart + 8 * k, BlockOf(v)[k]);
  }
  entry.setCoAscendant(v.coAscendant);
  entry.setPolarAscendant(v.polarAscendant);
  entry.setAsteroidsCalculated(v.asteroidsCalculated);
}

void PackHouseValues(const NameFileValues& v, NameFileImage& image) {
  image.Set<double>(image_offset::universalTimeHours, v.universalTimeHours);
  image.Set<double>(image_offset::julianDayUt, v.julianDayUt);
  image.Set<double>(image_offset::obliquityRad, v.obliquityRad);
  image.Set<double>(image_offset::ayanamsaDeg, v.ayanamsaDeg);
  image.Set<double>(image_offset::deltaTSeconds, v.deltaTSeconds);
  image.Set<double>(image_offset::centuriesSince1900Ut, v.centuriesUt);
  image.Set<char>(image_offset::zodiac, LetterOfZodiac(v.zodiac));
  image.SetFixed(image_offset::ramcRad, v.ramc);
  image.SetFixed(image_offset::node, v.node);
  image.SetFixed(image_offset::vertex, v.vertex);
  image.SetFixed(image_offset::eastPoint, v.eastPoint);
  image.SetFixed(image_offset::asc, v.asc);
  image.SetFixed(image_offset::mc, v.mc);
  image.SetFixed(image_offset::coAscendant, v.coAscendant);
  image.SetFixed(image_offset::polarAscendant, v.polarAscendant);
  for (int k = 0; k < 9; ++k)
    for (int j = 0; j < 6; ++j)
      image.SetFixed(image_offset::housePositions + 4 * static_cast<size_t>(6 * k + j), v.cusps[k][j]);
}

void PackPointValues(const NameFileValues& v, NameFileImage& image) {
  for (int b = 0; b < kPointArrays; ++b) {
    // Slot 31 is packed for the longitudes only (their constant 1.0).
    const int slots = b == 0 ? 32 : 31;
    for (int s = 0; s < slots; ++s)
      WriteLe<int32_t>(image.BodyBlock(b) + 4 * s, EncodeFixed(v.points[b][s]));
  }
}

Ayanamsa CalcTimeScales(ChartEntry& entry) {
  ChartValues v = ChartValuesOf(entry);
  const Ayanamsa a = CalcTimeScales(ChartInputOf(entry), v);
  StoreChartValues(v, entry);
  return a;
}

void CalcDeltaT(ChartEntry& entry) {
  entry.setDeltaTSeconds(DeltaTSeconds(entry.year(), entry.month(), entry.day()));
}

double ZodiacOffset(const ChartEntry& entry) {
  return ZodiacOffset(CalculatedZodiac(entry.zodiacLetter()), entry.ayanamsaDeg());
}

double EphemerisJulDay(const ChartEntry& entry) { return EphemerisJulDay(ChartValuesOf(entry)); }

void CalcHousesAtRamc(ChartEntry& entry, double ramc, double latitudeDeg, bool geocentricLatitude) {
  ChartValues v = ChartValuesOf(entry);
  CalcHousesAtRamc(v, CalculatedZodiac(entry.zodiacLetter()),
                   CalculatedHouseSystem(entry.houseSystemLetter()), ramc, latitudeDeg,
                   geocentricLatitude);
  StoreChartValues(v, entry);
}

bool CalcHouses(ChartEntry& entry, NameFileImage& image, bool geocentricLatitude, CalcReport& report) {
  const std::optional<HouseSystemId> system = HouseSystemOfLetter(entry.houseSystemLetter());
  const bool packed = CalcHouses(entry, image, system.value_or(HouseSystemId::Placidus),
                                 geocentricLatitude, report);
  if (!system) report.Add(UnknownHouseSystemStatus(entry.houseSystemLetter()));
  return packed;
}

bool CalcHouses(ChartEntry& entry, NameFileImage& image, HouseSystemId houseSystem,
                bool geocentricLatitude, CalcReport& report) {
  ChartValues v = ChartValuesOf(entry);
  NameFileValues nameFile;
  const bool packed = CalcHouses(ChartInputOf(entry), v, nameFile, houseSystem, geocentricLatitude,
                                 report);
  StoreChartValues(v, entry);
  if (packed) {
    PackHouseValues(nameFile, image);
    // The name file keeps the entry's own zodiac letter, also one that names
    // no zodiac (calculated as Fagan-Bradley), so that nothing is rewritten.
    image.Set<char>(image_offset::zodiac, entry.zodiacLetter());
  }
  return packed;
}

bool ComputeBodySlots(ChartEntry& entry, AnalyticTheory& theory, CalcReport& report,
                      const PlanetProgress& progress) {
  ChartValues v = ChartValuesOf(entry);
  const bool asteroids = ComputeBodySlots(ChartInputOf(entry), v, theory, report, progress);
  StoreChartValues(v, entry);
  MarkLunarApogee(entry);
  return asteroids;
}

bool CalcPlanets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, AnalyticTheory& theory,
                 CalcReport& report, const PlanetProgress& progress) {
  ChartValues v = ChartValuesOf(entry);
  NameFileValues nameFile;
  const bool update = CalcPlanets(ChartInputOf(entry), v, nameFile, flags, theory, report, progress);
  StoreChartValues(v, entry);
  MarkLunarApogee(entry);
  if (update) PackPointValues(nameFile, image);
  return update;
}

}  // namespace vostrane
