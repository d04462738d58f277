// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the installation's data files against the list the build
// writes beside them, "MANIFEST.TXT": per file its size and SHA-256 and, for
// a file larger than one block, the SHA-256 of each block of
// kManifestBlockSize bytes, so that a reader that needs a few records checks
// only the blocks holding them. The list ends with the SHA-256 of all its
// lines before, so a damaged list is told from a good one.
//
// Files the user changes (the session file, the name file, the control
// file) are not listed; they keep their own structural checks. A folder
// without a list (one put together by hand) is checked structurally only.
// Every verdict is kept for the rest of the process as long as the file
// stays the same (device, inode, size, modification time): each file is
// read for its check once per run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vostrane {

inline constexpr const char* kManifestFileName = "MANIFEST.TXT";
inline constexpr int64_t kManifestBlockSize = 4096;
// Files larger than this are listed with one sum for the whole file.
inline constexpr int64_t kManifestLargestBlockedFile = int64_t{64} << 20;

enum class FileState {
  Unchecked,  // no list, or the file is not on it
  Good,
  Missing,    // listed, but not on disk
  WrongSize,  // cut or lengthened
  Damaged,    // a block (or the whole file) differs from the list
};

struct FileCheck {
  FileState state = FileState::Unchecked;
  int64_t offset = 0;      // Damaged: first byte of the block that differs
  int64_t size = 0;        // WrongSize: the size found
  int64_t listedSize = 0;  // the size on the list
  bool ok() const { return state == FileState::Unchecked || state == FileState::Good; }
};

// Checks the bytes [offset, offset + length) of a file (a path relative to the
// working folder is looked up on the list of the working folder, an absolute
// one on the list of its own folder). A file whose size differs from the list
// fails whatever the range.
FileCheck CheckInstalledRange(const std::string& path, int64_t offset, int64_t length);
// Checks the whole file.
FileCheck CheckInstalledFile(const std::string& path);

enum class ManifestState { Present, Missing, Damaged };
ManifestState ManifestStateOf(const std::string& folder = ".");
// Says once per process what is wrong with the list of the working folder:
// a warning when it is missing (the files are then checked structurally
// only), an error when it is damaged. Nothing when it is in order.
void ReportManifestProblem();

// "ERROR!  File NAME is damaged ...": the message naming the file and the
// records (counted from 0) of the block the check found wrong (recordSize 0
// names the byte offset), or its size, ending with what the user should do.
std::string DamagedFileText(const std::string& name, const FileCheck& check, int64_t recordSize);

// The lines of a list for the files of `folder` (names relative to it).
// Used by the build; false with `error` set when a file cannot be read.
bool WriteManifest(const std::string& folder, const std::vector<std::string>& names, std::string& error);

// After the program itself rewrote a listed file (the aspect sets edited in
// Preferences): its line of an intact list of `folder` gets the new size and
// sums. A folder without a list, a damaged list or a file not on it is left
// alone (true); false when the list could not be written.
bool RelistInstalledFile(const std::string& folder, const std::string& name);

}  // namespace vostrane
