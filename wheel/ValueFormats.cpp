// SPDX-License-Identifier: GPL-3.0-or-later
// Glyph placement and the value formats of labels and tables: numbers with
// marks, longitudes with their sign glyph, declinations and general
// degrees-minutes-seconds values.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/AngleTime.h"
#include "wheel/DrawingSurface.h"

namespace vostrane {

namespace {

// Restores the surface's font when a value format is done with it.
class FontKeeper {
 public:
  explicit FontKeeper(DrawingSurface& s)
      : s_(s),
        letter_(s.FontLetter()),
        size_(s.FontSize()),
        colour_(s.FontColour()),
        style_(s.FontStyle()) {}
  ~FontKeeper() {
    if (s_.FontLetter() != letter_ || s_.FontSize() != size_ || s_.FontColour() != colour_ ||
        s_.FontStyle() != style_)
      s_.SetFont(letter_, size_, colour_, style_);
  }
  // Switches to another font letter at the kept size, colour and style.
  void Use(char letter) {
    if (s_.FontLetter() != letter) s_.SetFont(letter, size_, colour_, style_);
  }
  void Use(char letter, int32_t colour) {
    if (s_.FontLetter() != letter || s_.FontColour() != colour)
      s_.SetFont(letter, size_, colour, style_);
  }

