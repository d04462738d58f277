// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelPictures.h"

#include <cstring>

#include "platform/ByteOrder.h"
#include "platform/FileSystem.h"
#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"
#include "wheel/DrawingSurface.h"

namespace vostrane {

namespace {
constexpr size_t kPathCapacity = 75;
}  // namespace

std::string EncodePictureRecord(const PictureRecord& p) {
  std::string bytes(kPictureRecordSize, '\0');
  const size_t n = std::min(p.path.size(), kPathCapacity);
  bytes[0] = static_cast<char>(n);
  std::memcpy(&bytes[1], p.path.data(), n);
  bytes[76] = p.last;
  WriteLe<int16_t>(&bytes[77], p.left);
  WriteLe<int16_t>(&bytes[79], p.top);
  WriteLe<int16_t>(&bytes[81], p.right);
  WriteLe<int16_t>(&bytes[83], p.bottom);
  return bytes;
}

PictureRecord DecodePictureRecord(const uint8_t* bytes) {
  PictureRecord p;
  const size_t n = std::min<size_t>(bytes[0], kPathCapacity);
  p.path.assign(reinterpret_cast<const char*>(bytes) + 1, n);
  p.last = static_cast<char>(bytes[76]);
  p.left = ReadLe<int16_t>(bytes + 77);
  p.top = ReadLe<int16_t>(bytes + 79);
  p.right = ReadLe<int16_t>(bytes + 81);
  p.bottom = ReadLe<int16_t>(bytes + 83);
  return p;
}

std::vector<PictureRecord> ReadPictureGroup(int group, const std::string& path) {
  std::vector<PictureRecord> pictures;
  if (group < 1 || group > kPictureGroups) {
    ShowMessage(
        "Error! Invalid value for sequence number of graphic images. Fix this problem by "
        "customizing this wheel. Program may freeze now!",
        MsgIcon::Error);
    return pictures;
  }
  RecordFile file;
  if (!file.Open(path, kPictureRecordSize, RecordFile::Mode::ReadOnly)) {
    // The message names the picture list itself, so that the user
    // re-installs the file that is missing.
    ShowMessage("ERROR!  File WHEELSG.DAT not on disk!!!", MsgIcon::Error);
    return pictures;
  }
  const int first = kPicturesPerGroup * group - (kPicturesPerGroup - 1);
  const FileCheck check = CheckInstalledRange(path, static_cast<int64_t>(first - 1) * kPictureRecordSize,
                                              kPicturesPerGroup * kPictureRecordSize);
  if (!check.ok()) {
    ShowMessage(DamagedFileText(kPictureFileName, check, kPictureRecordSize), MsgIcon::Error);
    return pictures;
  }
  uint8_t buffer[kPictureRecordSize];
  for (int number = first; number < first + kPicturesPerGroup; ++number) {
    if (!file.Seek(number - 1) || !file.Read(buffer)) {
      ShowMessage("ERROR!!! Unable to read data from record number " + std::to_string(number - 1) +
                      " from file WHEELSW.DAT/WHEELSG.DAT.",
                  MsgIcon::Error);
      break;
    }
    pictures.push_back(DecodePictureRecord(buffer));
    if (pictures.back().last == 'Y') break;
  }
  file.Close();
  return pictures;
}

void DrawPictureGroup(DrawingSurface& surface, int group, const std::string& path) {
  if (group <= 0) return;
  const PageMetrics& m = surface.Metrics();
  for (const PictureRecord& p : ReadPictureGroup(group, path)) {
    if (!FileExists(p.path)) {
      ShowMessage(
          "Error!  File " + p.path + " does not exist. " + "Cannot display this graphic file in wheel",
          MsgIcon::Error);
      continue;
    }
    if (const FileCheck check = CheckInstalledFile(p.path); !check.ok()) {
      ShowMessage(DamagedFileText(p.path, check, 0) + " Cannot display this graphic file in wheel",
                  MsgIcon::Error);
      continue;
    }
    surface.DrawBitmap(p.path, m.PageX(p.left), m.PageY(p.top), m.PageX(p.right), m.PageY(p.bottom));
  }
}

}  // namespace vostrane
