// SPDX-License-Identifier: GPL-3.0-or-later
// The user's choices for the points of a chart page, kept in the control
// record: which lunar node the wheel draws (or the wheel style's own
// choice), whether the Part of Fortune reverses its formula for a night
// birth, and which lots the wheel draws. Records written before these
// settings hold zeros there, which keep the style's node, the one formula
// and no lots.
#pragma once

#include <cstdint>

#include "common/ControlRecord.h"

namespace vostrane {

namespace control_offset {
constexpr size_t wheelNode = 600;       // 'T' true node, 'M' mean node, else the style's choice
constexpr size_t fortuneFormula = 601;  // 'D' by day and by night, else Ascendant + Moon - Sun
// u32: bit n set draws lot n + 1 of LOTS.DAT among the wheel's other points.
constexpr size_t wheelLots = 636;
}  // namespace control_offset

struct PointSettings {
  // 'T' the true node, 'M' the mean node, 0 whatever the wheel style says.
  char wheelNode = 0;
  // By night (the Sun below the horizon) the Part of Fortune is
  // Ascendant + Sun - Moon, the day formula's reversal.
  bool fortuneByDayAndNight = false;
  // The lots of LOTS.DAT the wheel draws among its other points: bit n for
  // the lot of line n + 1 (the first 32 lots can be chosen).
  uint32_t wheelLots = 0;
  bool LotChosen(size_t lot) const { return lot < kChoosableLots && (wheelLots >> lot & 1u); }
  static constexpr size_t kChoosableLots = 32;
};

PointSettings ReadPointSettings(const ControlRecord& control);
// Sets those of the two bytes whose setting changed; every other byte of
// the record stays as it is.
void WritePointSettings(const PointSettings& settings, ControlRecord& control);

}  // namespace vostrane
