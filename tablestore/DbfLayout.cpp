// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/DbfLayout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ByteOrder.h"
#include "platform/TextTrim.h"
#include "tablestore/AnsiUpper.h"
#include "tablestore/TableError.h"

namespace vostrane {

namespace {

constexpr size_t kDescriptorSize = 32;
constexpr char kHeaderTerminator = 0x0D;
constexpr int kMaxFields = 255;

[[noreturn]] void NotDbase(const std::string& fileName) {
  throw TableError(fileName + " is not a dBASE database.");
}

bool ParseInt(const std::string& text, int& out) {
  if (text.empty() || text.size() > 5) return false;
  out = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    out = out * 10 + (c - '0');
  }
  return true;
}

// Width rules of the dBase III PLUS field types a new table may have.
bool ValidWidth(char type, int width, int decimals) {
  switch (type) {
    case 'C': return width >= 1 && width <= 254 && decimals == 0;
    case 'N':
    case 'F': return width >= 1 && width <= 20 && (decimals == 0 || decimals <= width - 2);
    case 'D': return width == 8 && decimals == 0;
    case 'L': return width == 1 && decimals == 0;
    // Memo fields ('M') are read and carried, but a new table never gets
    // one: that would need the memo file beside it, which is not written.
    default: return false;
  }
}

bool ValidName(const std::string& name) {
  if (name.empty() || name.size() > 10 || !std::isalpha(static_cast<unsigned char>(name[0])))
    return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

DbfField ParseFieldLine(const std::string& line) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t comma = line.find(',', start);
    parts.push_back(TrimSpace(std::string_view(line).substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  DbfField f;
  if (parts.size() < 3 || parts.size() > 4) throw TableError("Invalid field definition: " + line);
  f.name = UpperAnsi(parts[0]);
  f.type = parts[1].size() == 1 ? UpperAnsiChar(parts[1][0]) : '?';
  f.decimals = 0;
  if (!ValidName(f.name) || !ParseInt(parts[2], f.width) ||
      (parts.size() == 4 && !parts[3].empty() && !ParseInt(parts[3], f.decimals)) ||
      !ValidWidth(f.type, f.width, f.decimals)) {
    throw TableError("Invalid field definition: " + line);
  }
  return f;
}

}  // namespace

int DbfLayout::FindField(std::string_view name) const {
  if (name.size() > 10) return -1;
  const std::string wanted = UpperAnsi(name);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].name == wanted) return static_cast<int>(i);
  }
  return -1;
}

uint64_t DbfLayout::LayoutHash() const {
  uint64_t h = 0xcbf29ce484222325ULL;  // FNV-1a
  auto mix = [&h](unsigned char b) { h = (h ^ b) * 0x100000001b3ULL; };
  for (const DbfField& f : fields) {
    for (char c : f.name) mix(static_cast<unsigned char>(c));
    mix(0);
    mix(static_cast<unsigned char>(f.type));
    mix(static_cast<unsigned char>(f.width));
    mix(static_cast<unsigned char>(f.decimals));
  }
  return h;
}

int CheckDbfPrefix(const std::string& fileName, const uint8_t* prefix, size_t size, int64_t fileSize) {
  if (size < kDbfPrefixSize || fileSize < static_cast<int64_t>(kDbfPrefixSize + 1)) NotDbase(fileName);
  // dBase III and IV tables have 3 in the low bits (0x03, 0x83 with memo,
  // 0x8B and the like); anything else is another format.
  if ((prefix[0] & 0x07) != 0x03) throw TableError("Invalid version byte in " + fileName);
  const int headerLength = ReadLe<uint16_t>(prefix + 8);
  const int fieldSlots = headerLength < static_cast<int>(kDbfPrefixSize + 1)
                             ? 0
                             : (headerLength - static_cast<int>(kDbfPrefixSize) - 1) /
                                   static_cast<int>(kDescriptorSize);
  if (fieldSlots < 1) throw TableError("Number of fields is out of range");
  if (headerLength > fileSize) NotDbase(fileName);
  return headerLength;
}

