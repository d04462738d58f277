// The list of the place lookup dialog: 16 rows showing, from the atlas name
// that the typed text leads to, the names in index order. A row is a
// 3-character prefix, the 25-character name as stored and a 3-character
// suffix: "=> " name " <=" on the first row, blanks around the others; a
// place with a negative DST table number gets "*" as the third prefix
// character. A text that no name begins with shows the not-found text
// (message text 13093) in the first row and blank rows below it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tablestore/TTzDbf.h"

namespace vostrane {

inline constexpr int kPlaceListRows = 16;

enum class ScrollDirection { None = 0, Up = 1, Down = 2 };

// The decorated row of a record.
std::string DecoratedPlaceRow(const std::string& storedName, int dstPtr, bool firstRow);
// The place name of a row: its characters 4 to length - 3, trimmed.
std::string RowPlaceName(const std::string& row);

class PlaceList {
 public:
  PlaceList(TTzDbf& table, std::string notFoundText);

  // What a fill did to the dialog's edit field.
  struct EditChange {
    bool cleared = false;              // it held the not-found text: emptied, nothing else done
    std::optional<std::string> text;  // a scroll step put this name there (caret at the start)
  };

  // Fills the rows for the typed text from the first name that begins with
  // it. Up and Down make one scroll step from the first row's record
  // instead (staying on the first or last place at the ends of the atlas)
  // and put that record's name into the edit field.
  EditChange Fill(const std::string& typed, ScrollDirection direction);

  const std::vector<std::string>& Rows() const { return rows_; }
  bool NotFoundShown() const { return notFoundShown_; }
  const std::string& NotFoundText() const { return notFound_; }
  // Row 0 holds a place: not the not-found text and longer than 6 characters.
  bool FirstRowIsPlace() const;
  // The row holds a place that a click may choose.
  bool RowIsChoosable(int row) const;

 private:
  void GoToFirstRow(const std::string& key);
  void FillRowsFromCurrent();
  void ShowNotFound();

  TTzDbf& table_;
  std::string notFound_;
  std::vector<std::string> rows_;
  bool notFoundShown_ = false;
  // The record shown in the first row (0: none).
  uint32_t topRecno_ = 0;
};

}  // namespace vostrane
