// SPDX-License-Identifier: GPL-3.0-or-later
// "WHEELSG.DAT": the pictures (bitmap files) a wheel style places on its
// page, in groups of up to twenty 85-byte records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vostrane {

class DrawingSurface;

inline constexpr const char* kPictureFileName = "WHEELSG.DAT";
inline constexpr size_t kPictureRecordSize = 85;
inline constexpr int kPicturesPerGroup = 20;
inline constexpr int kPictureGroups = 25;

struct PictureRecord {
  std::string path;  // string[75] at offset 0
  char last = 'N';   // offset 76: 'Y' last picture of its group
  int16_t left = 0;  // page units
  int16_t top = 0;
  int16_t right = 0;
  int16_t bottom = 0;
};

// The 85 bytes of a record and back (a length byte above 75 is cut to 75).
std::string EncodePictureRecord(const PictureRecord& p);
PictureRecord DecodePictureRecord(const uint8_t* bytes);

// Reads the records of picture group g (1..25): from record 20g - 19 (from
// 1) on, stopping after a record marked 'Y' or after twenty records. Shows
// the group-range message for g outside 1..25 (nothing is read), the
// not-on-disk message when the file cannot be opened, and the record message
// for a record that cannot be read (reading stops there). Returns what was
// read.
std::vector<PictureRecord> ReadPictureGroup(int group, const std::string& path = kPictureFileName);

// Draws picture group g on the page: each picture file that exists, from
// page units to pixels, stretched into its rectangle when left < right and
// top < bottom, else unscaled at (left, top). A missing picture file shows
// its message and the next record is taken. Group 0 draws nothing.
void DrawPictureGroup(DrawingSurface& surface, int group, const std::string& path = kPictureFileName);

}  // namespace vostrane
