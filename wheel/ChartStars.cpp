// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/ChartStars.h"

#include "astro/AngleHelpers.h"
#include "astro/BodySlots.h"
#include "astro/Zodiac.h"
#include "wheel/PageNames.h"

namespace vostrane {

std::vector<ChartPointPlace> StarContactPoints(const ChartEntry& e) {
  std::vector<int> slots;
  for (int s = slot::Sun; s <= slot::Midheaven; ++s) slots.push_back(s);
  slots.push_back(slot::PartOfFortune);
  if (e.asteroidsCalculated() == 'Y')
    for (int s = slot::Ceres; s <= slot::Chiron; ++s) slots.push_back(s);
  std::vector<ChartPointPlace> points;
  for (int s : slots)
    if (e.bodyAvailable(s)) points.push_back({s, e.lon(s), e.body(BodyArray::Decl, s)});
  return points;
}

ChartStars StarsOfChart(const std::vector<FixedStar>& stars, const ChartEntry& e, double orb) {
  ChartStars out;
  const double jdTT = e.julianDayUt() + e.deltaTSeconds() / 86400.0;
  const double offset = ZodiacOffset(CalculatedZodiac(e.zodiacLetter()), e.ayanamsaDeg());
  for (const FixedStar& star : stars) {
    StarPlace place = ApparentStarPlace(star, jdTT, e.obliquityRad());
    place.lon = ModAngle(360.0, place.lon + offset);
    out.places.push_back(place);
  }
  out.contacts = StarContacts(out.places, StarContactPoints(e), orb);
  return out;
}

const char* StarContactName(StarContactKind kind) {
  switch (kind) {
    case StarContactKind::Conjunction: return "conjunction";
    case StarContactKind::Parallel: return "parallel";
    case StarContactKind::ContraParallel: return "contra-parallel";
  }
  return "";
}

std::string StarPointName(int slot) {
  static const PageNames names = DefaultPageNames();
  if (slot == slot::TrueNode) return "Node";
  return slot >= 0 && slot < static_cast<int>(names.points.size()) ? names.points[slot] : "";
}

}  // namespace vostrane
