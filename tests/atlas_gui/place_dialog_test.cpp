// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "atlas/PlaceList.h"
#include "atlas/PlaceReading.h"
#include "atlas/gui/AtlasPlaceLookup.h"
#include "atlas/gui/PlaceEdit.h"
#include "atlas/gui/PlaceDialog.h"
#include "platform/ScriptedMessageService.h"
#include "platform/gui/QtMessageService.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

// The atlas of the list tests: "Alpha, XX", "Place 00, XX" .. "Place 39,
// XX" (every fifth starred), two "Twin, XX" and "Zulu, XX".
class PlaceDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<test::PlaceSpec> places = {{"Alpha, XX", 1}};
    for (int i = 0; i < 40; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "Place %02d, XX", i);
      places.push_back({name, i % 5 == 0 ? -12 : 12});
    }
    places.push_back({"Twin, XX", 1});
    places.push_back({"Twin, XX", 2});
    places.push_back({"Zulu, XX", 1});
    folder_.WritePlaces(places);
  }

  std::unique_ptr<PlaceDialog> Open(const std::string& placeText) {
    auto dialog = std::make_unique<PlaceDialog>(nullptr, PlacesTable(), placeText);
    dialog->open();
    QApplication::setActiveWindow(dialog.get());
    dialog->PlaceField()->setFocus();
    return dialog;
  }

  static std::string Row(const PlaceDialog& d, int row) {
    return FromQt(d.CityList()->item(row)->text());
  }
  static std::string Text(const PlaceDialog& d) { return FromQt(d.PlaceField()->text()); }
  static void Type(PlaceDialog& d, const char* text) { QTest::keyClicks(d.PlaceField(), text); }
  static void Key(PlaceDialog& d, Qt::Key key) { QTest::keyClick(d.PlaceField(), key); }

  test::AtlasFolder folder_;
  ScopedScriptedMessages messages_;
};

TEST_F(PlaceDialogTest, RefusesCharactersWithoutAWindows1252CodeAndSaysWhy) {
  auto d = Open("");
  EXPECT_FALSE(d->RefusedLabel()->isVisible());
  auto send = [&](const char* utf8) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(utf8));
    QApplication::sendEvent(d->PlaceField(), &press);
  };
  Type(*d, "Krak");
  send("\u00F3");
  Type(*d, "w");
  send("\u0141");
  EXPECT_EQ(Text(*d), "Krak\xF3w");  // the o with acute is taken, the L with stroke refused
  EXPECT_TRUE(d->RefusedLabel()->isVisible());
  EXPECT_TRUE(d->RefusedLabel()->text().contains(QString::fromUtf8("\u0141")));
  Type(*d, "x");
  EXPECT_FALSE(d->RefusedLabel()->isVisible());
}

TEST_F(PlaceDialogTest, OpensWithTheListFromAAndAnEmptyField) {
  auto d = Open("");
  EXPECT_EQ(d->windowTitle(), "Enter Place");
  EXPECT_EQ(Text(*d), "");
  EXPECT_EQ(d->CityList()->count(), 16);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Alpha, XX");
  EXPECT_EQ(RowPlaceName(Row(*d, 1)), "Place 00, XX");
  EXPECT_TRUE(d->NotFoundLabel()->isHidden());
  EXPECT_TRUE(d->InsertMode());
}

TEST_F(PlaceDialogTest, TypingListsTheMatchingPlacesAtOnce) {
  auto d = Open("");
  Type(*d, "place 1");
  EXPECT_EQ(Text(*d), "place 1");
  EXPECT_EQ(Row(*d, 0).substr(0, 3), "=>*");
  EXPECT_EQ(Row(*d, 0).substr(Row(*d, 0).size() - 3), " <=");
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 10, XX");
  EXPECT_EQ(RowPlaceName(Row(*d, 15)), "Place 25, XX");
  EXPECT_EQ(Row(*d, 5).substr(0, 3), "  *");
  EXPECT_EQ(Row(*d, 6).substr(0, 3), "   ");
}

TEST_F(PlaceDialogTest, PageKeysMoveTwelvePlacesAndArrowsOne) {
  auto d = Open("Place 0");
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 00, XX");
  Key(*d, Qt::Key_PageDown);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 12, XX");
  EXPECT_EQ(Text(*d), "Place 12, XX");
  EXPECT_EQ(d->PlaceField()->cursorPosition(), 0);
  Key(*d, Qt::Key_Down);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 13, XX");
  Key(*d, Qt::Key_Up);
  Key(*d, Qt::Key_Up);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 11, XX");
  Key(*d, Qt::Key_PageUp);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Alpha, XX");  // stays on the first place

  for (int i = 0; i < 5; ++i) Key(*d, Qt::Key_PageDown);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Zulu, XX");  // the end of the atlas
  EXPECT_EQ(Row(*d, 1), " ");
}

