// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ChartEntry.h"

namespace vostrane {

void ChartEntry::InitNewEntry(char defaultZodiacLetter, int32_t entryCount) {
  Clear();
  setUsed(true);
  setChartType(0);
  setChartSubtype(0);
  setHarmonic(1);
  setSaveMarker('N');
  setZodiacLetter(defaultZodiacLetter == 'S' ? 'S' : 'T');
  setHouseSystemLetter('F');
  setUserZodiacType('A');
  setPrintoutParam(77, entryCount);
  setBirthDataSource("XX");
  setBirthDataAccuracy("XX");
  setBiography(1, "");
  setBiography(2, "");
  for (int f = 2; f <= 19; ++f) setPrintoutFlag(f, 'N');
}

}  // namespace vostrane
