// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/PlanetPass.h"

#include <array>
#include <cmath>

#include "astro/AngleHelpers.h"
#include "astro/CosSin.h"
#include "astro/AsteroidPositions.h"
#include "astro/BodySlots.h"
#include "astro/EphemerisEngine.h"
#include "astro/HypotheticalPlanets.h"
#include "astro/SolarVector.h"
#include "astro/Zodiac.h"

namespace vostrane {

namespace {

// EclToEqu with the cosine and sine of the obliquity given: the planet pass
// converts every slot with the same obliquity.
Equatorial EclToEquCs(double b, double l, double cosE, double sinE) {
  const double br = b * kRadPerDeg, lr = l * kRadPerDeg;
  const CosSin csL = CosSinOf(lr), csB = CosSinOf(br);
  const double sinL = csL.s, cosL = csL.c, sinB = csB.s, cosB = csB.c;
  const double y = sinL * cosB * cosE - sinB * sinE;
  const double x = cosL * cosB;
  Equatorial q;
  // The quadrant from the signs of y and x (atan2 also handles x = 0 and
  // y = 0 with x < 0).
  q.ra = ModAngle(360.0, std::atan2(y, x) * kDegPerRad);
  q.decl = ArcSinDeg(sinL * cosB * sinE + cosE * sinB);
  return q;
}

}  // namespace

Equatorial EclToEqu(double b, double l, double e) {
  const double er = e * kRadPerDeg;
  return EclToEquCs(b, l, std::cos(er), std::sin(er));
}

namespace {

struct BodyValues {
  double lon = 0, lat = 0, speed = 0, hlon = 0, hlat = 0, hspeed = 0;
};

// One planet pass over one chart: the moment-dependent work of the
// dispatcher and the values of the 31 bodies.
class Pass {
 public:
  Pass(const ChartInput& chart, ChartValues& values, AnalyticTheory& theory, CalcReport& report,
       const PlanetProgress& progress)
      : chart_(chart),
        values_(values),
        theory_(theory),
        engine_(theory),
        report_(report),
        progress_(progress) {}

  // Returns true when the asteroid files served all four asteroids.
  bool Run();

 private:
  const ChartInput& chart_;
  ChartValues& values_;
  AnalyticTheory& theory_;
  EphemerisEngine engine_;
  CalcReport& report_;
  const PlanetProgress& progress_;
  std::array<BodyValues, kPassBodies> v_{};
  SlotVector sun_;
  double meanNode_ = 0;
  bool asteroids_ = true;
  uint32_t missing_ = 0;  // slots without values for the moment (bit k: slot k)

  void Report(const char* text) {
    if (progress_) progress_(text);
  }

