// SPDX-License-Identifier: GPL-3.0-or-later
// The standard page as an SVG file: well-formed, every text of the page
// recording there as text at its place, the glyph font as outlines, the
// sheet of the chosen paper.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "common/MessageTextFile.h"
#include "platform/CodePage.h"
#include "platform/ScriptedMessageService.h"
#include "tests/wheel/PageTestSupport.h"
#include "wheel/FontNames.h"
#include "wheel/PageAssembly.h"
#include "wheel/gui/SvgSurface.h"

namespace vostrane {
namespace {

using test::InstallFile;

struct SvgContent {
  QString width, height, viewBox;
  std::vector<std::pair<std::string, int>> texts;  // text and x
  std::vector<std::string> textFonts;
  int paths = 0;
};

// Parses the whole document; fails the test when it is not well-formed.
SvgContent ParseSvg(const std::string& path) {
  SvgContent c;
  QFile f(QString::fromStdString(path));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&f);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    if (xml.name() == u"svg") {
      c.width = a.value("width").toString();
      c.height = a.value("height").toString();
      c.viewBox = a.value("viewBox").toString();
    } else if (xml.name() == u"path") {
      ++c.paths;
    } else if (xml.name() == u"text") {
      const int x = a.value("x").toInt();
      c.textFonts.push_back(a.value("font-family").toString().toStdString());
      c.texts.emplace_back(xml.readElementText().toStdString(), x);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return c;
}

class SvgSurfaceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    QFontDatabase::addApplicationFont(QString::fromStdString(InstallFile("zorastro.ttf")));
  }
  void SetUp() override {
    for (const char* f : {"WHEELS.DAT", "ANGLES.DAT", "QIRTEXT.DAT", "PAGEW.DEF"})
      std::filesystem::copy_file(InstallFile(f), std::filesystem::path(folder.Path()) / f);
    ASSERT_TRUE(OpenMessageTextFile());
  }
  void TearDown() override { CloseMessageTextFile(); }

  // Draws the standard page of a chart into the file; the items drawn go
  // to `items`.
  bool Write(const std::string& path, const PaperChoice& paper, std::vector<PageItem>& items) {
    PrinterSettings settings;
    settings.paper = paper;
    WheelPageAssembler assembler(LoadPageNames());
    WheelPageInput page;
    page.inner = &chart;
    return WriteSvgFile(path, SvgPageMetrics(settings), kSvgDotsPerInch, "Jos\xe9", LoadFontNames(),
                        nullptr, [&](DrawingSurface& s) {
                          s.SetItemSink(&items);
                          return assembler.AssembleWheelPage(s, page);
                        });
  }

  test::TempFolder folder;
  ScopedScriptedMessages msgs;
  ChartEntry chart = test::MakeChart("M\xfcller, Jos\xe9");
};

TEST_F(SvgSurfaceTest, TextsOfThePageRecordingAndGlyphOutlines) {
  std::vector<PageItem> items;
  ASSERT_TRUE(Write("page.svg", {PaperKind::A4, false}, items));
  const SvgContent svg = ParseSvg(folder.Path() + "/page.svg");
  EXPECT_EQ(svg.width, "210.016mm");
  EXPECT_EQ(svg.height, "297.011mm");
  EXPECT_EQ(svg.viewBox, "0 0 4961 7016");

  std::vector<std::pair<std::string, int>> recorded;
  int glyphs = 0;
  for (const PageItem& item : items) {
    if (item.kind == PageItem::Kind::Text) recorded.emplace_back(Cp1252ToUtf8(item.text), item.x0);
    if (item.kind == PageItem::Kind::Glyph) ++glyphs;
  }
  ASSERT_GT(recorded.size(), 100u);
  std::vector<std::pair<std::string, int>> written = svg.texts;
  std::sort(recorded.begin(), recorded.end());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, recorded);
  // Program texts (Windows-1252) reach the file as Unicode.
  EXPECT_TRUE(std::any_of(written.begin(), written.end(), [](const auto& t) {
    return t.first.find("Jos\u00e9 M\u00fcller") != std::string::npos;
  }));
  // The glyph font is never left to the reader: its texts are outlines.
  EXPECT_GT(glyphs, 50);
  EXPECT_GE(svg.paths, glyphs);
  for (const std::string& family : svg.textFonts) EXPECT_NE(family, kGlyphFontFamily);
  EXPECT_TRUE(msgs->Shown().empty());
}

TEST_F(SvgSurfaceTest, LandscapeSheetAndAFolderThatIsMissing) {
  std::vector<PageItem> items;
  ASSERT_TRUE(Write("wide.svg", {PaperKind::Letter, true}, items));
  const SvgContent svg = ParseSvg(folder.Path() + "/wide.svg");
  EXPECT_EQ(svg.viewBox, "0 0 6600 5100");
  EXPECT_EQ(svg.width, "279.4mm");

  items.clear();
  EXPECT_FALSE(Write(folder.Path() + "/missing/page.svg", {PaperKind::A4, false}, items));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/missing"));
}

}  // namespace
}  // namespace vostrane
