// SPDX-License-Identifier: GPL-3.0-or-later
// Where an entry keeps a user-defined ayanamsa (zodiac letter 'U'): two
// doubles in the reserved area after the daylight table number, behind the
// calculation-complete byte. Entries written before these fields existed
// hold zeros there and never carry the letter 'U'.
#pragma once

#include "astro/Ayanamsas.h"
#include "session/ChartEntry.h"

namespace vostrane {

namespace entry_offset {
constexpr size_t userAyanamsaDegrees = 6835;  // f64: the mean ayanamsa at the epoch, degrees
constexpr size_t userAyanamsaEpoch = 6843;    // f64: Julian day of the epoch; 0 = 1900 January 0.5
}  // namespace entry_offset

inline UserAyanamsa UserAyanamsaOf(const ChartEntry& e) {
  UserAyanamsa user;
  user.degrees = e.Get<double>(entry_offset::userAyanamsaDegrees);
  const double epoch = e.Get<double>(entry_offset::userAyanamsaEpoch);
  if (epoch != 0.0) user.epochJd = epoch;
  return user;
}

inline void SetUserAyanamsa(ChartEntry& e, const UserAyanamsa& user) {
  e.Set<double>(entry_offset::userAyanamsaDegrees, user.degrees);
  e.Set<double>(entry_offset::userAyanamsaEpoch, user.epochJd);
}

}  // namespace vostrane
