#include "common/ControlRecord.h"

#include "platform/MessageService.h"
#include "platform/RecordFile.h"
#include "common/ChartSettings.h"

namespace vostrane {
namespace {

RecordFile& File() {
  static RecordFile file;
  return file;
}

}  // namespace

char ControlRecord::defaultHousesys() const {
  return HouseSystemOrDefault(Letter(control_offset::defaultHousesys));
}

ControlRecord& Control() {
  static ControlRecord record;
  return record;
}

void OpenControlFile() {
  Control() = ControlRecord();
  if (!File().Open(kControlFileName, kControlRecordSize, RecordFile::Mode::ReadWrite) &&
      !File().Open(kControlFileName, kControlRecordSize, RecordFile::Mode::ReadOnly)) {
    ShowMessage("ERROR!  File ZORCTRL.DAT not on disk!!!", MsgIcon::Error);
    return;
  }
  ControlRecord read;
  if (!File().Read(read.Data())) {
    ShowMessage("ERROR!  Unable to read data from file ZORCTRL.DAT!!!", MsgIcon::Error);
    return;
  }
  Control() = read;
}

bool WriteControlRecord() { return File().Seek(0) && File().Write(Control().Data()); }

void CloseControlFile() {
  if (!File().IsOpen()) {
    ShowMessage("ERROR!!! Attempted to close file ZORCTRL.DAT but it was already closed!",
                MsgIcon::Error);
    return;
  }
  File().Close();
}

bool ControlFileIsOpen() { return File().IsOpen(); }

}  // namespace vostrane
