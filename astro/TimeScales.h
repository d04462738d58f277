// SPDX-License-Identifier: GPL-3.0-or-later
// The time step of a chart: Greenwich Mean Time, Julian day, Julian
// centuries, true obliquity, sidereal time (RAMC) and the mean lunar node,
// plus the Julian day routines of the two calendars.
#pragma once

#include <cstdint>

#include "astro/ChartData.h"
#include "astro/Zodiac.h"

namespace vostrane {

// Julian day at 0h of a Gregorian calendar date (2000 January 1 gives
// 2451544.5).
double GregorianJulDay(int32_t month, int32_t day, int32_t year);
// Julian day at 0h of a date of the Julian (Old Style) calendar.
double OldStyleJulDay(int32_t month, int32_t day, int32_t year);

// GMT in decimal hours of the chart's clock time, zone and daylight code;
// not reduced to a day.
double GmtOfChart(const ChartInput& chart);

// Writes universalTimeHours, julianDayUt, t, obliquityRad (radians), ramc (radians, [0, 2 pi)) and
// moonNodeDeg, runs the ayanamsa step (which writes ayanamsaDeg) and hands its result
// back: K and the zodiac offset Z that every stored longitude carries.
Ayanamsa CalcTimeScales(const ChartInput& chart, ChartValues& values);

// Julian day in ephemeris time: julianDayUt + deltaTSeconds / 86400.
double EphemerisJulDay(const ChartValues& values);

// The latitude the house formulas use, in radians: the chart's latitude, or
// the geocentric latitude when the program-wide setting asks for it.
double HouseLatitude(double latitudeDeg, bool geocentricLatitude);

}  // namespace vostrane
