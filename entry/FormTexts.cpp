// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/FormTexts.h"

#include "common/MessageTextFile.h"

namespace vostrane {
namespace {

// The table's ranges of text numbers, in slot order.
struct TextRange {
  int first;
  int last;
};
constexpr TextRange kRanges[] = {
    {10007, 10057}, {8881, 9100}, {11168, 11196}, {9989, 9990}, {9986, 9988}};

}  // namespace

int FormTextTable::SlotOf(int number) {
  int slot = 0;
  for (const TextRange& r : kRanges) {
    if (number >= r.first && number <= r.last) return slot + (number - r.first);
    slot += r.last - r.first + 1;
  }
  return -1;
}

void FormTextTable::Load() {
  int slot = 0;
  for (const TextRange& r : kRanges) {
    bool readable = PositionAtMessageText(r.first);
    for (int number = r.first; number <= r.last; ++number, ++slot) {
      if (readable) {
        slots_[slot] = NextMessageText();
        readable = slots_[slot] != kUnreadableText;
      } else {
        slots_[slot] = kUnreadableText;
      }
    }
  }
  loaded_ = true;
}

std::string FormTextTable::Text(int number) const {
  const int slot = SlotOf(number);
  if (!loaded_ || slot < 0) return MessageText(number);
  return slots_[slot];
}

FormTextTable& FormTexts() {
  static FormTextTable table;
  return table;
}

std::string FormText(int number) { return FormTexts().Text(number); }

}  // namespace vostrane