TEST_F(PlaceDialogTest, AHeldArrowImageScrollsUntilTheButtonIsReleased) {
  auto d = Open("Place 0");
  // The release is already waiting when the button goes down: the loop
  // makes one step, lets the release in and stops.
  const QPointF at(5, 5);
  QCoreApplication::postEvent(
      d->ArrowDown(), new QMouseEvent(QEvent::MouseButtonRelease, at, d->ArrowDown()->mapToGlobal(at),
                                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  QTest::mousePress(d->ArrowDown(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(d->ArrowDown()->Held());
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 01, XX");
}

TEST_F(PlaceDialogTest, ATextNoPlaceBeginsWithShowsTheNoteAndDoesNotScroll) {
  auto d = Open("");
  Type(*d, "Plaza");
  EXPECT_EQ(Row(*d, 0), MessageText(13093));
  EXPECT_EQ(Row(*d, 1), " ");
  EXPECT_FALSE(d->NotFoundLabel()->isHidden());
  Key(*d, Qt::Key_PageDown);
  EXPECT_EQ(Row(*d, 0), MessageText(13093));
  EXPECT_EQ(Text(*d), "Plaza");
  // Enter and clicks do nothing; the dialog stays open.
  Key(*d, Qt::Key_Return);
  QTest::mouseClick(d->CityList()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    d->CityList()->visualItemRect(d->CityList()->item(0)).center());
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(messages_->Shown().empty());
  Key(*d, Qt::Key_Backspace);  // "Plaz" still begins no name
  EXPECT_FALSE(d->NotFoundLabel()->isHidden());
  Key(*d, Qt::Key_Backspace);
  EXPECT_TRUE(d->NotFoundLabel()->isHidden());
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 00, XX");
}

TEST_F(PlaceDialogTest, EnterTakesAnExactNameWithoutAQuestion) {
  auto d = Open("");
  Type(*d, "twin, xx");
  Key(*d, Qt::Key_Return);
  EXPECT_TRUE(messages_->Shown().empty());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->result(), PlaceDialog::kYesResult);
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(Text(*d), "Twin, XX");
}

TEST_F(PlaceDialogTest, EnterOnAPartialNameTakesTheFirstRowAsAClickWould) {
  auto d = Open("");
  Type(*d, "place 3");
  Key(*d, Qt::Key_Enter);
  EXPECT_TRUE(messages_->Shown().empty());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(Text(*d), "Place 30, XX");
}

TEST_F(PlaceDialogTest, ClickingAPlaceChoosesIt) {
  auto d = Open("Place 2");
  QListWidget* list = d->CityList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(3)).center());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(Text(*d), "Place 23, XX");
}

TEST_F(PlaceDialogTest, PlaceNotOnFileKeepsTheTypedTextAndAnExactNameIsStillAnAtlasPlace) {
  auto d = Open("Old place");
  d->PlaceField()->clear();
  Type(*d, "twin, xx  ");
  QTest::mouseClick(d->OkButton(), Qt::LeftButton);
  EXPECT_EQ(d->Outcome(), 'O');
  EXPECT_EQ(d->result(), PlaceDialog::kOkResult);
  EXPECT_EQ(Text(*d), "twin, xx");
  // The form then reads the place, since the text is exactly an atlas name.
  AtlasPlaceLookup atlas;
  EXPECT_TRUE(atlas.IsAtlasPlace(Text(*d)));
  EXPECT_FALSE(atlas.IsAtlasPlace("twin"));

  auto empty = Open("Old place");
  empty->PlaceField()->clear();
  QTest::mouseClick(empty->OkButton(), Qt::LeftButton);
  EXPECT_EQ(Text(*empty), "Old place");
}

TEST_F(PlaceDialogTest, GetFirstPlaceTakesTheFirstRowOrKeepsAnUnknownText) {
  auto d = Open("place 39");
  QTest::mouseClick(d->FirstPlaceButton(), Qt::LeftButton);
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(d->result(), PlaceDialog::kYesResult);
  EXPECT_EQ(Text(*d), "Place 39, XX");
  auto unknown = Open("Plaza");
  QTest::mouseClick(unknown->FirstPlaceButton(), Qt::LeftButton);
  EXPECT_EQ(unknown->Outcome(), 'G');
  EXPECT_EQ(Text(*unknown), "Plaza");
}

TEST_F(PlaceDialogTest, AChosenRowIsReadByItsRecordNotByItsName) {
  auto d = Open("Twin");
  QListWidget* list = d->CityList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(Text(*d), "Twin, XX");
  ASSERT_EQ(d->ChosenRecord(), 43u);  // the second of the two
  AtlasFields f;
  f.place = Text(*d);
  ReadPlaceIntoFields(f, 2, PlacesTable(), d->ChosenRecord());
  EXPECT_EQ(f.dstTable, "2");
  ReadPlaceIntoFields(f, 2, PlacesTable());  // by name: the first
  EXPECT_EQ(f.dstTable, "1");
}

TEST_F(PlaceDialogTest, TheHintOffersOnlyWhatTheDialogDoesAndTheMarksAreExplained) {
  auto d = Open("Qqq");
  EXPECT_TRUE(d->NotFoundLabel()->isVisibleTo(d.get()));
  const std::string hint = FromQt(d->NotFoundLabel()->text());
  EXPECT_EQ(hint.find("country first"), std::string::npos);
  EXPECT_NE(hint.find("Type the city only"), std::string::npos);
  const QLabel* marks = d->findChild<QLabel*>("MarksLabel");
  ASSERT_NE(marks, nullptr);
  EXPECT_EQ(FromQt(marks->text()).rfind("* before a place", 0), 0u);
}

TEST(PlaceDialogOtherNames, ShowWhereTheyLeadAndChooseThatPlace) {
  test::AtlasFolder folder;
  test::PlaceSpec kolkata{"Kolkata, India", 5, "IND", "22N3345", "088E2147"};
  test::PlaceSpec calcutta = kolkata;
  calcutta.name = "Calcutta";
  calcutta.seeRecord = 1;
  test::PlaceSpec ohio{"Calcutta, OH", 7, "OHI", "40N4024", "080W3435", 1};
  folder.WritePlaces({kolkata, calcutta, ohio});
  ScopedScriptedMessages messages;
  PlaceDialog d(nullptr, PlacesTable(), "");
  d.open();
  QTest::keyClicks(d.PlaceField(), "calcutta");
  EXPECT_EQ(FromQt(d.CityList()->item(0)->text()).substr(0, 28), "=> Calcutta = Kolkata, India");
  EXPECT_EQ(RowPlaceName(FromQt(d.CityList()->item(1)->text())), "Calcutta, OH");
  QTest::keyClick(d.PlaceField(), Qt::Key_Enter);  // "Calcutta" is an atlas name: no question
  EXPECT_TRUE(messages->Shown().empty());
  EXPECT_EQ(d.Outcome(), 'G');
  EXPECT_EQ(FromQt(d.PlaceField()->text()), "Kolkata, India");
  EXPECT_EQ(d.ChosenRecord(), 1u);
}

TEST_F(PlaceDialogTest, EscapeAndCancelGiveBackTheFormsText) {
  auto d = Open("Place 1");
  Type(*d, "5");
  Key(*d, Qt::Key_Escape);
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->Outcome(), 'C');
  EXPECT_EQ(Text(*d), "Place 1");
  auto c = Open("Place 1");
  Type(*c, "7");
  QTest::mouseClick(c->CancelButton(), Qt::LeftButton);
  EXPECT_EQ(c->Outcome(), 'C');
  EXPECT_EQ(Text(*c), "Place 1");
}

