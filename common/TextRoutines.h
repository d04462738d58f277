// SPDX-License-Identifier: GPL-3.0-or-later
// Text helpers on the program's one-byte (Windows-1252) strings: the first
// word, upper case and filling a text to a width.
#pragma once

#include <string>

// Trimming lives in platform/TextTrim.h; the entry form files still reach it
// through this header.
#include "platform/TextTrim.h"

namespace vostrane {

// The text up to (not including) its first blank; empty when the text is
// empty or starts with a blank.
std::string FirstWord(const std::string& text);

// Every letter upper-cased, including the accented letters of Windows-1252.
std::string UpperCase(const std::string& text);

// Fills the text to `length` characters: mode 'B' appends blanks, 'F' puts
// blanks in front, 'Z' puts "0" characters in front. Any other mode, or a
// text already at least `length` long, leaves the text unchanged.
std::string Pad(const std::string& text, int length, char mode);

}  // namespace vostrane
