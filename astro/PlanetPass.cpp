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
#include "platform/ByteOrder.h"

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

// One planet pass over one entry: the moment-dependent work of the
// dispatcher and the values of the 31 bodies.
class Pass {
 public:
  Pass(ChartEntry& entry, AnalyticTheory& theory, CalcReport& report, const PlanetProgress& progress)
      : entry_(entry), theory_(theory), engine_(theory), report_(report), progress_(progress) {}

  // Returns true when the asteroid files served all four asteroids.
  bool Run();

 private:
  ChartEntry& entry_;
  AnalyticTheory& theory_;
  EphemerisEngine engine_;
  CalcReport& report_;
  const PlanetProgress& progress_;
  std::array<BodyValues, kPassBodies> v_{};
  SlotVector sun_;
  double meanNode_ = 0;
  bool asteroids_ = true;
  bool chiron_ = true;

  void Report(const char* text) {
    if (progress_) progress_(text);
  }

  // Adds a status to the report: a fatal one always (the pass stops after
  // it), the others once per file and run.
  void Note(const CalcStatus& status);
  void Dispatch(int body, double julday);
  void FromEngine(int body, int engineBody, double t);
  void FromVector(int body, const HelioPoint& h);
};

void Pass::Note(const CalcStatus& status) {
  if (status.ok()) return;
  if (status.fatal() || theory_.Files().FirstReport(status.file)) report_.Add(status);
}

void Pass::FromEngine(int body, int engineBody, double t) {
  const EngineResult r = engine_.EphCalc(engineBody, t);
  Note(r.status);
  BodyValues& b = v_[body - 1];
  b = {r.lon, r.lat, r.speed, r.hlon, r.hlat, r.hspeed};
}

// Heliocentric values from a vector, geocentric ones by GEOCON.
void Pass::FromVector(int body, const HelioPoint& h) {
  const GeoResult g = Geocon(h.vec, sun_);
  v_[body - 1] = {g.lon, g.lat, g.speed, h.lon, h.lat, h.hspeed};
}

void Pass::Dispatch(int body, double julday) {
  const double dtDays = entry_.deltat() / 86400.0;
  const double t = julday - 2433282.0 + dtDays;
  if (body == 1) {
    const double d = julday - 2415020.0 + dtDays;
    sun_ = SunVector(d, theory_.SolarTable()).vec;
    FromEngine(body, kEngSun, t);
  } else if (body >= 2 && body <= 10) {
    FromEngine(body, body - 1, t);
  } else if (body == 11) {
    meanNode_ = engine_.EphCalc(kEngMeanNode, t).lon;
    const EngineResult r = engine_.EphCalc(kEngTrueNode, t);
    v_[10] = {r.lon, r.lat, r.speed, 0, 0, 0};
  } else if (body >= 17 && body <= 20) {
    std::optional<HelioPoint> h;
    if (AsteroidYear(entry_.year())) {
      CalcStatus status;
      h = AsteroidPos(body - 16, julday, theory_.Files(), status);
      Note(status);
    }
    if (!h) asteroids_ = false;
    FromVector(body, h.value_or(HelioPoint{}));
  } else if (body == 21) {
    const EngineResult r = engine_.EphCalc(kEngChiron, t);
    Note(r.status);
    if (r.available) {
      v_[20] = {r.lon, r.lat, r.speed, r.hlon, r.hlat, r.hspeed};
    } else {
      // No Chiron before its files: marked unavailable, its values 0.
      chiron_ = false;
      v_[20] = {};
    }
  } else if (body == 22 || body == 23) {
    FromVector(body, HelioPoint{});
  } else if (body >= 24 && body <= 31) {
    const double T = (julday - 2415020.0 + dtDays) / 36525.0;
    FromVector(body, HypoPos(body - 23, T));
  }
}

bool InFirstPass(int body) { return (body >= 1 && body <= 10) || (body >= 17 && body <= 21); }

