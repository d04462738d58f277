// SPDX-License-Identifier: GPL-3.0-or-later
// One 8-byte record of "DST.FIL": from its moment (local clock time) on, the
// zone and the daylight code it gives hold. A record whose day byte is 0 is
// a link: its first two bytes are the little-endian number of the record at
// which the chain goes on, so that several tables can share a common tail.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vostrane {

inline constexpr int kDstBaseYear = 1800;  // year byte 0
// The last year a year byte can hold: the generated tables run through it
// and end with a record in its last minute (DstChainEndRecord).
inline constexpr int kDstLastYear = 2055;
inline constexpr int kDstZoneHoursBase = 100;

// The daylight codes in their fixed order; the letters index "NYWDL".
enum DaylightCode : uint8_t {
  kStandardTime = 0,
  kDaylightTime = 1,
  kWarTime = 2,
  kDoubleDaylight = 3,
  kLocalMeanTime = 4,
};
inline constexpr const char* kDaylightCodeLetters = "NYWDL";

struct DstChangeRecord {
  uint8_t year = 0;  // year - 1800
  uint8_t month = 1;
  uint8_t day = 1;  // 0: a link record
  uint8_t hour = 0;
  uint8_t minute = 0;
  uint8_t zoneHours = kDstZoneHoursBase;  // 100 + h west, 100 - h east
  uint8_t zoneMinutes = 0;                // above 100: 256 - minutes, east
  uint8_t code = kStandardTime;

  bool IsLink() const { return day == 0; }
  uint16_t LinkTarget() const { return static_cast<uint16_t>(year | (month << 8)); }
  static DstChangeRecord Link(uint16_t target);

  std::array<uint8_t, 8> Encode() const;
  static DstChangeRecord Decode(const uint8_t* bytes);

  // The moment as one comparable number (year, month, day, hour, minute).
  int64_t MomentKey() const { return MomentKeyOf(year, month, day, hour, minute); }
  static int64_t MomentKeyOf(int64_t year, int64_t month, int64_t day, int64_t hour, int64_t minute);
  // The moment in minutes since 1 January 1800 0:00, for differences.
  int64_t Minutes() const { return DstMinutesOf(year + kDstBaseYear, month, day, hour, minute); }
  // Minutes since 1 January 1800 0:00 of a date and a clock time (Gregorian
  // calendar; days and times beyond their ranges count on).
  static int64_t DstMinutesOf(int64_t year, int month, int64_t day, int64_t hour, int64_t minute);

  bool operator==(const DstChangeRecord&) const = default;
};

// The record that ends a generated chain: the last minute the year byte
// can hold (31 December 2055 23:59), with the chain's last state in it. No
// lookup moment lies after it (a lookup at that minute stops at it, the
// change being not yet in effect), so the scan never reads past it.
DstChangeRecord DstChainEndRecord(uint8_t zoneHours, uint8_t zoneMinutes, uint8_t code);

// The zone of a record in minutes, east positive, and back. The encoding
// puts whole hours into the hours byte and the minutes as they stand; a
// zone east of Greenwich by less than an hour has hours byte 100 and the
// minutes byte 256 - minutes.
int ZoneMinutesEast(uint8_t zoneHours, uint8_t zoneMinutes);
void EncodeZone(int minutesEast, uint8_t& zoneHours, uint8_t& zoneMinutes);

// The form's view of the two zone bytes: hours and minutes as plain
// numbers and the letter E or W.
struct ZoneTexts {
  std::string hours;
  std::string minutes;
  char eastWest = 'W';
};
ZoneTexts ZoneTextsOf(uint8_t zoneHours, uint8_t zoneMinutes);

}  // namespace vostrane
