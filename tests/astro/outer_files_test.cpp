// SPDX-License-Identifier: GPL-3.0-or-later
// The outer-planet and asteroid ephemeris files: naming and indexing rules,
// the generated content, Everett interpolation and the failure paths.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "astro/AngleHelpers.h"
#include "astro/AsteroidFiles.h"
#include "astro/EphemerisEngine.h"
#include "astro/OuterPlanetFiles.h"
#include "astro/OuterPlanetPositions.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

std::string ReadInstalled(const std::string& name) {
  std::ifstream in(test::InstallFile(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int32_t IntegerAt(const std::string& bytes, int64_t index) {
  const auto* b = reinterpret_cast<const uint8_t*>(bytes.data() + 4 * index);
  return static_cast<int32_t>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) |
                              b[3]);
}

TEST(OuterPlanetFiles, FileNumbersNamesAndIndices) {
  EXPECT_EQ(OuterFileNumber(2500000.5), 25);  // a node on a file boundary opens the later file
  EXPECT_EQ(OuterFileNumber(2499920.5), 24);
  EXPECT_EQ(OuterFileNumber(2400000.5), 24);
  EXPECT_EQ(OuterFileNumber(-79.5), -1);  // truncated to -79
  EXPECT_EQ(OuterFileNumber(-50000.0), -1);
  EXPECT_EQ(OuterFileNumber(0.5), 0);
  EXPECT_EQ(OuterFileName(kLrzPrefix, OuterFileNumber(-79.5)), "LRZ5_M1");
  EXPECT_EQ(OuterFileName(kChiPrefix, 21), "CHI_21");
  EXPECT_EQ(OuterFileName(kLrzPrefix, 0), "LRZ5_0");
  EXPECT_EQ(OuterNodeIndex(-79.5, kLrzWidth), 1249 * 15);
  EXPECT_EQ(OuterNodeIndex(0.5, kLrzWidth), 0);
  EXPECT_EQ(OuterNodeIndex(2500000.5, kLrzWidth), 0);
  EXPECT_EQ(OuterNodeIndex(2499920.5, kChiWidth), 1249 * 3);
  for (int n : {0, 1, 1249}) {
    EXPECT_EQ(OuterFileNumber(OuterNodeJd(-1, n)), -1);
    EXPECT_EQ(OuterNodeIndex(OuterNodeJd(-1, n), 1), n);
    EXPECT_EQ(OuterNodeIndex(OuterNodeJd(19, n), 1), n);
  }
}

TEST(OuterPlanetFiles, GeneratedFilesHoldTheReferencePositions) {
  // Every "LRZ5_" file for birth years -999 to 2300 and "CHI_" from 763 AD.
  for (int n = 13; n <= 25; ++n)
    EXPECT_EQ(ReadInstalled(OuterFileName(kLrzPrefix, n)).size(), 75000u) << n;
  for (int n = 20; n <= 25; ++n)
    EXPECT_EQ(ReadInstalled(OuterFileName(kChiPrefix, n)).size(), 15000u) << n;
  const std::string lrz = ReadInstalled("LRZ5_24");
  const std::string chi = ReadInstalled("CHI_24");
  ASSERT_EQ(lrz.size(), 75000u);
  swe_set_ephe_path(nullptr);
  const int flags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR |
                    SEFLG_NOGDEFL;
  const int bodies[6] = {SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_CHIRON};
  for (int node : {0, 644, 1249}) {
    const double jd = OuterNodeJd(24, node);
    for (int b = 0; b < 6; ++b) {
      double x[6];
      char err[AS_MAXCH];
      ASSERT_GE(swe_calc(jd, bodies[b], flags, x, err), 0) << err;
      const std::string& file = b < 5 ? lrz : chi;
      const int64_t base = OuterNodeIndex(jd, b < 5 ? kLrzWidth : kChiWidth) + 3 * (b < 5 ? b : 0);
      EXPECT_NEAR(IntegerAt(file, base) / kOuterLonUnit, x[0], 1e-6);
      EXPECT_NEAR(IntegerAt(file, base + 1) / kOuterDistUnit, x[2], 1e-7);
      EXPECT_NEAR(IntegerAt(file, base + 2) / kOuterDistUnit, x[2] * std::sin(x[1] * kRadPerDeg), 1e-7);
    }
  }
  swe_close();
}

TEST(EverettInterp, ReproducesPolynomialsAndTheirRates) {
  // Second order is exact for cubics, fourth order for quintics.
  auto cubic = [](double x) { return 2.0 + 0.5 * x - 0.25 * x * x + 0.125 * x * x * x; };
  auto quintic = [&](double x) { return cubic(x) + 0.01 * x * x * x * x * x; };
  double fc[6], fq[6];
  for (int k = 0; k < 6; ++k) {
    fc[k] = cubic(k - 2);
    fq[k] = quintic(k - 2);
  }
  for (double p : {0.0, 0.3, 0.75}) {
    const EverettResult c = EverettInterp(fc, 2, p);
    EXPECT_NEAR(c.value, cubic(p), 1e-12);
    EXPECT_NEAR(c.rate, 0.5 - 0.5 * p + 0.375 * p * p, 1e-12);
    const EverettResult q = EverettInterp(fq, 4, p);
    EXPECT_NEAR(q.value, quintic(p), 1e-12);
    EXPECT_NEAR(q.rate, 0.5 - 0.5 * p + 0.375 * p * p + 0.05 * p * p * p * p, 1e-12);
  }
}

TEST(EverettInterp, LongitudeWrappingThroughZeroStaysContinuous) {
  const double f[6] = {359.95, 359.97, 359.99, 0.01, 0.03, 0.05};
  for (int order : {2, 4}) {
    for (double p : {0.0, 0.25, 0.5, 0.75}) {
      const EverettResult r = EverettInterp(f, order, p);
      EXPECT_NEAR(NormDeg(r.value), NormDeg(359.99 + 0.02 * p), 1e-12) << order << " " << p;
      EXPECT_NEAR(r.rate, 0.02, 1e-12);
    }
  }
  // Retrograde through 0 the other way.
  const double g[6] = {0.05, 0.03, 0.01, 359.99, 359.97, 359.95};
  const EverettResult r = EverettInterp(g, 4, 0.5);
  EXPECT_NEAR(DiffDeg(0.0, r.value), 0.0, 1e-12);
  EXPECT_NEAR(r.rate, -0.02, 1e-12);
}

TEST(OuterPos, MatchesTheFileNodesAndInterpolatesBetweenThem) {
  test::TempFolder folder;
  folder.Write("LRZ5_24", ReadInstalled("LRZ5_24"));
  const std::string lrz = ReadInstalled("LRZ5_24");
  const double node = OuterNodeJd(24, 600);
  const int64_t base = OuterNodeIndex(node, kLrzWidth);
  for (int body = 5; body <= 9; ++body) {
    const OuterPosition p = OuterPos(body, node - 2433282.0);
    ASSERT_TRUE(p.available);
    const int64_t i = base + 3 * (body - 5);
    EXPECT_NEAR(p.lon, IntegerAt(lrz, i) / kOuterLonUnit, 1e-9);
    EXPECT_NEAR(p.r, IntegerAt(lrz, i + 1) / kOuterDistUnit, 1e-9);
    EXPECT_NEAR(p.z, IntegerAt(lrz, i + 2) / kOuterDistUnit, 1e-9);
    // The daily rate at a node is the central difference of its neighbours.
    const double next = IntegerAt(lrz, i + kLrzWidth) / kOuterLonUnit;
    const double previous = IntegerAt(lrz, i - kLrzWidth) / kOuterLonUnit;
    EXPECT_NEAR(p.dlon, DiffDeg(previous, next) / 160.0, 2e-5) << body;
  }
}

TEST(OuterPos, MissingPlanetFileEndsTheProgram) {
  test::TempFolder folder;
  EXPECT_EXIT(ShowCalcStatus(OuterPos(5, 2451545.0 - 2433282.0).status), testing::ExitedWithCode(1),
              "File LRZ5_24 not on disk\\.  Program ended\\.");
}

TEST(OuterPos, ShortFileReportsTheIntegerIndexAndItsOwnName) {
  test::TempFolder folder;
  folder.Write("LRZ5_24", ReadInstalled("LRZ5_24").substr(0, 600));
  folder.Write("CHI_24", ReadInstalled("CHI_24").substr(0, 600));
  // JD 2451545 needs node 644 - 2 = 642, integer 642 * 15 (642 * 3 in CHI_).
  EXPECT_EXIT(ShowCalcStatus(OuterPos(5, 2451545.0 - 2433282.0).status), testing::ExitedWithCode(1),
              "Unable to read record # 9630 from file LRZ5_24 not on disk\\.  Program ended\\.");
  // Chiron is left out, with the same record named; the chart goes on.
  const OuterPosition chiron = OuterPos(12, 2451545.0 - 2433282.0);
  EXPECT_FALSE(chiron.available);
  EXPECT_EQ(
      CalcStatusText(chiron.status),
      "ERROR!!!  Not able to read record # 1926 from file CHI_24. Chiron is left out of the charts.");
}

// A zero-filled or otherwise implausible node ends the program with the
// file's name instead of putting the planets at one longitude.
TEST(OuterPos, DamagedNodeNamesItsFile) {
  test::TempFolder folder;
  folder.Write("LRZ5_24", std::string(ReadInstalled("LRZ5_24").size(), '\0'));
  for (int body = 5; body <= 9; ++body)
    EXPECT_EXIT(ShowCalcStatus(OuterPos(body, 2451545.0 - 2433282.0).status), testing::ExitedWithCode(1),
                "Ephemeris file LRZ5_24 is damaged at record # 9630\\.  Program ended\\.");
  // Chiron at Saturn's distance would pass; at 40 AU it does not.
  std::string chi = ReadInstalled("CHI_24");
  const std::string far = {0x17, static_cast<char>(0xD7), static_cast<char>(0x84),
                           0x00};  // 400000000 = 40 AU
  chi.replace(4 * (643 * 3 + 1), 4, far);
  folder.Write("CHI_24", chi);
  const OuterPosition chiron = OuterPos(12, 2451545.0 - 2433282.0);
  EXPECT_FALSE(chiron.available);
  EXPECT_EQ(CalcStatusText(chiron.status),
            "ERROR!!!  File CHI_24 is damaged at record # 1929. Chiron is left out of the charts.");
}

TEST(OuterPos, MissingChironFileMeansChironIsNotAvailable) {
  test::TempFolder folder;
  const OuterPosition p = OuterPos(12, 1900000.0 - 2433282.0);
  EXPECT_FALSE(p.available);
  AnalyticTheory theory;
  EphemerisEngine engine(theory);
  EXPECT_FALSE(engine.PositionOfBody(kEngChiron, 1900000.0 - 2433282.0).available);
}

TEST(TrueNode, MidpointTakesTheShorterArcAcrossZero) {
  EXPECT_NEAR(NodeMidpoint(359.999, 0.001), 0.0, 1e-9);
  EXPECT_NEAR(NodeMidpoint(0.001, 359.999), 0.0, 1e-9);
  EXPECT_NEAR(NodeMidpoint(120.0, 119.9), 119.95, 1e-9);
}

TEST(TrueNode, OscillatesAroundTheMeanNode) {
  AnalyticTheory theory;
  EphemerisEngine engine(theory);
  for (double jd = 2415020.5; jd < 2488069.5; jd += 1373.1) {
    const double t = jd - 2433282.0;
    const EngineResult mean = engine.PositionOfBody(kEngMeanNode, t);
    const EngineResult node = engine.PositionOfBody(kEngTrueNode, t);
    EXPECT_LT(std::fabs(DiffDeg(mean.lon, node.lon)), 2.0) << jd;
    EXPECT_LT(std::fabs(node.speed), 0.5);
  }
}

TEST(AsteroidFiles, ValuesRoundTripThroughTheThreeByteCode) {
  for (double v : {0.0, 12.5, 359.99972, -7.25, -0.01, 277.123, 0.0002777}) {
    uint8_t b[3];
    EncodeAsteroidValue(v, b);
    EXPECT_NEAR(DecodeAsteroidValue(b), v, 0.5 / 3600.0) << v;
    EXPECT_LT(b[2], 60);
  }
  uint8_t b[3];
  EncodeAsteroidValue(-1.0, b);
  EXPECT_GE(b[0], 128);
}

TEST(AsteroidFiles, CoverTheYears1722To2049) {
  for (const char* name : kAsteroidFileNames) {
    const std::string bytes = ReadInstalled(name);
    ASSERT_GT(bytes.size(), 9u * 3000) << name;
    EXPECT_EQ(bytes.size() % kAsteroidRecordSize, 0u);
    double start;
    std::memcpy(&start, bytes.data(), 8);
    const double records = bytes.size() / kAsteroidRecordSize - 1;
    // Record n of the interpolation (q = (J - start) / 40, n = Trunc(q))
    // must be a data record for the first moment of 1722 (UT, a day early
    // for time zones) and records n to n + 3 exist for the end of 2049.
    EXPECT_GE(std::trunc((2349915.5 - 1.0 - start) / kAsteroidStep), 1.0) << name;
    EXPECT_LE(std::trunc((2469807.5 + 1.0 - start) / kAsteroidStep) + 3, records) << name;
  }
}

}  // namespace
}  // namespace vostrane
