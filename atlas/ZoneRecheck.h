// SPDX-License-Identifier: GPL-3.0-or-later
// The re-check of the zone and the daylight letter after the user changed
// the date or the time of a natal entry whose place came from the atlas.
#pragma once

#include "atlas/AtlasFields.h"
#include "tablestore/DbfTable.h"

namespace vostrane {

// `SeeIfTzOrDstIsDifferent`: what is 'D' when the date changed, 'T' when
// the time changed. Finds the table number again from the atlas when the
// field holds 0, runs the lookup without moving the focus, and when the
// zone hours, zone minutes, E/W letter or daylight letter come out
// different asks message texts 8990 and 8991 + " " + the word (text 8988
// "date" or 8989 "time") + "?"; Yes keeps the new values, No puts the old
// ones back. The zone labels follow the letters.
void SeeIfTzOrDstIsDifferent(AtlasFields& fields, char what, DbfTable& places);

}  // namespace vostrane
