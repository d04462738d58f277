// Delta T: ephemeris time minus universal time, in seconds, from a yearly
// table for 1637 to 2000 and from quadratics outside it.
#pragma once

#include <cstdint>

namespace vostrane {

class ChartEntry;

// Delta T in seconds for a Gregorian calendar date.
double DeltaTSeconds(int32_t year, int32_t month, int32_t day);
// Writes `deltat` of the entry from its year, month and day.
void CalcDeltaT(ChartEntry& entry);

}  // namespace vostrane
