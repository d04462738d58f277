// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline/TimelineSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "astro/AngleHelpers.h"
#include "astro/BodyPosition.h"
#include "astro/BodySlots.h"
#include "astro/EphemerisEngine.h"
#include "astro/HouseMath.h"
#include "astro/PlanetPass.h"
#include "astro/TimeScales.h"
#include "derived/DerivedCalculation.h"
#include "derived/EntryCalculation.h"
#include "derived/ReturnSearch.h"
#include "timeline/EclipseGeometry.h"
#include "timeline/LongitudeScan.h"

namespace vostrane {
namespace {

constexpr int kTransitBodies[] = {slot::Sun,     slot::Moon,    slot::Mercury,  slot::Venus,
                                  slot::Mars,    slot::Jupiter, slot::Saturn,   slot::Uranus,
                                  slot::Neptune, slot::Pluto,   slot::TrueNode, slot::Chiron};
constexpr int kProgressedBodies[] = {slot::Sun,  slot::Moon,      slot::Mercury,  slot::Venus,
                                     slot::Mars, slot::Ascendant, slot::Midheaven};

// How a body is sampled: a step short enough that it moves well under 90
// degrees and its stations lie at least two steps apart, and how far beyond
// the period a stay within orb is followed (a retrograde loop of an outer
// planet takes most of a year).
struct ScanPlan {
  double step;
  double margin;
  bool stations;
};
ScanPlan TransitPlan(int body) {
  switch (body) {
    case slot::Sun: return {1, 3, false};
    case slot::Moon: return {0.25, 1, false};
    case slot::Mercury: return {0.5, 60, true};
    case slot::Venus: return {1, 80, true};
    case slot::Mars: return {2, 150, true};
    case slot::Jupiter: return {4, 300, true};
    case slot::Saturn: return {4, 400, true};
    case slot::TrueNode: return {1, 120, true};  // the true node turns back often
    default: return {8, 700, true};              // Uranus to Pluto, Chiron
  }
}
constexpr double kProgressionMargin = 3 * 365.25;
// Exact moments to a tenth of a second; the moments a body comes within orb
// and leaves it, which are read as dates, to about ten seconds.
constexpr double kExactTolerance = 1e-6;
constexpr double kOrbEdgeTolerance = 1e-4;

// The base's zodiac offset, computed every eight days and interpolated: it
// moves about 50" a year.
class ZodiacTable {
 public:
  ZodiacTable(const ChartEntry& base, CalcReport& report) : base_(base), report_(report) {}
  double At(double jd) {
    if (base_.zodiacLetter() == 'T') return 0.0;
    const double x = jd / kSpacing;
    const auto k = static_cast<int64_t>(std::floor(x));
    const double f = x - static_cast<double>(k);
    return (1 - f) * Node(k) + f * Node(k + 1);
  }

 private:
  static constexpr double kSpacing = 8.0;
  double Node(int64_t k) {
    const auto found = nodes_.find(k);
    if (found != nodes_.end()) return found->second;
    const double z = ZodiacOffsetAt(base_, static_cast<double>(k) * kSpacing, report_);
    nodes_.emplace(k, z);
    return z;
  }
  const ChartEntry& base_;
  CalcReport& report_;
  std::unordered_map<int64_t, double> nodes_;
};

// What a line the scan looks for stands for.
enum class LineKind : uint8_t { Exact, OrbEdge, Sign, House };
struct Line {
  LineKind kind;
  int series;  // Exact, OrbEdge: the aspect series; Sign, House: the sign or house boundary
};
// One aspect of the moving body to one point from one side.
struct Series {
  int point;
  double pointLon;
  double aspect;
  double target;
};

class Search {
 public:
  Search(const ChartEntry& base, const TimelineOptions& o, AnalyticTheory& theory, CalcReport& report)
      : base_(base), o_(o), theory_(theory), report_(report), zodiac_(base, report) {}

