// SPDX-License-Identifier: GPL-3.0-or-later
// The planet pass: slots, daily motions, asteroid years, hypothetical
// planets, Chiron's range, the zodiac offset and the name-file image.
#include <gtest/gtest.h>
#include <swephexp.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "astro/AngleHelpers.h"
#include "astro/AsteroidFiles.h"
#include "astro/BodySlots.h"
#include "astro/Houses.h"
#include "astro/HypotheticalPlanets.h"
#include "astro/PlanetPass.h"
#include "astro/PointVectors.h"
#include "astro/SolarVector.h"
#include "derived/EntryCalculation.h"
#include "platform/ScriptedMessageService.h"
#include "tests/astro/AstroTestSupport.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

class PlanetPassTest : public testing::Test {
 protected:
  void SetUp() override { test::LinkEphemerisFiles(folder_); }

  // A calculated natal entry (houses first, as the driver does).
  ChartEntry Calculated(int year, int month, int day, int h, int m, char zodiac = 'T') {
    ChartEntry e = test::MakeEntry(year, month, day, h, m, 0, 0.0, 48.2, -16.4);
    e.setZodiacLetter(zodiac);
    NameFileImage image;
    CalcHouses(e, image, false, test::ShownReport().report());
    PlanetFlags flags;
    CalcPlanets(e, image, flags, theory_, test::ShownReport().report());
    return e;
  }

  test::TempFolder folder_;
  AnalyticTheory theory_;
};

TEST_F(PlanetPassTest, FillsEverySlotWithSaneValues) {
  const ChartEntry e = Calculated(1987, 6, 14, 15, 30);
  for (int s = 0; s <= slot::LastBody; ++s) {
    EXPECT_GE(e.lon(s), 0.0) << s;
    EXPECT_LT(e.lon(s), 360.0) << s;
    EXPECT_LE(std::fabs(e.body(BodyArray::Lat, s)), 90.0) << s;
    EXPECT_LE(std::fabs(e.body(BodyArray::Decl, s)), 90.0) << s;
    EXPECT_GE(e.body(BodyArray::Ra, s), 0.0) << s;
    EXPECT_LT(e.body(BodyArray::Ra, s), 360.0) << s;
  }
  EXPECT_EQ(e.lon(31), 1.0);
  EXPECT_NEAR(e.body(BodyArray::Speed, slot::Sun), 0.955, 0.01);  // June
  EXPECT_GT(e.body(BodyArray::Speed, slot::Moon), 11.0);
  EXPECT_EQ(e.lon(slot::Ascendant), e.asc());
  EXPECT_EQ(e.lon(slot::Midheaven), e.mc());
  EXPECT_NEAR(e.lon(slot::PartOfFortune), ModAngle(360, e.asc() + e.lon(slot::Moon) - e.lon(slot::Sun)),
              1e-9);
  EXPECT_LT(std::fabs(DiffDeg(e.moonNodeDeg(), e.lon(slot::TrueNode))), 2.0);
  // Heliocentric Earth in the Sun's heliocentric slot, opposite the Sun.
  EXPECT_NEAR(std::fabs(DiffDeg(e.lon(slot::Sun), e.body(BodyArray::HLon, slot::Sun))), 180.0, 0.01);
  // Right ascension of the Sun from its longitude on the ecliptic.
  const double eps = e.obliquityRad();
  const double l = e.lon(slot::Sun) * kRadPerDeg;
  EXPECT_NEAR(e.body(BodyArray::Ra, slot::Sun),
              ModAngle(360, std::atan2(std::sin(l) * std::cos(eps), std::cos(l)) * kDegPerRad), 0.001);
}

