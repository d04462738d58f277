// SPDX-License-Identifier: GPL-3.0-or-later
// One event of a base chart's timeline and the choices a search takes.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vostrane {

enum class EventKind : uint8_t {
  Transit,
  Progressed,
  SolarArc,
  Ingress,
  Station,
  NewMoon,
  FullMoon,
  SolarEclipse,
  LunarEclipse,
  Return,
};
constexpr int kEventKinds = 10;

// The name the batch tool and the CSV export use ("transit", "new-moon", ...).
const char* EventKindName(EventKind kind);
// The kind of a name; false when there is none.
bool EventKindOfName(const std::string& name, EventKind& kind);

enum class EclipseKind : uint8_t { None, Total, Annular, Hybrid, Partial, Penumbral };
const char* EclipseKindName(EclipseKind kind);

// The base chart's points and the moving bodies are numbered by their body
// slots (astro/BodySlots.h): 0..9 Sun to Pluto, 10 the true node, 11 the
// Ascendant, 12 the Midheaven, 20 Chiron. House cusps are kFirstCuspPoint
// + house - 1.
constexpr int kFirstCuspPoint = 100;
// The name of a point or body ("Sun", "Ascendant", "Cusp 7").
std::string TimelinePointName(int point);
// The point of a name (case ignored); -1 when there is none.
int TimelinePointOfName(const std::string& name);

// What an ingress enters.
enum class IngressTarget : uint8_t { None, Sign, House };

constexpr double kNoMoment = std::numeric_limits<double>::quiet_NaN();

struct TimelineEvent {
  EventKind kind = EventKind::Transit;
  int body = 0;       // the moving body or point (progressed, directed, transiting)
  int point = -1;     // the base chart's point, -1 when there is none
  double aspect = 0;  // degrees, 0..180 (a lunation: 0 or 180)
  double jd = 0;      // the exact moment, Julian day (UT)
  int pass = 1;       // which of `passes` exact hits of one stay within orb
  int passes = 1;
  double enters = kNoMoment;  // the moment the stay within orb begins (NaN: unknown)
  double leaves = kNoMoment;  // and ends
  double bodyLon = 0;         // the body's longitude at the moment (base chart's zodiac)
  double pointLon = 0;        // the point's longitude (an ingress: the boundary)
  bool retrograde = false;    // the body moves backwards (a station: it turns retrograde)
  IngressTarget ingress = IngressTarget::None;
  int entered = 0;  // an ingress: sign 0..11 or house 1..12 entered
  EclipseKind eclipse = EclipseKind::None;
  double magnitude = 0;  // an eclipse: its magnitude (lunar: umbral, else penumbral)
};

// The choices of a search.
struct TimelineOptions {
  double fromJd = 0, toJd = 0;  // the period, Julian days (UT)
  bool kinds[kEventKinds] = {true, true, true, true, true, true, true, true, true, true};
  std::vector<double> aspects = {0, 60, 90, 120, 180};  // degrees
  double orb = 1.0;                                     // degrees either side
  bool cusps = false;                                   // the base's cusps as points too
  std::vector<int> bodies;                              // moving bodies; empty: all
  bool Wants(EventKind k) const { return kinds[static_cast<int>(k)]; }
};

}  // namespace vostrane
