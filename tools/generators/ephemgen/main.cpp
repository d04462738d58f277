// SPDX-License-Identifier: GPL-3.0-or-later
// ephemgen: writes the ephemeris data files of the installation folder from
// the reference ephemeris. It is a build tool; the program never links it.
//
//   ephemgen OUTPUT_DIR
//
// "LRZ5_13" to "LRZ5_25": Jupiter, Saturn, Uranus, Neptune and Pluto at the
//   80-day nodes of JD 1300000.5 to 2599920.5 (ephemeris time), which covers
//   birth years -999 to 2300 with the nodes the interpolation needs.
// "CHI_20" to "CHI_25": Chiron from JD 2000000.5 on; the reference has no
//   Chiron before JD 1967601.5, so earlier files are not written and the
//   program treats Chiron as not available there.
// "NVCER21P.E87", "NVPAL21P.E87", "NVJUN21P.E87", "NVVES21P.E87": Ceres,
//   Pallas, Juno and Vesta every 40 days (universal time) over 1722 to 2049
//   with margins for the interpolation.
// "OSCAPOG.DAT": the Moon's osculating apogee every day over 1900 to 2100
//   (layout in astro/LunarApogeeTable.h), geocentric, without nutation.
// The planets' positions are heliocentric, geometric, referred to the mean ecliptic
// and equinox of date (the program adds the nutation itself). Output is
// deterministic; every file is written to a temporary name and renamed.
// Accuracy: the reference's positions rounded to the files' units (0.001"
// and 1e-7 AU for the outer planets and Chiron, 1" and 1/360000 AU for the
// asteroids); what the interpolation between the records adds is measured
// by the tests EphemerisAccuracy.ApparentLongitudesFollowTheReferenceFrom1700To2200
// (within 0.64") and CoefficientAccuracy.AsteroidFilesFollowTheReferenceBetweenTheirNodes
// (Ceres 2.6", Pallas 54", Juno 25", Vesta 3.7"). The apogee table: the
// ephemeris's osculating apogee sampled at 20000 moments of 1900-2100 and
// interpolated between the daily nodes differs by at most 11.6" in
// longitude and 1.1" in latitude; a step of half a day would give 2.0" for
// twice the size.
#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/AsteroidFiles.h"
#include "astro/LunarApogeeTable.h"
#include "astro/OuterPlanetFiles.h"
#include "platform/ByteOrder.h"

#ifndef VOSTRANE_SWE_EPHE_DIR
#define VOSTRANE_SWE_EPHE_DIR "/usr/share/libswe/ephe"
#endif

using namespace vostrane;

namespace {

constexpr int kFirstLrzFile = 13;
constexpr int kLastLrzFile = 25;
constexpr int kFirstChiFile = 20;
constexpr int kLastChiFile = 25;
constexpr double kAsteroidStart = 2349800.5;  // 115 days before 1722 January 1
constexpr double kAsteroidEnd = 2470007.5;    // 200 days after 2050 January 1

constexpr int kFlags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR |
                       SEFLG_NOGDEFL;

bool Position(double jd, int body, bool universalTime, double out[3]) {
  char err[AS_MAXCH] = "";
  double xx[6];
  const int ret = universalTime ? swe_calc_ut(jd, body, kFlags, xx, err)
                                : swe_calc(jd, body, kFlags, xx, err);
  // A position from anything but the ephemeris files would change the
  // output with the machine's data; refuse it.
  if (ret < 0 || !(ret & SEFLG_SWIEPH)) {
    std::fprintf(stderr, "ephemgen: no reference position of body %d at JD %.1f: %s\n", body, jd, err);
    return false;
  }
  out[0] = xx[0];
  out[1] = xx[1];
  out[2] = xx[2];
  return true;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "ephemgen: cannot create %s\n", temp.c_str());
    return false;
  }
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "ephemgen: cannot write %s\n", path.c_str());
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

void PutBigEndian(std::vector<uint8_t>& bytes, double value) {
  uint8_t stored[4];
  WriteBe<int32_t>(stored, static_cast<int32_t>(std::llround(value)));
  bytes.insert(bytes.end(), stored, stored + 4);
}

