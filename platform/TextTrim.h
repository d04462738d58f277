// Trimming texts at their ends. The variants differ in what they remove, and
// each caller keeps the one it was written for: the program's one-byte
// field texts lose blanks only (a tab or a carriage return inside a field is
// data); lines of text files lose all white space; numbers taken from dBase
// records also lose the zero bytes some writers pad with.
#pragma once

#include <string>
#include <string_view>

namespace vostrane {

// The text without trailing / leading / both trailing and leading blanks
// (' ' only).
std::string TrimRight(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string Trim(const std::string& text);

// The text without leading and trailing white space as std::isspace sees it
// (blank, tab, line feed, vertical tab, form feed, carriage return).
std::string TrimSpace(std::string_view text);

// A line read from a text file without trailing blanks, tabs and carriage
// returns (lines written with CR LF ends keep their CR after std::getline).
std::string TrimLineEnd(std::string text);

// The part of the text between leading and trailing blanks and zero bytes.
std::string_view TrimBlanksAndZeros(std::string_view text);

}  // namespace vostrane