TEST_F(PlanetPassTest, AsteroidsComeFromTheFilesUpTo2049Only) {
  const ChartEntry in = Calculated(2049, 12, 31, 12, 0);
  const ChartEntry out = Calculated(2050, 1, 1, 12, 0);
  EXPECT_EQ(in.asteroidsCalculated(), 'Y');
  EXPECT_EQ(out.asteroidsCalculated(), 'N');
  swe_set_ephe_path(nullptr);
  const int sweBodies[4] = {SE_CERES, SE_PALLAS, SE_JUNO, SE_VESTA};
  for (int k = 0; k < 4; ++k) {
    double x[6];
    char err[AS_MAXCH];
    // Geometric positions, mean equinox of date, as GEOCON gives them.
    ASSERT_GE(
        swe_calc_ut(in.julianDayUt(), sweBodies[k], SEFLG_SWIEPH | SEFLG_TRUEPOS | SEFLG_NONUT, x, err),
        0);
    EXPECT_LT(std::fabs(DiffDeg(in.lon(slot::Ceres + k), x[0])) * 3600.0, 15.0) << k;
    EXPECT_GT(std::fabs(DiffDeg(in.lon(slot::Ceres + k), in.lon(slot::Sun))), 0.1) << k;
    // Out of range: the Sun's geometric position.
    EXPECT_LT(std::fabs(DiffDeg(out.lon(slot::Ceres + k), out.lon(slot::Sun))) * 3600.0, 60.0) << k;
    EXPECT_EQ(out.body(BodyArray::HLon, slot::Ceres + k), 0.0);
  }
  swe_close();
  EXPECT_EQ(Calculated(1722, 1, 1, 0, 0).asteroidsCalculated(), 'Y');
  EXPECT_EQ(Calculated(1721, 12, 31, 23, 0).asteroidsCalculated(), 'N');
}

TEST_F(PlanetPassTest, ChironBeforeItsFilesIsMarkedUnavailable) {
  const ChartEntry e = Calculated(700, 3, 1, 12, 0);
  EXPECT_FALSE(e.bodyAvailable(slot::Chiron));
  EXPECT_EQ(e.unavailableSlots(), 1u << slot::Chiron);
  for (BodyArray a : {BodyArray::Lon, BodyArray::Speed, BodyArray::HLon, BodyArray::Ra, BodyArray::Decl})
    EXPECT_EQ(e.body(a, slot::Chiron), 0.0) << int(a);
  EXPECT_TRUE(e.bodyAvailable(slot::Sun));
  const ChartEntry later = Calculated(1900, 3, 1, 12, 0);
  EXPECT_TRUE(later.bodyAvailable(slot::Chiron));
  EXPECT_EQ(later.unavailableSlots(), 0u);
  EXPECT_GT(std::fabs(DiffDeg(later.lon(slot::Chiron), later.lon(slot::Sun))), 1.0);
}

// A missing asteroid file: one message for the whole run, however many
// charts and passes need it, and the entry's asteroid flag says 'N'.
TEST_F(PlanetPassTest, MissingAsteroidFileIsReportedOncePerRunAndFlaggedN) {
  ASSERT_EQ(unlink((folder_.Path() + "/" + kAsteroidFileNames[1]).c_str()), 0);
  ScopedScriptedMessages messages;
  for (int year : {1950, 1960, 1970}) {
    ChartEntry e = test::MakeEntry(year, 5, 5, 12, 0, 0, 0.0, 48.2, -16.4);
    e.setNameRecord(3);
    NameFileImage image;
    CalcHouses(e, image, false, test::ShownReport().report());
    PlanetFlags flags;
    ASSERT_TRUE(CalcPlanets(e, image, flags, theory_, test::ShownReport().report()));
    EXPECT_EQ(e.asteroidsCalculated(), 'N') << year;
    EXPECT_EQ(flags.asteroidsCalculated, 'N') << year;
    EXPECT_EQ(flags.planetsCalculated, 'Y');
  }
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_EQ(messages->Shown()[0].text,
            "ERROR!!!   File NVPAL21P.E87 not on disk. Ephemeris for birth year not on disk!");
}

