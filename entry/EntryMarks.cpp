// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryMarks.h"

namespace vostrane {
namespace {

constexpr int kOldStyleAsked = 32;
constexpr int kGroupOneCount = 441;
constexpr int kRows = 25;
constexpr int kGroupSize = 4;  // 'Y' or 'N' and a 3-letter code

}  // namespace

void ApplyDefaultPrintouts(ChartEntry& entry, const std::string& selection) {
  int row = 0;
  for (size_t i = 0; i + kGroupSize <= selection.size() && row < kRows; i += kGroupSize) {
    if (selection[i] == 'Y') entry.setPrintoutCode(++row, 1, selection.substr(i + 1, 3));
  }
  entry.setPrintoutParam(kGroupOneCount, row);
  while (row < kRows) entry.setPrintoutCode(++row, 1, "XXX");
}

bool OldStyleAsked(const ChartEntry& entry) { return entry.printoutParam(kOldStyleAsked) == 1; }

void SetOldStyleAsked(ChartEntry& entry) { entry.setPrintoutParam(kOldStyleAsked, 1); }

bool IsDuplicateName(const ChartEntry& entry) { return entry.saveMarker() == 'Y'; }

void SetDuplicateName(ChartEntry& entry, bool duplicate) { entry.setSaveMarker(duplicate ? 'Y' : 'N'); }

}  // namespace vostrane
