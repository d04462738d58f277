// The per-key and exit rules of the birth data form's fields that the
// general masked-field routines do not cover: the longitude field, the zone
// fields, the two letter fields, and the exit rules of the date and time.
// Pure functions over the stored field texts.
#pragma once

#include <string>

#include "shell/MaskedFields.h"

namespace vostrane {

// Longitude text DDDEMMSS: longer than 6 characters (a shorter one is
// padded with "0" in front to 8), the first character a digit, the fourth
// E or W, degrees at most 180 (exactly 180 only with 0 minutes and 0
// seconds), minutes and seconds below 60. Blanks count as "0".
bool IsValidLongitudeText(const std::string& text);

// Per-key correction of the longitude field: Enter and Down give
// kFieldNext, Up kFieldPrevious. For other keys blanks become "0"; a text of
// 6 characters or fewer, a first character that is not a digit, a fourth
// that is not E or W, or minutes or seconds of 60 or more bring back the
// previous text; degrees above 180 become "179" (so does 180 with minutes
// or seconds, which would lie beyond the date line).
FieldCorrection CorrectLongitudeField(const MaskedField& field, const std::string& previous,
                                      FieldKey key);

// A one-digit zone value gets a leading "0" when its field is entered.
std::string ZoneTextOnEnter(const std::string& text);

// Exit rules of the zone fields: hours 0 to 13 and minutes 0 to 59, other
// text brings back the remembered text.
std::string ZoneHoursOnExit(const std::string& text, const std::string& remembered);
std::string ZoneMinutesOnExit(const std::string& text, const std::string& remembered);

// The letter fields: on entry an empty or foreign letter becomes the
// default; a typed letter outside the allowed ones brings back the
// remembered text.
inline constexpr const char* kEastWestLetters = "EW";
inline constexpr const char* kDaylightFieldLetters = "DLNWY";
std::string LetterOnEnter(const std::string& text, const std::string& allowed, char fallback);
std::string LetterAfterKey(const std::string& text, const std::string& allowed,
                           const std::string& remembered);

// Exit rule of the date field: an invalid date brings back the remembered
// text; when that is invalid too, "01011900"; when that fails, `fallback`
// (form text 8992).
std::string DateOnExit(const std::string& text, const std::string& remembered,
                       const std::string& fallback);

// Exit rule of the time field: the seventh character must be A or P, else it
// becomes A.
std::string TimeOnExit(const std::string& text);

// Chart types whose zone is kept at 0 West without daylight time: solar and
// lunar returns and progressions are calculated in Greenwich time.
bool KeepsGreenwichZone(int chartType);

}  // namespace vostrane
