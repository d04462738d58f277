// Analytic theory of the Sun (through the Earth), Moon, Mercury, Venus and
// Mars: elliptic motion from the mean elements plus periodic perturbations,
// and the lunar series. One object serves one calculation run: it builds its
// constant tables when created and releases them when destroyed.
#pragma once

#include <array>
#include <span>
#include <vector>

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

// Adds the table terms at mean anomaly M' (degrees) to SL and SR.
void AddTableTerms(std::span<const PerturbationTerm> table, const MeanState& s, double meanAnomaly,
                   double& SL, double& SR);

class AnalyticTheory {
 public:
  AnalyticTheory();

  // Prepares mean elements, mean arguments and nutation for moment t (days
  // of ephemeris time from JD 2433282.0). Every use at a new moment calls it
  // first.
  void PrepareMean(double t);
  const MeanState& Mean() const { return mean_; }
  double Dpsi() const { return mean_.dpsi; }

  // Heliocentric position of body 0 (Earth), 2, 3 or 4 at moment t; the
  // mean elements are prepared first when t is not the prepared moment.
  HelioPosition HelioPos(int body, double t);
  // The Moon's geocentric position at moment t (before nutation).
  MoonPosition MoonPos(double t);

  std::span<const PerturbationTerm> Table(int body) const { return tables_[body]; }
  const std::vector<SolarTerm>& SolarTable() const { return solar_; }

 private:
  std::array<std::vector<PerturbationTerm>, kTheoryBodies> tables_;
  std::vector<SolarTerm> solar_;
  LunarTables moon_;
  MeanState mean_;
  bool prepared_ = false;

  void EnsurePrepared(double t);
};

}  // namespace vostrane
