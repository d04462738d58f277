// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/WheelStyleFile.h"

#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"

namespace vostrane {

int WheelRecordNumber(const std::string& code, char category) {
  auto letter = [&](size_t i) { return i < code.size() ? code[i] - 'A' : 0; };
  int n = letter(0) * 100 + letter(1) * 10 + letter(2) + 1;
  if (category == 'B') n += 1000;
  if (category == 'C' || category == 'T') n += 2000;
  return n;
}

bool WheelStyleFile::Open(const std::string& path) {
  file_.Close();
  if (!file_.Open(path, kWheelDefinitionSize, RecordFile::Mode::ReadOnly)) {
    ShowMessage("ERROR!  File WHEELS.DAT not on disk!!!", MsgIcon::Error);
    return false;
  }
  return true;
}

bool WheelStyleFile::Read(const std::string& code, char category, WheelDefinition& def) {
  const int number = WheelRecordNumber(code, category);
  WheelDefinition read;
  // A record that differs from the installation's list is not used.
  if (number >= 1 && file_.IsOpen()) {
    const FileCheck check = CheckInstalledRange(
        file_.Path(), static_cast<int64_t>(number - 1) * kWheelDefinitionSize, kWheelDefinitionSize);
    if (!check.ok()) {
      ShowMessage(DamagedFileText(kWheelStyleFileName, check, kWheelDefinitionSize), MsgIcon::Error);
      return false;
    }
  }
  // A record number below 1 cannot be sought; the file's own size bounds
  // the others (a short last record fails the read).
  if (number < 1 || !file_.IsOpen() || !file_.Seek(number - 1) || !file_.Read(read.Data())) {
    ShowMessage("ERROR!!! Unable to read data from record number " + std::to_string(number - 1) +
                    " from file WHEELS.DAT.",
                MsgIcon::Error);
    return false;
  }
  def = read;
  return true;
}

}  // namespace vostrane
