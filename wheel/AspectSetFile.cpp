// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectSetFile.h"

#include <algorithm>
#include <cstring>

#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"

namespace vostrane {

namespace {
constexpr size_t kEntrySize = 12;
constexpr size_t kShortNameSize = 5;
constexpr size_t kCandidateTableEnd = kShortNamesOffset;
}  // namespace

void AspectSet::Clear() {
  bytes_.fill(0);
  for (int i = 1; i <= kAspectCount; ++i) SetEntry(i, AspectEntry{});
}

AspectEntry AspectSet::Entry(int i) const {
  AspectEntry e;
  if (i < 1 || i > kAspectCount) return e;
  const uint8_t* p = bytes_.data() + kAspectEntriesOffset + kEntrySize * (i - 1);
  e.degrees = p[0], e.minutes = p[1], e.seconds = p[2];
  e.orbDegrees = p[3], e.orbMinutes = p[4];
  e.sunOrbDegrees = p[5], e.sunOrbMinutes = p[6];
  e.screenColour = p[7], e.lineStyle = p[8], e.weight = p[9];
  e.lineMode = p[10], e.printColour = p[11];
  return e;
}

void AspectSet::SetEntry(int i, const AspectEntry& e) {
  if (i < 1 || i > kAspectCount) return;
  uint8_t* p = bytes_.data() + kAspectEntriesOffset + kEntrySize * (i - 1);
  const uint8_t v[kEntrySize] = {e.degrees,    e.minutes,       e.seconds,       e.orbDegrees,
                                 e.orbMinutes, e.sunOrbDegrees, e.sunOrbMinutes, e.screenColour,
                                 e.lineStyle,  e.weight,        e.lineMode,      e.printColour};
  std::memcpy(p, v, kEntrySize);
}

std::string AspectSet::ShortName(int i) const {
  if (i < 1 || i > kAspectCount) return {};
  const uint8_t* p = bytes_.data() + kShortNamesOffset + kShortNameSize * (i - 1);
  const size_t n = std::min<size_t>(p[0], kShortNameSize - 1);
  return std::string(reinterpret_cast<const char*>(p) + 1, n);
}

void AspectSet::SetShortName(int i, const std::string& name) {
  if (i < 1 || i > kAspectCount) return;
  uint8_t* p = bytes_.data() + kShortNamesOffset + kShortNameSize * (i - 1);
  std::memset(p, 0, kShortNameSize);
  const size_t n = std::min(name.size(), kShortNameSize - 1);
  p[0] = static_cast<uint8_t>(n);
  std::memcpy(p + 1, name.data(), n);
}

std::vector<int> AspectSet::Candidates(int row) const {
  std::vector<int> out;
  if (row < 0 || row >= kCandidateRows) return out;
  for (size_t i = static_cast<size_t>(row) * kCandidateRowSize; i < kCandidateTableEnd; ++i) {
    const int a = bytes_[i];
    if (a == 0) break;
    if (a <= kAspectCount) out.push_back(a);
  }
  return out;
}

void AspectSet::SetCandidates(int row, const std::vector<int>& aspects) {
  if (row < 0 || row >= kCandidateRows) return;
  uint8_t* p = bytes_.data() + static_cast<size_t>(row) * kCandidateRowSize;
  std::memset(p, 0, kCandidateRowSize);
  const size_t n = std::min<size_t>(aspects.size(), kCandidateRowSize - 1);
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<uint8_t>(aspects[i]);
}

bool ReadAspectSet(char setLetter, const std::string& printoutCode, AspectSet& set,
                   const std::string& path) {
  if (setLetter < '1' || setLetter > '3') {
    ShowMessage("ERROR!!!!  Aspect set of wheel " + printoutCode +
                    " not between 1 and 3. Please re-install ANGLES.DAT file.",
                MsgIcon::Error);
  }
  const int setNumber = setLetter - '0';
  RecordFile file;
  if (!file.Open(path, kAspectSetSize, RecordFile::Mode::ReadOnly)) {
    ShowMessage("ERROR!!!! File ANGLES.DAT not on disk! Please re-install this file.", MsgIcon::Error);
    return false;
  }
  if (setNumber < 1 || !file.Seek(setNumber - 1)) {
    ShowMessage("ERROR!!!!  Unable to read rec # " + std::to_string(setNumber - 1) +
                    " of ANGLES.DAT.  Please re-install ANGLES.DAT.",
                MsgIcon::Error);
    return false;
  }
  const FileCheck check = CheckInstalledRange(path, static_cast<int64_t>(setNumber - 1) * kAspectSetSize,
                                              kAspectSetSize);
  if (!check.ok()) {
    ShowMessage(DamagedFileText(kAspectSetFileName, check, kAspectSetSize), MsgIcon::Error);
    return false;
  }
  // Read into a copy so that a short record leaves the set in memory whole.
  AspectSet read;
  if (!file.Read(read.Data())) {
    ShowMessage("ERROR!!!!  ANGLES.DAT file has erroneous data!  Please re-install ANGLES.DAT file.",
                MsgIcon::Error);
    return false;
  }
  set = read;
  return true;
}

}  // namespace vostrane
