// SPDX-License-Identifier: GPL-3.0-or-later
// File helpers over the operating system: listing a folder by a file mask,
// existence, size and date, erasing, and whole-file replacement that leaves
// the previous file intact when writing fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vostrane {

// True when the name matches the mask ('*' any run, '?' one character),
// compared without regard to case.
bool MatchesMask(const std::string& name, const std::string& mask);

// Names (not paths) of the regular files of the folder matching the mask,
// sorted. Returns nullopt when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder, const std::string& mask);

bool FileExists(const std::string& path);
// Size in bytes, or -1 when the file does not exist or cannot be examined.
int64_t FileSize(const std::string& path);
bool EraseFile(const std::string& path);
bool MakeFolder(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);

// Reads a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Reads at most the first `maxBytes` bytes of a file (all of a shorter one),
// so that a damaged, huge file costs no more than a small one; nullopt when
// it cannot be read.
std::optional<std::string> ReadFileStart(const std::string& path, size_t maxBytes);

// Creates a new empty file beside `target` under an unpredictable name
// (target + "." + six random characters), exclusively, so that a link or
// file planted under any name is never written through; mode 0644. Returns
// the open descriptor and sets `tempPath`, or -1.
int CreateTempBeside(const std::string& target, std::string& tempPath);

// The same for a writer that opens the file by its name itself (a Qt
// device): the file is made and closed, and its name returned; empty when
// it cannot be made.
std::string ReserveTempBeside(const std::string& target);

// The final target of a path through its symbolic links (the path itself
// when it is no link; a link that cannot be read ends the walk).
std::string FinalTarget(const std::string& path);

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and renames it over the target (a link at the target is replaced, its
// file left alone). On failure the old file stays as it was.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// Sets the modification time of `to` to that of `from`.
bool CopyFileDate(const std::string& from, const std::string& to);

}  // namespace vostrane
