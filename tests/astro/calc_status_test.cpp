// SPDX-License-Identifier: GPL-3.0-or-later
// The statuses the calculation hands back for missing, damaged and
// out-of-range ephemeris data and for a bad ayanamsa correction file: the
// kind of fault, the file and the record come back, and nothing is shown
// (no message service is scripted here).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "astro/AsteroidFiles.h"
#include "astro/AsteroidPositions.h"
#include "astro/Houses.h"
#include "astro/OuterPlanetPositions.h"
#include "astro/PlanetPass.h"
#include "astro/TimeScales.h"
#include "derived/EntryCalculation.h"
#include "session/NameFileImage.h"
#include "tests/astro/AstroTestSupport.h"
#include "tests/support/EphemerisTestFiles.h"

namespace vostrane {
namespace {

constexpr double kMoment = 2451545.0 - 2433282.0;  // nodes 642..647 of the files numbered 24

std::string Installed(const std::string& name) {
  std::ifstream in(test::InstallFile(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void ExpectStatus(const CalcStatus& s, CalcSource source, CalcFault fault, const std::string& file,
                  int64_t record) {
  EXPECT_EQ(s.source, source);
  EXPECT_EQ(s.fault, fault);
  EXPECT_EQ(s.file, file);
  EXPECT_EQ(s.record, record);
}

TEST(OuterPlanetStatus, MissingCutAndDamagedFilesNameTheFileAndRecord) {
  test::TempFolder folder;
  const OuterPosition missing = OuterPos(5, kMoment);
  ExpectStatus(missing.status, CalcSource::OuterPlanets, CalcFault::MissingFile, "LRZ5_24", 0);
  EXPECT_TRUE(missing.status.fatal());

  // Node 642 of 15 integers: index 9630, beyond 600 bytes.
  folder.Write("LRZ5_24", Installed("LRZ5_24").substr(0, 600));
  ExpectStatus(OuterPos(7, kMoment).status, CalcSource::OuterPlanets, CalcFault::MissingRecord,
               "LRZ5_24", 9630);
  // The node starts inside the file but is cut.
  folder.Write("LRZ5_24", Installed("LRZ5_24").substr(0, 4 * 9630 + 20));
  ExpectStatus(OuterPos(7, kMoment).status, CalcSource::OuterPlanets, CalcFault::ShortRecord, "LRZ5_24",
               9630);

  folder.Write("LRZ5_24", std::string(Installed("LRZ5_24").size(), '\0'));
  ExpectStatus(OuterPos(9, kMoment).status, CalcSource::OuterPlanets, CalcFault::DamagedRecord,
               "LRZ5_24", 9630);

  // A moment far beyond every file asks for a file that is not there.
  ExpectStatus(OuterPos(6, 1e300).status, CalcSource::OuterPlanets, CalcFault::MissingFile,
               "LRZ5_1000000000", 0);
}

TEST(OuterPlanetStatus, GoodFilesAndChironBeforeItsFilesAreNotFaults) {
  test::TempFolder folder;
  test::LinkEphemerisFiles(folder);
  const OuterPosition p = OuterPos(5, kMoment);
  EXPECT_TRUE(p.status.ok());
  EXPECT_TRUE(p.available);
  const OuterPosition chiron = OuterPos(12, 1900000.0 - 2433282.0);
  EXPECT_FALSE(chiron.available);
  EXPECT_TRUE(chiron.status.ok());
}

TEST(AsteroidStatus, MissingDamagedAndOutOfRangeDataGiveNoPositionAndTheirStatus) {
  test::TempFolder folder;
  const std::string name = kAsteroidFileNames[2];
  CalcStatus status;
  EXPECT_FALSE(AsteroidPos(3, 2451545.0, status));
  ExpectStatus(status, CalcSource::Asteroids, CalcFault::MissingFile, name, 0);
  EXPECT_FALSE(status.fatal());

  const std::string good = Installed(name);
  ASSERT_GT(good.size(), 4 * kAsteroidRecordSize);
  folder.Write(name, good);
  EXPECT_TRUE(AsteroidPos(3, 2451545.0, status));
  EXPECT_TRUE(status.ok());

  double start;
  std::memcpy(&start, good.data(), sizeof start);
  // A day before the first position record, and one far beyond the data.
  EXPECT_FALSE(AsteroidPos(3, start, status));
  ExpectStatus(status, CalcSource::Asteroids, CalcFault::OutOfRange, name, 0);
  EXPECT_FALSE(AsteroidPos(3, start + 2e6 * kAsteroidStep, status));
  ExpectStatus(status, CalcSource::Asteroids, CalcFault::OutOfRange, name, -1);

  // A start day that is not a number damages every record's day.
  std::string damaged = good;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::memcpy(damaged.data(), &nan, sizeof nan);
  folder.Write(name, damaged);
  EXPECT_FALSE(AsteroidPos(3, 2451545.0, status));
  ExpectStatus(status, CalcSource::Asteroids, CalcFault::DamagedRecord, name, -1);

  // A file cut before the records of the day.
  const int64_t first = static_cast<int64_t>((2451545.0 - start) / kAsteroidStep);
  folder.Write(name, good.substr(0, static_cast<size_t>(first + 2) * kAsteroidRecordSize));
  EXPECT_FALSE(AsteroidPos(3, 2451545.0, status));
  ExpectStatus(status, CalcSource::Asteroids, CalcFault::MissingRecord, name, first + 2);
}

class PassStatusTest : public testing::Test {
 protected:
  void SetUp() override { test::LinkEphemerisFiles(folder_); }

  // Houses and planets of a linked natal entry; the planet step's report.
  bool Calculate(int year, CalcReport& report) {
    ChartEntry e = test::MakeEntry(year, 5, 5, 12, 0, 0, 0.0, 48.2, -16.4);
    e.setNameRecord(3);
    NameFileImage image;
    CalcReport houses;
    CalcHouses(e, image, false, houses);
    EXPECT_TRUE(houses.Statuses().empty());
    PlanetFlags flags;
    return CalcPlanets(e, image, flags, theory_, report);
  }

  test::TempFolder folder_;
  AnalyticTheory theory_;
};

TEST_F(PassStatusTest, AMissingOuterFileStopsThePassWithOneFatalStatus) {
  ASSERT_EQ(unlink((folder_.Path() + "/LRZ5_24").c_str()), 0);
  CalcReport report;
  EXPECT_FALSE(Calculate(2000, report));
  EXPECT_TRUE(report.Ended());
  ASSERT_EQ(report.Statuses().size(), 1u);
  ExpectStatus(report.Statuses()[0], CalcSource::OuterPlanets, CalcFault::MissingFile, "LRZ5_24", 0);
}

TEST_F(PassStatusTest, AMissingAsteroidFileIsReportedOncePerRunAndThePassGoesOn) {
  const std::string name = kAsteroidFileNames[1];
  ASSERT_EQ(unlink((folder_.Path() + "/" + name).c_str()), 0);
  for (int year : {1950, 1960}) {
    CalcReport report;
    EXPECT_TRUE(Calculate(year, report)) << year;
    EXPECT_FALSE(report.Ended());
    if (year == 1950) {
      ASSERT_EQ(report.Statuses().size(), 1u);
      ExpectStatus(report.Statuses()[0], CalcSource::Asteroids, CalcFault::MissingFile, name, 0);
    } else {
      EXPECT_TRUE(report.Statuses().empty());
    }
  }
}

TEST(AyanamsaStatus, ABadCorrectionFileIsIgnoredAndNamed) {
  test::TempFolder folder;
  ChartEntry plain = test::MakeEntry(1980, 1, 1, 0, 0, 0);
  EXPECT_TRUE(CalcTimeScales(plain).status.ok());
  folder.Write("AYANAMSH.DAT", "+0x 12 30 \n");
  ChartEntry e = test::MakeEntry(1980, 1, 1, 0, 0, 0);
  const Ayanamsa a = CalcTimeScales(e);
  ExpectStatus(a.status, CalcSource::Ayanamsa, CalcFault::BadContents, "AYANAMSH.DAT", 0);
  EXPECT_FALSE(a.status.fatal());
  EXPECT_EQ(e.ayanamsaDeg(), plain.ayanamsaDeg());
}

TEST(CalcReport, KeepsTheOrderAndNothingAfterAFatalStatus) {
  CalcReport report;
  report.Add({});
  EXPECT_TRUE(report.Statuses().empty());
  report.Add({CalcSource::Asteroids, CalcFault::MissingFile, "A", 0});
  report.Add({CalcSource::Ayanamsa, CalcFault::BadContents, "B", 0});
  EXPECT_FALSE(report.Ended());
  report.Add({CalcSource::OuterPlanets, CalcFault::DamagedRecord, "C", 7});
  report.Add({CalcSource::Asteroids, CalcFault::MissingFile, "D", 0});
  EXPECT_TRUE(report.Ended());
  ASSERT_EQ(report.Statuses().size(), 3u);
  EXPECT_EQ(report.Statuses()[0].file, "A");
  EXPECT_EQ(report.Statuses()[1].file, "B");
  EXPECT_EQ(report.Statuses()[2].file, "C");
}

}  // namespace
}  // namespace vostrane
