// SPDX-License-Identifier: GPL-3.0-or-later
// From a zone's history to its daylight-time table, and the tables into the
// two files "DST.FIL" (the chains of 8-byte records, common tails shared
// through link records) and "DSTRECS.DAT" (the first record of each table).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "atlas/DstChangeRecord.h"
#include "tools/generators/dstgen/ZoneHistory.h"

namespace vostrane::tz {

// A state of a zone as a table gives it: the daylight code and the zone in
// whole minutes east of Greenwich (the hours of the code taken out).
struct TableState {
  uint8_t code = kStandardTime;
  int minutesEast = 0;
  bool operator==(const TableState&) const = default;
};

// One hour of saving is daylight time, or war time when the abbreviation
// is a war-time one (EWT, CWT, PWT ...: it ends in "WT"); two hours are
// double daylight time. Any other saving (half an hour, or negative) is
// folded into the zone with code N. Offsets are rounded to the minute. A
// zone beyond 13 hours east (the form takes 0 to 13) lends an hour to the
// daylight code.
TableState ClassifyState(const Transition& t);

// The chain of a zone's table: one record for each change from the end of
// its local mean time up to the end of `lastYear`, dated in the local clock
// time before the change, rounded to the minute; changes before 1800 are
// dated 1 January 1800 0:00. A zone whose first state is not local mean time
// ("LMT") gets a first record at 1 January 1800 0:00. The chain ends with a
// record in the last minute of `lastYear` (31 December, 23:59) holding the
// last state: with `lastYear` 2055, the last the year byte can hold, no
// lookup reads past it.
std::vector<DstChangeRecord> TableChain(const std::vector<Transition>& history, int lastYear);

// Builds "DST.FIL": record 0 is an end record (DstChainEndRecord) that
// unused table numbers point at (their lookups give local mean time); each
// added chain shares the longest tail already written (through a link
// record when at least two records are saved).
class DstFileBuilder {
 public:
  DstFileBuilder();
  // Adds a chain and returns the number of its first record. Throws
  // std::runtime_error when the file outgrows 16-bit record numbers.
  uint16_t Add(const std::vector<DstChangeRecord>& chain);
  const std::vector<DstChangeRecord>& Records() const { return records_; }
  std::string FileBytes() const;
  int LinkCount() const { return links_; }

 private:
  bool SuffixAt(uint32_t position, const std::vector<DstChangeRecord>& chain, size_t from) const;
  void Append(const DstChangeRecord& r);

  std::vector<DstChangeRecord> records_;
  std::unordered_multimap<uint64_t, uint32_t> suffixes_;  // hash of a chain tail -> its first record
  int links_ = 0;
};

// "DSTRECS.DAT": 2808 little-endian words, word k the first record of table
// k + 1; words of unused tables are 0.
std::string IndexFileBytes(const std::vector<uint16_t>& firstRecords);

}  // namespace vostrane::tz
