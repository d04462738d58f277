// SPDX-License-Identifier: GPL-3.0-or-later
// The angles of the major aspects: the aspects of aspect set 1 of
// ANGLES.DAT, which the timeline searches for until the user chooses others.
#pragma once

#include <vector>

namespace vostrane {

// The angles (0..180 degrees) of the aspects in use in set 1; the five
// classical ones (0, 60, 90, 120, 180) in a folder without the file. A file
// that is there but cannot be read is reported as the wheel's loading
// reports it.
std::vector<double> MajorAspectAngles();

}  // namespace vostrane
