// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding of the drawing code: to the nearest integer, halves to even, as
// the page and wheel geometry is defined.
#pragma once

#include <cmath>

namespace vostrane {

inline int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace vostrane
