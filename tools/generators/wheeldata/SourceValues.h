// SPDX-License-Identifier: GPL-3.0-or-later
// Value syntax shared by the wheel-data sources: "key = value" lines,
// "[section N]" headers, colours by palette name, number or #RRGGBB, and
// comma-separated number lists. Each parser returns false with a message
// that the caller reports as file:line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vostrane::wheeldata {

// The line without its comment and surrounding blanks: a comment starts at
// a '#' that begins the line or follows a blank, unless it is an RGB colour
// "#RRGGBB".
std::string StripComment(const std::string& line);

// "[name N] anything": true with the name and number when the line is a
// section header; `error` set when it looks like one but is malformed.
bool ParseSection(const std::string& line, std::string& name, int& number, std::string& error);

// Walks a sectioned source line by line. Comments and blank lines are
// skipped; a "[name N]" header goes to `section` with its name and number
// (a malformed one is reported through `fail` and then handed on with an
// empty name, so the caller can close its current section); every other
// line goes to `body`. Line numbers count from 1.
using SourceFail = std::function<void(int lineNo, const std::string& message)>;
void WalkSectionedSource(
    const std::string& content, const SourceFail& fail,
    const std::function<void(const std::string& name, int number, int lineNo)>& section,
    const std::function<void(const std::string& line, int lineNo)>& body);

// "key = value": false when there is no '='.
bool SplitKeyValue(const std::string& line, std::string& key, std::string& value);

bool ParseInt(const std::string& text, long minimum, long maximum, long& value, std::string& error);
// Integers separated by commas (and blanks), exactly `count` of them.
bool ParseIntList(const std::string& text, size_t count, long minimum, long maximum,
                  std::vector<long>& values, std::string& error);
// A palette name (black, navy, green, teal, red, maroon, olive, silver, grey,
// blue, lime, aqua, fuchsia, purple, yellow, white), a palette number 0..15,
// or #RRGGBB (stored with red in the low byte). With paletteOnly the RGB
// form is refused.
bool ParseColour(const std::string& text, bool paletteOnly, int32_t& colour, std::string& error);

}  // namespace vostrane::wheeldata
