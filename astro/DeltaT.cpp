// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DeltaT.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/ChartData.h"
#include "astro/DeltaTObserved.h"
#include "astro/TimeScales.h"

namespace vostrane {

namespace {

constexpr int32_t kFirstTableYear = 1637;
constexpr int32_t kTableEndYear = 2000;  // the last value belongs to 2000
// From this year on the observed values serve; the table's value for it is
// where they are joined to the table.
constexpr int32_t kFirstObservedYear = 1973;
constexpr double kFirstObservedYearJd = 2441683.5;  // 1973 January 1, 0h

// Delta T in hundredths of a second at the start of each year 1637 .. 2000,
// the yearly table derived from telescopic observations as it stood in the
// late 1980s: whole seconds before 1800, tenths to 1859, hundredths from
// 1860 on, and forecasts in steps of half a second from 1988 on. Only
// the years up to 1973 January 1 are used; the observed values take over
// there.
// Accuracy: its values for 1974 to 1986 agree with the measured ones of
// data/deltat/deltat.txt (US Naval Observatory) within 0.01 s at January 1;
// the forecasts are 0.08 s off for 1987 and 0.18 s for 1988, 1.8 s for
// 2000. At 1973 January 1 it meets the first observed value within 0.15 s
// (test CoefficientAccuracy.YearlyDeltaTTableMeetsTheFirstObservedValue).
// Against the independent ephemeris library's delta T, a later
// reconstruction, it differs by at most 15.2 s in 1637-1699, 5.8 s in the
// 1700s, 4.9 s in 1800-1859, 2.5 s in 1860-1899 and 1.3 s in 1900-1972 (test
// CoefficientAccuracy.YearlyDeltaTTableFollowsTheReferenceReconstruction).
// clang-format off
constexpr std::array<int32_t, 364> kDeltaTTable = {
    6780, 6500, 6300, 6200, 6000, 5800, 5700, 5500, 5400, 5300,  // 1637
    5100, 5000, 4900, 4800, 4700, 4600, 4500, 4400, 4300, 4200,  // 1647
    4100, 4000, 3800, 3700, 3600, 3500, 3400, 3300, 3200, 3100,  // 1657
    3000, 2800, 2700, 2600, 2500, 2400, 2300, 2200, 2100, 2000,  // 1667
    1900, 1800, 1700, 1600, 1500, 1400, 1400, 1300, 1200, 1200,  // 1677
    1100, 1100, 1000, 1000, 1000, 900,  900,  900,  900,  900,   // 1687
    900,  900,  900,  900,  900,  900,  900,  900,  900,  900,   // 1697
    900,  1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000,  // 1707
    1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100,  // 1717
    1100, 1100, 1100, 1100, 1100, 1100, 1100, 1200, 1200, 1200,  // 1727
    1200, 1200, 1200, 1200, 1200, 1200, 1200, 1300, 1300, 1300,  // 1737
    1300, 1300, 1300, 1300, 1400, 1400, 1400, 1400, 1400, 1400,  // 1747
    1400, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1600, 1600,  // 1757
    1600, 1600, 1600, 1600, 1600, 1600, 1600, 1600, 1700, 1700,  // 1767
    1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700, 1700,  // 1777
    1700, 1700, 1700, 1700, 1700, 1600, 1600, 1600, 1600, 1500,  // 1787
    1500, 1400, 1400, 1370, 1340, 1310, 1290, 1270, 1260, 1250,  // 1797
    1250, 1250, 1250, 1250, 1250, 1250, 1250, 1250, 1250, 1250,  // 1807
    1240, 1230, 1220, 1200, 1170, 1140, 1110, 1060, 1020, 960,   // 1817
    910,  860,  800,  750,  700,  660,  630,  600,  580,  570,   // 1827
    560,  560,  560,  570,  580,  590,  610,  620,  630,  650,   // 1837
    660,  680,  690,  710,  720,  730,  740,  750,  760,  770,   // 1847
    770,  780,  780,  788,  782,  754,  697,  640,  602,  541,   // 1857
    410,  292,  182,  161,  10,   -102, -128, -269, -324, -364,  // 1867
    -454, -471, -511, -540, -542, -520, -546, -546, -579, -563,  // 1877
    -564, -580, -566, -587, -601, -619, -664, -644, -647, -609,  // 1887
    -576, -466, -374, -272, -154, -2,   124,  264,  386,  537,   // 1897
    614,  775,  913,  1046, 1153, 1336, 1465, 1601, 1720, 1824,  // 1907
    1906, 2025, 2095, 2116, 2225, 2241, 2303, 2349, 2362, 2386,  // 1917
    2449, 2434, 2408, 2402, 2400, 2387, 2395, 2386, 2393, 2373,  // 1927
    2392, 2396, 2402, 2433, 2483, 2530, 2570, 2624, 2677, 2728,  // 1937
    2778, 2825, 2871, 2915, 2957, 2997, 3036, 3072, 3107, 3135,  // 1947
    3168, 3218, 3268, 3315, 3359, 3400, 3447, 3503, 3573, 3654,  // 1957
    3743, 3829, 3920, 4018, 4117, 4223, 4337, 4449, 4548, 4646,  // 1967
    4752, 4853, 4959, 5054, 5138, 5217, 5296, 5379, 5434, 5487,  // 1977
    5540, 5600, 5650, 5700, 5750, 5800, 5850, 5900, 5950, 6000,  // 1987
    6050, 6100, 6150, 6200,                                      // 1997
};
// clang-format on
static_assert(kDeltaTTable.size() == kTableEndYear - kFirstTableYear + 1);

// Decimal year of a Julian day (2000 January 1, 0h is 2000.0).
double YearOf(double jd) { return 2000.0 + (jd - 2451544.5) / 365.25; }

// The long-term parabola of Stephenson, Morrison and Hohenkerk (2016, Proc.
// R. Soc. A 472: 20160404): -320 + 32.5 u^2 seconds, u = (year - 1825) / 100,
// and its rate in seconds per year.
double LongTermParabola(double y) {
  const double u = (y - 1825.0) / 100.0;
  return -320.0 + 32.5 * u * u;
}
double LongTermRate(double y) { return 0.0065 * (y - 1825.0); }

}  // namespace

double ObservedDeltaT(double jd) {
  using deltat_data::kObserved;
  using deltat_data::kObservedCount;
  // Between 1973 January 1 (the table's value) and the first observed value.
  const DeltaTPoint start{kFirstObservedYearJd,
                          kDeltaTTable[kFirstObservedYear - kFirstTableYear] / 100.0};
  if (jd < kObserved[0].jdUt) {
    const double f = std::clamp((jd - start.jdUt) / (kObserved[0].jdUt - start.jdUt), 0.0, 1.0);
    return start.seconds + f * (kObserved[0].seconds - start.seconds);
  }
  const DeltaTPoint& last = kObserved[kObservedCount - 1];
  if (jd < last.jdUt) {
    // Linear interpolation between the observed values around the day.
    const DeltaTPoint* next = std::upper_bound(
        kObserved, kObserved + kObservedCount, jd,
        [](double d, const DeltaTPoint& p) { return d < p.jdUt; });
    const DeltaTPoint* prev = next - 1;
    return prev->seconds +
           (jd - prev->jdUt) / (next->jdUt - prev->jdUt) * (next->seconds - prev->seconds);
  }
  // After the last observed value: the long-term parabola, with a linear
  // term that makes value and rate continuous with the last two observed
  // values. It keeps the parabola's curvature (the tidal slowing of the
  // Earth's rotation) from today's rate on; expect about 5 s of uncertainty
  // by 2050 and 20 s by 2100, growing with the square of the years (an
  // estimate: no measurement exists). The independent ephemeris library's
  // own extrapolation gives 4.4 s more at 2050, 8.8 s more at 2100 and
  // 1.3 s more at 2200.
  const DeltaTPoint& before = kObserved[kObservedCount - 2];
  const double y0 = YearOf(last.jdUt), y = YearOf(jd);
  const double rate = (last.seconds - before.seconds) / (y0 - YearOf(before.jdUt));
  return LongTermParabola(y) + (last.seconds - LongTermParabola(y0)) +
         (rate - LongTermRate(y0)) * (y - y0);
}

double DeltaTSeconds(int32_t year, int32_t month, int32_t day) {
  if (year >= kFirstObservedYear) return ObservedDeltaT(GregorianJulDay(month, day, year));
  // Widened before any arithmetic: a damaged entry may hold any integer.
  const long double yearFraction = (static_cast<long double>(month) - 1.0L) / 12.0L +
                                   static_cast<long double>(day) / 365.25L;
  const long double c = (static_cast<long double>(year) - 1800.0L) + yearFraction;
  const long double u = c / 100.0L;
  // Before the table: quadratics in u, centuries from 1800, in the form of
  // Stephenson and Morrison's reconstruction from ancient and medieval
  // eclipses (Phil. Trans. R. Soc. Lond. A 313, 1984, 47-70). Against the
  // independent ephemeris library's later reconstruction they differ by
  // 668 s at -500, 602 s at 0, 902 s at 500, 168 s at 1000, 13 s at 1300,
  // 62 s at 1500 and 16 s at 1620 (test
  // CoefficientAccuracy.DeltaTQuadraticsBeforeTheTableDifferByTheirKnownAmounts).
  if (year < 948) return static_cast<double>(1361.7L + 320.0L * u + 44.3L * u * u);
  if (year < kFirstTableYear) return static_cast<double>(25.5L * u * u);
  // A date late in December, where the fraction passes 1, continues into
  // the next year's interval, so that the value runs on without a jump.
  size_t k = static_cast<size_t>(year - kFirstTableYear);
  long double f = yearFraction;
  if (f >= 1.0L) {
    f -= 1.0L;
    ++k;
  }
  const long double hundredths = kDeltaTTable[k] + f * (kDeltaTTable[k + 1] - kDeltaTTable[k]);
  return static_cast<double>(hundredths / 100.0L);
}

void CalcDeltaT(const ChartInput& chart, ChartValues& values) {
  values.deltaTSeconds = DeltaTSeconds(chart.year, chart.month, chart.day);
}

}  // namespace vostrane
