// SPDX-License-Identifier: GPL-3.0-or-later
// The control record generated into the installation folder, read through
// the program's own record layout.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/ControlRecord.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

namespace off = control_offset;

class InstalledControl : public testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(test::InstallFile("ZORCTRL.DAT"), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    bytes_ = s.str();
    ASSERT_EQ(bytes_.size(), kControlRecordSize);
    std::copy(bytes_.begin(), bytes_.end(), record_.Data());
  }

  // A string[N] field: the length byte and the characters.
  std::string StringField(size_t offset) const {
    return bytes_.substr(offset + 1, static_cast<unsigned char>(bytes_[offset]));
  }

  std::string bytes_;
  ControlRecord record_;
};

TEST_F(InstalledControl, PrinterConfigurationsUseTheDefaultPrinterInColour) {
  for (size_t base : {off::printerIndex1, off::printerIndex2}) EXPECT_EQ(record_.Get<int16_t>(base), -2);
  for (size_t flag : {off::monoPrinter1, off::monoPrinter2, off::monoFile, off::monoScreen})
    EXPECT_EQ(record_.Letter(flag), 'N') << "offset " << flag;
  for (size_t paper : {off::paperWidth1, off::paperHeight1, off::paperWidth2, off::paperHeight2})
    EXPECT_EQ(record_.Get<double>(paper), 0.0) << "offset " << paper;
  EXPECT_EQ(record_.Get<int32_t>(off::copies1), 1);
  EXPECT_EQ(record_.Get<int32_t>(off::copies2), 1);
  EXPECT_EQ(record_.GetChars(off::deviceLetters1, 9), "XXXXXXXXX");
  EXPECT_EQ(record_.GetChars(off::deviceLetters2, 9), "XXXXXXXXX");
  EXPECT_EQ(record_.Letter(off::onePrinterDocPerPrintout), 'Y');
  for (size_t text :
       {off::textBackColour1, off::textBackColour2, off::textBackStyle1, off::textBackStyle2})
    EXPECT_EQ(record_.Letter(text), 'A') << "offset " << text;
  EXPECT_EQ(record_.Letter(off::doublePenWidths), 'N');
}

TEST_F(InstalledControl, ScreenPagesAreUnzoomedWithFixedHeight) {
  EXPECT_EQ(record_.Get<double>(off::screenZoom), 1.0);
  EXPECT_EQ(record_.Get<double>(off::fileZoom), 1.0);
  EXPECT_EQ(record_.Letter(off::screenProportions), 'N');
  EXPECT_EQ(record_.Letter(off::fileProportions), 'N');
  // A light grey: an RGB value (not a palette number 0 to 15), every channel light.
  const int32_t colour = record_.Get<int32_t>(off::viewerBackColour);
  EXPECT_GT(colour, 15);
  for (int shift : {0, 8, 16}) EXPECT_GE((colour >> shift) & 0xFF, 0xC0);
  EXPECT_EQ(colour >> 24, 0);
}

TEST_F(InstalledControl, NewChartsGetTheStandardWheelAndTropicalZodiac) {
  const std::string printouts = StringField(off::defaultPrintouts);
  ASSERT_EQ(printouts.size(), 40u);
  EXPECT_EQ(printouts.substr(0, 4), "YAAA");
  for (size_t group = 4; group < 40; group += 4) EXPECT_EQ(printouts[group], 'N') << printouts;
  EXPECT_EQ(record_.Letter(off::defaultZodiacLetter), 'T');
  EXPECT_EQ(record_.Letter(off::defaultHouseSystemLetter), 'F');
  EXPECT_EQ(record_.Letter(off::saveOption), 'Y');
  EXPECT_EQ(record_.Letter(off::warnDuplicateName), 'Y');
  EXPECT_EQ(record_.Letter(off::placeNameStyle), 'K');
  EXPECT_EQ(record_.Letter(off::geocentricLatitude), 'N');
  EXPECT_EQ(record_.Letter(off::progressedTimeOption), 'A');
}

TEST_F(InstalledControl, BytesNoOptionUsesAreZero) {
  EXPECT_EQ(bytes_[0], '\0');
  EXPECT_EQ(bytes_[1], '\0');
  EXPECT_EQ(bytes_.substr(91, 182), std::string(182, '\0'));   // 91 .. 272
  EXPECT_EQ(bytes_.substr(410, 212), std::string(212, '\0'));  // 410 .. 621
  EXPECT_EQ(record_.Get<double>(off::fixedStarOrb), 1.0);
  EXPECT_EQ(bytes_.substr(630), std::string(kControlRecordSize - 630, '\0'));
}

}  // namespace
}  // namespace vostrane
