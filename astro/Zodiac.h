// SPDX-License-Identifier: GPL-3.0-or-later
// The two zodiacs: the ayanamsa with its optional correction file and the
// zodiac offset Z added to every stored longitude.
#pragma once

#include <optional>
#include <string>

#include "astro/Ayanamsas.h"
#include "astro/CalcStatus.h"

namespace vostrane {

struct ChartValues;

inline constexpr const char* kAyanamshaFileName = "AYANAMSH.DAT";

struct Ayanamsa {
  double k = 0.0;     // minus the ayanamsa, degrees (the same in both zodiacs)
  double z = 0.0;     // zodiac offset: 0 tropical, k sidereal
  CalcStatus status;  // a correction file that was there but ignored
};

// Computes K from the Julian centuries of universal time since 1900
// January 0.5 and the mean lunar node (degrees), applies "AYANAMSH.DAT"
// when it exists, writes `ayanamsaDeg` of the values by the zodiac and returns K
// and Z. A correction file that cannot be read or parsed is ignored and
// named in the status. A sidereal zodiac chooses the ayanamsa
// (astro/Ayanamsas.h); a tropical chart shows the Fagan-Bradley one. `user`
// serves the user-defined one.
Ayanamsa CalcAyanamsa(ZodiacKind zodiac, ChartValues& values, long double centuriesUt,
                      long double meanNodeDeg, const UserAyanamsa& user = {});

// K of the Fagan-Bradley ayanamsa, before any correction.
long double BuiltInAyanamsaK(long double centuriesUt, long double meanNodeDeg);

// Parses the first line of "AYANAMSH.DAT": sign in column 1, degrees in
// columns 2-3, minutes in 5-6, seconds in 8-9; the line needs at least ten
// characters. Returns the correction in degrees, or nothing when the line
// is too short or a number does not parse.
std::optional<double> ParseAyanamshaLine(const std::string& line);

// The zodiac offset of a calculated chart: 0 tropical, else `ayanamsaDeg`.
double ZodiacOffset(ZodiacKind zodiac, double ayanamsaDeg);

}  // namespace vostrane
