// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/AspectChoices.h"

#include <algorithm>
#include <cmath>

namespace vostrane {

namespace {

struct KnownAspect {
  const char* name;
  const char* shortName;
  int degrees;
  double planetOrb, sunMoonOrb;
  uint8_t colour;  // palette number, screen and paper
  uint8_t style;   // 0 solid, 1 dashed, 2 dotted
};

// Defaults for an aspect switched on that the set did not hold.
constexpr KnownAspect kKnown[] = {
    {"Conjunction", "Con", 0, 8, 10, 1, 0},     {"Opposition", "Opp", 180, 8, 10, 4, 0},
    {"Square", "Squ", 90, 7, 9, 4, 0},          {"Trine", "Tri", 120, 7, 9, 9, 0},
    {"Sextile", "Sxt", 60, 5, 6, 2, 0},         {"Semi-Sextile", "SSx", 30, 2, 3, 3, 2},
    {"Quincunx", "Qnx", 150, 3, 3, 13, 1},      {"Semi-Square", "SSq", 45, 2, 3, 5, 2},
    {"Sesquiquadrate", "Ses", 135, 2, 3, 5, 1}, {"Quintile", "Qui", 72, 2, 2, 6, 2},
    {"Bi-Quintile", "BQu", 144, 2, 2, 6, 1},
};

bool IsWholeDegree(const AspectEntry& e, int degrees) {
  return e.InUse() && e.degrees == degrees && e.minutes == 0 && e.seconds == 0;
}

}  // namespace

void SetOrb(uint8_t& degrees, uint8_t& minutes, double value) {
  const long total = std::clamp(std::lround(value * 60.0), 0L, 255L * 60 + 59);
  degrees = static_cast<uint8_t>(total / 60);
  minutes = static_cast<uint8_t>(total % 60);
}

void SetAngle(AspectEntry& e, double value) {
  const long total = std::clamp(std::lround(value * 3600.0), 0L, 180L * 3600);
  e.degrees = static_cast<uint8_t>(total / 3600);
  e.minutes = static_cast<uint8_t>(total / 60 % 60);
  e.seconds = static_cast<uint8_t>(total % 60);
}

std::vector<AspectRow> AspectRowsOf(const AspectSet& set) {
  std::vector<AspectRow> rows;
  std::vector<bool> taken(kAspectCount + 1, false);
  for (const KnownAspect& k : kKnown) {
    AspectRow row{k.name, k.shortName, false, 0, {}};
    for (int i = 1; i <= kAspectCount && !row.on; ++i)
      if (!taken[i] && IsWholeDegree(set.Entry(i), k.degrees)) {
        row.on = true;
        row.number = i;
        row.entry = set.Entry(i);
        row.shortName = set.ShortName(i);
        taken[i] = true;
      }
    if (!row.on) {
      AspectEntry& e = row.entry;
      e.degrees = static_cast<uint8_t>(k.degrees);
      SetOrb(e.orbDegrees, e.orbMinutes, k.planetOrb);
      SetOrb(e.sunOrbDegrees, e.sunOrbMinutes, k.sunMoonOrb);
      e.screenColour = e.printColour = k.colour;
      e.lineStyle = k.style;
      e.weight = 1;
      e.lineMode = 1;
    }
    rows.push_back(row);
  }
  for (int i = 1; i <= kAspectCount; ++i)
    if (!taken[i] && set.Entry(i).InUse())
      rows.push_back({set.ShortName(i), set.ShortName(i), true, i, set.Entry(i)});
  return rows;
}

bool ApplyAspectRows(AspectSet& set, const std::vector<AspectRow>& rows) {
  for (const AspectRow& row : rows)
    if (!row.on && row.number > 0) set.SetEntry(row.number, AspectEntry{});
  for (const AspectRow& row : rows) {
    if (!row.on) continue;
    int number = row.number;
    for (int i = 1; i <= kAspectCount && number == 0; ++i)
      if (!set.Entry(i).InUse()) number = i;
    if (number == 0) return false;
    AspectEntry e = row.entry;
    if (!e.InUse()) e.degrees = 0;  // an entry switched on always has an angle
    set.SetEntry(number, e);
    set.SetShortName(number, row.shortName);
  }
  return true;
}

}  // namespace vostrane
