// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's text table: 305 texts of the message text file,
// loaded once when the form is created and named by their text numbers.
#pragma once

#include <array>
#include <string>

namespace vostrane {

class FormTextTable {
 public:
  static constexpr int kSlots = 305;

  // Reads the texts 10007-10057, 8881-9100, 11168-11196, 9989-9990 and
  // 9986-9988 into the slots, in this order. A range whose reading fails
  // stops there (one message per range) and its remaining slots hold the
  // unreadable-text placeholder.
  void Load();
  bool IsLoaded() const { return loaded_; }

  // Text by its number. Numbers outside the table, or any number before
  // Load(), are read from the message text file directly.
  std::string Text(int number) const;

 private:
  // Slot of a text number, or -1 when the table does not hold it.
  static int SlotOf(int number);

  std::array<std::string, kSlots> slots_{};
  bool loaded_ = false;
};

// The form's table (one for the program, as the form is created once).
FormTextTable& FormTexts();
// Shorthand for FormTexts().Text(number).
std::string FormText(int number);

}  // namespace vostrane
