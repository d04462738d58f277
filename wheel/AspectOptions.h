// SPDX-License-Identifier: GPL-3.0-or-later
// "ASPORBS.DAT": the user's aspect choices kept beside the aspect sets of
// "ANGLES.DAT": which set the wheel uses (or the style's own), the orb
// factor of each body class, and the parallel and contraparallel in
// declination with their orbs. 32 bytes:
//
//   0..3   "VAO1"
//   4      wheel set: 0 the style's own, 1..3 that set of ANGLES.DAT
//   5..10  orb factors in percent (10..255): luminaries, personal, social,
//          outer, angles, points
//   11, 12 parallel on (0/1), orb in tenths of a degree of declination (0..50)
//   13, 14 contraparallel on (0/1), its orb in tenths (0..50)
//   15     midpoint orb in tenths of a degree (1..50); 0 (a file written
//          before the midpoints) means the default of 1.5 degrees
//   16..31 not used; kept as read
//
// A missing file means the defaults (style's own set, factors 100 %, no
// declination aspects). The program writes this file; the build does not.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vostrane {

inline constexpr const char* kAspectOptionsFileName = "ASPORBS.DAT";
inline constexpr size_t kAspectOptionsSize = 32;
inline constexpr double kDefaultMidpointOrb = 1.5;  // degrees

enum class BodyClass { Luminaries, Personal, Social, Outer, Angles, Points };
inline constexpr int kBodyClassCount = 6;

// The class of a wheel point (0..29, numbered as in wheel/RingPoints.h).
BodyClass BodyClassOf(int point);
// The class names in the order of the enum, for the Preferences page.
const char* BodyClassName(BodyClass c);

struct AspectOptions {
  std::array<uint8_t, kAspectOptionsSize> bytes{};  // the record as read, unknown bytes kept

  AspectOptions();
  int WheelSet() const { return bytes[4]; }  // 0: the style's own
  void SetWheelSet(int set) { bytes[4] = static_cast<uint8_t>(set); }
  int FactorPercent(BodyClass c) const { return bytes[5 + static_cast<int>(c)]; }
  void SetFactorPercent(BodyClass c, int percent) {
    bytes[5 + static_cast<int>(c)] = static_cast<uint8_t>(percent);
  }
  double Factor(BodyClass c) const { return FactorPercent(c) / 100.0; }
  // The orb factor of a pair of points: the larger of their two classes'.
  double PairFactor(int pointA, int pointB) const;
  bool ParallelOn() const { return bytes[11] != 0; }
  double ParallelOrb() const { return bytes[12] / 10.0; }
  bool ContraparallelOn() const { return bytes[13] != 0; }
  double ContraparallelOrb() const { return bytes[14] / 10.0; }
  void SetParallel(bool on, double orb);
  void SetContraparallel(bool on, double orb);
  // The orb of the midpoint trees on the dial, degrees.
  double MidpointOrb() const;
  void SetMidpointOrb(double orb);
  bool Valid() const;  // magic and every value in its range
};

// Reads the options; a missing file gives the defaults silently. A file of
// another size or with a value out of range is named in a message and the
// defaults are used. False only for such a damaged file.
bool ReadAspectOptions(AspectOptions& options, const std::string& path = kAspectOptionsFileName);
// Writes the options (the previous file stays when the write fails).
bool WriteAspectOptions(const AspectOptions& options, const std::string& path = kAspectOptionsFileName);

}  // namespace vostrane
