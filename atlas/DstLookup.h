// The daylight-time lookup: from a DST table number, a birth date and a
// clock time to the zone and the daylight code in force, read from the
// tables "DSTRECS.DAT" (loaded at start-up) and "DST.FIL" (open while the
// birth data form is active).
#pragma once

#include <cstdint>
#include <optional>

#include "atlas/AtlasFields.h"
#include "atlas/DstChangeRecord.h"
#include "platform/RecordFile.h"

namespace vostrane {

// The tables end with 2024. A year from 2025 to 2099 is looked up as the
// year from 2000 to 2024 with the same weekday on 1 January and the same
// leap-year status (a fixed 28-year cycle); other years stay as they are.
int EquivalentYear(int year);

// A birth moment in the tables' terms: year - 1800, month, day, 24-hour
// hour and minute. Seconds play no part.
struct DstMoment {
  int yearByte = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// What the scan of one table found: the code, zone-hours and zone-minutes
// bytes of the last record dated strictly before the moment (code 4 and
// zone-hours byte 0 when there is none).
struct DstScanResult {
  uint8_t code = kLocalMeanTime;
  uint8_t zoneHours = 0;
  uint8_t zoneMinutes = 0;
};

enum class DstScanStatus { Ok, FirstRecordUnreadable, ChainUnreadable };

// Scans the chain of records that starts at `firstRecord`, following link
// records. A failed read, a link into nowhere, a code outside 0 to 4 or a
// chain that never reaches the moment gives ChainUnreadable.
DstScanStatus ScanDstTable(RecordFile& file, uint16_t firstRecord, const DstMoment& moment,
                           DstScanResult& result);

// `GetDstInfoFromScreenDateTimeAndDstTblNum`: reads the table number, the
// date and the time from the fields and writes the zone hours, minutes,
// E/W letter and daylight letter. With interactive 'Y' a bad input asks for
// the focus (zone hours, or the date field for a bad date). A bad table
// number sets the table number field to "0"; every other failure leaves the
// fields as they were. Uses DstIndex() and DstChangeFile(); when the index
// did not load every table number counts as 0.
AtlasFocus GetDstInfoFromScreenDateTimeAndDstTblNum(AtlasFields& fields, char interactive);

}  // namespace vostrane
