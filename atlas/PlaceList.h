// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the place lookup dialog: 16 rows showing, from the place that
// the typed text leads to, the atlas in the order of its search key (city
// names without regard to case and accents, the places of one name largest
// first). A row is a 3-character prefix, the name as stored (25 characters,
// blank padded) and a 3-character suffix: "=> " name " <=" on the first
// row, blanks around the others; a place with a negative DST table number
// gets "*" as the third prefix character. Another name of a place shows
// where it leads: "Calcutta = Kolkata, India". A text that no name begins
// with shows the not-found text (message text 13093) in the first row and
// blank rows below it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "atlas/PlaceSearchKey.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

inline constexpr int kPlaceListRows = 16;
// The widest row: another name (up to 20), " = " and a place name.
inline constexpr int kPlaceRowWidth = 3 + 20 + 3 + 25 + 3;

enum class ScrollDirection { None = 0, Up = 1, Down = 2 };

// The decorated row of a shown name (at least 25 characters, blank padded).
std::string DecoratedPlaceRow(const std::string& shownName, int dstPtr, bool firstRow);
// The text between the decorations of a row, trimmed.
std::string RowPlaceName(const std::string& row);
// What a row shows for another name of a place.
std::string OtherNameText(const std::string& otherName, const std::string& placeName);

class PlaceList {
 public:
  PlaceList(DbfTable& table, std::string notFoundText);

  // What a fill did to the dialog's edit field.
  struct EditChange {
    bool cleared = false;             // it held the not-found text: emptied, nothing else done
    std::optional<std::string> text;  // a scroll step put this name there (caret at the start)
  };

  // Fills the rows for the typed text from the first place it leads to: an
  // exact atlas name, else the first search key that the folded text
  // begins (with a region after a comma: the first place of that city whose
  // region begins so). Up and Down make one scroll step from the first
  // row's record instead (staying on the first or last place at the ends of
  // the atlas) and put that record's name into the edit field.
  EditChange Fill(const std::string& typed, ScrollDirection direction);

  const std::vector<std::string>& Rows() const { return rows_; }
  bool NotFoundShown() const { return notFoundShown_; }
  const std::string& NotFoundText() const { return notFound_; }
  // Row 0 holds a place: not the not-found text and longer than 6 characters.
  bool FirstRowIsPlace() const;
  // The row holds a place that a click may choose.
  bool RowIsChoosable(int row) const;
  // The place a row leads to: its record (for another name, the record of
  // the place it names; 0 for no place) and its name as stored, trimmed.
  uint32_t RowRecord(int row) const;
  std::string RowPlace(int row) const;

 private:
  bool GoToFirstRow(const std::string& typed);
  bool SeekQuery(const PlaceQuery& query);
  void FillRowsFromCurrent();
  void ShowNotFound();

  DbfTable& table_;
  std::string notFound_;
  std::vector<std::string> rows_;
  std::vector<uint32_t> rowRecords_;
  std::vector<std::string> rowPlaces_;
  bool notFoundShown_ = false;
  // The record shown in the first row (0: none).
  uint32_t topRecno_ = 0;
};

}  // namespace vostrane
