// SPDX-License-Identifier: GPL-3.0-or-later
// "DST.FIL" and "DSTRECS.DAT": the chain walk of one table from a first
// record and a moment chosen by the input, the clock check around it, and
// the index load.
#include "atlas/DstChangeFile.h"
#include "atlas/DstLookup.h"
#include "atlas/DstTableIndex.h"
#include "atlas/LocalClock.h"
#include "platform/RecordFile.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace vostrane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  fuzz::BeginInput();
  const uint16_t first = static_cast<uint16_t>(data[0] | (data[1] << 8));
  DstMoment moment;
  moment.yearByte = data[2];
  moment.month = 1 + data[3] % 12;
  moment.day = 1 + data[4] % 31;
  moment.hour = data[5] % 24;
  moment.minute = data[6] % 60;
  fuzz::WriteFile(kDstChangeFileName, data + 8, size - 8);
  RecordFile file;
  if (!file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly))
    fuzz::Fail("the change file did not open");
  DstScanResult result;
  if (ScanDstTable(file, first, moment, result) == DstScanStatus::Ok && result.code > kLocalMeanTime)
    fuzz::Fail("a daylight code beyond L");
  if (const std::optional<LocalClockCheck> clock = CheckLocalClock(file, first, moment);
      clock && clock->kind != LocalClockKind::Normal && clock->shiftMinutes <= 0)
    fuzz::Fail("a gap or repeat without a shift");
  // The same bytes as the table index.
  fuzz::WriteFile(kDstIndexFileName, data, size);
  LoadDstTableIndex();
  if (DstIndex().loaded != (size >= 2 * static_cast<size_t>(kDstTableCount)))
    fuzz::Fail("the index loaded from the wrong number of bytes");
  return 0;
}
