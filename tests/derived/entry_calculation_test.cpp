// SPDX-License-Identifier: GPL-3.0-or-later
// The copy between a session entry and the calculation's plain data: every
// byte of the calculated block comes back unchanged, the input carries the
// entry's moment and choices, and the name-file values are packed where the
// name file reads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "derived/EntryCalculation.h"

namespace vostrane {
namespace {

TEST(EntryCalculation, TheCalculatedBlockTravelsUnchanged) {
  ChartEntry entry;
  uint32_t x = 12345;
  for (size_t k = 0; k < kEntrySize; ++k) {
    x = x * 1103515245u + 12345u;
    entry.Data()[k] = static_cast<uint8_t>(x >> 16);
  }
  ChartEntry copy;
  StoreChartValues(ChartValuesOf(entry), copy);
  EXPECT_EQ(std::memcmp(copy.Data() + entry_offset::universalTimeHours,
                        entry.Data() + entry_offset::universalTimeHours,
                        entry_offset::zodiacLetter - entry_offset::universalTimeHours),
            0);
  EXPECT_EQ(
      std::memcmp(copy.Data() + entry_offset::coAscendant, entry.Data() + entry_offset::coAscendant, 16),
      0);
  EXPECT_EQ(copy.asteroidsCalculated(), entry.asteroidsCalculated());
  // Nothing outside the calculated values is written.
  EXPECT_EQ(copy.year(), 0);
  EXPECT_EQ(copy.zodiacLetter(), '\0');

  const ChartValues v = ChartValuesOf(entry);
  EXPECT_EQ(std::memcmp(&v.asc, entry.Data() + entry_offset::asc, 8), 0);
  EXPECT_EQ(std::memcmp(&v.cusps[5], entry.Data() + entry_offset::cusps + 40, 8), 0);
  EXPECT_EQ(std::memcmp(&v.points[7][31], entry.Data() + entry_offset::decl + 8 * 31, 8), 0);
}

TEST(EntryCalculation, TheInputIsTheEntrysMomentPlaceAndChoices) {
  ChartEntry e;
  e.setMonth(7);
  e.setDay(14);
  e.setYear(1789);
  e.setHours(15);
  e.setMinutes(30);
  e.setSeconds(9);
  e.setLatitude(48.85);
  e.setLongitude(-2.35);
  e.setZoneHoursWest(-0.15);
  e.setDaylightCode(4);
  e.setZodiacLetter('S');
  ChartInput in = ChartInputOf(e);
  EXPECT_EQ(in.month, 7);
  EXPECT_EQ(in.day, 14);
  EXPECT_EQ(in.year, 1789);
  EXPECT_EQ(in.hours, 15);
  EXPECT_EQ(in.minutes, 30);
  EXPECT_EQ(in.seconds, 9);
  EXPECT_EQ(in.latitude, 48.85);
  EXPECT_EQ(in.longitude, -2.35);
  EXPECT_EQ(in.zoneHoursWest, -0.15);
  EXPECT_EQ(in.daylightCode, 4);
  EXPECT_EQ(in.zodiac, ZodiacKind::FaganBradley);
  EXPECT_FALSE(in.forNameFile);
  e.setNameRecord(4);
  EXPECT_TRUE(ChartInputOf(e).forNameFile);
  e.setLevel(1);  // a derived chart never goes to the name file
  EXPECT_FALSE(ChartInputOf(e).forNameFile);
}

TEST(EntryCalculation, NameFileValuesArePackedInFixedPoint) {
  NameFileValues v{};
  v.julianDayUt = 2451545.25;
  v.zodiac = ZodiacKind::FaganBradley;
  v.asc = 123.456789;
  v.cusps[8][5] = 359.9999999;
  v.points[0][31] = 1.0;
  v.points[7][30] = -23.4;
  v.points[7][31] = 99.0;  // not a body: never packed
  NameFileImage image;
  PackHouseValues(v, image);
  PackPointValues(v, image);
  EXPECT_EQ(image.Get<double>(image_offset::julianDayUt), 2451545.25);
  EXPECT_EQ(image.Get<char>(image_offset::zodiac), 'S');
  EXPECT_EQ(image.Get<int32_t>(image_offset::asc), EncodeFixed(123.456789));
  EXPECT_EQ(image.Get<int32_t>(image_offset::housePositions + 4 * 53), EncodeFixed(359.9999999));
  EXPECT_EQ(image.Get<int32_t>(image_offset::bodyBlocks + 4 * 31), EncodeFixed(1.0));
  EXPECT_EQ(image.Get<int32_t>(image_offset::bodyBlocks + 128 * 7 + 4 * 30), EncodeFixed(-23.4));
  EXPECT_EQ(image.Get<int32_t>(image_offset::bodyBlocks + 128 * 7 + 4 * 31), 0);
}

}  // namespace
}  // namespace vostrane
