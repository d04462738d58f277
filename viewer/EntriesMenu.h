// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's list of the other entries of the session and the Entries
// menu that mirrors it: one line per entry but the current one, "i: name -
// kind", and menu items for the first twenty lines.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "session/ChartEntry.h"

namespace vostrane {

inline constexpr int kEntryMenuItems = 20;

// A message text by number (shell/MessageTextFile.h's MessageText in the
// program; tests give their own).
using TextSource = std::function<std::string(int)>;

// The chart-kind label of an entry: a derived chart this program makes its
// kind title (derived/DerivedKindTitle.h); otherwise chart types 0..3 texts 10046..10049,
// type 4 text 10019 + chartSubtype, type 6 text 10057, a blank and the place,
// type 7 "Planet Return"; other types have none.
std::string ChartKindLabel(const ChartEntry& e, const TextSource& text);

// "i: name - kind".
std::string OtherEntryLine(int record, const ChartEntry& e, const TextSource& text);

// The entry number at the start of a line (its leading digits); 0 when the
// line does not start with a digit.
int EntryNumberOfLine(const std::string& line);

struct EntriesMenu {
  // Item k (from 0) shows captions[k] when visible[k].
  std::array<std::string, kEntryMenuItems> captions;
  std::array<bool, kEntryMenuItems> visible{};
  // The menu itself is hidden when no other entry exists.
  bool menuVisible = false;
};

// The menu for the list lines; lines past the twentieth get no item.
EntriesMenu BuildEntriesMenu(const std::vector<std::string>& lines);

}  // namespace vostrane