// The planet step reports its progress for the third label.
TEST_F(PlanetPassTest, ReportsItsProgress) {
  ChartEntry e = test::MakeEntry(1987, 6, 14, 15, 30, 0, 0.0, 48.2, -16.4);
  NameFileImage image;
  CalcHouses(e, image, false, test::ShownReport().report());
  PlanetFlags flags;
  std::vector<std::string> texts;
  CalcPlanets(e, image, flags, theory_, test::ShownReport().report(),
              [&](const std::string& t) { texts.push_back(t); });
  EXPECT_EQ(texts, (std::vector<std::string>{"Daily motions", "Sun, Moon and planets", "Lunar nodes",
                                             "Asteroids and Chiron", "Hypothetical planets"}));
}

TEST_F(PlanetPassTest, OuterFilesCoverBirthYearsMinus999To2300) {
  for (int year : {-999, 2300}) {
    const ChartEntry e = Calculated(year, year < 0 ? 1 : 12, year < 0 ? 1 : 31, year < 0 ? 0 : 23, 59);
    for (int k = slot::Jupiter; k <= slot::Pluto; ++k) {
      EXPECT_GE(e.lon(k), 0.0) << year << " " << k;
      EXPECT_LT(std::fabs(e.body(BodyArray::Speed, k)), 0.3) << year << " " << k;
    }
  }
}

TEST_F(PlanetPassTest, DailyMotionAcrossZeroAriesIsWrapped) {
  // The Sun crossed 0 Aries at 2000 March 20 7:35 UT; one minute later
  // pass one still sees it below 360.
  const ChartEntry e = Calculated(2000, 3, 20, 7, 36);
  ASSERT_LT(e.lon(slot::Sun), 0.01);
  EXPECT_NEAR(e.body(BodyArray::Speed, slot::Sun), 0.9915, 0.002);
}

TEST_F(PlanetPassTest, SiderealShiftsLongitudesAndRightAscensionsAlike) {
  const ChartEntry t = Calculated(1987, 6, 14, 15, 30, 'T');
  const ChartEntry s = Calculated(1987, 6, 14, 15, 30, 'S');
  const double A = s.ayanamsaDeg();
  ASSERT_GT(std::fabs(A), 20.0);
  for (int k : {slot::Sun, slot::Moon, slot::Mars, slot::Pluto, slot::Ceres, slot::Chiron,
                slot::FirstHypothetical}) {
    EXPECT_NEAR(DiffDeg(t.lon(k), s.lon(k)), A, 1e-9) << k;
    EXPECT_NEAR(DiffDeg(t.body(BodyArray::Ra, k), s.body(BodyArray::Ra, k)), A, 1e-9) << k;
    EXPECT_NEAR(t.body(BodyArray::Decl, k), s.body(BodyArray::Decl, k), 1e-12) << k;
  }
}

