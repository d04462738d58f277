// SPDX-License-Identifier: GPL-3.0-or-later
// The "New Derived Chart" dialog driven like a user: the fields each kind
// enables, typed dates that cannot exist, the place lookup, and the entry
// OK makes (or the reason it cannot).
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "derived/gui/DerivedChartRequestDialog.h"
#include "entry/gui/FormField.h"
#include "platform/ScriptedMessageService.h"
#include "common/MessageTextFile.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::InstallFile;

ChartEntry Natal(const std::string& name, const std::string& place, double latitude, double longitude) {
  ChartEntry e;
  e.InitNewEntry('T', 0);
  e.setName(name);
  e.setPlace(place);
  e.setMonth(4);
  e.setDay(12);
  e.setYear(1961);
  e.setHours(9);
  e.setMinutes(7);
  e.setLatitude(latitude);
  e.setLongitude(longitude);
  e.setZoneHoursWest(-1);
  return e;
}

// An atlas that knows one place.
class OneCityAtlas : public NoPlaceLookup {
 public:
  int dialogs = 0;
  int readAsType = -1;
  std::optional<PlaceChoice> ChoosePlace(const std::string&) override {
    ++dialogs;
    return PlaceChoice{'G', "Oslo, Norway"};
  }
  bool IsAtlasPlace(const std::string& text) override { return text == "Oslo, Norway"; }
  FocusAfterRead ReadPlace(BirthDataFields& f, int chartType) override {
    readAsType = chartType;
    f.place = "Oslo, Norway";
    f.latitude = "59N5500";
    f.longitude = "010E4500";
    f.zoneHours = "1";
    f.zoneMinutes = "00";
    f.zoneEastWest = "E";
    f.daylight = "Y";
    f.dstTable = "33";
    return FocusAfterRead::Name;
  }
  // Summer time from April to October.
  std::vector<std::string> momentsAsked;
  void ZoneAtMoment(BirthDataFields& f) override {
    momentsAsked.push_back(f.date);
    const int month = std::stoi(f.date.substr(0, 2));
    f.daylight = month >= 4 && month <= 10 ? "Y" : "N";
  }
};

class DerivedDialog : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(InstallFile("QIRTEXT.DAT"), "QIRTEXT.DAT");
    ASSERT_TRUE(OpenMessageTextFile());
    entries = {Natal("Ann", "Rome, Italy", 41.9, -12.5), Natal("Bob", "Lima, Peru", -12.05, 77.04)};
  }
  void TearDown() override {
    dialog.reset();
    CloseMessageTextFile();
  }
  void Open(int base, PlaceLookup* places = nullptr) {
    dialog = std::make_unique<DerivedChartRequestDialog>(nullptr, entries, base, places, [] {
      return CalendarDateTime{{3, 9, 2024}, {14, 35, 0}};
    });
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }
  void ChooseKind(DerivedKind kind) {
    const int index = dialog->KindBox()->findText(DerivedKindName(kind));
    ASSERT_GE(index, 0);
    dialog->KindBox()->setCurrentIndex(index);
  }
  // Replaces a typed field's text as a user would: into the field, from its start.
  void TypeInto(FormField* field, const QString& text) {
    field->setFocus();
    field->SetStoredCaret(0);
    QTest::keyClicks(field, text);
  }

  test::TempFolder folder;
  ScopedScriptedMessages messages;
  std::vector<ChartEntry> entries;
  std::unique_ptr<DerivedChartRequestDialog> dialog;
};

