// SPDX-License-Identifier: GPL-3.0-or-later
// Movement and seeks of DbfTable: positions are index entries (key + record
// number) in the current order, so moving on from a record needs no search
// for the record itself, and changes other processes make to the index are
// taken in before every movement.
#include <cstdlib>

#include "tablestore/IndexFile.h"
#include "tablestore/ProductionIndex.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

void DbfTable::Refresh() {
  if (index_) index_->Refresh();
  else file_.RefreshCount();
}

DbfTable::Position DbfTable::PositionOf(uint32_t recno, const std::string& record) const {
  return MakeEntry(order_ == 0 ? std::string() : index_->Key(static_cast<size_t>(order_ - 1), record),
                   recno);
}

std::optional<DbfTable::Position> DbfTable::Edge(bool first) const {
  if (order_ > 0) {
    const TagView& view = index_->View(static_cast<size_t>(order_ - 1));
    return first ? view.First() : view.Last();
  }
  if (file_.Count() == 0) return std::nullopt;
  return MakeEntry(std::string(), first ? 1 : file_.Count());
}

std::optional<DbfTable::Position> DbfTable::Step(const Position& from, bool forward) const {
  if (order_ > 0) {
    const TagView& view = index_->View(static_cast<size_t>(order_ - 1));
    return forward ? view.After(from) : view.Before(from);
  }
  const uint32_t recno = EntryRecno(from);
  if (forward) {
    if (recno >= file_.Count()) return std::nullopt;
    return MakeEntry(std::string(), recno + 1);
  }
  if (recno <= 1) return std::nullopt;
  return MakeEntry(std::string(), std::min(recno - 1, file_.Count()));
}

template <typename Move>
auto DbfTable::Verified(Move move) -> decltype(move()) {
  for (int pass = 0;; ++pass) {
    staleEntry_ = false;
    auto result = move();
    if (!staleEntry_ || pass == 2) return result;
    if (pass == 1) index_->RebuildStale();
  }
}

bool DbfTable::LoadIfVisible(const Position& p) {
  const uint32_t recno = EntryRecno(p);
  if (recno < 1 || recno > file_.Count()) return false;
  file_.ReadRecord(recno, loaded_);
  // An entry is used only for the record whose key it holds: a table packed
  // or edited by another program leaves entries that name other records.
  if (order_ > 0 &&
      p.compare(0, p.size() - 4, index_->Key(static_cast<size_t>(order_ - 1), loaded_)) != 0) {
    staleEntry_ = true;
    return false;
  }
  if (hideDeletedRecords_ && loaded_[0] == '*') return false;
  return !filter_ || filter_->Accepts(loaded_);
}

std::optional<DbfTable::Position> DbfTable::WalkVisible(std::optional<Position> p, bool forward) {
  while (p && !LoadIfVisible(*p)) p = Step(*p, forward);
  return p;
}

void DbfTable::SetCurrent(const Position& p) {
  position_ = p;
  recno_ = EntryRecno(p);
  buffer_ = loaded_;
  changed_.assign(Layout().fields.size(), false);
}

void DbfTable::ClearCurrent() {
  recno_ = 0;
  position_.clear();
  loaded_.assign(static_cast<size_t>(Layout().recordLength), ' ');
  buffer_ = loaded_;
  changed_.assign(Layout().fields.size(), false);
}

void DbfTable::ReloadCurrent() {
  if (recno_ == 0 || recno_ > file_.Count()) {
    ClearCurrent();
    return;
  }
  file_.ReadRecord(recno_, loaded_);
  SetCurrent(PositionOf(recno_, loaded_));
}

void DbfTable::RebuildIndex() {
  RequireOpen();
  if (!index_) return;
  index_->RebuildStale();
  if (recno_ != 0) position_ = PositionOf(recno_, loaded_);
}

void DbfTable::SetIndexOrder(int order) {
  RequireOpen();
  if (order < 0 || order > static_cast<int>(tags_.size())) {
    throw TableError("Invalid Index Order Specified: SET_ORDER_TO. [Set_Order_To(" +
                     std::to_string(order) + ")] (DBF=" + dbfFileName_ + ")");
  }
  order_ = order;
  if (recno_ != 0) position_ = PositionOf(recno_, loaded_);
}

