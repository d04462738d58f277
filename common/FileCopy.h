// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a file block by block, and the checks that follow a file
// operation: report and go on, or report and end the program.
#pragma once

#include <string>

namespace vostrane {

// How CopyWholeFile treats the destination.
struct CopyOptions {
  // The destination gets the source's file date.
  bool keepDate = false;
  // A destination that cannot be created returns false instead of ending
  // the program.
  bool quiet = false;
  // A file date that cannot be set is reported (the copy still succeeds).
  bool reportDateFailure = false;
};

// Copies `source` to `destination` in blocks of up to 2048 bytes.
// - A source that cannot be opened ends the program with
//   "File <source> not on disk. Program ended."
// - A destination that cannot be created returns false silently when
//   `options.quiet`, and otherwise ends the program with
//   "Not able to create file <destination>. Disk may be full. Program ended."
// - A read or write error (a disk that fills up) returns false.
// The copy is written beside the destination and renamed over it only when
// complete, so a failed copy leaves an existing destination as it was.
// With `options.keepDate` the destination gets the source's file date; a
// failure to set it is reported when `options.reportDateFailure` and does
// not make the copy fail. Returns true when the whole file was copied.
bool CopyWholeFile(const std::string& source, const std::string& destination, CopyOptions options = {});

// When the last file operation failed: shows the message and ends the
// program.
void FatalIoCheck(bool failed, const std::string& message);

// When the last file operation failed: shows the message and goes on.
// Returns `failed`, so that the caller can branch on it.
bool IoCheck(bool failed, const std::string& message);

// Shows the message and ends the program.
[[noreturn]] void FatalError(const std::string& message);

}  // namespace vostrane
