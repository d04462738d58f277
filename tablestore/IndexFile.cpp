// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/IndexFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ByteOrder.h"
#include "platform/FileSystem.h"
#include "tablestore/FileIo.h"

namespace vostrane {

namespace {

constexpr char kMagic[8] = {'V', 'S', 'T', 'R', 'I', 'D', 'X', '1'};
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderSize = 128;
constexpr size_t kCommitOffset = 64;
constexpr size_t kCommitSize = 32;
constexpr size_t kTagBlockSize = 256;
constexpr size_t kTagExpressionOffset = 24;
constexpr size_t kJournalEntrySize = 112;
constexpr size_t kJournalDataOffset = 4;
constexpr size_t kJournalCheckOffset = 108;  // a check word over the bytes before it
constexpr size_t kBaseHashOffset = 56;       // over all base entries

// A quick 64-bit hash, eight bytes at a time, for the check words.
uint64_t Hash(const void* data, size_t size, uint64_t h = 0x9E3779B97F4A7C15ULL) {
  const auto* p = static_cast<const uint8_t*>(data);
  for (; size >= 8; size -= 8, p += 8) {
    const uint64_t word = ReadLe<uint64_t>(p);
    h = (h ^ word) * 0xFF51AFD7ED558CCDULL;
    h ^= h >> 29;
  }
  for (; size > 0; --size, ++p) h = (h ^ *p) * 0x100000001B3ULL;
  return h ^ (h >> 32);
}

// The check word of the commit block: a reader that caught the block half
// rewritten sees a mismatch and reads again.
uint64_t CommitCheck(const uint8_t* block) { return Hash(block, 24) ^ 0x5649445843484b31ULL; }

void EncodeCommit(uint8_t* block, const IndexCommit& c) {
  WriteLe<uint64_t>(block, c.seq);
  WriteLe<uint32_t>(block + 8, c.covered);
  WriteLe<uint32_t>(block + 12, c.dirtyRecno);
  WriteLe<uint64_t>(block + 16, c.journalCount);
  WriteLe<uint64_t>(block + 24, CommitCheck(block));
}

size_t EntryWidth(const TagDefinition& tag) { return tag.KeyLength() + 4; }

void EncodeTag(uint8_t* block, const TagDefinition& tag) {
  std::memcpy(block, tag.name.data(), tag.name.size());
  block[16] = tag.unique ? 1 : 0;
  block[17] = tag.descending ? 1 : 0;
  WriteLe<uint16_t>(block + 18, static_cast<uint16_t>(tag.KeyLength()));
  std::memcpy(block + kTagExpressionOffset, tag.expression.data(), tag.expression.size());
}

std::string EncodeHeader(const IndexSignature& s, uint32_t count) {
  const std::vector<TagDefinition>& tags = *s.tags;
  std::string bytes(kHeaderSize + kTagBlockSize * tags.size(), '\0');
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  std::memcpy(p, kMagic, sizeof kMagic);
  WriteLe<uint32_t>(p + 8, kVersion);
  WriteLe<uint32_t>(p + 12, static_cast<uint32_t>(tags.size()));
  WriteLe<uint32_t>(p + 16, static_cast<uint32_t>(s.headerLength));
  WriteLe<uint32_t>(p + 20, static_cast<uint32_t>(s.recordLength));
  WriteLe<uint64_t>(p + 24, s.layoutHash);
  WriteLe<uint32_t>(p + 32, count);
  WriteLe<uint32_t>(p + 36, kJournalEntrySize);
  uint64_t offset = bytes.size();
  WriteLe<uint64_t>(p + 40, offset);
  for (const TagDefinition& t : tags) offset += static_cast<uint64_t>(count) * EntryWidth(t);
  WriteLe<uint64_t>(p + 48, offset);
  EncodeCommit(p + kCommitOffset, IndexCommit{1, count, 0, 0});
  for (size_t i = 0; i < tags.size(); ++i) EncodeTag(p + kHeaderSize + i * kTagBlockSize, tags[i]);
  return bytes;
}

// Strictly ascending, record numbers 1..count each exactly once.
bool ValidBase(std::string_view base, size_t width, uint32_t count, std::vector<uint8_t>& seen) {
  seen.assign(static_cast<size_t>(count) + 1, 0);
  for (size_t i = 0; i < count; ++i) {
    const std::string_view entry(base.data() + i * width, width);
    if (i > 0 && std::string_view(base.data() + (i - 1) * width, width) >= entry) return false;
    const uint32_t recno = EntryRecno(entry);
    if (recno < 1 || recno > count || seen[recno]) return false;
    seen[recno] = 1;
  }
  return true;
}

}  // namespace

std::string MakeEntry(const std::string& key, uint32_t recno) {
  std::string entry = key;
  entry.resize(key.size() + 4);
  WriteBe<uint32_t>(entry.data() + key.size(), recno);
  return entry;
}

uint32_t EntryRecno(std::string_view entry) { return ReadBe<uint32_t>(entry.data() + entry.size() - 4); }

IndexFile::Status IndexFile::Open(const std::string& path, const IndexSignature& signature,
                                  bool& openable) {
  Close();
  openable = true;
  path_ = path;
  readOnly_ = false;
  fd_ = open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    // Readable but not writable: usable for reading while the table stays
    // unchanged; the table refuses writes.
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    readOnly_ = fd_ >= 0;
  }
  if (fd_ < 0) {
    openable = errno == ENOENT;
    return Status::Missing;
  }
  struct stat st {};
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    Close();
    openable = false;
    return Status::Missing;
  }
  device_ = st.st_dev;
  inode_ = st.st_ino;
  const Status status = Load(signature);
  if (status != Status::Ok) Close();
  return status;
}

