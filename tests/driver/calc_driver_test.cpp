// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "platform/ScriptedMessageService.h"
#include "session/SessionFile.h"
#include "session/driver/CalcDriver.h"
#include "tests/session/SessionBuilder.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::DerivedEntry;
using test::EntryAt;
using test::NatalEntry;

// A calculator that logs what the driver asks of it and marks each entry.
class RecordingCalculator : public ChartCalculator {
 public:
  std::vector<std::string> log;
  double offset = 25.0;

  bool Houses(ChartEntry& e, NameFileImage&, bool) override {
    log.push_back("houses " + e.name());
    e.setAsc(100.0);
    return e.level() == 0 && e.nameRecord() != 0;
  }
  bool Planets(ChartEntry& e, NameFileImage&, PlanetFlags& flags, CalcProgress&, int) override {
    log.push_back("planets " + e.name());
    e.setLon(0, 10.0);
    e.setBody(BodyArray::HLon, 30, 359.0);
    e.setBody(BodyArray::Ra, 5, 25.0);
    e.setBody(BodyArray::Lat, 0, 1.5);
    flags = {'Y', 'N', 'Y'};
    return e.level() == 0 && e.nameRecord() != 0;
  }
  double UserZodiacOffset(const ChartEntry&) override { return offset; }
  std::optional<std::string> Derived(ChartEntry& e, const ChartEntry& base, const ChartEntry* second,
                                     bool) override {
    log.push_back("derived " + e.name() + (second ? " and " + second->name() : ""));
    if (e.name() == "Fails") return std::string("cannot be made");
    e.setYear(base.year());
    return std::nullopt;
  }
};

class RecordingNameFile : public NameFileWriteBack {
 public:
  std::vector<std::string> log;
  void PositionOn(const std::string& name, int32_t) override { log.push_back("position " + name); }
  void WriteBack(const NameFileImage&, bool full) override {
    log.push_back(full ? "write full" : "write houses");
  }
  void StoreCalculatedFlags(const PlanetFlags& f) override {
    log.push_back(std::string("flags ") + f.planetsCalculated + f.asteroidsCalculated +
                  f.hypotheticalsCalculated);
  }
};

class DriverTest : public testing::Test {
 protected:
  void Run(const std::vector<ChartEntry>& entries) {
    folder_.Write(kSessionFileName, test::SessionBytes(entries));
    CalculateSessionCharts(progress_, nameFile_, calc_, false);
    result_ = folder_.Read(kSessionFileName);
  }
  ChartEntry Result(int record) const { return EntryAt(result_, record); }

  test::TempFolder folder_;
  SilentProgress progress_;
  RecordingNameFile nameFile_;
  RecordingCalculator calc_;
  std::string result_;
};

TEST_F(DriverTest, NatalChartsAreCalculatedInOneLevelAndWrittenInPlace) {
  Run({NatalEntry("A"), NatalEntry("B")});
  EXPECT_EQ(calc_.log, (std::vector<std::string>{"houses A", "planets A", "houses B", "planets B"}));
  EXPECT_EQ(Result(1).asc(), 100.0);
  EXPECT_EQ(Result(2).lon(0), 10.0);
  EXPECT_EQ(Result(2).name(), "B");
  EXPECT_FALSE(Result(3).used());
  EXPECT_FALSE(SessionIsOpen());
}

TEST_F(DriverTest, DerivedChartsFollowTheirBaseLevelByLevel) {
  // Record 1 is a progression of record 2, which is a progression of record 3.
  ChartEntry second = DerivedEntry("P2", 4, 2);
  second.setLevel(2);
  ChartEntry first = DerivedEntry("P1", 4, 3);
  second.setChartSubtype(1);
  first.setChartSubtype(1);
  ChartEntry natal = NatalEntry("N");
  natal.setYear(1950);
  Run({second, first, natal});
  // Progressions get planets but no houses; each after its base.
  EXPECT_EQ(calc_.log, (std::vector<std::string>{"houses N", "planets N", "derived P1", "planets P1",
                                                 "derived P2", "planets P2"}));
  EXPECT_EQ(Result(2).year(), 1950);  // the chart data came from the base entry
  EXPECT_EQ(Result(1).year(), 1950);
  EXPECT_EQ(Result(1).name(), "P2");
}

