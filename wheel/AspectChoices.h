// SPDX-License-Identifier: GPL-3.0-or-later
// The aspects a user switches on and off in Preferences: the five major
// aspects and the six minor ones, each a row with its entry of the set (or
// the defaults it gets when switched on), followed by any other aspect the
// set holds. Switching a row off empties its entry; switching it on puts it
// in the first empty entry.
#pragma once

#include <string>
#include <vector>

#include "wheel/AspectSetFile.h"

namespace vostrane {

struct AspectRow {
  std::string name;       // "Trine", or the short name of an aspect the list does not know
  std::string shortName;  // up to four characters, stored with the entry
  bool on = false;
  int number = 0;  // entry number 1..40 in the set, 0 when not in it
  AspectEntry entry;
};

// The rows of a set: the eleven known aspects in their usual order, then
// the set's other entries in use.
std::vector<AspectRow> AspectRowsOf(const AspectSet& set);

// Writes the rows back into the set: rows switched off empty their entry,
// rows switched on keep their number or take the first empty entry. False
// when the set has no empty entry left for a row.
bool ApplyAspectRows(AspectSet& set, const std::vector<AspectRow>& rows);

// Degrees as whole degrees and minutes (an orb) or degrees, minutes and
// seconds (an angle) of an entry, rounded to the nearest unit.
void SetOrb(uint8_t& degrees, uint8_t& minutes, double value);
void SetAngle(AspectEntry& e, double value);

}  // namespace vostrane
