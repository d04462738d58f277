// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ClockQuestion.h"

#include "entry/DateNotes.h"
#include "platform/TextTrim.h"
#include "common/Calendar.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

// What a table state is called in the choices.
std::string Reckoning(const DstScanResult& s) {
  switch (s.code) {
    case 0: return "standard time";
    case 1: return "daylight time";
    case 2: return "war time";
    case 3: return "double daylight time";
    default: return "local mean time";
  }
}

// Minutes of the day of the time field's text, in 24-hour form.
int MinuteOfDay(const std::string& timeText) {
  const int hours = IntegerFromText(timeText.substr(0, 2));
  const int minutes = IntegerFromText(timeText.substr(2, 2));
  return To24Hour(hours, timeText[6]) * 60 + minutes;
}

// The time field's text of a minute of the day (seconds kept).
std::string TimeText(int minuteOfDay, const std::string& seconds) {
  const int m = ((minuteOfDay % 1440) + 1440) % 1440;
  const TwelveHour twelve = To12Hour(m / 60);
  return IntegerToText(twelve.hours, 2, 'Z') + IntegerToText(m % 60, 2, 'Z') + seconds + twelve.letter;
}

// "2:00" (without AM or PM) and "3:00 AM".
std::string ClockWords(int minuteOfDay, bool withLetter) {
  const std::string t = ClockTimeWords(TimeText(minuteOfDay, "00"));
  return withLetter ? t : t.substr(0, t.size() - 3);
}

BirthDataFields WithState(BirthDataFields f, const std::string& time, const DstScanResult& s) {
  f.time = time;
  const ZoneTexts zone = ZoneTextsOf(s.zoneHours, s.zoneMinutes);
  f.zoneHours = zone.hours;
  f.zoneMinutes = zone.minutes;
  f.zoneEastWest = std::string(1, zone.eastWest);
  f.daylight = std::string(1, kDaylightCodeLetters[s.code]);
  return f;
}

}  // namespace

std::string ClockTimeWords(const std::string& t) {
  if (t.size() < 7) return t;
  const int hours = IntegerFromText(t.substr(0, 2));
  return std::to_string(hours) + ":" + t.substr(2, 2) + " " + t[6] + "M";
}

ClockQuestion AskAboutClock(const LocalClockCheck& c, const BirthDataFields& f) {
  ClockQuestion q;
  const std::string typed = ClockTimeWords(f.time);
  const std::optional<CalendarDate> date = ParseDateText(f.date);
  const std::string where = " in " + Trim(f.place) + " on " +
                            (date ? DateInWords(*date) : std::string());
  const int change = c.changeHour * 60 + c.changeMinute;
  const std::string seconds = f.time.substr(4, 2);
  if (c.kind == LocalClockKind::Gap) {
    q.text = typed + " did not exist" + where + ": clocks went from " + ClockWords(change, false) +
             " to " + ClockWords(change + c.shiftMinutes, true) + ".\r\n\r\nWhich time is meant?";
    const std::string later = TimeText(MinuteOfDay(f.time) + c.shiftMinutes, seconds);
    q.choices = {ClockTimeWords(later) + " " + Reckoning(c.after), typed + " " + Reckoning(c.before)};
    q.answers = {WithState(f, later, c.after), WithState(f, f.time, c.before)};
  } else {
    q.text = typed + " happened twice" + where + ": clocks went back from " + ClockWords(change, false) +
             " to " + ClockWords(change - c.shiftMinutes, true) + ".\r\n\r\nWhich one is meant?";
    q.choices = {"The first, " + typed + " " + Reckoning(c.before),
                 "The second, " + typed + " " + Reckoning(c.after)};
    q.answers = {WithState(f, f.time, c.before), WithState(f, f.time, c.after)};
  }
  q.choices.push_back("Change the time");
  return q;
}

}  // namespace vostrane
