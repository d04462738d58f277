// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/AnalyticTheory.h"
#include "astro/Houses.h"
#include "astro/PlanetPass.h"
#include "derived/DerivedCalculation.h"
#include "derived/EntryCalculation.h"
#include "session/driver/CalcMessages.h"
#include "session/driver/ChartCalculator.h"

namespace vostrane {

AstroCalculator::AstroCalculator() = default;
AstroCalculator::~AstroCalculator() = default;

// The constant tables of the theory are built once per calculation run.
AnalyticTheory& AstroCalculator::Theory() {
  if (!theory_) theory_ = std::make_unique<AnalyticTheory>();
  return *theory_;
}

// Each step's statuses become their messages before the driver writes the
// entry; a fatal one ends the program there.
bool AstroCalculator::Houses(ChartEntry& entry, NameFileImage& image, bool geocentricLatitude) {
  CalcReport report;
  const bool update = CalcHouses(entry, image, geocentricLatitude, report);
  ShowCalcReport(report);
  return update;
}

bool AstroCalculator::Planets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags,
                              CalcProgress& progress, int) {
  // The planet step's own progress goes to the third label.
  CalcReport report;
  const bool update = CalcPlanets(
      entry, image, flags, Theory(), report,
      [&progress](const std::string& text) { progress.SetPlanetText(text); });
  ShowCalcReport(report);
  return update;
}

// This program never creates entries with a user-defined zodiac. An entry
// that has one (from a session file written elsewhere) is shown in the
// sidereal zodiac: a tropical entry is shifted by its ayanamsa, which the
// house step stored as a positive angle; a sidereal one is already there.
double AstroCalculator::UserZodiacOffset(const ChartEntry& entry) {
  return entry.zodiacLetter() == 'T' ? entry.ayanamsaDeg() : 0.0;
}

std::optional<std::string> AstroCalculator::Derived(ChartEntry& entry, const ChartEntry& base,
                                                    const ChartEntry* second, bool geocentricLatitude) {
  CalcReport report;
  auto error = PrepareDerivedChart(entry, base, second, Theory(), geocentricLatitude, report);
  ShowCalcReport(report);
  return error;
}

}  // namespace vostrane
