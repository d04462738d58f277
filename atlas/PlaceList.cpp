// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceList.h"

#include "atlas/PlacesTable.h"
#include "platform/TextTrim.h"

namespace vostrane {

std::string DecoratedPlaceRow(const std::string& shownName, int dstPtr, bool firstRow) {
  std::string prefix = firstRow ? "=> " : "   ";
  if (dstPtr < 0) prefix[2] = '*';
  std::string name = shownName;
  if (name.size() < static_cast<size_t>(kPlaceNameWidth)) name.resize(kPlaceNameWidth, ' ');
  return prefix + name + (firstRow ? " <=" : "   ");
}

std::string RowPlaceName(const std::string& row) {
  if (row.size() <= 6) return "";
  return Trim(row.substr(3, row.size() - 6));
}

std::string OtherNameText(const std::string& otherName, const std::string& placeName) {
  return Trim(otherName) + " = " + Trim(placeName);
}

PlaceList::PlaceList(DbfTable& table, std::string notFoundText)
    : table_(table),
      notFound_(std::move(notFoundText)),
      rows_(kPlaceListRows, " "),
      rowRecords_(kPlaceListRows, 0),
      rowPlaces_(kPlaceListRows) {}

bool PlaceList::FirstRowIsPlace() const { return RowIsChoosable(0); }

bool PlaceList::RowIsChoosable(int row) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  if (notFoundShown_ || rows_[0] == notFound_) return false;
  return rows_[static_cast<size_t>(row)].size() > 6;
}

uint32_t PlaceList::RowRecord(int row) const {
  return RowIsChoosable(row) ? rowRecords_[static_cast<size_t>(row)] : 0;
}

std::string PlaceList::RowPlace(int row) const {
  return RowIsChoosable(row) ? rowPlaces_[static_cast<size_t>(row)] : std::string();
}

void PlaceList::ShowNotFound() {
  notFoundShown_ = true;
  topRecno_ = 0;
  rows_.assign(kPlaceListRows, " ");
  rowRecords_.assign(kPlaceListRows, 0);
  rowPlaces_.assign(kPlaceListRows, std::string());
  rows_[0] = notFound_;
}

void PlaceList::FillRowsFromCurrent() {
  rows_.assign(kPlaceListRows, " ");
  rowRecords_.assign(kPlaceListRows, 0);
  rowPlaces_.assign(kPlaceListRows, std::string());
  topRecno_ = table_.RecordNumber();
  if (topRecno_ == 0) return;
  for (int row = 0; row < kPlaceListRows; ++row) {
    const uint32_t recno = table_.RecordNumber();
    const PlaceRecord p = ReadPlaceRecord(table_);
    const size_t r = static_cast<size_t>(row);
    rowRecords_[r] = recno;
    rowPlaces_[r] = Trim(p.name);
    std::string shown = p.name;
    if (p.seeRecord != 0 && p.seeRecord <= table_.RecordCount()) {
      // Another name: show and choose the place it leads to, then come back.
      table_.Go(p.seeRecord);
      rowPlaces_[r] = Trim(table_.TextField("NAME"));
      rowRecords_[r] = p.seeRecord;
      shown = OtherNameText(p.name, rowPlaces_[r]);
      table_.Go(recno);
    }
    rows_[r] = DecoratedPlaceRow(shown, p.dstPtr, row == 0);
    table_.MoveBy(1);
    if (table_.AtEnd()) break;
  }
}

bool PlaceList::SeekQuery(const PlaceQuery& q) {
  if (!q.hasRegion) {
    table_.FindNear(q.city);
    return table_.RecordNumber() != 0 && KeyMatchesQuery(table_.TextField("SRCHKEY"), q);
  }
  // The places of the city stand together, largest first: the first whose
  // region begins with the typed region.
  if (q.city.empty() || !table_.FindNear(q.city + ' ')) return false;
  const std::string cityKey = q.city + ' ';
  for (;;) {
    const std::string key = table_.TextField("SRCHKEY");
    if (key.compare(0, cityKey.size(), cityKey) != 0) return false;
    if (KeyMatchesQuery(key, q)) return true;
    table_.MoveBy(1);
    if (table_.AtEnd()) return false;
  }
}

bool PlaceList::GoToFirstRow(const std::string& typed) {
  // A whole name with its region ("Franklin (Oil City), PA", as a scroll
  // step or the birth data form put it there) is found as it stands.
  if (typed.find(',') != std::string::npos) {
    const std::string key = PlaceKey(typed);
    table_.SetIndexOrder(kPlacesCityOrder);
    const bool exact = table_.FindExact(key);
    const uint32_t recno = table_.RecordNumber();
    table_.SetIndexOrder(kPlacesSearchOrder);
    if (exact && recno != 0) {
      table_.Go(recno);
      return true;
    }
  }
  const PlaceQuery query = ParsePlaceQuery(typed);
  if (query.city.empty() && !query.hasRegion) {
    // Nothing to seek: the list stays where its first row was.
    if (topRecno_ != 0 && topRecno_ <= table_.RecordCount()) table_.Go(topRecno_);
    else table_.First();
    return table_.RecordNumber() != 0;
  }
  return SeekQuery(query);
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
  table_.SetIndexOrder(kPlacesSearchOrder);

  if (direction == ScrollDirection::None) {
    if (GoToFirstRow(typed)) {
      FillRowsFromCurrent();
    } else {
      ShowNotFound();
    }
    return change;
  }

  // A scroll step goes on from the record in the first row (seeking its
  // name again would stop at the first of several places of that name).
  if (topRecno_ != 0 && topRecno_ <= table_.RecordCount()) {
    table_.Go(topRecno_);
  } else if (!GoToFirstRow(typed)) {
    ShowNotFound();
    return change;
  }
  if (table_.RecordNumber() == 0) {
    ShowNotFound();
    return change;
  }
  table_.MoveBy(direction == ScrollDirection::Up ? -1 : 1);
  change.text = Trim(table_.TextField("NAME"));
  FillRowsFromCurrent();
  return change;
}

}  // namespace vostrane