TEST_F(PlanetPassTest, LinkedNatalEntryIsPackedForTheNameFile) {
  ChartEntry e = test::MakeEntry(1987, 6, 14, 15, 30, 0, 0.0, 48.2, -16.4);
  e.setZodiacLetter('S');
  e.setNameRecord(12);
  NameFileImage image;
  CalcHouses(e, image, false, test::ShownReport().report());
  PlanetFlags flags;
  ASSERT_TRUE(CalcPlanets(e, image, flags, theory_, test::ShownReport().report()));
  EXPECT_EQ(flags.planetsCalculated, 'Y');
  EXPECT_EQ(flags.asteroidsCalculated, 'Y');
  EXPECT_EQ(flags.hypotheticalsCalculated, 'Y');
  // Slot s of block b as the name file stores it: a little-endian int32.
  auto packed = [&](int block, int s) {
    const uint8_t* p = image.BodyBlock(block) + 4 * s;
    return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                                uint32_t{p[3]} << 24);
  };
  const double A = e.ayanamsaDeg();
  EXPECT_EQ(packed(0, slot::Mars), EncodeFixed(ModAngle(360, e.lon(slot::Mars) - A)));
  EXPECT_EQ(packed(0, 31), EncodeFixed(1.0));
  EXPECT_EQ(packed(1, slot::Moon), EncodeFixed(e.body(BodyArray::Lat, slot::Moon)));
  EXPECT_EQ(packed(2, slot::Moon), EncodeFixed(e.body(BodyArray::Speed, slot::Moon)));
  EXPECT_EQ(packed(3, slot::Venus),
            EncodeFixed(ModAngle(360, e.body(BodyArray::HLon, slot::Venus) - A)));
  EXPECT_EQ(packed(6, slot::Jupiter),
            EncodeFixed(ModAngle(360, e.body(BodyArray::Ra, slot::Jupiter) - A)));
  EXPECT_EQ(packed(7, slot::Jupiter), EncodeFixed(e.body(BodyArray::Decl, slot::Jupiter)));
  for (int b = 1; b < 8; ++b) EXPECT_EQ(packed(b, 31), 0);
  // The name file keeps tropical longitudes in units of 1/5000000 degree,
  // whatever the chart's zodiac: the Sun's slot of this sidereal chart
  // against the reference ephemeris's apparent Sun.
  ASSERT_GT(std::fabs(A), 20.0);
  swe_set_ephe_path(nullptr);
  double sun[6];
  char err[AS_MAXCH];
  ASSERT_GE(swe_calc_ut(e.julianDayUt(), SE_SUN, SEFLG_SWIEPH, sun, err), 0) << err;
  swe_close();
  EXPECT_LT(std::fabs(DiffDeg(packed(0, slot::Sun) / 5e6, sun[0])) * 3600.0, 5.0);

  // A derived entry and a natal entry without a name record leave the image
  // as it was.
  const NameFileImage zero;
  for (const bool derivedEntry : {true, false}) {
    ChartEntry other = e;
    if (derivedEntry) other.setLevel(1);
    else other.setNameRecord(0);
    NameFileImage untouched;
    EXPECT_FALSE(CalcPlanets(other, untouched, flags, theory_, test::ShownReport().report()))
        << derivedEntry;
    EXPECT_EQ(std::memcmp(untouched.Data(), zero.Data(), kNameFileImageSize), 0) << derivedEntry;
  }
}

TEST_F(PlanetPassTest, MissingOuterPlanetFileEndsTheProgram) {
  ChartEntry e = test::MakeEntry(1987, 6, 14, 15, 30, 0, 0.0, 48.2, -16.4);
  NameFileImage image;
  CalcHouses(e, image, false, test::ShownReport().report());
  ASSERT_EQ(unlink((folder_.Path() + "/LRZ5_24").c_str()), 0);
  PlanetFlags flags;
  EXPECT_EXIT(CalcPlanets(e, image, flags, theory_, test::ShownReport().report()),
              testing::ExitedWithCode(1), "File LRZ5_24 not on disk\\.  Program ended\\.");
}

TEST_F(PlanetPassTest, MissingAsteroidFileIsReportedAndTheChartGoesOn) {
  ASSERT_EQ(unlink((folder_.Path() + "/NVPAL21P.E87").c_str()), 0);
  ScopedScriptedMessages msgs;
  const ChartEntry e = Calculated(1987, 6, 14, 15, 30);
  EXPECT_TRUE(
      msgs->Saw("ERROR!!!   File NVPAL21P.E87 not on disk. Ephemeris for birth year not on disk!"));
  // Pallas is left out (no values, never the Sun's); Ceres is there.
  EXPECT_FALSE(e.bodyAvailable(slot::Pallas));
  EXPECT_EQ(e.lon(slot::Pallas), 0.0);
  EXPECT_TRUE(e.bodyAvailable(slot::Ceres));
  EXPECT_GT(std::fabs(DiffDeg(e.lon(slot::Ceres), e.lon(slot::Sun))), 0.1);
}