IndexFile::Status IndexFile::Load(const IndexSignature& s) {
  const std::vector<TagDefinition>& tags = *s.tags;
  const int64_t size = OpenFileSize(fd_);
  std::string header(kHeaderSize + kTagBlockSize * tags.size(), '\0');
  if (size < static_cast<int64_t>(header.size()) || !ReadAt(fd_, header.data(), header.size(), 0)) {
    return Status::Invalid;
  }
  // Compare the stored header with the one this table and tag list would get:
  // every byte but the counts, offsets and commit block must agree.
  const auto* p = reinterpret_cast<const uint8_t*>(header.data());
  const uint32_t count = ReadLe<uint32_t>(p + 32);
  const std::string expected = EncodeHeader(s, count);
  if (std::memcmp(p, expected.data(), 32) != 0 || ReadLe<uint32_t>(p + 36) != kJournalEntrySize ||
      ReadLe<uint64_t>(p + 40) != ReadLe<uint64_t>(expected.data() + 40) ||
      ReadLe<uint64_t>(p + 48) != ReadLe<uint64_t>(expected.data() + 48) ||
      header.compare(kHeaderSize, std::string::npos, expected, kHeaderSize, std::string::npos) != 0) {
    return Status::Invalid;
  }
  baseCount_ = count;
  journalOffset_ = ReadLe<uint64_t>(p + 48);
  IndexCommit commit;
  if (static_cast<uint64_t>(size) < journalOffset_ || !ReadCommit(commit) || commit.covered < count ||
      commit.journalCount > (static_cast<uint64_t>(size) - journalOffset_) / kJournalEntrySize) {
    return Status::Invalid;
  }
  entryWidths_.clear();
  bases_.assign(tags.size(), std::string_view());
  // The bases are read where they lie: the file is mapped, not copied (a
  // base never changes once written; a rewrite is a new file).
  Unmap();
  void* map = mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, fd_, 0);
  if (map == MAP_FAILED) return Status::Invalid;
  map_ = map;
  mapSize_ = static_cast<size_t>(size);
  const char* bytes = static_cast<const char*>(map_);
  uint64_t offset = ReadLe<uint64_t>(p + 40);
  uint64_t hash = 0x9E3779B97F4A7C15ULL;
  std::vector<uint8_t> seen;
  for (size_t t = 0; t < tags.size(); ++t) {
    const size_t width = EntryWidth(tags[t]);
    entryWidths_.push_back(width);
    const size_t length = static_cast<size_t>(count) * width;
    if (offset > mapSize_ || length > mapSize_ - offset) return Status::Invalid;
    bases_[t] = std::string_view(bytes + offset, length);
    if (!ValidBase(bases_[t], width, count, seen)) return Status::Invalid;
    offset += bases_[t].size();
    hash = Hash(bases_[t].data(), bases_[t].size(), hash);
  }
  return hash == ReadLe<uint64_t>(p + kBaseHashOffset) ? Status::Ok : Status::Invalid;
}

void IndexFile::Unmap() {
  if (map_) munmap(map_, mapSize_);
  map_ = nullptr;
  mapSize_ = 0;
}

void IndexFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  bases_.clear();
  Unmap();
  entryWidths_.clear();
  baseCount_ = 0;
}

bool IndexFile::ReadCommit(IndexCommit& c) const {
  uint8_t block[kCommitSize];
  for (int attempt = 0; attempt < 1000; ++attempt) {
    if (!ReadAt(fd_, block, sizeof block, kCommitOffset)) return false;
    if (ReadLe<uint64_t>(block + 24) != CommitCheck(block)) continue;
    c.seq = ReadLe<uint64_t>(block);
    c.covered = ReadLe<uint32_t>(block + 8);
    c.dirtyRecno = ReadLe<uint32_t>(block + 12);
    c.journalCount = ReadLe<uint64_t>(block + 16);
    return true;
  }
  return false;
}

