// The birth data the name-file benchmarks store for every person: one
// London birth, so that only the names differ between records.
#pragma once

#include <string>

#include "entry/BirthDataFields.h"

namespace vostrane {

inline BirthDataFields LondonBenchPerson(const std::string& name) {
  BirthDataFields f;
  f.name = name;
  f.date = "03051961";
  f.time = "023000P";
  f.place = "London, United Kingdom";
  f.latitude = "51N3000";
  f.longitude = "000W0700";
  f.zoneHours = "00";
  f.zoneMinutes = "00";
  f.zoneEastWest = "W";
  f.daylight = "N";
  f.dstTable = "";
  return f;
}

}  // namespace vostrane
