// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the atlas: "City, Region" in at most 25 Windows-1252
// characters (the code page of the table and of the place field), accents
// kept where the code page has the letter.
#pragma once

#include <string>
#include <vector>

#include "tools/generators/atlasgen/GeoNames.h"
#include "tools/generators/atlasgen/Regions.h"

namespace vostrane::atlasgen {

inline constexpr size_t kAtlasNameWidth = 25;
// A country's full name is shown when it has at most this many characters,
// else its abbreviation: one name per country throughout the atlas.
inline constexpr size_t kFullCountryNameWidth = 10;

// A UTF-8 text in plain ASCII: accented Latin letters lose their accents,
// dashes and quotes become their ASCII forms, anything else is dropped.
std::string ToAscii(const std::string& utf8);

// A UTF-8 text in Windows-1252: letters the code page has stay as they are
// (with their accents), dashes and typographic quotes become their ASCII
// forms, other letters are transliterated as ToAscii does. `exact` tells
// whether nothing had to be transliterated or dropped.
std::string ToWindows1252(const std::string& utf8, bool* exact = nullptr);

// The city part of a place's name in Windows-1252: the name (or the ASCII
// name when nothing readable is left of it), cut at its first comma, blanks
// tidied. Empty when nothing readable is left.
std::string CityName(const GeoPlace& place);

// The longest start of `text` of whole words (split at blanks and hyphens)
// that fits `room`, without a dangling short word such as "de" or "im" at
// its end; "" when even the first word does not fit.
std::string WholeWordsWithin(const std::string& text, size_t room);

// The text in `room` characters with its last words down to their initials
// ("São Paulo de Olivença" -> "São Paulo de O."), keeping at least its first
// word; "" when that does not fit.
std::string WithInitials(const std::string& text, size_t room);

// Fits "City, Region" (or "City Qualifier, Region") into 25 characters: the
// city loses whole words from its end (and a dangling short word such as
// "de" or "im" with them); only a single word too long for the room is cut,
// and it then ends in "." (not with `mayCut` false). Empty when even that
// cannot fit.
std::string AtlasName(const std::string& city, const std::string& qualifier, const std::string& region,
                      bool mayCut = true);

// The region texts and the three-letter code of a place; false when its
// country is not in the table.
struct PlaceRegion {
  std::string region;  // "PA" in the United States, "ON" in Canada, else the country
  std::string countryState;
};
bool RegionOf(const GeoPlace& place, const Regions& regions, PlaceRegion& out);

}  // namespace vostrane::atlasgen
