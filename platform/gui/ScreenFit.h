// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a window on its screen: the dialogs open where they belong
// (beside a button, over their parent), and a small screen must still show
// every button of them.
#pragma once

class QWidget;

namespace vostrane {

// A window larger than the available area of its screen is made as small
// as its layout allows, no larger than the area; then it is moved the least
// that brings it inside the area (its top left corner first when it still
// does not fit).
void KeepOnScreen(QWidget* window);

// Keeps the window on its screen each time it is shown.
void KeepOnScreenWhenShown(QWidget* window);

}  // namespace vostrane
