// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/EphemerisEngine.h"

#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/LunarApogee.h"
#include "astro/OuterPlanetPositions.h"

namespace vostrane {

double ArcSinDeg(double x) {
  if (x * x >= 1.0) return 90.0;
  return std::atan(x / std::sqrt(1.0 - x * x)) * kDegPerRad;
}

GeoPoint HelioToGeo(double l, double r, double z, double LE, double RE) {
  const double rho = std::sqrt(r * r - z * z);
  const CosSin csL = CosSinDeg(l), csLE = CosSinDeg(LE);
  double X = rho * csL.c - RE * csLE.c;
  const double Y = rho * csL.s - RE * csLE.s;
  const double dist = std::sqrt(X * X + Y * Y + z * z);
  if (std::fabs(X) < 1e-16) X = X < 0 ? -1e-16 : 1e-16;
  return {NormDeg(std::atan2(Y, X) * kDegPerRad), dist};
}

double NodeMidpoint(double node2, double node1) { return NormDeg(node2 + DiffDeg(node2, node1) / 2.0); }

double NodeOfTwoPositions(const MoonPosition& a, const MoonPosition& b) {
  auto rect = [](const MoonPosition& m, double& x, double& y) {
    const double rho = std::sqrt(m.dist * m.dist - m.z * m.z);
    const CosSin cs = CosSinDeg(m.lon);
    x = rho * cs.c;
    y = rho * cs.s;
  };
  double xA, yA, xB, yB;
  rect(a, xA, yA);
  rect(b, xB, yB);
  const double zA = a.z, zB = b.z;
  double D = xA * yB - yA * xB;
  if (std::fabs(D) < 1e-16) D = D < 0 ? -1e-16 : 1e-16;
  const double n = (yA * zB - zA * yB) / D;
  double d = (xA * zB - zA * xB) / D;
  if (std::fabs(d) < 1e-16) d = d < 0 ? -1e-16 : 1e-16;
  return NormDeg(std::atan2(n, d) * kDegPerRad);
}

EngineResult EphemerisEngine::Sun(const HelioPosition& earth) const {
  EngineResult r;
  r.hlon = earth.lon;
  r.hlat = ArcSinDeg(earth.z / earth.r);
  r.hspeed = earth.dlon;
  r.hdist = earth.r;
  r.lon = NormDeg(earth.lon + 180.0);
  r.lat = ArcSinDeg(-earth.z / earth.r);
  r.dist = earth.r;
  r.speed = earth.dlon;
  return r;
}

EngineResult EphemerisEngine::Moon(double t, const HelioPosition& earth) {
  const double step = 0.0001;
  const MoonPosition m1 = theory_.MoonPos(t);
  const MoonPosition m2 = theory_.MoonPos(t + step);
  const HelioPosition earth2 = theory_.HelioPos(kTheoryEarth, t + step);
  // The heliocentric Moon: the geocentric Moon plus the Earth's vector, i.e.
  // the geocentric conversion with the Earth's distance negated.
  const GeoPoint h1 = HelioToGeo(m1.lon, m1.dist, m1.z, earth.lon, -earth.r);
  const GeoPoint h2 = HelioToGeo(m2.lon, m2.dist, m2.z, earth2.lon, -earth2.r);
  EngineResult r;
  r.lon = m1.lon;
  r.dist = m1.dist;
  r.lat = ArcSinDeg(m1.z / m1.dist);
  r.speed = DiffDeg(m1.lon, m2.lon) / step;
  r.hlon = h1.lon;
  r.hlat = ArcSinDeg(m1.z / h1.dist);
  r.hspeed = DiffDeg(h1.lon, h2.lon) / step;
  r.hdist = h1.dist;
  return r;
}

EngineResult EphemerisEngine::Planet(const HelioPosition& p, const HelioPosition& earth) const {
  EngineResult r;
  r.hlon = p.lon;
  r.hlat = ArcSinDeg(p.z / p.r);
  r.hspeed = p.dlon;
  r.hdist = p.r;
  const GeoPoint g = HelioToGeo(p.lon, p.r, p.z, earth.lon, earth.r);
  // One day later, every quantity advanced by its daily rate.
  const GeoPoint g1 = HelioToGeo(p.lon + p.dlon, p.r + p.dr, p.z + p.dz, earth.lon + earth.dlon,
                                 earth.r + earth.dr);
  r.lon = g.lon;
  r.dist = g.dist;
  r.lat = ArcSinDeg(p.z / g.dist);
  r.speed = DiffDeg(g.lon, g1.lon);
  return r;
}

EngineResult EphemerisEngine::MeanNode() const {
  EngineResult r;
  r.lon = NormDeg(theory_.Mean().body[kTheoryMoon].N);
  r.dist = kMoonMeanDistance;
  r.speed = -0.053;
  return r;
}

EngineResult EphemerisEngine::TrueNode(double t) {
  const double h = 0.005;
  const MoonPosition later = theory_.MoonPos(t + h);
  const MoonPosition earlier = theory_.MoonPos(t - h);
  const MoonPosition now = theory_.MoonPos(t);
  const double node1 = NodeOfTwoPositions(now, later);
  const double node2 = NodeOfTwoPositions(earlier, now);
  EngineResult r;
  r.lon = NodeMidpoint(node2, node1);
  r.speed = DiffDeg(node2, node1) / h;
  r.dist = kMoonMeanDistance;
  return r;
}

EngineResult EphemerisEngine::Apogee(int body, double t) {
  EngineResult r;
  const ApogeePoint a = body == kEngMeanApogee ? MeanLunarApogee(t)
                                               : OsculatingLunarApogee(theory_, t, r.status);
  r.lon = a.lon;
  r.lat = a.lat;
  r.dist = a.dist;
  r.speed = a.speed;
  return r;
}

EngineResult EphemerisEngine::PositionOfBody(int body, double t) {
  theory_.PrepareMean(t);
  const double dpsi = theory_.Dpsi();
  const HelioPosition earth = theory_.HelioPos(kTheoryEarth, t);
  EngineResult r;
  switch (body) {
    case kEngSun: r = Sun(earth); break;
    case kEngMoon: r = Moon(t, earth); break;
    case kEngMercury: r = Planet(theory_.HelioPos(kTheoryMercury, t), earth); break;
    case kEngVenus: r = Planet(theory_.HelioPos(kTheoryVenus, t), earth); break;
    case kEngMars: r = Planet(theory_.HelioPos(kTheoryMars, t), earth); break;
    case kEngMeanNode: r = MeanNode(); break;
    case kEngTrueNode: r = TrueNode(t); break;
    case kEngMeanApogee:
    case kEngOsculatingApogee: r = Apogee(body, t); break;
    default: {
      const OuterPosition o = OuterPos(body, t, theory_.Files());
      if (!o.available || !o.status.ok()) {
        r.available = o.available;
        r.status = o.status;
        theory_.PrepareMean(t);
        return r;
      }
      HelioPosition p;
      p.lon = o.lon;
      p.r = o.r;
      p.z = o.z;
      p.dlon = o.dlon;
      p.dr = o.dr;
      p.dz = o.dz;
      r = Planet(p, earth);
      break;
    }
  }
  // Extra evaluations moved the prepared moment; prepare t again.
  theory_.PrepareMean(t);
  // The Moon and the points of its orbit are taken without light time.
  const bool lunar = body == kEngMoon || body == kEngMeanNode || body == kEngTrueNode ||
                     body == kEngMeanApogee || body == kEngOsculatingApogee;
  if (!lunar) {
    r.lon = NormDeg(r.lon - kLightDaysPerAu * r.dist * r.speed);
    r.hlon = NormDeg(r.hlon - kLightDaysPerAu * r.hdist * r.hspeed);
  }
  r.lon = NormDeg(r.lon + dpsi);
  r.hlon = NormDeg(r.hlon + dpsi);
  return r;
}

}  // namespace vostrane
