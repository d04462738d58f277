// SPDX-License-Identifier: GPL-3.0-or-later
// The derived chart that shows an event of the timeline around its base: a
// transit chart of the event's moment (at the base's place, in Greenwich
// time), the progressed or directed chart of its date, or the return.
#pragma once

#include "derived/DerivedRequest.h"
#include "timeline/TimelineEvent.h"

namespace vostrane {

DerivedRequest ChartRequestOfEvent(const TimelineEvent& e, const ChartEntry& base, int32_t baseRecord);

}  // namespace vostrane
