// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionBackup.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/FileSystem.h"
#include "session/ChartEntry.h"
#include "session/SessionFile.h"

namespace vostrane {
namespace {

// Name used for a moment while the two files change places.
constexpr const char* kSwapName = "INPUT.SWP";

std::string SystemError() { return std::strerror(errno); }

}  // namespace

int CountSessionEntries(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  int count = 0;
  for (;;) {
    // The `used` byte opens each record; record 0 is the header.
    in.seekg(static_cast<std::streamoff>(count + 1) * static_cast<std::streamoff>(kEntrySize));
    char used = 0;
    if (!in.get(used) || used == 0) return count;
    // A partial last record is no entry.
    in.seekg(static_cast<std::streamoff>(kEntrySize) - 2, std::ios::cur);
    if (!in.get(used)) return count;
    ++count;
  }
}

bool KeepSessionAsBackup(std::string& error) {
  if (CountSessionEntries(kSessionFileName) == 0) return true;
  const std::optional<std::string> bytes = ReadWholeFile(kSessionFileName);
  if (!bytes) {
    error = std::string("Unable to read ") + kSessionFileName + ": " + SystemError();
    return false;
  }
  if (!ReplaceFileContents(kSessionBackupName, *bytes)) {
    error = std::string("Unable to write ") + kSessionBackupName + ": " + SystemError();
    return false;
  }
  return true;
}

bool SwapSessionWithBackup(std::string& error) {
  if (!FileExists(kSessionBackupName)) {
    error = std::string(kSessionBackupName) + " does not exist.";
    return false;
  }
  const bool hadSession = FileExists(kSessionFileName);
  if (hadSession && !RenameFile(kSessionFileName, kSwapName)) {
    error = std::string("Unable to rename ") + kSessionFileName + ": " + SystemError();
    return false;
  }
  if (!RenameFile(kSessionBackupName, kSessionFileName)) {
    error = std::string("Unable to rename ") + kSessionBackupName + ": " + SystemError();
    if (hadSession) RenameFile(kSwapName, kSessionFileName);
    return false;
  }
  if (hadSession && !RenameFile(kSwapName, kSessionBackupName)) {
    // The restored list is in place; the replaced one stays under the
    // swap name rather than being lost.
    error = std::string("The list was restored, but the replaced list could not be renamed to ") +
            kSessionBackupName + "; it is kept as " + kSwapName + ": " + SystemError();
    return false;
  }
  return true;
}

}  // namespace vostrane
