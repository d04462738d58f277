// Bi- and tri-wheel pages leave the aspect lines a third (nearly a quarter)
// of the wheel's radius, and the outer rings' glyphs and labels stay at least as large as
// the smallest item size, on the screen and on the printer.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <filesystem>

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

constexpr int kSmallestReadableSize = 6;

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

  void Check(DrawingSurface& s) {
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
      // A bi-wheel's aspect lines reach a third of its radius; a tri-wheel's
      // nearly a quarter (its inner ring keeps its band).
      EXPECT_GE(lines, outer * (category == 'B' ? 1.0 / 3.0 : 0.24) - 2);

      // The height of the lowest font at the smallest size on this device.
      int least = 1 << 20;
      for (char font = 'A'; font <= 'P'; ++font) {
        s.SetFont(font, kSmallestReadableSize, 0, TextStyle::Normal);
        least = std::min({least, s.TextHeight("a"), s.TextHeight("0")});
      }
      ASSERT_GT(least, 0);
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
  BitmapSurface s;
  s.SetFontNames(fonts);
  Check(s);
}

TEST_F(MultiWheelRoomTest, OnThePrinter) {
  PrinterSettings settings;
  settings.oneDocumentPerPrintout = false;
  PrinterSurface s(settings);
  s.SetDefaultPaper(true);
  s.SetPdfOutput((std::filesystem::path(folder.Path()) / "pages.pdf").string());
  s.SetFontNames(fonts);
  Check(s);
  EXPECT_TRUE(s.EndDocument());
}

}  // namespace
}  // namespace vostrane
