// SPDX-License-Identifier: GPL-3.0-or-later
// One tag's entries in sorted order as a single view over three sources: the
// base read from the index file, the changes of the journal applied on top
// (insertions and removals), and extra entries a reader derives itself for
// records the committed index does not cover yet. Entries are compared
// byte-wise; an entry is the key followed by the big-endian record number.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tablestore/IndexFile.h"

namespace vostrane {

class TagView {
 public:
  explicit TagView(size_t width = 0) : width_(width) {}

  size_t Width() const { return width_; }
  // The sorted base entries; the string must outlive the view's use of it.
  // The sorted entries of the index file (they live as long as the file is
  // open).
  void SetBase(std::string_view base);
  void Apply(JournalOp op, const std::string& entry);
  void ClearExtra() { extra_.clear(); }
  // Adds the entry unless the view already holds it.
  void AddExtra(const std::string& entry);
  // The extra entries, for a writer to put into the journal.
  std::vector<std::string> ExtraEntries() const { return {extra_.begin(), extra_.end()}; }

  bool Contains(std::string_view entry) const;
  // First entry >= probe, first entry > probe, last entry < probe. The probe
  // may be shorter or longer than an entry (plain byte-wise order).
  std::optional<std::string> AtOrAfter(std::string_view probe) const;
  std::optional<std::string> After(std::string_view probe) const;
  std::optional<std::string> Before(std::string_view probe) const;
  std::optional<std::string> First() const { return AtOrAfter(std::string_view()); }
  std::optional<std::string> Last() const;

  // All entries in order, concatenated; `count` receives their number.
  std::string Materialize(size_t& count) const;

 private:
  using EntrySet = std::set<std::string, std::less<>>;
  size_t BaseCount() const { return base_.size() / width_; }
  std::string_view BaseAt(size_t i) const { return std::string_view(base_.data() + i * width_, width_); }
  // Index of the first base entry not before the probe (strictly after it
  // when `strict`).
  size_t BaseBound(std::string_view probe, bool strict) const;
  std::optional<std::string> Forward(std::string_view probe, bool strict) const;

  size_t width_;
  std::string_view base_;
  EntrySet inserted_;  // journal insertions not in the base
  EntrySet removed_;   // base entries the journal removed
  EntrySet extra_;
};

}  // namespace vostrane
