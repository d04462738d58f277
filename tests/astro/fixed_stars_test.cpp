// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed stars: the generated catalogue against the independent
// ephemeris at 1900, 2000 and 2100, the reader's checks, and the contacts.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/AngleHelpers.h"
#include "astro/FixedStars.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(FixedStars, ApparentPlacesFollowTheReferenceAt1900And2000And2100) {
  const FixedStarList list = ReadFixedStarFile(test::InstallFile(kFixedStarFileName));
  ASSERT_EQ(list.error, "");
  ASSERT_GE(list.stars.size(), 60u);
  swe_set_ephe_path(nullptr);
  double worst = 0;
  for (const double jd : {2415020.5, 2451545.0, 2488070.5}) {  // terrestrial time
    double nut[6];
    char err[AS_MAXCH];
    ASSERT_GE(swe_calc(jd, SE_ECL_NUT, 0, nut, err), 0) << err;
    for (const FixedStar& star : list.stars) {
      const StarPlace ours = ApparentStarPlace(star, jd, nut[0] * kRadPerDeg);
      char name[SE_MAX_STNAME * 2 + 1];
      // By designation: a few names stand for two stars in the reference.
      std::snprintf(name, sizeof name, ",%s", star.designation.c_str());
      double ecl[6], equ[6];
      ASSERT_GE(swe_fixstar2(name, jd, SEFLG_SWIEPH | SEFLG_NOGDEFL, ecl, err), 0) << err;
      ASSERT_GE(swe_fixstar2(name, jd, SEFLG_SWIEPH | SEFLG_NOGDEFL | SEFLG_EQUATORIAL, equ, err), 0)
          << err;
      const double dLon = std::fabs(DiffDeg(ours.lon, ecl[0])) * 3600 * std::cos(ecl[1] * kRadPerDeg);
      const double dLat = std::fabs(ours.lat - ecl[1]) * 3600;
      const double dDecl = std::fabs(ours.decl - equ[1]) * 3600;
      EXPECT_LT(dLon, 2.0) << star.name << " at " << jd;
      EXPECT_LT(dLat, 2.0) << star.name << " at " << jd;
      EXPECT_LT(dDecl, 2.0) << star.name << " at " << jd;
      worst = std::max({worst, dLon, dLat, dDecl});
    }
  }
  swe_close();
  std::printf("largest difference: %.3f\"\n", worst);
}

TEST(FixedStars, TheReaderRefusesBrokenLinesAndNamesTheFileAndLine) {
  const std::string good = "# comment\nRegulus,alLeo,152.09,11.97,-248.73,5.59,5.9,41.13,1.4\n";
  EXPECT_EQ(ParseFixedStars(good, "FXSTARS.DAT").stars.size(), 1u);
  const struct {
    const char* text;
    const char* says;
  } cases[] = {
      {"Regulus,alLeo,152.09,11.97,-248.73,5.59,5.9,41.13\n", "line 1 has 8 fields"},
      {"# c\nRegulus,alLeo,360.5,11.97,-248.73,5.59,5.9,41.13,1.4\n", "line 2 has a right ascension"},
      {"Regulus,alLeo,152.09,91,-248.73,5.59,5.9,41.13,1.4\n", "line 1 has a declination"},
      {"Regulus,alLeo,152.09,11.97,x,5.59,5.9,41.13,1.4\n", "proper motion in right ascension"},
      {"Regulus,alLeo,152.09,11.97,-248.73,5.59,5.9,-3,1.4\n", "parallax"},
      {",alLeo,152.09,11.97,-248.73,5.59,5.9,41.13,1.4\n", "name that is empty or too long"},
      {"# only a comment\n", "holds no star"},
  };
  for (const auto& c : cases) {
    const FixedStarList list = ParseFixedStars(c.text, "FXSTARS.DAT");
    EXPECT_TRUE(list.stars.empty()) << c.text;
    EXPECT_NE(list.error.find("FXSTARS.DAT"), std::string::npos) << list.error;
    EXPECT_NE(list.error.find(c.says), std::string::npos) << list.error;
  }
}

TEST(FixedStars, ContactsFindConjunctionsAndParallelsWithinTheOrb) {
  const std::vector<StarPlace> stars = {{359.6, 0.0, 10.5}, {120.0, 0.0, -20.0}};
  const std::vector<ChartPointPlace> points = {{0, 0.5, 30.0}, {1, 300.0, 19.2}, {11, 121.2, -20.9}};
  const std::vector<StarContact> found = StarContacts(stars, points, 1.0);
  ASSERT_EQ(found.size(), 3u);
  // Across 0 Aries: 0.9 degrees apart.
  EXPECT_EQ(found[0].star, 0);
  EXPECT_EQ(found[0].slot, 0);
  EXPECT_EQ(found[0].kind, StarContactKind::Conjunction);
  EXPECT_NEAR(found[0].orb, 0.9, 1e-9);
  EXPECT_EQ(found[1].slot, 1);
  EXPECT_EQ(found[1].kind, StarContactKind::ContraParallel);
  EXPECT_NEAR(found[1].orb, 0.8, 1e-9);
  // 1.2 degrees apart in longitude is outside the orb; the declination is in.
  EXPECT_EQ(found[2].slot, 11);
  EXPECT_EQ(found[2].kind, StarContactKind::Parallel);
}

}  // namespace
}  // namespace vostrane
