// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged copies of installation files for the robustness tests: truncated,
// oversized (extra bytes, a huge sparse file) and randomly corrupted (from a
// fixed seed, so every run sees the same copies). Also a snapshot of a
// folder to show that a reader wrote nothing, and a way to run code whose
// fatal path would end the process and see its message instead.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

// A huge file is made sparse: its size lies beyond 32-bit offsets and it
// costs no disk space.
inline constexpr int64_t kHugeFileSize = (int64_t{1} << 32) + 7;

struct DamagedCopy {
  std::string label;  // for failure messages: "truncated to 100 bytes" ...
  std::string bytes;
  int64_t sparseSize = -1;  // >= 0: the file is then extended to this size with zeros
};

// The bytes of a file of the generated installation folder; fails the test
// (and gives an empty string) when it cannot be read.
std::string InstalledBytes(const std::string& name);

// Cut copies: empty, one byte, one byte short of the first and of the last
// whole record, half the file, all but the last byte.
std::vector<DamagedCopy> TruncatedCopies(const std::string& good, size_t recordSize);
// Copies with something appended: a byte, part of a record, a whole record of
// random bytes, 64 KiB of random bytes, and the huge sparse extension.
std::vector<DamagedCopy> OversizedCopies(const std::string& good, size_t recordSize, uint32_t seed = 7);
// `count` copies with random damage: a few random bytes, a random run of
// bytes, or a run of one repeated byte (0x00, 0xFF or another), placed
// anywhere in the file or, with a range given, inside [from, to).
std::vector<DamagedCopy> CorruptedCopies(const std::string& good, int count, uint32_t seed,
                                         size_t from = 0, size_t to = SIZE_MAX);

// Writes the copy as `name` into the working folder.
void PlaceCopy(const TempFolder& folder, const std::string& name, const DamagedCopy& copy);

// What a folder holds: per file its size, modification time and (for files up
// to 64 MiB) its bytes. Equal snapshots mean nothing was written.
struct FolderSnapshot {
  struct Entry {
    int64_t size = 0;
    int64_t mtimeNs = 0;
    std::string bytes;
    bool operator==(const Entry&) const = default;
  };
  std::map<std::string, Entry> files;
  bool operator==(const FolderSnapshot&) const = default;
};
FolderSnapshot TakeSnapshot(const std::string& folder);
// The names of the files that differ between two snapshots, for messages.
std::string SnapshotDifference(const FolderSnapshot& before, const FolderSnapshot& after);

// Runs `body` in this process; when it ends the program (a fatal message), the
// shutdown is turned into a return and the fatal message is given back.
// Lets a test sweep many damaged copies where each may work or end the
// program. The fatal paths themselves are checked with death tests. The
// message is the last one `messages` (the scripted service in place) saw.
std::optional<std::string> RunCatchingProgramEnd(ScriptedMessageService& messages,
                                                 const std::function<void()>& body);

}  // namespace vostrane::test
