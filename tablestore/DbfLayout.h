// SPDX-License-Identifier: GPL-3.0-or-later
// The header of a dBase III PLUS table: version byte, date of last update,
// record count, header and record lengths and one 32-byte descriptor per
// field, closed by 0x0D. Parsing checks every size and range; creation builds
// the bytes of a new, empty table from the field list lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostrane {

struct DbfField {
  std::string name;  // upper-cased, 1 to 10 characters
  char type = 'C';   // 'C', 'N', 'F', 'L', 'D', 'M' (others are carried as text)
  int width = 0;
  int decimals = 0;
  int offset = 0;  // within the record; byte 0 is the deletion byte
};

// Offsets of the fixed header fields.
inline constexpr size_t kDbfDateOffset = 1;   // YY MM DD, YY counted from 1900
inline constexpr size_t kDbfCountOffset = 4;  // uint32 little-endian
inline constexpr size_t kDbfPrefixSize = 32;  // the part before the descriptors
inline constexpr char kDbfEndOfFile = 0x1A;
inline constexpr size_t kDbfMdxFlagOffset = 28;    // 1: a production .MDX belongs to the table
inline constexpr size_t kDbfLanguageOffset = 29;   // language driver id
inline constexpr uint8_t kDbfLanguageAnsi = 0x57;  // Windows ANSI, code page 1252

struct DbfLayout {
  uint8_t version = 0x03;
  int headerLength = 0;
  int recordLength = 0;
  uint32_t recordCount = 0;  // as read from the header
  std::vector<DbfField> fields;

  // Index of the field, looked up without regard to case; -1 when absent or
  // when the name is longer than 10 characters.
  int FindField(std::string_view name) const;
  // A fingerprint of the field layout, stored with the index so that an index
  // made for another layout is noticed.
  uint64_t LayoutHash() const;
};

// Validates the first 32 bytes; returns the header length they announce.
// `fileSize` is the size of the whole file. Throws TableError.
int CheckDbfPrefix(const std::string& fileName, const uint8_t* prefix, size_t size, int64_t fileSize);

// Parses the whole header (headerLength bytes) of a file of `fileSize` bytes.
// Throws TableError with the open messages.
DbfLayout ParseDbfHeader(const std::string& fileName, const uint8_t* header, size_t size,
                         int64_t fileSize);

// The bytes of a new empty table (header, terminator, end-of-file byte) for
// the field lines "NAME,TYPE,WIDTH,DECIMALS". Throws TableError.
std::string NewDbfBytes(const std::vector<std::string>& fieldLines, int year, int month, int day);

// The three date bytes of the header for a calendar date.
void EncodeDbfDate(uint8_t* out, int year, int month, int day);

}  // namespace vostrane
