// SPDX-License-Identifier: GPL-3.0-or-later
// The printer surface writing PDF (no printer in the test environment, or
// an explicit PDF file): page size, metrics, documents, abort.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <array>
#include <cstdio>
#include <regex>

#include "platform/FileSystem.h"
#include "platform/ScriptedMessageService.h"
#include "tests/support/TempFolder.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;
using test::TempFolder;

class PrinterSurfaceTest : public testing::Test {
 protected:
  void SetUp() override {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
    dir.Write("PAGEW.DEF", ReadWholeFile(InstallFile("PAGEW.DEF")).value_or(""));
    settings.config2.paperWidth = 8.5;
    settings.config2.paperHeight = 11;
    settings.oneDocumentPerPrintout = true;
  }
  std::string Pdf(const std::string& name = "page.pdf") const {
    return ReadWholeFile(dir.Path() + "/" + name).value_or("");
  }
  // Pages of a PDF and the media box of its first page (points).
  static int PageCount(const std::string& pdf) {
    static const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
  }
  static std::vector<double> MediaBox(const std::string& pdf) {
    static const std::regex box(
        "/MediaBox\\s*\\[\\s*([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)");
    std::smatch m;
    if (!std::regex_search(pdf, m, box)) return {};
    return {std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])};
  }

  TempFolder dir;
  PrinterSettings settings;
  ScopedScriptedMessages msgs;
};

TEST_F(PrinterSurfaceTest, LetterPageAt600DpiWithItsMetrics) {
  PrinterSurface s(settings);
  s.SetPdfOutput("page.pdf");
  SurfaceHost host;
  host.SetCaption("Wheel");
  s.SetHost(&host);
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));
  const PageMetrics& m = s.Metrics();
  EXPECT_EQ(m.device, OutputDevice::Printer);
  EXPECT_EQ(m.pageWidth, 5100);
  EXPECT_EQ(m.pageHeight, 6600);
  EXPECT_DOUBLE_EQ(m.k, 1.0);
  EXPECT_EQ(m.x0, 191);  // PAGEW.DEF: 30/800 of the width
  EXPECT_EQ(m.y0, 165);  // 25/1000 of the height
  EXPECT_EQ(m.lineHeight, 83);
  EXPECT_EQ(m.baseWidth, 2);
  // Fonts are measured at the printer's resolution.
  s.SetFont('B', 10, 0, TextStyle::Normal);
  const int digit = s.TextWidth("0");
  EXPECT_GT(digit, 40);
  EXPECT_LT(digit, 70);
  s.SetRingPen();
  s.Circle(2550, 3000, 1500);
  int x = 2550;
  s.SetFont('A', 24, 4, TextStyle::Normal);
  s.DrawGlyph(GlyphKind::Point, 0, x, GlyphAnchor::Centre, 3000);
  s.DrawLongitude(500, 500, LongitudeFormat{.font = 'B', .seconds = true}, 123.456);
  EXPECT_TRUE(Pdf().empty());  // nothing replaces the file before the end
  s.EndPage(true);

  const std::string pdf = Pdf();
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_EQ(PageCount(pdf), 1);
  // The glyphs come from the glyph font, embedded in the document.
  EXPECT_NE(pdf.find("/BaseFont /VostraneGlyphs"), std::string::npos);
  const std::vector<double> box = MediaBox(pdf);
  ASSERT_EQ(box.size(), 4u);
  EXPECT_NEAR(box[2] - box[0], 612, 1);
  EXPECT_NEAR(box[3] - box[1], 792, 1);
  EXPECT_FALSE(FileExists(dir.Path() + "/page.pdf.tmp"));
  EXPECT_FALSE(s.DocumentOpen());
  EXPECT_EQ(host.Caption(), "Wheel");
  EXPECT_TRUE(msgs->Shown().empty());
}

// The document title is a program text (Windows-1252); readers of the PDF
// see it in Unicode. The glyph font is embedded under its own family even
// when an older message text file names its former family.
TEST_F(PrinterSurfaceTest, TitleAndGlyphFontAsPdfReadersSeeThem) {
  settings.jobTitle = "Vostrane - Jos\xe9 M\xfcller - Natal Chart";
  PrinterSurface s(settings);
  s.SetPdfOutput("title.pdf");
  std::array<std::string, 16> fonts;
  fonts.fill("DejaVu Sans");
  fonts[0] = "ZorlanAstro";
  s.SetFontNames(fonts);
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));
  s.SetFont('A', 24, 4, TextStyle::Normal);
  int x = 2550;
  s.DrawGlyph(GlyphKind::Point, 0, x, GlyphAnchor::Centre, 3000);
  s.EndPage(true);

  const std::string command = "pdfinfo '" + dir.Path() + "/title.pdf' 2>&1";
  std::string info;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) info += buffer;
    pclose(pipe);
  }
  EXPECT_NE(info.find("Title:           Vostrane - Jos\u00e9 M\u00fcller - Natal Chart\n"),
            std::string::npos)
      << info;
  EXPECT_EQ(info.find("Author:"), std::string::npos) << info;
  const std::string pdf = Pdf("title.pdf");
  EXPECT_NE(pdf.find("/BaseFont /VostraneGlyphs"), std::string::npos);
  EXPECT_EQ(pdf.find("ZorlanAstro"), std::string::npos);
}

