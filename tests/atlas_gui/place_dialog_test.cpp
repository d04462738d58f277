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
#include "atlas/gui/TBdatPlacForm.h"
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

  std::unique_ptr<TBdatPlacForm> Open(const std::string& placeText) {
    auto dialog = std::make_unique<TBdatPlacForm>(nullptr, PlacesTable(), placeText);
    dialog->open();
    QApplication::setActiveWindow(dialog.get());
    dialog->EditPlace()->setFocus();
    return dialog;
  }

  static std::string Row(const TBdatPlacForm& d, int row) {
    return FromQt(d.LbCities()->item(row)->text());
  }
  static std::string Text(const TBdatPlacForm& d) { return FromQt(d.EditPlace()->text()); }
  static void Type(TBdatPlacForm& d, const char* text) { QTest::keyClicks(d.EditPlace(), text); }
  static void Key(TBdatPlacForm& d, Qt::Key key) { QTest::keyClick(d.EditPlace(), key); }

  test::AtlasFolder folder_;
  ScopedScriptedMessages messages_;
};

TEST_F(PlaceDialogTest, RefusesCharactersWithoutAWindows1252CodeAndSaysWhy) {
  auto d = Open("");
  EXPECT_FALSE(d->LabRefused()->isVisible());
  auto send = [&](const char* utf8) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(utf8));
    QApplication::sendEvent(d->EditPlace(), &press);
  };
  Type(*d, "Krak");
  send("\u00F3");
  Type(*d, "w");
  send("\u0141");
  EXPECT_EQ(Text(*d), "Krak\xF3w");  // the o with acute is taken, the L with stroke refused
  EXPECT_TRUE(d->LabRefused()->isVisible());
  EXPECT_TRUE(d->LabRefused()->text().contains(QString::fromUtf8("\u0141")));
  Type(*d, "x");
  EXPECT_FALSE(d->LabRefused()->isVisible());
}

TEST_F(PlaceDialogTest, OpensWithTheListFromAAndAnEmptyField) {
  auto d = Open("");
  EXPECT_EQ(d->windowTitle(), "Enter Place");
  EXPECT_EQ(Text(*d), "");
  EXPECT_EQ(d->LbCities()->count(), 16);
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Alpha, XX");
  EXPECT_EQ(RowPlaceName(Row(*d, 1)), "Place 00, XX");
  EXPECT_TRUE(d->LabNotFound()->isHidden());
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
  EXPECT_EQ(d->EditPlace()->cursorPosition(), 0);
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
  EXPECT_FALSE(d->LabNotFound()->isHidden());
  Key(*d, Qt::Key_PageDown);
  EXPECT_EQ(Row(*d, 0), MessageText(13093));
  EXPECT_EQ(Text(*d), "Plaza");
  // Enter and clicks do nothing; the dialog stays open.
  Key(*d, Qt::Key_Return);
  QTest::mouseClick(d->LbCities()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    d->LbCities()->visualItemRect(d->LbCities()->item(0)).center());
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(messages_->Shown().empty());
  Key(*d, Qt::Key_Backspace);  // "Plaz" still begins no name
  EXPECT_FALSE(d->LabNotFound()->isHidden());
  Key(*d, Qt::Key_Backspace);
  EXPECT_TRUE(d->LabNotFound()->isHidden());
  EXPECT_EQ(RowPlaceName(Row(*d, 0)), "Place 00, XX");
}

TEST_F(PlaceDialogTest, EnterTakesAnExactNameWithoutAQuestion) {
  auto d = Open("");
  Type(*d, "twin, xx");
  Key(*d, Qt::Key_Return);
  EXPECT_TRUE(messages_->Shown().empty());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->result(), TBdatPlacForm::kYesResult);
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
  QListWidget* list = d->LbCities();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualItemRect(list->item(3)).center());
  EXPECT_FALSE(d->isVisible());
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(Text(*d), "Place 23, XX");
}

