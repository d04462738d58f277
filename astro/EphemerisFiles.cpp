// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/EphemerisFiles.h"

#include <algorithm>
#include <fstream>

namespace vostrane {
namespace {

std::optional<std::string> ReadStart(const std::string& name, size_t maxBytes) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::string bytes(std::min(static_cast<size_t>(size), maxBytes), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<size_t>(in.gcount()) != bytes.size()) return std::nullopt;
  return bytes;
}

}  // namespace

const std::string* EphemerisFiles::Get(const std::string& name, size_t maxBytes) {
  auto it = files_.find(name);
  if (it == files_.end()) it = files_.emplace(name, ReadStart(name, maxBytes)).first;
  return it->second ? &*it->second : nullptr;
}

CalcStatus FailedCheckStatus(CalcSource source, const FileCheck& check, const std::string& name,
                             int64_t record) {
  switch (check.state) {
    case FileState::Missing: return {source, CalcFault::MissingFile, name, 0};
    case FileState::WrongSize: return {source, CalcFault::WrongSize, name, check.size};
    default: return {source, CalcFault::FailedCheck, name, record};
  }
}

FileCheck EphemerisFiles::Check(const std::string& name, size_t offset, size_t length) {
  std::vector<bool>& good = goodBlocks_[name];
  const size_t first = offset / kManifestBlockSize;
  const size_t last = (offset + std::max<size_t>(length, 1) - 1) / kManifestBlockSize;
  if (last < good.size() &&
      std::all_of(good.begin() + static_cast<std::ptrdiff_t>(first),
                  good.begin() + static_cast<std::ptrdiff_t>(last) + 1, [](bool b) { return b; }))
    return FileCheck{FileState::Good};
  const FileCheck check = CheckInstalledRange(name, static_cast<int64_t>(offset),
                                              static_cast<int64_t>(length));
  if (check.ok()) {
    if (good.size() <= last) good.resize(last + 1, false);
    std::fill(good.begin() + static_cast<std::ptrdiff_t>(first),
              good.begin() + static_cast<std::ptrdiff_t>(last) + 1, true);
  }
  return check;
}

}  // namespace vostrane