  TimelineResult Run(const TimelineProgress& progress) {
    TimelineResult result;
    const auto points = BasePoints(base_, o_.cusps);
    std::vector<BasePoint> directedPoints;
    for (const BasePoint& p : points)
      if (p.point < kFirstCuspPoint) directedPoints.push_back(p);
    // The steps, each told to the progress as it ends.
    std::vector<std::function<void()>> steps;
    const bool transitScan = o_.Wants(EventKind::Transit) || o_.Wants(EventKind::Ingress) ||
                             o_.Wants(EventKind::Station);
    for (int body : kTransitBodies)
      if (transitScan && Moves(body)) steps.push_back([this, body, &points] { Transits(body, points); });
    if (o_.Wants(EventKind::Progressed))
      for (int body : kProgressedBodies)
        if (Moves(body)) steps.push_back([this, body, &points] { Progressed(body, points); });
    if (o_.Wants(EventKind::SolarArc))
      for (const BasePoint& p : directedPoints)
        if (Moves(p.point)) steps.push_back([this, p, &points] { SolarArc(p, points); });
    if (o_.Wants(EventKind::NewMoon) || o_.Wants(EventKind::FullMoon) ||
        o_.Wants(EventKind::SolarEclipse) || o_.Wants(EventKind::LunarEclipse))
      steps.push_back([this] { Lunations(); });
    if (o_.Wants(EventKind::Return)) steps.push_back([this] { Returns(); });
    for (size_t i = 0; i < steps.size(); ++i) {
      steps[i]();
      if (report_.Ended()) return {};
      if (progress && !progress(static_cast<double>(i + 1) / steps.size())) {
        result.cancelled = true;
        break;
      }
    }
    std::stable_sort(events_.begin(), events_.end(),
                     [](const TimelineEvent& a, const TimelineEvent& b) { return a.jd < b.jd; });
    result.events = std::move(events_);
    return result;
  }

 private:
  bool Moves(int body) const {
    return o_.bodies.empty() || std::find(o_.bodies.begin(), o_.bodies.end(), body) != o_.bodies.end();
  }
  bool InPeriod(double jd) const { return jd >= o_.fromJd && jd <= o_.toJd; }
  void Emit(const TimelineEvent& e) {
    if (InPeriod(e.jd)) events_.push_back(e);
  }

  double Transit(int body, double jd) {
    return ModAngle(360.0, TropicalLongitude(theory_, body, jd, report_) + zodiac_.At(jd));
  }
  double ProgressedJd(double jd) const {
    return base_.julianDayUt() + (jd - base_.julianDayUt()) / kProgressionYearDays;
  }
  double ProgressedSunTropical(double jd) {
    return TropicalLongitude(theory_, slot::Sun, ProgressedJd(jd), report_);
  }

  // The progressed body, or the progressed angle from the base's meridian
  // advanced by the progressed Sun's arc in right ascension.
  double ProgressedLon(int body, double jd) {
    const double pjd = ProgressedJd(jd);
    if (body != slot::Ascendant && body != slot::Midheaven)
      return ModAngle(360.0, TropicalLongitude(theory_, body, pjd, report_) + zodiac_.At(pjd));
    const EngineResult sun = BodyAt(theory_, slot::Sun, pjd);
    report_.Add(sun.status);
    const double obliquityRad = base_.obliquityRad();
    const double progressedRa = EclToEqu(sun.lat, sun.lon, obliquityRad * kDegPerRad).ra;
    const double natalRa = base_.body(BodyArray::Ra, 0) - ZodiacOffset(base_);
    const double ramc = ModAngle(2 * kPi, base_.ramcRad() + DiffDeg(natalRa, progressedRa) * kRadPerDeg);
    const double z = ZodiacOffset(base_);
    if (body == slot::Midheaven) return ModAngle(360.0, LongOfRA(ramc, obliquityRad) * kDegPerRad + z);
    HouseFrame frame;
    frame.eRad = obliquityRad;
    frame.zDeg = z;
    return AscOf(frame, HouseLatitude(base_.latitude(), false), ramc);
  }

