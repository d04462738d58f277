// SPDX-License-Identifier: GPL-3.0-or-later
// The units of the masked fields of the birth data form, and the rules of
// each field that look at more than one unit: the day of the month, the
// 24-hour hour, and the pole and the date line.
#pragma once

#include <cstddef>
#include <string>

#include "common/MaskedFields.h"

namespace vostrane {

// The most days a month can have in any year: 29 in February, 30 in April,
// June, September and November, 31 otherwise.
int MostDaysOfMonth(int month);

// Runs when unit u of the text has just been filled: an hour of the time
// typed in 24-hour form (0, 13 to 23) becomes 12 AM or 1 to 11 PM.
void AfterUnitComplete(const FieldLayout& layout, size_t u, std::string& text);

// What is wrong with the complete units taken together (a day beyond the
// month's last, a latitude beyond 90 degrees, a longitude beyond 180); empty
// when nothing.
std::string CombinationProblem(const FieldLayout& layout, const std::string& text);

}  // namespace vostrane