bool IndexFile::ReadJournal(uint64_t from, uint64_t to, std::vector<JournalEntry>& out) const {
  out.clear();
  if (to <= from) return true;
  const int64_t size = OpenFileSize(fd_);
  if (size < 0 || static_cast<uint64_t>(size) < journalOffset_ ||
      to > (static_cast<uint64_t>(size) - journalOffset_) / kJournalEntrySize) {
    return false;
  }
  std::string bytes(static_cast<size_t>(to - from) * kJournalEntrySize, '\0');
  if (!ReadAt(fd_, bytes.data(), bytes.size(),
              static_cast<int64_t>(journalOffset_ + from * kJournalEntrySize))) {
    return false;
  }
  for (size_t i = 0; i < bytes.size(); i += kJournalEntrySize) {
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data() + i);
    JournalEntry e;
    e.op = static_cast<JournalOp>(p[0]);
    e.tag = p[1];
    if ((e.op != JournalOp::Insert && e.op != JournalOp::Remove) || e.tag >= entryWidths_.size() ||
        ReadLe<uint16_t>(p + 2) != entryWidths_[e.tag] ||
        ReadLe<uint32_t>(p + kJournalCheckOffset) !=
            static_cast<uint32_t>(Hash(p, kJournalCheckOffset))) {
      return false;
    }
    e.entry.assign(bytes.data() + i + kJournalDataOffset, entryWidths_[e.tag]);
    if (EntryRecno(e.entry) == 0) return false;
    out.push_back(std::move(e));
  }
  return true;
}

bool IndexFile::Append(const std::vector<JournalEntry>& entries, const IndexCommit& commit) {
  std::string bytes(entries.size() * kJournalEntrySize, '\0');
  for (size_t i = 0; i < entries.size(); ++i) {
    auto* p = reinterpret_cast<uint8_t*>(bytes.data() + i * kJournalEntrySize);
    p[0] = static_cast<uint8_t>(entries[i].op);
    p[1] = entries[i].tag;
    WriteLe<uint16_t>(p + 2, static_cast<uint16_t>(entries[i].entry.size()));
    std::memcpy(p + kJournalDataOffset, entries[i].entry.data(), entries[i].entry.size());
    WriteLe<uint32_t>(p + kJournalCheckOffset, static_cast<uint32_t>(Hash(p, kJournalCheckOffset)));
  }
  const uint64_t first = commit.journalCount - entries.size();
  if (!bytes.empty() && !WriteAt(fd_, bytes.data(), bytes.size(),
                                 static_cast<int64_t>(journalOffset_ + first * kJournalEntrySize))) {
    return false;
  }
  uint8_t block[kCommitSize];
  EncodeCommit(block, commit);
  return WriteAt(fd_, block, sizeof block, kCommitOffset);
}

bool IndexFile::Replaced() const {
  struct stat st {};
  if (stat(path_.c_str(), &st) != 0) return true;
  return st.st_dev != device_ || st.st_ino != inode_;
}

bool IsIndexFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char magic[sizeof kMagic] = {};
  const bool index = ReadAt(fd, magic, sizeof magic, 0) &&
                     std::memcmp(magic, kMagic, sizeof kMagic) == 0;
  close(fd);
  return index;
}

std::string IndexFile::RewriteTarget(const std::string& path, const std::string& tablePath) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  const std::string target = FinalTarget(path);
  if (IsIndexFile(target)) return target;
  // A link to no file yet is followed only into the folder of the table's
  // own file: the index of a table shared through a link is made there.
  const auto folder = [](const std::string& p) {
    const size_t slash = p.find_last_of('/');
    char* real = realpath(slash == std::string::npos ? "." : p.substr(0, slash + 1).c_str(), nullptr);
    const std::string canonical = real ? real : "";
    std::free(real);
    return canonical;
  };
  const std::string tableFolder = folder(FinalTarget(tablePath));
  if (lstat(target.c_str(), &st) != 0 && errno == ENOENT && !tableFolder.empty() &&
      folder(target) == tableFolder)
    return target;
  return path;
}

bool IndexFile::Write(const std::string& path, const IndexSignature& signature,
                      const std::vector<std::string>& bases, uint32_t count) {
  std::string temp;
  const int fd = CreateTempBeside(path, temp);
  if (fd < 0) return false;
  const std::string header = EncodeHeader(signature, count);
  bool ok = WriteAt(fd, header.data(), header.size(), 0);
  int64_t offset = static_cast<int64_t>(header.size());
  for (const std::string& base : bases) {
    ok = ok && WriteAt(fd, base.data(), base.size(), offset);
    offset += static_cast<int64_t>(base.size());
  }
  uint64_t hash = 0x9E3779B97F4A7C15ULL;
  for (const std::string& base : bases) hash = Hash(base.data(), base.size(), hash);
  uint8_t hashBytes[8];
  WriteLe<uint64_t>(hashBytes, hash);
  ok = ok && WriteAt(fd, hashBytes, sizeof hashBytes, kBaseHashOffset);
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace vostrane
