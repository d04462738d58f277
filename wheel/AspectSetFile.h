// SPDX-License-Identifier: GPL-3.0-or-later
// "ANGLES.DAT": three aspect sets of 15080 bytes each (record 1 is set 1).
// A set holds a candidate table (which aspects are worth testing for a
// separation of t whole degrees), the aspects' short names and their entries
// (angle, orbs, colours, line style and weight, wheel line mode).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vostrane {

inline constexpr const char* kAspectSetFileName = "ANGLES.DAT";
inline constexpr size_t kAspectSetSize = 15080;
inline constexpr int kAspectCount = 40;     // aspect numbers 1..40
inline constexpr int kCandidateRows = 360;  // rows 0..359; 0..180 are used
inline constexpr int kCandidateRowSize = 40;
inline constexpr size_t kShortNamesOffset = 14400;
inline constexpr size_t kAspectEntriesOffset = 14600;
inline constexpr int kUnusedAspect = 255;  // byte 0 of an empty entry

struct AspectEntry {
  uint8_t degrees = kUnusedAspect;  // exact angle, 0..180; 255 empty
  uint8_t minutes = 0;
  uint8_t seconds = 0;
  uint8_t orbDegrees = 0;  // "Planets" orb
  uint8_t orbMinutes = 0;
  uint8_t sunOrbDegrees = 0;  // "Sun/Moon" orb
  uint8_t sunOrbMinutes = 0;
  uint8_t screenColour = 0;  // palette 0..15
  uint8_t lineStyle = 0;     // 0 solid, 1 dashed, 2 dotted, 3 dash-dot; above 3 solid
  uint8_t weight = 0;        // 0, 2 thin; 1 thin + glyph; 3 thick + glyph; above 3 thick
  uint8_t lineMode = 0;      // 0 none; 1 straight; 2 via centre; else via bend point
  uint8_t printColour = 0;   // palette 0..15

  bool InUse() const { return degrees != kUnusedAspect; }
  double Angle() const { return degrees + minutes / 60.0 + seconds / 3600.0; }
  double PlanetOrb() const { return orbDegrees + orbMinutes / 60.0; }
  double SunMoonOrb() const { return sunOrbDegrees + sunOrbMinutes / 60.0; }
};

class AspectSet {
 public:
  AspectSet() { Clear(); }
  // All candidate rows empty, no short names, every entry unused.
  void Clear();
  uint8_t* Data() { return bytes_.data(); }
  const uint8_t* Data() const { return bytes_.data(); }

  // Aspect i (1..40); an out-of-range number gives an unused entry.
  AspectEntry Entry(int i) const;
  void SetEntry(int i, const AspectEntry& e);
  // Short name of aspect i (string[4]; a length above 4 is cut to 4).
  std::string ShortName(int i) const;
  void SetShortName(int i, const std::string& name);
  // The aspect numbers of candidate row t, in testing order: read from byte
  // 40 t up to the first 0 byte. A list may run on into the next row, but
  // never past the end of the table; numbers outside 1..40 are skipped.
  std::vector<int> Candidates(int row) const;
  // Writes a row: up to 39 numbers, then a 0.
  void SetCandidates(int row, const std::vector<int>& aspects);

 private:
  std::array<uint8_t, kAspectSetSize> bytes_;
};

// Reads aspect set `setLetter` ('1'..'3') of the wheel style with the given
// printout code (for the message). Shows the messages of each failed step:
// a letter outside '1'..'3' (then the load goes on with that record number),
// the file not on disk, the record not found, the record not read. What
// could not be read is left as it was in `set`. True when the record was read.
bool ReadAspectSet(char setLetter, const std::string& printoutCode, AspectSet& set,
                   const std::string& path = kAspectSetFileName);

}  // namespace vostrane