bool Pass::Run() {
  const double A = ZodiacOffset(entry_);
  const double jd = entry_.julday();

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
  const double angles[4] = {entry_.asc(), entry_.mc(), entry_.vertex(), entry_.eastpt()};
  for (int k = 0; k < 4; ++k) v_[11 + k] = {angles[k] - A, 0, entry_.body(BodyArray::Speed, 11 + k), 0, 0, 0};
  const BodyValues& sun = v_[0];
  const BodyValues& moon = v_[1];
  v_[15] = {ModAngle(360.0, v_[11].lon + moon.lon - sun.lon), 0, moon.speed - sun.speed + v_[11].speed, 0, 0, 0};

  for (int body = 22; body <= kPassBodies; ++body) {
    if (std::fabs(v_[body - 1].speed) > 90.0) v_[body - 1].speed = 0;
    if (std::fabs(v_[body - 1].hspeed) > 90.0) v_[body - 1].hspeed = 0;
  }

  const double obliquity = entry_.obliq() * kDegPerRad;
  const double cosE = std::cos(obliquity * kRadPerDeg), sinE = std::sin(obliquity * kRadPerDeg);
  for (int s = 0; s < kPassBodies; ++s) {
    const BodyValues& b = v_[s];
    entry_.setBody(BodyArray::Lon, s, ModAngle(360.0, b.lon + A));
    entry_.setBody(BodyArray::Lat, s, b.lat);
    entry_.setBody(BodyArray::Speed, s, b.speed);
    entry_.setBody(BodyArray::HLon, s, ModAngle(360.0, b.hlon + A));
    entry_.setBody(BodyArray::HLat, s, b.hlat);
    entry_.setBody(BodyArray::HSpeed, s, b.hspeed);
    const Equatorial q = EclToEquCs(b.lat, b.lon, cosE, sinE);
    entry_.setBody(BodyArray::Ra, s, ModAngle(360.0, q.ra + A));
    entry_.setBody(BodyArray::Decl, s, q.decl);
  }
  if (!chiron_)
    for (BodyArray a : {BodyArray::Lon, BodyArray::Lat, BodyArray::Speed, BodyArray::HLon, BodyArray::HLat,
                        BodyArray::HSpeed, BodyArray::Ra, BodyArray::Decl})
      entry_.setBody(a, slot::Chiron, 0.0);
  entry_.setMoonnode(ModAngle(360.0, meanNode_ + A));
  entry_.setLon(31, 1.0);
  entry_.setUnavailableSlots(chiron_ ? 0u : 1u << slot::Chiron);
  return asteroids_ && AsteroidYear(entry_.year());
}

}  // namespace

bool CalPlanH(ChartEntry& entry, AnalyticTheory& theory, CalcReport& report, const PlanetProgress& progress) {
  Pass pass(entry, theory, report, progress);
  return pass.Run();
}

bool CalcPlanets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, AnalyticTheory& theory,
                 CalcReport& report, const PlanetProgress& progress) {
  const bool asteroids = CalPlanH(entry, theory, report, progress);
  if (report.Ended()) return false;
  entry.setCalcastyn(asteroids ? 'Y' : 'N');
  if (entry.level() != 0 || entry.nameRecord() == 0) return false;

  const double A = ZodiacOffset(entry);
  const BodyArray arrays[8] = {BodyArray::Lon,  BodyArray::Lat,    BodyArray::Speed, BodyArray::HLon,
                               BodyArray::HLat, BodyArray::HSpeed, BodyArray::Ra,    BodyArray::Decl};
  for (int b = 0; b < 8; ++b) {
    const bool longitude = arrays[b] == BodyArray::Lon || arrays[b] == BodyArray::HLon || arrays[b] == BodyArray::Ra;
    const int slots = b == 0 ? 32 : 31;
    for (int s = 0; s < slots; ++s) {
      double x = entry.body(arrays[b], s);
      // Slot 31 of the longitudes is the constant 1.0, packed as it is.
      if (longitude && !(b == 0 && s == 31)) x = ModAngle(360.0, x - A);
      const int32_t fixed = EncodeFixed(x);
      WriteLe<int32_t>(image.BodyBlock(b) + 4 * s, fixed);
    }
  }
  // Planets and the hypothetical planets are always there; the asteroids
  // only for the years their files cover, as the entry's own flag says.
  flags.calcyn = 'Y';
  flags.calcastyn = asteroids ? 'Y' : 'N';
  flags.calctnp = 'Y';
  return true;
}

}  // namespace vostrane
