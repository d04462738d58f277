// SPDX-License-Identifier: GPL-3.0-or-later
// Aspect search: orbs at their limits, the applying/separating mark, the
// candidate rows, kinds and glyphs, and which points take part.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "tests/wheel/WheelTestSupport.h"
#include "wheel/Aspects.h"

namespace vostrane {
namespace {

using test::Aspect;
using test::MajorAspects;

AspectResult Find(const AspectTables& t, double pa, double va, double pb, double vb, bool sunMoon) {
  return FindAspectsBetween(t, pa, va, pb, vb, sunMoon);
}

TEST(FindAspects, SunMoonOrbAppliesWhenEitherPointIsSunOrMoon) {
  const AspectTables t = MajorAspects();  // conjunction: planets 7, Sun/Moon 10
  EXPECT_EQ(Find(t, 108, 1, 100, 1, true)[0].aspect, 1);
  EXPECT_FALSE(Find(t, 108, 1, 100, 1, false)[0].Found());

  // Through the ring arrays: point 0 (Sun) or 1 (Moon) selects the wider orb.
  RingArrays rings;
  rings.Ring(1) = test::MakeRing(test::EqualCusps(0), {{0, 108}, {1, 200}, {3, 92}, {4, 100}, {5, 192}});
  EXPECT_EQ(FindAspects(t, rings, 0, 1, 4, 1)[0].aspect, 1);
  EXPECT_EQ(FindAspects(t, rings, 5, 1, 1, 1)[0].aspect, 1);  // Moon as second point
  EXPECT_FALSE(FindAspects(t, rings, 3, 1, 4, 1)[0].Found());
}

TEST(FindAspects, OrbLimitsAreInclusiveOnBothSides) {
  const AspectTables t = MajorAspects();  // trine 120, planets orb 6
  EXPECT_EQ(Find(t, 114.0, 0, 0, 0, false)[0].aspect, 4);
  EXPECT_FALSE(Find(t, 113.99, 0, 0, 0, false)[0].Found());
  EXPECT_EQ(Find(t, 126.0, 0, 0, 0, false)[0].aspect, 4);
  EXPECT_FALSE(Find(t, 126.01, 0, 0, 0, false)[0].Found());
  // Conjunction (wraps through 0) from either side.
  EXPECT_EQ(Find(t, 7.0, 0, 0, 0, false)[0].aspect, 1);
  EXPECT_FALSE(Find(t, 7.01, 0, 0, 0, false)[0].Found());
  EXPECT_EQ(Find(t, 353.0, 0, 0, 0, false)[0].aspect, 1);
  EXPECT_FALSE(Find(t, 352.99, 0, 0, 0, false)[0].Found());
}

TEST(FindAspects, ConjunctionMarkFollowsTheFasterPoint) {
  const AspectTables t = MajorAspects();
  // Mars at 98, Jupiter at 100: the faster Mars behind closes in: applying.
  AspectResult r = Find(t, 98, 0.7, 100, 0.1, false);
  EXPECT_EQ(r[0].aspect, 1);
  EXPECT_EQ(r[0].mark, 'A');
  EXPECT_NEAR(r[0].orb, 2.0, 1e-9);
  // Two degrees past: separating, whichever point is named first.
  r = Find(t, 102, 0.7, 100, 0.1, false);
  EXPECT_EQ(r[0].mark, 'S');
  r = Find(t, 100, 0.1, 102, 0.7, false);
  EXPECT_EQ(r[0].mark, 'S');
  r = Find(t, 100, 0.1, 98, 0.7, false);
  EXPECT_EQ(r[0].mark, 'A');
}

TEST(FindAspects, TrineOrbAndMark) {
  const AspectTables t = MajorAspects();
  // Separation 118 that grows (the first point runs ahead): applying.
  AspectResult r = Find(t, 218, 1.0, 100, 0.1, false);
  ASSERT_EQ(r[0].aspect, 4);
  EXPECT_NEAR(r[0].orb, 2.0, 1e-9);
  EXPECT_EQ(r[0].mark, 'A');
  // The same separation shrinking: separating.
  r = Find(t, 218, 0.1, 100, 1.0, false);
  EXPECT_EQ(r[0].mark, 'S');
  // Measured the other way round the circle (g above 180).
  r = Find(t, 100, 0.1, 218, 1.0, false);
  EXPECT_EQ(r[0].mark, 'A');
  // At the exact angle: 'S' while closing, 'A' while opening.
  EXPECT_EQ(Find(t, 220, 0.1, 100, 1.0, false)[0].mark, 'S');
  EXPECT_EQ(Find(t, 220, 1.0, 100, 0.1, false)[0].mark, 'A');
}

TEST(FindAspects, NearOppositionFoldsBelow180) {
  const AspectTables t = MajorAspects();
  // 179.5 apart and closing in on the opposition from above: the folded
  // separation shrinks away from 180, so it separates.
  AspectResult r = Find(t, 279.5, 0.1, 100, 1.0, false);
  ASSERT_EQ(r[0].aspect, 2);
  EXPECT_NEAR(r[0].orb, 0.5, 1e-9);
  EXPECT_EQ(r[0].mark, 'S');
  EXPECT_EQ(Find(t, 279.5, 1.0, 100, 0.1, false)[0].mark, 'A');
  // 180.5 apart folds to 179.5 the other way round.
  r = Find(t, 280.5, 0.1, 100, 1.0, false);
  ASSERT_EQ(r[0].aspect, 2);
  EXPECT_NEAR(r[0].orb, 0.5, 1e-9);
}

TEST(FindAspects, ThirdPlaceHoldsTheLastOfFurtherAspects) {
  AspectTables t;
  // Four overlapping entries around 45 degrees, all listed in row 45.
  t.set.SetEntry(1, Aspect(45, 3, 3));
  t.set.SetEntry(2, Aspect(44, 3, 3));
  t.set.SetEntry(3, Aspect(46, 3, 3));
  t.set.SetEntry(4, Aspect(47, 3, 3));
  t.set.SetCandidates(45, {2, 1, 3, 4});
  BuildAspectTables(t);
  const AspectResult r = Find(t, 145.5, 0, 100, 0, false);
  EXPECT_EQ(r[0].aspect, 2);
  EXPECT_EQ(r[1].aspect, 1);
  EXPECT_EQ(r[2].aspect, 4);
  EXPECT_NEAR(r[2].orb, 1.5, 1e-9);
}

TEST(FindAspects, OnlyTheCandidateRowIsTested) {
  AspectTables t;
  t.set.SetEntry(1, Aspect(90, 8, 8));
  t.set.SetEntry(2, Aspect(255, 0, 0));  // an empty entry named in a row
  t.set.SetCandidates(88, {2, 1});
  BuildAspectTables(t);
  EXPECT_EQ(Find(t, 188.5, 0, 100, 0, false)[0].aspect, 1);
  // Within orb, but row 91 does not list it.
  EXPECT_FALSE(Find(t, 191.5, 0, 100, 0, false)[0].Found());
}

TEST(FindAspects, RowWithoutEndRunsIntoTheNext) {
  AspectTables t;
  t.set.SetEntry(1, Aspect(30, 2, 2));
  t.set.SetEntry(2, Aspect(31, 2, 2));
  // Row 30 filled to its end with aspect 1 (no 0 byte), row 31 lists 2.
  for (int b = 0; b < kCandidateRowSize; ++b) t.set.Data()[30 * kCandidateRowSize + b] = 1;
  t.set.SetCandidates(31, {2});
  BuildAspectTables(t);
  const AspectResult r = Find(t, 130.5, 0, 100, 0, false);
  EXPECT_EQ(r[0].aspect, 1);
  EXPECT_EQ(r[1].aspect, 1);
  EXPECT_EQ(r[2].aspect, 2);  // the last one found, from row 31
}

TEST(AspectTables, BoundsWrapForConjunctionAndStayForOthers) {
  const AspectTables t = MajorAspects();
  EXPECT_DOUBLE_EQ(t.Bounds(1).low[0], 353.0);
  EXPECT_DOUBLE_EQ(t.Bounds(1).high[0], 7.0);
  EXPECT_DOUBLE_EQ(t.Bounds(1).low[1], 350.0);
  EXPECT_DOUBLE_EQ(t.Bounds(2).high[1], 190.0);
  EXPECT_DOUBLE_EQ(t.Bounds(3).low[1], 82.0);
  EXPECT_FALSE(t.Bounds(6).inUse);
}

TEST(AspectKinds, ByAngle) {
  EXPECT_EQ(AspectKindOf(Aspect(0, 1, 1)).code, 0);
  EXPECT_EQ(AspectKindOf(Aspect(120, 1, 1)).legendGlyph, 4);
  EXPECT_EQ(AspectKindOf(Aspect(60, 1, 1)).legendGlyph, 5);
  EXPECT_EQ(AspectKindOf(Aspect(30, 1, 1)).code, 5);
  EXPECT_EQ(AspectKindOf(Aspect(30, 1, 1)).legendGlyph, 8);
  EXPECT_EQ(AspectKindOf(Aspect(135, 1, 1)).legendGlyph, 7);
  EXPECT_EQ(AspectKindOf(Aspect(144, 1, 1)).code, 10);
  EXPECT_EQ(AspectKindOf(Aspect(144, 1, 1)).legendGlyph, kNoAspectGlyph);
  EXPECT_EQ(AspectKindOf(Aspect(51, 1, 1, 25, 43)).code, 11);
  EXPECT_EQ(AspectKindOf(Aspect(154, 1, 1, 17, 9)).code, 13);
  EXPECT_EQ(AspectKindOf(Aspect(108, 1, 1)).code, 18);
  // Minutes or seconds keep an angle from its whole-degree kind.
  EXPECT_EQ(AspectKindOf(Aspect(45, 1, 1, 30)).code, kOtherAspectKind);
  EXPECT_EQ(AspectKindOf(Aspect(90, 1, 1, 0, 1)).code, kOtherAspectKind);
  EXPECT_EQ(AspectKindOf(Aspect(100, 1, 1)).code, kOtherAspectKind);

  EXPECT_EQ(AspectGlyphOf(Aspect(150, 1, 1)), 9);
  EXPECT_EQ(AspectGlyphOf(Aspect(45, 1, 1)), 6);
  EXPECT_EQ(AspectGlyphOf(Aspect(72, 1, 1)), kNoAspectGlyph);
  EXPECT_EQ(AspectGlyphOf(Aspect(90, 1, 1, 0, 1)), kNoAspectGlyph);
}

TEST(AspectPoints, TakingPartFollowsTheStyle) {
  WheelDefinition d = test::PlainStyle();
  for (int p = 0; p <= 9; ++p) EXPECT_TRUE(TakesPartInAspects(d, p, 1));
  for (int p = 10; p <= 19; ++p) EXPECT_FALSE(TakesPartInAspects(d, p, 1)) << p;

  d.SetLetter(wheel_offset::asteroids, 'y');  // on the wheel only
  EXPECT_FALSE(TakesPartInAspects(d, 13, 1));
  d.SetLetter(wheel_offset::asteroids, 'Y');
  EXPECT_TRUE(TakesPartInAspects(d, 16, 1));
  EXPECT_FALSE(TakesPartInAspects(d, 17, 1));

  d.SetLetter(wheel_offset::anglesInAspects, 'Y');
  EXPECT_TRUE(TakesPartInAspects(d, 11, 1));
  EXPECT_FALSE(TakesPartInAspects(d, 12, 2));  // ring 2 needs offset 54 too
  d.SetLetter(wheel_offset::anglesRing2, 'Y');
  EXPECT_TRUE(TakesPartInAspects(d, 12, 2));
  EXPECT_FALSE(TakesPartInAspects(d, 12, 3));

  d.SetLetter(wheel_offset::partOfFortune, 'y');
  EXPECT_FALSE(TakesPartInAspects(d, 18, 1));
  d.SetLetter(wheel_offset::partOfFortune, 'Y');
  EXPECT_TRUE(TakesPartInAspects(d, 18, 1));
}

TEST(LoadAspectSet, ReadsTheStylesSetAndKeepsTablesOnFailure) {
  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  AspectSet sets[3];
  sets[1].SetEntry(1, Aspect(0, 5, 9));
  sets[1].SetCandidates(3, {1});
  std::string bytes;
  for (const AspectSet& s : sets) bytes.append(reinterpret_cast<const char*>(s.Data()), kAspectSetSize);
  folder.Write("ANGLES.DAT", bytes);

  WheelDefinition d = test::PlainStyle();
  d.SetLetter(wheel_offset::aspectSet, '2');
  AspectTables t;
  EXPECT_TRUE(LoadAspectSet(t, d, "AAA"));
  EXPECT_TRUE(t.Bounds(1).inUse);
  EXPECT_DOUBLE_EQ(t.Bounds(1).low[1], 351.0);
  EXPECT_EQ(FindAspectsBetween(t, 3.5, 0, 0, 0, true)[0].aspect, 1);

  // A missing file: the message, and the tables of what is in memory.
  ASSERT_EQ(std::remove("ANGLES.DAT"), 0);
  EXPECT_FALSE(LoadAspectSet(t, d, "AAA"));
  EXPECT_TRUE(msgs->Saw("ANGLES.DAT not on disk"));
  EXPECT_TRUE(t.Bounds(1).inUse);
}

}  // namespace
}  // namespace vostrane
