// SPDX-License-Identifier: GPL-3.0-or-later
// The name list under the birth data form's name field: the saved names
// that follow the typed text, 14 rows, the first one marked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tablestore/DbfTable.h"

namespace vostrane {

inline constexpr int kNameListRows = 14;
inline constexpr int kPageSteps = 13;

// A row: "=> " + the record's name at its full width of 25 + " <=" for the
// first row, three blanks on both sides for the others.
std::string NameListRow(const std::string& recordName, bool first);
// The name of a row: its characters 4 to length - 3, trimmed ("" for a row
// too short to hold one).
std::string NameOfRow(const std::string& row);

struct NameListFill {
  bool shown = false;                   // the list is to be shown
  bool notFound = false;                // row 0 is the not-found text
  std::vector<std::string> rows;        // kNameListRows rows when shown
  std::optional<std::string> nameText;  // the text the name field gets
};

// Fills the list for the typed text. `scrollSteps` moves from the name
// found (negative: up) by that many records, skipping deleted ones and
// stopping at the ends; the name field then gets the name reached. A typed
// text that no saved name begins with (any case) gives the not-found row
// and single blanks, and does not scroll. A name field that holds exactly
// the not-found text is emptied. Uses order 1 without a filter.
NameListFill FillNameList(DbfTable& table, const std::string& typed, int scrollSteps,
                          const std::string& notFoundText);

}  // namespace vostrane
