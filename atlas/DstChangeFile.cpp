#include "atlas/DstChangeFile.h"

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
  if (file.Open(kDstChangeFileName, kDstChangeRecordSize, RecordFile::Mode::ReadOnly)) return true;
  ShowMessage(MessageText(8938) + MessageText(8953), MsgIcon::Warning);
  return false;
}

void CloseDstChangeFile() { DstChangeFile().Close(); }

bool DstChangeFileIsOpen() { return DstChangeFile().IsOpen(); }

}  // namespace vostrane
