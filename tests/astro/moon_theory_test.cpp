// SPDX-License-Identifier: GPL-3.0-or-later
// The lunar series and the mean elements of the analytic theory.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "astro/AnalyticTheory.h"
#include "astro/AngleHelpers.h"

namespace vostrane {
namespace {

TEST(MoonTheory, ReproducesTheReferenceMoments) {
  AnalyticTheory theory;
  struct Case {
    double t, lon, lat, dist;
  } cases[] = {{15442.5, 133.1620, -3.2293, 0.0024626}, {18263.0, 223.3187, 5.1709, 0.0026902}};
  for (const Case& c : cases) {
    const MoonPosition m = theory.MoonPos(c.t);
    EXPECT_NEAR(m.lon, c.lon, 0.00005) << c.t;
    EXPECT_NEAR(m.lat, c.lat, 0.00005) << c.t;
    EXPECT_NEAR(m.dist, c.dist, 0.00000005) << c.t;
    EXPECT_NEAR(m.z, std::sin(m.lat * kRadPerDeg) * m.dist, 1e-15);
  }
}

TEST(MoonTheory, LongitudeStaysInRangeBeforeNineteenHundred) {
  // Mean longitudes reduce into (-360, 0] for early dates.
  AnalyticTheory theory;
  for (double jd = 1356000.5; jd < 2415020.0; jd += 3653.37) {
    const MoonPosition m = theory.MoonPos(jd - 2433282.0);
    EXPECT_GE(m.lon, 0.0);
    EXPECT_LT(m.lon, 360.0);
    EXPECT_LT(std::fabs(m.lat), 5.4);
  }
}

TEST(MeanElements, ReduceKeepsNegativeValuesInTheOpenCircle) {
  EXPECT_DOUBLE_EQ(ReduceDeg(370.0), 10.0);
  EXPECT_DOUBLE_EQ(ReduceDeg(-370.0), -10.0);
  EXPECT_DOUBLE_EQ(ReduceDeg(-720.0), 0.0);
  EXPECT_DOUBLE_EQ(ReduceDeg(359.5), 359.5);
}

TEST(MeanElements, NutationFollowsTheReferenceNutation) {
  // The short series leaves out terms below 0.01"; the comparison allows
  // for those and for the different models.
  swe_set_ephe_path(nullptr);
  double worst = 0;
  for (double jd = 2341972.5; jd < 2524593.5; jd += 997.3) {
    double x[6];
    char err[AS_MAXCH];
    ASSERT_GE(swe_calc(jd, SE_ECL_NUT, 0, x, err), 0) << err;
    worst = std::max(worst, std::fabs(PrepareMean(jd - 2433282.0).dpsi - x[2]) * 3600.0);
  }
  swe_close();
  std::printf("nutation in longitude, largest difference 1700-2200: %.3f\"\n", worst);
  EXPECT_LT(worst, 0.5);
}

}  // namespace
}  // namespace vostrane
