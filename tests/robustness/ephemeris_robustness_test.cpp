// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris files damaged: the outer-planet files "LRZ5_" and "CHI_" and
// the asteroid files. A cut file ends the program (outer planets) or gives
// the record message (Chiron, asteroids); extra bytes change nothing (where
// the installation's list is not at hand to tell them); random damage
// never leaves a longitude outside the circle or a value that is not a
// number in the calculated entry.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>

#include "astro/AsteroidFiles.h"
#include "astro/AsteroidPositions.h"
#include "astro/BodySlots.h"
#include "astro/Houses.h"
#include "astro/OuterPlanetFiles.h"
#include "astro/OuterPlanetPositions.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "tests/robustness/Damage.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/ShownReport.h"

namespace vostrane::test {
namespace {

// JD 2451545 (2000 January 1.5) uses nodes 642 to 647 of the files numbered 24.
constexpr double kMoment = 2451545.0 - 2433282.0;
constexpr int kFirstNode = 642;
constexpr int kLastNode = 647;

// A working folder with the installation's ephemeris files, where one file
// can be replaced by a damaged copy.
class EphemerisFolder {
 public:
  EphemerisFolder() { LinkEphemerisFiles(folder_); }
  void Replace(const std::string& name, const DamagedCopy& copy) {
    unlink(name.c_str());
    PlaceCopy(folder_, name, copy);
  }
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
};

// What a cut outer-planet file of `width` integers per node gives for the
// nodes of kMoment: the message of the first node it cannot deliver, or
// nothing when all are there.
std::string OuterCutMessage(const std::string& name, size_t bytes, int width) {
  const size_t record = 4 * static_cast<size_t>(width);
  for (int node = kFirstNode; node <= kLastNode; ++node) {
    if (static_cast<size_t>(node) > bytes / record)
      return "Unable to read record # " + std::to_string(node * width) + " from file " + name +
             " not on disk\\.  Program ended\\.";
    if ((node + 1) * record > bytes)
      return "ERROR! Unable to read data from ephemeris file " + name + " \\(record # " +
             std::to_string(node * width) + " is cut short\\)\\. Program ended\\.";
  }
  return "";
}

OuterPosition Outer(int body) {
  const OuterPosition p = OuterPos(body, kMoment);
  ShowCalcStatus(p.status);
  return p;
}

bool SamePosition(const OuterPosition& a, const OuterPosition& b) {
  return a.available == b.available && a.lon == b.lon && a.r == b.r && a.z == b.z && a.dlon == b.dlon &&
         a.dr == b.dr && a.dz == b.dz;
}

struct OuterFile {
  std::string name;
  int width;
  int body;  // the engine body read from it
};
const OuterFile kOuterFiles[] = {{"LRZ5_24", kLrzWidth, 9}, {"CHI_24", kChiWidth, 12}};

TEST(OuterFileRobustnessDeathTest, ACutFileEndsTheProgramWithTheMessageOfTheMissingNode) {
  for (const OuterFile& f : kOuterFiles) {
    const std::string good = InstalledBytes(f.name);
    for (const DamagedCopy& copy : TruncatedCopies(good, 4 * f.width)) {
      SCOPED_TRACE(f.name + " " + copy.label);
      EphemerisFolder folder;
      folder.Replace(f.name, copy);
      const std::string message = OuterCutMessage(f.name, copy.bytes.size(), f.width);
      if (message.empty()) {
        EXPECT_TRUE(Outer(f.body).available);
      } else if (f.body == 12) {
        // Without its record Chiron is left out, with a message naming the
        // file; the chart goes on.
        const OuterPosition p = OuterPos(f.body, kMoment);
        EXPECT_FALSE(p.available);
        EXPECT_FALSE(p.status.fatal());
        const std::string text = CalcStatusText(p.status);
        EXPECT_NE(text.find(f.name), std::string::npos) << text;
        EXPECT_NE(text.find("Chiron is left out"), std::string::npos) << text;
      } else {
        EXPECT_EXIT(Outer(f.body), testing::ExitedWithCode(1), message);
      }
      EXPECT_EQ(folder.Folder().Read(f.name), copy.bytes);
    }
  }
}

// A damaged entry can ask for a moment far beyond every file (or one that
// is not a number): it names a file that is not there, and the program ends
// with that message.
TEST(OuterFileRobustnessDeathTest, AMomentFarBeyondEveryFileEndsWithTheMissingFileMessage) {
  EphemerisFolder folder;
  EXPECT_EQ(OuterFileNumber(1e300), 1000000000);
  EXPECT_EQ(OuterFileNumber(-1e300), -1000000000);
  ASSERT_TRUE(Outer(5).available);  // the year 2000 is on disk
  EXPECT_EXIT(ShowCalcStatus(OuterPos(5, 1e300).status), testing::ExitedWithCode(1),
              "File LRZ5_1000000000 not on disk\\.  Program ended\\.");
  EXPECT_EXIT(ShowCalcStatus(OuterPos(9, -1e300).status), testing::ExitedWithCode(1),
              "File LRZ5_M1000000000 not on disk\\.  Program ended\\.");
  EXPECT_EXIT(ShowCalcStatus(OuterPos(7, std::nan("")).status), testing::ExitedWithCode(1),
              "File LRZ5_M1000000000 not on disk\\.  Program ended\\.");
}

TEST(OuterFileRobustness, ExtraBytesChangeNoPosition) {
  for (const OuterFile& f : kOuterFiles) {
    EphemerisFolder clean;
    const OuterPosition expected = Outer(f.body);
    ASSERT_TRUE(expected.available);
    const std::string good = InstalledBytes(f.name);
    for (const DamagedCopy& copy : OversizedCopies(good, 4 * f.width)) {
      SCOPED_TRACE(f.name + " " + copy.label);
      EphemerisFolder folder;
      folder.Replace(f.name, copy);
      EXPECT_TRUE(SamePosition(Outer(f.body), expected));
    }
  }
}

// The first of the four records the asteroid file gives for a Julian day.
size_t AsteroidFirstRecord(const std::string& file, double julianDayUt) {
  double start;
  std::memcpy(&start, file.data(), sizeof start);
  return static_cast<size_t>((julianDayUt - start) / kAsteroidStep);
}

TEST(AsteroidFileRobustness, ACutFileGivesTheRecordMessageAndNoPosition) {
  const std::string name = kAsteroidFileNames[0];
  const std::string good = InstalledBytes(name);
  const size_t needed = (AsteroidFirstRecord(good, 2451545.0) + 4) * kAsteroidRecordSize;
  ASSERT_LE(needed, good.size());
  for (const DamagedCopy& copy : TruncatedCopies(good, kAsteroidRecordSize)) {
    SCOPED_TRACE(copy.label);
    EphemerisFolder folder;
    folder.Replace(name, copy);
    ScopedScriptedMessages messages;
    CalcStatus status;
    const auto p = AsteroidPos(1, 2451545.0, status);
    ShowCalcStatus(status);
    if (copy.bytes.size() >= needed) {
      EXPECT_TRUE(p);
      EXPECT_TRUE(messages->Shown().empty());
      continue;
    }
    EXPECT_FALSE(p);
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text.rfind("ERROR!!!  Not able to read record # ", 0), 0u);
    EXPECT_NE(
        messages->Shown()[0].text.find(" from file NVCER21P.E87. Ephemeris for birth year not on disk."),
        std::string::npos);
    EXPECT_EQ(folder.Folder().Read(name), copy.bytes);
  }
}

TEST(AsteroidFileRobustness, ExtraBytesChangeNoPosition) {
  const std::string name = kAsteroidFileNames[3];
  EphemerisFolder clean;
  CalcStatus status;
  const auto expected = AsteroidPos(4, 2451545.0, status);
  ASSERT_TRUE(expected);
  for (const DamagedCopy& copy : OversizedCopies(InstalledBytes(name), kAsteroidRecordSize)) {
    SCOPED_TRACE(copy.label);
    EphemerisFolder folder;
    folder.Replace(name, copy);
    ScopedScriptedMessages messages;
    const auto p = AsteroidPos(4, 2451545.0, status);
    ShowCalcStatus(status);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->lon, expected->lon);
    EXPECT_EQ(p->lat, expected->lat);
    EXPECT_EQ(p->dist, expected->dist);
    EXPECT_TRUE(messages->Shown().empty());
  }
}

