// SPDX-License-Identifier: GPL-3.0-or-later
// The installed glyph font: loads as "Vostrane Glyphs", holds every character of
// the map with a glyph of its own, and its symbols are sized, weighted and
// placed alike. Also writes the specimen sheet glyph-specimen.png into the
// build folder for a visual check.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/glyphfont_gui/GlyphMapReader.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

using test::GlyphMapEntry;
using test::InstalledGlyphMap;

const QString kFontFile = QString::fromStdString(test::InstallFile("zorastro.ttf"));

// Loads the font once for all tests, as the program does at start-up.
int FontId() {
  static const int id = QFontDatabase::addApplicationFont(kFontFile);
  return id;
}

QString Char(char32_t code) { return QString::fromUcs4(&code, 1); }

quint32 GlyphOf(const QRawFont& font, char32_t code) {
  const auto glyphs = font.glyphIndexesForString(Char(code));
  return glyphs.size() == 1 ? glyphs[0] : 0;
}

bool IsSymbol(const GlyphMapEntry& e) { return e.cls != "text"; }

// One glyph drawn black on white, straight from the raw font so that no
// other font can stand in for a missing glyph.
QImage Render(const QRawFont& font, quint32 glyph, int cell) {
  QImage image(cell, cell, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes({glyph});
  run.setPositions({QPointF(0, 0)});
  painter.setPen(Qt::black);
  painter.drawGlyphRun(QPointF(cell * 0.1, cell * 0.75), run);
  return image;
}

bool Inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

int InkCount(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += Inked(image, x, y);
  return n;
}

// Mean stroke width in pixels: twice the inked area over the number of
// inked pixels on an edge, as for a long stroke of even width.
double StrokeWidth(const QImage& image) {
  int ink = 0, edge = 0;
  for (int y = 1; y + 1 < image.height(); ++y)
    for (int x = 1; x + 1 < image.width(); ++x) {
      if (!Inked(image, x, y)) continue;
      ++ink;
      if (!Inked(image, x - 1, y) || !Inked(image, x + 1, y) || !Inked(image, x, y - 1) ||
          !Inked(image, x, y + 1))
        ++edge;
    }
  return edge ? 2.0 * ink / edge : 0.0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

class GlyphFontTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(FontId(), -1) << "cannot load " << kFontFile.toStdString();
    ASSERT_FALSE(InstalledGlyphMap().empty());
  }
};

TEST_F(GlyphFontTest, LoadsAsTheFamilyVostraneGlyphs) {
  EXPECT_EQ(QFontDatabase::applicationFontFamilies(FontId()), QStringList{"Vostrane Glyphs"});
  // The start-up check compares the family name exactly with the installed ones.
  EXPECT_TRUE(QFontDatabase::families().contains("Vostrane Glyphs", Qt::CaseSensitive));
  const QRawFont raw(kFontFile, 24);
  EXPECT_EQ(raw.familyName(), "Vostrane Glyphs");
}

// The characters the wheel, tables and grids draw, with the symbol each one
// must be: the map may hold more, never less, and never another order.
TEST_F(GlyphFontTest, MapHoldsEveryDrawnCharacterWithItsSymbol) {
  const std::vector<std::pair<char, const char*>> drawn = {{'a', "Sun"},
                                                           {'s', "Moon"},
                                                           {'d', "Mercury"},
                                                           {'f', "Venus"},
                                                           {'g', "Mars"},
                                                           {'h', "Jupiter"},
                                                           {'j', "Saturn"},
                                                           {'k', "Uranus"},
                                                           {'l', "Neptune"},
                                                           {';', "Pluto"},
                                                           {'A', "North node"},
                                                           {'S', "Ascendant"},
                                                           {'D', "Midheaven"},
                                                           {'F', "Ceres"},
                                                           {'G', "Pallas"},
                                                           {'H', "Juno"},
                                                           {'J', "Vesta"},
                                                           {'K', "Chiron"},
                                                           {'L', "Part of Fortune"},
                                                           {'Q', "South node"},
                                                           {'U', "Vertex"},
                                                           {'O', "East point"},
                                                           {'Z', "Cupido"},
                                                           {'X', "Hades"},
                                                           {'C', "Zeus"},
                                                           {'V', "Kronos"},
                                                           {'B', "Apollon"},
                                                           {'N', "Admetos"},
                                                           {'M', "Vulcanus"},
                                                           {'/', "Poseidon"},
                                                           {'q', "Aries"},
                                                           {'w', "Taurus"},
                                                           {'e', "Gemini"},
                                                           {'r', "Cancer"},
                                                           {'t', "Leo"},
                                                           {'y', "Virgo"},
                                                           {'u', "Libra"},
                                                           {'i', "Scorpio"},
                                                           {'o', "Sagittarius"},
                                                           {'p', "Capricorn"},
                                                           {'[', "Aquarius"},
                                                           {']', "Pisces"},
                                                           {'z', "Conjunction"},
                                                           {'x', "Opposition"},
                                                           {'c', "Square"},
                                                           {'b', "Trine"},
                                                           {'n', "Sextile"},
                                                           {'m', "Semi-square"},
                                                           {'<', "Sesquiquadrate"},
                                                           {'>', "Semi-sextile"},
                                                           {'?', "Quincunx"},
                                                           {'P', "Parallel"},
                                                           {'{', "Contra-parallel"},
                                                           {'}', "Degree mark"},
                                                           {'\'', "Minute mark"},
                                                           {'"', "Second mark"},
                                                           {'\\', "Retrograde mark"},
                                                           {'0', "Digit zero"},
                                                           {'9', "Digit nine"}};
  std::map<char32_t, std::string> symbolOf;
  for (const auto& e : InstalledGlyphMap()) symbolOf[e.code] = e.symbol;
  for (const auto& [ch, symbol] : drawn) {
    const auto it = symbolOf.find(static_cast<char32_t>(ch));
    ASSERT_NE(it, symbolOf.end()) << "character '" << ch << "' is not mapped";
    EXPECT_EQ(it->second.rfind(symbol, 0), 0u) << "'" << ch << "' draws " << it->second;
  }
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(symbolOf.count(static_cast<char32_t>(c))) << c;
}