TEST_F(DriverTest, ChartTypesDecideTheSteps) {
  ChartEntry direction = DerivedEntry("Dir", 4, 1);
  direction.setChartSubtype(2);  // a direction: neither houses nor planets
  ChartEntry composite = DerivedEntry("Comp", 1, 1);
  composite.setChartSubtype(1);
  ChartEntry nothing = DerivedEntry("None", 5, 1);
  ChartEntry solarReturn = DerivedEntry("SR", 2, 1);
  ChartEntry orphan = DerivedEntry("Orphan", 2, 40);  // base beyond the list
  orphan.setYear(1777);
  Run({NatalEntry("N"), direction, composite, nothing, solarReturn, orphan});
  EXPECT_EQ(calc_.log, (std::vector<std::string>{"houses N", "planets N", "derived Dir", "derived Comp",
                                                 "derived None", "derived SR", "houses SR", "planets SR",
                                                 "houses Orphan", "planets Orphan"}));
  EXPECT_EQ(Result(6).year(), 1777);  // left as it was
}

TEST_F(DriverTest, ACompositeGetsBothBasesAndAFailedChartStaysIncomplete) {
  ChartEntry composite = DerivedEntry("Comp", 1, 1);
  composite.setSecondBaseEntry(2);
  composite.setChartSubtype(2);
  ChartEntry fails = DerivedEntry("Fails", 2, 1);
  fails.setYear(1777);
  ScopedScriptedMessages messages;
  Run({NatalEntry("A"), NatalEntry("B"), composite, fails});
  EXPECT_EQ(calc_.log, (std::vector<std::string>{"houses A", "planets A", "houses B", "planets B",
                                                 "derived Comp and B", "derived Fails"}));
  EXPECT_TRUE(Result(3).calcComplete());
  EXPECT_FALSE(Result(4).calcComplete());
  EXPECT_EQ(Result(4).year(), 1777);
  ASSERT_EQ(messages->Shown().size(), 1u);
  EXPECT_EQ(messages->Shown()[0].text, "Entry 4 (Fails): cannot be made");
}

TEST_F(DriverTest, UserZodiacShiftsEveryLongitude) {
  ChartEntry e = NatalEntry("U");
  e.setUserZodiacType('B');
  Run({e});
  const ChartEntry r = Result(1);
  EXPECT_DOUBLE_EQ(r.lon(0), 345.0);  // 10 less 25
  EXPECT_DOUBLE_EQ(r.asc(), 75.0);
  EXPECT_DOUBLE_EQ(r.body(BodyArray::HLon, 30), 334.0);
  EXPECT_DOUBLE_EQ(r.body(BodyArray::Ra, 5), 0.0);
  EXPECT_DOUBLE_EQ(r.body(BodyArray::Lat, 0), 1.5);  // latitudes stay
}

TEST_F(DriverTest, OnlyLinkedEntriesTouchTheNameFile) {
  ChartEntry linked = NatalEntry("Linked");
  linked.setNameRecord(7);
  Run({NatalEntry("Typed"), linked});
  EXPECT_EQ(nameFile_.log,
            (std::vector<std::string>{"position Linked", "write houses", "write full", "flags YNY"}));
}

TEST_F(DriverTest, ADamagedLevelDoesNotKeepTheLoopGoing) {
  ChartEntry e = DerivedEntry("Deep", 2, 1);
  e.setLevel(INT_MAX);
  Run({NatalEntry("N"), e});
  EXPECT_EQ(calc_.log, (std::vector<std::string>{"houses N", "planets N"}));
}

TEST(DriverDeathTest, AListWithoutTerminatorEndsWithTheReadMessage) {
  test::TempFolder folder;
  folder.Write(kSessionFileName, test::SessionBytes({NatalEntry("A")}, false));
  SilentProgress progress;
  NoNameFileWriteBack nameFile;
  RecordingCalculator calc;
  EXPECT_EXIT(CalculateSessionCharts(progress, nameFile, calc, false), testing::ExitedWithCode(1),
              "Could not read INPUT.FIL");
}

TEST(ApplyUserZodiacOffset, OneStepIntoTheCircle) {
  ChartEntry e;
  e.setMc(359.0);
  e.setCusp(1, 0.0);
  ApplyUserZodiacOffset(e, -2.0);
  EXPECT_DOUBLE_EQ(e.mc(), 1.0);
  EXPECT_DOUBLE_EQ(e.cusp(1), 2.0);
}

}  // namespace
}  // namespace vostrane