  void Transits(int body, const std::vector<BasePoint>& points) {
    const ScanPlan plan = TransitPlan(body);
    const double from = o_.fromJd - plan.margin, to = o_.toJd + plan.margin;
    if (std::isnan(TropicalLongitude(theory_, body, from, report_)) ||
        std::isnan(TropicalLongitude(theory_, body, to, report_)))
      return;  // Chiron outside its files
    LongitudeScan scan([this, body](double jd) { return Transit(body, jd); }, from, to, plan.step,
                       plan.stations);
    if (report_.Ended()) return;
    Aspects(EventKind::Transit, body, scan,
            o_.Wants(EventKind::Transit) ? points : std::vector<BasePoint>{},
            o_.Wants(EventKind::Ingress));
    const bool reportsStations = body != slot::Sun && body != slot::Moon && body != slot::TrueNode;
    if (o_.Wants(EventKind::Station) && reportsStations)
      for (double jd : scan.Stations()) {
        TimelineEvent e;
        e.kind = EventKind::Station;
        e.body = body;
        e.jd = jd;
        e.bodyLon = scan.At(jd);
        // Turning retrograde when it moved forward a day before.
        e.retrograde = DiffDeg(scan.At(jd - 1), e.bodyLon) > 0;
        Emit(e);
      }
  }

  void Progressed(int body, const std::vector<BasePoint>& points) {
    const bool angle = body == slot::Ascendant || body == slot::Midheaven;
    const double step = angle ? 30.0 : TransitPlan(body).step * kProgressionYearDays;
    LongitudeScan scan([this, body](double jd) { return ProgressedLon(body, jd); },
                       o_.fromJd - kProgressionMargin, o_.toJd + kProgressionMargin, step, !angle);
    if (report_.Ended()) return;
    Aspects(EventKind::Progressed, body, scan, points, false);
  }

  void SolarArc(const BasePoint& directed, const std::vector<BasePoint>& points) {
    const double natalSun = base_.lon(slot::Sun) - ZodiacOffset(base_);
    LongitudeScan scan(
        [this, directed, natalSun](double jd) {
          return ModAngle(360.0, directed.lon + ProgressedSunTropical(jd) - natalSun);
        },
        o_.fromJd - kProgressionMargin, o_.toJd + kProgressionMargin, 60.0, false);
    if (report_.Ended()) return;
    Aspects(EventKind::SolarArc, directed.point, scan, points, false);
  }

