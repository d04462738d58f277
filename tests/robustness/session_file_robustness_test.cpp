// SPDX-License-Identifier: GPL-3.0-or-later
// "INPUT.FIL" damaged: the calculation driver walks the list with the real
// calculation. A cut file ends the program with the session message before
// any entry is rewritten; extra bytes after the terminator are never read
// or touched; random damage inside the entries either calculates or ends
// with a fatal message, and never changes bytes the calculation does not own.
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "session/LunarApogeeSlots.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "tests/robustness/Damage.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/EphemerisTestFiles.h"

namespace vostrane::test {
namespace {

ChartEntry Person(const std::string& name, int year, double latitude, double longitude) {
  ChartEntry e = NatalEntry(name);
  e.setMonth(5);
  e.setDay(17);
  e.setYear(year);
  e.setHours(14);
  e.setMinutes(30);
  e.setLatitude(latitude);
  e.setLongitude(longitude);
  e.setZoneHoursWest(5.0);
  return e;
}

std::string ThreeEntrySession() {
  return SessionBytes({Person("Ann", 1950, 40.7, 74.0), Person("Ben", 1987, 51.5, 0.1),
                       Person("Cy", 2004, -33.9, -151.2)});
}

void RunDriver() {
  SilentProgress progress;
  NoNameFileWriteBack nameFile;
  CalculateSessionCharts(progress, nameFile);
}

// The byte ranges of an entry that the calculation writes: the calculated
// block, the asteroid flag, the completeness mark, the lunar apogee mark, the
// co-ascendant and polar ascendant; for a derived entry also the birth data
// copied from its base.
bool CalculationOwns(const ChartEntry& before, size_t offset) {
  const size_t from = before.chartType() != 0 ? entry_offset::month : entry_offset::universalTimeHours;
  return (offset >= from && offset < entry_offset::zodiacLetter) ||
         offset == entry_offset::asteroidsCalculated || offset == entry_offset::calcComplete ||
         offset == entry_offset::lunarApogeeMark || offset >= entry_offset::coAscendant;
}

class SessionRobustness : public testing::Test {
 protected:
  void SetUp() override { LinkEphemerisFiles(folder_); }
  void TearDown() override { SessionCloseQuietly(); }
  TempFolder folder_;
};

TEST_F(SessionRobustness, TheCleanSessionCalculatesOnlyWhatTheCalculationOwns) {
  const std::string good = ThreeEntrySession();
  folder_.Write(kSessionFileName, good);
  ScopedScriptedMessages messages;
  RunDriver();
  const std::string after = folder_.Read(kSessionFileName);
  ASSERT_EQ(after.size(), good.size());
  int changed = 0;
  for (int record = 0; record < 5; ++record) {
    const ChartEntry before = EntryAt(good, record);
    for (size_t i = 0; i < kEntrySize; ++i) {
      const size_t at = record * kEntrySize + i;
      if (after[at] == good[at]) continue;
      ++changed;
      EXPECT_TRUE(record >= 1 && record <= 3 && CalculationOwns(before, i))
          << "record " << record << " offset " << i;
    }
  }
  EXPECT_GT(changed, 0);
  EXPECT_TRUE(messages->Shown().empty()) << messages->Shown().front().text;
}

using SessionRobustnessDeathTest = SessionRobustness;

TEST_F(SessionRobustnessDeathTest, ACutFileEndsTheProgramBeforeAnyEntryIsRewritten) {
  const std::string good = ThreeEntrySession();
  for (const DamagedCopy& copy : TruncatedCopies(good, kEntrySize)) {
    SCOPED_TRACE(copy.label);
    PlaceCopy(folder_, kSessionFileName, copy);
    // Without record 1 the open fails; a cut later on fails the walk.
    const char* message = copy.bytes.size() < 2 * kEntrySize
                              ? "ERROR!!!! INPUT.FIL is not a list of charts of this program, or "
                                "its first entry is damaged\\.   Program ended\\."
                              : "ERROR!!!! Could not read INPUT.FIL\\. Bad disk or file not on "
                                "disk\\.  Program ended\\.";
    EXPECT_EXIT(RunDriver(), testing::ExitedWithCode(1), message);
    EXPECT_EQ(folder_.Read(kSessionFileName), copy.bytes);
  }
}

TEST_F(SessionRobustness, BytesAfterTheTerminatorAreNeverReadNorTouched) {
  const std::string good = ThreeEntrySession();
  folder_.Write(kSessionFileName, good);
  {
    ScopedScriptedMessages messages;
    RunDriver();
  }
  const std::string calculated = folder_.Read(kSessionFileName);
  for (const DamagedCopy& copy : OversizedCopies(good, kEntrySize)) {
    SCOPED_TRACE(copy.label);
    PlaceCopy(folder_, kSessionFileName, copy);
    ScopedScriptedMessages messages;
    RunDriver();
    EXPECT_TRUE(messages->Shown().empty());
    const FolderSnapshot after = TakeSnapshot(folder_.Path());
    const FolderSnapshot::Entry& file = after.files.at(kSessionFileName);
    if (copy.sparseSize >= 0) {
      EXPECT_EQ(file.size, copy.sparseSize);
      // The calculated entries are the same as without the extension.
      EXPECT_EQ(ReadFileStart(kSessionFileName, calculated.size()), calculated);
    } else {
      EXPECT_EQ(file.bytes, calculated + copy.bytes.substr(good.size()));
    }
  }
}

TEST_F(SessionRobustness, RandomDamageInTheEntriesCalculatesOrEndsWithAMessage) {
  const std::string good = ThreeEntrySession();
  // Damage the header and the three entries, not the terminator (a list
  // without its terminator is a case of its own).
  const auto copies = CorruptedCopies(good, 60, 20240611, 0, 4 * kEntrySize);
  int calculated = 0;
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE(copy.label);
    PlaceCopy(folder_, kSessionFileName, copy);
    ScopedScriptedMessages messages;
    const auto ended = RunCatchingProgramEnd(*messages, RunDriver);
    SessionCloseQuietly();
    const std::string after = folder_.Read(kSessionFileName);
    ASSERT_EQ(after.size(), copy.bytes.size());
    if (ended) {
      EXPECT_NE(ended->find("Program ended."), std::string::npos) << *ended;
    } else {
      ++calculated;
    }
    // The header, the terminator and every byte the calculation does not
    // own are as they were.
    for (int record = 0; record < 5; ++record) {
      const ChartEntry before = EntryAt(copy.bytes, record);
      const bool entry = record >= 1 && record <= 3 && before.used();
      for (size_t i = 0; i < kEntrySize; ++i) {
        const size_t at = record * kEntrySize + i;
        if (after[at] != copy.bytes[at] && !(entry && CalculationOwns(before, i))) {
          ADD_FAILURE() << "record " << record << " offset " << i << " was rewritten";
          break;
        }
      }
    }
  }
  EXPECT_GT(calculated, 0);
}

}  // namespace
}  // namespace vostrane::test
