// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/EntryLinks.h"

#include <algorithm>

#include "entry/EntryMarks.h"
#include "entry/SessionEntries.h"
#include "platform/TextTrim.h"
#include "session/SessionFile.h"

namespace vostrane {
namespace {

// The other entries of the session that are on disk, calling `visit` with
// the entry number and the entry for every natal entry of the name. Only
// the entry being edited can still be missing from the file.
template <typename Visit>
void ForOtherNatalEntries(int current, int count, const std::string& name, Visit visit) {
  const int onDisk = static_cast<int>(std::min<int64_t>(count, SessionRecordCount() - 1));
  for (int k = 1; k <= onDisk; ++k) {
    if (k == current) continue;
    ChartEntry other = ReadSessionEntry(k);
    if (other.chartType() != 0 || Trim(other.name()) != name) continue;
    visit(k, other);
  }
}

}  // namespace

bool DeduplicateLinks(int current, int count, ChartEntry& entry) {
  const std::string name = Trim(entry.name());
  bool lost = false;
  ForOtherNatalEntries(current, count, name, [&](int k, ChartEntry& other) {
    if (other.nameRecord() != 0 && k < current) {
      lost = true;
      return;
    }
    if (other.nameRecord() == 0 && IsDuplicateName(other)) return;
    other.setNameRecord(0);
    SetDuplicateName(other, true);
    WriteSessionEntry(k, other);
  });
  if (lost) {
    entry.setNameRecord(0);
    SetDuplicateName(entry, true);
  }
  return lost;
}

void ReleaseDuplicateMarks(int current, int count, const std::string& name) {
  ForOtherNatalEntries(current, count, Trim(name), [](int k, ChartEntry& other) {
    if (!IsDuplicateName(other)) return;
    SetDuplicateName(other, false);
    WriteSessionEntry(k, other);
  });
}

}  // namespace vostrane
