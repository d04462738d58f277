// SPDX-License-Identifier: GPL-3.0-or-later
// Appending an entry to the session file from the batch tool: under the
// session file's lock, so that processes appending at the same time each get
// an entry number of their own, and so that the file always keeps its
// terminator record.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FileLock.h"
#include "platform/RecordFile.h"
#include "session/ChartEntry.h"

namespace vostrane {

// Copies the birth date into the printout selection of a new natal entry, as
// the birth data form does.
void SetBirthDatePrintouts(ChartEntry& entry);

class SessionAppend {
 public:
  // Opens the session file, creating it empty when missing (never through a
  // symbolic link), locks it and finds its terminator. False, with the
  // message in `error`, when the file cannot be opened or locked, has no
  // terminator, or is not a session file (nothing is then written to it);
  // with `mustExist` a missing file is such a failure too.
  bool Open(bool mustExist, std::string& error);
  RecordFile& File() { return file_; }
  // The number of entries; the new entry gets number Count() + 1.
  int64_t Count() const { return terminator_ - 1; }

  // Adds the entry at the terminator's place so that a failure or a kill
  // after any single write leaves a session file with its terminator: an
  // existing file first gets the new terminator one record further on and
  // only then the entry over the old one; a new file is written whole under
  // a private name and renamed into place. Releases the lock and closes the
  // file.
  bool Add(const ChartEntry& entry);

 private:
  bool OpenOnce(bool mustExist, std::string& error, bool& replaced);

  RecordFile file_;
  FileLock lock_;
  bool fresh_ = false;  // no file yet (or an empty one): written whole
  int64_t terminator_ = 1;
};

}  // namespace vostrane
