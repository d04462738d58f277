// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/atlasgen/PlaceNaming.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "atlas/PlaceSearchKey.h"
#include "tools/generators/atlasgen/NearbyPlaces.h"
#include "tools/generators/atlasgen/OtherNames.h"
#include "tools/generators/atlasgen/PlaceNames.h"

namespace vostrane::atlasgen {
namespace {

constexpr size_t kKeyCityWidth = 30;
constexpr size_t kKeyRegionWidth = kPlaceSearchKeyWidth - kKeyCityWidth - 1 - kPlaceRankDigits;
constexpr size_t kShortNearWidth = 12;

struct NameChoice {
  std::string name;
  std::string city;  // the city the search key is made of
};

// The part after the last " / " of a district name ("Zürich (Kreis 7) /
// Witikon" -> "Witikon"); "" when there is none.
std::string DistrictPart(const std::string& city) {
  const size_t slash = city.rfind(" / ");
  return slash == std::string::npos ? "" : city.substr(slash + 3);
}

// The names a place may take when its plain name is taken, best first.
std::vector<NameChoice> OtherChoices(const AtlasRecord& r, const GeoPlace& p, bool cut,
                                     const std::string& near) {
  std::vector<NameChoice> choices;
  if (const std::string district = DistrictPart(r.city); !district.empty()) {
    choices.push_back({AtlasName(district, "", r.region), district});
  }
  if (cut && r.region.size() + 2 < kAtlasNameWidth) {
    const std::string initials = WithInitials(r.city, kAtlasNameWidth - r.region.size() - 2);
    if (!initials.empty()) choices.push_back({initials + ", " + r.region, r.city});
  }
  if (!near.empty()) {
    choices.push_back({AtlasName(r.city, "(" + near + ")", r.region, false), r.city});
    // The nearest place in the room the whole city leaves, else in a few
    // characters with the city shortened.
    const size_t used = r.city.size() + r.region.size() + 5;
    for (size_t room : {used < kAtlasNameWidth ? kAtlasNameWidth - used : 0, kShortNearWidth}) {
      const std::string shortNear = WholeWordsWithin(near, room);
      if (shortNear.size() >= 3 && shortNear != near) {
        choices.push_back({AtlasName(r.city, "(" + shortNear + ")", r.region, false), r.city});
      }
    }
  }
  choices.push_back(
      {AtlasName(r.city, CoordinateText(p.latitude, p.longitude, 1), r.region, false), r.city});
  choices.push_back(
      {AtlasName(r.city, CoordinateText(p.latitude, p.longitude, 2), r.region, false), r.city});
  return choices;
}

}  // namespace

std::string CoordinateText(double latitude, double longitude, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f%c %.*f%c", decimals, std::fabs(latitude),
                latitude < 0 ? 'S' : 'N', decimals, std::fabs(longitude), longitude < 0 ? 'W' : 'E');
  return text;
}

void NamePlaces(AtlasBuild& build, const std::vector<const GeoPlace*>& sources) {
  std::vector<AtlasRecord>& records = build.records;
  std::vector<std::string> plain(records.size());
  std::vector<char> cut(records.size());
  std::vector<NearbyPlace> nearby(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    const AtlasRecord& r = records[i];
    plain[i] = AtlasName(r.city, "", r.region);
    cut[i] = plain[i] != r.city + ", " + r.region;
    nearby[i] = {sources[i]->latitude, sources[i]->longitude, r.population,
                 sources[i]->country,  FoldPlaceText(r.city), r.city};
  }
  // Whole names first, then the shortened ones; the most populous first.
  std::vector<size_t> order(records.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (cut[a] != cut[b]) return cut[a] < cut[b];
    if (records[a].population != records[b].population)
      return records[a].population > records[b].population;
    return records[a].id < records[b].id;
  });
  const NearbyPlaces near(nearby);
  std::unordered_set<std::string> taken;
  auto take = [&](const std::string& name) {
    return !name.empty() && taken.insert(FoldPlaceText(name)).second;
  };
  for (size_t i : order) {
    AtlasRecord& r = records[i];
    if (cut[i]) ++build.shortened;
    r.name = plain[i];
    if (take(r.name)) continue;
    ++build.qualified;
    bool named = false;
    for (const NameChoice& choice :
         OtherChoices(r, *sources[i], cut[i], near.NearestLarger(nearby[i]))) {
      if (take(choice.name)) {
        r.name = choice.name;
        r.city = choice.city;
        named = true;
        break;
      }
    }
    for (int k = 2; !named; ++k) {
      r.name = AtlasName(r.city, "#" + std::to_string(k), r.region);
      named = take(r.name);
    }
  }
}

void AddOtherNames(AtlasBuild& build, const std::vector<const GeoPlace*>& sources) {
  std::unordered_set<std::string> cities;  // country and folded city of every place
  const size_t places = build.records.size();
  for (size_t i = 0; i < places; ++i)
    cities.insert(sources[i]->country + "|" + FoldPlaceText(build.records[i].city));
  for (size_t i = 0; i < places; ++i) {
    for (const std::string& other : OtherNamesOf(*sources[i], build.records[i].city)) {
      if (cities.count(sources[i]->country + "|" + FoldPlaceText(other))) continue;
      AtlasRecord r = build.records[i];
      r.name = other;
      r.city = other;
      r.target = static_cast<int>(i);
      build.records.push_back(std::move(r));
      ++build.otherNames;
    }
  }
}

void KeyAndSort(AtlasBuild& build) {
  std::vector<AtlasRecord>& records = build.records;
  std::unordered_map<std::string, std::vector<size_t>> groups;
  std::vector<std::string> city(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    city[i] = FoldPlaceText(records[i].city).substr(0, kKeyCityWidth);
    groups[city[i]].push_back(i);
  }
  for (auto& [folded, members] : groups) {
    std::sort(members.begin(), members.end(), [&](size_t a, size_t b) {
      const AtlasRecord &x = records[a], &y = records[b];
      if (x.population != y.population) return x.population > y.population;
      if ((x.target < 0) != (y.target < 0)) return x.target < 0;
      return x.id != y.id ? x.id < y.id : a < b;
    });
    for (size_t rank = 0; rank < members.size(); ++rank) {
      AtlasRecord& r = records[members[rank]];
      r.searchKey = PlaceSearchKey(folded, static_cast<int>(std::min<size_t>(rank, 9999)),
                                   FoldPlaceText(r.region).substr(0, kKeyRegionWidth));
    }
  }
  std::vector<size_t> order(records.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (records[a].searchKey != records[b].searchKey) return records[a].searchKey < records[b].searchKey;
    return a < b;
  });
  std::vector<uint32_t> recordOf(records.size());
  for (size_t k = 0; k < order.size(); ++k) recordOf[order[k]] = static_cast<uint32_t>(k + 1);
  std::vector<AtlasRecord> sorted;
  sorted.reserve(records.size());
  for (size_t i : order) {
    sorted.push_back(std::move(records[i]));
    if (sorted.back().target >= 0)
      sorted.back().seeRecord = recordOf[static_cast<size_t>(sorted.back().target)];
  }
  records = std::move(sorted);
}

}  // namespace vostrane::atlasgen
