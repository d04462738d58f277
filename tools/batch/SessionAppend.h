// Appending an entry to the session file from the batch tool, so that the
// file always keeps its terminator record.
#pragma once

#include <cstdint>

#include "platform/RecordFile.h"
#include "session/ChartEntry.h"

namespace vostrane::batch {

// Record number of the terminator of the open session file; -2 when the
// file has none.
int64_t FindTerminator(RecordFile& file);

// Adds the entry at the terminator's place so that a failure or a kill after
// any single write leaves a session file with its terminator: an existing
// file first gets the new terminator one record further on and only then the
// entry over the old one; a new file is written whole beside its name and
// renamed into place. Closes the file.
bool AddEntry(RecordFile& file, bool exists, int64_t terminator, const ChartEntry& entry);

}  // namespace vostrane::batch
