// SPDX-License-Identifier: GPL-3.0-or-later
// The generated atlas and daylight-time tables against the time zone
// database as the C library reads it (the compiled zone files of the
// system, not the source the generator read): for random places, dates
// from 1900 to 2024 and clock times, the zone and daylight code that the
// lookup gives must make the same UT offset; and for every table, random
// moments from 1970 to 2055, the years the tables hold under today's rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "atlas/DstLookup.h"
#include "atlas/LocalClock.h"
#include "platform/ScriptedMessageService.h"
#include "common/Calendar.h"
#include "tests/atlas/AtlasTestSupport.h"

namespace vostrane {
namespace {

std::vector<std::string> ZoneList() {
  std::ifstream in(VOSTRANE_ATLAS_ZONE_LIST_FILE);
  std::vector<std::string> zones;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') zones.push_back(line);
  }
  return zones;
}

// The C library's view of a zone: the UT offset and abbreviation at a
// moment.
class SystemZone {
 public:
  explicit SystemZone(const std::string& zone) {
    const char* old = std::getenv("TZ");
    if (old) saved_ = old;
    hadTz_ = old != nullptr;
    setenv("TZ", (":" + zone).c_str(), 1);
    tzset();
  }
  ~SystemZone() {
    if (hadTz_) setenv("TZ", saved_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  long Offset(time_t t, std::string* abbreviation = nullptr) const {
    std::tm tm{};
    localtime_r(&t, &tm);
    if (abbreviation) *abbreviation = tm.tm_zone ? tm.tm_zone : "";
    return tm.tm_gmtoff;
  }

 private:
  std::string saved_;
  bool hadTz_ = false;
};

time_t AsUtc(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return timegm(&tm);
}

// The installed tables copied into the folder, loaded and open.
void UseInstalledTables(test::AtlasFolder& folder) {
  for (const char* name : {kDstIndexFileName, kDstChangeFileName}) {
    std::filesystem::copy_file(test::InstallFile(name), folder.Folder().Path() + "/" + name);
  }
  LoadDstTableIndex();
  ASSERT_TRUE(DstIndex().loaded);
  ASSERT_TRUE(OpenDstChangeFile());
}

// The form's date and time fields of a date and a 24-hour clock time.
void SetMoment(AtlasFields& f, int year, int month, int day, int hour, int minute, int second) {
  char date[32], time[32];
  std::snprintf(date, sizeof date, "%02d%02d%04d", month, day, year);
  const TwelveHour twelve = To12Hour(hour);
  std::snprintf(time, sizeof time, "%02d%02d%02d%c", twelve.hours, minute, second, twelve.letter);
  f.date = date;
  f.time = time;
}

// The UT offset in seconds that a zone and daylight code of the tables make.
long TableOffset(const std::string& zoneHours, const std::string& zoneMinutes,
                 const std::string& eastWest, const std::string& daylight) {
  const long zoneSeconds = (std::stol(zoneHours) * 60 + std::stol(zoneMinutes)) * 60;
  const long saving = daylight == "D" ? 7200 : (daylight == "Y" || daylight == "W") ? 3600 : 0;
  return (eastWest == "E" ? zoneSeconds : -zoneSeconds) + saving;
}

long StateOffset(const DstScanResult& s) {
  const ZoneTexts z = ZoneTextsOf(s.zoneHours, s.zoneMinutes);
  return TableOffset(z.hours, z.minutes, std::string(1, z.eastWest),
                     std::string(1, kDaylightCodeLetters[s.code]));
}

TEST(GeneratedAtlas, ZonesAndDaylightCodesAgreeWithTheTimeZoneDatabase) {
  const std::vector<std::string> zones = ZoneList();
  ASSERT_GT(zones.size(), 300u)
      << "no zone list: run tools/setup-deps.sh for this build folder and build dst_tables";
  test::AtlasFolder folder;
  UseInstalledTables(folder);
  DbfTable atlas;
  ConfigurePlacesTable(atlas, test::InstallFile(kPlacesFileName));
  atlas.Open();
  const uint32_t places = atlas.RecordCount();
  ASSERT_GT(places, 100000u);

  std::mt19937 random(20240601);
  // By hand: VOSTRANE_ATLAS_CASES runs a larger sample, and
  // VOSTRANE_ATLAS_BY_ZONE draws the tables evenly instead of the places.
  const char* cases = std::getenv("VOSTRANE_ATLAS_CASES");
  const bool byZone = std::getenv("VOSTRANE_ATLAS_BY_ZONE") != nullptr;
  const int kCases = cases ? std::atoi(cases) : 2000;
  int agree = 0, agreeRounded = 0, localMean = 0, localMeanAgree = 0, nearChange = 0,
      nearChangeAgree = 0;
  std::vector<std::string> disagreements;
  ScopedScriptedMessages messages;
  for (int i = 0; i < kCases; ++i) {
    atlas.Go(1 + random() % places);
    const int table = byZone ? 1 + static_cast<int>(random() % zones.size())
                             : std::abs(static_cast<int>(atlas.IntegerField("DSTPTR")));
    ASSERT_GE(table, 1);
    ASSERT_LE(static_cast<size_t>(table), zones.size());
    const std::string& zone = zones[static_cast<size_t>(table) - 1];
    const int year = 1900 + static_cast<int>(random() % 125);
    const int month = 1 + static_cast<int>(random() % 12);
    const int day = 1 + static_cast<int>(random() % static_cast<unsigned>(DaysInMonth(month, year)));
    const int hour = static_cast<int>(random() % 24), minute = static_cast<int>(random() % 60);
    const int second = static_cast<int>(random() % 60);

    AtlasFields f;
    f.dstTable = std::to_string(table);
    SetMoment(f, year, month, day, hour, minute, second);
    FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
    ASSERT_EQ(f.daylight.size(), 1u) << zone << " " << f.date;

    const SystemZone system(zone);
    const time_t local = AsUtc(year, month, day, hour, minute, second);
    char where[160];
    std::snprintf(where, sizeof where, "%s %04d-%02d-%02d %02d:%02d", zone.c_str(), year, month, day,
                  hour, minute);
    if (f.daylight == "L") {
      // Local mean time: the database must still be on its LMT then.
      std::string abbreviation;
      const long offset = system.Offset(local - system.Offset(local), &abbreviation);
      const bool lmt = system.Offset(local - offset, &abbreviation) == offset && abbreviation == "LMT";
      ++localMean;
      if (lmt) ++localMeanAgree;
      else disagreements.push_back(std::string(where) + ": table L, database " + abbreviation);
      continue;
    }
    const long offset = TableOffset(f.zoneHours, f.zoneMinutes, f.zoneEastWest, f.daylight);
    const time_t t = local - offset;
    const long database = system.Offset(t);
    // Within three hours of a change the clock time may be ambiguous, or
    // not exist, and the tables date changes in the clock time before them.
    const bool changing = system.Offset(t - 10800) != database || system.Offset(t + 10800) != database;
    const bool same = database == offset;
    const bool rounded = !same && std::labs(database - offset) <= 30;
    if (changing) {
      ++nearChange;
      if (same || rounded) ++nearChangeAgree;
      continue;
    }
    if (same) ++agree;
    else if (rounded) ++agreeRounded;
    else
      disagreements.push_back(std::string(where) + ": table " + f.zoneHours + ":" + f.zoneMinutes +
                              f.zoneEastWest + " " + f.daylight + " = " + std::to_string(offset) +
                              " s, database " + std::to_string(database) + " s");
  }
  EXPECT_TRUE(messages->Shown().empty());
  const int compared = kCases - nearChange;
  std::printf(
      "%d cases: %d outside the hours of a change: %d agree exactly, %d within the rounding to the "
      "minute, %d of %d in local mean time on both sides; %d within three hours of a change, of which "
      "%d "
      "agree.\nAgreement outside the hours of a change: %.2f%%\n",
      kCases, compared, agree, agreeRounded, localMeanAgree, localMean, nearChange, nearChangeAgree,
      100.0 * (agree + agreeRounded + localMeanAgree) / compared);
  for (const std::string& d : disagreements) std::printf("  %s\n", d.c_str());
  EXPECT_TRUE(disagreements.empty());
  EXPECT_GT(agree, compared * 9 / 10);
  EXPECT_GT(localMeanAgree, 0);
}

// Every table, at moments drawn evenly from 1970 to 2055 (whole minutes of
// Universal Time): the database's clock time at that moment, looked up in
// the table, must give the database's offset; a clock time that occurred
// twice may give either of its two offsets.
TEST(GeneratedAtlas, EveryTableFollowsTheTimeZoneDatabaseFrom1970To2055) {
  const std::vector<std::string> zones = ZoneList();
  ASSERT_GT(zones.size(), 300u)
      << "no zone list: run tools/setup-deps.sh for this build folder and build dst_tables";
  test::AtlasFolder folder;
  UseInstalledTables(folder);
  const char* perTable = std::getenv("VOSTRANE_ATLAS_CASES_PER_TABLE");
  const int kPerTable = perTable ? std::atoi(perTable) : 25;
  const int64_t from = AsUtc(1970, 1, 1, 0, 0, 0) / 60, to = AsUtc(2056, 1, 1, 0, 0, 0) / 60;
  std::mt19937_64 random(19702055);
  int compared = 0, agree = 0;
  std::vector<std::string> disagreements;
  ScopedScriptedMessages messages;
  for (size_t k = 0; k < zones.size(); ++k) {
    const SystemZone system(zones[k]);
    for (int i = 0; i < kPerTable; ++i) {
      const time_t t = static_cast<time_t>((from + static_cast<int64_t>(random() % (to - from))) * 60);
      const long database = system.Offset(t);
      std::tm tm{};
      const time_t local = t + database;
      gmtime_r(&local, &tm);
      AtlasFields f;
      f.dstTable = std::to_string(k + 1);
      SetMoment(f, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
      FillDaylightFromDateAndTable(f, BadDstInput::LeaveFocus);
      const std::optional<LocalClockCheck> clock = CheckLocalClockOfFields(f);
      ++compared;
      const long offset = f.daylight.size() == 1 && f.daylight != "L"
                              ? TableOffset(f.zoneHours, f.zoneMinutes, f.zoneEastWest, f.daylight)
                              : -1;
      const bool same = std::labs(offset - database) <= 30 ||
                        (clock && clock->kind == LocalClockKind::Repeated &&
                         std::labs(StateOffset(clock->after) - database) <= 30);
      if (same) {
        ++agree;
        continue;
      }
      char where[200];
      std::snprintf(where, sizeof where,
                    "table %zu %s %04d-%02d-%02d %02d:%02d: table %s:%s%s %s, database %ld s", k + 1,
                    zones[k].c_str(), tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                    tm.tm_min, f.zoneHours.c_str(), f.zoneMinutes.c_str(), f.zoneEastWest.c_str(),
                    f.daylight.c_str(), database);
      disagreements.push_back(where);
    }
  }
  EXPECT_TRUE(messages->Shown().empty());
  std::printf("%zu tables, %d moments from 1970 to 2055: %d agree (%.3f%%)\n", zones.size(), compared,
              agree, 100.0 * agree / compared);
  for (const std::string& d : disagreements) std::printf("  %s\n", d.c_str());
  EXPECT_GE(agree * 1000, compared * 999);
}

}  // namespace
}  // namespace vostrane
