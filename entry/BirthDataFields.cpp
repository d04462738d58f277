// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/BirthDataFields.h"

#include <algorithm>
#include <cmath>

#include "derived/UserAyanamsaFields.h"
#include "entry/FieldRules.h"
#include "entry/FormTexts.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "common/AngleTime.h"
#include "common/AyanamsaNames.h"
#include "common/ChartSettings.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

// Printout parameter elements the form keeps in step with the birth data.
constexpr int kBirthDateCopy = 64;   // 64..66 month, day, year
constexpr int kSecondaryDate = 73;   // 73..75 of a progressed chart
constexpr int kSecondaryTime = 182;  // 182..184 of a progressed chart

std::optional<int> TwoDigits(const std::string& text) {
  std::string t = text;
  std::replace(t.begin(), t.end(), ' ', '0');
  if (t.size() != 2 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return (t[0] - '0') * 10 + (t[1] - '0');
}

std::string Digits(int value, int width) { return IntegerToText(value, width, 'Z'); }

}  // namespace

std::string DateFieldText(const CalendarDate& date) {
  return Digits(date.month, 2) + Digits(date.day, 2) + Digits(date.year, 4);
}

std::optional<ClockTime> ParseTimeText(const std::string& text) {
  if (text.size() != 7 || (text[6] != 'A' && text[6] != 'P')) return std::nullopt;
  const std::optional<int> h = TwoDigits(text.substr(0, 2));
  const std::optional<int> m = TwoDigits(text.substr(2, 2));
  const std::optional<int> s = TwoDigits(text.substr(4, 2));
  if (!h || !m || !s || *h > 12 || *m > 59 || *s > 59) return std::nullopt;
  return ClockTime{To24Hour(*h, text[6]), *m, *s};
}

std::optional<double> ParseLatitudeText(const std::string& text) {
  const std::string t = text.size() == 6 ? "0" + text : text;
  if (!IsValidLatitudeText(t) || t.size() != 7) return std::nullopt;
  const double value = *TwoDigits(t.substr(0, 2)) + *TwoDigits(t.substr(3, 2)) / 60.0 +
                       *TwoDigits(t.substr(5, 2)) / 3600.0;
  return t[2] == 'S' ? -value : value;
}

std::optional<double> ParseLongitudeText(const std::string& text) {
  const std::string t = Pad(text, 8, 'Z');
  if (!IsValidLongitudeText(t)) return std::nullopt;
  std::string degrees = t.substr(0, 3);
  std::replace(degrees.begin(), degrees.end(), ' ', '0');
  const double value = std::stoi(degrees) + *TwoDigits(t.substr(4, 2)) / 60.0 +
                       *TwoDigits(t.substr(6, 2)) / 3600.0;
  return t[3] == 'E' ? -value : value;
}

std::optional<double> ParseZoneTexts(const std::string& hours, const std::string& minutes,
                                     const std::string& eastWest) {
  if (eastWest != "E" && eastWest != "W") return std::nullopt;
  // A blank zone field counts as 0.
  auto number = [](const std::string& text) -> std::optional<int> {
    std::string t = Trim(text);
    if (t.empty()) return 0;
    std::replace(t.begin(), t.end(), ' ', '0');
    return ParseInteger(t);
  };
  const std::optional<int> h = number(hours), m = number(minutes);
  if (!h || !m || *h < 0 || *h > 13 || *m < 0 || *m > 59) return std::nullopt;
  const double zone = *h + *m / 60.0;
  return eastWest == "E" ? -zone : zone;
}

