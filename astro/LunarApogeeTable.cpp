// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/LunarApogeeTable.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/EphemerisFiles.h"
#include "astro/OuterPlanetPositions.h"
#include "platform/ByteOrder.h"

namespace vostrane {

namespace {

constexpr size_t kTableBytes = static_cast<size_t>(kApogeeTableNodes) * kApogeeNodeBytes;
// The osculating apogee's latitude stays within 5.4 degrees of the ecliptic.
constexpr double kLatitudeLimit = 6.0;

std::optional<TabulatedApogee> Failed(CalcStatus& status, CalcStatus failed) {
  failed.source = CalcSource::LunarApogee;
  status = failed;
  return std::nullopt;
}

}  // namespace

std::optional<TabulatedApogee> ApogeeFromTable(double t, EphemerisFiles& files, CalcStatus& status) {
  status = {};
  const double x = t + 2433282.0 - kApogeeTableFirstJd;
  // Everett's formula takes the nodes two before to three after the moment.
  if (!(x >= 2.0 && x < kApogeeTableNodes - 3.0)) return std::nullopt;
  const int base = static_cast<int>(std::floor(x));
  const double p = x - base;

  const std::string name = kApogeeTableName;
  const std::string* file = files.Get(name, kTableBytes);
  if (!file) return Failed(status, {CalcSource::LunarApogee, CalcFault::MissingFile, name, 0});
  double lon[6], lat[6];
  for (int k = 0; k < 6; ++k) {
    const int node = base + k - 2;
    const size_t offset = static_cast<size_t>(node) * kApogeeNodeBytes;
    const FileCheck check = files.Check(name, offset, kApogeeNodeBytes);
    if (!check.ok())
      return Failed(status, FailedCheckStatus(CalcSource::LunarApogee, check, name, node));
    if (file->size() != kTableBytes)
      return Failed(status, {CalcSource::LunarApogee, CalcFault::ShortRecord, name, node});
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file->data()) + offset;
    lon[k] = ReadBe<int32_t>(bytes) / kApogeeTableUnit;
    lat[k] = ReadBe<int32_t>(bytes + 4) / kApogeeTableUnit;
    if (lon[k] < 0 || lon[k] >= 360.0 || std::fabs(lat[k]) > kLatitudeLimit)
      return Failed(status, {CalcSource::LunarApogee, CalcFault::DamagedRecord, name, node});
  }
  const EverettResult l = EverettInterp(lon, 4, p);
  TabulatedApogee out;
  out.lon = NormDeg(l.value);
  out.lat = EverettInterp(lat, 4, p).value;
  out.speed = l.rate;  // the nodes are one day apart
  return out;
}

}  // namespace vostrane
