// SPDX-License-Identifier: GPL-3.0-or-later
// The real calculator hands the planet step's progress texts to the third
// label of the progress window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/driver/ChartCalculator.h"
#include "tests/support/EphemerisTestFiles.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

class RecordingProgress : public CalcProgress {
 public:
  void SetStepCaption(const std::string&) override {}
  void SetEntryName(const std::string&) override {}
  void SetPlanetText(const std::string& text) override { planet.push_back(text); }
  std::vector<std::string> planet;
};

TEST(AstroCalculatorProgress, PlanetStepWritesTheThirdLabel) {
  test::TempFolder folder;
  test::LinkEphemerisFiles(folder);
  ChartEntry e;
  e.InitNewEntry('T', 1);
  e.setYear(1990);
  e.setMonth(3);
  e.setDay(3);
  e.setHours(9);
  e.setLatitude(40.0);
  e.setLongitude(70.0);
  AstroCalculator calc;
  NameFileImage image;
  calc.Houses(e, image, false);
  RecordingProgress progress;
  PlanetFlags flags;
  calc.Planets(e, image, flags, progress, 1);
  ASSERT_FALSE(progress.planet.empty());
  EXPECT_EQ(progress.planet.front(), "Daily motions");
  EXPECT_EQ(progress.planet.back(), "Hypothetical planets");
}

}  // namespace
}  // namespace vostrane
