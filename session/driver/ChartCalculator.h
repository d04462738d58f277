// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations the driver runs on one entry. AstroCalculator is the real
// one (houses and planets of the calculation library); tests may substitute
// a recorder to check what the driver asks for and in which order.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "session/ChartEntry.h"
#include "session/NameFileImage.h"
#include "session/driver/CalcProgress.h"
#include "session/driver/NameFileWriteBack.h"

namespace vostrane {

class ChartCalculator {
 public:
  virtual ~ChartCalculator() = default;
  // Time scales, angles and cusps; true when the name file is to be updated.
  virtual bool Houses(ChartEntry& entry, NameFileImage& image, bool geocentricLatitude) = 0;
  // Every body slot; sets the flags; true when the name file is to be updated.
  virtual bool Planets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags,
                       CalcProgress& progress, int record) = 0;
  // The offset in degrees of a user-defined zodiac (userZodiacType other than 'A').
  virtual double UserZodiacOffset(const ChartEntry& entry) = 0;
  // A derived entry's chart data from its base entry (and the partner of a
  // composite), before the house and planet steps; a message for the user
  // when the chart cannot be made.
  virtual std::optional<std::string> Derived(ChartEntry& entry, const ChartEntry& base,
                                             const ChartEntry* second, bool geocentricLatitude) = 0;
};

class AnalyticTheory;

// One object per calculation run: the analytic theory's tables are built on
// first use and released with the calculator.
class AstroCalculator : public ChartCalculator {
 public:
  AstroCalculator();
  ~AstroCalculator() override;
  bool Houses(ChartEntry& entry, NameFileImage& image, bool geocentricLatitude) override;
  bool Planets(ChartEntry& entry, NameFileImage& image, PlanetFlags& flags, CalcProgress& progress,
               int record) override;
  double UserZodiacOffset(const ChartEntry& entry) override;
  std::optional<std::string> Derived(ChartEntry& entry, const ChartEntry& base, const ChartEntry* second,
                                     bool geocentricLatitude) override;

 private:
  AnalyticTheory& Theory();

  std::unique_ptr<AnalyticTheory> theory_;
};

}  // namespace vostrane