  // The exact aspects of the scanned body to the points, with the passes
  // they belong to, and with `ingresses` its passages into signs and the
  // base's houses.
  void Aspects(EventKind kind, int body, const LongitudeScan& scan, const std::vector<BasePoint>& points,
               bool ingresses) {
    std::vector<Series> series;
    for (const BasePoint& p : points)
      for (double a : o_.aspects) {
        const bool oneSided = a < 1e-9 || a > 180 - 1e-9;
        series.push_back({p.point, p.lon, a, ModAngle(360.0, p.lon + a)});
        if (!oneSided) series.push_back({p.point, p.lon, a, ModAngle(360.0, p.lon - a)});
      }
    std::vector<double> targets, tolerances;
    std::vector<Line> lines;
    for (size_t s = 0; s < series.size(); ++s) {
      targets.push_back(series[s].target);
      tolerances.push_back(kExactTolerance);
      lines.push_back({LineKind::Exact, static_cast<int>(s)});
      if (o_.orb > 0) {
        for (double edge : {-o_.orb, o_.orb}) {
          targets.push_back(ModAngle(360.0, series[s].target + edge));
          tolerances.push_back(kOrbEdgeTolerance);
          lines.push_back({LineKind::OrbEdge, static_cast<int>(s)});
        }
      }
    }
    if (ingresses) {
      for (int sign = 0; sign < 12; ++sign) {
        targets.push_back(sign * 30.0);
        tolerances.push_back(kExactTolerance);
        lines.push_back({LineKind::Sign, sign});
      }
      for (int house = 1; house <= 12; ++house) {
        const double cusp = house <= 6 ? base_.cusp(house) : base_.cusp(house - 6) + 180.0;
        targets.push_back(ModAngle(360.0, cusp));
        tolerances.push_back(kExactTolerance);
        lines.push_back({LineKind::House, house});
      }
    }
    // Per aspect series: its exact hits and the moments the body comes
    // within orb and goes out of it again.
    struct Track {
      std::vector<TimelineEvent> hits;
      std::vector<double> enters, leaves;
      bool inOrb = false;
    };
    std::vector<Track> tracks(series.size());
    const double startLon = scan.Samples().front().lon;
    for (size_t s = 0; s < series.size(); ++s)
      tracks[s].inOrb = std::fabs(DiffDeg(series[s].target, startLon)) <= o_.orb;
    for (const Passage& p : scan.Passages(targets, tolerances)) {
      const Line& line = lines[p.target];
      TimelineEvent e;
      e.kind = kind;
      e.body = body;
      e.jd = p.jd;
      e.bodyLon = targets[p.target];
      e.retrograde = !p.forward;
      switch (line.kind) {
        case LineKind::Sign:
        case LineKind::House: {
          e.kind = EventKind::Ingress;
          e.pointLon = targets[p.target];
          const bool sign = line.kind == LineKind::Sign;
          e.ingress = sign ? IngressTarget::Sign : IngressTarget::House;
          e.entered = p.forward ? line.series
                      : sign    ? (line.series + 11) % 12
                                : (line.series + 10) % 12 + 1;
          Emit(e);
          break;
        }
        case LineKind::Exact: {
          const Series& s = series[line.series];
          e.point = s.point;
          e.pointLon = s.pointLon;
          e.aspect = s.aspect;
          tracks[line.series].hits.push_back(e);
          break;
        }
        case LineKind::OrbEdge: {
          // Every passage over either edge of the orb changes whether the
          // body is within it.
          Track& t = tracks[line.series];
          t.inOrb = !t.inOrb;
          (t.inOrb ? t.enters : t.leaves).push_back(p.jd);
          break;
        }
      }
    }
    for (Track& t : tracks) EmitPasses(t.hits, t.enters, t.leaves);
  }

  // The hits of one series in passes: a body that turns back between two
  // hits (they go opposite ways) hits again within the same pass, so a
  // retrograde loop over the point makes one pass of three hits. A pass
  // lasts from the last time the body came within orb before its first
  // hit to the first time it left the orb after its last one.
  void EmitPasses(std::vector<TimelineEvent>& hits, const std::vector<double>& enters,
                  const std::vector<double>& leaves) {
    size_t first = 0;
    while (first < hits.size()) {
      size_t last = first;
      while (last + 1 < hits.size() && hits[last + 1].retrograde != hits[last].retrograde) ++last;
      double enter = kNoMoment, leave = kNoMoment;
      for (double jd : enters)
        if (jd <= hits[first].jd) enter = jd;
      for (auto it = leaves.rbegin(); it != leaves.rend(); ++it)
        if (*it >= hits[last].jd) leave = *it;
      const int n = static_cast<int>(last - first + 1);
      for (size_t k = first; k <= last; ++k) {
        hits[k].pass = static_cast<int>(k - first) + 1;
        hits[k].passes = n;
        hits[k].enters = enter;
        hits[k].leaves = leave;
        Emit(hits[k]);
      }
      first = last + 1;
    }
  }

  SunAndMoon PositionsAt(double jd) {
    const EngineResult sun = BodyAt(theory_, slot::Sun, jd);
    const EngineResult moon = BodyAt(theory_, slot::Moon, jd);
    return {sun.lon, sun.lat, sun.dist, moon.lon, moon.lat, moon.dist};
  }

