// SPDX-License-Identifier: GPL-3.0-or-later
// Bi- and tri-wheel pages leave the aspect lines a third of the wheel's
// radius, and the outer rings' glyphs and labels stay at least as large as
// 6 points on the printed page, on the viewer's page and on the printer.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "common/MessageTextFile.h"
#include "platform/ScriptedMessageService.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;

// The smallest readable label, in points on the printed page.
constexpr int kSmallestReadablePoints = 6;

class MultiWheelRoomTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override {
    for (const char* f : {"WHEELS.DAT", "ANGLES.DAT", "QIRTEXT.DAT", "PAGEW.DEF"})
      std::filesystem::copy_file(InstallFile(f), std::filesystem::path(folder.Path()) / f);
    ASSERT_TRUE(OpenMessageTextFile());
    fonts = LoadFontNames();
  }
  void TearDown() override { CloseMessageTextFile(); }

  // The height of 6 points of the lowest font on a printed page, as a share
  // of the page's height.
  double ReadableShare() {
    PrinterSettings settings;
    settings.oneDocumentPerPrintout = false;
    PrinterSurface p(settings);
    p.SetDefaultPaper(true);
    p.SetPdfOutput((std::filesystem::path(folder.Path()) / "measure.pdf").string());
    p.SetFontNames(fonts);
    EXPECT_TRUE(p.BeginPrintout('2', 'P'));
    // Style sizes are points on a printer page of this resolution.
    EXPECT_EQ(MappedFontSize(p.Metrics(), kSmallestReadablePoints), kSmallestReadablePoints);
    int least = 1 << 20;
    for (char font = 'A'; font <= 'P'; ++font) {
      p.SetFont(font, kSmallestReadablePoints, 0, TextStyle::Normal);
      least = std::min({least, p.TextHeight("a"), p.TextHeight("0")});
    }
    const double share = least / static_cast<double>(p.Metrics().pageHeight);
    p.EndPage(true);
    EXPECT_TRUE(p.EndDocument());
    return share;
  }

  void Check(DrawingSurface& s, double readableShare) {
    // Seven bodies of the outer charts within a few degrees crowd their
    // rings' columns.
    std::array<ChartEntry, 3> charts = {test::MakeChart(), test::MakeChart("Second"),
                                        test::MakeChart("Third")};
    for (int r = 1; r <= 2; ++r)
      for (int p = 0; p < 10; ++p) charts[r].setLon(p, 100.0 + 2.5 * p + 40.0 * r);
    WheelPageAssembler assembler(LoadPageNames());
    for (const char category : {'B', 'T'}) {
      SCOPED_TRACE(category);
      WheelPageInput in;
      in.category = category;
      in.inner = &charts[0];
      in.second = &charts[1];
      in.third = &charts[2];
      in.aspectPair = AspectPair::InnerSecond;
      std::vector<PageItem> items;
      s.SetItemSink(&items);
      ASSERT_TRUE(assembler.AssembleWheelPage(s, in));
      s.SetItemSink(nullptr);

      // The wheel's outermost circle and the reach of its aspect lines.
      double cx = 0, cy = 0, outer = 0, lines = 0;
      for (const PageItem& it : items)
        if (it.tag.item == page_item::kWheel && it.kind == PageItem::Kind::Ellipse &&
            it.x1 - it.x0 > 2 * outer) {
          outer = (it.x1 - it.x0) / 2.0;
          cx = (it.x0 + it.x1) / 2.0, cy = (it.y0 + it.y1) / 2.0;
        }
      const double k = s.Metrics().k;
      for (const PageItem& it : items)
        if (it.tag.role == ItemRole::AspectLine)
          for (const auto& [x, y] : {std::pair{it.fromX, it.fromY}, std::pair{it.toX, it.toY}})
            lines = std::max(lines, std::hypot(x - cx, (y - cy) / k));
      ASSERT_GT(lines, 0);
      std::cout << category << ": aspect lines reach " << lines / outer << " of the wheel's radius\n";
      EXPECT_GE(lines, outer / 3.0 - 2);

      // 6 printed points at this page's scale (one pixel for rounding).
      const double least = readableShare * s.Metrics().pageHeight - 1;
      int outerLabels = 0;
      for (const PageItem& it : items)
        if (it.tag.ring >= 2 &&
            (it.tag.role == ItemRole::PlanetGlyph || it.tag.role == ItemRole::PlanetLabel) &&
            it.kind != PageItem::Kind::Line) {
          ++outerLabels;
          EXPECT_GE(it.y1 - it.y0, least) << it.text << " in ring " << it.tag.ring;
        }
      EXPECT_GT(outerLabels, 20);
    }
  }

  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  std::array<std::string, 16> fonts;
};

TEST_F(MultiWheelRoomTest, OnTheScreen) {
  // The viewer's page; a screen of 1366x768 shows it scaled down whole,
  // fonts and all, which keeps every share of the page.
  const double share = ReadableShare();
  BitmapSurface s;
  s.SetFontNames(fonts);
  Check(s, share);
}

TEST_F(MultiWheelRoomTest, OnThePrinter) {
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = false;
  PrinterSurface s(settings);
  s.SetDefaultPaper(true);
  s.SetPdfOutput((std::filesystem::path(folder.Path()) / "pages.pdf").string());
  s.SetFontNames(fonts);
  Check(s, ReadableShare());
  EXPECT_TRUE(s.EndDocument());
}

}  // namespace
}  // namespace vostrane
