// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions for the viewer tests: calculated-looking natal entries (no
// ephemeris needed) written to "INPUT.FIL" in the working folder.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "session/ChartEntry.h"
#include "session/SessionFile.h"

namespace vostrane::test {

// Entry i of a test session: "Person i", its planets and cusps turned by
// i x 17 degrees so that every entry draws a different page.
inline ChartEntry MakeViewerEntry(int i) {
  ChartEntry e;
  e.InitNewEntry('T', i);
  e.setName("Person " + std::to_string(i));
  e.setPlace("Testville");
  e.setMonth(1 + i % 12);
  e.setDay(1 + i % 28);
  e.setYear(1950 + i);
  e.setHours(i % 24);
  e.setMinutes(30);
  e.setLatitude(40.5);
  e.setLongitude(74.0);
  e.setZoneHoursWest(5);
  e.setUniversalTimeHours(std::fmod(i + 5.5, 24.0));
  e.setAyanamsaDeg(24.0);
  e.setDeltaTSeconds(30.0);
  e.setRamcRad(0.38);
  const double turn = 17.0 * i;
  auto at = [&](double v) { return std::fmod(v + turn, 360.0); };
  const double cusps[6] = {126.3, 146.9, 172.0, 203.5, 240.1, 275.8};
  for (int h = 1; h <= 6; ++h) e.setCusp(h, at(cusps[h - 1]));
  e.setAsc(at(126.3));
  e.setMc(at(23.5));
  e.setMoonNodeDeg(at(155.9));
  for (int s = 0; s < 21; ++s) {
    e.setLon(s, at(13.0 + 37.0 * s));
    e.setBody(BodyArray::Speed, s, s == 2 ? -0.12 : 0.5);
    e.setBody(BodyArray::Decl, s, -20.0 + 2.0 * s);
  }
  e.setCalcComplete(true);  // as the calculation driver leaves it
  return e;
}

// Writes a session of the entries (header, entries, terminator) and closes
// the file.
inline void WriteViewerSession(const std::vector<ChartEntry>& entries, bool terminator = true) {
  SessionCreate();
  ChartEntry header;
  SessionAccess(SessionOperation::WriteHere, header);
  for (ChartEntry e : entries) SessionAccess(SessionOperation::WriteHere, e);
  ChartEntry end;
  if (terminator) SessionAccess(SessionOperation::WriteHere, end);
  SessionAccess(SessionOperation::Close, end);
}

inline void WriteViewerSession(int count) {
  std::vector<ChartEntry> entries;
  for (int i = 1; i <= count; ++i) entries.push_back(MakeViewerEntry(i));
  WriteViewerSession(entries);
}

}  // namespace vostrane::test
