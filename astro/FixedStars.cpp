// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/FixedStars.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "astro/AngleHelpers.h"
#include "astro/MeanElements.h"
#include "common/NumberedLines.h"
#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"

namespace vostrane {

namespace {

constexpr size_t kLargestStarFile = 64 * 1024;
constexpr size_t kMostStars = 500;
constexpr size_t kLongestName = 24;
constexpr double kArcsec = kRadPerDeg / 3600.0;
constexpr double kAuPerParsec = 206264.806;
constexpr double kAuPerYearPerKmS = 0.210945;

bool Number(const std::string& s, double low, double high, double& v) {
  char* end = nullptr;
  v = std::strtod(s.c_str(), &end);
  return !s.empty() && *end == '\0' && std::isfinite(v) && v >= low && v <= high;
}

std::string ParseLine(const std::string& line, FixedStar& star) {
  std::vector<std::string> f;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, ',')) f.push_back(field);
  if (f.size() != 9) return "has " + std::to_string(f.size()) + " fields, not 9";
  star.name = f[0];
  star.designation = f[1];
  for (const std::string* text : {&star.name, &star.designation}) {
    if (text->empty() || text->size() > kLongestName) return "has a name that is empty or too long";
    for (unsigned char c : *text)
      if (c < ' ' || c == 127) return "has a control character in its name";
  }
  struct Field {
    double* value;
    double low, high;
    const char* what;
  } const fields[] = {{&star.ra, 0, 360, "right ascension"},
                      {&star.dec, -90, 90, "declination"},
                      {&star.pmRa, -20000, 20000, "proper motion in right ascension"},
                      {&star.pmDec, -20000, 20000, "proper motion in declination"},
                      {&star.radialVelocity, -1000, 1000, "radial velocity"},
                      {&star.parallax, 0, 1000, "parallax"},
                      {&star.magnitude, -2, 20, "magnitude"}};
  for (int i = 0; i < 7; ++i)
    if (!Number(f[i + 2], fields[i].low, fields[i].high, *fields[i].value))
      return std::string("has a ") + fields[i].what + " that is not a number in range";
  return "";
}

// The Sun's geometric longitude (degrees) and distance (AU), to about 0.01
// degrees: enough for the aberration and parallax of a star.
void LowPrecisionSun(double t, double& lon, double& dist) {
  const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kRadPerDeg;
  const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                   (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
  lon = 280.46646 + 36000.76983 * t + 0.0003032 * t * t + c;
  const double e = 0.016708634 - 0.000042037 * t;
  dist = 1.000001018 * (1 - e * e) / (1 + e * std::cos(m + c * kRadPerDeg));
}

}  // namespace

FixedStarList ParseFixedStars(const std::string& text, const std::string& fileName) {
  FixedStarList list;
  auto fail = [&](const std::string& why) {
    list.stars.clear();
    list.error = "The fixed-star file " + fileName + " " + why + "; the fixed stars are left out.";
    return list;
  };
  if (text.size() > kLargestStarFile) return fail("is larger than 64 KiB");
  std::stringstream in(text);
  NumberedLines lines(in, NumberedLines::Skip::EmptyLines, '#');
  for (NumberedLine line; lines.Next(line);) {
    FixedStar star;
    if (const std::string why = ParseLine(line.text, star); !why.empty())
      return fail("line " + std::to_string(line.number) + " " + why);
    if (list.stars.size() == kMostStars) return fail("holds more than 500 stars");
    list.stars.push_back(star);
  }
  if (list.stars.empty()) return fail("holds no star");
  return list;
}

FixedStarList ReadFixedStarFile(const std::string& path) {
  if (const FileCheck check = CheckInstalledFile(path); !check.ok()) {
    FixedStarList list;
    list.missing = check.state == FileState::Missing;
    list.error = list.missing
                     ? "The fixed-star file " + path + " is missing; the fixed stars are left out."
                     : DamagedFileText(kFixedStarFileName, check, 0);
    return list;
  }
  const auto text = ReadFileStart(path, kLargestStarFile + 1);
  if (!text) {
    FixedStarList list;
    list.missing = !FileExists(path);
    list.error = "The fixed-star file " + path + " cannot be read; the fixed stars are left out.";
    return list;
  }
  return ParseFixedStars(*text, path);
}

