// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonRecord.h"

#include <algorithm>

#include "entry/FormTexts.h"
#include "platform/TextTrim.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"
#include "common/TextRoutines.h"

namespace vostrane {
namespace {

// The number of a run of digits in which blanks count as "0"; 0 for text
// that is not a number.
int DigitsValue(const std::string& text) {
  std::string t = text;
  std::replace(t.begin(), t.end(), ' ', '0');
  const int value = IntegerFromText(t);
  return value == kNotANumber ? 0 : value;
}

std::string Digits(int64_t value, int width) { return IntegerToText(value, width, 'Z'); }

// Characters pos .. pos + n - 1 of the text, as many as it has.
std::string Part(const std::string& text, size_t pos, size_t n) {
  return pos < text.size() ? text.substr(pos, n) : std::string();
}

// The first character of a field, or `fallback` when it is blank.
std::string Letter(const DbfTable& table, const char* field, const std::string& fallback = "") {
  const std::string text = table.TextField(field);
  return text.empty() || text[0] == ' ' ? fallback : text.substr(0, 1);
}

int64_t Number(const DbfTable& table, const char* field) { return table.IntegerField(field); }

// A zone number for a two-digit field: the form keeps hours 0-13 and
// minutes 0-59; anything it could not read is stored as 0.
int64_t ZoneNumber(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return 0;
  const int value = DigitsValue(t);
  return value >= 0 && value <= 99 ? value : 0;
}

}  // namespace

int CheckPersonFields(const BirthDataFields& f) {
  if (Trim(f.name).empty()) return kNoName;
  if (Trim(f.place).empty()) return kNoPlace;
  if (!ParseDateText(f.date)) return kBadDate;
  if (!ParseTimeText(f.time)) return kBadTime;
  if (!ParseLatitudeText(f.latitude)) return kBadLatitude;
  if (!ParseLongitudeText(f.longitude)) return kBadLongitude;
  return kFormValid;
}

std::string PersonCheckText(int code) { return FormText(8948) + "  " + FormText(8885 + code); }

void PutBirthData(DbfTable& t, const BirthDataFields& f) {
  const std::string name = Trim(f.name);
  t.SetTextField("NAME", name);
  t.SetTextField("PLACE", Trim(f.place));
  t.SetIntegerField("CHARTTYPE", 0);
  t.SetIntegerField("CHARTYPXTR", 0);

  const CalendarDate date = ParseDateText(f.date).value_or(CalendarDate{});
  t.SetIntegerField("MONTH", date.month);
  t.SetIntegerField("DAY", date.day);
  t.SetIntegerField("YEAR", date.year);

  // The time as the form shows it: HHMMSS in 12-hour form and A or P.
  t.SetIntegerField("HOURS", DigitsValue(Part(f.time, 0, 2)));
  t.SetIntegerField("MINUTES", DigitsValue(Part(f.time, 2, 2)));
  t.SetIntegerField("SECONDS", DigitsValue(Part(f.time, 4, 2)));
  t.SetTextField("AMPM", f.time.size() > 6 && f.time[6] == 'P' ? "P" : "A");

  // DDNMMSS; a 6-character text lacks its leading "0".
  const std::string lat = f.latitude.size() == 6 ? "0" + f.latitude : f.latitude;
  t.SetIntegerField("LATDEG", DigitsValue(Part(lat, 0, 2)));
  t.SetTextField("NORTHSOUTH", Part(lat, 2, 1));
  t.SetIntegerField("LATMIN", DigitsValue(Part(lat, 3, 2)));
  t.SetIntegerField("LATSEC", DigitsValue(Part(lat, 5, 2)));

  // DDDEMMSS, filled with "0" in front to 8 characters.
  const std::string lon = Pad(f.longitude, 8, 'Z');
  t.SetIntegerField("LONGDEG", DigitsValue(Part(lon, 0, 3)));
  t.SetTextField("EASTWEST", Part(lon, 3, 1));
  t.SetIntegerField("LONGMIN", DigitsValue(Part(lon, 4, 2)));
  t.SetIntegerField("LONGSEC", DigitsValue(Part(lon, 6, 2)));

  t.SetIntegerField("TZHRS", ZoneNumber(f.zoneHours));
  t.SetIntegerField("TZMINS", ZoneNumber(f.zoneMinutes));
  t.SetTextField("TZEASTWEST", f.zoneEastWest == "E" ? "E" : "W");
  const std::string letters = kDaylightLetters;
  const bool daylightKnown = f.daylight.size() == 1 && letters.find(f.daylight[0]) != std::string::npos;
  t.SetTextField("DSTOBSERVE", daylightKnown ? f.daylight : "N");

  t.SetIntegerField("RESRCHCODE", 0);
  t.SetTextField("CALCYN", "N");
  t.SetTextField("CALCASTYN", "N");
  t.SetTextField("CALCTNP", "N");
  t.SetTextField("BIODAT1", "");
  t.SetTextField("BIODAT2", "");
  t.SetTextField("ORDNUMNAME", name);
  t.SetTextField("BRTHDATSRC", "XX");
  t.SetTextField("BRTHDATACC", "XX");
}

void PutNewRecordCodes(DbfTable& t) {
  t.SetTextField("CALENDAR", "B");
  // Research code 0 has the categories "O ", "O " and "O  "; a table made
  // without these fields simply does not get them.
  if (t.HasField("CATEG2") && t.HasField("CATEG3") && t.HasField("CATEG4")) {
    t.SetTextField("CATEG2", "O ");
    t.SetTextField("CATEG3", "O ");
    t.SetTextField("CATEG4", "O  ");
  }
}

BirthDataFields ReadBirthData(const DbfTable& t) {
  BirthDataFields f;
  f.name = Trim(t.TextField("NAME"));
  f.place = Trim(t.TextField("PLACE"));
  f.date = Digits(Number(t, "MONTH"), 2) + Digits(Number(t, "DAY"), 2) + Digits(Number(t, "YEAR"), 4);
  f.time = Digits(Number(t, "HOURS"), 2) + Digits(Number(t, "MINUTES"), 2) +
           Digits(Number(t, "SECONDS"), 2) + Letter(t, "AMPM", " ");
  f.latitude = Digits(Number(t, "LATDEG"), 2) + Letter(t, "NORTHSOUTH", " ") +
               Digits(Number(t, "LATMIN"), 2) + Digits(Number(t, "LATSEC"), 2);
  f.longitude = Digits(Number(t, "LONGDEG"), 3) + Letter(t, "EASTWEST", " ") +
                Digits(Number(t, "LONGMIN"), 2) + Digits(Number(t, "LONGSEC"), 2);
  f.dstTable = "0";
  f.zoneHours = std::to_string(Number(t, "TZHRS"));
  f.zoneMinutes = Digits(Number(t, "TZMINS"), 2);
  f.zoneEastWest = Letter(t, "TZEASTWEST");
  f.daylight = Letter(t, "DSTOBSERVE");
  return f;
}

}  // namespace vostrane
