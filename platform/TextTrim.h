// SPDX-License-Identifier: GPL-3.0-or-later
// Trimming texts at their ends. The variants differ in what they remove, and
// each caller keeps the one it was written for: the program's one-byte
// field texts lose blanks only (a tab or a carriage return at their end is
// data); definition and source lines lose all white space; a line read from
// a file loses the line-end characters its reader names; numbers taken from
// dBase records also lose the zero bytes some writers pad with.
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

// The text without the trailing characters that appear in `chars`, such as
// " \t\r" for a line whose CR LF end std::getline left half in place.
std::string TrimRightOf(std::string_view text, std::string_view chars);

// The part of the text between leading and trailing blanks and zero bytes.
std::string_view TrimBlanksAndZeros(std::string_view text);

}  // namespace vostrane
