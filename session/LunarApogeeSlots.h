// SPDX-License-Identifier: GPL-3.0-or-later
// Whether an entry's body slots 21 and 22 hold the Moon's mean and
// osculating apogee. Entries calculated before those points existed hold the
// Sun's place there; the calculation marks the entries it fills with a
// letter in the reserved area after the user-defined ayanamsa.
#pragma once

#include "session/ChartEntry.h"

namespace vostrane {

namespace entry_offset {
constexpr size_t lunarApogeeMark = 6851;  // 'A' once slots 21 and 22 hold the apogee
}  // namespace entry_offset

inline bool HasLunarApogee(const ChartEntry& e) {
  return e.Letter(entry_offset::lunarApogeeMark) == 'A';
}
inline void MarkLunarApogee(ChartEntry& e) { e.SetLetter(entry_offset::lunarApogeeMark, 'A'); }

}  // namespace vostrane
