// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstalledFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/Sha256.h"

namespace vostrane {
namespace {

constexpr const char* kManifestHeader = "vostrane-files 1";
constexpr const char* kManifestEnd = "end ";

struct Listed {
  int64_t size = 0;
  std::string sum;                  // hex SHA-256 of the whole file
  std::vector<std::string> blocks;  // hex SHA-256 per block; empty: whole file only
};

struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  int64_t size = -1;
  int64_t mtimeNs = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileIdentity{st.st_dev, st.st_ino, st.st_size,
                      int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec};
}

struct Manifest {
  FileIdentity identity;
  ManifestState state = ManifestState::Missing;
  std::map<std::string, Listed> files;
};

bool IsHexSum(const std::string& s) {
  return s.size() == 64 && s.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// Parses the list; false when any line is not as the build writes it or
// the closing sum does not match the lines before it.
bool ParseManifest(const std::string& text, std::map<std::string, Listed>& files) {
  const size_t endLine = text.rfind(std::string("\n") + kManifestEnd);
  if (text.rfind(std::string(kManifestHeader) + "\n", 0) != 0 || endLine == std::string::npos)
    return false;
  const std::string body = text.substr(0, endLine + 1);
  if (text.substr(endLine + 1) != kManifestEnd + DigestHex(Sha256Of(body)) + "\n") return false;
  std::istringstream lines(body);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string name, sizeText, sum, block;
    if (!(fields >> name >> sizeText >> sum) || !IsHexSum(sum) ||
        sizeText.find_first_not_of("0123456789") != std::string::npos || sizeText.size() > 15)
      return false;
    Listed l;
    l.size = std::stoll(sizeText);
    l.sum = sum;
    while (fields >> block) {
      if (!IsHexSum(block)) return false;
      l.blocks.push_back(block);
    }
    if (!l.blocks.empty() &&
        static_cast<int64_t>(l.blocks.size()) != (l.size + kManifestBlockSize - 1) / kManifestBlockSize)
      return false;
    files[name] = std::move(l);
  }
  return true;
}

// The list of a folder, read again only when the list file changed.
const Manifest& ManifestOf(const std::string& folder) {
  static std::map<std::string, Manifest> manifests;
  const std::string path = folder + "/" + kManifestFileName;
  const auto identity = IdentityOf(path);
  Manifest& m = manifests[folder];
  if (!identity) {
    m = Manifest{};
    return m;
  }
  if (m.state != ManifestState::Missing && m.identity == *identity) return m;
  m = Manifest{};
  m.identity = *identity;
  // A list far larger than any the build writes is damaged.
  constexpr int64_t kLargestList = 16 << 20;
  const auto text = identity->size <= kLargestList
                        ? ReadFileStart(path, static_cast<size_t>(identity->size))
                        : std::nullopt;
  m.state = text && ParseManifest(*text, m.files) ? ManifestState::Present : ManifestState::Damaged;
  if (m.state != ManifestState::Present) m.files.clear();
  return m;
}

// Verdicts per file and block (0 unchecked, 1 good, 2 damaged), dropped when
// the file changes.
struct Verdicts {
  FileIdentity identity;
  std::vector<uint8_t> blocks;
  uint8_t whole = 0;
};

Verdicts& VerdictsOf(const std::string& key, const FileIdentity& identity, size_t blocks) {
  static std::map<std::string, Verdicts> verdicts;
  Verdicts& v = verdicts[key];
  if (!(v.identity == identity) || v.blocks.size() != blocks)
    v = Verdicts{identity, std::vector<uint8_t>(blocks, 0), 0};
  return v;
}

bool ReadAt(int fd, int64_t offset, size_t n, std::string& bytes) {
  bytes.assign(n, '\0');
  size_t done = 0;
  while (done < n) {
    const ssize_t got = pread(fd, bytes.data() + done, n - done, static_cast<off_t>(offset + done));
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const size_t slash = path.rfind('/');
  if (path.empty() || path[0] != '/' || slash == std::string::npos) {
    folder = ".";
    name = path;
  } else {
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
  }
}

}  // namespace

FileCheck CheckInstalledRange(const std::string& path, int64_t offset, int64_t length) {
  std::string folder, name;
  SplitPath(path, folder, name);
  const Manifest& m = ManifestOf(folder);
  const auto listed = m.files.find(name);
  FileCheck check;
  if (listed == m.files.end()) return check;
  const Listed& l = listed->second;
  check.listedSize = l.size;
  const auto identity = IdentityOf(path);
  if (!identity) {
    check.state = FileState::Missing;
    return check;
  }
  if (identity->size != l.size) {
    check.state = FileState::WrongSize;
    check.size = identity->size;
    return check;
  }
  Verdicts& v = VerdictsOf(folder + "/" + name, *identity, l.blocks.size());
  // Opened only when a verdict is still to be reached.
  int fd = -2;
  auto opened = [&] {
    if (fd == -2) fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd >= 0;
  };
  auto damagedAt = [&](int64_t at) {
    check.state = FileState::Damaged;
    check.offset = at;
    return check;
  };
  std::string bytes;
  if (l.blocks.empty()) {
    if (v.whole == 0) {
      v.whole = opened() && ReadAt(fd, 0, static_cast<size_t>(l.size), bytes) &&
                        DigestHex(Sha256Of(bytes)) == l.sum
                    ? 1
                    : 2;
    }
    if (fd >= 0) close(fd);
    if (v.whole == 2) return damagedAt(0);
    check.state = FileState::Good;
    return check;
  }
  const int64_t from = std::clamp<int64_t>(offset, 0, l.size);
  const int64_t to = std::clamp<int64_t>(length > l.size - from ? l.size : from + length, from, l.size);
  const int64_t first = from / kManifestBlockSize;
  const int64_t last = to > from ? (to - 1) / kManifestBlockSize : first - 1;
  for (int64_t b = first; b <= last; ++b) {
    uint8_t& verdict = v.blocks[static_cast<size_t>(b)];
    if (verdict == 0) {
      const int64_t at = b * kManifestBlockSize;
      const size_t n = static_cast<size_t>(std::min(kManifestBlockSize, l.size - at));
      verdict = opened() && ReadAt(fd, at, n, bytes) &&
                        DigestHex(Sha256Of(bytes)) == l.blocks[static_cast<size_t>(b)]
                    ? 1
                    : 2;
    }
    if (verdict == 2) {
      if (fd >= 0) close(fd);
      return damagedAt(b * kManifestBlockSize);
    }
  }
  if (fd >= 0) close(fd);
  check.state = FileState::Good;
  return check;
}

FileCheck CheckInstalledFile(const std::string& path) { return CheckInstalledRange(path, 0, INT64_MAX); }

ManifestState ManifestStateOf(const std::string& folder) { return ManifestOf(folder).state; }

void ReportManifestProblem() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  switch (ManifestStateOf()) {
    case ManifestState::Present: return;
    case ManifestState::Missing:
      ShowMessage(std::string("Warning: the list of installed files ") + kManifestFileName +
                      " is not on disk; the data files are checked for their layout only.",
                  MsgIcon::Warning);
      return;
    case ManifestState::Damaged:
      ShowMessage(std::string("ERROR!  File ") + kManifestFileName +
                      " is damaged; the data files are checked for their layout only. "
                      "Re-install Vostrane!",
                  MsgIcon::Error);
      return;
  }
}

