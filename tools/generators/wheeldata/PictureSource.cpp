// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/generators/wheeldata/PictureSource.h"

#include <cctype>
#include <cstring>
#include <map>

#include "platform/ByteOrder.h"
#include "platform/TextTrim.h"
#include "tools/generators/wheeldata/SourceValues.h"

namespace vostrane::wheeldata {

PictureSource ParsePictureSource(const std::string& content, const std::string& fileName) {
  PictureSource out;
  std::vector<PictureRecord>* current = nullptr;
  auto fail = [&](int line, const std::string& message) {
    out.errors.push_back({fileName, line, message});
  };
  WalkSectionedSource(
      content, fail,
      [&](const std::string& name, int number, int lineNo) {
        current = nullptr;
        if (name.empty()) return;
        if (name != "group" || number > kPictureGroups) {
          fail(lineNo, "expected [group N] with N from 1 to 25");
        } else if (number != static_cast<int>(out.groups.size()) + 1) {
          fail(lineNo, "groups must be numbered 1, 2, 3 ... in order");
        } else {
          out.groups.emplace_back();
          current = &out.groups.back();
        }
      },
      [&](const std::string& line, int lineNo) {
        std::string error;
        std::string key, value;
        if (!SplitKeyValue(line, key, value) || key != "picture") {
          fail(lineNo, "expected picture = FILE @ left, top, right, bottom");
          return;
        }
        if (!current) {
          fail(lineNo, "picture outside a [group N] section");
          return;
        }
        const size_t at = value.find('@');
        std::vector<long> box;
        PictureRecord p;
        p.path = TrimSpace(value.substr(0, at));
        if (at == std::string::npos || p.path.empty()) {
          fail(lineNo, "expected picture = FILE @ left, top, right, bottom");
          return;
        }
        if (p.path.size() > 75) {
          fail(lineNo, "file name longer than 75 characters");
          return;
        }
        if (!ParseIntList(value.substr(at + 1), 4, -32768, 32767, box, error)) {
          fail(lineNo, error);
          return;
        }
        if (current->size() == kPicturesPerGroup) {
          fail(lineNo, "a group holds at most 20 pictures");
          return;
        }
        p.left = static_cast<int16_t>(box[0]);
        p.top = static_cast<int16_t>(box[1]);
        p.right = static_cast<int16_t>(box[2]);
        p.bottom = static_cast<int16_t>(box[3]);
        current->push_back(p);
      });
  for (size_t g = 0; g < out.groups.size(); ++g) {
    if (out.groups[g].empty()) fail(0, "group " + std::to_string(g + 1) + " has no picture");
    else out.groups[g].back().last = 'Y';
  }
  if (out.groups.empty() && out.errors.empty()) fail(0, "no [group N] section");
  return out;
}

std::string BuildPictureFile(const PictureSource& source) {
  std::string bytes;
  for (const auto& group : source.groups) {
    for (int i = 0; i < kPicturesPerGroup; ++i) {
      if (i < static_cast<int>(group.size())) bytes += EncodePictureRecord(group[i]);
      else bytes += std::string(kPictureRecordSize, '\0');
    }
  }
  return bytes;
}

bool BuildBitmapFromPixelArt(const std::string& content, const std::string& fileName, std::string& bmp,
                             std::vector<textgen::SourceError>& errors) {
  const size_t before = errors.size();
  std::map<char, uint32_t> palette;
  std::vector<std::string> rows;
  std::vector<int> rowLines;
  const std::vector<std::string> lines = textgen::SplitLines(content);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i) + 1;
    const std::string& raw = lines[i];
    if (raw.empty() || raw[0] == '#') continue;
    // "c = #RRGGBB" defines a pixel character; any other line is a row.
    if (raw.size() >= 5 && raw[1] == ' ' && raw[2] == '=' && rows.empty()) {
      const std::string value = TrimSpace(raw.substr(3));
      char* end = nullptr;
      const long rgb = value.size() == 7 && value[0] == '#' ? std::strtol(value.c_str() + 1, &end, 16)
                                                            : -1;
      if (rgb < 0 || (end && *end != '\0')) errors.push_back({fileName, lineNo, "expected c = #RRGGBB"});
      else palette[raw[0]] = static_cast<uint32_t>(rgb);
      continue;
    }
    rows.push_back(raw);
    rowLines.push_back(lineNo);
  }
  if (rows.empty()) errors.push_back({fileName, 0, "no rows of pixels"});
  for (size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].size() != rows[0].size())
      errors.push_back({fileName, rowLines[r], "every row must be as wide as the first"});
    for (char c : rows[r])
      if (!palette.count(c)) {
        errors.push_back({fileName, rowLines[r], std::string("pixel '") + c + "' has no colour"});
        break;
      }
  }
  if (errors.size() != before) return false;

  const uint32_t width = static_cast<uint32_t>(rows[0].size());
  const uint32_t height = static_cast<uint32_t>(rows.size());
  const uint32_t stride = (width * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * height;
  bmp.assign(54 + imageSize, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  WriteLe<uint32_t>(&bmp[2], 54 + imageSize);
  WriteLe<uint32_t>(&bmp[10], 54);
  WriteLe<uint32_t>(&bmp[14], 40);
  WriteLe<uint32_t>(&bmp[18], width);
  WriteLe<uint32_t>(&bmp[22], height);
  WriteLe<uint16_t>(&bmp[26], 1);
  WriteLe<uint16_t>(&bmp[28], 24);
  WriteLe<uint32_t>(&bmp[34], imageSize);
  WriteLe<uint32_t>(&bmp[38], 2835);  // 72 dpi
  WriteLe<uint32_t>(&bmp[42], 2835);
  // Rows bottom-up, pixels blue, green, red.
  for (uint32_t y = 0; y < height; ++y) {
    const std::string& row = rows[height - 1 - y];
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t rgb = palette[row[x]];
      const size_t at = 54 + y * stride + x * 3;
      bmp[at] = static_cast<char>(rgb & 0xFF);
      bmp[at + 1] = static_cast<char>((rgb >> 8) & 0xFF);
      bmp[at + 2] = static_cast<char>((rgb >> 16) & 0xFF);
    }
  }
  return true;
}

bool CheckPageDefinition(const std::string& content, const std::string& fileName,
                         std::vector<textgen::SourceError>& errors) {
  const std::vector<std::string> lines = textgen::SplitLines(content);
  const size_t before = errors.size();
  for (int n = 0; n < 6; ++n) {
    if (n >= static_cast<int>(lines.size())) {
      errors.push_back({fileName, n + 1, "PAGEW.DEF needs six lines"});
      break;
    }
    if (lines[n].empty() || !std::isdigit(static_cast<unsigned char>(lines[n][0])))
      errors.push_back({fileName, n + 1, "the line must begin with a number"});
  }
  return errors.size() == before;
}

}  // namespace vostrane::wheeldata
