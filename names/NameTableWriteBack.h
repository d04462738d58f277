// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation driver's write-back into the person's record of the name
// table: the time values as text with 25 decimals, the angles as fixed-point
// numbers, the packed cusps and body arrays, and the calculation flags, each
// posted under the table lock (names/TableLock.h).
#pragma once

#include <functional>
#include <string>

#include "session/driver/NameFileWriteBack.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

inline constexpr const char* kWriteBackBusyText =
    "Unable to update record in Name File!!! Perhaps in use by another program. Unable to update "
    "birth data! Try again later.";

// A time value as the character fields hold it: fixed notation with 25
// decimals, cut to the field width of 25 characters.
std::string TimeValueText(double value);
// The note for a person removed from the name file while being calculated.
std::string PersonGoneText(const std::string& name);

class NameTableWriteBack : public NameFileWriteBack {
 public:
  explicit NameTableWriteBack(DbfTable& table) : table_(table) {}

  // FindExact on order 1. When the person is not on file nothing is
  // written for the entry (the cursor is then on another record) and the
  // write-back counts as failed, with a message.
  void PositionOn(const std::string& name, int32_t linkedRecord = 0) override;
  void WriteBack(const NameFileImage& image, bool fullSet) override;
  void StoreCalculatedFlags(const PlanetFlags& flags) override;

  bool Positioned() const { return positioned_; }
  // Write-backs that were not made (table busy after every attempt, or a
  // table store error such as a table that may only be read).
  int FailedWriteBacks() const { return failed_; }

 private:
  // Under the lock: finds the person again by name, sets the fields and
  // replaces the record, recalling it when it is marked deleted; the busy
  // message when the lock was not granted.
  void Post(const std::function<void()>& setFields);
  // FindExact of the person. Not found although the linked record holds the
  // name: the index missed a change another program made (a name changed
  // in place), so it is rebuilt and the seek made again.
  bool Find();
  bool LinkedRecordHoldsName();

  DbfTable& table_;
  std::string name_;
  int32_t linkedRecord_ = 0;
  bool positioned_ = false;
  int failed_ = 0;
};

}  // namespace vostrane
