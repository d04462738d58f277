#include "session/SessionFile.h"

#include "platform/InstanceLock.h"
#include "platform/MessageService.h"
#include "platform/RecordFile.h"

namespace vostrane {
namespace {

RecordFile& File() {
  static RecordFile file;
  return file;
}

int g_hook = 0;

void RegisterCloseHook() {
  if (g_hook == 0) g_hook = AddShutdownHook([] { File().Close(); });
}

[[noreturn]] void Fail(char operation, int64_t record) {
  EndProgram(SessionFailureText(operation, record, HeldByAnotherProcess(kInstanceLockFileName)));
}

bool OpenExisting() {
  if (!File().Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadWrite) &&
      !File().Open(kSessionFileName, kEntrySize, RecordFile::Mode::ReadOnly))
    return false;
  RegisterCloseHook();
  return true;
}

}  // namespace

std::string SessionFailureText(char operation, int64_t record, bool otherInstance) {
  std::string text = "ERROR!!!! ";
  if (operation == '0' || operation == '1') {
    text += "No batch of charts on disk (INPUT.FIL not on drive. ";
  } else {
    text += "Could not ";
    switch (operation) {
      case 'C': text += "close"; break;
      case 'R':
      case 'r': text += "read"; break;
      case 'S': text += "find record # " + std::to_string(record) + " of file"; break;
      default: text += "write to"; break;
    }
    text += " INPUT.FIL. Bad disk or file not on disk";
    // Another program in this folder is named only when one holds the lock.
    text += otherInstance ? ", or ANOTHER VOSTRANE PROGRAM IS RUNNING IN THIS FOLDER." : ".";
  }
  return text + "  Program ended.";
}

void SessionAccess(char operation, ChartEntry& buffer, int64_t record) {
  RecordFile& file = File();
  switch (operation) {
    case '0':
    case '1':
      if (!OpenExisting() || !file.Seek(operation == '0' ? 0 : 1) || !file.Read(buffer.Data()))
        Fail(operation, record);
      return;
    case 'R':
      if (!file.Read(buffer.Data())) Fail(operation, record);
      return;
    case 'r':
      if (!file.Seek(record) || !file.Read(buffer.Data())) Fail(operation, record);
      return;
    case 'S':
      if (!file.Seek(record)) Fail(operation, record);
      return;
    case 'W':
      if (!file.Write(buffer.Data())) Fail(operation, record);
      return;
    case 'w':
      if (!file.Seek(record) || !file.Write(buffer.Data())) Fail(operation, record);
      return;
    case 'C':
      if (!file.Close()) Fail(operation, record);
      return;
    default: Fail(operation, record);
  }
}

bool SessionCreate() {
  if (!File().Open(kSessionFileName, kEntrySize, RecordFile::Mode::CreateTruncate)) return false;
  RegisterCloseHook();
  return true;
}

bool SessionIsOpen() { return File().IsOpen(); }
int64_t SessionRecordCount() { return File().IsOpen() ? File().RecordCount() : 0; }
int64_t SessionPosition() { return File().Position(); }
void SessionCloseQuietly() { File().Close(); }

}  // namespace vostrane
