// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AngleTime.h"

#include <cmath>

namespace vostrane {
namespace {

// The magnitude of x made safe for conversion to int: non-finite values
// count as 0 and huge values are capped.
double SafeMagnitude(double x) {
  if (!std::isfinite(x)) return 0.0;
  return std::fmin(std::fabs(x), 1e9);
}

int SignOf(double x) { return x < 0 ? -1 : 1; }

}  // namespace

HoursMinutes SplitHours(double x) {
  const double a = SafeMagnitude(x);
  HoursMinutes r;
  r.sign = SignOf(x);
  r.hours = static_cast<int>(a);
  r.minutes = static_cast<int>(std::lround((a - r.hours) * 60.0));
  if (r.minutes >= 60) {
    r.minutes -= 60;
    ++r.hours;
  }
  return r;
}

DegreesMinutesSeconds SplitDegrees(double x) {
  const double a = SafeMagnitude(x);
  DegreesMinutesSeconds r;
  r.sign = SignOf(x);
  r.degrees = static_cast<int>(a);
  const double minutes = (a - r.degrees) * 60.0;
  r.minutes = static_cast<int>(minutes);
  r.seconds = static_cast<int>(std::lround((minutes - r.minutes) * 60.0));
  if (r.seconds >= 60) {
    r.seconds -= 60;
    ++r.minutes;
  }
  if (r.minutes >= 60) {
    r.minutes -= 60;
    ++r.degrees;
  }
  return r;
}

SignPosition SplitLongitude(double x, bool withSeconds) {
  if (!std::isfinite(x)) x = 0.0;
  if (x < 0.0 || x >= 360.0) {
    x -= 360.0 * std::floor(x / 360.0);
    if (x >= 360.0) x = 0.0;  // a tiny negative value rounds up to 360
  }
  SignPosition r;
  r.signIndex = static_cast<int>(x / 30.0);
  if (r.signIndex > 11) r.signIndex = 11;
  const double rest = x - 30.0 * r.signIndex;
  if (withSeconds) {
    const DegreesMinutesSeconds d = SplitDegrees(rest);
    r.degrees = d.degrees;
    r.minutes = d.minutes;
    r.seconds = d.seconds;
  } else {
    const HoursMinutes h = SplitHours(rest);
    r.degrees = h.hours;
    r.minutes = h.minutes;
  }
  if (r.degrees >= 30) {
    r.degrees -= 30;
    r.signIndex = (r.signIndex + 1) % 12;
  }
  return r;
}

double NormaliseDegrees(double x) {
  if (x >= 360.0) x -= 360.0;
  if (x < 0.0) x += 360.0;
  return x;
}

double FloorReal(double x) { return std::floor(x); }

int64_t FloorInteger(double x) {
  if (std::isnan(x)) return 0;
  const double f = std::floor(x);
  if (f >= 9.2e18) return INT64_MAX;
  if (f <= -9.2e18) return INT64_MIN;
  return static_cast<int64_t>(f);
}

double Modulo(double a, double b) {
  if (std::fabs(b) < 0.00000001) return 0.0;
  if (a == 0.0) return b;
  return b - a * std::floor(b / a);
}

double Midpoint(double a, double b) {
  double m = (a + b) / 2.0;
  if (std::fabs(b - a) > 180.0) {
    m += 180.0;
    if (m >= 360.0) m -= 360.0;
  }
  return m;
}

double AngularDistance(double a, double b) {
  const double d = std::fabs(b - a);
  return d > 180.0 ? 360.0 - d : d;
}

double ForwardDifference(double a, double b) {
  const double d = b - a;
  return d < 0.0 ? d + 360.0 : d;
}

}  // namespace vostrane
