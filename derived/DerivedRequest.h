// SPDX-License-Identifier: GPL-3.0-or-later
// What a user asks for when making a derived chart: the kind, the base
// entry (two for a composite), and the date, time and place the kind needs.
// The program's dialog and the batch tool both fill one of these and hand it
// to BuildDerivedEntry, which turns it into an uncalculated session entry;
// the calculation driver then fills the entry level by level.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "session/ChartEntry.h"

namespace vostrane {

enum class DerivedKind : uint8_t {
  Transit,       // the sky at a chosen moment and place, around the natal chart
  Progressed,    // secondary progressions (a day for a year) to a chosen date
  SolarArc,      // natal points advanced by the progressed Sun's arc
  SolarReturn,   // first return of the Sun to its natal longitude after a date
  LunarReturn,   // the same for the Moon
  PlanetReturn,  // the same for Mercury to Saturn (`body`)
  Relocated,     // the natal moment at another place
  Composite,     // shorter-arc midpoints of two entries
  Harmonic,      // every longitude times N (2..180)
};

// A place as the atlas or the typed fields give it (west and north positive
// as in the entry record; zone in hours west of Greenwich).
struct DerivedPlace {
  std::string name;
  double latitude = 0;
  double longitude = 0;
  double zoneHoursWest = 0;
  uint8_t daylightCode = 0;
  int32_t dstTable = 0;
};

struct DerivedRequest {
  DerivedKind kind = DerivedKind::Transit;
  int32_t base = 0;        // record number of the base entry (1-based)
  int32_t secondBase = 0;  // composite: record number of the partner entry
  // Transit moment, progression/direction target date, or the date after
  // which a return is searched (time used by transits only).
  int32_t month = 0, day = 0, year = 0;
  int32_t hours = 0, minutes = 0, seconds = 0;
  // Transits, relocated charts: required. Returns: optional (the base
  // entry's place when absent).
  std::optional<DerivedPlace> place;
  int body = 0;      // planet returns: body slot, Mercury (2) to Saturn (6)
  int harmonic = 0;  // harmonic charts: 2..180
};

// The uncalculated entry, or why the request cannot be met (a text for the
// user: "Harmonic must be from 2 to 180.", "Entry 4 is not in the list.").
struct DerivedBuild {
  bool ok = false;
  std::string error;
  ChartEntry entry;
};

// Builds the new entry from the request and its base entries (`second` only
// for a composite); `entryCount` is the number of entries the session holds
// before the new one is appended.
DerivedBuild BuildDerivedEntry(const DerivedRequest& request, const ChartEntry& base,
                               const ChartEntry* second, int32_t entryCount);

// The kind of a stored entry; nullopt for a natal chart or an entry type this
// program does not create.
std::optional<DerivedKind> KindOfEntry(const ChartEntry& entry);

// Short name of a kind for menus, list lines and window titles:
// "Transits", "Secondary Progressions", "Solar Arc Directions",
// "Solar Return", "Lunar Return", "Planet Return", "Relocated Chart",
// "Composite Chart", "Harmonic Chart".
const char* DerivedKindName(DerivedKind kind);

}  // namespace vostrane
