// SPDX-License-Identifier: GPL-3.0-or-later
// The session file "INPUT.FIL": record 0 is a header, records 1..n the
// entries, record n + 1 a terminator whose `used` byte is 0. One access
// routine with its operations serves every reader and writer; any failure
// shows its message and ends the program.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FileLock.h"
#include "platform/RecordFile.h"
#include "session/ChartEntry.h"

namespace vostrane {

inline constexpr const char* kSessionFileName = "INPUT.FIL";
inline constexpr const char* kSessionRewriteName = "INPUT.NEW";

// What one call of SessionAccess does; `record` is used where it says "at".
enum class SessionOperation {
  OpenReadHeader,  // open the existing file and read record 0 (the header)
  OpenReadFirst,   // open the existing file and read record 1
  ReadNext,        // read the record at the current position
  ReadAt,          // position at `record` and read it
  Seek,            // position at `record`
  WriteHere,       // write at the current position
  WriteAt,         // position at `record` and write
  Close,           // close the file
};

void SessionAccess(SessionOperation operation, ChartEntry& buffer, int64_t record = 0);

// Creates the file empty (a new session) and leaves it open at record 0.
// Returns false when it cannot be created, or when the name holds another
// kind of file (which is left as it was).
bool SessionCreate();
bool SessionIsOpen();
// Whole records in the open file (0 when closed).
int64_t SessionRecordCount();
// Record number the next ReadNext or WriteHere uses.
int64_t SessionPosition();
// Closes the file if it is open, without a message (used on shutdown).
void SessionCloseQuietly();

// Whether the file open in `file` shows the shape of a session file: the
// header and at least one more record, and record 1 an entry or a
// terminator (its `used` byte 1 or 0). Nothing is written to a file that
// does not, such as another file a symbolic link of this name points at.
bool LooksLikeSessionFile(RecordFile& file);
// Whether a record read while walking the list can belong to one: its
// `used` byte is 1 or 0.
bool LooksLikeSessionRecord(const ChartEntry& entry);

// Takes the whole-file lock of the session file open in `file` patiently,
// as writers of the name file do (platform/LockRetry.h); false when another
// writer kept it the whole time. Every writer of the session file holds it
// while it writes, so that entries appended at the same time by several
// processes each get a record of their own.
bool LockSession(FileLock& lock, const RecordFile& file);

// The message of a failed operation, ending in "Program ended.". It names
// another running Vostrane as a cause only when `otherInstance` says that
// another process holds the lock file.
std::string SessionFailureText(SessionOperation operation, int64_t record, bool otherInstance = false);

}  // namespace vostrane
