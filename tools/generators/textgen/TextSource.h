// SPDX-License-Identifier: GPL-3.0-or-later
// The readable source of the message text file "QIRTEXT.DAT" and the file
// built from it.
//
// Source: one text a line, "number<TAB>text", numbers strictly ascending;
// blank lines and lines starting with '#' are comments. The text is UTF-8
// and is stored in Windows-1252. It is taken exactly as written, except for
// two escapes that keep significant blanks visible to editors: "\s" is a
// blank and "\\" a backslash.
//
// File: records of 71 bytes, a length byte and 70 characters padded with
// blanks; text k is record k - 1. Numbers the source leaves out give empty
// records, up to the highest number given.
#pragma once

#include <string>
#include <vector>

#include "tools/generators/textgen/SourceFile.h"

namespace vostrane::textgen {

constexpr size_t kTextCapacity = 70;
constexpr size_t kTextRecordSize = kTextCapacity + 1;
constexpr int kHighestTextNumber = 32767;

struct NumberedText {
  int number = 0;
  std::string text;  // Windows-1252
};

struct TextSource {
  std::vector<NumberedText> texts;  // ascending by number
  std::vector<SourceError> errors;  // empty when the source is sound
};

TextSource ParseTextSource(const std::string& content, const std::string& fileName);

// The bytes of the message text file for the texts (ascending by number).
std::string BuildMessageTextFile(const std::vector<NumberedText>& texts);

}  // namespace vostrane::textgen
