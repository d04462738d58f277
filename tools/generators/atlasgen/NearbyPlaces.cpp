// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/NearbyPlaces.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vostrane::atlasgen {
namespace {

constexpr int64_t kLargerPlaceMinimum = 1000;
constexpr double kNearKm = 150;

int CellOf(double degrees) { return static_cast<int>(std::floor(degrees)); }

}  // namespace

double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
  const double r = M_PI / 180;
  const double a = std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
                   std::cos(lat1 * r) * std::cos(lat2 * r) *
                       std::pow(std::sin((lon2 - lon1) * r / 2), 2);
  return 2 * 6371 * std::asin(std::sqrt(std::min(1.0, a)));
}

NearbyPlaces::NearbyPlaces(std::vector<NearbyPlace> places) : places_(std::move(places)) {
  for (size_t i = 0; i < places_.size(); ++i) {
    const NearbyPlace& p = places_[i];
    if (p.population < kLargerPlaceMinimum) continue;
    cells_[Cell(CellOf(p.latitude), CellOf(p.longitude))].push_back(i);
  }
}

std::string NearbyPlaces::NearestLarger(const NearbyPlace& of) const {
  const int latCell = CellOf(of.latitude), lonCell = CellOf(of.longitude);
  double best = kNearKm;
  const NearbyPlace* nearest = nullptr;
  for (int dLat = -1; dLat <= 1; ++dLat) {
    for (int dLon = -2; dLon <= 2; ++dLon) {
      int lon = lonCell + dLon;
      if (lon < -180) lon += 360;
      if (lon >= 180) lon -= 360;
      const auto cell = cells_.find(Cell(latCell + dLat, lon));
      if (cell == cells_.end()) continue;
      for (size_t i : cell->second) {
        const NearbyPlace& p = places_[i];
        if (p.population <= of.population || p.country != of.country || p.foldedCity == of.foldedCity)
          continue;
        const double km = DistanceKm(of.latitude, of.longitude, p.latitude, p.longitude);
        if (km < best) {
          best = km;
          nearest = &p;
        }
      }
    }
  }
  return nearest ? nearest->city : std::string();
}

}  // namespace vostrane::atlasgen
