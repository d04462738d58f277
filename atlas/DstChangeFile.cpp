// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstChangeFile.h"

#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "common/MessageTextFile.h"

namespace vostrane {

RecordFile& DstChangeFile() {
  static RecordFile file;
  return file;
}

bool OpenDstChangeFile() {
  RecordFile& file = DstChangeFile();
  file.Close();
  // A file that differs from the installation's list is not opened: no
  // zone comes from it.
  if (const FileCheck check = CheckInstalledFile(kDstChangeFileName);
      !check.ok() && check.state != FileState::Missing) {
    ShowMessage(DamagedFileText(kDstChangeFileName, check, kDstChangeRecordSize), MsgIcon::Error);
    return false;
  }
  if (file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly)) return true;
  ShowMessage(MessageText(8938) + MessageText(8953), MsgIcon::Warning);
  return false;
}

void CloseDstChangeFile() { DstChangeFile().Close(); }

bool DstChangeFileIsOpen() { return DstChangeFile().IsOpen(); }

}  // namespace vostrane
