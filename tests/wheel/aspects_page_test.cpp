// SPDX-License-Identifier: GPL-3.0-or-later
// The aspects page, drawn on the recording surface with the installed wheel
// styles and aspect sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/ScriptedMessageService.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/AspectsPage.h"
#include "wheel/RecordingSurface.h"

namespace vostrane {
namespace {

// The rows of one item of the page: its texts joined by "|", row by row.
std::vector<std::string> RowsOf(const RecordingSurface& s, int item) {
  std::map<int, std::map<int, std::string>> rows;
  for (const DrawOp& op : s.Ops())
    if (op.kind == DrawOp::Kind::Text && op.tag.item == item && !op.text.empty())
      rows[op.y1][op.x1] = op.text;
  std::vector<std::string> out;
  for (const auto& [y, cells] : rows) {
    std::string text;
    for (const auto& [x, cell] : cells) text += (text.empty() ? "" : "|") + cell;
    out.push_back(text);
  }
  return out;
}

TEST(AspectsPage, ListsAspectsByOrbWithPatternsAndComparesTwoCharts) {
  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  for (const char* f : {"WHEELS.DAT", "ANGLES.DAT"})
    std::filesystem::copy_file(test::InstallFile(f), std::filesystem::path(folder.Path()) / f);
  // A Grand Trine of the Sun, the Moon and Mars; the Moon's trine to the Sun
  // (0.5 degrees) closes while the Sun's to the slower Mars (1.2) opens.
  ChartEntry inner = test::MakeChart("Doe, John");
  const double lons[] = {10.0, 129.5, 55.0, 290.0, 248.8, 200.0, 165.0, 205.0, 340.0, 320.0};
  for (int b = 0; b < 10; ++b) inner.setLon(b, lons[b]);
  inner.setBody(BodyArray::Speed, 1, 13.0);
  inner.setBody(BodyArray::Speed, 4, 0.3);
  // The outer Sun just past the inner one, in the same degree, moving away.
  ChartEntry outer = test::MakeChart("Roe, Jane");
  for (int b = 0; b < 10; ++b) outer.setLon(b, lons[b] + 47.0);
  outer.setLon(0, 10.3);
  outer.setBody(BodyArray::Speed, 0, 1.0);

  RecordingSurface s;
  AspectsPageInput in;
  in.inner = &inner;
  ASSERT_TRUE(AssembleAspectsPage(s, in, DefaultPageNames()));
  const std::vector<std::string> list = RowsOf(s, page_item::kAspectList);
  // The first line that holds the row (a long list runs in blocks side by side).
  auto row = [&](const std::vector<std::string>& rows, const std::string& text) {
    return std::find_if(rows.begin(), rows.end(),
                        [&](const std::string& line) { return line.find(text) != std::string::npos; }) -
           rows.begin();
  };
  const auto moonSun = row(list,
                           "Sun|Trine|Moon|0\xB0"
                           "30'|A"),
             sunMars = row(list,
                           "Sun|Trine|Mars|1\xB0"
                           "12'|S");
  EXPECT_LT(moonSun, sunMars) << s.Dump();
  EXPECT_LT(sunMars, static_cast<long>(list.size())) << s.Dump();
  EXPECT_LT(row(RowsOf(s, page_item::kAspectPatterns), "Grand Trine: Sun, Moon, Mars"),
            static_cast<long>(RowsOf(s, page_item::kAspectPatterns).size()))
      << s.Dump();

  // Compared: the outer Sun on the inner one, and the house overlay.
  RecordingSurface two;
  in.outer = &outer;
  ASSERT_TRUE(AssembleAspectsPage(two, in, DefaultPageNames()));
  const std::vector<std::string> inter = RowsOf(two, page_item::kAspectList);
  EXPECT_LT(row(inter,
                "Sun|Conjunction|Sun|0\xB0"
                "18'|S|partile"),
            static_cast<long>(inter.size()))
      << two.Dump();
  EXPECT_FALSE(RowsOf(two, page_item::kHouseOverlay).empty());
  EXPECT_TRUE(RowsOf(two, page_item::kAspectPatterns).empty());
}

}  // namespace
}  // namespace vostrane
