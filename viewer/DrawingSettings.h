// SPDX-License-Identifier: GPL-3.0-or-later
// The working settings of the drawing engine that the shell copies from the
// control record before each viewing: the two printer configurations and the
// screen page options (zoom, printer proportions, black and white) and the
// viewer's background colour.
#pragma once

#include <cstdint>

#include "wheel/PrinterSettings.h"

namespace vostrane {

class ControlRecord;

// Zoom factors outside this range are brought into it (a larger page image
// would take hundreds of megabytes).
inline constexpr double kMinScreenZoom = 0.25;
inline constexpr double kMaxScreenZoom = 4.0;

struct ScreenPageSettings {
  double zoom = 1.0;                // offset 288
  bool printerProportions = false;  // offset 278 other than 'N'
  bool monochrome = false;          // offset 276 'Y'
  // The horizontal scroll bar is shown only for a page wider than the window.
  bool HorizontalScrollBar() const { return zoom > 1.0; }
};

struct DrawingSettings {
  PrinterSettings printer;
  ScreenPageSettings screen;
  // The page bitmap written to a file (vostrane-batch render to PNG).
  ScreenPageSettings file;
  // The viewer's background, 0x00BBGGRR (offset 7); negative: the
  // toolkit's own window colour.
  int32_t viewerColour = 0x00E0E0E0;
};

DrawingSettings DrawingSettingsFromControl(const ControlRecord& control);

// The zoom to use for a stored value: 1 when it is not a positive number,
// otherwise brought into kMinScreenZoom..kMaxScreenZoom.
double UsableZoom(double stored);

}  // namespace vostrane
