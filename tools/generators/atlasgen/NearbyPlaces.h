// SPDX-License-Identifier: GPL-3.0-or-later
// The nearest larger place of a place, to tell apart places of one name:
// a grid of one-degree cells over the places of at least 1000 people.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vostrane::atlasgen {

struct NearbyPlace {
  double latitude = 0, longitude = 0;
  int64_t population = 0;
  std::string country;
  std::string foldedCity;
  std::string city;  // as shown
};

class NearbyPlaces {
 public:
  explicit NearbyPlaces(std::vector<NearbyPlace> places);
  // The city of the nearest place of the same country within about 150 km
  // that has more people and another name; "" when there is none.
  std::string NearestLarger(const NearbyPlace& of) const;

 private:
  static int64_t Cell(int latCell, int lonCell) {
    return static_cast<int64_t>(latCell) * 1000 + lonCell;
  }
  std::vector<NearbyPlace> places_;
  std::unordered_map<int64_t, std::vector<size_t>> cells_;
};

double DistanceKm(double lat1, double lon1, double lat2, double lon2);

}  // namespace vostrane::atlasgen
