// SPDX-License-Identifier: GPL-3.0-or-later
// The typed fields of the birth data form driven with real keys: what is
// typed is what is kept, a value that cannot exist keeps the focus with a
// hint, names and places take Windows-1252, and the focus after a place.
#include <QLabel>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "FormFixture.h"

namespace vostrane::test {
namespace {

class TypedFields : public FormFixture {
 protected:
  void Into(FormField* field) {
    field->setFocus();
    ASSERT_EQ(Focus(), field);
    Key(Qt::Key_Home);
  }
  std::string Hint() const { return FromQt(form_->HintLine()->text()); }
  // Lets the focus come back to a field that refused to be left.
  static void Settle() { QApplication::processEvents(); }
  // Types any text, characters beyond ASCII included (a character beyond
  // the Basic Multilingual Plane as one key).
  static void TypeText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
      const QString key = text.mid(i, n);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
      QApplication::sendEvent(Focus(), &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
      QApplication::sendEvent(Focus(), &release);
      i += n - 1;
    }
  }
};

TEST_F(TypedFields, TimesAreKeptAsTyped) {
  Start();
  for (const char* typed : {"7:05 PM", "7:05p", "0705P", "19:05"}) {
    Into(form_->TimeField());
    Type("12:00 AM");  // a different start for each
    Key(Qt::Key_Home);
    Type(typed);
    Key(Qt::Key_Return);
    EXPECT_EQ(Focus(), form_->PlaceField()) << typed;
    EXPECT_EQ(Stored(form_->TimeField()), "070500P") << typed;
    EXPECT_EQ(Shown(form_->TimeField()), "07:05:00 PM") << typed;
  }
  Into(form_->TimeField());
  Type("12:30 AM");
  Key(Qt::Key_Return);
  EXPECT_EQ(Stored(form_->TimeField()), "123000A");
  // "7" alone in the hour is 07, and the caret goes on to the minutes.
  Into(form_->TimeField());
  Type("7");
  EXPECT_EQ(Shown(form_->TimeField()), "07:30:00 AM");
  EXPECT_EQ(form_->TimeField()->StoredCaret(), 2);
}

TEST_F(TypedFields, ImpossibleDateKeepsTheFocusAndChangesNothing) {
  Start();
  Type("Ann");
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->DateField());
  Type("02/30/1990");
  EXPECT_EQ(Shown(form_->DateField()), "02/30/1990");
  EXPECT_EQ(Hint(), "Day 30 is not possible: February 1990 has 28 days.");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->DateField());

  // Neither the mouse nor "Done" can leave it; the entry keeps its date.
  form_->TimeField()->setFocus();
  Settle();
  EXPECT_EQ(Focus(), form_->DateField());
  EXPECT_EQ(Hint(), "Day 30 is not possible: February 1990 has 28 days.");
  form_->DoneButton()->click();
  Settle();
  EXPECT_TRUE(form_->IsActive());
  EXPECT_EQ(Focus(), form_->DateField());
  // Nothing written but the header and the terminator that follows it.
  EXPECT_EQ(SessionBytes().size(), 2 * kEntrySize);
  EXPECT_FALSE(Record(1).used());
  EXPECT_TRUE(messages_->Shown().empty());

  // Put right, the date is taken and the hint goes.
  Key(Qt::Key_Home);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  Type("28");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->TimeField());
  EXPECT_EQ(Stored(form_->DateField()), "02281990");
  EXPECT_EQ(Hint(), "");
  EXPECT_EQ(form_->DateWordsLabel()->text(), "February 28, 1990");
}

TEST_F(TypedFields, HourAndMonthThatCannotExistAreRefused) {
  Start();
  Into(form_->TimeField());
  Type("25");
  EXPECT_EQ(Shown(form_->TimeField()), "25:36:00 PM");
  Key(Qt::Key_Down);
  EXPECT_EQ(Focus(), form_->TimeField());
  EXPECT_EQ(Hint(), "Hour 25 is not possible: type 1 to 12 with AM or PM, or 0 to 23.");
  Key(Qt::Key_Home);
  Type("11");
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->DateField());
  Key(Qt::Key_Home);
  Type("13");
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->DateField());
  EXPECT_EQ(Hint(), "Month 13 is not possible: months run from 1 to 12.");
}

TEST_F(TypedFields, LatitudeAndLongitudeBeyondTheirRangeAreRefused) {
  Start();
  Into(form_->LatitudeField());
  Type("95");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->LatitudeField());
  EXPECT_EQ(Stored(form_->LatitudeField()), "95N0000");
  EXPECT_EQ(Hint(), "Latitude 95\xB0 is not possible: latitudes run from 0\xB0 to 90\xB0.");
  Key(Qt::Key_Home);
  Type("40s4246");
  Key(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->LongitudeField());
  EXPECT_EQ(Stored(form_->LatitudeField()), "40S4246");
  Type("195");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->LongitudeField());
  EXPECT_EQ(Stored(form_->LongitudeField()), "195W0000");  // not turned into 179
  Key(Qt::Key_Home);
  Type("74w0");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->ZoneHoursField());
  EXPECT_EQ(Stored(form_->LongitudeField()), "074W0000");
}

