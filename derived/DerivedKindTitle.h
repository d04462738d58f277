// SPDX-License-Identifier: GPL-3.0-or-later
// The kind title of an entry as lists, menus and window captions show it:
// the kind's name ("Transits", "Solar Return"), with the planet of a planet
// return ("Planet Return (Mars)") and the number of a harmonic chart
// ("Harmonic Chart 5").
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane {

// "" for a natal chart and for an entry type this program does not create.
std::string DerivedKindTitle(const ChartEntry& entry);

// The kind in a word or two, for narrow headings such as a table column
// over a ring's values: "Natal", "Transits", "Progressed", "Solar Arc",
// "Solar Return", "Composite"; "Chart" for an entry type this program does
// not create.
std::string ChartKindHeading(const ChartEntry& entry);

// The bodies of a planet return: Mercury (slot 2) to Saturn (slot 6).
inline constexpr int kReturnBodyFirst = 2;
inline constexpr int kReturnBodyLast = 6;
// Its name; "" for another slot.
const char* ReturnBodyName(int slot);

}  // namespace vostrane
