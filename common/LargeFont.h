// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the screen asks for large fonts, fixed at start from the screen's
// logical resolution, and the scaling of dialog sizes it asks for.
#pragma once

namespace vostrane {

// Whether large fonts are in use; false (small fonts) until set.
bool LargeFonts();
// Set once at start, before the first window is made.
void SetLargeFonts(bool large);

// A dialog width or height for the current fonts: times 1.25 rounded to the
// nearest integer with large fonts, unchanged with small fonts.
int ScaleForLargeFont(int size);

}  // namespace vostrane
