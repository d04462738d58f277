// SPDX-License-Identifier: GPL-3.0-or-later
// Printer settings from the control record, device-mode letters and the
// decision how a printer page ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/ControlRecord.h"
#include "wheel/PrinterSettings.h"

namespace vostrane {
namespace {

namespace c = control_offset;

TEST(PrinterSettings, TakenFromTheControlRecord) {
  ControlRecord r;
  r.SetLetter(c::onePrinterDocPerPrintout, 'Y');
  r.SetLetter(c::doublePenWidths, 'Y');
  r.SetLetter(c::textBackColour2, 'B');
  r.SetLetter(c::textBackStyle2, 'B');
  r.SetLetter(c::textBackColour1, 'A');
  r.Set<int16_t>(c::printerIndex1, 3);
  r.Set<int16_t>(c::printerIndex2, -2);
  r.SetLetter(c::monoPrinter2, 'Y');
  r.Set<double>(c::paperWidth2, 8.27);
  r.Set<double>(c::paperHeight2, 11.69);
  r.Set<int32_t>(c::copies2, 2);
  std::memcpy(r.Data() + c::deviceLetters2, "XXXXTXVMH", 9);
  const PrinterSettings s = PrinterSettingsFromControl(r);
  EXPECT_TRUE(s.oneDocumentPerPrintout);
  EXPECT_TRUE(s.widerLines);
  EXPECT_TRUE(s.config2.textBackBlack);
  EXPECT_TRUE(s.config2.textBackOpaque);
  EXPECT_FALSE(s.config1.textBackBlack);
  EXPECT_EQ(s.config1.printerIndex, 3);
  EXPECT_TRUE(s.config2.monochrome);
  EXPECT_FALSE(s.config1.monochrome);
  EXPECT_EQ(s.config2.copies, 2);
  EXPECT_EQ(s.config2.deviceLetters, "XXXXTXVMH");
  EXPECT_EQ(s.jobTitle, "Vostrane");

  double w = 0, h = 0;
  s.PaperSizeFor('2', w, h);
  EXPECT_DOUBLE_EQ(w, 8.27);
  // Configuration 1 has no paper size: configuration 2's is used.
  s.PaperSizeFor('1', w, h);
  EXPECT_DOUBLE_EQ(h, 11.69);
  // Configuration 1's printer is not the default: each uses its own.
  EXPECT_EQ(s.PrinterIndexFor('1'), 3);
  EXPECT_EQ(s.PrinterIndexFor('2'), -2);
}

TEST(PrinterSettings, DefaultPrinterOfConfigurationOneServesBoth) {
  PrinterSettings s;
  s.config1.printerIndex = -2;
  s.config2.printerIndex = 4;
  EXPECT_EQ(s.PrinterIndexFor('2'), -2);
  s.config1.paperWidth = 8.5;
  s.config1.paperHeight = 14;
  double w = 0, h = 0;
  s.PaperSizeFor('1', w, h);
  EXPECT_DOUBLE_EQ(h, 14);
  s.PaperSizeFor('2', w, h);  // configuration 2 has none set
  EXPECT_DOUBLE_EQ(h, 0);
}

TEST(PrinterSettings, JunkPaperSizesCountAsNotSet) {
  ControlRecord r;
  r.Set<double>(c::paperWidth1, std::nan(""));
  r.Set<double>(c::paperHeight1, 1e300);
  const PrinterSettings s = PrinterSettingsFromControl(r);
  EXPECT_EQ(s.config1.paperWidth, 0);
  EXPECT_EQ(s.config1.paperHeight, 0);
}

TEST(DeviceMode, LettersMapToFieldsAndXLeavesThem) {
  EXPECT_TRUE(DeviceModeFromLetters("XXXXXXXXX", 1).Empty());
  EXPECT_TRUE(DeviceModeFromLetters("XXXXXXXXX", 0).Empty());
  const DeviceModeRequest r = DeviceModeFromLetters("GTEPTBVCD", 3);
  EXPECT_EQ(r.copies, 3);
  EXPECT_EQ(r.dither, 'G');
  EXPECT_EQ(r.media, 'T');
  EXPECT_EQ(r.icmIntent, 'E');
  EXPECT_EQ(r.icmMethod, 'P');
  EXPECT_EQ(r.collate, 'T');
  EXPECT_EQ(r.trueType, 'B');
  EXPECT_EQ(r.duplex, 'V');
  EXPECT_EQ(r.colour, 'C');
  EXPECT_EQ(r.quality, 'D');
  // Letters outside a field's table, and a short field list, change nothing.
  const DeviceModeRequest bad = DeviceModeFromLetters("QQQ", 1);
  EXPECT_TRUE(bad.Empty());
}

TEST(PageEnd, FinalPageEndsOrAbortsTheDocument) {
  EXPECT_EQ(DecidePageEnd(true, true, true, true), PageEnd::EndDocument);
  EXPECT_EQ(DecidePageEnd(true, true, true, false), PageEnd::AbortDocument);
  EXPECT_EQ(DecidePageEnd(true, false, true, true), PageEnd::NewPage);
  EXPECT_EQ(DecidePageEnd(false, true, true, true), PageEnd::NewPage);
}

}  // namespace
}  // namespace vostrane
