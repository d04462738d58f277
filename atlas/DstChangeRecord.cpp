// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstChangeRecord.h"

#include <cstdlib>

namespace vostrane {

DstChangeRecord DstChangeRecord::Link(uint16_t target) {
  DstChangeRecord r;
  r.year = static_cast<uint8_t>(target & 0xFF);
  r.month = static_cast<uint8_t>(target >> 8);
  r.day = 0;
  r.hour = 0;
  r.minute = 0;
  r.zoneHours = 0;
  r.zoneMinutes = 0;
  r.code = 0;
  return r;
}

std::array<uint8_t, 8> DstChangeRecord::Encode() const {
  return {year, month, day, hour, minute, zoneHours, zoneMinutes, code};
}

DstChangeRecord DstChangeRecord::Decode(const uint8_t* b) {
  DstChangeRecord r;
  r.year = b[0];
  r.month = b[1];
  r.day = b[2];
  r.hour = b[3];
  r.minute = b[4];
  r.zoneHours = b[5];
  r.zoneMinutes = b[6];
  r.code = b[7];
  return r;
}

int64_t DstChangeRecord::MomentKeyOf(int64_t year, int64_t month, int64_t day, int64_t hour,
                                     int64_t minute) {
  // Each part is compared as an integer after the ones before it; the
  // factors leave room for hours and minutes beyond their clock ranges.
  return (((year * 100 + month) * 100 + day) * 1000 + hour) * 1000 + minute;
}

int64_t DstChangeRecord::DstMinutesOf(int64_t year, int month, int64_t day, int64_t hour,
                                      int64_t minute) {
  // Days counted from 1 March so that the leap day comes last in a year.
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  constexpr int64_t kDaysTo1800 = 657377;  // from 1 March of year 0 to 1 January 1800
  const int64_t days = era * 146097 + dayOfEra - kDaysTo1800 + (day - 1);
  return (days * 24 + hour) * 60 + minute;
}

DstChangeRecord DstChainEndRecord(uint8_t zoneHours, uint8_t zoneMinutes, uint8_t code) {
  DstChangeRecord r;
  r.year = static_cast<uint8_t>(kDstLastYear - kDstBaseYear);
  r.month = 12;
  r.day = 31;
  r.hour = 23;
  r.minute = 59;
  r.zoneHours = zoneHours;
  r.zoneMinutes = zoneMinutes;
  r.code = code;
  return r;
}

int ZoneMinutesEast(uint8_t zoneHours, uint8_t zoneMinutes) {
  const int hours = kDstZoneHoursBase - zoneHours;  // east positive
  if (zoneMinutes > 100) return hours * 60 + (256 - zoneMinutes);
  if (hours > 0) return hours * 60 + zoneMinutes;
  return hours * 60 - zoneMinutes;
}

void EncodeZone(int minutesEast, uint8_t& zoneHours, uint8_t& zoneMinutes) {
  const int magnitude = std::abs(minutesEast);
  const int hours = magnitude / 60;
  const int minutes = magnitude % 60;
  if (minutesEast < 0) {
    zoneHours = static_cast<uint8_t>(kDstZoneHoursBase + hours);
    zoneMinutes = static_cast<uint8_t>(minutes);
  } else if (hours > 0) {
    zoneHours = static_cast<uint8_t>(kDstZoneHoursBase - hours);
    zoneMinutes = static_cast<uint8_t>(minutes);
  } else {
    zoneHours = kDstZoneHoursBase;
    zoneMinutes = static_cast<uint8_t>(minutes == 0 ? 0 : 256 - minutes);
  }
}

ZoneTexts ZoneTextsOf(uint8_t zoneHours, uint8_t zoneMinutes) {
  ZoneTexts t;
  t.hours = std::to_string(std::abs(static_cast<int>(zoneHours) - kDstZoneHoursBase));
  t.minutes = std::to_string(zoneMinutes <= 100 ? zoneMinutes : 256 - zoneMinutes);
  t.eastWest = (zoneHours < kDstZoneHoursBase || zoneMinutes > 100) ? 'E' : 'W';
  return t;
}

}  // namespace vostrane