TEST_F(GlyphFontTest, EveryMappedCharacterHasItsOwnGlyph) {
  const QRawFont raw(kFontFile, 48);
  ASSERT_TRUE(raw.isValid());
  QFont font("Vostrane Glyphs");
  font.setPixelSize(48);
  const QFontMetrics metrics(font);
  std::map<quint32, char32_t> charOfGlyph;
  for (const auto& e : InstalledGlyphMap()) {
    SCOPED_TRACE("map line " + std::to_string(e.line) + ": " + e.symbol);
    EXPECT_TRUE(raw.supportsCharacter(e.code));
    EXPECT_TRUE(metrics.inFont(Char(e.code).at(0)));
    const quint32 glyph = GlyphOf(raw, e.code);
    EXPECT_NE(glyph, 0u) << "mapped to .notdef";
    EXPECT_TRUE(charOfGlyph.emplace(glyph, e.code).second) << "glyph shared with another character";
  }
}

TEST_F(GlyphFontTest, EveryGlyphDrawsInkAndDistinctSymbolsLookDistinct) {
  const QRawFont raw(kFontFile, 48);
  std::map<QByteArray, std::string> symbolOfImage;
  for (const auto& e : InstalledGlyphMap()) {
    SCOPED_TRACE("map line " + std::to_string(e.line) + ": " + e.symbol);
    const QImage image = Render(raw, GlyphOf(raw, e.code), 96);
    const int ink = InkCount(image);
    if (e.code == U' ') {
      EXPECT_EQ(ink, 0);
      EXPECT_GT(raw.advancesForGlyphIndexes({GlyphOf(raw, e.code)}).value(0).x(), 0.0);
      continue;
    }
    EXPECT_GT(ink, 8) << "draws nothing";
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    const auto [it, fresh] = symbolOfImage.emplace(bits, e.symbol);
    EXPECT_TRUE(fresh) << "looks the same as " << it->second;
  }
}

// Measured at 2048 pixels per em, so that pixels are font units.
TEST_F(GlyphFontTest, SymbolsSitInsideTheLineAndLevelWithTheDigits) {
  const QRawFont raw(kFontFile, 2048);
  const QRectF zero = raw.boundingRect(GlyphOf(raw, U'0'));
  const double digitMiddle = zero.center().y();
  for (const auto& e : InstalledGlyphMap()) {
    if (!IsSymbol(e)) continue;
    SCOPED_TRACE("map line " + std::to_string(e.line) + ": " + e.symbol);
    const quint32 glyph = GlyphOf(raw, e.code);
    const QRectF box = raw.boundingRect(glyph);
    const double advance = raw.advancesForGlyphIndexes({glyph}).value(0).x();
    EXPECT_GE(box.left(), 0.0) << "sticks out to the left";
    EXPECT_LE(box.right(), advance) << "sticks into the next glyph";
    EXPECT_GE(box.top(), -raw.ascent()) << "clipped at the top of the line";
    EXPECT_LE(box.bottom(), raw.descent()) << "clipped at the bottom of the line";
    EXPECT_NEAR(box.center().y(), digitMiddle, 0.05 * zero.height()) << "not level with the digits";
  }
}

