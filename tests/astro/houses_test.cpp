// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AstroTestSupport.h"
#include "astro/BodySlots.h"
#include "common/HouseSystemNames.h"
#include "astro/TimeScales.h"
#include "derived/EntryCalculation.h"
#include "session/NameFileImage.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ShownReport.h"

namespace vostrane {
namespace {

using test::ArcDistance;
using test::MakeFrame;

HouseCusps CuspsOf(char system, const HouseFrame& f, double latitudeDeg) {
  const ChartAngles a = CalcAngles(f, latitudeDeg);
  HouseCusps c{};
  SetStartingCusps(a, c);
  CalcHouseSystem(*HouseSystemOfLetter(system), f, a, c);
  return c;
}

using test::Forward;
using test::InOrder;

// RAMC 45, latitude 52 north, obliquity 23.44, tropical zodiac.
class ReferenceChart : public ::testing::Test {
 protected:
  HouseFrame frame = MakeFrame(45.0, 52.0, 23.44);
  static constexpr double kTol = 6e-5;  // the figures are given to 4 decimals
  void ExpectCusps(char system, double c2, double c3, double c5, double c6) {
    const HouseCusps c = CuspsOf(system, frame, 52.0);
    EXPECT_NEAR(c[1], 148.5884, kTol) << system;
    EXPECT_NEAR(c[2], c2, kTol) << system;
    EXPECT_NEAR(c[3], c3, kTol) << system;
    EXPECT_NEAR(c[4], 227.4643, kTol) << system;
    EXPECT_NEAR(c[5], c5, kTol) << system;
    EXPECT_NEAR(c[6], c6, kTol) << system;
  }
};

TEST_F(ReferenceChart, Angles) {
  const ChartAngles a = CalcAngles(frame, 52.0);
  EXPECT_NEAR(a.asc, 148.5884, kTol);
  EXPECT_NEAR(a.mc, 47.4643, kTol);
}

// The classic worked example stops the Placidus iteration after six steps;
// the program's own Placidus system iterates until the cusps stand still.
TEST_F(ReferenceChart, PlacidusWithSixIterations) {
  const ChartAngles a = CalcAngles(frame, 52.0);
  HouseCusps c{};
  SetStartingCusps(a, c);
  PlacidusCuspsIterated(frame, a, c, 6);
  EXPECT_NEAR(c[2], 168.0690, kTol);
  EXPECT_NEAR(c[3], 193.7676, kTol);
  EXPECT_NEAR(c[5], 266.5198, kTol);
  EXPECT_NEAR(c[6], 301.1703, kTol);
}

TEST_F(ReferenceChart, PlacidusIteratedToConvergence) {
  const HouseCusps c = CuspsOf('F', frame, 52.0);
  EXPECT_NEAR(c[2], 168.0794, 1e-4);  // six steps fall about an arcminute short
  EXPECT_NEAR(c[6], 301.1723, 1e-4);
}

// The system's own Placidus cusps (Newton's method between the polar
// circles) are those of the plain iteration run until it stands still, up
// to the polar circles, where the iteration converges slowest. (Beyond them
// the plain iteration itself is kept; it need not settle there.)
TEST(Houses, PlacidusNewtonStepsMeetThePlainIteration) {
  double worst = 0;
  for (double latitude : {-66.5, -60.0, -45.0, -20.0, 0.0, 10.0, 38.0, 52.0, 64.0, 66.0, 66.55}) {
    for (double obliquity : {23.44, 22.1}) {
      for (double ramc = 0.5; ramc < 360; ramc += 7.25) {
        const HouseFrame f = MakeFrame(ramc, latitude, obliquity);
        const ChartAngles a = CalcAngles(f, latitude);
        HouseCusps fast{}, plain{};
        SetStartingCusps(a, fast);
        SetStartingCusps(a, plain);
        PlacidusCusps(f, a, fast);
        PlacidusCuspsIterated(f, a, plain, kPlacidusMaxIterations - 1);
        for (int h = 1; h <= 6; ++h) worst = std::max(worst, ArcDistance(fast[h], plain[h]));
      }
    }
  }
  EXPECT_LT(worst * 3600, 1e-6);  // arc seconds
}
TEST_F(ReferenceChart, Koch) { ExpectCusps('C', 174.8847, 201.2635, 272.9757, 302.2443); }
TEST_F(ReferenceChart, Regiomontanus) { ExpectCusps('H', 168.9647, 192.7827, 271.0150, 305.0813); }

TEST_F(ReferenceChart, EqualAndMeridianCusps) {
  const ChartAngles a = CalcAngles(frame, 52.0);
  const HouseCusps equal = CuspsOf('B', frame, 52.0);
  for (int k = 1; k <= 6; ++k) EXPECT_NEAR(equal[k], ModAngle(360, a.asc + 30 * (k - 1)), 1e-9);
  EXPECT_GT(ArcDistance(equal[4], ModAngle(360, a.mc + 180)), 1.0);  // not the IC

  const HouseCusps meridian = CuspsOf('D', frame, 52.0);
  EXPECT_DOUBLE_EQ(meridian[1], a.eastPoint);
  EXPECT_GT(ArcDistance(meridian[1], a.asc), 1.0);
  EXPECT_NEAR(meridian[4], ModAngle(360, a.mc + 180), 1e-9);
}

TEST_F(ReferenceChart, PorphyryTrisectsTheQuadrants) {
  const HouseCusps c = CuspsOf('G', frame, 52.0);
  const double q1 = Forward(c[1], c[4]);
  EXPECT_NEAR(Forward(c[1], c[2]), q1 / 3, 1e-9);
  EXPECT_NEAR(Forward(c[2], c[3]), q1 / 3, 1e-9);
  EXPECT_NEAR(Forward(c[4], c[5]), (180 - q1) / 3, 1e-9);
  EXPECT_NEAR(Forward(c[5], c[6]), (180 - q1) / 3, 1e-9);
}

TEST(Houses, EquatorProjectsLikeTheMeridianSystem) {
  for (double ramc : {0.0, 30.0, 37.0, 60.0, 90.0, 120.0, 150.0, 163.0, 180.0, 270.0, 321.0}) {
    const HouseFrame f = MakeFrame(ramc, 0.0, 23.44);
    const ChartAngles a = CalcAngles(f, 0.0);
    EXPECT_NEAR(ArcDistance(a.asc, a.eastPoint), 0.0, 1e-9) << ramc;
    const HouseCusps meridian = CuspsOf('D', f, 0.0);
    for (char system : {'A', 'H', 'I'}) {
      const HouseCusps c = CuspsOf(system, f, 0.0);
      for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(ArcDistance(c[k], meridian[k]), 0.0, 1e-7) << system << " " << ramc << " " << k;
    }
  }
}

TEST(Houses, AscDegAtItsPoles) {
  for (double x : {90.0, 270.0, 450.0, -90.0}) {
    for (double pole : {0.0, 38.0, 90.0}) {
      const double v = AscDeg(x, pole, 23.44);
      EXPECT_TRUE(std::isfinite(v)) << x << " " << pole;
      EXPECT_GE(v, 0.0);
      EXPECT_LT(v, 360.0);
    }
  }
}

TEST(Houses, CuspOfPoleMatchesTheCircleOfPosition) {
  const double e = 23.44 * kRadPerDeg;
  for (int sDeg = 5; sDeg < 360; sDeg += 10) {
    for (double poleDeg : {-60.0, -10.0, 0.0, 25.0, 52.0}) {
      // The intersection as the circle of position defines it.
      const double s = sDeg * kRadPerDeg;
      const double pole = poleDeg * kRadPerDeg;
      const double w = std::atan(std::tan(pole) / std::cos(s));
      double c = std::atan(std::cos(w) * std::tan(s) / std::cos(w + e));
      if (c < 0) c += kPi;
      if (std::sin(s) < 0) c += kPi;
      EXPECT_NEAR(CuspOfPole(s, pole, e), c, 1e-12) << sDeg << " " << poleDeg;
    }
  }
  // With the pole at the place's latitude, the point 90 degrees east of the
  // meridian is the Ascendant, also for a meridian at exactly 0 or 180.
  for (double ramc : {0.0, 90.0, 180.0, 270.0, 33.0}) {
    for (double latitude : {-60.0, 0.0, 52.0}) {
      const HouseFrame f = MakeFrame(ramc, latitude, 23.44);
      const double cusp = CuspOfPole(ModAngle(2 * kPi, f.ramcRad + kPi / 2), f.phiRad, f.eRad) *
                          kDegPerRad;
      // (1e-5: the Ascendant's own formula replaces a zero argument by 1e-7.)
      EXPECT_NEAR(ArcDistance(cusp, AscOf(f, f.phiRad, f.ramcRad)), 0.0, 1e-5)
          << ramc << " " << latitude;
    }
  }
}

TEST(Houses, ClampedArcFunctions) {
  EXPECT_DOUBLE_EQ(ArcCos(1.5), 0.0);
  EXPECT_DOUBLE_EQ(ArcCos(-1.5), kPi);
  EXPECT_NEAR(ArcSin(1.0), kPi / 2, 1e-15);
  EXPECT_NEAR(ArcSin(0.5), kPi / 6, 1e-15);
  EXPECT_NEAR(ArcCos(0.5), kPi / 3, 1e-15);
}

// Above the polar circle the arcsine and arccosine arguments leave [-1, 1];
// every system still gives finite cusps in order.
TEST(Houses, HighLatitudesGiveOrderedCusps) {
  int fallbacks = 0;
  for (double latitude : {66.0, 70.0, -70.0, 80.0, 89.99, 90.0, -90.0}) {
    for (int ramc = 0; ramc < 360; ++ramc) {
      const HouseFrame f = MakeFrame(ramc, latitude, 23.44);
      const ChartAngles a = CalcAngles(f, latitude);
      for (double v : {a.asc, a.mc, a.vertex, a.eastPoint, a.coAscendant, a.polarAscendant}) {
        ASSERT_TRUE(std::isfinite(v) && v >= 0 && v < 360) << latitude << " " << ramc;
      }
      for (double m : {a.ascMotion, a.mcMotion, a.vertexMotion, a.eastptMotion}) {
        ASSERT_TRUE(m > -180 && m <= 180) << latitude << " " << ramc;
      }
      for (const HouseSystemInfo& info : HouseSystemTable()) {
        const char system = info.letter;
        const HouseCusps c = CuspsOf(system, f, latitude);
        EXPECT_TRUE(InOrder(c)) << system << " latitude " << latitude << " ramc " << ramc;
        if (system == 'F' && ArcDistance(c[1], a.asc) > 1.0) ++fallbacks;
      }
    }
  }
  EXPECT_GT(fallbacks, 0);  // the Ascendant was turned somewhere
}

TEST(Houses, OrderCheckAtHighLatitudes) {
  // At 70 north with RAMC 268 the IC lies behind the Ascendant: Porphyry
  // trisects from the turned cusp 1, like every other system's fallback.
  HouseFrame f = MakeFrame(268.0, 70.0, 23.44);
  ChartAngles a = CalcAngles(f, 70.0);
  HouseCusps c = CuspsOf('G', f, 70.0);
  EXPECT_NEAR(c[1], ModAngle(360, a.asc + 180), 1e-9);
  EXPECT_NEAR(c[4], ModAngle(360, a.mc + 180), 1e-9);
  EXPECT_TRUE(InOrder(c));

  // At RAMC 295 the Topocentric cusps, with cusp 1 turned (so that the
  // descendant is the Ascendant), pass the check between neighbours but
  // cusp 6 lies 33 degrees past the descendant.
  f = MakeFrame(295.0, 70.0, 23.44);
  a = CalcAngles(f, 70.0);
  HouseCusps raw{};
  SetStartingCusps(a, raw);
  TopocentricCusps(f, a, raw);
  EXPECT_NEAR(Forward(a.asc, raw[6]), 33.0, 0.5);
  c = CuspsOf('I', f, 70.0);
  EXPECT_TRUE(InOrder(c));
  HouseCusps porphyry = c;
  TrisectQuadrants(porphyry);
  EXPECT_EQ(c, porphyry);
}

TEST(Houses, NormalLatitudesNeedNoFallback) {
  for (double latitude : {-60.0, -35.0, 0.0, 23.0, 52.0, 60.0}) {
    for (int ramc = 0; ramc < 360; ramc += 3) {
      const HouseFrame f = MakeFrame(ramc, latitude, 23.44);
      const ChartAngles a = CalcAngles(f, latitude);
      for (char system : {'A', 'C', 'F', 'H', 'I'}) {
        const HouseCusps c = CuspsOf(system, f, latitude);
        EXPECT_TRUE(InOrder(c)) << system;
        EXPECT_NEAR(ArcDistance(c[1], a.asc), 0.0, 1e-5) << system << " " << latitude << " " << ramc;
        // No Porphyry fallback: the second cusp is not a trisection.
        EXPECT_GT(std::fabs(Forward(c[1], c[2]) - Forward(c[1], c[4]) / 3), 1e-6)
            << system << " " << latitude << " " << ramc;
      }
    }
  }
}

TEST(Houses, FastAscendantIsStoredNegative) {
  // Just below the polar circle the Ascendant can run more than half a
  // circle in a day; the motion is then stored as the backward arc.
  int fast = 0;
  for (double latitude = 66.50; latitude < 66.56; latitude += 0.005) {
    for (double ramc = 265; ramc < 275; ramc += 0.05) {
      const HouseFrame f = MakeFrame(ramc, latitude, 23.44);
      const double nextRamc = ModAngle(2 * kPi, f.ramcRad + 0.98566667 * kRadPerDeg);
      const double forward = ModAngle(360, AscOf(f, f.phiRad, nextRamc) - AscOf(f, f.phiRad, f.ramcRad));
      const ChartAngles a = CalcAngles(f, latitude);
      if (forward > 180) {
        ++fast;
        EXPECT_NEAR(a.ascMotion, forward - 360, 1e-9);
        EXPECT_LT(a.ascMotion, 0.0);
      } else {
        EXPECT_NEAR(a.ascMotion, forward, 1e-9);
      }
    }
  }
  EXPECT_GT(fast, 0);
}

TEST(Houses, DailyMotionsMatchTheNextDay) {
  const HouseFrame f = MakeFrame(200.0, 40.0, 23.44);
  HouseFrame next = f;
  next.ramcRad = f.ramcRad + 0.98566667 * kRadPerDeg;
  const ChartAngles a = CalcAngles(f, 40.0);
  const ChartAngles b = CalcAngles(next, 40.0);
  EXPECT_NEAR(a.ascMotion, DiffDeg(a.asc, b.asc), 1e-9);
  EXPECT_NEAR(a.mcMotion, DiffDeg(a.mc, b.mc), 1e-9);
  EXPECT_NEAR(a.vertexMotion, DiffDeg(a.vertex, b.vertex), 1e-9);
  EXPECT_NEAR(a.eastptMotion, DiffDeg(a.eastPoint, b.eastPoint), 1e-9);
}

TEST(Houses, GeocentricLatitudeMovesOnlyTheHorizonAngles) {
  EXPECT_NEAR(HouseLatitude(45.0, true) * kDegPerRad, 45.0 - 695.65 / 3600.0, 1e-12);
  EXPECT_DOUBLE_EQ(HouseLatitude(45.0, false), 45.0 * kRadPerDeg);
  test::TempFolder folder;
  ChartEntry g = test::MakeEntry(1980, 5, 17, 8, 20, 0, -1.0, 48.0, -11.5);
  ChartEntry p = g;
  NameFileImage image;
  CalcHouses(g, image, HouseSystemId::Placidus, true, test::ShownReport().report());
  CalcHouses(p, image, HouseSystemId::Placidus, false, test::ShownReport().report());
  EXPECT_GT(ArcDistance(g.asc(), p.asc()), 0.05);
  EXPECT_DOUBLE_EQ(g.mc(), p.mc());
  EXPECT_DOUBLE_EQ(g.coAscendant(), p.coAscendant());
  EXPECT_DOUBLE_EQ(g.polarAscendant(), p.polarAscendant());
}

TEST(CalcHouses, FillsTheEntry) {
  test::TempFolder folder;
  ChartEntry e = test::MakeEntry(1955, 7, 1, 14, 45, 0, 5.0, 40.7, 74.0, 1);
  NameFileImage image;
  EXPECT_FALSE(CalcHouses(e, image, HouseSystemId::Placidus, false, test::ShownReport().report()));
  EXPECT_DOUBLE_EQ(e.universalTimeHours(), 18.75);
  EXPECT_NEAR(e.deltaTSeconds(), 31.21, 0.005);
  const HouseFrame f{e.latitude() * kRadPerDeg, e.obliquityRad(), e.ramcRad(), 0.0};
  const ChartAngles a = CalcAngles(f, e.latitude());
  EXPECT_DOUBLE_EQ(e.asc(), a.asc);
  EXPECT_DOUBLE_EQ(e.mc(), a.mc);
  EXPECT_DOUBLE_EQ(e.vertex(), a.vertex);
  EXPECT_DOUBLE_EQ(e.eastPoint(), a.eastPoint);
  EXPECT_DOUBLE_EQ(e.coAscendant(), a.coAscendant);
  EXPECT_DOUBLE_EQ(e.polarAscendant(), a.polarAscendant);
  EXPECT_DOUBLE_EQ(e.body(BodyArray::Speed, slot::Ascendant), a.ascMotion);
  EXPECT_DOUBLE_EQ(e.body(BodyArray::Speed, slot::Midheaven), a.mcMotion);
  EXPECT_DOUBLE_EQ(e.body(BodyArray::Speed, slot::Vertex), a.vertexMotion);
  EXPECT_DOUBLE_EQ(e.body(BodyArray::Speed, slot::EastPoint), a.eastptMotion);
  const HouseCusps c = CuspsOf('F', f, e.latitude());
  for (int h = 1; h <= 6; ++h) EXPECT_DOUBLE_EQ(e.cusp(h), c[h]) << h;
  // The image is left alone for an entry not linked to the name file.
  for (size_t i = 0; i < kNameFileImageSize; ++i) ASSERT_EQ(image.Data()[i], 0) << i;
  // Nor is a derived entry's.
  e.setNameRecord(7);
  e.setLevel(1);
  EXPECT_FALSE(CalcHouses(e, image, HouseSystemId::Placidus, false, test::ShownReport().report()));
}

ChartEntry LinkedEntry(char zodiacLetter, double latitude) {
  ChartEntry e = test::MakeEntry(1972, 11, 3, 6, 10, 0, 3.0, latitude, 43.0);
  e.setZodiacLetter(zodiacLetter);
  e.setNameRecord(12);
  return e;
}

int32_t HouseInt(const NameFileImage& image, int system, int cusp) {
  return image.Get<int32_t>(image_offset::housePositions + 4 * (6 * system + cusp - 1));
}

TEST(CalcHouses, PacksTheNameFileValues) {
  test::TempFolder folder;
  for (char zodiacLetter : {'T', 'S'}) {
    ChartEntry e = LinkedEntry(zodiacLetter, 38.5);
    NameFileImage image;
    ASSERT_TRUE(CalcHouses(e, image, HouseSystemId::Placidus, false, test::ShownReport().report()));
    const double z = zodiacLetter == 'T' ? 0.0 : e.ayanamsaDeg();
    const double k = zodiacLetter == 'T' ? -e.ayanamsaDeg() : e.ayanamsaDeg();
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::universalTimeHours), e.universalTimeHours());
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::julianDayUt), e.julianDayUt());
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::obliquityRad), e.obliquityRad());
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::ayanamsaDeg), k);
    EXPECT_LT(k, 0.0);
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::deltaTSeconds), e.deltaTSeconds());
    EXPECT_DOUBLE_EQ(image.Get<double>(image_offset::centuriesSince1900Ut), e.centuriesSince1900Ut());
    EXPECT_EQ(image.Get<char>(image_offset::zodiac), zodiacLetter);
    EXPECT_EQ(image.Get<int32_t>(image_offset::ramcRad), EncodeFixed(e.ramcRad()));
    auto packed = [&](double v) { return EncodeFixed(ModAngle(360, v - z)); };
    EXPECT_EQ(image.Get<int32_t>(image_offset::node), packed(e.moonNodeDeg()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::vertex), packed(e.vertex()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::eastPoint), packed(e.eastPoint()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::asc), packed(e.asc()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::mc), packed(e.mc()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::coAscendant), packed(e.coAscendant()));
    EXPECT_EQ(image.Get<int32_t>(image_offset::polarAscendant), packed(e.polarAscendant()));
    // Each system's block holds that system's cusps (tropical).
    for (char system = 'A'; system <= 'I'; ++system) {
      ChartEntry alone = e;
      alone.setNameRecord(0);
      CalcHouses(alone, image, *HouseSystemOfLetter(system), false,
                 test::ShownReport().report());  // not linked: image untouched
      for (int h = 1; h <= 6; ++h)
        EXPECT_NEAR(DecodeFixed(HouseInt(image, system - 'A', h)), ModAngle(360, alone.cusp(h) - z),
                    1e-6)
            << system << h;
    }
    // The blocks the later systems keep: Equal's cusp 4 is Asc + 90.
    EXPECT_EQ(HouseInt(image, 1, 4), packed(ModAngle(360, e.asc() + 90)));
    EXPECT_EQ(HouseInt(image, 3, 1), packed(e.eastPoint()));
  }
}

