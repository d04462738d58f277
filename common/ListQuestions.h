// SPDX-License-Identifier: GPL-3.0-or-later
// The questions asked before a list of charts is replaced or brought back,
// shared by the main menu and the viewer so both say the same.
#pragma once

#include <string>

namespace vostrane {

// "New List of Charts" and the viewer's "Clear All Entries" when the list
// holds `charts` entries.
std::string NewListQuestion(int charts);

// "Restore Previous List": `previous` entries in the backup, `current` in
// the session file.
std::string RestoreListQuestion(int previous, int current);

// "Restore Previous List" without a kept list.
std::string NoPreviousListText();

}  // namespace vostrane
