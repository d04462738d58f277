// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/DstTableIndex.h"

#include "platform/ByteOrder.h"
#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"

namespace vostrane {

DstTableIndex& DstIndex() {
  static DstTableIndex index;
  return index;
}

void LoadDstTableIndex() {
  DstTableIndex& index = DstIndex();
  index = DstTableIndex();
  // An index that differs from the installation's list is not used: every
  // table number then counts as none, and the form keeps the zone it has.
  if (const FileCheck check = CheckInstalledFile(kDstIndexFileName);
      !check.ok() && check.state != FileState::Missing) {
    ShowMessage(DamagedFileText(kDstIndexFileName, check, 2), MsgIcon::Error);
    return;
  }
  RecordFile file;
  if (!file.Open(kDstIndexFileName, 2, RecordFile::Mode::ReadOnly))
    ShowMessage("ERROR! File DSTRECS.DAT not found on disk. Re-install Vostrane!!!", MsgIcon::Error);
  for (int k = 0; k < kDstTableCount; ++k) {
    uint8_t word[2];
    if (!file.Read(word)) {
      ShowMessage("ERROR! Unable to read data from file DSTRECS.DAT. Re-install this file!",
                  MsgIcon::Error);
      index.firstRecord.fill(0);
      return;
    }
    index.firstRecord[k] = ReadLe<uint16_t>(word);
  }
  index.loaded = true;
}

}  // namespace vostrane
