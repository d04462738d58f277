// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation driver's write-back into the person's record: the field
// forms, a real calculation whose stored values decode back to the entry's,
// a name that is not on file, and a table locked by another process.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "names/NameTable.h"
#include "names/NameTableWriteBack.h"
#include "names/PersonWrites.h"
#include "platform/ScriptedMessageService.h"
#include "platform/TextTrim.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "tests/names/NameTestSupport.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/EphemerisTestFiles.h"

namespace vostrane::test {
namespace {

int32_t BlockInt(const std::string& field, int i) {
  int32_t v = 0;
  std::memcpy(&v, field.data() + 4 * i, 4);
  return v;
}

double NormalDegrees(double x) {
  x = std::fmod(x, 360.0);
  return x < 0 ? x + 360.0 : x;
}

// The real calculation with one name-file image per entry that the house
// step and the planet pass both fill, so that the write-back after the
// planets carries the house values too.
class OneImagePerEntry : public ChartCalculator {
 public:
  bool Houses(ChartEntry& e, NameFileImage& image, bool geocentricLatitude) override {
    image_ = NameFileImage();
    const bool update = real_.Houses(e, image_, geocentricLatitude);
    image = image_;
    return update;
  }
  bool Planets(ChartEntry& e, NameFileImage& image, PlanetFlags& flags, CalcProgress& progress,
               int record) override {
    const bool update = real_.Planets(e, image_, flags, progress, record);
    image = image_;
    return update;
  }
  double UserZodiacOffset(const ChartEntry& e) override { return real_.UserZodiacOffset(e); }
  std::optional<std::string> Derived(ChartEntry& e, const ChartEntry& base, const ChartEntry* second,
                                     bool geocentricLatitude) override {
    return real_.Derived(e, base, second, geocentricLatitude);
  }

 private:
  AstroCalculator real_;
  NameFileImage image_;
};

class WriteBackTest : public testing::Test {
 protected:
  void SetUp() override {
    OpenNameTable(table_);
    ann_ = AppendPerson(table_, Person("Ann Lee")).record;
    bob_ = AppendPerson(table_, Person("Bob Ray")).record;
  }

  // An image whose every value is recognisable.
  static NameFileImage SampleImage() {
    NameFileImage image;
    image.Set<double>(image_offset::universalTimeHours, 14.5);
    image.Set<double>(image_offset::julianDayUt, 2451545.25);
    image.Set<double>(image_offset::obliquityRad, 0.40909280422232897);
    image.Set<double>(image_offset::ayanamsaDeg, -24.1);
    image.Set<double>(image_offset::deltaTSeconds, 63.8);
    image.Set<double>(image_offset::centuriesSince1900Ut, 0.0000068);
    image.SetLetter(image_offset::zodiac, 'S');
    image.SetFixed(image_offset::asc, 359.9999);
    image.SetFixed(image_offset::mc, 0.5);
    image.SetFixed(image_offset::polarAscendant, 123.25);
    for (int i = 0; i < 216; ++i)
      image.HousePositions()[i] = static_cast<uint8_t>(i);  // NUL and 0x1A too
    for (int b = 0; b < 8; ++b) image.BodyBlock(b)[0] = static_cast<uint8_t>(0xF0 + b);
    return image;
  }