TEST_F(DerivedDialog, EnablesOnlyTheFieldsTheKindNeeds) {
  Open(1);
  struct Expect {
    DerivedKind kind;
    bool date, time, second, body, harmonic, natalBox, place;
  };
  const Expect table[] = {
      {DerivedKind::Transit, true, true, false, false, false, false, true},
      {DerivedKind::Progressed, true, false, false, false, false, false, false},
      {DerivedKind::SolarArc, true, false, false, false, false, false, false},
      {DerivedKind::SolarReturn, true, false, false, false, false, true, false},
      {DerivedKind::LunarReturn, true, false, false, false, false, true, false},
      {DerivedKind::PlanetReturn, true, false, false, true, false, true, false},
      {DerivedKind::Relocated, false, false, false, false, false, false, true},
      {DerivedKind::Composite, false, false, true, false, false, false, false},
      {DerivedKind::Harmonic, false, false, false, false, true, false, false},
  };
  ASSERT_EQ(dialog->KindBox()->count(), 9);
  for (const Expect& e : table) {
    ChooseKind(e.kind);
    SCOPED_TRACE(DerivedKindName(e.kind));
    EXPECT_EQ(dialog->DateField()->isEnabled(), e.date);
    EXPECT_EQ(dialog->TimeField()->isEnabled(), e.time);
    EXPECT_EQ(dialog->SecondBox()->isEnabled(), e.second);
    EXPECT_EQ(dialog->BodyBox()->isEnabled(), e.body);
    EXPECT_EQ(dialog->HarmonicField()->isEnabled(), e.harmonic);
    EXPECT_EQ(dialog->NatalPlaceBox()->isEnabled(), e.natalBox);
    for (QWidget* w :
         {static_cast<QWidget*>(dialog->PlaceField()), static_cast<QWidget*>(dialog->LatitudeField()),
          static_cast<QWidget*>(dialog->ZoneHoursField()), static_cast<QWidget*>(dialog->DaylightBox())})
      EXPECT_EQ(w->isEnabled(), e.place);
    EXPECT_TRUE(dialog->BaseBox()->isEnabled());
  }
  // A return at another place than the natal one opens the place fields.
  ChooseKind(DerivedKind::SolarReturn);
  dialog->NatalPlaceBox()->setChecked(false);
  EXPECT_TRUE(dialog->PlaceField()->isEnabled());
  EXPECT_TRUE(dialog->LongitudeField()->isEnabled());
  dialog->NatalPlaceBox()->setChecked(true);
  EXPECT_FALSE(dialog->PlaceField()->isEnabled());
  EXPECT_EQ(dialog->PlaceField()->StoredText(), "Rome, Italy");
}

TEST_F(DerivedDialog, ADateThatCannotExistIsRefusedWithTheHintAndKeptAsTyped) {
  Open(1);
  ChooseKind(DerivedKind::Progressed);
  TypeInto(dialog->DateField(), "02302030");
  EXPECT_NE(dialog->HintLine()->text().toStdString(), KindGuide(DerivedKind::Progressed));
  QTest::keyClick(dialog->DateField(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), dialog->DateField());
  EXPECT_EQ(dialog->DateField()->StoredText(), "02302030");
  const QString hint = dialog->HintLine()->text();
  EXPECT_TRUE(hint.contains("29") || hint.contains("February")) << hint.toStdString();

  EXPECT_FALSE(dialog->OkClick());
  EXPECT_EQ(dialog->result(), 0);
  EXPECT_EQ(dialog->DateField()->StoredText(), "02302030");

  // Put right, the date goes through.
  TypeInto(dialog->DateField(), "02282030");
  QTest::keyClick(dialog->DateField(), Qt::Key_Return);
  EXPECT_EQ(dialog->HintLine()->text().toStdString(), KindGuide(DerivedKind::Progressed));
  ASSERT_TRUE(dialog->OkClick());
  EXPECT_EQ(KindOfEntry(dialog->Result()), DerivedKind::Progressed);
}

TEST_F(DerivedDialog, AReturnAtTheNatalPlaceIsMadeFromTheChosenBase) {
  Open(1);
  ChooseKind(DerivedKind::SolarReturn);
  dialog->BaseBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog->PlaceField()->StoredText(), "Lima, Peru");  // the base's place shown
  TypeInto(dialog->DateField(), "06012020");
  ASSERT_TRUE(dialog->OkClick());
  const ChartEntry& e = dialog->Result();
  EXPECT_EQ(KindOfEntry(e), DerivedKind::SolarReturn);
  EXPECT_EQ(e.baseEntry(), 2);
  EXPECT_EQ(e.level(), 1);
  EXPECT_EQ(e.name(), "Bob");
  EXPECT_NEAR(e.latitude(), -12.05, 1e-9);
}

TEST_F(DerivedDialog, TransitsAtATypedPlace) {
  Open(1);
  ChooseKind(DerivedKind::Transit);
  TypeInto(dialog->DateField(), "12252023");
  TypeInto(dialog->TimeField(), "063000P");
  dialog->PlaceField()->setFocus();
  dialog->PlaceField()->selectAll();
  QTest::keyClicks(dialog->PlaceField(), "Tromso");
  TypeInto(dialog->LatitudeField(), "69N3900");
  TypeInto(dialog->LongitudeField(), "018E5700");
  TypeInto(dialog->ZoneHoursField(), "01");
  dialog->EastWestBox()->setCurrentIndex(1);
  // A letter without a Windows-1252 code is refused with a word of why;
  // accented letters that have one are kept.
  for (const QString& c : {QString::fromUtf8("\u0141"), QString::fromUtf8("\u00f8")}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
    QApplication::sendEvent(dialog->PlaceField(), &press);
  }
  EXPECT_EQ(dialog->PlaceField()->StoredText(), "Tromso\xF8");
  EXPECT_NE(dialog->HintLine()->text().indexOf(QString::fromUtf8("\u0141")), -1);
  QTest::keyClick(dialog->PlaceField(), Qt::Key_Backspace);
  ASSERT_TRUE(dialog->OkClick()) << dialog->HintLine()->text().toStdString();
  const ChartEntry& e = dialog->Result();
  EXPECT_EQ(KindOfEntry(e), DerivedKind::Transit);
  EXPECT_EQ(e.baseEntry(), 1);
  EXPECT_EQ(e.place(), "Tromso");
  EXPECT_EQ(e.year(), 2023);
  EXPECT_EQ(e.hours(), 18);
  EXPECT_EQ(e.minutes(), 30);
  EXPECT_NEAR(e.latitude(), 69.65, 1e-9);
  EXPECT_NEAR(e.longitude(), -(18 + 57.0 / 60), 1e-9);  // east is negative
  EXPECT_NEAR(e.zoneHoursWest(), -1.0, 1e-9);
}

