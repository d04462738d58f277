// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data form's use of the session file: creating it for a new
// session, reading and writing entries by number, removing entries through
// the rewrite, and the terminator that ends the list.
#pragma once

#include <optional>
#include <vector>

#include "session/ChartEntry.h"

namespace vostrane {

// Creates "INPUT.FIL" and writes its header: the working entry image with
// its name, place, the strings at 6358 and 6400 and the alternate name
// emptied. False when the file cannot be created.
bool StartSessionFile(const ChartEntry& workingImage);

// Opens the existing session file to go on with its list: the entries up
// to the terminator, in order.
std::vector<ChartEntry> OpenExistingSession();

ChartEntry ReadSessionEntry(int k);
void WriteSessionEntry(int k, const ChartEntry& entry);
// Entries 1..count, in order.
std::vector<ChartEntry> ReadSessionEntries(int count);

// Writes the terminator record (`used` 0) as record `record` and closes the
// session file.
void WriteTerminatorAndClose(int record);

// Removes the given records (sorted) from the open session: the file is
// closed, rewritten without them (renumbering every stored entry number) and
// opened again. Natal entries keep a duplicate-name mark only when an
// earlier natal entry has the same name; cleared marks are written. Returns
// the entries left, or nullopt when the rewrite failed (the session is then
// unchanged and open again).
std::optional<std::vector<ChartEntry>> RemoveSessionEntries(const std::vector<ChartEntry>& entries,
                                                            const std::vector<int>& removed);

}  // namespace vostrane
