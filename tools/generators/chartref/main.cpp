// SPDX-License-Identifier: GPL-3.0-or-later
// chartref: writes a fixed set of natal charts, calculated by the current
// chart calculation, as reference data for tests/astro/data. Run it in an
// installation folder (it reads the ephemeris files there):
//   chartref OUT.txt
// Each chart is one line of birth data and delta T ("chart ..."), then one
// line per body array with slots 0 to 30 and, last, the mean node.
#include <cstdio>
#include <cstdint>

#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/EntryCalculation.h"
#include "session/ChartEntry.h"
#include "session/NameFileImage.h"

namespace {

// A small linear congruential generator, so that the set never changes.
struct Lcg {
  uint64_t s = 20261209;
  double Next() {
    s = s * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(s >> 11) / 9007199254740992.0;
  }
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() * (hi - lo + 1)); }
};

constexpr const char* kArrayNames[8] = {"lon", "lat", "speed", "hlon", "hlat", "hspeed", "ra", "decl"};
constexpr vostrane::BodyArray kArrays[8] = {vostrane::BodyArray::Lon,   vostrane::BodyArray::Lat,
                                            vostrane::BodyArray::Speed, vostrane::BodyArray::HLon,
                                            vostrane::BodyArray::HLat,  vostrane::BodyArray::HSpeed,
                                            vostrane::BodyArray::Ra,    vostrane::BodyArray::Decl};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: chartref OUT.txt (run in an installation folder)\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) {
    std::fprintf(stderr, "chartref: cannot write %s\n", argv[1]);
    return 1;
  }
  std::fprintf(
      out,
      "# Reference charts written by tools/generators/chartref; see its main.cpp for the layout.\n");
  vostrane::AnalyticTheory theory;
  Lcg rng;
  const int charts = 48;
  for (int i = 0; i < charts; ++i) {
    vostrane::ChartEntry e;
    e.setUsed(true);
    // Years where Chiron's files and the outer-planet files both serve.
    e.setYear(rng.Int(800, 2390));
    e.setMonth(rng.Int(1, 12));
    e.setDay(rng.Int(1, 28));
    e.setHours(rng.Int(0, 23));
    e.setMinutes(rng.Int(0, 59));
    e.setSeconds(rng.Int(0, 59));
    e.setLatitude(-60.0 + 126.0 * rng.Next());
    e.setLongitude(-180.0 + 360.0 * rng.Next());
    e.setZoneHoursWest(rng.Int(-12, 12));
    e.setDaylightCode(static_cast<uint8_t>(rng.Int(0, 3)));
    e.setZodiacLetter(i % 3 == 2 ? 'S' : 'T');
    e.setHouseSystemLetter(static_cast<char>('A' + i % 9));
    e.setUserZodiacType('A');
    vostrane::NameFileImage image;
    vostrane::CalcReport report;
    vostrane::CalcHouses(e, image, false, report);
    vostrane::PlanetFlags flags;
    vostrane::CalcPlanets(e, image, flags, theory, report);
    if (!report.Statuses().empty()) {
      std::fprintf(stderr, "chartref: file %s is missing or damaged\n",
                   report.Statuses().front().file.str().c_str());
      return 1;
    }
    std::fprintf(out, "chart %d %d %d %d %d %d %.17g %.17g %.17g %d %c %c %.17g\n", e.year(), e.month(),
                 e.day(), e.hours(), e.minutes(), e.seconds(), e.latitude(), e.longitude(),
                 e.zoneHoursWest(), e.daylightCode(), e.zodiacLetter(), e.houseSystemLetter(),
                 e.deltaTSeconds());
    for (int a = 0; a < 8; ++a) {
      std::fprintf(out, "%s", kArrayNames[a]);
      for (int s = 0; s <= 30; ++s) std::fprintf(out, " %.12f", e.body(kArrays[a], s));
      std::fprintf(out, "\n");
    }
    std::fprintf(out, "moonnode %.12f\n", e.moonNodeDeg());
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
