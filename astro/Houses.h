// The house step of a chart: time scales, ayanamsa, angles with their
// daily motions, delta T and the cusps of the entry's house system; for a
// natal entry linked to a stored person also the cusps of all nine systems
// and the other values the name file keeps.
#pragma once

#include "astro/Angles.h"
#include "astro/CalcStatus.h"
#include "astro/HouseSystems.h"
#include "astro/Zodiac.h"

namespace vostrane {

class ChartEntry;
class NameFileImage;

// Calculates the entry in place with the given house system letter ('A' to
// 'I'; the entry's `housesys`) and the program-wide geocentric-latitude
// setting. Returns true when the name-file values were packed into `image`
// (entry of level 0 with a name-file record number other than 0). A
// correction file that was ignored is added to `report`.
bool CalcHouses(ChartEntry& entry, NameFileImage& image, char houseSystem, bool geocentricLatitude,
                CalcReport& report);

// Stores the angles and the daily motions of the first four in the entry.
void StoreAngles(const ChartAngles& angles, ChartEntry& entry);

// The name-file values of a calculated entry (time scales, zodiac letter,
// angles in fixed point with the zodiac offset removed). K is the ayanamsa
// step's value, stored the same way in both zodiacs.
void PackNameFileValues(const ChartEntry& entry, double k, NameFileImage& image);

// Cusps 1 to 6 of the k-th system (A = 0 .. I = 8) into the house block of
// the image, in fixed point with the zodiac offset z removed.
void PackHouseCusps(const HouseCusps& cusps, int systemIndex, double z, NameFileImage& image);

}  // namespace vostrane
