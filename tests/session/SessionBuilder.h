// SPDX-License-Identifier: GPL-3.0-or-later
// Builds session files for tests: a header, the given entries and a terminator.
#pragma once

#include <string>
#include <vector>

#include "session/ChartEntry.h"

namespace vostrane::test {

inline ChartEntry NatalEntry(const std::string& name) {
  ChartEntry e;
  e.InitNewEntry('T', 0);
  e.setName(name);
  e.setPlace("Somewhere");
  return e;
}

inline ChartEntry DerivedEntry(const std::string& name, int type, int base) {
  ChartEntry e = NatalEntry(name);
  e.setChartType(static_cast<uint8_t>(type));
  e.setBaseEntry(base);
  e.setLevel(1);
  return e;
}

inline std::string SessionBytes(const std::vector<ChartEntry>& entries, bool terminator = true) {
  std::string bytes;
  ChartEntry header;
  auto add = [&bytes](const ChartEntry& e) {
    bytes.append(reinterpret_cast<const char*>(e.Data()), kEntrySize);
  };
  add(header);
  for (const auto& e : entries) add(e);
  if (terminator) add(ChartEntry());
  return bytes;
}

inline ChartEntry EntryAt(const std::string& bytes, int record) {
  ChartEntry e;
  std::copy(bytes.begin() + record * kEntrySize, bytes.begin() + (record + 1) * kEntrySize, e.Data());
  return e;
}

}  // namespace vostrane::test
