// SPDX-License-Identifier: GPL-3.0-or-later
// The aspect list and the patterns as lines of text (Windows-1252), for the
// viewer's aspect panel and the page: point, aspect, point, orb, applying or
// separating, exact or partile.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "wheel/AspectPatterns.h"
#include "wheel/PageNames.h"

namespace vostrane {

enum AspectColumn { kFirstPoint, kAspectName, kSecondPoint, kOrb, kMotion, kExactness, kAspectColumns };
using AspectListRow = std::array<std::string, kAspectColumns>;

// The name of an aspect of the list: the kind name, the short name of an
// entry without a kind, "Parallel" or "Contraparallel".
std::string AspectNameOf(const AspectTables& tables, const ListedAspect& aspect, const PageNames& names);

// An orb as degrees and minutes: "2°08'".
std::string OrbText(double orb);

std::vector<AspectListRow> AspectListRows(const AspectTables& tables,
                                          const std::vector<ListedAspect>& aspects,
                                          const PageNames& names);

// "Grand Trine: Sun, Moon, Mars" ("Stellium in Virgo: ..." / "in the 5th house").
std::string PatternText(const AspectPattern& pattern, const PageNames& names);

}  // namespace vostrane