 private:
  DrawingSurface& s_;
  char letter_;
  int size_;
  int32_t colour_;
  TextStyle style_;
};

char MarkChar(NumberMark mark) {
  switch (mark) {
    case NumberMark::Degree: return kDegreeMark;
    case NumberMark::Minute: return kMinuteMark;
    case NumberMark::Second: return kSecondMark;
    case NumberMark::None:
    case NumberMark::Unpadded: break;
  }
  return 0;
}

// One piece of a composed value: text in the number font or in the glyph font.
struct Piece {
  std::string text;
  bool glyph = false;
};

}  // namespace

std::string DrawingSurface::TwoDigits(int n) {
  return (n >= 0 && n <= 9 ? "0" : "") + std::to_string(n);
}

int DrawingSurface::GlyphReferenceWidth(GlyphKind kind) {
  switch (kind) {
    case GlyphKind::Point: return std::max(TextWidth(";"), TextWidth("l"));
    case GlyphKind::Sign: return TextWidth("[");
    case GlyphKind::Aspect: return TextWidth("n");
    case GlyphKind::Digit: return TextWidth("0");
    case GlyphKind::Literal: break;
  }
  return TextWidth("W");
}

void DrawingSurface::DrawGlyph(GlyphKind kind, int index, int& x, GlyphAnchor anchor, int y) {
  FontKeeper keep(*this);
  keep.Use('A');
  const std::string g(1, GlyphChar(kind, index));
  const int w = TextWidth(g);
  int left = x, top = y;
  switch (anchor) {
    case GlyphAnchor::Centre:
      left = x - GlyphReferenceWidth(kind) / 2;
      top = y - TextHeight(g) / 2;
      break;
    case GlyphAnchor::OwnCentre:
      left = x - w / 2;
      top = y - TextHeight(g) / 2;
      break;
    case GlyphAnchor::CentreOnAscent:
      left = x - w / 2;
      top = y - FontAscent() / 2;
      break;
    case GlyphAnchor::HalfLeft: left = x - w / 2; break;
    case GlyphAnchor::InReference: left = x + (GlyphReferenceWidth(kind) - w) / 2; break;
    case GlyphAnchor::TopLeft: break;
  }
  TextAt(left, top, g);
  x += w;
}

int DrawingSurface::DrawNumber(int value, int x, int y, bool zeroPad, int width) {
  std::string text = std::to_string(value);
  if (zeroPad && text.size() == 1) text = "0" + text;
  const int missing = width - static_cast<int>(text.size());
  if (missing > 0) x += missing * TextWidth("0");
  TextAt(x, y, text);
  return x + TextWidth(text);
}

int DrawingSurface::DrawNumberWithMark(int value, int x, int y, bool centred, char fontLetter,
                                       NumberMark mark, int markRaise, int32_t colour) {
  FontKeeper keep(*this);
  const std::string number = mark == NumberMark::Unpadded ? std::to_string(value) : TwoDigits(value);
  const char m = MarkChar(mark);
  const std::string markText = m ? std::string(1, m) : std::string();
  keep.Use('A', colour);
  const int markWidth = markText.empty() ? 0 : TextWidth(markText);
  const int markHeight = markText.empty() ? 0 : TextHeight(markText);
  keep.Use(fontLetter, colour);
  const int numberWidth = TextWidth(number);
  if (centred) {
    x -= (numberWidth + markWidth) / 2;
    y -= std::max(TextHeight(number), markHeight) / 2;
  }
  TextAt(x, y, number);
  if (!markText.empty()) {
    keep.Use('A', colour);
    TextAt(x + numberWidth, y - markRaise, markText);
  }
  return x + numberWidth + markWidth;
}

int DrawingSurface::DrawLongitude(int x, int y, const LongitudeFormat& format, double longitude) {
  FontKeeper keep(*this);
  const bool withSeconds = format.seconds;
  const char fontLetter = format.font;
  const SignPosition p = SplitLongitude(longitude, withSeconds);
  const int gap = format.wideGaps ? metrics_.gapX : metrics_.gapX / 2;
  const std::string degrees = std::to_string(p.degrees);
  const std::string minutes = TwoDigits(p.minutes);
  const std::string secs = TwoDigits(p.seconds);
  const std::string sign(1, GlyphChar(GlyphKind::Sign, p.signIndex));

  keep.Use(fontLetter);
  const int w0 = TextWidth("0");
  const int degreeWidth = TextWidth(degrees);
  const int minuteWidth = TextWidth(minutes);
  const int secondWidth = withSeconds ? TextWidth(secs) : 0;
  keep.Use('A');
  const int signField = TextWidth("[");
  const int minuteMark = withSeconds ? TextWidth(std::string(1, kMinuteMark)) : 0;
  const int secondMark = withSeconds ? TextWidth(std::string(1, kSecondMark)) : 0;

  const int total = 2 * w0 + gap + signField + gap + minuteWidth + minuteMark + secondWidth + secondMark;
  if (format.rightAlign) x -= total;
  const int numberY = y + metrics_.baseOffset;

  const int signX = x + 2 * w0 + gap;
  const int minuteX = signX + signField + gap;
  TextAt(signX, y, sign);
  keep.Use(fontLetter);
  TextAt(x + 2 * w0 - degreeWidth, numberY, degrees);
  TextAt(minuteX, numberY, minutes);
  if (withSeconds) {
    const int markX = minuteX + minuteWidth;
    TextAt(markX + minuteMark, numberY, secs);
    keep.Use('A');
    TextAt(markX, y, std::string(1, kMinuteMark));
    TextAt(markX + minuteMark + secondWidth, y, std::string(1, kSecondMark));
  }
  return x + total;
}

int DrawingSurface::DrawDeclination(int x, int y, double value) {
  const HoursMinutes d = SplitHours(value);
  const std::string degrees = std::to_string(d.hours);
  const int w0 = TextWidth("0");
  TextAt(x + 2 * w0 - TextWidth(degrees), y, degrees);
  const int letterX = x + TextWidth("00") + metrics_.gapX;
  TextAt(letterX, y, value < 0 && (d.hours != 0 || d.minutes != 0) ? "S" : "N");
  const int minuteX = letterX + std::max(TextWidth("N"), TextWidth("S")) + metrics_.gapX;
  const std::string minutes = TwoDigits(d.minutes);
  TextAt(minuteX, y, minutes);
  return minuteX + TextWidth(minutes);
}

int DrawingSurface::DrawValue(int x, int y, const ValueFormat& format, double value) {
  FontKeeper keep(*this);
  const bool withSeconds = format.seconds;
  const int degreeWidth = format.degreeWidth;
  const char fontLetter = format.font;
  const ValueMarks marks = format.marks;
  int deg = 0, min = 0, sec = 0;
  if (withSeconds) {
    const DegreesMinutesSeconds d = SplitDegrees(value);
    deg = d.degrees, min = d.minutes, sec = d.seconds;
  } else {
    const HoursMinutes d = SplitHours(value);
    deg = d.hours, min = d.minutes;
  }
  const bool negative = value < 0 && (deg != 0 || min != 0 || sec != 0);

  // Degrees right-aligned in their field, padded with blanks; a minus sign
  // takes the last blank before the digits, or goes in front.
  const std::string digits = std::to_string(deg);
  std::string degrees = digits;
  if (static_cast<int>(degrees.size()) < degreeWidth)
    degrees = std::string(degreeWidth - degrees.size(), ' ') + degrees;
  if (format.sign == NegativeSign::Minus && negative) {
    const size_t firstDigit = degrees.size() - digits.size();
    if (firstDigit > 0) degrees[firstDigit - 1] = '-';
    else degrees = "-" + degrees;
  }

  std::vector<Piece> pieces;
  auto part = [&](const std::string& text) { pieces.push_back({text, false}); };
  auto mark = [&](char m) { pieces.push_back({std::string(1, m), true}); };
  const std::string separator = marks == ValueMarks::Blanks   ? " "
                                : marks == ValueMarks::Colons ? ":"
                                                              : "";
  const bool glyphMarks = marks == ValueMarks::Glyphs;
  part(degrees);
  if (glyphMarks) mark(kDegreeMark);
  part(separator + TwoDigits(min));
  if (glyphMarks) mark(kMinuteMark);
  if (withSeconds) {
    part(separator + TwoDigits(sec));
    if (glyphMarks) mark(kSecondMark);
  }
  if (format.sign == NegativeSign::Retrograde && negative) {
    part(" ");
    mark(kRetrogradeMark);
  }

  keep.Use(fontLetter);
  const int w0 = TextWidth("0");
  auto width = [&](const Piece& p) {
    if (p.glyph) {
      keep.Use('A');
      return TextWidth(p.text);
    }
    keep.Use(fontLetter);
    return format.digitWise ? w0 * static_cast<int>(p.text.size()) : TextWidth(p.text);
  };
  int total = 0;
  for (const Piece& p : pieces) total += width(p);

  const int alignment = format.alignment;
  if (alignment == -1) x -= total;
  else if (alignment > 1 && static_cast<int>(digits.size()) < alignment)
    x -= (alignment - static_cast<int>(digits.size())) * w0 / 2;

  for (const Piece& p : pieces) {
    if (p.glyph) {
      keep.Use('A');
      TextAt(x, y, p.text);
      x += TextWidth(p.text);
    } else {
      keep.Use(fontLetter);
      if (format.digitWise) {
        for (char c : p.text) {
          if (c != ' ') TextAt(x, y, std::string(1, c));
          x += w0;
        }
      } else {
        TextAt(x, y, p.text);
        x += TextWidth(p.text);
      }
    }
  }
  return x;
}

}  // namespace vostrane
