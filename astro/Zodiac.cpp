// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/Zodiac.h"

#include <cmath>
#include <fstream>

#include "astro/AngleHelpers.h"
#include "platform/FileSystem.h"
#include "astro/ChartData.h"

namespace vostrane {

namespace {

constexpr size_t kMinimumLineLength = 10;

// A two-character decimal field: leading blanks, then at least one digit
// and nothing else.
std::optional<int> ParseTwoDigits(const std::string& field) {
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i == field.size()) return std::nullopt;
  int value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    value = value * 10 + (field[i] - '0');
  }
  return value;
}

enum class LineRead { Missing, Unreadable, Read };

// Reads the first line of the file without its line end. Only the first
// columns matter, so reading stops after 64 characters: a line that long
// passes every length check whatever follows.
LineRead ReadFirstLine(const std::string& path, std::string& line) {
  constexpr size_t kKept = 64;
  if (!FileExists(path)) return LineRead::Missing;
  std::ifstream in(path, std::ios::binary);
  if (!in) return LineRead::Unreadable;
  line.clear();
  bool ended = false;
  char c;
  while (line.size() < kKept && in.get(c)) {
    if (c == '\n') {
      ended = true;
      break;
    }
    line.push_back(c);
  }
  if (line.empty() && !ended) return LineRead::Unreadable;  // empty file
  if (line.size() < kKept && !line.empty() && line.back() == '\r') line.pop_back();
  return LineRead::Read;
}

}  // namespace

// K, minus the ayanamsa, in degrees. Without nutation the ayanamsa is
// 84038.27" (23 20' 38.27") at 1900 January 0.5 and 24 02' 31.4" at 1950
// January 1, 0h (T = 0.5): the sidereal origin is placed by that value. It
// grows with Newcomb's general precession in longitude, 5025.64" + 2.22" T
// per century (Explanatory Supplement, 1961), integrated from 1900, and
// carries the two largest terms of the nutation in longitude, -17.23"
// sin(node) - 1.27" sin(2 L of the Sun), from Woolard's series (1953), so
// that it is counted from the true equinox.
// Accuracy: the two terms keep within 0.70" of the independent ephemeris's
// whole nutation over 1700-2200 (test
// CoefficientAccuracy.AyanamsaCarriesTheLargestNutationTerms); Newcomb's
// precession drifts from the IAU 2006 one (Capitaine, Wallace and Chapront
// 2003) by 2.4" at 1700 and 2.3" at 2200, counted from 1950 (computed from
// the two polynomials).
long double BuiltInAyanamsaK(long double t, long double meanNodeDeg) {
  constexpr long double kRad = static_cast<long double>(kPi) / 180.0L;
  // Twice the Sun's mean longitude; reduced first so that the sine of the
  // large angle keeps its precision.
  const long double twoL = ModAngleExt(360, (259205536.0L * t + 2013816.0L) / 3600.0L);
  auto sinDeg = [&](long double deg) -> long double {
    return std::sin(static_cast<double>(deg * kRad));
  };
  return (17.23L * sinDeg(meanNodeDeg) + 1.27L * sinDeg(twoL) - t * (5025.64L + 1.11L * t) - 84038.27L) /
         3600.0L;
}

std::optional<double> ParseAyanamshaLine(const std::string& line) {
  if (line.size() < kMinimumLineLength) return std::nullopt;
  const auto degrees = ParseTwoDigits(line.substr(1, 2));
  if (!degrees) return std::nullopt;
  const auto minutes = ParseTwoDigits(line.substr(4, 2));
  if (!minutes) return std::nullopt;
  const auto seconds = ParseTwoDigits(line.substr(7, 2));
  if (!seconds) return std::nullopt;
  const double value = *degrees + *minutes / 60.0 + *seconds / 3600.0;
  return line[0] == '-' ? -value : value;
}

Ayanamsa CalcAyanamsa(ZodiacKind zodiac, ChartValues& values, long double t, long double meanNodeDeg,
                      const UserAyanamsa& user) {
  const AyanamsaKind kind = AyanamsaOf(zodiac).value_or(AyanamsaKind::FaganBradley);
  long double k = kind == AyanamsaKind::FaganBradley
                      ? BuiltInAyanamsaK(t, meanNodeDeg)
                      : -static_cast<long double>(AyanamsaDegrees(kind, t, meanNodeDeg, user));
  Ayanamsa result;

  // The correction file is optional and read afresh for every chart.
  std::string line;
  const LineRead read = ReadFirstLine(kAyanamshaFileName, line);
  if (read != LineRead::Missing) {
    const std::optional<double> correction = read == LineRead::Read ? ParseAyanamshaLine(line)
                                                                    : std::nullopt;
    if (correction) {
      k -= *correction;
      if (k < -360) k += 360;
      if (k > 360) k -= 360;
    } else {
      result.status = {CalcSource::Ayanamsa, CalcFault::BadContents, kAyanamshaFileName, 0};
    }
  }

  result.k = static_cast<double>(k);
  if (zodiac == ZodiacKind::Tropical) {
    values.ayanamsaDeg = -result.k;
    result.z = 0.0;
  } else {
    values.ayanamsaDeg = result.k;
    result.z = result.k;
  }
  return result;
}

double ZodiacOffset(ZodiacKind zodiac, double ayanamsaDeg) {
  return zodiac == ZodiacKind::Tropical ? 0.0 : ayanamsaDeg;
}

}  // namespace vostrane
