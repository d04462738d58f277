// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences dialog of the main menu and the About box, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/ScriptedMessageService.h"
#include "astro/ArabicParts.h"
#include "common/ChartSettings.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "common/PointSettings.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/PreferencesDialog.h"
#include "tests/support/ControlRecordBytes.h"
#include "tests/support/TempFolder.h"
#include "wheel/Paper.h"

namespace vostrane {
namespace {

class PreferencesTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(test::InstallFile(kMessageTextFileName),
                               folder_.Path() + "/" + kMessageTextFileName);
    ASSERT_TRUE(OpenMessageTextFile());
    control_ = test::InRangeControlBytes(std::string(kControlRecordSize, '\x5A'));
    control_[control_offset::defaultHouseSystemLetter] = 'C';
    control_[control_offset::defaultZodiacLetter] = 'T';
    control_[control_offset::saveOption] = 'Y';
    control_[control_offset::warnDuplicateName] = 'Y';
    control_[control_offset::wheelNode] = 'T';
    control_[control_offset::fortuneFormula] = 'N';
    folder_.Write(kControlFileName, control_);
    OpenControlFile();
  }
  void TearDown() override {
    if (ControlFileIsOpen()) CloseControlFile();
    CloseMessageTextFile();
  }

  test::TempFolder folder_;
  ScopedScriptedMessages messages_;
  std::string control_;
};

TEST_F(PreferencesTest, ShowsTheControlRecordAndWritesOnlyItsFourBytes) {
  PreferencesDialog form;
  ASSERT_EQ(form.HouseSystemBox()->count(), 22);
  EXPECT_EQ(form.HouseSystemBox()->itemText(0), "Campanus");
  EXPECT_EQ(form.HouseSystemBox()->itemText(8), "Topocentric");
  EXPECT_EQ(form.HouseSystemBox()->itemText(9), "Whole Sign");
  EXPECT_EQ(form.HouseSystemBox()->currentText(), "Koch");
  EXPECT_EQ(form.ZodiacBox()->currentText(), "Tropical");
  EXPECT_EQ(form.SaveQuestionBox()->currentIndex(), 0);  // ask
  EXPECT_TRUE(form.DuplicateWarningBox()->isChecked());

  form.HouseSystemBox()->setCurrentText("Sunshine");
  form.ZodiacBox()->setCurrentText("Sidereal, Lahiri (Chitrapaksha)");
  form.SaveQuestionBox()->setCurrentIndex(1);  // never
  form.DuplicateWarningBox()->setChecked(false);
  form.accept();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(messages_->Shown().empty());

  std::string expected = control_;
  expected[control_offset::defaultHouseSystemLetter] = 'U';
  expected[control_offset::defaultZodiacLetter] = 'L';
  expected[control_offset::saveOption] = 'N';
  expected[control_offset::warnDuplicateName] = 'N';
  EXPECT_EQ(folder_.Read(kControlFileName), expected);
  EXPECT_EQ(Control().defaultHouseSystemLetter(), 'U');
}

// Without a stored paper the locale's is shown upright; a choice is
// written into its two letters.
TEST_F(PreferencesTest, PaperOfChartPages) {
  PreferencesDialog form;
  const bool letter = SystemPaper() == PaperKind::Letter;
  EXPECT_EQ(form.PaperBox()->currentText(), letter ? "Letter" : "A4");
  EXPECT_EQ(form.OrientationBox()->currentText(), "Portrait");
  form.PaperBox()->setCurrentText(letter ? "A4" : "Letter");
  form.OrientationBox()->setCurrentText("Landscape");
  form.accept();
  std::string expected = control_;
  expected[control_offset::paperKind] = letter ? 'A' : 'L';
  expected[control_offset::paperOrientation] = 'L';
  EXPECT_EQ(folder_.Read(kControlFileName), expected);
}

// The node and Part of Fortune choices and the user-defined ayanamsa of
// new charts: a record without them shows the style's node, the one
// formula and the boxes hidden; OK writes their bytes.
TEST_F(PreferencesTest, WheelNodeFortuneFormulaAndUserAyanamsa) {
  control_[control_offset::wheelNode] = 0;
  control_[control_offset::fortuneFormula] = 0;
  CloseControlFile();
  folder_.Write(kControlFileName, control_);
  OpenControlFile();
  PreferencesDialog form;
  EXPECT_EQ(form.WheelNodeBox()->currentIndex(), 0);
  EXPECT_FALSE(form.FortuneByNightBox()->isChecked());
  EXPECT_FALSE(form.UserAyanamsaBox()->isVisibleTo(&form));
  form.WheelNodeBox()->setCurrentText("Mean node");
  form.FortuneByNightBox()->setChecked(true);
  form.ZodiacBox()->setCurrentText("Sidereal, User-defined");
  EXPECT_TRUE(form.UserAyanamsaBox()->isVisibleTo(&form));
  form.UserAyanamsaBox()->setValue(23.5);
  form.UserEpochBox()->setValue(2000.0);
  form.accept();
  const PointSettings points = ReadPointSettings(Control());
  EXPECT_EQ(points.wheelNode, 'M');
  EXPECT_TRUE(points.fortuneByDayAndNight);
  const Preferences p = ReadPreferences(Control());
  EXPECT_EQ(p.zodiac, 'U');
  EXPECT_DOUBLE_EQ(p.userAyanamsa.degrees, 23.5);
  EXPECT_DOUBLE_EQ(p.userAyanamsa.epochJd, 2451545.0);
  // Nothing else of the record changed.
  std::string expected = control_;
  expected[control_offset::wheelNode] = 'M';
  expected[control_offset::fortuneFormula] = 'D';
  expected[control_offset::defaultZodiacLetter] = 'U';
  const std::string written = folder_.Read(kControlFileName);
  for (size_t at = control_offset::defaultUserAyanamsaDegrees;
       at < control_offset::defaultUserAyanamsaEpoch + 8; ++at)
    expected[at] = written[at];
  EXPECT_EQ(written, expected);
}