  void Lunations() {
    LongitudeScan scan(
        [this](double jd) {
          const SunAndMoon p = PositionsAt(jd);
          return ModAngle(360.0, p.moonLon - p.sunLon);
        },
        o_.fromJd - 1, o_.toJd + 1, 1.0, false);
    const SunAndMoonAt at = [this](double jd) { return PositionsAt(jd); };
    for (const Passage& p : scan.Passages({0.0, 180.0})) {
      const bool newMoon = p.target == 0;
      TimelineEvent e;
      e.kind = newMoon ? EventKind::NewMoon : EventKind::FullMoon;
      e.body = slot::Moon;
      e.point = -1;
      e.aspect = newMoon ? 0 : 180;
      e.jd = p.jd;
      e.bodyLon = Transit(slot::Moon, p.jd);
      e.pointLon = Transit(slot::Sun, p.jd);
      if (o_.Wants(e.kind)) Emit(e);
      const EventKind eclipseKind = newMoon ? EventKind::SolarEclipse : EventKind::LunarEclipse;
      if (!o_.Wants(eclipseKind)) continue;
      const EclipseFound found = newMoon ? SolarEclipseAt(at, p.jd) : LunarEclipseAt(at, p.jd);
      if (found.kind == EclipseKind::None) continue;
      e.kind = eclipseKind;
      e.jd = found.jd;
      e.eclipse = found.kind;
      e.magnitude = found.magnitude;
      e.bodyLon = Transit(slot::Moon, found.jd);
      e.pointLon = Transit(slot::Sun, found.jd);
      Emit(e);
    }
  }

  void Returns() {
    const ZodiacAt zodiac = [this](double jd) { return zodiac_.At(jd); };
    for (int body : {slot::Sun, slot::Moon}) {
      if (!Moves(body)) continue;
      double from = o_.fromJd;
      while (from <= o_.toJd) {
        const auto found = FindReturn(theory_, body, base_.lon(body), from, o_.toJd, zodiac, report_);
        if (!found || report_.Ended()) break;
        TimelineEvent e;
        e.kind = EventKind::Return;
        e.body = body;
        e.point = body;
        e.jd = *found;
        e.bodyLon = base_.lon(body);
        e.pointLon = base_.lon(body);
        Emit(e);
        from = *found + (body == slot::Sun ? 300.0 : 20.0);
      }
    }
  }

  const ChartEntry& base_;
  const TimelineOptions& o_;
  AnalyticTheory& theory_;
  CalcReport& report_;
  ZodiacTable zodiac_;
  std::vector<TimelineEvent> events_;
};

}  // namespace

double TropicalLongitude(AnalyticTheory& theory, int body, double jd, CalcReport& report) {
  if (body >= slot::Sun && body <= slot::Pluto) {
    const EngineResult r = BodyAt(theory, body, jd);
    report.Add(r.status);
    return r.lon;
  }
  const double t = jd - 2433282.0 + DeltaTOfJulDay(jd) / 86400.0;
  const EngineResult r = EphemerisEngine(theory).PositionOfBody(
      body == slot::Chiron ? kEngChiron : kEngTrueNode, t);
  if (body == slot::Chiron && !r.status.ok()) return std::nan("");
  report.Add(r.status);
  return r.available ? r.lon : std::nan("");
}

std::vector<BasePoint> BasePoints(const ChartEntry& base, bool cusps) {
  std::vector<BasePoint> points;
  for (int s = slot::Sun; s <= slot::TrueNode; ++s) points.push_back({s, base.lon(s)});
  if (base.bodyAvailable(slot::Chiron) && std::isfinite(base.lon(slot::Chiron)))
    points.push_back({slot::Chiron, base.lon(slot::Chiron)});
  points.push_back({slot::Ascendant, base.asc()});
  points.push_back({slot::Midheaven, base.mc()});
  if (cusps)
    for (int h = 1; h <= 12; ++h)
      points.push_back(
          {kFirstCuspPoint + h - 1, ModAngle(360.0, h <= 6 ? base.cusp(h) : base.cusp(h - 6) + 180)});
  return points;
}

TimelineResult SearchTimeline(const ChartEntry& base, const TimelineOptions& options,
                              AnalyticTheory& theory, CalcReport& report,
                              const TimelineProgress& progress) {
  if (!(options.toJd >= options.fromJd)) return {};
  return Search(base, options, theory, report).Run(progress);
}

}  // namespace vostrane
