// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the birth data form keeps in a chart entry besides its birth
// data: the default printouts of a new entry, the Old-Style-asked flag, and
// the duplicate-name letter of the name-file link.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane {

// Printout group 1 of a new entry from the control record's default
// selection (up to 10 groups of 'Y' or 'N' and a 3-letter code): the codes
// of the 'Y' groups fill rows 1, 2, ... in order, every other row holds
// "XXX", and element 441 counts the selected printouts.
void ApplyDefaultPrintouts(ChartEntry& entry, const std::string& selection);

// Element 32: set once the form has shown its date notes for the entry, or
// when the entry was read from the name file.
bool OldStyleAsked(const ChartEntry& entry);
void SetOldStyleAsked(ChartEntry& entry);

// The duplicate-name mark: set when an earlier entry of the session holds
// the name-file link for the same name. Kept in the entry's name-file
// marker byte (offset 6468) as 'Y' or 'N'; a new entry has 'N'.
bool IsDuplicateName(const ChartEntry& entry);
void SetDuplicateName(ChartEntry& entry, bool duplicate);

}  // namespace vostrane
