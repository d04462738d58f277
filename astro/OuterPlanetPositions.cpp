#include "astro/OuterPlanetPositions.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "astro/OuterPlanetFiles.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"

namespace vostrane {

namespace {

double WrapStep(double d, double* shift = nullptr) {
  double s = 0;
  if (d > 180.0) s = -360.0;
  else if (d < -180.0) s = 360.0;
  if (shift) *shift = s;
  return d + s;
}

int32_t BigEndian(const uint8_t* b) {
  return static_cast<int32_t>((static_cast<uint32_t>(b[0]) << 24) | (static_cast<uint32_t>(b[1]) << 16) |
                              (static_cast<uint32_t>(b[2]) << 8) | static_cast<uint32_t>(b[3]));
}

}  // namespace

EverettResult EverettInterp(const double f[6], int order, double p) {
  const double* g = f + 2;  // g[-2] .. g[3]
  const double q = 1.0 - p;
  double shift = 0;
  const double d0 = WrapStep(g[0] - g[-1]);
  const double d1 = WrapStep(g[1] - g[0], &shift);
  const double d2 = WrapStep(g[2] - g[1]);
  // When d1 crossed 0/360, f(0) is moved to f(1)'s side of the circle
  // (d1 > 180 moves it up by 360, d1 < -180 down).
  const double f0 = g[0] - shift;
  const double s0 = d1 - d0;
  const double s1 = d2 - d1;
  EverettResult r;
  r.value = q * f0 + p * g[1] + s0 * (q * q * q - q) / 6.0 + s1 * (p * p * p - p) / 6.0;
  r.rate = d1 + s1 * (3 * p * p - 1) / 6.0 - s0 * (3 * q * q - 1) / 6.0;
  if (order >= 4) {
    const double dm = WrapStep(g[-1] - g[-2]);
    const double d3 = WrapStep(g[3] - g[2]);
    const double sm = d0 - dm;
    const double s2 = d3 - d2;
    const double F0 = (s1 - s0) - (s0 - sm);
    const double F1 = (s2 - s1) - (s1 - s0);
    r.value += F1 * (p + 2) * (p + 1) * p * (p - 1) * (p - 2) / 120.0 +
               F0 * (q + 2) * (q + 1) * q * (q - 1) * (q - 2) / 120.0;
    r.rate += F1 * (5 * p * p * p * p - 15 * p * p + 4) / 120.0 - F0 * (5 * q * q * q * q - 15 * q * q + 4) / 120.0;
  }
  return r;
}

OuterPosition OuterPos(int body, double t) {
  const bool chiron = body == 12;
  const std::string prefix = chiron ? kChiPrefix : kLrzPrefix;
  const int width = chiron ? kChiWidth : kLrzWidth;
  const int slot = chiron ? 0 : body - 5;  // triple within the node
  OuterPosition out;

  const double J = t + 2433282.0;
  // Base node at or before J (floor, so that days before JD 0.5 also get a
  // fraction in [0, 1)).
  const double N0 = std::floor((J - 0.5) / kOuterNodeStep) * kOuterNodeStep + 0.5;
  const double p = (J - N0) / kOuterNodeStep;

  double lon[6], r[6], z[6];
  RecordFile file;
  int openNumber = 0;
  for (int k = 0; k < 6; ++k) {
    const double node = N0 + (k - 2) * kOuterNodeStep;
    const int number = OuterFileNumber(node);
    const std::string name = OuterFileName(prefix, number);
    if (!file.IsOpen() || number != openNumber) {
      file.Close();
      if (!FileExists(name) || !file.Open(name, 4 * static_cast<size_t>(width), RecordFile::Mode::ReadOnly)) {
        // Chiron's files begin where its source does; before that Chiron is
        // simply not available.
        if (chiron) {
          out.available = false;
          return out;
        }
        EndProgram("File " + name + " not on disk.  Program ended.");
      }
      openNumber = number;
    }
    const int64_t index = OuterNodeIndex(node, width);
    if (!file.Seek(index / width))
      EndProgram("Unable to read record # " + std::to_string(index) + " from file " + "LRZ5_" + " not on disk.  " +
                 "Program ended.");
    uint8_t bytes[4 * kLrzWidth];
    if (!file.Read(bytes)) EndProgram("ERROR! Unable to read data from ephemeris file. Program ended.");
    lon[k] = BigEndian(bytes + 12 * slot) / kOuterLonUnit;
    r[k] = BigEndian(bytes + 12 * slot + 4) / kOuterDistUnit;
    z[k] = BigEndian(bytes + 12 * slot + 8) / kOuterDistUnit;
  }
  file.Close();

  const int order = (body == 5 || body == 6) ? 4 : 2;
  const EverettResult l = EverettInterp(lon, order, p);
  const EverettResult d = EverettInterp(r, order, p);
  const EverettResult h = EverettInterp(z, order, p);
  out.lon = l.value;
  out.r = d.value;
  out.z = h.value;
  out.dlon = l.rate / kOuterNodeStep;
  out.dr = d.rate / kOuterNodeStep;
  out.dz = h.rate / kOuterNodeStep;
  return out;
}

}  // namespace vostrane
