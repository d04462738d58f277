// SPDX-License-Identifier: GPL-3.0-or-later
// The house system and zodiac of each chart on the birth data form: a new
// chart takes the defaults of the control record, the user's choice is
// stored in the entry, and showing the entry again shows it.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>

#include "FormFixture.h"
#include "derived/UserAyanamsaFields.h"
#include "entry/BirthDataFields.h"

namespace vostrane::test {
namespace {

using ChartSettingsForm = FormFixture;

// A complete chart: a new entry's fields with a name and a place.
BirthDataFields Person(const std::string& name) {
  BirthDataFields f = NewEntryFields({{7, 4, 1990}, {14, 36, 0}});
  f.name = name;
  f.place = "Boston, MA";
  return f;
}

TEST_F(ChartSettingsForm, EachChartKeepsItsHouseSystemAndZodiac) {
  Control().SetLetter(control_offset::defaultHouseSystemLetter, 'C');
  Control().SetLetter(control_offset::defaultZodiacLetter, 'S');
  Start();
  QComboBox* houses = form_->HouseSystemBox();
  QComboBox* zodiac = form_->ZodiacBox();
  ASSERT_EQ(houses->count(), 22);
  EXPECT_EQ(houses->itemText(0), "Campanus");
  EXPECT_EQ(houses->itemText(5), "Placidus");
  EXPECT_EQ(houses->itemText(20), "Sunshine");
  EXPECT_EQ(houses->currentText(), "Koch");
  EXPECT_EQ(zodiac->currentText(), "Sidereal, Fagan-Bradley");
  EXPECT_EQ(form_->WorkingEntry().houseSystemLetter(), 'C');
  EXPECT_EQ(form_->WorkingEntry().zodiacLetter(), 'S');

  // The first chart: Alt+H goes to the house systems, Down picks the next
  // ones (Meridian, Morinus); Alt+Z and Up make the zodiac tropical.
  BirthDataFields f = Person("Ann Lee");
  f.houseSystem = 'C';
  f.zodiac = 'S';
  form_->SetFields(f);
  Key(Qt::Key_H, Qt::AltModifier);
  ASSERT_EQ(Focus(), houses);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(houses->currentText(), "Morinus");
  Key(Qt::Key_Z, Qt::AltModifier);
  ASSERT_EQ(Focus(), zodiac);
  Key(Qt::Key_Up);
  EXPECT_EQ(zodiac->currentText(), "Tropical");

  form_->NewNatalClick();
  ASSERT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Record(1).houseSystemLetter(), 'E');
  EXPECT_EQ(Record(1).zodiacLetter(), 'T');
  // The new chart starts from the defaults again.
  EXPECT_EQ(houses->currentText(), "Koch");
  EXPECT_EQ(zodiac->currentText(), "Sidereal, Fagan-Bradley");

  form_->SetFields(Person("Bo Ek"));
  houses->setCurrentIndex(8);  // Topocentric
  form_->EntryListClick(0);
  ASSERT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(Record(2).houseSystemLetter(), 'I');
  EXPECT_EQ(Record(2).zodiacLetter(), 'T');  // Person() leaves the zodiac tropical
  EXPECT_EQ(houses->currentText(), "Morinus");
  EXPECT_EQ(zodiac->currentText(), "Tropical");
  form_->EntryListClick(1);
  EXPECT_EQ(houses->currentText(), "Topocentric");
  form_->FormDeactivate();
}

// The later house systems and ayanamsas are chosen with the keys like the
// first ones and stay in their entries, however often they are shown again;
// a user-defined ayanamsa takes its value and epoch in two boxes shown
// with it, and keeps them exactly.
TEST_F(ChartSettingsForm, LaterSystemsAndAyanamsasSurviveTheForm) {
  Start();
  QComboBox* houses = form_->HouseSystemBox();
  QComboBox* zodiac = form_->ZodiacBox();
  form_->SetFields(Person("Ann Lee"));
  Key(Qt::Key_H, Qt::AltModifier);
  ASSERT_EQ(Focus(), houses);
  Key(Qt::Key_Home);
  for (int i = 0; i < 9; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(houses->currentText(), "Whole Sign");
  Key(Qt::Key_Z, Qt::AltModifier);
  ASSERT_EQ(Focus(), zodiac);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(zodiac->currentText(), "Sidereal, Lahiri (Chitrapaksha)");
  form_->NewNatalClick();
  ASSERT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Record(1).houseSystemLetter(), 'J');
  EXPECT_EQ(Record(1).zodiacLetter(), 'L');

  EXPECT_FALSE(form_->UserAyanamsaBox()->isVisibleTo(form_.get()));
  BirthDataFields user = Person("Bo Ek");
  user.houseSystem = 'R';
  form_->SetFields(user);
  Key(Qt::Key_Z, Qt::AltModifier);
  Key(Qt::Key_End);
  EXPECT_EQ(zodiac->currentText(), "Sidereal, User-defined");
  ASSERT_TRUE(form_->UserAyanamsaBox()->isVisibleTo(form_.get()));
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), form_->UserAyanamsaBox());
  Key(Qt::Key_A, Qt::ControlModifier);
  Type("22.75");
  Key(Qt::Key_Tab);
  ASSERT_EQ(Focus(), form_->UserEpochBox());
  Key(Qt::Key_A, Qt::ControlModifier);
  Type("1950");
  form_->EntryListClick(0);
  ASSERT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(houses->currentText(), "Whole Sign");
  EXPECT_FALSE(form_->UserAyanamsaBox()->isVisibleTo(form_.get()));
  const std::string before = SessionBytes();
  EXPECT_EQ(Record(2).houseSystemLetter(), 'R');
  EXPECT_EQ(Record(2).zodiacLetter(), 'U');
  EXPECT_DOUBLE_EQ(UserAyanamsaOf(Record(2)).degrees, 22.75);
  EXPECT_DOUBLE_EQ(UserAyanamsaOf(Record(2)).epochJd, 2415020.0 + 50 * 365.25);

  // Showing each entry and leaving it again changes neither.
  form_->EntryListClick(1);
  EXPECT_EQ(zodiac->currentText(), "Sidereal, User-defined");
  EXPECT_DOUBLE_EQ(form_->UserEpochBox()->value(), 1950.0);
  form_->EntryListClick(0);
  EXPECT_EQ(SessionBytes(), before);
  form_->FormDeactivate();
}

// A control record without the setting (or with a foreign byte) gives new
// charts Placidus.
TEST_F(ChartSettingsForm, AnUnknownDefaultIsPlacidus) {
  Control().SetLetter(control_offset::defaultHouseSystemLetter, 'W');
  Start();
  EXPECT_EQ(form_->HouseSystemBox()->currentText(), "Placidus");
  EXPECT_EQ(form_->WorkingEntry().houseSystemLetter(), 'F');
  form_->FormDeactivate();
}

}  // namespace
}  // namespace vostrane::test