TEST_F(TypedFields, ZoneHoursBeyondThirteenAreRefused) {
  Start();
  Into(form_->ZoneHoursField());
  Type("14");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->ZoneHoursField());
  EXPECT_EQ(Hint(), "Zone 14 hours is not possible: zones run from 0 to 13 hours.");
  Key(Qt::Key_Home);
  Type("5");  // a digit that cannot begin the hours is the hour
  EXPECT_EQ(Stored(form_->ZoneHoursField()), "05");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->ZoneMinutesField());
}

TEST_F(TypedFields, RightMovesTheCaretInEveryTypedField) {
  Start();
  for (FormField* field :
       {form_->DateField(), form_->TimeField(), form_->LatitudeField(), form_->LongitudeField(),
        form_->ZoneHoursField(), form_->ZoneMinutesField()}) {
    Into(field);
    EXPECT_EQ(field->StoredCaret(), 0) << field->objectName().toStdString();
    Key(Qt::Key_Right);
    EXPECT_EQ(field->StoredCaret(), 1) << field->objectName().toStdString();
    EXPECT_EQ(field->selectedText().size(), 1) << field->objectName().toStdString();
  }
  // In the latitude the caret goes over the letter and the literals.
  Into(form_->LatitudeField());
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Right);
  Type("3");
  EXPECT_EQ(Stored(form_->LatitudeField()), "00N3 00");
}

TEST_F(TypedFields, NamesAndPlacesTakeWindows1252AndRefuseTheRest) {
  Start();
  TypeText(QString::fromUtf8("Jos\u00E9 M\u00FCller"));
  EXPECT_EQ(Stored(form_->NameField()), "Jos\xE9 M\xFCller");
  TypeText(QString::fromUtf8("\u0142"));  // l with stroke: not in Windows-1252
  EXPECT_EQ(Stored(form_->NameField()), "Jos\xE9 M\xFCller");
  EXPECT_TRUE(
      form_->HintLine()->text().contains(QString::fromUtf8("\u201C\u0142\u201D cannot be stored")));
  TypeText(QString::fromUtf8("\U0001F600"));
  EXPECT_EQ(Stored(form_->NameField()), "Jos\xE9 M\xFCller");
  EXPECT_TRUE(form_->HintLine()->text().contains(QString::fromUtf8("\U0001F600")));

  form_->PlaceField()->setFocus();
  TypeText(QString::fromUtf8("\u00D8rsted \u0153\u017E\u0161"));
  EXPECT_EQ(Stored(form_->PlaceField()), "\xD8rsted \x9C\x9E\x9A");
  form_->NewNatalClick();
  ASSERT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Record(1).name(), "Jos\xE9 M\xFCller");
  EXPECT_EQ(Record(1).place(), "\xD8rsted \x9C\x9E\x9A");
  EXPECT_EQ(form_->EntryList()->item(0)->text(), QString::fromUtf8("1: Jos\u00E9 M\u00FCller  Natal"));
}

TEST_F(TypedFields, AltNActsAtOnceAndTheNextNameIsKept) {
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  Key(Qt::Key_N, Qt::AltModifier);
  // No moment of a pressed button, no question: the next keys are the name.
  ASSERT_EQ(form_->CurrentEntry(), 2);
  EXPECT_EQ(Focus(), form_->NameField());
  Type("Bob");
  EXPECT_EQ(Stored(form_->NameField()), "Bob");
  EXPECT_EQ(Record(1).place(), "Rome");
  EXPECT_TRUE(messages_->Shown().empty());
}

class ChosenPlace : public NoPlaceLookup {
 public:
  PlaceChoice choice{'G', "Rome, Italy"};
  FocusAfterRead after = FocusAfterRead::Name;
  std::optional<PlaceChoice> ChoosePlace(const std::string&) override { return choice; }
  bool IsAtlasPlace(const std::string& text) override { return text == "Rome, Italy"; }
  FocusAfterRead ReadPlace(BirthDataFields& f, int) override {
    f.latitude = "41N5400";
    f.longitude = "012E2900";
    return after;
  }
};

