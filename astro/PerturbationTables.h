// Periodic perturbation tables of the analytic theory: one table per
// heliocentric body (Earth, Mercury, Venus, Mars) and the solar table of the
// Sun vector, which is the longitude part of the Earth's table referred to
// the solar routine's own mean anomalies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vostrane {

// One term: g = j * meanArgument[x] + k * M (degrees); the longitude gains
// A cos(pA - g) seconds of arc and log10 of the radius vector gains
// B cos(pB - g) units of 1e-9.
struct PerturbationTerm {
  int32_t j;
  int32_t k;
  double A;
  double pA;
  int32_t B;
  double pB;
  int32_t x;
};

// One term of the solar table: amplitude cos(phase - j * arg[index] - k * M)
// seconds of arc; index 1 is the Sun's mean anomaly, 2 to 6 Mercury, Venus,
// Mars, Jupiter, Saturn.
struct SolarTerm {
  double amplitude;
  double phase;
  int32_t j;
  int32_t index;
  int32_t k;
  double cosPhase = 0, sinPhase = 0;  // of the phase, for the multiple-angle sum
};

// Mean anomaly of a planet as the solar routine uses it (degrees):
// value + rate * d + quad * T^2, d days and T centuries from JD 2415020.0.
struct SolarArgument {
  double value, rate, quad;
};
// Indices 2 to 6 (Mercury to Saturn); entries 0 and 1 are unused.
extern const SolarArgument kSolarArguments[7];

// The compiled-in tables (generated from data/perturbations/*.tsv).
std::span<const PerturbationTerm> CompiledPerturbationTable(int theoryBody);

// The solar table built from the Earth's table.
std::vector<SolarTerm> BuildSolarTable(std::span<const PerturbationTerm> earth);

namespace perturbation_data {
extern const PerturbationTerm kEarth[];
extern const size_t kEarthCount;
extern const PerturbationTerm kMercury[];
extern const size_t kMercuryCount;
extern const PerturbationTerm kVenus[];
extern const size_t kVenusCount;
extern const PerturbationTerm kMars[];
extern const size_t kMarsCount;
}  // namespace perturbation_data

}  // namespace vostrane
