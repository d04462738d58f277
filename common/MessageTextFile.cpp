#include "common/MessageTextFile.h"

#include <algorithm>
#include <array>

#include "platform/InstalledFiles.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"

namespace vostrane {
namespace {

RecordFile& File() {
  static RecordFile file;
  return file;
}

// The check of the file against the installation's list at the last open.
FileCheck& OpenCheck() {
  static FileCheck check;
  return check;
}

std::string DecodeRecord(const std::array<char, kMessageTextRecordSize>& record) {
  const size_t length = std::min<size_t>(static_cast<unsigned char>(record[0]), 70);
  return std::string(record.data() + 1, length);
}

// Reads the record at the current position into text; false on failure.
bool ReadCurrent(std::string& text) {
  std::array<char, kMessageTextRecordSize> record{};
  if (!File().Read(record.data())) return false;
  text = DecodeRecord(record);
  return true;
}

}  // namespace

bool OpenMessageTextFile() {
  // Every text of a damaged file is suspect: it is not opened at all.
  OpenCheck() = CheckInstalledFile(kMessageTextFileName);
  if (!OpenCheck().ok() && OpenCheck().state != FileState::Missing) return false;
  return File().Open(kMessageTextFileName, kMessageTextRecordSize, RecordFile::Mode::ReadOnly);
}

std::string MessageTextFileMissingText() {
  if (OpenCheck().state == FileState::WrongSize || OpenCheck().state == FileState::Damaged)
    return DamagedFileText(kMessageTextFileName, OpenCheck(), kMessageTextRecordSize) + "!!";
  return std::string("ERROR!  File ") + "QIRTEXT" + ".DAT not on disk!!!";
}

bool MessageTextFileIsOpen() { return File().IsOpen(); }

bool PositionAtMessageText(int k) {
  if (!File().Seek(static_cast<int64_t>(k) - 1, /*allowBeyondEnd=*/true)) {
    ShowMessage("Unable to find record number " + std::to_string(k - 1) + " in file QIRTEXT.DAT.",
                MsgIcon::Error);
    return false;
  }
  return true;
}

std::string MessageText(int k) {
  if (!PositionAtMessageText(k)) return kUnreadableText;
  std::string text;
  if (!ReadCurrent(text)) {
    ShowMessage("ERROR!!! Unable to read data from record number " + std::to_string(k - 1) +
                    " from file QIRTEXT.DAT.",
                MsgIcon::Error);
    return kUnreadableText;
  }
  return text;
}

std::string NextMessageText() {
  std::string text;
  if (!ReadCurrent(text)) {
    ShowMessage("ERROR!!! Unable to read next record from file QIRTEXT.DAT.", MsgIcon::Error);
    return kUnreadableText;
  }
  return text;
}

void CloseMessageTextFile() {
  if (!File().IsOpen()) return;
  if (!File().Close()) ShowMessage("Note: Unable to close file QIRTEXT.DAT", MsgIcon::Warning);
}

}  // namespace vostrane
