// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the birth data form that the atlas reads and writes, as the
// form stores them (the masks' literal characters left out). The form
// copies its fields into this record before a place is read or the zone is
// looked up, and takes the results back from it.
#pragma once

#include <string>

namespace vostrane {

struct AtlasFields {
  std::string place;         // up to 25 characters
  std::string date;          // MMDDYYYY; the year may carry a minus sign
  std::string time;          // HHMMSS and A or P
  std::string latitude;      // DD, N or S, MM, SS
  std::string longitude;     // DDD, E or W, MM, SS
  std::string zoneHours;     // `ZoneHoursField`
  std::string zoneMinutes;   // `ZoneMinutesField`
  std::string zoneEastWest;  // `EastWestField`: "E" or "W"
  std::string daylight;      // `DaylightField`: one of N Y W D L
  std::string dstTable;      // `DaylightTableField`
};

// Where a lookup asks the form to put the focus when an input is bad.
enum class AtlasFocus { None, ZoneHours, Date, Name };

}  // namespace vostrane
