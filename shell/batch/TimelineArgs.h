// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments the events and graph commands share: the base entry, the
// period and the choices of the search.
#pragma once

#include <optional>
#include <string>

#include "timeline/TimelineEvent.h"
#include "shell/batch/BatchCommands.h"

namespace vostrane::batch {

struct TimelineRequest {
  int base = 0;
  TimelineOptions options;  // the period from FROM 0h to the end of TO (UT)
  bool aspectsGiven = false;
  bool csv = false;
  int placeEntry = 0;  // the entry whose place gives the local time; 0: the base's
  double modulus = 360;
  std::vector<std::string> positional;  // what follows BASE FROM TO
};

// Reads BASE FROM TO (dates MM/DD/YYYY or YYYY-MM-DD, at most 100 years
// apart) and the options --kinds LIST, --aspects LIST (degrees), --orb DEG,
// --bodies LIST, --cusps, --csv, --place N and --modulus M; `positional`
// counts BASE FROM TO and what the command takes after them. The message of
// the first wrong argument.
std::optional<std::string> ParseTimelineArgs(const Args& args, size_t positional, TimelineRequest& r);

}  // namespace vostrane::batch
