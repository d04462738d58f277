// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas table "places.dbf": its fields and index tags, the program's
// one open copy of it, and the reading of an atlas record.
//
// Fields in file order: NAME C25 ("City, Region" in mixed case), LATDEG N2,
// LATMIN N2, LATSEC N2, LATNS C1, LONGDEG N3, LONGMIN N2, LONGSEC N2,
// LONGEW C1, DSTPTR N5 (the daylight table; negative: shown with a star),
// HIGHPOPWNM C1, ELEVATION N2, CNTRYSTATE C3, SRCHKEY C48 (the folded
// search key, atlas/PlaceSearchKey.h), SEEREC N6 (for another name of a
// place: the record of the place it leads to; 0 otherwise). Tags: 1 CITY on
// UPPER(NAME), 2 CNTRYCITY on CNTRYSTATE+UPPER(NAME), 3 SEARCH on SRCHKEY.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tablestore/DbfTable.h"

namespace vostrane {

inline constexpr const char* kPlacesFileName = "places.dbf";
inline constexpr int kPlaceNameWidth = 25;
inline constexpr int kPlacesCityOrder = 1;
inline constexpr int kPlacesSearchOrder = 3;

const std::vector<std::string>& PlaceFieldLines();
const std::vector<std::string>& PlaceIndexLines();
// Sets the table's file name, fields and tags (nothing is opened).
void ConfigurePlacesTable(DbfTable& table, const std::string& fileName = kPlacesFileName);

// The program's atlas, opened at start-up and kept open until the end.
DbfTable& PlacesTable();
// Opens "places.dbf" in the working folder (its index built when missing)
// and sets order 1. A missing atlas is reported (kAtlasMissingText), never
// created empty: an empty atlas would answer every lookup with "not found".
// A table store error is shown. Both return false, and the program goes on
// without places.
bool OpenPlacesTable();

inline constexpr const char* kAtlasMissingText =
    "The atlas places.dbf is missing from the Vostrane folder, so places cannot be looked up.\r\n"
    "Re-install places.dbf; until then type the latitude, longitude and time zone by hand.";
// Shown when the place lookup is asked for while the atlas is not open.
inline constexpr const char* kAtlasUnavailableText =
    "Place lookup is unavailable: the atlas places.dbf could not be opened.\r\n"
    "Type the latitude, longitude and time zone by hand.";
void ClosePlacesTable();

// One atlas record as the program uses it.
struct PlaceRecord {
  std::string name;  // at its full width of 25
  int latDeg = 0, latMin = 0, latSec = 0;
  char latNs = 'N';
  int longDeg = 0, longMin = 0, longSec = 0;
  char longEw = 'W';
  int dstPtr = 0;
  std::string countryState;  // 3 characters
  uint32_t seeRecord = 0;    // another name: the record of its place
};
PlaceRecord ReadPlaceRecord(const DbfTable& table);

// Makes the record current, or for another name of a place the record of
// that place; false when there is no such record.
bool GoToPlace(DbfTable& table, uint32_t record);

// The seek key of a typed place: upper-cased in the table's code page,
// trailing blanks removed.
std::string PlaceKey(const std::string& text);

// True when the text is exactly an atlas name (FindExact on order 1). False
// also when the atlas is not open.
bool IsAtlasName(DbfTable& table, const std::string& text);

}  // namespace vostrane
