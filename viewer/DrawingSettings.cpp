// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/DrawingSettings.h"

#include <algorithm>
#include <cmath>

#include "common/ControlRecord.h"

namespace vostrane {

double UsableZoom(double stored) {
  if (!std::isfinite(stored) || stored <= 0) return 1.0;
  return std::clamp(stored, kMinScreenZoom, kMaxScreenZoom);
}

DrawingSettings DrawingSettingsFromControl(const ControlRecord& control) {
  namespace o = control_offset;
  DrawingSettings s;
  s.printer = PrinterSettingsFromControl(control);
  s.screen.zoom = UsableZoom(control.screenZoom());
  s.screen.printerProportions = control.Letter(o::screenProportions) != 'N';
  s.screen.monochrome = control.Letter(o::monoScreen) == 'Y';
  s.file.zoom = UsableZoom(control.fileZoom());
  s.file.printerProportions = control.Letter(o::fileProportions) != 'N';
  s.file.monochrome = control.Letter(o::monoFile) == 'Y';
  s.viewerColour = control.Get<int32_t>(o::viewerBackColour);
  return s;
}

}  // namespace vostrane
