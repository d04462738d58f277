// SPDX-License-Identifier: GPL-3.0-or-later
// A file of fixed-size records addressed by record number, with a current
// position that advances over each record read or written. Every operation
// reports success at once, so callers can check each result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vostrane {

class RecordFile {
 public:
  // CreateKeep opens the file for reading and writing, creating it empty
  // when missing, and never through a symbolic link (the open then fails
  // with errno ELOOP, for the caller to decide).
  enum class Mode { ReadOnly, ReadWrite, CreateKeep };

  RecordFile() = default;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  ~RecordFile();

  bool Open(const std::string& path, size_t recordSize, Mode mode);
  bool IsOpen() const { return fd_ >= 0; }
  // Positions at record n; 0 <= n <= RecordCount() (the end is a valid place
  // to write). With allowBeyondEnd any n >= 0 is accepted; a read there fails.
  bool Seek(int64_t record, bool allowBeyondEnd = false);
  // Reads the whole record at the current position; a short read fails.
  bool Read(void* buffer);
  // Writes the record at the current position.
  bool Write(const void* buffer);
  bool Close();
  // Cuts the file to `records` records.
  bool Truncate(int64_t records);
  int Descriptor() const { return fd_; }

  int64_t Position() const { return position_; }
  // Whole records in the file; a partial last record does not count.
  int64_t RecordCount() const;
  int64_t SizeInBytes() const;
  size_t RecordSize() const { return recordSize_; }
  const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  size_t recordSize_ = 1;
  int64_t position_ = 0;
  std::string path_;
};

}  // namespace vostrane
