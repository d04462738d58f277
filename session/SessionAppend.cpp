// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionAppend.h"

#include <cerrno>
#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "session/SessionFile.h"

namespace vostrane {

void SetBirthDatePrintouts(ChartEntry& entry) {
  for (int j : {64, 73}) {
    entry.setPrintoutParam(j, entry.month());
    entry.setPrintoutParam(j + 1, entry.day());
    entry.setPrintoutParam(j + 2, entry.year());
  }
}

namespace {

// Record number of the terminator of the open session file; -2 when the
// file has none, -3 when a record before it cannot belong to a session file.
int64_t FindTerminator(RecordFile& file) {
  ChartEntry e;
  for (int64_t r = 1; r < file.RecordCount(); ++r) {
    if (!file.Seek(r) || !file.Read(e.Data())) return -2;
    if (!LooksLikeSessionRecord(e)) return -3;
    if (!e.used()) return r;
  }
  return -2;
}

// Whether the open file is still the one the name names (another writer may
// have put a new file in its place while this one waited for the lock).
bool StillNamed(const RecordFile& file) {
  struct stat open {
  }, named{};
  return fstat(file.Descriptor(), &open) == 0 && stat(kSessionFileName, &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

bool SessionAppend::Open(bool mustExist, std::string& error) {
  // A writer that made the file anew renamed it over the name: the lock of
  // the old file then guards nothing, and the new one is opened.
  for (int attempt = 0; attempt < 100; ++attempt) {
    bool replaced = false;
    if (OpenOnce(mustExist, error, replaced)) return true;
    if (!replaced) return false;
  }
  error = std::string("cannot open ") + kSessionFileName + ": it keeps being replaced";
  return false;
}

bool SessionAppend::OpenOnce(bool mustExist, std::string& error, bool& replaced) {
  lock_.Release();
  file_.Close();
  fresh_ = false;
  terminator_ = 1;
  const std::string name = kSessionFileName;
  if (!file_.Open(name, kEntrySize,
                  mustExist ? RecordFile::Mode::ReadWrite : RecordFile::Mode::CreateKeep)) {
    // A symbolic link is followed only to a file that shows it is a session
    // file; a link to no file is replaced by the new file.
    if (errno == ENOENT && mustExist) return error = "cannot open " + name, false;
    if (errno != ELOOP || !file_.Open(name, kEntrySize, RecordFile::Mode::ReadWrite)) {
      if (errno != ENOENT) return error = "cannot open " + name, false;
      fresh_ = true;
      return true;
    }
  }
  if (!LockSession(lock_, file_)) return error = name + " stays locked by another writer", false;
  if (!StillNamed(file_)) return replaced = true, false;
  if (file_.SizeInBytes() == 0 && !mustExist) {
    fresh_ = true;
    return true;
  }
  if (!LooksLikeSessionFile(file_))
    return error = name + " is not a session file; nothing was written to it", false;
  terminator_ = FindTerminator(file_);
  if (terminator_ == -3)
    return error = name + " is not a session file; nothing was written to it", false;
  if (terminator_ < 0) return error = name + " has no terminator record", false;
  return true;
}

bool SessionAppend::Add(const ChartEntry& entry) {
  ChartEntry end;
  bool ok;
  if (fresh_) {
    ChartEntry header;
    std::string bytes;
    for (const ChartEntry* r :
         {static_cast<const ChartEntry*>(&header), &entry, static_cast<const ChartEntry*>(&end)})
      bytes.append(reinterpret_cast<const char*>(r->Data()), kEntrySize);
    ok = ReplaceFileContents(kSessionFileName, bytes);
  } else {
    ok = file_.Seek(terminator_ + 1, true) && file_.Write(end.Data()) && file_.Seek(terminator_) &&
         file_.Write(entry.Data());
  }
  lock_.Release();
  const bool closed = !file_.IsOpen() || file_.Close();
  return closed && ok;
}

}  // namespace vostrane
