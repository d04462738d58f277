// SPDX-License-Identifier: GPL-3.0-or-later
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

// The year that stands for `year` in a table whose last year is
// `lastTableYear`: a year from the one after it to 2099 is taken as the
// latest year of the table with the same weekday on 1 January and the same
// leap-year status (its calendar, so rules by weekday fall on the same
// days); other years stay as they are. Generated tables hold every year
// through 2055, so only 2056 to 2099 are mapped (2056 as 2028); a table of
// an older installation that ends with 2024 maps 2025 to 2099 into 2000 to
// 2024 (2030 as 2019).
int EquivalentYear(int year, int lastTableYear = kDstLastYear);

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

// PastChainEnd: the moment lies after the chain's end record (a table that
// ends before 2055); `chainEndYear` then holds the year of that record.
enum class DstScanStatus { Ok, FirstRecordUnreadable, ChainUnreadable, PastChainEnd, YearBeyondTables };

// Reads the chain of one table record by record, following link records.
// A chain ends with a record dated 2025 or later after which the file ends
// or goes on with an earlier record (the first record of another chain).
class DstChainReader {
 public:
  enum class Step { Next, End, Damaged };
  DstChainReader(RecordFile& file, uint16_t firstRecord);
  // Reads the first record; false when it cannot be read.
  bool Start();
  const DstChangeRecord& Current() const { return current_; }
  // Moves to the next record of the chain: End after the end record,
  // Damaged on a failed read, a link into nowhere, a chain that ends too
  // early or one longer than the file (a loop).
  Step Advance();

 private:
  RecordFile& file_;
  int64_t position_;
  int64_t records_ = 0;  // in the file, read at the start
  int64_t steps_ = 0;
  DstChangeRecord current_;
};

// Scans the chain of records that starts at `firstRecord`, following link
// records. A moment after the chain's end record gives PastChainEnd; a
// failed read, a link into nowhere, a code outside 0 to 4 or a chain that
// breaks off before 2025 gives ChainUnreadable.
DstScanStatus ScanDstTable(RecordFile& file, uint16_t firstRecord, const DstMoment& moment,
                           DstScanResult& result, int* chainEndYear = nullptr);

// The lookup of a moment whose yearByte is the calendar year - 1800 (up to
// 299): a year after 2055 is read as its equivalent year, and so is a year
// after the end of a table that ends earlier. On return `moment` holds the
// year actually read. YearBeyondTables for 2100 and later.
DstScanStatus LookUpDstMoment(RecordFile& file, uint16_t firstRecord, DstMoment& moment,
                              DstScanResult& result);

// The table and the moment that the form's fields ask for, read as the
// lookup reads them (table number, first record, date, time, in that
// order). When not `usable`: `badTable` (the table number field is to be
// set to "0"), `firstRecordUnreadable`, or `focus` says where a bad date or
// time sends the form.
struct DstFieldsRequest {
  bool usable = false;
  bool badTable = false;
  bool firstRecordUnreadable = false;
  AtlasFocus focus = AtlasFocus::None;
  uint16_t firstRecord = 0;
  DstMoment moment;  // yearByte: the calendar year - 1800
};
// What a lookup does with input it cannot use: asks for the focus on the
// field to fix (typing in the form) or leaves the focus where it is.
enum class BadDstInput { AskFocus, LeaveFocus };

DstFieldsRequest DstRequestFromFields(const AtlasFields& fields, BadDstInput onBadInput);

// `FillDaylightFromDateAndTable`: reads the table number, the
// date and the time from the fields and writes the zone hours, minutes,
// E/W letter and daylight letter. With AskFocus a bad input asks for
// the focus (zone hours, or the date field for a bad date). A bad table
// number sets the table number field to "0"; every other failure leaves the
// fields as they were. Uses DstIndex() and DstChangeFile(); when the index
// did not load every table number counts as 0.
AtlasFocus FillDaylightFromDateAndTable(AtlasFields& fields, BadDstInput onBadInput);

}  // namespace vostrane