TEST_F(DerivedDialog, APlaceChosenInTheAtlasFillsCoordinatesZoneAndDaylight) {
  OneCityAtlas atlas;
  Open(1, &atlas);
  ChooseKind(DerivedKind::Relocated);
  dialog->PlaceButton()->click();
  EXPECT_EQ(atlas.dialogs, 1);
  EXPECT_EQ(atlas.readAsType, 0);  // the zone for the chart's own moment
  EXPECT_EQ(dialog->PlaceField()->StoredText(), "Oslo, Norway");
  EXPECT_EQ(dialog->LatitudeField()->StoredText(), "59N5500");
  EXPECT_EQ(dialog->EastWestBox()->currentIndex(), 1);
  EXPECT_EQ(dialog->DaylightBox()->currentIndex(), 1);  // Y
  ASSERT_TRUE(dialog->OkClick());
  EXPECT_EQ(KindOfEntry(dialog->Result()), DerivedKind::Relocated);
  EXPECT_EQ(dialog->Result().dstTable(), 33);
  EXPECT_EQ(dialog->Result().place(), "Oslo, Norway");
}

TEST_F(DerivedDialog, TheBasePlaceTakesTheZoneOfTheChartsOwnMoment) {
  OneCityAtlas atlas;
  entries[0].setPlace("Oslo, Norway");
  entries[0].setDaylightCode(1);  // born in summer time
  Open(1, &atlas);
  ChooseKind(DerivedKind::Transit);
  ASSERT_FALSE(atlas.momentsAsked.empty());
  EXPECT_EQ(atlas.momentsAsked.back(), "03092024");     // the transits' date, not the birth's
  EXPECT_EQ(dialog->DaylightBox()->currentIndex(), 0);  // N in March
  TypeInto(dialog->DateField(), "07012024");
  QTest::keyClick(dialog->DateField(), Qt::Key_Return);
  EXPECT_EQ(atlas.momentsAsked.back(), "07012024");
  EXPECT_EQ(dialog->DaylightBox()->currentIndex(), 1);  // Y in July, without a question
  EXPECT_TRUE(messages->Shown().empty());

  // A relocated chart is the birth moment at the other place.
  ChooseKind(DerivedKind::Relocated);
  EXPECT_EQ(atlas.momentsAsked.back(), "04121961");
  ASSERT_TRUE(dialog->OkClick());
  EXPECT_EQ(dialog->Result().daylightCode(), 1);
}

TEST_F(DerivedDialog, RequestsThatCannotBeMetAreSaidAndTheDialogStays) {
  Open(1);
  // A harmonic outside 2..180 is named in the hint line.
  ChooseKind(DerivedKind::Harmonic);
  dialog->HarmonicField()->setFocus();
  dialog->HarmonicField()->selectAll();
  QTest::keyClicks(dialog->HarmonicField(), "200");
  EXPECT_FALSE(dialog->OkClick());
  EXPECT_EQ(dialog->HintLine()->text(), "Harmonic must be from 2 to 180.");
  EXPECT_EQ(QApplication::focusWidget(), dialog->HarmonicField());

  // A composite of an entry with itself: the builder's reason, as a message.
  ChooseKind(DerivedKind::Composite);
  dialog->SecondBox()->setCurrentIndex(0);
  EXPECT_FALSE(dialog->OkClick());
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_NE(messages->Shown()[0].text.find("two different entries"), std::string::npos);
  EXPECT_EQ(dialog->result(), 0);

  dialog->SecondBox()->setCurrentIndex(1);
  ASSERT_TRUE(dialog->OkClick());
  EXPECT_EQ(KindOfEntry(dialog->Result()), DerivedKind::Composite);
  EXPECT_EQ(dialog->Result().secondBaseEntry(), 2);
}

}  // namespace
}  // namespace vostrane
