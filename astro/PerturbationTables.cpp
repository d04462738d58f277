// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/PerturbationTables.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/MeanElements.h"

namespace vostrane {

const SolarArgument kSolarArguments[7] = {
    {0, 0, 0},
    {0, 0, 0},
    {102.279381, 4.092334436, 0.00006670378125},     // Mercury
    {212.603219, 1.602130154, 0.0012860489025},      // Venus
    {319.529425, 0.524020766, 0.00018083395096875},  // Mars
    {225.28, 0.0830822696, 0},                       // Jupiter
    {175.6, 0.033451, 0},                            // Saturn
};

std::span<const PerturbationTerm> CompiledPerturbationTable(int theoryBody) {
  using namespace perturbation_data;
  switch (theoryBody) {
    case kTheoryEarth: return {kEarth, kEarthCount};
    case kTheoryMercury: return {kMercury, kMercuryCount};
    case kTheoryVenus: return {kVenus, kVenusCount};
    case kTheoryMars: return {kMars, kMarsCount};
    default: return {};
  }
}

namespace {

// Solar-table index of the planet whose mean anomaly is Earth-table
// argument x (0 Venus, 1 Mars, 2 Jupiter, 3 Saturn, 8 Mercury).
int SolarIndexOf(int x) {
  switch (x) {
    case 8: return 2;
    case 0: return 3;
    case 1: return 4;
    case 2: return 5;
    case 3: return 6;
    default: return 0;
  }
}

}  // namespace

std::vector<SolarTerm> BuildSolarTable(std::span<const PerturbationTerm> earth) {
  // At the solar routine's epoch (JD 2415020.0) both sets of mean anomalies
  // are evaluated; a term keeps its value when its phase absorbs the
  // difference: phase = pA - j (arg_x - arg_index) - k (M_earth - M_solar).
  const MeanState epoch = PrepareMean(kElementEpoch);
  const double solarM = 358.4758444;
  const double earthM = epoch.body[kTheoryEarth].M;
  std::vector<SolarTerm> solar;
  solar.reserve(earth.size());
  for (const PerturbationTerm& term : earth) {
    const int index = SolarIndexOf(term.x);
    if (index == 0 || term.A == 0.0) continue;  // radius-only terms have no longitude part
    const double shift = term.j * (epoch.arg[term.x] - kSolarArguments[index].value) +
                         term.k * (earthM - solarM);
    const double phase = ReduceDeg(term.pA - shift);
    solar.push_back({term.A, phase, term.j, index, term.k, std::cos(phase * kRadPerDeg),
                     std::sin(phase * kRadPerDeg)});
  }
  return solar;
}

}  // namespace vostrane
