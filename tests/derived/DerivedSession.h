// SPDX-License-Identifier: GPL-3.0-or-later
// A session of natal and derived entries calculated by the real driver in a
// temporary working folder with the ephemeris files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "derived/DerivedRequest.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

inline ChartEntry Natal(const std::string& name, int month, int day, int year, int hours, int minutes,
                        double lat, double lon, double zone, char zodiac = 'T') {
  ChartEntry e = NatalEntry(name);
  e.setZodiacLetter(zodiac);
  e.setMonth(month);
  e.setDay(day);
  e.setYear(year);
  e.setHours(hours);
  e.setMinutes(minutes);
  e.setLatitude(lat);
  e.setLongitude(lon);
  e.setZoneHoursWest(zone);
  return e;
}

class DerivedSession {
 public:
  DerivedSession() { LinkEphemerisFiles(folder_); }

  // Appends the entry a request makes from the entries so far; its record.
  int Add(const DerivedRequest& r) {
    const ChartEntry* second = r.secondBase > 0 ? &entries_.at(r.secondBase - 1) : nullptr;
    const DerivedBuild b = BuildDerivedEntry(r, entries_.at(r.base - 1), second,
                                             static_cast<int32_t>(entries_.size()));
    EXPECT_TRUE(b.ok) << b.error;
    entries_.push_back(b.entry);
    return static_cast<int>(entries_.size());
  }
  int Add(const ChartEntry& e) {
    entries_.push_back(e);
    return static_cast<int>(entries_.size());
  }

  void Calculate() {
    folder_.Write(kSessionFileName, SessionBytes(entries_));
    SilentProgress progress;
    NoNameFileWriteBack nameFile;
    AstroCalculator calc;
    CalculateSessionCharts(progress, nameFile, calc, false);
    bytes_ = folder_.Read(kSessionFileName);
  }
  ChartEntry Result(int record) const { return EntryAt(bytes_, record); }
  std::vector<ChartEntry>& Entries() { return entries_; }
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::vector<ChartEntry> entries_;
  std::string bytes_;
};

}  // namespace vostrane::test
