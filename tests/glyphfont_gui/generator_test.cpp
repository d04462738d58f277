// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph font generator run again by hand: the same map gives the same
// bytes as the installed font, and a bad map stops it with the line named
// while the previous font file stays as it was.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>

#include <string>

#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

struct GeneratorRun {
  int exitCode = -1;
  std::string errors;
};

GeneratorRun Generate(const std::string& map, const std::string& output) {
  QProcess process;
  process.start(VOSTRANE_FONTFORGE_PYTHON,
                {QString::fromStdString(test::SourceFile("tools/generators/glyphfont/make_zorastro.py")),
                 QString::fromStdString(map), VOSTRANE_DEJAVU_SANS, VOSTRANE_SYMBOLA,
                 QString::fromStdString(output)});
  GeneratorRun run;
  if (!process.waitForFinished(120000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.errors = process.readAllStandardError().toStdString();
  return run;
}

QByteArray Bytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(GlyphFontGenerator, RebuildingGivesTheInstalledBytes) {
  test::TempFolder folder;
  const std::string map = test::SourceFile("data/glyphs/glyphmap.txt");
  const std::string first = folder.Path() + "/first.ttf", second = folder.Path() + "/second.ttf";
  const GeneratorRun a = Generate(map, first);
  ASSERT_EQ(a.exitCode, 0) << a.errors;
  const GeneratorRun b = Generate(map, second);
  ASSERT_EQ(b.exitCode, 0) << b.errors;
  const QByteArray bytes = Bytes(first);
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_EQ(bytes, Bytes(second));
  EXPECT_EQ(bytes, Bytes(test::InstallFile("zorastro.ttf")));
  EXPECT_TRUE(a.errors.empty()) << a.errors;
}

TEST(GlyphFontGenerator, BadMapNamesTheLineAndKeepsThePreviousFont) {
  test::TempFolder folder;
  const std::string output = folder.Path() + "/zorastro.ttf";
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"U+0061  a  planet  symbola:U+2609  Sun\nU+0061  a  planet  symbola:U+263D  Moon\n",
       "bad.txt:2: U+0061 already mapped on line 1"},
      {"# points\nU+0061  b  planet  symbola:U+2609  Sun\n", "bad.txt:2: key 'b' does not match"},
      {"U+0061  a  planet  symbola:U+E000  Sun\n", "bad.txt:1: the source font has no glyph U+E000"},
      {"U+0061  a  planet  draw:comet  Comet\n", "bad.txt:1: no drawing named 'comet'"},
      {"U+0061  a  star  symbola:U+2609  Sun\n", "bad.txt:1: unknown class 'star'"},
      {"U+0061  a  planet\n", "bad.txt:1: expected code, key, class, source and symbol"},
      {"U+0061  a  planet  symbola:U+2609  Sun \xff\n", "bad.txt: cannot read the map"},
      {"# nothing but comments\n", "bad.txt: no characters"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    folder.Write("bad.txt", c.text);
    folder.Write("zorastro.ttf", "previous font");
    const GeneratorRun run = Generate(folder.Path() + "/bad.txt", output);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    EXPECT_EQ(folder.Read("zorastro.ttf"), "previous font");
  }
}

}  // namespace
}  // namespace vostrane