// Within each class (planets, signs, aspects) no symbol is much smaller than
// the largest, and all symbols share one stroke weight.
TEST_F(GlyphFontTest, SymbolsOfAClassAreBalancedInSizeAndWeight) {
  const QRawFont sizing(kFontFile, 2048);
  const QRawFont drawing(kFontFile, 160);
  std::map<std::string, double> largest;
  std::map<std::string, std::vector<std::pair<const GlyphMapEntry*, double>>> extents;
  std::vector<double> widths;
  std::vector<std::pair<const GlyphMapEntry*, double>> strokes;
  for (const auto& e : InstalledGlyphMap()) {
    if (!IsSymbol(e)) continue;
    const QRectF box = sizing.boundingRect(GlyphOf(sizing, e.code));
    const double extent = std::max(box.width(), box.height());
    largest[e.cls] = std::max(largest[e.cls], extent);
    extents[e.cls].push_back({&e, extent});
    const double w = StrokeWidth(Render(drawing, GlyphOf(drawing, e.code), 240));
    widths.push_back(w);
    strokes.push_back({&e, w});
  }
  ASSERT_EQ(extents.count("planet"), 1u);
  ASSERT_EQ(extents.count("sign"), 1u);
  ASSERT_EQ(extents.count("aspect"), 1u);
  for (const auto& [cls, list] : extents)
    for (const auto& [e, extent] : list)
      EXPECT_GE(extent, 0.6 * largest[cls]) << e->symbol << " is small beside the other " << cls << "s";
  const double median = Median(widths);
  for (const auto& [e, w] : strokes) {
    EXPECT_GT(w, 0.7 * median) << e->symbol << " is light beside the others";
    EXPECT_LT(w, 1.4 * median) << e->symbol << " is heavy beside the others";
  }
}

// The sheet of every glyph with its character and name, on guide lines for
// the baseline and the digit height, and a line of mixed text below.
TEST_F(GlyphFontTest, WritesTheSpecimenSheet) {
  const auto& map = InstalledGlyphMap();
  const int columns = 10, cellW = 180, cellH = 200, size = 96;
  const int rows = static_cast<int>((map.size() + columns - 1) / columns);
  QImage sheet(columns * cellW, rows * cellH + 230, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  const QRawFont raw(kFontFile, size);
  const QRectF zero = raw.boundingRect(GlyphOf(raw, U'0'));
  QFont label("DejaVu Sans");
  label.setPixelSize(11);
  for (size_t i = 0; i < map.size(); ++i) {
    const auto& e = map[i];
    const int x = static_cast<int>(i % columns) * cellW, y = static_cast<int>(i / columns) * cellH;
    const int baseline = y + 135;
    painter.setPen(QColor(170, 200, 255));
    painter.drawLine(x + 8, baseline, x + cellW - 8, baseline);
    painter.setPen(QColor(255, 190, 190));
    painter.drawLine(x + 8, baseline + qRound(zero.top()), x + cellW - 8, baseline + qRound(zero.top()));
    const quint32 glyph = GlyphOf(raw, e.code);
    const double advance = raw.advancesForGlyphIndexes({glyph}).value(0).x();
    painter.setPen(QColor(220, 220, 220));
    painter.drawRect(QRectF(x + (cellW - advance) / 2, baseline - raw.ascent(), advance,
                            raw.ascent() + raw.descent()));
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes({glyph});
    run.setPositions({QPointF(0, 0)});
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(x + (cellW - advance) / 2, baseline), run);
    painter.setFont(label);
    const QString key = e.code == U' ' ? QStringLiteral("space") : Char(e.code);
    painter.drawText(QRect(x, y + cellH - 40, cellW, 36), Qt::AlignHCenter | Qt::TextWordWrap,
                     key + "  " + QString::fromStdString(e.symbol));
  }
  QFont astro("Vostrane Glyphs");
  astro.setPixelSize(48);
  painter.setFont(astro);
  painter.setPen(Qt::black);
  painter.drawText(20, rows * cellH + 60, "a 12}q34'  s 05}w59'\\  S 28}]07'12\"  z b n c");
  painter.drawText(20, rows * cellH + 120, "aPs  dPh  f{g  -12}30'  ;  0123456789");
  // Every symbol at the small sizes a wheel uses.
  int y = rows * cellH + 160;
  for (const int pixels : {16, 24}) {
    const QRawFont small(kFontFile, pixels);
    QGlyphRun run;
    run.setRawFont(small);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    double x = 0;
    for (const auto& e : map) {
      if (!IsSymbol(e)) continue;
      const quint32 glyph = GlyphOf(small, e.code);
      glyphs.append(glyph);
      positions.append(QPointF(x, 0));
      x += small.advancesForGlyphIndexes({glyph}).value(0).x() + pixels / 4.0;
    }
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(20, y), run);
    y += pixels + 20;
  }
  painter.end();

  const QString path = QString::fromStdString(test::BuildFile("glyph-specimen.png"));
  ASSERT_TRUE(sheet.save(path)) << path.toStdString();
}

}  // namespace
}  // namespace vostrane
