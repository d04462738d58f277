// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris files of one calculation run (outer planets, Chiron,
// asteroids): each is read whole the first time a position needs it and kept
// in memory until the run ends, so that a chart makes no file access after
// the first one that needed the file. A file that is missing is looked for
// once per run, and a fault of a file is reported once per run.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "astro/CalcStatus.h"
#include "platform/InstalledFiles.h"

namespace vostrane {

class EphemerisFiles {
 public:
  // The file's first maxBytes bytes (all of a shorter file; nothing beyond
  // can be addressed), or nullptr when it is not on disk or cannot be read.
  const std::string* Get(const std::string& name, size_t maxBytes);
  // The check of bytes [offset, offset + length) of a file against the
  // installation's list; each block found good is not checked again in
  // this run.
  FileCheck Check(const std::string& name, size_t offset, size_t length);
  // True the first time a fault of the file is reported in this run.
  bool FirstReport(const std::string& name) { return reported_.insert(name).second; }

 private:
  std::map<std::string, std::optional<std::string>> files_;
  std::set<std::string> reported_;
  std::map<std::string, std::vector<bool>> goodBlocks_;
};

// The status of a check that failed: a listed file not on disk, a file of
// the wrong size (record: the size found) or damaged bytes at `record`.
CalcStatus FailedCheckStatus(CalcSource source, const FileCheck& check, const std::string& name,
                             int64_t record);

}  // namespace vostrane