// The whole calculation of a chart with one damaged file: whatever the
// damage, each longitude stays in [0, 360) and no value is NaN or infinite;
// a fatal read ends the program with its message.
TEST(EphemerisRobustness, RandomDamageNeverWritesValuesOutsideTheirRanges) {
  const std::string files[] = {"LRZ5_24", "CHI_24", kAsteroidFileNames[0], kAsteroidFileNames[2]};
  int calculated = 0;
  uint32_t seed = 2000;
  for (const std::string& name : files) {
    const std::string good = InstalledBytes(name);
    // Half of the copies are damaged where the year 2000 reads.
    auto copies = CorruptedCopies(good, 12, ++seed);
    const bool outer = name.rfind("LRZ5_", 0) == 0 || name.rfind("CHI_", 0) == 0;
    const size_t record = outer ? (name[0] == 'L' ? 60 : 12) : kAsteroidRecordSize;
    const size_t from = outer ? kFirstNode * record : 2500 * record;
    for (auto& c : CorruptedCopies(good, 12, ++seed, from, from + 8 * record + 300)) copies.push_back(c);
    for (const DamagedCopy& copy : copies) {
      SCOPED_TRACE(name + " " + copy.label);
      EphemerisFolder folder;
      folder.Replace(name, copy);
      ScopedScriptedMessages messages;
      AnalyticTheory theory;  // a run of its own: the files are read afresh
      ChartEntry e;
      e.InitNewEntry('T', 1);
      e.setYear(2000);
      e.setMonth(1);
      e.setDay(1);
      e.setHours(12);
      e.setLatitude(48.2);
      e.setLongitude(-16.4);
      const auto ended = RunCatchingProgramEnd(*messages, [&] {
        NameFileImage image;
        CalcHouses(e, image, false, test::ShownReport().report());
        PlanetFlags flags;
        CalcPlanets(e, image, flags, theory, test::ShownReport().report());
      });
      if (ended) {
        EXPECT_NE(ended->find("Program ended."), std::string::npos) << *ended;
        continue;
      }
      ++calculated;
      for (int s = 0; s <= slot::LastBody; ++s) {
        for (BodyArray a : {BodyArray::Lon, BodyArray::HLon, BodyArray::Ra}) {
          const double v = e.body(a, s);
          EXPECT_TRUE(v >= 0.0 && v < 360.0) << "array " << int(a) << " slot " << s << ": " << v;
        }
        for (BodyArray a : {BodyArray::Lat, BodyArray::HLat, BodyArray::Decl}) {
          const double v = e.body(a, s);
          EXPECT_TRUE(std::isfinite(v) && std::fabs(v) <= 90.0)
              << "array " << int(a) << " slot " << s << ": " << v;
        }
        EXPECT_TRUE(std::isfinite(e.body(BodyArray::Speed, s))) << s;
        EXPECT_TRUE(std::isfinite(e.body(BodyArray::HSpeed, s))) << s;
      }
    }
  }
  EXPECT_GT(calculated, 0);
}

}  // namespace
}  // namespace vostrane::test