TEST_F(PrinterSurfaceTest, A4AndLandscapePages) {
  settings.config2.paperWidth = 210 / 25.4;
  settings.config2.paperHeight = 297 / 25.4;
  {
    PrinterSurface s(settings);
    s.SetPdfOutput("a4.pdf");
    ASSERT_TRUE(s.BeginPrintout('2', 'P'));
    EXPECT_NEAR(s.Metrics().pageHeight, 7016, 2);
    s.EndPage(true);
  }
  std::vector<double> box = MediaBox(Pdf("a4.pdf"));
  ASSERT_EQ(box.size(), 4u);
  EXPECT_NEAR(box[2] - box[0], 595.3, 1);
  EXPECT_NEAR(box[3] - box[1], 841.9, 1);

  settings.config2.paperWidth = settings.config2.paperHeight = 0;  // the locale's paper
  {
    PrinterSurface s(settings);
    s.SetDefaultPaper(true);  // Letter, as in the US and Canada
    s.SetPdfOutput("wide.pdf");
    ASSERT_TRUE(s.BeginPrintout('2', 'L'));
    EXPECT_EQ(s.Metrics().pageWidth, 6600);
    EXPECT_EQ(s.Metrics().pageHeight, 5100);
    s.EndPage(true);
  }
  box = MediaBox(Pdf("wide.pdf"));
  ASSERT_EQ(box.size(), 4u);
  EXPECT_NEAR(box[2] - box[0], 792, 1);
  EXPECT_NEAR(box[3] - box[1], 612, 1);

  // An upright printout on a sideways A4 sheet takes the sheet's shape and
  // keeps the upright page's frame and line height.
  settings.paper = {PaperKind::A4, true};
  {
    PrinterSurface s(settings);
    s.SetPdfOutput("sideways.pdf");
    ASSERT_TRUE(s.BeginPrintout('2', 'P'));
    const PageMetrics& m = s.Metrics();
    EXPECT_NEAR(m.pageWidth, 7016, 4);
    EXPECT_NEAR(m.pageHeight, 4961, 4);
    EXPECT_NEAR(m.upright.pageHeight, 7016, 4);
    EXPECT_EQ(m.lineHeight, static_cast<int>(m.upright.pageHeight / (63 * 1.25)));
    EXPECT_DOUBLE_EQ(m.sheetScale, 1.0);
    s.EndPage(true);
  }
  box = MediaBox(Pdf("sideways.pdf"));
  ASSERT_EQ(box.size(), 4u);
  EXPECT_NEAR(box[2] - box[0], 841.9, 1);
  EXPECT_NEAR(box[3] - box[1], 595.3, 1);
}

TEST_F(PrinterSurfaceTest, InterruptedPrintoutIsAbortedAndLeavesTheOldFile) {
  dir.Write("page.pdf", "previous document");
  PrinterSurface s(settings);
  s.SetPdfOutput("page.pdf");
  SurfaceHost host;
  s.SetHost(&host);
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));
  s.TextAt(100, 100, "interrupted");
  host.SetContinueFlag(false);
  s.EndPage(true);
  EXPECT_FALSE(s.DocumentOpen());
  EXPECT_EQ(Pdf(), "previous document");
  EXPECT_FALSE(FileExists(dir.Path() + "/page.pdf.tmp"));
}

TEST_F(PrinterSurfaceTest, OneDocumentCollectsThePagesOfSeveralPrintouts) {
  settings.oneDocumentPerPrintout = false;
  PrinterSurface s(settings);
  s.SetPdfOutput("book.pdf");
  for (int page = 0; page < 3; ++page) {
    ASSERT_TRUE(s.BeginPrintout('2', 'P'));
    s.TextAt(500, 500, "page " + std::to_string(page + 1));
    s.EndPage(true);
    EXPECT_TRUE(s.DocumentOpen());
  }
  EXPECT_TRUE(Pdf("book.pdf").empty());
  s.EndDocument();
  // Three pages and no empty one after them.
  EXPECT_EQ(PageCount(Pdf("book.pdf")), 3);
}

TEST_F(PrinterSurfaceTest, EachPrintoutItsOwnDocument) {
  PrinterSurface s(settings);
  s.SetPdfOutput("single.pdf");
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));
  s.EndPage(false);                        // not the last page: the next printout starts a new one
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));  // ends the open document first
  EXPECT_EQ(PageCount(Pdf("single.pdf")), 1);
  s.EndPage(true);
  EXPECT_EQ(PageCount(Pdf("single.pdf")), 1);
}

TEST_F(PrinterSurfaceTest, MonochromeAndWideLineSettings) {
  settings.config2.monochrome = true;
  settings.config1.printerIndex = 0;  // keep the configured flags
  settings.widerLines = true;
  PrinterSurface s(settings);
  s.SetPdfOutput("mono.pdf");
  ASSERT_TRUE(s.BeginPrintout('2', 'P'));
  EXPECT_TRUE(s.Metrics().monochrome);
  EXPECT_EQ(s.Metrics().baseWidth, 4);
  s.EndPage(true);
  // With the default printer the flags follow the device's colour depth.
  settings.config1.printerIndex = -2;
  PrinterSurface c(settings);
  c.SetPdfOutput("colour.pdf");
  ASSERT_TRUE(c.BeginPrintout('2', 'P'));
  EXPECT_FALSE(c.Metrics().monochrome);
  EXPECT_FALSE(c.Settings().config1.monochrome);
  c.EndPage(true);
}

TEST_F(PrinterSurfaceTest, UnwritableOutputIsReported) {
  PrinterSurface s(settings);
  s.SetPdfOutput(dir.Path() + "/no such folder/page.pdf");
  EXPECT_FALSE(s.BeginPrintout('2', 'P'));
  EXPECT_TRUE(msgs->Saw("Unable to start printing"));
  EXPECT_FALSE(s.DocumentOpen());
  s.EndPage(true);  // harmless without a document
}

}  // namespace
}  // namespace vostrane
