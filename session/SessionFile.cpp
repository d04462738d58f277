// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionFile.h"

#include <cerrno>

#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "platform/LockRetry.h"
#include "platform/MessageService.h"

namespace vostrane {
namespace {

RecordFile& File() {
  static RecordFile file;
  return file;
}

FileLock& Lock() {
  static FileLock lock;
  return lock;
}

int g_hook = 0;

void RegisterCloseHook() {
  if (g_hook == 0) g_hook = AddShutdownHook([] { File().Close(); });
}

[[noreturn]] void Fail(SessionOperation operation, int64_t record) {
  // A file that is there but could not be opened as a session was refused
  // for its contents: say so rather than that it is missing.
  if ((operation == SessionOperation::OpenReadHeader || operation == SessionOperation::OpenReadFirst) &&
      FileExists(kSessionFileName))
    EndProgram(
        "ERROR!!!! INPUT.FIL is not a list of charts of this program, or its first entry is "
        "damaged.   Program ended.");
  EndProgram(SessionFailureText(operation, record, HeldByAnotherProcess(kInstanceLockFileName)));
}

bool OpenExisting() {
  if (!File().Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadWrite) &&
      !File().Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly))
    return false;
  if (!LooksLikeSessionFile(File())) {
    File().Close();
    return false;
  }
  Lock().Attach(File().Descriptor());
  RegisterCloseHook();
  return true;
}

bool LockedWrite(ChartEntry& buffer) {
  if (!LockSession(Lock(), File())) return false;
  const bool written = File().Write(buffer.Data());
  Lock().Release();
  return written;
}

}  // namespace

bool LooksLikeSessionRecord(const ChartEntry& entry) { return entry.Data()[entry_offset::used] <= 1; }

bool LooksLikeSessionFile(RecordFile& file) {
  ChartEntry first;
  const int64_t position = file.Position();
  const bool shaped = file.RecordCount() >= 2 && file.Seek(1) && file.Read(first.Data()) &&
                      LooksLikeSessionRecord(first);
  file.Seek(position, true);
  return shaped;
}

bool LockSession(FileLock& lock, const RecordFile& file) {
  lock.Attach(file.Descriptor());
  return RetryWithGrowingPause([&] { return lock.TryAcquire(); },
                               [&] { return LockHolderText(kSessionFileName, lock.HolderPid()); });
}

std::string SessionFailureText(SessionOperation operation, int64_t record, bool otherInstance) {
  std::string text = "ERROR!!!! ";
  if (operation == SessionOperation::OpenReadHeader || operation == SessionOperation::OpenReadFirst) {
    text += "No batch of charts on disk (INPUT.FIL not on drive. ";
  } else {
    text += "Could not ";
    switch (operation) {
      case SessionOperation::Close: text += "close"; break;
      case SessionOperation::ReadNext:
      case SessionOperation::ReadAt: text += "read"; break;
      case SessionOperation::Seek: text += "find record # " + std::to_string(record) + " of file"; break;
      default: text += "write to"; break;
    }
    text += " INPUT.FIL. Bad disk or file not on disk";
    // Another program in this folder is named only when one holds the lock.
    text += otherInstance ? ", or ANOTHER VOSTRANE PROGRAM IS RUNNING IN THIS FOLDER." : ".";
  }
  return text + "  Program ended.";
}

void SessionAccess(SessionOperation operation, ChartEntry& buffer, int64_t record) {
  RecordFile& file = File();
  bool done = false;
  switch (operation) {
    case SessionOperation::OpenReadHeader:
    case SessionOperation::OpenReadFirst:
      done = OpenExisting() && file.Seek(operation == SessionOperation::OpenReadHeader ? 0 : 1) &&
             file.Read(buffer.Data());
      break;
    case SessionOperation::ReadNext: done = file.Read(buffer.Data()); break;
    case SessionOperation::ReadAt: done = file.Seek(record) && file.Read(buffer.Data()); break;
    case SessionOperation::Seek: done = file.Seek(record); break;
    case SessionOperation::WriteHere: done = LockedWrite(buffer); break;
    case SessionOperation::WriteAt: done = file.Seek(record) && LockedWrite(buffer); break;
    case SessionOperation::Close: done = file.Close(); break;
  }
  if (!done) Fail(operation, record);
}

bool SessionCreate() {
  RecordFile& file = File();
  // Never created through a link; an existing link is followed only to a
  // session file.
  if (!file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::CreateKeep) &&
      (errno != ELOOP || !file.Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadWrite)))
    return false;
  if (file.SizeInBytes() > 0 && !LooksLikeSessionFile(file)) {
    file.Close();
    return false;
  }
  const bool emptied = LockSession(Lock(), file) && file.Truncate(0);
  Lock().Release();
  if (!emptied) {
    file.Close();
    return false;
  }
  RegisterCloseHook();
  return true;
}

bool SessionIsOpen() { return File().IsOpen(); }
int64_t SessionRecordCount() { return File().IsOpen() ? File().RecordCount() : 0; }
int64_t SessionPosition() { return File().Position(); }
void SessionCloseQuietly() { File().Close(); }

}  // namespace vostrane
