#include "atlas/DstTableIndex.h"

#include "platform/ByteOrder.h"
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