StarPlace ApparentStarPlace(const FixedStar& star, double jdTT, double trueObliquity) {
  const double t = (jdTT - 2451545.0) / 36525.0;  // Julian centuries from J2000
  const double years = 100.0 * t;

  // The star's heliocentric place at the moment, on the equator of J2000:
  // its place at J2000 moved along its space motion. Without a parallax the
  // star counts as far away (one parsec per 0.001 mas) and the motion
  // across the sky alone is used.
  const double a = star.ra * kRadPerDeg, d = star.dec * kRadPerDeg;
  const double ca = std::cos(a), sa = std::sin(a), cd = std::cos(d), sd = std::sin(d);
  const bool near = star.parallax > 0;
  const double r = near ? kAuPerParsec / (star.parallax / 1000.0) : kAuPerParsec * 1e6;
  const double mua = star.pmRa / 1000.0 * kArcsec * r, mud = star.pmDec / 1000.0 * kArcsec * r;
  const double vr = near ? star.radialVelocity * kAuPerYearPerKmS : 0.0;
  double x = r * cd * ca + years * (-mua * sa - mud * sd * ca + vr * cd * ca);
  double y = r * cd * sa + years * (mua * ca - mud * sd * sa + vr * cd * sa);
  double z = r * sd + years * (mud * cd + vr * sd);

  // To the ecliptic of J2000 ...
  const double e0 = 84381.406 * kArcsec;
  const double ye = y * std::cos(e0) + z * std::sin(e0);
  const double ze = -y * std::sin(e0) + z * std::cos(e0);
  const double dist = std::sqrt(x * x + ye * ye + ze * ze);
  const double lon0 = std::atan2(ye, x), lat0 = std::asin(ze / dist);

  // ... and precessed to the mean ecliptic and equinox of date with the
  // angles of the IAU 2006 precession (Capitaine, Wallace and Chapront 2003):
  // the inclination eta of the ecliptic of date on that of J2000, the
  // longitude Pi of its node and the general precession p in longitude.
  const double eta = (46.998973 * t - 0.0334926 * t * t - 0.00012559 * t * t * t) * kArcsec;
  const double node = (629546.7936 - 867.95758 * t + 0.157992 * t * t) * kArcsec;
  const double p = (5028.796195 * t + 1.1054348 * t * t + 0.00007964 * t * t * t) * kArcsec;
  const double A = std::cos(eta) * std::cos(lat0) * std::sin(node - lon0) -
                   std::sin(eta) * std::sin(lat0);
  const double B = std::cos(lat0) * std::cos(node - lon0);
  const double C = std::cos(eta) * std::sin(lat0) +
                   std::sin(eta) * std::cos(lat0) * std::sin(node - lon0);
  double lon = p + node - std::atan2(A, B);
  double lat = std::asin(C);

  double sunLon = 0, sunDist = 1;
  LowPrecisionSun(t, sunLon, sunDist);
  const double sun = sunLon * kRadPerDeg;
  // Annual parallax: seen from the Earth, which stands opposite the Sun.
  if (near) {
    const double hx = dist * std::cos(lat) * std::cos(lon) + sunDist * std::cos(sun);
    const double hy = dist * std::cos(lat) * std::sin(lon) + sunDist * std::sin(sun);
    const double hz = dist * std::sin(lat);
    lon = std::atan2(hy, hx);
    lat = std::atan2(hz, std::hypot(hx, hy));
  }
  // Annual aberration, with the eccentricity of the Earth's orbit.
  const double kappa = 20.49552 * kArcsec;
  const double e = 0.016708634 - 0.000042037 * t;
  const double perihelion = (102.93735 + 1.71946 * t) * kRadPerDeg;
  const double dLon = (-kappa * std::cos(sun - lon) + e * kappa * std::cos(perihelion - lon)) /
                      std::cos(lat);
  const double dLat = -kappa * std::sin(lat) * (std::sin(sun - lon) - e * std::sin(perihelion - lon));
  lon += dLon;
  lat += dLat;

  StarPlace place;
  place.lon = ModAngle(360.0, lon * kDegPerRad + PrepareMean(jdTT - 2433282.0).dpsi);
  place.lat = lat * kDegPerRad;
  const double l = place.lon * kRadPerDeg;
  place.decl = std::asin(std::sin(lat) * std::cos(trueObliquity) +
                         std::cos(lat) * std::sin(trueObliquity) * std::sin(l)) *
               kDegPerRad;
  return place;
}

std::vector<StarContact> StarContacts(const std::vector<StarPlace>& stars,
                                      const std::vector<ChartPointPlace>& points, double orb) {
  std::vector<StarContact> out;
  for (size_t s = 0; s < stars.size(); ++s)
    for (const ChartPointPlace& p : points) {
      const double apart = std::fabs(DiffDeg(stars[s].lon, p.lon));
      if (apart <= orb)
        out.push_back({static_cast<int>(s), p.slot, StarContactKind::Conjunction, apart});
      const double declApart = std::fabs(std::fabs(stars[s].decl) - std::fabs(p.decl));
      if (declApart <= orb) {
        const bool sameSide = (stars[s].decl >= 0) == (p.decl >= 0);
        out.push_back({static_cast<int>(s), p.slot,
                       sameSide ? StarContactKind::Parallel : StarContactKind::ContraParallel,
                       declApart});
      }
    }
  return out;
}

}  // namespace vostrane
