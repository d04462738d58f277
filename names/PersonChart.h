// SPDX-License-Identifier: GPL-3.0-or-later
// A saved person opened as a chart: a natal entry with the person's birth
// data appended to the list of charts INPUT.FIL (made when missing).
#pragma once

#include <cstdint>
#include <string>

#include "session/BirthDataTexts.h"
#include "session/ChartEntry.h"

namespace vostrane {

// The natal entry of a person, to be entry `number` of the list, in the
// given zodiac (not yet calculated).
ChartEntry ChartOfPerson(const BirthDataFields& person, char zodiac, int64_t number);

// Appends the entry in the given zodiac and returns its number; 0 with
// `error` set when the list cannot be opened or written (it is then left
// as it was).
int64_t AppendChartOfPerson(const BirthDataFields& person, char zodiac, std::string& error);

}  // namespace vostrane