  // Adds a status to the report: a fatal one always (the pass stops after
  // it), the others once per file and run.
  void Note(const CalcStatus& status);
  void Dispatch(int body, double julianDayUt);
  void FromEngine(int body, int engineBody, double t);
  void FromVector(int body, const HelioPoint& h);
};

void Pass::Note(const CalcStatus& status) {
  if (status.ok()) return;
  if (status.fatal() || theory_.Files().FirstReport(status.file)) report_.Add(status);
}

void Pass::FromEngine(int body, int engineBody, double t) {
  const EngineResult r = engine_.PositionOfBody(engineBody, t);
  Note(r.status);
  BodyValues& b = v_[body - 1];
  b = {r.lon, r.lat, r.speed, r.hlon, r.hlat, r.hspeed};
}

// Heliocentric values from a vector, geocentric ones by GEOCON.
void Pass::FromVector(int body, const HelioPoint& h) {
  const GeoResult g = GeocentricFromHeliocentric(h.vec, sun_);
  v_[body - 1] = {g.lon, g.lat, g.speed, h.lon, h.lat, h.hspeed};
}

void Pass::Dispatch(int body, double julianDayUt) {
  const double dtDays = values_.deltaTSeconds / 86400.0;
  const double t = julianDayUt - 2433282.0 + dtDays;
  if (body == 1) {
    const double d = julianDayUt - 2415020.0 + dtDays;
    sun_ = SunVector(d, theory_.SolarTable()).vec;
    FromEngine(body, kEngSun, t);
  } else if (body >= 2 && body <= 10) {
    FromEngine(body, body - 1, t);
  } else if (body == 11) {
    meanNode_ = engine_.PositionOfBody(kEngMeanNode, t).lon;
    const EngineResult r = engine_.PositionOfBody(kEngTrueNode, t);
    v_[10] = {r.lon, r.lat, r.speed, 0, 0, 0};
  } else if (body >= 17 && body <= 20) {
    std::optional<HelioPoint> h;
    if (AsteroidYear(chart_.year)) {
      CalcStatus status;
      h = AsteroidPos(body - 16, julianDayUt, theory_.Files(), status);
      Note(status);
    }
    if (!h) asteroids_ = false;
    // An asteroid whose file let it down in the file's own years has no
    // values; outside those years it takes the Sun's place as it always has.
    if (!h && AsteroidYear(chart_.year)) missing_ |= 1u << (body - 1);
    FromVector(body, h.value_or(HelioPoint{}));
  } else if (body == 21) {
    const EngineResult r = engine_.PositionOfBody(kEngChiron, t);
    Note(r.status);
    if (r.available) {
      v_[20] = {r.lon, r.lat, r.speed, r.hlon, r.hlat, r.hspeed};
    } else {
      // No Chiron before its files (or with a damaged one): marked
      // unavailable, its values 0.
      missing_ |= 1u << slot::Chiron;
      v_[20] = {};
    }
  } else if (body == 22 || body == 23) {
    FromEngine(body, body == 22 ? kEngMeanApogee : kEngOsculatingApogee, t);
    v_[body - 1].hlon = v_[body - 1].hlat = v_[body - 1].hspeed = 0;
  } else if (body >= 24 && body <= 31) {
    const double T = (julianDayUt - 2415020.0 + dtDays) / 36525.0;
    FromVector(body, HypoPos(body - 23, T));
  }
}

bool InFirstPass(int body) { return (body >= 1 && body <= 10) || (body >= 17 && body <= 21); }

bool Pass::Run() {
  const double A = ZodiacOffset(chart_.zodiac, values_.ayanamsaDeg);
  const double jd = values_.julianDayUt;

  // Pass one, two minutes earlier, for the daily motions.
  Report("Daily motions");
  std::array<double, kPassBodies> earlier{};
  for (int body = 1; body <= kPassBodies; ++body)
    if (InFirstPass(body)) {
      Dispatch(body, jd - 1.0 / 720.0);
      if (report_.Ended()) return false;
      earlier[body - 1] = v_[body - 1].lon;
    }

  for (int body = 1; body <= kPassBodies; ++body) {
    if (body == 1) Report("Sun, Moon and planets");
    else if (body == 11) Report("Lunar nodes");
    else if (body == 17) Report("Asteroids and Chiron");
    else if (body == 24) Report("Hypothetical planets");
    Dispatch(body, jd);
    if (report_.Ended()) return false;
  }

  for (int body = 1; body <= kPassBodies; ++body)
    if (InFirstPass(body)) {
      double d = v_[body - 1].lon - earlier[body - 1];
      if (d > 180.0) d -= 360.0;
      else if (d < -180.0) d += 360.0;
      v_[body - 1].speed = d * 720.0;
    }

  // The angles (tropical at this stage) and the Part of Fortune.
  const double angles[4] = {values_.asc, values_.mc, values_.vertex, values_.eastPoint};
  for (int k = 0; k < 4; ++k)
    v_[11 + k] = {angles[k] - A, 0, values_.point(PointArray::Speed, 11 + k), 0, 0, 0};
  const BodyValues& sun = v_[0];
  const BodyValues& moon = v_[1];
  v_[15] = {ModAngle(360.0, v_[11].lon + moon.lon - sun.lon),
            0,
            moon.speed - sun.speed + v_[11].speed,
            0,
            0,
            0};

  for (int body = 22; body <= kPassBodies; ++body) {
    if (std::fabs(v_[body - 1].speed) > 90.0) v_[body - 1].speed = 0;
    if (std::fabs(v_[body - 1].hspeed) > 90.0) v_[body - 1].hspeed = 0;
  }

  const double obliquity = values_.obliquityRad * kDegPerRad;
  const double cosE = std::cos(obliquity * kRadPerDeg), sinE = std::sin(obliquity * kRadPerDeg);
  for (int s = 0; s < kPassBodies; ++s) {
    const BodyValues& b = v_[s];
    values_.point(PointArray::Lon, s) = ModAngle(360.0, b.lon + A);
    values_.point(PointArray::Lat, s) = b.lat;
    values_.point(PointArray::Speed, s) = b.speed;
    values_.point(PointArray::HLon, s) = ModAngle(360.0, b.hlon + A);
    values_.point(PointArray::HLat, s) = b.hlat;
    values_.point(PointArray::HSpeed, s) = b.hspeed;
    const Equatorial q = EclToEquCs(b.lat, b.lon, cosE, sinE);
    values_.point(PointArray::Ra, s) = ModAngle(360.0, q.ra + A);
    values_.point(PointArray::Decl, s) = q.decl;
  }
  for (int s = 0; s < kPassBodies; ++s)
    if (missing_ >> s & 1u)
      for (auto& array : values_.points) array[s] = 0.0;
  values_.moonNodeDeg = ModAngle(360.0, meanNode_ + A);
  values_.point(PointArray::Lon, 31) = 1.0;
  // Bodies without values for the moment, kept in slot 31 of the
  // declinations, which no body uses.
  values_.point(PointArray::Decl, 31) = static_cast<double>(missing_);
  return asteroids_ && AsteroidYear(chart_.year);
}

}  // namespace

bool ComputeBodySlots(const ChartInput& chart, ChartValues& values, AnalyticTheory& theory,
                      CalcReport& report, const PlanetProgress& progress) {
  Pass pass(chart, values, theory, report, progress);
  return pass.Run();
}

bool CalcPlanets(const ChartInput& chart, ChartValues& values, NameFileValues& nameFile,
                 PlanetFlags& flags, AnalyticTheory& theory, CalcReport& report,
                 const PlanetProgress& progress) {
  const bool asteroids = ComputeBodySlots(chart, values, theory, report, progress);
  if (report.Ended()) return false;
  values.asteroidsCalculated = asteroids ? 'Y' : 'N';
  if (!chart.forNameFile) return false;

  const double A = ZodiacOffset(chart.zodiac, values.ayanamsaDeg);
  for (int b = 0; b < kPointArrays; ++b) {
    const PointArray array = static_cast<PointArray>(b);
    const bool longitude = array == PointArray::Lon || array == PointArray::HLon ||
                           array == PointArray::Ra;
    const int slots = b == 0 ? 32 : 31;
    for (int s = 0; s < slots; ++s) {
      double x = values.points[b][s];
      // Slot 31 of the longitudes is the constant 1.0, kept as it is.
      if (longitude && !(b == 0 && s == 31)) x = ModAngle(360.0, x - A);
      nameFile.points[b][s] = x;
    }
  }
  // Planets and the hypothetical planets are always there; the asteroids
  // only for the years their files cover, as the chart's own flag says.
  flags.planetsCalculated = 'Y';
  flags.asteroidsCalculated = asteroids ? 'Y' : 'N';
  flags.hypotheticalsCalculated = 'Y';
  return true;
}

}  // namespace vostrane
