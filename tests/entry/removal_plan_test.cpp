// SPDX-License-Identifier: GPL-3.0-or-later
// Planning the removal of an entry: refusals, the dependents and the
// question, the kept first entry, and the duplicate marks after a removal.
#include <gtest/gtest.h>

#include "entry/EntryMarks.h"
#include "entry/RemovalPlan.h"

namespace vostrane {
namespace {

ChartEntry Natal(const std::string& name) {
  ChartEntry e;
  e.InitNewEntry('T', 0);
  e.setName(name);
  e.setPlace("Somewhere");
  return e;
}

ChartEntry Derived(int type, int base) {
  ChartEntry e = Natal("derived");
  e.setChartType(static_cast<uint8_t>(type));
  e.setBaseEntry(base);
  return e;
}

TEST(RemovalPlan, OnlyEntryIsRefused) {
  const RemovalPlan plan = PlanRemoval({Natal("A")}, 1);
  EXPECT_EQ(plan.kind, RemovalKind::OnlyEntry);
  EXPECT_TRUE(plan.removed.empty());
  EXPECT_EQ(plan.text.rfind("There is only 1 entry.\r\nYou cannot remove this entry.", 0), 0u);
}

TEST(RemovalPlan, ProgressionNeededByForecastsIsRefused) {
  ChartEntry natal = Natal("A");
  natal.setPrintoutCode(3, 7, "ZZZ");
  const RemovalPlan plan = PlanRemoval({natal, Derived(4, 1)}, 2);
  EXPECT_EQ(plan.kind, RemovalKind::ForecastsRefer);
  EXPECT_EQ(plan.text.rfind("Sorry! You cannot remove this item", 0), 0u);
  EXPECT_EQ(PlanRemoval({Natal("A"), Derived(4, 1)}, 2).kind, RemovalKind::Single);
}

TEST(RemovalPlan, NatalWithTwoProgressionsAsksAboutTwoDependents) {
  const std::vector<ChartEntry> entries = {Natal("A"), Natal("B"), Derived(4, 2), Derived(4, 2),
                                           Natal("C")};
  const RemovalPlan plan = PlanRemoval(entries, 2);
  EXPECT_EQ(plan.kind, RemovalKind::WithDependents);
  EXPECT_EQ(plan.removed, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(plan.text,
            "Note: There are 2 entries that are dependent on this entry,\r\n"
            "such as, for example, progressions or solar returns of this\r\n"
            "entry, and they will also be removed.\r\n\r\n"
            "Proceed with removing these entries?");
}

TEST(RemovalPlan, FirstEntryStaysWhenEverythingWouldGo) {
  const RemovalPlan plan = PlanRemoval({Natal("A"), Derived(2, 1), Derived(4, 2)}, 1);
  EXPECT_EQ(plan.kind, RemovalKind::FirstKept);
  EXPECT_EQ(plan.removed, (std::vector<int>{2, 3}));
  EXPECT_EQ(plan.text.rfind("Note: The first entry will not be removed because there\r\n", 0), 0u);
  EXPECT_NE(plan.text.find("There are 2 entries that are dependent on this entry,"), std::string::npos);
  EXPECT_NE(plan.text.find("entry, and they will be removed.\r\n\r\nProceed"), std::string::npos);
  // A natal second entry with no dependents of its own is simply removed.
  const RemovalPlan single = PlanRemoval({Natal("A"), Natal("B"), Derived(4, 1)}, 2);
  EXPECT_EQ(single.kind, RemovalKind::Single);
  EXPECT_EQ(single.removed, (std::vector<int>{2}));
  EXPECT_TRUE(single.text.empty());
}

TEST(RemovalPlan, DuplicateMarkStaysOnlyBehindAnEarlierNamesake) {
  std::vector<ChartEntry> entries = {Natal("Ann"), Natal("Ann"), Natal("Bob")};
  SetDuplicateName(entries[1], true);
  SetDuplicateName(entries[2], true);
  EXPECT_EQ(ClearStaleDuplicateMarks(entries), (std::vector<int>{3}));
  EXPECT_TRUE(IsDuplicateName(entries[1]));
  EXPECT_FALSE(IsDuplicateName(entries[2]));
}

}  // namespace
}  // namespace vostrane