TEST_F(PlaceDialogTest, PlaceNotOnFileKeepsTheTypedTextAndAnExactNameIsStillAnAtlasPlace) {
  auto d = Open("Old place");
  d->EditPlace()->clear();
  Type(*d, "twin, xx  ");
  QTest::mouseClick(d->BtnOK(), Qt::LeftButton);
  EXPECT_EQ(d->Outcome(), 'O');
  EXPECT_EQ(d->result(), TBdatPlacForm::kOkResult);
  EXPECT_EQ(Text(*d), "twin, xx");
  // The form then reads the place, since the text is exactly an atlas name.
  AtlasPlaceLookup atlas;
  EXPECT_TRUE(atlas.IsAtlasPlace(Text(*d)));
  EXPECT_FALSE(atlas.IsAtlasPlace("twin"));

  auto empty = Open("Old place");
  empty->EditPlace()->clear();
  QTest::mouseClick(empty->BtnOK(), Qt::LeftButton);
  EXPECT_EQ(Text(*empty), "Old place");
}

TEST_F(PlaceDialogTest, GetFirstPlaceTakesTheFirstRowOrKeepsAnUnknownText) {
  auto d = Open("place 39");
  QTest::mouseClick(d->BtnGetFirstPlac(), Qt::LeftButton);
  EXPECT_EQ(d->Outcome(), 'G');
  EXPECT_EQ(d->result(), TBdatPlacForm::kYesResult);
  EXPECT_EQ(Text(*d), "Place 39, XX");
  auto unknown = Open("Plaza");
  QTest::mouseClick(unknown->BtnGetFirstPlac(), Qt::LeftButton);
  EXPECT_EQ(unknown->Outcome(), 'G');
  EXPECT_EQ(Text(*unknown), "Plaza");
}

TEST_F(PlaceDialogTest, AChosenRowIsReadByItsRecordNotByItsName) {
  auto d = Open("Twin");
  QListWidget* list = d->LbCities();
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
  EXPECT_TRUE(d->LabNotFound()->isVisibleTo(d.get()));
  const std::string hint = FromQt(d->LabNotFound()->text());
  EXPECT_EQ(hint.find("country first"), std::string::npos);
  EXPECT_NE(hint.find("Type the city only"), std::string::npos);
  const QLabel* marks = d->findChild<QLabel*>("labMarks");
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
  TBdatPlacForm d(nullptr, PlacesTable(), "");
  d.open();
  QTest::keyClicks(d.EditPlace(), "calcutta");
  EXPECT_EQ(FromQt(d.LbCities()->item(0)->text()).substr(0, 28), "=> Calcutta = Kolkata, India");
  EXPECT_EQ(RowPlaceName(FromQt(d.LbCities()->item(1)->text())), "Calcutta, OH");
  QTest::keyClick(d.EditPlace(), Qt::Key_Enter);  // "Calcutta" is an atlas name: no question
  EXPECT_TRUE(messages->Shown().empty());
  EXPECT_EQ(d.Outcome(), 'G');
  EXPECT_EQ(FromQt(d.EditPlace()->text()), "Kolkata, India");
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
  QTest::mouseClick(c->BtnCancel(), Qt::LeftButton);
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
  EXPECT_EQ(d->EditPlace()->cursorPosition(), 1);
  EXPECT_EQ(Row(*d, 0), MessageText(13093));
  Key(*d, Qt::Key_Insert);
  Type(*d, "u");
  EXPECT_EQ(Text(*d), "Zulace 15");
}

TEST_F(PlaceDialogTest, ThePlaceLabelLinesUpWithTheFormsPlaceButton) {
  QWidget form;
  form.resize(600, 400);
  auto* button = new QPushButton("&Place:", &form);
  button->setObjectName("btnPlace");
  button->setGeometry(40, 120, 70, 24);
  form.move(100, 80);
  form.show();
  TBdatPlacForm d(&form, PlacesTable(), "");
  d.PlaceBeside(&form, button);
  const QPoint label = d.PlaceLabel()->mapTo(&d, QPoint(0, 0));
  const QRect frame = form.frameGeometry();
  EXPECT_EQ(d.pos().x() + label.x() + d.PlaceLabel()->width(), frame.left() + 40 + 70 + 2);
  EXPECT_EQ(d.pos().y() + label.y(), frame.top() + frame.height() - form.height() + 120 + 5);
}

}  // namespace
}  // namespace vostrane
