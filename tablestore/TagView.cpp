// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/TagView.h"

#include <algorithm>

namespace vostrane {

namespace {

using Candidate = std::optional<std::string>;

void KeepSmaller(Candidate& best, Candidate other) {
  if (other && (!best || *other < *best)) best = std::move(other);
}

void KeepLarger(Candidate& best, Candidate other) {
  if (other && (!best || *other > *best)) best = std::move(other);
}

template <typename Set>
Candidate SetBound(const Set& set, std::string_view probe, bool strict) {
  auto it = strict ? set.upper_bound(probe) : set.lower_bound(probe);
  return it == set.end() ? Candidate() : Candidate(*it);
}

template <typename Set>
Candidate SetBefore(const Set& set, std::string_view probe) {
  auto it = set.lower_bound(probe);
  return it == set.begin() ? Candidate() : Candidate(*std::prev(it));
}

}  // namespace

void TagView::SetBase(std::string_view base) {
  base_ = base;
  inserted_.clear();
  removed_.clear();
  extra_.clear();
}

void TagView::Apply(JournalOp op, const std::string& entry) {
  if (op == JournalOp::Insert) {
    if (removed_.erase(entry) == 0) inserted_.insert(entry);
  } else if (inserted_.erase(entry) == 0) {
    removed_.insert(entry);
  }
}

void TagView::AddExtra(const std::string& entry) {
  if (!Contains(entry)) extra_.insert(entry);
}

bool TagView::Contains(std::string_view entry) const {
  if (inserted_.count(entry) || extra_.count(entry)) return true;
  const size_t i = BaseBound(entry, false);
  return i < BaseCount() && BaseAt(i) == entry && !removed_.count(entry);
}

size_t TagView::BaseBound(std::string_view probe, bool strict) const {
  size_t lo = 0, hi = BaseCount();
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    const int c = BaseAt(mid).compare(probe);
    if (c < 0 || (strict && c == 0)) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

std::optional<std::string> TagView::Forward(std::string_view probe, bool strict) const {
  Candidate best;
  for (size_t i = BaseBound(probe, strict); i < BaseCount(); ++i) {
    if (!removed_.count(BaseAt(i))) {
      best = std::string(BaseAt(i));
      break;
    }
  }
  KeepSmaller(best, SetBound(inserted_, probe, strict));
  KeepSmaller(best, SetBound(extra_, probe, strict));
  return best;
}

std::optional<std::string> TagView::AtOrAfter(std::string_view probe) const {
  return Forward(probe, false);
}

std::optional<std::string> TagView::After(std::string_view probe) const { return Forward(probe, true); }

std::optional<std::string> TagView::Before(std::string_view probe) const {
  Candidate best;
  for (size_t i = BaseBound(probe, false); i > 0; --i) {
    if (!removed_.count(BaseAt(i - 1))) {
      best = std::string(BaseAt(i - 1));
      break;
    }
  }
  KeepLarger(best, SetBefore(inserted_, probe));
  KeepLarger(best, SetBefore(extra_, probe));
  return best;
}

std::optional<std::string> TagView::Last() const {
  // Every entry is below a probe of width_ + 1 bytes of 0xFF.
  return Before(std::string(width_ + 1, '\xFF'));
}

std::string TagView::Materialize(size_t& count) const {
  EntrySet added = inserted_;
  added.insert(extra_.begin(), extra_.end());
  std::string out;
  out.reserve((BaseCount() + added.size()) * width_);
  count = 0;
  auto next = added.begin();
  for (size_t i = 0; i < BaseCount(); ++i) {
    const std::string_view entry = BaseAt(i);
    if (removed_.count(entry)) continue;
    for (; next != added.end() && *next < entry; ++next, ++count) out += *next;
    out.append(entry);
    ++count;
  }
  for (; next != added.end(); ++next, ++count) out += *next;
  return out;
}

}  // namespace vostrane
