// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AsteroidPositions.h"

#include <cmath>
#include <string>

#include "astro/AngleHelpers.h"
#include "astro/AsteroidFiles.h"
#include "astro/EphemerisFiles.h"
#include "platform/ByteOrder.h"

namespace vostrane {

bool AsteroidYear(int year) { return year >= kAsteroidFirstYear && year <= kAsteroidLastYear; }

namespace {

constexpr size_t kMaxAsteroidSteps = 1000000;

// No position, and the status that says why.
std::optional<HelioPoint> Fault(CalcStatus& status, CalcFault fault, const std::string& name,
                                int64_t record) {
  status = {CalcSource::Asteroids, fault, name, record};
  return std::nullopt;
}

// Bessel's formula to second differences between f0 and f1.
double Bessel(double fm1, double f0, double f1, double f2, double p) {
  return f0 + p * (f1 - f0) + p * (p - 1) / 2 * (f2 - f1 - f0 + fm1) / 2;
}

}  // namespace

std::optional<HelioPoint> AsteroidPos(int asteroid, double julianDayUt, EphemerisFiles& files,
                                      CalcStatus& status) {
  status = {};
  if (asteroid < 1 || asteroid > 4) return std::nullopt;
  const std::string name = kAsteroidFileNames[asteroid - 1];
  // Positions beyond a million steps are refused below, so nothing past
  // them is read.
  const std::string* file = files.Get(name, (kMaxAsteroidSteps + 5) * kAsteroidRecordSize);
  if (!file) return Fault(status, CalcFault::MissingFile, name, 0);
  const auto* bytes = reinterpret_cast<const uint8_t*>(file->data());
  const int64_t records = static_cast<int64_t>(file->size() / kAsteroidRecordSize);
  if (records < 1) return Fault(status, CalcFault::MissingRecord, name, 0);
  // The installation's list vouches for the bytes read: the start day and
  // the four records of the moment.
  if (const FileCheck check = files.Check(name, 0, kAsteroidRecordSize); !check.ok()) {
    status = FailedCheckStatus(CalcSource::Asteroids, check, name, 0);
    return std::nullopt;
  }
  const double start = ReadLe<double>(bytes);
  const double q = (julianDayUt - start) / kAsteroidStep;
  if (!std::isfinite(q) || q < 1.0 || q > kMaxAsteroidSteps) {
    // Record 0 is the header, not a position; a day before the second
    // record (or a damaged start day) has no data to interpolate.
    if (!std::isfinite(q)) return Fault(status, CalcFault::DamagedRecord, name, -1);
    return Fault(status, CalcFault::OutOfRange, name, q < 1.0 ? 0 : -1);
  }
  const int64_t n = static_cast<int64_t>(std::trunc(q));
  const double p = q - static_cast<double>(n);

  if (n + 3 < records) {
    const size_t from = static_cast<size_t>(n) * kAsteroidRecordSize;
    if (const FileCheck check = files.Check(name, from, 4 * kAsteroidRecordSize); !check.ok()) {
      status = FailedCheckStatus(
          CalcSource::Asteroids, check, name,
          n + (check.state == FileState::Damaged && check.offset > static_cast<int64_t>(from)
                   ? (check.offset - static_cast<int64_t>(from)) / kAsteroidRecordSize
                   : 0));
      return std::nullopt;
    }
  }
  double lon[4], lat[4], dist[4];
  SlotVector vec[4];  // only records n + 1 and n + 2 give the velocity
  for (int k = 0; k < 4; ++k) {
    if (n + k >= records) return Fault(status, CalcFault::MissingRecord, name, n + k);
    const uint8_t* rec = bytes + (n + k) * kAsteroidRecordSize;
    lon[k] = DecodeAsteroidValue(rec);
    lat[k] = DecodeAsteroidValue(rec + 3);
    dist[k] = DecodeAsteroidValue(rec + 6) / 100.0;
    if (k == 1 || k == 2) SetPositionFromPolar(vec[k], lon[k], lat[k], dist[k]);
  }

  HelioPoint h;
  h.vec.vx = (vec[2].x - vec[1].x) / kAsteroidStep;
  h.vec.vy = (vec[2].y - vec[1].y) / kAsteroidStep;
  h.vec.vz = (vec[2].z - vec[1].z) / kAsteroidStep;

  // Longitudes that straddle 0 degrees are made continuous.
  bool high = false, low = false;
  for (double l : lon) {
    if (l >= 270.0) high = true;
    if (l < 90.0) low = true;
  }
  if (high && low)
    for (double& l : lon)
      if (l >= 270.0) l -= 360.0;

  h.lon = Bessel(lon[0], lon[1], lon[2], lon[3], p);
  if (h.lon < 0) h.lon += 360.0;
  h.lat = Bessel(lat[0], lat[1], lat[2], lat[3], p);
  h.dist = Bessel(dist[0], dist[1], dist[2], dist[3], p);
  SetPositionFromPolar(h.vec, h.lon, h.lat, h.dist);
  const double rho2 = h.vec.x * h.vec.x + h.vec.y * h.vec.y;
  h.hspeed = rho2 > 0 ? (h.vec.x * h.vec.vy - h.vec.y * h.vec.vx) / rho2 * kDegPerRad : 0.0;
  return h;
}

std::optional<HelioPoint> AsteroidPos(int asteroid, double julianDayUt, CalcStatus& status) {
  EphemerisFiles files;
  return AsteroidPos(asteroid, julianDayUt, files, status);
}

}  // namespace vostrane