// The cusps of a chart do not depend on whether it is linked to a stored
// person, even where the high-latitude fallback turns cusp 1.
TEST(CalcHouses, LinkedAndUnlinkedChartsAgree) {
  test::TempFolder folder;
  for (double latitude : {45.0, 69.0, 75.0}) {
    for (int hour = 0; hour < 24; ++hour) {
      for (char system = 'A'; system <= 'I'; ++system) {
        ChartEntry linked = LinkedEntry('T', latitude);
        linked.setHours(hour);
        ChartEntry alone = linked;
        alone.setNameRecord(0);
        NameFileImage image;
        CalcHouses(linked, image, *HouseSystemOfLetter(system), false, test::ShownReport().report());
        CalcHouses(alone, image, *HouseSystemOfLetter(system), false, test::ShownReport().report());
        for (int h = 1; h <= 6; ++h)
          ASSERT_DOUBLE_EQ(linked.cusp(h), alone.cusp(h)) << system << " " << latitude << " " << hour;
      }
    }
  }
}

// An unknown letter is reported; the chart still gets Placidus cusps.
TEST(CalcHouses, UnknownSystemLetterIsPlacidus) {
  test::TempFolder folder;
  ChartEntry e = LinkedEntry('T', 50.0);
  e.setNameRecord(0);
  ChartEntry f = e;
  NameFileImage image;
  CalcReport report;
  e.setHouseSystemLetter('Z');
  CalcHouses(e, image, false, report);
  CalcHouses(f, image, HouseSystemId::Placidus, false, test::ShownReport().report());
  for (int h = 1; h <= 6; ++h) EXPECT_DOUBLE_EQ(e.cusp(h), f.cusp(h));
  ASSERT_EQ(report.Statuses().size(), 1u);
  EXPECT_EQ(report.Statuses()[0].source, CalcSource::HouseSystem);
  EXPECT_EQ(report.Statuses()[0].record, 'Z');
  EXPECT_FALSE(report.Statuses()[0].fatal());
}

}  // namespace
}  // namespace vostrane
