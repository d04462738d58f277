#include "session/ChartEntry.h"

namespace vostrane {

void ChartEntry::InitNewEntry(char defaultZodsel, int32_t entryCount) {
  Clear();
  setUsed(true);
  setCharttype(0);
  setChartypxtr(0);
  setHarmonic(1);
  setSaveMarker('N');
  setZodsel(defaultZodsel == 'S' ? 'S' : 'T');
  setHousesys('F');
  setUsertype('A');
  setPrintoutParam(77, entryCount);
  setBrthdatsrc("XX");
  setBrthdatacc("XX");
  setBiography(1, "");
  setBiography(2, "");
  for (int f = 2; f <= 19; ++f) setPrintoutFlag(f, 'N');
}

}  // namespace vostrane
