// The calculation driver's write-back into the person's record of the name
// table: the time values as text with 25 decimals, the angles as fixed-point
// numbers, the packed cusps and body arrays, and the calculation flags, each
// posted under the table lock with up to 1000 attempts.
#pragma once

#include <string>

#include "session/driver/NameFileWriteBack.h"
#include "tablestore/TTzDbf.h"

namespace vostrane {

inline constexpr const char* kWriteBackBusyText =
    "Unable to update record in Name File!!! Perhaps in use by another program. Unable to update "
    "birth data! Try again later.";

// A time value as the character fields hold it: fixed notation with 25
// decimals, cut to the field width of 25 characters.
std::string TimeValueText(double value);

class NameTableWriteBack : public NameFileWriteBack {
 public:
  explicit NameTableWriteBack(TTzDbf& table) : table_(table) {}

  // FindExact on order 1. When the person is not on file nothing is
  // written for the entry (the cursor is then on another record).
  void PositionOn(const std::string& name) override;
  void WriteBack(const NameFileImage& image, bool fullSet) override;
  void StoreCalcFlags(const PlanetFlags& flags) override;

  bool Positioned() const { return positioned_; }

 private:
  // Replaces the current record with the fields set, recalling it when it
  // is marked deleted; the busy message after 1000 failed attempts.
  void Post();

  TTzDbf& table_;
  bool positioned_ = false;
};

}  // namespace vostrane
