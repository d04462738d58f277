// SPDX-License-Identifier: GPL-3.0-or-later
// Removing entries from a session: the dependency walk that finds every
// entry derived from the removed one, and the rewrite of the session without
// them, with every stored entry number renumbered.
#pragma once

#include <vector>

#include "session/ChartEntry.h"

namespace vostrane {

struct EntriesToRemove {
  std::vector<int> records;  // sorted record numbers
  bool firstKept = false;    // the walk wanted every entry; the first stays
};

// entries[i] is record i + 1. The entries to remove: the entry itself and,
// repeatedly, every derived entry whose base entry is removed and every
// composite whose second base entry is removed (the walk looks at the first
// 1000 entries at most). When that would remove every entry, the first
// entry is kept.
EntriesToRemove CollectEntriesToRemove(const std::vector<ChartEntry>& entries, int record);

// Renumbers the entry numbers stored in one entry after the removal of the
// given records: base entries, compared entries of the printout selection
// and the bi- and tri-wheel chart references. References to removed entries
// or outside 1..entryCount are cleared.
void RenumberEntryReferences(ChartEntry& entry, const std::vector<int>& removed, int entryCount);

// Writes header, the remaining entries (renumbered) and a terminator to
// "INPUT.NEW" and then replaces "INPUT.FIL" with it. The session file must be
// closed. On a write failure the message "Error! Unable to write data to
// create new entries. Disk may be full." is shown and "INPUT.FIL" is left as
// it was. Returns whether the session file was replaced.
bool RewriteSessionWithout(const ChartEntry& header, const std::vector<ChartEntry>& entries,
                           const std::vector<int>& removed);

}  // namespace vostrane
