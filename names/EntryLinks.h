// SPDX-License-Identifier: GPL-3.0-or-later
// The links between the session's chart entries and the persons of the name
// file: of several natal entries with one name only one holds the link (its
// name-file record number, duplicate-name letter 'N'); the others carry the
// letter 'Y' and no record number.
#pragma once

#include <string>

#include "session/ChartEntry.h"

namespace vostrane {

// After entry `current` (of `count`) was read from or saved to the name
// file: every other natal entry with the same trimmed name is looked at. An
// earlier one that has a record number keeps the link and the current entry
// loses it (record number 0, letter 'Y'); any other one loses its link
// (record number 0, letter 'Y') and is written back. Returns true when the
// current entry lost its link; the caller writes the current entry.
bool DeduplicateLinks(int current, int count, ChartEntry& entry);

// After the person of that name was removed from the name file: every other
// natal entry with the same trimmed name that carried the letter 'Y' gets
// 'N' back and is written.
void ReleaseDuplicateMarks(int current, int count, const std::string& name);

}  // namespace vostrane