  TempFolder folder_;
  ScopedScriptedMessages messages_;
  DbfTable table_;
  uint32_t ann_ = 0, bob_ = 0;
};

TEST(TimeValueText, FixedNotationCutToTwentyFiveCharacters) {
  EXPECT_EQ(TimeValueText(2451545.25), "2451545.25000000000000000");
  EXPECT_EQ(TimeValueText(-0.5), "-0.5000000000000000000000");
  EXPECT_EQ(TimeValueText(63.8).size(), 25u);
  EXPECT_EQ(std::strtod(TimeValueText(0.40909280422232897).c_str(), nullptr), 0.40909280422232897);
}

TEST_F(WriteBackTest, EveryFieldTakesItsValueFromTheImage) {
  NameTableWriteBack writeBack(table_);
  writeBack.PositionOn("Ann Lee");
  ASSERT_TRUE(writeBack.Positioned());
  writeBack.WriteBack(SampleImage(), true);
  writeBack.StoreCalculatedFlags({'Y', 'N', 'Y'});

  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(table_.TextField("GMT"), "14.5000000000000000000000");
  EXPECT_EQ(table_.TextField("JULDAY"), "2451545.25000000000000000");
  EXPECT_EQ(table_.TextField("ZODSEL"), "S");
  EXPECT_EQ(table_.IntegerField("ASC"), 1799999500);
  EXPECT_EQ(table_.IntegerField("MC"), 2500000);
  EXPECT_EQ(table_.IntegerField("POLARASC"), 616250000);
  const std::string houses = table_.TextField("HOUSEPOSTR");
  ASSERT_EQ(houses.size(), 216u);
  for (int i = 0; i < 216; ++i) ASSERT_EQ(static_cast<uint8_t>(houses[i]), i);
  EXPECT_EQ(static_cast<uint8_t>(table_.TextField("ZODLONGSTR")[0]), 0xF0);
  EXPECT_EQ(static_cast<uint8_t>(table_.TextField("DECLINSTR")[0]), 0xF7);
  EXPECT_EQ(table_.TextField("CALCYN") + table_.TextField("CALCASTYN") + table_.TextField("CALCTNP"),
            "YNY");
  EXPECT_EQ(Trim(table_.TextField("PLACE")), "Boston, MA");  // the birth data stays
  EXPECT_TRUE(messages_->Shown().empty());
}

TEST_F(WriteBackTest, HousesOnlySetLeavesTheBodyBlocks) {
  NameTableWriteBack writeBack(table_);
  writeBack.PositionOn("ann lee");
  writeBack.WriteBack(SampleImage(), false);
  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(table_.IntegerField("MC"), 2500000);
  EXPECT_EQ(table_.TextField("ZODLONGSTR"), std::string(128, ' '));
}

TEST_F(WriteBackTest, NameNotOnFileWritesNothing) {
  NameTableWriteBack writeBack(table_);
  writeBack.PositionOn("Carl Nobody");
  EXPECT_FALSE(writeBack.Positioned());
  writeBack.WriteBack(SampleImage(), true);
  writeBack.StoreCalculatedFlags({'Y', 'Y', 'Y'});
  // The seek ended on the last record; it must not have received the values.
  table_.Go(bob_);
  EXPECT_EQ(table_.TextField("GMT"), std::string(25, ' '));
  EXPECT_EQ(table_.TextField("CALCYN"), "N");
}

TEST_F(WriteBackTest, LockedTableShowsTheMessageAndTheCalculationGoesOn) {
  NameTableWriteBack writeBack(table_);
  writeBack.PositionOn("Ann Lee");
  {
    LockHolder other("names.dbf");
    ASSERT_TRUE(other.Held());
    writeBack.WriteBack(SampleImage(), true);
  }
  EXPECT_EQ(messages_->Count(kWriteBackBusyText), 1);
  EXPECT_EQ(writeBack.FailedWriteBacks(), 1);
  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(table_.TextField("GMT"), std::string(25, ' '));
}

TEST_F(WriteBackTest, PersonMovedAfterPositioningIsFoundAgainByName) {
  NameTableWriteBack writeBack(table_);
  writeBack.PositionOn("Ann Lee");
  // Meanwhile the two persons change places (another program's edit).
  ASSERT_TRUE(table_.LockFile());
  table_.Go(ann_);
  table_.SetTextField("NAME", "Bob Ray");
  table_.SaveRecord();
  table_.Go(bob_);
  table_.SetTextField("NAME", "Ann Lee");
  table_.SaveRecord();
  table_.UnlockFile();
  writeBack.WriteBack(SampleImage(), true);
  EXPECT_EQ(writeBack.FailedWriteBacks(), 0);
  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(table_.RecordNumber(), bob_);
  EXPECT_EQ(Trim(table_.TextField("GMT")).substr(0, 4), "14.5");
  ASSERT_TRUE(NameIsOnFile(table_, "Bob Ray"));
  EXPECT_EQ(table_.TextField("GMT"), std::string(25, ' '));

  // Removed before its values came: nothing is written, and it counts.
  writeBack.PositionOn("Ann Lee");
  ASSERT_TRUE(table_.LockFile());
  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  table_.DeleteRecord();
  table_.UnlockFile();
  writeBack.StoreCalculatedFlags({'Y', 'Y', 'Y'});
  EXPECT_EQ(writeBack.FailedWriteBacks(), 1);
  EXPECT_EQ(messages_->Count(PersonGoneText("Ann Lee")), 1);
  table_.Go(bob_);
  EXPECT_EQ(table_.TextField("CALCYN"), "N");
}

// Another program that keeps no index changes the table in place: record
// `recno` gets `name` (empty: unchanged) and the header `count` records.
void EditTableInPlace(uint32_t recno, const std::string& name, uint32_t count) {
  std::fstream f("names.dbf", std::ios::in | std::ios::out | std::ios::binary);
  unsigned char head[12] = {};
  f.read(reinterpret_cast<char*>(head), sizeof head);
  const long headerLength = head[8] | head[9] << 8, recordLength = head[10] | head[11] << 8;
  if (!name.empty()) {
    std::string field = name;
    field.resize(25, ' ');
    f.seekp(headerLength + (recno - 1) * recordLength + 1);
    f.write(field.data(), 25);
  }
  const char bytes[4] = {static_cast<char>(count), static_cast<char>(count >> 8), 0, 0};
  f.seekp(4);
  f.write(bytes, 4);
}

TEST_F(WriteBackTest, AnIndexLeftStaleByAnotherProgramGivesTheRightWriteBack) {
  // Bob's record renamed in place to Cy Dunn: the index still holds BOB RAY.
  EditTableInPlace(bob_, "Cy Dunn", 2);
  NameTableWriteBack cy(table_);
  cy.PositionOn("Cy Dunn", static_cast<int32_t>(bob_));
  ASSERT_TRUE(cy.Positioned());
  cy.WriteBack(SampleImage(), false);
  EXPECT_EQ(cy.FailedWriteBacks(), 0);
  table_.Go(bob_);
  EXPECT_EQ(Trim(table_.TextField("GMT")).substr(0, 4), "14.5");
  // The renamed person's entry gets nothing, and says so.
  NameTableWriteBack bob(table_);
  bob.PositionOn("Bob Ray", static_cast<int32_t>(bob_));
  EXPECT_FALSE(bob.Positioned());
  EXPECT_EQ(bob.FailedWriteBacks(), 1);
  EXPECT_EQ(messages_->Count(PersonGoneText("Bob Ray")), 1);

  // The record count lowered below the index's: the hidden person is gone,
  // the others are written.
  EditTableInPlace(bob_, "", 1);
  NameTableWriteBack gone(table_), ann(table_);
  gone.PositionOn("Cy Dunn", static_cast<int32_t>(bob_));
  EXPECT_FALSE(gone.Positioned());
  EXPECT_EQ(gone.FailedWriteBacks(), 1);
  ann.PositionOn("Ann Lee", static_cast<int32_t>(ann_));
  ann.StoreCalculatedFlags({'Y', 'N', 'Y'});
  EXPECT_EQ(ann.FailedWriteBacks(), 0);
  table_.Go(ann_);
  EXPECT_EQ(table_.TextField("CALCYN") + table_.TextField("CALCTNP"), "YY");
  EXPECT_EQ(table_.RecordCount(), 1u);
}

TEST_F(WriteBackTest, CalculatedValuesOfALinkedEntryDecodeBackToTheEntry) {
  LinkEphemerisFiles(folder_);
  ChartEntry ann = NatalEntry("Ann Lee");
  ann.setMonth(7);
  ann.setDay(4);
  ann.setYear(1990);
  ann.setHours(21);
  ann.setMinutes(30);
  ann.setLatitude(42.358);
  ann.setLongitude(71.06);
  ann.setZoneHoursWest(4.0);
  ann.setNameRecord(static_cast<int32_t>(ann_));
  ChartEntry bob = ann;  // typed by hand: never touches the name file
  bob.setName("Bob Ray");
  bob.setNameRecord(0);
  folder_.Write(kSessionFileName, SessionBytes({ann, bob}));

  SilentProgress progress;
  NameTableWriteBack writeBack(table_);
  OneImagePerEntry calculator;
  CalculateSessionCharts(progress, writeBack, calculator, false);
  const ChartEntry e = EntryAt(folder_.Read(kSessionFileName), 1);
  ASSERT_GT(e.julianDayUt(), 2448000.0);

  ASSERT_TRUE(NameIsOnFile(table_, "Ann Lee"));
  EXPECT_EQ(std::strtod(table_.TextField("JULDAY").c_str(), nullptr), e.julianDayUt());
  EXPECT_EQ(std::strtod(table_.TextField("OBLIQ").c_str(), nullptr), e.obliquityRad());
  EXPECT_EQ(table_.TextField("ZODSEL"), "T");
  constexpr double kStep = 1.0 / 5000000.0;
  EXPECT_NEAR(DecodeFixed(static_cast<int32_t>(table_.IntegerField("RAMC"))), e.ramcRad(), kStep);
  EXPECT_NEAR(DecodeFixed(static_cast<int32_t>(table_.IntegerField("ASC"))), e.asc(), kStep);
  EXPECT_NEAR(DecodeFixed(static_cast<int32_t>(table_.IntegerField("MC"))), e.mc(), kStep);
  EXPECT_NEAR(DecodeFixed(static_cast<int32_t>(table_.IntegerField("VERTEX"))), e.vertex(), kStep);
  EXPECT_NEAR(DecodeFixed(static_cast<int32_t>(table_.IntegerField("COASC"))), e.coAscendant(), kStep);
  const std::string longitudes = table_.TextField("ZODLONGSTR");
  const std::string declinations = table_.TextField("DECLINSTR");
  for (int slot = 0; slot <= 30; ++slot) {
    EXPECT_NEAR(DecodeFixed(BlockInt(longitudes, slot)), NormalDegrees(e.lon(slot)), kStep) << slot;
    EXPECT_NEAR(DecodeFixed(BlockInt(declinations, slot)), e.body(BodyArray::Decl, slot), kStep) << slot;
  }
  // The entry's own house system (F, the sixth) is the last one packed.
  const std::string houses = table_.TextField("HOUSEPOSTR");
  for (int cusp = 1; cusp <= 6; ++cusp)
    EXPECT_NEAR(DecodeFixed(BlockInt(houses, 30 + cusp - 1)), NormalDegrees(e.cusp(cusp)), kStep)
        << cusp;
  EXPECT_EQ(table_.TextField("CALCYN") + table_.TextField("CALCASTYN") + table_.TextField("CALCTNP"),
            "YYY");

  table_.Go(bob_);
  EXPECT_EQ(table_.TextField("JULDAY"), std::string(25, ' '));
  EXPECT_EQ(table_.TextField("CALCYN"), "N");
}

}  // namespace
}  // namespace vostrane::test
