// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceReading.h"

#include <string>

#include "atlas/DstLookup.h"
#include "atlas/DstTablesRelease.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "common/MaskedFields.h"
#include "common/NumberText.h"

namespace vostrane {
namespace {

constexpr const char* kPennsylvaniaWarning =
    "Warning! Daylight savings time was legally observed\r\nat this time in Pennsylvania, but "
    "not all places actually observed it!\r\n\r\nUnfortunately, research done thus far has not "
    "completely\r\nconfirmed whether daylight savings time was actually observed,\r\neven though "
    "we know that there was a law passed stating that\r\ndaylight savings time should be "
    "observed.";

std::string IllinoisWarning(char daylight) {
  return std::string("Warning! ") + (daylight == 'Y' ? "Daylight Savings Time" : "War Time") + " " +
         "was legally observed" + "\r\n" + "at this time in Illinois, but hospitals were required" +
         "\r\n" + "to record times in standard time." + "\r\n\r\n" +
         "In other words, if a birth occurred at 3 PM in the afternoon," + "\r\n" +
         "then the hospital was required to record the time as" + "\r\n" +
         "2 PM Standard Time because the hospital was required to" + "\r\n" +
         "record times as daylight savings time was not observed," + "\r\n" +
         "even though daylight savings time was observed!!!" + "\r\n\r\n" +
         "Research indicates that some hospitals probably did obey" + "\r\n" +
         "this complicated governmental regulation, but other" + "\r\n" + "hospitals did not." +
         "\r\n\r\n" + "Suggestion: If the birth was at a hospital, and the birth" + "\r\n" +
         "certificate specifically states \"Standard Time\", you may" + "\r\n" +
         "want to change Daylight Savings to \"N\" (No), and see if" + "\r\n" +
         "this chart fits the person's personality better." + "\r\n\r\n" +
         "Also, we are very interested in any research results that" + "\r\n" +
         "you may have on observance of daylight savings time, and this" + "\r\n" +
         "information can be incorporated into future versions of Vostrane";
}

// Charts after the last year whose laws the tables know: the year of the
// time zone database release, or 2005 when the release is not known.
constexpr int kYearWithoutRelease = 2005;

std::string FutureYearNote(int year, const std::optional<std::string>& release) {
  const std::string y = std::to_string(year);
  const std::string source = release ? "the release " + *release + " of the IANA time zone database"
                                     : std::string("the release of the IANA time zone database");
  return "Note that the year of this chart, " + y + ", " + "is after" + "\r\n" + source + "," + "\r\n" +
         "which the daylight-time tables of Vostrane come from. The laws" + "\r\n" +
         "regarding observance of daylight saving time may have changed" + "\r\n" + "by the year" + " " +
         y + ".";
}

}  // namespace

std::optional<std::string> DaylightWarning(const std::string& countryState, char daylight,
                                           const CalendarDate& date,
                                           const std::optional<std::string>& release) {
  if (countryState == "PEN" && daylight == 'Y' && date.year <= 1970) return kPennsylvaniaWarning;
  if (countryState == "ILL" && (daylight == 'W' || daylight == 'Y') &&
      (date.year < 1959 || (date.year == 1959 && date.month <= 6))) {
    return IllinoisWarning(daylight);
  }
  const int lastKnownYear = release ? DstReleaseYear(*release) : kYearWithoutRelease;
  if (date.year > lastKnownYear) return FutureYearNote(date.year, release);
  return std::nullopt;
}

AtlasFocus ReadPlaceIntoFields(AtlasFields& f, int chartType, DbfTable& places, uint32_t record) {
  const bool natal = chartType == 0;
  const AtlasFocus typeZone = natal ? AtlasFocus::ZoneHours : AtlasFocus::Name;
  if (!places.IsOpen()) return typeZone;
  if (record == 0) {
    places.SetIndexOrder(kPlacesCityOrder);
    places.FindNear(PlaceKey(f.place));
    record = places.RecordNumber();
  }
  if (!GoToPlace(places, record)) return typeZone;
  const PlaceRecord p = ReadPlaceRecord(places);

  f.latitude = IntegerToText(p.latDeg, 2, 'Z') + p.latNs + IntegerToText(p.latMin, 2, 'Z') +
               IntegerToText(p.latSec, 2, 'Z');
  f.longitude = IntegerToText(p.longDeg, 3, 'Z') + p.longEw + IntegerToText(p.longMin, 2, 'Z') +
                IntegerToText(p.longSec, 2, 'Z');
  f.dstTable = std::to_string(p.dstPtr);

  AtlasFocus focus = typeZone;
  if (p.dstPtr != 0 && (chartType == 0 || chartType == 8)) {
    FillDaylightFromDateAndTable(f, BadDstInput::AskFocus);
    if (const std::optional<CalendarDate> date = ParseDateText(f.date)) {
      const char letter = f.daylight.empty() ? ' ' : f.daylight[0];
      if (const std::optional<std::string> warning = DaylightWarning(p.countryState, letter, *date,
                                                                     DstTablesRelease())) {
        ShowMessage(*warning, MsgIcon::Warning);
      }
    }
    focus = AtlasFocus::Name;
  }
  f.place = Trim(p.name);
  return focus;
}

}  // namespace vostrane
