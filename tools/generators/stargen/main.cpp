// SPDX-License-Identifier: GPL-3.0-or-later
// stargen: picks the named stars astrologers use from the star list of the
// reference ephemeris data and writes them as the fixed-star file:
//   stargen SOURCE.txt OUT/FXSTARS.DAT
// Source lines are "name,designation,equinox,RA h,m,s,Dec d,m,s,proper
// motion in RA (mas/yr, times cos dec),in Dec (mas/yr),radial velocity
// (km/s),parallax (mas),magnitude,..." with '#' comments; only lines of
// equinox ICRS or 2000 are taken, the first line of each name. Every wanted
// star must be found, or nothing is written.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace {

// The stars of the file, in the order they are written.
const char* const kWanted[] = {"Achernar",
                               "Acrux",
                               "Acubens",
                               "Aculeus",
                               "Acumen",
                               "Agena",
                               "Albireo",
                               "Alcyone",
                               "Aldebaran",
                               "Alderamin",
                               "Algenib",
                               "Algol",
                               "Algorab",
                               "Alhena",
                               "Alioth",
                               "Alkaid",
                               "Alkes",
                               "Alnilam",
                               "Alphard",
                               "Alphecca",
                               "Alpheratz",
                               "Altair",
                               "Antares",
                               "Arcturus",
                               "Asellus Australis",
                               "Asellus Borealis",
                               "Bellatrix",
                               "Betelgeuse",
                               "Canopus",
                               "Capella",
                               "Castor",
                               "Deneb",
                               "Deneb Algedi",
                               "Denebola",
                               "Diphda",
                               "Dubhe",
                               "Elnath",
                               "Facies",
                               "Fomalhaut",
                               "Hamal",
                               "Markab",
                               "Menkar",
                               "Mirach",
                               "Mirfak",
                               "Nunki",
                               "Polaris",
                               "Pollux",
                               "Procyon",
                               "Ras Algethi",
                               "Rasalhague",
                               "Regulus",
                               "Rigel",
                               "Rigil Kentaurus",
                               "Sadalmelik",
                               "Scheat",
                               "Shaula",
                               "Sheratan",
                               "Sirius",
                               "Spica",
                               "Thuban",
                               "Unukalhai",
                               "Vega",
                               "Vindemiatrix",
                               "Zosma",
                               "Zuben Elgenubi",
                               "Zuben Eschamali"};

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string f;
  while (std::getline(in, f, ',')) out.push_back(Trim(f));
  return out;
}

bool Number(const std::string& s, double& v) {
  char* end = nullptr;
  v = std::strtod(s.c_str(), &end);
  return !s.empty() && *end == '\0' && std::isfinite(v);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: stargen SOURCE.txt OUT/FXSTARS.DAT\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "stargen: cannot read %s\n", argv[1]);
    return 1;
  }
  std::map<std::string, std::string> rows;  // name -> output line
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> f = Fields(line);
    if (f.size() < 14 || rows.count(f[0])) continue;
    if (f[2] != "ICRS" && f[2] != "2000") continue;
    double v[11];
    bool ok = true;
    for (int i = 0; i < 11; ++i) ok = ok && Number(f[3 + i], v[i]);
    if (!ok) {
      std::fprintf(stderr, "stargen: %s line %d: a value is not a number\n", argv[1], number);
      return 1;
    }
    const double ra = 15.0 * (v[0] + v[1] / 60.0 + v[2] / 3600.0);
    const double decAbs = std::fabs(v[3]) + v[4] / 60.0 + v[5] / 3600.0;
    // The sign is read from the text: "-00" degrees is a southern star.
    const double dec = f[6][0] == '-' ? -decAbs : decAbs;
    char out[256];
    std::snprintf(out, sizeof out, "%s,%s,%.9f,%.9f,%.3f,%.3f,%.2f,%.3f,%.2f\n", f[0].c_str(),
                  f[1].c_str(), ra, dec, v[6], v[7], v[8], v[9], v[10]);
    rows[f[0]] = out;
  }
  std::string text =
      "# Fixed stars: name, Bayer designation, right ascension and declination (ICRS, J2000, degrees), "
      "proper motion in "
      "right ascension (times cos dec) and in declination (mas/yr), radial velocity (km/s), parallax "
      "(mas), visual magnitude\n";
  for (const char* name : kWanted) {
    const auto it = rows.find(name);
    if (it == rows.end()) {
      std::fprintf(stderr, "stargen: %s has no star named %s\n", argv[1], name);
      return 1;
    }
    text += it->second;
  }
  if (!vostrane::ReplaceFileContents(argv[2], text)) {
    std::fprintf(stderr, "stargen: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
