// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/ViewerPhase.h"

#include "common/ControlRecord.h"
#include "viewer/gui/ChartViewer.h"

namespace vostrane {

void ViewerPhase::SetViewerDerivedChartDialog(DerivedChartDialog dialog) {
  derivedDialog_ = std::move(dialog);
}

void ViewerPhase::PrepareViewerDrawing() { settings_ = DrawingSettingsFromControl(Control()); }

void ViewerPhase::ShowViewerWindow(QWidget* parent, ShellState& shell, int height, int) {
  if (!window_) window_ = new ChartViewer(parent);
  ChartViewer& viewer = *window_;
  viewer.SetDrawingSettings(settings_);
  viewer.SetClientHeight(height);
  viewer.SetDerivedChartDialog(derivedDialog_);
  viewer.RunViewing(shell);
}

void ViewerPhase::CloseViewerWindow() {
  if (window_) window_->FormDeactivate();
}

ChartViewer* ViewerPhase::ViewerWindow() const { return window_.data(); }

}  // namespace vostrane
