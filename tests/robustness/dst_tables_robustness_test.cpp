// SPDX-License-Identifier: GPL-3.0-or-later
// The daylight-time tables damaged: "DSTRECS.DAT" and "DST.FIL" as
// generated. The index loads whole or not at all; every lookup ends, with
// the table's values, other valid values, or one of the two damage messages
// and the fields as they were.
#include <gtest/gtest.h>

#include <unistd.h>

#include "atlas/DstLookup.h"
#include "platform/ScriptedMessageService.h"
#include "tests/atlas/AtlasTestSupport.h"
#include "tests/robustness/Damage.h"

namespace vostrane::test {
namespace {

// Every seventh table, to keep a sweep short.
constexpr int kTableStep = 7;
const char* const kUntouched = "7:7 E D";

std::string Zone(const AtlasFields& f) {
  return f.zoneHours + ":" + f.zoneMinutes + " " + f.zoneEastWest + " " + f.daylight;
}

// Looks up 4 July 1976, noon, in every seventh table.
std::vector<std::string> LookUpAll() {
  std::vector<std::string> zones;
  for (int table = 1; table <= kDstTableCount; table += kTableStep) {
    AtlasFields f;
    f.date = "07041976";
    f.time = "120000P";
    f.zoneHours = "7";
    f.zoneMinutes = "7";
    f.zoneEastWest = "E";
    f.daylight = "D";
    f.dstTable = std::to_string(table);
    FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
    zones.push_back(Zone(f));
  }
  return zones;
}

bool ValidZone(const std::string& zone) {
  int hours = -1, minutes = -1;
  char east = 0, code = 0;
  if (std::sscanf(zone.c_str(), "%d:%d %c %c", &hours, &minutes, &east, &code) != 4) return false;
  return hours >= 0 && hours <= 255 && minutes >= 0 && minutes <= 255 && (east == 'E' || east == 'W') &&
         std::string("NYWDL").find(code) != std::string::npos;
}

class DstRobustness : public testing::Test {
 protected:
  void SetUp() override {
    goodIndex_ = InstalledBytes(kDstIndexFileName);
    goodChanges_ = InstalledBytes(kDstChangeFileName);
    ASSERT_EQ(goodIndex_.size(), 2u * kDstTableCount);
    {
      AtlasFolder folder;
      Install(folder, goodIndex_, {"", goodChanges_});
      baseline_ = LookUpAll();
      firstRecordMessage_ = MessageText(8973) + MessageText(8974);
    }
    int known = 0;
    for (const auto& z : baseline_) known += z != "0:0 W L";
    ASSERT_GT(known, 40) << "the generated tables give zones";
  }

  // Places both files (one of them damaged), loads the index, opens DST.FIL.
  void Install(AtlasFolder& folder, const std::string& index, const DamagedCopy& changes) {
    folder.Folder().Write(kDstIndexFileName, index);
    PlaceCopy(folder.Folder(), kDstChangeFileName, changes);
    LoadDstTableIndex();
    OpenDstChangeFile();
  }

  // Every result is the table's own, another valid zone, or the fields as
  // they were with one of the damage messages.
  void ExpectSoundResults(const std::vector<std::string>& zones,
                          const ScriptedMessageService& messages) {
    int untouched = 0;
    for (size_t i = 0; i < zones.size(); ++i) {
      if (zones[i] == kUntouched && baseline_[i] != kUntouched) ++untouched;
      else EXPECT_TRUE(ValidZone(zones[i])) << "table " << 1 + kTableStep * i << ": " << zones[i];
    }
    int damageMessages = 0;
    for (const ShownMessage& m : messages.Shown()) {
      const bool known = m.text == firstRecordMessage_ ||
                         m.text ==
                             "Unable to read data from file DST.FIL. The daylight-time table "
                             "of this place is damaged.";
      EXPECT_TRUE(known) << m.text;
      damageMessages += known;
    }
    EXPECT_EQ(untouched, damageMessages);
  }

  std::string goodIndex_, goodChanges_;
  std::vector<std::string> baseline_;
  std::string firstRecordMessage_;
};

TEST_F(DstRobustness, ACutIndexIsNotUsedAndSaysSo) {
  for (const DamagedCopy& copy : TruncatedCopies(goodIndex_, 2)) {
    SCOPED_TRACE(copy.label);
    AtlasFolder folder;
    PlaceCopy(folder.Folder(), kDstIndexFileName, copy);
    ScopedScriptedMessages messages;
    LoadDstTableIndex();
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text,
              "ERROR! Unable to read data from file DSTRECS.DAT. Re-install this file!");
    EXPECT_FALSE(DstIndex().loaded);
    EXPECT_EQ(folder.Folder().Read(kDstIndexFileName), copy.bytes);
  }
}

TEST_F(DstRobustness, ExtraBytesInEitherFileChangeNoResult) {
  for (const DamagedCopy& copy : OversizedCopies(goodIndex_, 2)) {
    SCOPED_TRACE("index " + copy.label);
    AtlasFolder folder;
    PlaceCopy(folder.Folder(), kDstIndexFileName, copy);
    folder.Folder().Write(kDstChangeFileName, goodChanges_);
    ScopedScriptedMessages messages;
    LoadDstTableIndex();
    OpenDstChangeFile();
    EXPECT_EQ(LookUpAll(), baseline_);
    EXPECT_TRUE(messages->Shown().empty());
  }
  for (const DamagedCopy& copy : OversizedCopies(goodChanges_, kDstChangeRecordSize)) {
    SCOPED_TRACE("changes " + copy.label);
    AtlasFolder folder;
    ScopedScriptedMessages messages;
    Install(folder, goodIndex_, copy);
    EXPECT_EQ(LookUpAll(), baseline_);
    EXPECT_TRUE(messages->Shown().empty());
  }
}

TEST_F(DstRobustness, ACutChangeFileGivesTheDamageMessagesForTheTablesItLost) {
  for (const DamagedCopy& copy : TruncatedCopies(goodChanges_, kDstChangeRecordSize)) {
    SCOPED_TRACE(copy.label);
    AtlasFolder folder;
    ScopedScriptedMessages messages;
    Install(folder, goodIndex_, copy);
    const std::vector<std::string> zones = LookUpAll();
    ExpectSoundResults(zones, *messages);
    EXPECT_EQ(folder.Folder().Read(kDstChangeFileName), copy.bytes);
  }
}

TEST_F(DstRobustness, RandomDamageEndsEveryLookupSoundly) {
  std::vector<DamagedCopy> copies = CorruptedCopies(goodChanges_, 25, 1976);
  // The index damaged: tables start anywhere, also beyond the file.
  for (const DamagedCopy& index : CorruptedCopies(goodIndex_, 10, 1977)) {
    SCOPED_TRACE("index " + index.label);
    AtlasFolder folder;
    ScopedScriptedMessages messages;
    Install(folder, index.bytes, {"", goodChanges_});
    ExpectSoundResults(LookUpAll(), *messages);
  }
  for (const DamagedCopy& copy : copies) {
    SCOPED_TRACE("changes " + copy.label);
    AtlasFolder folder;
    ScopedScriptedMessages messages;
    Install(folder, goodIndex_, copy);
    ExpectSoundResults(LookUpAll(), *messages);
    EXPECT_EQ(folder.Folder().Read(kDstChangeFileName), copy.bytes);
  }
}

}  // namespace
}  // namespace vostrane::test
