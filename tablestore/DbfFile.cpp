// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/DbfFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ByteOrder.h"
#include "platform/InstalledFiles.h"
#include "tablestore/FileIo.h"
#include "tablestore/TableError.h"

namespace vostrane {

namespace {

void Today(int& year, int& month, int& day) {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  year = tm.tm_year + 1900;
  month = tm.tm_mon + 1;
  day = tm.tm_mday;
}

// Writes the new table beside its final name and moves it into place without
// replacing a table another process created meanwhile, so that no
// half-written table is ever seen under the name. File systems without an
// exclusive rename (some network shares) get the table written under its
// name directly, created exclusively; hard links are never needed.
bool CreateTable(const std::string& path, const std::string& bytes) {
  std::string temp = path + ".XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd >= 0) {
    const bool written = WriteAt(fd, bytes.data(), bytes.size(), 0) && fchmod(fd, 0644) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed &&
        renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
      return true;
    const int error = errno;
    unlink(temp.c_str());
    if (!written || !closed) return false;
    if (error == EEXIST) return true;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP) return false;
  }
  fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST;
  const bool written = WriteAt(fd, bytes.data(), bytes.size(), 0);
  const bool closed = close(fd) == 0;
  if (!written || !closed) unlink(path.c_str());
  return written && closed;
}

// Errors of opening for writing that still allow reading.
bool ReadableOnly(int error) { return error == EACCES || error == EROFS || error == EPERM; }

}  // namespace

void DbfFile::Open(const std::string& path, const std::string& name,
                   const std::vector<std::string>& fieldLines) {
  Close();
  name_ = name;
  path_ = path;
  const TableError failure("Failure to open " + name);
  readOnlyReason_.clear();
  int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT && !fieldLines.empty()) {
    int y, m, d;
    Today(y, m, d);
    if (!CreateTable(path, NewDbfBytes(fieldLines, y, m, d))) throw failure;
    fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
  }
  if (fd < 0 && ReadableOnly(errno)) {
    // A table the user may only read is still read; writes say why not.
    readOnlyReason_ = std::strerror(errno);
    fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) throw failure;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    throw failure;
  }
  try {
    uint8_t prefix[kDbfPrefixSize] = {};
    const size_t got = ReadAt(fd, prefix, sizeof prefix, 0) ? sizeof prefix : 0;
    const int headerLength = CheckDbfPrefix(name, prefix, got, OpenFileSize(fd));
    std::string header(static_cast<size_t>(headerLength), '\0');
    if (!ReadAt(fd, header.data(), header.size(), 0)) throw failure;
    // The size is taken after the header was read: another process writes a
    // record before it raises the count, so a count read while it appends
    // never exceeds the records the file holds by then.
    layout_ = ParseDbfHeader(name, reinterpret_cast<const uint8_t*>(header.data()), header.size(),
                             OpenFileSize(fd));
  } catch (...) {
    close(fd);
    throw;
  }
  fd_ = fd;
  count_ = layout_.recordCount;
  formatMarked_ = false;
}

void DbfFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  count_ = 0;
}

uint32_t DbfFile::RefreshCount() {
  uint8_t bytes[4];
  if (!ReadAt(fd_, bytes, sizeof bytes, kDbfCountOffset)) return count_;
  const uint32_t count = ReadLe<uint32_t>(bytes);
  if (count == count_) return count_;
  const int64_t size = OpenFileSize(fd_);
  const int64_t room = size < layout_.headerLength
                           ? 0
                           : (size - layout_.headerLength) / layout_.recordLength;
  count_ = static_cast<uint32_t>(std::min<int64_t>(count, room));
  return count_;
}

int64_t DbfFile::RecordOffset(uint32_t recno) const {
  return layout_.headerLength + static_cast<int64_t>(recno - 1) * layout_.recordLength;
}

void DbfFile::ReadRecord(uint32_t recno, std::string& record) const { ReadRecords(recno, 1, record); }

void DbfFile::ReadRecords(uint32_t first, uint32_t n, std::string& out) const {
  out.resize(static_cast<size_t>(n) * static_cast<size_t>(layout_.recordLength));
  if (first < 1 || !ReadAt(fd_, out.data(), out.size(), RecordOffset(first))) {
    throw TableError("Read error on " + name_);
  }
  // A table of the installation (the atlas) is on its list of files: records
  // from a damaged block are never used. Other tables are not listed.
  const FileCheck check = CheckInstalledRange(path_, RecordOffset(first),
                                              static_cast<int64_t>(out.size()));
  if (!check.ok()) throw TableError(DamagedFileText(name_, check, 0));
}

void DbfFile::WriteFailed() const { throw TableError("Write error on " + name_); }

void DbfFile::StampDate() {
  MarkFormat();
  int y, m, d;
  Today(y, m, d);
  uint8_t date[3];
  EncodeDbfDate(date, y, m, d);
  if (!WriteAt(fd_, date, sizeof date, kDbfDateOffset)) WriteFailed();
}

void DbfFile::MarkFormat() {
  if (formatMarked_) return;
  // A table this program writes has no production .MDX kept in step with it
  // (its index lives apart): the flag is cleared so that dBase programs do
  // not trust a stale .MDX. An unmarked code page is marked Windows-1252,
  // the code page every text of this program is in.
  uint8_t bytes[2];
  if (!ReadAt(fd_, bytes, sizeof bytes, kDbfMdxFlagOffset)) WriteFailed();
  const uint8_t want[2] = {0, bytes[1] == 0 ? kDbfLanguageAnsi : bytes[1]};
  if ((bytes[0] != want[0] || bytes[1] != want[1]) &&
      !WriteAt(fd_, want, sizeof want, kDbfMdxFlagOffset))
    WriteFailed();
  formatMarked_ = true;
}

void DbfFile::WriteRecord(uint32_t recno, const std::string& record) {
  if (!WriteAt(fd_, record.data(), record.size(), RecordOffset(recno))) WriteFailed();
  StampDate();
}

void DbfFile::WriteDeletionByte(uint32_t recno, char flag) {
  if (!WriteAt(fd_, &flag, 1, RecordOffset(recno))) WriteFailed();
  StampDate();
}

uint32_t DbfFile::AppendRecord(const std::string& record) {
  RefreshCount();
  const uint32_t recno = count_ + 1;
  std::string bytes = record;
  bytes.push_back(kDbfEndOfFile);
  if (!WriteAt(fd_, bytes.data(), bytes.size(), RecordOffset(recno))) WriteFailed();
  // Date and count in one write: a reader sees the old count or the new one.
  int y, m, d;
  Today(y, m, d);
  uint8_t head[7];
  EncodeDbfDate(head, y, m, d);
  MarkFormat();
  WriteLe<uint32_t>(head + 3, recno);
  if (!WriteAt(fd_, head, sizeof head, kDbfDateOffset)) WriteFailed();
  count_ = recno;
  return recno;
}

}  // namespace vostrane
