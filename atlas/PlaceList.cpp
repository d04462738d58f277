#include "atlas/PlaceList.h"

#include "atlas/PlacesTable.h"
#include "shell/TextRoutines.h"
#include "tablestore/AnsiUpper.h"

namespace vostrane {

std::string DecoratedPlaceRow(const std::string& storedName, int dstPtr, bool firstRow) {
  std::string prefix = firstRow ? "=> " : "   ";
  if (dstPtr < 0) prefix[2] = '*';
  std::string name = storedName;
  name.resize(kPlaceNameWidth, ' ');
  return prefix + name + (firstRow ? " <=" : "   ");
}

std::string RowPlaceName(const std::string& row) {
  if (row.size() <= 6) return "";
  return Trim(row.substr(3, row.size() - 6));
}

PlaceList::PlaceList(TTzDbf& table, std::string notFoundText)
    : table_(table), notFound_(std::move(notFoundText)), rows_(kPlaceListRows, " ") {}

bool PlaceList::FirstRowIsPlace() const { return RowIsChoosable(0); }

bool PlaceList::RowIsChoosable(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  if (notFoundShown_ || rows_[0] == notFound_) return false;
  return rows_[static_cast<size_t>(row)].size() > 6;
}

void PlaceList::ShowNotFound() {
  notFoundShown_ = true;
  topRecno_ = 0;
  rows_.assign(kPlaceListRows, " ");
  rows_[0] = notFound_;
}

void PlaceList::FillRowsFromCurrent() {
  rows_.assign(kPlaceListRows, " ");
  topRecno_ = table_.RecNo();
  if (topRecno_ == 0) return;
  for (int row = 0; row < kPlaceListRows; ++row) {
    const PlaceRecord p = ReadPlaceRecord(table_);
    rows_[static_cast<size_t>(row)] = DecoratedPlaceRow(p.name, p.dstPtr, row == 0);
    table_.MoveBy(1);
    if (table_.Eof()) break;
  }
}

void PlaceList::GoToFirstRow(const std::string& key) {
  // An empty text seeks nothing: the list stays where its first row was.
  if (key.empty() && topRecno_ != 0 && topRecno_ <= table_.RecCount()) {
    table_.Go(topRecno_);
  } else {
    table_.FindNear(key);
  }
}

PlaceList::EditChange PlaceList::Fill(const std::string& typed, ScrollDirection direction) {
  EditChange change;
  notFoundShown_ = false;
  if (typed == notFound_) {
    change.cleared = true;
    return change;
  }
  if (!table_.IsOpen()) {
    ShowNotFound();
    return change;
  }
  table_.SetOrderTo(kPlacesCityOrder);
  const std::string key = UpperAnsi(typed);

  if (direction == ScrollDirection::None) {
    GoToFirstRow(key);
    const std::string name = table_.RecNo() == 0 ? std::string() : table_.GetCField("NAME");
    const bool matches = table_.RecNo() != 0 && name.size() >= typed.size() &&
                         UpperAnsi(name.substr(0, typed.size())) == key;
    if (matches) {
      FillRowsFromCurrent();
    } else {
      ShowNotFound();
    }
    return change;
  }

  // A scroll step goes on from the record in the first row (seeking its
  // name again would stop at the first of several places of that name).
  if (topRecno_ != 0 && topRecno_ <= table_.RecCount()) {
    table_.Go(topRecno_);
  } else {
    table_.FindNear(key);
  }
  if (table_.RecNo() == 0) {
    ShowNotFound();
    return change;
  }
  table_.MoveBy(direction == ScrollDirection::Up ? -1 : 1);
  change.text = Trim(table_.GetCField("NAME"));
  FillRowsFromCurrent();
  return change;
}

}  // namespace vostrane
