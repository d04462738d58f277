#include "viewer/gui/ViewerPhase.h"

#include <QPointer>

#include "shell/ControlRecord.h"
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

}  // namespace

void PrepareViewerDrawing() { Settings() = DrawingSettingsFromControl(Control()); }

void ShowViewerWindow(QWidget* parent, QObject* sender, int height, int) {
  if (!Window()) Window() = new TBtnRightDlgWheel(parent);
  TBtnRightDlgWheel& viewer = *Window();
  viewer.SetDrawingSettings(Settings());
  viewer.SetClientHeight(height);
  viewer.RunViewing(sender);
}

void CloseViewerWindow() {
  if (Window()) Window()->FormDeactivate();
}

TBtnRightDlgWheel* ViewerWindow() { return Window().data(); }

}  // namespace vostrane
