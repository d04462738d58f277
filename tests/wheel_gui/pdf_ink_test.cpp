// SPDX-License-Identifier: GPL-3.0-or-later
// The page saved as PDF and rasterised with pdftoppm inks the same boxes as
// the page bitmap of the screen laid out as printed: each page item's ink
// stands within a few pixels of where the screen draws it, on single, bi-
// and tri-wheel pages.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "common/MessageTextFile.h"
#include "platform/ScriptedMessageService.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/PageDefinition.h"
#include "wheel/Paper.h"
#include "wheel/gui/BitmapSurface.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;

struct Box {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  bool Any() const { return right >= left; }
};

// The ink (pixels darker than light grey) of an image inside a box.
Box InkIn(const QImage& image, const Box& b) {
  Box ink;
  const int x0 = std::max(0, int(b.left)), y0 = std::max(0, int(b.top));
  const int x1 = std::min(image.width() - 1, int(b.right)),
            y1 = std::min(image.height() - 1, int(b.bottom));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (qGray(image.pixel(x, y)) < 160) {
        ink.left = std::min<double>(ink.left, x), ink.right = std::max<double>(ink.right, x);
        ink.top = std::min<double>(ink.top, y), ink.bottom = std::max<double>(ink.bottom, y);
      }
  return ink;
}

bool HavePdftoppm() { return std::system("pdftoppm -v >/dev/null 2>&1") == 0; }

class PdfInkTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override {
    if (!HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
    for (const char* f : {"WHEELS.DAT", "ANGLES.DAT", "QIRTEXT.DAT", "PAGEW.DEF"})
      std::filesystem::copy_file(InstallFile(f), folder / f);
    ASSERT_TRUE(OpenMessageTextFile());
    fonts = LoadFontNames();
  }
  void TearDown() override { CloseMessageTextFile(); }

  test::TempFolder tempFolder;
  std::filesystem::path folder{tempFolder.Path()};
  ScopedScriptedMessages msgs;
  std::array<std::string, 16> fonts;
};

TEST_F(PdfInkTest, SavedPdfInksTheSameBoxesAsTheScreen) {
  const std::array<ChartEntry, 3> charts = {test::MakeChart(), test::MakeChart("Second"),
                                            test::MakeChart("Third")};
  PageDefinition def;
  ASSERT_TRUE(ReadPageDefinition(def, (folder / "PAGEW.DEF").string()));
  const PaperChoice letter{PaperKind::Letter, false};
  for (const char category : {'R', 'B', 'T'}) {
    SCOPED_TRACE(category);
    WheelPageInput in;
    in.category = category;
    in.inner = &charts[0];
    in.second = &charts[1];
    in.third = &charts[2];
    WheelPageAssembler assembler(LoadPageNames());

    const std::string pdf = (folder / "page.pdf").string();
    PrinterSettings settings;
    settings.oneDocumentPerPrintout = true;
    PrinterSurface printer(settings);
    printer.SetDefaultPaper(true);
    printer.SetPdfOutput(pdf);
    printer.SetFontNames(fonts);
    ASSERT_TRUE(assembler.AssembleWheelPage(printer, in));
    ASSERT_FALSE(printer.DocumentOpen());

    BitmapSurface bitmap;
    bitmap.SetPrintedPage(PaperScreenMetrics(letter, 1.0, 1.0),
                          PaperPrinterMetrics(letter, 600, def, false), 600);
    bitmap.SetFontNames(fonts);
    std::vector<PageItem> items;
    bitmap.SetItemSink(&items);
    ASSERT_TRUE(assembler.AssembleWheelPage(bitmap, in));
    const QImage screen = bitmap.Image();

    // The PDF rasterised onto the screen page's pixels.
    const double scale = bitmap.LayoutScale();
    const int width = std::lround(bitmap.Metrics().SheetWidth() * scale);
    const int height = std::lround(bitmap.Metrics().SheetHeight() * scale);
    const std::string png = (folder / "page").string();
    const std::string command = "pdftoppm -png -singlefile -scale-to-x " + std::to_string(width) +
                                " -scale-to-y " + std::to_string(height) + " '" + pdf + "' '" + png +
                                "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const QImage paper(QString::fromStdString(png + ".png"));
    ASSERT_EQ(paper.width(), width);

    // Items in printed pixels; the raster of the PDF stands at the printed
    // sheet's place on the screen sheet.
    const double dx = bitmap.LayoutOffset().x(), dy = bitmap.LayoutOffset().y();
    std::map<int, Box> boxes;
    for (const PageItem& it : items) {
      Box& b = boxes[it.tag.item];
      b.left = std::min(b.left, it.x0 * scale), b.right = std::max(b.right, it.x1 * scale);
      b.top = std::min(b.top, it.y0 * scale), b.bottom = std::max(b.bottom, it.y1 * scale);
    }
    int compared = 0;
    for (const auto& [item, b] : boxes) {
      const Box around{b.left - 3, b.top - 3, b.right + 3, b.bottom + 3};
      const Box shifted{around.left + dx, around.top + dy, around.right + dx, around.bottom + dy};
      Box onScreen = InkIn(screen, shifted);
      onScreen = {onScreen.left - dx, onScreen.top - dy, onScreen.right - dx, onScreen.bottom - dy};
      const Box onPaper = InkIn(paper, around);
      ASSERT_EQ(onScreen.Any(), onPaper.Any()) << PageItemName(item);
      if (!onScreen.Any()) continue;
      ++compared;
      const double tolerance = 3.0;
      EXPECT_NEAR(onPaper.left, onScreen.left, tolerance) << PageItemName(item);
      EXPECT_NEAR(onPaper.right, onScreen.right, tolerance) << PageItemName(item);
      EXPECT_NEAR(onPaper.top, onScreen.top, tolerance) << PageItemName(item);
      EXPECT_NEAR(onPaper.bottom, onScreen.bottom, tolerance) << PageItemName(item);
    }
    EXPECT_GE(compared, category == 'R' ? 8 : 4);
  }
}

}  // namespace
}  // namespace vostrane