void DbfTable::First() {
  RequireOpen();
  Verified([this] {
    FirstOnce();
    return true;
  });
}

void DbfTable::FirstOnce() {
  Refresh();
  if (std::optional<Position> p = WalkVisible(Edge(true), true)) {
    SetCurrent(*p);
    bof_ = eof_ = false;
  } else {
    ClearCurrent();
    bof_ = eof_ = true;
  }
}

void DbfTable::MoveBy(int n) {
  RequireOpen();
  if (n == 0) {
    Refresh();
    ReloadCurrent();
    return;
  }
  // A step that met a stale entry starts again from the same record.
  const uint32_t from = recno_;
  const bool bof = bof_, eof = eof_;
  int pass = 0;
  Verified([&] {
    if (pass++ > 0 && from != 0 && from <= file_.Count()) {
      file_.ReadRecord(from, loaded_);
      SetCurrent(PositionOf(from, loaded_));
      bof_ = bof;
      eof_ = eof;
    }
    MoveByOnce(n);
    return true;
  });
}

void DbfTable::MoveByOnce(int n) {
  Refresh();
  const bool forward = n > 0;
  if (recno_ == 0) {
    (forward ? eof_ : bof_) = true;
    return;
  }
  bof_ = eof_ = false;
  for (int64_t i = 0; i < std::abs(static_cast<int64_t>(n)); ++i) {
    std::optional<Position> p = WalkVisible(Step(position_, forward), forward);
    if (!p) {
      (forward ? eof_ : bof_) = true;
      ReloadCurrent();
      return;
    }
    SetCurrent(*p);
  }
}

void DbfTable::Go(uint32_t recno) {
  RequireOpen();
  Refresh();
  if (recno < 1 || recno > file_.Count()) {
    throw TableError("Record number out of range: " + std::to_string(recno) + " (DBF=" + dbfFileName_ +
                     ")");
  }
  file_.ReadRecord(recno, loaded_);
  SetCurrent(PositionOf(recno, loaded_));
  bof_ = eof_ = false;
}

uint32_t DbfTable::RecordCount() {
  RequireOpen();
  Refresh();
  return file_.Count();
}

bool DbfTable::FindExact(std::string_view key) { return Seek(key, true); }

bool DbfTable::FindNear(std::string_view key) { return Seek(key, false); }

bool DbfTable::Seek(std::string_view key, bool exact) {
  RequireOpen();
  if (order_ == 0) throw TableError("Cannot use Find() with index order 0 (natural order) [Find]");
  if (key.empty()) return false;
  return Verified([&] { return SeekOnce(key, exact); });
}

bool DbfTable::SeekOnce(std::string_view key, bool exact) {
  Refresh();
  const TagView& view = index_->View(static_cast<size_t>(order_ - 1));
  const size_t keyLength = tags_[static_cast<size_t>(order_ - 1)].KeyLength();
  std::string probe(key);
  // Blanks beyond the key length do not count.
  if (probe.size() > keyLength && probe.find_first_not_of(' ', keyLength) == std::string::npos) {
    probe.resize(keyLength);
  }
  if (exact && probe.size() < keyLength) probe.resize(keyLength, ' ');
  // A probe longer than the keys can only be passed: the keys equal to its
  // first part sort before it.
  const std::optional<Position> start = probe.size() > keyLength
                                            ? view.After(probe.substr(0, keyLength) +
                                                         std::string(4, '\xFF'))
                                            : view.AtOrAfter(probe);
  if (std::optional<Position> landed = WalkVisible(start, true)) {
    SetCurrent(*landed);
    bof_ = eof_ = false;
    if (probe.size() <= keyLength && landed->compare(0, probe.size(), probe) == 0) return true;
    if (!exact) return false;  // soft seek: on the next key
  }
  // Not found: at the end of the table, that is on its last record.
  if (std::optional<Position> last = WalkVisible(Edge(false), false)) {
    SetCurrent(*last);
    bof_ = false;
    eof_ = true;
  } else {
    ClearCurrent();
    bof_ = eof_ = true;
  }
  return false;
}

}  // namespace vostrane
