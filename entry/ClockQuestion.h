// SPDX-License-Identifier: GPL-3.0-or-later
// The question the birth data form asks when the typed clock time fell in
// the hour the clocks skipped, or in the hour they went through twice, at
// the entry's place: what the time says, the choices, and the fields each
// choice leaves.
#pragma once

#include <string>
#include <vector>

#include "atlas/LocalClock.h"
#include "entry/BirthDataFields.h"

namespace vostrane {

struct ClockQuestion {
  std::string text;
  std::vector<std::string> choices;  // the last one is "Change the time"
  // Per choice but the last: the fields with the time, zone and daylight
  // letter that choice means.
  std::vector<BirthDataFields> answers;
};

// The question for a gap or a repeat of the fields' time (check.kind not
// Normal). A gap offers the time after the change in the new reckoning (the
// clocks' time at that moment) and the typed time in the old one; a repeat
// offers the first and the second occurrence.
ClockQuestion AskAboutClock(const LocalClockCheck& check, const BirthDataFields& fields);

// "2:30 AM": a clock time of the time field's text (HHMMSS and A or P).
std::string ClockTimeWords(const std::string& timeText);

}  // namespace vostrane
