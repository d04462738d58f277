// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/PersonIndex.h"

#include <algorithm>
#include <numeric>

#include "atlas/PlaceSearchKey.h"
#include "common/MaskedFields.h"
#include "names/NameTable.h"
#include "names/PersonRecord.h"
#include "platform/CodePage.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

PersonRow RowOf(uint32_t record, BirthDataFields fields, const ChangeTimes& times) {
  PersonRow row;
  row.record = record;
  row.folded = PersonSearchForm(fields.name);
  const CalendarDate date = ParseDateText(fields.date).value_or(CalendarDate{});
  const ClockTime time = ParseTimeText(fields.time).value_or(ClockTime{});
  row.columns[kNameColumn] = Cp1252ToUtf8(Trim(fields.name));
  row.columns[kDateColumn] = std::to_string(date.year) + "-" + Two(date.month) + "-" + Two(date.day);
  row.columns[kTimeColumn] = Two(time.hours) + ":" + Two(time.minutes) + ":" + Two(time.seconds);
  row.columns[kPlaceColumn] = Cp1252ToUtf8(Trim(fields.place));
  row.sortKeys[kDateColumn] = int64_t{date.year} * 10000 + date.month * 100 + date.day;
  row.sortKeys[kTimeColumn] = time.hours * 3600 + time.minutes * 60 + time.seconds;
  row.sortKeys[kChangedColumn] = -1;  // none known: before every time
  if (const std::optional<int64_t> changed = times.ChangedAt(record, fields.name)) {
    row.columns[kChangedColumn] = ChangeTimeText(*changed);
    row.sortKeys[kChangedColumn] = *changed;
  }
  row.fields = std::move(fields);
  return row;
}

}  // namespace

std::string PersonSearchForm(const std::string& cp1252) {
  std::string folded = FoldPlaceText(cp1252);
  folded.erase(std::remove(folded.begin(), folded.end(), kPlaceKeySeparator), folded.end());
  return folded;
}

void PersonIndex::Load(DbfTable& table) {
  rows_.clear();
  changeTimes_.clear();
  if (table.IsOpen()) {
    const ChangeTimes times = ReadChangeTimes(ChangeTimesFileOf(table.DbfFileName()));
    changeTimes_ = times.problem;
    table.SetFilter("");
    table.SetIndexOrder(kNameOrder);
    for (table.First(); !table.AtEnd(); table.Skip(1))
      if (!table.Deleted()) rows_.push_back(RowOf(table.RecordNumber(), ReadBirthData(table), times));
  }
  SortAll();
  // The search in force is made again on the rows read.
  found_.clear();
  for (uint32_t i : sorted_)
    if (rows_[i].folded.find(key_) != std::string::npos) found_.push_back(i);
}

void PersonIndex::Sort(int column, bool ascending) {
  column_ = std::clamp(column, 0, kPersonColumns - 1);
  ascending_ = ascending;
  SortAll();
  // The rows found keep their search, in the new order.
  std::vector<char> isFound(rows_.size(), 0);
  for (uint32_t i : found_) isFound[i] = 1;
  found_.clear();
  for (uint32_t i : sorted_)
    if (isFound[i]) found_.push_back(i);
}

void PersonIndex::Search(const std::string& typedCp1252) {
  const std::string key = PersonSearchForm(typedCp1252);
  // A longer key that holds the last one finds a part of what that found.
  const bool narrowing = key.find(key_) != std::string::npos;
  const std::vector<uint32_t> from = narrowing ? std::move(found_) : sorted_;
  key_ = key;
  found_.clear();
  for (uint32_t i : from)
    if (rows_[i].folded.find(key_) != std::string::npos) found_.push_back(i);
}

void PersonIndex::SortAll() {
  sorted_.resize(rows_.size());
  std::iota(sorted_.begin(), sorted_.end(), 0u);
  const int c = column_;
  const auto less = [&](uint32_t a, uint32_t b) {
    const PersonRow& x = rows_[a];
    const PersonRow& y = rows_[b];
    switch (c) {
      case kNameColumn: return x.folded < y.folded;
      case kPlaceColumn: return x.columns[c] < y.columns[c];
      default: return x.sortKeys[c] < y.sortKeys[c];
    }
  };
  // Equal keys stay in name order, in either direction.
  if (ascending_) std::stable_sort(sorted_.begin(), sorted_.end(), less);
  else
    std::stable_sort(sorted_.begin(), sorted_.end(), [&](uint32_t a, uint32_t b) { return less(b, a); });
}

}  // namespace vostrane
