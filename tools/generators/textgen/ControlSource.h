// SPDX-License-Identifier: GPL-3.0-or-later
// The readable source of the control file "ZORCTRL.DAT" and the record built
// from it.
//
// Source: one field a line, "offset type value", optionally followed by a
// '#' comment; blank lines and lines starting with '#' are comments. Types:
//   char     one character, written 'Y'
//   chars    several characters, written "XXXXXXXXX" (the size is their count)
//   stringN  a string[N] (length byte + N characters), written "text"
//   i16 i32  little-endian integers, decimal or 0x hexadecimal
//   f64      IEEE double, decimal
// Inside double quotes \" is a quote and \\ a backslash. Text is UTF-8 and is
// stored in Windows-1252. Bytes no field covers are 0.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/generators/textgen/SourceFile.h"

namespace vostrane::textgen {

struct ControlField {
  size_t offset = 0;
  std::string bytes;  // exactly as stored in the record
  int line = 0;
};

struct ControlSource {
  std::vector<ControlField> fields;
  std::vector<SourceError> errors;  // empty when the source is sound
};

ControlSource ParseControlSource(const std::string& content, const std::string& fileName,
                                 size_t recordSize);

// The record of recordSize bytes with the fields in place and 0 elsewhere.
std::string BuildControlRecord(const std::vector<ControlField>& fields, size_t recordSize);

}  // namespace vostrane::textgen
