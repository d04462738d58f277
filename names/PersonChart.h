// A saved person opened as a chart: a natal entry with the person's birth
// data appended to the list of charts INPUT.FIL (made when missing).
#pragma once

#include <cstdint>
#include <string>

#include "session/BirthDataTexts.h"

namespace vostrane {

// Appends the entry in the given zodiac and returns its number; 0 with
// `error` set when the list cannot be opened or written (it is then left
// as it was).
int64_t AppendChartOfPerson(const BirthDataFields& person, char zodiac, std::string& error);

}  // namespace vostrane