// The lots drawn on the wheel: checked as stored; OK writes the bits of the
// lots listed and keeps those of lots the file does not hold.
TEST_F(PreferencesTest, LotsOnTheWheel) {
  std::filesystem::copy_file(test::InstallFile(kLotFileName), folder_.Path() + "/" + kLotFileName);
  const uint32_t stored = 0x80000002u;  // Spirit, and a lot the file does not hold
  std::memcpy(&control_[control_offset::wheelLots], &stored, 4);
  CloseControlFile();
  folder_.Write(kControlFileName, control_);
  OpenControlFile();
  PreferencesDialog form;
  QListWidget* lots = form.WheelLotsList();
  ASSERT_GE(lots->count(), 2);
  EXPECT_EQ(lots->item(0)->text(), "Fortune");
  EXPECT_EQ(lots->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(lots->item(1)->checkState(), Qt::Checked);
  lots->item(0)->setCheckState(Qt::Checked);
  lots->item(1)->setCheckState(Qt::Unchecked);
  form.accept();
  std::string expected = control_;
  const uint32_t chosen = 0x80000001u;
  std::memcpy(&expected[control_offset::wheelLots], &chosen, 4);
  EXPECT_EQ(folder_.Read(kControlFileName), expected);
}

// The fixed-star orb: 1 degree for a record without it; OK writes its eight
// bytes only once it was changed.
TEST_F(PreferencesTest, FixedStarOrb) {
  std::fill_n(&control_[control_offset::fixedStarOrb], 8, '\0');
  CloseControlFile();
  folder_.Write(kControlFileName, control_);
  OpenControlFile();
  {
    PreferencesDialog form;
    EXPECT_DOUBLE_EQ(form.StarOrbBox()->value(), 1.0);
    form.accept();
    EXPECT_EQ(folder_.Read(kControlFileName), control_);
  }
  PreferencesDialog form;
  form.StarOrbBox()->setValue(0.75);
  form.accept();
  EXPECT_DOUBLE_EQ(Control().fixedStarOrb(), 0.75);
  std::string expected = control_;
  const double orb = 0.75;
  std::memcpy(&expected[control_offset::fixedStarOrb], &orb, 8);
  EXPECT_EQ(folder_.Read(kControlFileName), expected);
}

TEST_F(PreferencesTest, CancelWritesNothing) {
  PreferencesDialog form;
  form.HouseSystemBox()->setCurrentIndex(0);
  form.reject();
  EXPECT_EQ(folder_.Read(kControlFileName), control_);
  EXPECT_EQ(Control().defaultHouseSystemLetter(), 'C');
}

// Without a control file (or with one that cannot be written) the choices
// hold for the rest of the run, the user is told, and no file is made.
TEST_F(PreferencesTest, AFailedWriteIsReported) {
  CloseControlFile();
  std::filesystem::remove(folder_.Path() + "/" + kControlFileName);
  OpenControlFile();
  messages_->Clear();
  PreferencesDialog form;
  form.ZodiacBox()->setCurrentIndex(1);
  form.accept();
  EXPECT_TRUE(messages_->Saw("Unable to write the preferences to file ZORCTRL.DAT"));
  ASSERT_FALSE(messages_->Shown().empty());
  EXPECT_EQ(messages_->Shown().back().icon, MsgIcon::Error);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "/" + kControlFileName));
  EXPECT_EQ(Control().defaultZodiacLetter(), 'S');
}

TEST_F(PreferencesTest, AboutBoxNamesVersionSourcesAndLicencesOnly) {
  folder_.Write("DSTVER.DAT", "2025b\n");
  AboutDialog about;
  QString all;
  for (const QLabel* label : about.findChildren<QLabel*>()) all += label->text() + "\n";
  for (const char* expected :
       {"Version " VOSTRANE_VERSION_TEXT, "(GPL-3.0-or-later)", "GeoNames (geonames.org), CC BY 4.0",
        "IANA time zone database, release 2025b, public domain", "swe-standard-data", "swe-basic-data",
        "Newcomb", "US Naval Observatory", "IERS", "DejaVu", "Symbola"})
    EXPECT_TRUE(all.contains(expected)) << expected;
  for (const char* foreign : {"Windows", "Telephone", "Fax", "Zorlan", "purchase"})
    EXPECT_FALSE(all.contains(foreign, Qt::CaseInsensitive)) << foreign;
  EXPECT_FALSE(all.contains(" CD"));

  // "y.dat" replaces the contact lines; a line of one character does not.
  folder_.Write("y.dat", "Mail: help@example.org\nx\nWeb: example.org\n");
  AboutDialog replaced;
  EXPECT_EQ(replaced.ContactLabel(0)->text(), "Mail: help@example.org");
  EXPECT_EQ(replaced.ContactLabel(1)->text(), about.ContactLabel(1)->text());
  EXPECT_EQ(replaced.ContactLabel(2)->text(), "Web: example.org");
}

}  // namespace
}  // namespace vostrane
