// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the birth data form's fields as a plain record: what the form,
// the place lookup and the name file hand each other. The copies between
// these texts and a chart entry, with their checks, are in
// entry/BirthDataFields.h.
#pragma once

#include <string>

namespace vostrane {

// Each text as the field stores it, the mask's literal characters left out.
struct BirthDataFields {
  std::string name;          // up to 25 characters
  std::string date;          // MMDDYYYY; the year may carry a minus sign
  std::string time;          // HHMMSS and A or P, 12-hour form
  std::string place;         // up to 25 characters
  std::string latitude;      // DD, N or S, MM, SS
  std::string longitude;     // DDD, E or W, MM, SS
  std::string zoneHours;     // 0 to 13
  std::string zoneMinutes;   // 0 to 59
  std::string zoneEastWest;  // "E" or "W"
  std::string daylight;      // one of N Y W D L
  std::string dstTable;      // the daylight table number
  char houseSystem = 'F';    // house system letter 'A'..'I'
  char zodiac = 'T';         // 'T' tropical, 'S' sidereal
  // The user-defined ayanamsa (zodiac letter 'U'): its mean value in
  // degrees at an epoch, a Julian day (0: 1900 January 0.5).
  double userAyanamsaDegrees = 0.0;
  double userAyanamsaEpoch = 0.0;
};

}  // namespace vostrane
