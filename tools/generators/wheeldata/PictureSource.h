// SPDX-License-Identifier: GPL-3.0-or-later
// The readable sources of the pictures: "WHEELSG.DAT" from
// data/wheels/pictures.txt ("[group N]" sections of "picture = FILE @ left,
// top, right, bottom" lines), and the bitmaps themselves from text pixel
// art (data/wheels/*.pix: a palette of "c = #RRGGBB" lines, then the rows of
// pixels, one character each).
#pragma once

#include <string>
#include <vector>

#include "tools/generators/textgen/SourceFile.h"
#include "wheel/WheelPictures.h"

namespace vostrane::wheeldata {

struct PictureSource {
  // Groups 1..N, each up to twenty pictures; the last of a group is marked.
  std::vector<std::vector<PictureRecord>> groups;
  std::vector<textgen::SourceError> errors;
};

PictureSource ParsePictureSource(const std::string& content, const std::string& fileName);
// 20 records per group, the unused ones all zero.
std::string BuildPictureFile(const PictureSource& source);

// A 24-bit BMP file from pixel art; errors as file:line.
bool BuildBitmapFromPixelArt(const std::string& content, const std::string& fileName, std::string& bmp,
                             std::vector<textgen::SourceError>& errors);

// PAGEW.DEF is already readable text: checks that its first six lines each
// begin with a number (digits only).
bool CheckPageDefinition(const std::string& content, const std::string& fileName,
                         std::vector<textgen::SourceError>& errors);

}  // namespace vostrane::wheeldata