TEST(HypoPos, ApollonToPoseidonMoveOnCircles) {
  const double w[4] = {138.05333, 351.335, 55.8983, 165.5163};
  const double n[4] = {61.0765, 56.98245, 53.015987, 47.03868};
  for (double T : {-3.1, 0.0, 0.87, 2.5}) {
    for (int k = 0; k < 4; ++k) {
      const HelioPoint h = HypoPos(5 + k, T);
      EXPECT_NEAR(DiffDeg(ModAngle(360, 1.396 * T + w[k] + n[k] * T), h.lon), 0.0, 1e-9)
          << k << " " << T;
      EXPECT_NEAR(h.lat, 0.0, 1e-12);
      EXPECT_EQ(h.hspeed, 0.0);
    }
  }
}

TEST(ElementOrbit, VelocityIsTheDerivativeOfThePosition) {
  // Cupido's elements, moved by one day (n in degrees per century).
  const double T = 0.5, dT = 1.0 / 36525.0;
  auto at = [](double T) {
    const double M = ModAngle(360, 163.7409 + 137.1364 * T), N = ModAngle(360, 129.8325 + 1.396 * T);
    OrbitPosition o = ElementOrbit(M, N + 171.4333 + M, 1.08333, N, 40.99837, 0.0046);
    SetPositionFromPolar(o.vec, o.lon, o.lat, o.dist);
    return o.vec;
  };
  const SlotVector a = at(T), b = at(T + dT);
  // The elements' mean motion is not the Gaussian one; the direction and
  // size of the velocity must still agree closely.
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double speed = std::hypot(a.vx, a.vy);
  EXPECT_NEAR(std::atan2(vy, vx), std::atan2(a.vy, a.vx), 0.01);
  EXPECT_NEAR(std::hypot(vx, vy) / speed, 1.0, 0.05);
}

TEST(SunVector, FollowsTheGeometricSun) {
  AnalyticTheory theory;
  swe_set_ephe_path(nullptr);
  double worst = 0;
  for (double jd = 2341972.5; jd < 2524593.5; jd += 1234.5) {
    const SunVectorResult s = SunVector(jd - 2415020.0, theory.SolarTable());
    double x[6];
    char err[AS_MAXCH];
    ASSERT_GE(swe_calc(jd, SE_SUN, SEFLG_SWIEPH | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_SPEED, x, err), 0);
    worst = std::max(worst, std::fabs(DiffDeg(s.lon, x[0])) * 3600.0);
    EXPECT_NEAR(s.dist, x[2], 2e-5);
    // The velocity turns with the Sun at its daily motion.
    const double speed = (s.vec.x * s.vec.vy - s.vec.y * s.vec.vx) / (s.dist * s.dist) * kDegPerRad;
    EXPECT_NEAR(speed, x[3], 0.002);
  }
  swe_close();
  std::printf("solar vector, largest difference 1700-2200: %.2f\"\n", worst);
  EXPECT_LT(worst, 6.0);
}

TEST(EclToEqu, QuadrantsAndPoles) {
  EXPECT_NEAR(EclToEqu(0, 0, 23.44).ra, 0.0, 1e-12);
  EXPECT_NEAR(EclToEqu(0, 90, 23.44).ra, 90.0, 1e-12);
  EXPECT_NEAR(EclToEqu(0, 90, 23.44).decl, 23.44, 1e-12);
  EXPECT_NEAR(EclToEqu(0, 180, 23.44).ra, 180.0, 1e-9);
  EXPECT_NEAR(EclToEqu(0, 270, 23.44).ra, 270.0, 1e-9);
  EXPECT_NEAR(EclToEqu(0, 200, 23.44).ra,
              180 + std::atan(std::tan(20 * kRadPerDeg) * std::cos(23.44 * kRadPerDeg)) * kDegPerRad,
              1e-9);
  EXPECT_EQ(EclToEqu(66.56, 90, 23.44).decl, 90.0);
}

}  // namespace
}  // namespace vostrane
