#include "astro/AngleHelpers.h"

#include <cmath>

namespace vostrane {

double ModAngle(double m, double x) {
  if (std::fabs(x) < 1e-8) return 0.0;
  return x - m * std::floor(x / m);
}

double NormDeg(double x) {
  if (x >= 360.0) return x - 360.0;
  if (x < 0.0) return x + 360.0;
  return x;
}

double DiffDeg(double a, double b) {
  double d = b - a;
  if (d >= 180.0) d -= 360.0;
  else if (d < -180.0) d += 360.0;
  return d;
}

double ArcTanQuad(double n, double d) {
  if (n == 0.0) n = 1e-7;
  if (d == 0.0) d = 1e-7;
  double a = std::atan(n / d);
  if (a < 0.0) a += kPi;
  if (n < 0.0) a += kPi;
  return a;
}

}  // namespace vostrane
