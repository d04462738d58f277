// SPDX-License-Identifier: GPL-3.0-or-later
// Analytic theory of the Sun (through the Earth), Moon, Mercury, Venus and
// Mars: elliptic motion from the mean elements plus periodic perturbations,
// and the lunar series. One object serves one calculation run: it builds its
// constant tables when created and releases them when destroyed, and it
// carries the run's ephemeris files (read on first use, kept to the end).
#pragma once

#include <array>
#include <span>
#include <vector>

#include "astro/EphemerisFiles.h"
#include "astro/MeanElements.h"
#include "astro/MoonTheory.h"
#include "astro/PerturbationTables.h"

namespace vostrane {

// Heliocentric position of a theory body with its daily rates.
struct HelioPosition {
  double lon = 0;   // longitude, degrees
  double r = 0;     // distance, AU
  double z = 0;     // height above the ecliptic, AU
  double lat = 0;   // latitude, degrees
  double dlon = 0;  // degrees per day
  double dr = 0;    // AU per day
  double dz = 0;    // AU per day
};

// The unperturbed part of a heliocentric position and the mean anomaly M'
// (degrees, with the long-period corrections) that the periodic terms use.
struct EllipticPosition {
  HelioPosition pos;
  double meanAnomaly = 0;
};

// Eccentric anomaly E (radians) of E - e sin E = M, M in degrees, by Newton
// steps from E = M until a step is below 3e-7 degrees.
double SolveAnomaly(double e, double M);

// Elliptic motion of body 0, 2, 3 or 4 at the prepared moment.
EllipticPosition EllipticPos(int body, const MeanState& s);

// The fixed perturbation sums a body starts with before its table terms:
// longitude in seconds of arc, log10 r in units of 1e-9.
void StartingSums(int body, const MeanState& s, double& SL, double& SR);

// Adds the table terms at mean anomaly M' (degrees) to SL and SR, one
// cosine per term.
void AddTableTerms(std::span<const PerturbationTerm> table, const MeanState& s, double meanAnomaly,
                   double& SL, double& SR);

// A perturbation table made ready once per run for evaluation by multiple
// angles: each term's amplitudes times the cosine and sine of its phases,
// its multiples as magnitude and sign, and the largest multiple of each mean
// argument and of M' the terms use. Terms with both amplitudes 0 (the end
// marker among them) are left out.
struct PreparedTerm {
  uint8_t arg;          // the term's mean argument: an index into PreparedTable::args
  uint8_t j, k;         // magnitudes of the multiples of that argument and of M'
  double signJ, signK;  // their signs, +1 or -1
  double Ac, As;        // A cos pA, A sin pA
  double Bc, Bs;        // B cos pB, B sin pB
};
struct PreparedTable {
  static constexpr size_t kMaxArguments = 6;
  std::vector<PreparedTerm> terms;
  std::vector<int> args;  // the mean arguments the terms use
  std::vector<int> maxJ;  // the largest multiple of each
  int maxK = 0;
};
PreparedTable PrepareTable(std::span<const PerturbationTerm> table);

// The same sums as AddTableTerms, from the multiples of the mean arguments
// and of M': A cos(pA - g) = A cos pA cos g + A sin pA sin g.
void AddPreparedTerms(const PreparedTable& table, const MeanState& s, double meanAnomaly, double& SL,
                      double& SR);

class AnalyticTheory {
 public:
  AnalyticTheory();

  // Prepares mean elements, mean arguments and nutation for moment daysEt
  // (days of ephemeris time from JD 2433282.0). Every use at a new moment calls it
  // first. The last few moments are kept with the Earth and Moon computed at
  // them, so that a chart computes each of them once for all its bodies.
  void PrepareMean(double daysEt);
  // The mean elements and arguments of the prepared moment; its nutation
  // is computed on the first call of Dpsi.
  const MeanState& Mean() const { return Current().mean; }
  double Dpsi();

  // Heliocentric position of body 0 (Earth), 2, 3 or 4 at moment daysEt;
  // the mean elements are prepared first when it is not the prepared moment.
  HelioPosition HelioPos(int body, double daysEt);
  // The Moon's geocentric position at moment daysEt (before nutation).
  MoonPosition MoonPos(double daysEt);

  std::span<const PerturbationTerm> Table(int body) const { return tables_[body]; }
  const std::vector<SolarTerm>& SolarTable() const { return solar_; }

  // The outer-planet and asteroid files read during this run.
  EphemerisFiles& Files() { return files_; }

 private:
  // One prepared moment and what has been computed at it.
  struct Moment {
    bool valid = false;
    MeanState mean;
    bool hasDpsi = false;
    bool hasEarth = false;
    HelioPosition earth;
    bool hasMoon = false;
    MoonPosition moon;
  };
  static constexpr int kMoments = 6;

  std::array<std::vector<PerturbationTerm>, kTheoryBodies> tables_;
  std::array<PreparedTable, kTheoryBodies> prepared_;
  std::vector<SolarTerm> solar_;
  LunarTables moon_;
  EphemerisFiles files_;
  std::array<Moment, kMoments> moments_;
  int current_ = 0;
  int next_ = 0;

  const Moment& Current() const { return moments_[current_]; }
  Moment& EnsurePrepared(double daysEt);
  HelioPosition ComputeHelioPos(int body);
};

}  // namespace vostrane