TEST_F(PlaceDialogTest, InsertSwitchesToOverwriteTyping) {
  auto d = Open("Place 15");
  Key(*d, Qt::Key_Home);
  Key(*d, Qt::Key_Insert);
  EXPECT_FALSE(d->InsertMode());
  Type(*d, "Z");
  EXPECT_EQ(Text(*d), "Zlace 15");
  EXPECT_EQ(d->PlaceField()->cursorPosition(), 1);
  EXPECT_EQ(Row(*d, 0), MessageText(13093));
  Key(*d, Qt::Key_Insert);
  Type(*d, "u");
  EXPECT_EQ(Text(*d), "Zulace 15");
}

TEST_F(PlaceDialogTest, ThePlaceLabelLinesUpWithTheFormsPlaceButton) {
  QWidget form;
  form.resize(600, 400);
  auto* button = new QPushButton("&Place:", &form);
  button->setObjectName("PlaceButton");
  button->setGeometry(40, 120, 70, 24);
  form.move(100, 80);
  form.show();
  PlaceDialog d(&form, PlacesTable(), "");
  d.PlaceBeside(&form, button);
  const QPoint label = d.PlaceLabel()->mapTo(&d, QPoint(0, 0));
  const QRect frame = form.frameGeometry();
  EXPECT_EQ(d.pos().x() + label.x() + d.PlaceLabel()->width(), frame.left() + 40 + 70 + 2);
  EXPECT_EQ(d.pos().y() + label.y(), frame.top() + frame.height() - form.height() + 120 + 5);
}

}  // namespace
}  // namespace vostrane
