// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "session/ChartEntry.h"

namespace vostrane {
namespace {

template <typename T>
T At(const ChartEntry& e, size_t offset) {
  T v;
  std::memcpy(&v, e.Data() + offset, sizeof v);
  return v;
}

TEST(ChartEntry, FieldsLandAtTheirRecordOffsets) {
  ChartEntry e;
  e.setName("Ada Lovelace");
  e.setYear(1815);
  e.setLatitude(51.5);
  e.setDaylightCode(3);
  e.setJulianDayUt(2384000.25);
  e.setCusp(6, 123.5);
  e.setBody(BodyArray::Decl, 31, -7.25);
  e.setPolarAscendant(88.125);
  e.setDstTable(-57);

  EXPECT_EQ(e.Data()[4058], 12);  // length byte of the name
  EXPECT_EQ(std::memcmp(e.Data() + 4059, "Ada Lovelace", 12), 0);
  EXPECT_EQ(At<int32_t>(e, 4092), 1815);
  EXPECT_EQ(At<double>(e, 4134), 51.5);
  EXPECT_EQ(e.Data()[4158], 3);
  EXPECT_EQ(At<double>(e, 4167), 2384000.25);
  EXPECT_EQ(At<double>(e, 4255 + 40), 123.5);      // cusp 6
  EXPECT_EQ(At<double>(e, 6095 + 31 * 8), -7.25);  // last declination slot ends at 6351
  EXPECT_EQ(At<double>(e, 7722), 88.125);          // ends exactly at the record size
  EXPECT_EQ(At<int32_t>(e, 6830), -57);
}

TEST(ChartEntry, PrintoutSelectionAddressing) {
  ChartEntry e;
  e.setPrintoutParam(1, 11);
  e.setPrintoutParam(600, 600);
  e.setPrintoutCode(1, 1, "AAA");
  e.setPrintoutCode(25, 8, "ZZZ");
  EXPECT_EQ(At<int32_t>(e, 20), 11);     // element 1 starts the parameter area
  EXPECT_EQ(At<int32_t>(e, 2416), 600);  // element 600 ends it at 2420
  EXPECT_EQ(std::memcmp(e.Data() + 2420, "AAA", 3), 0);
  EXPECT_EQ(std::memcmp(e.Data() + 3017, "ZZZ", 3), 0);  // the table ends at 3020
}

TEST(ChartEntry, StringsClampLengthAndTruncate) {
  ChartEntry e;
  e.setPlace(std::string(40, 'x'));
  EXPECT_EQ(e.place().size(), 25u);
  e.Data()[4108] = 200;  // a corrupt length byte never reads past the field
  EXPECT_EQ(e.place().size(), 25u);
}

TEST(ChartEntry, NewEntryValues) {
  ChartEntry e;
  e.InitNewEntry('S', 4);
  EXPECT_TRUE(e.used());
  EXPECT_EQ(e.harmonic(), 1);
  EXPECT_EQ(e.zodiacLetter(), 'S');
  EXPECT_EQ(e.houseSystemLetter(), 'F');
  EXPECT_EQ(e.userZodiacType(), 'A');
  EXPECT_EQ(e.saveMarker(), 'N');
  EXPECT_EQ(e.printoutParam(77), 4);
  EXPECT_EQ(e.birthDataSource(), "XX");
  EXPECT_EQ(e.birthDataAccuracy(), "XX");
  EXPECT_EQ(e.biography(1), std::string(180, ' '));
  EXPECT_EQ(e.level(), 0);
}

}  // namespace
}  // namespace vostrane
