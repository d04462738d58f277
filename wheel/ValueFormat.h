// SPDX-License-Identifier: GPL-3.0-or-later
// How the drawing surface writes numbers, longitudes and general values
// (DrawingSurface::DrawNumberWithMark, DrawLongitude, DrawValue). The font
// is a font letter 'A'..'P' as the wheel styles give it.
#pragma once

namespace vostrane {

// The mark after a number of DrawNumberWithMark, in the glyph font.
enum class NumberMark {
  Degree,
  Minute,
  Second,
  None,      // no mark, the number with two digits
  Unpadded,  // no mark, the number without a leading zero
};

struct LongitudeFormat {
  char font = 'H';          // the numbers' font
  bool wideGaps = true;     // gaps of gap_x round the sign glyph, else gap_x div 2
  bool rightAlign = false;  // the value ends at x
  bool seconds = false;     // minute mark, seconds and second mark after the minutes
};

// What stands between and after the parts of a general value.
enum class ValueMarks {
  Glyphs,  // degree, minute and second marks of the glyph font
  Blanks,  // a blank between the parts
  Colons,  // ":" between the parts
  None,    // nothing
};

// What a negative general value shows.
enum class NegativeSign {
  None,        // nothing
  Minus,       // "-" in the last blank before the degrees (in front when none)
  Retrograde,  // a blank and the retrograde mark after the value
};

struct ValueFormat {
  bool seconds = false;  // degrees, minutes and seconds; else degrees and minutes
  int degreeWidth = 2;   // the degrees right-aligned in this many blanks
  // -1 ends the value at x; above 1 moves x left half a digit for each digit
  // the degrees are short of this count; 0 and 1 leave x.
  int alignment = 0;
  char font = 'H';         // the numbers' font
  bool digitWise = false;  // every character on its own at the pitch of "0"
  ValueMarks marks = ValueMarks::Glyphs;
  NegativeSign sign = NegativeSign::None;
};

}  // namespace vostrane
