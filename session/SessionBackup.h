// SPDX-License-Identifier: GPL-3.0-or-later
// The previous list of charts. Starting a new list (from the main menu or
// the viewer's "Clear All Entries") keeps the list being replaced as
// "INPUT.BAK", so that "Restore Previous List" can bring it back; restoring
// swaps the two files, so the list being replaced is kept in its turn.
#pragma once

#include <string>

namespace vostrane {

inline constexpr const char* kSessionBackupName = "INPUT.BAK";

// Number of entries of a session file: the records after the header up to
// the terminator (a record whose `used` byte is 0) or the end of the file.
// 0 for a missing or unreadable file.
int CountSessionEntries(const std::string& path);

// Copies the session file to the backup when it holds at least one entry
// (an empty list never replaces a kept one). The copy is written beside the
// backup and renamed over it, so a failure leaves the earlier backup whole.
// Returns false, with `error` set, only when a list with entries could not
// be kept.
bool KeepSessionAsBackup(std::string& error);

// Makes the backup the session file and the session file the backup. False,
// with `error` set and both files as they were, when it cannot.
bool SwapSessionWithBackup(std::string& error);

}  // namespace vostrane
