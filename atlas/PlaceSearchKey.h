// SPDX-License-Identifier: GPL-3.0-or-later
// The search key of the atlas: typed text and stored names are folded the
// same way, so that case and accents never decide whether a place is found
// ("Zurich", "ZÜRICH" and "Zürich" are one key).
//
// The SRCHKEY field of a record holds the folded city, one blank, a
// four-digit rank (0000 for the most populous place of that city name) and
// the folded region. Separators inside a name fold to '!', which sorts
// above the blank: all places of one city name stand together, the largest
// first, before the longer names that begin with it ("LONDON 0000UK" before
// "LONDON!COLNEY ..." and "LONDONDERRY ...").
#pragma once

#include <string>
#include <string_view>

namespace vostrane {

inline constexpr int kPlaceSearchKeyWidth = 48;
inline constexpr int kPlaceRankDigits = 4;
inline constexpr char kPlaceKeySeparator = '!';

// Windows-1252 text to its search form: letters upper-cased without their
// accents (ß as SS, Æ as AE, Œ as OE, Þ as TH), digits kept, blanks,
// hyphens and slashes as one '!', everything else dropped.
std::string FoldPlaceText(std::string_view text);

// A typed place split at its first comma: the folded city and, after the
// comma, the folded region ("erie, pa" -> ERIE and PA).
struct PlaceQuery {
  std::string city;
  std::string region;
  bool hasRegion = false;
};
PlaceQuery ParsePlaceQuery(std::string_view typed);

// The stored key of a place.
std::string PlaceSearchKey(std::string_view foldedCity, int rank, std::string_view foldedRegion);

// Whether a stored key belongs to the query: its city begins with the
// query's city; with a region, the city is the query's city exactly and the
// region begins with the query's region.
bool KeyMatchesQuery(std::string_view key, const PlaceQuery& query);

}  // namespace vostrane
