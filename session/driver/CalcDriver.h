// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation driver: brings every entry of the session file up to date
// before the printouts are shown. Entries are calculated level by level, so
// a derived chart always finds its base entry calculated; houses and planets
// are calculated as the chart type asks, a user-defined zodiac is applied,
// and every entry is written back in place. For a person taken from the name
// file the calculated values also go back into the person's record.
#pragma once

#include "session/ChartEntry.h"
#include "session/driver/CalcProgress.h"
#include "session/driver/ChartCalculator.h"
#include "session/driver/NameFileWriteBack.h"

namespace vostrane {

inline constexpr const char* kCaptionFor = "Calculating Houses and Planets for:";
inline constexpr const char* kCaptionSecondary = "Secondary Calculations for:";
inline constexpr const char* kCaptionHouses = "Calculating Houses for:";
inline constexpr const char* kCaptionPlanets = "Calculating Planets for:";

// Calculates every entry of "INPUT.FIL" in place and closes the file.
// Session file failures end the program with their message. Returns the
// number of derived charts that could not be made (each was reported and
// left incomplete).
int CalculateSessionCharts(CalcProgress& progress, NameFileWriteBack& nameFile,
                           ChartCalculator& calculator, bool geocentricLatitude);

// The same with the calculation library and the control record's
// geocentric-latitude setting.
int CalculateSessionCharts(CalcProgress& progress, NameFileWriteBack& nameFile);

// Subtracts the offset from the node, the angles, the cusps and the
// longitudes, heliocentric longitudes and right ascensions of slots 0..30,
// each brought back into [0, 360) by one step.
void ApplyUserZodiacOffset(ChartEntry& entry, double offset);

// Whether the driver runs the house and the planet step for an entry.
bool NeedsHouses(const ChartEntry& entry);
bool NeedsPlanets(const ChartEntry& entry);

}  // namespace vostrane
