// SPDX-License-Identifier: GPL-3.0-or-later
// Delta T: ephemeris time minus universal time, in seconds: quadratics
// before 1637, a yearly table from 1637 to 1972, the observed values from
// 1973 to their last date, and after that a long-term extrapolation joined
// to the last observed value and rate.
#pragma once

#include <cstdint>

namespace vostrane {

struct ChartInput;
struct ChartValues;

// Delta T in seconds for a Gregorian calendar date.
double DeltaTSeconds(int32_t year, int32_t month, int32_t day);
// Delta T in seconds from the observed values and the extrapolation after
// them, for a Julian day (0h UT of the date) from 1973 January 1 on.
double ObservedDeltaT(double jdUt);
// Writes `deltaTSeconds` of the values from the chart's year, month and day.
void CalcDeltaT(const ChartInput& chart, ChartValues& values);

}  // namespace vostrane
