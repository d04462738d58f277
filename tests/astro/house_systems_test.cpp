// SPDX-License-Identifier: GPL-3.0-or-later
// The house systems after the first nine, each checked against its
// definition worked out here in another way: the equal systems by
// arithmetic, the others by searching the ecliptic for the point that lies
// on the system's house circle (same right ascension, same azimuth, same
// angle about the north-south axis).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>

#include "AstroTestSupport.h"
#include "astro/GauquelinSectors.h"
#include "common/HouseSystemNames.h"
#include "astro/HouseSystems.h"
#include "astro/Houses.h"

namespace vostrane {
namespace {

using test::ArcDistance;
using test::Forward;
using test::MakeFrame;

constexpr double kArcSecond = 1.0 / 3600.0;
constexpr double kObliquity = 23.4392911;
constexpr double kSunDeclination = 17.5;  // degrees, for the Sunshine houses

double Wrap180(double d) { return d - 360.0 * std::floor((d + 180.0) / 360.0); }

// Equatorial place of the ecliptic point at longitude lon (degrees).
struct Place {
  double ra, decl;  // degrees
};
Place PlaceOf(double lon, double e) {
  const double l = lon * kRadPerDeg, er = e * kRadPerDeg;
  return {std::atan2(std::sin(l) * std::cos(er), std::cos(l)) * kDegPerRad,
          std::asin(std::sin(er) * std::sin(l)) * kDegPerRad};
}

// The longitude where g (an angle difference in degrees) passes through 0,
// found by a scan of the ecliptic and bisection; jumps of the wrapped
// difference are not roots.
double Root(const std::function<double(double)>& g) {
  double best = NAN, bestResidual = 1e9;
  constexpr int kSteps = 1440;
  for (int i = 0; i < kSteps; ++i) {
    double a = 360.0 * i / kSteps, b = 360.0 * (i + 1) / kSteps;
    double ga = g(a), gb = g(b);
    if (ga == 0.0) gb = -ga;  // a itself is the root
    if ((ga > 0) == (gb > 0)) continue;
    for (int k = 0; k < 60; ++k) {
      const double m = (a + b) / 2, gm = g(m);
      if ((gm > 0) == (ga > 0)) a = m, ga = gm;
      else b = m;
    }
    const double residual = std::fabs(g(a));
    if (residual < bestResidual) best = a, bestResidual = residual;
  }
  EXPECT_LT(bestResidual, 1e-6);
  return ModAngle(360.0, best);
}

// Hour angle and local vectors of the ecliptic point lon for the frame.
struct Local {
  double hourAngle;            // degrees, west positive
  double north, east, zenith;  // components along the north point, east point and zenith
};
Local LocalOf(double lon, double ramcDeg, double phiDeg, double e) {
  const Place p = PlaceOf(lon, e);
  const double h = (ramcDeg - p.ra) * kRadPerDeg, d = p.decl * kRadPerDeg, phi = phiDeg * kRadPerDeg;
  Local l;
  l.hourAngle = Wrap180(ramcDeg - p.ra);
  l.zenith = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
  l.east = -std::cos(d) * std::sin(h);
  l.north = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
  return l;
}

struct Case {
  double ramc, latitude;
};

// Random frames between 66 degrees south and north.
std::vector<Case> RandomCases() {
  std::mt19937 random(30);
  std::uniform_real_distribution<double> ramc(0.0, 360.0), latitude(-66.0, 66.0);
  std::vector<Case> cases;
  for (int i = 0; i < 60; ++i) cases.push_back({ramc(random), latitude(random)});
  return cases;
}

// Cusps 1 to 6 of `letter`, and the angles, for one case.
struct Chart {
  HouseFrame f;
  ChartAngles a;
  HouseCusps c{};
};
Chart ChartOf(char letter, const Case& k) {
  Chart ch;
  ch.f = MakeFrame(k.ramc, k.latitude, kObliquity);
  ch.f.sunDeclRad = kSunDeclination * kRadPerDeg;
  ch.a = CalcAngles(ch.f, k.latitude);
  SetStartingCusps(ch.a, ch.c);
  const std::optional<HouseSystemId> system = HouseSystemOfLetter(letter);
  EXPECT_TRUE(system.has_value());
  CalcHouseSystem(system.value_or(HouseSystemId::Placidus), ch.f, ch.a, ch.c);
  return ch;
}

// Expected cusps 1 to 6 (index 0 unused) for one system in one case.
using Expected = std::array<double, 7>;
using Definition = std::function<Expected(const Chart&, const Case&)>;

double RightAscensionRoot(double targetRa) {
  return Root([&](double lon) { return Wrap180(PlaceOf(lon, kObliquity).ra - targetRa); });
}

// A parallel of declination declDeg divided in hour angle, thirds of its
// semi-arcs from the meridian; house circles about the north-south line of
// the horizon.
Expected DiurnalCircleDivisions(const Chart& ch, const Case& k, double declDeg) {
  const double phi = k.latitude * kRadPerDeg, d = declDeg * kRadPerDeg;
  const double day = std::acos(-std::tan(phi) * std::tan(d)) * kDegPerRad, night = 180 - day;
  const double hourAngle[7] = {
      0, -day, -day - night / 3, -day - 2 * night / 3, 180, 180 - night / 3, 180 - 2 * night / 3};
  auto aboutNorthSouth = [](double east, double zenith) {
    return std::atan2(zenith, east) * kDegPerRad;
  };
  Expected x;
  x[1] = ch.a.asc;
  for (int h = 2; h <= 6; ++h) {
    const double hr = hourAngle[h] * kRadPerDeg;
    const double east = -std::cos(d) * std::sin(hr);
    const double zenith = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(hr);
    const double target = aboutNorthSouth(east, zenith);
    x[h] = Root([&](double lon) {
      const Local p = LocalOf(lon, k.ramc, k.latitude, kObliquity);
      return Wrap180(aboutNorthSouth(p.east, p.zenith) - target);
    });
  }
  return x;
}

const std::vector<std::pair<char, Definition>>& Definitions() {
  static const std::vector<std::pair<char, Definition>> table = {
      {'J',
       [](const Chart& ch, const Case&) {  // Whole Sign
         Expected x;
         for (int k = 1; k <= 6; ++k) x[k] = std::floor(ch.a.asc / 30.0) * 30.0 + 30.0 * (k - 1);
         return x;
       }},
      {'L',
       [](const Chart& ch, const Case&) {  // Equal from the Midheaven
         Expected x;
         for (int k = 1; k <= 6; ++k) x[k] = ch.a.mc + 90.0 + 30.0 * (k - 1);
         return x;
       }},
      {'M',
       [](const Chart& ch, const Case&) {  // Vehlow: the Ascendant mid-house
         Expected x;
         for (int k = 1; k <= 6; ++k) x[k] = ch.a.asc - 15.0 + 30.0 * (k - 1);
         return x;
       }},
      {'T',
       [](const Chart&, const Case&) {
         Expected x;
         for (int k = 1; k <= 6; ++k) x[k] = 30.0 * (k - 1);
         return x;
       }},
      {'R',
       [](const Chart&, const Case& k) {  // Sripati: between Porphyry cusps
         const Chart p = ChartOf('G', k);
         Expected x;
         for (int h = 1; h <= 6; ++h) {
           const double before = h == 1 ? p.c[6] + 180.0 : p.c[h - 1];
           x[h] = before + Forward(ModAngle(360, before), p.c[h]) / 2.0;
         }
         return x;
       }},
      {'S',
       [](const Chart& ch, const Case&) {  // Pullen: 30+d, 30+2d, 30+d
         // A quadrant under 30 degrees has an empty middle house.
         auto fill = [](Expected& x, int first, double q) {
           const double d = (q - 90.0) / 4.0;
           const bool empty = q < 30.0;
           x[first + 1] = x[first] + (empty ? q / 2 : 30 + d);
           x[first + 2] = x[first + 1] + (empty ? 0 : 30 + 2 * d);
         };
         const double q = Forward(ch.a.asc, ModAngle(360, ch.a.mc + 180));
         Expected x;
         x[1] = ch.a.asc;
         x[4] = ch.a.mc + 180;
         fill(x, 1, q);
         fill(x, 4, 180 - q);
         return x;
       }},
      {'K',
       [](const Chart& ch, const Case& k) {  // Alcabitius: the Ascendant's semi-arcs in time
         const double ascRa = PlaceOf(ch.a.asc, kObliquity).ra;
         const double day = ModAngle(360, ascRa - k.ramc), night = 180 - day;
         Expected x;
         x[1] = ch.a.asc;
         x[2] = RightAscensionRoot(ascRa + night / 3);
         x[3] = RightAscensionRoot(ascRa + 2 * night / 3);
         x[4] = ch.a.mc + 180;
         x[5] = RightAscensionRoot(k.ramc + 180 + day / 3);
         x[6] = RightAscensionRoot(k.ramc + 180 + 2 * day / 3);
         return x;
       }},
      {'Q',
       [](const Chart& ch, const Case&) {  // Carter: 30-degree arcs of the equator
         const double ascRa = PlaceOf(ch.a.asc, kObliquity).ra;
         Expected x;
         for (int h = 1; h <= 6; ++h) x[h] = RightAscensionRoot(ascRa + 30.0 * (h - 1));
         return x;
       }},
      {'N',
       [](const Chart& ch, const Case& k) {  // Krusinski-Pisa
         // Division points of the circle through the Ascendant and the zenith,
         // carried to the ecliptic along their hour circles.
         const double er = kObliquity * kRadPerDeg, l = ch.a.asc * kRadPerDeg;
         const double phi = k.latitude * kRadPerDeg, r = k.ramc * kRadPerDeg;
         const double a[3] = {std::cos(l), std::sin(l) * std::cos(er), std::sin(l) * std::sin(er)};
         const double z[3] = {std::cos(phi) * std::cos(r), std::cos(phi) * std::sin(r), std::sin(phi)};
         Expected x;
         for (int h = 1; h <= 6; ++h) {
           const double t = -30.0 * (h - 1) * kRadPerDeg;
           const double px = std::cos(t) * a[0] + std::sin(t) * z[0];
           const double py = std::cos(t) * a[1] + std::sin(t) * z[1];
           x[h] = RightAscensionRoot(std::atan2(py, px) * kDegPerRad);
         }
         return x;
       }},
      {'O',
       [](const Chart& ch, const Case& k) {  // Horizontal: equal azimuths
         const Local mc = LocalOf(ch.a.mc, k.ramc, k.latitude, kObliquity);
         // Azimuth from the north point through the east.
         auto azimuth = [&](double lon) {
           const Local p = LocalOf(lon, k.ramc, k.latitude, kObliquity);
           return std::atan2(p.east, p.north) * kDegPerRad;
         };
         const double foot = mc.north > 0 ? 0.0 : 180.0, turn = foot == 0.0 ? 30.0 : -30.0;
         Expected x;
         for (int h = 1; h <= 6; ++h)
           x[h] = Root([&](double lon) { return Wrap180(azimuth(lon) - (foot + turn * (h + 2))); });
         return x;
       }},
      {'P',
       [](const Chart& ch, const Case& k) {  // APC: the Ascendant's parallel
         return DiurnalCircleDivisions(ch, k, PlaceOf(ch.a.asc, kObliquity).decl);
       }},
      {'U',
       [](const Chart& ch, const Case& k) {  // Sunshine: the Sun's parallel
         return DiurnalCircleDivisions(ch, k, kSunDeclination);
       }},
  };
  return table;
}

TEST(HouseSystems, EachMatchesItsDefinition) {
  for (const auto& [letter, definition] : Definitions()) {
    for (const Case& k : RandomCases()) {
      const Chart ch = ChartOf(letter, k);
      const Expected x = definition(ch, k);
      for (int h = 1; h <= 6; ++h)
        ASSERT_LT(ArcDistance(ch.c[h], ModAngle(360, x[h])), kArcSecond)
            << letter << " cusp " << h << " ramc " << k.ramc << " latitude " << k.latitude;
      EXPECT_TRUE(test::InOrder(ch.c)) << letter;
    }
  }
}

// Just inside the polar circles each system still gives its own cusps
// where they exist, or else the Porphyry cusps of the order check; in both
// cases finite and in order.
TEST(HouseSystems, AtThePolarCirclesOwnCuspsOrPorphyry) {
  const double circle = 90.0 - kObliquity - 0.01;
  for (const auto& [letter, definition] : Definitions()) {
    int own = 0;
    for (double latitude : {circle, -circle}) {
      // Meridians off the quarter points, where the ecliptic can lie in the
      // horizon and the searches of the definitions find no crossing.
      for (int ramc = 5; ramc < 360; ramc += 10) {
        const Case k{static_cast<double>(ramc), latitude};
        const Chart ch = ChartOf(letter, k);
        ASSERT_TRUE(test::InOrder(ch.c)) << letter << " " << ramc << " " << latitude;
        const Expected x = definition(ch, k);
        bool matches = true;
        for (int h = 1; h <= 6; ++h)
          matches = matches && ArcDistance(ch.c[h], ModAngle(360, x[h])) < kArcSecond;
        HouseCusps porphyry = ch.c;
        TrisectQuadrants(porphyry);
        bool fellBack = true;
        for (int h = 1; h <= 6; ++h) fellBack = fellBack && ArcDistance(ch.c[h], porphyry[h]) < 1e-9;
        EXPECT_TRUE(matches || fellBack) << letter << " " << ramc << " " << latitude;
        own += matches;
      }
    }
    EXPECT_GT(own, 0) << letter;  // the system's own cusps somewhere
  }
}

// A sidereal frame shifts every cusp by its offset, except where the
// houses are the signs (Whole Sign, 0 Aries): those follow the chart's own
// zodiac.
TEST(HouseSystems, ZodiacOffsetShiftsTheCusps) {
  const Case k{123.0, 47.0};
  for (const HouseSystemInfo& info : HouseSystemTable()) {
    if (info.letter == 'J' || info.letter == 'T') continue;
    Chart sidereal;
    sidereal.f = MakeFrame(k.ramc, k.latitude, kObliquity, -24.1);
    sidereal.f.sunDeclRad = kSunDeclination * kRadPerDeg;
    sidereal.a = CalcAngles(sidereal.f, k.latitude);
    SetStartingCusps(sidereal.a, sidereal.c);
    CalcHouseSystem(info.id, sidereal.f, sidereal.a, sidereal.c);
    const HouseCusps tropical = ChartOf(info.letter, k).c;
    for (int h = 1; h <= 6; ++h)
      EXPECT_LT(ArcDistance(sidereal.c[h], ModAngle(360, tropical[h] - 24.1)), 1e-9)
          << info.name << " " << h;
  }
}

// Every sector boundary lies at its share of its own semi-arc; inside the
// polar circles the quadrants are divided into equal arcs.
TEST(GauquelinSectors, BoundariesDivideTheSemiArcs) {
  for (const Case& k : RandomCases()) {
    const HouseFrame f = MakeFrame(k.ramc, k.latitude, kObliquity);
    const GauquelinSectors s = CalcGauquelinSectors(f, CalcAngles(f, k.latitude));
    ASSERT_FALSE(s.equalArcs);
    for (int j = 0; j < 36; ++j) {
      const Local p = LocalOf(s.start[j], k.ramc, k.latitude, kObliquity);
      const double decl = PlaceOf(s.start[j], kObliquity).decl * kRadPerDeg;
      const double day = std::acos(-std::tan(k.latitude * kRadPerDeg) * std::tan(decl)) * kDegPerRad;
      const double night = 180 - day, h = p.hourAngle;
      double position;  // in sectors from the Ascendant, clockwise
      if (h <= 0 && -h <= day) position = 9 - 9 * (-h) / day;
      else if (h >= 0 && h <= day) position = 9 + 9 * h / day;
      else if (h > 0) position = 18 + 9 * (h - day) / night;
      else position = 27 + 9 * (180 + h) / night;
      // One sector is 10 degrees of the semi-arcs' time on average.
      EXPECT_NEAR(Wrap180((position - j) * 10.0), 0.0, kArcSecond) << j << " " << k.latitude;
    }
  }
  const HouseFrame polar = MakeFrame(200.0, 75.0, kObliquity);
  const ChartAngles a = CalcAngles(polar, 75.0);
  const GauquelinSectors s = CalcGauquelinSectors(polar, a);
  EXPECT_TRUE(s.equalArcs);
  for (int j = 0; j < 36; ++j) EXPECT_TRUE(std::isfinite(s.start[j]));
  EXPECT_NEAR(ArcDistance(s.start[9], a.mc), 0.0, 1e-9);
}

// Where the Sun neither rises nor sets the Sunshine cusps still come out
// finite and in order.
TEST(HouseSystems, SunshineInsideThePolarCircles) {
  for (double latitude : {66.56, 70.0, 80.0, -75.0}) {
    for (double decl : {-23.4, 23.4}) {
      for (int ramc = 0; ramc < 360; ramc += 5) {
        HouseFrame f = MakeFrame(ramc, latitude, kObliquity);
        f.sunDeclRad = decl * kRadPerDeg;
        const ChartAngles a = CalcAngles(f, latitude);
        HouseCusps c{};
        SetStartingCusps(a, c);
        CalcHouseSystem(HouseSystemId::Sunshine, f, a, c);
        EXPECT_TRUE(test::InOrder(c)) << latitude << " " << decl << " " << ramc;
      }
    }
  }
}

// The Sun's declination the Sunshine houses use: the obliquity at the June
// solstice, none at the March equinox (2000, universal time).
TEST(HouseSystems, SunDeclinationAtSolsticeAndEquinox) {
  struct Moment {
    double julianDayUt, declDeg;
  } moments[] = {{2451716.575, kObliquity}, {2451623.816, 0.0}};
  for (const Moment& m : moments) {
    ChartValues v{};
    v.julianDayUt = m.julianDayUt;
    v.deltaTSeconds = 64.0;
    v.obliquityRad = kObliquity * kRadPerDeg;
    EXPECT_NEAR(SunDeclination(v) * kDegPerRad, m.declDeg, 0.002) << m.julianDayUt;
  }
}

TEST(HouseSystemNames, LettersNamesAndText) {
  std::set<char> letters;
  std::set<std::string> names;
  for (const HouseSystemInfo& info : HouseSystemTable()) {
    letters.insert(info.letter);
    names.insert(info.name);
    EXPECT_EQ(LetterOfHouseSystem(info.id), info.letter);
    EXPECT_EQ(HouseSystemOfLetter(info.letter), info.id);
    EXPECT_EQ(HouseSystemOfText(info.name), info.id) << info.name;
    EXPECT_TRUE(HouseSystemOfLetter(info.letter).has_value());
    // The flag says what the cusps do.
    const Chart ch = ChartOf(info.letter, {100.0, 40.0});
    EXPECT_EQ(ArcDistance(ch.c[4], ch.a.mc + 180) < 1e-9, info.midheavenIsCusp10) << info.name;
    EXPECT_EQ(ArcDistance(ch.c[1], ch.a.asc) < 1e-9, info.ascendantIsCusp1) << info.name;
  }
  EXPECT_EQ(letters.size(), 22u);
  EXPECT_EQ(names.size(), 22u);
  EXPECT_EQ(*letters.begin(), 'A');
  EXPECT_EQ(*letters.rbegin(), 'V');
  EXPECT_EQ(HouseSystemOfLetter('F'), HouseSystemId::Placidus);  // the old letters keep their systems
  EXPECT_EQ(HouseSystemOfText("whole-sign"), HouseSystemId::WholeSign);
  EXPECT_EQ(HouseSystemOfText("j"), HouseSystemId::WholeSign);
  EXPECT_FALSE(HouseSystemOfText("Z").has_value());
  EXPECT_EQ(HouseSystemOfText("Gauquelin Sectors"), HouseSystemId::GauquelinSectors);
  EXPECT_FALSE(HouseSystemOfLetter('W').has_value());
}

}  // namespace
}  // namespace vostrane
