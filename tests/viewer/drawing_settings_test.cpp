// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/ControlRecord.h"
#include "viewer/DrawingSettings.h"

namespace vostrane {
namespace {

namespace o = control_offset;

ControlRecord StandardRecord() {
  ControlRecord c;
  c.SetLetter(o::onePrinterDocPerPrintout, 'Y');
  c.Set<int32_t>(o::viewerBackColour, 0x00E0D0C0);
  c.SetLetter(o::monoScreen, 'N');
  c.SetLetter(o::screenProportions, 'N');
  c.Set<double>(o::screenZoom, 1.0);
  c.Set<int16_t>(o::printerIndex2, -2);
  c.SetLetter(o::monoPrinter2, 'Y');
  return c;
}

TEST(DrawingSettingsFromControl, TakesTheScreenAndPrinterOptions) {
  ControlRecord c = StandardRecord();
  DrawingSettings s = DrawingSettingsFromControl(c);
  EXPECT_DOUBLE_EQ(s.screen.zoom, 1.0);
  EXPECT_FALSE(s.screen.printerProportions);
  EXPECT_FALSE(s.screen.monochrome);
  EXPECT_FALSE(s.screen.HorizontalScrollBar());
  EXPECT_EQ(s.viewerColour, 0x00E0D0C0);
  EXPECT_TRUE(s.printer.oneDocumentPerPrintout);
  EXPECT_TRUE(s.printer.config2.monochrome);
  EXPECT_EQ(s.printer.jobTitle, "Vostrane");

  c.SetLetter(o::screenProportions, 'Y');
  c.SetLetter(o::monoScreen, 'Y');
  c.Set<double>(o::screenZoom, 1.5);
  s = DrawingSettingsFromControl(c);
  EXPECT_TRUE(s.screen.printerProportions);
  EXPECT_TRUE(s.screen.monochrome);
  EXPECT_DOUBLE_EQ(s.screen.zoom, 1.5);
  EXPECT_TRUE(s.screen.HorizontalScrollBar());
}

TEST(UsableZoom, KeepsThePageImageToASaneSize) {
  EXPECT_DOUBLE_EQ(UsableZoom(0.8), 0.8);
  EXPECT_DOUBLE_EQ(UsableZoom(0.0), 1.0);
  EXPECT_DOUBLE_EQ(UsableZoom(-2.0), 1.0);
  EXPECT_DOUBLE_EQ(UsableZoom(std::numeric_limits<double>::quiet_NaN()), 1.0);
  EXPECT_DOUBLE_EQ(UsableZoom(std::numeric_limits<double>::infinity()), 1.0);
  EXPECT_DOUBLE_EQ(UsableZoom(1e300), kMaxScreenZoom);
  EXPECT_DOUBLE_EQ(UsableZoom(1e-9), kMinScreenZoom);
}

}  // namespace
}  // namespace vostrane