TEST_F(TypedFields, AfterAPlaceTheFocusGoesOn) {
  ChosenPlace atlas;
  form_->SetPlaceLookup(&atlas);
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("R");  // a place with its zone: the field after the place
  EXPECT_EQ(Focus(), form_->LatitudeField());
  EXPECT_EQ(form_->ReadingMode(), 'X');
  for (QPushButton* b :
       {form_->DoneButton(), form_->NewNatalButton(), form_->DeleteButton(), form_->PlaceButton()})
    EXPECT_TRUE(b->isVisible());

  atlas.after = FocusAfterRead::ZoneHours;  // no daylight table: the zone is typed
  form_->PlaceButton()->click();
  EXPECT_EQ(Focus(), form_->ZoneHoursField());

  atlas.choice = {'O', "Nowhere Town"};  // "Place Not on File"
  form_->PlaceButton()->click();
  EXPECT_EQ(Stored(form_->PlaceField()), "Nowhere Town");
  EXPECT_EQ(Focus(), form_->LatitudeField());
}

TEST_F(TypedFields, EnterInAFilledPlaceMovesOn) {
  Start();
  form_->PlaceField()->setFocus();
  Key(Qt::Key_Return);  // nothing typed: nothing to move on from
  EXPECT_EQ(Focus(), form_->PlaceField());
  Type("Rome");
  Key(Qt::Key_Return);
  EXPECT_EQ(Focus(), form_->LatitudeField());
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->PlaceField());
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->TimeField());
}

}  // namespace
}  // namespace vostrane::test

namespace vostrane::test {
namespace {

// A key as the keyboard sends it: the release goes to whatever has the
// focus once the press was handled.
void KeyAsTyped(Qt::Key key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(Focus(), &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(Focus(), &release);
}

TEST_F(TypedFields, EnterWalksTheZoneFieldsAndTheLettersTypedThereAreTaken) {
  Start();
  form_->ZoneHoursField()->setFocus();
  KeyAsTyped(Qt::Key_1, "1");
  KeyAsTyped(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->ZoneMinutesField());
  KeyAsTyped(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->EastWestField());
  form_->EastWestField()->setCursorPosition(1);  // wherever the caret is, the letter is replaced
  KeyAsTyped(Qt::Key_E, "e");
  EXPECT_EQ(Stored(form_->EastWestField()), "E");
  EXPECT_EQ(FromQt(form_->EastWestWordLabel()->text()), "ast");
  KeyAsTyped(Qt::Key_X, "x");  // not a letter of the field
  EXPECT_EQ(Stored(form_->EastWestField()), "E");
  KeyAsTyped(Qt::Key_Return);
  ASSERT_EQ(Focus(), form_->DaylightField());
  KeyAsTyped(Qt::Key_Y, "y");
  EXPECT_EQ(Stored(form_->DaylightField()), "Y");
  EXPECT_EQ(FromQt(form_->DaylightWordLabel()->text()), "(Yes)");
  KeyAsTyped(Qt::Key_Up);
  EXPECT_EQ(Focus(), form_->EastWestField());
  EXPECT_EQ(Stored(form_->ZoneHoursField()) + Stored(form_->ZoneMinutesField()), "0100");
}

TEST_F(TypedFields, TheWordsBesideTheFieldsAndTheListFollowWhatTheyHold) {
  ChosenPlace atlas;
  atlas.choice = {'O', "Nowhere Town"};
  form_->SetPlaceLookup(&atlas);
  Start();
  EXPECT_EQ(FromQt(form_->EntryList()->item(0)->text()), "1: (name not typed yet)  Natal");
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("N");  // "Place Not on File": the list line keeps the name typed
  EXPECT_EQ(FromQt(form_->EntryList()->item(0)->text()), "1: Ann  Natal");
  form_->DateField()->SetStoredText("07041990");
  EXPECT_EQ(FromQt(form_->DateWordsLabel()->text()), "July 4, 1990");
  form_->DaylightField()->SetStoredText("W");
  EXPECT_EQ(FromQt(form_->DaylightWordLabel()->text()), "(War Time)");
}

TEST_F(TypedFields, CancellingThePlaceDialogPutsThePlaceBackAsItWas) {
  ChosenPlace atlas;
  form_->SetPlaceLookup(&atlas);
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  atlas.choice = {'C', "N"};  // the letter that opened the dialog, then Cancel
  Type("N");
  EXPECT_EQ(Stored(form_->PlaceField()), "");
  EXPECT_EQ(Stored(form_->LatitudeField()), "00N0000");

  atlas.choice = {'G', "Rome, Italy"};
  form_->PlaceField()->setFocus();
  Type("R");
  ASSERT_EQ(Stored(form_->LatitudeField()), "41N5400");
  form_->PlaceField()->setFocus();
  form_->PlaceField()->selectAll();
  atlas.choice = {'C', "X"};
  Type("X");
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome, Italy");
  EXPECT_EQ(Stored(form_->LatitudeField()) + Stored(form_->LongitudeField()), "41N5400012E2900");
}

}  // namespace
}  // namespace vostrane::test
