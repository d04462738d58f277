// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether the record at the current position agrees with the
// installation's list. The first damaged record found is named once; its
// text, like every other damaged one, is never used.
bool CurrentRecordChecked() {
  const FileCheck check = CheckInstalledRange(
      kMessageTextFileName, File().Position() * static_cast<int64_t>(kMessageTextRecordSize),
      kMessageTextRecordSize);
  if (check.ok()) return true;
  static bool named = false;
  if (!named)
    ShowMessage(DamagedFileText(kMessageTextFileName, check, kMessageTextRecordSize), MsgIcon::Error);
  named = true;
  return false;
}

enum class ReadResult { Read, Failed, Damaged };

// Reads the record at the current position into text.
ReadResult ReadCurrent(std::string& text) {
  if (!CurrentRecordChecked()) {
    File().Seek(File().Position() + 1, /*allowBeyondEnd=*/true);  // as a read would have moved on
    return ReadResult::Damaged;
  }
  std::array<char, kMessageTextRecordSize> record{};
  if (!File().Read(record.data())) return ReadResult::Failed;
  text = DecodeRecord(record);
  return ReadResult::Read;
}

}  // namespace

bool OpenMessageTextFile() {
  // A file of the wrong size is not opened at all; the records are checked
  // as they are read (each block once per run), so start-up reads no more
  // of the file than it needs.
  OpenCheck() = CheckInstalledRange(kMessageTextFileName, 0, 0);
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
  const ReadResult read = ReadCurrent(text);
  if (read == ReadResult::Damaged) return kUnreadableText;
  if (read == ReadResult::Failed) {
    ShowMessage("ERROR!!! Unable to read data from record number " + std::to_string(k - 1) +
                    " from file QIRTEXT.DAT.",
                MsgIcon::Error);
    return kUnreadableText;
  }
  return text;
}

std::string NextMessageText() {
  std::string text;
  const ReadResult read = ReadCurrent(text);
  if (read == ReadResult::Damaged) return kUnreadableText;
  if (read == ReadResult::Failed) {
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
