// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch new + calc + dump give exactly the values of the house step
// and the planet pass called directly on the same birth data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "platform/FileSystem.h"
#include "tests/driver/BatchRunner.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ShownReport.h"

#ifdef VOSTRANE_BATCH

namespace vostrane {
namespace {

using test::JsonNumbers;
using test::RunBatch;

TEST(BatchRoundTrip, NewCalcDumpMatchTheLibraryExactly) {
  test::TempFolder folder;
  test::PrepareBatchFolder(folder);
  int status = -1;
  RunBatch("new 'Marie Test' 11/07/1867 12:00:00 52.25 -21.0 -1 N Warsaw T F", &status);
  ASSERT_EQ(status, 0);
  RunBatch("new Second 02/29/2000 23:59:59 -33.9 -151.2 -10 Y Sydney S C", &status);
  ASSERT_EQ(status, 0);
  // A house system by its name, a sidereal zodiac by its ayanamsa's letter.
  RunBatch("new Third 06/15/1990 06:30:00 40.0 75.0 5 N Lahiri L 'whole sign'", &status);
  ASSERT_EQ(status, 0);
  RunBatch("calc", &status);
  ASSERT_EQ(status, 0);

  struct Case {
    int record, month, day, year, h, m, s;
    double lat, lon, zone;
    int dst;
    char zodiac, houses;
  } cases[] = {{1, 11, 7, 1867, 12, 0, 0, 52.25, -21.0, -1, 0, 'T', 'F'},
               {2, 2, 29, 2000, 23, 59, 59, -33.9, -151.2, -10, 1, 'S', 'C'},
               {3, 6, 15, 1990, 6, 30, 0, 40.0, 75.0, 5, 0, 'L', 'J'}};
  AnalyticTheory theory;
  for (const Case& c : cases) {
    const std::string json = RunBatch("dump " + std::to_string(c.record), &status);
    ASSERT_EQ(status, 0) << json;
    ChartEntry e;
    e.InitNewEntry(c.zodiac, 0);
    e.setZodiacLetter(c.zodiac);
    e.setMonth(c.month);
    e.setDay(c.day);
    e.setYear(c.year);
    e.setHours(c.h);
    e.setMinutes(c.m);
    e.setSeconds(c.s);
    e.setLatitude(c.lat);
    e.setLongitude(c.lon);
    e.setZoneHoursWest(c.zone);
    e.setDaylightCode(static_cast<uint8_t>(c.dst));
    NameFileImage image;
    CalcHouses(e, image, *HouseSystemOfLetter(c.houses), false, test::ShownReport().report());
    PlanetFlags flags;
    CalcPlanets(e, image, flags, theory, test::ShownReport().report());

    EXPECT_EQ(JsonNumbers(json, "julday").at(0), e.julianDayUt());
    EXPECT_EQ(JsonNumbers(json, "gmt").at(0), e.universalTimeHours());
    EXPECT_EQ(JsonNumbers(json, "ramc").at(0), e.ramcRad());
    EXPECT_EQ(JsonNumbers(json, "ayan").at(0), e.ayanamsaDeg());
    EXPECT_EQ(JsonNumbers(json, "asc").at(0), e.asc());
    EXPECT_EQ(JsonNumbers(json, "polarasc").at(0), e.polarAscendant());
    const auto cusps = JsonNumbers(json, "cusps");
    ASSERT_EQ(cusps.size(), 6u);
    for (int h = 1; h <= 6; ++h) EXPECT_EQ(cusps[h - 1], e.cusp(h)) << h;
    // The points of the Moon's orbit and the ayanamsa in use (none tropical).
    EXPECT_EQ(JsonNumbers(json, "node_true").at(0), e.lon(10));
    EXPECT_EQ(JsonNumbers(json, "lilith_mean").at(0), e.lon(21));
    EXPECT_EQ(JsonNumbers(json, "lilith_true").at(0), e.lon(22));
    if (c.zodiac == 'T') {
      EXPECT_NE(json.find("\"ayanamsa\": null"), std::string::npos);
    } else {
      EXPECT_EQ(JsonNumbers(json, "degrees").at(0), -e.ayanamsaDeg());
    }
    if (c.zodiac == 'L') {
      EXPECT_NE(json.find("\"name\": \"Lahiri"), std::string::npos) << json;
    }
    if (c.houses == 'J') {
      EXPECT_NE(json.find("\"Whole Sign\""), std::string::npos) << json;
    }
    const std::pair<const char*, BodyArray> arrays[] = {{"lon", BodyArray::Lon},
                                                        {"speed", BodyArray::Speed},
                                                        {"hlat", BodyArray::HLat},
                                                        {"decl", BodyArray::Decl}};
    for (const auto& [key, array] : arrays) {
      const auto values = JsonNumbers(json, key);
      ASSERT_EQ(values.size(), 32u) << key;
      for (int s = 0; s < 32; ++s) EXPECT_EQ(values[s], e.body(array, s)) << key << " " << s;
    }
  }
}

// A house system no table holds, and the user-defined ayanamsa (whose value
// the command cannot take), are refused.
TEST(BatchRoundTrip, UnknownHouseSystemsAndZodiacsAreRefused) {
  test::TempFolder folder;
  int status = -1;
  for (const char* args : {"new A 01/01/2001 12:00:00 10 10 0 N Place T Gauquelin",
                           "new A 01/01/2001 12:00:00 10 10 0 N Place U F"}) {
    RunBatch(args, &status);
    EXPECT_NE(status, 0) << args;
  }
  EXPECT_FALSE(FileExists("INPUT.FIL"));
}

TEST(BatchRoundTrip, BadArgumentsAreRefusedWithoutTouchingTheSession) {
  test::TempFolder folder;
  int status = -1;
  for (const char* args :
       {"new A 02/30/2001 12:00:00 10 10 0 N", "new A 01/01/2001 12:00:00 95 10 0 N",
        "new A 01/01/2001 12:00:00 10 10 0 X", "new A 01/01/2001 12:00:00 0x10 10 0 N",
        "new A 01/01/2001 12:00:00 10 10.5deg 0 N", "new A 0x1/01/2001 12:00:00 10 10 0 N",
        "new '   ' 01/01/2001 12:00:00 10 10 0 N"}) {
    RunBatch(args, &status);
    EXPECT_EQ(status, 2) << args;
  }
  EXPECT_FALSE(FileExists("INPUT.FIL"));
  RunBatch("dump 1", &status);
  EXPECT_NE(status, 0);
  RunBatch("calc", &status);
  EXPECT_NE(status, 0);  // no session file: the driver's fatal message
}

}  // namespace
}  // namespace vostrane

#endif