// Longitude, distance and z of one body at one node, in file units.
bool PutNode(std::vector<uint8_t>& bytes, double jd, int body) {
  double p[3];
  if (!Position(jd, body, false, p)) return false;
  double lon = std::round(p[0] * kOuterLonUnit);
  if (lon >= 360.0 * kOuterLonUnit) lon -= 360.0 * kOuterLonUnit;
  PutBigEndian(bytes, lon);
  PutBigEndian(bytes, p[2] * kOuterDistUnit);
  PutBigEndian(bytes, p[2] * std::sin(p[1] * M_PI / 180.0) * kOuterDistUnit);
  return true;
}

bool WriteOuterFile(const std::string& dir, const char* prefix, int number,
                    const std::vector<int>& bodies) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(kOuterNodesPerFile) * bodies.size() * 12);
  for (int n = 0; n < kOuterNodesPerFile; ++n) {
    const double jd = OuterNodeJd(number, n);
    for (int body : bodies)
      if (!PutNode(bytes, jd, body)) return false;
  }
  return WriteFile(dir + "/" + OuterFileName(prefix, number), bytes);
}

bool WriteAsteroidFile(const std::string& dir, int asteroid, int body) {
  std::vector<uint8_t> bytes(kAsteroidRecordSize, 0);
  const double start = kAsteroidStart;
  WriteLe<double>(bytes.data(), start);  // record 0: the start day
  for (double jd = start; jd <= kAsteroidEnd; jd += kAsteroidStep) {
    double p[3];
    if (!Position(jd, body, true, p)) return false;
    uint8_t rec[kAsteroidRecordSize];
    EncodeAsteroidValue(p[0] >= 359.99986 ? 0.0 : p[0], rec);  // rounds to 360 otherwise
    EncodeAsteroidValue(p[1], rec + 3);
    EncodeAsteroidValue(p[2] * 100.0, rec + 6);
    bytes.insert(bytes.end(), rec, rec + 9);
  }
  return WriteFile(dir + "/" + kAsteroidFileNames[asteroid], bytes);
}

bool WriteApogeeTable(const std::string& dir) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(kApogeeTableNodes) * kApogeeNodeBytes);
  for (int n = 0; n < kApogeeTableNodes; ++n) {
    const double jd = kApogeeTableFirstJd + n;
    char err[AS_MAXCH] = "";
    double xx[6];
    const int ret = swe_calc(jd, SE_OSCU_APOG, SEFLG_SWIEPH | SEFLG_NONUT, xx, err);
    if (ret < 0 || !(ret & SEFLG_SWIEPH)) {
      std::fprintf(stderr, "ephemgen: no reference osculating apogee at JD %.1f: %s\n", jd, err);
      return false;
    }
    double lon = std::round(xx[0] * kApogeeTableUnit);
    if (lon >= 360.0 * kApogeeTableUnit) lon -= 360.0 * kApogeeTableUnit;
    PutBigEndian(bytes, lon);
    PutBigEndian(bytes, xx[1] * kApogeeTableUnit);
  }
  return WriteFile(dir + "/" + kApogeeTableName, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ephemgen OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  swe_set_ephe_path(const_cast<char*>(VOSTRANE_SWE_EPHE_DIR));
  bool ok = true;
  for (int f = kFirstLrzFile; ok && f <= kLastLrzFile; ++f)
    ok = WriteOuterFile(dir, kLrzPrefix, f, {SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO});
  for (int f = kFirstChiFile; ok && f <= kLastChiFile; ++f)
    ok = WriteOuterFile(dir, kChiPrefix, f, {SE_CHIRON});
  const int asteroids[4] = {SE_CERES, SE_PALLAS, SE_JUNO, SE_VESTA};
  for (int a = 0; ok && a < 4; ++a) ok = WriteAsteroidFile(dir, a, asteroids[a]);
  if (ok) ok = WriteApogeeTable(dir);
  swe_close();
  if (!ok) return 1;
  std::printf("ephemgen: ephemeris files written to %s\n", dir.c_str());
  return 0;
}
