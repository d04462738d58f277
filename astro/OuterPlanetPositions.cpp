// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/OuterPlanetPositions.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "astro/EphemerisFiles.h"
#include "astro/OuterPlanetFiles.h"
#include "platform/ByteOrder.h"

namespace vostrane {

namespace {

double WrapStep(double d, double* shift = nullptr) {
  double s = 0;
  if (d > 180.0) s = -360.0;
  else if (d < -180.0) s = 360.0;
  if (shift) *shift = s;
  return d + s;
}

// Heliocentric distances (AU) each body keeps to, with a margin, over the
// years the files cover (Jupiter to Pluto, then Chiron).
struct DistanceRange {
  double low, high;
};
constexpr DistanceRange kDistanceRange[6] = {{4.8, 5.6},   {8.7, 10.4},  {18.0, 20.4},
                                             {29.5, 30.7}, {29.0, 50.0}, {8.0, 19.5}};

bool Plausible(int32_t lon, int32_t r, int32_t z, const DistanceRange& range) {
  const double dist = r / kOuterDistUnit;
  return lon >= 0 && lon < 360.0 * kOuterLonUnit && dist >= range.low && dist <= range.high &&
         std::fabs(z / kOuterDistUnit) < 0.5 * dist;
}

// No position: Chiron is then unavailable (its files are not needed for a
// chart), an outer planet's status ends the calculation.
OuterPosition& Failed(OuterPosition& out, bool chiron, CalcStatus status) {
  status.source = chiron ? CalcSource::Chiron : CalcSource::OuterPlanets;
  out.status = status;
  if (chiron) out.available = false;
  return out;
}

OuterPosition& Failed(OuterPosition& out, bool chiron, CalcFault fault, const std::string& name,
                      int64_t index) {
  return Failed(out, chiron, {CalcSource::OuterPlanets, fault, name, index});
}

}  // namespace

EverettResult EverettInterp(const double f[6], int order, double p) {
  const double* g = f + 2;  // g[-2] .. g[3]
  const double q = 1.0 - p;
  double shift = 0;
  const double d0 = WrapStep(g[0] - g[-1]);
  const double d1 = WrapStep(g[1] - g[0], &shift);
  const double d2 = WrapStep(g[2] - g[1]);
  // When d1 crossed 0/360, f(0) is moved to f(1)'s side of the circle
  // (d1 > 180 moves it up by 360, d1 < -180 down).
  const double f0 = g[0] - shift;
  const double s0 = d1 - d0;
  const double s1 = d2 - d1;
  EverettResult r;
  r.value = q * f0 + p * g[1] + s0 * (q * q * q - q) / 6.0 + s1 * (p * p * p - p) / 6.0;
  r.rate = d1 + s1 * (3 * p * p - 1) / 6.0 - s0 * (3 * q * q - 1) / 6.0;
  if (order >= 4) {
    const double dm = WrapStep(g[-1] - g[-2]);
    const double d3 = WrapStep(g[3] - g[2]);
    const double sm = d0 - dm;
    const double s2 = d3 - d2;
    const double F0 = (s1 - s0) - (s0 - sm);
    const double F1 = (s2 - s1) - (s1 - s0);
    r.value += F1 * (p + 2) * (p + 1) * p * (p - 1) * (p - 2) / 120.0 +
               F0 * (q + 2) * (q + 1) * q * (q - 1) * (q - 2) / 120.0;
    r.rate += F1 * (5 * p * p * p * p - 15 * p * p + 4) / 120.0 -
              F0 * (5 * q * q * q * q - 15 * q * q + 4) / 120.0;
  }
  return r;
}

OuterPosition OuterPos(int body, double t, EphemerisFiles& files) {
  const bool chiron = body == 12;
  const std::string prefix = chiron ? kChiPrefix : kLrzPrefix;
  const int width = chiron ? kChiWidth : kLrzWidth;
  const int slot = chiron ? 0 : body - 5;  // triple within the node
  const DistanceRange& range = kDistanceRange[chiron ? 5 : slot];
  OuterPosition out;

  const double J = t + 2433282.0;
  // Base node at or before J (floor, so that days before JD 0.5 also get a
  // fraction in [0, 1)).
  const double N0 = std::floor((J - 0.5) / kOuterNodeStep) * kOuterNodeStep + 0.5;
  const double p = (J - N0) / kOuterNodeStep;

  double lon[6], r[6], z[6];
  const std::string* file = nullptr;
  std::string name;
  int openNumber = 0;
  for (int k = 0; k < 6; ++k) {
    const double node = N0 + (k - 2) * kOuterNodeStep;
    const int number = OuterFileNumber(node);
    if (!file || number != openNumber) {
      name = OuterFileName(prefix, number);
      file = files.Get(name, static_cast<size_t>(kOuterNodesPerFile) * width * 4);
      if (!file) {
        // Chiron's files begin where its source does; before that Chiron is
        // simply not available. A file the installation lists is missing.
        if (chiron && files.Check(name, 0, 0).state != FileState::Missing) {
          out.available = false;
          return out;
        }
        return Failed(out, chiron, CalcFault::MissingFile, name, 0);
      }
      openNumber = number;
    }
    const int64_t index = OuterNodeIndex(node, width);
    const size_t offset = 4 * static_cast<size_t>(index);
    const FileCheck check = files.Check(name, offset, 4 * static_cast<size_t>(width));
    if (!check.ok())
      return Failed(out, chiron, FailedCheckStatus(CalcSource::OuterPlanets, check, name, index));
    if (offset > file->size()) return Failed(out, chiron, CalcFault::MissingRecord, name, index);
    if (offset + 4 * static_cast<size_t>(width) > file->size())
      return Failed(out, chiron, CalcFault::ShortRecord, name, index);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file->data()) + offset + 12 * slot;
    const int32_t l = ReadBe<int32_t>(bytes), d = ReadBe<int32_t>(bytes + 4),
                  h = ReadBe<int32_t>(bytes + 8);
    if (!Plausible(l, d, h, range)) return Failed(out, chiron, CalcFault::DamagedRecord, name, index);
    lon[k] = l / kOuterLonUnit;
    r[k] = d / kOuterDistUnit;
    z[k] = h / kOuterDistUnit;
  }

  const int order = (body == 5 || body == 6) ? 4 : 2;
  const EverettResult l = EverettInterp(lon, order, p);
  const EverettResult d = EverettInterp(r, order, p);
  const EverettResult h = EverettInterp(z, order, p);
  out.lon = l.value;
  out.r = d.value;
  out.z = h.value;
  out.dlon = l.rate / kOuterNodeStep;
  out.dr = d.rate / kOuterNodeStep;
  out.dz = h.rate / kOuterNodeStep;
  return out;
}

OuterPosition OuterPos(int body, double t) {
  EphemerisFiles files;
  return OuterPos(body, t, files);
}

}  // namespace vostrane
