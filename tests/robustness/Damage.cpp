// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/robustness/Damage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/MessageService.h"

namespace vostrane::test {
namespace {

constexpr int64_t kSnapshotBytesLimit = int64_t{64} << 20;

std::string RandomBytes(std::mt19937& random, size_t n) {
  std::string bytes(n, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

size_t Below(std::mt19937& random, size_t n) { return n == 0 ? 0 : random() % n; }

struct ProgramEndedHere {};

}  // namespace

std::string InstalledBytes(const std::string& name) {
  std::ifstream in(InstallFile(name), std::ios::binary);
  EXPECT_TRUE(in.good()) << "the installation file " << name << " is missing";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<DamagedCopy> TruncatedCopies(const std::string& good, size_t recordSize) {
  std::vector<DamagedCopy> copies;
  auto cut = [&](size_t n) {
    if (n >= good.size()) return;
    for (const auto& c : copies)
      if (c.bytes.size() == n) return;
    copies.push_back({"truncated to " + std::to_string(n) + " bytes", good.substr(0, n)});
  };
  cut(0);
  cut(1);
  if (recordSize > 1) cut(recordSize - 1);
  const size_t whole = recordSize ? good.size() / recordSize * recordSize : good.size();
  if (whole >= recordSize && recordSize > 1) cut(whole - recordSize + recordSize / 2);
  cut(good.size() / 2);
  cut(good.size() - 1);
  return copies;
}

std::vector<DamagedCopy> OversizedCopies(const std::string& good, size_t recordSize, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<DamagedCopy> copies;
  copies.push_back({"one byte appended", good + RandomBytes(random, 1)});
  if (recordSize > 2)
    copies.push_back({"part of a record appended", good + RandomBytes(random, recordSize / 2)});
  copies.push_back({"a record of random bytes appended", good + RandomBytes(random, recordSize)});
  copies.push_back({"64 KiB of random bytes appended", good + RandomBytes(random, 65536)});
  copies.push_back({"extended with zeros to a huge size", good, kHugeFileSize});
  return copies;
}

std::vector<DamagedCopy> CorruptedCopies(const std::string& good, int count, uint32_t seed, size_t from,
                                         size_t to) {
  std::mt19937 random(seed);
  to = std::min(to, good.size());
  std::vector<DamagedCopy> copies;
  if (from >= to) return copies;
  const size_t span = to - from;
  for (int i = 0; i < count; ++i) {
    std::string bytes = good;
    std::string label;
    switch (random() % 3) {
      case 0: {
        const int n = 1 + static_cast<int>(random() % 8);
        for (int k = 0; k < n; ++k) bytes[from + Below(random, span)] = static_cast<char>(random());
        label = std::to_string(n) + " random bytes";
        break;
      }
      case 1: {
        const size_t at = from + Below(random, span);
        const size_t n = std::min<size_t>(1 + Below(random, 64), to - at);
        bytes.replace(at, n, RandomBytes(random, n));
        label = "random run of " + std::to_string(n) + " bytes at " + std::to_string(at);
        break;
      }
      default: {
        const size_t at = from + Below(random, span);
        const size_t n = std::min<size_t>(1 + Below(random, 256), to - at);
        const char fill = "\x00\xFF\x7F\x80"[random() % 4];
        bytes.replace(at, n, std::string(n, fill));
        label = "run of " + std::to_string(n) + " equal bytes at " + std::to_string(at);
        break;
      }
    }
    copies.push_back({"corrupted copy " + std::to_string(i) + " (" + label + ")", bytes});
  }
  return copies;
}

void PlaceCopy(const TempFolder& folder, const std::string& name, const DamagedCopy& copy) {
  const std::string path = folder.Path() + "/" + name;
  std::filesystem::remove(path);
  folder.Write(name, copy.bytes);
  if (copy.sparseSize >= 0) {
    ASSERT_EQ(truncate(path.c_str(), copy.sparseSize), 0) << path;
  }
}

FolderSnapshot TakeSnapshot(const std::string& folder) {
  FolderSnapshot snapshot;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    struct stat st {};
    const std::string path = item.path().string();
    if (stat(path.c_str(), &st) != 0) continue;
    FolderSnapshot::Entry e;
    e.size = st.st_size;
    e.mtimeNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    if (e.size <= kSnapshotBytesLimit) {
      std::ifstream in(path, std::ios::binary);
      std::ostringstream s;
      s << in.rdbuf();
      e.bytes = s.str();
    }
    snapshot.files[item.path().filename().string()] = std::move(e);
  }
  return snapshot;
}

std::string SnapshotDifference(const FolderSnapshot& before, const FolderSnapshot& after) {
  std::string text;
  for (const auto& [name, e] : before.files) {
    auto it = after.files.find(name);
    if (it == after.files.end()) text += name + " removed; ";
    else if (!(it->second == e)) text += name + " changed; ";
  }
  for (const auto& [name, e] : after.files)
    if (!before.files.count(name)) text += name + " created; ";
  return text;
}

std::optional<std::string> RunCatchingProgramEnd(ScriptedMessageService& messages,
                                                 const std::function<void()>& body) {
  // The newest hook runs first, so this one leaves the program's own hooks
  // (closing its files) registered for the next run.
  const int hook = AddShutdownHook([] { throw ProgramEndedHere{}; });
  try {
    body();
  } catch (const ProgramEndedHere&) {
    return messages.Shown().empty() ? std::string() : messages.Shown().back().text;
  }
  RemoveShutdownHook(hook);
  return std::nullopt;
}

}  // namespace vostrane::test
