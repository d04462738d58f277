// SPDX-License-Identifier: GPL-3.0-or-later
// When each person of the name table was last written by this program.
// names.dbf keeps the layout other programs and stored files know, so the
// times live in a side file beside it (names.chg beside names.dbf, in the
// same folder, so every user of an installed program has their own).
//
// The side file is text: the line kChangeTimesHeader, then one line per
// record written, with the record number, the time (seconds since 1970,
// UTC) and the trimmed name the record held then, separated by tabs. The
// name tells a record that another program re-used or re-ordered (a packed
// table) from the person stamped: a time is shown only while its record
// still holds that name. Every write replaces the whole file through a
// temporary beside it, so a failed write leaves the previous file intact;
// a damaged file is reported and its sound lines kept, never blocking the
// name file itself.
//
// Saves from the birth data form, renames, edits, deletions, undeletions
// and imports stamp the records they write; the calculated values the
// calculation driver stores are no change of the person and stamp nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <map>
#include <vector>

namespace vostrane {

inline constexpr const char* kChangeTimesHeader = "vostrane person change times 1";
// A larger side file is not read past this size (about 100 bytes a person
// for a million persons).
inline constexpr size_t kChangeTimesMaxBytes = 100u << 20;

struct ChangeStamp {
  int64_t when = 0;  // seconds since 1970, UTC
  std::string name;  // trimmed, Windows-1252
};

struct ChangeTimes {
  std::map<uint32_t, ChangeStamp> stamps;  // by record number
  // "" when the file was sound or missing; otherwise what is wrong with it,
  // naming the file.
  std::string problem;

  // The time the record was last written, when it still holds `name`
  // (trailing and leading blanks ignored).
  std::optional<int64_t> ChangedAt(uint32_t record, const std::string& name) const;
};

// The side file of a table file: its name with ".dbf" replaced by ".chg"
// (".chg" added when it has no ".dbf").
std::string ChangeTimesFileOf(const std::string& tableFile);

ChangeTimes ReadChangeTimes(const std::string& path);
std::string ChangeTimesText(const ChangeTimes& times);

struct RecordWritten {
  uint32_t record = 0;
  std::string name;
};

// Stamps the records as written at `when`: re-reads the side file (keeping
// what other programs stamped), sets each record's time and name, and
// replaces the file. Called while the table lock is held, so that two
// programs do not lose each other's stamps. Returns "" or what went wrong,
// naming the file; the table's own write stands either way.
std::string StampChanges(const std::string& tableFile, const std::vector<RecordWritten>& written,
                         int64_t when);

// The present time in seconds since 1970.
int64_t NowForStamps();

// A time as the Persons window shows it: local "YYYY-MM-DD HH:MM".
std::string ChangeTimeText(int64_t when);

}  // namespace vostrane
