// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons that act the moment their Alt shortcut is pressed. A toolkit
// button first shows itself pressed for a tenth of a second and acts only
// then; keys typed in that moment (the next person's name right after
// Alt+N) would go to the field being left.
#pragma once

class QAbstractButton;

namespace vostrane {

void ClickShortcutAtOnce(QAbstractButton* button);

}  // namespace vostrane
