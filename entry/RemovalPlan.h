// SPDX-License-Identifier: GPL-3.0-or-later
// What removing an entry from the session means before anything is
// removed: whether it may be removed at all, which entries go with it (the
// dependency walk of session/EntryRemoval.h) and the question to ask.
#pragma once

#include <string>
#include <vector>

#include "session/ChartEntry.h"

namespace vostrane {

enum class RemovalKind {
  OnlyEntry,       // the session has one entry: refused
  ForecastsRefer,  // a progression whose natal chart has forecasts selected: refused
  Single,          // the entry alone: removed without asking
  WithDependents,  // the entry and its dependents: asked
  FirstKept,       // every entry would go: the first stays, the rest asked
};

struct RemovalPlan {
  RemovalKind kind = RemovalKind::Single;
  std::vector<int> removed;  // sorted record numbers; empty when refused
  std::string text;          // the refusal or the Yes/No question; empty for Single
};

// entries[i] is record i + 1; `record` is the entry to remove.
RemovalPlan PlanRemoval(const std::vector<ChartEntry>& entries, int record);

// After a removal: a natal entry keeps its duplicate-name mark only when an
// earlier natal entry has the same name. Returns the record numbers
// (1-based) whose mark was cleared.
std::vector<int> ClearStaleDuplicateMarks(std::vector<ChartEntry>& entries);

}  // namespace vostrane
