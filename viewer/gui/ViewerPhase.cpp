#include "viewer/gui/ViewerPhase.h"

#include <QPointer>

#include "common/ControlRecord.h"
#include "viewer/DrawingSettings.h"
#include "viewer/gui/TBtnRightDlgWheel.h"

namespace vostrane {
namespace {

QPointer<TBtnRightDlgWheel>& Window() {
  static QPointer<TBtnRightDlgWheel> window;
  return window;
}

DrawingSettings& Settings() {
  static DrawingSettings settings;
  return settings;
}

DerivedChartDialog& DerivedDialog() {
  static DerivedChartDialog dialog;
  return dialog;
}

}  // namespace

void SetViewerDerivedChartDialog(DerivedChartDialog dialog) { DerivedDialog() = std::move(dialog); }

void PrepareViewerDrawing() { Settings() = DrawingSettingsFromControl(Control()); }

void ShowViewerWindow(QWidget* parent, int height, int) {
  if (!Window()) Window() = new TBtnRightDlgWheel(parent);
  TBtnRightDlgWheel& viewer = *Window();
  viewer.SetDrawingSettings(Settings());
  viewer.SetClientHeight(height);
  viewer.SetDerivedChartDialog(DerivedDialog());
  viewer.RunViewing();
}

void CloseViewerWindow() {
  if (Window()) Window()->FormDeactivate();
}

TBtnRightDlgWheel* ViewerWindow() { return Window().data(); }

}  // namespace vostrane
