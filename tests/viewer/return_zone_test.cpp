// SPDX-License-Identifier: GPL-3.0-or-later
// A return's place clock taken from the place's daylight-time table at the
// moment of the return, with the installed tables.
#include <gtest/gtest.h>

#include "atlas/DstTableIndex.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "viewer/ReturnZone.h"
#include "wheel/ReturnMoment.h"

namespace vostrane {
namespace {

TEST(ReturnZone, TheTableGivesTheDaylightTimeInForceAtTheReturn) {
  test::TempFolder dir;
  for (const char* file : {"DSTRECS.DAT", "DST.FIL"})
    dir.Write(file, ReadWholeFile(test::InstallFile(file)).value_or(""));
  ScopedScriptedMessages messages;
  LoadDstTableIndex();
  ASSERT_TRUE(DstIndex().loaded);

  // Solar returns in Paris (table 316), asked for as one hour east with
  // daylight time, as the place was on the day the return was asked for.
  auto returnAt = [](double julianDayUt) {
    ChartEntry e;
    e.InitNewEntry('T', 1);
    e.setChartType(chart_type::kSolarReturn);
    e.setLongitude(-2.35);
    e.setDstTable(316);
    e.setCalcComplete(true);
    e.setJulianDayUt(julianDayUt);
    e.setPrintoutParam(79, -3600);
    e.setPrintoutParam(80, 2);
    TakeReturnZoneFromItsTable(e);
    return ReturnLocalMoment(e);
  };
  const auto march = returnAt(2460748.3520833333);  // March 13, 2025, 8:27 PM GMT
  ASSERT_TRUE(march.has_value());
  EXPECT_EQ(march->daylight, 0);
  EXPECT_DOUBLE_EQ(march->zone, -1);
  EXPECT_EQ(march->local.time.hours, 21);
  const auto july = returnAt(2460870.0);  // July 13, 2025, noon GMT
  ASSERT_TRUE(july.has_value());
  EXPECT_EQ(july->daylight, 1);
  EXPECT_EQ(july->local.time.hours, 14);
  EXPECT_TRUE(messages->Shown().empty());
}

}  // namespace
}  // namespace vostrane
