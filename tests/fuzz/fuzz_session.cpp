// SPDX-License-Identifier: GPL-3.0-or-later
// "INPUT.FIL": the entry walk of the calculation driver and the real
// calculation of every entry the walk finds. Ends with a session or
// ephemeris message are allowed; crashes, hangs and sanitizer reports are not.
#include "astro/AsteroidFiles.h"
#include "astro/OuterPlanetFiles.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::BeginInput();
  for (int n = 13; n <= 25; ++n) {
    fuzz::LinkInstallFile(OuterFileName(kLrzPrefix, n));
    fuzz::LinkInstallFile(OuterFileName(kChiPrefix, n));
  }
  for (const char* name : kAsteroidFileNames) fuzz::LinkInstallFile(name);
  fuzz::WriteFile(kSessionFileName, data, size);
  fuzz::RunReader([] {
    SilentProgress progress;
    NoNameFileWriteBack nameFile;
    CalculateSessionCharts(progress, nameFile);
  });
  SessionCloseQuietly();
  return 0;
}