int CopyFieldsIntoEntry(const BirthDataFields& f, ChartEntry& e) {
  // The biography block is blanked whatever the outcome.
  e.setBiography(1, "");
  e.setBiography(2, "");
  e.setHouseSystemLetter(HouseSystemOrDefault(f.houseSystem));
  e.setZodiacLetter(ZodiacOrDefault(f.zodiac));
  // A user-defined ayanamsa keeps its value and epoch in the entry; other
  // zodiacs leave those bytes as they are.
  if (e.zodiacLetter() == ZodiacLetterOf(AyanamsaKind::UserDefined)) {
    e.Set<double>(entry_offset::userAyanamsaDegrees, f.userAyanamsaDegrees);
    e.Set<double>(entry_offset::userAyanamsaEpoch, f.userAyanamsaEpoch);
  }

  const std::string name = Trim(f.name);
  e.setName(name);
  e.setAlternateName(name);
  if (name.empty()) return kNoName;

  const std::string place = Trim(f.place);
  e.setPlace(place);
  if (place.empty()) return kNoPlace;

  const std::optional<CalendarDate> date = ParseDateText(f.date);
  if (!date) return kBadDate;
  e.setMonth(date->month);
  e.setDay(date->day);
  e.setYear(date->year);
  e.setPrintoutParam(kBirthDateCopy, date->month);
  e.setPrintoutParam(kBirthDateCopy + 1, date->day);
  e.setPrintoutParam(kBirthDateCopy + 2, date->year);

  const std::optional<ClockTime> time = ParseTimeText(f.time);
  if (!time) return kBadTime;
  e.setHours(time->hours);
  e.setMinutes(time->minutes);
  e.setSeconds(time->seconds);
  if (e.chartType() == chart_type::kProgressed) {
    e.setPrintoutParam(kSecondaryDate, date->month);
    e.setPrintoutParam(kSecondaryDate + 1, date->day);
    e.setPrintoutParam(kSecondaryDate + 2, date->year);
    e.setPrintoutParam(kSecondaryTime, time->hours);
    e.setPrintoutParam(kSecondaryTime + 1, time->minutes);
    e.setPrintoutParam(kSecondaryTime + 2, time->seconds);
  }

  const std::optional<double> latitude = ParseLatitudeText(f.latitude);
  if (!latitude) return kBadLatitude;
  e.setLatitude(*latitude);

  const std::optional<double> longitude = ParseLongitudeText(f.longitude);
  if (!longitude) return kBadLongitude;
  e.setLongitude(*longitude);

  const std::optional<double> zone = ParseZoneTexts(f.zoneHours, f.zoneMinutes, f.zoneEastWest);
  if (!zone) return kBadZone;
  e.setZoneHoursWest(*zone);

  const int table = IntegerFromText(Trim(f.dstTable));
  if (table == kNotANumber) return kBadDstTable;
  e.setDstTable(table);

  const std::string letters = kDaylightLetters;
  const size_t code = f.daylight.size() == 1 ? letters.find(f.daylight[0]) : std::string::npos;
  if (code == std::string::npos) return kBadDaylight;
  e.setDaylightCode(static_cast<uint8_t>(code));
  return kFormValid;
}

bool CopyFormIntoEntry(const BirthDataFields& fields, ChartEntry& entry, char mode) {
  const int code = CopyFieldsIntoEntry(fields, entry);
  if (code != kFormValid && mode == 'E') ShowMessage(FormText(8885 + code), MsgIcon::Warning);
  return code == kFormValid;
}

BirthDataFields FieldsFromEntry(const ChartEntry& e) {
  BirthDataFields f;
  f.name = e.name();
  f.place = e.place();
  f.date = DateFieldText({e.month(), e.day(), e.year()});

  const TwelveHour twelve = To12Hour(e.hours());
  f.time = Digits(twelve.hours, 2) + Digits(e.minutes(), 2) + Digits(e.seconds(), 2) +
           std::string(1, twelve.letter);

  const DegreesMinutesSeconds lat = SplitDegrees(e.latitude());
  f.latitude = Digits(lat.degrees, 2) + (lat.sign < 0 ? "S" : "N") + Digits(lat.minutes, 2) +
               Digits(lat.seconds, 2);
  const DegreesMinutesSeconds lon = SplitDegrees(e.longitude());
  f.longitude = Digits(lon.degrees, 3) + (lon.sign < 0 ? "E" : "W") + Digits(lon.minutes, 2) +
                Digits(lon.seconds, 2);

  const HoursMinutes zone = SplitHours(e.zoneHoursWest());
  f.zoneHours = std::to_string(zone.hours);
  f.zoneMinutes = Digits(zone.minutes, 2);
  f.zoneEastWest = zone.sign < 0 ? "E" : "W";

  const uint8_t code = e.daylightCode() <= 4 ? e.daylightCode() : 0;
  f.daylight = std::string(1, kDaylightLetters[code]);
  f.dstTable = std::to_string(e.dstTable());
  f.userAyanamsaDegrees = e.Get<double>(entry_offset::userAyanamsaDegrees);
  f.userAyanamsaEpoch = e.Get<double>(entry_offset::userAyanamsaEpoch);
  f.houseSystem = HouseSystemOrDefault(e.houseSystemLetter());
  f.zodiac = ZodiacOrDefault(e.zodiacLetter());
  return f;
}

BirthDataFields NewEntryFields(const CalendarDateTime& now) {
  int hours = now.time.hours, minutes = now.time.minutes;
  const bool lastMinute = hours == 23 && minutes == 59;
  if (now.time.seconds > 30 && !lastMinute) {
    if (++minutes == 60) {
      minutes = 0;
      ++hours;
    }
  }
  const TwelveHour twelve = To12Hour(hours);

  BirthDataFields f;
  f.date = DateFieldText(now.date);
  f.time = Digits(twelve.hours, 2) + Digits(minutes, 2) + "00" + std::string(1, twelve.letter);
  f.latitude = "00N0000";
  f.longitude = "000W0000";
  f.zoneHours = "0";
  f.zoneMinutes = "00";
  f.zoneEastWest = "W";
  f.daylight = "N";
  f.dstTable = "0";
  return f;
}

}  // namespace vostrane
