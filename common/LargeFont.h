// The large-font mode of the screen ('S' small fonts, 'L' large fonts),
// fixed at start from the screen's logical resolution, and the scaling of
// dialog sizes it asks for.
#pragma once

namespace vostrane {

// The current mode, 'S' until set.
char LargeFontMode();
// Sets the mode: 'L' for large fonts, anything else counts as 'S'.
void SetLargeFontMode(char mode);

// A dialog width or height for the current mode: times 1.25 rounded to the
// nearest integer in 'L' mode, unchanged in 'S' mode.
int ScaleForLargeFont(int size);

}  // namespace vostrane
