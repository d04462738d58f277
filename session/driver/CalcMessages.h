// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the calculation's statuses: what the user reads when an
// ephemeris file or the ayanamsa correction file lets a chart down.
#pragma once

#include <string>

#include "astro/CalcStatus.h"

namespace vostrane {

inline constexpr const char* kAyanamshaBadMessage =
    "Data in file AYANAMSH.DAT not entered correctly, and was ignored";

// The text of a status that is not ok.
std::string CalcStatusText(const CalcStatus& status);

// Shows the status's message; a fatal status ends the program with it.
void ShowCalcStatus(const CalcStatus& status);

// Shows every status of the report in order (the last may end the program).
void ShowCalcReport(const CalcReport& report);

}  // namespace vostrane
