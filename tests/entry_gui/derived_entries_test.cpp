// SPDX-License-Identifier: GPL-3.0-or-later
// Derived charts made from the birth data form: "New Derived Chart..."
// finishes the current entry, shows the dialog and appends the chart; the
// list names its kind; removing a base takes its derived charts along.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "FormFixture.h"
#include "derived/gui/DerivedChartRequestDialog.h"
#include "entry/FormTexts.h"

namespace vostrane::test {
namespace {

class DerivedEntries : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    // The real dialog, answered by choosing a kind (and base) and OK.
    form_->SetDerivedChartDialog(
        [this](QWidget* parent, const std::vector<ChartEntry>& entries, int base) {
          ++dialogs;
          offeredBase = base;
          listed = static_cast<int>(entries.size());
          DerivedChartRequestDialog dialog(parent, entries, base, nullptr, [this] { return now_; });
          dialog.KindBox()->setCurrentIndex(dialog.KindBox()->findText(DerivedKindName(kind)));
          if (chosenBase > 0) dialog.BaseBox()->setCurrentIndex(chosenBase - 1);
          if (!dialog.OkClick()) return std::optional<ChartEntry>();
          return std::optional<ChartEntry>(dialog.Result());
        });
    form_->SetRemovalDialog([](const RemovalChoice&) { return 'E'; });
  }
  void TypeNatal(const QString& name, const QString& place) {
    form_->NameField()->setFocus();
    Type(name);
    form_->PlaceField()->setFocus();
    Type(place);
  }
  void Derive(DerivedKind k, int base = 0) {
    kind = k;
    chosenBase = base;
    form_->NewDerivedButton()->click();
  }

  DerivedKind kind = DerivedKind::SolarReturn;
  int chosenBase = 0;
  int dialogs = 0;
  int offeredBase = 0;
  int listed = 0;
};

TEST_F(DerivedEntries, TheChartIsAppendedAfterTheCurrentEntryWhichStays) {
  Start();
  ASSERT_TRUE(form_->NewDerivedButton()->isVisible());
  TypeNatal("Ann", "Rome");
  // Alt+R is the button's key.
  kind = DerivedKind::SolarReturn;
  Key(Qt::Key_R, Qt::AltModifier);
  ASSERT_EQ(dialogs, 1);
  EXPECT_EQ(offeredBase, 1);
  EXPECT_EQ(listed, 1);  // Ann, written before the dialog opened
  EXPECT_EQ(form_->EntryCount(), 2);
  EXPECT_EQ(form_->CurrentEntry(), 1);
  EXPECT_EQ(Stored(form_->NameField()), "Ann");
  EXPECT_EQ(Record(1).name(), "Ann");
  EXPECT_EQ(Record(1).place(), "Rome");
  EXPECT_EQ(KindOfEntry(Record(2)), DerivedKind::SolarReturn);
  EXPECT_EQ(Record(2).baseEntry(), 1);
  ASSERT_EQ(form_->EntryList()->count(), 2);
  EXPECT_EQ(form_->EntryList()->item(0)->text(), "1: Ann  Natal");
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Ann Solar Return");

  // A harmonic of that return: a chain, named with its number.
  Derive(DerivedKind::Harmonic, 2);
  EXPECT_EQ(Record(3).baseEntry(), 2);
  EXPECT_EQ(Record(3).level(), 2);
  EXPECT_EQ(form_->EntryList()->item(2)->text(), "3: Ann Harmonic Chart, Harmonic 5");

  form_->FinishDataEntry('V');
  EXPECT_EQ(shell_.phase, RunPhase::CalculateAndShow);
  EXPECT_EQ(SessionBytes().size(), 5 * kEntrySize);
  EXPECT_FALSE(Record(4).used());
}

TEST_F(DerivedEntries, AnEntryWithoutItsPlaceIsNoBase) {
  Start();
  TypeNatal("Ann", "");
  Derive(DerivedKind::Transit);
  EXPECT_EQ(dialogs, 0);
  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].text, "Please enter a place for this chart " + FormText(8995) + ".");
  EXPECT_EQ(form_->EntryCount(), 1);
}

TEST_F(DerivedEntries, RemovingABaseTakesItsDerivedChartsAfterTheQuestion) {
  Start();
  TypeNatal("Ann", "Rome");
  Derive(DerivedKind::Transit);      // 2: Ann's transits
  Derive(DerivedKind::Harmonic, 2);  // 3: a harmonic of those transits
  form_->NewNatalClick();
  TypeNatal("Bob", "Oslo");
  Derive(DerivedKind::LunarReturn);  // 5: Bob's lunar return
  ASSERT_EQ(form_->EntryCount(), 5);

  form_->EntryListClick(0);
  ASSERT_EQ(Stored(form_->NameField()), "Ann");
  messages_->Answer(MsgAnswer::Yes);
  form_->DeleteButton()->click();

  ASSERT_EQ(messages_->Shown().size(), 1u);
  EXPECT_EQ(messages_->Shown()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(messages_->Shown()[0].text.rfind("Note: There are 2 entries that are dependent", 0), 0u);
  ASSERT_EQ(form_->EntryCount(), 2);
  EXPECT_EQ(Record(1).name(), "Bob");
  EXPECT_EQ(KindOfEntry(Record(2)), DerivedKind::LunarReturn);
  EXPECT_EQ(Record(2).baseEntry(), 1);  // renumbered with Bob
  EXPECT_EQ(form_->EntryList()->item(1)->text(), "2: Bob Lunar Return");
}

TEST_F(DerivedEntries, ACancelledDialogLeavesTheListAsItWas) {
  form_->SetDerivedChartDialog([this](QWidget*, const std::vector<ChartEntry>&, int) {
    ++dialogs;
    return std::optional<ChartEntry>();
  });
  Start();
  TypeNatal("Ann", "Rome");
  form_->NewDerivedButton()->click();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(form_->EntryCount(), 1);
  EXPECT_EQ(form_->EntryList()->count(), 1);
}

}  // namespace
}  // namespace vostrane::test
