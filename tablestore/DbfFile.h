// SPDX-License-Identifier: GPL-3.0-or-later
// The table file itself: opening (or creating) it, the record count kept in
// step with other processes, and record reads and writes that leave a valid
// file after every single write: a new record (with the end-of-file byte
// after it) is written before the header count is raised.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tablestore/DbfLayout.h"

namespace vostrane {

class DbfFile {
 public:
  DbfFile() = default;
  DbfFile(const DbfFile&) = delete;
  DbfFile& operator=(const DbfFile&) = delete;
  ~DbfFile() { Close(); }

  // Opens the table for shared use, creating it from the field lines when it
  // does not exist (no field lines: a missing table is an error), and for
  // reading only when it may not be written. `name` is the file name used in messages. Throws TableError.
  void Open(const std::string& path, const std::string& name,
            const std::vector<std::string>& fieldLines);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }
  const std::string& Name() const { return name_; }
  // The path the table was opened by.
  const std::string& Path() const { return path_; }
  const DbfLayout& Layout() const { return layout_; }
  // A table that could be opened for reading only (read-only file or file
  // system); the system's reason, empty for a writable table.
  bool ReadOnly() const { return !readOnlyReason_.empty(); }
  const std::string& ReadOnlyReason() const { return readOnlyReason_; }

  // Re-reads the record count from the header (another process may have
  // appended); never more records than the file holds.
  uint32_t RefreshCount();
  uint32_t Count() const { return count_; }

  // Record numbers count from 1. Throws TableError on a read failure.
  void ReadRecord(uint32_t recno, std::string& record) const;
  // Reads `n` consecutive records into `out` (n * record length bytes).
  void ReadRecords(uint32_t first, uint32_t n, std::string& out) const;
  void WriteRecord(uint32_t recno, const std::string& record);
  void WriteDeletionByte(uint32_t recno, char flag);
  // Writes the record after the last one, then raises the count; returns
  // its record number.
  uint32_t AppendRecord(const std::string& record);

 private:
  int64_t RecordOffset(uint32_t recno) const;
  void StampDate();
  // Once per opening, before the first write: MDX flag and code page byte.
  void MarkFormat();
  [[noreturn]] void WriteFailed() const;

  int fd_ = -1;
  std::string name_;
  std::string path_;
  std::string readOnlyReason_;
  DbfLayout layout_;
  uint32_t count_ = 0;
  bool formatMarked_ = false;
};

}  // namespace vostrane
