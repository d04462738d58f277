#include "tools/batch/SessionAppend.h"

#include <string>

#include "platform/FileSystem.h"
#include "session/SessionFile.h"

namespace vostrane::batch {

int64_t FindTerminator(RecordFile& file) {
  ChartEntry e;
  for (int64_t r = 1; r < file.RecordCount(); ++r) {
    if (!file.Seek(r) || !file.Read(e.Data())) return -2;
    if (!e.used()) return r;
  }
  return -2;
}

bool AddEntry(RecordFile& file, bool exists, int64_t terminator, const ChartEntry& entry) {
  ChartEntry end;
  if (!exists) {
    ChartEntry header;
    std::string bytes;
    for (const ChartEntry* r :
         {static_cast<const ChartEntry*>(&header), &entry, static_cast<const ChartEntry*>(&end)})
      bytes.append(reinterpret_cast<const char*>(r->Data()), kEntrySize);
    return ReplaceFileContents(kSessionFileName, bytes);
  }
  const bool ok = file.Seek(terminator + 1, true) && file.Write(end.Data()) && file.Seek(terminator) &&
                  file.Write(entry.Data());
  return file.Close() && ok;
}

}  // namespace vostrane::batch