DbfLayout ParseDbfHeader(const std::string& fileName, const uint8_t* header, size_t size,
                         int64_t fileSize) {
  const int headerLength = CheckDbfPrefix(fileName, header, size, fileSize);
  if (size < static_cast<size_t>(headerLength)) NotDbase(fileName);
  DbfLayout layout;
  layout.version = header[0];
  layout.headerLength = headerLength;
  layout.recordCount = ReadLe<uint32_t>(header + kDbfCountOffset);
  layout.recordLength = ReadLe<uint16_t>(header + 10);

  // Descriptors run until the terminator; some writers leave padding after it.
  size_t pos = kDbfPrefixSize;
  int offset = 1;
  while (true) {
    if (pos >= static_cast<size_t>(headerLength)) NotDbase(fileName);
    if (header[pos] == kHeaderTerminator) break;
    if (pos + kDescriptorSize >= static_cast<size_t>(headerLength)) NotDbase(fileName);
    if (static_cast<int>(layout.fields.size()) == kMaxFields) {
      throw TableError("Number of fields is out of range");
    }
    const uint8_t* d = header + pos;
    DbfField f;
    const size_t nameLength = strnlen(reinterpret_cast<const char*>(d), 11);
    f.name = UpperAnsi(std::string(reinterpret_cast<const char*>(d), std::min<size_t>(nameLength, 10)));
    f.type = static_cast<char>(d[11]);
    f.width = d[16];
    f.decimals = d[17];
    f.offset = offset;
    if (f.name.empty() || f.width == 0) NotDbase(fileName);
    offset += f.width;
    layout.fields.push_back(std::move(f));
    pos += kDescriptorSize;
  }
  if (layout.fields.empty()) throw TableError("Number of fields is out of range");
  if (offset != layout.recordLength) NotDbase(fileName);
  // Every record the header counts must be in the file.
  const int64_t needed = static_cast<int64_t>(headerLength) +
                         static_cast<int64_t>(layout.recordCount) * layout.recordLength;
  if (needed > fileSize) NotDbase(fileName);
  return layout;
}

void EncodeDbfDate(uint8_t* out, int year, int month, int day) {
  out[0] = static_cast<uint8_t>(std::clamp(year - 1900, 0, 255));
  out[1] = static_cast<uint8_t>(month);
  out[2] = static_cast<uint8_t>(day);
}

std::string NewDbfBytes(const std::vector<std::string>& fieldLines, int year, int month, int day) {
  std::vector<DbfField> fields;
  for (const std::string& line : fieldLines) {
    if (TrimSpace(line).empty()) continue;
    fields.push_back(ParseFieldLine(line));
  }
  if (fields.empty() || fields.size() > static_cast<size_t>(kMaxFields)) {
    throw TableError("Number of fields is out of range");
  }
  const size_t headerLength = kDbfPrefixSize + fields.size() * kDescriptorSize + 1;
  size_t recordLength = 1;
  for (const DbfField& f : fields) recordLength += static_cast<size_t>(f.width);

  std::string bytes(headerLength + 1, '\0');
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  p[0] = 0x03;
  EncodeDbfDate(p + kDbfDateOffset, year, month, day);
  // No production .MDX goes with the table (its index is kept apart), and the
  // character data is Windows-1252, which dBase readers learn from the
  // language driver byte.
  p[kDbfMdxFlagOffset] = 0;
  p[kDbfLanguageOffset] = kDbfLanguageAnsi;
  WriteLe<uint16_t>(p + 8, static_cast<uint16_t>(headerLength));
  WriteLe<uint16_t>(p + 10, static_cast<uint16_t>(recordLength));
  for (size_t i = 0; i < fields.size(); ++i) {
    uint8_t* d = p + kDbfPrefixSize + i * kDescriptorSize;
    std::memcpy(d, fields[i].name.data(), fields[i].name.size());
    d[11] = static_cast<uint8_t>(fields[i].type);
    d[16] = static_cast<uint8_t>(fields[i].width);
    d[17] = static_cast<uint8_t>(fields[i].decimals);
  }
  p[headerLength - 1] = kHeaderTerminator;
  p[headerLength] = kDbfEndOfFile;
  return bytes;
}

}  // namespace vostrane
