// SPDX-License-Identifier: GPL-3.0-or-later
#include <cctype>
#include <string>

#include "timeline/TimelineEvent.h"

namespace vostrane {
namespace {

const char* const kKindNames[kEventKinds] = {"transit",       "progressed", "solar-arc", "ingress",
                                             "station",       "new-moon",   "full-moon", "solar-eclipse",
                                             "lunar-eclipse", "return"};

const char* const kBodyNames[] = {"Sun",     "Moon",      "Mercury",  "Venus",   "Mars",
                                  "Jupiter", "Saturn",    "Uranus",   "Neptune", "Pluto",
                                  "Node",    "Ascendant", "Midheaven"};
constexpr int kChironSlot = 20;

bool SameLetters(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

const char* EventKindName(EventKind kind) { return kKindNames[static_cast<int>(kind)]; }

bool EventKindOfName(const std::string& name, EventKind& kind) {
  for (int k = 0; k < kEventKinds; ++k)
    if (SameLetters(name, kKindNames[k])) {
      kind = static_cast<EventKind>(k);
      return true;
    }
  return false;
}

const char* EclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Total: return "total";
    case EclipseKind::Annular: return "annular";
    case EclipseKind::Hybrid: return "hybrid";
    case EclipseKind::Partial: return "partial";
    case EclipseKind::Penumbral: return "penumbral";
    case EclipseKind::None: break;
  }
  return "";
}

std::string TimelinePointName(int point) {
  if (point >= 0 && point <= 12) return kBodyNames[point];
  if (point == kChironSlot) return "Chiron";
  if (point >= kFirstCuspPoint && point < kFirstCuspPoint + 12)
    return "Cusp " + std::to_string(point - kFirstCuspPoint + 1);
  return "";
}

int TimelinePointOfName(const std::string& name) {
  for (int p = 0; p <= 12; ++p)
    if (SameLetters(name, kBodyNames[p])) return p;
  if (SameLetters(name, "Chiron")) return kChironSlot;
  for (int h = 1; h <= 12; ++h)
    if (SameLetters(name, "Cusp " + std::to_string(h))) return kFirstCuspPoint + h - 1;
  return -1;
}

}  // namespace vostrane
