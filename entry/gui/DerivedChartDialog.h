// SPDX-License-Identifier: GPL-3.0-or-later
// How the birth data form and the viewer ask for a derived chart without
// depending on the dialog's library: the program hands them a function that
// shows the dialog (derived/gui/DerivedChartRequestDialog.h, AskDerivedChart) with the
// atlas attached. It lives with the form, the lowest of the windows that ask.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "session/ChartEntry.h"

class QWidget;

namespace vostrane {

// Shows the dialog over `parent` for the session's entries (record k at
// k - 1) with `base` offered as the base entry; the new, uncalculated entry,
// or nullopt when the user cancelled.
using DerivedChartDialog = std::function<std::optional<ChartEntry>(
    QWidget* parent, const std::vector<ChartEntry>& entries, int base)>;

}  // namespace vostrane
