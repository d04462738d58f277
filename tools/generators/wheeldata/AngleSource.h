// SPDX-License-Identifier: GPL-3.0-or-later
// The readable source of "ANGLES.DAT" (data/wheels/angles.txt): three
// "[set N]" sections with one aspect a line. The candidate table of each set
// is computed from the angles and orbs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/generators/textgen/SourceFile.h"
#include "wheel/AspectSetFile.h"

namespace vostrane::wheeldata {

struct AngleSource {
  std::array<AspectSet, 3> sets;
  std::vector<textgen::SourceError> errors;
};

AngleSource ParseAngleSource(const std::string& content, const std::string& fileName);

// Fills candidate rows 0..180 of a set: row t lists, in aspect-number
// order, every aspect in use whose widest orb range [A - O, A + O] meets the
// separations [t, t + 1) (a conjunction's range wraps through 0, folded
// separations never exceed 180). Rows 181..359 are never read and stay
// empty. A row that would hold more than 39 aspects is an error.
bool ComputeCandidates(AspectSet& set, std::string& error);

// The three sets as the 45240-byte file image.
std::string BuildAngleFile(const AngleSource& source);

}  // namespace vostrane::wheeldata
