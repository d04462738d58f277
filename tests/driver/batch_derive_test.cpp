// SPDX-License-Identifier: GPL-3.0-or-later
// vostrane-batch derive appends derived charts that calc fills and dump
// shows with their kind; a request that cannot be met changes nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/AngleHelpers.h"
#include "tests/driver/BatchRunner.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"

#ifdef VOSTRANE_BATCH

namespace vostrane {
namespace {

using test::JsonNumbers;
using test::RunBatch;

std::string Text(const std::string& json, const std::string& key) {
  const size_t at = json.find("\"" + key + "\": \"");
  if (at == std::string::npos) return "";
  const size_t from = at + key.size() + 5;
  return json.substr(from, json.find('"', from) - from);
}

class BatchDerive : public testing::Test {
 protected:
  void SetUp() override {
    test::PrepareBatchFolder(folder_);
    Ok("new Ada 12/10/1980 13:00:00 51.5 0.12 0 N London");
    Ok("new Bob 03/21/1975 06:30:00 40.7 74.0 5 N 'New York'");
  }
  std::string Ok(const std::string& args) {
    int status = -1;
    const std::string out = RunBatch(args, &status);
    EXPECT_EQ(status, 0) << args;
    return out;
  }
  test::TempFolder folder_;
};

TEST_F(BatchDerive, EveryKindIsAppendedCalculatedAndDumpedWithItsKind) {
  struct Case {
    const char* args;
    const char* kind;
    int chartType;
    int base;
    int level;
  };
  const Case cases[] = {
      {"derive 1 transit 12/10/2010 08:15:00 48.85 -2.35 -1 N Paris", "Transits", 8, 1, 1},
      {"derive 1 progressed 12/10/2010", "Secondary Progressions", 4, 1, 1},
      {"derive 1 solar-arc 12/10/2010", "Solar Arc Directions", 4, 1, 1},
      {"derive 1 solar-return 2021", "Solar Return", 2, 1, 1},
      {"derive 1 lunar-return 07/04/2015 48.85 -2.35 -1 N Paris", "Lunar Return", 3, 1, 1},
      {"derive 2 planet-return Saturn 01/01/2000", "Planet Return", 7, 2, 1},
      {"derive 1 relocated 40.7 74.0 5 Y", "Relocated Chart", 6, 1, 1},
      {"derive 1 composite 2", "Composite Chart", 1, 1, 1},
      {"derive 4 harmonic 5", "Harmonic Chart", 5, 4, 2},
  };
  int record = 3;
  for (const Case& c : cases) EXPECT_EQ(Ok(c.args), std::to_string(record++) + "\n") << c.args;
  Ok("calc");
  record = 3;
  for (const Case& c : cases) {
    const std::string json = Ok("dump " + std::to_string(record++));
    EXPECT_EQ(Text(json, "kind"), c.kind);
    EXPECT_EQ(JsonNumbers(json, "charttype").at(0), c.chartType) << c.kind;
    EXPECT_EQ(JsonNumbers(json, "base").at(0), c.base) << c.kind;
    EXPECT_EQ(JsonNumbers(json, "level").at(0), c.level) << c.kind;
  }
  const auto natalLon = JsonNumbers(Ok("dump 1"), "lon");
  const auto returnLon = JsonNumbers(Ok("dump 6"), "lon");
  EXPECT_LT(std::fabs(DiffDeg(natalLon.at(0), returnLon.at(0))) * 3600, 0.5);
  const auto saturn = JsonNumbers(Ok("dump 8"), "lon").at(6);
  EXPECT_LT(std::fabs(DiffDeg(JsonNumbers(Ok("dump 2"), "lon").at(6), saturn)) * 3600, 1.0);
  const auto progressed = JsonNumbers(Ok("dump 4"), "lon");
  const auto fifth = JsonNumbers(Ok("dump 11"), "lon");
  for (int s = 0; s <= 10; ++s) EXPECT_NEAR(fifth.at(s), ModAngle(360, 5 * progressed.at(s)), 1e-9) << s;
  // A relocated chart without a place name is named by its coordinates.
  EXPECT_EQ(Text(Ok("dump 9"), "place"), "40.70N 74.00W");
}

TEST_F(BatchDerive, RequestsThatCannotBeMetSayWhyAndLeaveTheSession) {
  const std::string before = folder_.Read("INPUT.FIL");
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"derive 9 harmonic 5", "Entry 9 is not in the list."},
      {"derive 1 harmonic 181", "Harmonic must be from 2 to 180."},
      {"derive 1 composite 1", "two different entries"},
      {"derive 1 composite 3", "Entry 3 is not in the list."},
      {"derive 1 transit 02/30/2010 08:15:00 48.85 -2.35 -1 N", "the date must be"},
      {"derive 1 transit 12/10/2010 08:15:00", "the form is: derive BASE transit"},
      {"derive 1 relocated 95 0 0 N", "latitude"},
      {"derive 1 planet-return Pluto 01/01/2000", "Mercury, Venus, Mars, Jupiter, Saturn"},
      {"derive 1 eclipse 01/01/2000", "unknown kind"},
      {"derive one progressed 01/01/2000", "base entry must be a number"},
  };
  for (const Case& c : cases) {
    int status = 0;
    const std::string out = RunBatch(c.args, &status, true);
    EXPECT_NE(status, 0) << c.args;
    EXPECT_NE(out.find(c.message), std::string::npos) << c.args << ": " << out;
  }
  EXPECT_EQ(folder_.Read("INPUT.FIL"), before);
}

TEST_F(BatchDerive, ACalculationWithAChartThatCannotBeMadeFails) {
  // Ada's Saturn returns in 2275 and next in about 2304, after the last year
  // an entry can hold: the search finds nothing, and calc must say so.
  EXPECT_EQ(Ok("derive 1 planet-return Saturn 01/01/2280"), "3\n");
  int status = 0;
  const std::string out = RunBatch("calc", &status, true);
  EXPECT_EQ(status, 1);
  EXPECT_NE(out.find("1 derived chart could not be made"), std::string::npos) << out;
  // The natal charts are calculated all the same.
  EXPECT_GT(JsonNumbers(Ok("dump 2"), "julday").at(0), 2400000.0);
}

}  // namespace
}  // namespace vostrane

#endif
