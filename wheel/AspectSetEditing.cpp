// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectSetEditing.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"

namespace vostrane {

namespace {
constexpr int kLastCandidateRow = 180;
}  // namespace

bool ComputeCandidateRows(AspectSet& set, double orbScale, std::string& error) {
  for (int t = 0; t <= kLastCandidateRow; ++t) {
    std::vector<int> row;
    for (int i = 1; i <= kAspectCount; ++i) {
      const AspectEntry e = set.Entry(i);
      if (!e.InUse()) continue;
      const double a = e.Angle();
      const double orb = std::max(e.PlanetOrb(), e.SunMoonOrb()) * orbScale;
      // Separations s in [t, t + 1) that lie within [a - orb, a + orb];
      // below 0 the range folds back (a conjunction seen from either side).
      const double low = std::max(0.0, a - orb), high = a + orb;
      if (t + 1 > low && t <= high) row.push_back(i);
    }
    if (row.size() > kCandidateRowSize - 1) {
      error = "row " + std::to_string(t) + " would list more than 39 aspects";
      return false;
    }
    set.SetCandidates(t, row);
  }
  return true;
}

bool AspectSetFileImage::Load(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    ShowMessage("ERROR!!!! File ANGLES.DAT not on disk! Please re-install this file.", MsgIcon::Error);
    return false;
  }
  FileCheck check = CheckInstalledFile(path);
  if (check.ok() && bytes->size() < kAspectSets * kAspectSetSize) {
    check.state = FileState::WrongSize;
    check.size = static_cast<int64_t>(bytes->size());
    check.listedSize = kAspectSets * kAspectSetSize;
  }
  if (!check.ok()) {
    ShowMessage(DamagedFileText(kAspectSetFileName, check, kAspectSetSize), MsgIcon::Error);
    return false;
  }
  bytes_ = *bytes;
  return true;
}

AspectSet AspectSetFileImage::Set(int n) const {
  AspectSet set;
  if (n >= 1 && n <= kAspectSets && bytes_.size() >= n * kAspectSetSize)
    std::memcpy(set.Data(), bytes_.data() + (n - 1) * kAspectSetSize, kAspectSetSize);
  return set;
}

bool AspectSetFileImage::PutSet(int n, const AspectSet& edited, double orbScale, std::string& error) {
  if (n < 1 || n > kAspectSets || bytes_.size() < n * kAspectSetSize) {
    error = "there is no set " + std::to_string(n);
    return false;
  }
  AspectSet merged = Set(n);
  std::memcpy(merged.Data() + kShortNamesOffset, edited.Data() + kShortNamesOffset,
              kAspectSetSize - kShortNamesOffset);
  if (!ComputeCandidateRows(merged, orbScale, error)) return false;
  std::memcpy(bytes_.data() + (n - 1) * kAspectSetSize, merged.Data(), kAspectSetSize);
  return true;
}

bool AspectSetFileImage::Save(const std::string& path) const {
  if (bytes_.empty() || !ReplaceFileContents(path, bytes_)) return false;
  const std::filesystem::path p(path);
  const std::string folder = p.has_parent_path() ? p.parent_path().string() : ".";
  return RelistInstalledFile(folder, p.filename().string());
}

}  // namespace vostrane
