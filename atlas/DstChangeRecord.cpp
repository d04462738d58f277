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
