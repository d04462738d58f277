// SPDX-License-Identifier: GPL-3.0-or-later
// "ZORCTRL.DAT": the control record and the new entry built from it.
#include "entry/EntryMarks.h"
#include "session/ChartEntry.h"
#include "common/ControlRecord.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::BeginInput();
  fuzz::WriteFile(kControlFileName, data, size);
  OpenControlFile();
  ChartEntry entry;
  entry.InitNewEntry(Control().defaultZodiacLetter(), 2);
  ApplyDefaultPrintouts(entry, Control().defaultPrintouts());
  if (entry.zodiacLetter() != 'T' && entry.zodiacLetter() != 'S')
    fuzz::Fail("a zodiac letter other than T or S");
  if (entry.printoutParam(441) < 0 || entry.printoutParam(441) > 10)
    fuzz::Fail("printout count out of range");
  if (ControlFileIsOpen()) CloseControlFile();
  return 0;
}
