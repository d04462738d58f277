// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/RemovalPlan.h"

#include <algorithm>

#include "entry/EntryMarks.h"
#include "platform/TextTrim.h"
#include "session/EntryRemoval.h"

namespace vostrane {
namespace {

const char* const kOnlyEntryText =
    "There is only 1 entry.\r\nYou cannot remove this entry.\r\n\r\nNote that if you want to "
    "change\r\nthis entry, you can simply change\r\nthe name and birth data.";
const char* const kForecastsText =
    "Sorry! You cannot remove this item because the\r\nnatal chart of this progressed chart has "
    "forecasts\r\nselected which may require this entry.\r\n\r\nYou must un-select these "
    "forecasts before you can\r\nremove this entry.";
const char* const kDependentsLine =
    "entries that are dependent on this entry,\r\nsuch as, for example, progressions or solar "
    "returns of this\r\nentry, and they will";
const char* const kProceed = "\r\n\r\nProceed with removing these entries?";

// A natal chart has forecasts selected that need its progressions when a
// printout of it carries one of the forecast codes.
bool HasForecasts(const ChartEntry& natal) {
  for (int g = 1; g <= 8; ++g) {
    for (int k = 1; k <= 25; ++k) {
      const std::string code = natal.printoutCode(k, g);
      if (code == "ZZZ" || code == "YYY") return true;
    }
  }
  return false;
}

}  // namespace

RemovalPlan PlanRemoval(const std::vector<ChartEntry>& entries, int record) {
  RemovalPlan plan;
  const int count = static_cast<int>(entries.size());
  if (count <= 1) {
    plan.kind = RemovalKind::OnlyEntry;
    plan.text = kOnlyEntryText;
    return plan;
  }
  const ChartEntry& entry = entries[record - 1];
  const int natal = entry.baseEntry();
  if (entry.chartType() == chart_type::kProgressed && natal >= 1 && natal <= count &&
      HasForecasts(entries[natal - 1])) {
    plan.kind = RemovalKind::ForecastsRefer;
    plan.text = kForecastsText;
    return plan;
  }

  const EntriesToRemove walk = CollectEntriesToRemove(entries, record);
  plan.removed = walk.records;
  const int n = static_cast<int>(plan.removed.size());
  if (walk.firstKept) {
    plan.kind = RemovalKind::FirstKept;
    plan.text =
        "Note: The first entry will not be removed because there\r\nmust be at least one entry. "
        "You can change it by simply\r\nchanging the name and birth data.\r\n\r\nThere are " +
        std::to_string(n) + " " + kDependentsLine + " be removed." + kProceed;
  } else if (n > 1) {
    plan.kind = RemovalKind::WithDependents;
    plan.text = "Note: There are " + std::to_string(n - 1) + " " + kDependentsLine +
                " also be removed." + kProceed;
  } else {
    plan.kind = RemovalKind::Single;
  }
  return plan;
}

std::vector<int> ClearStaleDuplicateMarks(std::vector<ChartEntry>& entries) {
  std::vector<int> cleared;
  for (size_t i = 0; i < entries.size(); ++i) {
    ChartEntry& e = entries[i];
    if (e.chartType() != 0 || !IsDuplicateName(e)) continue;
    const std::string name = Trim(e.name());
    const bool earlier = std::any_of(entries.begin(), entries.begin() + static_cast<long>(i),
                                     [&name](const ChartEntry& other) {
                                       return other.chartType() == 0 && Trim(other.name()) == name;
                                     });
    if (!earlier) {
      SetDuplicateName(e, false);
      cleared.push_back(static_cast<int>(i) + 1);
    }
  }
  return cleared;
}

}  // namespace vostrane
