// SPDX-License-Identifier: GPL-3.0-or-later
// The form's use of the atlas and the name file through their seams, the
// files it looks after besides the session, and the modal phase as the
// shell starts it.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "FormFixture.h"
#include "entry/gui/BirthDataPhase.h"

namespace vostrane::test {
namespace {

class FakeAtlas : public NoPlaceLookup {
 public:
  PlaceChoice choice{'G', "Paris, France"};
  std::string rechecks;
  int dialogs = 0;

  std::optional<PlaceChoice> ChoosePlace(const std::string&) override {
    ++dialogs;
    return choice;
  }
  bool IsAtlasPlace(const std::string& text) override { return text == "Paris, France"; }
  FocusAfterRead ReadPlace(BirthDataFields& f, int) override {
    f.latitude = "48N5200";
    f.longitude = "002E2000";
    f.dstTable = "12";
    f.zoneHours = "1";
    f.zoneMinutes = "00";
    f.zoneEastWest = "E";
    f.daylight = "N";
    return FocusAfterRead::Name;
  }
  void RecheckZone(BirthDataFields& f, char what) override {
    rechecks += what;
    f.daylight = "Y";
  }
};

using Seams = FormFixture;

TEST_F(Seams, TypingAPlaceReadsItFromTheAtlas) {
  FakeAtlas atlas;
  form_->SetPlaceLookup(&atlas);
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("P");
  EXPECT_EQ(atlas.dialogs, 1);
  EXPECT_EQ(Stored(form_->PlaceField()), "Paris, France");
  EXPECT_EQ(Stored(form_->LatitudeField()), "48N5200");
  EXPECT_EQ(Stored(form_->LongitudeField()), "002E2000");
  EXPECT_EQ(Stored(form_->DaylightTableField()), "12");
  EXPECT_EQ(form_->EastWestWordLabel()->text(), "ast");
  EXPECT_EQ(Focus(), form_->LatitudeField());
  EXPECT_EQ(form_->ReadingMode(), 'X');
  EXPECT_EQ(form_->WorkingEntry().dstTable(), 12);

  // A changed date of an atlas place re-checks the zone; an unchanged one not.
  form_->DateField()->setFocus();
  Key(Qt::Key_Return);
  EXPECT_EQ(atlas.rechecks, "");
  Key(Qt::Key_Up);
  Type("1");
  Key(Qt::Key_Return);
  EXPECT_EQ(atlas.rechecks, "D");
  EXPECT_EQ(form_->DaylightWordLabel()->text(), "(Yes)");
}

TEST_F(Seams, CancelledLookupPutsBackThePlace) {
  FakeAtlas atlas;
  atlas.choice = {'C', ""};
  form_->SetPlaceLookup(&atlas);
  Start();
  form_->PlaceField()->setFocus();
  Type("Rome");  // each letter opens the dialog, and Cancel takes it back
  EXPECT_EQ(Stored(form_->PlaceField()), "");
  EXPECT_EQ(atlas.dialogs, 4);  // at most once per key
  form_->PlaceField()->SetStoredText("Rome");
  form_->LatitudeField()->setFocus();
  form_->PlaceField()->setFocus();
  Type("x");
  EXPECT_EQ(Stored(form_->PlaceField()), "Rome");
  Key(Qt::Key_Left);  // keys without a character open nothing
  EXPECT_EQ(atlas.dialogs, 5);
}

class FakeNames : public NoNameFile {
 public:
  NameListView FillNameList(const std::string& typed, int) override {
    return {true, {"=> " + typed + " Lee" + std::string(18, ' ') + " <=", " "}};
  }
  bool ReadTopName(BirthDataFields& f, ChartEntry&) override {
    f.name = "Ann Lee";
    f.date = "07041990";
    f.place = "Boston, MA";
    return true;
  }
};

TEST_F(Seams, NameListTakesOverUntilANameIsRead) {
  FakeNames names;
  form_->SetNameFile(&names);
  Start();
  Type("Ann");
  EXPECT_EQ(form_->ReadingMode(), 'N');
  EXPECT_TRUE(form_->NameFileList()->isVisible());
  EXPECT_EQ(form_->NameFileList()->item(0)->text().left(10), "=> Ann Lee");
  EXPECT_FALSE(form_->DoneButton()->isVisible());
  EXPECT_FALSE(form_->NewNatalButton()->isVisible());
  EXPECT_FALSE(form_->DeleteButton()->isVisible());
  EXPECT_FALSE(form_->PlaceButton()->isVisible());
  Key(Qt::Key_Return);
  EXPECT_EQ(form_->ReadingMode(), 'X');
  EXPECT_TRUE(form_->DoneButton()->isVisible());
  EXPECT_EQ(Stored(form_->NameField()), "Ann Lee");
  EXPECT_EQ(Stored(form_->DateField()), "07041990");
  EXPECT_EQ(form_->DateWordsLabel()->text(), "July 4, 1990");
  EXPECT_EQ(Focus(), form_->PlaceField());
}

TEST_F(Seams, InsertTogglesOverwriteTypingInTheName) {
  Start();
  Type("Anne");
  Key(Qt::Key_Home);
  Key(Qt::Key_Insert);
  Type("E");
  EXPECT_EQ(Stored(form_->NameField()), "Enne");
  Key(Qt::Key_Insert);
  Type("x");
  EXPECT_EQ(Stored(form_->NameField()), "Exnne");
}

TEST_F(Seams, NewNatalGivesTheNewEntryACopyOfTheNewestCityFile) {
  folder_.Write("CTY1.FIL", "city data");
  Start();
  Type("Ann");
  form_->PlaceField()->setFocus();
  Type("Rome");
  form_->NewNatalClick();
  EXPECT_EQ(folder_.Read("CTY2.FIL"), "city data");
}

TEST_F(Seams, MissingDaylightFileIsReportedAndEntryGoesOn) {
  std::filesystem::remove("DST.FIL");
  Start();
  EXPECT_TRUE(
      messages_->Saw("The daylight-time file DST.FIL could not be opened. Please type the "
                     "time zone and daylight time yourself."));
  EXPECT_TRUE(form_->IsActive());
}

TEST_F(Seams, SessionFileThatCannotBeCreatedEndsTheEntry) {
  std::filesystem::create_directory("INPUT.FIL");
  EXPECT_FALSE(form_->FormActivate(shell_));
  EXPECT_TRUE(messages_->Saw("Unable to create the chart list file INPUT.FIL."));
  EXPECT_EQ(shell_.phase, RunPhase::MainMenu);
  EXPECT_FALSE(form_->IsActive());
}

TEST_F(Seams, ShellShowsTheFormModally) {
  BirthDataPhase phase;
  bool driven = false;
  QTimer::singleShot(0, [&] {
    ASSERT_NE(phase.BirthDataWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(phase.BirthDataWindow()));
    Type("Ann");
    phase.BirthDataWindow()->PlaceField()->setFocus();
    Type("Rome");
    driven = true;
    phase.BirthDataWindow()->DoneButton()->click();
  });
  phase.ShowBirthDataForm(nullptr, shell_);
  EXPECT_TRUE(driven);
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(Record(1).name(), "Ann");
  EXPECT_FALSE(Record(2).used());
  EXPECT_FALSE(phase.BirthDataWindow()->isVisible());
  delete phase.BirthDataWindow();  // made without a parent
}

}  // namespace
}  // namespace vostrane::test
