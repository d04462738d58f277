// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the installation-file generators: the readable sources
// are UTF-8 text files read line by line, and every problem is reported as
// "file:line: message" so that a failed build points at the line to fix.
#pragma once

#include <string>
#include <vector>

namespace vostrane::textgen {

struct SourceError {
  std::string file;
  int line = 0;
  std::string message;

  std::string Format() const;
};

// The lines of a source, without their line ends (LF or CR LF).
std::vector<std::string> SplitLines(const std::string& content);

// True for a line that holds nothing but blanks, or a comment ('#' first).
bool IsBlankOrComment(const std::string& line);

// Converts UTF-8 text to Windows-1252. Returns false when the text is not
// valid UTF-8 or holds a character that Windows-1252 has no code for.
bool ToCp1252Strict(const std::string& utf8, std::string& cp1252);

// Prints the errors to stderr, one a line.
void PrintErrors(const std::vector<SourceError>& errors);

// Reads the whole source; prints why and returns false when it cannot.
bool ReadSource(const std::string& path, std::string& content);

// Writes the bytes over the output through a temporary file, so that a
// failed write leaves the previous file as it was. Prints the failure.
bool WriteOutput(const std::string& path, const std::string& bytes);

}  // namespace vostrane::textgen
