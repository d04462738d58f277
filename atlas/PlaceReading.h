// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an atlas place into the birth data form (the form's place mode):
// latitude, longitude and DST table number from the atlas record, and for a
// natal entry the zone and the daylight letter from the daylight-time
// tables, followed by the historical daylight-time warnings.
#pragma once

#include <cstdint>
#include <optional>

#include "atlas/AtlasFields.h"
#include "atlas/PlacesTable.h"
#include "common/Calendar.h"

namespace vostrane {

// Reads a place into the fields and puts its trimmed name into
// fields.place: the given record when the user chose one in the list,
// otherwise the place that FindNear finds for fields.place (upper-cased,
// trailing blanks removed). Another name of a place reads that place. Returns the field the form should focus: the zone hours for
// a natal entry when the place has no daylight table, the name field
// otherwise. With an empty atlas nothing is read.
AtlasFocus ReadPlaceIntoFields(AtlasFields& fields, int chartType, DbfTable& places,
                               uint32_t record = 0);

// The warning that applies to a place read for a date with a daylight
// letter, if any: Pennsylvania with Y up to 1970, Illinois with W or Y
// before July 1959, otherwise any year after the year of the time zone
// database release the tables come from (after 2005 when the release is
// not known), a note that names the release.
std::optional<std::string> DaylightWarning(const std::string& countryState, char daylight,
                                           const CalendarDate& date,
                                           const std::optional<std::string>& release);

}  // namespace vostrane
