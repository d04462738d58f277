// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the birth data form's fields that the masked-field typing
// does not cover: the longitude text, the zone fields on entry, the two
// letter fields, and the time's letter on exit. Pure functions over the
// stored field texts.
#pragma once

#include <string>

#include "common/MaskedFields.h"

namespace vostrane {

// Longitude text DDDEMMSS: longer than 6 characters (a shorter one is
// padded with "0" in front to 8), the first character a digit, the fourth
// E or W, degrees at most 180 (exactly 180 only with 0 minutes and 0
// seconds), minutes and seconds below 60. Blanks count as "0".
bool IsValidLongitudeText(const std::string& text);

// A one-digit zone value gets a leading "0" when its field is entered.
std::string ZoneTextOnEnter(const std::string& text);

// The letter fields: on entry an empty or foreign letter becomes the
// default; a typed letter outside the allowed ones brings back the
// remembered text.
inline constexpr const char* kEastWestLetters = "EW";
inline constexpr const char* kDaylightFieldLetters = "DLNWY";
std::string LetterOnEnter(const std::string& text, const std::string& allowed, char fallback);
std::string LetterAfterKey(const std::string& text, const std::string& allowed,
                           const std::string& remembered);

// Exit rule of the time field: the seventh character must be A or P, else it
// becomes A.
std::string TimeOnExit(const std::string& text);

// Chart types whose zone is kept at 0 West without daylight time: solar and
// lunar returns and progressions are calculated in Greenwich time.
bool KeepsGreenwichZone(int chartType);

}  // namespace vostrane
