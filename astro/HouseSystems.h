// SPDX-License-Identifier: GPL-3.0-or-later
// The house systems, each known by a letter (common/HouseSystemNames.h):
//   A Campanus, B Equal, C Koch, D Meridian, E Morinus, F Placidus,
//   G Porphyry, H Regiomontanus, I Topocentric, J Whole Sign,
//   K Alcabitius, L Equal from the Midheaven, M Vehlow Equal,
//   N Krusinski-Pisa, O Horizontal, P APC, Q Carter Poli-Equatorial,
//   R Sripati, S Pullen Sinusoidal Delta, T Equal from 0 Aries,
//   U Sunshine, V Gauquelin's sectors (Placidus cusps on the wheel; the
//   sectors themselves in astro/GauquelinSectors.h).
// Each writes cusps 1 to 6 (cusps 7 to 12 are their opposite points) in
// degrees in [0, 360) with the zodiac offset added.
#pragma once

#include <array>

#include "astro/Angles.h"
#include "astro/HouseMath.h"
#include "common/HouseSystemNames.h"

namespace vostrane {

// Cusps 1 to 6 at indexes 1 to 6; index 0 is unused.
using HouseCusps = std::array<double, 7>;

// The starting point of the house systems: cusp 1 = Ascendant, cusp 4 = IC.
void SetStartingCusps(const ChartAngles& angles, HouseCusps& cusps);

// Runs one system on the cusps, followed by the order check for every
// system whose cusps are not in order by construction.
void CalcHouseSystem(HouseSystemId system, const HouseFrame& frame, const ChartAngles& angles,
                     HouseCusps& cusps);

// The systems themselves, without the order check. Systems that keep some
// cusps (A, D, G, H, I keep cusp 4; A, G, H, I keep cusp 1) take them from
// `cusps` as they find them.
void CampanusCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void EqualCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void KochCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void MeridianCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void MorinusCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void PlacidusCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
// Placidus with at most the given number of iteration steps (fewer once a
// step changes the semi-arc point by less than the tolerance). The system
// iterates to convergence: a fixed six steps would leave the intermediate
// cusps an arcminute short at 52 degrees of latitude and over a degree
// short near the polar circles. With kPlacidusMaxIterations, between the
// polar circles, the same fixed point is found by Newton's method in a few
// steps instead (equal to the iteration's within its tolerance).
constexpr int kPlacidusMaxIterations = 200;
constexpr double kPlacidusTolerance = 1e-13;  // radians
void PlacidusCuspsIterated(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps,
                           int iterations);
void PorphyryCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void RegiomontanusCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void TopocentricCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);

// Systems counted along the ecliptic from one point (astro/EqualHouses.cpp).
void WholeSignCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void EqualFromMidheavenCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void VehlowCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void EqualFromAriesCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
// Systems that divide the ecliptic quadrants between the Ascendant and the
// IC by arithmetic; they start from cusps 1 and 4 as they find them.
void SripatiCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void PullenSinusoidalDeltaCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);

// Systems that project divisions of the equator or of the Ascendant's
// diurnal circle along hour circles (astro/HourCircleHouses.cpp).
void AlcabitiusCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void CarterCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);

// Systems whose house circles are a pencil of great circles through two
// opposite points of the sky (astro/PencilHouses.cpp).
void KrusinskiPisaCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void HorizontalCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
void ApcCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);
// Needs the frame's sunDecl.
void SunshineCusps(const HouseFrame& frame, const ChartAngles& angles, HouseCusps& cusps);

// Cusps 2, 3, 5 and 6 trisecting the two quadrants between cusps 1 and 4.
void TrisectQuadrants(HouseCusps& cusps);

// Turns cusp 1 by 180 degrees when cusp 4 lies half a circle or more past
// it, then falls back to Porphyry when the cusps and the descendant do not
// follow each other forward round half a circle. The only high-latitude
// fallback.
void CheckCuspOrder(HouseCusps& cusps);

// Of x and its opposite point (degrees, without Z), the one in the half
// circle that starts at cusp 1; returned with Z added.
double HalfCircleChoice(double x, double cusp1, double z);

// Stores a longitude in radians as a cusp: degrees plus Z in [0, 360).
double CuspFromRadians(double x, double z);

}  // namespace vostrane
