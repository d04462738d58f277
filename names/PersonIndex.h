// SPDX-License-Identifier: GPL-3.0-or-later
// The persons of the name table as the Persons window lists them: read once
// (with their change times), then searched and sorted in memory, so that a
// keystroke in the search field never reads the file again. The search
// finds a typed text anywhere in a name, case and accents ignored, blanks
// and commas left out ("ein" and "einstein albert" both find
// "Einstein, Albert"); the rows found stay in the order of the sorted
// column.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entry/BirthDataFields.h"
#include "names/ChangeTimes.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

enum PersonColumn : int {
  kNameColumn,
  kDateColumn,
  kTimeColumn,
  kPlaceColumn,
  kChangedColumn,
  kPersonColumns
};

struct PersonRow {
  uint32_t record = 0;
  BirthDataFields fields;
  std::string folded;                     // the name's search form
  std::string columns[kPersonColumns];    // the texts shown (UTF-8); an empty change time: none known
  int64_t sortKeys[kPersonColumns] = {};  // date, time and change time as numbers
};

// The search form of a name (Windows-1252): upper case without accents, and
// without blanks, commas, hyphens and slashes.
std::string PersonSearchForm(const std::string& cp1252);

class PersonIndex {
 public:
  // Reads every person the table shows (deleted ones hidden) and the side
  // file of change times; the search and the sort in force are kept.
  void Load(DbfTable& table);
  // What is wrong with the side file of change times ("" when nothing).
  const std::string& ChangeTimesProblem() const { return changeTimes_; }

  void Sort(int column, bool ascending);
  void Search(const std::string& typedCp1252);

  size_t Found() const { return found_.size(); }
  // The row at a position of the rows found, or nullptr.
  const PersonRow* At(size_t position) const {
    return position < found_.size() ? &rows_[found_[position]] : nullptr;
  }
  size_t Total() const { return rows_.size(); }

 private:
  void SortAll();

  std::vector<PersonRow> rows_;   // in the table's name order
  std::vector<uint32_t> sorted_;  // every row, in the sort order
  std::vector<uint32_t> found_;   // the rows the search finds, in the sort order
  std::string key_;               // the search form of the typed text
  int column_ = kNameColumn;
  bool ascending_ = true;
  std::string changeTimes_;
};

}  // namespace vostrane
