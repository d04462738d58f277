// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/EntriesMenu.h"

#include <cctype>

#include "derived/DerivedKindTitle.h"

namespace vostrane {

std::string ChartKindLabel(const ChartEntry& e, const TextSource& text) {
  if (std::string derived = DerivedKindTitle(e); !derived.empty()) return derived;
  const int type = e.chartType();
  if (type <= 3) return text(10046 + type);
  if (type == 4) return text(10019 + e.chartSubtype());
  if (type == 6) return text(10057) + " " + e.place();
  if (type == 7) return "Planet Return";
  return "";
}

std::string OtherEntryLine(int record, const ChartEntry& e, const TextSource& text) {
  return std::to_string(record) + ": " + e.name() + " - " + ChartKindLabel(e, text);
}

int EntryNumberOfLine(const std::string& line) {
  int n = 0;
  for (char c : line) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    if (n > 100000000) return 0;  // no session has that many entries
    n = 10 * n + (c - '0');
  }
  return n;
}

EntriesMenu BuildEntriesMenu(const std::vector<std::string>& lines) {
  EntriesMenu menu;
  for (size_t k = 0; k < menu.captions.size() && k < lines.size(); ++k) {
    menu.captions[k] = lines[k];
    menu.visible[k] = true;
  }
  menu.menuVisible = !lines.empty();
  return menu;
}

}  // namespace vostrane