std::string DamagedFileText(const std::string& name, const FileCheck& check, int64_t recordSize) {
  std::string what;
  switch (check.state) {
    case FileState::Missing: what = "is not on disk"; break;
    case FileState::WrongSize:
      what = "has " + std::to_string(check.size) + " bytes instead of " +
             std::to_string(check.listedSize);
      break;
    default:
      if (recordSize > 0) {
        // The list tells a whole block wrong: name the records it holds.
        const int64_t end = std::min(check.offset + kManifestBlockSize, check.listedSize);
        const int64_t first = check.offset / recordSize,
                      last = std::max(end - 1, check.offset) / recordSize;
        what = first == last
                   ? "is damaged at record # " + std::to_string(first)
                   : "is damaged in records # " + std::to_string(first) + " to " + std::to_string(last);
      } else {
        what = "is damaged at byte " + std::to_string(check.offset);
      }
      break;
  }
  return "ERROR!  File " + name + " " + what + ".  Re-install Vostrane!";
}

namespace {
// The line of the list for a file's bytes, with its newline.
std::string ListedLine(const std::string& name, const std::string& bytes) {
  const int64_t size = static_cast<int64_t>(bytes.size());
  std::string line = name + " " + std::to_string(size) + " " + DigestHex(Sha256Of(bytes));
  if (size > kManifestBlockSize && size <= kManifestLargestBlockedFile)
    for (int64_t at = 0; at < size; at += kManifestBlockSize) {
      // Appended piece by piece: " " + a temporary string trips g++ -O3's
      // overlap warning (-Wrestrict).
      line += ' ';
      line += DigestHex(Sha256Of(std::string_view(bytes).substr(
          static_cast<size_t>(at), static_cast<size_t>(kManifestBlockSize))));
    }
  return line + "\n";
}
}  // namespace

bool WriteManifest(const std::string& folder, const std::vector<std::string>& names,
                   std::string& error) {
  std::string text = std::string(kManifestHeader) + "\n";
  for (const std::string& name : names) {
    const auto bytes = ReadWholeFile(folder + "/" + name);
    if (!bytes || name.find_first_of(" \t\n") != std::string::npos) {
      error = "cannot read " + folder + "/" + name;
      return false;
    }
    text += ListedLine(name, *bytes);
  }
  text += kManifestEnd + DigestHex(Sha256Of(text)) + "\n";
  if (!ReplaceFileContents(folder + "/" + kManifestFileName, text)) {
    error = "cannot write " + folder + "/" + kManifestFileName;
    return false;
  }
  return true;
}

bool RelistInstalledFile(const std::string& folder, const std::string& name) {
  const std::string path = folder + "/" + kManifestFileName;
  const auto text = ReadWholeFile(path);
  std::map<std::string, Listed> files;
  if (!text || !ParseManifest(*text, files) || !files.count(name)) return true;
  const auto bytes = ReadWholeFile(folder + "/" + name);
  if (!bytes) return false;
  std::istringstream lines(text->substr(0, text->rfind(std::string("\n") + kManifestEnd) + 1));
  std::string line, out;
  while (std::getline(lines, line))
    out += line.rfind(name + " ", 0) == 0 ? ListedLine(name, *bytes) : line + "\n";
  out += kManifestEnd + DigestHex(Sha256Of(out)) + "\n";
  return ReplaceFileContents(path, out);
}

}  // namespace vostrane
