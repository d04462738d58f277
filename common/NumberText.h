// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers to text and text to numbers, in the fixed widths and fill modes
// the program's lists, files and form fields use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vostrane {

// The value returned by the parsing routines for text that is not a number.
constexpr int kNotANumber = -32767;

// Integer to text. With `minusOne` a positive value is first decreased
// by 1 (list positions counted from 1 shown as record numbers counted from
// 0). The digits of the absolute value are filled up to `width` (one less
// for a negative value) in the mode of Pad: 'B' blanks after, 'F' blanks in
// front, 'Z' zeros in front, anything else adds nothing; a negative value
// then gets "-" in front. 7 in width 3 'Z' gives "007", -7 gives "-07".
std::string IntegerToText(int64_t value, int width, char mode, bool minusOne = false);

// Real to text in fixed notation of at least `width` characters with
// `decimals` decimals, right-aligned. `zeroFilled` fills with zeros instead of
// blanks and marks a negative value with "-" in place of the leading "0"
// (or in front when the text has no leading "0"): -1.5 in width 6 with 2
// decimals gives "-01.50".
std::string RealToText(double value, int width, int decimals, bool zeroFilled = false);

// Strict decimal parse: optional leading blanks, an optional sign and
// digits, nothing after them; nullopt for anything else or beyond 32 bits.
std::optional<int> ParseInteger(const std::string& text);

// Strict decimal number: an optional sign, digits with an optional decimal
// point (a digit on at least one side) and an optional exponent, nothing
// before or after; nullopt for anything else, such as hexadecimal ("0x10"),
// "inf", "nan", blanks or trailing text, and for values beyond a double.
std::optional<double> ParseDecimal(const std::string& text);

// Integer from text: trailing blanks removed, then parsed; kNotANumber
// (-32767) when the text is not a number.
int IntegerFromText(const std::string& text);

// The integer formed by the leading digits of the text ("12: Paris" gives
// 12); kNotANumber when the text does not start with a digit or the digits
// do not fit 32 bits.
int LeadingInteger(const std::string& text);

// Range check of a numeric field: the trimmed text with inner blanks turned
// into "0" when it parses to a value in [minimum, maximum]; otherwise the
// previous text.
std::string RangeCheckField(const std::string& text, int minimum, int maximum,
                            const std::string& previous);

}  // namespace vostrane
