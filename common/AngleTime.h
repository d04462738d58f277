// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting angles and times into their parts for display, and the small
// angle arithmetic of longitudes (normalising, floor, modulo, midpoint,
// distance). The fixed-point encoding of angles for name-file fields is
// EncodeFixed / DecodeFixed in session/NameFileImage.h.
#pragma once

#include <cstdint>

namespace vostrane {

// Hours (or degrees) and whole minutes, minutes rounded.
struct HoursMinutes {
  int sign = 1;  // +1 or -1
  int hours = 0;
  int minutes = 0;
};

// Degrees, minutes and seconds, seconds rounded.
struct DegreesMinutesSeconds {
  int sign = 1;  // +1 or -1
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
};

// A longitude as zodiac sign and the position within the sign.
struct SignPosition {
  int signIndex = 0;  // 0 Aries .. 11 Pisces
  int degrees = 0;    // 0 .. 29
  int minutes = 0;
  int seconds = 0;  // 0 unless seconds were asked for
};

// Hours split: whole hours of |x| and the rounded minutes; 60 minutes carry
// into the hours (1.9999 gives 2 h 0 min).
HoursMinutes SplitHours(double x);

// Degrees split: whole degrees, whole minutes and rounded seconds of |x|;
// 60 seconds carry into the minutes and 60 minutes into the degrees.
DegreesMinutesSeconds SplitDegrees(double x);

// Longitude split: the sign (x / 30) and the rest split into degrees and
// rounded minutes, or with `withSeconds` into degrees, minutes and rounded
// seconds. A rest that rounds to 30 degrees becomes degree 0 of the next
// sign, and Pisces is followed by Aries (59.9999 gives sign 2, 0 deg 0 min).
// A longitude outside [0, 360) is first brought into that range.
SignPosition SplitLongitude(double x, bool withSeconds = false);

// One normalising step each way: less 360 when 360 or more, plus 360 when
// negative.
double NormaliseDegrees(double x);

// Floor (towards minus infinity) as a real and as an integer.
double FloorReal(double x);
int64_t FloorInteger(double x);

// m(a, b) = b - a floor(b / a): b reduced into [0, a); exactly 0 when
// |b| < 0.00000001. A modulus of 0 returns b unchanged.
double Modulo(double a, double b);

// Midpoint of two longitudes along the shorter arc: (a + b) / 2, plus 180
// when the longitudes are more than 180 apart, kept in [0, 360).
double Midpoint(double a, double b);

// Angular distance between two longitudes, 0 to 180.
double AngularDistance(double a, double b);

// Forward difference from a to b: b - a, plus 360 when negative.
double ForwardDifference(double a, double b);

}  // namespace vostrane
